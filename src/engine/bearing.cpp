// Ultimate bearing capacity of a strip footing under an eccentric, inclined load, with
// the bearing capacity factors for the inclined load and the size-effect factors.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/engine.h"
#include "engine/float_errors.h"

namespace stelvar {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kEps = 1e-5;
constexpr double kNoSolution = kNoBearingFactor;
constexpr double kPsiStep = kPi / 90;  // 2°

// Nq(ψ) and K(ψ) of a slip surface at angle ψ.
struct SlipFactors {
    double phi, s, t;
    double Exp(double psi) const { return std::exp(2 * t * (3 * kPi / 4 + phi / 2 - psi)); }
    double Nq(double psi) const { return (1 + s * std::sin(2 * psi - phi)) / (1 - s) * Exp(psi); }
    double K(double psi) const { return s * std::cos(2 * psi - phi) / (1 - s) * Exp(psi); }
};

}  // namespace

BearingFactor BearingFactorNq(int mode, double phi, double tanTheta, double q, double c) {
    const double y = std::abs(tanTheta);
    const double thetaP = std::atan(y);
    const SlipFactors f{phi, std::sin(phi), std::tan(phi)};
    BearingFactor out;

    if (phi < kEps && y < kEps) {
        out.Psi = kPi / 4 + phi / 2;
        out.Value = 1.0;
        return out;
    }
    // No shear resistance of 90° or more: the factors have no finite value.
    if (f.s >= 1.0) {
        out.Value = kNoSolution;
        return out;
    }
    if (y < kEps) {
        out.Psi = kPi / 4 + phi / 2;
        out.Value = std::exp(kPi * f.t) * (1 + f.s) / (1 - f.s);
        return out;
    }
    if (c < kEps || y <= f.t + kEps) {
        if (phi < kEps) {
            // Frictionless ground under an inclined load: the critical surface turns by
            // the full right angle and Nq keeps its frictionless value 1.
            out.Psi = kPi / 4 + phi / 2 + (kPi / 2 + thetaP) / 2;
            out.Value = 1.0;
            return out;
        }
        out.Psi = kPi / 4 + phi / 2 + (std::asin(std::min(std::sin(thetaP) / f.s, 1.0)) + thetaP) / 2;
        out.Value = f.Nq(out.Psi);
        return out;
    }
    // Cohesive ground under a load steeper than φ.
    if (mode == 1 || phi < kEps) {
        out.Value = kNoSolution;
        return out;
    }
    out.Psi = kPi / 2 + phi;
    const double nq = f.Nq(out.Psi);
    const double k = f.K(out.Psi);
    const double F = q / c;
    const double r = std::abs((F * k + k / f.t) / (F * nq + (nq - 1) / f.t));
    out.Value = y >= r ? kNoSolution : nq;
    return out;
}

BearingFactor BearingFactorNc(double tanTheta, double phi) {
    const double y = std::abs(tanTheta);
    BearingFactor out;
    if (phi < kEps) {
        out.Psi = kPi / 4;
        out.Value = y < kEps ? 5.14 : kNoSolution;
        return out;
    }
    const SlipFactors f{phi, std::sin(phi), std::tan(phi)};
    if (f.s >= 1.0) {
        out.Value = kNoSolution;
        return out;
    }
    if (y < kEps) {
        out.Psi = kPi / 4 + phi / 2;
        out.Value = (std::exp(kPi * f.t) * (1 + f.s) / (1 - f.s) - 1) / f.t;
        return out;
    }

    const auto g = [&](double psi) { return y - std::abs(f.K(psi) / (f.Nq(psi) - 1)); };
    const double psiLimit = kPi / 2 + phi;

    // Step upward from the level-load surface until g turns negative. For a steep load
    // the steps can miss the narrow region where g < 0 and g stays positive beyond it;
    // half a turn above the start lies far past π/2 + φ, where there is no solution.
    const double psi0 = kPi / 4 + phi / 2;
    const double psiSearchEnd = psi0 + kPi;
    double psi1 = psi0;
    bool bracketed = false;
    while (psi1 <= psiSearchEnd) {
        if (g(psi1) < 0) {
            bracketed = true;
            break;
        }
        psi1 = psi1 + kPsiStep;
    }
    if (!bracketed) {
        out.Psi = psi1;
        out.Value = kNoSolution;
        return out;
    }

    double lo = psi0;
    double hi = psi1;
    double gLo = g(lo);
    double prev = psi1;
    double psi = psi1;
    for (;;) {
        const double mid = (lo + hi) / 2;
        if (std::abs(mid - prev) <= 1e-6) {
            psi = (mid + prev) / 2;
            break;
        }
        const double gMid = g(mid);
        if (gLo * gMid < 0) {
            hi = mid;
        } else {
            lo = mid;
            gLo = gMid;
        }
        prev = mid;
    }
    out.Psi = psi;
    out.Value = psi > psiLimit ? kNoSolution : (f.Nq(psi) - 1) / f.t;
    return out;
}

