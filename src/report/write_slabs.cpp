// Section "Ⅳ-2．構造(底版)": the toe and heel slabs as cantilevers fixed at the stem, and
// the shear key as a cantilever fixed at the base underside. Each member gets its text,
// its tables and the ground-reaction figure of the base with its own bars.

#include "report/write_slabs.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "report/format_number.h"
#include "report/reaction_diagram.h"
#include "report/report_colours.h"
#include "report/report_writers.h"

namespace stelvar {
namespace {

constexpr double kPi = std::numbers::pi;

double Deg(double radians) { return radians * 180 / kPi; }

// Modes of the ground-reaction diagram: the toe's root bar, the heel's root bar, the
// bars at the key's faces.
constexpr int kToeDiagram = 1;
constexpr int kHeelDiagram = 2;
constexpr int kKeyDiagram = 3;

// The two judgement lines that close every member's stress text. Each stress is judged
// by its magnitude and printed signed.
void AddJudgement(const TTeisu& t, const MemberCheck& c, ListBoxContent& l) {
    const bool bendingExceeds = std::fabs(c.SigmaCt) > std::fabs(t.SigmaCat);
    l.Add("     σct=" + FormatNumber("0.00N/mm2", c.SigmaCt) +
          FormatNumber(bendingExceeds ? " (＞σcat(許容引張応力度)=0.00N/mm2 不可)"
                                      : " (≦σcat(許容引張応力度)=0.00N/mm2 可)",
                       t.SigmaCat));
    const bool shearExceeds = std::fabs(c.TauC) > t.TauCa;
    l.Add("     τc =" + FormatNumber("0.00N/mm2", c.TauC) +
          FormatNumber(shearExceeds ? " (＞τca (許容剪断応力度)=0.00N/mm2 不可)"
                                    : " (≦τca (許容剪断応力度)=0.00N/mm2 可)",
                       t.TauCa));
}

// The loads on one slab: own weight Wc at x1, ground reaction Qs at x2, buoyancy Wf at
// x3 (arms from the slab root), and the reaction intensities at both ends.
struct SlabLoads {
    double Wc = 0.0, X1 = 0.0;
    double Qs = 0.0, X2 = 0.0;
    double Wf = 0.0, X3 = 0.0;
    double QTip = 0.0, QRoot = 0.0;
    double Lo = 0.0;  // length of the reaction block between the two intensities
};

// Texts of part (a) that name the slab.
struct SlabTexts {
    std::string_view Title;
    std::string_view Intro;
    std::string_view PlainShearPattern;  // the S line without buoyancy
    std::string_view WcLine;
    std::string_view QsLine;
    std::string_view LoLine;
    std::string_view QTipLine;
    std::string_view QRootLine;
    std::string_view WfLine;
};

constexpr SlabTexts kToeTexts{
    "つま先版の設計",
    "  つま先版は、たて壁との結合部を固定端",
    "0.00kN",
    "     Wc(つま先版自重)         =0.00kN",
    "     Qs(地盤反力)=Lo･(q1+q4)/2=0.00kN",
    "       Lo(q1～q4間距離)       =0.000m",
    "       q1(先端部地盤反力度)   =0.00kN/m2",
    "       q4(付根部地盤反力度)   =0.00kN/m2",
    "     Wf(つま先版浮力)         =0.00kN",
};

constexpr SlabTexts kHeelTexts{
    "踵版の設計",
    "  踵版は、たて壁との結合部を固定端",
    "0.00kN;-0.00kN",
    "     Wc(踵版自重)             =0.00kN",
    "     Qs(地盤反力)=Lo･(q2+q5)/2=0.00kN",
    "       Lo(q2～q5間距離)       =0.000m",
    "       q2(先端部地盤反力度)   =0.00kN/m2",
    "       q5(付根部地盤反力度)   =0.00kN/m2",
    "     Wf(踵版浮力)             =0.00kN",
};

// Part (a) of a slab text: the section forces at the fixed section.
void AddSlabForces(const TTeisu& t, const SlabTexts& txt, const SlabLoads& v,
                   const MemberCheck& c, ListBoxContent& l) {
    const bool buoyancy = t.Settings.SlabBuoyancyOn;
    l.Add(std::string(txt.Title));
    l.Add(std::string(txt.Intro));
    l.Add("  とする片持梁として設計する。");
    l.Add("  部材設計の照査位置は、固定部とする。");
    l.Add("");
    l.Add("(a)断面力");
    l.Add(" ①せん断力(S)は、次式で求める。");
    l.Add("");
    if (buoyancy)
        l.Add("   S=-Wc+Qs+Wf                =" + FormatNumber("0.00kN;-0.00kN", c.S));
    else
        l.Add("   S=-Wc+Qs                   =" + FormatNumber(txt.PlainShearPattern, c.S));
    l.Add("");
    l.Add(" ②曲げﾓｰﾒﾝﾄ(M)は、次式で求める。");
    l.Add("");
    if (buoyancy)
        l.Add("   M=-Wc･x1+Qs･x2+Wf･x3       =" + FormatNumber("0.00kNm;-0.00kNm", c.M));
    else
        l.Add("   M=-Wc･x1+Qs･x2             =" + FormatNumber("0.00kNm;-0.00kNm", c.M));
    l.Add("");
    l.Add("   ここに");
    l.Add(FormatNumber(txt.WcLine, v.Wc));
    l.Add(FormatNumber(txt.QsLine, v.Qs));
    l.Add(FormatNumber(txt.LoLine, v.Lo));
    l.Add(FormatNumber(txt.QTipLine, v.QTip));
    l.Add(FormatNumber(txt.QRootLine, v.QRoot));
    if (buoyancy) l.Add(FormatNumber(txt.WfLine, v.Wf));
    l.Add(FormatNumber("     x1(Wcのアーム長)         =0.000m", v.X1));
    l.Add(FormatNumber("     x2(Qsのアーム長)         =0.000m", v.X2));
    if (buoyancy) l.Add(FormatNumber("     x3(Wfのアーム長)         =0.000m", v.X3));
}

// Part (b) of the toe text: the stresses, printed signed.
void AddToeStresses(const TTeisu& t, const MemberCheck& c, ListBoxContent& l) {
    l.Add("");
    l.Add("(b)応力度計算");
    l.Add("　　応力度は、次式で求める");
    l.Add("");
    l.Add("　　　　　　　　　　　 M");
    l.Add("　　σct(引張応力度)=-----  =" + FormatNumber("0.00N/mm2;-0.00N/mm2", c.SigmaCt));
    l.Add("　　　　　　　　　　　 Z ");
    l.Add("　　　　　　　　　　　 S");
    l.Add("　　τc (剪断応力度)=-----　=" + FormatNumber("0.00N/mm2;-0.00N/mm2", c.TauC));
    l.Add("　　　　　　　　　　　b･d");
    l.Add("");
    l.Add("　　ここに");
    l.Add("　　　M(曲げﾓｰﾒﾝﾄ)          =" + FormatNumber("0.00kNm;-0.00kNm", c.M));
    l.Add("　　　Z(断面係数)=100･d^2/6 =" + FormatNumber("0,0cm3", c.Z));
    l.Add("　　　b(幅)                 =1.000m");
    l.Add("　　　d(部材厚さ)           =" + FormatNumber("0.000m", c.Thickness));
    l.Add("　　　S(剪断力)             =" + FormatNumber("0.00kN;-0.00kN", c.S));
    l.Add("");
    l.Add("　　判定");
    AddJudgement(t, c, l);
    l.Add("");
    l.Add("   計算結果を[図][表]に示す。");
}

// Part (b) of the heel text: the formula lines print the magnitudes of the stresses.
void AddHeelStresses(const TTeisu& t, const MemberCheck& c, ListBoxContent& l) {
    l.Add("");
    l.Add("(b)応力度計算");
    l.Add("　 応力度は、次式で求める");
    l.Add("");
    l.Add("　　　　　　　　　　　M");
    l.Add(FormatNumber("　 σct(引張応力度)=-----  =0.00N/mm2", std::fabs(c.SigmaCt)));
    l.Add("　　　　　　　　　　　Z ");
    l.Add("　　　　　　　　　　　S");
    l.Add(FormatNumber("   τc (剪断応力度)=-----  =0.00N/mm2", std::fabs(c.TauC)));
    l.Add("　　　　　　　　　　 b･d");
    l.Add("");
    l.Add("   ここに");
    l.Add("     M(曲げﾓｰﾒﾝﾄ)          =" + FormatNumber("0.00kNm", c.M));
    l.Add("     Z(断面係数)=100･d^2/6 =" + FormatNumber("0,0cm3", c.Z));
    l.Add("     b(幅)                 =1.000m");
    l.Add("     d(部材厚さ)           =" + FormatNumber("0.000m", c.Thickness));
    l.Add("     S(剪断力)             =" + FormatNumber("0.00kN", c.S));
    l.Add("   判定");
    AddJudgement(t, c, l);
    l.Add("");
    l.Add("   計算結果を[図][表]に示す。");
}

// StringGrid11 / StringGrid12: weight, reaction, buoyancy and their totals at the
// fixed section, with the intensities at the slab's tip and root.
void WriteSlabForceTable(const TTeisu& t, const SlabLoads& v, const MemberCheck& c,
                         StringGridContent& g) {
    const bool buoyancy = t.Settings.SlabBuoyancyOn;
    g.Resize(6, buoyancy ? 5 : 4);
    for (int row = 1; row < g.RowCount; ++row)
        for (int col = 1; col < g.ColCount; ++col) g.SetCell(col, row, "---");
    g.SetColText(0, buoyancy ? "断面力,自　重,地盤反力,浮力,合計" : "断面力,自　重,地盤反力,合計");

    // The slab's own weight per m2 of base, acting down.
    const double weight = -t.PointY[1] * t.GammaC;
    g.SetCell(1, 1, GridNumber("0.00kN/m2", weight));
    g.SetCell(2, 1, GridNumber("0.00kN/m2", weight));
    g.SetCell(3, 1, GridNumber("0.00kN", -v.Wc));
    g.SetCell(4, 1, GridNumber("0.000m", v.X1));
    g.SetCell(5, 1, GridNumber("0.00kNm", -v.Wc * v.X1));

    g.SetCell(1, 2, GridNumber("0.00kN/m2", v.QTip));
    g.SetCell(2, 2, GridNumber("0.00kN/m2", v.QRoot));
    g.SetCell(3, 2, GridNumber("0.00kN", v.Qs));
    g.SetCell(4, 2, GridNumber("0.000m", v.X2));
    g.SetCell(5, 2, GridNumber("0.00kNm", v.Qs * v.X2));

    int total = 3;
    if (buoyancy) {
        g.SetCell(3, 3, GridNumber("0.00kN", v.Wf));
        g.SetCell(4, 3, GridNumber("0.000m", v.X3));
        g.SetCell(5, 3, GridNumber("0.00kNm", v.Wf * v.X3));
        total = 4;
    } else {
        // Net intensity at each end; with buoyancy the ends are not summed.
        g.SetCell(1, total, GridNumber("0.00kN/m2", weight + v.QTip));
        g.SetCell(2, total, GridNumber("0.00kN/m2", weight + v.QRoot));
    }
    g.SetCell(3, total, GridNumber("0.00kN", c.S));
    g.SetCell(5, total, GridNumber("0.00kNm", c.M));
    g.SetCell(0, total, "合計");
}

// StringGrid7 / StringGrid10: the stresses of the fixed section.
void WriteSlabStressTable(const MemberCheck& c, StringGridContent& g) {
    g.SetCell(1, 1, GridNumber("0.00kNm", c.M));
    g.SetCell(1, 2, GridNumber("0.00kN", c.S));
    g.SetCell(1, 3, GridNumber("0,0cm3", c.Z));
    g.SetCell(1, 4, GridNumber("0,0cm2", c.A));
    g.SetCell(1, 5, GridNumber("0.00N/mm2", c.SigmaCt));
    g.SetCell(1, 6, GridNumber("0.00N/mm2", c.TauC));
    g.SetCell(1, 7, c.Verdict);
}

// Chart6 / Chart7 / Chart8: the wall outline and the ground reaction below the base,
// drawn 1 m per 100 kN/m2.
void WriteReactionChart(TAntei& a, Chart& c, std::string_view outlineName,
                        std::string_view reactionName, int mode) {
    using report_colours::Ink;
    // Both series exist before either is held.
    c.Get(outlineName);
    c.Get(reactionName);
    ChartSeries& outline = c.Get(outlineName);
    ChartSeries& reaction = c.Get(reactionName);
    outline.SeriesColour = clBlack;
    reaction.SeriesColour = Ink(a.Settings, report_colours::clPurple);
    c.Clear();
    c.SetRange(a.PointX[9] + 0.5, -0.5, a.PointY[3] + 0.5, -std::max(a.Q1, a.Q2) / 100 - 0.5);

    const RegionResult body = QueryRegion(a, "W_A");
    for (std::size_t i = 0; i < body.X.size(); ++i) outline.Add(body.X[i], body.Y[i]);
    ReactionDiagram(a, reaction, mode);
}

// A member that was not checked shows nothing of an earlier run; its grids keep the
// run's "---".
void ClearMember(ResultsStore& store, std::string_view list, std::string_view chart) {
    store.List(list).Clear();
    store.GetChart(chart).Clear();
}

void WriteToeSlab(TAntei& a, const MemberCheck& c, ResultsStore& store) {
    SlabLoads v;
    v.Wc = a.WcToe;
    v.X1 = a.X1Toe;
    v.Qs = a.QsToe;
    v.X2 = a.X2Toe;
    v.Wf = a.WfToe;
    v.X3 = a.X3Toe;
    v.QTip = a.Q1;
    v.QRoot = a.Q4;
    // A triangle ending before the root loads only part of the toe.
    v.Lo = std::min(a.LoadedLength, a.PointX[3]);

    ListBoxContent& l = store.List("ListBox9");
    l.Clear();
    AddSlabForces(a, kToeTexts, v, c, l);
    AddToeStresses(a, c, l);
    WriteSlabForceTable(a, v, c, store.Grid("StringGrid11"));
    WriteSlabStressTable(c, store.Grid("StringGrid7"));
    WriteReactionChart(a, store.GetChart("Chart6"), "Series42", "Series43", kToeDiagram);
}

void WriteHeelSlab(TAntei& a, const MemberCheck& c, ResultsStore& store) {
    SlabLoads v;
    v.Wc = a.WcHeel;
    v.X1 = a.X1Heel;
    v.Qs = a.QsHeel;
    v.X2 = a.X2Heel;
    v.Wf = a.WfHeel;
    v.X3 = a.X3Heel;
    v.QTip = a.Q2;
    v.QRoot = a.Q5;
    v.Lo = a.PointX[8] - a.PointX[6];

    ListBoxContent& l = store.List("ListBox11");
    l.Clear();
    AddSlabForces(a, kHeelTexts, v, c, l);
    AddHeelStresses(a, c, l);
    WriteSlabForceTable(a, v, c, store.Grid("StringGrid12"));
    WriteSlabStressTable(c, store.Grid("StringGrid10"));
    WriteReactionChart(a, store.GetChart("Chart7"), "Series37", "Series38", kHeelDiagram);
}

// ListBox13: the horizontal force the key carries, its moment and its stresses; the
// stress formula lines print magnitudes.
void AddKeyText(const TAntei& a, const MemberCheck& c, ListBoxContent& l) {
    const double keyHeight = std::fabs(a.PointY[12] - a.PointY[13]);
    l.Add("突起の設計");
    l.Add("");
    l.Add("(a)断面力");
    l.Add(" ①突起に加わる水平力(Ht)は、次式で求める。");
    l.Add("                                          Ho");
    l.Add(FormatNumber("   Ht={c･b1+v1･(tanφ-tanφb)+v2･tanφb}･---- =0.00kN", a.Ht));
    l.Add("                                          Hk");
    l.Add("");
    l.Add("   ここに");
    l.Add(FormatNumber("　　　b1(擁壁底面前端～突起前面の距離)=0.000m", a.B1));
    l.Add(FormatNumber("　　　b2(有効載荷幅内の突起幅)　　　　=0.000m", a.B2));
    l.Add("　　　v1=b1/Be･Vo　　　　　　　　　　 =" + FormatNumber("0.00kN", a.V1));
    l.Add("　　　v2=b2/Be･Vo　　　　　　　　　　 =" + FormatNumber("0.00kN", a.V2));
    l.Add("　　　　v1(b1に作用する鉛直荷重)");
    l.Add("　　　　v2(b2に作用する鉛直荷重)");
    l.Add("　　　Be(有効載荷幅)　　　　　　　　　=" + FormatNumber("0.000m", a.Be));
    l.Add(FormatNumber("　　　Vo(擁壁底面における全鉛直荷重)　=0.00kN", a.Vo));
    l.Add(FormatNumber("　　　φ (基礎地盤の剪断抵抗角)　　 　=0度", a.Phi1Deg));
    l.Add(FormatNumber("　　　φb(擁壁底面と地盤間の摩擦角)　 =0度", Deg(a.PhiB)));
    l.Add(FormatNumber("　　　c (基礎地盤の粘着力)　　　　　　=0.00kN/m2", a.C1));
    l.Add(FormatNumber("　　　Ho(擁壁底面における全水平荷重)　=0.00kN", a.HoCopy));
    l.Add(FormatNumber("　　　Hk(擁壁底面と地盤間の剪断抵抗力)=0.00kN", a.Hk));
    l.Add("");
    l.Add(" ②曲げﾓｰﾒﾝﾄ(M)は、次式で求める。");
    l.Add("      H");
    l.Add(FormatNumber("   M=---･Ht                          =0.00kNm", a.KeyMoment));
    l.Add("      2");
    l.Add("");
    l.Add("   ここに");
    l.Add(FormatNumber("     H (突起の高さ)                  =0.000m", keyHeight));
    l.Add(FormatNumber("     Ht(突起に加わる水平力)          =0.00kN", a.Ht));
    l.Add("");
    l.Add("(b)応力度計算");
    l.Add("   応力度は、次式で求める");
    l.Add("");
    l.Add("　　　　　　　　　　　M");
    l.Add(FormatNumber("   σct(引張応力度)=-----  =0.00N/mm2", std::fabs(c.SigmaCt)));
    l.Add("　　　　　　　　　　　Z ");
    l.Add("　　　　　　　　　　　S");
    l.Add(FormatNumber("   τc (剪断応力度)=-----  =0.00N/mm2", std::fabs(c.TauC)));
    l.Add("　　　　　　　　　　 b･d");
    l.Add("");
    l.Add("   ここに");
    l.Add("     M(曲げﾓｰﾒﾝﾄ)          =" + FormatNumber("0.00kNm", c.M));
    l.Add("     Z(断面係数)=100･d^2/6 =" + FormatNumber("0,0cm3", c.Z));
    l.Add("     S(剪断力)             =" + FormatNumber("0.00kN", c.S));
    l.Add("     b(幅)                 =1.000m");
    l.Add("     d(部材厚さ)           =" + FormatNumber("0.000m", c.Thickness));
    l.Add("   判定");
    AddJudgement(a, c, l);
    l.Add("");
    l.Add("計算結果を[表][図]に示す。");
}

// StringGrid15: the key's forces, section and stresses with the allowable stresses.
void WriteKeyTable(const TAntei& a, const MemberCheck& c, StringGridContent& g) {
    g.SetColWidth(0, 75);
    g.SetColWidth(1, 70);
    g.SetColWidth(2, 75);
    g.SetRowText(0, ",応力度,許容応力度");
    g.SetColText(0, "区分,曲げﾓｰﾒﾝﾄ,せん断力,断面係数,断面積,引張応力,せん断応力,判定");
    g.SetCell(1, 1, GridNumber("0.00kNm", a.KeyMoment));
    g.SetCell(1, 2, GridNumber("0.00kN", a.Ht));
    g.SetCell(1, 3, GridNumber("0,0cm3", c.Z));
    g.SetCell(1, 4, GridNumber("0,0cm2", c.A));
    g.SetCell(1, 5, GridNumber("0.00N/mm2", c.SigmaCt));
    g.SetCell(1, 6, GridNumber("0.00N/mm2", c.TauC));
    g.SetCell(1, 7, c.Verdict);
    g.SetCell(2, 5, GridNumber("0.00N/mm2", a.SigmaCat));
    g.SetCell(2, 6, GridNumber("0.00N/mm2", a.TauCa));
}

void WriteShearKey(TAntei& a, const MemberCheck& c, ResultsStore& store) {
    ListBoxContent& l = store.List("ListBox13");
    l.Clear();
    AddKeyText(a, c, l);
    WriteKeyTable(a, c, store.Grid("StringGrid15"));
    WriteReactionChart(a, store.GetChart("Chart8"), "Series39", "Series41", kKeyDiagram);
}

}  // namespace

void WriteBaseSlabReport(TAntei& a, ResultsStore& store) {
    if (a.ToeCheck)
        WriteToeSlab(a, *a.ToeCheck, store);
    else
        ClearMember(store, "ListBox9", "Chart6");
    if (a.HeelCheck)
        WriteHeelSlab(a, *a.HeelCheck, store);
    else
        ClearMember(store, "ListBox11", "Chart7");
    if (a.KeyCheck)
        WriteShearKey(a, *a.KeyCheck, store);
    else
        ClearMember(store, "ListBox13", "Chart8");
}

}  // namespace stelvar
