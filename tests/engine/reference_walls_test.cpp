// The two default walls against independently computed figures.

#include <gtest/gtest.h>

#include <cmath>

#include "calculation_steps.h"
#include "default_controls.h"

namespace stelvar {
namespace {

struct Figure {
    const char* Name;
    double TAntei::*Field;
    double Expected;
};

void ExpectFigures(const TAntei& a, std::initializer_list<Figure> figures) {
    for (const Figure& f : figures) {
        const double got = a.*(f.Field);
        const double tol = 1e-12 * std::max(1.0, std::abs(f.Expected));
        EXPECT_NEAR(got, f.Expected, tol) << f.Name;
    }
}

TEST(ReferenceWalls, DefaultGravityWall) {
    testing::DefaultControls controls;
    TAntei a;
    testing::RunThroughBearingCapacity(a, controls);

    ExpectFigures(a, {
        {"WallWeight", &TAntei::WallWeight, 93.84},
        {"XW", &TAntei::XW, 1.1313725490196076},
        {"YW", &TAntei::YW, 1.2176470588235293},
        {"Pa", &TAntei::Pa, 54.88951744323271},
        {"Ph", &TAntei::Ph, 40.93906472841951},
        {"Pv", &TAntei::Pv, 36.562988175383396},
        {"Omega", &TAntei::Omega, 1.1358652381980128},
        {"Delta", &TAntei::Delta, 0.4072434921320102},
        {"Ka", &TAntei::Ka, 0.5360304437815694},
        {"YPh", &TAntei::YPh, 1.0666666666666667},
        {"XPv", &TAntei::XPv, 1.9111111111111114},
        {"Vo", &TAntei::Vo, 130.4029881753834},
        {"Ho", &TAntei::Ho, 40.93906472841951},
        {"Mr", &TAntei::Mr, 176.04393295739936},
        {"Mo", &TAntei::Mo, 43.668335710314146},
        {"D", &TAntei::D, 1.0151270235391292},
        {"E", &TAntei::E, 0.18487297646087075},
        {"Q1", &TAntei::Q1, 79.44706649325857},
        {"Q2", &TAntei::Q2, 29.222090319560937},
        {"Be", &TAntei::Be, 2.0302540470782584},
        {"TanTheta", &TAntei::TanTheta, 0.3139426887469724},
        {"Nc", &TAntei::Nc, 15.564452248369484},
        {"Nq", &TAntei::Nq, 9.178464624720947},
        {"Ngamma", &TAntei::Ngamma, 3.9558165356920094},
        {"Qu", &TAntei::Qu, 217.43553476981322},
    });
    EXPECT_EQ(a.ReactionCase, 0);
    const Verdicts v = ComputeVerdicts(a);
    EXPECT_TRUE(v.Overturning);
    EXPECT_TRUE(v.GroundReaction);
    EXPECT_TRUE(v.Bearing);
}

TEST(ReferenceWalls, DefaultLeaningWall) {
    testing::DefaultControls controls;
    controls.Leaning();
    TAntei a;
    testing::RunThroughBearingCapacity(a, controls);

    ExpectFigures(a, {
        {"WallWeight", &TAntei::WallWeight, 140.08724999999998},
        {"XW", &TAntei::XW, 1.9557923900997416},
        {"YW", &TAntei::YW, 2.2690062800147777},
        {"Pa", &TAntei::Pa, 54.42198404711783},
        {"Ph", &TAntei::Ph, 54.286531231753415},
        {"Pv", &TAntei::Pv, 3.83730041156652},
        {"Omega", &TAntei::Omega, 0.8958652381980156},
        {"Delta", &TAntei::Delta, 0.4072434921320102},
        {"Ka", &TAntei::Ka, 0.15117217790866058},
        {"YPh", &TAntei::YPh, 2.0000000000000004},
        {"XPv", &TAntei::XPv, 2.4350000000000005},
        {"Vo", &TAntei::Vo, 143.9245504115665},
        {"Ho", &TAntei::Ho, 54.286531231753415},
        {"Mr", &TAntei::Mr, 283.3254040021645},
        {"Mo", &TAntei::Mo, 108.57306246350686},
        {"D", &TAntei::D, 1.214194111004245},
        {"E", &TAntei::E, -0.189194111004245},
        {"Q1", &TAntei::Q1, 44.7535529959652},
        {"Q2", &TAntei::Q2, 95.10130011642613},
        {"Be", &TAntei::Be, 2.05},
        {"TanTheta", &TAntei::TanTheta, 0.3771874296394583},
        {"Nc", &TAntei::Nc, 13.31151205562236},
        {"Nq", &TAntei::Nq, 7.646925310228331},
        {"Ngamma", &TAntei::Ngamma, 2.775270532615217},
        {"Qu", &TAntei::Qu, 174.56646485938245},
    });
    EXPECT_EQ(a.ReactionCase, 6);
    const Verdicts v = ComputeVerdicts(a);
    EXPECT_TRUE(v.Overturning);
    EXPECT_TRUE(v.GroundReaction);
    EXPECT_FALSE(v.Bearing);
}

}  // namespace
}  // namespace stelvar
