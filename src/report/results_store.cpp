#include "report/results_store.h"

#include <algorithm>
#include <stdexcept>

namespace stelvar {
namespace {

const char* const kListNames[] = {"ListBox20", "ListBox7", "ListBox10", "ListBox6", "ListBox21",
                                  "ListBox1",  "ListBox2", "ListBox3",  "ListBox4", "ListBox5",
                                  "ListBox23", "ListBox12", "ListBox8", "ListBox19", "ListBox14",
                                  "ListBox9",  "ListBox11", "ListBox13"};
const char* const kGridNames[] = {"StringGrid2", "StringGrid4", "StringGrid6",  "StringGrid5",
                                  "StringGrid1", "StringGrid3", "StringGrid11", "StringGrid7",
                                  "StringGrid10", "StringGrid12", "StringGrid15"};
const char* const kChartNames[] = {"Chart2", "Chart4", "Chart12", "Chart5", "Chart11",
                                   "Chart1", "Chart3", "Chart6",  "Chart7", "Chart8"};

template <class Map>
auto& Lookup(Map& map, std::string_view name, const char* kind) {
    auto it = map.find(name);
    if (it == map.end())
        throw std::out_of_range(std::string("the results window has no ") + kind + " '" +
                                std::string(name) + "'");
    return it->second;
}

std::vector<std::string> SplitComma(std::string_view text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        parts.emplace_back(text.substr(start, comma == std::string_view::npos ? text.npos
                                                                               : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return parts;
}

}  // namespace

void StringGridContent::Resize(int cols, int rows) {
    ColCount = std::max(cols, 0);
    RowCount = std::max(rows, 0);
    cols = ColCount;
    rows = RowCount;
    ColWidths.resize(static_cast<std::size_t>(cols), DefaultColWidth);
    Cells.resize(static_cast<std::size_t>(rows));
    for (auto& row : Cells) row.resize(static_cast<std::size_t>(cols));
}

void StringGridContent::SetColWidth(int col, int width) {
    if (col < 0) throw std::out_of_range("grid column outside the grid");
    // ColCount and RowCount are public: make the storage agree with them first.
    Resize(std::max(ColCount, col + 1), RowCount);
    ColWidths[static_cast<std::size_t>(col)] = width;
}

int StringGridContent::ColWidth(int col) const {
    if (col < 0 || col >= static_cast<int>(ColWidths.size())) return DefaultColWidth;
    return ColWidths[static_cast<std::size_t>(col)];
}

const std::string& StringGridContent::Cell(int col, int row) const {
    static const std::string empty;
    if (row < 0 || col < 0 || row >= static_cast<int>(Cells.size())) return empty;
    const auto& r = Cells[static_cast<std::size_t>(row)];
    if (col >= static_cast<int>(r.size())) return empty;
    return r[static_cast<std::size_t>(col)];
}

void StringGridContent::SetCell(int col, int row, std::string text) {
    if (col < 0 || row < 0) throw std::out_of_range("grid cell outside the grid");
    // ColCount and RowCount are public and may have been changed directly: the storage
    // always follows them before a cell is written.
    Resize(std::max(ColCount, col + 1), std::max(RowCount, row + 1));
    Cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = std::move(text);
}

void StringGridContent::SetRowText(int row, std::string_view commaText) {
    int col = 0;
    for (std::string& part : SplitComma(commaText)) SetCell(col++, row, std::move(part));
}

void StringGridContent::SetColText(int col, std::string_view commaText) {
    int row = 0;
    for (std::string& part : SplitComma(commaText)) SetCell(col, row++, std::move(part));
}

ResultsStore::ResultsStore() {
    for (const char* n : kListNames) lists_.emplace(n, ListBoxContent{});
    for (const char* n : kGridNames) {
        StringGridContent g;
        g.Resize(5, 5);
        grids_.emplace(n, std::move(g));
    }
    for (const char* n : kChartNames) {
        Chart c;
        c.Name = n;
        charts_.emplace(n, std::move(c));
    }
}

ListBoxContent& ResultsStore::List(std::string_view n) { return Lookup(lists_, n, "list box"); }
const ListBoxContent& ResultsStore::List(std::string_view n) const {
    return Lookup(lists_, n, "list box");
}
StringGridContent& ResultsStore::Grid(std::string_view n) { return Lookup(grids_, n, "grid"); }
const StringGridContent& ResultsStore::Grid(std::string_view n) const {
    return Lookup(grids_, n, "grid");
}
Chart& ResultsStore::GetChart(std::string_view n) { return Lookup(charts_, n, "chart"); }
const Chart& ResultsStore::GetChart(std::string_view n) const { return Lookup(charts_, n, "chart"); }

bool ResultsStore::HasList(std::string_view n) const { return lists_.find(n) != lists_.end(); }
bool ResultsStore::HasGrid(std::string_view n) const { return grids_.find(n) != grids_.end(); }
bool ResultsStore::HasChart(std::string_view n) const { return charts_.find(n) != charts_.end(); }

ResultsStore::Caption& ResultsStore::GetCaption(std::string_view n) {
    auto it = captions_.find(n);
    if (it == captions_.end()) it = captions_.emplace(std::string(n), Caption{}).first;
    return it->second;
}
const ResultsStore::Caption& ResultsStore::GetCaption(std::string_view n) const {
    return Lookup(captions_, n, "caption");
}

const ResultsStore::Caption* ResultsStore::FindCaption(std::string_view n) const {
    auto it = captions_.find(n);
    return it == captions_.end() ? nullptr : &it->second;
}

}  // namespace stelvar
