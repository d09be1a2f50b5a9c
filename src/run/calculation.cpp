#include "run/calculation.h"

namespace stelvar {

void CalculationSequence(TAntei& a, const ControlSource& controls) {
    Gather(a, controls);
    SelfWeight(a);

    // Whole-wall earth pressure on the full back-face height.
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
    SlabReaction(a);
    SlidingResistance(a);
}

bool StructuralStageRuns(const TAntei& a) {
    return a.ReactionCase != 3 && a.ReactionCase != 7;
}

RunOutcome RunCalculation(const ControlSource& controls) {
    RunOutcome out;
    TAntei& a = out.Object;
    CalculationSequence(a, controls);
    out.WholeWall = static_cast<const TPa&>(a);
    out.Checks = ComputeVerdicts(a);
    if (StructuralStageRuns(a)) StemDesign(a);
    return out;
}

}  // namespace stelvar
