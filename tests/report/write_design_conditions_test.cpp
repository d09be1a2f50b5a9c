// Table of contents, section "Ⅰ.設計条件" and the dimensioned wall figure, for the
// window's default walls and the variants that change their lines.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "forms/design_conditions.h"
#include "report/report_run.h"
#include "report/report_writers.h"
#include "report/results_setup.h"
#include "golden.h"

namespace stelvar {
namespace {

void ExpectLines(const ListBoxContent& list, std::string_view golden) {
    const std::vector<std::string> expected = Lines(golden);
    for (std::size_t i = 0; i < std::min(expected.size(), list.Lines.size()); ++i)
        EXPECT_EQ(list.Lines[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(list.Lines.size(), expected.size());
}

struct Report {
    ResultsStore Store;
    RunOutcome Outcome;
};

Report RunForm(const DesignConditionsForm& form, std::string_view title = {}) {
    Report r;
    SetUpResultsWindow(r.Store);
    r.Outcome = RunWithReport(form.Controls(), r.Store, title);
    return r;
}

DesignConditionsForm LeaningWall() {
    DesignConditionsForm f;
    f.SetIndex("PageControl2", 1);
    return f;
}

constexpr std::string_view kContentsHead = R"(
件　名：擁壁A


　　　　重力式擁壁計算書　目次

　　　　　　（常　時）

Ⅰ.設計条件　　　　　　　　　  ・・・・P1


Ⅱ.荷重計算

   1.荷重計算(自重:安定計算用) ・・・・P2

   2.荷重計算(自重:構造計算用) ・・・・P3

   3.荷重計算(土圧等)　　　　  ・・・・P4


Ⅲ.安定計算

   1.安定計算(滑動,転倒,支持力)・・・・P5

        　　 (極限支持力)　　　・・・・P6

   2.荷重図　　　　　　　　　  ・・・・P7


Ⅳ-1.構造計算:たて壁

     1.断面力　　　　　        ・・・・P8

     2.応力度　　　　　        ・・・・P9
)";

TEST(DesignConditionsReport, ContentsOfTheDefaultGravityWall) {
    const Report r = RunForm(DesignConditionsForm{}, "擁壁A");
    ExpectLines(r.Store.List("ListBox20"), std::string(kContentsHead) + R"(
Ⅳ-2.構造計算:底版

     1.つま先版　　  　        ・・・・P10

     2.かかと版                ・・・・P11)");
    EXPECT_EQ(r.Store.GetCaption(kToePageNumber).Text, "P10");
    EXPECT_EQ(r.Store.GetCaption(kHeelPageNumber).Text, "P11");
}

TEST(DesignConditionsReport, ContentsOfTheDefaultLeaningWall) {
    const Report r = RunForm(LeaningWall());
    const ListBoxContent& l = r.Store.List("ListBox20");
    ASSERT_EQ(l.Lines.size(), 37u);
    EXPECT_EQ(l.Lines[0], "件　名：");
    EXPECT_EQ(l.Lines[3], "　　　　もたれ式擁壁計算書　目次");
    EXPECT_EQ(l.Lines[34], "Ⅳ-2.構造計算:底版");
    // The leaning wall's toe line has its own spacing.
    EXPECT_EQ(l.Lines[36], "     1.つま先版  　　　        ・・・・P10");
}

// The base-slab chapter of the contents: only the slabs the wall has, numbered in order,
// and the page numbers of the printed slab pages.
struct SlabCase {
    const char* Name;
    bool Leaning;
    const char* BaseThickness;
    const char* Toe;
    const char* Heel;  // gravity wall only
    bool Key;
    std::vector<std::string> Tail;  // lines after line 34
    const char* ToePage;            // "old" when the run leaves it alone
    const char* HeelPage;
    const char* KeyPage;
};

void PrintTo(const SlabCase& c, std::ostream* os) { *os << c.Name; }

class ContentsSlabChapter : public ::testing::TestWithParam<SlabCase> {};

TEST_P(ContentsSlabChapter, ListsTheSlabsOfTheWall) {
    const SlabCase& c = GetParam();
    DesignConditionsForm f;
    if (c.Leaning) {
        f.SetIndex("PageControl2", 1);
        f.SetText("Edit56", c.BaseThickness);
        f.SetText("Edit58", c.Toe);
    } else {
        f.SetText("Edit39", c.BaseThickness);
        f.SetText("Edit34", c.Toe);
        f.SetText("Edit30", c.Heel);
    }
    if (c.Key) {
        f.SetIndex("RadioGroup2", 1);
        f.SetText("Edit35", "100");
        f.SetText("Edit40", "200");
        f.SetText("Edit41", "200");
    }
    ResultsStore store;
    SetUpResultsWindow(store);
    for (std::string_view page : {kToePageNumber, kHeelPageNumber, kKeyPageNumber})
        store.GetCaption(page).Text = "old";
    TAntei a;
    CalculationSequence(a, f.Controls());
    WriteDesignConditions(a, f.Controls(), store, "");

    const std::vector<std::string>& lines = store.List("ListBox20").Lines;
    ASSERT_GE(lines.size(), 34u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 34, lines.end()), c.Tail);
    EXPECT_EQ(store.GetCaption(kToePageNumber).Text, c.ToePage);
    EXPECT_EQ(store.GetCaption(kHeelPageNumber).Text, c.HeelPage);
    EXPECT_EQ(store.GetCaption(kKeyPageNumber).Text, c.KeyPage);
}

const char* const kHead = "Ⅳ-2.構造計算:底版";
const char* const kGravityToe1 = "     1.つま先版　　  　        ・・・・P10";
const char* const kLeaningToe1 = "     1.つま先版  　　　        ・・・・P10";
const char* const kHeel1 = "     1.かかと版                ・・・・P10";
const char* const kHeel2 = "     2.かかと版                ・・・・P11";
const char* const kKey1 = "     1.突起                    ・・・・P10";
const char* const kKey2 = "     2.突起                    ・・・・P11";
const char* const kKey3 = "     3.突起                    ・・・・P12";

INSTANTIATE_TEST_SUITE_P(
    Walls, ContentsSlabChapter,
    ::testing::Values(
        SlabCase{"GravityToeHeelKey", false, "200", "200", "200", true,
                 {kHead, "", kGravityToe1, "", kHeel2, "", kKey3}, "P10", "P11", "P12"},
        SlabCase{"GravityToeOnlyKey", false, "200", "200", "0", true,
                 {kHead, "", kGravityToe1, "", kKey2}, "P10", "old", "P11"},
        SlabCase{"GravityHeelOnlyKey", false, "200", "0", "200", true,
                 {kHead, "", kHeel1, "", kKey2}, "old", "P10", "P11"},
        SlabCase{"GravityHeelOnly", false, "200", "0", "200", false,
                 {kHead, "", kHeel1}, "old", "P10", "P11"},
        SlabCase{"GravityKeyOnly", false, "200", "0", "0", true, {kHead, "", kKey1}, "old",
                 "old", "P10"},
        SlabCase{"GravityNoSlabsNoKey", false, "200", "0", "0", false, {}, "old", "old", "old"},
        SlabCase{"NoBaseSlabKey", false, "0", "200", "200", true, {kHead, "", kKey1}, "old",
                 "old", "old"},
        SlabCase{"NoBaseSlab", false, "0", "200", "200", false, {}, "old", "old", "old"},
        SlabCase{"LeaningToeKey", true, "900", "835", "", true,
                 {kHead, "", kLeaningToe1, "", kKey2}, "P10", "old", "P11"},
        SlabCase{"LeaningKeyOnly", true, "900", "0", "", true, {kHead, "", kKey1}, "old", "old",
                 "P10"},
        SlabCase{"LeaningNoToeNoKey", true, "900", "0", "", false, {}, "old", "old", "old"}),
    [](const ::testing::TestParamInfo<SlabCase>& p) { return std::string(p.param.Name); });

constexpr std::string_view kGravityConditions = R"(
1.裏込土の諸量
  土質：砂、砂礫
  土の単位重量(γs)   =20.00kN/m3
  剪断抵抗角(φ)    　=35.0度
  粘着力(c)           =0.00kN/m2

2.根入れ地盤の諸量
  根入れ地盤の土の単位重量(γ2) =18.00kN/m3
  根入れ地盤の剪断抵抗角(φ)    =25.0度
  根入れ地盤の粘着力(c)         =0.00kN/m2
  根入れ地盤への根入れ深さ(Df)  =1.2m

3.支持地盤の諸量
  支持地盤の土の単位重量(γ1)   =19.00kN/m3
  支持地盤の剪断抵抗角(φ)      =30.0度
  支持地盤の粘着力(c)           =0.00kN/m2
  支持地盤への根入れ深さ(Df')   =0.6m
  許容鉛直支持力度(qa0)         =300.00kN/m2
  擁壁底面と地盤間の摩擦係数(μ)=0.6
  擁壁底面と地盤間の付着力(Cb)  =0.00kN/m2
   (場所打は、φb=φとする)

4.荷重
 (1)自重
　①躯体             ：場所打ち
  ②ｺﾝｸﾘｰﾄの単位重量(γc)=23.0kN/m3
　③擁壁形状（単位ｍｍ）
 　 1)擁壁のタイプ    =重力式擁壁
 　 2)たて壁前面勾配幅=600
　  3)たて壁天端幅    =400
 　 4)たて壁背面勾配幅=1,000
    5)たて壁高さ      =3,000
 　 6)つま先版幅      =200
