#pragma once
// Conversion of control texts to numbers, with "." as the decimal point. A text that is
// not a number raises ConversionError carrying the system's own message.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace stelvar {

class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "'%s' is not a valid floating point value" on failure.
double StrToFloat(std::string_view text);
// "'%s' is not a valid integer value" on failure (also out of the 32-bit range).
std::int32_t StrToInt(std::string_view text);

// Non-throwing forms: false when the text is not a number.
bool TryStrToFloat(std::string_view text, double& value);
bool TryStrToInt(std::string_view text, std::int32_t& value);

}  // namespace stelvar
