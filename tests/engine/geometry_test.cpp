// Outline points, named regions and the surface line.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "default_controls.h"
#include "engine/engine.h"

namespace stelvar {
namespace {

using testing::DefaultControls;

TAntei Gathered(const std::function<void(DefaultControls&)>& setup = {}) {
    DefaultControls controls;
    if (setup) setup(controls);
    TAntei a;
    Gather(a, controls);
    return a;
}

struct RegionCase {
    const char* Label;
    std::function<void(DefaultControls&)> Setup;
    const char* Region;
    double A, Xc, Yc;
};

class Regions : public ::testing::TestWithParam<RegionCase> {};

TEST_P(Regions, AreaAndCentroid) {
    const RegionCase& c = GetParam();
    TAntei a = Gathered(c.Setup);
    const RegionResult r = QueryRegion(a, c.Region);
    EXPECT_NEAR(r.A, c.A, 1e-12) << c.Region;
    EXPECT_NEAR(r.Xc, c.Xc, 1e-12) << c.Region;
    EXPECT_NEAR(r.Yc, c.Yc, 1e-12) << c.Region;
}

const auto kDefault = [](DefaultControls&) {};
const auto kLeaning = [](DefaultControls& c) { c.Leaning(); };
const auto kFrontSoil = [](DefaultControls& c) { c.SetChecked("CheckBox9", true).Set("Edit54", "1.0"); };
const auto kShallowWaterWithKey = [](DefaultControls& c) {
    c.SetChecked("CheckBox3", true).Set("Edit62", "0.1").Set("ComboBox8", "9.8");
    c.SetIndex("RadioGroup2", 1).Set("Edit35", "800").Set("Edit40", "500").Set("Edit41", "400");
};
const auto kDeepWater = [](DefaultControls& c) {
    c.SetChecked("CheckBox3", true).Set("Edit62", "1.7").Set("ComboBox8", "9.8");
};
const auto kNoBaseSlab = [](DefaultControls& c) { c.Set("Edit39", "0"); };
const auto kShortToe = [](DefaultControls& c) { c.Set("Edit34", "50").Set("Edit36", "750"); };
const auto kLowEmbankment = [](DefaultControls& c) {
    c.SetIndex("TabControl1", 2).Set("ComboBox1", "1.0").Set("Edit28", "500");
};

const RegionCase kRegionCases[] = {
    // Default gravity wall: B 2.4, tT 0.2, wF 0.6, wC 0.4, wK 0.2, hS 3.0, hB 0.2.
    {"GravityWall", kDefault, "W_A", 4.08, 1.1313725490196076, 1.2176470588235293},
    {"GravityToe", kDefault, "T_M", 0.04, 0.1, 0.1},
    {"GravityToeToSection", kDefault, "T_S", 0.02, 0.05, 0.1},
    {"GravityHeel", kDefault, "K_M", 0.04, 2.3, 0.1},
    {"GravityBackfillWithWedge", kDefault, "KS_A", 2.1, 4.18 / 2.1, 4.32 / 2.1},
    {"GravityBackfillOverHeel", kDefault, "KS_M", 0.6, 2.3, 1.7},
    {"NoWaterNoBuoyantBody", kDefault, "W_FA", 0, 0, 0},
    {"UnknownName", kDefault, "X_Y", 0, 0, 0},
    {"NoFrontSoilAboveBase", kDefault, "TS_A", 0, 0, 0},
    // Default leaning wall.
    {"LeaningWall", kLeaning, "W_A", 6.09075, 1.9557923900997416, 2.2690062800147777},
    // Front soil up to H0 = 1.0: a rectangle on the toe and the triangle against the
    // front face, whose point P26 lies at x = 0.2 + 0.6·0.8/3 = 0.36.
    {"FrontSoilWithWedge", kFrontSoil, "TS_A", 0.16 + 0.064,
     (0.16 * 0.1 + 0.064 * (0.76 / 3)) / 0.224, (0.16 * 0.6 + 0.064 * (2.2 / 3)) / 0.224},
    {"FrontSoilOnToe", kFrontSoil, "TS_M", 0.16, 0.1, 0.6},
    {"FrontSoilToSection", kFrontSoil, "TS_S", 0.08, 0.05, 0.6},
    // Water within the base slab: the full-width strip plus the shear key.
    {"ShallowWaterBody", kShallowWaterWithKey, "W_FA", 0.24 + 0.2, (0.24 * 1.2 + 0.2 * 1.05) / 0.44, (0.24 * 0.05 - 0.2 * 0.2) / 0.44},
    {"ShallowWaterNoFrontSoil", kShallowWaterWithKey, "TS_FA", 0, 0, 0},
    {"ShallowWaterNoBackfill", kShallowWaterWithKey, "KS_FA", 0, 0, 0},
    // Water above the base slab at 1.7 m follows the faces: 0.48 of base, 2.4 of stem.
    // Water above the base slab at 1.7 m follows the faces: the base, a rectangle
    // 0.5..1.7 and the triangles against the front and back faces.
    {"DeepWaterBody", kDeepWater, "W_FA", 2.88,
     (0.48 * 1.2 + 1.8 * 1.1 + 0.225 * 0.4 + 0.375 * (5.6 / 3)) / 2.88,
     (0.48 * 0.1 + 1.8 * 0.95 + 0.225 * 0.7 + 0.375 * 0.7) / 2.88},
    {"DeepWaterBackfill", kDeepWater, "KS_FA", 0.3 + 0.375, (0.3 * 2.3 + 0.375 * (6.1 / 3)) / 0.675,
     (0.3 * 0.95 + 0.375 * 1.2) / 0.675},
    // Without a base slab the toe and heel regions are empty.
    {"NoBaseSlabToe", kNoBaseSlab, "T_M", 0, 0, 0},
    {"NoBaseSlabHeel", kNoBaseSlab, "K_M", 0, 0, 0},
    {"NoBaseSlabToeSection", kNoBaseSlab, "T_S", 0, 0, 0},
    // Toe shorter than half the base thickness: no section in front of the stem.
    {"ShortToeSection", kShortToe, "T_S", 0, 0, 0},
    // Embankment 0.5 m high at 1:1 ends over the back slope; the heel carries the
    // flat top at H + 0.5 over its full width.
    {"LowEmbankmentOverHeel", kLowEmbankment, "KS_M", 0.2 * 3.5, 2.3, 0.2 + 3.5 / 2},
};

INSTANTIATE_TEST_SUITE_P(Geometry, Regions, ::testing::ValuesIn(kRegionCases),
                         [](const ::testing::TestParamInfo<RegionCase>& row) { return std::string(row.param.Label); });

TEST(Geometry, CornerListDropsRepeatedPoints) {
    TAntei a = Gathered();
    const RegionResult r = QueryRegion(a, "W_A");
    // P0 P1 P2 P4 P5 P6 P8 P9 and the closing P0: P3, P7 and the absent key collapse.
    const std::vector<double> x{0, 0, 0.2, 0.8, 1.2, 2.2, 2.4, 2.4, 0};
    const std::vector<double> y{0, 0.2, 0.2, 3.2, 3.2, 0.2, 0.2, 0, 0};
    EXPECT_EQ(r.Count, 8);
    ASSERT_EQ(r.X.size(), x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        EXPECT_NEAR(r.X[i], x[i], 1e-15) << i;
        EXPECT_NEAR(r.Y[i], y[i], 1e-15) << i;
    }
    EXPECT_EQ(a.RegHigh, 14);  // the workspace keeps every listed point

    const RegionResult empty = QueryRegion(a, "TS_A");
    EXPECT_EQ(empty.Count, 0);
    EXPECT_EQ(a.RegHigh, 4);
}

TEST(Geometry, WaterPointsOnTheFaces) {
    // Above the base slab the water points lie on the faces; a leaning wall's back face
    // overhangs the base, so P16 lies further from the toe than its foot P6.
    TAntei g = Gathered(kDeepWater);
    EXPECT_NEAR(g.PointX[15], 0.5, 1e-15);
    EXPECT_NEAR(g.PointX[16], 1.7, 1e-15);
    TAntei l = Gathered([](DefaultControls& c) { kDeepWater(c); c.Leaning(); });
    EXPECT_GT(l.PointX[16], l.PointX[6]);
    EXPECT_NEAR(l.PointX[16], 2.05 + 1.785 * 0.8 / 5.1, 1e-15);
    // Within the base slab they are the toe and heel ends.
    TAntei s = Gathered(kShallowWaterWithKey);
    EXPECT_EQ(s.PointX[15], 0.0);
    EXPECT_EQ(s.PointX[16], 2.4);
}

TEST(Geometry, EmbankmentEndingOverTheHeel) {
    // 1:1, 1.1 m high: the slope ends at x5 + 1.1 = 2.3, between the heel's start and end.
    TAntei a = Gathered([](DefaultControls& c) {
        c.SetIndex("TabControl1", 2).Set("ComboBox1", "1.0").Set("Edit28", "1100");
    });
    EXPECT_NEAR(a.PointY[21], 3.2 + 1.0, 1e-12);  // on the slope above the back face's foot
    EXPECT_NEAR(a.PointX[22], 2.3, 1e-12);
    EXPECT_NEAR(a.PointY[22], 4.3, 1e-12);
    EXPECT_NEAR(a.PointY[23], 4.3, 1e-12);
}

struct SurfaceCase {
    const char* Label;
    std::function<void(DefaultControls&)> Setup;
    int Kind;
    std::vector<double> X, Y;
    double First, Second;
    int SecondIndex;
};

class SurfaceLines : public ::testing::TestWithParam<SurfaceCase> {};

TEST_P(SurfaceLines, Points) {
    const SurfaceCase& c = GetParam();
    TAntei a = Gathered(c.Setup);
    const SurfaceLine line = QuerySurfaceLine(a, c.Kind);
    ASSERT_EQ(line.X.size(), c.X.size());
    EXPECT_EQ(a.LoadHigh, static_cast<int>(c.X.size()) - 1);
    for (std::size_t i = 0; i < c.X.size(); ++i) {
        EXPECT_NEAR(line.X[i], c.X[i], 1e-12) << i;
        EXPECT_NEAR(line.Y[i], c.Y[i], 1e-12) << i;
        EXPECT_EQ(a.LoadX[i], line.X[i]);
    }
    EXPECT_NEAR(line.FirstLabelValue, c.First, 1e-12);
    EXPECT_EQ(line.FirstLabelIndex, 1);
    EXPECT_NEAR(line.SecondLabelValue, c.Second, 1e-12);
    EXPECT_EQ(line.SecondLabelIndex, c.SecondIndex);
}

const auto kEmbankment = [](DefaultControls& c) {
    c.SetIndex("TabControl1", 2).Set("ComboBox1", "1.5").Set("Edit28", "2000");
};

const SurfaceCase kSurfaceCases[] = {
    // Crest back corner P5 = (1.2, 3.2); q = 10 over γs = 20 is 0.5 m of soil.
    {"FlatSurface", kDefault, 1, {1.2, 1.2, 101.2}, {3.2, 3.2, 3.2}, 0, 0, -1},
    {"FlatSurcharge", kDefault, 2, {1.2, 1.2, 101.2}, {3.2, 3.7, 3.7}, 10, 0, -1},
    {"FlatSnowAdds",
     [](DefaultControls& c) { c.SetChecked("CheckBox4", true).Set("Edit43", "1.0").Set("Edit13", "0.35"); },
     2, {1.2, 1.2, 101.2}, {3.2, 3.75, 3.75}, 11, 0, -1},
    {"EmbankmentSurface", kEmbankment, 1, {1.2, 1.2, 4.2, 4.2, 101.2}, {3.2, 3.2, 5.2, 5.2, 5.2}, 0, 0, 3},
    // Surcharge on the flat part only starts at the top of the slope.
    {"EmbankmentFlatPartLoad", kEmbankment, 2, {4.2, 4.2, 4.2, 4.2, 101.2}, {5.2, 5.2, 5.2, 5.7, 5.7}, 0, 10, 3},
    {"EmbankmentWholeSurfaceLoad",
     [](DefaultControls& c) { kEmbankment(c); c.SetIndex("RadioGroup8", 1); },
     2, {1.2, 1.2, 4.2, 4.2, 101.2}, {3.2, 3.7, 5.7, 5.7, 5.7}, 10, 10, 3},
    {"SlopeWholeSurfaceLoad",
     [](DefaultControls& c) { c.SetIndex("TabControl1", 1).Set("ComboBox1", "2.0").SetIndex("RadioGroup8", 1); },
     2, {1.2, 1.2, 101.2}, {3.2, 3.7, 3.2 + 50 + 0.5}, 10, 0, -1},
};

INSTANTIATE_TEST_SUITE_P(Geometry, SurfaceLines, ::testing::ValuesIn(kSurfaceCases),
                         [](const ::testing::TestParamInfo<SurfaceCase>& row) { return std::string(row.param.Label); });

}  // namespace
}  // namespace stelvar
