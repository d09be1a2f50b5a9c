#include "pdf/pdf_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "text/cp932.h"

namespace stelvar {
namespace {

// Structure lines of the file end in CR LF: the expectations are written with LF and
// converted. "<LF>" stands for the single LF that ends a stream's text.
std::string Crlf(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 4) == "<LF>") {
            out += '\n';
            i += 3;
        } else {
            if (text[i] == '\n') out += '\r';
            out += text[i];
        }
    }
    return out;
}

// Content-stream lines end in a single CR.
std::string Cr(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '\n') c = '\r';
    }
    return out;
}

// The text of object n ("n 0 obj" up to and including "endobj" CR LF).
std::string ObjectText(const std::string& file, int n) {
    const std::string open = "\r\n" + std::to_string(n) + " 0 obj\r\n";
    const std::size_t start = file.find(open);
    if (start == std::string::npos) return {};
    const std::size_t end = file.find("endobj\r\n", start);
    return file.substr(start + 2, end + 8 - start - 2);
}

class PdfWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        maker.CreationDate = "20240102030405";
        maker.BeginDoc(&stream);
    }
    TPDFContents& canvas() { return maker.Canvas(); }
    const std::string& Finish() {
        maker.EndDoc();
        return stream.Bytes();
    }

    TPDFMemoryStream stream;
    TPDFMaker maker;
};

// ---------------------------------------------------------------------------------------
// The file

TEST_F(PdfWriterTest, EmptyDocumentIsFiveObjectsByteForByte) {
    const std::string expected = Crlf(R"(%PDF-1.2 
1 0 obj
<<
/Type /Catalog
/Pages 2 0 R
>>
endobj
2 0 obj
<<
/Kids [4 0 R ]
/Count 1
/Type /Pages
/MediaBox [ 0 0 596 842 ]
>>
endobj
3 0 obj
<<
/CreationDate (D:20240102030405)
/Creator <FEFF001B6A61001B>
/Producer (StelvarPDF0.4)
/Author <FEFF001B6A61001B>
/Title <FEFF001B6A61001B>
/Subject <FEFF001B6A61001B>
>>
endobj
4 0 obj
<<
/Type /Page
/Parent 2 0 R
/Resources <<
/Font <<
>>
/ProcSet [ /PDF /Text ]
>>
/Contents 5 0 R
>>
endobj
5 0 obj
<<
/Length 0
>>
stream
<LF>endstream
endobj
xref
0 6
0000000000 65535 f
0000000011 00000 n
0000000066 00000 n
0000000158 00000 n
0000000357 00000 n
0000000485 00000 n
trailer
<<
/Size 6
/Root 1 0 R
/Info 3 0 R
>>
startxref
541
%%EOF
)");
    EXPECT_EQ(Finish(), expected);
    EXPECT_EQ(maker.PageCount, 1);
}

TEST_F(PdfWriterTest, CrossReferenceOffsetsPointAtTheObjects) {
    canvas().FontIndex = 6;
    canvas().TextOut("擁壁", 50, 800);
    maker.NewPage();
    canvas().FontIndex = 2;
    canvas().TextOut("x", 50, 800);
    maker.NewPage();
    const std::string& file = Finish();
    ASSERT_EQ(maker.Objects().Count(), 14);

    const std::size_t xrefLine = file.rfind("\r\nxref\r\n");
    ASSERT_NE(xrefLine, std::string::npos);
    const std::size_t xref = xrefLine + 2;
    const std::size_t startxref = file.find("startxref\r\n", xref);
    EXPECT_EQ(std::stoull(file.substr(startxref + 11)), xref);

    // Every entry is 20 bytes; the first is the free entry.
    const std::size_t table = file.find("0000000000 65535 f\r\n", xref);
    ASSERT_EQ(table, xref + std::string("xref\r\n0 15\r\n").size());
    for (int n = 1; n <= 14; ++n) {
        const std::string entry = file.substr(table + 20 * static_cast<std::size_t>(n), 20);
        ASSERT_EQ(entry.substr(10), " 00000 n\r\n") << n;
        const std::size_t offset = std::stoull(entry.substr(0, 10));
        EXPECT_EQ(file.substr(offset, std::to_string(n).size() + 8),
                  std::to_string(n) + " 0 obj\r\n");
    }
    EXPECT_NE(file.find("/Size 15\r\n/Root 1 0 R\r\n/Info 3 0 R\r\n"), std::string::npos);
    EXPECT_TRUE(file.ends_with("%%EOF\r\n"));
}

