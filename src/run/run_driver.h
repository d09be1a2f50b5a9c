#pragma once
// Starting a calculation run: the load-combination question, the input validation, the
// run itself and whether the results window is shown afterwards. What a run computes
// and writes is given by the layer that owns the results window, as a run step.

#include <functional>
#include <string>

#include "engine/control_source.h"
#include "forms/dialogs.h"

namespace stelvar {

// "[荷重組合せ]は正しいですか。", an empty line and the seven load switches of the design
// conditions, lines joined by CR; no CR after the last line.
std::string LoadCombinationQuestion(const ControlSource& conditions);

enum class RunStatus {
    Declined,   // the question was answered No
    Refused,    // the inputs did not pass validation (or could not be read as numbers)
    Failed,     // the run step threw; its message was shown
    Completed,  // the run step ended and the results window was shown
};

class RunDriver {
public:
    // Resets the results window, calculates and writes the whole document into it. It
    // throws to abandon the run (ConversionError, EngineError, ...); whatever it wrote
    // before stays written.
    using RunStep = std::function<void()>;

    // The sources and dialogs must outlive the driver.
    RunDriver(const ControlSource& conditions, const ControlSource& allowableStress,
              Dialogs& dialogs, RunStep run);

    // "計算開始" of the design-conditions window or of the main window's tool bar: hides
    // the results window, asks the load-combination question and runs on Yes. On No the
    // results window stays hidden.
    RunStatus ConfirmAndRun();

    // "1.計算開始" of the main window's menu, and the run after a Yes: validates (a
    // refusal changes nothing else), runs, and shows the results window when the run
    // ended. An exception from validation or from the run is shown with its message;
    // the results window is then left as it was.
    RunStatus Run();

    bool ResultsVisible() const { return resultsVisible_; }
    void ShowResults() { resultsVisible_ = true; }
    void HideResults() { resultsVisible_ = false; }

private:
    const ControlSource& conditions_;
    const ControlSource& allowableStress_;
    Dialogs& dialogs_;
    RunStep run_;
    bool resultsVisible_ = false;
};

}  // namespace stelvar
