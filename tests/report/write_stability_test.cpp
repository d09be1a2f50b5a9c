// Chapter "Ⅲ.安定計算": the stability lists with their verdict captions, the
// ground-reaction chart and the load summary, for the three reference walls and for the
// branches that only unusual walls reach.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "forms/design_conditions.h"
#include "report/report_colours.h"
#include "report/results_setup.h"
#include "report/write_stability.h"
#include "report_fixtures.h"
#include "run/calculation.h"
#include "golden.h"

namespace stelvar {
namespace {

// The last lines of a list.
void ExpectTail(const std::vector<std::string>& actual, std::string_view golden) {
    const std::vector<std::string> expected = Lines(golden);
    ASSERT_GE(actual.size(), expected.size());
    const std::vector<std::string> tail(actual.end() - static_cast<std::ptrdiff_t>(expected.size()),
                                        actual.end());
    ExpectLines(tail, golden);
}

DesignConditionsForm LeaningWall() {
    DesignConditionsForm f;
    f.SetIndex("PageControl2", 1);
    return f;
}

// Stages 9 to 14 again after a change of a load: totals, limits, ground reaction,
// bearing capacity, slab reactions and sliding, as a run would compute them.
void Restabilise(TAntei& a) {
    LoadTotals(a);
    DesignCaseLimits(a);
    GroundReaction(a);
    BearingCapacity(a);
    SlabReaction(a);
    SlidingResistance(a);
}

struct Written {
    TAntei A;
    ResultsStore Store;
    const std::vector<std::string>& List(std::string_view name) const { return Store.List(name).Lines; }
    std::string Caption(std::string_view box) const { return Store.GetCaption(box).Text; }
    Colour CaptionColour(std::string_view box) const { return Store.GetCaption(box).FontColour; }
    const ChartSeries& Series(std::string_view name) const {
        return Store.GetChart("Chart11").Get(name);
    }
};

// The calculation sequence on a fresh object, an optional change of the object, then
// the writer into a freshly set-up results window.
Written Write(const DesignConditionsForm& form, const std::function<void(TAntei&)>& change = {}) {
    Written w;
    CalculationSequence(w.A, form.Controls());
    if (change) change(w.A);
    SetUpResultsWindow(w.Store, w.A.WallType);
    WriteStabilityReport(w.A, w.Store);
    return w;
}

// An extra overturning moment (kNm/m) moves the resultant toward the toe (negative:
// toward the heel).
std::function<void(TAntei&)> ExtraMoment(double m) {
    return [m](TAntei& a) {
        a.CollisionMoment += m;
        Restabilise(a);
    };
}

void ExpectCaptions(const Written& w, const char* sliding, const char* overturning,
                    const char* reaction, const char* bearing) {
    const auto check = [&](std::string_view box, const std::string& base, std::string_view word) {
        EXPECT_EQ(w.Caption(box), base + "( " + std::string(word) + " )") << box;
        EXPECT_EQ(w.CaptionColour(box),
                  word == "OK" ? report_colours::clBlue : report_colours::clRed) << box;
    };
    check("GroupBox24", "1.滑動に対する安定", sliding);
    check("GroupBox22", "2.転倒に対する安定", overturning);
    check("GroupBox23", "3.支持力に対する安定", reaction);
    check("GroupBox33", "4.鉛直支持力の照査", bearing);
}

void ExpectChartRange(const Written& w, double xmin, double xmax, double ymin, double ymax) {
    const Chart& c = w.Store.GetChart("Chart11");
    EXPECT_TRUE(c.Bottom.RangeSet);
    EXPECT_TRUE(c.Left.RangeSet);
    EXPECT_NEAR(c.Bottom.Min, xmin, 1e-12);
    EXPECT_NEAR(c.Bottom.Max, xmax, 1e-12);
    EXPECT_NEAR(c.Left.Min, ymin, 1e-12);
    EXPECT_NEAR(c.Left.Max, ymax, 1e-12);
}

std::vector<std::string> Labels(const ChartSeries& s) {
    std::vector<std::string> out;
    for (const SeriesPoint& p : s.Points) out.push_back(p.Label);
    return out;
}


TEST(StabilityReportTest, DefaultGravityWall) {
    const Written w = Write(DesignConditionsForm{});
    ASSERT_EQ(w.A.ReactionCase, 0);
    ExpectLines(w.List("ListBox4"), R"G(
2.転倒に対する安定計算
  擁壁底版つま先から合力Rの作用点までの距離(d)は、次式で求める。
      Mr - Mo
  d=-----------                        =1.015m
        Vo
  ここに
    Mr(擁壁底面つま先回りの抵抗ﾓｰﾒﾝﾄ)  =176.04kNm
    Mo(擁壁底面つま先回りの転倒ﾓｰﾒﾝﾄ)  =43.67kNm
    Vo(擁壁底面における全鉛直荷重)     =130.40kN
  合力Rの作用点の底版中央からの偏心距離(e)は、次式で求める。
  e=B/2-d        =0.185m

  転倒に対する安定条件として、合力Rの作用点は常時は底版中央の
  底版幅1/3の範囲内になければならない。
  すなわち、偏心距離(e)は、式|e|≦B/6を満足しなければならない。

  |e|≦B/6       =0.400m
  判定：OK(中央1/3以内))G");
    ExpectLines(w.List("ListBox5"), R"G(
3.支持地盤の支持力に対する安定
  地盤反力度(q)は、次式で求める。
         Vo      6･e
  q1,q2=---･(1±-----)
         B        B
    q1(つま先での地盤反力度)         =79.45kN/m2
    q2(かかとでの地盤反力度)         =29.22kN/m2

  ここに
    Vo(底版下面における全鉛直荷重)   =130.40kN
    B (擁壁の底版幅)                 =2.400m
    e (偏心距離)                     =0.185m
  q1,q2は次式を満足しなければならない。
  q1,q2≦qa0(地盤の許容鉛直支持力度) =300kN/m2

  判定：OK(許容鉛直支持力度内)
    q1(つま先での地盤反力度)≦qa0(=300kN/m2)
    q2(かかとでの地盤反力度)≦qa0(=300kN/m2))G");
    ExpectLines(w.List("ListBox23"), R"G(
4.鉛直支持力の照査

  極限支持力の計算
  極限支持力度(qu)は、次式で求める。

  qu = α･κ･c･Nc･Sc+κ･q･Nq･Sq+1/2･γ1･β･Be･Nγ･Sγ=217.44kN/m2

  ここに
    qu (偏心傾斜を考慮した地盤の極限支持力度)　　=217.44kN/m2
    γ1(支持地盤の土の単位重量)　　　　　　　　　=19.00kN/m3
    γ2(根入れ地盤の土の単位重量)　　　　　　　　=18.00kN/m3
       (ただし、地下水位以下では水中単位重量を用いる。)
    Df (基礎の有効根入れ深さ)　　　　　　　　　　=1.200m
    Df'(支持地盤あるいは支持地盤と同程度良質な地盤に根入れした深さ)=0.600m
    c  (支持地盤の粘着力)　　　　　　　　　　　　=0.00kN/m2
    q  (上載荷重)　　　　　　　　　　　 =γ2･Df　=21.60kN/m2
    Be (偏心を考慮した基礎の有効載荷幅)=B－2･eB　=2.030m
    　B (基礎幅)　　　　　　　　　　　　　　　　 =2.400m
　　　eB(荷重の偏心量)　　　　　　　　　　　　　 =0.185m
    α(基礎の形状係数=1+0.3･Be/L)　　　　　　　　=1.12
    β(基礎の形状係数=1-0.4･Be/L)　　　　　　　　=0.84
    　Ｌ(ブロック長:伸縮目地間隔)　　　　　　　　=5.000m
　　　　　　　　　　　　　　(Be/L>1の場合は,Be/L =1 とする)
    κ(根入れ効果に対する割増し係数=1+0.3･Df'/Be)=1.089
    Nc,Nq,Nγ(荷重の傾斜を考慮した支持力係数)
      地盤の剪断抵抗角φおよび荷重の傾斜(tanθ)から求められる。
      Nc　　　　　　　　　　　　　　　　　　　　 =15.6
      Nq　　　　　　　　　　　　　　　　　　　　 =9.2
      Nγ　　　　　　　　　　　　　　　　　　　  =4.0
      φ(支持地盤の剪断抵抗角)　　　　　　　　　 =30.0度
      tanθ(荷重の傾斜) = HB／V　　　　　　　　　=0.314(=17.4度)
        HB(基礎底面に作用する水平力)　　　　　　 =40.94kN
        V (基礎底面に作用する鉛直力)　　　　　　 =130.40kN
    Sc,Sq,Sr(支持力係数の寸法効果に関する補正係数
      Sc =c'^λ　　　　　　　　　　　　　　　　  =1.000
      Sq =q'^ｖ　　　　　　　　　　　　　　　　  =0.774
      Sγ=B'^μ　　　　　　　　　　　　　　　　  =0.790
      λ,ｖ,μ(寸法効果の程度を表す係数)= -1/3
      c'= c/10　　　　　　　　　　　　　　　　　 =1.000 (但し,1≦c'≦10)
      q'= q/10　　　　　　　　　　　　　　　　　 =2.160 (但し,1≦q'≦10)
      B'=Be/1　　　　　　　　　　　　　　　　　  =2.030 (但し,1≦B')

  鉛直地盤反力度は、次式を満足しなければならない。

     Vo           qu
    ---- ≦ qa = ----
     Be            n

  ここに
    Vo(基礎底面に作用する鉛直力)　　　　　　　　=130.40kN/m
    Be(荷重の偏心を考慮した擁壁底面の有効載荷幅)=2.030m
    Vo/Be　　　　　　　　　　　　　　　　　　　 =64.23kN/m2
    qa(荷重の偏心傾斜を考慮した許容鉛直支持力度)=72.48kN/m2
    　qu(地盤の極限支持力度)　　　　　　　　　　=217.44kN/m2
    　n (安全率:常時)　　　　　　　　　　　　　 =3

  判定：OK(許容鉛直支持力度内))G");
    ExpectLines(w.List("ListBox3"), R"G(
1.滑動に対する安定
  滑動に対する安全率(Fs)は、次式で求める。
      Vo･μ+Cb･Be
  Fs=--------------                      =1.91
         Ho
  ここに
    Vo (擁壁底面における全鉛直荷重)      =130.40kN
    Ho (擁壁底面における全水平荷重)      =40.94kN
    μ (擁壁底面と地盤の間の摩擦係数)    =0.60
    Cb (擁壁底面と地盤の間の付着力)      =0.00kN/m2
    Be (有効載荷幅)                      =2.030m
       (偏心距離>0なら、有効載荷幅=底版幅(B)-2×偏心距離(e))
       (偏心距離<0なら、有効載荷幅=底版幅(B)とする
  安全率Fsは1.5を下回ってはならい。
  判定：OK(Fs≧1.5))G");
    ExpectLines(w.List("ListBox12"), R"G(
荷重概要
①角度
  φ(せん断抵抗角)=35.00度
  ω(すべり面角)  =65.08度
  α(背面角)      =18.43度
  δ(壁面摩擦角)  =23.33度
  α+δ(土圧角度) =41.77度

②土圧
  Ph(水平土圧)    =40.94kN
  Pv(鉛直土圧)    =36.56kN

③地盤反力
  つま先先端部    =79.45kN/m2
  つま先固定部    =75.26kN/m2
  かかと固定部    =33.41kN/m2
  かかと先端部    =29.22kN/m2

④地下水          :なし)G");
    ExpectCaptions(w, "OK", "OK", "OK", "OK");

    // Base 2.4 m, q1 79.45 kN/m2, base thickness 0.2 m.
    ExpectChartRange(w, -1.0, 2.9, -0.7944706649325857 - 0.5, 0.7);
    const ChartSeries& outline = w.Series("Series31");
    EXPECT_EQ(outline.SeriesColour, clBlack);
    ASSERT_EQ(outline.Points.size(), 9u);
    EXPECT_EQ(Labels(outline), std::vector<std::string>(9));
    EXPECT_DOUBLE_EQ(outline.Points[3].X, 0.8);
    EXPECT_DOUBLE_EQ(outline.Points[3].Y, 3.2);
    const ChartSeries& reaction = w.Series("Series47");
    EXPECT_EQ(reaction.SeriesColour, report_colours::clPurple);
    EXPECT_EQ(Labels(reaction), (std::vector<std::string>{" ", "79.45kN/m2", "29.22kN/m2", " "}));
    EXPECT_DOUBLE_EQ(reaction.Points[2].X, 2.4);
}

TEST(StabilityReportTest, DefaultLeaningWall) {
    const Written w = Write(LeaningWall());
    ASSERT_EQ(w.A.ReactionCase, 6);
    ExpectLines(w.List("ListBox4"), R"G(
2.転倒に対する安定計算
  擁壁底版つま先から合力Rの作用点までの距離(d)は、次式で求める。
      Mr - Mo
  d=-----------                        =1.214m
        Vo
  ここに
    Mr(擁壁底面つま先回りの抵抗ﾓｰﾒﾝﾄ)  =283.33kNm
    Mo(擁壁底面つま先回りの転倒ﾓｰﾒﾝﾄ)  =108.57kNm
    Vo(擁壁底面における全鉛直荷重)     =143.92kN

　転倒に対する安定条件として、合力Rの作用点は常時は
　擁壁底版幅Bの1/2より後方(B/2<d)になければならない。
　　d  =1.214m
　　B/2=1.025m

  判定：OK(B/2<d))G");
    ExpectLines(w.List("ListBox5"), R"G(
3.支持地盤の支持力に対する安定
  地盤反力度(q)は、次式で求める。
　合力Rの作用点までの距離(d)は[B/2<d]であり簡便法で求める。

  qv1(つま先での地盤反力度)       =44.75kN/m2
  qv2(かかとでの地盤反力度)       =95.10kN/m2
  ここに
    qv1=2･Qv･(2-3･Kd)/B
    qv2=2･Qv･(3･Kd-1)/B
    Ma(つま先回りのﾓｰﾒﾝﾄ=Mr-Mo) 　=174.75kNm
    Kd(簡便法に用いる係数)　　　　=0.56
    B (擁壁底面幅)　　　　　　　　=2.050m
　　d (合力Rの作用点までの距離)　 =1.214m
    Vo(擁壁底面における全鉛直荷重)=143.92kN
    θ(壁面傾斜角)　　　　　　　　=1:0.35(19.3度)
    Ｌ(壁面長)　　　　　　　　　　=6.357m
    KL(簡便法に用いる係数)　　　　=0.55
    　　　　　　Ma-kd･B･Vo
    Qt=---------------------------=1.74kN
    　　B･sinθ･(1-kd)+L･(1-KL/3)
        (ただし、d≦kd･Bのときは、Qt=0とする。)
    Qv(鉛直地盤反力)　=Vo-Qt･sinθ=143.35kN
    Qh(水平地盤反力)　=Ho+Qt･cosθ=55.92kN
    qt(壁面地盤反力度)=2･Qt/(KL･L)=0.99kN/m2
  qv1,qv2は次式を満足しなければならない。
  qv1,qv2≦qa0(地盤の許容鉛直支持力度) =300kN/m2

  判定：OK(許容鉛直支持力度内)
    qv1(つま先での地盤反力度)≦qa0(=300kN/m2)
    qv2(かかとでの地盤反力度)≦qa0(=300kN/m2))G");
    ExpectLines(w.List("ListBox23"), R"G(
4.鉛直支持力の照査

  極限支持力の計算
  極限支持力度(qu)は、次式で求める。

  qu = α･κ･c･Nc･Sc+κ･q･Nq･Sq+1/2･γ1･β･Be･Nγ･Sγ=174.57kN/m2

  ここに
    qu (偏心傾斜を考慮した地盤の極限支持力度)　　=174.57kN/m2
    γ1(支持地盤の土の単位重量)　　　　　　　　　=19.00kN/m3
    γ2(根入れ地盤の土の単位重量)　　　　　　　　=18.00kN/m3
       (ただし、地下水位以下では水中単位重量を用いる。)
    Df (基礎の有効根入れ深さ)　　　　　　　　　　=1.200m
    Df'(支持地盤あるいは支持地盤と同程度良質な地盤に根入れした深さ)=0.600m
    c  (支持地盤の粘着力)　　　　　　　　　　　　=0.00kN/m2
    q  (上載荷重)　　　　　　　　　　　 =γ2･Df　=21.60kN/m2
    Be (偏心を考慮した基礎の有効載荷幅)=B－2･eB　=2.050m
    　B (基礎幅)　　　　　　　　　　　　　　　　 =2.050m
　　　eB(荷重の偏心量)　　　　　　　　　　　　　 =-0.189m
    α(基礎の形状係数=1+0.3･Be/L)　　　　　　　　=1.12
    β(基礎の形状係数=1-0.4･Be/L)　　　　　　　　=0.84
    　Ｌ(ブロック長:伸縮目地間隔)　　　　　　　　=5.000m
　　　　　　　　　　　　　　(Be/L>1の場合は,Be/L =1 とする)
    κ(根入れ効果に対する割増し係数=1+0.3･Df'/Be)=1.088
    Nc,Nq,Nγ(荷重の傾斜を考慮した支持力係数)
      地盤の剪断抵抗角φおよび荷重の傾斜(tanθ)から求められる。
      Nc　　　　　　　　　　　　　　　　　　　　 =13.3
      Nq　　　　　　　　　　　　　　　　　　　　 =7.6
      Nγ　　　　　　　　　　　　　　　　　　　  =2.8
      φ(支持地盤の剪断抵抗角)　　　　　　　　　 =30.0度
      tanθ(荷重の傾斜) = HB／V　　　　　　　　　=0.377(=20.7度)
        HB(基礎底面に作用する水平力)　　　　　　 =54.29kN
        V (基礎底面に作用する鉛直力)　　　　　　 =143.92kN
    Sc,Sq,Sr(支持力係数の寸法効果に関する補正係数
      Sc =c'^λ　　　　　　　　　　　　　　　　  =1.000
      Sq =q'^ｖ　　　　　　　　　　　　　　　　  =0.774
      Sγ=B'^μ　　　　　　　　　　　　　　　　  =0.787
      λ,ｖ,μ(寸法効果の程度を表す係数)= -1/3
      c'= c/10　　　　　　　　　　　　　　　　　 =1.000 (但し,1≦c'≦10)
      q'= q/10　　　　　　　　　　　　　　　　　 =2.160 (但し,1≦q'≦10)
      B'=Be/1　　　　　　　　　　　　　　　　　  =2.050 (但し,1≦B')

  鉛直地盤反力度は、次式を満足しなければならない。

     Qv           qu
    ---- ≦ qa = ----
     Be            n

  ここに
    Qv(基礎底面に作用する鉛直力)　　　　　　　　=143.35kN/m
    Be(荷重の偏心を考慮した擁壁底面の有効載荷幅)=2.050m
    Qv/Be　　　　　　　　　　　　　　　　　　　 =69.93kN/m2
    qa(荷重の偏心傾斜を考慮した許容鉛直支持力度)=58.19kN/m2
    　qu(地盤の極限支持力度)　　　　　　　　　　=174.57kN/m2
    　n (安全率:常時)　　　　　　　　　　　　　 =3

  判定：不可(許容鉛直支持力度外))G");
    ExpectLines(w.List("ListBox3"), R"G(
1.滑動に対する安定
  滑動に対する安全率(Fs)は、次式で求める。
      Vo･μ+Cb･Be
  Fs=--------------                      =1.59
         Ho
  ここに
    Vo (擁壁底面における全鉛直荷重)      =143.92kN
    Ho (擁壁底面における全水平荷重)      =54.29kN
    μ (擁壁底面と地盤の間の摩擦係数)    =0.60
    Cb (擁壁底面と地盤の間の付着力)      =0.00kN/m2
    Be (有効載荷幅)                      =2.050m
       (偏心距離>0なら、有効載荷幅=底版幅(B)-2×偏心距離(e))
       (偏心距離<0なら、有効載荷幅=底版幅(B)とする
  安全率Fsは1.5を下回ってはならい。
  判定：OK(Fs≧1.5))G");
    ExpectLines(w.List("ListBox12"), R"G(
荷重概要
①角度
  φ(せん断抵抗角)=35.00度
  ω(すべり面角)  =51.33度
  α(背面角)      =-19.29度
  δ(壁面摩擦角)  =23.33度
  α+δ(土圧角度) =4.04度

②土圧
  Ph(水平土圧)    =54.29kN
  Pv(鉛直土圧)    =3.84kN

③地盤反力
  つま先先端部    =44.75kN/m2
  つま先固定部    =65.26kN/m2

④地下水          :なし

⑤壁面地盤反力
  Qt(壁面地盤反力)　=1.74kN
  　Qt･sin(θ)　　　=-0.57kN
  　Qt･cos(θ)　　　=1.64kN
  qt(壁面地盤反力度)=0.99kN/m2
  L2(地盤反力区間長)=3.50m)G");
    ExpectCaptions(w, "OK", "OK", "OK", "NO");

    // The larger reaction is at the heel (qv2 95.10 kN/m2); base thickness 0.9 m.
    ExpectChartRange(w, -1.0, 2.55, -0.9510130011642613 - 0.5, 1.4);
    EXPECT_EQ(w.Series("Series31").Points.size(), 8u);
    EXPECT_EQ(Labels(w.Series("Series47")),
              (std::vector<std::string>{" ", "44.75kN/m2", "95.10kN/m2", " "}));
}

TEST(StabilityReportTest, SeismicWallWithWaterPassivePressureAndKey) {
    const Written w = Write(testing::SeismicWaterPassiveKeyWall());
    ASSERT_EQ(w.A.ReactionCase, 1);
    ExpectLines(w.List("ListBox4"), R"G(
2.転倒に対する安定計算
  擁壁底版つま先から合力Rの作用点までの距離(d)は、次式で求める。
      Mr - Mo
  d=-----------                        =0.671m
        Vo
  ここに
    Mr(擁壁底面つま先回りの抵抗ﾓｰﾒﾝﾄ)  =169.78kNm
    Mo(擁壁底面つま先回りの転倒ﾓｰﾒﾝﾄ)  =88.94kNm
    Vo(擁壁底面における全鉛直荷重)     =120.57kN
  合力Rの作用点の底版中央からの偏心距離(e)は、次式で求める。
  e=B/2-d        =0.529m

  転倒に対する安定条件として、合力Rの作用点は地震時は底版中央の
  底版幅2/3の範囲内になければならない。
  すなわち、偏心距離(e)は、式|e|≦B/3を満足しなければならない。

  |e|≦B/3     =0.800m
  判定：OK(中央2/3以内))G");
    ExpectLines(w.List("ListBox5"), R"G(
3.支持地盤の支持力に対する安定
  地盤反力度(q)は、次式で求める。
      2･Vo
  q=-------                          =119.87kN/m2
      3･d

  ここに
    Vo(擁壁底面における全鉛直荷重)   =120.57kN
    d (つま先～合力作用位置間の距離) =0.671m
  q1,q2は次式を満足しなければならない。
  q1,q2≦qa0(地盤の許容鉛直支持力度) =450kN/m2

  判定：OK(許容鉛直支持力度内)
    q1(つま先での地盤反力度)≦qa0(=450kN/m2)
    q2(かかとでの地盤反力度)≦qa0(=450kN/m2))G");
    ExpectLines(w.List("ListBox23"), R"G(
4.鉛直支持力の照査

  極限支持力の計算
  極限支持力度(qu)は、次式で求める。

  qu = α･κ･c･Nc･Sc+κ･q･Nq･Sq+1/2･γ1･β･Be･Nγ･Sγ=32.79kN/m2

  ここに
    qu (偏心傾斜を考慮した地盤の極限支持力度)　　=32.79kN/m2
    γ1(支持地盤の土の単位重量)　　　　　　　　　=19.00kN/m3(水中単位重量:10.00kN/m3)
    γ2(根入れ地盤の土の単位重量)　　　　　　　　=18.00kN/m3(水中単位重量:10.50kN/m3)
       (ただし、地下水位以下では水中単位重量を用いる。単位重量は水深で加重計算。)
    Df (基礎の有効根入れ深さ)　　　　　　　　　　=1.200m
    Df'(支持地盤あるいは支持地盤と同程度良質な地盤に根入れした深さ)=0.600m
    c  (支持地盤の粘着力)　　　　　　　　　　　　=0.00kN/m2
    q  (上載荷重)　　　　　　　　　　　 =γ2･Df　=12.60kN/m2
    Be (偏心を考慮した基礎の有効載荷幅)=B－2･eB　=1.341m
    　B (基礎幅)　　　　　　　　　　　　　　　　 =2.400m
　　　eB(荷重の偏心量)　　　　　　　　　　　　　 =0.529m
    α(基礎の形状係数=1+0.3･Be/L)　　　　　　　　=1.08
    β(基礎の形状係数=1-0.4･Be/L)　　　　　　　　=0.89
    　Ｌ(ブロック長:伸縮目地間隔)　　　　　　　　=5.000m
　　　　　　　　　　　　　　(Be/L>1の場合は,Be/L =1 とする)
    κ(根入れ効果に対する割増し係数=1+0.3･Df'/Be)=1.134
    Nc,Nq,Nγ(荷重の傾斜を考慮した支持力係数)
      地盤の剪断抵抗角φおよび荷重の傾斜(tanθ)から求められる。
      Nc　　　　　　　　　　　　　　　　　　　　 =5.5
      Nq　　　　　　　　　　　　　　　　　　　　 =2.5
      Nγ　　　　　　　　　　　　　　　　　　　  =0.0
      φ(支持地盤の剪断抵抗角)　　　　　　　　　 =30.0度
      tanθ(荷重の傾斜) = HB／V　　　　　　　　　=0.703(=35.1度)
        HB(基礎底面に作用する水平力)　　　　　　 =84.72kN
        V (基礎底面に作用する鉛直力)　　　　　　 =120.57kN
    Sc,Sq,Sr(支持力係数の寸法効果に関する補正係数
      Sc =c'^λ　　　　　　　　　　　　　　　　  =1.000
      Sq =q'^ｖ　　　　　　　　　　　　　　　　  =0.926
      Sγ=B'^μ　　　　　　　　　　　　　　　　  =0.907
      λ,ｖ,μ(寸法効果の程度を表す係数)= -1/3
      c'= c/10　　　　　　　　　　　　　　　　　 =1.000 (但し,1≦c'≦10)
      q'= q/10　　　　　　　　　　　　　　　　　 =1.260 (但し,1≦q'≦10)
      B'=Be/1　　　　　　　　　　　　　　　　　  =1.341 (但し,1≦B')

  鉛直地盤反力度は、次式を満足しなければならない。

     Vo           qu
    ---- ≦ qa = ----
     Be            n

  ここに
    Vo(基礎底面に作用する鉛直力)　　　　　　　　=120.57kN/m
    Be(荷重の偏心を考慮した擁壁底面の有効載荷幅)=1.341m
    Vo/Be　　　　　　　　　　　　　　　　　　　 =89.91kN/m2
    qa(荷重の偏心傾斜を考慮した許容鉛直支持力度)=16.39kN/m2
    　qu(地盤の極限支持力度)　　　　　　　　　　=32.79kN/m2
    　n (安全率:地震時)　　　　　　　　　　　　 =2

  判定：不可(許容鉛直支持力度外))G");
    ExpectLines(w.List("ListBox3"), R"G(
1.滑動に対する安定
  滑動に対する安全率(Fs)は、次式で求める。
  Fs=Hk/Ho                               =0.89
  ここに
    Hk=c･b1+v1･tanφ+(v2+v3)･tanφb+0.5･Pp=75.39kN
    Hk(擁壁底面と地盤間の剪断抵抗力)
    Ho(擁壁底面における全水平荷重)        =84.72kN
    Be(有効載荷幅)                        =1.341m
    b1(擁壁底面前端～突起前面までの距離)  =1.000m
    b2(有効載荷幅内の突起幅)              =0.341m
    b3(突起背面～有効載荷幅後方までの距離)=0.000m
    v1～v3(b1～b3に作用する鉛直荷重で,vi=bi/B'･Vo)
    Vo (擁壁底面における全鉛直荷重)      =120.57kN
    φ (基礎地盤の剪断抵抗角)           　=30度
    φb(擁壁底面と地盤との間の摩擦角)     =30度
    c  (基礎地盤の粘着力)                 =0.00kN/m2
    Pp(受働土圧)                          =11.56kN
  安全率Fsは1.2を下回ってはならい。
  判定：不可(安全率不足)<1.2)G");
    ExpectLines(w.List("ListBox12"), R"G(
荷重概要
①角度
  φ(せん断抵抗角)=35.00度
  ω(すべり面角)  =53.62度
  α(背面角)      =18.43度
  δ(壁面摩擦角)  =17.50度
  α+δ(土圧角度) =35.93度

②土圧
  Ph(水平土圧)    =60.50kN
  Pv(鉛直土圧)    =43.85kN

③地盤反力
  つま先先端部    =119.87kN/m2
  つま先固定部    =107.96kN/m2
  かかと固定部    =0.00kN/m2
  かかと先端部    =0.00kN/m2

④地下水
  Pw(水圧)        =4.90kN)G");
    ExpectCaptions(w, "NO", "OK", "OK", "NO");

    // With the key the outline has its four key corners and the diagram its key-face
    // bars; the triangle ends at L = 3·d.
    ExpectChartRange(w, -1.0, 2.9, -w.A.Q1 / 100 - 0.5, 0.7);
    EXPECT_EQ(w.Series("Series31").Points.size(), 13u);
    const ChartSeries& reaction = w.Series("Series47");
    EXPECT_EQ(Labels(reaction), (std::vector<std::string>{" ", "119.87kN/m2", " ", " ", "60.28", " ",
                                                          " ", " ", "36.44", "0.0kN/m2"}));
    EXPECT_DOUBLE_EQ(reaction.Points.back().X, 3 * w.A.D);
}

// Cases 3 and 7: no ground reaction, so no sliding check, no chart and no load summary;
// lines of an earlier wall must not survive in the results window.
TEST(StabilityReportTest, ReactionNotComputableLeavesChartAndLoadSummaryEmpty) {
    struct Case {
        const char* name;
        DesignConditionsForm form;
        double extraMoment;
        int reactionCase;
        const char* sliding;
        const char* reactionVerdict;
    };
    const Case cases[] = {
        {"gravity, |e| >= B/3", DesignConditionsForm{}, 100.0, 3, R"G(
1.滑動に対する安定

  偏心距離が[B/3]をオーバーしましたので
  設計条件を変更して再計算して下さい。

  　地盤反力が計算出来ませんので、滑動
  に対する安定計算ができません。)G", "NO"},
        {"leaning, d < B/3", LeaningWall(), 100.0, 7, R"G(
1.滑動に対する安定

  合力の作用位置が[d<B/3]ですので
  設計条件を変更して再計算して下さい。

  　地盤反力が計算出来ませんので、滑動
  に対する安定計算ができません。)G", "OK"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Written w;
        CalculationSequence(w.A, c.form.Controls());
        ExtraMoment(c.extraMoment)(w.A);
        ASSERT_EQ(w.A.ReactionCase, c.reactionCase);
        SetUpResultsWindow(w.Store, w.A.WallType);
        // A previous run's figure and summary.
        w.Store.List("ListBox12").Add("荷重概要");
        w.Store.GetChart("Chart11").Get("Series47").Add(0.0, -1.0, "99.00kN/m2");
        w.Store.GetChart("Chart11").Get("Series31").Add(0.0, 0.0);
        WriteStabilityReport(w.A, w.Store);

        ExpectLines(w.List("ListBox3"), c.sliding);
        EXPECT_TRUE(w.List("ListBox12").empty());
        for (const ChartSeries& s : w.Store.GetChart("Chart11").Series) EXPECT_TRUE(s.Points.empty()) << s.Name;
        ExpectCaptions(w, "NO", "NO", c.reactionVerdict, "NO");
        EXPECT_FALSE(w.List("ListBox4").empty());
        EXPECT_FALSE(w.List("ListBox23").empty());
    }
}

TEST(StabilityReportTest, GroundReactionNotComputable) {
    const Written w = Write(DesignConditionsForm{}, ExtraMoment(100.0));
    ASSERT_EQ(w.A.ReactionCase, 3);
    ExpectLines(w.List("ListBox5"), R"G(
3.支持地盤の支持力に対する安定
  地盤反力度(q)は、次式で求める。
  q              =計算不能
    Vo(擁壁底面における全鉛直荷重)   =130.40kN
    B (擁壁の底版幅)                 =2.400m
    e (偏心距離)                     =0.952m

  偏心距離が[B/3]をオーバーしましたので
  設計条件を変更して再計算して下さい。

  　地盤反力が計算出来ませんので、これ
  以降の構造計算結果は使用できません。
  判定：不可(偏心距離オーバー))G");
    // Be = 0.497 m: the size-effect width is the 1 m that Sγ is computed with.
    const std::vector<std::string>& bearing = w.List("ListBox23");
    EXPECT_NE(std::find(bearing.begin(), bearing.end(),
                        "    Be (偏心を考慮した基礎の有効載荷幅)=B－2･eB　=0.497m"),
              bearing.end());
    EXPECT_NE(std::find(bearing.begin(), bearing.end(),
                        "      B'=Be/1　　　　　　　　　　　　　　　　　  =1.000 (但し,1≦B')"),
              bearing.end());
    EXPECT_NE(std::find(bearing.begin(), bearing.end(),
                        "      Sγ=B'^μ　　　　　　　　　　　　　　　　  =1.000"),
              bearing.end());
}

// Resultant beyond the toe (case 7 with d < 0, Be < 0): nothing is computable; κ, qu
// and V/Be are shown as 0 and no infinity or NaN reaches a line.
TEST(StabilityReportTest, ResultantBeyondTheToe) {
    const Written w = Write(LeaningWall(), ExtraMoment(200.0));
    ASSERT_EQ(w.A.ReactionCase, 7);
    ASSERT_LT(w.A.D, 0.0);
    ASSERT_LT(w.A.Be, 0.0);
    ExpectLines(w.List("ListBox5"), R"G(
3.支持地盤の支持力に対する安定
  地盤反力度(q)は、次式で求める。
      2･Vo
  q=-------                          =0.00kN/m2
      3･d

  ここに
    Vo(擁壁底面における全鉛直荷重)   =143.92kN
-    d (つま先～合力作用位置間の距離) =0.175m
  q1,q2は次式を満足しなければならない。
  q1,q2≦qa0(地盤の許容鉛直支持力度) =300kN/m2

  判定：OK(許容鉛直支持力度内)
  判定：不可(偏心距離オーバー)
    q1(つま先での地盤反力度)≦qa0(=300kN/m2)
    q2(かかとでの地盤反力度)≦qa0(=300kN/m2))G");
    const std::vector<std::string>& bearing = w.List("ListBox23");
    for (const char* line :
         {"  qu = α･κ･c･Nc･Sc+κ･q･Nq･Sq+1/2･γ1･β･Be･Nγ･Sγ=0.00kN/m2",
          "    κ(根入れ効果に対する割増し係数=1+0.3･Df'/Be)=0.000",
          "    Vo/Be　　　　　　　　　　　　　　　　　　　 =0.00kN/m2",
          "    qa(荷重の偏心傾斜を考慮した許容鉛直支持力度)=0.00kN/m2",
          "    　qu(地盤の極限支持力度)　　　　　　　　　　=0.00kN/m2",
          "      B'=Be/1　　　　　　　　　　　　　　　　　  =1.000 (但し,1≦B')"})
        EXPECT_NE(std::find(bearing.begin(), bearing.end(), line), bearing.end()) << line;
    EXPECT_EQ(bearing.back(), "  判定：不可(許容鉛直支持力度外)");
    ExpectCaptions(w, "NO", "NO", "NO", "NO");
    for (const char* list : {"ListBox3", "ListBox4", "ListBox5", "ListBox23"})
        for (const std::string& line : w.List(list)) {
            EXPECT_EQ(line.find("INF"), std::string::npos) << line;
            EXPECT_EQ(line.find("NAN"), std::string::npos) << line;
        }
}

// A bearing factor that has no solution for the load's inclination is no figure: the
// factor, qu and qa show "---", the check fails and a line after the judgement says why.
// The engine's own values stay in the object. Where the factor's term vanishes (no
// cohesion for Nc) qu is a figure and the section is as for any other wall.
TEST(StabilityReportTest, BearingFactorWithoutValue) {
    struct Row {
        const char* Label;
        const char* Phi1;
        const char* C1;
        const char* C2;
        const char* Nc;      // the factor lines' endings (nullptr: not looked at)
        const char* Nq;
        const char* Reason;  // the line after the judgement, or nullptr
    };
    const Row rows[] = {
        {"frictionless clay, inclined load", "0", "50", "0.0", "=---", "=1.0",
         "  (荷重の傾斜が大きく支持力係数Ncが求まらないため)"},
        {"cohesive embedment ground as well", "0", "50", "10", "=---", "=---",
         "  (荷重の傾斜が大きく支持力係数Nc,Nqが求まらないため)"},
        {"load steeper than phi, qu would pass", "10", "200", "5", "=4.9", "=---",
         "  (荷重の傾斜が大きく支持力係数Nqが求まらないため)"},
        {"no cohesion: Nc does not matter", "0", "0.0", "0.0", nullptr, "=1.0", nullptr},
    };
    const std::string_view figureLines[] = {
        "  qu = α･κ･c･Nc･Sc+κ･q･Nq･Sq+1/2･γ1･β･Be･Nγ･Sγ=",
        "    qu (偏心傾斜を考慮した地盤の極限支持力度)　　=",
        "    qa(荷重の偏心傾斜を考慮した許容鉛直支持力度)=",
        "    　qu(地盤の極限支持力度)　　　　　　　　　　=",
    };
    for (const Row& r : rows) {
        DesignConditionsForm form;
        form.SetText("Edit42", r.Phi1);
        form.SetText("Edit3", r.C1);
        form.SetText("LabeledEdit8", r.C2);
        const Written w = Write(form);
        const std::vector<std::string>& l = w.List("ListBox23");
        const auto line = [&](std::string_view start) {
            const auto it = std::find_if(l.begin(), l.end(), [&](const std::string& s) {
                return s.find(start) != std::string::npos;
            });
            return it == l.end() ? std::string("(missing)") : *it;
        };
        const auto endsWith = [](const std::string& s, std::string_view end) {
            return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
        };
        if (r.Nc) {
            EXPECT_TRUE(endsWith(line("Nc　"), r.Nc)) << r.Label << ": " << line("Nc　");
        }
        EXPECT_TRUE(endsWith(line("Nq　"), r.Nq)) << r.Label << ": " << line("Nq　");
        for (std::string_view start : figureLines) {
            const std::string figure = line(start);
            if (r.Reason) {
                EXPECT_EQ(figure, std::string(start) + "---") << r.Label;
            } else {
                EXPECT_TRUE(figure.find("---") == std::string::npos && endsWith(figure, "kN/m2"))
                    << r.Label << ": " << figure;
            }
        }
        if (r.Reason) {
            ASSERT_GE(l.size(), 2u);
            EXPECT_EQ(l[l.size() - 2], "  判定：不可(許容鉛直支持力度外)") << r.Label;
            EXPECT_EQ(l.back(), r.Reason) << r.Label;
            EXPECT_EQ(w.Caption("GroupBox33"), "4.鉛直支持力の照査( NO )") << r.Label;
            EXPECT_TRUE(w.A.Nc == kNoBearingFactor || w.A.Nq == kNoBearingFactor) << r.Label;
        } else {
            EXPECT_EQ(l.back().rfind("  判定：", 0), 0u) << r.Label;
        }
    }
}

TEST(StabilityReportTest, TriangleAndTrapezoidReactionCases) {
    // Resultant toward the heel: triangle at the heel, its loaded zone from B − 3·(B − d).
    const Written heel = Write(DesignConditionsForm{}, ExtraMoment(-100.0));
    ASSERT_EQ(heel.A.ReactionCase, 2);
    ExpectLines(heel.List("ListBox5"), R"G(
3.支持地盤の支持力に対する安定
  地盤反力度(q)は、次式で求める。
      2･Vo
  q=-------                          =140.67kN/m2
      3･d

  ここに
    Vo(擁壁底面における全鉛直荷重)   =130.40kN
    d (つま先～合力作用位置間の距離) =1.782m
    d (踵　　～合力作用位置間の距離) =0.618m
  q1,q2は次式を満足しなければならない。
  q1,q2≦qa0(地盤の許容鉛直支持力度) =300kN/m2

  判定：OK(許容鉛直支持力度内)
    q1(つま先での地盤反力度)≦qa0(=300kN/m2)
    q2(かかとでの地盤反力度)≦qa0(=300kN/m2))G");
    EXPECT_EQ(Labels(heel.Series("Series47")),
              (std::vector<std::string>{"0.0kN/m2", "140.67kN/m2", " "}));
    EXPECT_NEAR(heel.Series("Series47").Points[0].X, 2.4 - 3 * (2.4 - heel.A.D), 1e-12);

    // Leaning wall with the resultant between B/3 and B/2: trapezoid, no wall-face reaction.
    const Written leaning = Write(LeaningWall(), ExtraMoment(50.0));
    ASSERT_EQ(leaning.A.ReactionCase, 4);
    ExpectLines(leaning.List("ListBox5"), R"G(
3.支持地盤の支持力に対する安定
  地盤反力度(q)は、次式で求める。
　合力Rの作用点までの距離(d)は[B/3≦d≦B/2]であり次式で求める。
         Vo      6･e
  q1,q2=---･(1±-----)
         B        B
    q1(つま先での地盤反力度)         =102.72kN/m2
    q2(かかとでの地盤反力度)         =37.70kN/m2

  ここに
    Vo(底版下面における全鉛直荷重)   =143.92kN
    B (擁壁の底版幅)                 =2.050m
    e (偏心距離)                     =0.158m
　　d (合力Rの作用点までの距離)　　　=0.867m
  q1,q2は次式を満足しなければならない。
  q1,q2≦qa0(地盤の許容鉛直支持力度) =300kN/m2

  判定：OK(許容鉛直支持力度内)
    q1(つま先での地盤反力度)≦qa0(=300kN/m2)
    q2(かかとでの地盤反力度)≦qa0(=300kN/m2))G");
    ExpectTail(leaning.List("ListBox12"), R"G(
④地下水          :なし

⑤壁面地盤反力：なし)G");

    // Simplified method without a wall-face reaction (d <= Kd·B).
    const Written simplified = Write(LeaningWall(), ExtraMoment(20.0));
    ASSERT_EQ(simplified.A.ReactionCase, 5);
    const std::vector<std::string>& reaction = simplified.List("ListBox5");
    EXPECT_NE(std::find(reaction.begin(), reaction.end(), "    Qt=---------------------------=0.00kN"),
              reaction.end());
    ExpectTail(simplified.List("ListBox12"), R"G(

⑤壁面地盤反力：なし)G");
    // The bearing check uses Vo, not Qv, outside case 6.
    const std::vector<std::string>& bearing = simplified.List("ListBox23");
    EXPECT_NE(std::find(bearing.begin(), bearing.end(),
                        "    Vo(基礎底面に作用する鉛直力)　　　　　　　　=143.92kN/m"),
              bearing.end());
    EXPECT_NE(std::find(bearing.begin(), bearing.end(), "     Vo           qu"), bearing.end());
}

TEST(StabilityReportTest, OverturningByAllowableEccentricity) {
    struct Case {
        const char* name;
        bool leaning;
        int loadCase;
        double B, e, d;
        const char* tail;
        const char* verdict;
    };
    const Case cases[] = {
        {"gravity ordinary, e = 0.5 m, B = 3 m", false, 0, 3.0, 0.5, 1.0, R"G(
  |e|>B/6        =0.500m
  判定：不可(中央1/3以外))G", "NO"},
        {"gravity ordinary inside", false, 0, 3.0, -0.4, 1.9, R"G(
  |e|≦B/6       =0.500m
  判定：OK(中央1/3以内))G", "OK"},
        {"gravity seismic inside", false, 1, 3.0, 0.5, 1.0, R"G(
  |e|≦B/3     =1.000m
  判定：OK(中央2/3以内))G", "OK"},
        {"gravity seismic at B/3", false, 1, 3.0, -1.0, 2.5, R"G(
  |e|>B/3      =1.000m
  判定：不可(中央2/3以外))G", "NO"},
        {"leaning ordinary, d = B/2", true, 0, 2.0, 0.0, 1.0, R"G(
　転倒に対する安定条件として、合力Rの作用点は常時は
　擁壁底版幅Bの1/2より後方(B/2<d)になければならない。
　　d  =1.000m
　　B/2=1.000m

  判定：不可(d≦B/2))G", "NO"},
        {"leaning ordinary behind B/2", true, 0, 2.0, -0.1, 1.1, R"G(
  判定：OK(B/2<d))G", "OK"},
        {"leaning seismic, d = B/3", true, 1, 3.0, 0.5, 1.0, R"G(
  転倒に対する安定条件として、合力Rの作用点は地震時は
  擁壁底版幅Bの1/3より後方(B/3≦d)になければならない。
　　d  =1.000m
　　B/3=1.000m

  判定：OK(B/3≦d))G", "OK"},
        {"leaning seismic in front of B/3", true, 1, 3.0, 0.6, 0.9, R"G(
  判定：不可(d＜B/3))G", "NO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Written w = Write(c.leaning ? LeaningWall() : DesignConditionsForm{}, [&](TAntei& a) {
            a.LoadCase = c.loadCase;
            a.PointX[9] = c.B;
            a.E = c.e;
            a.D = c.d;
        });
        ExpectTail(w.List("ListBox4"), c.tail);
        EXPECT_EQ(w.Caption("GroupBox22"), std::string("2.転倒に対する安定( ") + c.verdict + " )");
    }
}

TEST(StabilityReportTest, OverturningBySafetyFactor) {
    const auto method = [](double mo) {
        return [mo](TAntei& a) {
            a.Settings.OverturnMethod = 1;
            a.Settings.FmReq = 1.5;
            if (mo >= 0) a.Mo = mo;
        };
    };
    const Written w = Write(DesignConditionsForm{}, method(-1));
    ExpectLines(w.List("ListBox4"), R"G(
2.転倒に対する安定計算
  転倒に対する安全率(Fm)は、次式で求める。
         Mr
  Fm=-----------                       =4.031
         Mo
  ここに
    Mr(擁壁底版つま先回りの抵抗ﾓｰﾒﾝﾄ)  =176.04kNm
    Mo(擁壁底版つま先回りの転倒ﾓｰﾒﾝﾄ)  =43.67kNm

  転倒に対する安定条件として、1.5≦Fmを満足しなければならない。

  1.5≦Fm(=4.031)
  判定：OK(安全率を満たす))G");
    EXPECT_EQ(w.Caption("GroupBox22"), "2.転倒に対する安定( OK )");

    const Written short_ = Write(DesignConditionsForm{}, method(150.0));
    ExpectTail(short_.List("ListBox4"), R"G(
  1.5>Fm(=1.174)
  判定：不可(安全率不足))G");
    EXPECT_EQ(short_.Caption("GroupBox22"), "2.転倒に対する安定( NO )");

    // Nothing tips the wall over: the factor is unbounded, not a number.
    const Written none = Write(DesignConditionsForm{}, method(0.0));
    EXPECT_EQ(none.List("ListBox4")[3], "  Fm=-----------                       =∞");
    ExpectTail(none.List("ListBox4"), R"G(
  1.5≦Fm(=∞)
  判定：OK(安全率を満たす))G");
    EXPECT_EQ(none.Caption("GroupBox22"), "2.転倒に対する安定( OK )");
}

TEST(StabilityReportTest, ReactionAboveTheAllowableBearingPressure) {
    const Written gravity = Write(DesignConditionsForm{}, [](TAntei& a) { a.Qa = 60.0; });
    ExpectTail(gravity.List("ListBox5"), R"G(
  q1,q2≦qa0(地盤の許容鉛直支持力度) =60kN/m2

  判定：不可(許容鉛直支持力度外)
    q1(つま先での地盤反力度)＞qa0(=60kN/m2)
    q2(かかとでの地盤反力度)≦qa0(=60kN/m2))G");
    EXPECT_EQ(gravity.Caption("GroupBox23"), "3.支持力に対する安定( NO )");

    const Written leaning = Write(LeaningWall(), [](TAntei& a) { a.Qa = 90.0; });
    ExpectTail(leaning.List("ListBox5"), R"G(
  qv1,qv2≦qa0(地盤の許容鉛直支持力度) =90kN/m2

  判定：不可(許容鉛直支持力度外)
    qv1(つま先での地盤反力度)≦qa0(=90kN/m2)
    qv2(かかとでの地盤反力度)＞qa0(=90kN/m2))G");
    EXPECT_EQ(leaning.Caption("GroupBox23"), "3.支持力に対する安定( NO )");
}

// Without a horizontal load the sliding factor is unbounded; the engine's 999.9 (9999.9
// with a key) passes the check.
TEST(StabilityReportTest, SlidingWithoutHorizontalLoad) {
    const auto noHorizontalLoad = [](bool passive) {
        return [passive](TAntei& a) {
            a.Settings.PassiveOn = passive;
            if (!passive) a.Pp = 0.0;
            a.Ho = a.HoCopy = 0.0;
            SlidingResistance(a);
        };
    };
    const Written plain = Write(DesignConditionsForm{}, noHorizontalLoad(false));
    EXPECT_EQ(plain.A.Fs, 999.9);
    EXPECT_EQ(plain.List("ListBox3")[2], "      Vo･μ+Cb･Be");
    EXPECT_EQ(plain.List("ListBox3")[3], "  Fs=--------------                      =∞");
    EXPECT_EQ(plain.List("ListBox3").back(), "  判定：OK(Fs≧1.5)");
    EXPECT_EQ(plain.Caption("GroupBox24"), "1.滑動に対する安定( OK )");

    const Written passive = Write(DesignConditionsForm{}, noHorizontalLoad(true));
    ExpectLines(std::vector<std::string>(passive.List("ListBox3").begin() + 2,
                                         passive.List("ListBox3").begin() + 5),
                R"G(
      Vo･μ+Cb･Be+0.5･Pp
  Fs=--------------------                =∞
            Ho)G");
    ExpectTail(passive.List("ListBox3"), R"G(
    Pp (受働土圧)                        =0.00kN
  安全率Fsは1.5を下回ってはならい。
  判定：OK(Fs≧1.5))G");

    const Written key = Write(testing::SeismicWaterPassiveKeyWall(), noHorizontalLoad(true));
    EXPECT_EQ(key.A.Fs, 9999.9);
    EXPECT_EQ(key.List("ListBox3")[2], "  Fs=Hk/Ho                               =∞");
    EXPECT_EQ(key.Caption("GroupBox24"), "1.滑動に対する安定( OK )");
}

TEST(StabilityReportTest, KeyWithoutPassivePressure) {
    DesignConditionsForm form = testing::SeismicWaterPassiveKeyWall();
    form.SetChecked("CheckBox9", false);
    const Written w = Write(form);
    ASSERT_EQ(w.A.Pp, 0.0);
    EXPECT_EQ(w.List("ListBox3")[4].rfind("    Hk=c･b1+v1･tanφ+(v2+v3)･tanφb       =", 0), 0u);
    for (const std::string& line : w.List("ListBox3")) EXPECT_EQ(line.find("Pp"), std::string::npos) << line;
}

TEST(StabilityReportTest, BlackAndWhiteFigureDrawsTheDiagramBlack) {
    const Written w = Write(DesignConditionsForm{}, [](TAntei& a) { a.Settings.ColourMode = 1; });
    EXPECT_EQ(w.Series("Series47").SeriesColour, clBlack);
    EXPECT_EQ(w.Series("Series31").SeriesColour, clBlack);
    EXPECT_EQ(w.Series("Series47").Points.size(), 4u);
}

}  // namespace
}  // namespace stelvar
