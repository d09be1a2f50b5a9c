// A sizing scan is many runs: 100 candidates of the crest width, both design cases of
// the default wall in the seismic case (200 calculations with their summaries), and the
// same 200 calculations alone on copies of the conditions, to show what the scan adds
// around the engine.

#include <benchmark/benchmark.h>

#include <string>

#include "forms/design_conditions.h"
#include "run/calculation.h"
#include "run/sizing.h"

using namespace stelvar;

namespace {

struct SeismicWall {
    DesignConditionsForm Conditions;
    AllowableStressForm Stresses;
    SeismicWall() {
        Conditions.SetIndex("RadioGroup5", 1);
        Conditions.SetText("Edit61", "0.2");
        Stresses.SetIndex(allowable_stress::kDesignCase, 1);
    }
};

constexpr SizingRange kHundredCrestWidths{400.0, 400.0 + 99 * 50.0, 50.0};

void BM_SizingScan100CandidatesBothCases(benchmark::State& state) {
    const SeismicWall wall;
    for (auto _ : state) {
        SizingResult r = RunSizing(wall.Conditions, wall.Stresses, "Edit37", kHundredCrestWidths);
        if (r.Candidates.size() != 100 || !r.BothCases) state.SkipWithError("not 100 candidates in both cases");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_SizingScan100CandidatesBothCases)->Unit(benchmark::kMillisecond);

void BM_TwoHundredRunsOnCopies(benchmark::State& state) {
    const SeismicWall wall;
    DesignConditionsForm ordinaryCase = wall.Conditions;
    ordinaryCase.SetIndex("RadioGroup5", 0);
    const DesignConditionsForm& ordinary = ordinaryCase;
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i) {
            for (const DesignConditionsForm* original : {&ordinary, &wall.Conditions}) {
                DesignConditionsForm copy = *original;
                copy.SetText("Edit37", std::to_string(400 + 50 * i));
                copy.SetText("Edit31", std::to_string(2400 + 50 * i));
                RunOutcome r = RunCalculation(copy.Controls());
                benchmark::DoNotOptimize(r);
            }
        }
    }
}
BENCHMARK(BM_TwoHundredRunsOnCopies)->Unit(benchmark::kMillisecond);

}  // namespace
