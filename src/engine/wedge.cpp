// Active earth pressure on the back of the wall by the trial-wedge method: a soil wedge
// behind the back face is cut by a straight slip line at angle ω, weighed with the loads
// on it, and ω is varied until the thrust that holds the wedge is greatest.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/engine.h"

namespace stelvar {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kCoarseStep = 0.005;
constexpr double kFineStep = 0.00001;
constexpr double kSearchEnd = 1.5657963267948966;  // π/2 − 0.005
constexpr double kNoMaximum = 1.5607963267948966;  // π/2 − 0.01
constexpr double kChartStep = 0.05;

double Cot(double x) { return 1 / std::tan(x); }

// An embankment without a slope angle is a flat surface.
int EffectiveShape(const TPa& p, int shape) {
    return shape == 3 && p.Beta == 0.0 ? 1 : shape;
}

// Angle of the line from the foot of the back face to the crest of the embankment.
double CrestAngle(const TPa& p, int shape, double alpha, double heArg, double hLoad) {
    if (shape != 3) return 0.0;
    const double t = heArg * Cot(p.Beta) - hLoad * std::tan(alpha);
    return t != 0.0 ? std::atan((hLoad + heArg) / t) : 0.0;
}

bool SeismicEarthPressure(const TTeisu& t) {
    return t.SeismicMode == 2 || t.SeismicMode == 4;
}

// Surcharge and snow on the flat part that a flat surface adds outside the wedge.
double SeparateLoad(const TTeisu& t) {
    return t.SeismicMode == 1 ? 0.0 : t.Q + t.SwFlat;
}

void ZeroResults(TPa& p) {
    p.Pa = 0.0;
    p.Ph = 0.0;
    p.Pv = 0.0;
    p.Ka = 0.0;
    p.KaH = 0.0;
    p.KaV = 0.0;
    p.YPa = 0.0;
    p.Delta = 0.0;
    p.Omega = 0.0;
    p.BSlope = 0.0;
    p.BFlat = 0.0;
    p.LSlip = 0.0;
}

// A trial whose slip line never reaches the surface holds no finite wedge: no thrust.
double NoWedge(TPa& p) {
    p.BSlope = 0.0;
    p.BFlat = 0.0;
    p.Zc = 0.0;
    p.LSlip = 0.0;
    p.WdTrial = 0.0;
    p.UvTrial = 0.0;
    p.WTrial = 0.0;
    p.RegHigh = 5;
    p.RegX.fill(0.0);
    p.RegY.fill(0.0);
    return 0.0;
}

void SetVertex(TPa& p, int i, double x, double y) {
    p.RegX[static_cast<std::size_t>(i)] = x;
    p.RegY[static_cast<std::size_t>(i)] = y;
}

// Equivalent slope angle β′ of an embankment seen from a vertical virtual back face.
double EquivalentSlopeAngle(const TPa& p, double omega, double heArg) {
    const double cotB = Cot(p.Beta);
    return std::atan(2 * p.Hs /
                     (2 * (heArg * cotB + (p.PointX[8] - p.PointX[6])) +
                      (Cot(omega) * (p.PointY[5] + p.Hs) - heArg * cotB)));
}

// Wall friction angle of a seismic wedge behind a virtual back face under surface angle x.
double SeismicFrictionAngle(const TPa& p, double x) {
    const double phi = p.Phi;
    const double th = p.Theta;
    // Steeper than the shear resistance: the friction reaches φ.
    if (x + th >= phi) return phi;
    const double sp = std::sin(phi);
    const double D = std::asin(std::sin(x + th) / sp);
    return std::atan(sp * std::sin(th + D - x) / (1 - sp * std::cos(th + D - x)));
}

}  // namespace

double WallFrictionAngle(TPa& p, BackFaceKind kind, double omega, double heArg,
                         double hLoad) {
    (void)hLoad;
    const double phi = p.Phi;
    const bool seismic = SeismicEarthPressure(p);
    if (kind == BackFaceKind::RealBackFace) return seismic ? phi / 2 : 2 * phi / 3;

    if (!seismic) {
        switch (p.SurfaceCase) {
            case 2: return std::min(phi, p.Beta);
            case 3: return std::min(phi, EquivalentSlopeAngle(p, omega, heArg));
            default: return 0.0;
        }
    }
    switch (p.SurfaceCase) {
        case 2:
            return p.Beta + p.Theta >= phi ? phi : SeismicFrictionAngle(p, p.Beta);
        case 3: {
            const double bp = EquivalentSlopeAngle(p, omega, heArg);
            return bp + p.Theta >= phi ? phi : SeismicFrictionAngle(p, bp);
        }
        default:
            return SeismicFrictionAngle(p, 0.0);
    }
}