　  7)かかと版幅      =200
　  8)底版幅          =2,400
　  9)底版厚          =200
   10)ブロック長      =5,000
　 突起無し

 (2)背面土形状、載荷重
  ①背面土形状:平坦

　②載荷重
　  1)載荷重強度      =10.0kN/m2
　  2)載荷位置        =平坦部

　③雪荷重
　  1)平坦部          =0.00kN/m2
　  2)法面部          =0.00kN/m2

　④土圧
　  載荷重等の扱い    ：土塊に含み計算

 (3)設計震度
    設計水平震度(Kh)  =0.0)";

constexpr std::string_view kOtherConditions = R"(
 (4)その他の荷重
　①受働土圧
　  有効根入長(Ho)    =0.0m

　②水圧
　  水深(H1)          =0.000m
　  単位重量(γw)     =0.00kN/m3
　  ＊底版の構造計算に浮力を考慮しない。

　③風荷重
　  遮音壁高(H2)      =0.000m
　  荷重強度(P)       =0.00kN/m2

　④衝突荷重
　  作用高(H3)　      =0.0m
　  衝突荷重(P)       =0.00kN
　  擁壁長(L)　       =0.000m

5.許容応力度
 (1)ｺﾝｸﾘｰﾄ
　①設計強度  (σck)  =18.00N/mm2
　②圧縮応力度(σca)  =4.50N/mm2
　③引張応力度(σcat) =0.22N/mm2
　④剪断応力度(τca)  =0.33N/mm2)";

