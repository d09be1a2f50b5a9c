// Self-weight by the coordinate method on both tabs: lists, coordinate tables and the
// point-number figures.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "forms/design_conditions.h"
#include "report/report_run.h"
#include "report/results_setup.h"
#include "report/report_colours.h"
#include "golden.h"

namespace stelvar {
namespace {

// The grid as rows of "|"-separated cells.
ResultsStore RunForm(const DesignConditionsForm& form) {
    ResultsStore store;
    SetUpResultsWindow(store);
    RunWithReport(form.Controls(), store);
    return store;
}

DesignConditionsForm LeaningWall() {
    DesignConditionsForm f;
    f.SetIndex("PageControl2", 1);
    return f;
}

DesignConditionsForm WithWater(DesignConditionsForm f) {
    f.SetChecked("CheckBox3", true);  // the window fills in a depth of 0.5 m and γw 9.8
    return f;
}

constexpr std::string_view kMethod = R"(
1.荷重の計算
  座標法により、荷重を求める。
　図形の折点(0,1,2...i,i+1,...N)の各座標
　値を(x[i],y[i])とすると
　  A (断面積)
    Iy(y軸に関する断面1次ﾓｰﾒﾝﾄ)
    Ix(x軸に関する断面1次ﾓｰﾒﾝﾄ)
  は、次式で求められる。
  A = 1/2･Σ(xi1･yi-xi･yi1)
  Iy=-1/2･Σ(yi1-yi){xi^2+1/3･(xi1-xi)(xi1+2･xi)}
  Ix= 1/2･Σ(xi1-xi){yi^2+1/3･(yi1-yi)(yi1+2･yi)}
  ここに
    xi1=x[i+1] , xi=x[i]
    yi1=y[i+1] , yi=y[i]
  座標法による計算結果を下記に示す。
)";

TEST(SelfWeightReport, DefaultGravityWall) {
    const ResultsStore s = RunForm(DesignConditionsForm{});
    // A = 4.08 m2, centroid (1.1314, 1.2176): the body of 93.84 kN.
    ExpectLines(s.List("ListBox6").Lines, std::string(kMethod) + R"(
2.躯体重量の計算
  A (擁壁躯体面積)     =4.08m2
  W (擁壁重量)=γc･A   =93.84kN
  Iy(y軸の断面1次ﾓｰﾒﾝﾄ)=4.62m3
  Ix(x軸の断面1次ﾓｰﾒﾝﾄ)=4.97m3
  x (図心)=Iy/A        =1.131m
  y (図心)=Ix/A        =1.218m

ここに
  γc(ｺﾝｸﾘｰﾄ単位重量)  =23.00kN)");
    ExpectLines(GridRows(s.Grid("StringGrid2")), R"(
躯体|座標x(m)|座標y(m)
0|0.000|0.000
1|0.000|0.200
2|0.200|0.200
3|0.800|3.200
4|1.200|3.200
5|2.200|0.200
6|2.400|0.200
7|2.400|0.000)");

    // Toe and heel slabs of 0.2 × 0.2 m, measured to the faces of the stem.
    ExpectLines(s.List("ListBox21").Lines, R"(
1.つま先版(M:ﾓｰﾒﾝﾄ計算用)重量の計算
  A(つま先版面積)      =0.04m2
  W(つま先版重量)=γc･A=0.92kN
  Iy(y軸の断面1次ﾓｰﾒﾝﾄ)=0.00m3
  x (図心)=Iy/A        =0.100m

2.かかと版(M:ﾓｰﾒﾝﾄ計算用)重量の計算
  A(かかと版面積)      =0.04m2
  W(かかと版重量)=γc･A=0.92kN
  Iy(y軸の断面1次ﾓｰﾒﾝﾄ)=0.09m3
  x (図心)=Iy/A        =2.300m

ここに
  γc(ｺﾝｸﾘｰﾄ単位重量)  =23.00kN)");
    ExpectLines(GridRows(s.Grid("StringGrid4")), R"(
つま先M|座標x(m)|座標y(m)
0|0.000|0.000
1|0.000|0.200
2|0.200|0.200
3|0.200|0.000
かかとM|座標x(m)|座標y(m)
0|2.200|0.000
1|2.200|0.200
2|2.400|0.200
3|2.400|0.000)");
}

TEST(SelfWeightReport, DefaultLeaningWall) {
    const ResultsStore s = RunForm(LeaningWall());
    // A ≈ 6.0907 m2, centroid (1.9558, 2.2690): 140.09 kN.
    ExpectLines(s.List("ListBox6").Lines, std::string(kMethod) + R"(
2.躯体重量の計算
  A (擁壁躯体面積)     =6.09m2
  W (擁壁重量)=γc･A   =140.09kN
  Iy(y軸の断面1次ﾓｰﾒﾝﾄ)=11.91m3
  Ix(x軸の断面1次ﾓｰﾒﾝﾄ)=13.82m3
  x (図心)=Iy/A        =1.956m
  y (図心)=Ix/A        =2.269m

ここに
  γc(ｺﾝｸﾘｰﾄ単位重量)  =23.00kN)");
    // The crown overhangs the base: its back corner lies beyond the heel end.
    ExpectLines(GridRows(s.Grid("StringGrid2")), R"(
躯体|座標x(m)|座標y(m)
0|0.000|0.000
1|0.000|0.900
2|0.835|0.900
3|3.385|6.000
4|3.835|6.000
5|2.050|0.900
6|2.050|0.000)");

    // No heel slab on a leaning wall.
    ExpectLines(s.List("ListBox21").Lines, R"(
1.つま先版(M:ﾓｰﾒﾝﾄ計算用)重量の計算
  A(つま先版面積)      =0.75m2
  W(つま先版重量)=γc･A=17.28kN
  Iy(y軸の断面1次ﾓｰﾒﾝﾄ)=0.31m3
  x (図心)=Iy/A        =0.417m

ここに
  γc(ｺﾝｸﾘｰﾄ単位重量)  =23.00kN)");
    ExpectLines(GridRows(s.Grid("StringGrid4")), R"(
つま先M|座標x(m)|座標y(m)
0|0.000|0.000
1|0.000|0.900
2|0.835|0.900
3|0.835|0.000)");

    const Chart& c = s.GetChart("Chart12");
    EXPECT_DOUBLE_EQ(c.Bottom.Max, 3.835 + 0.5);
    EXPECT_DOUBLE_EQ(c.Left.Max, 6.0 + 0.5);
    EXPECT_TRUE(c.Get("Series35").Points.empty());
}

// Water above the base slab: buoyancy sections and coordinate blocks follow the weights,
// and both figures mark the water level.
TEST(SelfWeightReport, WaterAddsBuoyancy) {
    const ResultsStore s = RunForm(WithWater(DesignConditionsForm{}));
    const std::vector<std::string>& l = s.List("ListBox6").Lines;
    const std::vector<std::string> tail(l.begin() + 24, l.end());
    ExpectLines(tail, R"(
3.躯体浮力の計算
  A (擁壁躯体面積)     =1.06m2
  W (擁壁浮力)=γw･A   =10.35kN
  Iy(y軸の断面1次ﾓｰﾒﾝﾄ)=1.26m3
  Ix(x軸の断面1次ﾓｰﾒﾝﾄ)=0.25m3
  x (図心)=Iy/A        =1.195m
  y (図心)=Ix/A        =0.235m

ここに
  γc(ｺﾝｸﾘｰﾄ単位重量)  =23.00kN
  γw(水の単位重量)    =9.80kN)");

    // The submerged body crosses the faces at the water level (0.5 m).
    const std::vector<std::string> rows = GridRows(s.Grid("StringGrid2"));
    ASSERT_EQ(rows.size(), 18u);
    EXPECT_EQ(rows[9], "躯体浮力|座標x(m)|座標y(m)");
    EXPECT_EQ(rows[13], "3|0.260|0.500");
    EXPECT_EQ(rows[14], "4|2.100|0.500");

    const std::vector<std::string>& slab = s.List("ListBox21").Lines;
    ASSERT_EQ(slab.size(), 27u);
    EXPECT_EQ(slab[12], "3.つま先版(M:ﾓｰﾒﾝﾄ計算用)浮力の計算");
    EXPECT_EQ(slab[14], "  W(つま先版浮力)=γw･A=0.39kN");
    EXPECT_EQ(slab[18], "4.かかと版(M:ﾓｰﾒﾝﾄ計算用)浮力の計算");
    EXPECT_EQ(slab[26], "  γw(水の単位重量)    =9.80kN");
    const std::vector<std::string> slabRows = GridRows(s.Grid("StringGrid4"));
    ASSERT_EQ(slabRows.size(), 20u);
    EXPECT_EQ(slabRows[10], "つま先M浮力|座標x(m)|座標y(m)");
    EXPECT_EQ(slabRows[15], "かかとM浮力|座標x(m)|座標y(m)");

    // Level line with an inverted triangle, 1 m wide from the foot of the back face.
    for (const char* chart : {"Chart4", "Chart12"}) {
        const ChartSeries& mark =
            s.GetChart(chart).Get(std::string_view(chart) == "Chart4" ? "Series32" : "Series36");
        ASSERT_EQ(mark.Points.size(), 6u) << chart;
        EXPECT_EQ(mark.SeriesColour, report_colours::clAqua);
        EXPECT_NEAR(mark.Points[0].X, 2.2 + 0.2, 1e-6);
        EXPECT_NEAR(mark.Points[1].X, 2.7, 1e-6);
        EXPECT_NEAR(mark.Points[2].Y, 0.5 + 0.2, 1e-6);
        EXPECT_NEAR(mark.Points[5].X, 2.2 + 0.8, 1e-6);
        for (const SeriesPoint& p : mark.Points) EXPECT_EQ(p.Label, " ");
    }
}

TEST(SelfWeightReport, PointNumberFigures) {
    const ResultsStore s = RunForm(DesignConditionsForm{});
    const Chart& c = s.GetChart("Chart4");
    EXPECT_DOUBLE_EQ(c.Bottom.Min, -0.5);
    EXPECT_DOUBLE_EQ(c.Bottom.Max, 2.2 + 1.2);
    EXPECT_DOUBLE_EQ(c.Left.Min, -1.0);
    EXPECT_DOUBLE_EQ(c.Left.Max, 3.2 + 0.5);
    EXPECT_EQ(c.TitleColour, clMaroon);
    const ChartSeries& body = c.Get("Series17");
    ASSERT_EQ(body.Points.size(), 9u);
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(body.Points[i].Label, std::to_string(i));
    EXPECT_EQ(body.Points[8].Label, " ");  // the closing corner
    EXPECT_TRUE(c.Get("Series32").Points.empty());

    const Chart& slab = s.GetChart("Chart12");
    EXPECT_EQ(slab.Get("Series34").Points.size(), 5u);
    EXPECT_EQ(slab.Get("Series34").SeriesColour, report_colours::clRed);
    EXPECT_EQ(slab.Get("Series35").Points.size(), 5u);
    EXPECT_EQ(slab.Get("Series35").Points[3].Label, "3");
}

TEST(SelfWeightReport, BlackAndWhiteDrawsEverythingBlack) {
    DesignConditionsForm f = WithWater(DesignConditionsForm{});
    f.SetIndex("RadioGroup4", 1);
    const ResultsStore s = RunForm(f);
    for (const char* name : {"Chart4", "Chart12"}) {
        const Chart& c = s.GetChart(name);
        EXPECT_EQ(c.TitleColour, clBlack) << name;
        for (const ChartSeries& series : c.Series) {
            EXPECT_EQ(series.SeriesColour, clBlack) << series.Name;
            for (const SeriesPoint& p : series.Points)
                EXPECT_TRUE(!p.PointColour || *p.PointColour == clBlack) << series.Name;
        }
    }
}

TEST(SelfWeightReport, WallWithoutBaseSlab) {
    DesignConditionsForm f;
    f.SetText("Edit39", "0");
    const ResultsStore s = RunForm(f);
    EXPECT_EQ(s.List("ListBox21").Lines, std::vector<std::string>{"底版なし。"});
    ExpectLines(GridRows(s.Grid("StringGrid4")), R"(
躯体|座標x(m)|座標y(m)
*|*|*
*|*|*
*|*|*
*|*|*)");
    // Toe tip, crown, heel end and the closing corner: the stem stands on the ground.
    EXPECT_EQ(s.GetChart("Chart12").Get("Series33").Points.size(), 5u);
}

// Each run lays out the coordinate tables afresh: a dry run after a wet one drops the
// buoyancy blocks, and its section numbers start again at 1.
TEST(SelfWeightReport, ASecondRunReplacesTheFirst) {
    ResultsStore s;
    SetUpResultsWindow(s);
    RunWithReport(WithWater(DesignConditionsForm{}).Controls(), s);
    ASSERT_EQ(s.Grid("StringGrid2").RowCount, 18);
    RunWithReport(DesignConditionsForm{}.Controls(), s);
    EXPECT_EQ(s.Grid("StringGrid2").RowCount, 9);
    EXPECT_EQ(s.Grid("StringGrid4").RowCount, 10);
    EXPECT_EQ(s.List("ListBox6").Lines.size(), 26u);
    EXPECT_EQ(s.List("ListBox6").Lines[16], "2.躯体重量の計算");
    EXPECT_EQ(s.List("ListBox21").Lines[0], "1.つま先版(M:ﾓｰﾒﾝﾄ計算用)重量の計算");
    EXPECT_TRUE(s.GetChart("Chart4").Get("Series32").Points.empty());
}

}  // namespace
}  // namespace stelvar
