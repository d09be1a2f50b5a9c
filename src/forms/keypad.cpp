#include "forms/keypad.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "forms/control_builders.h"

namespace stelvar {

ControlStore KeypadDefaults() {
    ControlStore s;
    s.Add(std::string(keypad::kEntry), controls::Edit(""));
    return s;
}

void KeypadForm::Show(int windowNumber, std::string_view control) {
    target_ = {windowNumber, std::string(control)};
    visible_ = true;
}

void KeypadForm::PressKey(std::string_view caption) {
    if (std::find(keypad::kKeys.begin(), keypad::kKeys.end(), caption) == keypad::kKeys.end())
        throw std::invalid_argument("'" + std::string(caption) + "' is not a key of the keypad");
    SetText(keypad::kEntry, EntryText() + std::string(caption));
}

void KeypadForm::Clear() { SetText(keypad::kEntry, ""); }

void KeypadForm::Cancel() {
    Clear();
    visible_ = false;
}

void KeypadForm::Post() {
    const std::string text = EntryText();
    // The keypad closes even when the window's reaction to the text fails.
    struct CloseAfterwards {
        KeypadForm& pad;
        ~CloseAfterwards() { pad.Cancel(); }
    } close{*this};

    const auto it = windows_.find(target_.Window);
    if (it == windows_.end()) return;
    FormModel& window = *it->second;
    if (!window.Controls().Contains(target_.Control)) return;
    window.SetText(target_.Control, text);
}

const std::string& KeypadForm::EntryText() const {
    return Controls().State(keypad::kEntry).Text;
}

}  // namespace stelvar
