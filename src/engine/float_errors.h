#pragma once
// The message of a floating-point division that cannot be carried out during a run.
// The run is abandoned with it, as with a text that is not a number.

namespace stelvar {

inline constexpr const char* kFloatDivisionByZero = "Floating point division by zero";

}  // namespace stelvar