double TrialThrust(TPa& p, BackFaceKind kind, int shape, double alpha, double omegaCrest,
                   double omega, double heArg, double hLoad, double hTotal) {
    (void)hTotal;
    shape = EffectiveShape(p, shape);

    int sc = 1;
    if (shape == 2) {
        sc = 2;
    } else if (shape == 3) {
        sc = omega <= omegaCrest ? 3 : 2;
        if (omegaCrest < 0) sc = 3;
        if (heArg == 0.0) sc = 1;
    }
    // Loads computed separately exist only for a flat surface.
    if (sc == 1 && p.SurchargeMode == 1) sc = 0;
    p.SurfaceCase = sc;

    const double delta = WallFrictionAngle(p, kind, omega, heArg, hLoad);

    const double beta = p.Beta;
    if (std::sin(omega) <= 0.0) return NoWedge(p);
    // The slip line must rise faster than the slope to meet it.
    if (sc == 2 && std::sin(omega - beta) <= 0.0) return NoWedge(p);

    p.BSlope = 0.0;
    p.BFlat = 0.0;
    p.Zc = 0.0;
    p.LSlip = 0.0;
    p.UvTrial = p.PwWedge / std::tan(omega);

    p.RegHigh = 5;
    p.RegX.fill(0.0);
    p.RegY.fill(0.0);
    const double x1 = -hLoad * std::tan(alpha);
    SetVertex(p, 0, 0, 0);
    SetVertex(p, 1, x1, hLoad);

    // Tension crack at the top of the slip line, shortened by the loads standing on it.
    const auto crack = [&](double s1, double s2) {
        p.Zc = std::min(hLoad, std::max(0.0, (2 * p.C / p.GammaS) * std::tan(kPi / 4 + p.Phi / 2) -
                                                 (s1 + s2) / p.GammaS));
        switch (sc) {
            case 2:
                p.LSlip = (hLoad * std::cos(alpha - beta) / std::cos(alpha) - p.Zc * std::cos(beta)) /
                          std::sin(omega - beta);
                break;
            case 3:
                p.LSlip = (hLoad + heArg - p.Zc) / std::sin(omega);
                break;
            default:
                p.LSlip = (hLoad - p.Zc) / std::sin(omega);
                break;
        }
        const double x = p.LSlip * std::cos(omega);
        const double y = p.LSlip * std::sin(omega);
        SetVertex(p, 4, x, y);
        SetVertex(p, 3, x, y + p.Zc);
    };
    // Embankment reached beyond its crest: the crest becomes a vertex of the wedge.
    const auto crest = [&]() {
        p.BSlope = heArg / std::tan(beta);
        p.BFlat = (hLoad + heArg - p.Zc) / std::tan(omega) + hLoad * std::tan(alpha) - p.BSlope;
        SetVertex(p, 2, p.RegX[3] - p.BFlat, hLoad + heArg);
    };

    if (p.SeismicMode == 1) {
        // Ordinary earth pressure of the seismic case: no surcharge, no snow.
        crack(0.0, 0.0);
        if (sc == 3) crest();
        else SetVertex(p, 2, x1, hLoad);
        SetVertex(p, 5, 0, 0);
        p.WdTrial = PolygonArea(p).A * p.GammaS;
    } else {
        switch (sc) {
            case 0:
            case 1:
                crack(sc == 1 ? p.Q : 0.0, sc == 1 ? p.SwFlat : 0.0);
                SetVertex(p, 2, x1, hLoad);
                p.BFlat = (std::tan(alpha) + Cot(omega)) * hLoad - p.Zc * Cot(omega);
                break;
            case 2:
                crack(p.QSlope, p.SwSlope);
                SetVertex(p, 2, x1, hLoad);
                p.BSlope = std::tan(alpha) * hLoad + std::cos(omega) * p.LSlip;
                break;
            default:
                crack(p.Q, p.SwFlat);
                crest();
                break;
        }
        SetVertex(p, 5, 0, 0);
        const double area = PolygonArea(p).A;
        switch (sc) {
            case 0: p.WdTrial = area * p.GammaS; break;
            case 1: p.WdTrial = area * p.GammaS + (p.Q + p.SwFlat) * p.BFlat; break;
            case 2: p.WdTrial = area * p.GammaS + (p.QSlope + p.SwSlope) * p.BSlope; break;
            default:
                p.WdTrial = area * p.GammaS + (p.QSlope + p.SwSlope) * p.BSlope +
                            (p.Q + p.SwFlat) * p.BFlat;
                break;
        }
    }
    p.WTrial = p.WdTrial - p.UvTrial;

    const double th = p.Theta;
    const double phi = p.Phi;
    const double P = std::max(0.0, p.WTrial / std::cos(th) * std::sin(omega - phi + th) -
                                       p.C * p.LSlip * std::cos(phi)) /
                     std::cos(omega - phi - alpha - delta);
    // A thrust that acts along the slip plane's reaction cannot hold the wedge (the
    // divisor vanishes); such a trial, like one without a finite wedge, has no thrust.
    if (!std::isfinite(P) || !std::isfinite(p.WTrial) || !std::isfinite(p.LSlip)) return NoWedge(p);
    return P;
}

