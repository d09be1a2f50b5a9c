#pragma once
// The allowable-stress window as a window model.

#include <string_view>

#include "forms/control_store.h"
#include "forms/form_model.h"

namespace stelvar {

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
