// Toe and heel slabs: the ground reaction at the slab roots and the key faces, the
// reaction blocks and weights on the slabs, and their check as plain-concrete
// cantilevers fixed at the stem.

#include <algorithm>
#include <cmath>

#include "engine/engine.h"

namespace stelvar {
namespace {

constexpr const char* kSatisfied = "可";
constexpr const char* kNotSatisfied = "不可";

bool ReactionComputable(std::int32_t reactionCase) {
    switch (reactionCase) {
        case 0: case 1: case 2: case 4: case 5: case 6: return true;
        default: return false;
    }
}

// Ground reaction intensity at x from the toe tip, for the loaded length l.
double ReactionAt(const TAntei& a, double l, double x) {
    const double b = a.PointX[9];
    if (a.ReactionCase == 2) {
        // Triangle from 0 at B − L to Q2 at the heel end.
        if (b - x >= l) return 0.0;
        return std::max(0.0, (l - (b - x)) * a.Q2 / l);
    }
    // Trapezoid (or triangle from Q1 at the toe tip to 0 at L).
    if (x >= l) return 0.0;
    return std::max(0.0, a.Q2 + (a.Q1 - a.Q2) * (l - x) / l);
}

// Lever arm, from the end with intensity p, of a trapezoidal block of length len whose
// other end has intensity pOther. A block without intensity carries nothing and is
// given the arm 0 instead of the undefined 0/0.
double TrapezoidArm(double len, double p, double pOther) {
    const double sum = pOther + p;
    if (sum == 0.0) return 0.0;
    return len * (2 * pOther + p) / (3 * sum);
}

struct Block {
    double Force = 0.0;
    double Arm = 0.0;
};

Block TrapezoidBlock(double len, double pRoot, double pEnd) {
    return {(pEnd + pRoot) * len / 2, TrapezoidArm(len, pRoot, pEnd)};
}

MemberCheck SlabCheck(TAntei& a, double wc, double x1, double qs, double x2, double wf,
                      double x3) {
    const double d = a.PointY[1];
    double s = -wc + qs;
    double m = -wc * x1 + qs * x2;
    if (a.Settings.SlabBuoyancyOn) {
        s = s + wf;
        m = m + wf * x3;
    }
    return PlainConcreteCheck(a, s, m, d);
}

// Slabs thinner than this are not checked.
constexpr double kMinSlabThickness = 0.01;

}  // namespace

double LoadedLengthOf(const TAntei& a) {
    const double b = a.PointX[9];
    switch (a.ReactionCase) {
        case 0: case 4: case 5: case 6: return b;
        case 1: return 3 * a.D;
        case 2: return 3 * (b - a.D);
        default: return 0.0;
    }
}

MemberCheck PlainConcreteCheck(TTeisu& t, double s, double m, double d) {
    MemberCheck c;
    c.S = s;
    c.M = m;
    c.Thickness = d;
    if (d > 0.0) {
        const double depth = 100 * d;  // cm, for a strip b = 100 cm
        c.Z = depth * depth * 100 / 6;
        c.A = depth * 100;
        c.SigmaCt = m * 1000 / c.Z;
        c.TauC = s * 10 / c.A;
        // Both stresses finite and within their limits; a stress that is not a number
        // compares false and so is not within.
        const bool ok = std::isfinite(c.SigmaCt) && std::isfinite(c.TauC) &&
                        std::fabs(c.SigmaCt) <= t.SigmaCat && std::fabs(c.TauC) <= t.TauCa;
        c.Verdict = ok ? kSatisfied : kNotSatisfied;
    } else {
        // A member without thickness has no section to carry S and M.
        c.Verdict = kNotSatisfied;
    }
    t.SigmaCt = c.SigmaCt;
    t.TauC = c.TauC;
    return c;
}

void SlabReaction(TAntei& a) {
    a.Q4 = a.Q5 = a.QKeyFront = a.QKeyBack = 0.0;
    a.WcToe = a.X1Toe = a.WcHeel = a.X1Heel = 0.0;
    a.WfToe = a.X3Toe = a.WfHeel = a.X3Heel = 0.0;
    a.QsToe = a.X2Toe = a.QsHeel = a.X2Heel = 0.0;
    // Without a computable ground reaction the slabs are not designed.
    if (!ReactionComputable(a.ReactionCase)) return;

    const double x3 = a.PointX[3];
    const double x6 = a.PointX[6];
    const double b = a.PointX[9];

    // Slab weights and buoyancy, with lever arms from the faces of the stem.
    const RegionResult toe = QueryRegion(a, "T_M");
    a.WcToe = toe.A * a.GammaC;
    a.X1Toe = std::max(0.0, x3 - toe.Xc);
    const RegionResult heel = QueryRegion(a, "K_M");
    a.WcHeel = heel.A * a.GammaC;
    a.X1Heel = std::max(0.0, heel.Xc - x6);
    const RegionResult toeWet = QueryRegion(a, "T_FM");
    a.WfToe = toeWet.A * a.GammaW;
    a.X3Toe = std::max(0.0, x3 - toeWet.Xc);
    const RegionResult heelWet = QueryRegion(a, "K_FM");
    a.WfHeel = heelWet.A * a.GammaW;
    a.X3Heel = std::max(0.0, heelWet.Xc - x6);

    const double l = LoadedLengthOf(a);
    if (l <= 0.0) return;  // a triangle of no length: no reaction anywhere
    a.Q4 = ReactionAt(a, l, x3);
    a.Q5 = ReactionAt(a, l, x6);
    a.QKeyFront = ReactionAt(a, l, a.PointX[13]);
    a.QKeyBack = ReactionAt(a, l, a.PointX[10]);

    // Reaction blocks; every arm is measured from the slab root.
    const Block toeTrapezoid = TrapezoidBlock(x3, a.Q4, a.Q1);
    const Block heelTrapezoid = TrapezoidBlock(b - x6, a.Q5, a.Q2);
    Block toeBlock = toeTrapezoid;
    Block heelBlock = heelTrapezoid;
    if (a.ReactionCase == 1) {
        // Triangle from Q1 at the toe tip to 0 at x = L.
        if (x3 >= l) toeBlock = {l * a.Q1 / 2, x3 - l / 3};
        if (x6 >= l)
            heelBlock = {};
        else
            heelBlock = {(l - x6) * a.Q5 / 2, (l - x6) / 3};
    } else if (a.ReactionCase == 2) {
        // Triangle from 0 at x = B − L to Q2 at the heel end.
        if (b - x3 >= l)
            toeBlock = {};
        else
            toeBlock = {(l - (b - x3)) * a.Q4 / 2, (l - (b - x3)) / 3};
        if (b - x6 >= l) heelBlock = {l * a.Q2 / 2, (b - x6) - l / 3};
    }
    a.QsToe = toeBlock.Force;
    a.X2Toe = toeBlock.Arm;
    a.QsHeel = heelBlock.Force;
    a.X2Heel = heelBlock.Arm;
}

std::optional<MemberCheck> ToeSlabCheck(TAntei& a) {
    if (a.PointY[1] < kMinSlabThickness) return std::nullopt;
    return SlabCheck(a, a.WcToe, a.X1Toe, a.QsToe, a.X2Toe, a.WfToe, a.X3Toe);
}

std::optional<MemberCheck> HeelSlabCheck(TAntei& a) {
    if (a.PointY[1] < kMinSlabThickness) return std::nullopt;
    return SlabCheck(a, a.WcHeel, a.X1Heel, a.QsHeel, a.X2Heel, a.WfHeel, a.X3Heel);
}

}  // namespace stelvar
