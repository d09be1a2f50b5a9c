#include "run/pair_run.h"

#include <exception>
#include <utility>

#include "run/run_driver.h"
#include "text/number.h"

namespace stelvar {

namespace {

// The three allowable stresses of the conditions equal those the allowable-stress
// window gives for their σck in the design case, as it shows them (two decimals).
bool StressesAre(const ControlSource& c, double sigmaCk, bool seismic) {
    const AllowableStresses table = ComputeAllowableStresses(sigmaCk, seismic);
    const std::pair<const char*, float> boxes[] = {
        {"Edit23", table.SigmaCa}, {"Edit24", table.SigmaCat}, {"Edit25", table.TauCa}};
    for (const auto& [name, value] : boxes) {
        double entered = 0.0;
        double shown = 0.0;
        if (!TryStrToFloat(c.Text(name), entered) || !TryStrToFloat(FormatTwoDecimals(value), shown) ||
            entered != shown)
            return false;
    }
    return true;
}

}  // namespace

PairInputs PairInputsOf(const DesignConditionsForm& conditions, const AllowableStressForm& stresses) {
    PairInputs p{{conditions, stresses}, {conditions, stresses}, OrdinaryStresses::AsEntered};
    // The click on "常時", with everything it changes; the allowable stresses follow the
    // design case as soon as it is set, as when a file is loaded.
    p.Ordinary.Conditions.SetIndex("RadioGroup5", 0);
    p.Ordinary.Stresses.SetIndex(allowable_stress::kDesignCase, p.Ordinary.Conditions.Controls().Index("RadioGroup5"));

    // The seismic case's members are checked with stresses raised by half; the ordinary
    // case must have the ordinary ones.
    const ControlSource& c = conditions.Controls();
    double sigmaCk = 0.0;
    if (!TryStrToFloat(c.Text("Edit50"), sigmaCk) || StressesAre(c, sigmaCk, false)) {
        p.Stresses = OrdinaryStresses::AsEntered;  // (a σck that is no number: validation says so)
    } else if (StressesAre(c, sigmaCk, true)) {
        p.Stresses = OrdinaryStresses::FromTable;
        const AllowableStresses ordinary = ComputeAllowableStresses(sigmaCk, false);
        p.Ordinary.Conditions.SetText("Edit23", FormatTwoDecimals(ordinary.SigmaCa));
        p.Ordinary.Conditions.SetText("Edit24", FormatTwoDecimals(ordinary.SigmaCat));
        p.Ordinary.Conditions.SetText("Edit25", FormatTwoDecimals(ordinary.TauCa));
    } else {
        p.Stresses = OrdinaryStresses::Unknown;
    }
    return p;
}

namespace {

// "[常時]" and a line break before a case's message.
std::string Named(DesignCase c, std::string_view message) {
    std::string text;
    text.reserve(message.size() + 16);
    text.append("[").append(DesignCaseName(c)).append("]\r").append(message);
    return text;
}

}  // namespace

std::string PairRunQuestion(const ControlSource& conditions) {
    std::string q = LoadCombinationQuestion(conditions);
    for (std::string_view line : {std::string_view("3.[地震時]\r"), std::string_view("3.[常   時]\r")}) {
        const auto at = q.find(line);
        if (at != std::string::npos) q.replace(at, line.size(), "3.[常時・地震時]\r");
    }
    return q;
}

std::string PairFindingMessage(const PairFinding& f) { return Named(f.Case, f.Finding.Message); }

PairCaseError::PairCaseError(DesignCase designCase, const std::string& message)
    : std::runtime_error(Named(designCase, message)),
      case_(designCase),
      message_(message) {}

bool CheckPairInputs(const PairInputs& inputs, const std::function<void(const PairFinding&)>& report) {
    // Without the seismic case there is no seismic coefficient to make the second case of.
    if (inputs.Seismic.Conditions.Controls().Index("RadioGroup5") != 1) {
        report({DesignCase::Seismic, {0, FindingKind::Error, std::string(kPairNeedsSeismicMessage)}});
        return true;
    }
    if (inputs.Stresses == OrdinaryStresses::Unknown) {
        report({DesignCase::Ordinary, {0, FindingKind::Error, std::string(kPairStressesUnknownMessage)}});
        return true;
    }
    bool refused = false;
    for (const DesignCase c : {DesignCase::Ordinary, DesignCase::Seismic}) {
        const CaseInputs& in = c == DesignCase::Ordinary ? inputs.Ordinary : inputs.Seismic;
        try {
            refused |= CheckInputs(in.Conditions.Controls(), in.Stresses.Controls(),
                                   [&](const InputFinding& f) { report({c, f}); });
        } catch (const PairCaseError&) {
            throw;
        } catch (const std::exception& e) {
            throw PairCaseError(c, e.what());
        }
    }
    return refused;
}

std::vector<SummaryRow> SummarisePair(const RunOutcome& ordinary, const RunOutcome& seismic) {
    std::vector<SummaryRow> rows = SummariseCase(ordinary, DesignCase::Ordinary);
    const std::vector<SummaryRow> second = SummariseCase(seismic, DesignCase::Seismic);
    rows.insert(rows.end(), second.begin(), second.end());
    return rows;
}

PairOutcome RunPair(const PairInputs& inputs, const CaseRunner& run) {
    PairOutcome out;
    for (const DesignCase c : {DesignCase::Ordinary, DesignCase::Seismic}) {
        const CaseInputs& in = c == DesignCase::Ordinary ? inputs.Ordinary : inputs.Seismic;
        try {
            (c == DesignCase::Ordinary ? out.Ordinary : out.Seismic) = run(c, in.Conditions.Controls());
        } catch (const std::exception& e) {
            throw PairCaseError(c, e.what());
        }
    }
    out.Summary = SummarisePair(out.Ordinary, out.Seismic);
    return out;
}

PairOutcome RunPair(const PairInputs& inputs) {
    return RunPair(inputs, [](DesignCase, const ControlSource& controls) { return RunCalculation(controls); });
}

}  // namespace stelvar
