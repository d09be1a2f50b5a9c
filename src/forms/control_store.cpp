#include "forms/control_store.h"

namespace stelvar {
namespace {

bool HasText(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::ComboBox;
}

bool HasSelection(ControlKind kind) {
    return kind == ControlKind::RadioGroup || kind == ControlKind::PageControl ||
           kind == ControlKind::TabControl || kind == ControlKind::ListBox;
}

bool HasItems(ControlKind kind) { return kind == ControlKind::ComboBox || HasSelection(kind); }

[[noreturn]] void ThrowLacks(std::string_view name, const char* what) {
    throw ControlError(name, "control '" + std::string(name) + "' has no " + what);
}

void CheckCell(std::string_view name, const ControlState& grid, int row, int column) {
    if (grid.Kind != ControlKind::StringGrid) ThrowLacks(name, "cells");
    if (row < 0 || column < 0 || static_cast<std::size_t>(row) >= grid.Cells.size() ||
        static_cast<std::size_t>(column) >= grid.Cells[static_cast<std::size_t>(row)].size())
        throw ControlError(name, "cell (" + std::to_string(row) + ", " +
                                     std::to_string(column) + ") is outside the grid '" +
                                     std::string(name) + "'");
}

}  // namespace

void ControlStore::Add(std::string name, ControlState state) {
    if (byName_.count(name) != 0)
        throw ControlError(name, "control '" + name + "' exists already");
    byName_.emplace(name, controls_.size());
    controls_.emplace_back(std::move(name), std::move(state));
}

bool ControlStore::Contains(std::string_view name) const {
    return byName_.find(name) != byName_.end();
}

const ControlState& ControlStore::State(std::string_view name) const { return Find(name); }

std::vector<std::string> ControlStore::Names() const {
    std::vector<std::string> names;
    names.reserve(controls_.size());
    for (const auto& control : controls_) names.push_back(control.first);
    return names;
}

ControlState& ControlStore::Find(std::string_view name) {
    auto it = byName_.find(name);
    if (it == byName_.end()) throw UnknownControlError(name);
    return controls_[it->second].second;
}

const ControlState& ControlStore::Find(std::string_view name) const {
    auto it = byName_.find(name);
    if (it == byName_.end()) throw UnknownControlError(name);
    return controls_[it->second].second;
}

std::string ControlStore::Text(std::string_view name) const {
    const ControlState& c = Find(name);
    if (HasText(c.Kind)) return c.Text;
    if (!HasSelection(c.Kind)) ThrowLacks(name, "text");
    if (c.ItemIndex < 0 || static_cast<std::size_t>(c.ItemIndex) >= c.Items.size()) return {};
    return c.Items[static_cast<std::size_t>(c.ItemIndex)];
}

int ControlStore::Index(std::string_view name) const {
    const ControlState& c = Find(name);
    if (!HasSelection(c.Kind)) ThrowLacks(name, "selection index");
    return c.ItemIndex;
}

bool ControlStore::Checked(std::string_view name) const {
    const ControlState& c = Find(name);
    if (c.Kind != ControlKind::CheckBox) ThrowLacks(name, "check state");
    return c.Checked;
}

const std::vector<std::string>& ControlStore::Items(std::string_view name) const {
    const ControlState& c = Find(name);
    if (!HasItems(c.Kind)) ThrowLacks(name, "items");
    return c.Items;
}

const std::string& ControlStore::Cell(std::string_view name, int row, int column) const {
    const ControlState& c = Find(name);
    CheckCell(name, c, row, column);
    return c.Cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

int ControlStore::RowCount(std::string_view name) const {
    const ControlState& c = Find(name);
    if (c.Kind != ControlKind::StringGrid) ThrowLacks(name, "cells");
    return static_cast<int>(c.Cells.size());
}

int ControlStore::ColumnCount(std::string_view name) const {
    const ControlState& c = Find(name);
    if (c.Kind != ControlKind::StringGrid) ThrowLacks(name, "cells");
    return c.Cells.empty() ? 0 : static_cast<int>(c.Cells.front().size());
}

void ControlStore::SetText(std::string_view name, std::string_view text) {
    ControlState& c = Find(name);
    if (!HasText(c.Kind)) ThrowLacks(name, "text");
    c.Text = text;
}

void ControlStore::SetIndex(std::string_view name, int index) {
    ControlState& c = Find(name);
    if (!HasSelection(c.Kind)) ThrowLacks(name, "selection index");
    const int last = static_cast<int>(c.Items.size()) - 1;
    c.ItemIndex = index > last ? last : index < -1 ? -1 : index;
}

void ControlStore::SetChecked(std::string_view name, bool checked) {
    ControlState& c = Find(name);
    if (c.Kind != ControlKind::CheckBox) ThrowLacks(name, "check state");
    c.Checked = checked;
}

void ControlStore::SetEnabled(std::string_view name, bool enabled) { Find(name).Enabled = enabled; }

void ControlStore::SetVisible(std::string_view name, bool visible) { Find(name).Visible = visible; }

void ControlStore::SetBackground(std::string_view name, Colour colour) {
    Find(name).Background = colour;
}

void ControlStore::SetFontColour(std::string_view name, Colour colour) {
    Find(name).FontColour = colour;
}

void ControlStore::SetItems(std::string_view name, std::vector<std::string> items) {
    ControlState& c = Find(name);
    if (!HasItems(c.Kind)) ThrowLacks(name, "items");
    c.Items = std::move(items);
    if (c.ItemIndex >= static_cast<int>(c.Items.size())) c.ItemIndex = -1;
}

void ControlStore::SetCell(std::string_view name, int row, int column, std::string_view text) {
    ControlState& c = Find(name);
    CheckCell(name, c, row, column);
    c.Cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
}

void ControlStore::SetColumnWidths(std::string_view name, std::vector<int> widths) {
    ControlState& c = Find(name);
    if (c.Kind != ControlKind::StringGrid) ThrowLacks(name, "cells");
    c.ColumnWidths = std::move(widths);
}

}  // namespace stelvar
