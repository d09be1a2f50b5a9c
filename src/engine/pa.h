#pragma once
// TPa: the trial-wedge working state, its results and the water pressure on the back.

#include "engine/shape.h"

namespace stelvar {

struct TPa : TShape {
    // Working state of one trial slip angle.
    std::int32_t SurfaceCase = 0;
    double WdTrial = 0.0;
    double PwWedge = 0.0;
    double UvTrial = 0.0;
    double WTrial = 0.0;
    double Zc = 0.0;
    double LSlip = 0.0;
    double BSlope = 0.0;
    double BFlat = 0.0;

    // Results of the last search.
    double Pa = 0.0;
    double Omega = 0.0;
    double Delta = 0.0;
    double Ka = 0.0;
    double KaH = 0.0;
    double KaV = 0.0;
    double Ph = 0.0;
    double Pv = 0.0;
    double YPa = 0.0;
    double Hc = 0.0;
    double W = 0.0;
    double Wd = 0.0;
    double Uv = 0.0;

    // Moments of the whole-wall earth pressure about the toe (set by the stability stage).
    double MPv = 0.0;
    double MPh = 0.0;

    // Water pressure on the back for the last section asked for.
    double Pw = 0.0;
    double HpW = 0.0;
    double MPw = 0.0;
};

}  // namespace stelvar
