#pragma once
// Bounds of the numeric inputs a run reads. The calculation itself makes no assumption on
// magnitudes, so an absurd value (an angle of -1e14 degrees, a unit weight of 1e308)
// would either keep the trial-wedge search turning for minutes or overflow into infinite
// and NaN figures. Each input is held to a range that every real retaining wall lies in
// well inside; anything outside it refuses the run with a message naming the box.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/control_source.h"

namespace stelvar {

// A value other than zero is taken as a figure only from this magnitude on: smaller ones
// (1e-300 mm) are no dimension anyone draws, and quotients of them overflow.
constexpr double kSmallestFigure = 1e-6;

struct InputRange {
    std::string_view Name;     // the control
    std::string_view Caption;  // the box as the user finds it in the window
    double Low;                // inclusive bounds, in the unit the box is entered in
    double High;
};

// The lower bound of a box whose smallest sound value a described check already enforces
// (key position, width and height, concrete unit weight): one fault, one message. The
// smallest figure is still required of them.
inline constexpr double kCheckedBelow = -1.0e300;

// The boxes the run reads with the design conditions as they stand: the active wall
// page's outline, the key only when there is one, the slope only for a sloping surface,
// the seismic coefficient only in the seismic case, and so on.
std::vector<InputRange> RangesRead(const ControlSource& conditions);

// "[caption]の値が範囲外です。\r<low>～<high>の範囲で入力して下さい。" (for a box checked
// below elsewhere: "…\r<high>以下の値を入力して下さい。")
std::string OutOfRangeMessage(const InputRange& range);

// "[caption]の値が小さすぎます。\r0か、0.000001以上の値を入力して下さい。"
std::string TooSmallMessage(const InputRange& range);

// "[caption]の値が数値ではありません。"
std::string NotANumberMessage(const InputRange& range);

}  // namespace stelvar
