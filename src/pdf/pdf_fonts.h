#pragma once
// The eight fonts the PDF writer refers to by a font index 0 to 7. No font program is
// embedded: a definition supplies the lines of the font dictionary, the character widths
// used to measure text, and where needed a font descriptor and a descendant font.
//
//   0 Century       1 Century,Bold   2 Arial     3 Arial,Bold
//   4 Courier       5 Courier,Bold   6 ＭＳ 明朝   7 ＭＳ ゴシック
//
// 0-5 are TrueType fonts in the WinAnsi encoding; 6 and 7 are composite fonts that read
// Shift-JIS bytes through the "90msp-RKSJ-H" character map.

#include <array>
#include <memory>
#include <stdexcept>
#include <string>

namespace stelvar {

// A failure of the PDF writer; the message is the user-facing text (UTF-8).
class PdfError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TPDFFontDescriptorDef {
    int Ascent = 0;
    int CapHeight = 0;
    int Descent = 0;
    int Flags = 0;
    std::array<int, 4> FontBBox{};  // left, bottom, right, top
    std::string FontName;           // a PDF name without the leading slash
    int ItalicAngle = 0;
    int StemV = 0;
};

// The base of the font definitions. Make one with CreateFontDef (or MakeFontDef<T>),
// which runs Init and then ParseWidths.
class TPDFFontDef {
public:
    virtual ~TPDFFontDef() = default;
    TPDFFontDef(const TPDFFontDef&) = delete;
    TPDFFontDef& operator=(const TPDFFontDef&) = delete;

    // The definition's lines of the font dictionary, each ended by CR LF.
    virtual std::string WriteBody() const { return {}; }
    // Sets the names, numbers and sub-definitions.
    virtual void Init() {}
    // Fills the width table.
    virtual void ParseWidths() {}

    // Width in thousandths of the font size: the descendant's when there is one.
    int Width(int code) const;

    std::string SubType;   // without the leading slash
    std::string BaseFont;  // a PDF name without the leading slash
    std::unique_ptr<TPDFFontDescriptorDef> Descriptor;
    std::unique_ptr<TPDFFontDef> Descendant;
    int FontIndex = 0;     // 0 for a descendant definition
    std::array<int, 256> Widths{};

protected:
    TPDFFontDef() = default;
};

// Constructs a definition and runs Init and ParseWidths on it.
template <class T>
std::unique_ptr<T> MakeFontDef() {
    std::unique_ptr<T> def(new T());
    def->Init();
    def->ParseWidths();
    return def;
}

class TPDFTrueTypeFontDef : public TPDFFontDef {
public:
    std::string WriteBody() const override;
    // Every run of decimal digits of WidthsText goes, in order, to Widths[FirstChar],
    // Widths[FirstChar + 1], ...
    void ParseWidths() override;

    int FirstChar = 0;
    int LastChar = 0;
    std::string WidthsText;  // the value of "/Widths"
    std::string Encoding;
};

class TPDFType0FontDef : public TPDFFontDef {
public:
    std::string WriteBody() const override;
    std::string Encoding;  // the character map
};

class TPDFCID2FontDef : public TPDFFontDef {
public:
    std::string WriteBody() const override;
    // The numbers of the "1 [" range go to Widths[32...], those of the "326 [" range to
    // Widths[160...]; Widths[0] is the default width (one em, measured half per byte of a
    // double-byte character).
    void ParseWidths() override;

    int WinCharSet = 0;
    std::string CIDSystemInfo;  // the lines inside "/CIDSystemInfo << >>"
    int DefaultWidth = 0;
    std::string WidthsText;     // the value of "/W"
};

class TCenturyFontDef : public TPDFTrueTypeFontDef { public: void Init() override; };
class TCenturyBoldFontDef : public TPDFTrueTypeFontDef { public: void Init() override; };
class TArialFontDef : public TPDFTrueTypeFontDef { public: void Init() override; };
class TArialBoldFontDef : public TPDFTrueTypeFontDef { public: void Init() override; };
class TCourierFontDef : public TPDFTrueTypeFontDef { public: void Init() override; };
class TCourierBoldFontDef : public TPDFTrueTypeFontDef { public: void Init() override; };
class TMSMincyoFontDef : public TPDFType0FontDef { public: void Init() override; };
class TMSGothicFontDef : public TPDFType0FontDef { public: void Init() override; };
class TMSMincyoDFontDef : public TPDFCID2FontDef { public: void Init() override; };
class TMSGothicDFontDef : public TPDFCID2FontDef { public: void Init() override; };

// The definition of a font index 0 to 7; any other index raises PdfError
// "このフォントは現在サポートされていません (%d)" with the index.
std::unique_ptr<TPDFFontDef> CreateFontDef(int index);

}  // namespace stelvar
