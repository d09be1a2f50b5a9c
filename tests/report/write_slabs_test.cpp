// Section "Ⅳ-2．構造(底版)": the toe slab, heel slab and shear key texts, tables and
// ground-reaction charts.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "forms/design_conditions.h"
#include "report/report_colours.h"
#include "report/results_setup.h"
#include "report/write_slabs.h"
#include "report_fixtures.h"
#include "run/calculation.h"
#include "golden.h"

namespace stelvar {
namespace {

// The structural stage as a run drives it: the reset of the result grids, steps 1-14,
// the stem design, then the base-slab report into the given store.
TAntei RunInto(ResultsStore& store, const DesignConditionsForm& form) {
    ResetResultGrids(store);
    TAntei a;
    CalculationSequence(a, form.Controls());
    if (StructuralStageRuns(a)) StemDesign(a);
    WriteBaseSlabReport(a, store);
    return a;
}

enum class Wall { Gravity, Leaning, SeismicKey };

const char* NameOf(Wall wall) {
    switch (wall) {
        case Wall::Gravity: return "Gravity";
        case Wall::Leaning: return "Leaning";
        case Wall::SeismicKey: return "SeismicKey";
    }
    return "";
}

DesignConditionsForm FormOf(Wall wall) {
    if (wall == Wall::SeismicKey) return testing::SeismicWaterPassiveKeyWall();
    DesignConditionsForm f;
    if (wall == Wall::Leaning) f.SetIndex("PageControl2", 1);
    return f;
}

struct SlabRun {
    ResultsStore Store;
    TAntei Object;
};

// One run per wall, set up as at program start (the gravity wall selected).
const SlabRun& RunOf(Wall wall) {
    static std::map<Wall, SlabRun> runs;
    auto it = runs.find(wall);
    if (it == runs.end()) {
        it = runs.emplace(wall, SlabRun{}).first;
        SetUpResultsWindow(it->second.Store);
        it->second.Object = RunInto(it->second.Store, FormOf(wall));
    }
    return it->second;
}

// ---- Golden texts and tables --------------------------------------------------------
//
// Default gravity wall: trapezoidal reaction (case 0), no buoyancy; the toe's σct is
// 0.2204 N/mm2 against σcat 0.22 and so "不可" although both print as 0.22.
// Default leaning wall: toe slab only (0.9 m thick). Seismic wall with water, passive
// pressure and a key: triangle at the toe (case 1, L = 2.012 m) that does not reach
// the heel, buoyancy in the slab design, a heel with negative stresses, the key's
// back face beyond Be. Note the trailing blanks of the " Z " lines.

struct GoldenCase {
    Wall Of;
    const char* Control;
    std::string_view Golden;
};

const GoldenCase kGoldens[] = {
    {Wall::Gravity, "ListBox9", R"G(
つま先版の設計
  つま先版は、たて壁との結合部を固定端
  とする片持梁として設計する。
  部材設計の照査位置は、固定部とする。

(a)断面力
 ①せん断力(S)は、次式で求める。

   S=-Wc+Qs                   =14.55kN

 ②曲げﾓｰﾒﾝﾄ(M)は、次式で求める。

   M=-Wc･x1+Qs･x2             =1.47kNm

   ここに
     Wc(つま先版自重)         =0.92kN
     Qs(地盤反力)=Lo･(q1+q4)/2=15.47kN
       Lo(q1～q4間距離)       =0.200m
       q1(先端部地盤反力度)   =79.45kN/m2
       q4(付根部地盤反力度)   =75.26kN/m2
     x1(Wcのアーム長)         =0.100m
     x2(Qsのアーム長)         =0.101m

(b)応力度計算
　　応力度は、次式で求める

　　　　　　　　　　　 M
　　σct(引張応力度)=-----  =0.22N/mm2
　　　　　　　　　　　 Z 
　　　　　　　　　　　 S
　　τc (剪断応力度)=-----　=0.07N/mm2
　　　　　　　　　　　b･d

　　ここに
　　　M(曲げﾓｰﾒﾝﾄ)          =1.47kNm
　　　Z(断面係数)=100･d^2/6 =6,667cm3
　　　b(幅)                 =1.000m
　　　d(部材厚さ)           =0.200m
　　　S(剪断力)             =14.55kN

　　判定
     σct=0.22N/mm2 (＞σcat(許容引張応力度)=0.22N/mm2 不可)
     τc =0.07N/mm2 (≦τca (許容剪断応力度)=0.33N/mm2 可)

   計算結果を[図][表]に示す。)G"},
    {Wall::Gravity, "StringGrid11", R"G(
断面力|先端部|付根部|鉛直力V|作用点x|ﾓｰﾒﾝﾄV･x
自　重|-4.60kN/m2|-4.60kN/m2|-0.92kN|0.100m|-0.09kNm
地盤反力|79.45kN/m2|75.26kN/m2|15.47kN|0.101m|1.56kNm
合計|74.85kN/m2|70.66kN/m2|14.55kN|---|1.47kNm)G"},
    {Wall::Gravity, "StringGrid7", R"G(
区分|応力度
曲げﾓｰﾒﾝﾄ|1.47kNm
せん断力|14.55kN
断面係数|6,667cm3
断面積|2,000cm2
引張り応力|0.22N/mm2
せん断応力|0.07N/mm2
判定|不可)G"},
    {Wall::Gravity, "ListBox11", R"G(
踵版の設計
  踵版は、たて壁との結合部を固定端
  とする片持梁として設計する。
  部材設計の照査位置は、固定部とする。

(a)断面力
 ①せん断力(S)は、次式で求める。

   S=-Wc+Qs                   =5.34kN

 ②曲げﾓｰﾒﾝﾄ(M)は、次式で求める。

   M=-Wc･x1+Qs･x2             =0.52kNm

   ここに
     Wc(踵版自重)             =0.92kN
     Qs(地盤反力)=Lo･(q2+q5)/2=6.26kN
       Lo(q2～q5間距離)       =0.200m
       q2(先端部地盤反力度)   =29.22kN/m2
       q5(付根部地盤反力度)   =33.41kN/m2
     x1(Wcのアーム長)         =0.100m
     x2(Qsのアーム長)         =0.098m

(b)応力度計算
　 応力度は、次式で求める

　　　　　　　　　　　M
　 σct(引張応力度)=-----  =0.08N/mm2
　　　　　　　　　　　Z 
　　　　　　　　　　　S
   τc (剪断応力度)=-----  =0.03N/mm2
　　　　　　　　　　 b･d

   ここに
     M(曲げﾓｰﾒﾝﾄ)          =0.52kNm
     Z(断面係数)=100･d^2/6 =6,667cm3
     b(幅)                 =1.000m
     d(部材厚さ)           =0.200m
     S(剪断力)             =5.34kN
   判定
     σct=0.08N/mm2 (≦σcat(許容引張応力度)=0.22N/mm2 可)
     τc =0.03N/mm2 (≦τca (許容剪断応力度)=0.33N/mm2 可)

   計算結果を[図][表]に示す。)G"},
    {Wall::Gravity, "StringGrid12", R"G(
断面力|先端部|付根部|鉛直力V|作用点x|ﾓｰﾒﾝﾄV･x
自　重|-4.60kN/m2|-4.60kN/m2|-0.92kN|0.100m|-0.09kNm
地盤反力|29.22kN/m2|33.41kN/m2|6.26kN|0.098m|0.61kNm
合計|24.62kN/m2|28.81kN/m2|5.34kN|---|0.52kNm)G"},
    {Wall::Gravity, "StringGrid10", R"G(
区分|応力度
曲げﾓｰﾒﾝﾄ|0.52kNm
せん断力|5.34kN
断面係数|6,667cm3
断面積|2,000cm2
引張り応力|0.08N/mm2
せん断応力|0.03N/mm2
判定|可)G"},
    {Wall::Leaning, "ListBox9", R"G(
つま先版の設計
  つま先版は、たて壁との結合部を固定端
  とする片持梁として設計する。
  部材設計の照査位置は、固定部とする。

(a)断面力
 ①せん断力(S)は、次式で求める。

   S=-Wc+Qs                   =28.65kN

 ②曲げﾓｰﾒﾝﾄ(M)は、次式で求める。

   M=-Wc･x1+Qs･x2             =10.77kNm

   ここに
     Wc(つま先版自重)         =17.28kN
     Qs(地盤反力)=Lo･(q1+q4)/2=45.93kN
       Lo(q1～q4間距離)       =0.835m
       q1(先端部地盤反力度)   =44.75kN/m2
       q4(付根部地盤反力度)   =65.26kN/m2
     x1(Wcのアーム長)         =0.417m
     x2(Qsのアーム長)         =0.392m

(b)応力度計算
　　応力度は、次式で求める

　　　　　　　　　　　 M
　　σct(引張応力度)=-----  =0.08N/mm2
　　　　　　　　　　　 Z 
　　　　　　　　　　　 S
　　τc (剪断応力度)=-----　=0.03N/mm2
　　　　　　　　　　　b･d

　　ここに
　　　M(曲げﾓｰﾒﾝﾄ)          =10.77kNm
　　　Z(断面係数)=100･d^2/6 =135,000cm3
　　　b(幅)                 =1.000m
　　　d(部材厚さ)           =0.900m
　　　S(剪断力)             =28.65kN

　　判定
     σct=0.08N/mm2 (≦σcat(許容引張応力度)=0.22N/mm2 可)
     τc =0.03N/mm2 (≦τca (許容剪断応力度)=0.33N/mm2 可)

   計算結果を[図][表]に示す。)G"},
    {Wall::Leaning, "StringGrid11", R"G(
断面力|先端部|付根部|鉛直力V|作用点x|ﾓｰﾒﾝﾄV･x
自　重|-20.70kN/m2|-20.70kN/m2|-17.28kN|0.417m|-7.22kNm
地盤反力|44.75kN/m2|65.26kN/m2|45.93kN|0.392m|17.98kNm
合計|24.05kN/m2|44.56kN/m2|28.65kN|---|10.77kNm)G"},
    {Wall::Leaning, "StringGrid7", R"G(
区分|応力度
曲げﾓｰﾒﾝﾄ|10.77kNm
せん断力|28.65kN
断面係数|135,000cm3
断面積|9,000cm2
引張り応力|0.08N/mm2
せん断応力|0.03N/mm2
判定|可)G"},
    {Wall::SeismicKey, "ListBox9", R"G(
つま先版の設計
  つま先版は、たて壁との結合部を固定端
  とする片持梁として設計する。
  部材設計の照査位置は、固定部とする。

(a)断面力
 ①せん断力(S)は、次式で求める。

   S=-Wc+Qs+Wf                =22.25kN

 ②曲げﾓｰﾒﾝﾄ(M)は、次式で求める。

   M=-Wc･x1+Qs･x2+Wf･x3       =2.27kNm

   ここに
     Wc(つま先版自重)         =0.92kN
     Qs(地盤反力)=Lo･(q1+q4)/2=22.78kN
       Lo(q1～q4間距離)       =0.200m
       q1(先端部地盤反力度)   =119.87kN/m2
       q4(付根部地盤反力度)   =107.96kN/m2
     Wf(つま先版浮力)         =0.39kN
     x1(Wcのアーム長)         =0.100m
     x2(Qsのアーム長)         =0.102m
     x3(Wfのアーム長)         =0.100m

(b)応力度計算
　　応力度は、次式で求める

　　　　　　　　　　　 M
　　σct(引張応力度)=-----  =0.34N/mm2
　　　　　　　　　　　 Z 
　　　　　　　　　　　 S
　　τc (剪断応力度)=-----　=0.11N/mm2
　　　　　　　　　　　b･d

　　ここに
　　　M(曲げﾓｰﾒﾝﾄ)          =2.27kNm
　　　Z(断面係数)=100･d^2/6 =6,667cm3
　　　b(幅)                 =1.000m
　　　d(部材厚さ)           =0.200m
　　　S(剪断力)             =22.25kN

　　判定
     σct=0.34N/mm2 (＞σcat(許容引張応力度)=0.22N/mm2 不可)
     τc =0.11N/mm2 (≦τca (許容剪断応力度)=0.33N/mm2 可)

   計算結果を[図][表]に示す。)G"},
    {Wall::SeismicKey, "StringGrid11", R"G(
断面力|先端部|付根部|鉛直力V|作用点x|ﾓｰﾒﾝﾄV･x
自　重|-4.60kN/m2|-4.60kN/m2|-0.92kN|0.100m|-0.09kNm
地盤反力|119.87kN/m2|107.96kN/m2|22.78kN|0.102m|2.32kNm
浮力|---|---|0.39kN|0.100m|0.04kNm
合計|---|---|22.25kN|---|2.27kNm)G"},
    {Wall::SeismicKey, "StringGrid7", R"G(
区分|応力度
曲げﾓｰﾒﾝﾄ|2.27kNm
せん断力|22.25kN
断面係数|6,667cm3
断面積|2,000cm2
引張り応力|0.34N/mm2
せん断応力|0.11N/mm2
判定|不可)G"},
    {Wall::SeismicKey, "ListBox11", R"G(
踵版の設計
  踵版は、たて壁との結合部を固定端
  とする片持梁として設計する。
  部材設計の照査位置は、固定部とする。

(a)断面力
 ①せん断力(S)は、次式で求める。

   S=-Wc+Qs+Wf                =-0.53kN

 ②曲げﾓｰﾒﾝﾄ(M)は、次式で求める。

   M=-Wc･x1+Qs･x2+Wf･x3       =-0.05kNm

   ここに
     Wc(踵版自重)             =0.92kN
     Qs(地盤反力)=Lo･(q2+q5)/2=0.00kN
       Lo(q2～q5間距離)       =0.200m
       q2(先端部地盤反力度)   =0.00kN/m2
       q5(付根部地盤反力度)   =0.00kN/m2
     Wf(踵版浮力)             =0.39kN
     x1(Wcのアーム長)         =0.100m
     x2(Qsのアーム長)         =0.000m
     x3(Wfのアーム長)         =0.100m

(b)応力度計算
　 応力度は、次式で求める

　　　　　　　　　　　M
　 σct(引張応力度)=-----  =0.01N/mm2
　　　　　　　　　　　Z 
　　　　　　　　　　　S
   τc (剪断応力度)=-----  =0.00N/mm2
　　　　　　　　　　 b･d

   ここに
     M(曲げﾓｰﾒﾝﾄ)          =-0.05kNm
     Z(断面係数)=100･d^2/6 =6,667cm3
     b(幅)                 =1.000m
     d(部材厚さ)           =0.200m
     S(剪断力)             =-0.53kN
   判定
     σct=-0.01N/mm2 (≦σcat(許容引張応力度)=0.22N/mm2 可)
     τc =0.00N/mm2 (≦τca (許容剪断応力度)=0.33N/mm2 可)

   計算結果を[図][表]に示す。)G"},
    {Wall::SeismicKey, "StringGrid12", R"G(
断面力|先端部|付根部|鉛直力V|作用点x|ﾓｰﾒﾝﾄV･x
自　重|-4.60kN/m2|-4.60kN/m2|-0.92kN|0.100m|-0.09kNm
地盤反力|0.00kN/m2|0.00kN/m2|0.00kN|0.000m|0.00kNm
浮力|---|---|0.39kN|0.100m|0.04kNm
合計|---|---|-0.53kN|---|-0.05kNm)G"},
    {Wall::SeismicKey, "StringGrid10", R"G(
区分|応力度
曲げﾓｰﾒﾝﾄ|-0.05kNm
せん断力|-0.53kN
断面係数|6,667cm3
断面積|2,000cm2
引張り応力|-0.01N/mm2
せん断応力|0.00N/mm2
判定|可)G"},
    {Wall::SeismicKey, "ListBox13", R"G(
突起の設計

(a)断面力
 ①突起に加わる水平力(Ht)は、次式で求める。
                                          Ho
   Ht={c･b1+v1･(tanφ-tanφb)+v2･tanφb}･---- =19.89kN
                                          Hk

   ここに
　　　b1(擁壁底面前端～突起前面の距離)=1.000m
　　　b2(有効載荷幅内の突起幅)　　　　=0.341m
　　　v1=b1/Be･Vo　　　　　　　　　　 =89.91kN
　　　v2=b2/Be･Vo　　　　　　　　　　 =30.66kN
　　　　v1(b1に作用する鉛直荷重)
　　　　v2(b2に作用する鉛直荷重)
　　　Be(有効載荷幅)　　　　　　　　　=1.341m
　　　Vo(擁壁底面における全鉛直荷重)　=120.57kN
　　　φ (基礎地盤の剪断抵抗角)　　 　=30度
　　　φb(擁壁底面と地盤間の摩擦角)　 =30度
　　　c (基礎地盤の粘着力)　　　　　　=0.00kN/m2
　　　Ho(擁壁底面における全水平荷重)　=84.72kN
　　　Hk(擁壁底面と地盤間の剪断抵抗力)=75.39kN

 ②曲げﾓｰﾒﾝﾄ(M)は、次式で求める。
      H
   M=---･Ht                          =2.98kNm
      2

   ここに
     H (突起の高さ)                  =0.300m
     Ht(突起に加わる水平力)          =19.89kN

(b)応力度計算
   応力度は、次式で求める

　　　　　　　　　　　M
   σct(引張応力度)=-----  =0.11N/mm2
　　　　　　　　　　　Z 
　　　　　　　　　　　S
   τc (剪断応力度)=-----  =0.05N/mm2
　　　　　　　　　　 b･d

   ここに
     M(曲げﾓｰﾒﾝﾄ)          =2.98kNm
     Z(断面係数)=100･d^2/6 =26,667cm3
     S(剪断力)             =19.89kN
     b(幅)                 =1.000m
     d(部材厚さ)           =0.400m
   判定
     σct=0.11N/mm2 (≦σcat(許容引張応力度)=0.22N/mm2 可)
     τc =0.05N/mm2 (≦τca (許容剪断応力度)=0.33N/mm2 可)

計算結果を[表][図]に示す。)G"},
    {Wall::SeismicKey, "StringGrid15", R"G(
区分|応力度|許容応力度
曲げﾓｰﾒﾝﾄ|2.98kNm|---
せん断力|19.89kN|---
断面係数|26,667cm3|---
断面積|4,000cm2|---
引張応力|0.11N/mm2|0.22N/mm2
せん断応力|0.05N/mm2|0.33N/mm2
判定|可|---)G"},
};

class SlabGoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(SlabGoldenTest, EveryLineAndCell) {
    const GoldenCase& c = GetParam();
    const ResultsStore& store = RunOf(c.Of).Store;
    if (store.HasList(c.Control))
        ExpectLines(store.List(c.Control).Lines, c.Golden);
    else
        ExpectLines(GridRows(store.Grid(c.Control)), c.Golden);
}

INSTANTIATE_TEST_SUITE_P(ThreeWalls, SlabGoldenTest, ::testing::ValuesIn(kGoldens),
                         [](const ::testing::TestParamInfo<GoldenCase>& param) {
                             return std::string(NameOf(param.param.Of)) + "_" + param.param.Control;
                         });

// Members that were not checked: an empty list box and chart, grids as the run reset
// them (the leaning wall has no heel; neither default wall has a key).
TEST(SlabReport, MembersNotCheckedKeepTheResetState) {
    ResultsStore reset;
    SetUpResultsWindow(reset);
    ResetResultGrids(reset);
    struct Member {
        Wall Of;
        const char* List;
        const char* Chart;
        std::vector<const char*> Grids;
    };
    const Member members[] = {
        {Wall::Leaning, "ListBox11", "Chart7", {"StringGrid12", "StringGrid10"}},
        {Wall::Gravity, "ListBox13", "Chart8", {"StringGrid15"}},
        {Wall::Leaning, "ListBox13", "Chart8", {"StringGrid15"}},
    };
    for (const Member& m : members) {
        const ResultsStore& store = RunOf(m.Of).Store;
        SCOPED_TRACE(m.List);
        EXPECT_TRUE(store.List(m.List).Lines.empty());
        for (const ChartSeries& s : store.GetChart(m.Chart).Series) EXPECT_TRUE(s.Points.empty());
        for (const char* g : m.Grids)
            EXPECT_EQ(GridRows(store.Grid(g)), GridRows(reset.Grid(g))) << g;
    }
}

// A wall whose slab checks produce nothing (base 5 mm thick) and that has no key,
// written over a store that holds a seismic wall's slab and key report: no line or
// figure of the earlier wall remains.
TEST(SlabReport, NoFiguresOfAnEarlierWallRemain) {
    ResultsStore store;
    SetUpResultsWindow(store);
    RunInto(store, FormOf(Wall::SeismicKey));
    ASSERT_FALSE(store.List("ListBox13").Lines.empty());

    DesignConditionsForm thin;
    thin.SetText("Edit39", "5");
    const TAntei a = RunInto(store, thin);
    ASSERT_TRUE(StructuralStageRuns(a));
    ASSERT_GT(a.PointY[1], 0.0);
    ASSERT_FALSE(a.ToeCheck.has_value());

    for (const char* list : {"ListBox9", "ListBox11", "ListBox13"})
        EXPECT_TRUE(store.List(list).Lines.empty()) << list;
    for (const char* chart : {"Chart6", "Chart7", "Chart8"})
        for (const ChartSeries& s : store.GetChart(chart).Series)
            EXPECT_TRUE(s.Points.empty()) << chart << " " << s.Name;
    for (const char* grid : {"StringGrid11", "StringGrid7", "StringGrid12", "StringGrid10",
                             "StringGrid15"}) {
        const StringGridContent& g = store.Grid(grid);
        for (int r = 1; r < g.RowCount; ++r)
            for (int c = 1; c < g.ColCount; ++c) EXPECT_EQ(g.Cell(c, r), "---") << grid;
    }
}

// ---- Judgement lines ------------------------------------------------------------------

// Every member judges |σct| against σcat and |τc| against τca, equality passing, and
// prints the stresses signed; the toe's formula lines are signed too, the heel's and
// the key's print magnitudes.
TEST(SlabReport, JudgementByMagnitudeWithEqualityPassing) {
    struct Case {
        double SigmaFactor, TauFactor;  // times σcat, τca
        const char* Sigma;              // judgement lines
        const char* Tau;
        const char* ToeFormula;         // the toe's σct and τc formula values
        const char* ToeTauFormula;
    };
    const Case cases[] = {
        {1.0, 1.0, "     σct=0.22N/mm2 (≦σcat(許容引張応力度)=0.22N/mm2 可)",
         "     τc =0.33N/mm2 (≦τca (許容剪断応力度)=0.33N/mm2 可)", "=0.22N/mm2", "=0.33N/mm2"},
        {-1.0, -1.0, "     σct=-0.22N/mm2 (≦σcat(許容引張応力度)=0.22N/mm2 可)",
         "     τc =-0.33N/mm2 (≦τca (許容剪断応力度)=0.33N/mm2 可)", "=-0.22N/mm2",
         "=-0.33N/mm2"},
        {-1.0001, -1.0001, "     σct=-0.22N/mm2 (＞σcat(許容引張応力度)=0.22N/mm2 不可)",
         "     τc =-0.33N/mm2 (＞τca (許容剪断応力度)=0.33N/mm2 不可)", "=-0.22N/mm2",
         "=-0.33N/mm2"},
    };
    for (const Case& k : cases) {
        TAntei a = RunOf(Wall::SeismicKey).Object;
        for (std::optional<MemberCheck>* check : {&a.ToeCheck, &a.HeelCheck, &a.KeyCheck}) {
            ASSERT_TRUE(check->has_value());
            (*check)->SigmaCt = k.SigmaFactor * a.SigmaCat;
            (*check)->TauC = k.TauFactor * a.TauCa;
        }
        ResultsStore store;
        SetUpResultsWindow(store);
        ResetResultGrids(store);
        WriteBaseSlabReport(a, store);
        for (const char* list : {"ListBox9", "ListBox11", "ListBox13"}) {
            SCOPED_TRACE(std::string(list) + " " + k.Sigma);
            const std::vector<std::string>& l = store.List(list).Lines;
            auto starting = [&](std::string_view prefix) {
                auto it = std::find_if(l.begin(), l.end(), [&](const std::string& s) {
                    return s.starts_with(prefix);
                });
                return it == l.end() ? std::string() : *it;
            };
            EXPECT_EQ(starting("     σct="), k.Sigma);
            EXPECT_EQ(starting("     τc ="), k.Tau);
            const bool toe = std::string_view(list) == "ListBox9";
            auto formula = [&](std::string_view marker) {
                for (const std::string& s : l)
                    if (s.find(marker) != std::string::npos) return s.substr(s.rfind('='));
                return std::string();
            };
            EXPECT_EQ(formula("σct(引張応力度)=-----"), toe ? k.ToeFormula : "=0.22N/mm2");
            EXPECT_EQ(formula("τc (剪断応力度)=-----"), toe ? k.ToeTauFormula : "=0.33N/mm2");
        }
    }
}

// ---- Charts ---------------------------------------------------------------------------

// The wall outline (unlabelled, black) and the ground reaction below the base in
// purple: the toe diagram labels its tip without a unit and has the root bar, the
// heel diagram only its own end, the key diagram the bars at both key faces. A
// triangle ends at (L, 0) "0.0kN/m2" and leaves out bars beyond L.
TEST(SlabReport, ReactionCharts) {
    struct Case {
        Wall Of;
        const char* Chart;
        const char* Outline;
        const char* Reaction;
        double XMax, YMin, YMax;  // the bottom axis starts at -0.5
        std::size_t OutlinePoints;
        std::vector<std::string> Labels;
    };
    const std::string b = " ";  // a label that draws nothing
    const Case cases[] = {
        {Wall::Gravity, "Chart6", "Series42", "Series43", 2.9, -1.2944706649325857, 0.7, 9,
         {b, "79.45", b, b, "75.26kN/m2", b, b}},
        {Wall::Gravity, "Chart7", "Series37", "Series38", 2.9, -1.2944706649325857, 0.7, 9,
         {b, b, b, b, "33.41kN/m2", "29.22kN/m2", b}},
        // Q2 > Q1: the depth of the axis follows the larger end.
        {Wall::Leaning, "Chart6", "Series42", "Series43", 2.55, -1.4510130011642613, 1.4, 8,
         {b, "44.75", b, b, "65.26kN/m2", b, b}},
        {Wall::SeismicKey, "Chart6", "Series42", "Series43", 2.9, -1.6987375020966451, 0.7, 13,
         {b, "119.87", b, b, "107.96kN/m2", "0.0kN/m2"}},
        {Wall::SeismicKey, "Chart7", "Series37", "Series38", 2.9, -1.6987375020966451, 0.7, 13,
         {b, b, "0.0kN/m2"}},
        {Wall::SeismicKey, "Chart8", "Series39", "Series41", 2.9, -1.6987375020966451, 0.7, 13,
         {b, "119.87kN/m2", b, b, "60.28", b, b, b, "36.44", "0.0kN/m2"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.Chart) + " of wall " + NameOf(k.Of));
        const Chart& c = RunOf(k.Of).Store.GetChart(k.Chart);
        EXPECT_TRUE(c.Bottom.RangeSet);
        EXPECT_TRUE(c.Left.RangeSet);
        EXPECT_DOUBLE_EQ(c.Bottom.Min, -0.5);
        EXPECT_NEAR(c.Bottom.Max, k.XMax, 1e-12);
        EXPECT_NEAR(c.Left.Min, k.YMin, 1e-12);
        EXPECT_NEAR(c.Left.Max, k.YMax, 1e-12);

        ASSERT_EQ(c.Series.size(), 2u);
        EXPECT_EQ(c.Series[0].Name, k.Outline);
        EXPECT_EQ(c.Series[1].Name, k.Reaction);
        const ChartSeries& outline = c.Series[0];
        EXPECT_EQ(outline.SeriesColour, clBlack);
        EXPECT_EQ(outline.Points.size(), k.OutlinePoints);
        for (const SeriesPoint& p : outline.Points) EXPECT_EQ(p.Label, "");
        // Closed outline from the toe tip.
        EXPECT_EQ(outline.Points.front().X, 0.0);
        EXPECT_EQ(outline.Points.back().X, 0.0);

        const ChartSeries& reaction = c.Series[1];
        EXPECT_EQ(reaction.SeriesColour, report_colours::clPurple);
        std::vector<std::string> labels;
        for (const SeriesPoint& p : reaction.Points) labels.push_back(p.Label);
        EXPECT_EQ(labels, k.Labels);
    }
    // The triangle of the seismic wall ends at L = 3·D.
    const SlabRun& seismic = RunOf(Wall::SeismicKey);
    EXPECT_DOUBLE_EQ(seismic.Store.GetChart("Chart8").Get("Series41").Points.back().X,
                     3 * seismic.Object.D);
}

TEST(SlabReport, BlackAndWhiteDrawsTheReactionBlack) {
    DesignConditionsForm f = testing::SeismicWaterPassiveKeyWall();
    f.SetIndex("RadioGroup4", 1);
    ResultsStore store;
    SetUpResultsWindow(store);
    RunInto(store, f);
    for (const char* chart : {"Chart6", "Chart7", "Chart8"}) {
        const Chart& c = store.GetChart(chart);
        for (const ChartSeries& s : c.Series) {
            EXPECT_EQ(s.SeriesColour, clBlack) << chart << " " << s.Name;
            EXPECT_FALSE(s.Points.empty()) << chart << " " << s.Name;
        }
    }
}

}  // namespace
}  // namespace stelvar
