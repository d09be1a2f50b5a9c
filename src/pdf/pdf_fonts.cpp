#include "pdf/pdf_fonts.h"

#include <cstddef>
#include <string_view>

namespace stelvar {
namespace {

constexpr std::string_view kCrLf = "\r\n";

// Advance widths of the TrueType fonts in thousandths of the font size, for the WinAnsi
// codes 31 to 255. Codes without a glyph (31, 127, 129, 141, 143, 144, 157) take the
// fonts' default width 719. The bold Century is the regular one emboldened, so apart
// from its first line and the letters listed there it measures like the regular one.
// Century: codes 31 to 255.
constexpr std::array<int, 225> kCenturyWidths = {
    719, 266, 283, 373, 533, 533, 798, 781, 196, 319, 319, 479, 581, 266, 319, 266,
    266, 533, 533, 533, 533, 533, 533, 533, 533, 533, 533, 266, 266, 581, 581, 581,
    425, 706, 692, 692, 692, 746, 692, 639, 746, 798, 390, 533, 746, 639, 905, 781,
    746, 639, 746, 692, 604, 639, 781, 692, 940, 675, 675, 586, 319, 581, 319, 581,
    479, 319, 533, 533, 425, 550, 479, 319, 515, 586, 302, 284, 568, 302, 852, 586,
    479, 550, 533, 425, 444, 373, 586, 515, 746, 515, 515, 461, 319, 581, 319, 581,
    719, 719, 719, 195, 533, 373, 958, 479, 479, 319, 958, 604, 248, 958, 719, 586,
    719, 719, 195, 195, 373, 373, 581, 533, 958, 319, 958, 444, 248, 798, 719, 461,
    675, 266, 284, 533, 533, 533, 533, 581, 479, 319, 706, 320, 408, 581, 319, 706,
    319, 383, 581, 319, 319, 319, 586, 581, 266, 319, 319, 287, 408, 799, 799, 799,
    425, 692, 692, 692, 692, 692, 692, 958, 692, 692, 692, 692, 692, 390, 390, 390,
    390, 746, 781, 746, 746, 746, 746, 746, 581, 746, 781, 781, 781, 781, 675, 639,
    550, 533, 533, 533, 533, 533, 533, 763, 425, 479, 479, 479, 479, 302, 302, 302,
    302, 479, 586, 479, 479, 479, 479, 479, 581, 479, 586, 586, 586, 586, 515, 550,
    515,
};

// CenturyBold: codes 31 to 255.
constexpr std::array<int, 225> kCenturyBoldWidths = {
    719, 267, 284, 374, 533, 533, 799, 781, 196, 320, 320, 480, 581, 267, 320, 267,
    266, 533, 533, 533, 533, 533, 533, 533, 533, 533, 533, 266, 266, 581, 581, 581,
    425, 706, 693, 692, 692, 746, 692, 639, 746, 798, 390, 533, 746, 639, 905, 781,
    746, 639, 746, 692, 604, 639, 781, 692, 941, 675, 675, 586, 319, 581, 319, 581,
    479, 319, 533, 533, 425, 550, 479, 319, 515, 586, 303, 284, 568, 302, 852, 586,
    479, 550, 533, 425, 444, 373, 586, 515, 746, 515, 515, 461, 319, 581, 319, 581,
    719, 719, 719, 195, 533, 373, 958, 479, 479, 319, 958, 604, 248, 958, 719, 586,
    719, 719, 195, 195, 373, 373, 581, 533, 958, 319, 958, 444, 248, 798, 719, 461,
    675, 266, 284, 533, 533, 533, 533, 581, 479, 319, 706, 320, 408, 581, 319, 706,
    319, 383, 581, 319, 319, 319, 586, 581, 266, 319, 319, 287, 408, 799, 799, 799,
    425, 692, 692, 692, 692, 692, 692, 958, 692, 692, 692, 692, 692, 390, 390, 390,
    390, 746, 781, 746, 746, 746, 746, 746, 581, 746, 781, 781, 781, 781, 675, 639,
    550, 533, 533, 533, 533, 533, 533, 763, 425, 479, 479, 479, 479, 302, 302, 302,
    302, 479, 586, 479, 479, 479, 479, 479, 581, 479, 586, 586, 586, 586, 515, 550,
    515,
};

// Arial: codes 31 to 255.
constexpr std::array<int, 225> kArialWidths = {
    719, 266, 266, 340, 533, 533, 852, 639, 183, 319, 319, 373, 559, 266, 319, 266,
    266, 533, 533, 533, 533, 533, 533, 533, 533, 533, 533, 266, 266, 560, 560, 560,
    533, 973, 639, 639, 692, 692, 639, 586, 746, 692, 266, 479, 639, 533, 798, 692,
    746, 639, 746, 692, 639, 586, 692, 639, 904, 639, 639, 586, 266, 266, 266, 449,
    533, 319, 533, 533, 479, 533, 533, 266, 533, 533, 213, 213, 479, 213, 798, 533,
    533, 533, 533, 319, 479, 266, 533, 479, 692, 479, 479, 479, 320, 249, 320, 560,
    719, 533, 719, 213, 533, 319, 958, 533, 533, 319, 958, 639, 319, 958, 719, 586,
    719, 719, 213, 213, 319, 319, 335, 533, 958, 319, 958, 479, 319, 905, 719, 479,
    639, 266, 319, 533, 533, 533, 533, 249, 533, 319, 706, 355, 533, 560, 319, 706,
    319, 383, 560, 319, 319, 319, 554, 515, 266, 319, 319, 350, 533, 799, 799, 799,
    586, 639, 639, 639, 639, 639, 639, 958, 692, 639, 639, 639, 639, 266, 266, 266,
    266, 692, 692, 746, 746, 746, 746, 746, 560, 746, 692, 692, 692, 692, 639, 639,
    586, 533, 533, 533, 533, 533, 533, 852, 479, 533, 533, 533, 533, 266, 266, 266,
    266, 533, 533, 533, 533, 533, 533, 533, 560, 586, 533, 533, 533, 533, 479, 533,
    479,
};

// ArialBold: codes 31 to 255.
constexpr std::array<int, 225> kArialBoldWidths = {
    719, 266, 319, 454, 533, 533, 852, 692, 228, 319, 319, 373, 559, 266, 319, 266,
    266, 533, 533, 533, 533, 533, 533, 533, 533, 533, 533, 319, 319, 560, 560, 560,
    586, 934, 692, 692, 692, 692, 639, 586, 746, 692, 266, 533, 692, 586, 798, 692,
    746, 639, 746, 692, 639, 586, 692, 639, 904, 639, 639, 586, 319, 266, 319, 560,
    533, 319, 533, 586, 533, 586, 533, 319, 586, 586, 266, 266, 533, 266, 852, 586,
    586, 586, 586, 373, 533, 319, 586, 533, 746, 533, 533, 479, 373, 268, 373, 560,
    719, 533, 719, 266, 533, 479, 958, 533, 533, 319, 958, 639, 319, 958, 719, 586,
    719, 719, 266, 266, 479, 479, 335, 533, 958, 319, 958, 533, 319, 905, 719, 479,
    639, 266, 319, 533, 533, 533, 533, 268, 533, 319, 706, 355, 533, 560, 319, 706,
    319, 383, 560, 319, 319, 319, 586, 533, 266, 319, 319, 350, 533, 799, 799, 799,
    586, 692, 692, 692, 692, 692, 692, 958, 692, 639, 639, 639, 639, 266, 266, 266,
    266, 692, 692, 746, 746, 746, 746, 746, 560, 746, 692, 692, 692, 692, 639, 639,
    586, 533, 533, 533, 533, 533, 533, 852, 533, 533, 533, 533, 533, 266, 266, 266,
    266, 586, 586, 586, 586, 586, 586, 586, 560, 586, 586, 586, 586, 586, 533, 586,
    533,
};
// The fixed-pitch fonts, regular and bold: every glyph is 575 wide.
constexpr std::array<int, 225> kCourierWidths = [] {
    std::array<int, 225> w{};
    w.fill(575);
    return w;
}();

// "[ " and the values, sixteen to a line, each followed by a space and each full line by
// CR LF; the last value is followed by " ]" with no line break after it.
std::string TrueTypeWidthsText(const std::array<int, 225>& widths) {
    std::string text = "[ ";
    for (std::size_t i = 0; i < widths.size(); ++i) {
        text += std::to_string(widths[i]);
        if (i + 1 == widths.size()) {
            text += " ]";
        } else {
            text += ' ';
            if ((i + 1) % 16 == 0) text += kCrLf;
        }
    }
    return text;
}

// The "/W" array of the Japanese fonts: CIDs 1-94 (the codes 32-126 of the half-width
// range) and 326-389 (the half-width katakana 160-223) narrow, CID 631 narrow too.
std::string JapaneseWidthsText() {
    std::string text = "[";
    text += kCrLf;
    text += "1 [ ";
    for (int i = 1; i <= 94; ++i) {
        text += "479";
        if (i == 94) {
            text += "]";
            text += kCrLf;
        } else {
            text += ' ';
            if (i % 16 == 0) text += kCrLf;
        }
    }
    text += "326 [ ";
    for (int i = 1; i <= 64; ++i) {
        text += i == 1 ? "958 " : "479 ";
        if (i % 16 == 0) text += kCrLf;
    }
    text += "]";
    text += kCrLf;
    text += "631 631 479";
    text += kCrLf;
    text += "]";
    text += kCrLf;
    return text;
}

// Reads every run of decimal digits of the text into widths[first], widths[first+1],
// ... (entries beyond the table are dropped).
void ReadNumbers(std::string_view text, std::array<int, 256>& widths, std::size_t first) {
    std::size_t slot = first;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        long long value = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            if (value < 1000000000) value = value * 10 + (text[i] - '0');
            ++i;
        }
        if (slot < widths.size()) widths[slot] = static_cast<int>(value);
        ++slot;
    }
}

