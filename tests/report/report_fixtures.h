#pragma once
// Walls shared by the report tests.

#include "forms/design_conditions.h"

namespace stelvar::testing {

// Seismic case ("地震時土圧+躯体慣性力", kh 0.2) with water 1.0 m, passive earth
// pressure (H0 0.8 m) and a shear key 400 × 300 mm at 1000 mm from the toe.
inline DesignConditionsForm SeismicWaterPassiveKeyWall() {
    DesignConditionsForm form;
    form.SetIndex("RadioGroup5", 1);
    form.SetIndex("RadioGroup9", 1);
    form.SetText("Edit61", "0.2");
    form.SetChecked("CheckBox3", true);
    form.SetText("Edit62", "1.0");
    form.SetText("ComboBox8", "9.8");
    form.SetChecked("CheckBox9", true);
    form.SetText("Edit54", "0.8");
    form.SetIndex("RadioGroup2", 1);
    form.SetText("Edit35", "1000");
    form.SetText("Edit40", "400");
    form.SetText("Edit41", "300");
    return form;
}

}  // namespace stelvar::testing
