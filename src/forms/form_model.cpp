#include "forms/form_model.h"

#include <optional>
#include <string>

#include "text/number.h"

namespace stelvar {
namespace {

std::optional<bool> ParseCheckState(std::string_view value) {
    std::string lower(value);
    for (char& ch : lower)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    if (lower == "true" || lower == "1") return true;
    if (lower == "false" || lower == "0") return false;
    return std::nullopt;
}

}  // namespace

void FormModel::SetText(std::string_view name, std::string_view text) {
    controls_.SetText(name, text);
}

void FormModel::SetIndex(std::string_view name, int index) { controls_.SetIndex(name, index); }

void FormModel::SetChecked(std::string_view name, bool checked) {
    controls_.SetChecked(name, checked);
}

void FormModel::SetEnabled(std::string_view name, bool enabled) {
    controls_.SetEnabled(name, enabled);
}

void FormModel::SetBackground(std::string_view name, Colour colour) {
    controls_.SetBackground(name, colour);
}

void FormModel::SetFontColour(std::string_view name, Colour colour) {
    controls_.SetFontColour(name, colour);
}

void FormModel::SetCell(std::string_view name, int row, int column, std::string_view text) {
    controls_.SetCell(name, row, column, text);
}

void FormModel::SetValue(std::string_view name, std::string_view value) {
    switch (controls_.State(name).Kind) {
    case ControlKind::Edit:
    case ControlKind::ComboBox:
        SetText(name, value);
        return;
    case ControlKind::RadioGroup:
    case ControlKind::PageControl:
    case ControlKind::TabControl:
    case ControlKind::ListBox:
        SetIndex(name, StrToInt(value));
        return;
    case ControlKind::CheckBox:
        if (const std::optional<bool> state = ParseCheckState(value)) {
            SetChecked(name, *state);
            return;
        }
        throw ControlError(name, "'" + std::string(value) + "' is not a check state for '" +
                                     std::string(name) + "' (TRUE/FALSE, true/false or 1/0)");
    case ControlKind::TabSheet:
    case ControlKind::StringGrid:
    case ControlKind::Label:
    case ControlKind::Button:
        break;
    }
    throw ControlError(name, "control '" + std::string(name) + "' takes no single value");
}

}  // namespace stelvar
