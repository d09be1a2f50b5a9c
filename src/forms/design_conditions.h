#pragma once
// The design-conditions window and the allowable-stress window as window models: every
// control with the state it has when the program starts.

#include <string_view>

#include "forms/control_store.h"
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

// Control names of the allowable-stress window.
namespace allowable_stress {
inline constexpr std::string_view kStrength = "RadioGroup1";   // σck: "18", "21", "24"
inline constexpr std::string_view kDesignCase = "RadioGroup4"; // "常時", "地震時"
inline constexpr std::string_view kSigmaCa = "Edit1";          // σca
inline constexpr std::string_view kSigmaCat = "Edit2";         // σcat
inline constexpr std::string_view kTauCa = "Edit3";            // τca
}  // namespace allowable_stress

ControlStore AllowableStressDefaults();

class AllowableStressForm : public FormModel {
public:
    AllowableStressForm() : FormModel(AllowableStressDefaults()) {}
};

}  // namespace stelvar
