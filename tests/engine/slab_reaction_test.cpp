// Ground reaction at the slab roots and key faces, reaction blocks and slab weights.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine.h"

namespace stelvar {
namespace {

// Gravity wall, B = 3.0: toe root x3 = 0.5, heel root x6 = 2.4, base 0.4 thick, a key
// from x = 1.0 to 1.4.
TAntei SlabWall(double hw = 0.0) {
    TAntei a;
    a.GammaC = 24.0;
    a.GammaW = 10.0;
    a.Hw = hw;
    a.WaterOn = hw > 0.0 ? 1 : 0;
    a.BackfillShape = 1;
    WallDimensions d;
    d.B = 3.0;
    d.tT = 0.5;
    d.wF = 0.3;
    d.wC = 0.5;
    d.wK = 0.6;
    d.hS = 3.0;
    d.hB = 0.4;
    d.kp = 1.0;
    d.kw = 0.4;
    d.kd = 0.3;
    BuildOutline(a, d);
    return a;
}

struct ReactionRow {
    const char* name;
    int reactionCase;
    double q1, q2, d;
    // Expected values.
    double q4, q5, qKeyFront, qKeyBack;
    double qsToe, x2Toe, qsHeel, x2Heel;
};

class SlabReactionBlocks : public testing::TestWithParam<ReactionRow> {};

TEST_P(SlabReactionBlocks, RootIntensitiesAndBlocks) {
    const ReactionRow& r = GetParam();
    TAntei a = SlabWall();
    a.ReactionCase = r.reactionCase;
    a.Q1 = r.q1;
    a.Q2 = r.q2;
    a.D = r.d;
    SlabReaction(a);
    constexpr double tol = 1e-12;
    EXPECT_NEAR(a.Q4, r.q4, tol);
    EXPECT_NEAR(a.Q5, r.q5, tol);
    EXPECT_NEAR(a.QKeyFront, r.qKeyFront, tol);
    EXPECT_NEAR(a.QKeyBack, r.qKeyBack, tol);
    EXPECT_NEAR(a.QsToe, r.qsToe, tol);
    EXPECT_NEAR(a.X2Toe, r.x2Toe, tol);
    EXPECT_NEAR(a.QsHeel, r.qsHeel, tol);
    EXPECT_NEAR(a.X2Heel, r.x2Heel, tol);
}

// Case 0: q(x) = 120 − 20x over the whole base.
// Case 1, L = 0.45: the triangle ends before the toe root.
// Case 1, L = 2.7: q(x) = 150·(2.7 − x)/2.7, ending inside the heel.
// Case 2, L = 0.45: the triangle lies within the heel.
// Case 2, L = 2.7: q(x) = 150·(x − 0.3)/2.7, reaching 0.2 m into the toe.
INSTANTIATE_TEST_SUITE_P(
    Cases, SlabReactionBlocks,
    testing::Values(
        ReactionRow{"Trapezoid", 0, 120, 60, 0, 110, 72, 100, 92, 57.5, 0.5 * 350 / 690, 39.6,
                    0.6 * 192 / 396},
        ReactionRow{"LeaningTrapezoid", 6, 120, 60, 0, 110, 72, 100, 92, 57.5, 0.5 * 350 / 690,
                    39.6, 0.6 * 192 / 396},
        ReactionRow{"ToeTriangleShort", 1, 150, 0, 0.15, 0, 0, 0, 0, 0.45 * 150 / 2, 0.35, 0, 0},
        ReactionRow{"ToeTriangleIntoHeel", 1, 150, 0, 0.9, 150 * 2.2 / 2.7, 150 * 0.3 / 2.7,
                    150 * 1.7 / 2.7, 150 * 1.3 / 2.7,
                    (150 + 150 * 2.2 / 2.7) * 0.5 / 2,
                    0.5 * (300 + 150 * 2.2 / 2.7) / (3 * (150 + 150 * 2.2 / 2.7)),
                    0.3 * (150 * 0.3 / 2.7) / 2, 0.1},
        ReactionRow{"HeelTriangleShort", 2, 0, 150, 2.85, 0, 0, 0, 0, 0, 0, 0.45 * 150 / 2, 0.45},
        ReactionRow{"HeelTriangleIntoToe", 2, 0, 150, 2.1, 150 * 0.2 / 2.7, 150 * 2.1 / 2.7,
                    150 * 0.7 / 2.7, 150 * 1.1 / 2.7, 0.2 * (150 * 0.2 / 2.7) / 2, 0.2 / 3,
                    (150 * 2.1 / 2.7 + 150) * 0.6 / 2,
                    0.6 * (300 + 150 * 2.1 / 2.7) / (3 * (150 + 150 * 2.1 / 2.7))},
        // No reaction at all: the blocks carry nothing and their arms are 0, not 0/0.
        ReactionRow{"NoIntensity", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
    [](const testing::TestParamInfo<ReactionRow>& row) { return row.param.name; });

TEST(SlabReaction, SlabWeightsAndArmsFromTheStemFaces) {
    TAntei a = SlabWall();
    a.ReactionCase = 0;
    a.Q1 = a.Q2 = 100;
    SlabReaction(a);
    // Toe slab 0.5 × 0.4 in front of x3 = 0.5; heel slab 0.6 × 0.4 behind x6 = 2.4.
    EXPECT_NEAR(a.WcToe, 0.2 * 24, 1e-12);
    EXPECT_NEAR(a.X1Toe, 0.25, 1e-12);
    EXPECT_NEAR(a.WcHeel, 0.24 * 24, 1e-12);
    EXPECT_NEAR(a.X1Heel, 0.3, 1e-12);
    // Without water the buoyancy regions are empty; their centroid counts as x = 0.
    EXPECT_EQ(a.WfToe, 0.0);
    EXPECT_EQ(a.WfHeel, 0.0);
    EXPECT_DOUBLE_EQ(a.X3Toe, 0.5);
    EXPECT_EQ(a.X3Heel, 0.0);
}

TEST(SlabReaction, BuoyancyOfTheSubmergedSlabParts) {
    TAntei a = SlabWall(0.2);  // water within the base slab
    a.ReactionCase = 0;
    a.Q1 = a.Q2 = 100;
    SlabReaction(a);
    EXPECT_NEAR(a.WfToe, 0.5 * 0.2 * 10, 1e-12);
    EXPECT_NEAR(a.X3Toe, 0.25, 1e-12);
    EXPECT_NEAR(a.WfHeel, 0.6 * 0.2 * 10, 1e-12);
    EXPECT_NEAR(a.X3Heel, 0.3, 1e-12);
}

TEST(SlabReaction, NotComputableCasesLeaveEveryResultZero) {
    for (int reactionCase : {3, 7}) {
        TAntei a = SlabWall(0.2);
        a.ReactionCase = reactionCase;
        a.Q1 = 80;  // stale values that must not leak into the slabs
        a.Q2 = 40;
        a.D = 0.1;
        a.WcToe = a.QsHeel = a.Q4 = 5;
        SlabReaction(a);
        for (double v : {a.Q4, a.Q5, a.QKeyFront, a.QKeyBack, a.WcToe, a.X1Toe, a.WcHeel,
                         a.X1Heel, a.WfToe, a.X3Toe, a.WfHeel, a.X3Heel, a.QsToe, a.X2Toe,
                         a.QsHeel, a.X2Heel})
            EXPECT_EQ(v, 0.0) << "case " << reactionCase;
        EXPECT_EQ(LoadedLengthOf(a), 0.0);
    }
}

TEST(SlabReaction, LoadedLengthByCase) {
    TAntei a = SlabWall();
    a.D = 0.8;
    const struct {
        int reactionCase;
        double length;
    } rows[] = {{0, 3.0}, {1, 2.4}, {2, 6.6}, {4, 3.0}, {5, 3.0}, {6, 3.0}, {3, 0.0}, {7, 0.0}};
    for (const auto& r : rows) {
        a.ReactionCase = r.reactionCase;
        EXPECT_DOUBLE_EQ(LoadedLengthOf(a), r.length) << "case " << r.reactionCase;
    }
}

}  // namespace
}  // namespace stelvar
