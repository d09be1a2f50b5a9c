#include "forms/control_store.h"

#include <algorithm>

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

namespace {

// FNV-1a: short control names spread well and cost a multiply per letter.
std::size_t NameHash(std::string_view name) {
    std::uint64_t h = 14695981039346656037ull;
    for (const char ch : name) {
        h ^= static_cast<unsigned char>(ch);
        h *= 1099511628211ull;
    }
    return static_cast<std::size_t>(h);
}

}  // namespace

void ControlStore::Hash(std::size_t position) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = NameHash(controls_[position].first) & mask;
    while (slots_[slot] != 0) slot = (slot + 1) & mask;
    slots_[slot] = static_cast<std::uint32_t>(position + 1);
}

std::size_t ControlStore::Position(std::string_view name) const {
    if (slots_.empty()) return std::string_view::npos;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = NameHash(name) & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t entry = slots_[slot];
        if (entry == 0) return std::string_view::npos;
        if (controls_[entry - 1].first == name) return entry - 1;
    }
}

void ControlStore::Add(std::string name, ControlState state) {
    if (Contains(name))
        throw ControlError(name, "control '" + name + "' exists already");
    controls_.emplace_back(std::move(name), std::move(state));
    if (controls_.size() * 2 > slots_.size()) {
        slots_.assign(std::max<std::size_t>(64, slots_.size() * 2), 0);
        for (std::size_t position = 0; position < controls_.size(); ++position) Hash(position);
    } else {
        Hash(controls_.size() - 1);
    }
}

bool ControlStore::Contains(std::string_view name) const {
    return Position(name) != std::string_view::npos;
}

const ControlState& ControlStore::State(std::string_view name) const { return Find(name); }

std::vector<std::string> ControlStore::Names() const {
    std::vector<std::string> names;
    names.reserve(controls_.size());
    for (const auto& control : controls_) names.push_back(control.first);
    return names;
}

ControlState& ControlStore::Find(std::string_view name) {
    const std::size_t position = Position(name);
    if (position == std::string_view::npos) throw UnknownControlError(name);
    return controls_[position].second;
}

const ControlState& ControlStore::Find(std::string_view name) const {
    const std::size_t position = Position(name);
    if (position == std::string_view::npos) throw UnknownControlError(name);
    return controls_[position].second;
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
