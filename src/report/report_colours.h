#pragma once
// Colours of the report figures, and the output-colour option that turns every one of
// them black for black-and-white output.

#include "engine/teisu.h"
#include "forms/colour.h"

namespace stelvar::report_colours {

// RGB values with red in the low byte, as the window colours are held.
inline constexpr Colour clRed{0x0000FF};
inline constexpr Colour clBlue{0xFF0000};
inline constexpr Colour clAqua{0xFFFF00};
inline constexpr Colour clPurple{0x800080};
inline constexpr Colour clLime{0x00FF00};

// "出力図色": the colour itself in colour output, black in black-and-white output.
inline Colour Ink(const WindowSettings& settings, Colour colour) {
    return settings.ColourMode == 1 ? clBlack : colour;
}

}  // namespace stelvar::report_colours
