#include "pdf/pdf_export.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "../documents/temp_dir.h"
#include "documents/file_io.h"
#include "forms/design_conditions.h"
#include "report/report_run.h"
#include "report/results_setup.h"
#include "text/cp932.h"
#include "text/number.h"

namespace stelvar {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using stelvar::testing::ReadBytes;
using stelvar::testing::TempDir;
using stelvar::testing::WriteBytes;
using Kind = ScriptedDialogs::Entry::Kind;

// ---------------------------------------------------------------------------------------
// Helpers

bool HaveTool(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

struct ToolRun {
    int Status = -1;
    std::string Out;  // standard output and standard error
};

ToolRun RunTool(const std::string& command) {
    ToolRun run;
    std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.Out.append(buffer, n);
    run.Status = ::pclose(pipe);
    return run;
}

// One entry of pdfinfo's listing, without the language escape ("\x1B" ... "\x1B") that
// the document strings begin with.
std::string InfoEntry(const std::string& listing, const std::string& key) {
    std::smatch m;
    if (!std::regex_search(listing, m, std::regex("(^|\n)" + key + ": *([^\n]*)"))) return "(none)";
    return std::regex_replace(m[2].str(), std::regex("\x1B[^\x1B]*\x1B"), "");
}

std::string Quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

// The operand of "Tj" that draws the text.
std::string Shown(std::string_view utf8) { return PdfTextString(Utf8ToCp932(utf8)) + " Tj"; }

int PageCount(const std::string& pdf) {
    std::smatch m;
    const std::regex count("/Count ([0-9]+)\r\n");
    if (!std::regex_search(pdf, m, count)) return -1;
    return std::stoi(m[1]);
}

// The page numbers printed at the feet of the pages, in the order of the file.
std::vector<int> PageNumbers(const std::string& pdf) {
    std::vector<int> numbers;
    const std::regex number("\\(Page: ([0-9]+)\\) Tj");
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), number); it != std::sregex_iterator();
         ++it)
        numbers.push_back(std::stoi((*it)[1]));
    return numbers;
}

