#include "pdf/pdf_fonts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace stelvar {
namespace {

std::string Repeat(std::string_view s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

TEST(PdfFontDefs, FactoryGivesTheEightFonts) {
    struct Case {
        int index;
        const char* subType;
        const char* baseFont;
        int flags;  // of the descriptor (the descendant's for 6 and 7)
        std::array<int, 4> bbox;
        int stemV;
    };
    const Case cases[] = {
        {0, "TrueType", "Century", 34, {-219, -219, 1188, 1001}, 78},
        {1, "TrueType", "Century,Bold", 16416, {-219, -219, 1189, 1001}, 156},
        {2, "TrueType", "Arial", 32, {-215, -215, 1313, 919}, 78},
        {3, "TrueType", "Arial,Bold", 16416, {-215, -215, 1261, 919}, 78},
        {4, "TrueType", "Courier", 32, {-305, -305, 669, 845}, 78},
        {5, "TrueType", "Courier,Bold", 16416, {-305, -305, 759, 845}, 78},
        {6, "Type0", "#82#6C#82#72#20#96#BE#92#A9", 6, {-143, -143, 1015, 872}, 78},
        {7, "Type0", "#82#6C#82#72#20#83#53#83#56#83#62#83#4E", 4, {-143, -143, 1015, 872}, 78},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        const auto def = CreateFontDef(c.index);
        EXPECT_EQ(def->FontIndex, c.index);
        EXPECT_EQ(def->SubType, c.subType);
        EXPECT_EQ(def->BaseFont, c.baseFont);
        const bool composite = c.index >= 6;
        ASSERT_EQ(def->Descendant != nullptr, composite);
        ASSERT_EQ(def->Descriptor == nullptr, composite);
        const TPDFFontDef& described = composite ? *def->Descendant : *def;
        ASSERT_NE(described.Descriptor, nullptr);
        const TPDFFontDescriptorDef& d = *described.Descriptor;
        EXPECT_EQ(d.FontName, c.baseFont);
        EXPECT_EQ(d.Flags, c.flags);
        EXPECT_EQ(d.FontBBox, c.bbox);
        EXPECT_EQ(d.StemV, c.stemV);
        EXPECT_EQ(d.Ascent, c.bbox[3]);
        EXPECT_EQ(d.CapHeight, c.bbox[3]);
        EXPECT_EQ(d.Descent, c.bbox[0]);
        EXPECT_EQ(d.ItalicAngle, 0);
        if (composite) {
            EXPECT_EQ(def->Descendant->SubType, "CIDFontType2");
            EXPECT_EQ(def->Descendant->BaseFont, c.baseFont);
            EXPECT_EQ(def->Descendant->FontIndex, 0);
            EXPECT_EQ(def->Descendant->Descendant, nullptr);
        }
    }
}

TEST(PdfFontDefs, UnsupportedIndexFails) {
    for (int index : {8, -1, 255}) {
        try {
            CreateFontDef(index);
            ADD_FAILURE() << index;
        } catch (const PdfError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "このフォントは現在サポートされていません (" + std::to_string(index) + ")");
        }
    }
}

TEST(PdfFontDefs, JapaneseWidthsComeFromTheDescendant) {
    for (int index : {6, 7}) {
        SCOPED_TRACE(index);
        const auto def = CreateFontDef(index);
        EXPECT_EQ(def->Width(0), 1000);
        for (int code = 1; code < 32; ++code) EXPECT_EQ(def->Width(code), 0) << code;
        for (int code = 32; code <= 125; ++code) EXPECT_EQ(def->Width(code), 479) << code;
        EXPECT_EQ(def->Width(126), 0);
        EXPECT_EQ(def->Width(159), 0);
        EXPECT_EQ(def->Width(160), 958);
        for (int code = 161; code <= 223; ++code) EXPECT_EQ(def->Width(code), 479) << code;
        for (int code = 224; code <= 255; ++code) EXPECT_EQ(def->Width(code), 0) << code;
        // The top-level table itself stays empty: measuring goes through the descendant.
        EXPECT_EQ(def->Widths[65], 0);
        EXPECT_EQ(def->Width(-1), 0);
        EXPECT_EQ(def->Width(256), 0);
    }
}

TEST(PdfFontDefs, TrueTypeTellingWidths) {
    struct Case {
        int index;
        std::array<int, 16> firstLine;  // codes 31 to 46
        int zero, A, a, W, i, c127, c128, c255;
    };
    const Case cases[] = {
        {0, {719, 266, 283, 373, 533, 533, 798, 781, 196, 319, 319, 479, 581, 266, 319, 266},
         533, 692, 533, 940, 302, 719, 719, 515},
        {1, {719, 267, 284, 374, 533, 533, 799, 781, 196, 320, 320, 480, 581, 267, 320, 267},
         533, 693, 533, 941, 303, 719, 719, 515},
        {2, {719, 266, 266, 340, 533, 533, 852, 639, 183, 319, 319, 373, 559, 266, 319, 266},
         533, 639, 533, 904, 213, 719, 533, 479},
        {3, {719, 266, 319, 454, 533, 533, 852, 692, 228, 319, 319, 373, 559, 266, 319, 266},
         533, 692, 533, 904, 266, 719, 533, 533},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        const auto def = CreateFontDef(c.index);
        for (int k = 0; k < 16; ++k) EXPECT_EQ(def->Width(31 + k), c.firstLine[k]) << 31 + k;
        EXPECT_EQ(def->Width('0'), c.zero);
        EXPECT_EQ(def->Width('A'), c.A);
        EXPECT_EQ(def->Width('a'), c.a);
        EXPECT_EQ(def->Width('W'), c.W);
        EXPECT_EQ(def->Width('i'), c.i);
        EXPECT_EQ(def->Width(127), c.c127);
        EXPECT_EQ(def->Width(128), c.c128);
        EXPECT_EQ(def->Width(255), c.c255);
        EXPECT_EQ(def->Width(30), 0);
        EXPECT_EQ(def->Width(0), 0);
    }
    for (int index : {4, 5}) {
        const auto def = CreateFontDef(index);
        for (int code = 31; code <= 255; ++code) EXPECT_EQ(def->Width(code), 575) << code;
        EXPECT_EQ(def->Width(30), 0);
    }
}

TEST(PdfFontDefs, TrueTypeDictionaryLines) {
    const auto def = CreateFontDef(4);
    std::string widths = "[ ";
    for (int line = 0; line < 14; ++line) widths += Repeat("575 ", 16) + "\r\n";
    widths += "575 ]";
    EXPECT_EQ(def->WriteBody(),
              "/Subtype /TrueType\r\n/BaseFont /Courier\r\n/FirstChar 31\r\n/LastChar 255\r\n"
              "/Widths " + widths + "\r\n/Encoding /WinAnsiEncoding\r\n");

    // Every width line of the proportional fonts has sixteen values, the last one value.
    for (int index : {0, 1, 2, 3}) {
        const auto def2 = CreateFontDef(index);
        const auto* tt = dynamic_cast<const TPDFTrueTypeFontDef*>(def2.get());
        ASSERT_NE(tt, nullptr);
        const std::string& text = tt->WidthsText;
        EXPECT_TRUE(text.starts_with("[ 719 ")) << index;
        EXPECT_TRUE(text.ends_with(" ]")) << index;
        std::vector<int> valuesPerLine;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2) {
            const std::string line = text.substr(start, end - start);
            EXPECT_TRUE(line.ends_with(' ')) << index;
            valuesPerLine.push_back(static_cast<int>(std::count(line.begin(), line.end(), ' ')));
        }
        EXPECT_EQ(text.substr(start), std::to_string(tt->Widths[255]) + " ]") << index;
        // The first line also holds "[ ", hence one more space.
        EXPECT_EQ(valuesPerLine, std::vector<int>({17, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16,
                                                   16, 16}))
            << index;
    }
}

