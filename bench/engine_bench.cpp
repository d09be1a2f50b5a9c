// One full engine run (gathering, loads, trial wedge, stability, bearing capacity, stem,
// slabs and key) on a prepared set of design conditions.

#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "forms/design_conditions.h"
#include "report/report_run.h"
#include "report/results_setup.h"
#include "run/calculation.h"

using namespace stelvar;

namespace {

DesignConditionsForm Conditions(const std::vector<std::pair<std::string, std::string>>& sets) {
    DesignConditionsForm form;
    for (const auto& [name, value] : sets) form.SetValue(name, value);
    return form;
}

void RunBench(benchmark::State& state, const DesignConditionsForm& form) {
    for (auto _ : state) {
        RunOutcome r = RunCalculation(form.Controls());
        benchmark::DoNotOptimize(r);
    }
}

void BM_DefaultGravityWall(benchmark::State& state) {
    RunBench(state, Conditions({}));
}

void BM_DefaultLeaningWall(benchmark::State& state) {
    RunBench(state, Conditions({{"PageControl2", "1"}}));
}

// Seismic case ("地震時土圧+躯体慣性力", kh 0.2) with an embankment, water, passive
// pressure and a shear key.
void BM_SeismicEmbankmentWaterKey(benchmark::State& state) {
    RunBench(state, Conditions({{"RadioGroup5", "1"},
                                {"RadioGroup9", "1"},
                                {"Edit61", "0.2"},
                                {"TabControl1", "2"},
                                {"ComboBox1", "1.5"},
                                {"Edit28", "2000"},
                                {"CheckBox3", "TRUE"},
                                {"Edit62", "1.0"},
                                {"ComboBox8", "9.8"},
                                {"CheckBox9", "TRUE"},
                                {"Edit54", "0.8"},
                                {"RadioGroup2", "1"},
                                {"Edit35", "1000"},
                                {"Edit40", "400"},
                                {"Edit41", "300"}}));
}

}  // namespace

BENCHMARK(BM_DefaultGravityWall);
BENCHMARK(BM_DefaultLeaningWall);
BENCHMARK(BM_SeismicEmbankmentWaterKey);

// A full run with every report writer into the results store, as the program runs it.
static void BM_DefaultGravityWallWithReport(benchmark::State& state) {
    const DesignConditionsForm form;
    ResultsStore store;
    SetUpResultsWindow(store, 0);
    for (auto _ : state) {
        RunOutcome r = RunWithReport(form.Controls(), store);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_DefaultGravityWallWithReport);