// The lines of a content stream, cut at CR.
std::vector<std::string> StreamLines(const std::string& stream) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < stream.size()) {
        std::size_t end = stream.find('\r', start);
        if (end == std::string::npos) end = stream.size();
        lines.push_back(stream.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The stroked segments "x1 y1 - x2 y2 @ width" of a content stream, in drawing order.
std::vector<std::string> Segments(const std::string& stream) {
    std::vector<std::string> segments;
    std::string from, width;
    for (const std::string& line : StreamLines(stream)) {
        if (line.ends_with(" m")) from = line.substr(0, line.size() - 2);
        if (line.ends_with(" w")) width = line.substr(0, line.size() - 2);
        if (line.ends_with(" l")) {
            const std::string to = line.substr(0, line.size() - 2);
            segments.push_back(from + " - " + to + " @ " + width);
            from = to;
        }
    }
    return segments;
}

// The text positions "x y" of a content stream with the operand drawn there.
std::vector<std::string> TextPlaces(const std::string& stream) {
    std::vector<std::string> places;
    std::string at;
    for (const std::string& line : StreamLines(stream)) {
        if (line.ends_with(" Td")) at = line.substr(0, line.size() - 3);
        if (line.ends_with(" Tj")) places.push_back(at + " " + line.substr(0, line.size() - 3));
    }
    return places;
}

// A document with one page to draw on.
struct Page {
    TPDFMemoryStream stream;
    TPDFMaker maker;
    Page() {
        maker.BeginDoc(&stream);
        maker.Canvas().FontIndex = 6;
    }
    TPDFContents& Canvas() { return maker.Canvas(); }
};

// The design-conditions boxes the export reads, as a plain table.
class Conditions : public ControlSource {
public:
    std::map<std::string, std::string, std::less<>> Texts{
        {"Edit39", "200"}, {"Edit34", "200"}, {"Edit30", "200"}, {"Edit56", "900"}, {"Edit58", "835"}};
    std::map<std::string, int, std::less<>> Indexes{{"PageControl2", 0}, {"RadioGroup2", 0}};

    std::string Text(std::string_view name) const override { return Texts.find(name)->second; }
    int Index(std::string_view name) const override { return Indexes.find(name)->second; }
    bool Checked(std::string_view) const override { return false; }
};

// The default walls run once with their report, and their documents.
struct WallDocument {
    DesignConditionsForm Form;
    ResultsStore Store;
    std::string Pdf;
};

const WallDocument& DefaultWall(int wallType) {
    static std::map<int, std::unique_ptr<WallDocument>> walls;
    std::unique_ptr<WallDocument>& wall = walls[wallType];
    if (!wall) {
        wall = std::make_unique<WallDocument>();
        SetUpResultsWindow(wall->Store, 0);
        if (wallType == 1) wall->Form.SetIndex("PageControl2", 1);
        RunWithReport(wall->Form.Controls(), wall->Store, "擁壁1");
        wall->Pdf = PdfExportBytes(wall->Store, ReadTextExportConditions(wall->Form.Controls()),
                                   "擁壁1", "20240102030405");
    }
    return *wall;
}

// ---------------------------------------------------------------------------------------
// The default walls through the tools a reader uses

struct WallCase {
    int WallType;
    int Pages;
    const char* Figure;  // the ultimate bearing capacity as the report prints it
};

class DefaultWallPdf : public ::testing::TestWithParam<WallCase> {};

TEST_P(DefaultWallPdf, IsAValidDocumentThatReadersShowPageByPage) {
    const WallCase c = GetParam();
    const WallDocument& wall = DefaultWall(c.WallType);
    EXPECT_EQ(PageCount(wall.Pdf), c.Pages);
    std::vector<int> expectedNumbers;
    for (int n = 1; n < c.Pages; ++n) expectedNumbers.push_back(n);
    EXPECT_EQ(PageNumbers(wall.Pdf), expectedNumbers) << "the contents page carries no number";

    if (!HaveTool("qpdf") || !HaveTool("pdftotext") || !HaveTool("pdftoppm") || !HaveTool("pdfinfo"))
        GTEST_SKIP() << "qpdf or poppler-utils missing";
    TempDir dir;
    const auto file = dir / "report.pdf";
    WriteBytes(file, wall.Pdf);

    const ToolRun check = RunTool("qpdf --check " + Quoted(file));
    EXPECT_EQ(check.Status, 0) << check.Out;
    EXPECT_THAT(check.Out, HasSubstr("No syntax or stream encoding errors found"));

    const ToolRun info = RunTool("pdfinfo -enc UTF-8 " + Quoted(file));
    EXPECT_EQ(info.Status, 0) << info.Out;
    EXPECT_EQ(InfoEntry(info.Out, "Pages"), std::to_string(c.Pages));
    EXPECT_EQ(InfoEntry(info.Out, "Title"), "擁壁1");
    EXPECT_EQ(InfoEntry(info.Out, "Subject"), "擁壁計算結果.pdf");
    EXPECT_EQ(InfoEntry(info.Out, "Creator"), "Vantorel Ver3.0");
    EXPECT_EQ(InfoEntry(info.Out, "Author"), "Stelvar");

    const ToolRun text = RunTool("pdftotext -enc UTF-8 -layout " + Quoted(file) + " -");
    EXPECT_EQ(text.Status, 0) << text.Out;
    for (const char* line : {"Ⅰ.設計条件", "Ⅲ-1.安定計算", "Ⅲ-2.荷重図", "表:荷重一覧", "図：地盤反力",
                             "擁壁1", c.Figure})
        EXPECT_THAT(text.Out, HasSubstr(line));

    const ToolRun render = RunTool("pdftoppm -png -r 20 " + Quoted(file) + " " + Quoted(dir / "page"));
    EXPECT_EQ(render.Status, 0) << render.Out;
    EXPECT_EQ(render.Out, "") << "the renderer complained";
    EXPECT_EQ(dir.Entries().size(), static_cast<std::size_t>(c.Pages) + 1);
}

INSTANTIATE_TEST_SUITE_P(, DefaultWallPdf,
                         ::testing::Values(WallCase{0, 12, "=217.44kN/m2"},
                                           WallCase{1, 11, "=174.57kN/m2"}),
                         [](const auto& param) {
                             return param.param.WallType == 0 ? std::string("GravityWall")
                                                             : std::string("LeaningWall");
                         });

// ---------------------------------------------------------------------------------------
// Which pages the document carries

TEST(PdfExport, CarriesTheSlabPagesTheWallHas) {
    const ResultsStore& store = DefaultWall(0).Store;
    const std::string toe = Shown("Ⅳ-2.構造計算:底版(つま先版)");
    const std::string heel = Shown("Ⅳ-2.構造計算:底版(かかと版)");
    const std::string key = Shown("Ⅳ-2.構造計算:底版(突起)");
    const std::string stressCaption = Shown("表:応力度");
    struct Case {
        const char* What;
        PdfExportConditions Conditions;
        int Pages;
        bool Toe, Heel, Key;
        const char* ToeStressTable;  // where the toe page's stress table begins, if drawn
    };
    const Case cases[] = {
        {"gravity wall with toe and heel", {0, 0.2, 0.2, 0.2, false}, 12, true, true, false, "415 190"},
        {"gravity wall without toe", {0, 0.2, 0, 0.2, false}, 11, false, true, false, nullptr},
        {"gravity wall without base slab", {0, 0, 0.2, 0.2, false}, 10, false, false, false, nullptr},
        {"gravity wall with shear key", {0, 0.2, 0.2, 0.2, true}, 13, true, true, true, "415 190"},
        {"leaning wall: its heel never counts", {1, 0.9, 0.835, 0.5, false}, 11, true, false, false, "425 190"},
        {"leaning wall with shear key", {1, 0.9, 0.835, 0, true}, 12, true, false, true, "425 190"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        const std::string pdf = PdfExportBytes(store, c.Conditions, "");
        EXPECT_EQ(PageCount(pdf), c.Pages);
        ASSERT_FALSE(PageNumbers(pdf).empty());
        EXPECT_EQ(PageNumbers(pdf).back(), c.Pages - 1);
        EXPECT_EQ(pdf.find(toe) != std::string::npos, c.Toe);
        EXPECT_EQ(pdf.find(heel) != std::string::npos, c.Heel);
        EXPECT_EQ(pdf.find(key) != std::string::npos, c.Key);
        // The toe page's stress table caption: 10 points further right on the leaning
        // wall's page, and nothing else is drawn there.
        if (c.ToeStressTable != nullptr) {
            EXPECT_NE(pdf.find(std::string(c.ToeStressTable) + " Td\r" + stressCaption),
                      std::string::npos);
        }
        EXPECT_EQ(pdf.find("425 190 Td\r" + stressCaption) != std::string::npos,
                  c.Conditions.WallType == 1);
    }
}

TEST(PdfExport, WritesTheWindowAsItStandsBeforeAnyRun) {
    ResultsStore store;
    SetUpResultsWindow(store);
    const std::string pdf = PdfExportBytes(store, {}, "");
    EXPECT_EQ(PageCount(pdf), 10);
    EXPECT_NE(pdf.find(Shown("鉛直力V")), std::string::npos) << "the set-up tables are drawn";
}

TEST(PdfExport, ATitleCharacterWithoutAShiftJisFormIsShownAsAQuestionMark) {
    ResultsStore store;
    SetUpResultsWindow(store);
    store.List("ListBox20").Add("件　名：壁😀");
    const std::string pdf = PdfExportBytes(store, {}, "壁😀");
    EXPECT_NE(pdf.find(Shown("件　名：壁?")), std::string::npos);
    // the document information keeps the title whole (UTF-16)
    EXPECT_NE(pdf.find("/Title <" + PdfInfoString("壁😀") + ">"), std::string::npos);
}

// ---------------------------------------------------------------------------------------
// Page-drawing operations

TEST(PdfPageElements, TableRulesAndCentresItsCellsOnTheGridGeometry) {
    StringGridContent grid;
    grid.Resize(2, 2);
    grid.SetColWidth(0, 30);
    grid.SetColWidth(1, 50);
    grid.SetRowText(0, "A,BB");
    grid.SetRowText(1, ",x(1)");
    Page page;
    PdfTable(page.Canvas(), grid, "表:応力度", 10, 20, 10);
    const std::string& s = page.Canvas().Stream();
    // x0 = 55, y0 = 797, row height 18, width 80, height 36
    EXPECT_THAT(Segments(s),
                ElementsAre("55 779 - 135 779 @ 1",                         // under the first row
                            "55 797 - 135 797 @ 0.75", "55 779 - 135 779 @ 0.75",
                            "55 761 - 135 761 @ 0.75",                      // every row line
                            "85 797 - 85 761 @ 1",                          // after the first column
                            "55 797 - 55 761 @ 0.75", "85 797 - 85 761 @ 0.75",
                            "135 797 - 135 761 @ 0.75"));
    TPDFContents& c = page.Canvas();
    auto centred = [&](double left, double width, std::string_view text) {
        return PdfNumber(55 + left + width / 2 - c.TextWidth(text) / 2);
    };
    EXPECT_THAT(TextPlaces(s),
                ElementsAre("55 800 " + PdfTextString(Utf8ToCp932("表:応力度")),
                            centred(0, 30, "A") + " 782 (A)",
                            centred(30, 50, "BB") + " 782 (BB)",
                            centred(30, 50, "x(1)") + " 764 (x\\(1\\))"));
    // the empty cell is an empty text object at its place
    EXPECT_NE(s.find(PdfNumber(70) + " 764 Td\rET\r"), std::string::npos);
}

TEST(PdfPageElements, StackedBlocksLeaveOneLineBetweenListsAndSkipAnEmptyOne) {
    ListBoxContent first, empty, third;
    first.Add("a1");
    first.Add("a2");
    third.Add("c1");
    Page page;
    PdfStackedTextBlocks(page.Canvas(), first, empty, third, 20, 40, 9);
    // baselines 777, 766, then two leadings (11) below the last line
    EXPECT_THAT(TextPlaces(page.Canvas().Stream()),
                ElementsAre("65 777 (a1)", "65 766 (a2)", "65 744 (c1)"));
    EXPECT_NE(page.Canvas().Stream().find("9 Tf\r"), std::string::npos);
    EXPECT_NE(page.Canvas().Stream().find("11 TL\r"), std::string::npos);
}

TEST(PdfPageElements, ChartMapsItsPointsIntoTheClippedPlot) {
    Chart chart;
    chart.Title = "図：試験\r二行目";
    chart.Bottom.Title = "幅";
    chart.Left.Title = "高";
    chart.SetRange(10, 0, 5, 0);
    ChartSeries& line = chart.Get("Series1");
    line.SeriesColour = Colour{0x0000FF};  // red
    line.Add(0, 0);
    line.Add(5, 5, "p");
    line.AddNull();
    line.Add(10, 0, " ");
    line.Add(10, 5);
    chart.Get("Series2").Add(2, 2, "lonely");  // one point: nothing at all

    Page page;
    PdfChart(page.Canvas(), chart, 0, 0, 100, 50);
    const std::string& s = page.Canvas().Stream();
    // plot 45..145 × 767..817; 10 points per unit across, 10 up
    EXPECT_THAT(Segments(s), ElementsAre("45 817 - 45 767 @ 0.75", "45 767 - 145 767 @ 0.75",
                                         "145 767 - 145 817 @ 0.75",  // the frame (closed)
                                         "45 767 - 95 817 @ 0.2",     // broken at the null point
                                         "145 767 - 145 817 @ 0.2"));
    EXPECT_NE(s.find("1 0 0 RG \r0.2 w\r"), std::string::npos) << s;
    const std::vector<std::string> texts = TextPlaces(s);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0], "45 820 " + PdfTextString(Utf8ToCp932("図：試験")));
    EXPECT_EQ(texts[1], "91 757 " + PdfTextString(Utf8ToCp932("幅")));
    EXPECT_EQ(texts[2], "147 792 " + PdfTextString(Utf8ToCp932("高")));
    EXPECT_THAT(texts[3], ::testing::EndsWith(" 819 (p)"));
    EXPECT_THAT(texts[4], ::testing::EndsWith(" 769 ( )"));
    // clipping starts with the frame and ends with the chart
    const std::size_t clip = s.find("q\rW\rs\r");
    ASSERT_NE(clip, std::string::npos);
    EXPECT_TRUE(s.ends_with("Q\r"));
    EXPECT_EQ(s.find("lonely"), std::string::npos);
}

TEST(PdfPageElements, AChartWithoutAScaleDrawsItsFrameOnly) {
    Chart unset;  // never laid out: no range, no points
    Chart flat;
    flat.SetRange(1, 1, 2, 0);  // no extent across
    flat.Get("Series1").Add(1, 0);
    flat.Get("Series1").Add(1, 2);
    Chart automatic;  // no range set: the points' extent is the range
    automatic.Get("Series1").Add(2, 1);
    automatic.Get("Series1").Add(4, 3);
    for (const Chart* chart : {&unset, &flat}) {
        Page page;
        PdfChart(page.Canvas(), *chart, 0, 0, 100, 50);
        EXPECT_EQ(Segments(page.Canvas().Stream()).size(), 3u);
    }
    Page page;
    PdfChart(page.Canvas(), automatic, 0, 0, 100, 50);
    EXPECT_EQ(Segments(page.Canvas().Stream()).back(), "45 767 - 145 817 @ 0.2");
}

// Every number operand of a content stream, as written.
std::vector<std::string> Numbers(const std::string& stream) {
    std::vector<std::string> numbers;
    const std::regex token("[^ \r]+");
    for (const std::string& line : StreamLines(stream)) {
        if (line.ends_with(" Tj")) continue;  // the text itself
        for (auto it = std::sregex_iterator(line.begin(), line.end(), token);
             it != std::sregex_iterator(); ++it) {
            const std::string t = it->str();
            if (t.find_first_of("0123456789") != std::string::npos && t[0] != '/') numbers.push_back(t);
        }
    }
    return numbers;
}

// Points that overran the axis range by orders of magnitude, or are not numbers: the
// part of a line that shows in the plot keeps its direction, the rest is cut far off
// the page, and every number written is a plain one within what a reader takes.
TEST(PdfPageElements, PointsFarOffThePlotAreWrittenWithinTheFileLimits) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    Chart chart;
    chart.SetRange(10, 0, 5, 0);
    ChartSeries& line = chart.Get("Series1");
    line.Add(5, 2.5);                          // (95, 792), inside
    line.Add(5 + 1e300, 2.5 + 1e300, "ne");    // far off up and right, at 45°
    line.Add(5, 2.5);
    line.Add(1e306, 2.5, "e");                 // far off right
    line.Add(-1e306, 2.5);                     // and across to far off left
    line.Add(kNaN, 1, "nan");                  // no place at all: a gap
    line.Add(5, 2.5);
    line.Add(1.7e308, 2.5);                    // its place overflows: a gap too
    line.Add(2, 1);

    Page page;
    PdfChart(page.Canvas(), chart, 0, 0, 100, 50);
    const std::string& s = page.Canvas().Stream();
    EXPECT_THAT(Segments(s), ElementsAre("45 817 - 45 767 @ 0.75", "45 767 - 145 767 @ 0.75",
                                         "145 767 - 145 817 @ 0.75",
                                         "95 792 - 29303 30000 @ 0.2",
                                         "29303 30000 - 95 792 @ 0.2",
                                         "95 792 - 30000 792 @ 0.2",
                                         "30000 792 - -29999.99 792 @ 0.2"));
    const std::vector<std::string> texts = TextPlaces(s);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_THAT(texts[0], ::testing::EndsWith(" 30000 (ne)"));
    EXPECT_THAT(texts[1], ::testing::StartsWith("30000 794 "));
    for (const std::string& n : Numbers(s)) {
        SCOPED_TRACE(n);
        ASSERT_TRUE(std::regex_match(n, std::regex("-?[0-9]+(\\.[0-9]{1,2})?")));
        EXPECT_LE(std::fabs(std::stod(n)), kPdfLargestNumber);
    }
}

