#pragma once
// The on-screen numeric keypad as a window model. A click on an entry box opens it for
// that box; the keys build a text, and "転記" writes the text into the box as if the
// user had typed it there. The text is not checked here: a box holding something that
// is not a number is reported when the calculation starts.

#include <array>
#include <map>
#include <string>
#include <string_view>

#include "forms/control_store.h"
#include "forms/form_model.h"

namespace stelvar {

namespace keypad {
inline constexpr std::string_view kEntry = "Edit1";  // the text being built
// The keys of the group "Ten_Key", in their order on the pad.
inline constexpr std::array<std::string_view, 11> kKeys = {"7", "8", "9", "4", "5", "6",
                                                           "1", "2", "3", "0", "."};
// Window numbers of the windows whose boxes open the keypad.
inline constexpr int kDesignConditionsWindow = 5;
inline constexpr int kAllowableStressWindow = 9;
}  // namespace keypad

ControlStore KeypadDefaults();

// The box the keypad writes into: a window by its number and a control of it.
struct KeypadTarget {
    int Window = 0;
    std::string Control;

    bool operator==(const KeypadTarget&) const = default;
};

class KeypadForm : public FormModel {
public:
    KeypadForm() : FormModel(KeypadDefaults()) {}

    // Makes a window reachable under its number. The window must outlive the keypad
    // (every window lives as long as the program).
    void Register(int windowNumber, FormModel& window) { windows_[windowNumber] = &window; }

    // Opens the keypad for one box (`ShowKeypad`): replaces the target, keeps the text.
    void Show(int windowNumber, std::string_view control);

    // A digit key or "." appends its caption to the text. Throws std::invalid_argument
    // for a caption that is not a key of the pad.
    void PressKey(std::string_view caption);
    // "CLS": empties the text.
    void Clear();
    // "取消": empties the text and hides the keypad.
    void Cancel();
    // "転記": writes the text into the target box when its window is registered and has
    // that control, through the window's own setter; then empties the text and hides
    // the keypad, also when nothing was written or the window refused the text.
    void Post();

    const std::string& EntryText() const;
    const KeypadTarget& Target() const { return target_; }
    bool Visible() const { return visible_; }

private:
    std::map<int, FormModel*> windows_;
    KeypadTarget target_;
    bool visible_ = false;
};

}  // namespace stelvar
