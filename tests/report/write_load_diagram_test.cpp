// Page "Ⅲ-2．荷重図": the load diagram (Chart1) after the stability stage.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/design_conditions.h"
#include "report/report_colours.h"
#include "report/results_setup.h"
#include "report/write_load_diagram.h"
#include "report_fixtures.h"
#include "run/calculation.h"

namespace stelvar {
namespace {

using report_colours::clAqua;
using report_colours::clBlue;
using report_colours::clLime;
using report_colours::clPurple;
using report_colours::clRed;

struct Pt {
    double X;
    double Y;
    std::string Label;
    std::optional<Colour> Own = std::nullopt;  // the point's own colour, if any
};
using Pts = std::vector<Pt>;

void ExpectSeries(const Chart& c, std::string_view name, const Pts& expected) {
    SCOPED_TRACE(std::string(name));
    const ChartSeries& s = c.Get(name);
    ASSERT_EQ(s.Points.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(s.Points[i].X, expected[i].X, 1e-9) << "point " << i;
        EXPECT_NEAR(s.Points[i].Y, expected[i].Y, 1e-9) << "point " << i;
        EXPECT_EQ(s.Points[i].Label, expected[i].Label) << "point " << i;
        EXPECT_EQ(s.Points[i].PointColour, expected[i].Own) << "point " << i;
        EXPECT_FALSE(s.Points[i].Null) << "point " << i;
    }
}

void ExpectRange(const Chart& c, double xmin, double xmax, double ymin, double ymax) {
    EXPECT_TRUE(c.Bottom.RangeSet);
    EXPECT_TRUE(c.Left.RangeSet);
    EXPECT_NEAR(c.Bottom.Min, xmin, 1e-9);
    EXPECT_NEAR(c.Bottom.Max, xmax, 1e-9);
    EXPECT_NEAR(c.Left.Min, ymin, 1e-9);
    EXPECT_NEAR(c.Left.Max, ymax, 1e-9);
}

// A run's object after the calculation sequence, and the store the diagram went into.
struct Drawn {
    TAntei A;
    ResultsStore Store;
    const Chart& C() const { return Store.GetChart("Chart1"); }
};

Drawn Draw(const DesignConditionsForm& f, int wallType = 0) {
    Drawn d;
    CalculationSequence(d.A, f.Controls());
    SetUpResultsWindow(d.Store, wallType);
    WriteLoadDiagram(d.A, d.Store);
    return d;
}

DesignConditionsForm LeaningWall() {
    DesignConditionsForm f;
    f.SetIndex("PageControl2", 1);
    return f;
}

// Cohesion 10 kN/m2 with the crack height taken into account.
DesignConditionsForm CrackedBackfill(DesignConditionsForm f = {}) {
    f.SetText("Edit21", "10");
    f.SetChecked("CheckBox7", true);
    return f;
}

// Forces of the stability check, with the labels they print as.
struct Forces {
    double Omega, Ph, Pv, XPv, YPh, Vo, Ho, D, Q1, Q2;
};

// Independently computed figures of the two default walls.
constexpr Forces kGravity{1.1358652381980128, 40.93906472841951,  36.562988175383396,
                          1.9111111111111114, 1.0666666666666667, 130.4029881753834,
                          40.93906472841951,  1.0151270235391292, 79.44706649325857,
                          29.222090319560937};
constexpr Forces kLeaning{0.8958652381980156, 54.286531231753415, 3.83730041156652,
                          2.4350000000000005, 2.0000000000000004, 143.9245504115665,
                          54.286531231753415, 1.214194111004245,  44.7535529959652,
                          95.10130011642613};

Forces ForcesOf(const TAntei& a) {
    return {a.Omega, a.Ph, a.Pv, a.XPv, a.YPh, a.Vo, a.Ho, a.D, a.Q1, a.Q2};
}

// The series that follow from the forces alone.
void ExpectForceSeries(const Chart& c, const Forces& f, const std::string& ph,
                       const std::string& pv, double B) {
    ExpectSeries(
        c, "Series9",
        {{f.XPv + 0.2, f.YPh + 0.2, " "}, {f.XPv, f.YPh, " "}, {f.XPv + f.Ph / 100, f.YPh, ph}});
    ExpectSeries(
        c, "Series12",
        {{f.XPv - 0.2, f.YPh + 0.2, " "}, {f.XPv, f.YPh, " "}, {f.XPv, f.YPh + f.Pv / 100, pv}});
    ExpectSeries(c, "Series7",
                 {{f.D - 0.1, 0.1, ""}, {f.D, 0, ""}, {f.D + f.Ho / 500, f.Vo / 500, ""}});
    ExpectSeries(c, "Series10", {{B / 3, 0, ""}, {B / 3, 0.2, ""}});
    ExpectSeries(c, "Series11", {{2 * B / 3, 0, ""}, {2 * B / 3, 0.2, ""}});
}

// Flat backfill without cohesion under the 10 kN/m2 surcharge (0.5 m of soil): the slip
// line rises from the foot of the back face line at ω to the surface at the crown height.
void ExpectFlatBackfill(const Chart& c, double x5, double H, double xFoot, double omega,
                        const std::string& omegaLabel) {
    const double xCrack = xFoot + H / std::tan(omega);
    ExpectSeries(c, "Series5", {{xFoot, 0, omegaLabel}, {xCrack, H, " "}});
    ExpectSeries(c, "Series4", {{x5, H, ""}, {x5, H, ""}, {x5 + 100, H, ""}});
    ExpectSeries(c, "Series6",
                 {{x5, H, " "}, {x5, H + 0.5, "10.0kN/m2"}, {x5 + 100, H + 0.5, " "}});
}

const Pts kGravityOutline = {{0, 0, ""},     {0, 0.2, ""},   {0.2, 0.2, ""},
                             {0.8, 3.2, ""}, {1.2, 3.2, ""}, {2.2, 0.2, ""},
                             {2.4, 0.2, ""}, {2.4, 0, ""},   {0, 0, ""}};

TEST(LoadDiagram, DefaultGravityWall) {
    const Drawn d = Draw(DesignConditionsForm{});
    const Chart& c = d.C();
    const Forces& f = kGravity;
    const double xFoot = 1.2 + 3.2 / 3;  // back face 1:1/3 from the crest's back corner
    const double LCos = 3.2 / std::tan(f.Omega);

    ExpectRange(c, -0.5, 2.2 + LCos + 1, -f.Q1 / 100 - 0.5, 3.2 + 0.5 + 1);
    ExpectSeries(c, "Series1", kGravityOutline);
    ExpectFlatBackfill(c, 1.2, 3.2, xFoot, f.Omega, "ω=65.08度");
    ExpectForceSeries(c, f, "Ph=40.94kN", "Pv=36.56kN", 2.4);
    ExpectSeries(c, "Series2",
                 {{0, 0, " "},
                  {0, -f.Q1 / 100, "79.45kN/m2"},
                  {2.4, -f.Q2 / 100, "29.22kN/m2"},
                  {2.4, 0, " "}});
    // Loads in the wedge: the distribution is the triangle crest - offset foot - foot.
    ExpectSeries(c, "Series13",
                 {{1.2, 3.2, " "}, {xFoot + f.Ph / 50, f.Pv / 50, " "}, {xFoot, 0, " "}});
    for (const char* empty : {"Series20", "Series16", "Series45"})
        EXPECT_TRUE(c.Get(empty).Points.empty()) << empty;

    // Colour figure: blue title, every series in its own colour.
    EXPECT_EQ(c.TitleColour, clBlue);
    const std::pair<const char*, Colour> colours[] = {
        {"Series1", clBlack},  {"Series2", clPurple},  {"Series4", clMaroon}, {"Series5", clRed},
        {"Series6", clLime},   {"Series7", clRed},     {"Series9", clRed},    {"Series10", clBlack},
        {"Series11", clBlack}, {"Series12", clRed},    {"Series13", clBlue},  {"Series16", clRed},
        {"Series20", clAqua},  {"Series45", clPurple},
    };
    for (const auto& [name, colour] : colours) EXPECT_EQ(c.Get(name).SeriesColour, colour) << name;
    // Labels in the series' colour where they mark a line's own values, black on the
    // earth-pressure arrows.
    const std::pair<const char*, Colour> labels[] = {
        {"Series2", clPurple}, {"Series5", clRed},    {"Series6", clLime},
        {"Series9", clBlack},  {"Series12", clBlack}, {"Series45", clPurple},
    };
    for (const auto& [name, colour] : labels) EXPECT_EQ(c.Get(name).Font.FontColour, colour) << name;

    // The set-up's series, in their order, and no others.
    std::vector<std::string> names;
    for (const ChartSeries& s : c.Series) names.push_back(s.Name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"Series1", "Series2", "Series4", "Series5", "Series6",
                                        "Series7", "Series9", "Series10", "Series11", "Series12",
                                        "Series13", "Series16", "Series20", "Series45"}));
}

