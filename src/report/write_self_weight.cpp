// Self-weight by the coordinate method, once for the stability check (the whole wall
// body) and once for the base-slab design (toe and heel slabs measured to the stem).

#include <string>

#include "engine/engine.h"
#include "report/format_number.h"
#include "report/report_colours.h"
#include "report/report_writers.h"
#include "text/cp932.h"

namespace stelvar {
namespace {

enum class WeightKind { Concrete, Water };

// A label padded with spaces to a width counted in Shift-JIS bytes, so that the "=" of
// consecutive lines stands in one column on a fixed-pitch face.
std::string PadRight(std::string_view label, std::size_t width) {
    std::string out(label);
    const std::size_t bytes = Cp932Length(label);
    if (bytes < width) out.append(width - bytes, ' ');
    return out;
}

// One numbered section of a self-weight list: area, weight and first moments of a
// region. A region without area writes nothing and takes no number.
struct RegionListWriter {
    TAntei& a;
    ListBoxContent& list;
    int counter = 0;

    // mode 1: the x centroid only (slabs); mode 2: both centroids (wall body).
    void Lines(std::string_view name, std::string_view title, int mode, WeightKind kind,
               std::string_view weightLabel, std::string_view areaLabel) {
        const RegionResult r = QueryRegion(a, name);
        if (r.A <= 0) return;
        ++counter;
        const double gamma = kind == WeightKind::Concrete ? a.GammaC : a.GammaW;
        list.Add(FormatNumber("0", counter) + std::string(title));
        list.Add("  " + PadRight(areaLabel, 21) + FormatNumber("=0.00m2", r.A));
        list.Add("  " + PadRight(weightLabel, 21) + FormatNumber("=0.00kN", r.A * gamma));
        list.Add(FormatNumber("  Iy(y軸の断面1次ﾓｰﾒﾝﾄ)=0.00m3", r.A * r.Xc));
        if (mode == 2) list.Add(FormatNumber("  Ix(x軸の断面1次ﾓｰﾒﾝﾄ)=0.00m3", r.A * r.Yc));
        list.Add(FormatNumber("  x (図心)=Iy/A        =0.000m", r.Xc));
        if (mode == 2) list.Add(FormatNumber("  y (図心)=Ix/A        =0.000m", r.Yc));
        list.Add("");
    }

    void UnitWeights() {
        list.Add("ここに");
        list.Add(FormatNumber("  γc(ｺﾝｸﾘｰﾄ単位重量)  =0.00kN", a.GammaC));
        if (a.WaterOn == 1) list.Add(FormatNumber("  γw(水の単位重量)    =0.00kN", a.GammaW));
    }
};

// Corner coordinates of regions, one block after the other: a header row with the
// region's title, then one row per corner. The grid's rows end after the last block.
struct RegionGridWriter {
    TAntei& a;
    StringGridContent& grid;
    int lastRow = -1;

