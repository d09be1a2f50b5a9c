#include "run/run_driver.h"

#include <exception>
#include <string_view>
#include <utility>

#include "run/validation.h"

namespace stelvar {

std::string LoadCombinationQuestion(const ControlSource& c) {
    const auto line = [](bool on, std::string_view yes, std::string_view no) {
        return std::string(on ? yes : no);
    };
    std::string q = "[荷重組合せ]は正しいですか。";
    q += "\r\r";
    q += line(c.Checked("CheckBox1"), "1.[載荷重]   =有り", "1.[載荷重]   =無し") + "\r";
    q += line(c.Checked("CheckBox4"), "2.[雪荷重]   =有り", "2.[雪荷重]   =無し") + "\r";
    q += line(c.Index("RadioGroup5") == 1, "3.[地震時]", "3.[常   時]") + "\r";
    q += line(c.Checked("CheckBox9"), "4.[受働土圧]=有り", "4.[受働土圧]=無し") + "\r";
    q += line(c.Checked("CheckBox3"), "5.[水圧浮力]=有り", "5.[水圧浮力]=無し") + "\r";
    q += line(c.Checked("CheckBox5"), "6.[風荷重   ]=有り", "6.[風荷重   ]=無し") + "\r";
    q += line(c.Checked("CheckBox6"), "7.[衝突荷重]=有り", "7.[衝突荷重]=無し");
    return q;
}

RunDriver::RunDriver(const ControlSource& conditions, const ControlSource& allowableStress,
                     Dialogs& dialogs, RunStep run)
    : conditions_(conditions),
      allowableStress_(allowableStress),
      dialogs_(dialogs),
      run_(std::move(run)) {}

RunStatus RunDriver::ConfirmAndRun() {
    HideResults();
    if (!dialogs_.Confirm(LoadCombinationQuestion(conditions_))) return RunStatus::Declined;
    return Run();
}

RunStatus RunDriver::Run() {
    try {
        if (ValidateInputs(conditions_, allowableStress_, dialogs_)) return RunStatus::Refused;
    } catch (const std::exception& e) {
        dialogs_.Message(e.what());
        return RunStatus::Refused;
    }
    try {
        run_();
    } catch (const std::exception& e) {
        dialogs_.Message(e.what());
        return RunStatus::Failed;
    }
    ShowResults();
    return RunStatus::Completed;
}

}  // namespace stelvar
