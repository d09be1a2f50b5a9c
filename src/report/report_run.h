#pragma once
// The calculation run with its report: the calculation sequence on a fresh object, the
// report sections written into the results store as each stage's results stand, and the
// structural stage when the ground reaction is computable.

#include <string_view>

#include "report/results_store.h"
#include "run/calculation.h"

namespace stelvar {

// One run into the results store, without validation and without the load-combination
// question (the caller has done both). The store's one-time set-up must have been done.
// Returns the run's outcome so that a caller can print it: the same results as
// RunCalculation; only the region and surface-line workspaces differ, the report's
// figures having queried them. Throws ConversionError for a text that is not a number
// and EngineError when a stage cannot go on; whatever had been written into the store
// by then stays.
// `projectTitle` is the name shown after "件　名：".
RunOutcome RunWithReport(const ControlSource& controls, ResultsStore& store,
                         std::string_view projectTitle = {});

}  // namespace stelvar
