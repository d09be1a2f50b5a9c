// Chapter "Ⅲ.安定計算": overturning, ground reaction, bearing capacity and sliding with
// their verdict captions, the ground-reaction chart and the load summary.
//
// Every verdict shown (caption and the judgement line under it) is the engine's own
// (ComputeVerdicts), so that the document, the results file and the window can never
// disagree about a check.

#include "report/write_stability.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>
#include <utility>

#include "engine/engine.h"
#include "report/format_number.h"
#include "report/reaction_diagram.h"
#include "report/report_colours.h"
#include "report/report_writers.h"

namespace stelvar {
namespace {

constexpr double kPi = std::numbers::pi;

double Deg(double radians) { return radians * 180 / kPi; }

constexpr std::string_view kSlidingBox = "GroupBox24";
constexpr std::string_view kOverturningBox = "GroupBox22";
constexpr std::string_view kReactionBox = "GroupBox23";
constexpr std::string_view kBearingBox = "GroupBox33";

const char* Word(bool ok) { return ok ? "OK" : "NO"; }

bool Seismic(const TAntei& a) { return a.LoadCase == 1; }

// The resultant lies too far forward: no ground reaction, no sliding check.
bool ReactionNotComputable(const TAntei& a) { return a.ReactionCase == 3 || a.ReactionCase == 7; }

// Passive earth pressure enters the formulas when it is switched on, and whenever
// cohesion gives the embedment ground a resistance of its own.
bool WithPassive(const TAntei& a) { return a.Settings.PassiveOn || a.Pp > 0; }

std::string Cat(std::string_view text, std::string number) {
    std::string line(text);
    line += number;
    return line;
}

// ---- 2. Overturning ------------------------------------------------------------------

void AllowableEccentricity(const TAntei& a, const Verdicts& v, ListBoxContent& l) {
    const double B = a.PointX[9];
    const bool ok = v.Overturning;
    l.Add("  擁壁底版つま先から合力Rの作用点までの距離(d)は、次式で求める。");
    l.Add("      Mr - Mo");
    l.Add(Cat("  d=-----------                        =", FormatNumber("0.000m", a.D)));
    l.Add("        Vo");
    l.Add("  ここに");
    l.Add(FormatNumber("    Mr(擁壁底面つま先回りの抵抗ﾓｰﾒﾝﾄ)  =0,0.00kNm", a.Mr));
    l.Add(FormatNumber("    Mo(擁壁底面つま先回りの転倒ﾓｰﾒﾝﾄ)  =0,0.00kNm", a.Mo));
    l.Add(FormatNumber("    Vo(擁壁底面における全鉛直荷重)     =0,0.00kN", a.Vo));

    if (a.WallType == 0) {
        l.Add("  合力Rの作用点の底版中央からの偏心距離(e)は、次式で求める。");
        l.Add(Cat("  e=B/2-d        =", FormatNumber("0.000m;-0.000m", a.E)));
        l.Add("");
        if (!Seismic(a)) {
            l.Add("  転倒に対する安定条件として、合力Rの作用点は常時は底版中央の");
            l.Add("  底版幅1/3の範囲内になければならない。");
            l.Add("  すなわち、偏心距離(e)は、式|e|≦B/6を満足しなければならない。");
            l.Add("");
            if (ok) {
                l.Add(FormatNumber("  |e|≦B/6       =0.000m", B / 6));
                l.Add("  判定：OK(中央1/3以内)");
            } else {
                l.Add(FormatNumber("  |e|>B/6        =0.000m", B / 6));
                l.Add("  判定：不可(中央1/3以外)");
            }
        } else {
            l.Add("  転倒に対する安定条件として、合力Rの作用点は地震時は底版中央の");
            l.Add("  底版幅2/3の範囲内になければならない。");
            l.Add("  すなわち、偏心距離(e)は、式|e|≦B/3を満足しなければならない。");
            l.Add("");
            if (ok) {
                l.Add(FormatNumber("  |e|≦B/3     =0.000m", B / 3));
                l.Add("  判定：OK(中央2/3以内)");
            } else {
                l.Add(FormatNumber("  |e|>B/3      =0.000m", B / 3));
                l.Add("  判定：不可(中央2/3以外)");
            }
        }
        return;
    }

    l.Add("");
    if (!Seismic(a)) {
        l.Add("　転倒に対する安定条件として、合力Rの作用点は常時は");
        l.Add("　擁壁底版幅Bの1/2より後方(B/2<d)になければならない。");
        l.Add(FormatNumber("　　d  =0.000m", a.D));
        l.Add(FormatNumber("　　B/2=0.000m", B / 2));
        l.Add("");
        l.Add(ok ? "  判定：OK(B/2<d)" : "  判定：不可(d≦B/2)");
    } else {
        l.Add("  転倒に対する安定条件として、合力Rの作用点は地震時は");
        l.Add("  擁壁底版幅Bの1/3より後方(B/3≦d)になければならない。");
        l.Add(FormatNumber("　　d  =0.000m", a.D));
        l.Add(FormatNumber("　　B/3=0.000m", B / 3));
        l.Add("");
        l.Add(ok ? "  判定：OK(B/3≦d)" : "  判定：不可(d＜B/3)");
    }
}

void SafetyFactor(const TAntei& a, const Verdicts& v, ListBoxContent& l) {
    const double n = a.Settings.FmReq;
    // Without an overturning moment the factor is unbounded; it is shown as such rather
    // than as a number.
    const bool bounded = a.Mo > 0.0;
    const std::string fm = bounded ? FormatNumber("0.000", v.Fm) : std::string("∞");
    l.Add("  転倒に対する安全率(Fm)は、次式で求める。");
    l.Add("         Mr");
    l.Add(Cat("  Fm=-----------                       =", fm));
    l.Add("         Mo");
    l.Add("  ここに");
    l.Add(FormatNumber("    Mr(擁壁底版つま先回りの抵抗ﾓｰﾒﾝﾄ)  =#,0.00kNm", a.Mr));
    l.Add(FormatNumber("    Mo(擁壁底版つま先回りの転倒ﾓｰﾒﾝﾄ)  =#,0.00kNm", a.Mo));
    l.Add("");
    l.Add(FormatNumber("  転倒に対する安定条件として、0.0≦Fmを満足しなければならない。", n));
    l.Add("");
    const std::string shown = bounded ? FormatNumber("(=0.000)", v.Fm) : std::string("(=∞)");
    if (!v.Overturning) {
        l.Add(FormatNumber("  0.0>Fm", n) + shown);
        l.Add("  判定：不可(安全率不足)");
    } else {
        l.Add(FormatNumber("  0.0≦Fm", n) + shown);
        l.Add("  判定：OK(安全率を満たす)");
    }
}

void WriteOverturning(const TAntei& a, const Verdicts& v, ResultsStore& store) {
    ListBoxContent& l = store.List("ListBox4");
    l.Clear();
    l.Add("2.転倒に対する安定計算");
    if (a.Settings.OverturnMethod == 1)
        SafetyFactor(a, v, l);
    else
        AllowableEccentricity(a, v, l);
    SetVerdictCaption(store, kOverturningBox, 2, Word(v.Overturning));
}

// ---- 3. Ground reaction --------------------------------------------------------------

void TrapezoidLines(const TAntei& a, ListBoxContent& l) {
    l.Add("         Vo      6･e");
    l.Add("  q1,q2=---･(1±-----)");
    l.Add("         B        B");
    l.Add(FormatNumber("    q1(つま先での地盤反力度)         =0.00kN/m2", a.Q1));
    l.Add(FormatNumber("    q2(かかとでの地盤反力度)         =0.00kN/m2", a.Q2));
    l.Add("");
    l.Add("  ここに");
    l.Add(FormatNumber("    Vo(底版下面における全鉛直荷重)   =0.00kN", a.Vo));
    l.Add(FormatNumber("    B (擁壁の底版幅)                 =0.000m", a.PointX[9]));
    l.Add(Cat("    e (偏心距離)                     =", FormatNumber("0.000m;-0.000m", a.E)));
}

void TriangleLines(const TAntei& a, ListBoxContent& l) {
    const bool atHeel = a.ReactionCase == 2;
    l.Add("      2･Vo");
    l.Add(FormatNumber("  q=-------                          =0.00kN/m2", atHeel ? a.Q2 : a.Q1));
    l.Add("      3･d");
    l.Add("");
    l.Add("  ここに");
    l.Add(FormatNumber("    Vo(擁壁底面における全鉛直荷重)   =#,0.00kN", a.Vo));
    l.Add(FormatNumber("    d (つま先～合力作用位置間の距離) =0.000m", a.D));
    if (atHeel)
        l.Add(FormatNumber("    d (踵　　～合力作用位置間の距離) =0.000m", a.PointX[9] - a.D));
}

void NotComputableLines(const TAntei& a, ListBoxContent& l) {
    l.Add("  q              =計算不能");
    l.Add(FormatNumber("    Vo(擁壁底面における全鉛直荷重)   =0.00kN", a.Vo));
    l.Add(FormatNumber("    B (擁壁の底版幅)                 =0.000m", a.PointX[9]));
    l.Add(Cat("    e (偏心距離)                     =", FormatNumber("0.000m;-0.000m", a.E)));
    l.Add("");
    l.Add("  偏心距離が[B/3]をオーバーしましたので");
    l.Add("  設計条件を変更して再計算して下さい。");
    l.Add("");
    l.Add("  　地盤反力が計算出来ませんので、これ");
    l.Add("  以降の構造計算結果は使用できません。");
    l.Add("  判定：不可(偏心距離オーバー)");
}

void SimplifiedMethodLines(const TAntei& a, ListBoxContent& l) {
    const double theta = a.FaceAngle;
    l.Add("　合力Rの作用点までの距離(d)は[B/2<d]であり簡便法で求める。");
    l.Add("");
    l.Add(Cat("  qv1(つま先での地盤反力度)       ", FormatNumber("=0.00kN/m2", a.Qv1)));
    l.Add(Cat("  qv2(かかとでの地盤反力度)       ", FormatNumber("=0.00kN/m2", a.Qv2)));
    l.Add("  ここに");
    l.Add("    qv1=2･Qv･(2-3･Kd)/B");
    l.Add("    qv2=2･Qv･(3･Kd-1)/B");
    l.Add(Cat("    Ma(つま先回りのﾓｰﾒﾝﾄ=Mr-Mo) 　", FormatNumber("=#,0.00kNm", a.Ma)));
    l.Add(Cat("    Kd(簡便法に用いる係数)　　　　", FormatNumber("=#,0.00", a.Kd)));
    l.Add(Cat("    B (擁壁底面幅)　　　　　　　　", FormatNumber("=0.000m", a.PointX[9])));
    l.Add(Cat("　　d (合力Rの作用点までの距離)　 ", FormatNumber("=0.000m", a.D)));
    l.Add(Cat("    Vo(擁壁底面における全鉛直荷重)", FormatNumber("=0.00kN", a.Vo)));
    l.Add(Cat("    θ(壁面傾斜角)　　　　　　　　",
              FormatNumber("=1:0.00", std::tan(theta)) + FormatNumber("(0.0度)", Deg(theta))));
    l.Add(Cat("    Ｌ(壁面長)　　　　　　　　　　", FormatNumber("=0.000m", a.FaceLength)));
    l.Add(Cat("    KL(簡便法に用いる係数)　　　　", FormatNumber("=#,0.00", a.KL)));
    l.Add("    　　　　　　Ma-kd･B･Vo");
    l.Add(Cat("    Qt=---------------------------", FormatNumber("=#,0.00kN", a.BackReaction)));
    l.Add("    　　B･sinθ･(1-kd)+L･(1-KL/3)");
    l.Add("        (ただし、d≦kd･Bのときは、Qt=0とする。)");
    l.Add(Cat("    Qv(鉛直地盤反力)　=Vo-Qt･sinθ", FormatNumber("=#,0.00kN", a.Qv)));
    l.Add(Cat("    Qh(水平地盤反力)　=Ho+Qt･cosθ", FormatNumber("=#,0.00kN", a.Qh)));
    l.Add(Cat("    qt(壁面地盤反力度)=2･Qt/(KL･L)", FormatNumber("=0.00kN/m2", a.BackReactionTop)));
}

// The reactions against the allowable bearing pressure of the design case.
void ReactionCheckLines(const TAntei& a, const Verdicts& v, ListBoxContent& l) {
    const bool simplified = a.ReactionCase == 5 || a.ReactionCase == 6;
    const double q1 = simplified ? a.Qv1 : a.Q1;
    const double q2 = simplified ? a.Qv2 : a.Q2;
    const std::string limit = FormatNumber("0kN/m2)", a.Qa);
    if (simplified) {
        l.Add("  qv1,qv2は次式を満足しなければならない。");
        l.Add(Cat("  qv1,qv2≦qa0(地盤の許容鉛直支持力度) =", FormatNumber("0kN/m2", a.Qa)));
    } else {
        l.Add("  q1,q2は次式を満足しなければならない。");
        l.Add(Cat("  q1,q2≦qa0(地盤の許容鉛直支持力度) =", FormatNumber("0kN/m2", a.Qa)));
    }
    l.Add("");
    const bool exceeded = q1 > a.Qa || q2 > a.Qa;
    const bool none = q1 == 0.0 && q2 == 0.0;
    l.Add(exceeded || (!v.GroundReaction && !none) ? "  判定：不可(許容鉛直支持力度外)"
                                                   : "  判定：OK(許容鉛直支持力度内)");
    if (none) l.Add("  判定：不可(偏心距離オーバー)");
    if (simplified) {
        l.Add(Cat(q1 > a.Qa ? "    qv1(つま先での地盤反力度)＞qa0(=" : "    qv1(つま先での地盤反力度)≦qa0(=",
                  limit));
        l.Add(Cat(q2 > a.Qa ? "    qv2(かかとでの地盤反力度)＞qa0(=" : "    qv2(かかとでの地盤反力度)≦qa0(=",
                  limit));
    } else {
        l.Add(Cat(q1 > a.Qa ? "    q1(つま先での地盤反力度)＞qa0(=" : "    q1(つま先での地盤反力度)≦qa0(=",
                  limit));
        l.Add(Cat(q2 > a.Qa ? "    q2(かかとでの地盤反力度)＞qa0(=" : "    q2(かかとでの地盤反力度)≦qa0(=",
                  limit));
    }
}

void WriteGroundReaction(const TAntei& a, const Verdicts& v, ResultsStore& store) {
    ListBoxContent& l = store.List("ListBox5");
    l.Clear();
    l.Add("3.支持地盤の支持力に対する安定");
    l.Add("  地盤反力度(q)は、次式で求める。");
    switch (a.ReactionCase) {
        case 0:
            TrapezoidLines(a, l);
            break;
        case 1:
        case 2:
        case 7:
            TriangleLines(a, l);
            break;
        case 3:
            NotComputableLines(a, l);
            break;
        case 4:
            l.Add("　合力Rの作用点までの距離(d)は[B/3≦d≦B/2]であり次式で求める。");
            TrapezoidLines(a, l);
            l.Add(Cat("　　d (合力Rの作用点までの距離)　　　=", FormatNumber("0.000m", a.D)));
            break;
        default:  // 5 and 6
            SimplifiedMethodLines(a, l);
            break;
    }
    if (a.ReactionCase != 3) ReactionCheckLines(a, v, l);
    SetVerdictCaption(store, kReactionBox, 3, Word(v.GroundReaction));
}

// ---- 4. Bearing capacity -------------------------------------------------------------

// A figure of the bearing section formatted with its line pattern, or, when the figure
// has no value, the pattern's text up to its "=" followed by "---": a factor without a
// solution and a qu formed from one are not numbers to be read off.
std::string BearingFigure(std::string_view pattern, double value, bool none) {
    if (!none) return FormatNumber(pattern, value);
    std::string line(pattern.substr(0, pattern.rfind('=') + 1));
    line += "---";
    return line;
}

// Names the factors that have no value, for the line after the judgement.
std::string MissingFactorNames(const MissingBearingFactors& m) {
    std::string names;
    for (const auto& [missing, name] : {std::pair{m.Nc, "Nc"}, std::pair{m.Nq, "Nq"}, std::pair{m.Ngamma, "Nγ"}}) {
        if (!missing) continue;
        if (!names.empty()) names += ",";
        names += name;
    }
    return names;
}

void WriteBearingCapacity(const TAntei& a, const Verdicts& v, ResultsStore& store) {
    ListBoxContent& l = store.List("ListBox23");
    l.Clear();
    // With the resultant at or beyond the toe (Be <= 0) the engine leaves κ, qu and the
    // mean reaction at 0, and they are shown so.
    const double qu = a.Qu;
    const double kappa = a.Kappa;
    const double thetaDeg = Deg(std::atan(a.TanTheta));
    const MissingBearingFactors missing = MissingFactorsOf(a);
    const bool noQu = missing.Any();

    l.Add("4.鉛直支持力の照査");
    l.Add("");
    l.Add("  極限支持力の計算");
    l.Add("  極限支持力度(qu)は、次式で求める。");
    l.Add("");
    l.Add(BearingFigure("  qu = α･κ･c･Nc･Sc+κ･q･Nq･Sq+1/2･γ1･β･Be･Nγ･Sγ=#,0.00kN/m2", qu, noQu));
    l.Add("");
    l.Add("  ここに");
    l.Add(BearingFigure("    qu (偏心傾斜を考慮した地盤の極限支持力度)　　=#,0.00kN/m2", qu, noQu));
    if (a.WaterOn == 1) {
        l.Add(FormatNumber("    γ1(支持地盤の土の単位重量)　　　　　　　　　=0.00kN/m3", a.Gamma1) +
              FormatNumber("(水中単位重量:0.00kN/m3)", a.Gamma1e));
        l.Add(FormatNumber("    γ2(根入れ地盤の土の単位重量)　　　　　　　　=0.00kN/m3", a.Gamma2) +
              FormatNumber("(水中単位重量:0.00kN/m3)", a.Gamma2e));
        l.Add("       (ただし、地下水位以下では水中単位重量を用いる。単位重量は水深で加重計算。)");
    } else {
        l.Add(FormatNumber("    γ1(支持地盤の土の単位重量)　　　　　　　　　=0.00kN/m3", a.Gamma1));
        l.Add(FormatNumber("    γ2(根入れ地盤の土の単位重量)　　　　　　　　=0.00kN/m3", a.Gamma2));
        l.Add("       (ただし、地下水位以下では水中単位重量を用いる。)");
    }
    l.Add(FormatNumber("    Df (基礎の有効根入れ深さ)　　　　　　　　　　=0.000m", a.Df));
    l.Add(Cat("    Df'(支持地盤あるいは支持地盤と同程度良質な地盤に根入れした深さ)=",
              FormatNumber("0.000m", a.DfB)));
    l.Add(FormatNumber("    c  (支持地盤の粘着力)　　　　　　　　　　　　=0.00kN/m2", a.C1));
    l.Add(FormatNumber("    q  (上載荷重)　　　　　　　　　　　 =γ2･Df　=0.00kN/m2", a.Qover));
    l.Add(FormatNumber("    Be (偏心を考慮した基礎の有効載荷幅)=B－2･eB　=0.000m", a.Be));
    l.Add(FormatNumber("    　B (基礎幅)　　　　　　　　　　　　　　　　 =0.000m", a.PointX[9]));
    l.Add(Cat("　　　eB(荷重の偏心量)　　　　　　　　　　　　　 =", FormatNumber("0.000m", a.E)));
    l.Add(Cat("    α(基礎の形状係数=1+0.3･Be/L)　　　　　　　　=", FormatNumber("0.00", a.AlphaShape)));
    l.Add(Cat("    β(基礎の形状係数=1-0.4･Be/L)　　　　　　　　=", FormatNumber("0.00", a.BetaShape)));
    l.Add(FormatNumber("    　Ｌ(ブロック長:伸縮目地間隔)　　　　　　　　=0.000m", a.BlockLength));
    l.Add("　　　　　　　　　　　　　　(Be/L>1の場合は,Be/L =1 とする)");
    l.Add(Cat("    κ(根入れ効果に対する割増し係数=1+0.3･Df'/Be)=", FormatNumber("0.000", kappa)));
    l.Add("    Nc,Nq,Nγ(荷重の傾斜を考慮した支持力係数)");
    l.Add("      地盤の剪断抵抗角φおよび荷重の傾斜(tanθ)から求められる。");
    l.Add(BearingFigure("      Nc　　　　　　　　　　　　　　　　　　　　 =0.0", a.Nc, missing.Nc));
    l.Add(BearingFigure("      Nq　　　　　　　　　　　　　　　　　　　　 =0.0", a.Nq, missing.Nq));
    l.Add(BearingFigure("      Nγ　　　　　　　　　　　　　　　　　　　  =0.0", a.Ngamma, missing.Ngamma));
    l.Add(FormatNumber("      φ(支持地盤の剪断抵抗角)　　　　　　　　　 =0.0度",
                       static_cast<double>(a.Phi1Deg)));
    l.Add(FormatNumber("      tanθ(荷重の傾斜) = HB／V　　　　　　　　　=0.000", a.TanTheta) +
          FormatNumber("(=0.0度)", thetaDeg));
    l.Add(FormatNumber("        HB(基礎底面に作用する水平力)　　　　　　 =0.00kN", a.Ho));
    l.Add(FormatNumber("        V (基礎底面に作用する鉛直力)　　　　　　 =#,0.00kN", a.Vo));
    l.Add("    Sc,Sq,Sr(支持力係数の寸法効果に関する補正係数");
    l.Add(Cat("      Sc =c'^λ　　　　　　　　　　　　　　　　  =", FormatNumber("0.000", a.Sc)));
    l.Add(Cat("      Sq =q'^ｖ　　　　　　　　　　　　　　　　  =", FormatNumber("0.000", a.Sq)));
    l.Add(Cat("      Sγ=B'^μ　　　　　　　　　　　　　　　　  =", FormatNumber("0.000", a.Sg)));
    l.Add("      λ,ｖ,μ(寸法効果の程度を表す係数)= -1/3");
    l.Add(Cat("      c'= c/10　　　　　　　　　　　　　　　　　 =", FormatNumber("0.000", a.CStar)) +
          " (但し,1≦c'≦10)");
    l.Add(Cat("      q'= q/10　　　　　　　　　　　　　　　　　 =", FormatNumber("0.000", a.QStar)) +
          " (但し,1≦q'≦10)");
    // The width that Sγ is computed with (B' = max(Be, 1)).
    l.Add(Cat("      B'=Be/1　　　　　　　　　　　　　　　　　  =", FormatNumber("0.000", a.BStar)) +
          " (但し,1≦B')");
    l.Add("");
    l.Add("  鉛直地盤反力度は、次式を満足しなければならない。");
    l.Add("");

    const double mean = v.MeanReaction;
    const double qa = v.AllowableBearing;
    if (a.ReactionCase == 6) {
        l.Add("     Qv           qu");
        l.Add("    ---- ≦ qa = ----");
        l.Add("     Be            n");
        l.Add("");
        l.Add("  ここに");
        l.Add(FormatNumber("    Qv(基礎底面に作用する鉛直力)　　　　　　　　=#,0.00kN/m", a.Qv));
        l.Add(FormatNumber("    Be(荷重の偏心を考慮した擁壁底面の有効載荷幅)=0.000m", a.Be));
        l.Add(FormatNumber("    Qv/Be　　　　　　　　　　　　　　　　　　　 =0.00kN/m2", mean));
    } else {
        l.Add("     Vo           qu");
        l.Add("    ---- ≦ qa = ----");
        l.Add("     Be            n");
        l.Add("");
        l.Add("  ここに");
        l.Add(FormatNumber("    Vo(基礎底面に作用する鉛直力)　　　　　　　　=#,0.00kN/m", a.Vo));
        l.Add(FormatNumber("    Be(荷重の偏心を考慮した擁壁底面の有効載荷幅)=0.000m", a.Be));
        l.Add(FormatNumber("    Vo/Be　　　　　　　　　　　　　　　　　　　 =0.00kN/m2", mean));
    }
    l.Add(BearingFigure("    qa(荷重の偏心傾斜を考慮した許容鉛直支持力度)=0.00kN/m2", qa, noQu));
    l.Add(BearingFigure("    　qu(地盤の極限支持力度)　　　　　　　　　　=#,0.00kN/m2", qu, noQu));
    l.Add(Seismic(a) ? FormatNumber("    　n (安全率:地震時)　　　　　　　　　　　　 =0", a.FsBearReq)
                     : FormatNumber("    　n (安全率:常時)　　　　　　　　　　　　　 =0", a.FsBearReq));
    l.Add("");
    l.Add(v.Bearing ? "  判定：OK(許容鉛直支持力度内)" : "  判定：不可(許容鉛直支持力度外)");
    if (noQu) l.Add(Cat("  (荷重の傾斜が大きく支持力係数", MissingFactorNames(missing)) + "が求まらないため)");
    SetVerdictCaption(store, kBearingBox, 4, Word(v.Bearing));
}

// ---- 1. Sliding ----------------------------------------------------------------------

void SlidingWithoutKey(const TAntei& a, ListBoxContent& l) {
    const bool pp = WithPassive(a);
    const bool loaded = a.Ho > 0;
    l.Add("1.滑動に対する安定");
    l.Add("  滑動に対する安全率(Fs)は、次式で求める。");
    if (pp) {
        l.Add("      Vo･μ+Cb･Be+0.5･Pp");
        l.Add(loaded ? FormatNumber("  Fs=--------------------                =0.00", a.Fs)
                     : std::string("  Fs=--------------------                =∞"));
        l.Add("            Ho");
    } else {
        l.Add("      Vo･μ+Cb･Be");
        l.Add(loaded ? FormatNumber("  Fs=--------------                      =0.00", a.Fs)
                     : std::string("  Fs=--------------                      =∞"));
        l.Add("         Ho");
    }
    l.Add("  ここに");
    l.Add(FormatNumber("    Vo (擁壁底面における全鉛直荷重)      =#,0.00kN", a.Vo));
    l.Add(FormatNumber("    Ho (擁壁底面における全水平荷重)      =0.00kN", a.Ho));
    l.Add(FormatNumber("    μ (擁壁底面と地盤の間の摩擦係数)    =0.00", a.Mu));
    l.Add(FormatNumber("    Cb (擁壁底面と地盤の間の付着力)      =0.00kN/m2", a.Cb));
    l.Add(FormatNumber("    Be (有効載荷幅)                      =0.000m", a.Be));
    l.Add("       (偏心距離>0なら、有効載荷幅=底版幅(B)-2×偏心距離(e))");
    l.Add("       (偏心距離<0なら、有効載荷幅=底版幅(B)とする");
    if (pp) l.Add(FormatNumber("    Pp (受働土圧)                        =0.00kN", a.Pp));
}

void SlidingWithKey(const TAntei& a, ListBoxContent& l) {
    const bool pp = WithPassive(a);
    l.Add("1.滑動に対する安定");
    l.Add("  滑動に対する安全率(Fs)は、次式で求める。");
    l.Add(a.Ho > 0 ? FormatNumber("  Fs=Hk/Ho                               =0.00", a.Fs)
                   : std::string("  Fs=Hk/Ho                               =∞"));
    l.Add("  ここに");
    l.Add(Cat(pp ? "    Hk=c･b1+v1･tanφ+(v2+v3)･tanφb+0.5･Pp=" : "    Hk=c･b1+v1･tanφ+(v2+v3)･tanφb       =",
              FormatNumber("0.00kN", a.Hk)));
    l.Add("    Hk(擁壁底面と地盤間の剪断抵抗力)");
    l.Add(FormatNumber("    Ho(擁壁底面における全水平荷重)        =0.00kN", a.Ho));
    l.Add(FormatNumber("    Be(有効載荷幅)                        =0.000m", a.Be));
    l.Add(FormatNumber("    b1(擁壁底面前端～突起前面までの距離)  =0.000m", a.B1));
    l.Add(FormatNumber("    b2(有効載荷幅内の突起幅)              =0.000m", a.B2));
    l.Add(FormatNumber("    b3(突起背面～有効載荷幅後方までの距離)=0.000m", a.B3));
    l.Add("    v1～v3(b1～b3に作用する鉛直荷重で,vi=bi/B'･Vo)");
    l.Add(FormatNumber("    Vo (擁壁底面における全鉛直荷重)      =#,0.00kN", a.Vo));
    l.Add(FormatNumber("    φ (基礎地盤の剪断抵抗角)           　=0度", static_cast<double>(a.Phi1Deg)));
    l.Add(FormatNumber("    φb(擁壁底面と地盤との間の摩擦角)     =0度", Deg(a.PhiB)));
    l.Add(FormatNumber("    c  (基礎地盤の粘着力)                 =0.00kN/m2", a.C1));
    if (pp) l.Add(FormatNumber("    Pp(受働土圧)                          =0.00kN", a.Pp));
}

void WriteSliding(const TAntei& a, const Verdicts& v, ResultsStore& store) {
    ListBoxContent& l = store.List("ListBox3");
    l.Clear();
    if (ReactionNotComputable(a)) {
        l.Add("1.滑動に対する安定");
        l.Add("");
        if (a.ReactionCase == 3) {
            l.Add("  偏心距離が[B/3]をオーバーしましたので");
        } else {
            l.Add("  合力の作用位置が[d<B/3]ですので");
        }
        l.Add("  設計条件を変更して再計算して下さい。");
        l.Add("");
        l.Add("  　地盤反力が計算出来ませんので、滑動");
        l.Add("  に対する安定計算ができません。");
        SetVerdictCaption(store, kSlidingBox, 1, "NO");
        return;
    }
    if (a.Settings.KeyOn)
        SlidingWithKey(a, l);
    else
        SlidingWithoutKey(a, l);
    l.Add(FormatNumber("  安全率Fsは0.0を下回ってはならい。", a.FsSlideReq));
    l.Add(v.Sliding ? FormatNumber("  判定：OK(Fs≧0.0)", a.FsSlideReq)
                    : FormatNumber("  判定：不可(安全率不足)<0.0", a.FsSlideReq));
    SetVerdictCaption(store, kSlidingBox, 1, Word(v.Sliding));
}

// ---- Ground-reaction chart -------------------------------------------------------------

void WriteReactionChart(TAntei& a, ResultsStore& store) {
    Chart& c = store.GetChart("Chart11");
    c.Clear();
    if (ReactionNotComputable(a)) return;

    // Both series exist before either is held.
    c.Get("Series31");
    c.Get("Series47");
    ChartSeries& outline = c.Get("Series31");
    ChartSeries& reaction = c.Get("Series47");
    outline.SeriesColour = clBlack;
    reaction.SeriesColour = report_colours::Ink(a.Settings, report_colours::clPurple);

    const double B = a.PointX[9];
    c.SetRange(B + 0.5, -1.0, a.PointY[3] + 0.5, -std::max(a.Q1, a.Q2) / 100 - 0.5);

    const RegionResult wall = QueryRegion(a, "W_A");
    for (std::size_t i = 0; i < wall.X.size() && i < wall.Y.size(); ++i) outline.Add(wall.X[i], wall.Y[i]);
    ReactionDiagram(a, reaction, a.Settings.KeyOn ? 3 : 0);
}

// ---- Load summary ----------------------------------------------------------------------

void WriteLoadSummary(const TAntei& a, ResultsStore& store) {
    ListBoxContent& l = store.List("ListBox12");
    l.Clear();
    // No ground reaction: nothing to summarise, and no earlier wall's lines may remain.
    if (ReactionNotComputable(a)) return;

    l.Add("荷重概要");
    l.Add("①角度");
    l.Add(FormatNumber("  φ(せん断抵抗角)=0.00度", Deg(a.Phi)));
    l.Add(FormatNumber("  ω(すべり面角)  =0.00度", Deg(a.Omega)));
    l.Add(Cat("  α(背面角)      =", FormatNumber("0.00度;-0.00度", Deg(a.Alpha))));
    l.Add(Cat("  δ(壁面摩擦角)  =", FormatNumber("0.00度;-0.00度", Deg(a.Delta))));
    l.Add(Cat("  α+δ(土圧角度) =", FormatNumber("0.00度;-0.00度", Deg(a.Alpha + a.Delta))));
    l.Add("");
    l.Add("②土圧");
    l.Add(Cat("  Ph(水平土圧)    =", FormatNumber("0.00kN", a.Ph)));
    l.Add(Cat("  Pv(鉛直土圧)    =", FormatNumber("0.00kN;-0.00kN", a.Pv)));
    l.Add("");
    l.Add("③地盤反力");
    l.Add(FormatNumber("  つま先先端部    =0.00kN/m2", a.Q1));
    l.Add(FormatNumber("  つま先固定部    =0.00kN/m2", a.Q4));
    if (a.WallType == 0) {
        l.Add(FormatNumber("  かかと固定部    =0.00kN/m2", a.Q5));
        l.Add(FormatNumber("  かかと先端部    =0.00kN/m2", a.Q2));
    }
    l.Add("");
    if (a.WaterOn == 1) {
        l.Add("④地下水");
        l.Add(FormatNumber("  Pw(水圧)        =0.00kN", a.Pw));
    } else {
        l.Add("④地下水          :なし");
    }
    if (a.ReactionCase == 4 || a.ReactionCase == 5) {
        l.Add("");
        l.Add("⑤壁面地盤反力：なし");
    } else if (a.ReactionCase == 6) {
        const double theta = a.FaceAngle;
        const double qt = a.BackReaction;
        l.Add("");
        l.Add("⑤壁面地盤反力");
        l.Add(Cat("  Qt(壁面地盤反力)　=", FormatNumber("0.00kN", qt)));
        l.Add(Cat("  　Qt･sin(θ)　　　=", FormatNumber("0.00kN", -std::sin(theta) * qt)));
        l.Add(Cat("  　Qt･cos(θ)　　　=", FormatNumber("0.00kN", std::cos(theta) * qt)));
        l.Add(Cat("  qt(壁面地盤反力度)=", FormatNumber("0.00kN/m2", a.BackReactionTop)));
        l.Add(Cat("  L2(地盤反力区間長)=", FormatNumber("0.00m", a.KL * a.FaceLength)));
    }
}

}  // namespace

void WriteStabilityReport(TAntei& a, ResultsStore& store) {
    const Verdicts v = ComputeVerdicts(a);
    WriteOverturning(a, v, store);
    WriteGroundReaction(a, v, store);
    WriteBearingCapacity(a, v, store);
    WriteSliding(a, v, store);
    WriteReactionChart(a, store);
    WriteLoadSummary(a, store);
}

}  // namespace stelvar