TEST(LoadDiagram, DefaultLeaningWallWithWallFaceReaction) {
    const Drawn d = Draw(LeaningWall(), 1);
    const Chart& c = d.C();
    const Forces& f = kLeaning;
    ASSERT_EQ(d.A.ReactionCase, 6);
    // The back face leans over the backfill, 1.785 in 5.1: its line meets the base
    // underside in front of the heel.
    const double xFoot = 3.835 - 0.35 * 6.0;
    const double LCos = 6.0 / std::tan(f.Omega);

    ExpectRange(c, -0.5, 2.05 + LCos + 1, -f.Q2 / 100 - 0.5, 6.0 + 0.5 + 1);
    ExpectSeries(c, "Series1",
                 {{0, 0, ""},
                  {0, 0.9, ""},
                  {0.835, 0.9, ""},
                  {3.385, 6, ""},
                  {3.835, 6, ""},
                  {2.05, 0.9, ""},
                  {2.05, 0, ""},
                  {0, 0, ""}});
    ExpectFlatBackfill(c, 3.835, 6.0, xFoot, f.Omega, "ω=51.33度");
    ExpectForceSeries(c, f, "Ph=54.29kN", "Pv=3.84kN", 2.05);
    ExpectSeries(c, "Series2",
                 {{0, 0, " "},
                  {0, -f.Q1 / 100, "44.75kN/m2"},
                  {2.05, -f.Q2 / 100, "95.10kN/m2"},
                  {2.05, 0, " "}});
    ExpectSeries(c, "Series13",
                 {{3.835, 6, " "}, {xFoot + f.Ph / 50, f.Pv / 50, " "}, {xFoot, 0, " "}});

    // Wall-face reaction at the crest's back corner: the intensity laid off at 1 m per
    // kN/m2 perpendicular to the face, into the backfill; the loaded length down the face.
    const double r0 = d.A.BackReactionTop;
    const double Lr = d.A.BackReactionLength;
    const double theta = std::atan(0.35);
    EXPECT_NEAR(d.A.FaceAngle, theta, 1e-12);
    ExpectSeries(c, "Series45",
                 {{3.835, 6, " "},
                  {3.835 + r0 * std::cos(theta), 6 - r0 * std::sin(theta), "0.99kN/m2"},
                  {3.835 - Lr * std::sin(theta), 6 - Lr * std::cos(theta), " "}});
    // The end of the loaded length lies on the back face (P5 to P6).
    const SeriesPoint& end = c.Get("Series45").Points[2];
    EXPECT_NEAR((end.X - 3.835) / (2.05 - 3.835), (end.Y - 6) / (0.9 - 6), 1e-12);
    EXPECT_TRUE(c.Get("Series20").Points.empty());
    EXPECT_TRUE(c.Get("Series16").Points.empty());
}

