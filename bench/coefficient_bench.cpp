// The coefficient tool: the earth-pressure table (13 embankment heights × 4 slopes of
// trial-wedge searches) for the default settings, and the three bearing-factor pages.

#include <benchmark/benchmark.h>

#include "forms/coefficient_tool.h"
#include "forms/design_conditions.h"
#include "report/coefficient_tables.h"

using namespace stelvar;

namespace {

void BM_CoefficientTableDefaultSettings(benchmark::State& state) {
    const CoefficientToolForm tool;
    const DesignConditionsForm conditions;
    CoefficientTables tables;
    WriteCoefficientTableHeaders(tables);
    for (auto _ : state) {
        ComputeCoefficientTable(tables, tool.Controls(), conditions.Controls());
        benchmark::DoNotOptimize(tables.Chart1.Series.front().Points.data());
    }
}

void BM_BearingFactorTables(benchmark::State& state) {
    CoefficientTables tables;
    for (auto _ : state) {
        ComputeBearingFactorTables(tables);
        benchmark::DoNotOptimize(tables.Chart3.Series.front().Points.data());
    }
}

}  // namespace

BENCHMARK(BM_CoefficientTableDefaultSettings)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BearingFactorTables)->Unit(benchmark::kMicrosecond);
