#pragma once
// A sizing scan as one JSON object, so that its candidates can be read from outside and
// each rerun with `--set` of its controls.

#include <string>

#include <nlohmann/json.hpp>

#include "run/sizing.h"

namespace stelvar {

// {"File", "Vary", "From", "To", "Step", "Smallest" (a value or null), "Candidates":
// [{"Value", "Apply": {control: text, …}, "AllOK", "Governing" ({"Case", "Check",
// "Ratio"} or null), "Summary" (the rows of each case, as in a pair run's JSON), "Reason"
// (why a candidate was refused or failed, else null)}, …], "Guidance"
// ([{"Vary", "Caption", "Current", "To", "Passing" (a value or null), "Text"}, …])}.
nlohmann::ordered_json SizingToJson(const SizingResult& result, const Guidance& guidance, const std::string& file);

}  // namespace stelvar