double BearingFactorNgamma(int phiDeg, double tanTheta) {
    const double y = std::abs(tanTheta);
    const double td = std::atan(tanTheta) * (180 / kPi);  // load angle in degrees, signed
    if (phiDeg == 0) return 0.0;

    const double t2 = std::pow(td, 2);
    const double t3 = std::pow(td, 3);
    const double t4 = std::pow(td, 4);
    const double t5 = std::pow(td, 5);
    const double t6 = std::pow(td, 6);
    switch (phiDeg) {
        case 5:
            return td <= 5 ? 0.17 - 0.016 * td : 0.0;
        case 10:
            return td <= 10 ? 0.56 - 0.033 * td - 0.0006 * t2 : 0.0;
        case 15:
            return td <= 15 ? 1.4 - 0.0886667 * td + 0.0016 * t2 - 0.0000533333 * t3 : 0.0;
        case 20:
            return td <= 20 ? 3.16 - 0.153333 * td - 0.00636667 * t2 + 0.000693333 * t3 -
                                  0.0000173333 * t4
                            : 0.0;
        case 25:
            return td <= 25 ? 6.92 - 0.402433 * td + 0.00338333 * t2 + 0.000256667 * t3 -
                                  0.00000733333 * t4 + 0.0000000266667 * t5
                            : 0.0;
        case 30:
            return td <= 30 ? 15.3262 - 0.954976 * td + 0.0202667 * t2 - 0.000166667 * t3 : 0.0;
        case 35:
            return td <= 35 ? 35.1881 - 3.06442 * td + 0.270397 * t2 - 0.0225236 * t3 +
                                  0.00104456 * t4 - 0.0000234769 * t5 + 0.000000202667 * t6
                            : 0.0;
        case 40:
            return td <= 40 ? 86.4625 - 5.66993 * td + 0.137808 * t2 - 0.00183524 * t3 +
                                  0.0000252587 * t4 - 0.000000262564 * t5
                            : 0.0;
        default:
            break;
    }

    const double phi = phiDeg * kPi / 180;
    const double t = std::tan(phi);
    if (!(y + kEps < t)) return 0.0;
    const BearingFactor nq = BearingFactorNq(0, phi, tanTheta, 0.0, 0.0);
    if (!(nq.Value >= 0)) return 0.0;

    const double psi = nq.Psi;
    const double a = 3 * kPi / 4 + phi / 2 - psi;
    const double b = kPi / 4 - phi / 2;
    const double w = 9 * t * t + 1;
    const double cb = std::cos(b);
    const double sb = std::sin(b);
    const double tp = std::tan(kPi / 4 + phi / 2);
    const double A = (cb * cb * sb + sb * sb * sb * (tp * tp) -
                      (std::sin(3 * kPi / 4 + phi / 2) + 3 * t * std::cos(3 * kPi / 4 + phi / 2)) / w) *
                     std::exp(3 * a * t);
    const double Bv = (3 * t * std::cos(psi) + std::sin(psi) + 1 - std::exp(3 * t * (kPi / 2 - psi))) / w;
    return std::cos(psi - phi) / (2 * std::cos(phi) * (1 + y * std::tan(psi))) *
           ((A + Bv) * std::cos(psi - phi) / (std::cos(psi) * std::cos(phi)) - std::sin(psi));
}

void BearingCapacity(TAntei& a) {
    const double B = a.PointX[9];
    const double e = a.E;
    a.Be = e >= 0 ? B - 2 * e : B;

    const double L = a.Settings.BlockLength;
    a.BlockLength = L;
    // A block without length counts as one much shorter than the loaded width.
    const double ratio = L > 0.0 ? std::min(a.Be / L, 1.0) : 1.0;
    a.AlphaShape = 1 + 0.3 * ratio;
    a.BetaShape = 1 - 0.4 * ratio;

    // With the resultant at or beyond the toe there is no loaded width to work with.
    const bool loaded = a.Be > 0.0;
    a.Kappa = loaded ? 1 + 0.3 * a.DfB / a.Be : 0.0;
    a.Qover = a.Gamma2e * a.Df;
    if (a.Vo == 0.0) throw EngineError(kFloatDivisionByZero);
    a.TanTheta = a.Ho / a.Vo;

    a.CStar = std::min(std::max(a.C1 / 10, 1.0), 10.0);
    a.QStar = std::min(std::max(a.Qover / 10, 1.0), 10.0);
    a.BStar = std::max(a.Be, 1.0);
    a.Sc = std::pow(a.CStar, -1.0 / 3.0);
    a.Sq = std::pow(a.QStar, -1.0 / 3.0);
    a.Sg = std::pow(a.BStar, -1.0 / 3.0);

    a.Nc = BearingFactorNc(a.TanTheta, a.Phi1).Value;
    a.Nq = BearingFactorNq(0, a.Phi1, a.TanTheta, a.Qover, a.C2).Value;
    a.Ngamma = BearingFactorNgamma(a.Phi1Deg, a.TanTheta);

    a.Qu = loaded ? a.AlphaShape * a.Kappa * a.C1 * a.Nc * a.Sc + a.Kappa * a.Qover * a.Nq * a.Sq +
                        0.5 * a.Gamma1e * a.BetaShape * a.BStar * a.Ngamma * a.Sg
                  : 0.0;
}

MissingBearingFactors MissingFactorsOf(const TAntei& a) {
    // The terms' multipliers: α·κ·c·Sc for Nc and κ·q·Sq for Nq, with κ = 0 when there
    // is no loaded width (qu is then not formed at all).
    const bool loaded = a.Be > 0.0;
    MissingBearingFactors m;
    m.Nc = loaded && a.C1 != 0.0 && a.Nc == kNoBearingFactor;
    m.Nq = loaded && a.Qover != 0.0 && a.Nq == kNoBearingFactor;
    m.Ngamma = loaded && a.Gamma1e != 0.0 && a.Ngamma < 0.0;
    return m;
}

}  // namespace stelvar