TEST(DesignConditionsReport, ConditionsOfTheDefaultGravityWall) {
    const Report r = RunForm(DesignConditionsForm{});
    ExpectLines(r.Store.List("ListBox7"), kGravityConditions);
    ExpectLines(r.Store.List("ListBox10"), kOtherConditions);
}

// The leaning wall lists no heel; base width and thickness become items 7) and 8) while
// the block length stays 10); its negative back batter carries its sign after the "=".
TEST(DesignConditionsReport, ConditionsOfTheDefaultLeaningWall) {
    const Report r = RunForm(LeaningWall());
    std::string golden(kGravityConditions);
    const auto replace = [&](std::string_view from, std::string_view to) {
        const std::size_t at = golden.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        golden.replace(at, from.size(), to);
    };
    replace(R"(
 　 1)擁壁のタイプ    =重力式擁壁
 　 2)たて壁前面勾配幅=600
　  3)たて壁天端幅    =400
 　 4)たて壁背面勾配幅=1,000
    5)たて壁高さ      =3,000
 　 6)つま先版幅      =200
　  7)かかと版幅      =200
　  8)底版幅          =2,400
　  9)底版厚          =200
)",
            R"(
 　 1)擁壁のタイプ    =もたれ式擁壁
 　 2)たて壁前面勾配幅=2,550
　  3)たて壁天端幅    =450
 　 4)たて壁背面勾配幅=-1,785
    5)たて壁高さ      =5,100
 　 6)つま先版幅      =835
　  7)底版幅          =2,050
　  8)底版厚          =900
)");
    ExpectLines(r.Store.List("ListBox7"), golden);
    ExpectLines(r.Store.List("ListBox10"), kOtherConditions);
}

