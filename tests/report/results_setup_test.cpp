#include "report/results_setup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace stelvar {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

std::vector<std::string> Row(const StringGridContent& g, int row) {
    std::vector<std::string> out;
    for (int c = 0; c < g.ColCount; ++c) out.push_back(g.Cell(c, row));
    return out;
}

std::vector<std::string> Column(const StringGridContent& g, int col) {
    std::vector<std::string> out;
    for (int r = 0; r < g.RowCount; ++r) out.push_back(g.Cell(col, r));
    return out;
}

std::vector<int> Widths(const StringGridContent& g) {
    std::vector<int> out;
    for (int c = 0; c < g.ColCount; ++c) out.push_back(g.ColWidth(c));
    return out;
}

struct GridShape {
    const char* Name;
    int Cols;
    int Rows;
    std::vector<int> ColWidths;
};

TEST(SetUpResultsWindow, GivesEveryResultGridItsSizeAndColumnWidths) {
    ResultsStore store;
    SetUpResultsWindow(store);
    // Columns the set-up gives no width keep the default 64 (StringGrid6 columns 5, 6).
    const GridShape shapes[] = {
        {"StringGrid2", 3, 5, {62, 50, 50}},
        {"StringGrid4", 3, 5, {62, 50, 50}},
        {"StringGrid6", 7, 9, {55, 55, 55, 65, 65, 64, 64}},
        {"StringGrid1", 7, 6, {40, 48, 48, 45, 45, 58, 58}},
        {"StringGrid5", 7, 6, {40, 48, 48, 45, 45, 58, 58}},
        {"StringGrid11", 6, 3, {50, 68, 68, 50, 50, 60}},
        {"StringGrid12", 6, 3, {50, 68, 68, 50, 50, 60}},
        {"StringGrid7", 2, 8, {65, 65}},
        {"StringGrid10", 2, 8, {65, 65}},
        {"StringGrid3", 3, 10, {67, 60, 60}},
        {"StringGrid15", 3, 8, {75, 70, 75}},
    };
    for (const GridShape& s : shapes) {
        SCOPED_TRACE(s.Name);
        const StringGridContent& g = store.Grid(s.Name);
        EXPECT_EQ(g.ColCount, s.Cols);
        EXPECT_EQ(g.RowCount, s.Rows);
        EXPECT_EQ(Widths(g), s.ColWidths);
        EXPECT_EQ(g.DefaultRowHeight, 18);
    }
}

TEST(SetUpResultsWindow, WritesTheHeaderRowsAndFirstColumns) {
    ResultsStore store;
    SetUpResultsWindow(store);

    const StringGridContent& loads = store.Grid("StringGrid6");
    EXPECT_THAT(Row(loads, 0), ElementsAre("区分", "鉛直力V", "水平力H", "作用点x", "作用点y",
                                           "ﾓｰﾒﾝﾄV･x", "ﾓｰﾒﾝﾄH･y"));
    EXPECT_THAT(Column(loads, 0), ElementsAre("区分", "躯体重量", "主働土圧", "受働土圧", "水圧",
                                              "浮力", "風荷重", "衝突荷重", "合計"));

    // The slab tables' first column starts in the corner: "つま先版" is overwritten.
    const StringGridContent& toe = store.Grid("StringGrid11");
    EXPECT_THAT(Row(toe, 0), ElementsAre("自　重", "先端部", "付根部", "鉛直力V", "作用点x",
                                         "ﾓｰﾒﾝﾄV･x"));
    EXPECT_THAT(Column(toe, 0), ElementsAre("自　重", "地盤反力", "合計"));
    EXPECT_EQ(store.Grid("StringGrid12").Cell(1, 0), "先端部");

    EXPECT_THAT(Row(store.Grid("StringGrid7"), 0), ElementsAre("区分", "応力度"));
    EXPECT_THAT(Column(store.Grid("StringGrid10"), 0),
                ElementsAre("区分", "曲げﾓｰﾒﾝﾄ", "せん断力", "断面係数", "断面積", "引張り応力",
                            "せん断応力", "判定"));
    EXPECT_THAT(Column(store.Grid("StringGrid3"), 0),
                ElementsAre("位置", "高さ(H)", "軸方向力N", "Σﾓｰﾒﾝﾄ", "作用位置(d)",
                            "偏心距離(e)", "躯体幅(B)", "応力度σc1", "応力度σc2", "判定"));
    EXPECT_THAT(Row(store.Grid("StringGrid15"), 0), ElementsAre("区分", "応力度", "許容応力度"));
    EXPECT_THAT(Column(store.Grid("StringGrid15"), 0),
                ElementsAre("区分", "曲げﾓｰﾒﾝﾄ", "せん断力", "断面係数", "断面積", "引張応力",
                            "せん断応力", "判定"));

    EXPECT_EQ(store.GetCaption("Label24").Text, "◎土塊上の載荷重、雪荷重は    土圧に含む");
    EXPECT_EQ(store.GetCaption("Label26").Text, "◎水平力の合計値には、受働    土圧を含まない");
}

