#pragma once
// The one number format of the calculation document: every number of a report line,
// table cell or chart label goes through it.
//
// A pattern is a picture of the text: "0" and "#" are digit placeholders ("0" always
// writes a digit, "#" only a significant one), the first "." marks the decimal point,
// a "," anywhere switches on thousands separators, ";" separates up to three sections
// (positive and zero; negative, written as its magnitude; zero), quoted text is copied
// without its quotes, "E+"/"E-" asks for scientific notation, and every other byte is
// copied where it stands (UTF-8 labels pass through unchanged: none of their bytes is
// special). The value is first taken to 18 significant decimal digits and then rounded
// half away from zero to the pattern's decimals. A negative value formatted with the
// first section gets its minus sign at the very start of the text; a value that rounds
// to zero is written unsigned, with the zero section when there is one. Values with
// more than 18 integer digits, infinities and NaN are written in general form with 15
// significant digits ("1.5E20", "INF", "-INF", "NAN"), as is any value for an empty
// pattern.

#include <string>
#include <string_view>

namespace stelvar {

std::string FormatNumber(std::string_view pattern, double value);

}  // namespace stelvar
