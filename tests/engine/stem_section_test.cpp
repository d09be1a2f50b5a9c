// Section forces and edge stresses of the stem, and the dispatch to the member checks.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/engine.h"

namespace stelvar {
namespace {

// A stem 3.0 m high on a base 0.4 m thick, without backfill weight so that no earth
// pressure arises and the loads are those set by each test.
// front/crest/back: horizontal runs of the front face, the crest and the back face
// (the back run is negative when the back face overhangs the backfill).
TAntei Stem(double front, double crest, double back) {
    TAntei a;
    a.GammaC = 24.0;
    a.GammaW = 10.0;
    a.GammaS = 0.0;
    a.Phi = 0.5;
    a.BackfillShape = 1;
    a.SigmaCa = 4.5;
    a.SigmaCat = 0.22;
    a.TauCa = 0.33;
    const double x3 = 0.5;
    a.PointX[3] = a.PointX[2] = x3;
    a.PointX[4] = x3 + front;
    a.PointX[5] = x3 + front + crest;
    a.PointX[6] = a.PointX[7] = x3 + front + crest + back;
    a.PointX[8] = a.PointX[9] = a.PointX[6] + 0.5;
    a.PointY[1] = a.PointY[2] = a.PointY[3] = 0.4;
    a.PointY[6] = a.PointY[7] = a.PointY[8] = 0.4;
    a.PointY[4] = a.PointY[5] = 3.4;
    a.Alpha = std::atan(back / 3.0);
    return a;
}

TAntei RectangularStem() { return Stem(0.0, 0.6, 0.0); }
TAntei BatteredStem() { return Stem(0.3, 0.5, 1.1); }

void ExpectNear(double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, 1e-12 * std::max(1.0, std::fabs(expected))) << what;
}

TEST(StemWidth, RunsLinearlyFromCrestToFoot) {
    const TAntei a = BatteredStem();
    ExpectNear(StemWidthAt(a, 0.0), 0.5, "crest");
    ExpectNear(StemWidthAt(a, 1.5), 1.2, "mid-height");
    ExpectNear(StemWidthAt(a, 3.0), 1.9, "foot");
}

TEST(StemWidth, StemWithoutHeightIsRefused) {
    TAntei a = RectangularStem();
    a.PointY[4] = a.PointY[3];
    EXPECT_THROW(StemWidthAt(a, 0.0), EngineError);
}

// Without earth pressure, water and inertia a rectangular stem is loaded centrally:
// e = 0 and both edges carry V/B.
TEST(StemSection, RectangularStemIsLoadedCentrally) {
    for (double x : {1.5, 3.0}) {
        TAntei a = RectangularStem();
        const StemSection s = StemSectionForces(a, x);
        SCOPED_TRACE(x);
        EXPECT_EQ(s.Depth, x);
        ExpectNear(s.Width, 0.6, "B");
        ExpectNear(s.W, 0.6 * x * 24, "W");
        ExpectNear(s.XW, 0.3, "XW");
        ExpectNear(s.YW, x / 2, "YW");
        EXPECT_EQ(s.Pa, 0.0);
        EXPECT_EQ(s.U, 0.0);
        EXPECT_EQ(s.Pw, 0.0);
        EXPECT_EQ(s.Qt, 0.0);
        ExpectNear(s.V, s.W, "V");
        EXPECT_NEAR(s.E, 0.0, 1e-12);
        const double sigma = s.W / 0.6 / 1000;
        ExpectNear(s.SigmaC1, sigma, "sigma1");
        ExpectNear(s.SigmaC2, sigma, "sigma2");
        EXPECT_EQ(s.Verdict, "可");
    }
}

TEST(StemSection, BatteredStemWeightIsTheTrapezoidAboveTheSection) {
    TAntei a = BatteredStem();
    const StemSection s = StemSectionForces(a, 1.5);
    // Crest 0.5 wide, section 1.2 wide, 1.5 high.
    ExpectNear(s.W, (0.5 + 1.2) / 2 * 1.5 * 24, "W");
    // Centroid height of a trapezoid: h·(b + 2a)/(3·(a + b)) with a the top width.
    ExpectNear(s.YW, 1.5 * (1.2 + 2 * 0.5) / (3 * (0.5 + 1.2)), "YW");
    ExpectNear(s.MW, s.W * s.XW, "MW");
}

struct WaterRow {
    double hw;     // water depth above the base underside
    double depth;  // section depth below the crest
    double u;      // buoyancy of the stem part between the section and the water level
    double pw;     // water pressure on the back above the section
};

// Battered stem: width 1.9 at the foot (y = 0.4) falling by 1.4 over the 3.0 m height.
TEST(StemSection, BuoyancyAndWaterPressureFollowTheWaterLevel) {
    const auto widthAt = [](double y) { return 1.9 - 1.4 * (y - 0.4) / 3.0; };
    const WaterRow rows[] = {
        {0.4, 3.0, 0.0, 0.0},  // water at the stem foot
        {1.0, 1.5, 0.0, 0.0},  // water between the sections: nothing at mid-height
        {1.0, 3.0, (widthAt(0.4) + widthAt(1.0)) / 2 * 0.6 * 10, 10 * 0.6 * 0.6 / 2},
        {2.5, 1.5, (widthAt(1.9) + widthAt(2.5)) / 2 * 0.6 * 10, 10 * 0.6 * 0.6 / 2},
        {2.5, 3.0, (widthAt(0.4) + widthAt(2.5)) / 2 * 2.1 * 10, 10 * 2.1 * 2.1 / 2},
        // Above the crest the whole stem is submerged.
        {5.0, 3.0, (1.9 + 0.5) / 2 * 3.0 * 10, 10 * 4.6 * 4.6 / 2},
    };
    for (const WaterRow& r : rows) {
        TAntei a = BatteredStem();
        a.WaterOn = 1;
        a.Hw = r.hw;
        const StemSection s = StemSectionForces(a, r.depth);
        SCOPED_TRACE(testing::Message() << "Hw " << r.hw << " x " << r.depth);
        ExpectNear(s.U, r.u, "U");
        ExpectNear(s.MU, s.U * s.XU, "MU");
        ExpectNear(s.Pw, r.pw, "Pw");
        ExpectNear(s.MPw, s.Pw * s.HpW, "MPw");
        ExpectNear(s.V, s.W - s.U, "V");
        ExpectNear(s.Mo, s.MPw, "Mo");
        EXPECT_TRUE(std::isfinite(s.SigmaC1) && std::isfinite(s.SigmaC2));
    }
}

// Rectangular stem 0.6 wide with water 0.6 m above its foot: at the fixed section
// N = 43.2 − 3.6 kN and M about the centre = 0.36 kNm, so σ = 66 ± 6 kN/m2.
TEST(StemSection, WaterPressureBendsTheFixedSection) {
    TAntei a = RectangularStem();
    a.WaterOn = 1;
    a.Hw = 1.0;
    const StemSection s = StemSectionForces(a, 3.0);
    ExpectNear(s.U, 3.6, "U");
    ExpectNear(s.XU, 0.3, "XU");
    ExpectNear(s.HpW, 0.2, "HpW");
    ExpectNear(s.SigmaC1, 0.072, "sigma1");
    ExpectNear(s.SigmaC2, 0.060, "sigma2");
}

// Leaning wall in reaction case 6 with a face inclined at tan θ = 0.35 and a wall-face
// reaction falling from r0 = 30 at the crest to 0 at Lr = 2.0 down the face.
class LeaningStem : public testing::Test {
protected:
    void SetUp() override {
        a = Stem(1.05, 0.45, -1.05);
        a.WallType = 1;
        a.ReactionCase = 6;
        a.FaceAngle = std::atan(0.35);
        a.BackReactionTop = 30.0;
        a.BackReactionLength = 2.0;
        a.BackReaction = 30.0 * 2.0 / 2;
    }
    TAntei a;
};

TEST_F(LeaningStem, TrapezoidAboveTheEndOfTheReactionTriangleBelow) {
    const double theta = a.FaceAngle;
    for (double x : {1.5, 3.0}) {
        const StemSection s = StemSectionForces(a, x);
        SCOPED_TRACE(x);
        // Integrate r(u) = r0·(1 − u/Lr) over the face length u = 0 .. min(s, Lr) above
        // the section; the moment is taken about the section, distance s − u.
        const double len = x / std::cos(theta);
        const double u = std::min(len, 2.0);
        const double force = 30.0 * (u - u * u / (2 * 2.0));
        const double moment = 30.0 * (len * u - u * u / 2 - len * u * u / (2 * 2.0) +
                                      u * u * u / (3 * 2.0));
        ExpectNear(s.Qt, force, "Qt");
        ExpectNear(s.QtY, std::cos(theta) * moment / force, "QtY");
        ExpectNear(s.QtH, std::cos(theta) * s.Qt, "QtH");
        ExpectNear(s.QtV, -std::sin(theta) * s.Qt, "QtV");
        EXPECT_LT(s.QtV, 0.0);
        ExpectNear(s.QtX, 0.35 * s.QtY + s.Width, "QtX");
        // The downward component reduces the axial force and the resisting moment.
        ExpectNear(s.V, s.W + s.QtV, "V");
        ExpectNear(s.Mr, s.MW + s.QtV * s.QtX, "Mr");
        ExpectNear(s.Mo, s.QtH * s.QtY, "Mo");
    }
}

TEST_F(LeaningStem, NoWallFaceReactionOutsideCaseSixOrOnAGravityWall) {
    a.ReactionCase = 5;
    EXPECT_EQ(StemSectionForces(a, 3.0).Qt, 0.0);
    a.ReactionCase = 6;
    a.WallType = 0;
    const StemSection s = StemSectionForces(a, 3.0);
    for (double v : {s.Qt, s.QtV, s.QtH, s.QtX, s.QtY, s.QtMr, s.QtMt}) EXPECT_EQ(v, 0.0);
}

// Stem leaning over the backfill: the centroid lies behind the back edge of the foot
// section, so the front edge is in tension while the back edge is compressed.
TEST(StemSection, VerdictJudgesEachEdgeByItsOwnLimit) {
    TAntei a = Stem(1.7, 0.3, -1.4);
    const StemSection s = StemSectionForces(a, 3.0);
    ASSERT_LT(s.SigmaC1, 0.0);
    ASSERT_GT(s.SigmaC2, 0.0);
    ASSERT_LT(s.SigmaC2, a.SigmaCa);
    EXPECT_EQ(s.Verdict, "不可");

    // Reaching a limit exactly is satisfied; just beyond it is not.
    a.SigmaCat = -s.SigmaC1;  // the sign of σcat does not matter
    EXPECT_EQ(StemSectionForces(a, 3.0).Verdict, "可");
    a.SigmaCat = s.SigmaC1;
    EXPECT_EQ(StemSectionForces(a, 3.0).Verdict, "可");
    a.SigmaCat = std::nextafter(-s.SigmaC1, 0.0);
    EXPECT_EQ(StemSectionForces(a, 3.0).Verdict, "不可");
    a.SigmaCat = -s.SigmaC1;
    a.SigmaCa = s.SigmaC2;
    EXPECT_EQ(StemSectionForces(a, 3.0).Verdict, "可");
    a.SigmaCa = std::nextafter(s.SigmaC2, 0.0);
    EXPECT_EQ(StemSectionForces(a, 3.0).Verdict, "不可");
}

TEST(StemSection, SectionWithoutWidthCarriesNothing) {
    TAntei a = Stem(0.0, 0.0, 0.0);
    const StemSection s = StemSectionForces(a, 1.5);
    EXPECT_EQ(s.Width, 0.0);
    for (double v : {s.D, s.E, s.SigmaC1, s.SigmaC2}) EXPECT_EQ(v, 0.0);
    EXPECT_EQ(s.Verdict, "不可");
}

// Weightless stem with a vertical face and a horizontal wall-face reaction: no axial
// force, so the section is in pure bending, σ = ±M/W with W = B²/6.
TEST(StemSection, SectionWithoutAxialForceIsInPureBending) {
    TAntei a = RectangularStem();
    a.GammaC = 0.0;
    a.WallType = 1;
    a.ReactionCase = 6;
    a.FaceAngle = 0.0;
    a.BackReactionTop = 10.0;
    a.BackReactionLength = 1.0;
    a.BackReaction = 5.0;
    const StemSection s = StemSectionForces(a, 3.0);
    ASSERT_EQ(s.V, 0.0);
    const double m = 5.0 * (3.0 - 1.0 / 3);
    ExpectNear(s.Mo, m, "Mo");
    ExpectNear(s.SigmaC1, m / (0.6 * 0.6 / 6) / 1000, "sigma1");
    ExpectNear(s.SigmaC2, -m / (0.6 * 0.6 / 6) / 1000, "sigma2");
    EXPECT_EQ(s.D, 0.0);
    EXPECT_EQ(s.E, 0.0);
}

// Which member checks the stem design runs, by wall type, base thickness and key.
struct DispatchRow {
    const char* name;
    int wallType;
    double baseThickness;
    bool keyOn;
    bool toe, heel, key;
};

class StemDispatch : public testing::TestWithParam<DispatchRow> {};

TEST_P(StemDispatch, RunsTheChecksTheWallAsksFor) {
    const DispatchRow& r = GetParam();
    TAntei a = RectangularStem();
    a.WallType = r.wallType;
    a.PointY[1] = r.baseThickness;
    a.Settings.KeyOn = r.keyOn;
    a.PointX[9] = 2.0;
    a.PointX[13] = a.PointX[12] = 0.8;
    a.PointX[10] = a.PointX[11] = 1.2;
    a.PointY[11] = a.PointY[12] = -0.3;
    a.Vo = 100;
    a.HoCopy = 30;
    a.Be = 2.0;
    StemDesign(a);
    ASSERT_TRUE(a.StemMid && a.StemFixed && a.StemFixedWedge);
    EXPECT_DOUBLE_EQ(a.StemMid->Depth, 1.5);
    EXPECT_DOUBLE_EQ(a.StemFixed->Depth, 3.0);
    EXPECT_EQ(a.ToeCheck.has_value(), r.toe);
    EXPECT_EQ(a.HeelCheck.has_value(), r.heel);
    EXPECT_EQ(a.KeyCheck.has_value(), r.key);
}

INSTANTIATE_TEST_SUITE_P(
    Walls, StemDispatch,
    testing::Values(DispatchRow{"Gravity", 0, 0.4, false, true, true, false},
                    DispatchRow{"GravityWithKey", 0, 0.4, true, true, true, true},
                    DispatchRow{"Leaning", 1, 0.4, false, true, false, false},
                    DispatchRow{"LeaningWithKey", 1, 0.4, true, true, false, true},
                    DispatchRow{"NoBaseSlabWithKey", 0, 0.0, true, false, false, true},
                    DispatchRow{"NoBaseSlab", 1, 0.0, false, false, false, false},
                    // Dispatched to the slabs, but too thin for them to produce anything.
                    DispatchRow{"ThinBaseSlabWithKey", 0, 0.005, true, false, false, true}),
    [](const testing::TestParamInfo<DispatchRow>& row) { return row.param.name; });

}  // namespace
}  // namespace stelvar
