#pragma once
// The verification the program carries with it: cases in which the engine, run through
// its own interfaces, is compared with a value known without it (a textbook closed form
// written out in src/verify, a result that follows by hand, or the independently
// computed figures of the default walls). Each case says how close the engine must come
// and why no closer: the finite step of the trial-wedge search, the bisection of a
// bearing factor, or the rounding of double arithmetic.

#include <functional>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/keisu.h"
#include "report/coefficient_tables.h"
#include "run/calculation.h"

namespace stelvar {

struct VerificationCase {
    std::string Family;
    std::string Case;
    std::string Inputs;
    double Reference = 0.0;
    std::string Source;     // where the reference value comes from
    double Computed = 0.0;  // the engine's value
    double RelDiff = 0.0;   // |Computed − Reference| / |Reference|
    double Tolerance = 0.0;
    std::string ToleranceBasis;  // what limits the tolerance
    bool Ok = false;
};

// A family of cases and the note on its method printed with the report.
struct VerificationFamily {
    std::string Name;
    std::string Method;
};
const std::vector<VerificationFamily>& VerificationFamilies();

// The engine operations the cases call, the real ones unless replaced. A test passes a
// faulty variant here to show that the report notices it.
struct VerificationEngine {
    std::function<void(TPa&, BackFaceKind, int, double, double, double)> WedgeSearch = TrialWedgeSearch;
    std::function<void(TPa&)> Passive = PassivePressure;
    std::function<BearingFactor(double, double)> Nc = BearingFactorNc;
    std::function<BearingFactor(int, double, double, double, double)> Nq = BearingFactorNq;
    std::function<RunOutcome(const ControlSource&)> Run = RunCalculation;
    std::function<void(CoefficientTables&, const ControlSource&, const ControlSource&)> CoefficientTable =
        ComputeCoefficientTable;
};

// Every case, family by family in the order of VerificationFamilies. An engine operation
// that throws or gives no finite value fails its case; the others still run.
std::vector<VerificationCase> RunVerification(const VerificationEngine& engine = {});

bool AllCasesOk(const std::vector<VerificationCase>& cases);

}  // namespace stelvar
