// Stem design: the stem above the base slab checked as a plain-concrete section at
// mid-height and at its foot, then the member checks of the base slab and the key.

#include <algorithm>
#include <cmath>

#include "engine/engine.h"
#include "engine/float_errors.h"

namespace stelvar {
namespace {

constexpr const char* kSatisfied = "可";
constexpr const char* kNotSatisfied = "不可";

double StemHeightOf(const TTeisu& t) { return t.PointY[4] - t.PointY[3]; }

// Loads the region store with the closed polygon p0 p1 p2 p3 p0 (section coordinates).
void LoadQuadrilateral(TShape& s, const std::array<double, 4>& x,
                       const std::array<double, 4>& y) {
    s.RegHigh = 4;
    for (std::size_t i = 0; i < 4; ++i) {
        s.RegX[i] = x[i];
        s.RegY[i] = y[i];
    }
    s.RegX[4] = x[0];
    s.RegY[4] = y[0];
}

// Compression is limited by σca, tension by |σcat|; reaching the limit is satisfied.
// Written as "within the limit" so that a stress that is not a number is not satisfied;
// an overflowed stress is not satisfied either, whatever the limit.
bool EdgeStressSatisfied(const TTeisu& t, double sigma) {
    if (!std::isfinite(sigma)) return false;
    if (sigma >= 0.0) return sigma <= t.SigmaCa;
    return std::fabs(sigma) <= std::fabs(t.SigmaCat);
}

// Wall-face ground reaction of a leaning wall on the part of the back face above the
// section. The reaction falls linearly from r0 at the crest end to 0 at Lr down the face.
void WallFaceReaction(const TAntei& a, double x, double b, StemSection& s) {
    const double theta = a.FaceAngle;
    const double faceLength = x / std::cos(theta);
    const double lr = a.BackReactionLength;
    const double r0 = a.BackReactionTop;
    if (faceLength > lr || lr <= 0.0) {
        // The whole loaded length lies above the section: the full triangle, whose
        // centroid is Lr/3 below its top end.
        s.Qt = a.BackReaction;
        s.QtY = std::cos(theta) * (faceLength - lr / 3);
    } else {
        // The section cuts the triangle: a trapezoid from r0 at the top to w here.
        const double w = (lr - faceLength) * r0 / lr;
        s.Qt = faceLength * (r0 + w) / 2;
        // A block without intensity has no centroid; its resultant is 0 anyway.
        const double c = (r0 + w) == 0.0 ? 0.0 : faceLength * (2 * r0 + w) / (3 * (r0 + w));
        s.QtY = std::cos(theta) * c;
    }
    s.QtH = std::cos(theta) * s.Qt;
    s.QtV = -std::sin(theta) * s.Qt;
    s.QtX = std::tan(theta) * s.QtY + b;
    s.QtMr = s.QtV * s.QtX;
    s.QtMt = s.QtH * s.QtY;
}

// Edge stresses N/A ± N·e/W of a strip 1 m long and B wide, in N/mm2.
void EdgeStresses(const TTeisu& t, StemSection& s) {
    const double b = s.Width;
    if (b <= 0.0) {
        // No concrete at the section: nothing carries the loads above it.
        s.D = 0.0;
        s.E = 0.0;
        s.SigmaC1 = 0.0;
        s.SigmaC2 = 0.0;
        s.Verdict = kNotSatisfied;
        return;
    }
    if (s.V == 0.0) {
        // No axial force: the resultant lies at infinity and the section is in pure
        // bending; the stresses are the limit of the eccentric form, ∓6·ΣM/B².
        s.D = 0.0;
        s.E = 0.0;
        s.SigmaC1 = -6 * s.MrMo / (b * b) / 1000;
        s.SigmaC2 = 6 * s.MrMo / (b * b) / 1000;
    } else {
        s.D = s.MrMo / s.V;
        s.E = b / 2 - s.D;
        s.SigmaC1 = s.V / b * (1 + 6 * s.E / b) / 1000;
        s.SigmaC2 = s.V / b * (1 - 6 * s.E / b) / 1000;
    }
    const bool ok = EdgeStressSatisfied(t, s.SigmaC1) && EdgeStressSatisfied(t, s.SigmaC2);
    s.Verdict = ok ? kSatisfied : kNotSatisfied;
}

}  // namespace

double StemWidthAt(const TTeisu& t, double x) {
    const double hs = StemHeightOf(t);
    if (hs == 0.0) throw EngineError(kFloatDivisionByZero);
    return (t.PointX[5] - t.PointX[4]) +
           ((t.PointX[4] - t.PointX[3]) + (t.PointX[6] - t.PointX[5])) * x / hs;
}

StemSection StemSectionForces(TAntei& a, double x) {
    StemSection s;
    s.Depth = x;
    const double b = StemWidthAt(a, x);
    s.Width = b;
    const double hs = StemHeightOf(a);
    const double frontRun = a.PointX[4] - a.PointX[3];

    // Earth pressure on the back face above the section.
    TrialWedgeSearch(a, BackFaceKind::RealBackFace, a.BackfillShape, a.Hs, x, a.PointY[4]);
    s.Pa = a.Pa;
    s.Ph = a.Ph;
    s.Pv = a.Pv;
    s.YPa = a.YPa;
    s.MPh = s.Ph * s.YPa;
    s.XPv = b - std::tan(a.Alpha) * s.YPa;
    s.MPv = s.Pv * s.XPv;

    // Self-weight and inertia of the stem part above the section.
    const double g = x / hs;
    LoadQuadrilateral(a, {0.0, g * frontRun, g * frontRun + (a.PointX[5] - a.PointX[4]), b},
                      {0.0, x, x, 0.0});
    const AreaResult body = PolygonArea(a);
    s.W = body.A * a.GammaC;
    s.XW = body.Xc;
    s.YW = body.Yc;
    s.HW = s.W * a.KhBody;
    s.MW = s.W * s.XW;
    s.MHW = s.HW * s.YW;

    // Buoyancy of the submerged stem part between the section and the water level.
    // A section exactly at the stem foot may lie a rounding error below PointY[3]; it
    // still belongs to the stem, so only the water level decides.
    const double z = a.PointY[4] - x;
    const double y3 = a.PointY[3];
    if (a.Hw > y3 && a.Hw > z) {
        const double m = std::min(hs, a.Hw - y3);
        const double o = std::min(hs, z - y3);
        const double r = o * frontRun / hs;
        const double footWidth = a.PointX[6] - a.PointX[3];
        const double backRun = a.PointX[6] - a.PointX[5];
        LoadQuadrilateral(a,
                          {0.0, m * frontRun / hs - r, footWidth - m * backRun / hs - r,
                           footWidth - o * backRun / hs - r},
                          {0.0, m - o, m - o, 0.0});
        const AreaResult wet = PolygonArea(a);
        s.U = wet.A * a.GammaW;
        s.XU = wet.Xc;
        s.MU = s.U * s.XU;
    }

    // Water pressure on the back face above the section.
    WaterPressure(a, x, a.PointY[4]);
    s.Pw = a.Pw;
    s.HpW = a.HpW;
    s.MPw = a.MPw;

    if (a.WallType == static_cast<std::int32_t>(WallKind::Leaning) && a.ReactionCase == 6)
        WallFaceReaction(a, x, b, s);

    s.V = s.Pv + s.W - s.U + s.QtV;
    s.H = s.Ph + s.HW + s.Pw + s.QtH;
    s.Mr = s.MPv + s.MW - s.MU + s.QtMr;
    s.Mo = s.MPh + s.MHW + s.MPw + s.QtMt;
    s.MrMo = s.Mr - s.Mo;

    EdgeStresses(a, s);
    return s;
}

void StemDesign(TAntei& a) {
    a.StemMid.reset();
    a.StemFixed.reset();
    a.StemFixedWedge.reset();
    a.ToeCheck.reset();
    a.HeelCheck.reset();
    a.KeyCheck.reset();

    const double hs = StemHeightOf(a);
    a.StemMid = StemSectionForces(a, hs / 2);
    a.StemFixed = StemSectionForces(a, hs);
    // The fixed section's wedge is explained in the report; later searches would
    // overwrite it.
    a.StemFixedWedge = WedgeSnapshot{a.Pa, a.Omega, a.Delta, a.W, a.Wd, a.Uv,
                                     a.LSlip, a.Zc, a.Hc};

    const bool keyOn = a.Settings.KeyOn;
    if (a.PointY[1] <= 0.0) {
        if (keyOn) a.KeyCheck = ShearKeyCheck(a);
        return;
    }
    a.ToeCheck = ToeSlabCheck(a);
    if (a.WallType == static_cast<std::int32_t>(WallKind::Gravity)) a.HeelCheck = HeelSlabCheck(a);
    if (keyOn) a.KeyCheck = ShearKeyCheck(a);
}

}  // namespace stelvar
