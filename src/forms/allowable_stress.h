#pragma once
// The allowable-stress window as a window model: the design strength of the concrete
// and the design case give the three allowable stresses of the plain-concrete members,
// which the user may overwrite and then copies into the design-conditions window.

#include <string>
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

// Allowable stresses of plain concrete (N/mm2). They are kept in single precision, as
// the window has always held them: the rounding of the shown two decimals depends on it
// (σck 18 gives σcat 0.225 → 0.22, and seismic τca 0.495 → 0.50).
struct AllowableStresses {
    float SigmaCa = 0;   // compression
    float SigmaCat = 0;  // tension
    float TauCa = 0;     // shear
};

// σca = min(5.5, σck/4), σcat = min(0.3, σck/80), τca = σck/100 + 0.15, each then
// raised by half for the seismic case.
AllowableStresses ComputeAllowableStresses(double sigmaCk, bool seismic);

// A number with two decimals, rounded half away from zero on its 18-digit decimal
// expansion ("0.00" of the report's number format).
std::string FormatTwoDecimals(double value);

class AllowableStressForm : public FormModel {
public:
    AllowableStressForm() : FormModel(AllowableStressDefaults()) {}

    // Choosing another strength or design case recomputes the three boxes; anything
    // typed into them before is replaced. Choosing the item already selected changes
    // nothing.
    void SetIndex(std::string_view name, int index) override;

    // "設計条件に転記": the selected strength into `Edit50` and the three boxes into
    // `Edit23`, `Edit24`, `Edit25` of the design-conditions window, through its own
    // setters so that its reactions run; then the window hides.
    void TransferToDesignConditions(FormModel& conditions);

    // "取　消": hides the window; its selections and box texts are kept.
    void Cancel() { visible_ = false; }

    void Show() { visible_ = true; }
    bool Visible() const { return visible_; }

private:
    void Recompute();

    bool visible_ = false;
};

}  // namespace stelvar