TEST(PdfFontDefs, JapaneseDictionaryLines) {
    const auto def = CreateFontDef(7);
    EXPECT_EQ(def->WriteBody(),
              "/Subtype /Type0\r\n/BaseFont /#82#6C#82#72#20#83#53#83#56#83#62#83#4E\r\n"
              "/Encoding /90msp-RKSJ-H\r\n");

    const std::string line16 = Repeat("479 ", 16) + "\r\n";
    const std::string w = "[\r\n1 [ " + Repeat(line16, 5) + Repeat("479 ", 13) + "479]\r\n" +
                          "326 [ 958 " + Repeat("479 ", 15) + "\r\n" + Repeat(line16, 3) +
                          "]\r\n631 631 479\r\n]\r\n";
    EXPECT_EQ(def->Descendant->WriteBody(),
              "/Subtype /CIDFontType2\r\n/BaseFont /#82#6C#82#72#20#83#53#83#56#83#62#83#4E\r\n"
              "/WinCharSet /128\r\n/CIDSystemInfo <<\r\n/Registry(Adobe)\r\n/Ordering(Japan1)\r\n"
              "/Supplement 2\r\n>>\r\n/DW 1000\r\n/W " +
                  w + "\r\n");
}

TEST(PdfFontDefs, WidthsAreReadFromTheText) {
    // The table follows the widths text, not a separate copy of the numbers.
    auto tt = MakeFontDef<TCourierFontDef>();
    tt->WidthsText = "[ 1 22\r\n333 ]";
    tt->Widths = {};
    tt->ParseWidths();
    EXPECT_EQ(tt->Widths[30], 0);
    EXPECT_EQ(tt->Widths[31], 1);
    EXPECT_EQ(tt->Widths[32], 22);
    EXPECT_EQ(tt->Widths[33], 333);
    EXPECT_EQ(tt->Widths[34], 0);

    auto cid = MakeFontDef<TMSMincyoDFontDef>();
    cid->WidthsText = "[ 1 [ 5 6] 326 [ 7 ] 631 631 9 ]";
    cid->DefaultWidth = 900;
    cid->Widths = {};
    cid->ParseWidths();
    EXPECT_EQ(cid->Widths[0], 900);
    EXPECT_EQ(cid->Widths[32], 5);
    EXPECT_EQ(cid->Widths[33], 6);
    EXPECT_EQ(cid->Widths[34], 0);
    EXPECT_EQ(cid->Widths[160], 7);
    EXPECT_EQ(cid->Widths[161], 0);
}

}  // namespace
}  // namespace stelvar
