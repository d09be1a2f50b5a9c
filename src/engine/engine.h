#pragma once
// The operations of the calculation engine. Each takes the calculation object first and
// is called in the fixed order of the calculation sequence (src/run).

#include <exception>
#include <optional>
#include <string>
#include <utility>
#include <string_view>
#include <vector>

#include "engine/antei.h"
#include "engine/control_source.h"

namespace stelvar {

// ---- Gathering and geometry -------------------------------------------------------

// Reads the design conditions through the control queries, fills the record and the
// window settings, and builds the outline points. Throws ConversionError (src/text) for
// a text that is not a number, and EngineError for a zero stem height.
void Gather(TTeisu& t, const ControlSource& controls);

// Builds PointX/PointY from the entered dimensions (metres, after the base-slab rule).
struct WallDimensions {
    double B = 0, tT = 0, wF = 0, wC = 0, wK = 0, hS = 0, hB = 0;
    double kp = 0, kw = 0, kd = 0;  // shear key: position, width, height (0 when absent)
    double H0 = 0;                  // effective embedment length (m)
};
void BuildOutline(TTeisu& t, const WallDimensions& dims);

struct AreaResult {
    double A = 0.0;
    double Xc = 0.0;
    double Yc = 0.0;
};

// Area routine over the region workspace (RegHigh, RegX, RegY).
AreaResult PolygonArea(const TShape& s);

struct RegionResult {
    double A = 0.0;
    double Xc = 0.0;
    double Yc = 0.0;
    std::vector<double> X;  // corners for drawing (repeated corners dropped)
    std::vector<double> Y;
    int Count = 0;          // number of corners in the list minus one
};

// Region query by name ("W_A", "T_FM", ...). Fills the region workspace.
RegionResult QueryRegion(TShape& s, std::string_view name);

struct SurfaceLine {
    std::vector<double> X;  // LoadHigh + 1 points
    std::vector<double> Y;
    // Label values in kN/m2 (load × GammaS); a label is shown only when its value > 0,
    // else " ". FirstLabelIndex/SecondLabelIndex are point indices, -1 for none.
    double FirstLabelValue = 0.0;
    double SecondLabelValue = 0.0;
    bool HasSecondLabel = false;
    int FirstLabelIndex = 1;
    int SecondLabelIndex = -1;
};

// Surface-line query: kind 1 the backfill surface, kind 2 the surcharge and snow line.
SurfaceLine QuerySurfaceLine(TShape& s, int kind);

// ---- Loads ------------------------------------------------------------------------

void SelfWeight(TAntei& a);  // region "W_A"
void Buoyancy(TAntei& a);    // region "W_FA"

enum class BackFaceKind { RealBackFace, VirtualBackFace };

void TrialWedgeSearch(TPa& p, BackFaceKind kind, int shape, double heArg, double hLoad,
                      double hTotal);
double TrialThrust(TPa& p, BackFaceKind kind, int shape, double alpha, double omegaCrest,
                   double omega, double heArg, double hLoad, double hTotal);
double WallFrictionAngle(TPa& p, BackFaceKind kind, double omega, double heArg,
                         double hLoad);

struct ChartPoint {
    double X = 0.0;
    double Y = 0.0;
};
struct SlipAngleChart {
    double OmegaMin = 0.0;        // bottom axis from φ ...
    double OmegaMax = 0.0;        // ... to ωmax
    std::vector<ChartPoint> Curve;    // (ω, P); label: ω in degrees, pattern "0"
    std::vector<ChartPoint> Marker;   // (ω, 0) and (ω, P) at the search's Omega
};
// Thrust against slip angle for the whole wall; leaves every result unchanged.
SlipAngleChart SlipAngleChartPoints(TAntei& a);

void WaterPressure(TPa& p, double hLoad, double hTotal);
void PassivePressure(TPa& p);
void WindAndCollision(TTeisu& t);

// ---- Stability and bearing capacity -----------------------------------------------

void EarthPressureLeverArms(TAntei& a);  // YPh, XPv
void LoadTotals(TAntei& a);              // Vo, Ho, moments, D, E
void DesignCaseLimits(TAntei& a);        // FsBearReq, Qa, FsSlideReq
void GroundReaction(TAntei& a);          // ReactionCase, Q1, Q2, simplified method
void BearingCapacity(TAntei& a);         // Be ... Qu

struct BearingFactor {
    double Value = 0.0;  // -9 when no solution exists
    double Psi = 0.0;    // angle of the critical slip surface
};
BearingFactor BearingFactorNc(double tanTheta, double phi);
BearingFactor BearingFactorNq(int mode, double phi, double tanTheta, double q, double c);
double BearingFactorNgamma(int phiDeg, double tanTheta);
inline constexpr double kNoBearingFactor = -9.0;  // a factor's "no solution"

// The factors of the bearing stage that qu needs but that have no solution for this
// inclination. A factor counts only where its term of qu is there at all: Nc not on
// ground without cohesion, Nq not without overburden, neither without a loaded width.
// With one of them missing qu has no value, whatever the engine's sum came to.
// Nγ has no "no solution" of its own, but its fitted curves, taken beyond the angles
// they were fitted for (a load leaning steeply toward the backfill), turn negative: a
// bearing factor below zero is no value either.
struct MissingBearingFactors {
    bool Nc = false;
    bool Nq = false;
    bool Ngamma = false;
    bool Any() const { return Nc || Nq || Ngamma; }
};
MissingBearingFactors MissingFactorsOf(const TAntei& a);

// Interpolated KL of the simplified method from tan θ.
double KLFromTanTheta(double tanTheta);

void SlabReaction(TAntei& a);
void SlidingResistance(TAntei& a);

// Loaded length L of the ground reaction under the base by ReactionCase: B in the
// trapezoid cases, 3·D or 3·(B − D) in the triangle cases, 0 when not computable.
double LoadedLengthOf(const TAntei& a);

// Plain-concrete check of a member strip 1 m wide and d thick carrying S and M. Writes
// the stresses into SigmaCt and TauC of the record as those of the last member check.
MemberCheck PlainConcreteCheck(TTeisu& t, double s, double m, double d);

// ---- Structural stage ---------------------------------------------------------------

double StemWidthAt(const TTeisu& t, double x);
StemSection StemSectionForces(TAntei& a, double x);
// Both stem sections, then the toe slab, heel slab and shear key as the wall asks.
void StemDesign(TAntei& a);
std::optional<MemberCheck> ToeSlabCheck(TAntei& a);
std::optional<MemberCheck> HeelSlabCheck(TAntei& a);
MemberCheck ShearKeyCheck(TAntei& a);

// ---- Verdicts -----------------------------------------------------------------------

struct Verdicts {
    bool Sliding = false;
    bool Overturning = false;
    bool GroundReaction = false;
    bool Bearing = false;
    double Fm = 0.0;  // Mr/Mo of the safety-factor method (0 when Mo <= 0)
    double MeanReaction = 0.0;      // V/Be of the bearing check (0 when Be <= 0)
    double AllowableBearing = 0.0;  // qa = qu/n of the bearing check
};
Verdicts ComputeVerdicts(const TAntei& a);

// An error raised by a stage that cannot go on (e.g. a zero stem height).
class EngineError : public std::exception {
public:
    explicit EngineError(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

}  // namespace stelvar