void SetTrueType(TPDFTrueTypeFontDef& def, int index, const char* baseFont,
                 const std::array<int, 225>& widths) {
    def.SubType = "TrueType";
    def.BaseFont = baseFont;
    def.FontIndex = index;
    def.FirstChar = 31;
    def.LastChar = 255;
    def.WidthsText = TrueTypeWidthsText(widths);
    def.Encoding = "WinAnsiEncoding";
}

// A descriptor whose bounding box repeats the descent as its left edge and the ascent as
// its top edge.
std::unique_ptr<TPDFFontDescriptorDef> MakeDescriptor(const char* name, int flags,
                                                      int right, int stemV, int ascent,
                                                      int descent) {
    auto d = std::make_unique<TPDFFontDescriptorDef>();
    d->Ascent = ascent;
    d->CapHeight = ascent;
    d->Descent = descent;
    d->Flags = flags;
    d->FontBBox = {descent, descent, right, ascent};
    d->FontName = name;
    d->ItalicAngle = 0;
    d->StemV = stemV;
    return d;
}

// The Shift-JIS bytes of "ＭＳ 明朝" and "ＭＳ ゴシック" as PDF names.
constexpr const char* kMinchoName = "#82#6C#82#72#20#96#BE#92#A9";
constexpr const char* kGothicName = "#82#6C#82#72#20#83#53#83#56#83#62#83#4E";

