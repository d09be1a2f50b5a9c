#include "report/format_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace stelvar {
namespace {

constexpr int kExpansionDigits = 18;  // significant digits the value is taken to first
constexpr int kMaxIntegerDigits = 18;
constexpr int kGeneralDigits = 15;

// A non-negative decimal 0.d1d2d3... x 10^Exp; Digits holds only '0'..'9'. Zero has
// no digits (or only zeros).
struct Decimal {
    std::string Digits;
    int Exp = 0;

    bool IsZero() const {
        return std::all_of(Digits.begin(), Digits.end(), [](char c) { return c == '0'; });
    }
};

// Rounds d in place to keep `keep` leading digits, half away from zero (the digit
// dropped first decides). keep <= 0 rounds below the first digit.
void RoundToDigits(Decimal& d, int keep) {
    if (keep >= static_cast<int>(d.Digits.size())) return;
    if (keep < 0) {
        d.Digits.clear();
        return;
    }
    const bool up = d.Digits[static_cast<std::size_t>(keep)] >= '5';
    d.Digits.resize(static_cast<std::size_t>(keep));
    if (!up) return;
    int i = keep - 1;
    while (i >= 0 && d.Digits[static_cast<std::size_t>(i)] == '9') {
        d.Digits[static_cast<std::size_t>(i)] = '0';
        --i;
    }
    if (i >= 0) {
        ++d.Digits[static_cast<std::size_t>(i)];
    } else {
        // All nines (or nothing kept): the carry makes 1 followed by zeros, one digit
        // place higher.
        d.Digits.assign(static_cast<std::size_t>(std::max(keep, 1)), '0');
        d.Digits.front() = '1';
        ++d.Exp;
    }
}

// The digits of the exact decimal value of a > 0 (finite), cut (not rounded) after
// `wanted` + 1 significant digits, so that rounding to `wanted` digits sees the true
// first dropped digit.
Decimal ExactDigits(double a, int wanted) {
    // A first, short conversion is correctly rounded at its last digit; the digit after
    // position `wanted` is exact unless that rounding carried into it, which can only
    // happen when every digit between is a nine that became a zero.
    constexpr int kShort = 40;
    std::array<char, 64> shortBuf{};
    auto r = std::to_chars(shortBuf.data(), shortBuf.data() + shortBuf.size(), a,
                           std::chars_format::scientific, kShort - 1);
    std::string_view text(shortBuf.data(), static_cast<std::size_t>(r.ptr - shortBuf.data()));
    auto mantissa = [](std::string_view t) {
        std::string digits;
        const std::size_t e = t.find('e');
        for (char c : t.substr(0, e))
            if (c >= '0' && c <= '9') digits.push_back(c);
        return digits;
    };
    std::string digits = mantissa(text);
    const bool maybeCarried =
        std::all_of(digits.begin() + wanted + 1, digits.end(), [](char c) { return c == '0'; });
    std::vector<char> longBuf;
    if (maybeCarried) {
        // Every double has at most 767 significant digits: 800 gives the exact value.
        longBuf.resize(832);
        r = std::to_chars(longBuf.data(), longBuf.data() + longBuf.size(), a,
                          std::chars_format::scientific, 800);
        text = std::string_view(longBuf.data(), static_cast<std::size_t>(r.ptr - longBuf.data()));
        digits = mantissa(text);
    }
    const std::size_t e = text.find('e');
    int exp10 = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    exp10);
    digits.resize(static_cast<std::size_t>(wanted + 1));
    return Decimal{std::move(digits), exp10 + 1};
}

// The value's decimal expansion of `sig` significant digits, rounded half away from
// zero; a > 0 and finite.
Decimal Expansion(double a, int sig) {
    Decimal d = ExactDigits(a, sig);
    RoundToDigits(d, sig);
    return d;
}

// General form with 15 significant digits: fixed notation for moderate magnitudes,
// otherwise "d.dddE[-]x".
std::string General(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0.0) return "0";
    Decimal d = Expansion(std::fabs(value), kGeneralDigits);
    while (!d.Digits.empty() && d.Digits.back() == '0') d.Digits.pop_back();
    std::string out;
    if (value < 0) out.push_back('-');
    const std::string_view digits = d.Digits;
    const int x = d.Exp - 1;  // scientific exponent
    if (x >= kGeneralDigits || x < -5) {
        out.push_back(digits[0]);
        if (digits.size() > 1) {
            out.push_back('.');
            out.append(digits.substr(1));
        }
        out.push_back('E');
        out.append(std::to_string(x));
    } else if (d.Exp <= 0) {
        out.append("0.");
        out.append(static_cast<std::size_t>(-d.Exp), '0');
        out.append(digits);
    } else {
        const auto intLen = static_cast<std::size_t>(d.Exp);
        if (digits.size() <= intLen) {
            out.append(digits);
            out.append(intLen - digits.size(), '0');
        } else {
            out.append(digits.substr(0, intLen));
            out.push_back('.');
            out.append(digits.substr(intLen));
        }
    }
    return out;
}

