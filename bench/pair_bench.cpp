// Both design cases of the default seismic wall in one run, with both documents: the
// pair's validation, both runs into their stores with the report, the summary, the text
// file and the PDF file built in memory.

#include <benchmark/benchmark.h>

#include <string>

#include "documents/pair_export.h"
#include "forms/design_conditions.h"
#include "pdf/pdf_export.h"
#include "report/pair_report.h"
#include "report/results_setup.h"
#include "run/pair_run.h"

using namespace stelvar;

namespace {

void BM_PairWithDocumentsDefaultSeismicWall(benchmark::State& state) {
    DesignConditionsForm conditions;
    AllowableStressForm stresses;
    conditions.SetIndex("RadioGroup5", 1);
    stresses.SetIndex(allowable_stress::kDesignCase, 1);
    ResultsStore fresh;
    SetUpResultsWindow(fresh, 0);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const PairInputs inputs = PairInputsOf(conditions, stresses);
        if (CheckPairInputs(inputs, [](const PairFinding&) {})) state.SkipWithError("refused");
        ResultsStore ordinary = fresh;
        ResultsStore seismic = fresh;
        const PairOutcome out = RunPairWithReport(inputs, ordinary, seismic, "擁壁");
        const CaseDocument o{ordinary, ReadTextExportConditions(inputs.Ordinary.Conditions.Controls())};
        const CaseDocument s{seismic, ReadTextExportConditions(inputs.Seismic.Conditions.Controls())};
        const std::string text = PairTextExportBytes(out.Summary, o, s);
        const std::string pdf =
            PairPdfExportBytes(out.Summary, ordinary, o.Conditions, seismic, s.Conditions, "擁壁", "20261210000000");
        bytes = text.size() + pdf.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

}  // namespace

BENCHMARK(BM_PairWithDocumentsDefaultSeismicWall)->Unit(benchmark::kMillisecond);
