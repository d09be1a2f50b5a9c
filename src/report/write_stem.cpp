// Section "Ⅳ-1．構造(たて壁)": the explanation of the fixed section's forces, the force
// tables of both sections, the edge-stress text and table, and the stress chart.

#include "report/write_stem.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "report/format_number.h"
#include "report/report_colours.h"
#include "report/report_writers.h"
#include "report/results_setup.h"

namespace stelvar {
namespace {

constexpr double kPi = std::numbers::pi;

double Deg(double radians) { return radians * 180 / kPi; }

double StemHeightOf(const TTeisu& t) { return t.PointY[4] - t.PointY[3]; }

bool Seismic(const TTeisu& t) { return t.LoadCase == 1; }

// Water standing above the stem foot: the part of the water depth the stem carries.
double WaterDepthOnStem(const TTeisu& t) { return std::max(0.0, t.Hw - t.PointY[3]); }

void AddLoadsConsidered(const TTeisu& t, ListBoxContent& l) {
    const bool water = t.WaterOn == 1;
    if (!Seismic(t)) {
        l.Add("  部材設計において考慮する荷重は、");
        l.Add(water ? "  常時土圧、自重、浮力、水圧とする。" : "  常時土圧、自重とする。");
        return;
    }
    // Without inertia of the body ("地震時土圧のみ") only the seismic earth pressure acts.
    const std::string inertia =
        (t.SeismicMode == 1 || t.SeismicMode == 2) ? "、地震時慣性力" : "";
    l.Add("  部材設計において考慮する荷重は、地震時土圧");
    l.Add(std::string(water ? "  自重、浮力、水圧" : "  自重") + inertia + "とする。");
}

void AddOrdinaryPaFormula(double pa, ListBoxContent& l) {
    l.Add("       W･sin(ω-φ)-c･L･cosφ");
    l.Add(FormatNumber("   Pa=------------------------     =0.00kN", pa));
    l.Add("         cos(ω-φ-α-δ)");
}

void AddPaFormula(const TTeisu& t, double pa, ListBoxContent& l) {
    if (!Seismic(t)) {
        AddOrdinaryPaFormula(pa, l);
        return;
    }
    switch (t.SeismicMode) {
        case 1:
            // Ordinary earth pressure with the body's inertia.
            l.Add("");
            AddOrdinaryPaFormula(pa, l);
            l.Add("");
            break;
        case 2:
            l.Add("");
            l.Add("       W･secθsin(ω-φ+θ)-c･L･cosφ");
            l.Add(FormatNumber("   Pa=-------------------------------=0.00kN", pa));
            l.Add("              cos(ω-φ-α-δ)");
            l.Add("");
            l.Add(FormatNumber("   θ(地震合成角)  =Arctan(kh)     =0.00度", Deg(std::atan(t.Kh))));
            break;
        default:
            // Seismic earth pressure alone: the formula block is not printed.
            break;
    }
}

// ListBox8: the earth pressure on the stem and its section forces at the fixed end.
void WriteForceExplanation(const TAntei& a, const StemSection& s, const WedgeSnapshot& w,
                           ListBoxContent& l) {
    const double stemHeight = StemHeightOf(a);
    l.Clear();
    l.Add("1.たて壁の計算");
    l.Add("    躯体の各水平断面においてその断面より上部に");
    l.Add("  作用する土圧と自重によって生じる応力度が許容");
    l.Add("  応力度以下になるように設計する。");
    l.Add("");
    AddLoadsConsidered(a, l);
    l.Add("");
    l.Add("(a)土圧の計算");
    l.Add(FormatNumber("   たて壁の固定端(H=0.000m)における土圧を求める", stemHeight));
    l.Add("   主働土圧は、試行くさび法により求める。");
    l.Add("   尚、土圧合力(Pa)は、壁面に直接作用させる。");
    l.Add("");
    AddPaFormula(a, w.Pa, l);
    l.Add("   Ph(水平土圧)    =Pa･cos(δ+α)  =" + FormatNumber("0.00kN", s.Ph));
    l.Add("   Pv(鉛直土圧)    =Pa･sin(δ+α)  =" + FormatNumber("0.00kN;-0.00kN", s.Pv));
    l.Add("");
    l.Add("   ここに");
    l.Add(FormatNumber("     Ｗ(すべり土塊の重量)          =0.00kN", w.W));
    l.Add(FormatNumber("     ω(すべり角)          =0.00rad", w.Omega) +
          FormatNumber("=0.00度", Deg(w.Omega)));
    l.Add(FormatNumber("     φ(背面土せん断抵抗角)        =0.0度", Deg(a.Phi)));
    l.Add("     α(壁面が鉛直となす角)        =" + FormatNumber("0.00度;-0.00度", Deg(a.Alpha)));
    l.Add(FormatNumber("     δ(壁面摩擦角)                =0.00度", Deg(w.Delta)));
    l.Add(FormatNumber("     c (粘着力)                    =0.0kN/m2", a.C));
    l.Add(FormatNumber("     Ｌ(滑り面長)                  =0.000m", w.LSlip));
    l.Add(FormatNumber("     γs(土の単位重量)             =0.0kN/m3", a.GammaS));
    if (w.Zc > 0) {
        l.Add("               2･C     π   φ     Q");
        l.Add(FormatNumber("   Zc(粘着高)=----･tan(---＋---)- --- =0.000m", w.Zc));
        l.Add("               γs      4    2    γs");
    }
    if (w.Hc > 0) l.Add(FormatNumber("   hc       =Cosα･Cosβ/Cos(α+β)･Zc=0.000m", w.Hc));
    l.Add("");
    l.Add("(b)断面力(土圧)の計算");
    l.Add(FormatNumber("   たて壁の固定端(H=0.000m)における曲げ", stemHeight));
    l.Add("   ﾓｰﾒﾝﾄ(M)及び剪断力(S)は、次式で求める。");
    l.Add("");
    l.Add(FormatNumber("   M(曲げﾓｰﾒﾝﾄ)    =Ph･h           =0.00kN･m", s.MPh));
    l.Add(FormatNumber("   S(剪断力)       =Ph             =0.00kN", s.Ph));
    l.Add("");
    l.Add("   ここに");
    l.Add(FormatNumber("     Ph(水平土圧)  =Pa･cos(δ+α)  =0.00kN", s.Ph));
    l.Add(FormatNumber("     h (土圧作用点)                =0.000m", s.YPa));
}

void AddInertiaBlock(const TTeisu& t, const StemSection& s, ListBoxContent& l) {
    if (!Seismic(t)) {
        l.Add("   常時であり、地震慣性力はない。");
        return;
    }
    if (t.SeismicMode != 1 && t.SeismicMode != 2) {
        l.Add("   地震慣性力は、無視する。");
        return;
    }
    l.Add("   躯体重量は、座標法にて求める。");
    l.Add("   地震慣性力は、次式にて求める。");
    l.Add("");
    l.Add(FormatNumber("   Pv(躯体重量)         =0.00kN", s.W));
    l.Add(FormatNumber("   Ph(地震慣性力)=Pv･Kh =0.00kN", s.HW));
    l.Add(FormatNumber("   Mt(地震ﾓｰﾒﾝﾄ )=Ph･H  =0.00kN", s.MHW));
    l.Add("");
    l.Add("   ここに");
    l.Add(FormatNumber("     Kh(水平震度)       =0.00", t.KhBody));
    l.Add(FormatNumber("     H (慣性力作用点)   =0.000m", s.YW));
}

void AddWaterBlock(const TTeisu& t, const StemSection& s, ListBoxContent& l) {
    const double hw = WaterDepthOnStem(t);
    if (!(hw > 0)) {
        l.Add("   水圧は無い。");
        return;
    }
    l.Add("   水圧は、次式にて求める。");
    l.Add("");
    l.Add("                  Hw^2");
    l.Add(FormatNumber("   Pwh(水圧)=γw･------ =0.00kN", s.Pw));
    l.Add("                   2");
    l.Add("");
    l.Add(FormatNumber("   Pwm(水圧ﾓｰﾒﾝﾄ )=Pwh･H=0.00kNm", s.MPw));
    l.Add("");
    l.Add("   ここに");
    l.Add(FormatNumber("     γw(水の単位重量)  =0.00kN/m3", t.GammaW));
    l.Add(FormatNumber("     Hw (水深)          =0.000m", hw));
    l.Add(FormatNumber("     H  (作用点)=Hw/3   =0.000m", s.HpW));
}

void AddWallFaceBlock(const TAntei& a, const StemSection& s, ListBoxContent& l) {
    l.Add("(e)断面力(壁面地盤反力)の計算");
    l.Add("   Qt(壁面地盤反力)=" + FormatNumber("0.00kN", s.Qt));
    l.Add("   θ(壁面傾斜角)　=" + FormatNumber("0.00度", Deg(a.FaceAngle)));
    l.Add("   Qt_v=Qt･sin(θ) =" + FormatNumber("0.00kN", s.QtV));
    l.Add("   Qt_h=Qt･cos(θ) =" + FormatNumber("0.00kN", s.QtH));
    l.Add("   Qt_x(作用点:x)  =" + FormatNumber("0.000m", s.QtX));
    l.Add("   Qt_y(作用点:y)  =" + FormatNumber("0.000m", s.QtY));
    l.Add("   Qt_Mr=Qt_v･Qt_x =" + FormatNumber("0.00kNm", s.QtMr));
    l.Add("   Qt_Mt=Qt_h･Qt_y =" + FormatNumber("0.00kNm", s.QtMt));
    l.Add("");
    l.Add("   ここに");
    l.Add("   　Qt_v ：Qtの鉛直成分");
    l.Add("   　Qt_h ：Qtの水平成分");
    l.Add("   　Qt_Mr：Qtの抵抗ﾓｰﾒﾝﾄ");
    l.Add("   　Qt_Mt：Qtの転倒ﾓｰﾒﾝﾄ");
    l.Add("");
}

// ListBox19: inertia, water and wall-face reaction of the fixed section.
void WriteOtherForceExplanation(const TAntei& a, const StemSection& s, ListBoxContent& l) {
    l.Clear();
    l.Add("(c)断面力(地震慣性力)の計算");
    AddInertiaBlock(a, s, l);
    l.Add("");
    l.Add("(d)断面力(水圧)の計算");
    AddWaterBlock(a, s, l);
    l.Add("");
    // Only a leaning wall leaning on its backfill (ground-reaction case 6) has one.
    if (s.QtH > 0) AddWallFaceBlock(a, s, l);
    l.Add("以下、同様に各高さの土圧、断面力");
    l.Add("を求める。");
    l.Add("");
    l.Add("計算結果を[表]に示す。");
}

void ForceRow(StringGridContent& g, int row, double v, double h, double x, double y, double vx,
              double hy) {
    g.SetCell(1, row, GridNumber("0.00kN", v));
    g.SetCell(2, row, GridNumber("0.00kN", h));
    g.SetCell(3, row, GridNumber("0.000m", x));
    g.SetCell(4, row, GridNumber("0.000m", y));
    g.SetCell(5, row, GridNumber("0.00kNm", vx));
    g.SetCell(6, row, GridNumber("0.00kNm", hy));
}

// StringGrid1 / StringGrid5: the loads on the stem part above one section. Cells without
// a value keep the run's "---".
void WriteForceTable(const TTeisu& t, const StemSection& s, std::string_view firstCell,
                     StringGridContent& g) {
    LayOutStemForceGrid(g, firstCell, t.WallType);
    g.SetCell(0, 0, FormatNumber("H=0.00m", s.Depth));
    constexpr double none = kNoValue;
    ForceRow(g, 1, s.W, s.HW, s.XW, s.YW, s.MW, s.MHW);
    ForceRow(g, 2, s.Pv, s.Ph, s.XPv, s.YPa, s.MPv, s.MPh);
    if (s.Pw > 0) {
        ForceRow(g, 3, none, s.Pw, none, s.HpW, none, s.MPw);
        ForceRow(g, 4, s.U, none, s.XU, none, s.MU, none);
    }
    if (t.WallType == static_cast<std::int32_t>(WallKind::Leaning)) {
        ForceRow(g, 5, s.QtV, s.QtH, s.QtX, s.QtY, s.QtMr, s.QtMt);
        ForceRow(g, 6, s.V, s.H, none, none, s.Mr, s.Mo);
    } else {
        ForceRow(g, 5, s.V, s.H, none, none, s.Mr, s.Mo);
    }
}

// An edge stress with its limit: compression against σca, tension (printed as its
// magnitude) against σcat.
std::string EdgeStressLine(const TTeisu& t, std::string_view edge, double sigma) {
    std::string line = "　　";
    line += edge;
    if (sigma >= 0) {
        line += "(圧縮応力度)　　　　=";
        line += FormatNumber("0.00N/mm2", sigma);
        line += FormatNumber(sigma > t.SigmaCa ? " (＞σca=0.00N/mm2)" : " (≦σca=0.00N/mm2)",
                             t.SigmaCa);
    } else {
        const bool over = std::fabs(sigma) > std::fabs(t.SigmaCat);
        line += "(引張応力度)　　　　=";
        line += FormatNumber("0.00N/mm2", std::fabs(sigma));
        line += FormatNumber(over ? " (＞σcat=0.00N/mm2)" : " (≦σcat=0.00N/mm2)", t.SigmaCat);
    }
    return line;
}

void AddSectionStresses(const TTeisu& t, const StemSection& s, ListBoxContent& l) {
    const double b = s.Width;
    l.Add(FormatNumber("　高さH=0.000m断面の計算結果を示す。", s.Depth));
    l.Add("");
    l.Add(EdgeStressLine(t, "σc1", s.SigmaC1));
    l.Add(EdgeStressLine(t, "σc2", s.SigmaC2));
    l.Add("　　N(軸方向力)　　　　　　 =" + FormatNumber("#,0.00kN", s.V));
    l.Add("　　A(ｺﾝｸﾘｰﾄ全断面積)       =" + FormatNumber("#,0.000m2", b));
    l.Add("　　W(断面係数)=1.0･B^2/6   =" + FormatNumber("#,0.000m3", b * b / 6));
    l.Add("　　B(照査位置の躯体幅)　　 =" + FormatNumber("#,0.000m", b));
    l.Add("　　　　　　　　　　Mr-Mo");
    l.Add("　　d (作用点位置)=-------　=" + FormatNumber("0.000m;-0.000m", s.D));
    l.Add("　　　　　　　　　　　N");
    l.Add("　　Mr(抵抗ﾓｰﾒﾝﾄ)　　　　　 =" + FormatNumber("0,0.00kNm", s.Mr));
    l.Add("　　Mo(転倒ﾓｰﾒﾝﾄ)　　　　　 =" + FormatNumber("0,0.00kNm", s.Mo));
    l.Add("　　e (偏心距離)　=B/2-d　　=" + FormatNumber("#,0.000m", s.E));
    l.Add("");
    l.Add("");
}

// ListBox14: the edge stresses of both sections against the allowable stresses.
void WriteStressText(const TTeisu& t, const StemSection& mid, const StemSection& fixed,
                     ListBoxContent& l) {
    l.Clear();
    l.Add("(e)応力度計算");
    l.Add("　　ｺﾝｸﾘｰﾄ断面の縁応力度(σc1、σc2)が、");
    l.Add("　　次式を満足するように設計する。");
    l.Add("");
    l.Add("　　　　　　　 N　　　N･e");
    l.Add("　　σc1,σc2=--- ± -----　≦σca,σcat");
    l.Add("　　　　　　　 A　　　 W ");
    l.Add("");
    l.Add("　　ここに");
    l.Add("　　　　σca (許容圧縮応力度)=" + FormatNumber("0.00N/mm2", t.SigmaCa));
    l.Add("　　　　σcat(許容引張応力度)=" + FormatNumber("0.00N/mm2", t.SigmaCat));
    l.Add("");
    AddSectionStresses(t, mid, l);
    AddSectionStresses(t, fixed, l);
    l.Add(" 計算結果を一覧表[表]に示す。");
}

void StressColumn(StringGridContent& g, int col, const StemSection& s) {
    g.SetCell(col, 1, GridNumber("0.000m", s.Depth));
    g.SetCell(col, 2, GridNumber("0.00kN", s.V));
    g.SetCell(col, 3, GridNumber("0.00kNm", s.MrMo));
    g.SetCell(col, 4, GridNumber("0.000m", s.D));
    g.SetCell(col, 5, GridNumber("0.000m", s.E));
    g.SetCell(col, 6, GridNumber("0.000m", s.Width));
    g.SetCell(col, 7, GridNumber("0.00N/mm2", s.SigmaC1));
    g.SetCell(col, 8, GridNumber("0.00N/mm2", s.SigmaC2));
    g.SetCell(col, 9, s.Verdict);
}

// StringGrid3: the stress table, mid-height section in column 1, fixed section in 2.
void WriteStressTable(const StemSection& mid, const StemSection& fixed, StringGridContent& g) {
    g.SetColWidth(0, 67);
    g.SetColWidth(1, 60);
    g.SetColWidth(2, 60);
    g.SetRowText(0, ",中間部,固定部");
    g.SetColText(0,
                 "位置,高さ(H),軸方向力N,Σﾓｰﾒﾝﾄ,作用位置(d),偏心距離(e),躯体幅(B),"
                 "応力度σc1,応力度σc2,判定");
    StressColumn(g, 1, mid);
    StressColumn(g, 2, fixed);
}

// Chart3: the wall outline and the edge stresses of the fixed section, drawn 10 length
// units per N/mm2 below the top of the base slab.
void WriteStressChart(TAntei& a, const StemSection& s, Chart& c) {
    using report_colours::Ink;
    c.Clear();
    // Both series exist before either is held: adding one may not move the other.
    c.Get("Series14");
    c.Get("Series3");
    ChartSeries& outline = c.Get("Series14");
    ChartSeries& stress = c.Get("Series3");
    outline.SeriesColour = clBlack;
    stress.SeriesColour = Ink(a.Settings, report_colours::clRed);

    const double y0 = a.PointY[1];
    c.SetRange(std::max(a.PointX[5], a.PointX[9]) + 0.5, -0.5, a.PointY[5] + 0.5,
               y0 - 10 * std::max(s.SigmaC1, s.SigmaC2) - 0.5);

    const RegionResult body = QueryRegion(a, "W_A");
    for (std::size_t i = 0; i < body.X.size(); ++i) outline.Add(body.X[i], body.Y[i]);

    const double front = a.PointX[3];
    const double back = a.PointX[6];
    stress.Add(front, y0, " ");
    stress.Add(front, y0 - 10 * s.SigmaC1,
               "σc1=" + FormatNumber("0.00N/mm2;-0.00N/mm2", s.SigmaC1));
    stress.Add(back, y0 - 10 * s.SigmaC2,
               "σc2=" + FormatNumber("0.00N/mm2;-0.00N/mm2", s.SigmaC2));
    stress.Add(back, y0, " ");
    stress.Add(front, y0, " ");
}

}  // namespace

void WriteStemReport(TAntei& a, ResultsStore& store) {
    if (!a.StemMid || !a.StemFixed || !a.StemFixedWedge) return;
    const StemSection mid = *a.StemMid;
    const StemSection fixed = *a.StemFixed;

    WriteForceTable(a, mid, "H=1/2", store.Grid("StringGrid1"));
    WriteForceTable(a, fixed, "固定部", store.Grid("StringGrid5"));
    WriteForceExplanation(a, fixed, *a.StemFixedWedge, store.List("ListBox8"));
    WriteOtherForceExplanation(a, fixed, store.List("ListBox19"));
    WriteStressText(a, mid, fixed, store.List("ListBox14"));
    WriteStressTable(mid, fixed, store.Grid("StringGrid3"));
    WriteStressChart(a, fixed, store.GetChart("Chart3"));
}

}  // namespace stelvar
