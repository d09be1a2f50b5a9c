#pragma once
// Every field of a run's calculation object by its own name, as one JSON object, so the
// figures can be checked from outside.

#include <string>

#include <nlohmann/json.hpp>

#include "run/calculation.h"
#include "run/case_summary.h"
#include "run/pair_run.h"

namespace stelvar {

nlohmann::ordered_json RunOutcomeToJson(const RunOutcome& outcome, const std::string& file);

// The text of RunOutcomeToJson(outcome, file).dump(), byte for byte, written straight from
// the fields without building the JSON value first: a batch prints one per input.
// Throws as dump() does for a text that is not UTF-8.
std::string RunOutcomeJsonText(const RunOutcome& outcome, const std::string& file);

// The summary rows as an array of {"Case": "常時"|"地震時", "Check", "Value", "Limit",
// "Ratio", "Verdict": "OK"|"NO", "Governing"}; a figure that is not there is null.
nlohmann::ordered_json SummaryToJson(const std::vector<SummaryRow>& rows);

// Both cases of a pair: {"File", "Ordinary", "Seismic", "Summary"}, each case object
// exactly RunOutcomeToJson of that case's run.
nlohmann::ordered_json PairOutcomeToJson(const PairOutcome& outcome, const std::string& file);

}  // namespace stelvar
