// Section "Ⅱ-2．荷重計算": earth pressure with the slip-angle chart, other loads, the
// load table; and the verdict captions.

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "forms/design_conditions.h"
#include "report/format_number.h"
#include "report/report_colours.h"
#include "report/report_run.h"
#include "report/report_writers.h"
#include "report/results_setup.h"
#include "golden.h"

namespace stelvar {
namespace {

struct Report {
    ResultsStore Store;
    RunOutcome Outcome;
};

Report RunForm(const DesignConditionsForm& form) {
    Report r;
    SetUpResultsWindow(r.Store);
    r.Outcome = RunWithReport(form.Controls(), r.Store);
    return r;
}

DesignConditionsForm LeaningWall() {
    DesignConditionsForm f;
    f.SetIndex("PageControl2", 1);
    return f;
}

// Every load switched on; the window fills in its usual values (water 0.5 m, γw 9.8,
// wind 1.0 m × 1.0 kN/m2, collision 30 kN at 0.6 m over 10 m, H0 1.0 m).
DesignConditionsForm AllLoads() {
    DesignConditionsForm f;
    for (const char* box : {"CheckBox3", "CheckBox5", "CheckBox6", "CheckBox9"})
        f.SetChecked(box, true);
    return f;
}

constexpr std::string_view kNoOtherLoads = R"(
①受働土圧(Pp)：なし

②水圧        ：なし 

③風荷重      ：なし 

④衝突荷重    ：なし 

⑤浮力        ：なし )";

TEST(EarthPressureReport, DefaultGravityWall) {
    const Report r = RunForm(DesignConditionsForm{});
    // Pa 54.8895, ω 1.13587 rad, δ = 2φ/3, Ph 40.9391, Pv 36.5630, y 1.0667, x 1.9111.
    ExpectLines(r.Store.List("ListBox1").Lines, R"(
土圧は試行くさび法により求める。

最大土圧(Pa)は、次式で求める。
    W･sin(ω-φ)-c･L･cosφ
Pa=------------------------=54.89kN
      cos(ω-φ-α-δ)

q(載荷重)                 =10.00kN/m2

ω(すべり角)を変化させ、最大土圧を求める。
計算結果は、下記のとおり。(図4参照)

  W (すべり土塊の重量)    =107.24kN
  ω(すべり角)            =1.14rad=65.08度
  φ(背面土せん断抵抗角)  =35.00度
  α(壁面が鉛直となす角)  =18.43度
  δ(壁面摩擦角)          =23.33度
  c (粘着力)              =0.00kN/m2
  Ｌ(滑り面長)            =3.529m

Ph(水平土圧)=Pa･cos(α+δ)=40.94kN
Pv(鉛直土圧)=Pa･sin(α+δ)=36.56kN
 y(水平土圧の作用点)      =1.067m
 x(鉛直土圧の作用点)      =1.911m)");
    ExpectLines(r.Store.List("ListBox2").Lines, kNoOtherLoads);
    // The "なし" lines of groups 2 to 5 end in one half-width space, group 1's does not.
    const std::vector<std::string>& l = r.Store.List("ListBox2").Lines;
    EXPECT_NE(l[0].back(), ' ');
    for (std::size_t i : {2u, 4u, 6u, 8u}) EXPECT_EQ(l[i].back(), ' ') << l[i];

    // Rows without a load keep the run's "---".
    ExpectLines(GridRows(r.Store.Grid("StringGrid6")), R"(
区分|鉛直力V|水平力H|作用点x|作用点y|ﾓｰﾒﾝﾄV･x|ﾓｰﾒﾝﾄH･y
躯体重量|93.84kN|0.00kN|1.131m|1.218m|106.17kNm|0.00kNm
主働土圧|36.56kN|40.94kN|1.911m|1.067m|69.88kNm|43.67kNm
受働土圧|---|---|---|---|---|---
水圧|---|---|---|---|---|---
浮力|---|---|---|---|---|---
風荷重|---|---|---|---|---|---
衝突荷重|---|---|---|---|---|---
合計|130.40kN|40.94kN|---|---|176.04kNm|43.67kNm)");
}

// The leaning wall's back face leans over the backfill: α is negative and its sign
// follows the "=".
TEST(EarthPressureReport, DefaultLeaningWall) {
    const Report r = RunForm(LeaningWall());
    ExpectLines(r.Store.List("ListBox1").Lines, R"(
土圧は試行くさび法により求める。

最大土圧(Pa)は、次式で求める。
    W･sin(ω-φ)-c･L･cosφ
Pa=------------------------=54.42kN
      cos(ω-φ-α-δ)

q(載荷重)                 =10.00kN/m2

ω(すべり角)を変化させ、最大土圧を求める。
計算結果は、下記のとおり。(図4参照)

  W (すべり土塊の重量)    =189.13kN
  ω(すべり角)            =0.90rad=51.33度
  φ(背面土せん断抵抗角)  =35.00度
  α(壁面が鉛直となす角)  =-19.29度
  δ(壁面摩擦角)          =23.33度
  c (粘着力)              =0.00kN/m2
  Ｌ(滑り面長)            =7.685m

Ph(水平土圧)=Pa･cos(α+δ)=54.29kN
Pv(鉛直土圧)=Pa･sin(α+δ)=3.84kN
 y(水平土圧の作用点)      =2.000m
 x(鉛直土圧の作用点)      =2.435m)");
    ExpectLines(r.Store.List("ListBox2").Lines, kNoOtherLoads);
    ExpectLines(GridRows(r.Store.Grid("StringGrid6")), R"(
区分|鉛直力V|水平力H|作用点x|作用点y|ﾓｰﾒﾝﾄV･x|ﾓｰﾒﾝﾄH･y
躯体重量|140.09kN|0.00kN|1.956m|2.269m|273.98kNm|0.00kNm
主働土圧|3.84kN|54.29kN|2.435m|2.000m|9.34kNm|108.57kNm
受働土圧|---|---|---|---|---|---
水圧|---|---|---|---|---|---
浮力|---|---|---|---|---|---
風荷重|---|---|---|---|---|---
衝突荷重|---|---|---|---|---|---
合計|143.92kN|54.29kN|---|---|283.33kNm|108.57kNm)");
}

TEST(EarthPressureReport, EveryOtherLoadSwitchedOn) {
    const Report r = RunForm(AllLoads());
    const std::vector<std::string>& ep = r.Store.List("ListBox1").Lines;
    // The wedge carries water: its weight is given with the buoyancy taken off.
    ASSERT_GE(ep.size(), 20u);
    ExpectLines(std::vector<std::string>(ep.begin() + 12, ep.begin() + 20), R"(
  W (すべり土塊の重量)    =106.60kN
    W=Wd-Uv
      Wd(浮力無視重量)    =107.17kN
               γw･Hw^2
      Uv(浮力)=---------  =0.57kN
                2･tanω
       γw(水の単位重量)  =9.80kN/m3
        Hw(水深)          =0.500m)");

    ExpectLines(r.Store.List("ListBox2").Lines, R"(
①受働土圧(Pp)
  Pp=Kp･Σγs･H+2･C√Kp=32.75kN

  ここに
    γs(土の湿潤重量) =20.00kN/m3
    γw(土の水中重量) =11.00kN/m3
    H1 (γ の層厚)    =0.500m
    H2 (γwの層厚)    =0.500m
        1+sinφ
    Kp=-----------   =3.69
        1-sinφ

②水圧
           γw･Hw^2
  Pw(水圧)=---------  =1.23kN
               2
  M(ﾓｰﾒﾝﾄ)=Pw･Hp      =0.20kNm
  ここに
    γw(単位重量)     =9.8kN/m3
    Hw(水深)          =0.500m
    Hp(作用点)        =0.167m

③風荷重
  Pf(風荷重)=H･P      =1.00kN
  M(ﾓｰﾒﾝﾄ)  =Pf･Hp    =3.70kNm
  ここに
    P(荷重強度)       =1.00kN/m2
    H(遮音壁高)       =1.000m
    Hp(作用点)        =3.700m

④衝突荷重
  Pf(衝突荷重)=P/L    =3.00kN
  M (ﾓｰﾒﾝﾄ)   =Pf･Hp  =11.40kNm
  ここに
    P (衝突荷重)      =30.00kN
    L (擁壁長)        =10.000m
    Hp(作用点)        =3.800m

⑤浮力
  擁壁の浮力
    Pv(浮力)          =10.35kN
    x (作用位置)      =1.195m
    M (ﾓｰﾒﾝﾄ)=Pv･x    =12.36kNm
)");

    // The passive pressure stands in parentheses: the totals leave it out.
    ExpectLines(GridRows(r.Store.Grid("StringGrid6")), R"(
区分|鉛直力V|水平力H|作用点x|作用点y|ﾓｰﾒﾝﾄV･x|ﾓｰﾒﾝﾄH･y
躯体重量|93.84kN|0.00kN|1.131m|1.218m|106.17kNm|0.00kNm
主働土圧|36.37kN|40.72kN|1.911m|1.067m|69.51kNm|43.44kNm
受働土圧|---|(32.75kN)|---|---|---|---
水圧|---|1.23kN|---|0.167m|---|0.20kNm
浮力|-10.35kN|---|1.195m|---|-12.36kNm|---
風荷重|---|1.00kN|---|3.700m|---|3.70kNm
衝突荷重|---|3.00kN|---|3.800m|---|11.40kNm
合計|119.86kN|45.95kN|---|---|163.31kNm|58.74kNm)");
}

// The seismic earth pressure of "地震時慣性力土圧のみ" prints the seismic Pa and Kp
// formulas with θ and Kh; dry passive pressure shows the triangle formula.
TEST(EarthPressureReport, SeismicFormulas) {
    DesignConditionsForm f;
    f.SetIndex("RadioGroup5", 1);
    f.SetText("Edit61", "0.20");
    f.SetIndex("RadioGroup9", 2);
    f.SetChecked("CheckBox9", true);
    const Report r = RunForm(f);
    const std::vector<std::string>& ep = r.Store.List("ListBox1").Lines;
    ASSERT_GE(ep.size(), 9u);
    EXPECT_EQ(ep[3], "    W･secθsin(ω-φ+θ)-c･L･cosφ");
    EXPECT_EQ(ep[4], FormatNumber("Pa=-------------------------------=0.00kN", r.Outcome.WholeWall.Pa));
    EXPECT_EQ(ep[5], "           cos(ω-φ-α-δ)");
    EXPECT_EQ(ep[6], "ここに");
    EXPECT_EQ(ep[7], "  θ=Arctan(kh)           =11.31度");
    EXPECT_EQ(ep[8], "  Kh(水平震度)            =0.20");

    const std::vector<std::string>& o = r.Store.List("ListBox2").Lines;
    ASSERT_GE(o.size(), 14u);
    EXPECT_EQ(o[1], "        γs･H^2");
    EXPECT_EQ(o[3], "           2");
    EXPECT_EQ(o[7], "    H (有効根入長)    =1.000m");
    ExpectLines(std::vector<std::string>(o.begin() + 8, o.begin() + 14), R"(
           [cos(φ-θ)]^2
 Kp=------------------------------=)" + FormatNumber("0.00", r.Outcome.Object.Kp) + R"(
       2        sinφ･sin(φ-θ)      
    cos(θ)[1-√----------------]^2
                   cos(-θ)
)");
}

// Cohesion of the soil resists even with the passive option off.
TEST(EarthPressureReport, CohesionGivesPassiveResistanceWithTheOptionOff) {
    DesignConditionsForm f;
    f.SetText("Edit21", "5");
    const Report r = RunForm(f);
    const double pp = r.Outcome.Object.Pp;
    ASSERT_GT(pp, 0.0);
    EXPECT_EQ(r.Store.List("ListBox2").Lines[0], "①受働土圧(Pp)");
    EXPECT_EQ(r.Store.Grid("StringGrid6").Cell(2, 3), "(" + FormatNumber("0.00kN", pp) + ")");
}

// Kp = 3, γs = 20, H0 = 0.85 m: Kp·γs·H0²/2 = 21.675 up to the last bit, which the order
// of the products decides; with H0² formed first it prints 21.67 kN.
TEST(EarthPressureReport, PassivePressureOnAHalfHundredth) {
    DesignConditionsForm f;
    f.SetText("Edit14", "30");
    f.SetChecked("CheckBox9", true);
    f.SetText("Edit54", "0.85");
    const Report r = RunForm(f);
    ASSERT_EQ(r.Outcome.Object.Kp, 3.0);
    EXPECT_EQ(r.Store.List("ListBox2").Lines[2], "  Pp=Kp･-------+2･C√Kp=21.67kN");
    EXPECT_EQ(r.Store.Grid("StringGrid6").Cell(2, 3), "(21.67kN)");
}

TEST(EarthPressureReport, CohesiveBackfillShowsTheCrackDepth) {
    DesignConditionsForm f;
    f.SetText("Edit21", "5");
    f.SetChecked("CheckBox7", true);
    const Report r = RunForm(f);
    const TAntei& a = r.Outcome.Object;
    ASSERT_GT(a.Zc, 0.0);
    ASSERT_GT(a.Hc, 0.0);
    const std::vector<std::string>& ep = r.Store.List("ListBox1").Lines;
    const auto at = std::find(ep.begin(), ep.end(), "  c (粘着力)              =5.00kN/m2");
    ASSERT_NE(at, ep.end());
    EXPECT_EQ(*(at + 1), "              2･C     π   φ     Q");
    EXPECT_EQ(*(at + 2), FormatNumber("  Zc(粘着高)=----･tan(---＋---)- --- =0.000m", a.Zc));
    EXPECT_EQ(*(at + 3), "              γs      4    2    γs");
    EXPECT_EQ(*(at + 4), FormatNumber("  hc       =Cosα･Cosβ/Cos(α+β)･Zc=0.000m", a.Hc));
}

// ---- Slip-angle chart --------------------------------------------------------------

TEST(SlipAngleChart, DefaultGravityWall) {
    const Report r = RunForm(DesignConditionsForm{});
    const Chart& c = r.Store.GetChart("Chart5");
    const TPa& p = r.Outcome.WholeWall;
    EXPECT_DOUBLE_EQ(c.Left.Min, 0.0);
    EXPECT_DOUBLE_EQ(c.Left.Max, 1.1 * p.Pa);
    EXPECT_DOUBLE_EQ(c.Bottom.Min, r.Outcome.Object.Phi);
    EXPECT_DOUBLE_EQ(c.Bottom.Max, std::numbers::pi / 2 - 0.005);
    EXPECT_EQ(c.TitleColour, clMaroon);

    // From φ = 35° in steps of 0.05 rad up to 89°, labelled in whole degrees, red.
    const ChartSeries& curve = c.Get("Series44");
    ASSERT_EQ(curve.Points.size(), 20u);
    EXPECT_EQ(curve.SeriesColour, report_colours::clRed);
    EXPECT_EQ(curve.Points.front().Label, "35");
    EXPECT_EQ(curve.Points[1].Label, "38");
    EXPECT_EQ(curve.Points.back().Label, "89");
    EXPECT_DOUBLE_EQ(curve.Points.front().Y, 0.0);
    for (const SeriesPoint& pt : curve.Points) {
        EXPECT_EQ(pt.PointColour, report_colours::clRed);
        EXPECT_LE(pt.Y, p.Pa + 1e-9);
    }

    // The search's maximum, marked in blue on the whole-wall results.
    const ChartSeries& marker = c.Get("Series8");
    ASSERT_EQ(marker.Points.size(), 2u);
    EXPECT_EQ(marker.Points[0].X, p.Omega);
    EXPECT_EQ(marker.Points[0].Y, 0.0);
    EXPECT_EQ(marker.Points[0].Label, "65.08度");
    EXPECT_EQ(marker.Points[1].Label, "54.89kN");
    EXPECT_NEAR(marker.Points[1].Y, p.Pa, 1e-9);
    for (const SeriesPoint& pt : marker.Points) EXPECT_EQ(pt.PointColour, report_colours::clBlue);

    // Drawing the chart leaves the whole-wall results as the search left them.
    EXPECT_EQ(r.Outcome.WholeWall.Pa, 54.88951744323271);
    EXPECT_EQ(r.Outcome.WholeWall.Omega, 1.1358652381980128);
}

TEST(SlipAngleChart, LeaningWallEndsEarlierAndBlackAndWhiteIsBlack) {
    DesignConditionsForm f = LeaningWall();
    f.SetIndex("RadioGroup4", 1);
    const Report r = RunForm(f);
    const Chart& c = r.Store.GetChart("Chart5");
    // A back face leaning over the backfill turns the end of the range down by α.
    EXPECT_DOUBLE_EQ(c.Bottom.Max, std::numbers::pi / 2 - 0.005 + r.Outcome.Object.Alpha);
    const ChartSeries& curve = c.Get("Series44");
    ASSERT_EQ(curve.Points.size(), 13u);
    EXPECT_EQ(curve.Points.back().Label, "69");
    EXPECT_EQ(c.Get("Series8").Points[0].Label, "51.33度");
    EXPECT_EQ(c.Get("Series8").Points[1].Label, "54.42kN");

    EXPECT_EQ(c.TitleColour, clBlack);
    for (const ChartSeries& s : c.Series) {
        EXPECT_EQ(s.SeriesColour, clBlack) << s.Name;
        for (const SeriesPoint& pt : s.Points) EXPECT_EQ(pt.PointColour, clBlack) << s.Name;
    }
}

// ---- Grid numbers and verdict captions ------------------------------------------------

TEST(GridNumber, NoValueMarkerShowsDashes) {
    EXPECT_EQ(GridNumber("0.00kN", kNoValue), "---");
    EXPECT_EQ(GridNumber("0.00kN", -99.000001), "-99.00kN");
    EXPECT_EQ(GridNumber("0.000m", 0.0), "0.000m");
}

TEST(VerdictCaption, TextAndColourByVerdict) {
    ResultsStore s;
    SetVerdictCaption(s, "GroupBox24", 1, "OK");
    EXPECT_EQ(s.GetCaption("GroupBox24").Text, "1.滑動に対する安定( OK )");
    EXPECT_EQ(s.GetCaption("GroupBox24").FontColour, report_colours::clBlue);

    SetVerdictCaption(s, "GroupBox24", 1, "NO");  // a later verdict replaces the earlier
    EXPECT_EQ(s.GetCaption("GroupBox24").Text, "1.滑動に対する安定( NO )");
    EXPECT_EQ(s.GetCaption("GroupBox24").FontColour, report_colours::clRed);

    SetVerdictCaption(s, "GroupBox24", 1, "-");  // another word keeps the colour
    EXPECT_EQ(s.GetCaption("GroupBox24").Text, "1.滑動に対する安定( - )");
    EXPECT_EQ(s.GetCaption("GroupBox24").FontColour, report_colours::clRed);

    const std::pair<int, const char*> bases[] = {{0, "-( OK )"},
                                                 {2, "2.転倒に対する安定( OK )"},
                                                 {3, "3.支持力に対する安定( OK )"},
                                                 {4, "4.鉛直支持力の照査( OK )"}};
    for (const auto& [index, text] : bases) {
        SetVerdictCaption(s, "GroupBox33", index, "OK");
        EXPECT_EQ(s.GetCaption("GroupBox33").Text, text);
    }
    EXPECT_THROW(SetVerdictCaption(s, "GroupBox33", 5, "OK"), std::out_of_range);
    EXPECT_THROW(SetVerdictCaption(s, "GroupBox33", -1, "OK"), std::out_of_range);
}

}  // namespace
}  // namespace stelvar