// The sections of a pattern; ";" inside quoted text does not separate.
std::vector<std::string_view> SplitSections(std::string_view pattern) {
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '"' || c == '\'') {
            const std::size_t close = pattern.find(c, i + 1);
            i = close == std::string_view::npos ? pattern.size() : close + 1;
        } else if (c == ';') {
            sections.push_back(pattern.substr(start, i - start));
            start = ++i;
        } else {
            ++i;
        }
    }
    sections.push_back(pattern.substr(start));
    return sections;
}

// What one section asks for.
struct Layout {
    int IntPlaces = 0;    // placeholders before the decimal point
    int FracPlaces = 0;   // placeholders after it
    int ForcedInt = 0;    // integer positions that always show a digit
    int ForcedFrac = 0;   // fractional positions that always show a digit
    bool Thousands = false;
    bool Scientific = false;
};

// True when pattern[i] opens scientific notation ("E+" or "E-").
bool OpensExponent(std::string_view s, std::size_t i) {
    return (s[i] == 'E' || s[i] == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
}

Layout Scan(std::string_view s) {
    Layout l;
    std::string places;     // the placeholders in order, "0" or "#"
    int decimalAt = -1;     // placeholders before the first "."
    int groupEnd = 0;       // integer placeholders before the last "," followed by another
    int lastComma = -1;     // placeholders before the latest "," of the integer part
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        const int count = static_cast<int>(places.size());
        if (c == '0' || c == '#') {
            if (decimalAt < 0 && lastComma > 0) groupEnd = lastComma;
            places.push_back(c);
        } else if (c == '.') {
            if (decimalAt < 0) decimalAt = count;
        } else if (c == ',') {
            l.Thousands = true;
            if (decimalAt < 0) lastComma = count;
        } else if (c == '"' || c == '\'') {
            const std::size_t close = s.find(c, i + 1);
            i = close == std::string_view::npos ? s.size() : close;
        } else if (OpensExponent(s, i)) {
            l.Scientific = true;
            i += 1;
            while (i + 1 < s.size() && s[i + 1] == '0') ++i;
        }
    }
    const int count = static_cast<int>(places.size());
    if (decimalAt < 0) decimalAt = count;
    l.IntPlaces = decimalAt;
    l.FracPlaces = count - decimalAt;
    // Integer places from the first "0" on always show a digit. A "," between integer
    // placeholders ("0,0", "#,##0") only asks for digit grouping: the placeholders in
    // front of it take no part in padding with zeros.
    const std::size_t firstZero = places.find('0', static_cast<std::size_t>(groupEnd));
    if (firstZero != std::string::npos && static_cast<int>(firstZero) < decimalAt)
        l.ForcedInt = decimalAt - static_cast<int>(firstZero);
    const std::size_t lastZero = places.rfind('0');
    if (lastZero != std::string::npos)
        l.ForcedFrac = std::max(0, static_cast<int>(lastZero) + 1 - decimalAt);
    return l;
}