TEST(SetUpResultsWindow, LaysOutTheStemTablesForTheWallTypeSelectedAtStart) {
    ResultsStore gravity;
    SetUpResultsWindow(gravity, 0);
    EXPECT_THAT(Column(gravity.Grid("StringGrid1"), 0),
                ElementsAre("H=1/2", "自重", "土圧", "水圧", "浮力", "合計"));
    EXPECT_THAT(Column(gravity.Grid("StringGrid5"), 0),
                ElementsAre("固定部", "自重", "土圧", "水圧", "浮力", "合計"));
    EXPECT_EQ(gravity.Grid("StringGrid1").Cell(6, 0), "ﾓｰﾒﾝﾄH･y");

    ResultsStore leaning;
    SetUpResultsWindow(leaning, 1);
    const StringGridContent& g = leaning.Grid("StringGrid5");
    EXPECT_EQ(g.RowCount, 7);
    EXPECT_EQ(g.ColWidth(0), 75);
    EXPECT_THAT(Column(g, 0),
                ElementsAre("固定部", "自重", "土圧", "水圧", "浮力", "壁面地盤反力", "合計"));

    // A run for the other wall type lays the table out again, keeping what still fits.
    StringGridContent& sg1 = leaning.Grid("StringGrid1");
    sg1.SetCell(3, 6, "x");
    sg1.SetCell(2, 2, "kept");
    LayOutStemForceGrid(sg1, "H=1/2", 0);
    EXPECT_EQ(sg1.RowCount, 6);
    EXPECT_EQ(sg1.ColWidth(0), 40);
    EXPECT_EQ(sg1.Cell(0, 5), "合計");
    EXPECT_EQ(sg1.Cell(2, 2), "kept");
    EXPECT_EQ(sg1.Cell(3, 6), "");
}

TEST(SetUpResultsWindow, CreatesTheChartsSeriesInDrawingOrder) {
    ResultsStore store;
    SetUpResultsWindow(store);

    const Chart& loads = store.GetChart("Chart1");
    EXPECT_EQ(loads.Title, "図：荷重図(安定計算時)");
    EXPECT_TRUE(loads.Legend);
    std::vector<std::string> names;
    std::vector<std::string> titles;
    for (const ChartSeries& s : loads.Series) {
        names.push_back(s.Name);
        titles.push_back(s.Title);
        EXPECT_TRUE(s.Points.empty());
        EXPECT_EQ(s.Font.Name, "ＭＳ Ｐ明朝");
        EXPECT_EQ(s.Font.Height, 12);
    }
    EXPECT_THAT(names, ElementsAreArray({"Series1", "Series2", "Series4", "Series5", "Series6",
                                         "Series7", "Series9", "Series10", "Series11", "Series12",
                                         "Series13", "Series16", "Series20", "Series45"}));
    EXPECT_THAT(titles, ElementsAreArray({"擁壁", "地盤反力", "地表", "すべり面", "載荷重",
                                          "合力作用点", "土圧(Ph)", "中央1/3点", "中央1/3点",
                                          "土圧(Pv)", "土圧分布", "", "水圧", "壁面地盤反力"}));
    EXPECT_EQ(loads.Get("Series1").LineWidth, 2);
    EXPECT_FALSE(loads.Get("Series1").MarksVisible);
    EXPECT_TRUE(loads.Get("Series13").MarksVisible);
    EXPECT_FALSE(loads.Get("Series16").ShowInLegend);
    EXPECT_EQ(loads.Get("Series16").LineWidth, 2);

    const Chart& stem = store.GetChart("Chart3");
    EXPECT_TRUE(stem.Legend);
    EXPECT_EQ(stem.Bottom.Title, "固定部幅");
    EXPECT_EQ(stem.Left.Title, "応力度");
    ASSERT_EQ(stem.Series.size(), 2u);
    EXPECT_EQ(stem.Series[0].Name, "Series14");
    EXPECT_EQ(stem.Series[0].LineWidth, 2);
    EXPECT_TRUE(stem.Series[1].MarksVisible);

    const Chart& reaction = store.GetChart("Chart11");
    EXPECT_FALSE(reaction.Legend);
    EXPECT_EQ(reaction.Title, "図：地盤反力");
    EXPECT_EQ(reaction.Bottom.Title, "幅(m)");
    EXPECT_EQ(reaction.Left.Title, "高さ(m)");
    ASSERT_EQ(reaction.Series.size(), 2u);
    EXPECT_EQ(reaction.Series[0].Name, "Series31");
    EXPECT_EQ(reaction.Series[1].Name, "Series47");

    for (auto [name, outline, diagram] : {std::tuple{"Chart6", "Series42", "Series43"},
                                          std::tuple{"Chart7", "Series37", "Series38"},
                                          std::tuple{"Chart8", "Series39", "Series41"}}) {
        SCOPED_TRACE(name);
        const Chart& c = store.GetChart(name);
        ASSERT_EQ(c.Series.size(), 2u);
        EXPECT_EQ(c.Series[0].Name, outline);
        EXPECT_EQ(c.Series[1].Name, diagram);
        EXPECT_EQ(c.Left.Title, "応力度");
    }
    EXPECT_EQ(store.GetChart("Chart5").Title, "図：すべり角～土圧");
    EXPECT_EQ(store.GetChart("Chart2").Title, "図：擁壁外形図(mm)");
}

