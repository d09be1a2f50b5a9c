#pragma once
// A window model: one control store and the changes made to it as the user makes them.
// Every change from outside the window (a loaded design-conditions file, a value set
// on the command line, a helper window writing into a box) goes through these virtual
// setters, so a window whose controls react to each other overrides them and runs its
// reactions after the store has taken the value.

#include <string_view>

#include "forms/control_store.h"

namespace stelvar {

class FormModel {
public:
    explicit FormModel(ControlStore controls) : controls_(std::move(controls)) {}
    virtual ~FormModel() = default;
    FormModel(const FormModel&) = default;
    FormModel& operator=(const FormModel&) = default;
    FormModel(FormModel&&) = default;
    FormModel& operator=(FormModel&&) = default;

    // The controls as they stand; also the source of the engine's control queries.
    const ControlStore& Controls() const { return controls_; }

    virtual void SetText(std::string_view name, std::string_view text);
    virtual void SetIndex(std::string_view name, int index);
    virtual void SetChecked(std::string_view name, bool checked);
    virtual void SetEnabled(std::string_view name, bool enabled);
    virtual void SetBackground(std::string_view name, Colour colour);
    virtual void SetFontColour(std::string_view name, Colour colour);
    virtual void SetCell(std::string_view name, int row, int column, std::string_view text);

    // Sets a control from a "Name=value" text: the text of an edit or combo box, the
    // index of a selection group, notebook or tab strip ("'%s' is not a valid integer
    // value" when it is not a whole number), a check state for a check box: TRUE/FALSE,
    // true/false or 1/0 in any letter case, as people type them.
    void SetValue(std::string_view name, std::string_view value);

protected:
    ControlStore& MutableControls() { return controls_; }

private:
    ControlStore controls_;
};

}  // namespace stelvar