void TrialWedgeSearch(TPa& p, BackFaceKind kind, int shape, double heArg, double hLoad,
                      double hTotal) {
    p.Pa = 0.0;
    const double alpha = kind == BackFaceKind::RealBackFace ? p.Alpha : 0.0;
    double omega = p.Phi;
    shape = EffectiveShape(p, shape);
    const double omegaCrest = CrestAngle(p, shape, alpha, heArg, hLoad);

    WaterPressure(p, hLoad, hTotal);
    p.PwWedge = p.Pw;

    // A weightless backfill gives no earth pressure (and no coefficient to form).
    if (!(p.GammaS > 0.0)) {
        ZeroResults(p);
        return;
    }

    const auto thrust = [&](double w) {
        return TrialThrust(p, kind, shape, alpha, omegaCrest, w, heArg, hLoad, hTotal);
    };

    // Coarse search: stop at the first decrease and step back to the angle before it.
    while (omega < kSearchEnd) {
        const double P = thrust(omega);
        if (p.Pa > P) {
            omega = omega - kCoarseStep;
            break;
        }
        p.Pa = std::max(P, p.Pa);
        omega = omega + kCoarseStep;
    }
    if (p.Pa == 0.0 || omega > kNoMaximum) {
        ZeroResults(p);
        return;
    }

    // Fine search above the coarse maximum.
    p.Pa = 0.0;
    bool decreased = false;
    while (omega < kSearchEnd) {
        const double P = thrust(omega);
        if (p.Pa > P) {
            p.Omega = omega - kFineStep;
            omega = p.Omega;
            decreased = true;
            break;
        }
        p.Pa = std::max(P, p.Pa);
        omega = omega + kFineStep;
    }
    if (!decreased) {
        // The thrust kept rising to the end of the range: no maximum either.
        ZeroResults(p);
        return;
    }

    p.Pa = thrust(omega);

    p.Hc = p.Settings.UseCrackHeight
               ? std::cos(alpha) * std::cos(p.Beta) / std::cos(alpha + p.Beta) * p.Zc
               : 0.0;

    p.Delta = WallFrictionAngle(p, kind, omega, heArg, hLoad);
    const double h = hLoad - p.Hc;
    if (!(h > 0.0)) {
        // The crack reaches the foot of the back face: no loaded height remains.
        ZeroResults(p);
        return;
    }
    const double gs = p.GammaS;
    p.Ka = 2 * p.Pa / (h * h * gs);
    p.KaH = std::cos(alpha + p.Delta) * p.Ka;
    p.KaV = std::sin(alpha + p.Delta) * p.Ka;
    if (p.SurfaceCase != 0) {
        p.Ph = h * h * gs * p.KaH / 2;
        p.Pv = h * h * gs * p.KaV / 2;
        p.YPa = h / 3;
    } else {
        // Flat surface, loads added separately: triangle plus rectangle.
        const double s = SeparateLoad(p);
        const double A = h * h * gs * p.KaH / 2;
        p.Ph = A + p.KaH * s * h;
        p.Pv = h * h * gs * p.KaV / 2 + p.KaV * s * h;
        p.Pa = std::sqrt(p.Ph * p.Ph + p.Pv * p.Pv);
        p.YPa = p.Ph != 0.0 ? (A * h / 3 + h * h * p.KaH * s / 2) / p.Ph : h / 3;
    }

    p.W = p.WTrial;
    p.Wd = p.WdTrial;
    p.Uv = p.UvTrial;
}

SlipAngleChart SlipAngleChartPoints(TAntei& a) {
    const TPa saved = static_cast<const TPa&>(a);

    SlipAngleChart chart;
    const double alpha = a.Alpha;
    const double H = a.PointY[4];
    const int shape = EffectiveShape(a, a.BackfillShape);
    const double omegaCrest = CrestAngle(a, shape, alpha, a.Hs, H);
    // A leaning back face turns the slip line's range down by its angle.
    const double omegaMax = alpha > 0 ? kSearchEnd : kSearchEnd + alpha;
    chart.OmegaMin = a.Phi;
    chart.OmegaMax = omegaMax;

    const auto thrust = [&](double w) {
        double P = TrialThrust(a, BackFaceKind::RealBackFace, shape, alpha, omegaCrest, w, a.Hs, H, H);
        const double denom = a.GammaS * (H * H);
        if (a.SurfaceCase == 0 && denom != 0.0) {
            const double s = SeparateLoad(a);
            const double k = 2 * P / denom;
            const double kH = k * std::cos(alpha + saved.Delta);
            const double kV = k * std::sin(alpha + saved.Delta);
            const double Ph = H * H * a.GammaS * kH / 2 + s * kH * H;
            const double Pv = H * H * a.GammaS * kV / 2 + s * kV * H;
            P = std::sqrt(Ph * Ph + Pv * Pv);
        }
        return P;
    };

    for (double w = a.Phi; w < omegaMax; w = w + kChartStep) chart.Curve.push_back({w, thrust(w)});

    const double w = saved.Omega;
    const double P = thrust(w);
    chart.Marker.push_back({w, 0.0});
    chart.Marker.push_back({w, P});

    static_cast<TPa&>(a) = saved;
    return chart;
}

}  // namespace stelvar
