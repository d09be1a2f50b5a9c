#include "text/number.h"

#include <charconv>
#include <cmath>

namespace stelvar {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Accepts [sign] digits [. digits] [(e|E) [sign] digits], with at least one mantissa
// digit; nothing else (no "inf", "nan", hex or thousands separators).
bool IsDecimalNumber(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) { ++i; ++digits; }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) { ++i; ++digits; }
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && IsDigit(s[i])) { ++i; ++expDigits; }
        if (expDigits == 0) return false;
    }
    return i == s.size();
}

}  // namespace

bool TryStrToFloat(std::string_view text, double& value) {
    std::string_view s = Trim(text);
    if (!IsDecimalNumber(s)) return false;
    bool negative = false;
    if (s.front() == '+' || s.front() == '-') {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    double v = 0.0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || ptr != s.data() + s.size() || !std::isfinite(v)) return false;
    value = negative ? -v : v;
    return true;
}

bool TryStrToInt(std::string_view text, std::int32_t& value) {
    std::string_view s = Trim(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return false;
    for (char c : s)
        if (!IsDigit(c)) return false;
    std::int64_t v = 0;
    for (char c : s) {
        v = v * 10 + (c - '0');
        if (v > 2147483648LL) return false;
    }
    if (negative) v = -v;
    if (v < INT32_MIN || v > INT32_MAX) return false;
    value = static_cast<std::int32_t>(v);
    return true;
}

double StrToFloat(std::string_view text) {
    double v = 0.0;
    if (!TryStrToFloat(text, v))
        throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
    return v;
}

std::int32_t StrToInt(std::string_view text) {
    std::int32_t v = 0;
    if (!TryStrToInt(text, v))
        throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
    return v;
}

}  // namespace stelvar