TEST(ResetResultGrids, FillsEveryDataCellButLeavesTheHeaders) {
    ResultsStore store;
    SetUpResultsWindow(store);
    // A previous run grew the coordinate table and wrote values.
    StringGridContent& coords = store.Grid("StringGrid2");
    coords.SetCell(2, 11, "1.250");
    store.Grid("StringGrid6").SetCell(1, 1, "12.00kN");

    ResetResultGrids(store);
    for (std::string_view name : kResultGrids) {
        SCOPED_TRACE(name);
        const StringGridContent& g = store.Grid(name);
        for (int r = 1; r < g.RowCount; ++r)
            for (int c = 1; c < g.ColCount; ++c) EXPECT_EQ(g.Cell(c, r), "---") << c << "," << r;
    }
    EXPECT_EQ(coords.RowCount, 12);
    EXPECT_EQ(store.Grid("StringGrid6").Cell(0, 8), "合計");
    EXPECT_EQ(store.Grid("StringGrid6").Cell(1, 0), "鉛直力V");
    EXPECT_EQ(store.Grid("StringGrid2").Cell(0, 3), "");
}

TEST(ClearBeforeCalculation, EmptiesTheStructuralTextAndTheReactionChartOnly) {
    ResultsStore store;
    SetUpResultsWindow(store);
    store.List("ListBox21").Add("old");
    store.List("ListBox6").Add("kept");
    store.GetChart("Chart11").Get("Series47").Add(0, -1, "100.00kN/m2");
    store.GetChart("Chart1").Get("Series1").Add(0, 0);

    ClearBeforeCalculation(store);
    EXPECT_TRUE(store.List("ListBox21").Lines.empty());
    EXPECT_EQ(store.List("ListBox6").Lines.size(), 1u);
    const Chart& reaction = store.GetChart("Chart11");
    ASSERT_EQ(reaction.Series.size(), 2u);  // the series stay, only their points go
    EXPECT_TRUE(reaction.Series[1].Points.empty());
    EXPECT_TRUE(reaction.Series[1].MarksVisible);
    EXPECT_EQ(store.GetChart("Chart1").Get("Series1").Points.size(), 1u);
}

TEST(StringGridContent, WritingACellAfterTheSizeWasSetDirectlyStaysInsideTheStorage) {
    StringGridContent g;
    g.Resize(3, 2);
    g.RowCount = 6;  // a writer sets the row count to cover its rows
    g.ColCount = 4;
    g.SetCell(3, 5, "x");
    g.SetColWidth(3, 70);
    EXPECT_EQ(g.Cell(3, 5), "x");
    EXPECT_EQ(g.Cell(0, 4), "");
    EXPECT_EQ(g.ColWidth(3), 70);
    EXPECT_EQ(g.ColWidth(2), 64);
    EXPECT_EQ(g.RowCount, 6);
    EXPECT_THROW(g.SetCell(-1, 0, "x"), std::out_of_range);
}

}  // namespace
}  // namespace stelvar