// The same points in a whole document: a file that the checking tools and a reader take
// without complaint.
TEST(PdfExport, ChartPointsFarOffThePlotLeaveAValidDocument) {
    WallDocument wall = {};
    SetUpResultsWindow(wall.Store, 0);
    RunWithReport(wall.Form.Controls(), wall.Store, "擁壁1");
    ChartSeries& far = wall.Store.GetChart("Chart1").Get("FarOff");
    for (double v : {1e306, -1e306, 1e300, std::numeric_limits<double>::quiet_NaN(), 1.0})
        far.Add(v, -v, "x");
    const std::string pdf = PdfExportBytes(
        wall.Store, ReadTextExportConditions(wall.Form.Controls()), "擁壁1", "20240102030405");
    EXPECT_EQ(pdf.find("inf"), std::string::npos);
    EXPECT_EQ(pdf.find("nan"), std::string::npos);

    if (!HaveTool("qpdf") || !HaveTool("pdftotext")) GTEST_SKIP() << "qpdf or poppler-utils missing";
    TempDir dir;
    const auto file = dir / "far.pdf";
    WriteBytes(file, pdf);
    const ToolRun check = RunTool("qpdf --check " + Quoted(file));
    EXPECT_EQ(check.Status, 0) << check.Out;
    EXPECT_THAT(check.Out, ::testing::Not(HasSubstr("WARNING")));
    const ToolRun text = RunTool("pdftotext -enc UTF-8 " + Quoted(file) + " " + Quoted(dir / "far.txt"));
    EXPECT_EQ(text.Status, 0) << text.Out;
    EXPECT_EQ(text.Out, "") << "the reader complained";
}