TEST(LoadDiagram, SeismicWallWithWaterPassivePressureAndKey) {
    const Drawn d = Draw(testing::SeismicWaterPassiveKeyWall());
    const Chart& c = d.C();
    const Forces f = ForcesOf(d.A);
    ASSERT_EQ(d.A.ReactionCase, 1);
    const double xFoot = 1.2 + 3.2 / 3;

    ExpectRange(c, -0.5, 2.2 + 3.2 / std::tan(f.Omega) + 1, -f.Q1 / 100 - 0.5, 4.7);
    ExpectSeries(c, "Series1",
                 {{0, 0, ""},
                  {0, 0.2, ""},
                  {0.2, 0.2, ""},
                  {0.8, 3.2, ""},
                  {1.2, 3.2, ""},
                  {2.2, 0.2, ""},
                  {2.4, 0.2, ""},
                  {2.4, 0, ""},
                  {1.4, 0, ""},
                  {1.4, -0.3, ""},
                  {1, -0.3, ""},
                  {1, 0, ""},
                  {0, 0, ""}});
    ExpectFlatBackfill(c, 1.2, 3.2, xFoot, f.Omega, "ω=53.62度");
    EXPECT_NEAR(f.XPv, 1.9111111111111114, 1e-12);
    EXPECT_NEAR(f.YPh, 3.2 / 3, 1e-12);
    ExpectForceSeries(c, f, "Ph=60.50kN", "Pv=43.85kN", 2.4);
    // Triangle at the toe over the loaded length 3·d.
    ExpectSeries(c, "Series2",
                 {{0, 0, " "}, {0, -f.Q1 / 100, "119.87kN/m2"}, {3 * f.D, 0, "0.0kN/m2"}});
    ExpectSeries(c, "Series13",
                 {{1.2, 3.2, " "}, {xFoot + f.Ph / 50, f.Pv / 50, " "}, {xFoot, 0, " "}});
    // Water 1.0 m at 9.8 kN/m3, drawn at 1 m per 10 kN/m2 behind the heel.
    ExpectSeries(c, "Series20",
                 {{2.4, 0, " "}, {2.4, 1.0, " "}, {3.38, 0, "9.8kN/m2"}, {2.4, 0, " "}});
    // Front ground at H0 = 0.8 m, up to the front face.
    ExpectSeries(c, "Series16", {{-10, 0.8, ""}, {0.2 + 0.6 * 0.6 / 3, 0.8, ""}});
    EXPECT_TRUE(c.Get("Series45").Points.empty());
}

