#include "report/coefficient_tables.h"

#include <cmath>
#include <numbers>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

#include "engine/engine.h"
#include "engine/keisu.h"
#include "forms/coefficient_tool.h"
#include "report/format_number.h"
#include "report/report_colours.h"
#include "text/number.h"

namespace stelvar {

namespace ctab = coefficient_tables;
namespace ct = coefficient_tool;

namespace {

constexpr double kPi = std::numbers::pi;

// Sizes of the tables: ratios 0 … 1.0 beside the slope and coefficient columns; φ = 0°
// … 45° beside the θ column, θ = 0° … 45° under the header row.
constexpr int kEarthPressureColumns = 13;
constexpr int kEarthPressureRows = 13;
constexpr int kFirstRatioColumn = 2;
constexpr int kFactorColumns = 11;
constexpr int kFactorRows = 11;

const char* const kSlopeTexts[] = {"1:1.5", "1:1.8", "1:2.0", "1:3.0"};
const char* const kCoefficientNames[] = {"Ka", "Kah", "Kav"};
const char* const kHorizontalTitles[] = {"Kh 1:1.5", "Kh 1:1.8", "Kh 1:2.0", "Kh 1:3.0"};
const char* const kVerticalTitles[] = {"Kv 1:1.5", "Kv 1:1.8", "Kv 1:2.0", "Kv 1:3.0"};

StringGridContent MakeGrid(int columns, int rows) {
    StringGridContent g;
    g.Resize(columns, rows);
    return g;
}

ChartSeries& AddSeries(Chart& chart, std::string_view name, std::string title, Colour colour) {
    ChartSeries& s = chart.Get(name);
    s.Title = std::move(title);
    s.SeriesColour = colour;
    return s;
}

// A factor page's chart: θ from 0° to 50° along the bottom, the factor on a logarithmic
// left axis over the given range; a curve series with a label per φ and a series
// joining the curves' last points.
Chart FactorChart(std::string_view name, std::string title, std::string factor, double yMin, double yMax,
                  std::string_view curve, std::string_view ends) {
    Chart c;
    c.Name = std::string(name);
    c.Title = std::move(title);
    c.Bottom.Title = "傾斜角θ";
    c.Left.Title = std::move(factor);
    c.Left.Logarithmic = true;
    c.SetRange(50, 0, yMax, yMin);
    AddSeries(c, curve, "", clBlack).MarksVisible = true;
    AddSeries(c, ends, "", clBlack);
    return c;
}

// A setting of the tool read as a number and held to a range every real backfill lies
// in: beyond it the trial wedge would search for minutes (φ of -1e14°) or overflow.
double Ranged(const ControlSource& tool, std::string_view name, std::string_view caption,
              double low, double high) {
    const double v = StrToFloat(tool.Text(name));
    if (!(v >= low && v <= high)) {
        std::ostringstream message;
        message << "[" << caption << "]の値が範囲外です。\r" << low << "～" << high
                << "の範囲で入力して下さい。";
        throw std::out_of_range(message.str());
    }
    return v;
}

// The settings of the tool in a fresh calculation object; nothing but them is set.
TKeisu ToolSettings(const ControlSource& tool, const ControlSource& conditions) {
    TKeisu k{};
    k.GammaS = Ranged(tool, ct::kGamma, "単位重量 γ(kN/m3)", 0, 100);
    k.C = Ranged(tool, ct::kCohesion, "粘着力 C(kN/m2)", 0, 10000);
    k.Phi = Ranged(tool, ct::kPhi, "せん断抵抗角 φ(度)", 0, 89) * kPi / 180;
    k.GammaW = 10.0;
    k.Q = 0.0;
    k.QSlope = 0.0;
    k.SwSlope = 0.0;
    k.SwFlat = 0.0;
    k.SurchargeMode = 0;
    k.LoadCase = tool.Index(ct::kDesignCase) == 1 ? 1 : 0;
    if (k.LoadCase == 1) {
        k.SeismicMode = 2;
        k.Kh = Ranged(tool, ct::kKh, "kh", 0, 10);
        k.Theta = std::atan(k.Kh);
    }
    switch (tool.Index(ct::kWallTypes)) {
    case ct::kBatteredGravityPage:
        k.Alpha = std::atan(Ranged(tool, ct::kGravityBatter, "背面勾配", -10, 10));
        break;
    case ct::kLeaningPage:
        k.Alpha = std::atan(Ranged(tool, ct::kLeaningBatter, "背面勾配", -10, 10));
        break;
    default:
        k.Alpha = 0.0;
        break;
    }
    k.Settings.UseCrackHeight = conditions.Checked("CheckBox7");
    return k;
}

// No value of a factor for the inclination: −9 for Nc and Nq, 0 for Nγ.
struct FactorPage {
    StringGridContent& Grid;
    Chart& Plot;
    std::string_view Curve;
    std::string_view Ends;
    double NoValue;
    double (*Factor)(int phiDeg, double tanTheta);
};

double Nc(int phiDeg, double tanTheta) { return BearingFactorNc(tanTheta, phiDeg * kPi / 180).Value; }
// Mode 1 with a cohesive ground: a load steeper than φ has no Nq at once.
double Nq(int phiDeg, double tanTheta) {
    return BearingFactorNq(1, phiDeg * kPi / 180, tanTheta, 22.8, 20.0).Value;
}
double Ngamma(int phiDeg, double tanTheta) { return BearingFactorNgamma(phiDeg, tanTheta); }

void FillFactorPage(const FactorPage& page) {
    ChartSeries& curve = page.Plot.Get(page.Curve);
    ChartSeries& ends = page.Plot.Get(page.Ends);
    // Both series start empty, so that filling the page again draws each curve once.
    ends.Clear();
    curve.Clear();
    for (int phi = 0; phi <= 45; phi += 5) {
        const int column = phi / 5 + 1;
        page.Grid.SetCell(column, 0, FormatNumber("φ#0.0", phi));
        double previous = 0.0;
        for (int theta = 0; theta <= 50; ++theta) {
            const double factor = page.Factor(phi, std::tan(theta * kPi / 180));
            if (factor == page.NoValue) {
                if (theta >= 5) ends.Add(theta - 1, previous, " ");
                break;
            }
            curve.Add(theta, factor, theta == phi / 2 ? "φ" + std::to_string(phi) + "°" : " ");
            const int row = theta / 5 + 1;
            if (theta % 5 == 0 && row < page.Grid.RowCount) {
                page.Grid.SetCell(0, row, FormatNumber("θ##0.0", theta));
                page.Grid.SetCell(column, row, FormatNumber("##0.00", factor));
            }
            previous = factor;
        }
        curve.AddNull();
    }
}

}  // namespace

CoefficientTables::CoefficientTables()
    : StringGrid1(MakeGrid(kEarthPressureColumns, kEarthPressureRows)),
      StringGrid3(MakeGrid(kFactorColumns, kFactorRows)),
      StringGrid2(MakeGrid(kFactorColumns, kFactorRows)),
      StringGrid4(MakeGrid(kFactorColumns, kFactorRows)) {
    StringGrid1.SetColWidth(0, 44);
    StringGrid1.SetColWidth(1, 36);
    for (int c = kFirstRatioColumn; c < kEarthPressureColumns; ++c) StringGrid1.SetColWidth(c, 44);

    Chart1.Name = std::string(ctab::kEarthPressureChart);
    Chart1.Title = "H1/H～土圧係数";
    Chart1.Left.Title = "土圧係数（Kh Kv）";
    Chart1.Bottom.Title = "H1/H";
    Chart1.Legend = true;
    for (std::size_t i = 0; i < 4; ++i)
        AddSeries(Chart1, ctab::kHorizontalSeries[i], kHorizontalTitles[i], report_colours::clBlue);
    for (std::size_t i = 0; i < 4; ++i)
        AddSeries(Chart1, ctab::kVerticalSeries[i], kVerticalTitles[i], report_colours::clBlue);

    Chart3 = FactorChart(ctab::kNcChart, "支持力係数　Nc", "Nc", 1, 200, "Series11", "Series12");
    Chart4 = FactorChart(ctab::kNqChart, "支持力係数　Nq", "Nq", 0.5, 200, "Series13", "Series14");
    Chart2 = FactorChart(ctab::kNgammaChart, "支持力係数　Nγ", "Nγ", 0.1, 300, "Series9", "Series10");
}

StringGridContent& CoefficientTables::Grid(std::string_view name) {
    return const_cast<StringGridContent&>(std::as_const(*this).Grid(name));
}

const StringGridContent& CoefficientTables::Grid(std::string_view name) const {
    if (name == ctab::kEarthPressureGrid) return StringGrid1;
    if (name == ctab::kNcGrid) return StringGrid3;
    if (name == ctab::kNqGrid) return StringGrid2;
    if (name == ctab::kNgammaGrid) return StringGrid4;
    throw std::out_of_range("the coefficient tool has no grid '" + std::string(name) + "'");
}

Chart& CoefficientTables::GetChart(std::string_view name) {
    return const_cast<Chart&>(std::as_const(*this).GetChart(name));
}

const Chart& CoefficientTables::GetChart(std::string_view name) const {
    if (name == ctab::kEarthPressureChart) return Chart1;
    if (name == ctab::kNcChart) return Chart3;
    if (name == ctab::kNqChart) return Chart4;
    if (name == ctab::kNgammaChart) return Chart2;
    throw std::out_of_range("the coefficient tool has no chart '" + std::string(name) + "'");
}

void WriteCoefficientTableHeaders(CoefficientTables& tables) {
    StringGridContent& g = tables.StringGrid1;
    g.SetCell(0, 0, "勾配");
    g.SetCell(1, 0, "係数");
    for (int slope = 0; slope < 4; ++slope) {
        g.SetCell(0, 1 + 3 * slope, kSlopeTexts[slope]);
        for (int k = 0; k < 3; ++k) g.SetCell(1, 1 + 3 * slope + k, kCoefficientNames[k]);
    }
}

void ComputeCoefficientTable(CoefficientTables& tables, const ControlSource& tool,
                             const ControlSource& conditions) {
    TKeisu k = ToolSettings(tool, conditions);
    const BackFaceKind kind = tool.Index(ct::kWallTypes) == ct::kInvertedTPage ? BackFaceKind::VirtualBackFace
                                                                               : BackFaceKind::RealBackFace;
    constexpr int kEmbankment = 3;
    const double H = ctab::kWallHeight;

    Chart& chart = tables.Chart1;
    chart.Clear();
    StringGridContent& grid = tables.StringGrid1;

    double h1 = 0.0;
    double r = 0.0;
    int column = kFirstRatioColumn;
    // The embankment grows by repeated addition of 0.1, so the heights carry the sum's
    // rounding: the 12th is 1.0999999999999999 and still passes, the 13th (1.2) ends it.
    while (r <= 1.1) {
        r = h1 / H;
        // The table holds the ratios 0 … 1.0; the chart takes every pass.
        const bool inTable = column < grid.ColCount;
        if (inTable) grid.SetCell(column, 0, FormatNumber("0.00", r));
        const std::string label = FormatNumber("0.0", r);
        for (std::size_t slope = 0; slope < 4; ++slope) {
            k.N = ctab::kSlopes[slope];
            k.Beta = std::atan(1 / k.N);
            TrialWedgeSearch(k, kind, kEmbankment, h1, H, H);
            chart.Get(ctab::kHorizontalSeries[slope]).Add(r, k.KaH, label, report_colours::clBlue);
            chart.Get(ctab::kVerticalSeries[slope]).Add(r, k.KaV, label, report_colours::clBlue);
            if (inTable) {
                const int row = 1 + 3 * static_cast<int>(slope);
                grid.SetCell(column, row, FormatNumber("0.000", k.Ka));
                grid.SetCell(column, row + 1, FormatNumber("0.000", k.KaH));
                grid.SetCell(column, row + 2, FormatNumber("0.000", k.KaV));
            }
        }
        column = column + 1;
        h1 = h1 + 0.1;
    }
}

void ComputeBearingFactorTables(CoefficientTables& tables) {
    FillFactorPage({tables.StringGrid3, tables.Chart3, "Series11", "Series12", -9.0, Nc});
    FillFactorPage({tables.StringGrid2, tables.Chart4, "Series13", "Series14", -9.0, Nq});
    FillFactorPage({tables.StringGrid4, tables.Chart2, "Series9", "Series10", 0.0, Ngamma});
}

}  // namespace stelvar