// Writes the section with the value's digits: intDigits without leading zeros (may be
// empty), fracDigits exactly FracPlaces long; `exponent` for scientific sections.
std::string Render(std::string_view s, const Layout& l, const std::string& intDigits,
                   const std::string& fracDigits, int exponent, bool minus) {
    std::string out;
    if (minus) out += '-';

    const int nInt = std::max(static_cast<int>(intDigits.size()), l.ForcedInt);
    std::string padded(static_cast<std::size_t>(nInt) - intDigits.size(), '0');
    padded.append(intDigits);
    std::string trimmed = fracDigits;
    while (!trimmed.empty() && trimmed.back() == '0') trimmed.pop_back();
    const int fracShown = std::max(l.ForcedFrac, static_cast<int>(trimmed.size()));

    // place j (10^j) of the integer part; the separator follows each thousands digit
    auto putInt = [&](int j) {
        out += padded[static_cast<std::size_t>(nInt - 1 - j)];
        if (l.Thousands && j > 0 && j % 3 == 0) out += ',';
    };

    int p = 0;  // placeholder index
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '0' || c == '#') {
            if (p == 0) {
                // Integer digits beyond the placeholders go in front of the first one.
                for (int j = nInt - 1; j >= l.IntPlaces; --j) putInt(j);
            }
            if (p < l.IntPlaces) {
                const int j = l.IntPlaces - 1 - p;
                if (j < nInt) putInt(j);
            } else {
                const int j = p - l.IntPlaces;
                if (j < fracShown) {
                    if (j == 0) out += '.';
                    out += fracDigits[static_cast<std::size_t>(j)];
                }
            }
            ++p;
        } else if (c == '.' || c == ',') {
            // placed with the digits
        } else if (c == '"' || c == '\'') {
            const std::size_t close = s.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? s.size() : close;
            out.append(s.substr(i + 1, end - i - 1));
            i = end;
        } else if (l.Scientific && OpensExponent(s, i)) {
            out += c;
            const char signForm = s[i + 1];
            ++i;
            int zeros = 0;
            while (i + 1 < s.size() && s[i + 1] == '0') {
                ++zeros;
                ++i;
            }
            if (exponent < 0)
                out += '-';
            else if (signForm == '+')
                out += '+';
            std::string e = std::to_string(std::abs(exponent));
            if (static_cast<int>(e.size()) < zeros)
                e.insert(0, static_cast<std::size_t>(zeros) - e.size(), '0');
            out += e;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::string FormatNumber(std::string_view pattern, double value) {
    if (pattern.empty() || !std::isfinite(value)) return General(value);

    const std::vector<std::string_view> sections = SplitSections(pattern);
    auto sectionFor = [&](std::size_t index) {
        if (index < sections.size() && !sections[index].empty()) return index;
        return std::size_t{0};
    };

    std::size_t section = sectionFor(value > 0 ? 0 : value < 0 ? 1 : 2);
    std::string_view s = sections[section];
    Layout layout = Scan(s);

    Decimal d;
    if (value != 0.0) d = Expansion(std::fabs(value), kExpansionDigits);
    if (layout.Scientific) {
        RoundToDigits(d, std::max(1, layout.IntPlaces + layout.FracPlaces));
    } else {
        RoundToDigits(d, d.Exp + layout.FracPlaces);
        if (!d.IsZero() && d.Exp > kMaxIntegerDigits) return General(value);
    }

    bool negative = value < 0;
    if (d.IsZero()) {
        // Whatever its sign, a value that shows as zero is zero.
        d = Decimal{};
        negative = false;
        section = sectionFor(2);
        s = sections[section];
        layout = Scan(s);
    }
    const bool minus = negative && section == 0;

    std::string intDigits;
    std::string fracDigits;
    int exponent = 0;
    if (layout.Scientific) {
        if (!d.IsZero()) exponent = d.Exp - layout.IntPlaces;
        const std::size_t total = static_cast<std::size_t>(layout.IntPlaces + layout.FracPlaces);
        std::string digits = d.IsZero() ? std::string() : d.Digits;
        digits.resize(std::max(total, digits.size()), '0');
        intDigits = digits.substr(0, static_cast<std::size_t>(layout.IntPlaces));
        fracDigits = digits.substr(static_cast<std::size_t>(layout.IntPlaces),
                                   static_cast<std::size_t>(layout.FracPlaces));
        const std::size_t nz = intDigits.find_first_not_of('0');
        intDigits = nz == std::string::npos ? std::string() : intDigits.substr(nz);
    } else {
        if (!d.IsZero()) {
            // digits of 0.D x 10^Exp split at the decimal point
            std::string digits = d.Digits;
            if (d.Exp <= 0) {
                fracDigits.assign(static_cast<std::size_t>(-d.Exp), '0');
                fracDigits.append(digits);
            } else {
                const auto intLen = static_cast<std::size_t>(d.Exp);
                if (digits.size() < intLen) digits.resize(intLen, '0');
                intDigits = digits.substr(0, intLen);
                fracDigits = digits.substr(intLen);
            }
        }
        fracDigits.resize(static_cast<std::size_t>(layout.FracPlaces), '0');
    }
    return Render(s, layout, intDigits, fracDigits, exponent, minus);
}

}  // namespace stelvar