// Cohesion: a crack of depth Zc above the slip line, and the crack height Hc on the
// back face, whose label is blue.
TEST(LoadDiagram, CrackAndCrackHeight) {
    const Drawn d = Draw(CrackedBackfill());
    const Chart& c = d.C();
    const TAntei& a = d.A;
    ASSERT_GT(a.Zc, 0);
    ASSERT_GT(a.Hc, 0);
    const double xFoot = 1.2 + 3.2 / 3;
    const double xCrack = xFoot + (3.2 - a.Zc) / std::tan(a.Omega);

    ExpectSeries(c, "Series5",
                 {{xFoot, 0, "ω=71.17度"}, {xCrack, 3.2 - a.Zc, " "}, {xCrack, 3.2, "Zc=1.42m"}});
    ExpectSeries(c, "Series13",
                 {{1.2, 3.2, " "},
                  {1.2 + a.Hc / 3, 3.2 - a.Hc, "Hc=1.42m", clBlue},
                  {xFoot + a.Ph / 50, a.Pv / 50, " "},
                  {xFoot, 0, " "}});
}

// Loads computed separately: the distribution starts at the crest with the surcharge's
// soil height (0.5 m) at 1 m per 50.
TEST(LoadDiagram, SurchargeComputedSeparately) {
    DesignConditionsForm f;
    f.SetIndex("RadioGroup6", 1);
    const Drawn d = Draw(f);
    ASSERT_EQ(d.A.SurfaceCase, 0);
    const double xFoot = 1.2 + 3.2 / 3;
    ExpectSeries(d.C(), "Series13",
                 {{1.2, 3.2, " "},
                  {1.2 + 0.5 / 50, 3.2, " "},
                  {xFoot + d.A.Ph / 50, d.A.Pv / 50, " "},
                  {xFoot, 0, " "}});
}

// A 1:2 slope with the surcharge on the whole surface: the surface and the surcharge
// line end 1 m behind the crack, still on the slope; the slip line ends on the surface.
TEST(LoadDiagram, SlopeBackfillCutBehindTheCrack) {
    DesignConditionsForm f;
    f.SetIndex("RadioGroup8", 1);
    f.SetIndex("TabControl1", 1);
    f.SetText("ComboBox1", "2.0");
    const Drawn d = Draw(f);
    const Chart& c = d.C();
    const TAntei& a = d.A;
    ASSERT_EQ(a.BackfillShape, 2);
    const auto slope = [](double x) { return 3.2 + (x - 1.2) * 0.5; };

    const ChartSeries& slip = c.Get("Series5");
    ASSERT_EQ(slip.Points.size(), 2u);
    const SeriesPoint& crack = slip.Points[1];
    EXPECT_NEAR(crack.Y, slope(crack.X), 1e-9);
    EXPECT_NEAR(std::atan2(crack.Y, crack.X - (1.2 + 3.2 / 3)), a.Omega, 1e-12);

    const double xEnd = crack.X + 1;
    ExpectSeries(c, "Series4", {{1.2, 3.2, ""}, {1.2, 3.2, ""}, {xEnd, slope(xEnd), ""}});
    ExpectSeries(c, "Series6",
                 {{1.2, 3.2, " "}, {1.2, 3.7, "10.0kN/m2"}, {xEnd, slope(xEnd) + 0.5, " "}});

    // Height: the slope over the figure's reach behind the crest, the surcharge, 0.5 m.
    const double reach = c.Bottom.Max - 1 - 1.2;
    EXPECT_NEAR(reach, crack.X - (1.2 + 3.2 / 3) + (2.2 - 1.2), 1e-12);
    ExpectRange(c, -0.5, c.Bottom.Max, -a.Q1 / 100 - 0.5, 0.5 * reach + 3.2 + 0.5 + 0.5);
}