// ---------------------------------------------------------------------------------------
// The command

class ExportPdfCommand : public ::testing::Test {
protected:
    TempDir dir;
    Conditions controls;
    std::filesystem::path target = dir / "擁壁計算結果.pdf";
    const ResultsStore& store = DefaultWall(0).Store;
};

TEST_F(ExportPdfCommand, AsksWritesAndOffersToShowTheFile) {
    for (const bool show : {false, true}) {
        ScriptedDialogs dialogs({true, show});
        EXPECT_EQ(ExportPdf(store, controls, "擁壁1", dialogs, target),
                  show ? PdfExportOutcome::ShowRequested : PdfExportOutcome::Written);
        EXPECT_THAT(dialogs.Texts(Kind::Confirm),
                    ElementsAre("計算結果をPDF出力しますか。\r\r出力ファイル名は\r　擁壁計算結果.pdf\rです。",
                                "[ 擁壁計算結果.pdf ]を表示しますか？\r\r(起動まで少し時間がかかります。)"));
        EXPECT_THAT(dialogs.Texts(Kind::Info), ElementsAre("擁壁計算結果.pdfを作成しました"));
        const std::string pdf = ReadBytes(target);
        EXPECT_TRUE(pdf.starts_with("%PDF-1.2 \r\n"));
        EXPECT_TRUE(pdf.ends_with("%%EOF\r\n"));
        EXPECT_EQ(PageCount(pdf), 12);
    }
    EXPECT_THAT(dir.Entries(), ElementsAre("擁壁計算結果.pdf"));
}