void SetJapaneseDescendant(TPDFCID2FontDef& def, const char* baseFont, int flags) {
    def.SubType = "CIDFontType2";
    def.BaseFont = baseFont;
    def.FontIndex = 0;
    def.WinCharSet = 128;
    def.CIDSystemInfo = "/Registry(Adobe)\r\n/Ordering(Japan1)\r\n/Supplement 2";
    def.DefaultWidth = 1000;
    def.WidthsText = JapaneseWidthsText();
    def.Descriptor = MakeDescriptor(baseFont, flags, 1015, 78, 872, -143);
}

}  // namespace

int TPDFFontDef::Width(int code) const {
    if (Descendant) return Descendant->Width(code);
    if (code < 0 || code >= static_cast<int>(Widths.size())) return 0;
    return Widths[static_cast<std::size_t>(code)];
}

std::string TPDFTrueTypeFontDef::WriteBody() const {
    std::string s;
    s += "/Subtype /" + SubType + "\r\n";
    s += "/BaseFont /" + BaseFont + "\r\n";
    s += "/FirstChar " + std::to_string(FirstChar) + "\r\n";
    s += "/LastChar " + std::to_string(LastChar) + "\r\n";
    s += "/Widths " + WidthsText + "\r\n";
    s += "/Encoding /" + Encoding + "\r\n";
    return s;
}

void TPDFTrueTypeFontDef::ParseWidths() {
    if (FirstChar < 0 || FirstChar > 255) return;
    ReadNumbers(WidthsText, Widths, static_cast<std::size_t>(FirstChar));
}

