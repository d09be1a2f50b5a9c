// The four verdicts of the stability checks.

#include <cmath>

#include "engine/engine.h"

namespace stelvar {
namespace {

// Every check is written as "the figure satisfies the limit", never as "the figure
// exceeds it": a figure that overflowed to NaN compares false both ways and so fails the
// check instead of slipping through, and an infinite figure is refused outright.

bool Overturning(const TAntei& a, Verdicts& v) {
    if (a.Settings.OverturnMethod == 1) {
        // Without an overturning moment nothing tips the wall over.
        if (a.Mo <= 0.0) return std::isfinite(a.Mo) && std::isfinite(a.Mr);
        // A moment that is not a number leaves Fm not a number too: no factor, no pass.
        v.Fm = a.Mr / a.Mo;
        return std::isfinite(v.Fm) && v.Fm >= a.Settings.FmReq;
    }
    const double B = a.PointX[9];
    const bool seismic = a.LoadCase == 1;
    if (a.WallType == 0) return std::abs(a.E) < (seismic ? B / 3 : B / 6);
    if (!std::isfinite(a.D)) return false;
    return seismic ? a.D >= B / 3 : a.D > B / 2;
}

bool GroundReactionOk(const TAntei& a) {
    if (a.ReactionCase == 3) return false;
    const bool simplified = a.ReactionCase == 5 || a.ReactionCase == 6;
    const double q1 = simplified ? a.Qv1 : a.Q1;
    const double q2 = simplified ? a.Qv2 : a.Q2;
    // No reaction at all means the reaction could not be formed; a negative one means
    // the base would have to pull on the ground.
    if (q1 == 0.0 && q2 == 0.0) return false;
    if (q1 < 0.0 || q2 < 0.0) return false;
    return q1 <= a.Qa && q2 <= a.Qa;
}

}  // namespace

Verdicts ComputeVerdicts(const TAntei& a) {
    Verdicts v;
    v.Overturning = Overturning(a, v);
    v.GroundReaction = GroundReactionOk(a);
    v.Sliding = a.ReactionCase != 3 && a.ReactionCase != 7 && std::isfinite(a.Fs) &&
                a.Fs >= a.FsSlideReq;

    if (a.Be > 0.0) {
        const double V = a.ReactionCase == 6 ? a.Qv : a.Vo;
        v.MeanReaction = V / a.Be;
        v.AllowableBearing = a.FsBearReq > 0.0 ? a.Qu / a.FsBearReq : 0.0;
        // A qu formed with a factor that has no solution is no capacity at all.
        v.Bearing = !MissingFactorsOf(a).Any() && std::isfinite(v.MeanReaction) &&
                    std::isfinite(v.AllowableBearing) && v.AllowableBearing >= v.MeanReaction;
    }
    return v;
}

}  // namespace stelvar
