// Load totals at the base, the resultant and its eccentricity, the limits of the design
// case, and the ground reaction under the base.

#include <cmath>

#include "engine/engine.h"
#include "engine/float_errors.h"

namespace stelvar {
namespace {

// Resultant of a leaning wall's base pressure lies at Kd·B from the toe in the
// simplified method.
constexpr double kSimplifiedKd = 0.56;

void Trapezoid(TAntei& a, double B) {
    a.Q1 = a.Vo / B * (1 + 6 * a.E / B);
    a.Q2 = a.Vo / B * (1 - 6 * a.E / B);
}

void ClearSimplifiedMethod(TAntei& a) {
    a.BackReaction = 0.0;
    a.BackReactionTop = 0.0;
    a.BackReactionLength = 0.0;
    a.FaceAngle = 0.0;
}

// A wall leaning on the ground behind it: the part of the moment that the base cannot
// take with its resultant at Kd·B is carried by a reaction on the wall face.
void SimplifiedMethod(TAntei& a, double B, bool faceReaction) {
    a.Ma = a.MrMo;
    a.Kd = kSimplifiedKd;
    const double theta = std::abs(a.Alpha);
    a.FaceAngle = theta;
    const double L = a.PointY[4] / std::cos(theta);
    a.FaceLength = L;
    a.KL = KLFromTanTheta(std::tan(theta));
    a.BackReactionLength = a.KL * L;

    const double Qt = faceReaction ? (a.Ma - a.Kd * B * a.Vo) /
                                         (B * std::sin(theta) * (1 - a.Kd) + (1 - a.KL / 3) * L)
                                   : 0.0;
    a.BackReaction = Qt;
    a.Qv = a.Vo - Qt * std::sin(theta);
    a.Qh = a.Ho + Qt * std::cos(theta);
    a.Qv1 = 2 * a.Qv * (2 - 3 * a.Kd) / B;
    a.Qv2 = 2 * a.Qv * (3 * a.Kd - 1) / B;
    a.BackReactionTop = 2 * Qt / (a.KL * L);
    a.Q1 = a.Qv1;
    a.Q2 = a.Qv2;
}

}  // namespace

void EarthPressureLeverArms(TAntei& a) {
    const double H = a.PointY[4];
    a.YPh = a.YPa;
    // x of the back face at the height of the point of action.
    a.XPv = a.PointX[5] + std::tan(a.Alpha) * (H - a.YPa);
}

void LoadTotals(TAntei& a) {
    a.Vo = a.WallWeight + a.Pv - a.U;
    a.Ho = a.HW + a.Ph + a.Pw + a.WindForce + a.CollisionForce;
    a.HoCopy = a.Ho;
    a.MPv = a.Pv * a.XPv;
    a.MPh = a.Ph * a.YPh;
    a.Mr = a.MW + a.MPv - a.MU;
    a.Mo = a.MHW + a.MPh + a.MPw + a.WindMoment + a.CollisionMoment;
    a.MrMo = a.Mr - a.Mo;
    // Without vertical load the resultant has no point on the base.
    if (a.Vo == 0.0) throw EngineError(kFloatDivisionByZero);
    a.D = a.MrMo / a.Vo;
    a.E = a.PointX[9] / 2 - a.D;
}

void DesignCaseLimits(TAntei& a) {
    if (a.LoadCase == 1) {
        a.FsBearReq = 2.0;
        a.Qa = a.Qa0 * 1.5;
        a.FsSlideReq = 1.2;
    } else {
        a.FsBearReq = 3.0;
        a.Qa = a.Qa0 * 1.0;
        a.FsSlideReq = 1.5;
    }
}

double KLFromTanTheta(double tanTheta) {
    if (tanTheta <= 0.3) return 0.5;
    if (tanTheta >= 0.5) return 0.7;
    if (tanTheta <= 0.4) return 0.5 + (tanTheta - 0.3) * (0.6 - 0.5) / (0.4 - 0.3);
    return 0.6 + (tanTheta - 0.4) * (0.7 - 0.6) / (0.5 - 0.4);
}

void GroundReaction(TAntei& a) {
    const double B = a.PointX[9];
    const double e = a.E;
    const double d = a.D;
    a.Q1 = 0.0;
    a.Q2 = 0.0;

    if (a.WallType == 0) {
        if (!(B > 0.0) || std::abs(e) >= B / 3) {
            a.ReactionCase = 3;  // not computable
        } else if (std::abs(e) < B / 6) {
            a.ReactionCase = 0;
            Trapezoid(a, B);
        } else if (e >= 0) {
            a.ReactionCase = 1;
            a.Q1 = 2 * a.Vo / (3 * d);
        } else {
            a.ReactionCase = 2;
            a.Q2 = 2 * a.Vo / (3 * (B - d));
        }
        return;
    }

    if (!(B > 0.0) || d < B / 3) {
        a.ReactionCase = 7;
        ClearSimplifiedMethod(a);
        // A resultant at or beyond the toe leaves no triangle to carry it.
        if (B > 0.0 && d > 0.0) a.Q1 = 2 * a.Vo / (3 * d);
    } else if (d <= B / 2) {
        a.ReactionCase = 4;
        ClearSimplifiedMethod(a);
        Trapezoid(a, B);
    } else if (d <= kSimplifiedKd * B) {
        a.ReactionCase = 5;
        SimplifiedMethod(a, B, false);
    } else {
        a.ReactionCase = 6;
        SimplifiedMethod(a, B, true);
    }
}

}  // namespace stelvar
