// Load totals, ground reaction cases, the simplified method of a leaning wall and the
// stability verdicts.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine.h"

namespace stelvar {
namespace {

// A wall of base width 3 m (B/6 = 0.5, B/3 = 1 exactly) with its resultant at d.
TAntei Resultant(int wallType, double d, double vo = 120.0) {
    TAntei a;
    a.WallType = wallType;
    a.PointX[9] = 3.0;
    a.PointY[4] = 6.0;
    a.Alpha = -std::atan(0.35);
    a.Vo = vo;
    a.Ho = 40.0;
    a.D = d;
    a.E = 1.5 - d;
    a.MrMo = d * vo;
    a.Qa0 = 300;
    DesignCaseLimits(a);
    GroundReaction(a);
    return a;
}

struct ReactionCase {
    const char* Label;
    int WallType;
    double D;
    int Case;
    double Q1, Q2;
};

class GroundReactions : public ::testing::TestWithParam<ReactionCase> {};

TEST_P(GroundReactions, CaseAndIntensities) {
    const ReactionCase& c = GetParam();
    const TAntei a = Resultant(c.WallType, c.D);
    EXPECT_EQ(a.ReactionCase, c.Case);
    EXPECT_NEAR(a.Q1, c.Q1, 1e-12);
    EXPECT_NEAR(a.Q2, c.Q2, 1e-12);
}

const ReactionCase kReactionCases[] = {
    // Gravity wall, Vo = 120 on B = 3.
    {"CentredTrapezoid", 0, 1.5, 0, 40, 40},
    {"TrapezoidJustInsideSixth", 0, 1.0000001, 0, 40 * (1 + 6 * 0.4999999 / 3), 40 * (1 - 6 * 0.4999999 / 3)},
    {"TriangleAtToeAtSixth", 0, 1.0, 1, 2 * 120 / 3.0, 0},
    {"TriangleAtHeelAtSixth", 0, 2.0, 2, 0, 2 * 120 / 3.0},
    {"TriangleAtHeel", 0, 2.4, 2, 0, 2 * 120 / (3 * 0.6)},  // e = −0.3·B
    {"NotComputableAtThird", 0, 0.5, 3, 0, 0},
    {"NotComputableBeyondThird", 0, 2.6, 3, 0, 0},
    // Leaning wall.
    {"LeaningTriangleAtToe", 1, 0.9, 7, 2 * 120 / (3 * 0.9), 0},
    {"LeaningResultantBeyondToe", 1, -0.2, 7, 0, 0},
    {"LeaningTrapezoidAtThird", 1, 1.0, 4, 40 * (1 + 6 * 0.5 / 3), 40 * (1 - 6 * 0.5 / 3)},
    {"LeaningTrapezoidAtMiddle", 1, 1.5, 4, 40, 40},
    {"LeaningSimplifiedWithoutFaceReaction", 1, 0.56 * 3, 5, 0.64 * 120 / 3, 1.36 * 120 / 3},
};

INSTANTIATE_TEST_SUITE_P(Stability, GroundReactions, ::testing::ValuesIn(kReactionCases),
                         [](const ::testing::TestParamInfo<ReactionCase>& row) { return std::string(row.param.Label); });

TEST(Stability, SimplifiedMethodWithFaceReaction) {
    const TAntei a = Resultant(1, 2.0);
    ASSERT_EQ(a.ReactionCase, 6);
    const double theta = std::atan(0.35);
    const double L = 6.0 / std::cos(theta);
    const double KL = 0.55;
    const double Qt = (2.0 * 120 - 0.56 * 3 * 120) / (3 * std::sin(theta) * 0.44 + (1 - KL / 3) * L);
    EXPECT_NEAR(a.FaceAngle, theta, 1e-15);
    EXPECT_NEAR(a.FaceLength, L, 1e-12);
    EXPECT_NEAR(a.KL, KL, 1e-12);
    EXPECT_NEAR(a.BackReactionLength, KL * L, 1e-12);
    EXPECT_NEAR(a.BackReaction, Qt, 1e-12);
    EXPECT_NEAR(a.Qv, 120 - Qt * std::sin(theta), 1e-12);
    EXPECT_NEAR(a.Qh, 40 + Qt * std::cos(theta), 1e-12);
    EXPECT_NEAR(a.Q1, 2 * a.Qv * (2 - 3 * 0.56) / 3, 1e-12);
    EXPECT_NEAR(a.Q2, 2 * a.Qv * (3 * 0.56 - 1) / 3, 1e-12);
    EXPECT_NEAR(a.BackReactionTop, 2 * Qt / (KL * L), 1e-12);
    EXPECT_EQ(a.Kd, 0.56);

    // Without the simplified method its wall-face fields stay 0.
    const TAntei b = Resultant(1, 1.2);
    EXPECT_EQ(b.ReactionCase, 4);
    EXPECT_EQ(b.BackReaction, 0.0);
    EXPECT_EQ(b.BackReactionTop, 0.0);
    EXPECT_EQ(b.BackReactionLength, 0.0);
    EXPECT_EQ(b.FaceAngle, 0.0);
}

TEST(Stability, KLInterpolation) {
    const std::pair<double, double> rows[] = {{0.0, 0.5}, {0.3, 0.5}, {0.35, 0.55}, {0.4, 0.6},
                                              {0.45, 0.65}, {0.5, 0.7}, {0.8, 0.7}};
    for (const auto& [tanTheta, kl] : rows) EXPECT_NEAR(KLFromTanTheta(tanTheta), kl, 1e-15) << tanTheta;
}

TEST(Stability, DesignCaseLimits) {
    TAntei a;
    a.Qa0 = 300;
    DesignCaseLimits(a);
    EXPECT_EQ(a.FsBearReq, 3.0);
    EXPECT_EQ(a.Qa, 300.0);
    EXPECT_EQ(a.FsSlideReq, 1.5);
    a.LoadCase = 1;
    DesignCaseLimits(a);
    EXPECT_EQ(a.FsBearReq, 2.0);
    EXPECT_EQ(a.Qa, 450.0);
    EXPECT_EQ(a.FsSlideReq, 1.2);
}

TEST(Stability, LoadTotalsWithoutVerticalLoadStopTheRun) {
    TAntei a;
    a.PointX[9] = 2.4;
    a.WallWeight = 50;
    a.U = 50;
    try {
        LoadTotals(a);
        FAIL() << "no error";
    } catch (const EngineError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
}

TEST(Stability, LoadTotalsSumEveryLoad) {
    TAntei a;
    a.PointX[9] = 2.0;
    a.WallWeight = 100, a.MW = 100;
    a.Pv = 10, a.XPv = 2;
    a.U = 5, a.MU = 4;
    a.HW = 1, a.MHW = 2;
    a.Ph = 20, a.YPh = 1;
    a.Pw = 3, a.MPw = 1;
    a.WindForce = 4, a.WindMoment = 8;
    a.CollisionForce = 5, a.CollisionMoment = 10;
    LoadTotals(a);
    EXPECT_EQ(a.Vo, 105);
    EXPECT_EQ(a.Ho, 33);
    EXPECT_EQ(a.HoCopy, 33);
    EXPECT_EQ(a.Mr, 116);
    EXPECT_EQ(a.Mo, 41);
    EXPECT_EQ(a.MrMo, 75);
    EXPECT_DOUBLE_EQ(a.D, 75.0 / 105);
    EXPECT_DOUBLE_EQ(a.E, 1 - 75.0 / 105);
}

// ---- Verdicts -----------------------------------------------------------------------

TEST(Verdicts, OverturningByAllowableEccentricity) {
    struct Row {
        int WallType, LoadCase;
        double D;
        bool Ok;
    };
    const Row rows[] = {
        {0, 0, 1.0000001, true}, {0, 0, 1.0, false},  // |e| < B/6, ordinary
        {0, 1, 0.5000001, true}, {0, 1, 0.5, false},  // |e| < B/3, seismic
        {1, 0, 1.5, false},      {1, 0, 1.5000001, true},  // d > B/2
        {1, 1, 1.0, true},       {1, 1, 0.9999999, false},  // d ≥ B/3
    };
    for (const Row& r : rows) {
        TAntei a;
        a.WallType = r.WallType;
        a.LoadCase = r.LoadCase;
        a.PointX[9] = 3.0;
        a.D = r.D;
        a.E = 1.5 - r.D;
        EXPECT_EQ(ComputeVerdicts(a).Overturning, r.Ok) << r.WallType << r.LoadCase << " d=" << r.D;
    }
}

TEST(Verdicts, OverturningBySafetyFactor) {
    struct Row {
        double Mr, Mo, Required;
        bool Ok;
        double Fm;
    };
    const Row rows[] = {{300, 180, 1.5, true, 300.0 / 180}, {300, 250, 1.5, false, 1.2},
                        {300, 250, 1.2, true, 1.2},         {300, 0, 1.5, true, 0.0}};
    for (const Row& r : rows) {
        TAntei a;
        a.Settings.OverturnMethod = 1;
        a.Settings.FmReq = r.Required;
        a.Mr = r.Mr;
        a.Mo = r.Mo;
        const Verdicts v = ComputeVerdicts(a);
        EXPECT_EQ(v.Overturning, r.Ok) << r.Mo;
        EXPECT_DOUBLE_EQ(v.Fm, r.Fm) << r.Mo;
    }
}

TEST(Verdicts, GroundReactionAgainstAllowableBearing) {
    struct Row {
        const char* Label;
        int Case;
        double Q1, Q2, Qv1, Qv2, Qa;
        bool Ok;
    };
    const Row rows[] = {
        {"seismic limit 450", 1, 420, 0, 0, 0, 450, true},
        {"over the limit", 0, 310, 20, 0, 0, 300, false},
        {"at the limit", 0, 300, 20, 0, 0, 300, true},
        {"no reaction at all", 7, 0, 0, 0, 0, 300, false},
        {"not computable", 3, 0, 0, 0, 0, 300, false},
        {"simplified method reads qv", 6, 500, 500, 100, 200, 300, true},
        {"simplified method over", 5, 0, 0, 100, 320, 300, false},
        {"uplift", 0, 50, -5, 0, 0, 300, false},
    };
    for (const Row& r : rows) {
        TAntei a;
        a.ReactionCase = r.Case;
        a.Q1 = r.Q1;
        a.Q2 = r.Q2;
        a.Qv1 = r.Qv1;
        a.Qv2 = r.Qv2;
        a.Qa = r.Qa;
        EXPECT_EQ(ComputeVerdicts(a).GroundReaction, r.Ok) << r.Label;
    }
}

TEST(Verdicts, SlidingAndBearing) {
    TAntei a;
    a.ReactionCase = 0;
    a.Fs = 1.5;
    a.FsSlideReq = 1.5;
    a.Vo = 100;
    a.Be = 2.0;
    a.Qu = 150;
    a.FsBearReq = 3.0;
    Verdicts v = ComputeVerdicts(a);
    EXPECT_TRUE(v.Sliding);
    EXPECT_EQ(v.MeanReaction, 50.0);
    EXPECT_EQ(v.AllowableBearing, 50.0);
    EXPECT_TRUE(v.Bearing);

    a.ReactionCase = 6;  // the simplified method's vertical reaction is the load
    a.Qv = 120;
    v = ComputeVerdicts(a);
    EXPECT_EQ(v.MeanReaction, 60.0);
    EXPECT_FALSE(v.Bearing);

    for (int c : {3, 7}) {
        a.ReactionCase = c;
        EXPECT_FALSE(ComputeVerdicts(a).Sliding) << c;
    }

    // Resultant at or beyond the toe: no effective width, nothing to compare.
    a.ReactionCase = 3;
    a.Be = -0.4;
    v = ComputeVerdicts(a);
    EXPECT_FALSE(v.Bearing);
    EXPECT_EQ(v.MeanReaction, 0.0);
    EXPECT_EQ(v.AllowableBearing, 0.0);
}

}  // namespace
}  // namespace stelvar
