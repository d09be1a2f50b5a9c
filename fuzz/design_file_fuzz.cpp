// libFuzzer target: a design-conditions file as it may arrive from anywhere, loaded into
// the window, checked, run with its whole document, and exported as text. Every input
// must end in a finished document or in one of the system's own errors, never in a
// crash, a hang, or a NaN or infinite figure in the document.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "documents/design_file.h"
#include "documents/text_export.h"
#include "forms/allowable_stress.h"
#include "forms/design_conditions.h"
#include "report/report_run.h"
#include "report/results_setup.h"
#include "report/results_store.h"
#include "run/validation.h"

namespace {

bool HoldsNonFinite(std::string_view text) {
    for (std::string_view token : {"nan", "NaN", "inf", "Inf"})
        if (text.find(token) != std::string_view::npos) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace stelvar;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    DesignConditionsForm conditions;
    AllowableStressForm stresses;
    try {
        ApplyDesignConditionsFile(bytes, conditions, stresses);
        if (CheckInputs(conditions.Controls(), stresses.Controls(), [](const InputFinding&) {}))
            return 0;
        ResultsStore store;
        SetUpResultsWindow(store, 0);
        RunWithReport(conditions.Controls(), store, "fuzz");
        const std::string text =
            TextExportBytes(store, ReadTextExportConditions(conditions.Controls()));
        if (HoldsNonFinite(text)) {
            std::fputs("non-finite figure in the text document\n", stderr);
            std::abort();
        }
    } catch (const std::exception&) {
        // The system's own refusal of the file or of the run.
    }
    return 0;
}
