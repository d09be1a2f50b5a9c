#include "verify/verification.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <limits>
#include <numbers>
#include <string_view>

#include "forms/coefficient_tool.h"
#include "forms/design_conditions.h"
#include "verify/closed_forms.h"

namespace stelvar {
namespace {

namespace ref = reference;

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180;

// Double arithmetic through a few dozen operations: what two correct evaluations of the
// same quantity in different algebraic forms may differ by.
constexpr double kRounding = 1e-12;

// The trial-wedge search steps the slip angle by 0.005 rad until the thrust first drops
// and steps back, then refines by 0.00001 rad only upward from there. When the true
// maximum lies below that coarse angle the search keeps the coarse angle: up to one
// coarse step above the critical angle, never below it by more than a fine step.
constexpr double kCoarseStep = 0.005;

// The bisection for the slip surface of Nc stops when two midpoints lie 1e-6 rad apart
// and takes their mean: the root lies in the last bracket (twice that wide), at most
// 1.5e-6 rad from the angle taken.
constexpr double kBisectionError = 1.5e-6;

const char* const kCoulomb = "Coulomb主働土圧係数";
const char* const kMononobeOkabe = "物部・岡部 地震時主働土圧係数";
const char* const kPassive = "受働土圧係数";
const char* const kBearing = "支持力係数";
const char* const kRankine = "Rankine土圧係数(仮想背面)";
const char* const kStability = "安定計算(手計算)";
const char* const kRegression = "既定擁壁の回帰";

std::string Fixed(double v, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

std::string Degrees(double radians) { return Fixed(radians / kDeg, 2) + "°"; }

// "1:2.0" for a slope angle of arctan(1/N).
std::string Slope(double n) { return n == 0.0 ? std::string("水平") : "1:" + Fixed(n, 1); }

class Cases {
public:
    explicit Cases(std::vector<VerificationCase>& out) : out_(out) {}

    // One comparison. The engine's value comes from `computed`; an exception there, or a
    // value that is not finite, fails the case without stopping the others.
    template <class F>
    void Add(const char* family, std::string name, std::string inputs, double reference, std::string source,
             F&& computed, double tolerance, std::string basis) {
        VerificationCase c;
        c.Family = family;
        c.Case = std::move(name);
        c.Inputs = std::move(inputs);
        c.Reference = reference;
        c.Source = std::move(source);
        c.Tolerance = tolerance;
        c.ToleranceBasis = std::move(basis);
        try {
            c.Computed = computed();
        } catch (const std::exception& e) {
            c.Computed = std::numeric_limits<double>::quiet_NaN();
            c.Inputs += "（計算エラー: " + std::string(e.what()) + "）";
        }
        const double scale = std::abs(reference) > 0.0 ? std::abs(reference) : 1.0;
        c.RelDiff = std::abs(c.Computed - reference) / scale;
        c.Ok = std::isfinite(c.Computed) && std::isfinite(reference) && c.RelDiff <= tolerance;
        out_.push_back(std::move(c));
    }

private:
    std::vector<VerificationCase>& out_;
};

// ---- Earth pressure by the trial wedge ----------------------------------------------

struct Wedge {
    double Phi = 0.0;
    double Batter = 0.0;  // tan α of the back face
    double N = 0.0;       // slope 1:N of the backfill, 0 for a level surface
    double Kh = 0.0;      // 0: ordinary case; else the seismic earth pressure with θ = arctan kh
    double H = 1.0;
    double GammaS = 18.0;

    double Alpha() const { return std::atan(Batter); }
    double Beta() const { return N == 0.0 ? 0.0 : std::atan(1 / N); }
    double Theta() const { return std::atan(Kh); }
    // The wall friction on the wall's own back face: 2φ/3 ordinary, φ/2 seismic.
    double Delta() const { return Kh == 0.0 ? 2 * Phi / 3 : Phi / 2; }
};

// A fresh calculation object of the coefficient tool with nothing but the wedge's soil,
// back face and surface: no loads, no water, no cohesion, no outline.
TKeisu RunWedge(const VerificationEngine& engine, const Wedge& w, BackFaceKind kind) {
    TKeisu k{};
    k.GammaS = w.GammaS;
    k.Phi = w.Phi;
    k.Alpha = w.Alpha();
    k.N = w.N;
    k.Beta = w.Beta();
    if (w.Kh != 0.0) {
        k.LoadCase = 1;
        k.SeismicMode = 4;  // seismic earth pressure, no inertia of a wall body
        k.Kh = w.Kh;
        k.Theta = w.Theta();
    }
    engine.WedgeSearch(k, kind, w.N == 0.0 ? 1 : 2, 0.0, w.H, w.H);
    return k;
}

// How far below the greatest coefficient the search may end: the drop of the plane
// wedge's coefficient one coarse step above the critical slip angle. (A fine step below
// it costs a drop some 250 000 times smaller, inside the rounding allowance.)
double WedgeTolerance(double phi, double alpha, double beta, double delta, double theta) {
    const double w = ref::CriticalSlipAngle(phi, alpha, beta, delta, theta);
    const auto k = [&](double omega) { return ref::WedgeCoefficient(omega, phi, alpha, beta, delta, theta); };
    const double peak = k(w);
    return (peak - k(w + kCoarseStep)) / peak + kRounding;
}

const char* const kWedgeBasis = "試行くさびの粗い刻み0.005radによる係数の低下の上限";

std::string WedgeInputs(const Wedge& w, double delta, const char* deltaRule) {
    std::string s = "φ=" + Degrees(w.Phi) + ", α=" + Degrees(w.Alpha());
    if (w.Batter != 0.0) s += "(背面勾配" + Fixed(w.Batter, 1) + ")";
    s += ", β=" + Degrees(w.Beta()) + "(" + Slope(w.N) + ")";
    s += ", δ=" + std::string(deltaRule) + "=" + Degrees(delta);
    if (w.Kh != 0.0) s += ", kh=" + Fixed(w.Kh, 2) + ", θ=atan(kh)=" + Degrees(w.Theta());
    s += ", c=0, H=" + Fixed(w.H, 1) + "m, γ=" + Fixed(w.GammaS, 0) + "kN/m3";
    return s;
}

void CoulombCases(Cases& cases, const VerificationEngine& engine) {
    const Wedge wedges[] = {
        {25 * kDeg, 0.0, 0.0},  {30 * kDeg, 0.0, 0.0},  {35 * kDeg, 0.0, 0.0},
        {40 * kDeg, 0.0, 0.0},  {30 * kDeg, 0.3, 0.0},  {35 * kDeg, 0.3, 0.0},
        {30 * kDeg, -0.3, 0.0}, {35 * kDeg, -0.3, 0.0}, {30 * kDeg, 0.0, 2.0},
        {30 * kDeg, 0.0, 3.0},  {35 * kDeg, 0.3, 2.0},  {35 * kDeg, -0.3, 1.8},
        {40 * kDeg, 0.2, 1.5},  {35 * kDeg, 0.0, 0.0, 0.0, 5.0, 19.0},
    };
    for (const Wedge& w : wedges) {
        const double a = w.Alpha(), b = w.Beta(), d = w.Delta();
        std::string name = "Ka φ=" + Fixed(w.Phi / kDeg, 0) + "° " +
                           (w.Batter == 0.0 ? "鉛直背面" : w.Batter > 0 ? "背面勾配(重力式)" : "背面勾配(もたれ式)") +
                           "・" + (w.N == 0.0 ? std::string("水平地表") : "傾斜地表" + Slope(w.N));
        if (w.H != 1.0) name += " H=" + Fixed(w.H, 0) + "m";
        cases.Add(kCoulomb, name, WedgeInputs(w, d, "2φ/3"), ref::CoulombKa(w.Phi, a, b, d), "Coulombの式",
                  [&] { return RunWedge(engine, w, BackFaceKind::RealBackFace).Ka; },
                  WedgeTolerance(w.Phi, a, b, d, 0.0), kWedgeBasis);
    }
    // The horizontal component carries the direction of the thrust, α + δ from the normal.
    const Wedge components[] = {{30 * kDeg, 0.0, 0.0}, {35 * kDeg, 0.3, 0.0}, {35 * kDeg, -0.3, 2.0}};
    for (const Wedge& w : components) {
        const double a = w.Alpha(), b = w.Beta(), d = w.Delta();
        cases.Add(kCoulomb, "Kah=Ka・cos(α+δ) φ=" + Fixed(w.Phi / kDeg, 0) + "° α=" + Degrees(a),
                  WedgeInputs(w, d, "2φ/3"),
                  ref::CoulombKa(w.Phi, a, b, d) * std::cos(a + d), "Coulombの式",
                  [&] { return RunWedge(engine, w, BackFaceKind::RealBackFace).KaH; },
                  WedgeTolerance(w.Phi, a, b, d, 0.0), kWedgeBasis);
    }
}

void MononobeOkabeCases(Cases& cases, const VerificationEngine& engine) {
    const Wedge wedges[] = {
        {30 * kDeg, 0.0, 0.0, 0.1},  {30 * kDeg, 0.0, 0.0, 0.2},  {30 * kDeg, 0.0, 0.0, 0.3},
        {35 * kDeg, 0.0, 0.0, 0.2},  {35 * kDeg, 0.3, 0.0, 0.2},  {35 * kDeg, -0.3, 0.0, 0.15},
        {40 * kDeg, 0.0, 3.0, 0.2},  {35 * kDeg, 0.3, 2.0, 0.1},  {40 * kDeg, -0.2, 3.0, 0.25},
    };
    for (const Wedge& w : wedges) {
        const double a = w.Alpha(), b = w.Beta(), d = w.Delta(), t = w.Theta();
        std::string name = "KEa φ=" + Fixed(w.Phi / kDeg, 0) + "° kh=" + Fixed(w.Kh, 2) + (w.Batter == 0.0 ? " 鉛直背面" : " 背面勾配") +
                           (w.N == 0.0 ? std::string() : " 傾斜地表" + Slope(w.N));
        cases.Add(kMononobeOkabe, name, WedgeInputs(w, d, "φ/2"), ref::MononobeOkabeKa(w.Phi, a, b, d, t),
                  "物部・岡部の式", [&] { return RunWedge(engine, w, BackFaceKind::RealBackFace).Ka; },
                  WedgeTolerance(w.Phi, a, b, d, t), kWedgeBasis);
    }
}

// ---- Passive earth pressure ---------------------------------------------------------------

void PassiveCases(Cases& cases, const VerificationEngine& engine) {
    struct Passive {
        double PhiDeg;
        double Kh;     // 0: ordinary case
        double H0;     // embedment in front of the wall, 0: the coefficient only
        double Gamma;
    };
    const Passive list[] = {
        {20, 0, 0, 18},    {30, 0, 0, 18},    {35, 0, 0, 18},    {40, 0, 0, 18},  {30, 0.1, 0, 18},
        {30, 0.2, 0, 18},  {35, 0.2, 0, 18},  {35, 0.3, 0, 18},  {40, 0.25, 0, 18},
        {30, 0, 1.5, 18},  {35, 0.2, 2.0, 19},
    };
    for (const Passive& p : list) {
        const double phi = p.PhiDeg * kDeg;
        const double theta = std::atan(p.Kh);
        const auto run = [&] {
            TKeisu k{};
            k.Phi = phi;
            k.GammaS = p.Gamma;
            if (p.Kh != 0.0) {
                k.LoadCase = 1;
                k.SeismicMode = 2;
                k.Kh = p.Kh;
                k.Theta = theta;
            }
            k.PointY[24] = p.H0;
            engine.Passive(k);
            return k;
        };
        const double kp = p.Kh == 0.0 ? ref::RankineKp(phi) : ref::MononobeOkabeKp(phi, 0, 0, 0, theta);
        const std::string source = p.Kh == 0.0 ? "Rankineの式 tan^2(45°+φ/2)" : "物部・岡部の受働土圧式(α=β=δ=0)";
        std::string inputs = "φ=" + Fixed(p.PhiDeg, 0) + "°, 鉛直壁面, 水平地表, δ=0, c=0";
        if (p.Kh != 0.0) inputs += ", kh=" + Fixed(p.Kh, 2) + ", θ=atan(kh)=" + Degrees(theta);
        if (p.H0 == 0.0) {
            const std::string name = (p.Kh == 0.0 ? "Kp φ=" : "KEp φ=") + Fixed(p.PhiDeg, 0) + "°" +
                                     (p.Kh == 0.0 ? std::string(" 常時") : " kh=" + Fixed(p.Kh, 2));
            cases.Add(kPassive, name, inputs, kp, source,
                      [&] { return run().Kp; }, kRounding, "倍精度の丸め");
        } else {
            inputs += ", H0=" + Fixed(p.H0, 1) + "m, γ=" + Fixed(p.Gamma, 0) + "kN/m3";
            cases.Add(kPassive, std::string("受働土圧合力 Pp=Kp・γ・H0^2/2") + (p.Kh == 0.0 ? " 常時" : " 地震時"),
                      inputs, kp * p.Gamma * p.H0 * p.H0 / 2, source, [&] { return run().Pp; }, kRounding,
                      "倍精度の丸め");
        }
    }
}

// ---- Bearing-capacity factors -------------------------------------------------------------

void BearingCases(Cases& cases, const VerificationEngine& engine) {
    const char* const rounding = "倍精度の丸め";
    for (double phiDeg : {10.0, 20.0, 30.0, 40.0}) {
        const double phi = phiDeg * kDeg;
        const std::string inputs = "φ=" + Fixed(phiDeg, 0) + "°, 鉛直荷重(tanθ=0)";
        cases.Add(kBearing, "Nq φ=" + Fixed(phiDeg, 0) + "° 鉛直荷重", inputs, ref::PrandtlReissnerNq(phi),
                  "Prandtl-Reissnerの式 e^(π・tanφ)・tan^2(45°+φ/2)",
                  [&] { return engine.Nq(0, phi, 0.0, 0.0, 0.0).Value; }, kRounding, rounding);
        cases.Add(kBearing, "Nc φ=" + Fixed(phiDeg, 0) + "° 鉛直荷重", inputs, ref::PrandtlReissnerNc(phi), "Prandtlの式 (Nq-1)・cotφ",
                  [&] { return engine.Nc(0.0, phi).Value; }, kRounding, rounding);
    }
    // φ = 0: the program uses Prandtl's π + 2 rounded to two decimals.
    cases.Add(kBearing, "Nc φ=0° 鉛直荷重", "φ=0°, 鉛直荷重(tanθ=0)", ref::PrandtlReissnerNc(0.0), "Prandtlの解 π+2",
              [&] { return engine.Nc(0.0, 0.0).Value; }, 0.005 / ref::PrandtlReissnerNc(0.0),
              "π+2を小数2桁(5.14)で用いる丸め");

    // Inclined loads on a cohesionless ground: the log-spiral solution in closed form.
    struct Inclined {
        double PhiDeg;
        double ThetaDeg;
    };
    for (const Inclined& i : {Inclined{30, 5}, Inclined{30, 10}, Inclined{30, 20}, Inclined{35, 15}}) {
        const double phi = i.PhiDeg * kDeg;
        const double theta = i.ThetaDeg * kDeg;
        cases.Add(kBearing, "Nq φ=" + Fixed(i.PhiDeg, 0) + "° 傾斜θ=" + Fixed(i.ThetaDeg, 0) + "°", "φ=" + Fixed(i.PhiDeg, 0) + "°, 荷重傾斜θ=" + Fixed(i.ThetaDeg, 0) + "°, c=0",
                  ref::InclinedNq(phi, theta), "対数らせん解(傾斜荷重, 重量なし)",
                  [&] { return engine.Nq(0, phi, std::tan(theta), 0.0, 0.0).Value; }, kRounding, rounding);
    }
    // The steepest load the ground takes, θ = φ: the closed form (1 + sin φ)·e^((π/2 − φ)·tan φ).
    // There sin θ / sin φ is 1 only to a few units in the last place (8ε at most), and the
    // arcsine at 1 turns an error e of its argument into √(2e): √(16ε) in the wedge angle,
    // against which ln Nq changes at 2·tan φ.
    {
        const double phi = 30 * kDeg;
        const double reference = (1 + std::sin(phi)) * std::exp((kPi / 2 - phi) * std::tan(phi));
        const double angleError = std::sqrt(16 * std::numeric_limits<double>::epsilon());
        cases.Add(kBearing, "Nq φ=30° 傾斜θ=φ", "φ=30°, 荷重傾斜θ=φ, c=0", reference,
                  "対数らせん解 (1+sinφ)・e^((π/2-φ)・tanφ)",
                  [&] { return engine.Nq(0, phi, std::tan(phi), 0.0, 0.0).Value; },
                  2 * std::tan(phi) * angleError + kRounding, "θ=φでのarcsinの丸め(√(16ε)rad)");
    }
    // Inclined loads on a cohesive ground: the field is given by the angle χ of its
    // wedge, and the inclination follows from χ; the program finds χ back by bisection.
    struct Cohesive {
        double PhiDeg;
        double Chi;
    };
    for (const Cohesive& c : {Cohesive{30, 0.2}, Cohesive{30, 0.6}, Cohesive{30, 1.0}, Cohesive{20, 0.5}}) {
        const double phi = c.PhiDeg * kDeg;
        const ref::CohesiveInclinedPoint p = ref::CohesiveInclined(phi, c.Chi);
        // Sensitivity of Nc to the slip angle ψ = π/4 + φ/2 + χ/2 of the bisection.
        const double h = 1e-4;
        const double dNc = (ref::CohesiveInclined(phi, c.Chi + 2 * h).Nc - ref::CohesiveInclined(phi, c.Chi - 2 * h).Nc) /
                           (2 * h);
        cases.Add(kBearing, "Nc φ=" + Fixed(c.PhiDeg, 0) + "° 傾斜tanθ=" + Fixed(p.TanDelta, 4),
                  "φ=" + Fixed(c.PhiDeg, 0) + "°, くさび角χ=" + Fixed(c.Chi, 1) + "rad → tanθ=" + Fixed(p.TanDelta, 6),
                  p.Nc, "対数らせん解と対応状態の定理",
                  [&] { return engine.Nc(p.TanDelta, phi).Value; },
                  kBisectionError * std::abs(dNc) / p.Nc + kRounding, "すべり面角の二分法の打切り1.5e-6rad");
    }
}

// ---- Rankine on the virtual back face ------------------------------------------------------

void RankineCases(Cases& cases, const VerificationEngine& engine) {
    namespace ct = coefficient_tool;
    namespace ctab = coefficient_tables;
    // The coefficient tool's inverted-T page: a vertical plane through the heel, the
    // embankment ratio H1/H along the table. At H1/H = 0 the surface is level, δ = 0.
    const auto table = [&](double phiDeg) {
        CoefficientToolForm tool;
        DesignConditionsForm conditions;
        tool.SetValue(ct::kPhi, Fixed(phiDeg, 0));
        tool.SetValue(ct::kCohesion, "0");
        tool.SetValue(ct::kWallTypes, std::to_string(ct::kInvertedTPage));
        CoefficientTables tables;
        engine.CoefficientTable(tables, tool.Controls(), conditions.Controls());
        return tables;
    };
    const auto point = [](const CoefficientTables& t, std::string_view series, std::size_t i) {
        return t.Chart1.Get(series).Points.at(i).Y;
    };
    for (double phiDeg : {25.0, 30.0, 35.0}) {
        const double phi = phiDeg * kDeg;
        cases.Add(kRankine, "土圧係数ツール 逆T型 φ=" + Fixed(phiDeg, 0) + "° H1/H=0 Kah",
                  "φ=" + Fixed(phiDeg, 0) + "°, 鉛直仮想背面, 水平地表, δ=0, c=0, H=1m", ref::RankineKa(phi, 0.0),
                  "Rankineの式 tan^2(45°-φ/2)", [&] { return point(table(phiDeg), ctab::kHorizontalSeries[0], 0); },
                  WedgeTolerance(phi, 0, 0, 0, 0), kWedgeBasis);
    }
    // A high embankment (H1/H of 1.0 and more on 1:3.0 with φ = 35°): the line from the
    // foot to the crest is flatter than φ, so every slip line of the search meets the
    // slope face, the wedge is that of an endless slope and δ = β.
    {
        const double phi = 35 * kDeg;
        const double beta = std::atan(1 / 3.0);
        const double ka = ref::RankineKa(phi, beta);
        const double tol = WedgeTolerance(phi, 0, beta, beta, 0);
        for (std::size_t i : {std::size_t{10}, std::size_t{12}}) {
            const std::string ratio = Fixed(0.1 * static_cast<double>(i), 1);
            const std::string inputs = "φ=35°, 鉛直仮想背面, 盛土1:3.0(β=" + Degrees(beta) + "), H1/H=" + ratio +
                                       ", δ=β, c=0, H=1m";
            cases.Add(kRankine, "土圧係数ツール 逆T型 φ=35° H1/H=" + ratio + " Kah", inputs, ka * std::cos(beta),
                      "Rankineの式(傾斜地表)×cosβ",
                      [&] { return point(table(35), ctab::kHorizontalSeries[3], i); }, tol, kWedgeBasis);
            cases.Add(kRankine, "土圧係数ツール 逆T型 φ=35° H1/H=" + ratio + " Kav", inputs, ka * std::sin(beta),
                      "Rankineの式(傾斜地表)×sinβ",
                      [&] { return point(table(35), ctab::kVerticalSeries[3], i); }, tol, kWedgeBasis);
        }
    }
    // An endless slope behind the virtual back face, through the wedge search itself.
    struct EndlessSlope {
        double PhiDeg;
        double N;
    };
    for (const EndlessSlope& s : {EndlessSlope{30, 2.0}, EndlessSlope{40, 1.5}}) {
        Wedge w{s.PhiDeg * kDeg, 0.0, s.N};
        const double beta = w.Beta();
        cases.Add(kRankine, "仮想背面 φ=" + Fixed(s.PhiDeg, 0) + "° 傾斜地表" + Slope(s.N) + " Ka", WedgeInputs(w, beta, "β"), ref::RankineKa(w.Phi, beta),
                  "Rankineの式(傾斜地表)", [&] { return RunWedge(engine, w, BackFaceKind::VirtualBackFace).Ka; },
                  WedgeTolerance(w.Phi, 0, beta, beta, 0), kWedgeBasis);
    }
}

// ---- A block wall by hand -------------------------------------------------------------------

// A rectangular concrete block B wide and H high on level ground, backfill level with
// its top, no loads, no water, no passive pressure, ordinary case. The earth pressure
// acts on the vertical back face at H/3 with δ = 2φ/3; everything else is statics.
struct Block {
    double B = 2.0, H = 3.5, GammaC = 23.0, GammaS = 20.0, Phi = 35 * kDeg;

    struct Figures {
        double W, XW, Ph, Vo, Mr, Mo, D, E, Q1, Q2;
    };
    Figures ByHand(double ka) const {
        Figures f{};
        const double delta = 2 * Phi / 3;
        f.W = GammaC * B * H;
        f.XW = B / 2;
        const double pa = ka * GammaS * H * H / 2;
        f.Ph = pa * std::cos(delta);
        const double pv = pa * std::sin(delta);
        f.Vo = f.W + pv;
        f.Mr = f.W * f.XW + pv * B;  // about the toe; Pv acts on the back face
        f.Mo = f.Ph * H / 3;
        f.D = (f.Mr - f.Mo) / f.Vo;
        f.E = B / 2 - f.D;
        // Within the middle third: a trapezoid of ground reaction.
        f.Q1 = f.Vo / B * (1 + 6 * f.E / B);
        f.Q2 = f.Vo / B * (1 - 6 * f.E / B);
        return f;
    }
};

void StabilityCases(Cases& cases, const VerificationEngine& engine) {
    const Block block;
    const double delta = 2 * block.Phi / 3;
    const double ka = ref::CoulombKa(block.Phi, 0, 0, delta);
    const double kaTol = WedgeTolerance(block.Phi, 0, 0, delta, 0);
    const Block::Figures exact = block.ByHand(ka);
    // The engine's Ka lies up to kaTol below Coulomb's; each figure may move as far as
    // that moves it.
    const Block::Figures low = block.ByHand(ka * (1 - kaTol));

    RunOutcome outcome;
    bool ran = false;
    const auto run = [&]() -> const RunOutcome& {
        if (!ran) {
            DesignConditionsForm conditions;
            const std::pair<const char*, const char*> settings[] = {
                {"Edit31", "2000"}, {"Edit34", "0"},    {"Edit36", "0"},   {"Edit37", "2000"},
                {"Edit30", "0"},    {"Edit2", "0"},     {"Edit38", "3000"}, {"Edit39", "500"},
                {"ComboBox7", "23.0"}, {"Edit15", "20"}, {"Edit14", "35"}, {"Edit21", "0"},
                {"CheckBox1", "FALSE"}, {"CheckBox4", "FALSE"}, {"CheckBox3", "FALSE"}, {"CheckBox9", "FALSE"},
                {"RadioGroup5", "0"},  {"TabControl1", "0"},
            };
            for (const auto& [name, value] : settings) conditions.SetValue(name, value);
            outcome = engine.Run(conditions.Controls());
            ran = true;
        }
        return outcome;
    };
    const std::string inputs =
        "矩形ブロック B=2.0m, H=3.5m, γc=23kN/m3; 裏込め γ=20kN/m3, φ=35°, c=0, 水平地表, 載荷重・水・受働土圧なし, 常時";
    const char* const source = "手計算(Kaは Coulombの式)";
    const char* const weightBasis = "倍精度の丸め";
    const char* const kaBasis = "Kaの許容差(試行くさびの刻み)の伝播";
    const auto tolOf = [&](double e, double l) { return std::abs(e - l) / std::abs(e) + kRounding; };

    cases.Add(kStability, "自重 W=γc・B・H", inputs, exact.W, source, [&] { return run().Object.WallWeight; }, kRounding,
              weightBasis);
    cases.Add(kStability, "自重の腕 XW=B/2", inputs, exact.XW, source, [&] { return run().Object.XW; }, kRounding,
              weightBasis);
    cases.Add(kStability, "水平土圧 Ph=Ka・γ・H^2/2・cosδ", inputs, exact.Ph, source,
              [&] { return run().WholeWall.Ph; }, tolOf(exact.Ph, low.Ph), kaBasis);
    cases.Add(kStability, "鉛直力 Vo=W+Pv", inputs, exact.Vo, source, [&] { return run().Object.Vo; },
              tolOf(exact.Vo, low.Vo), kaBasis);
    cases.Add(kStability, "抵抗モーメント Mr=W・B/2+Pv・B", inputs, exact.Mr, source, [&] { return run().Object.Mr; },
              tolOf(exact.Mr, low.Mr), kaBasis);
    cases.Add(kStability, "転倒モーメント Mo=Ph・H/3", inputs, exact.Mo, source, [&] { return run().Object.Mo; },
              tolOf(exact.Mo, low.Mo), kaBasis);
    cases.Add(kStability, "合力の位置 d=(Mr-Mo)/Vo", inputs, exact.D, source, [&] { return run().Object.D; },
              tolOf(exact.D, low.D), kaBasis);
    cases.Add(kStability, "偏心量 e=B/2-d", inputs, exact.E, source, [&] { return run().Object.E; },
              tolOf(exact.E, low.E), kaBasis);
    cases.Add(kStability, "地盤反力 q1=Vo/B・(1+6e/B)", inputs, exact.Q1, source, [&] { return run().Object.Q1; },
              tolOf(exact.Q1, low.Q1), kaBasis);
    cases.Add(kStability, "地盤反力 q2=Vo/B・(1-6e/B)", inputs, exact.Q2, source, [&] { return run().Object.Q2; },
              tolOf(exact.Q2, low.Q2), kaBasis);
}

// ---- The default walls ----------------------------------------------------------------------

void RegressionCases(Cases& cases, const VerificationEngine& engine) {
    struct Figure {
        const char* Name;
        double (*Field)(const RunOutcome&);
        double Gravity;
        double Leaning;
    };
    // Figures of the window's default design conditions, computed independently of this
    // program (ordinary case; gravity-wall page, then leaning-wall page).
    const Figure figures[] = {
        {"自重 W", [](const RunOutcome& r) { return r.Object.WallWeight; }, 93.84, 140.08724999999998},
        {"主働土圧 Pa", [](const RunOutcome& r) { return r.WholeWall.Pa; }, 54.88951744323271, 54.42198404711783},
        {"土圧係数 Ka", [](const RunOutcome& r) { return r.WholeWall.Ka; }, 0.5360304437815694, 0.15117217790866058},
        {"鉛直力 Vo", [](const RunOutcome& r) { return r.Object.Vo; }, 130.4029881753834, 143.9245504115665},
        {"抵抗モーメント Mr", [](const RunOutcome& r) { return r.Object.Mr; }, 176.04393295739936, 283.3254040021645},
        {"転倒モーメント Mo", [](const RunOutcome& r) { return r.Object.Mo; }, 43.668335710314146, 108.57306246350686},
        {"偏心量 e", [](const RunOutcome& r) { return r.Object.E; }, 0.18487297646087075, -0.189194111004245},
        {"地盤反力 q1", [](const RunOutcome& r) { return r.Object.Q1; }, 79.44706649325857, 44.7535529959652},
        {"地盤反力 q2", [](const RunOutcome& r) { return r.Object.Q2; }, 29.222090319560937, 95.10130011642613},
        {"滑動安全率 Fs", [](const RunOutcome& r) { return r.Object.Fs; }, 1.911176853312805, 1.5907210920934487},
        {"極限支持力 qu", [](const RunOutcome& r) { return r.Object.Qu; }, 217.43553476981322, 174.56646485938245},
    };
    for (int page = 0; page < 2; ++page) {
        RunOutcome outcome;
        bool ran = false;
        const auto run = [&]() -> const RunOutcome& {
            if (!ran) {
                DesignConditionsForm conditions;
                conditions.SetValue("PageControl2", std::to_string(page));
                outcome = engine.Run(conditions.Controls());
                ran = true;
            }
            return outcome;
        };
        const std::string wall = page == 0 ? "重力式" : "もたれ式";
        for (const Figure& f : figures) {
            cases.Add(kRegression, wall + " " + f.Name, "設計条件画面の既定値(" + wall + ", 常時)",
                      page == 0 ? f.Gravity : f.Leaning, "既定擁壁の独立計算値", [&] { return f.Field(run()); },
                      kRounding, "倍精度の丸め(演算順序の違い)");
        }
    }
}

}  // namespace

const std::vector<VerificationFamily>& VerificationFamilies() {
    static const std::vector<VerificationFamily> families = {
        {kCoulomb,
         "砂質の裏込め(c=0)、載荷重・水なしの壁背面に対し、試行くさび法(すべり角を0.005radで粗く探索し、"
         "その後0.00001radで細かく探索)で得た土圧係数Ka=2Pa/(γH^2)を、Coulombの閉じた式と比較する。"
         "粗い探索は推力が初めて減った角から一段戻り、細かい探索はそこから上だけを探すため、真の最大が"
         "その角より下にあると、すべり角は臨界すべり角より最大0.005rad上で止まる。許容差は、同じ平面くさびの"
         "係数を閉じた式で書き、臨界すべり角より0.005rad上での係数の低下量とした。"},
        {kMononobeOkabe,
         "地震時土圧(θ=atan(kh)、δ=φ/2)の試行くさびの係数を物部・岡部の式と比較する。"
         "許容差は常時と同じく探索の刻みによる係数の低下の上限。"},
        {kPassive,
         "前面の受働土圧係数を、常時はRankineの式、地震時は物部・岡部の受働土圧式(鉛直壁面・水平地表・壁面摩擦なし)"
         "と比較し、c=0での合力Pp=Kp・γ・H0^2/2も確かめる。閉じた式どうしの比較で、許容差は倍精度の丸めだけ。"
         "粘着力による項はこのプログラム独自の扱いのため対象外。"},
        {kBearing,
         "鉛直荷重のNq、NcをPrandtl-Reissnerの式と比較する(φ=0のNcは π+2 を5.14に丸めて用いる)。"
         "傾斜荷重のNqは重量のない砂地盤の対数らせん解の閉じた式と比較する。傾斜荷重のNcは、"
         "くさび角χから荷重の傾斜と係数を閉じた式で求め(対応状態の定理)、その傾斜でプログラムが二分法で"
         "すべり面を探し直した値と比べる。許容差は二分法の打切り(すべり面角1.5e-6rad)による係数の変化。"
         "Nγは傾斜角の多項式近似で、閉じた式がないため対象外。"},
        {kRankine,
         "土圧係数ツールの逆T型(鉛直な仮想背面)で、水平地表ではδ=0のためRankineの式 tan^2(45°-φ/2) に、"
         "すべり線が常に法面に出る高い盛土と無限斜面ではδ=βのため傾斜地表のRankineの式に一致する。"
         "許容差は試行くさびの刻みによる係数の低下の上限。"},
        {kStability,
         "裏込め水平の矩形ブロック擁壁(幅2.0m、高さ3.5m)の自重、土圧、鉛直力、モーメント、偏心量、地盤反力を"
         "手計算の式で求めて計算本体の結果と比較する。土圧係数はCoulombの式の値を用い、許容差はその許容差"
         "(探索の刻み)を各値に伝播させたもの。自重とその腕は倍精度の丸めだけ。"},
        {kRegression,
         "設計条件画面の既定値(重力式・もたれ式、常時)の主な数値を、このプログラムとは独立に計算した値と比べる。"
         "同じ算術に従えば丸めの範囲(1e-12)で一致する。計算手順の回帰の確認であり、式そのものの検証ではない。"},
    };
    return families;
}

std::vector<VerificationCase> RunVerification(const VerificationEngine& engine) {
    std::vector<VerificationCase> out;
    Cases cases(out);
    CoulombCases(cases, engine);
    MononobeOkabeCases(cases, engine);
    PassiveCases(cases, engine);
    BearingCases(cases, engine);
    RankineCases(cases, engine);
    StabilityCases(cases, engine);
    RegressionCases(cases, engine);
    return out;
}

bool AllCasesOk(const std::vector<VerificationCase>& cases) {
    return !cases.empty() &&
           std::all_of(cases.begin(), cases.end(), [](const VerificationCase& c) { return c.Ok; });
}

}  // namespace stelvar
