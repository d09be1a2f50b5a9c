#pragma once
// The textbook closed forms the verification compares the engine with. They are written
// out here on their own, in the form the literature gives them, and share no code with
// the engine: a mistake in the engine cannot cancel against the same mistake here.
//
// Angles in radians. Earth-pressure coefficients follow the engine's convention for the
// back face: α is the angle of the back face to the vertical, positive when the top of
// the face lies on the wall side of its foot (the soil overhangs the face), and the
// coefficient K gives the thrust P = K·γ·H²/2 for the vertical height H.

namespace stelvar::reference {

// Coulomb's active coefficient for a cohesionless backfill sloping at β behind a back
// face at α with wall friction δ:
//   Ka = cos²(φ−α) / (cos²α·cos(α+δ)·[1 + √(sin(φ+δ)·sin(φ−β) / (cos(α+δ)·cos(α−β)))]²).
double CoulombKa(double phi, double alpha, double beta, double delta);

// Mononobe–Okabe: Coulomb's wedge with the seismic angle θ = arctan kh,
//   Ka = cos²(φ−α−θ) / (cos θ·cos²α·cos(α+δ+θ)·[1 + √(sin(φ+δ)·sin(φ−β−θ) /
//        (cos(α+δ+θ)·cos(α−β)))]²).
// With θ = 0 it is CoulombKa.
double MononobeOkabeKa(double phi, double alpha, double beta, double delta, double theta);

// The coefficient of the trial wedge at one slip angle ω, 2P(ω)/(γH²), for the same
// plane wedge (foot of the back face, top of the back face, slip line to the surface):
//   K(ω) = cos(α−β)·cos(ω−α)·sin(ω−φ+θ) / (cos²α·sin(ω−β)·cos θ·cos(ω−φ−α−δ)).
// Its maximum over ω is MononobeOkabeKa; the verification uses it to say how far below
// that maximum a search with a finite step may stop.
double WedgeCoefficient(double omega, double phi, double alpha, double beta, double delta,
                        double theta);

// The slip angle at which WedgeCoefficient is greatest, between φ − θ and the back face
// (found by golden-section search to the last digits).
double CriticalSlipAngle(double phi, double alpha, double beta, double delta, double theta);

// Rankine's active coefficient on a vertical plane under a backfill sloping at β (the
// thrust parallel to the surface):
//   Ka = cos β·(cos β − √(cos²β − cos²φ)) / (cos β + √(cos²β − cos²φ));
// for β = 0 it is tan²(π/4 − φ/2).
double RankineKa(double phi, double beta);

// The Mononobe–Okabe passive coefficient for a face at α, backfill at β, wall friction δ:
//   Kp = cos²(φ+α−θ) / (cos θ·cos²α·cos(δ−α+θ)·[1 − √(sin(φ+δ)·sin(φ+β−θ) /
//        (cos(δ−α+θ)·cos(β−α)))]²).
// With θ = α = β = δ = 0 it is Rankine's tan²(π/4 + φ/2).
double MononobeOkabeKp(double phi, double alpha, double beta, double delta, double theta);
double RankineKp(double phi);

// Prandtl–Reissner bearing-capacity factors of a strip under a vertical load:
//   Nq = e^(π·tan φ)·tan²(π/4 + φ/2),  Nc = (Nq − 1)·cot φ,  Nc(φ = 0) = π + 2.
double PrandtlReissnerNq(double phi);
double PrandtlReissnerNc(double phi);

// Nq of a weightless, cohesionless ground under a load inclined at δ to the normal
// (δ ≤ φ), the log-spiral solution with sin Δ = sin δ / sin φ:
//   Nq = cos δ·(cos δ + √(sin²φ − sin²δ)) / (1 − sin φ) · e^((π − Δ − δ)·tan φ).
// For δ = 0 it is PrandtlReissnerNq; for δ = φ it is (1 + sin φ)·e^((π/2 − φ)·tan φ).
double InclinedNq(double phi, double delta);

// The same log-spiral field for a cohesive, weightless ground, parametrised by the angle
// χ ∈ [0, π/2 + φ] of its wedge under the footing (χ = 0 for a vertical load). By
// Caquot's theorem of corresponding states the footing then carries the inclination
// tan δ = c·cot φ·T(χ) / (c·cot φ·(N(χ) − 1)) and Nc = (N(χ) − 1)·cot φ, where
//   N(χ) = (1 + sin φ·cos χ) / (1 − sin φ) · e^((π − χ)·tan φ),
//   T(χ) = sin φ·sin χ / (1 − sin φ) · e^((π − χ)·tan φ).
struct CohesiveInclinedPoint {
    double TanDelta = 0.0;  // inclination of the load for this χ
    double Nc = 0.0;
};
CohesiveInclinedPoint CohesiveInclined(double phi, double chi);

}  // namespace stelvar::reference