// Embankment 2 m high at 1:1.5 with snow (0.5 on the slope, 1.0 on the flat top): the
// slope load is labelled at the start, the flat-top load at the top of the slope.
TEST(LoadDiagram, EmbankmentLabelsBothLoads) {
    DesignConditionsForm f;
    f.SetIndex("TabControl1", 2);
    f.SetText("ComboBox1", "1.5");
    f.SetChecked("CheckBox4", true);
    f.SetText("Edit13", "0.5");
    const Drawn d = Draw(f);
    const Chart& c = d.C();
    ExpectSeries(c, "Series6",
                 {{1.2, 3.2, " "},
                  {1.2, 3.2 + 0.5 / 20, "0.5kN/m2"},
                  {4.2, 5.2 + 0.5 / 20, " "},
                  {4.2, 5.2 + 11.0 / 20, "11.0kN/m2"},
                  {101.2, 5.2 + 11.0 / 20, " "}});
    ExpectSeries(
        c, "Series4",
        {{1.2, 3.2, ""}, {1.2, 3.2, ""}, {4.2, 5.2, ""}, {4.2, 5.2, ""}, {101.2, 5.2, ""}});
    // Crown, embankment, surcharge (not the snow), 1 m.
    EXPECT_NEAR(c.Left.Max, 3.2 + 2 + 0.5 + 1, 1e-12);
    // The slip line reaches the embankment's flat top.
    EXPECT_NEAR(c.Get("Series5").Points.back().Y, 5.2, 1e-9);
}

// Resultant outside the base (gravity wall with a 5 m stem, seismic kh 0.2): no ground
// reaction is drawn, everything else is. A second run replaces every series of the
// first, also those the second does not draw.
TEST(LoadDiagram, NoGroundReactionAndRedrawReplacesEarlierWall) {
    ResultsStore store;
    SetUpResultsWindow(store);
    TAntei first;
    CalculationSequence(first, testing::SeismicWaterPassiveKeyWall().Controls());
    WriteLoadDiagram(first, store);

    DesignConditionsForm f;
    f.SetText("Edit38", "5000");
    f.SetIndex("RadioGroup5", 1);
    f.SetText("Edit61", "0.2");
    TAntei a;
    CalculationSequence(a, f.Controls());
    ASSERT_EQ(a.ReactionCase, 3);
    WriteLoadDiagram(a, store);

    const Chart& c = store.GetChart("Chart1");
    for (const char* empty : {"Series2", "Series20", "Series16", "Series45"})
        EXPECT_TRUE(c.Get(empty).Points.empty()) << empty;
    EXPECT_EQ(c.Get("Series1").Points.size(), 9u);  // no key any more
    for (const char* drawn : {"Series4", "Series5", "Series6", "Series7", "Series9", "Series10",
                              "Series11", "Series12", "Series13"})
        EXPECT_FALSE(c.Get(drawn).Points.empty()) << drawn;
    EXPECT_EQ(c.Get("Series7").Points[1].X, a.D);
    // No reaction intensities: the figure reaches 0.5 m below the base.
    ExpectRange(c, -0.5, c.Bottom.Max, -0.5, 5.2 + 0.5 + 1);
}

// "白黒": title, every series and the blue crack-height point are black.
TEST(LoadDiagram, BlackAndWhite) {
    DesignConditionsForm f = CrackedBackfill(testing::SeismicWaterPassiveKeyWall());
    f.SetIndex("RadioGroup4", 1);
    const Drawn d = Draw(f);
    const Chart& c = d.C();
    ASSERT_GT(d.A.Hc, 0);
    EXPECT_EQ(c.TitleColour, clBlack);
    int drawn = 0;
    for (const ChartSeries& s : c.Series) {
        EXPECT_EQ(s.SeriesColour, clBlack) << s.Name;
        EXPECT_EQ(s.Font.FontColour, clBlack) << s.Name;
        for (const SeriesPoint& p : s.Points) {
            EXPECT_EQ(p.PointColour.value_or(clBlack), clBlack) << s.Name;
        }
        drawn += s.Points.empty() ? 0 : 1;
    }
    EXPECT_EQ(drawn, 13);  // all but the wall-face reaction
    const ChartSeries& distribution = c.Get("Series13");
    ASSERT_EQ(distribution.Points.size(), 4u);
    EXPECT_EQ(distribution.Points[1].Label, "Hc=1.42m");
    EXPECT_EQ(distribution.Points[1].PointColour, clBlack);
}

}  // namespace
}  // namespace stelvar
