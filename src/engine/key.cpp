// Sliding resistance of the base, with and without a shear key, and the check of the
// key as a plain-concrete cantilever.

#include <cmath>

#include "engine/engine.h"

namespace stelvar {
namespace {

// Safety factors shown when there is no horizontal load to resist.
constexpr double kFsNoLoad = 999.9;
constexpr double kFsNoLoadWithKey = 9999.9;

// The safety factors of a wall without horizontal load are shown as a fixed large
// value. A horizontal load that is not a number is not "no load": the factor is then
// formed (and comes out not a number), so that the sliding check cannot pass on it.
bool HasHorizontalLoad(const TAntei& a) { return !(a.HoCopy <= 0.0); }

// Splits the effective width Be at the key, shares Vo out over the parts and forms the
// shear resistance Hk, the safety factor and the force Ht that the key must carry.
void KeyResistance(TAntei& a) {
    const double c = a.PointX[13];                // front face of the key
    const double w = a.PointX[10] - a.PointX[13];  // key width
    const double h = std::fabs(a.PointY[12] - a.PointY[13]);
    const double b = a.PointX[9];

    a.B1 = a.B2 = a.B3 = 0.0;
    a.V1 = a.V2 = a.V3 = 0.0;
    // With the resultant at or beyond the toe there is no loaded width to share Vo over.
    if (a.Be > 0.0) {
        if (a.E >= 0.0) {
            if (c + w <= a.Be) {
                a.B1 = c;
                a.B2 = w;
                a.B3 = a.Be - c - w;
            } else if (c <= a.Be) {
                a.B1 = c;
                a.B2 = a.Be - c;
            } else {
                a.B1 = a.Be;
            }
        } else {
            a.B1 = c;
            a.B2 = w;
            a.B3 = b - a.PointX[10];
        }
        a.V1 = a.B1 / a.Be * a.Vo;
        a.V2 = a.B2 / a.Be * a.Vo;
        a.V3 = a.B3 / a.Be * a.Vo;
    }

    // The ground in front of the key shears with its own friction and cohesion; the
    // rest of the base slides with the base friction angle.
    const double tanPhi1 = std::tan(a.Phi1);
    const double tanPhiB = std::tan(a.PhiB);
    a.Hk = tanPhi1 * a.V1 + a.C1 * a.B1 + tanPhiB * (a.V2 + a.V3) + 0.5 * a.Pp;
    a.Fs = HasHorizontalLoad(a) ? a.Hk / a.HoCopy : kFsNoLoadWithKey;
    // Hk = 0 with Fs > 0 needs a non-positive load; the key then carries nothing.
    if (a.Fs > 0.0 && a.Hk != 0.0)
        a.Ht = (a.C1 * a.B1 + a.V1 * (tanPhi1 - tanPhiB) + a.V2 * tanPhiB) * a.HoCopy / a.Hk;
    else
        a.Ht = 0.0;
    a.KeyMoment = h * a.Ht / 2;
}

}  // namespace

void SlidingResistance(TAntei& a) {
    a.LoadedLength = LoadedLengthOf(a);
    if (a.Settings.KeyOn) {
        KeyResistance(a);
        return;
    }
    a.Fs = HasHorizontalLoad(a) ? (a.Mu * a.Vo + a.Cb * a.Be + 0.5 * a.Pp) / a.HoCopy
                                : kFsNoLoad;
    a.B1 = a.B2 = a.B3 = 0.0;
    a.V1 = a.V2 = a.V3 = 0.0;
    a.Hk = 0.0;
    a.Ht = 0.0;
    a.KeyMoment = 0.0;
}

MemberCheck ShearKeyCheck(TAntei& a) {
    KeyResistance(a);
    const double d = a.PointX[11] - a.PointX[12];
    return PlainConcreteCheck(a, a.Ht, a.KeyMoment, d);
}

}  // namespace stelvar
