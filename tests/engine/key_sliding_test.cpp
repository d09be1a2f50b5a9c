// Sliding resistance with and without a shear key, and the check of the key.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine.h"

namespace stelvar {
namespace {

// Base 3.0 m wide with a key 0.4 m wide and 0.3 m high whose front face is 1.0 m from
// the toe tip.
TAntei KeyedBase() {
    TAntei a;
    a.Settings.KeyOn = true;
    a.PointX[9] = 3.0;
    a.PointX[13] = 1.0;
    a.PointX[12] = 1.0;
    a.PointX[11] = 1.4;
    a.PointX[10] = 1.4;
    a.PointY[12] = -0.3;
    a.PointY[11] = -0.3;
    a.Vo = 200.0;
    a.HoCopy = 60.0;
    a.Pp = 10.0;
    a.Mu = 0.55;
    a.Cb = 2.0;
    a.C1 = 5.0;
    a.Phi1 = std::atan(0.6);
    a.PhiB = std::atan(0.5);
    a.SigmaCat = 0.22;
    a.TauCa = 0.33;
    a.ReactionCase = 0;
    return a;
}

struct PartsRow {
    const char* name;
    double e, be;
    double b1, b2, b3;
};

class KeyParts : public testing::TestWithParam<PartsRow> {};

TEST_P(KeyParts, EffectiveWidthIsSplitAtTheKey) {
    const PartsRow& r = GetParam();
    TAntei a = KeyedBase();
    a.E = r.e;
    a.Be = r.be;
    SlidingResistance(a);
    EXPECT_NEAR(a.B1, r.b1, 1e-12);
    EXPECT_NEAR(a.B2, r.b2, 1e-12);
    EXPECT_NEAR(a.B3, r.b3, 1e-12);
    // The parts cover the effective width, so Vo is shared out completely.
    EXPECT_NEAR(a.V1 + a.V2 + a.V3, a.Vo, 1e-12);
    EXPECT_NEAR(a.V2, r.b2 / r.be * a.Vo, 1e-12);
    EXPECT_DOUBLE_EQ(a.Fs, a.Hk / a.HoCopy);
    EXPECT_NEAR(a.KeyMoment, 0.3 * a.Ht / 2, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, KeyParts,
    testing::Values(PartsRow{"KeyInside", 0.2, 2.6, 1.0, 0.4, 1.2},
                    PartsRow{"KeyBackOutside", 0.9, 1.2, 1.0, 0.2, 0.0},
                    PartsRow{"KeyBackAtEdge", 0.8, 1.4, 1.0, 0.4, 0.0},
                    PartsRow{"KeyOutside", 1.1, 0.8, 0.8, 0.0, 0.0},
                    // Resultant behind the middle: the whole base counts.
                    PartsRow{"BehindMiddle", -0.1, 3.0, 1.0, 0.4, 1.6}),
    [](const testing::TestParamInfo<PartsRow>& row) { return row.param.name; });

TEST(KeySliding, KeyOutsideTheEffectiveWidthShearsTheGroundOnly) {
    TAntei a = KeyedBase();
    a.E = 1.1;
    a.Be = 0.8;
    SlidingResistance(a);
    EXPECT_NEAR(a.V1, 200.0, 1e-12);
    EXPECT_EQ(a.V2, 0.0);
    EXPECT_EQ(a.V3, 0.0);
    EXPECT_NEAR(a.Hk, 0.6 * 200 + 5 * 0.8 + 0.5 * 10, 1e-12);
    EXPECT_NEAR(a.Fs, 129.0 / 60, 1e-12);
    // Only the cohesion and the friction difference in front of the key reach it.
    EXPECT_NEAR(a.Ht, (5 * 0.8 + 200 * 0.1) * 60 / 129.0, 1e-12);
}

TEST(KeySliding, SameFrictionNoCohesionTransfersOnlyTheLoadOnTheKey) {
    TAntei a = KeyedBase();
    a.Phi1 = a.PhiB;
    a.C1 = 0.0;
    a.E = 0.2;
    a.Be = 2.6;
    SlidingResistance(a);
    EXPECT_NEAR(a.Ht, std::tan(a.PhiB) * a.V2 * a.HoCopy / a.Hk, 1e-12);
    EXPECT_NEAR(a.Hk, 0.5 * 200 + 5.0, 1e-12);
}

TEST(KeySliding, NoHorizontalLoadGivesTheFixedFactors) {
    for (double ho : {0.0, -5.0}) {
        TAntei a = KeyedBase();
        a.E = 0.2;
        a.Be = 2.6;
        a.HoCopy = ho;
        SlidingResistance(a);
        EXPECT_EQ(a.Fs, 9999.9);
        EXPECT_TRUE(std::isfinite(a.Ht));
        if (ho == 0.0) {
            EXPECT_EQ(a.Ht, 0.0);
        }

        a.Settings.KeyOn = false;
        SlidingResistance(a);
        EXPECT_EQ(a.Fs, 999.9);
    }
}

TEST(KeySliding, ResultantAtOrBeyondTheToeLeavesNoPartsToLoad) {
    for (double be : {0.0, -0.2}) {
        TAntei a = KeyedBase();
        a.E = 1.5 - be / 2;
        a.Be = be;
        a.Pp = 0.0;
        a.HoCopy = 0.0;  // Hk = 0 with Fs = 9999.9 must not divide by Hk
        SlidingResistance(a);
        for (double v : {a.B1, a.B2, a.B3, a.V1, a.V2, a.V3, a.Hk, a.Ht, a.KeyMoment})
            EXPECT_EQ(v, 0.0) << "Be " << be;
        EXPECT_EQ(a.Fs, 9999.9);

        a.Pp = 10.0;
        a.HoCopy = 60.0;
        SlidingResistance(a);
        EXPECT_NEAR(a.Hk, 5.0, 1e-12);
        EXPECT_NEAR(a.Fs, 5.0 / 60, 1e-12);
        EXPECT_EQ(a.Ht, 0.0);
    }
}

TEST(KeySliding, WithoutKeyTheBaseFrictionAndAdhesionResist) {
    TAntei a = KeyedBase();
    a.E = 0.2;
    a.Be = 2.6;
    SlidingResistance(a);  // leaves key values behind
    a.Settings.KeyOn = false;
    SlidingResistance(a);
    EXPECT_NEAR(a.Fs, (0.55 * 200 + 2 * 2.6 + 0.5 * 10) / 60, 1e-12);
    for (double v : {a.B1, a.B2, a.B3, a.V1, a.V2, a.V3, a.Hk, a.Ht, a.KeyMoment})
        EXPECT_EQ(v, 0.0);
}

TEST(KeySliding, LoadedLengthIsTheSameWithAndWithoutKey) {
    for (bool key : {false, true}) {
        TAntei a = KeyedBase();
        a.Settings.KeyOn = key;
        a.ReactionCase = 1;
        a.D = 0.7;
        a.E = 0.8;
        a.Be = 1.4;
        SlidingResistance(a);
        EXPECT_NEAR(a.LoadedLength, 2.1, 1e-12);
        a.ReactionCase = 3;
        SlidingResistance(a);
        EXPECT_EQ(a.LoadedLength, 0.0);
    }
}

TEST(ShearKeyCheck, ReproducesTheSlidingValuesAndChecksTheKey) {
    TAntei a = KeyedBase();
    a.E = 0.2;
    a.Be = 2.6;
    SlidingResistance(a);
    const double hk = a.Hk, ht = a.Ht, moment = a.KeyMoment, fs = a.Fs;

    const MemberCheck c = ShearKeyCheck(a);
    EXPECT_EQ(a.Hk, hk);
    EXPECT_EQ(a.Ht, ht);
    EXPECT_EQ(a.KeyMoment, moment);
    EXPECT_EQ(a.Fs, fs);
    EXPECT_EQ(c.S, ht);
    EXPECT_EQ(c.M, moment);
    EXPECT_DOUBLE_EQ(c.Thickness, 0.4);
    const double z = 40.0 * 40.0 * 100 / 6;
    EXPECT_NEAR(c.Z, z, 1e-9);
    EXPECT_NEAR(c.A, 4000.0, 1e-9);
    EXPECT_NEAR(c.SigmaCt, moment * 1000 / z, 1e-15);
    EXPECT_NEAR(c.TauC, ht * 10 / 4000.0, 1e-15);
    EXPECT_EQ(a.SigmaCt, c.SigmaCt);
    EXPECT_EQ(a.TauC, c.TauC);

    // Reaching the allowable stresses exactly is satisfied.
    a.SigmaCat = c.SigmaCt;
    a.TauCa = c.TauC;
    EXPECT_EQ(ShearKeyCheck(a).Verdict, "可");
    a.TauCa = std::nextafter(c.TauC, 0.0);
    EXPECT_EQ(ShearKeyCheck(a).Verdict, "不可");
}

}  // namespace
}  // namespace stelvar