TEST_F(PdfWriterTest, JapaneseFontMakesThreeObjectsAndEveryPageListsIt) {
    canvas().FontIndex = 6;
    canvas().TextOut("A", 0, 0);
    maker.NewPage();
    EXPECT_EQ(maker.Canvas().ObjectNumber(), 10);
    EXPECT_EQ(maker.Catalog()->Pages()->Kids().RefArray(), "[4 0 R 9 0 R ]");
    // A second use creates nothing.
    EXPECT_EQ(maker.GetFont(6), maker.Fonts()[0]);
    const std::string& file = Finish();

    EXPECT_EQ(ObjectText(file, 6), Crlf(R"(6 0 obj
<<
/Type /Font
/Name /F0
/Subtype /Type0
/BaseFont /#82#6C#82#72#20#96#BE#92#A9
/Encoding /90msp-RKSJ-H
/DescendantFonts [7 0 R]
>>
endobj
)"));
    const std::string descendant = ObjectText(file, 7);
    EXPECT_TRUE(descendant.starts_with(Crlf(R"(7 0 obj
<<
/Type /Font
/Name /F0
/Subtype /CIDFontType2
/BaseFont /#82#6C#82#72#20#96#BE#92#A9
/WinCharSet /128
/CIDSystemInfo <<
/Registry(Adobe)
/Ordering(Japan1)
/Supplement 2
>>
/DW 1000
/W [
1 [ 479 )")))
        << descendant;
    EXPECT_TRUE(descendant.ends_with(Crlf(R"(631 631 479
]

/FontDescriptor 8 0 R
>>
endobj
)")));
    EXPECT_EQ(ObjectText(file, 8), Crlf(R"(8 0 obj
<<
/Type /FontDescriptor
/FontName /#82#6C#82#72#20#96#BE#92#A9
/Flags 6
/FontBBox [ -143 -143 1015 872 ]
/StemV 78
/Ascent 872
/CapHeight 872
/Descent -143
/ItalicAngle 0
>>
endobj
)"));
    const std::string fontBlock = Crlf("/Font <<\n/F0 6 0 R\n>>\n");
    EXPECT_NE(ObjectText(file, 4).find(fontBlock), std::string::npos);
    EXPECT_NE(ObjectText(file, 9).find(fontBlock), std::string::npos);
}

TEST_F(PdfWriterTest, FontsTakeResourceNumbersInOrderOfFirstUse) {
    canvas().FontIndex = 4;  // Courier: font 6 and its descriptor 7
    canvas().TextWidth("x");
    canvas().FontIndex = 7;  // 8, 9, 10
    canvas().TextOut("x", 0, 0);
    EXPECT_EQ(maker.GetFont(4)->ResourceNumber, 0);
    EXPECT_EQ(maker.GetFont(7)->ResourceNumber, 1);
    EXPECT_EQ(maker.GetFont(7)->ObjectNumber(), 8);
    const std::string& file = Finish();
    EXPECT_NE(ObjectText(file, 4).find(Crlf("/Font <<\n/F0 6 0 R\n/F1 8 0 R\n>>\n")),
              std::string::npos);
    EXPECT_NE(ObjectText(file, 5).find("/F1 10 Tf\r"), std::string::npos);
    EXPECT_NE(ObjectText(file, 6).find(Crlf("/Name /F0\n/Subtype /TrueType\n/BaseFont /Courier\n"
                                            "/FirstChar 31\n/LastChar 255\n/Widths [ 575 ")),
              std::string::npos);
    EXPECT_NE(ObjectText(file, 6).find(Crlf("575 ]\n/Encoding /WinAnsiEncoding\n"
                                            "/FontDescriptor 7 0 R\n>>\n")),
              std::string::npos);
}

TEST_F(PdfWriterTest, ContentStreamIsWrittenWithItsLength) {
    canvas().DrawLine(45, 797, 571, 797);
    const std::string text = canvas().Stream();
    const std::string& file = Finish();
    EXPECT_EQ(ObjectText(file, 5), Crlf("5 0 obj\n<<\n/Length " + std::to_string(text.size()) +
                                        "\n>>\nstream\n") +
                                       text + "\nendstream\r\nendobj\r\n");
}

TEST_F(PdfWriterTest, InfoTextsAreUtf16WithTheLanguagePrefix) {
    maker.Author = "Stelvar";
    maker.Title = "擁壁";
    const std::string& file = Finish();
    const std::string info = ObjectText(file, 3);
    EXPECT_NE(info.find("/Author <FEFF001B6A61001B005300740065006C007600610072>\r\n"),
              std::string::npos);
    EXPECT_NE(info.find("/Title <FEFF001B6A61001B64C158C1>\r\n"), std::string::npos);
    EXPECT_NE(info.find("/Creator <FEFF001B6A61001B>\r\n"), std::string::npos);
}

TEST(PdfInfoString, LengthLimitAndSurrogates) {
    EXPECT_EQ(PdfInfoString(""), "FEFF001B6A61001B");
    EXPECT_EQ(PdfInfoString(std::string(1024, 'a')).size(), 16u + 4 * 1024);
    EXPECT_EQ(PdfInfoString(std::string(1025, 'a')), "FEFF001B6A61001B");
    EXPECT_EQ(PdfInfoString("\xF0\x9F\x98\x80"), "FEFF001B6A61001BD83DDE00");
    EXPECT_THROW(PdfInfoString("\xFF"), EncodingError);
}

TEST_F(PdfWriterTest, BeginDocStartsOverAndAStreamIsNotLeftWithOldBytes) {
    canvas().FontIndex = 6;
    canvas().TextOut("長い文書の一行目", 0, 0);
    for (int i = 0; i < 5; ++i) maker.NewPage();
    const std::size_t longSize = Finish().size();

    maker.BeginDoc(&stream);
    EXPECT_EQ(maker.Objects().Count(), 5);
    EXPECT_EQ(maker.Fonts().Count(), 0);
    EXPECT_EQ(maker.PageCount, 1);
    canvas().FontIndex = 6;
    canvas().TextOut("x", 0, 0);
    EXPECT_EQ(maker.GetFont(6)->ObjectNumber(), 6);  // font flags were cleared
    const std::string& file = Finish();
    EXPECT_LT(file.size(), longSize);
    EXPECT_TRUE(file.ends_with("%%EOF\r\n"));
}

// ---------------------------------------------------------------------------------------
// Content operators

TEST(PdfNumber, RoundsToTwoDecimalsInDoublePrecision) {
    struct Case {
        double v;
        const char* text;
    };
    const Case cases[] = {
        {10, "10"},          {0.75, "0.75"},    {0.2, "0.2"},     {12.345, "12.35"},
        {-1.234, "-1.22"},   {0, "0"},          {-0.004, "0"},    {-0.006, "0"},
        {-0.6, "-0.59"},     {0.005, "0.01"},   {596, "596"},     {0.1 + 0.2, "0.3"},
        {0.285, "0.28"},     {1.005, "1"},      {-45.5, "-45.49"}, {12345.678, "12345.68"},
        {128 / 255.0, "0.5"}, {32767, "32767"}, {-32767, "-32766.99"},
    };
    for (const Case& c : cases) EXPECT_EQ(PdfNumber(c.v), c.text) << c.v;
}

// Beyond the largest number every reader takes, and where the scaling by 100 overflows
// a finite value (from about 1.8e306 on), nothing is written: the writer refuses with
// its error instead of writing "inf" or hundreds of digits.
TEST(PdfNumber, RefusesWhatAReaderCannotTake) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    for (double v : {1e306, -1e306, 1e300, -1e300, 1.7e308, 1e20, 1000000.123, 32767.01,
                     -32768.0, kNaN, kInf, -kInf}) {
        try {
            const std::string written = PdfNumber(v);
            ADD_FAILURE() << v << " written as " << written;
        } catch (const PdfError& e) {
            EXPECT_STREQ(e.what(), "PDFに書けない数値です") << v;
        }
    }
}

TEST_F(PdfWriterTest, DrawLineWritesSevenLines) {
    canvas().DrawLine(45, 797, 571, 797);
    EXPECT_EQ(canvas().Stream(), "45 797 m\r0 J\r0 0 0 RG \r1 w\r571 797 l\rS\rn\r");
}

TEST_F(PdfWriterTest, DrawRectClipsOnceUntilRestored) {
    TPDFContents& c = canvas();
    c.LineWidth = 0.5;
    c.LineJoin = 1;
    c.StrokeColor = Colour{0x0000FF};
    c.DrawRect(true, 10, 20, 30.125, 40);
    c.DrawRect(true, 1, 2, 3, 4);
    c.DrawRect(false, 1, 2, 3, 4);
    c.GRestoreIfSaved();
    c.GRestoreIfSaved();
    EXPECT_FALSE(c.Saved);
    EXPECT_EQ(c.Stream(), Cr(R"(10 20 m
0.5 w
1 j
1 0 0 RG 
10 40 l
30.13 40 l
30.13 20 l
q
W
s
1 2 m
0.5 w
1 j
1 0 0 RG 
1 4 l
3 4 l
3 2 l
W
s
1 2 m
0.5 w
1 j
1 0 0 RG 
1 4 l
3 4 l
3 2 l
s
Q
)"));
}

TEST_F(PdfWriterTest, TextOutWritesTheStateAndEscapesLiteralStrings) {
    TPDFContents& c = canvas();
    c.FontIndex = 6;
    c.FontSize = 10.5;
    c.FillColor = Colour{0x000080};
    c.Leading = 12;
    c.CharSpace = 0.25;
    c.TextOut(R"(A(b)\c)", 45.004, 790.5);
    EXPECT_EQ(c.Stream(), Cr(R"(BT
/F0 10.5 Tf
0.5 0 0 rg 
12 TL
0.25 Tc
0 Tw
45 790.5 Td
(A\(b\)\\c) Tj
ET
)"));
}

TEST_F(PdfWriterTest, TextOutLines) {
    struct Case {
        const char* text;
        const char* shown;  // the lines between Td and ET
    };
    const Case cases[] = {
        {"", ""},
        {"one\r\ntwo", "(one) Tj\nT*\n(two) Tj\n"},
        {"one\rtwo\r", "(one) Tj\nT*\n(two) Tj\n"},
        {"one\r\n\r\nthree", "(one) Tj\nT*\n() Tj\nT*\n(three) Tj\n"},
        {"\r\n", "() Tj\n"},
        // Half-width katakana are single bytes and stay in a literal string.
        {"ｱｲ", "(\xB1\xB2) Tj\n"},
        // A line with a double-byte character is hexadecimal throughout.
        {"A 擁壁(1)", "<4120976995C7283129> Tj\n"},
        {"擁\r\nA)", "<9769> Tj\nT*\n(A\\)) Tj\n"},
    };
    for (const Case& k : cases) {
        TPDFMaker m;
        TPDFMemoryStream s;
        m.BeginDoc(&s);
        m.Canvas().TextOut(k.text, 1, 2);
        const std::string& lines = m.Canvas().Stream();
        const std::size_t from = lines.find(" Td\r") + 4;
        EXPECT_EQ(lines.substr(from), Cr(k.shown) + "ET\r") << k.text;
    }
}

TEST(PdfTextString, SignalsDoubleByteTextOnlyForLeadBytes) {
    EXPECT_EQ(PdfTextString("\xA0\xDF"), "(\xA0\xDF)");
    EXPECT_EQ(PdfTextString("\x81"), "<81>");
    EXPECT_EQ(PdfTextString("a\xFC\x40"), "<61FC40>");
}

TEST_F(PdfWriterTest, ColoursResolveToFractionsOfFullIntensity) {
    TPDFContents& c = canvas();
    c.SetFillColor(Colour{0x3366CC});     // red 0xCC, green 0x66, blue 0x33
    c.SetStrokeColor(clWindow);           // a system colour: white
    c.SetStrokeColor(clBtnFace);
    EXPECT_EQ(c.Stream(), "0.8 0.4 0.2 rg \r1 1 1 RG \r0.94 0.94 0.94 RG \r");
}

TEST_F(PdfWriterTest, OperatorLines) {
    TPDFContents& c = canvas();
    c.SetLineJoin(2);
    c.SetLineCap(1);
    c.SetLineWidth(0.254);
    c.SetLeading(-3.333);
    c.SetWordSpace(1.5);
    c.MoveTextPos(-0.5, 0.004);
    c.NextLine();
    c.Clip();
    c.EndPath();
    c.CloseStroke();
    c.GSave();
    c.GRestore();
    c.ShowText("");
    EXPECT_EQ(c.Stream(),
              "2 j\r1 J\r0.25 w\r-3.32 TL\r1.5 Tw\r-0.49 0 Td\rT*\rW\rn\rs\rq\rQ\r() Tj\r");
}

TEST_F(PdfWriterTest, TextWidthAddsEachByteInOrder) {
    struct Case {
        const char* text;
        double charSpace;
        double wordSpace;
        double width;
    };
    const double a = 479.0 * 10 / 1000;   // a narrow character at size 10
    const double h = 1000.0 / 2 * 10 / 1000;  // half of a double-byte character
    const Case cases[] = {
        {"", 1, 1, 0},
        {"A", 1, 1, a},
        {"AB", 1, 0, a + 1 + a},
        {"A B", 1, 2, a + 1 + a + 2 + 1 + a},
        {"擁", 1, 0, h + h},
        {"A擁", 1, 0, a + h + h + 1},
        {"擁壁", 1, 0, h + h + h + h + 1},
        {"ｱ~", 0, 0, a + 0},  // half-width katakana 479; "~" (126) is not in the table
    };
    for (const Case& k : cases) {
        TPDFContents& c = canvas();
        c.FontIndex = 6;
        c.FontSize = 10;
        c.CharSpace = k.charSpace;
        c.WordSpace = k.wordSpace;
        EXPECT_DOUBLE_EQ(c.TextWidth(k.text), k.width) << k.text;
    }
    canvas().CharSpace = 0;
    EXPECT_DOUBLE_EQ(canvas().TextWidthBytes("\xA0"), 9.58);

    canvas().FontIndex = 2;  // Arial
    canvas().FontSize = 9;
    EXPECT_DOUBLE_EQ(canvas().TextWidth("Wi"), 904.0 * 9 / 1000 + 213.0 * 9 / 1000);
}

// ---------------------------------------------------------------------------------------
// Failures

TEST(PdfMakerFailures, NoDocumentOpen) {
    TPDFMaker m;
    const auto expectNotStarted = [](auto&& action) {
        try {
            action();
            ADD_FAILURE() << "no exception";
        } catch (const PdfError& e) {
            EXPECT_STREQ(e.what(), "BeginDocが呼び出されていません");
        }
    };
    expectNotStarted([&] { m.Canvas(); });
    expectNotStarted([&] { m.NewPage(); });
    expectNotStarted([&] { m.EndDoc(); });

    TPDFMemoryStream s;
    m.BeginDoc(&s);
    m.EndDoc();
    expectNotStarted([&] { m.Canvas(); });
    expectNotStarted([&] { m.NewPage(); });
    expectNotStarted([&] { m.EndDoc(); });
    EXPECT_EQ(m.Objects().Count(), 5);  // the objects stay until the next document
}

TEST(PdfMakerFailures, BeginDocWithoutStreamChangesNothing) {
    TPDFMaker m;
    TPDFMemoryStream s;
    m.BeginDoc(&s);
    m.NewPage();
    try {
        m.BeginDoc(nullptr);
        ADD_FAILURE() << "no exception";
    } catch (const PdfError& e) {
        EXPECT_STREQ(e.what(), "Invarid Stream");
    }
    EXPECT_THROW(m.BeginDoc(std::unique_ptr<TPDFStream>()), PdfError);
    EXPECT_EQ(m.PageCount, 2);
    EXPECT_EQ(m.Objects().Count(), 7);
    m.EndDoc();
    EXPECT_TRUE(s.Bytes().ends_with("%%EOF\r\n"));
}

TEST(PdfMakerFailures, UnknownFontIndexCreatesNothing) {
    TPDFMaker m;
    TPDFMemoryStream s;
    m.BeginDoc(&s);
    m.Canvas().FontIndex = 8;
    try {
        m.Canvas().TextOut("x", 0, 0);
        ADD_FAILURE() << "no exception";
    } catch (const PdfError& e) {
        EXPECT_STREQ(e.what(), "このフォントは現在サポートされていません (8)");
    }
    EXPECT_THROW(m.GetFont(-1), PdfError);
    EXPECT_EQ(m.Objects().Count(), 5);
    EXPECT_EQ(m.Fonts().Count(), 0);
}

TEST(PdfMakerFailures, ListIndexOutOfRange) {
    TPDFObjectList list;
    EXPECT_EQ(list.Add(nullptr), -1);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.RefArray(), "[]");
    try {
        list.Items(0);
        ADD_FAILURE() << "no exception";
    } catch (const PdfError& e) {
        EXPECT_STREQ(e.what(), "Internel Error Invalid Index 0");
    }
    EXPECT_THROW(list[-1], PdfError);
}

// A sink that fails once a few bytes are written, and notes its destruction.
class FailingStream : public TPDFMemoryStream {
public:
    explicit FailingStream(bool* destroyed = nullptr) : destroyed_(destroyed) {}
    ~FailingStream() override {
        if (destroyed_ != nullptr) *destroyed_ = true;
    }
    void Write(std::string_view bytes) override {
        if (Position() + bytes.size() > limit) throw std::runtime_error("disk full");
        TPDFMemoryStream::Write(bytes);
    }
    std::uint64_t limit = 1u << 20;

private:
    bool* destroyed_;
};

TEST(PdfMakerFailures, WriteErrorsReachTheCaller) {
    TPDFMaker m;
    FailingStream s;
    s.limit = 100;
    m.BeginDoc(&s);
    EXPECT_THROW(m.EndDoc(), std::runtime_error);
}

TEST(PdfMakerStreams, EndDocFreesAStreamHandedOver) {
    bool destroyed = false;
    TPDFMaker m;
    m.BeginDoc(std::make_unique<FailingStream>(&destroyed));
    m.EndDoc(false);
    EXPECT_FALSE(destroyed);
    m.BeginDoc(std::make_unique<FailingStream>());
    EXPECT_TRUE(destroyed);  // replaced by the next document's stream
    m.EndDoc(true);

    bool second = false;
    m.BeginDoc(std::make_unique<FailingStream>(&second));
    m.EndDoc(true);
    EXPECT_TRUE(second);
}

TEST(PdfMemoryStream, SeekOverwritesAndTruncateCuts) {
    TPDFMemoryStream s;
    s.Write("abcdef");
    s.Seek(2);
    s.Write("XY");
    EXPECT_EQ(s.Bytes(), "abXYef");
    EXPECT_EQ(s.Position(), 4u);
    s.Truncate();
    EXPECT_EQ(s.Bytes(), "abXY");
    s.Seek(6);
    s.Write("Z");
    EXPECT_EQ(s.Bytes(), std::string("abXY\0\0Z", 7));
}

// ---------------------------------------------------------------------------------------
// The file in PDF readers

bool HaveTool(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::string RunAndRead(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
        if (pclose(p) != 0) out += "\n[exit status not zero]";
    }
    return out;
}

TEST(PdfReaders, SmallDocumentChecksAndExtracts) {
    if (!HaveTool("qpdf") || !HaveTool("pdftotext")) GTEST_SKIP() << "qpdf or pdftotext missing";
    TPDFMaker m;
    TPDFMemoryStream s;
    m.Author = "Stelvar";
    m.Title = "擁壁の安定計算";
    m.BeginDoc(&s);
    TPDFContents& c = m.Canvas();
    c.FontIndex = 6;
    c.FontSize = 10.5;
    c.Leading = 14;
    c.DrawRect(true, 40, 40, 556, 802);
    c.TextOut("Ⅰ.設計条件\r\n擁壁高 H=3.000m", 50, 780);
    c.DrawLine(45, 750, 551, 750);
    c.GRestoreIfSaved();
    m.NewPage();
    m.Canvas().FontIndex = 2;
    m.Canvas().TextOut("Page (2)", 50, 780);
    m.EndDoc();

    const std::string path = ::testing::TempDir() + "pdf_writer_reader_test.pdf";
    { std::ofstream(path, std::ios::binary) << s.Bytes(); }
    const std::string check = RunAndRead("qpdf --check '" + path + "' 2>&1");
    EXPECT_NE(check.find("No syntax or stream encoding errors"), std::string::npos) << check;
    EXPECT_EQ(check.find("WARNING"), std::string::npos) << check;
    EXPECT_EQ(check.find("[exit status not zero]"), std::string::npos) << check;

    const std::string text = RunAndRead("pdftotext -enc UTF-8 '" + path + "' - 2>&1");
    EXPECT_NE(text.find("Ⅰ.設計条件"), std::string::npos) << text;
    EXPECT_NE(text.find("擁壁高 H=3.000m"), std::string::npos) << text;
    EXPECT_NE(text.find("Page (2)"), std::string::npos) << text;
    if (HaveTool("pdfinfo")) {
        const std::string info = RunAndRead("pdfinfo '" + path + "' 2>&1");
        EXPECT_NE(info.find("擁壁の安定計算"), std::string::npos) << info;
    }
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace stelvar
