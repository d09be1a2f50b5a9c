#pragma once
// Every field of a run's calculation object by its own name, as one JSON object, so the
// figures can be checked from outside.

#include <string>

#include <nlohmann/json.hpp>

#include "run/calculation.h"

namespace stelvar {

nlohmann::ordered_json RunOutcomeToJson(const RunOutcome& outcome, const std::string& file);

}  // namespace stelvar
