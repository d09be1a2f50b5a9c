#pragma once
// The verdicts of one run as rows of a summary: per check the governing figure, its
// limit, the ratio demand/capacity and OK/NO, so that the check that governs the design
// and its margin can be read at a glance. The verdict of a row is the one the run's own
// document prints; the ratio is ≤ 1 exactly when that verdict is OK.

#include <optional>
#include <string_view>
#include <vector>

#include "run/calculation.h"

namespace stelvar {

enum class DesignCase { Ordinary, Seismic };

enum class SummaryCheck { Sliding, Overturning, GroundReaction, Bearing, StemMid, StemFixed, Toe, Heel, Key };

struct SummaryRow {
    DesignCase Case = DesignCase::Ordinary;
    SummaryCheck Check = SummaryCheck::Sliding;
    std::optional<double> Value;  // the governing figure; none when the check has none
    std::optional<double> Limit;  // what the figure is held to
    std::optional<double> Ratio;  // demand/capacity; none when it cannot be computed
    std::string_view Unit;        // of value and limit: "m", "kN/m2", "N/mm2"; "" for a factor
    bool Ok = false;
    bool Governing = false;       // the highest ratio of its case
};

// "常時" / "地震時".
std::string_view DesignCaseName(DesignCase c);
// The check's name in JSON: "Sliding", "Overturning", …, "Key".
std::string_view SummaryCheckKey(SummaryCheck c);
// The check's name in the documents: "滑動", "転倒", …, "突起".
std::string_view SummaryCheckTitle(SummaryCheck c);

// The rows of one run: the four stability checks, then the member checks that ran (stem
// mid-height and fixed section, toe slab, heel slab, shear key), the governing row marked.
std::vector<SummaryRow> SummariseCase(const RunOutcome& outcome, DesignCase designCase);

}  // namespace stelvar
