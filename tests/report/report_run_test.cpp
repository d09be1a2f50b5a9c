// The run with its report: the same figures as the headless run, the resets before the
// calculation, and the member pages when the ground reaction cannot be computed.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "forms/design_conditions.h"
#include "report/format_number.h"
#include "report/report_run.h"
#include "report/results_setup.h"
#include "run/result_json.h"
#include "text/number.h"

namespace stelvar {
namespace {

// A crest far forward over a narrow base puts the resultant beyond the middle third.
DesignConditionsForm ResultantTooFarForward() {
    DesignConditionsForm f;
    f.SetText("Edit31", "1400");
    f.SetText("Edit36", "0");
    f.SetText("Edit37", "400");
    f.SetText("Edit2", "600");
    f.SetText("Edit34", "100");
    f.SetText("Edit30", "300");
    f.SetText("Edit38", "4000");
    return f;
}

const char* const kMemberLists[] = {"ListBox8", "ListBox19", "ListBox14", "ListBox9",
                                    "ListBox11", "ListBox13", "ListBox12"};
const char* const kMemberCharts[] = {"Chart3", "Chart6", "Chart7", "Chart8"};

// What an earlier wall left on the member pages.
void FillMemberPages(ResultsStore& s) {
    for (const char* list : kMemberLists) s.List(list).Add("earlier wall");
    for (const char* chart : kMemberCharts) s.GetChart(chart).Get("Series99").Add(1, 2, "x");
}

// Every result as the headless run gives it. Only the drawing workspaces differ: the
// report's figures query regions and the surface line on the same object.
nlohmann::ordered_json Results(const RunOutcome& r) {
    nlohmann::ordered_json j = RunOutcomeToJson(r, "");
    for (const char* workspace : {"RegHigh", "RegX", "RegY", "LoadHigh", "LoadX", "LoadY"})
        j.erase(workspace);
    return j;
}

TEST(RunWithReport, GivesTheFiguresOfTheHeadlessRun) {
    DesignConditionsForm leaning;
    leaning.SetIndex("PageControl2", 1);
    for (const DesignConditionsForm& f : {DesignConditionsForm{}, leaning}) {
        ResultsStore s;
        SetUpResultsWindow(s);
        const RunOutcome withReport = RunWithReport(f.Controls(), s);
        EXPECT_EQ(Results(withReport), Results(RunCalculation(f.Controls())));
        EXPECT_TRUE(withReport.Object.StemFixed.has_value());
    }
}

// Reaction case 3: the stability sections are written, the member pages are emptied,
// not left with an earlier wall's figures.
TEST(RunWithReport, NoMemberResultsWhenTheGroundReactionIsNotComputable) {
    ResultsStore s;
    SetUpResultsWindow(s);
    FillMemberPages(s);
    const RunOutcome r = RunWithReport(ResultantTooFarForward().Controls(), s);
    ASSERT_EQ(r.Object.ReactionCase, 3);
    EXPECT_FALSE(r.Object.StemMid.has_value());
    for (const char* list : kMemberLists) EXPECT_TRUE(s.List(list).Lines.empty()) << list;
    for (const char* chart : kMemberCharts)
        for (const ChartSeries& series : s.GetChart(chart).Series)
            EXPECT_TRUE(series.Points.empty()) << chart << " " << series.Name;
    EXPECT_FALSE(s.List("ListBox1").Lines.empty());
    EXPECT_FALSE(s.List("ListBox7").Lines.empty());
    EXPECT_EQ(s.Grid("StringGrid6").Cell(1, 8), FormatNumber("0.00kN", r.Object.Vo));
}

// A leaning wall whose resultant lies in front of the middle third of its base
// (reaction case 7): under this seismic load there is no member design.
DesignConditionsForm LeaningResultantBeforeTheThird() {
    DesignConditionsForm f;
    f.SetIndex("PageControl2", 1);
    f.SetIndex("RadioGroup5", 1);
    f.SetText("Edit61", "0.3");
    return f;
}

DesignConditionsForm Leaning() {
    DesignConditionsForm f;
    f.SetIndex("PageControl2", 1);
    return f;
}

// The stem tables as a store laid out for `wallType` shows them before any run writes
// them: the set-up's header row and first column, every data cell "---".
void ExpectUnwrittenStemTables(const ResultsStore& s, int wallType) {
    ResultsStore fresh;
    SetUpResultsWindow(fresh, wallType);
    ResetResultGrids(fresh);
    for (const char* name : {"StringGrid1", "StringGrid5"}) {
        SCOPED_TRACE(name);
        const StringGridContent& got = s.Grid(name);
        const StringGridContent& want = fresh.Grid(name);
        EXPECT_EQ(got.ColCount, want.ColCount);
        EXPECT_EQ(got.RowCount, want.RowCount);
        EXPECT_EQ(got.ColWidths, want.ColWidths);
        EXPECT_EQ(got.Cells, want.Cells);
    }
}

// A run without member design after a run that wrote the stem tables: the tables show
// nothing of the earlier wall, neither its section depths nor its wall's rows, and are
// laid out for this run's wall. A table no run has written keeps the set-up's layout,
// so a single run in a fresh store shows what it always showed.
TEST(RunWithReport, NoMemberDesignLeavesNoEarlierStemTables) {
    const struct {
        const char* What;
        std::optional<DesignConditionsForm> Earlier;
        DesignConditionsForm Now;
        int SetUpWall;
        int ShownWall;
    } cases[] = {
        {"gravity, then leaning in case 7", DesignConditionsForm{}, LeaningResultantBeforeTheThird(), 0, 1},
        {"leaning, then gravity in case 3", Leaning(), ResultantTooFarForward(), 0, 0},
        {"gravity, then gravity in case 3", DesignConditionsForm{}, ResultantTooFarForward(), 0, 0},
        {"leaning in case 7 only: the set-up's gravity layout", std::nullopt,
         LeaningResultantBeforeTheThird(), 0, 0},
        {"gravity in case 3 only, set up for the leaning wall", std::nullopt, ResultantTooFarForward(), 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        ResultsStore s;
        SetUpResultsWindow(s, c.SetUpWall);
        if (c.Earlier) {
            RunWithReport(c.Earlier->Controls(), s);
            ASSERT_TRUE(s.Grid("StringGrid1").Cell(0, 0).starts_with("H=")) << "the earlier run wrote them";
            ASSERT_NE(s.Grid("StringGrid1").Cell(0, 0), "H=1/2");
        }
        const RunOutcome r = RunWithReport(c.Now.Controls(), s);
        ASSERT_FALSE(StructuralStageRuns(r.Object));
        ExpectUnwrittenStemTables(s, c.ShownWall);
    }
}

// A computable case replaces the member pages with this wall's sections; the stability
// sections and the load figure are written too.
TEST(RunWithReport, WritesEverySectionOfAComputableWall) {
    ResultsStore s;
    SetUpResultsWindow(s);
    FillMemberPages(s);
    RunWithReport(DesignConditionsForm{}.Controls(), s);
    for (const char* list : {"ListBox8", "ListBox14", "ListBox9", "ListBox11", "ListBox3",
                             "ListBox4", "ListBox5", "ListBox23", "ListBox12"}) {
        ASSERT_FALSE(s.List(list).Lines.empty()) << list;
        EXPECT_NE(s.List(list).Lines.front(), "earlier wall") << list;
    }
    EXPECT_EQ(s.List("ListBox8").Lines.front(), "1.たて壁の計算");
    EXPECT_FALSE(s.GetChart("Chart1").Get("Series1").Points.empty());
    // No key on the default wall: its page keeps nothing of an earlier wall.
    EXPECT_TRUE(s.List("ListBox13").Lines.empty());
}

// Before the calculation every data cell of the result grids is "---" again, and the
// ground-reaction chart keeps nothing of the earlier run.
TEST(RunWithReport, ResetsBeforeTheCalculation) {
    DesignConditionsForm wet;
    wet.SetChecked("CheckBox3", true);
    ResultsStore s;
    SetUpResultsWindow(s);
    RunWithReport(wet.Controls(), s);
    ASSERT_NE(s.Grid("StringGrid6").Cell(2, 4), "---");
    s.GetChart("Chart11").Get("Series47").Add(1, 1, "old");
    s.Grid("StringGrid3").SetCell(1, 1, "old");

    RunWithReport(DesignConditionsForm{}.Controls(), s);
    const StringGridContent& loads = s.Grid("StringGrid6");
    for (int row = 3; row <= 7; ++row)
        for (int col = 1; col <= 6; ++col) EXPECT_EQ(loads.Cell(col, row), "---") << row << "," << col;
    EXPECT_EQ(loads.Cell(0, 4), "水圧");
    EXPECT_NE(s.Grid("StringGrid3").Cell(1, 1), "old");
    for (const SeriesPoint& p : s.GetChart("Chart11").Get("Series47").Points) EXPECT_NE(p.Label, "old");
}

// A text that is not a number abandons the run: the grids have been reset, the reports
// of the earlier run stay as they were.
TEST(RunWithReport, AConversionErrorAbandonsTheRun) {
    ResultsStore s;
    SetUpResultsWindow(s);
    RunWithReport(DesignConditionsForm{}.Controls(), s, "前回");
    const std::vector<std::string> before = s.List("ListBox7").Lines;

    DesignConditionsForm bad;
    bad.SetText("Edit42", "30.5");
    EXPECT_THROW(RunWithReport(bad.Controls(), s, "今回"), ConversionError);
    EXPECT_EQ(s.List("ListBox7").Lines, before);
    EXPECT_EQ(s.List("ListBox20").Lines[0], "件　名：前回");
    EXPECT_EQ(s.Grid("StringGrid6").Cell(1, 1), "---");
    EXPECT_TRUE(s.List("ListBox21").Lines.empty());
}

}  // namespace
}  // namespace stelvar
