// Toe and heel slabs checked as plain-concrete cantilevers.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/engine.h"

namespace stelvar {
namespace {

// Slab forces chosen by hand; a slab 0.5 m thick: Z = 5000·100/6 cm3, A = 5000 cm2.
TAntei SlabForces(bool buoyancy) {
    TAntei a;
    a.PointY[1] = 0.5;
    a.SigmaCat = 0.22;
    a.TauCa = 0.33;
    a.Settings.SlabBuoyancyOn = buoyancy;
    a.WcToe = 6.0;
    a.X1Toe = 0.4;
    a.QsToe = 40.0;
    a.X2Toe = 0.45;
    a.WfToe = 2.0;
    a.X3Toe = 0.4;
    a.WcHeel = 10.0;
    a.X1Heel = 0.5;
    a.QsHeel = 20.0;
    a.X2Heel = 0.3;
    a.WfHeel = 3.0;
    a.X3Heel = 0.5;
    return a;
}

TEST(SlabCheck, ForcesWithAndWithoutBuoyancy) {
    const double z = 50.0 * 50.0 * 100 / 6;
    const struct {
        bool buoyancy;
        bool toe;
        double s, m;
    } rows[] = {
        {false, true, 34.0, -2.4 + 18.0},
        {true, true, 36.0, -2.4 + 18.0 + 0.8},
        {false, false, 10.0, -5.0 + 6.0},
        {true, false, 13.0, -5.0 + 6.0 + 1.5},
    };
    for (const auto& r : rows) {
        TAntei a = SlabForces(r.buoyancy);
        const std::optional<MemberCheck> c = r.toe ? ToeSlabCheck(a) : HeelSlabCheck(a);
        ASSERT_TRUE(c.has_value());
        SCOPED_TRACE(testing::Message() << (r.toe ? "toe" : "heel") << " buoyancy " << r.buoyancy);
        EXPECT_NEAR(c->S, r.s, 1e-12);
        EXPECT_NEAR(c->M, r.m, 1e-12);
        EXPECT_EQ(c->Thickness, 0.5);
        EXPECT_NEAR(c->Z, z, 1e-9);
        EXPECT_NEAR(c->A, 5000.0, 1e-9);
        EXPECT_NEAR(c->SigmaCt, r.m * 1000 / z, 1e-15);
        EXPECT_NEAR(c->TauC, r.s * 10 / 5000.0, 1e-15);
        // The record keeps the stresses of the last member check.
        EXPECT_EQ(a.SigmaCt, c->SigmaCt);
        EXPECT_EQ(a.TauC, c->TauC);
    }
}

TEST(SlabCheck, ThinnerThanOneCentimetreProducesNothing) {
    TAntei a = SlabForces(false);
    a.SigmaCt = 0.5;  // from an earlier check; untouched by a check that does not run
    for (double d : {0.0, 0.005, 0.00999}) {
        a.PointY[1] = d;
        EXPECT_FALSE(ToeSlabCheck(a).has_value()) << d;
        EXPECT_FALSE(HeelSlabCheck(a).has_value()) << d;
    }
    EXPECT_EQ(a.SigmaCt, 0.5);
    a.PointY[1] = 0.01;
    EXPECT_TRUE(ToeSlabCheck(a).has_value());
}

// Reaching an allowable stress exactly is satisfied; the next representable value above
// it is not. Both signs of the stresses are judged by their magnitude.
TEST(SlabCheck, VerdictAtTheAllowableStresses) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (double sign : {1.0, -1.0}) {
        TAntei a = SlabForces(false);
        a.WcToe *= sign;
        a.QsToe *= sign;
        const MemberCheck c = *ToeSlabCheck(a);
        const double sigma = std::fabs(c.SigmaCt);
        const double tau = std::fabs(c.TauC);

        a.SigmaCat = sigma;
        a.TauCa = tau;
        EXPECT_EQ(ToeSlabCheck(a)->Verdict, "可");
        a.SigmaCat = std::nextafter(sigma, 0.0);
        EXPECT_EQ(ToeSlabCheck(a)->Verdict, "不可");
        a.SigmaCat = sigma;
        a.TauCa = std::nextafter(tau, 0.0);
        EXPECT_EQ(ToeSlabCheck(a)->Verdict, "不可");
        a.TauCa = inf;
        EXPECT_EQ(ToeSlabCheck(a)->Verdict, "可");
    }
}

TEST(MemberCheck, WithoutThicknessNothingCarriesTheForces) {
    TAntei a;
    a.SigmaCat = 0.22;
    a.TauCa = 0.33;
    const MemberCheck c = PlainConcreteCheck(a, 10.0, 2.0, 0.0);
    EXPECT_EQ(c.Verdict, "不可");
    for (double v : {c.Z, c.A, c.SigmaCt, c.TauC}) {
        EXPECT_TRUE(std::isfinite(v));
        EXPECT_EQ(v, 0.0);
    }
}

}  // namespace
}  // namespace stelvar