// Lines that only other conditions write: seismic case, embankment, shear key, passive
// pressure, water, precast body, clay, no surcharge.
TEST(DesignConditionsReport, SeismicCaseListsTheLoadModelAndTheCoefficientAsTyped) {
    struct Case {
        int Model;
        std::vector<std::string> Expected;
    };
    const Case cases[] = {
        {0, {"　  地震時荷重の計算　：載荷重無し常時土圧", "　                      及び躯体慣性力"}},
        {1, {"　  地震時荷重の計算　：地震時慣性力土圧", "　                      及び躯体慣性力"}},
        {2, {"　  地震時荷重の計算　：地震時慣性力土圧のみ"}},
    };
    for (const Case& c : cases) {
        DesignConditionsForm f;
        f.SetIndex("RadioGroup5", 1);
        f.SetText("Edit61", "0.20");
        f.SetIndex("RadioGroup9", c.Model);
        const Report r = RunForm(f);
        const std::vector<std::string>& l = r.Store.List("ListBox7").Lines;
        std::vector<std::string> tail{"　④土圧", "　  載荷重等の扱い    ：土塊に含み計算"};
        tail.insert(tail.end(), c.Expected.begin(), c.Expected.end());
        tail.insert(tail.end(), {"", " (3)設計震度", "　  設計水平震度  (Kh)=Kho･Cz=0.20"});
        ASSERT_GE(l.size(), tail.size());
        EXPECT_EQ(std::vector<std::string>(l.end() - static_cast<long>(tail.size()), l.end()), tail)
            << "model " << c.Model;
        EXPECT_EQ(r.Store.List("ListBox20").Lines[5], "　　　　　　（地震時）");
    }
}

TEST(DesignConditionsReport, VariantLines) {
    DesignConditionsForm f;
    f.SetIndex("RadioGroup1", 2);  // clay: the window fills its constants
    f.SetIndex("RadioGroup3", 1);  // precast body
    f.SetIndex("TabControl1", 2);  // embankment
    f.SetText("ComboBox1", "1.5");
    f.SetText("Edit28", "1000");
    f.SetIndex("RadioGroup2", 1);  // shear key
    f.SetText("Edit35", "800");
    f.SetText("Edit40", "300");
    f.SetText("Edit41", "250");
    f.SetChecked("CheckBox1", false);  // no surcharge
    f.SetChecked("CheckBox9", true);   // passive pressure, H0 as typed
    f.SetText("Edit54", "0.85");
    f.SetChecked("CheckBox3", true);  // water: buoyancy in the slab design goes with it
    f.SetIndex("RadioGroup6", 1);
    const Report r = RunForm(f);

    const std::vector<std::string>& l = r.Store.List("ListBox7").Lines;
    const auto has = [&](const std::vector<std::string>& lines, std::string_view s) {
        return std::find(lines.begin(), lines.end(), s) != lines.end();
    };
    EXPECT_TRUE(has(l, "  土質：粘性土"));
    EXPECT_TRUE(has(l, "   (既製品は、φb=φ2/3とする)"));
    EXPECT_TRUE(has(l, "  ①躯体             ：既製品"));
    for (const char* line : {"　 突起形状", "　  1)位置            =800", "　  2)幅              =300",
                             "　  3)高さ            =250", "  ①背面土形状:盛土",
                             "　  1)法勾配          =1：1.5", "　  2)盛土高          =1.000m",
                             "　  1)載荷重強度      =0.0kN/m2", "　  2)載荷位置        =載荷重なし",
                             "　  載荷重等の扱い    ：別途計算し加算"})
        EXPECT_TRUE(has(l, line)) << line;
    EXPECT_FALSE(has(l, "　 突起無し"));

    const std::vector<std::string>& o = r.Store.List("ListBox10").Lines;
    EXPECT_EQ(o[2], "　  有効根入長(Ho)    =0.85m");
    EXPECT_EQ(o[5], "　  水深(H1)          =0.500m");
    EXPECT_EQ(o[6], "　  単位重量(γw)     =9.80kN/m3");
    EXPECT_EQ(o[7], "　  ＊底版の構造計算に浮力を考慮する。");
}

// ---- Wall figure ------------------------------------------------------------------

std::vector<std::string> Labels(const ChartSeries& s) {
    std::vector<std::string> out;
    for (const SeriesPoint& p : s.Points)
        if (p.Label != " ") out.push_back(p.Label);
    return out;
}

