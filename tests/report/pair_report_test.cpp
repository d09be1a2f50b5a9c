// The summary "照査結果一覧" as text lines and as a grid, and both cases written into
// their own stores.

#include "report/pair_report.h"

#include <gtest/gtest.h>

#include <string>

#include "forms/design_conditions.h"
#include "report/report_run.h"
#include "report/results_setup.h"
#include "text/cp932.h"

namespace stelvar {
namespace {

PairInputs SeismicKeyWall() {
    DesignConditionsForm conditions;
    AllowableStressForm stresses;
    conditions.SetIndex("RadioGroup5", 1);
    conditions.SetIndex("RadioGroup2", 1);
    conditions.SetText("Edit35", "800");
    conditions.SetText("Edit40", "300");
    conditions.SetText("Edit41", "300");
    stresses.SetIndex(allowable_stress::kDesignCase, 1);
    return PairInputsOf(conditions, stresses);
}

// Columns line up in display cells: a full-width character takes two, as its code page
// 932 bytes do; the verdict column starts at the same cell on every line.
TEST(PairSummary, TextColumnsAlignInDisplayCells) {
    const PairOutcome out = RunPair(SeismicKeyWall());
    const auto lines = SummaryTextLines(out.Summary);
    ASSERT_EQ(lines[0], "照査結果一覧");
    std::size_t header = 0;
    while (header < lines.size() && lines[header].find("判定") == std::string::npos) ++header;
    ASSERT_LT(header, lines.size());
    const std::string title = Utf8ToCp932(lines[header]);
    const std::size_t verdictCell = title.find(Utf8ToCp932("判定"));
    const std::size_t ratioEnd = title.find(Utf8ToCp932("比率")) + 4;
    int rows = 0;
    for (std::size_t i = header + 1; i < lines.size(); ++i) {
        if (lines[i].find("---------") != std::string::npos) continue;
        const std::string l = Utf8ToCp932(lines[i]);
        SCOPED_TRACE(lines[i]);
        const bool ok = l.compare(verdictCell, 2, "OK") == 0;
        EXPECT_TRUE(ok || l.compare(verdictCell, 2, "NO") == 0);
        // The ratio right-aligned under its title, ending two cells before the verdict.
        EXPECT_EQ(l.substr(ratioEnd, 2), "  ");
        EXPECT_NE(l[ratioEnd - 1], ' ');
        ++rows;
    }
    EXPECT_EQ(rows, static_cast<int>(out.Summary.size()));
    // One governing mark per case (the note line explains the mark).
    int marks = 0;
    for (const std::string& l : lines)
        marks += l.find("＊") != std::string::npos && l.find("＊＝") == std::string::npos;
    EXPECT_EQ(marks, 2);
}

TEST(PairSummary, GridHasOneRowPerCheckWithItsVerdict) {
    const PairOutcome out = RunPair(SeismicKeyWall());
    const StringGridContent g = SummaryGrid(out.Summary);
    ASSERT_EQ(g.RowCount, static_cast<int>(out.Summary.size()) + 1);
    EXPECT_EQ(g.Cell(0, 0), "区分");
    EXPECT_EQ(g.Cell(6, 0), "判定");
    for (std::size_t i = 0; i < out.Summary.size(); ++i) {
        const SummaryRow& r = out.Summary[i];
        const int row = static_cast<int>(i) + 1;
        EXPECT_EQ(g.Cell(0, row), DesignCaseName(r.Case));
        EXPECT_EQ(g.Cell(1, row), SummaryCheckTitle(r.Check));
        EXPECT_EQ(g.Cell(5, row), r.Ratio ? SummaryFigure(r.Ratio) : "---");
        EXPECT_EQ(g.Cell(6, row), r.Ok ? "OK" : "NO");
        EXPECT_EQ(g.Cell(7, row), r.Governing ? "＊" : "");
    }
}

// Each case's store holds exactly what a single run of that case writes.
TEST(PairSummary, EachStoreIsItsSingleRunsDocument) {
    const PairInputs p = SeismicKeyWall();
    ResultsStore ordinary, seismic, single;
    for (ResultsStore* s : {&ordinary, &seismic, &single}) SetUpResultsWindow(*s, 0);
    RunPairWithReport(p, ordinary, seismic, "壁");
    for (const auto& [store, conditions] : {std::pair{&ordinary, &p.Ordinary.Conditions},
                                            std::pair{&seismic, &p.Seismic.Conditions}}) {
        RunWithReport(conditions->Controls(), single, "壁");
        for (const char* list : {"ListBox7", "ListBox1", "ListBox3", "ListBox4", "ListBox8", "ListBox13"})
            EXPECT_EQ(store->List(list).Lines, single.List(list).Lines) << list;
        EXPECT_EQ(store->Grid("StringGrid6").Cells, single.Grid("StringGrid6").Cells);
    }
    EXPECT_NE(ordinary.List("ListBox3").Lines, seismic.List("ListBox3").Lines);
}

}  // namespace
}  // namespace stelvar
