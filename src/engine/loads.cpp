// Self-weight and buoyancy of the wall; water pressure on the back, passive earth
// pressure in front of the toe, wind on a noise barrier and a vehicle collision load.

#include <algorithm>
#include <cmath>

#include "engine/engine.h"
#include "engine/float_errors.h"

namespace stelvar {
namespace {

// Submerged unit weight of soil is the unit weight less this fixed value.
constexpr double kWaterReduction = 9.0;

}  // namespace

void SelfWeight(TAntei& a) {
    const RegionResult r = QueryRegion(a, "W_A");
    a.WallWeight = r.A * a.GammaC;
    a.HW = a.WallWeight * a.KhBody;
    a.XW = r.Xc;
    a.YW = r.Yc;
    a.MW = a.WallWeight * a.XW;
    a.MHW = a.HW * a.YW;
}

void Buoyancy(TAntei& a) {
    const RegionResult r = QueryRegion(a, "W_FA");
    a.U = r.A * a.GammaW;
    a.XU = r.Xc;
    a.MU = a.U * a.XU;
}

void WaterPressure(TPa& p, double hLoad, double hTotal) {
    // A section whose bottom lies above the base sees only the water above it.
    const double hw = p.WaterOn == 1 ? std::max(0.0, p.Hw - (hTotal - hLoad)) : 0.0;
    p.HpW = hw / 3;
    p.Pw = hw * hw * p.GammaW / 2;
    p.MPw = p.Pw * p.HpW;
}

void PassivePressure(TPa& p) {
    const double s = std::sin(p.Phi);
    if (p.LoadCase == 0) {
        if (1 - s == 0.0) throw EngineError(kFloatDivisionByZero);
        p.Kp = (1 + s) / (1 - s);
    } else {
        // Seismic passive coefficient of a vertical face, level ground, no wall friction.
        const double th = p.Theta;
        const double r = s * std::sin(p.Phi - th) / std::cos(th);
        if (r < 0) {
            p.Kp = 0.0;
        } else {
            const double root = 1 - std::sqrt(r);
            const double denom = std::cos(th) * std::cos(th) * (root * root);
            if (denom == 0.0) throw EngineError(kFloatDivisionByZero);
            p.Kp = std::cos(p.Phi - th) * std::cos(p.Phi - th) / denom;
        }
    }

    const double H0 = p.PointY[24];
    const double cohesion = 2 * p.C * std::sqrt(p.Kp);
    if (p.WaterOn == 0) {
        p.Pp = p.Kp * p.GammaS * (H0 * H0) / 2 + cohesion;
    } else {
        const double hDry = std::max(0.0, H0 - p.Hw);  // soil above the water
        const double hWet = std::min(p.Hw, H0);         // soil under water
        const double p1 = p.Kp * hDry * p.GammaS;
        const double p2 = p1 + p.Kp * hWet * (p.GammaS - kWaterReduction);
        p.Pp = cohesion + (p1 * hDry / 2 + (p1 + p2) * hWet / 2);
    }
}

void WindAndCollision(TTeisu& t) {
    const double H = t.PointY[4];
    t.WindForce = t.H2 * t.PWind;
    t.WindArm = H + t.H2 / 2;
    t.WindMoment = t.WindForce * t.WindArm;

    // The collision height is entered above the crest; from here on it is above the base.
    t.H3 = t.H3 + H;
    // A wall shorter than 1 m spreads the load over 1 m.
    t.CollisionForce = t.Pcol / std::max(t.Lc, 1.0);
    t.CollisionMoment = t.CollisionForce * t.H3;
}

}  // namespace stelvar
