#pragma once
// Builders for the initial state of window controls, shared by the window models.

#include <string>
#include <utility>
#include <vector>

#include "forms/control_store.h"

namespace stelvar::controls {

using Items = std::vector<std::string>;

// An input box: enabled boxes have the window colour, disabled ones are silver.
inline ControlState Box(ControlKind kind, std::string text, bool enabled, Items items = {}) {
    ControlState c;
    c.Kind = kind;
    c.Text = std::move(text);
    c.Items = std::move(items);
    c.Enabled = enabled;
    c.Background = enabled ? clWindow : clSilver;
    return c;
}

inline ControlState Edit(std::string text) { return Box(ControlKind::Edit, std::move(text), true); }
inline ControlState DisabledEdit(std::string text) {
    return Box(ControlKind::Edit, std::move(text), false);
}
inline ControlState Combo(std::string text, Items items, bool enabled) {
    return Box(ControlKind::ComboBox, std::move(text), enabled, std::move(items));
}

// A check box: a checked load switch has a maroon caption, a cleared one a black caption.
inline ControlState Check(bool checked, bool enabled = true) {
    ControlState c;
    c.Kind = ControlKind::CheckBox;
    c.Checked = checked;
    c.Enabled = enabled;
    c.Background = clBtnFace;
    c.FontColour = checked ? clMaroon : clBlack;
    return c;
}

inline ControlState Selection(ControlKind kind, Items items, int index, bool enabled = true) {
    ControlState c;
    c.Kind = kind;
    c.Items = std::move(items);
    c.ItemIndex = index;
    c.Enabled = enabled;
    c.Background = clBtnFace;
    return c;
}

inline ControlState Group(Items items, int index, bool enabled = true) {
    return Selection(ControlKind::RadioGroup, std::move(items), index, enabled);
}

inline ControlState Sheet(bool visible) {
    ControlState c;
    c.Kind = ControlKind::TabSheet;
    c.Visible = visible;
    c.Background = clBtnFace;
    return c;
}

inline ControlState Grid(std::vector<Items> cells, Colour background) {
    ControlState c;
    c.Kind = ControlKind::StringGrid;
    c.Cells = std::move(cells);
    c.Background = background;
    return c;
}

inline ControlState List(Colour background) {
    ControlState c;
    c.Kind = ControlKind::ListBox;
    c.Background = background;
    return c;
}

// A fixed text, shown or hidden.
inline ControlState Label(std::string caption, bool visible = true) {
    ControlState c;
    c.Kind = ControlKind::Label;
    c.Caption = std::move(caption);
    c.Visible = visible;
    c.Background = clBtnFace;
    return c;
}

inline ControlState Button(std::string caption) {
    ControlState c;
    c.Kind = ControlKind::Button;
    c.Caption = std::move(caption);
    c.Background = clBtnFace;
    return c;
}

// The same control with a caption (check box, selection group, notebook page).
inline ControlState Captioned(std::string caption, ControlState c) {
    c.Caption = std::move(caption);
    return c;
}

// The same control with a pop-up hint.
inline ControlState Hinted(std::string hint, ControlState c) {
    c.Hint = std::move(hint);
    return c;
}

// "1.0", "1.1", ... in tenths, both ends included.
inline Items Tenths(int firstTenths, int lastTenths, int step) {
    Items items;
    for (int t = firstTenths; t <= lastTenths; t += step)
        items.push_back(std::to_string(t / 10) + "." + std::to_string(t % 10));
    return items;
}


}  // namespace stelvar::controls
