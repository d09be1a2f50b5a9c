#pragma once
// The look at the inputs before a run: values that are missing, implausible or
// inconsistent. A warning is only shown; an error is shown and refuses the run. Every
// check is made, in a fixed order, and each finding is reported at once, so one start
// can show several messages.

#include <functional>
#include <string>

#include "engine/control_source.h"
#include "forms/dialogs.h"

namespace stelvar {

enum class FindingKind { Warning, Error };

struct InputFinding {
    int Check = 0;        // 1 to 14, the order in which the checks are made; 15 a range
    FindingKind Kind = FindingKind::Warning;
    std::string Message;  // the text shown to the user; a CR is a line break
};

// Makes every check in order on the design-conditions window and the allowable-stress
// window, calling `report` for each finding as soon as it is made, then holds every
// numeric box the run reads to its range (check 15, one error per box outside it).
// Returns true when at least one error was found (the run must not start). Texts are read
// as numbers as the calculation reads them: a text that is not a number throws
// ConversionError, after the findings of the earlier checks have been reported (and, in
// the range check, after a finding that names the box).
bool CheckInputs(const ControlSource& conditions, const ControlSource& allowableStress,
                 const std::function<void(const InputFinding&)>& report);

// CheckInputs with each finding shown as a plain message.
bool ValidateInputs(const ControlSource& conditions, const ControlSource& allowableStress,
                    Dialogs& dialogs);

}  // namespace stelvar
