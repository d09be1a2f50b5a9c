#pragma once
// Laying out the results window: the one-time set-up of its tables (header row, first
// column, column widths, row counts), charts (titles, axis titles, legends) and
// pre-created chart series, the fixed notes of the load page, and the resets a run
// makes before it writes the document.

#include <array>
#include <string_view>

#include "report/results_store.h"

namespace stelvar {

// The grids whose data cells a run resets to "---" before it writes them.
inline constexpr std::array<std::string_view, 11> kResultGrids = {
    "StringGrid1", "StringGrid2",  "StringGrid3",  "StringGrid4",  "StringGrid5", "StringGrid6",
    "StringGrid7", "StringGrid10", "StringGrid11", "StringGrid12", "StringGrid15"};

// What a data cell shows until a report writer fills it.
inline constexpr std::string_view kNoValueText = "---";

// The fixed notes "摘要" of the load page.
inline constexpr std::string_view kLoadNote1 = "◎土塊上の載荷重、雪荷重は    土圧に含む";
inline constexpr std::string_view kLoadNote2 = "◎水平力の合計値には、受働    土圧を含まない";

// One-time set-up of the results window, done when the program starts. `wallType` is
// the wall type selected in the design-conditions window at that moment (0 gravity,
// 1 leaning); it lays out the stem force tables StringGrid1 and StringGrid5 until a run
// lays them out for its own wall.
void SetUpResultsWindow(ResultsStore& store, int wallType = 0);

// The layout of a stem section-force table (StringGrid1, StringGrid5) for a wall type:
// column widths, the header row, the row count (6 gravity, 7 leaning) and column 0
// from `firstCell` ("H=1/2" or "固定部") on. Other cells are kept where they still fit.
void LayOutStemForceGrid(StringGridContent& grid, std::string_view firstCell, int wallType);

// A run whose member design does not run writes no stem section, so the stem force
// tables (StringGrid1, StringGrid5) would keep an earlier run's: its section depth in
// the corner cell ("H=4.50m") and its wall's rows. A table that a run has written is laid
// out again for `wallType`, with "---" in every data cell; a table still as the one-time
// set-up left it (its first name in the corner) is kept as it is.
void ClearWrittenStemForceGrids(ResultsStore& store, int wallType);

// Before a run: "---" into every cell outside the first row and the first column of
// each grid of kResultGrids, over the grid's current size.
void ResetResultGrids(ResultsStore& store);

// Before the calculation sequence: the structural self-weight text (ListBox21) is
// cleared and every series of the ground-reaction chart (Chart11) emptied.
void ClearBeforeCalculation(ResultsStore& store);

}  // namespace stelvar
