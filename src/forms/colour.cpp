#include "forms/colour.h"

#include <array>
#include <cstdio>

#include "text/number.h"

namespace stelvar {
namespace {

struct NamedColour {
    std::uint32_t Value;
    std::string_view Name;
};

constexpr std::uint32_t kSystem = 0xFF000000;

// Standard colour identifiers; the first entry of a value is the one written.
constexpr std::array<NamedColour, 52> kNamedColours{{
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {0xC0DCC0, "clMoneyGreen"},
    {0xF0CAA6, "clSkyBlue"},
    {0xF0FBFF, "clCream"},
    {0xA4A0A0, "clMedGray"},
    {kSystem | 0, "clScrollBar"},
    {kSystem | 1, "clBackground"},
    {kSystem | 2, "clActiveCaption"},
    {kSystem | 3, "clInactiveCaption"},
    {kSystem | 4, "clMenu"},
    {kSystem | 5, "clWindow"},
    {kSystem | 6, "clWindowFrame"},
    {kSystem | 7, "clMenuText"},
    {kSystem | 8, "clWindowText"},
    {kSystem | 9, "clCaptionText"},
    {kSystem | 10, "clActiveBorder"},
    {kSystem | 11, "clInactiveBorder"},
    {kSystem | 12, "clAppWorkSpace"},
    {kSystem | 13, "clHighlight"},
    {kSystem | 14, "clHighlightText"},
    {kSystem | 15, "clBtnFace"},
    {kSystem | 16, "clBtnShadow"},
    {kSystem | 17, "clGrayText"},
    {kSystem | 18, "clBtnText"},
    {kSystem | 19, "clInactiveCaptionText"},
    {kSystem | 20, "clBtnHighlight"},
    {kSystem | 21, "cl3DDkShadow"},
    {kSystem | 22, "cl3DLight"},
    {kSystem | 23, "clInfoText"},
    {kSystem | 24, "clInfoBk"},
    {kSystem | 26, "clHotLight"},
    {kSystem | 27, "clGradientActiveCaption"},
    {kSystem | 28, "clGradientInactiveCaption"},
    {kSystem | 29, "clMenuHighlight"},
    {kSystem | 30, "clMenuBar"},
    {0x1FFFFFFF, "clNone"},
    {0x20000000, "clDefault"},
}};

bool SameIdentifier(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool TryHex(std::string_view digits, std::uint32_t& value) {
    if (digits.empty() || digits.size() > 8) return false;
    std::uint32_t v = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0) return false;
        v = v * 16 + static_cast<std::uint32_t>(d);
    }
    value = v;
    return true;
}

}  // namespace

std::string ColourToText(Colour colour) {
    for (const NamedColour& named : kNamedColours)
        if (named.Value == colour.Value) return std::string(named.Name);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(colour.Value));
    return buffer;
}

Colour TextToColour(std::string_view text) {
    for (const NamedColour& named : kNamedColours)
        if (SameIdentifier(named.Name, text)) return Colour{named.Value};
    std::uint32_t value = 0;
    if (!text.empty() && text.front() == '$') {
        if (TryHex(text.substr(1), value)) return Colour{value};
    } else {
        std::int32_t number = 0;
        if (TryStrToInt(text, number)) return Colour{static_cast<std::uint32_t>(number)};
    }
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace stelvar
