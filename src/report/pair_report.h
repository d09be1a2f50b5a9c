#pragma once
// The pair's documents before any file: both cases written into their own results
// stores, and the summary "照査結果一覧" as text lines and as a table.

#include <string>
#include <string_view>
#include <vector>

#include "report/results_store.h"
#include "run/pair_run.h"

namespace stelvar {

// The documents of a pair run as the desktop program keeps them until the next run:
// both cases' inputs, their stores and the summary.
struct PairDocuments {
    PairInputs Inputs;
    ResultsStore Ordinary;
    ResultsStore Seismic;
    std::vector<SummaryRow> Summary;
};

// Runs the ordinary case into `ordinary` and the seismic case into `seismic`, each as
// RunWithReport writes a single run (the stores' one-time set-up must have been done).
// Throws PairCaseError naming the case that failed; what was written stays.
PairOutcome RunPairWithReport(const PairInputs& inputs, ResultsStore& ordinary, ResultsStore& seismic,
                              std::string_view projectTitle = {});

// The summary's heading.
inline constexpr std::string_view kSummaryTitle = "照査結果一覧";

// The summary as fixed-width lines: the heading, a note on the ratio, the column titles
// and one line per row, the governing row of each case marked "＊". Columns are aligned
// in display cells, a full-width character taking two (its code page 932 bytes).
std::vector<std::string> SummaryTextLines(const std::vector<SummaryRow>& rows);

// The summary as a grid: a title row, then one row per summary row with the columns
// 区分, 照査項目, 照査値, 許容値, 単位, 比率, 判定, 支配.
StringGridContent SummaryGrid(const std::vector<SummaryRow>& rows);

// Texts of one row's figures as the summary shows them: three decimals, "---" for none.
std::string SummaryFigure(const std::optional<double>& x);

}  // namespace stelvar
