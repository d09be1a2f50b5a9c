#pragma once
// Colours of the window controls as the design-conditions file writes them: the
// colour's identifier when it has one ("clWindow", "clSilver", "clMaroon"), else "$"
// and eight hexadecimal digits of the 32-bit colour value. Values below 0x01000000 are
// RGB colours with red in the low byte; values with the top byte 0xFF name a system
// colour by its index (clWindow is system colour 5, the background of an input box).

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace stelvar {

struct Colour {
    std::uint32_t Value = 0;
    friend constexpr auto operator<=>(const Colour&, const Colour&) = default;
};

// The identifiers the controls use; the full table is in colour.cpp.
inline constexpr Colour clBlack{0x000000};
inline constexpr Colour clMaroon{0x000080};
inline constexpr Colour clSilver{0xC0C0C0};
inline constexpr Colour clWhite{0xFFFFFF};
inline constexpr Colour clMoneyGreen{0xC0DCC0};
inline constexpr Colour clWindow{0xFF000005};
inline constexpr Colour clWindowText{0xFF000008};
inline constexpr Colour clBtnFace{0xFF00000F};

// "clWindow", or "$00C0DCC1" for a colour without an identifier.
std::string ColourToText(Colour colour);

// Accepts an identifier (case does not matter) or a whole number, decimal or "$"
// hexadecimal. Anything else raises ConversionError "'%s' is not a valid integer value".
Colour TextToColour(std::string_view text);

}  // namespace stelvar
