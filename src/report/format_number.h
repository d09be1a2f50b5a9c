#pragma once
// The one number format of the calculation document: every number of a report line,
// table cell or chart label goes through it. Patterns follow the usual picture form:
// "0" and "#" digit placeholders, "." decimal point, "," thousands separator, up to
// three ";"-separated sections (positive; negative; zero), literal text copied byte for
// byte, rounding half away from zero on the 18-significant-digit decimal expansion.

#include <string>
#include <string_view>

namespace stelvar {

std::string FormatNumber(std::string_view pattern, double value);

}  // namespace stelvar