TEST(WallFigure, DefaultGravityWall) {
    const Report r = RunForm(DesignConditionsForm{});
    const Chart& c = r.Store.GetChart("Chart2");
    EXPECT_DOUBLE_EQ(c.Bottom.Min, -1.8);
    EXPECT_DOUBLE_EQ(c.Bottom.Max, 2.4 + 2.8);
    EXPECT_DOUBLE_EQ(c.Left.Min, -2.0);
    EXPECT_DOUBLE_EQ(c.Left.Max, 3.2 + 1.5);

    // The body's outline, closed, without labels.
    const ChartSeries& body = c.Get("Series15");
    ASSERT_EQ(body.Points.size(), 9u);
    EXPECT_EQ(body.Points.front().X, body.Points.back().X);
    EXPECT_EQ(body.Points.front().Y, body.Points.back().Y);
    for (const SeriesPoint& p : body.Points) EXPECT_TRUE(p.Label.empty());

    // Backfill surface from the crest's back corner, 100 m long, a bare line: the load
    // labels of the surface line belong to the load figure.
    const ChartSeries& surface = c.Get("Series21");
    ASSERT_EQ(surface.Points.size(), 3u);
    EXPECT_DOUBLE_EQ(surface.Points[0].X, 1.2);
    EXPECT_DOUBLE_EQ(surface.Points[0].Y, 3.2);
    EXPECT_DOUBLE_EQ(surface.Points[2].X, 101.2);
    for (const SeriesPoint& p : surface.Points) EXPECT_TRUE(p.Label.empty());
    EXPECT_EQ(surface.SeriesColour, clMaroon);
    EXPECT_TRUE(c.Get("Series22").Points.empty());

    // Dimension chains: one node is 8 points (extension line and arrowhead), a middle
    // node 12, each segment adds its label point.
    EXPECT_EQ(Labels(c.Get("Series23")), (std::vector<std::string>{"3,200"}));
    EXPECT_EQ(c.Get("Series23").Points.size(), 8u + 1 + 8);
    EXPECT_EQ(Labels(c.Get("Series24")), (std::vector<std::string>{"200", "3,000"}));
    EXPECT_EQ(c.Get("Series24").Points.size(), 8u + 3 + 2 * 12 + 8);
    EXPECT_EQ(Labels(c.Get("Series25")), (std::vector<std::string>{"600", "400", "1,000"}));
    EXPECT_EQ(Labels(c.Get("Series26")), (std::vector<std::string>{"200"}));
    EXPECT_EQ(Labels(c.Get("Series27")), (std::vector<std::string>{"200"}));
    EXPECT_EQ(Labels(c.Get("Series28")), (std::vector<std::string>{"2,400"}));
    EXPECT_FALSE(c.Has("Series29") && !c.Get("Series29").Points.empty());
    EXPECT_FALSE(c.Has("Series30") && !c.Get("Series30").Points.empty());

    // The vertical height chain stands 2 m right of the wall; its label at a third.
    const ChartSeries& height = c.Get("Series23");
    const SeriesPoint& start = height.Points[0];
    EXPECT_DOUBLE_EQ(start.X, 4.4);
    EXPECT_DOUBLE_EQ(start.Y, 0.0);
    EXPECT_DOUBLE_EQ(height.Points[8].X, 4.4);
    EXPECT_DOUBLE_EQ(height.Points[8].Y, 3.2 / 3);
    // Start arrowhead of a vertical chain: x and y of the horizontal form exchanged.
    EXPECT_DOUBLE_EQ(height.Points[1].X, 4.4 + 0.3);
    EXPECT_DOUBLE_EQ(height.Points[4].X, 4.4 + 0.03);
    EXPECT_DOUBLE_EQ(height.Points[4].Y, 0.03);
    EXPECT_DOUBLE_EQ(height.Points[6].X, 4.4 - 0.03);
    EXPECT_DOUBLE_EQ(height.Points[6].Y, 0.03);
    EXPECT_DOUBLE_EQ(height.Points.back().Y, 3.2);
}

