#pragma once
// The calculation document between runs: the results window's named list boxes, string
// grids and charts. Report writers fill it; the results window, the printed report and
// the exports only read it.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "report/chart.h"

namespace stelvar {

struct ListBoxContent {
    std::vector<std::string> Lines;
    void Clear() { Lines.clear(); }
    void Add(std::string line) { Lines.push_back(std::move(line)); }
};

struct StringGridContent {
    int ColCount = 5;
    int RowCount = 5;
    int DefaultColWidth = 64;
    int DefaultRowHeight = 18;
    std::vector<int> ColWidths;                  // ColCount entries
    std::vector<std::vector<std::string>> Cells;  // [row][col]

    void Resize(int cols, int rows);  // keeps the cells that still fit
    void SetColWidth(int col, int width);
    int ColWidth(int col) const;
    const std::string& Cell(int col, int row) const;  // Cells[row][col]; "" outside
    void SetCell(int col, int row, std::string text);  // grows the grid when needed
    // Writes the comma-separated texts into row `row` from column 0 on.
    void SetRowText(int row, std::string_view commaText);
    // Writes the comma-separated texts into column `col` from row 0 on.
    void SetColText(int col, std::string_view commaText);
};

class ResultsStore {
public:
    ResultsStore();  // every list box, grid and chart of the results window, empty

    ListBoxContent& List(std::string_view name);
    const ListBoxContent& List(std::string_view name) const;
    StringGridContent& Grid(std::string_view name);
    const StringGridContent& Grid(std::string_view name) const;
    Chart& GetChart(std::string_view name);
    const Chart& GetChart(std::string_view name) const;

    bool HasList(std::string_view name) const;
    bool HasGrid(std::string_view name) const;
    bool HasChart(std::string_view name) const;

    // Free texts of the window that report writers set (verdict captions and colours).
    struct Caption {
        std::string Text;
        Colour FontColour{0x000000};
    };
    Caption& GetCaption(std::string_view name);
    const Caption& GetCaption(std::string_view name) const;
    // The caption when a report writer has set it, else nullptr.
    const Caption* FindCaption(std::string_view name) const;

private:
    std::map<std::string, ListBoxContent, std::less<>> lists_;
    std::map<std::string, StringGridContent, std::less<>> grids_;
    std::map<std::string, Chart, std::less<>> charts_;
    std::map<std::string, Caption, std::less<>> captions_;
};

}  // namespace stelvar
