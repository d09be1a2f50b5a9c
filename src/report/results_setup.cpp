#include "report/results_setup.h"

#include <initializer_list>
#include <utility>
#include <string>

namespace stelvar {
namespace {

constexpr std::string_view kForceHeader = ",鉛直力V,水平力H,作用点x,作用点y,ﾓｰﾒﾝﾄV･x,ﾓｰﾒﾝﾄH･y";

void SetWidths(StringGridContent& g, std::initializer_list<int> widths) {
    int col = 0;
    for (int w : widths) g.SetColWidth(col++, w);
}

// A fresh table of the given size: all cells empty, every column at the default width.
StringGridContent& Fresh(ResultsStore& store, std::string_view name, int cols, int rows) {
    StringGridContent& g = store.Grid(name);
    g.Cells.clear();
    g.ColWidths.clear();
    g.Resize(cols, rows);
    return g;
}

void ResetDataCells(StringGridContent& g) {
    for (int row = 1; row < g.RowCount; ++row)
        for (int col = 1; col < g.ColCount; ++col) g.SetCell(col, row, std::string(kNoValueText));
}

void SetUpGrids(ResultsStore& store, int wallType) {
    // Corner coordinates of the self-weight regions: number, x, y. The self-weight
    // report sets the row count for the regions it lists.
    for (std::string_view name : {"StringGrid2", "StringGrid4"}) {
        StringGridContent& g = Fresh(store, name, 3, 5);
        SetWidths(g, {62, 50, 50});
    }

    {
        StringGridContent& g = Fresh(store, "StringGrid6", 7, 9);
        SetWidths(g, {55, 55, 55, 65, 65});
        g.SetRowText(0, kForceHeader);
        g.SetColText(0, "区分,躯体重量,主働土圧,受働土圧,水圧,浮力,風荷重,衝突荷重,合計");
    }

    LayOutStemForceGrid(Fresh(store, "StringGrid1", 7, 6), "H=1/2", wallType);
    LayOutStemForceGrid(Fresh(store, "StringGrid5", 7, 6), "固定部", wallType);

    for (auto [name, slab] : {std::pair<std::string_view, std::string_view>{"StringGrid11", "つま先版"},
                              {"StringGrid12", "かかと版"}}) {
        StringGridContent& g = Fresh(store, name, 6, 3);
        SetWidths(g, {50, 68, 68, 50, 50, 60});
        std::string header(slab);
        header += ",先端部,付根部,鉛直力V,作用点x,ﾓｰﾒﾝﾄV･x";
        g.SetRowText(0, header);
        // Column 0 from row 0 on: its first name takes the corner cell.
        g.SetColText(0, "自　重,地盤反力,合計");
    }

    for (std::string_view name : {"StringGrid7", "StringGrid10"}) {
        StringGridContent& g = Fresh(store, name, 2, 8);
        SetWidths(g, {65, 65});
        g.SetRowText(0, ",応力度");
        g.SetColText(0, "区分,曲げﾓｰﾒﾝﾄ,せん断力,断面係数,断面積,引張り応力,せん断応力,判定");
    }

    {
        StringGridContent& g = Fresh(store, "StringGrid3", 3, 10);
        SetWidths(g, {67, 60, 60});
        g.SetRowText(0, ",中間部,固定部");
        g.SetColText(0,
                     "位置,高さ(H),軸方向力N,Σﾓｰﾒﾝﾄ,作用位置(d),偏心距離(e),躯体幅(B),"
                     "応力度σc1,応力度σc2,判定");
    }

    {
        StringGridContent& g = Fresh(store, "StringGrid15", 3, 8);
        SetWidths(g, {75, 70, 75});
        g.SetRowText(0, ",応力度,許容応力度");
        g.SetColText(0, "区分,曲げﾓｰﾒﾝﾄ,せん断力,断面係数,断面積,引張応力,せん断応力,判定");
    }
}

struct SeriesSetUp {
    const char* Name;
    const char* Title;
    int Width;
    bool Marks;
    bool InLegend;
};

void AddSeries(Chart& chart, std::initializer_list<SeriesSetUp> setUps) {
    for (const SeriesSetUp& setUp : setUps) {
        ChartSeries& s = chart.Get(setUp.Name);
        s.Title = setUp.Title;
        s.LineWidth = setUp.Width;
        s.MarksVisible = setUp.Marks;
        s.ShowInLegend = setUp.InLegend;
        s.Font = MarkFont{};
        s.Clear();
    }
}

void SetUpCharts(ResultsStore& store) {
    const std::pair<const char*, const char*> titles[] = {
        {"Chart2", "図：擁壁外形図(mm)"},   {"Chart4", "図：点番号図"},
        {"Chart12", "図：点番号図"},        {"Chart5", "図：すべり角～土圧"},
        {"Chart11", "図：地盤反力"},        {"Chart1", "図：荷重図(安定計算時)"},
        {"Chart3", "図：たて壁固定部縁応力度"}, {"Chart6", "図：つま先版地盤反力"},
        {"Chart7", "図：踵版地盤反力"},     {"Chart8", "図：底版地盤反力"},
    };
    for (const auto& [name, title] : titles) {
        Chart& c = store.GetChart(name);
        c.Title = title;
        c.Legend = false;
    }

    for (const char* name : {"Chart3", "Chart6", "Chart7", "Chart8"}) {
        Chart& c = store.GetChart(name);
        c.Bottom.Title = "固定部幅";
        c.Left.Title = "応力度";
    }
    Chart& reaction = store.GetChart("Chart11");
    reaction.Bottom.Title = "幅(m)";
    reaction.Left.Title = "高さ(m)";

    // Outlines are drawn thick and unlabelled; the diagrams carry their values as marks.
    Chart& stem = store.GetChart("Chart3");
    stem.Legend = true;
    AddSeries(stem, {{"Series14", "擁壁", 2, false, true}, {"Series3", "応力度", 1, true, true}});
    AddSeries(store.GetChart("Chart6"),
              {{"Series42", "", 2, false, true}, {"Series43", "", 1, true, true}});
    AddSeries(store.GetChart("Chart7"),
              {{"Series37", "", 2, false, true}, {"Series38", "", 1, true, true}});
    AddSeries(store.GetChart("Chart8"),
              {{"Series39", "", 2, false, true}, {"Series41", "", 1, true, true}});
    AddSeries(reaction, {{"Series31", "", 2, false, true}, {"Series47", "", 1, true, true}});

    Chart& loads = store.GetChart("Chart1");
    loads.Legend = true;
    AddSeries(loads, {
                         {"Series1", "擁壁", 2, false, true},
                         {"Series2", "地盤反力", 1, true, true},
                         {"Series4", "地表", 1, false, true},
                         {"Series5", "すべり面", 1, true, true},
                         {"Series6", "載荷重", 1, true, true},
                         {"Series7", "合力作用点", 1, false, true},
                         {"Series9", "土圧(Ph)", 1, true, true},
                         {"Series10", "中央1/3点", 2, false, true},
                         {"Series11", "中央1/3点", 2, false, true},
                         {"Series12", "土圧(Pv)", 1, true, true},
                         {"Series13", "土圧分布", 1, true, true},
                         {"Series16", "", 2, false, false},
                         {"Series20", "水圧", 1, true, true},
                         {"Series45", "壁面地盤反力", 1, true, true},
                     });
}

}  // namespace

void LayOutStemForceGrid(StringGridContent& grid, std::string_view firstCell, int wallType) {
    const bool leaning = wallType == 1;
    grid.Resize(7, leaning ? 7 : 6);
    SetWidths(grid, {leaning ? 75 : 40, 48, 48, 45, 45, 58, 58});
    grid.SetRowText(0, kForceHeader);
    std::string column0(firstCell);
    column0 += leaning ? ",自重,土圧,水圧,浮力,壁面地盤反力,合計" : ",自重,土圧,水圧,浮力,合計";
    grid.SetColText(0, column0);
}

void SetUpResultsWindow(ResultsStore& store, int wallType) {
    SetUpGrids(store, wallType);
    SetUpCharts(store);
    store.GetCaption("Label24").Text = kLoadNote1;
    store.GetCaption("Label26").Text = kLoadNote2;
}

void ResetResultGrids(ResultsStore& store) {
    for (std::string_view name : kResultGrids) ResetDataCells(store.Grid(name));
}

void ClearWrittenStemForceGrids(ResultsStore& store, int wallType) {
    for (auto [name, firstCell] : {std::pair<std::string_view, std::string_view>{"StringGrid1", "H=1/2"},
                                   {"StringGrid5", "固定部"}}) {
        StringGridContent& g = store.Grid(name);
        // Every run that writes the table puts its section depth into the corner.
        if (g.Cell(0, 0) == firstCell) continue;
        LayOutStemForceGrid(g, firstCell, wallType);
        ResetDataCells(g);
    }
}

void ClearBeforeCalculation(ResultsStore& store) {
    store.List("ListBox21").Clear();
    store.GetChart("Chart11").Clear();
}

}  // namespace stelvar
