// The figure export: which files a wall gets, the command's question and message, each
// file read back by an independent metafile reader (wmf2svg), and failures that leave
// complete files only.

#include "documents/figure_export.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "documents/file_io.h"
#include "forms/design_conditions.h"
#include "report/report_run.h"
#include "report/results_setup.h"
#include "temp_dir.h"
#include "text/cp932.h"
#include "text/number.h"

namespace stelvar {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using stelvar::testing::ReadBytes;
using stelvar::testing::TempDir;
using stelvar::testing::WriteBytes;

std::vector<std::string> Names(const std::vector<FigureFile>& files) {
    std::vector<std::string> out;
    for (const FigureFile& f : files) out.emplace_back(f.FileName);
    return out;
}

std::vector<std::string> Figures(std::initializer_list<int> numbers) {
    std::vector<std::string> out;
    for (int n : numbers) out.emplace_back(kFigureFiles[static_cast<std::size_t>(n - 1)].FileName);
    return out;
}

TEST(FigureExport, WhichFiguresAWallGets) {
    struct Case {
        const char* What;
        FigureExportConditions Conditions;
        std::vector<std::string> Expected;
    };
    const Case cases[] = {
        {"gravity wall with toe and heel, no key", {0, 200, 200, 200, false},
         Figures({1, 2, 3, 4, 5, 6, 7, 8, 9})},
        {"leaning wall with a toe and a key", {1, 900, 835, 0, true},
         Figures({1, 2, 3, 4, 5, 6, 7, 8, 10})},
        {"gravity wall without a toe", {0, 200, 0, 200, false}, Figures({1, 2, 3, 4, 5, 6, 7, 9})},
        {"no base slab", {0, 0, 200, 200, true}, Figures({1, 2, 3, 4, 5, 6, 7, 10})},
        {"leaning wall: a heel width does not count", {1, 900, 0, 500, false},
         Figures({1, 2, 3, 4, 5, 6, 7})},
    };
    for (const Case& c : cases) EXPECT_EQ(Names(FiguresToWrite(c.Conditions)), c.Expected) << c.What;
}

TEST(FigureExport, FileNamesAndChartsInTheirOrder) {
    std::vector<std::string> names;
    std::vector<std::string> charts;
    for (const FigureFile& f : kFigureFiles) {
        names.emplace_back(f.FileName);
        charts.emplace_back(f.ChartName);
    }
    EXPECT_THAT(names, ElementsAre("図1：擁壁外形図.wmf", "図2：点番号図.wmf", "図3：点番号図.wmf",
                                   "図4：すべり角～土圧.wmf", "図5：地盤版力図.wmf", "図6：荷重図.wmf",
                                   "図7：たて壁(応力度).wmf", "図8：つま先版地盤版力図.wmf",
                                   "図9：かかと版地盤版力図.wmf", "図10：突起.wmf"));
    EXPECT_THAT(charts, ElementsAre("Chart2", "Chart4", "Chart12", "Chart5", "Chart11", "Chart1",
                                    "Chart3", "Chart6", "Chart7", "Chart8"));
}

bool HaveWmf2Svg() { return std::system("command -v wmf2svg >/dev/null 2>&1") == 0; }

// The file as wmf2svg reads it; fails the test when the reader reports anything.
std::string ToSvg(const std::filesystem::path& wmf, const TempDir& scratch) {
    const std::filesystem::path svg = scratch / "figure.svg";
    const std::filesystem::path err = scratch / "errors.txt";
    const std::string command = "wmf2svg -o '" + svg.string() + "' '" + wmf.string() + "' 2>'" +
                                err.string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << wmf << ": " << ReadBytes(err);
    EXPECT_EQ(ReadBytes(err), "") << wmf;
    return ReadBytes(svg);
}

// The first label of a series that is not blank.
std::string FirstLabel(const ChartSeries& s) {
    for (const SeriesPoint& p : s.Points)
        if (p.Label.find_first_not_of(' ') != std::string::npos) return p.Label;
    return {};
}

class ExportedWall : public ::testing::Test {
protected:
    void Run(const DesignConditionsForm& form) {
        SetUpResultsWindow(store);
        RunWithReport(form.Controls(), store);
        ScriptedDialogs dialogs;
        ASSERT_TRUE(ExportFigures(store, form.Controls(), dialogs, dir.Path()));
        EXPECT_THAT(dialogs.Texts(ScriptedDialogs::Entry::Kind::Confirm),
                    ElementsAre("計算結果図をメタファイル出力しますか。"));
        EXPECT_THAT(dialogs.Texts(ScriptedDialogs::Entry::Kind::Info),
                    ElementsAre("メタファイル出力終わりました。"));
    }