TEST_F(ExportPdfCommand, WritesNothingOnNo) {
    WriteBytes(target, "old");
    ScriptedDialogs dialogs({false});
    EXPECT_EQ(ExportPdf(store, controls, "", dialogs, target), PdfExportOutcome::Declined);
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_EQ(dialogs.Shown().size(), 1u);
}

TEST_F(ExportPdfCommand, ABoxWithoutANumberStopsBeforeTheFile) {
    controls.Texts["Edit30"] = "2OO";
    ScriptedDialogs dialogs;
    EXPECT_THROW(ExportPdf(store, controls, "", dialogs, target), ConversionError);
    EXPECT_TRUE(dir.Entries().empty());
    EXPECT_TRUE(dialogs.Texts(Kind::Info).empty());
}

TEST_F(ExportPdfCommand, AnUnwritableTargetGivesAClearErrorAndLeavesTheOldFile) {
    ScriptedDialogs dialogs;
    const auto missing = dir / "no such folder" / "擁壁計算結果.pdf";
    try {
        ExportPdf(store, controls, "", dialogs, missing);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_THAT(e.what(), HasSubstr(missing.string()));
        EXPECT_THAT(e.what(), HasSubstr("No such file or directory"));
    }
    EXPECT_TRUE(dialogs.Texts(Kind::Info).empty());

    // A good file from an earlier export, then an export that fails part-way through
    // writing (files of this process may grow to 4 KiB only): the old file stays whole.
    WritePdfExport(store, controls, "", target);
    const std::string good = ReadBytes(target);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool failed = false;
    try {
        WritePdfExport(store, controls, "other", target);
    } catch (const FileError& e) {
        failed = true;
        EXPECT_THAT(e.what(), HasSubstr(target.string()));
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previousHandler);
    EXPECT_TRUE(failed);
    EXPECT_EQ(ReadBytes(target), good);
    EXPECT_THAT(dir.Entries(), ElementsAre("擁壁計算結果.pdf"));
}

}  // namespace
}  // namespace stelvar
