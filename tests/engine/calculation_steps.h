#pragma once
// Test helper: the calculation sequence from the gathering step up to the bearing
// capacity, in the order of a run.

#include "engine/engine.h"

namespace stelvar::testing {

inline void RunThroughBearingCapacity(TAntei& a, const ControlSource& controls) {
    Gather(a, controls);
    SelfWeight(a);
    const double h = a.PointY[4];
    TrialWedgeSearch(a, BackFaceKind::RealBackFace, a.BackfillShape, a.Hs, h, h);
    EarthPressureLeverArms(a);
    PassivePressure(a);
    WaterPressure(a, a.PointY[5], a.PointY[5]);
    Buoyancy(a);
    WindAndCollision(a);
    LoadTotals(a);
    DesignCaseLimits(a);
    GroundReaction(a);
    BearingCapacity(a);
}

}  // namespace stelvar::testing
