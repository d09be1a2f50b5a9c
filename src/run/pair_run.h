#pragma once
// Both design cases in one run: the seismic case from the design conditions as entered,
// the ordinary case from a copy of them switched to "常時" as the design-conditions
// window switches them, each case validated and calculated as a single run would be,
// and the summary of both. The user's windows are never changed.

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/allowable_stress.h"
#include "forms/design_conditions.h"
#include "run/calculation.h"
#include "run/case_summary.h"
#include "run/validation.h"

namespace stelvar {

// The two windows as one case sees them.
struct CaseInputs {
    DesignConditionsForm Conditions;
    AllowableStressForm Stresses;
};

// Where the ordinary case's allowable stresses σca, σcat, τca come from. The members of
// the ordinary case must not be checked with the seismic case's raised stresses.
enum class OrdinaryStresses {
    AsEntered,   // the conditions hold the ordinary values of σck (not yet transferred)
    FromTable,   // they hold the seismic values of σck: the ordinary ones replace them
    Unknown,     // values of their own: no ordinary values can be told from them
};

struct PairInputs {
    CaseInputs Ordinary;
    CaseInputs Seismic;
    OrdinaryStresses Stresses = OrdinaryStresses::AsEntered;
};

// The message that refuses a pair whose allowable stresses are of the user's own.
inline constexpr std::string_view kPairStressesUnknownMessage =
    "[許容応力度](σca,σcat,τca)がσckから求まる常時・地震時の値のいずれとも異なるため、\r"
    "常時の許容応力度を決められません。\r常時と地震時を別々に計算して下さい。";

// The message that refuses a pair from conditions in the ordinary case.
inline constexpr std::string_view kPairNeedsSeismicMessage =
    "常時・地震時一括計算は[地震時]の設計条件から行います。\r"
    "[(2)背面土形状、載荷重、土圧]で[地震時]を選び、\r[(3)設計震度]で設計水平震度(Kh)を入力して下さい。";

// The copies of both cases. The ordinary one is switched to "常時" through the window's
// own reaction (the seismic page, the coefficient boxes and the zone lists follow the
// click), and its allowable-stress window takes the design case as a loaded file makes
// it take it. When the conditions hold the seismic allowable stresses of their σck, the
// ordinary copy takes the ordinary ones, as the engineer would transfer them from the
// allowable-stress window; values of the user's own make the pair Unknown (refused by
// CheckPairInputs). The conditions should be in the seismic case (see CheckPairInputs).
PairInputs PairInputsOf(const DesignConditionsForm& conditions, const AllowableStressForm& stresses);

// The question before a pair run, like the single run's own: the load-combination
// question of the conditions with the design-case line "3.[常時・地震時]".
std::string PairRunQuestion(const ControlSource& conditions);

// A finding of the pair's validation, with the case it belongs to.
struct PairFinding {
    DesignCase Case = DesignCase::Ordinary;
    InputFinding Finding;
};

// "[常時]" or "[地震時]", a line break, then the finding's own message.
std::string PairFindingMessage(const PairFinding& f);

// Validates the pair: conditions in the ordinary case are refused at once (one error of
// the seismic case, kPairNeedsSeismicMessage), and so are allowable stresses of the
// user's own (one error of the ordinary case, kPairStressesUnknownMessage); otherwise the ordinary case and then the
// seismic case are checked as a single run checks them, each finding reported with its
// case. Returns true when an error refuses the pair. A text that is not a number throws
// PairCaseError naming the case.
bool CheckPairInputs(const PairInputs& inputs, const std::function<void(const PairFinding&)>& report);

// A failure of one case of the pair (a text that is not a number, a stage that cannot go
// on): what() is the case's name, a line break and the message of the failure.
class PairCaseError : public std::runtime_error {
public:
    PairCaseError(DesignCase designCase, const std::string& message);
    DesignCase Case() const { return case_; }
    const std::string& Message() const { return message_; }

private:
    DesignCase case_;
    std::string message_;
};

struct PairOutcome {
    RunOutcome Ordinary;
    RunOutcome Seismic;
    std::vector<SummaryRow> Summary;  // the ordinary rows, then the seismic rows
};

// The rows of both cases, each case with its own governing row.
std::vector<SummaryRow> SummarisePair(const RunOutcome& ordinary, const RunOutcome& seismic);

// One case's run: RunCalculation, or a run that also writes the case's document.
using CaseRunner = std::function<RunOutcome(DesignCase, const ControlSource&)>;

// Runs the ordinary case, then the seismic case, without validation (the caller has
// validated). An exception of a case is rethrown as PairCaseError naming it.
PairOutcome RunPair(const PairInputs& inputs, const CaseRunner& run);
PairOutcome RunPair(const PairInputs& inputs);

}  // namespace stelvar
