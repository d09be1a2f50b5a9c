#pragma once
// The state of a window's controls by control name, without any widget: what a box
// shows, whether it is enabled, its colours, the choice of a selection group, the pages
// of a notebook, the cells of a grid. Window models own one store each; the engine
// reads it through the three control queries, the design-conditions file stores and
// restores it, and the Qt views mirror it.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/control_source.h"
#include "forms/colour.h"

namespace stelvar {

enum class ControlKind {
    Edit,         // edit box or labelled edit box: Text
    ComboBox,     // editable combo box: Text, Items
    CheckBox,     // Checked; FontColour is the caption colour
    RadioGroup,   // Items, ItemIndex
    PageControl,  // notebook: Items are the page captions, ItemIndex the visible page
    TabControl,   // tab strip: Items are the tabs, ItemIndex the selected tab
    TabSheet,     // one page of a notebook, shown or hidden: Visible
    StringGrid,   // Cells[row][column], row 0 and column 0 are the fixed header cells
    ListBox,      // Items, ItemIndex
    Label,        // a fixed text on a figure or beside a box: Caption, Visible
    Button,       // a push button: Caption; its click is an action of the window model
};

struct ControlState {
    ControlKind Kind = ControlKind::Edit;
    std::string Text;
    std::vector<std::string> Items;
    int ItemIndex = -1;
    bool Checked = false;
    bool Enabled = true;
    bool Visible = true;
    Colour Background = clWindow;
    Colour FontColour = clWindowText;
    std::vector<std::vector<std::string>> Cells;
    // What the control shows besides its value: the caption of a check box, selection
    // group, label, button or notebook page; the pop-up hint of a box.
    std::string Caption;
    std::string Hint;
    // Widths of a grid's columns, in pixels (empty: the view's default).
    std::vector<int> ColumnWidths;

    bool operator==(const ControlState&) const = default;
};

// A control query or change that the control cannot answer: an unknown name, a
// property the control does not have, a grid cell outside the grid.
class ControlError : public std::runtime_error {
public:
    ControlError(std::string_view name, const std::string& message)
        : std::runtime_error(message), name_(name) {}
    const std::string& Name() const { return name_; }

private:
    std::string name_;
};

class UnknownControlError : public ControlError {
public:
    explicit UnknownControlError(std::string_view name)
        : ControlError(name, "unknown control '" + std::string(name) + "'") {}
};

class ControlStore : public ControlSource {
public:
    // Adds a control; a name may be added only once.
    void Add(std::string name, ControlState state);

    bool Contains(std::string_view name) const;
    const ControlState& State(std::string_view name) const;
    // Names in the order the controls were added.
    std::vector<std::string> Names() const;

    // Control queries. Text also answers for a selection group, notebook, tab strip or
    // list box: the text of the selected item, empty when nothing is selected.
    std::string Text(std::string_view name) const override;
    int Index(std::string_view name) const override;
    bool Checked(std::string_view name) const override;

    bool Enabled(std::string_view name) const { return State(name).Enabled; }
    bool Visible(std::string_view name) const { return State(name).Visible; }
    Colour Background(std::string_view name) const { return State(name).Background; }
    Colour FontColour(std::string_view name) const { return State(name).FontColour; }
    const std::vector<std::string>& Items(std::string_view name) const;
    const std::string& Cell(std::string_view name, int row, int column) const;
    int RowCount(std::string_view name) const;
    int ColumnCount(std::string_view name) const;

    void SetText(std::string_view name, std::string_view text);
    // Like a selection control: an index past the last item selects the last item, an
    // index below -1 selects nothing (-1).
    void SetIndex(std::string_view name, int index);
    void SetChecked(std::string_view name, bool checked);
    void SetEnabled(std::string_view name, bool enabled);
    void SetVisible(std::string_view name, bool visible);
    void SetBackground(std::string_view name, Colour colour);
    void SetFontColour(std::string_view name, Colour colour);
    // Replaces the items; the selection is kept when it is still an item, else cleared.
    void SetItems(std::string_view name, std::vector<std::string> items);
    void SetCell(std::string_view name, int row, int column, std::string_view text);
    void SetColumnWidths(std::string_view name, std::vector<int> widths);

    bool operator==(const ControlStore& other) const { return controls_ == other.controls_; }

private:
    ControlState& Find(std::string_view name);
    const ControlState& Find(std::string_view name) const;
    // The position of the control in controls_, or npos.
    std::size_t Position(std::string_view name) const;
    void Hash(std::size_t position);

    std::vector<std::pair<std::string, ControlState>> controls_;
    // The engine asks for a few hundred controls by name per run and loading a file sets
    // as many: names are looked up in an open-addressing table of positions + 1 (0: free
    // slot), a power of two in size and at most half full, so that a lookup hashes the
    // name once and compares it with one or two stored names.
    std::vector<std::uint32_t> slots_;
};

}  // namespace stelvar
