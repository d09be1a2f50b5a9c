#pragma once
// Automatic sizing: one outline box of the wall stepped through a range, every value run
// as the program runs it (both design cases when the conditions are in the seismic case,
// else the ordinary case), and the smallest value for which every check holds. The
// outline is kept consistent: on the gravity page the base width follows a change of any
// of the five widths (they must add up to it), on the leaning page the base width follows
// the crest and the toe width. The user's windows are never changed; a candidate is a
// copy of them with its controls set as `--set` sets them.

#include <cstddef>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/allowable_stress.h"
#include "forms/design_conditions.h"
#include "run/case_summary.h"

namespace stelvar {

// An outline box that can be varied.
struct SizingBox {
    std::string_view Name;     // "Edit37"
    std::string_view Caption;  // "天端幅"
    int Page = 0;              // 0 gravity page, 1 leaning page
    bool Width = false;        // one of the widths the guidance tries
};

// The outline boxes of both wall pages, gravity page first, in the order of the window.
const std::vector<SizingBox>& SizingBoxes();
// The boxes of one page (0 gravity, 1 leaning).
std::vector<SizingBox> SizingBoxesOf(int page);

// A request that cannot be scanned: a box that is not an outline box of the active page,
// a range or step that makes no candidates, a current value that is no number.
class SizingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The box of the active page named by its control name ("Edit37") or by its caption
// ("天端幅"). Throws SizingError otherwise, and for the gravity page's base width, which
// is the sum of the five widths.
SizingBox FindSizingBox(const ControlSource& conditions, std::string_view nameOrCaption);

struct SizingRange {
    double From = 0.0;
    double To = 0.0;
    double Step = 50.0;
};

// From the current value upward to whichever is further, three times it or 3000 mm more;
// steps of 50 mm, as engineers draw.
inline constexpr double kDefaultSizingStep = 50.0;
SizingRange DefaultSizingRange(double current);
// The default range of the box of the active page as it stands (see FindSizingBox); a
// current value that is no number throws SizingError.
SizingRange DefaultSizingRange(const ControlSource& conditions, std::string_view box);

// The most candidates one scan makes.
inline constexpr std::size_t kMaxSizingCandidates = 10000;

// A length in mm as the text the box takes: the shortest decimal that reads back as the
// same number ("650", "412.5").
std::string MillimetreText(double mm);

enum class CandidateStatus {
    Ran,      // both cases (or the ordinary case) ran
    Refused,  // the validation refused the inputs
    Failed,   // a text was no number or a stage of the run could not go on
};

struct SizingCandidate {
    double Value = 0.0;
    // The controls the candidate sets, in order: the varied box, then the base width
    // that follows it, as texts exactly as `--set` takes them.
    std::vector<std::pair<std::string, std::string>> Apply;
    CandidateStatus Status = CandidateStatus::Ran;
    std::string Reason;               // why it was refused or failed; CR between messages
    std::vector<SummaryRow> Summary;  // every case's rows: the ordinary case, then the seismic one
    bool AllOk = false;
    std::optional<std::size_t> Governing;  // index into Summary
};

struct SizingResult {
    SizingBox Box;
    double Current = 0.0;
    SizingRange Range;
    bool BothCases = false;  // the conditions are in the seismic case
    std::vector<SizingCandidate> Candidates;
    std::optional<std::size_t> Smallest;  // the first candidate with every check OK
    bool Cancelled = false;
};

// The values of a range in order: From + i·Step while not beyond To (To itself when it
// falls on a step, within a millionth of a step). Throws SizingError for a step that is
// not positive, a range that runs downward, numbers that are not finite, and more than
// kMaxSizingCandidates values.
std::vector<double> SizingValues(const SizingRange& range);

// Every check of the candidate's summary OK and neither case in reaction case 3 or 7.
bool AllChecksOk(const std::vector<SummaryRow>& rows, const std::vector<int>& reactionCases);

// The check that governs: the first failing row whose margin cannot be computed, else the
// row of the highest ratio (the first of equal ones); none without any ratio.
std::optional<std::size_t> GoverningRow(const std::vector<SummaryRow>& rows);

// One candidate: a copy of the windows with `apply` set, validated and run as a single
// run (or a pair run for seismic conditions) would be.
SizingCandidate EvaluateCandidate(const DesignConditionsForm& conditions, const AllowableStressForm& stresses,
                                  const std::vector<std::pair<std::string, std::string>>& apply);

struct SizingOptions {
    // Called after each candidate with the number done and the total; false cancels.
    std::function<bool(std::size_t done, std::size_t total)> Progress;
    // Stop at the first candidate with every check OK (the guidance needs no more).
    bool StopAtFirstPass = false;
};

// Scans the box over the range. Throws SizingError for a request that cannot be scanned.
SizingResult RunSizing(const DesignConditionsForm& conditions, const AllowableStressForm& stresses,
                       std::string_view box, const SizingRange& range, const SizingOptions& options = {});
// The same over the default range of the box's current value.
SizingResult RunSizing(const DesignConditionsForm& conditions, const AllowableStressForm& stresses,
                       std::string_view box, const SizingOptions& options = {});

// A candidate as the table of candidates shows it, in the CLI and in the dialog.
struct CandidateCells {
    std::string Verdict;    // "OK", "NO", "入力不可" (refused), "計算不可" (the run failed)
    std::string Governing;  // "常時 つま先版", or "---"
    std::string Ratio;      // the governing ratio with three decimals, or "---"
    std::string Apply;      // "Edit37=650 Edit31=2650": its controls as --set takes them
};
CandidateCells CandidateTableCells(const SizingCandidate& c);

// What makes a failing wall pass: per width of the active page, the smallest value of its
// default range with every check OK, or none.
struct GuidanceItem {
    SizingBox Box;
    double Current = 0.0;
    double To = 0.0;                 // the end of the range tried
    std::optional<double> Passing;   // the smallest value with every check OK
    std::string Text;                // "天端幅 400 → 650 mm で全照査OK"
};

struct Guidance {
    bool Failing = false;            // the conditions as entered fail a check (or do not run)
    std::vector<GuidanceItem> Items; // empty when nothing fails
};

// "天端幅 400 → 650 mm で全照査OK", or "天端幅 400 〜 3400 mm の範囲に全照査OKとなる値なし".
std::string GuidanceText(const GuidanceItem& item);

// The guidance for the windows as they stand; nothing to say when every check passes.
// `progress` as in SizingOptions, over all widths.
Guidance ComputeGuidance(const DesignConditionsForm& conditions, const AllowableStressForm& stresses,
                         const std::function<bool(std::size_t done, std::size_t total)>& progress = {});

}  // namespace stelvar