    std::vector<std::string> Written() const {
        std::vector<std::string> names;
        for (const FigureFile& f : kFigureFiles)
            if (std::filesystem::exists(dir / std::string(f.FileName))) names.emplace_back(f.FileName);
        return names;
    }

    ResultsStore store;
    TempDir dir;
    TempDir scratch;
};

TEST_F(ExportedWall, DefaultGravityWallEveryFileReadsBackWithItsLinesAndLabels) {
    Run(DesignConditionsForm{});
    EXPECT_EQ(Written(), Figures({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(dir.Entries().size(), 9u);  // no temporary file left behind

    if (!HaveWmf2Svg()) GTEST_SKIP() << "wmf2svg is not installed";
    for (const FigureFile& f : FiguresToWrite({0, 200, 200, 200, false})) {
        SCOPED_TRACE(std::string(f.FileName));
        const Chart& chart = store.GetChart(f.ChartName);
        const std::string svg = ToSvg(dir / std::string(f.FileName), scratch);
        // wmf2svg writes the texts' bytes as they are: code page 932.
        EXPECT_THAT(svg, HasSubstr(">" + Utf8ToCp932(chart.Title) + "</text>"));
        EXPECT_THAT(svg, HasSubstr("<polyline"));
        std::string label;
        for (const ChartSeries& s : chart.Series)
            if (label.empty()) label = FirstLabel(s);
        ASSERT_FALSE(label.empty());
        EXPECT_THAT(svg, HasSubstr(">" + Utf8ToCp932(label) + "</text>"));
    }

    // The ground reaction in its purple, with both edge values.
    const std::string svg = ToSvg(dir / "図5：地盤版力図.wmf", scratch);
    EXPECT_THAT(svg, HasSubstr("stroke:purple"));
    for (const SeriesPoint& p : store.GetChart("Chart11").Get("Series47").Points)
        if (p.Label.find("kN/m2") != std::string::npos) {
            EXPECT_THAT(svg, HasSubstr(p.Label));
        }
}

TEST_F(ExportedWall, LeaningWallWithAKey) {
    DesignConditionsForm form;
    form.SetIndex("PageControl2", 1);
    form.SetIndex("RadioGroup2", 1);
    Run(form);
    EXPECT_EQ(Written(), Figures({1, 2, 3, 4, 5, 6, 7, 8, 10}));
    if (!HaveWmf2Svg()) GTEST_SKIP() << "wmf2svg is not installed";
    EXPECT_THAT(ToSvg(dir / "図10：突起.wmf", scratch), HasSubstr(Utf8ToCp932("図：底版地盤反力")));
}

TEST_F(ExportedWall, BeforeAnyCalculationTheChartsAreWrittenAsTheyStand) {
    SetUpResultsWindow(store);
    const DesignConditionsForm form;
    const std::vector<std::filesystem::path> files = WriteFigures(store, form.Controls(), dir.Path());
    EXPECT_EQ(files.size(), 9u);
    if (!HaveWmf2Svg()) GTEST_SKIP() << "wmf2svg is not installed";
    for (const std::filesystem::path& f : files) ToSvg(f, scratch);
}

TEST(FigureExport, EachFileHasTheSizeOfItsChartInTheWindow) {
    ResultsStore store;
    SetUpResultsWindow(store);
    const std::string bytes = ChartMetafileBytes(store.GetChart("Chart1"), 540, 440);
    ASSERT_GE(bytes.size(), 22u);
    EXPECT_EQ(bytes.substr(10, 4), std::string("\xA4\x1F\xC8\x19", 4));  // 8100 × 6600 twips
}

TEST(FigureExport, AnsweringNoWritesNothing) {
    ResultsStore store;
    SetUpResultsWindow(store);
    TempDir dir;
    ScriptedDialogs dialogs({false});
    EXPECT_FALSE(ExportFigures(store, DesignConditionsForm{}.Controls(), dialogs, dir.Path()));
    EXPECT_TRUE(dir.Entries().empty());
    EXPECT_TRUE(dialogs.Texts(ScriptedDialogs::Entry::Kind::Info).empty());
}

TEST(FigureExport, ANonNumericWidthStopsAfterTheQuestionBeforeAnyFile) {
    ResultsStore store;
    SetUpResultsWindow(store);
    TempDir dir;
    DesignConditionsForm form;
    form.SetText("Edit34", "2OO");
    ScriptedDialogs dialogs;
    EXPECT_THROW(ExportFigures(store, form.Controls(), dialogs, dir.Path()), ConversionError);
    EXPECT_EQ(dialogs.Texts(ScriptedDialogs::Entry::Kind::Confirm).size(), 1u);
    EXPECT_TRUE(dialogs.Texts(ScriptedDialogs::Entry::Kind::Info).empty());
    EXPECT_TRUE(dir.Entries().empty());
}

TEST(FigureExport, AFolderThatCannotBeWrittenIsAClearError) {
    ResultsStore store;
    SetUpResultsWindow(store);
    TempDir dir;
    // A file where the folder should be: no permission setting can make that writable.
    WriteBytes(dir / "not-a-folder", "x");
    ScriptedDialogs dialogs;
    try {
        ExportFigures(store, DesignConditionsForm{}.Controls(), dialogs, dir / "not-a-folder");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_THAT(e.what(), HasSubstr("図1：擁壁外形図.wmf"));
        EXPECT_THAT(e.what(), HasSubstr("Not a directory"));
    }
    EXPECT_TRUE(dialogs.Texts(ScriptedDialogs::Entry::Kind::Info).empty());
    EXPECT_THAT(dir.Entries(), ElementsAre("not-a-folder"));
}

TEST(FigureExport, AFailureLeavesTheFilesBeforeItWholeAndReplacesNothingHalfWay) {
    ResultsStore store;
    SetUpResultsWindow(store);
    TempDir dir;
    WriteBytes(dir / "図1：擁壁外形図.wmf", "an older figure");
    // The fifth figure's name is taken by a folder, which a file cannot replace.
    std::filesystem::create_directory(dir / "図5：地盤版力図.wmf");
    EXPECT_THROW(WriteFigures(store, FigureExportConditions{0, 200, 200, 200, false}, dir.Path()),
                 FileError);
    EXPECT_THAT(dir.Entries(), ElementsAreArray(std::vector<std::string>{
                                   "図1：擁壁外形図.wmf", "図2：点番号図.wmf", "図3：点番号図.wmf",
                                   "図4：すべり角～土圧.wmf", "図5：地盤版力図.wmf"}));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "図5：地盤版力図.wmf"));
    // The older file was replaced whole by the new figure.
    const std::string replaced = ReadBytes(dir / "図1：擁壁外形図.wmf");
    EXPECT_EQ(replaced.substr(0, 4), std::string("\xD7\xCD\xC6\x9A", 4));
    EXPECT_EQ(replaced, ChartMetafileBytes(store.GetChart("Chart2"), 440, 420));
}

}  // namespace
}  // namespace stelvar
