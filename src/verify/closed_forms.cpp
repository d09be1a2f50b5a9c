#include "verify/closed_forms.h"

#include <cmath>
#include <numbers>

namespace stelvar::reference {
namespace {

constexpr double kPi = std::numbers::pi;

double Sq(double x) { return x * x; }

}  // namespace

double CoulombKa(double phi, double alpha, double beta, double delta) {
    const double root = std::sqrt(std::sin(phi + delta) * std::sin(phi - beta) /
                                  (std::cos(alpha + delta) * std::cos(alpha - beta)));
    return Sq(std::cos(phi - alpha)) / (Sq(std::cos(alpha)) * std::cos(alpha + delta) * Sq(1 + root));
}

double MononobeOkabeKa(double phi, double alpha, double beta, double delta, double theta) {
    const double root = std::sqrt(std::sin(phi + delta) * std::sin(phi - beta - theta) /
                                  (std::cos(alpha + delta + theta) * std::cos(alpha - beta)));
    return Sq(std::cos(phi - alpha - theta)) /
           (std::cos(theta) * Sq(std::cos(alpha)) * std::cos(alpha + delta + theta) * Sq(1 + root));
}

double WedgeCoefficient(double omega, double phi, double alpha, double beta, double delta,
                        double theta) {
    return std::cos(alpha - beta) * std::cos(omega - alpha) * std::sin(omega - phi + theta) /
           (Sq(std::cos(alpha)) * std::sin(omega - beta) * std::cos(theta) *
            std::cos(omega - phi - alpha - delta));
}

double CriticalSlipAngle(double phi, double alpha, double beta, double delta, double theta) {
    // The wedge holds soil only between the slip line at φ − θ (no thrust) and the back
    // face itself; in between the coefficient has a single maximum.
    double lo = phi - theta;
    double hi = kPi / 2 + alpha;
    const double g = (std::sqrt(5.0) - 1) / 2;
    const auto k = [&](double w) { return WedgeCoefficient(w, phi, alpha, beta, delta, theta); };
    double a = hi - g * (hi - lo);
    double b = lo + g * (hi - lo);
    double ka = k(a);
    double kb = k(b);
    for (int i = 0; i < 200 && hi - lo > 1e-15; ++i) {
        if (ka < kb) {
            lo = a;
            a = b;
            ka = kb;
            b = lo + g * (hi - lo);
            kb = k(b);
        } else {
            hi = b;
            b = a;
            kb = ka;
            a = hi - g * (hi - lo);
            ka = k(a);
        }
    }
    return (lo + hi) / 2;
}

double RankineKa(double phi, double beta) {
    if (beta == 0.0) return Sq(std::tan(kPi / 4 - phi / 2));
    const double cb = std::cos(beta);
    const double root = std::sqrt(Sq(cb) - Sq(std::cos(phi)));
    return cb * (cb - root) / (cb + root);
}

double MononobeOkabeKp(double phi, double alpha, double beta, double delta, double theta) {
    const double root = std::sqrt(std::sin(phi + delta) * std::sin(phi + beta - theta) /
                                  (std::cos(delta - alpha + theta) * std::cos(beta - alpha)));
    return Sq(std::cos(phi + alpha - theta)) /
           (std::cos(theta) * Sq(std::cos(alpha)) * std::cos(delta - alpha + theta) * Sq(1 - root));
}

double RankineKp(double phi) { return Sq(std::tan(kPi / 4 + phi / 2)); }

double PrandtlReissnerNq(double phi) {
    return std::exp(kPi * std::tan(phi)) * Sq(std::tan(kPi / 4 + phi / 2));
}

double PrandtlReissnerNc(double phi) {
    if (phi == 0.0) return kPi + 2;
    return (PrandtlReissnerNq(phi) - 1) / std::tan(phi);
}

double InclinedNq(double phi, double delta) {
    const double sp = std::sin(phi);
    const double Delta = std::asin(std::sin(delta) / sp);
    return std::cos(delta) * (std::cos(delta) + std::sqrt(Sq(sp) - Sq(std::sin(delta)))) / (1 - sp) *
           std::exp((kPi - Delta - delta) * std::tan(phi));
}

CohesiveInclinedPoint CohesiveInclined(double phi, double chi) {
    const double sp = std::sin(phi);
    const double e = std::exp((kPi - chi) * std::tan(phi));
    const double n = (1 + sp * std::cos(chi)) / (1 - sp) * e;
    const double t = sp * std::sin(chi) / (1 - sp) * e;
    CohesiveInclinedPoint p;
    p.TanDelta = t / (n - 1);
    p.Nc = (n - 1) / std::tan(phi);
    return p;
}

}  // namespace stelvar::reference
