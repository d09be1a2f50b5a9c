#pragma once
// The design-conditions window as a window model: every control with the state it has
// when the program starts.

#include <string_view>

#include "forms/control_store.h"
#include "forms/allowable_stress.h"
#include "forms/form_model.h"

namespace stelvar {

// The controls of the design-conditions window with their initial state. Load switches
// that start cleared leave their boxes disabled with a silver background; the two
// embedment-ground boxes used only by the passive earth pressure (LabeledEdit7,
// LabeledEdit8) have a money-green background that nothing changes.
ControlStore DesignConditionsDefaults();

class DesignConditionsForm : public FormModel {
public:
    DesignConditionsForm() : FormModel(DesignConditionsDefaults()) {}
};

}  // namespace stelvar