std::string TPDFType0FontDef::WriteBody() const {
    std::string s;
    s += "/Subtype /" + SubType + "\r\n";
    s += "/BaseFont /" + BaseFont + "\r\n";
    s += "/Encoding /" + Encoding + "\r\n";
    return s;
}

std::string TPDFCID2FontDef::WriteBody() const {
    std::string s;
    s += "/Subtype /" + SubType + "\r\n";
    s += "/BaseFont /" + BaseFont + "\r\n";
    s += "/WinCharSet /" + std::to_string(WinCharSet) + "\r\n";
    s += "/CIDSystemInfo <<\r\n";
    s += CIDSystemInfo + "\r\n";
    s += ">>\r\n";
    s += "/DW " + std::to_string(DefaultWidth) + "\r\n";
    s += "/W " + WidthsText + "\r\n";
    return s;
}

void TPDFCID2FontDef::ParseWidths() {
    // Only the two runs of narrow characters are measured; the single-CID range at the
    // end does not correspond to a byte code.
    const std::string_view text = WidthsText;
    auto readRange = [&](std::string_view opener, std::size_t first) {
        const std::size_t start = text.find(opener);
        if (start == std::string_view::npos) return;
        const std::size_t from = start + opener.size();
        std::size_t to = text.find(']', from);
        if (to == std::string_view::npos) to = text.size();
        ReadNumbers(text.substr(from, to - from), Widths, first);
    };
    readRange("1 [", 32);
    readRange("326 [", 160);
    Widths[0] = DefaultWidth;
}

void TCenturyFontDef::Init() {
    SetTrueType(*this, 0, "Century", kCenturyWidths);
    Descriptor = MakeDescriptor("Century", 34, 1188, 78, 1001, -219);
}

void TCenturyBoldFontDef::Init() {
    SetTrueType(*this, 1, "Century,Bold", kCenturyBoldWidths);
    Descriptor = MakeDescriptor("Century,Bold", 16416, 1189, 156, 1001, -219);
}

void TArialFontDef::Init() {
    SetTrueType(*this, 2, "Arial", kArialWidths);
    Descriptor = MakeDescriptor("Arial", 32, 1313, 78, 919, -215);
}

void TArialBoldFontDef::Init() {
    SetTrueType(*this, 3, "Arial,Bold", kArialBoldWidths);
    Descriptor = MakeDescriptor("Arial,Bold", 16416, 1261, 78, 919, -215);
}

void TCourierFontDef::Init() {
    SetTrueType(*this, 4, "Courier", kCourierWidths);
    Descriptor = MakeDescriptor("Courier", 32, 669, 78, 845, -305);
}

void TCourierBoldFontDef::Init() {
    SetTrueType(*this, 5, "Courier,Bold", kCourierWidths);
    Descriptor = MakeDescriptor("Courier,Bold", 16416, 759, 78, 845, -305);
}

void TMSMincyoFontDef::Init() {
    SubType = "Type0";
    BaseFont = kMinchoName;
    FontIndex = 6;
    Encoding = "90msp-RKSJ-H";
    Descendant = MakeFontDef<TMSMincyoDFontDef>();
}

void TMSGothicFontDef::Init() {
    SubType = "Type0";
    BaseFont = kGothicName;
    FontIndex = 7;
    Encoding = "90msp-RKSJ-H";
    Descendant = MakeFontDef<TMSGothicDFontDef>();
}

void TMSMincyoDFontDef::Init() { SetJapaneseDescendant(*this, kMinchoName, 6); }

void TMSGothicDFontDef::Init() { SetJapaneseDescendant(*this, kGothicName, 4); }

std::unique_ptr<TPDFFontDef> CreateFontDef(int index) {
    switch (index) {
        case 0: return MakeFontDef<TCenturyFontDef>();
        case 1: return MakeFontDef<TCenturyBoldFontDef>();
        case 2: return MakeFontDef<TArialFontDef>();
        case 3: return MakeFontDef<TArialBoldFontDef>();
        case 4: return MakeFontDef<TCourierFontDef>();
        case 5: return MakeFontDef<TCourierBoldFontDef>();
        case 6: return MakeFontDef<TMSMincyoFontDef>();
        case 7: return MakeFontDef<TMSGothicFontDef>();
        default:
            throw PdfError("このフォントは現在サポートされていません (" + std::to_string(index) +
                           ")");
    }
}

}  // namespace stelvar
