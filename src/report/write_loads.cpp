// Section "Ⅱ-2．荷重計算": the trial-wedge earth pressure with its slip-angle chart, the
// other loads and the table of the loads at the base.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "engine/engine.h"
#include "report/format_number.h"
#include "report/report_colours.h"
#include "report/report_writers.h"

namespace stelvar {
namespace {

constexpr double kPi = std::numbers::pi;

double Deg(double radians) { return radians * 180 / kPi; }

// The submerged unit weight of soil is its unit weight less this fixed value.
constexpr double kWaterReduction = 9.0;

// The ordinary-case formulas hold also for the seismic model that keeps the ordinary
// earth pressure (the body's inertia alone is seismic).
bool OrdinaryEarthPressure(const TTeisu& t) { return t.LoadCase == 0 || t.SeismicMode == 1; }

void WriteEarthPressureLines(const TAntei& a, ListBoxContent& l) {
    l.Clear();
    l.Add("土圧は試行くさび法により求める。");
    l.Add("");
    l.Add("最大土圧(Pa)は、次式で求める。");
    if (OrdinaryEarthPressure(a)) {
        l.Add("    W･sin(ω-φ)-c･L･cosφ");
        l.Add(FormatNumber("Pa=------------------------=0.00kN", a.Pa));
        l.Add("      cos(ω-φ-α-δ)");
    } else {
        l.Add("    W･secθsin(ω-φ+θ)-c･L･cosφ");
        l.Add(FormatNumber("Pa=-------------------------------=0.00kN", a.Pa));
        l.Add("           cos(ω-φ-α-δ)");
        l.Add("ここに");
        l.Add(FormatNumber("  θ=Arctan(kh)           =0.00度", Deg(std::atan(a.Kh))));
        l.Add(FormatNumber("  Kh(水平震度)            =0.00", a.Kh));
    }
    l.Add("");
    if (a.Q > 0) l.Add(FormatNumber("q(載荷重)                 =0.00kN/m2", a.Q));
    l.Add("");
    l.Add("ω(すべり角)を変化させ、最大土圧を求める。");
    l.Add("計算結果は、下記のとおり。(図4参照)");
    l.Add("");
    l.Add(FormatNumber("  W (すべり土塊の重量)    =0.00kN", a.W));
    if (a.Uv > 0) {
        l.Add("    W=Wd-Uv");
        l.Add(FormatNumber("      Wd(浮力無視重量)    =0.00kN", a.Wd));
        l.Add("               γw･Hw^2");
        l.Add(FormatNumber("      Uv(浮力)=---------  =0.00kN", a.Uv));
        l.Add("                2･tanω");
        l.Add(FormatNumber("       γw(水の単位重量)  =0.00kN/m3", a.GammaW));
        l.Add(FormatNumber("        Hw(水深)          =0.000m", a.Hw));
    }
    l.Add(FormatNumber("  ω(すべり角)            =0.00rad", a.Omega) +
          FormatNumber("=0.00度", Deg(a.Omega)));
    l.Add(FormatNumber("  φ(背面土せん断抵抗角)  =0.00度", Deg(a.Phi)));
    l.Add("  α(壁面が鉛直となす角)  =" + FormatNumber("0.00度", Deg(a.Alpha)));
    l.Add(FormatNumber("  δ(壁面摩擦角)          =0.00度", Deg(a.Delta)));
    l.Add(FormatNumber("  c (粘着力)              =0.00kN/m2", a.C));
    if (a.C > 0) {
        l.Add("              2･C     π   φ     Q");
        l.Add(FormatNumber("  Zc(粘着高)=----･tan(---＋---)- --- =0.000m", a.Zc));
        l.Add("              γs      4    2    γs");
    }
    if (a.Hc > 0) l.Add(FormatNumber("  hc       =Cosα･Cosβ/Cos(α+β)･Zc=0.000m", a.Hc));
    l.Add(FormatNumber("  Ｌ(滑り面長)            =0.000m", a.LSlip));
    l.Add("");
    l.Add("Ph(水平土圧)=Pa･cos(α+δ)=" + FormatNumber("0.00kN", a.Ph));
    l.Add("Pv(鉛直土圧)=Pa･sin(α+δ)=" + FormatNumber("0.00kN;-0.00kN", a.Pv));
    l.Add(FormatNumber(" y(水平土圧の作用点)      =0.000m", a.YPh));
    l.Add(FormatNumber(" x(鉛直土圧の作用点)      =0.000m", a.XPv));
}

void WritePassiveLines(const TAntei& a, ListBoxContent& l) {
    // Cohesion gives the embedment ground a passive resistance even when the option is
    // off; it is reported whenever it exists.
    if (!a.Settings.PassiveOn && a.Pp <= 0) {
        l.Add("①受働土圧(Pp)：なし");
        l.Add("");
        return;
    }
    const double h0 = a.PointY[24];
    l.Add("①受働土圧(Pp)");
    if (a.WaterOn == 1) {
        l.Add(FormatNumber("  Pp=Kp･Σγs･H+2･C√Kp=0.00kN", a.Pp));
        l.Add("");
        l.Add("  ここに");
        l.Add(FormatNumber("    γs(土の湿潤重量) =0.00kN/m3", a.GammaS));
        l.Add(FormatNumber("    γw(土の水中重量) =0.00kN/m3", a.GammaS - kWaterReduction));
        l.Add(FormatNumber("    H1 (γ の層厚)    =0.000m", std::max(0.0, h0 - a.Hw)));
        l.Add(FormatNumber("    H2 (γwの層厚)    =0.000m", std::min(a.Hw, h0)));
    } else {
        l.Add("        γs･H^2");
        l.Add(FormatNumber("  Pp=Kp･-------+2･C√Kp=0.00kN", a.Pp));
        l.Add("           2");
        l.Add("");
        l.Add("  ここに");
        l.Add(FormatNumber("    γs(土の湿潤重量) =0.00kN/m3", a.GammaS));
        l.Add(FormatNumber("    H (有効根入長)    =0.000m", h0));
    }
    if (OrdinaryEarthPressure(a)) {
        l.Add("        1+sinφ");
        l.Add(FormatNumber("    Kp=-----------   =0.00", a.Kp));
        l.Add("        1-sinφ");
    } else {
        l.Add("           [cos(φ-θ)]^2");
        l.Add(FormatNumber(" Kp=------------------------------=0.00", a.Kp));
        l.Add("       2        sinφ･sin(φ-θ)      ");
        l.Add("    cos(θ)[1-√----------------]^2");
        l.Add("                   cos(-θ)");
    }
    l.Add("");
}

void WriteOtherLoadLines(const TAntei& a, ListBoxContent& l) {
    l.Clear();
    WritePassiveLines(a, l);

    if (a.WaterOn == 1) {
        l.Add("②水圧");
        l.Add("           γw･Hw^2");
        l.Add(FormatNumber("  Pw(水圧)=---------  =0.00kN", a.Pw));
        l.Add("               2");
        l.Add(FormatNumber("  M(ﾓｰﾒﾝﾄ)=Pw･Hp      =0.00kNm", a.MPw));
        l.Add("  ここに");
        l.Add(FormatNumber("    γw(単位重量)     =0.0kN/m3", a.GammaW));
        l.Add(FormatNumber("    Hw(水深)          =0.000m", a.Hw));
        l.Add(FormatNumber("    Hp(作用点)        =0.000m", a.HpW));
    } else {
        l.Add("②水圧        ：なし ");
    }
    l.Add("");

    if (a.Settings.WindOn) {
        l.Add("③風荷重");
        l.Add(FormatNumber("  Pf(風荷重)=H･P      =0.00kN", a.WindForce));
        l.Add(FormatNumber("  M(ﾓｰﾒﾝﾄ)  =Pf･Hp    =0.00kNm", a.WindMoment));
        l.Add("  ここに");
        l.Add(FormatNumber("    P(荷重強度)       =0.00kN/m2", a.PWind));
        l.Add(FormatNumber("    H(遮音壁高)       =0.000m", a.H2));
        l.Add(FormatNumber("    Hp(作用点)        =0.000m", a.WindArm));
    } else {
        l.Add("③風荷重      ：なし ");
    }
    l.Add("");

    if (a.Settings.CollisionOn) {
        l.Add("④衝突荷重");
        l.Add(FormatNumber("  Pf(衝突荷重)=P/L    =0.00kN", a.CollisionForce));
        l.Add(FormatNumber("  M (ﾓｰﾒﾝﾄ)   =Pf･Hp  =0.00kNm", a.CollisionMoment));
        l.Add("  ここに");
        l.Add(FormatNumber("    P (衝突荷重)      =0.00kN", a.Pcol));
        l.Add(FormatNumber("    L (擁壁長)        =0.000m", a.Lc));
        l.Add(FormatNumber("    Hp(作用点)        =0.000m", a.H3));
    } else {
        l.Add("④衝突荷重    ：なし ");
    }
    l.Add("");

    if (a.WaterOn == 1) {
        l.Add("⑤浮力");
        l.Add("  擁壁の浮力");
        l.Add(FormatNumber("    Pv(浮力)          =0.00kN", a.U));
        l.Add(FormatNumber("    x (作用位置)      =0.000m", a.XU));
        l.Add(FormatNumber("    M (ﾓｰﾒﾝﾄ)=Pv･x    =0.00kNm", a.MU));
        l.Add("");
    } else {
        l.Add("⑤浮力        ：なし ");
    }
}

// Thrust against slip angle for the whole wall, with the search's result marked.
void FillSlipAngleChart(TAntei& a, Chart& c) {
    using report_colours::Ink;
    c.Left.Min = 0;
    c.Left.Max = 1.1 * a.Pa;
    c.Left.RangeSet = true;
    c.TitleColour = Ink(a.Settings, clMaroon);
    // Adding a series may move the others: both exist before either is held.
    c.Get("Series44");
    c.Get("Series8");
    ChartSeries& curve = c.Get("Series44");
    ChartSeries& marker = c.Get("Series8");
    curve.SeriesColour = Ink(a.Settings, report_colours::clRed);
    curve.Clear();
    marker.Clear();
    curve.MarksVisible = true;
    marker.MarksVisible = true;

    const SlipAngleChart points = SlipAngleChartPoints(a);
    c.Bottom.Min = points.OmegaMin;
    c.Bottom.Max = points.OmegaMax;
    c.Bottom.RangeSet = true;

    const Colour red = Ink(a.Settings, report_colours::clRed);
    const Colour blue = Ink(a.Settings, report_colours::clBlue);
    for (const ChartPoint& p : points.Curve) curve.Add(p.X, p.Y, FormatNumber("0", Deg(p.X)), red);
    if (points.Marker.size() == 2) {
        const ChartPoint& foot = points.Marker[0];
        const ChartPoint& top = points.Marker[1];
        marker.Add(foot.X, foot.Y, FormatNumber("0.00度", Deg(foot.X)), blue);
        marker.Add(top.X, top.Y, FormatNumber("0.00kN", top.Y), blue);
    }
}

// One row of the load table; the no-value marker leaves "---" in its cell.
void LoadRow(StringGridContent& g, int row, double v, double h, double x, double y, double vx,
             double hy) {
    g.SetCell(1, row, GridNumber("0.00kN", v));
    g.SetCell(2, row, GridNumber("0.00kN", h));
    g.SetCell(3, row, GridNumber("0.000m", x));
    g.SetCell(4, row, GridNumber("0.000m", y));
    g.SetCell(5, row, GridNumber("0.00kNm", vx));
    g.SetCell(6, row, GridNumber("0.00kNm", hy));
}

}  // namespace

std::string GridNumber(std::string_view pattern, double value) {
    return value == kNoValue ? std::string("---") : FormatNumber(pattern, value);
}

void WriteEarthPressureReport(TAntei& a, ResultsStore& store) {
    WriteEarthPressureLines(a, store.List("ListBox1"));
    WriteOtherLoadLines(a, store.List("ListBox2"));
    FillSlipAngleChart(a, store.GetChart("Chart5"));
}

void WriteLoadTable(const TAntei& a, ResultsStore& store) {
    StringGridContent& g = store.Grid("StringGrid6");
    constexpr double none = kNoValue;
    LoadRow(g, 1, a.WallWeight, a.HW, a.XW, a.YW, a.MW, a.MHW);
    LoadRow(g, 2, a.Pv, a.Ph, a.XPv, a.YPh, a.MPv, a.MPh);
    if (a.Pp > 0) {
        // Not part of the totals, hence in parentheses.
        LoadRow(g, 3, none, none, none, none, none, none);
        std::string passive = "(";
        passive += FormatNumber("0.00kN", a.Pp);
        passive += ")";
        g.SetCell(2, 3, std::move(passive));
    }
    if (a.Pw > 0) {
        LoadRow(g, 4, none, a.Pw, none, a.HpW, none, a.MPw);
        LoadRow(g, 5, -a.U, none, a.XU, none, -a.MU, none);
    }
    if (a.WindForce > 0) LoadRow(g, 6, none, a.WindForce, none, a.WindArm, none, a.WindMoment);
    if (a.CollisionForce > 0)
        LoadRow(g, 7, none, a.CollisionForce, none, a.H3, none, a.CollisionMoment);
    LoadRow(g, 8, a.Vo, a.Ho, none, none, a.Mr, a.Mo);
}

}  // namespace stelvar