TEST(WallFigure, LeaningWallHasNoCrownOrToeChain) {
    const Report r = RunForm(LeaningWall());
    const Chart& c = r.Store.GetChart("Chart2");
    EXPECT_FALSE(c.Has("Series25") && !c.Get("Series25").Points.empty());
    EXPECT_FALSE(c.Has("Series26") && !c.Get("Series26").Points.empty());
    // No heel: the single zero-length segment draws nothing.
    EXPECT_TRUE(c.Get("Series27").Points.empty());
    EXPECT_EQ(Labels(c.Get("Series24")), (std::vector<std::string>{"900", "5,100"}));
    EXPECT_DOUBLE_EQ(c.Bottom.Max, 3.835 + 2.8);
}

TEST(WallFigure, EmbankmentKeyAndPassivePressure) {
    DesignConditionsForm f;
    f.SetIndex("TabControl1", 2);
    f.SetText("ComboBox1", "1.5");
    f.SetText("Edit28", "1000");
    f.SetIndex("RadioGroup2", 1);
    f.SetText("Edit35", "800");
    f.SetText("Edit40", "300");
    f.SetText("Edit41", "250");
    f.SetChecked("CheckBox9", true);
    f.SetText("Edit54", "0.85");
    f.SetIndex("RadioGroup4", 1);  // black and white
    const Report r = RunForm(f);
    const Chart& c = r.Store.GetChart("Chart2");

    EXPECT_DOUBLE_EQ(c.Left.Min, -0.25 - 2);
    EXPECT_DOUBLE_EQ(c.Left.Max, 3.2 + 1.0 + 1.5);
    // The embankment's crest (1.2 + 1.5 + 1) lies inside the usual frame.
    EXPECT_DOUBLE_EQ(c.Bottom.Max, 2.4 + 2.8);
    EXPECT_EQ(Labels(c.Get("Series23")), (std::vector<std::string>{"3,200", "1,000"}));
    EXPECT_EQ(Labels(c.Get("Series30")), (std::vector<std::string>{"1,500"}));
    EXPECT_EQ(Labels(c.Get("Series24")), (std::vector<std::string>{"250", "200", "3,000"}));
    EXPECT_DOUBLE_EQ(c.Get("Series24").Points[0].Y, -0.25);
    EXPECT_EQ(Labels(c.Get("Series29")), (std::vector<std::string>{"800", "300"}));
    EXPECT_DOUBLE_EQ(c.Get("Series29").Points[0].Y, -0.75);
    EXPECT_DOUBLE_EQ(c.Get("Series28").Points[0].Y, -1.5);
    EXPECT_EQ(Labels(c.Get("Series40")), (std::vector<std::string>{"850"}));

    const ChartSeries& front = c.Get("Series22");
    ASSERT_EQ(front.Points.size(), 2u);
    EXPECT_DOUBLE_EQ(front.Points[0].X, -10);
    EXPECT_DOUBLE_EQ(front.Points[0].Y, 0.85);
    EXPECT_DOUBLE_EQ(front.Points[1].Y, 0.85);

    // Embankment surface: five points, no labels on the wall figure.
    const ChartSeries& surface = c.Get("Series21");
    ASSERT_EQ(surface.Points.size(), 5u);
    for (const SeriesPoint& p : surface.Points) EXPECT_TRUE(p.Label.empty());

    // Black and white: the surface is black like everything else.
    for (const ChartSeries& s : c.Series) {
        EXPECT_EQ(s.SeriesColour, clBlack) << s.Name;
        for (const SeriesPoint& p : s.Points)
            EXPECT_TRUE(!p.PointColour || *p.PointColour == clBlack) << s.Name;
    }
}

// A second run replaces the figure of the first, whatever the first had drawn.
TEST(WallFigure, ASecondRunReplacesTheFirst) {
    DesignConditionsForm keyed;
    keyed.SetIndex("RadioGroup2", 1);
    keyed.SetText("Edit35", "800");
    keyed.SetText("Edit40", "300");
    keyed.SetText("Edit41", "250");
    ResultsStore store;
    SetUpResultsWindow(store);
    RunWithReport(keyed.Controls(), store);
    ASSERT_FALSE(store.GetChart("Chart2").Get("Series29").Points.empty());
    RunWithReport(DesignConditionsForm{}.Controls(), store);
    EXPECT_TRUE(store.GetChart("Chart2").Get("Series29").Points.empty());
    EXPECT_EQ(store.List("ListBox7").Lines.size(), Lines(kGravityConditions).size());
}

}  // namespace
}  // namespace stelvar