    void Rows(std::string_view name, std::string_view title) {
        const RegionResult r = QueryRegion(a, name);
        const int n = r.Count;
        if (n <= 0) return;
        ++lastRow;
        grid.SetRowText(lastRow, std::string(title) + ",座標x(m),座標y(m)");
        for (int i = 0; i < n; ++i) {
            ++lastRow;
            const auto k = static_cast<std::size_t>(i);
            grid.SetCell(0, lastRow, FormatNumber("0", i));
            grid.SetCell(1, lastRow, GridNumber("0.000", r.X[k]));
            grid.SetCell(2, lastRow, GridNumber("0.000", r.Y[k]));
        }
        grid.Resize(grid.ColCount, lastRow + 1);
    }
};

// The region's outline with its corner numbers; the closing corner has no number.
void RegionPlot(TAntei& a, ChartSeries& s, std::string_view name) {
    s.Clear();
    s.MarksVisible = true;
    const RegionResult r = QueryRegion(a, name);
    const auto n = static_cast<std::size_t>(r.Count);
    for (std::size_t i = 0; i < r.X.size(); ++i)
        s.Add(r.X[i], r.Y[i], i < n ? FormatNumber("0", static_cast<double>(i)) : std::string(" "));
}

// The water level behind the wall: a short level line with a small inverted triangle,
// one metre wide from the foot of the back face.
void WaterLevelMark(const TAntei& a, ChartSeries& s) {
    s.Clear();
    s.SeriesColour = report_colours::Ink(a.Settings, report_colours::clAqua);
    s.MarksVisible = true;
    const double left = static_cast<float>(a.PointX[6]);
    const double right = left + 1;
    const double mid = (left + right) / 2;
    const double d = (right - left) / 10;
    const double y = a.Hw;
    s.Add(left + (right - left) / 5, y, " ");
    s.Add(mid, y, " ");
    s.Add(mid - d, y + 2 * d, " ");
    s.Add(mid + d, y + 2 * d, " ");
    s.Add(mid, y, " ");
    s.Add(left + 4 * (right - left) / 5, y, " ");
}

// Both point-number figures show the same frame around the wall.
void SetPointFigureRange(const TAntei& a, Chart& c) {
    const double xmax = a.WallType == 0 ? a.PointX[6] + 1.2 : a.PointX[5] + 0.5;
    c.SetRange(xmax, -0.5, a.PointY[5] + 0.5, a.PointY[12] - 1);
}

void WriteStabilityTab(TAntei& a, ResultsStore& store) {
    using report_colours::Ink;
    Chart& c = store.GetChart("Chart4");
    c.TitleColour = Ink(a.Settings, clMaroon);
    c.Get("Series17").SeriesColour = clBlack;
    c.Get("Series32").SeriesColour = Ink(a.Settings, report_colours::clAqua);
    SetPointFigureRange(a, c);
    c.Clear();

    const bool water = a.WaterOn == 1;
    RegionGridWriter grid{a, store.Grid("StringGrid2")};
    grid.Rows("W_A", "躯体");
    RegionPlot(a, c.Get("Series17"), "W_A");
    if (water) {
        grid.Rows("W_FA", "躯体浮力");
        WaterLevelMark(a, c.Get("Series32"));
    }

    ListBoxContent& l = store.List("ListBox6");
    l.Clear();
    RegionListWriter list{a, l};
    ++list.counter;
    l.Add(FormatNumber("0", list.counter) + ".荷重の計算");
    l.Add("  座標法により、荷重を求める。");
    l.Add("　図形の折点(0,1,2...i,i+1,...N)の各座標");
    l.Add("　値を(x[i],y[i])とすると");
    l.Add("　  A (断面積)");
    l.Add("    Iy(y軸に関する断面1次ﾓｰﾒﾝﾄ)");
    l.Add("    Ix(x軸に関する断面1次ﾓｰﾒﾝﾄ)");
    l.Add("  は、次式で求められる。");
    l.Add("  A = 1/2･Σ(xi1･yi-xi･yi1)");
    l.Add("  Iy=-1/2･Σ(yi1-yi){xi^2+1/3･(xi1-xi)(xi1+2･xi)}");
    l.Add("  Ix= 1/2･Σ(xi1-xi){yi^2+1/3･(yi1-yi)(yi1+2･yi)}");
    l.Add("  ここに");
    l.Add("    xi1=x[i+1] , xi=x[i]");
    l.Add("    yi1=y[i+1] , yi=y[i]");
    l.Add("  座標法による計算結果を下記に示す。");
    l.Add("");

    list.Lines("W_A", ".躯体重量の計算", 2, WeightKind::Concrete, "W (擁壁重量)=γc･A",
               "A (擁壁躯体面積)");
    if (water)
        list.Lines("W_FA", ".躯体浮力の計算", 2, WeightKind::Water, "W (擁壁浮力)=γw･A",
                   "A (擁壁躯体面積)");
    list.UnitWeights();
}

void WriteSlabTab(TAntei& a, ResultsStore& store) {
    using report_colours::Ink;
    Chart& c = store.GetChart("Chart12");
    c.TitleColour = Ink(a.Settings, clMaroon);
    c.Get("Series33").SeriesColour = clBlack;
    c.Get("Series34").SeriesColour = Ink(a.Settings, report_colours::clRed);
    c.Get("Series35").SeriesColour = Ink(a.Settings, report_colours::clRed);
    c.Get("Series36").SeriesColour = Ink(a.Settings, report_colours::clAqua);
    SetPointFigureRange(a, c);
    c.Clear();

    StringGridContent& g = store.Grid("StringGrid4");
    ListBoxContent& l = store.List("ListBox21");
    RegionPlot(a, c.Get("Series33"), "W_A");

    if (a.PointY[1] <= 0) {
        // No base slab: nothing to tabulate.
        g.Resize(g.ColCount, 5);
        g.SetRowText(0, "躯体,座標x(m),座標y(m)");
        for (int row = 1; row <= 4; ++row) g.SetRowText(row, "*,*,*");
        l.Clear();
        l.Add("底版なし。");
        return;
    }

    const bool gravity = a.WallType == 0;
    const bool water = a.WaterOn == 1;
    RegionGridWriter grid{a, g};
    grid.Rows("T_M", "つま先M");
    RegionPlot(a, c.Get("Series34"), "T_M");
    if (gravity) {
        grid.Rows("K_M", "かかとM");
        RegionPlot(a, c.Get("Series35"), "K_M");
    }
    if (water) {
        grid.Rows("T_FM", "つま先M浮力");
        if (gravity) grid.Rows("K_FM", "かかとM浮力");
        WaterLevelMark(a, c.Get("Series36"));
    }

    l.Clear();
    RegionListWriter list{a, l};
    list.Lines("T_M", ".つま先版(M:ﾓｰﾒﾝﾄ計算用)重量の計算", 1, WeightKind::Concrete,
               "W(つま先版重量)=γc･A", "A(つま先版面積)");
    if (gravity)
        list.Lines("K_M", ".かかと版(M:ﾓｰﾒﾝﾄ計算用)重量の計算", 1, WeightKind::Concrete,
                   "W(かかと版重量)=γc･A", "A(かかと版面積)");
    if (water) {
        list.Lines("T_FM", ".つま先版(M:ﾓｰﾒﾝﾄ計算用)浮力の計算", 1, WeightKind::Water,
                   "W(つま先版浮力)=γw･A", "A(つま先版面積)");
        if (gravity)
            list.Lines("K_FM", ".かかと版(M:ﾓｰﾒﾝﾄ計算用)浮力の計算", 1, WeightKind::Water,
                       "W(かかと版浮力)=γw･A", "A(かかと版面積)");
    }
    list.UnitWeights();
}

}  // namespace

void WriteSelfWeightReport(TAntei& a, ResultsStore& store) {
    WriteStabilityTab(a, store);
    WriteSlabTab(a, store);
}

}  // namespace stelvar
