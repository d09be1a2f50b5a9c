#pragma once
// The contents of the coefficient tool: the table and chart of the earth-pressure
// coefficients of a wall behind an embankment of limited height, against the
// embankment ratio H1/H, and the tables and charts of the bearing capacity factors Nc,
// Nq and Nγ for an inclined load. Computed with the engine's trial-wedge search and
// bearing-factor functions; nothing here touches the design or the results window.

#include <string_view>

#include "engine/control_source.h"
#include "report/chart.h"
#include "report/results_store.h"

namespace stelvar {

namespace coefficient_tables {
inline constexpr std::string_view kEarthPressureGrid = "StringGrid1";
inline constexpr std::string_view kEarthPressureChart = "Chart1";
inline constexpr std::string_view kEarthPressureHeader = "嵩上げ盛土比　H1/H";  // Header1
inline constexpr std::string_view kNcGrid = "StringGrid3";
inline constexpr std::string_view kNcChart = "Chart3";
inline constexpr std::string_view kNqGrid = "StringGrid2";
inline constexpr std::string_view kNqChart = "Chart4";
inline constexpr std::string_view kNgammaGrid = "StringGrid4";
inline constexpr std::string_view kNgammaChart = "Chart2";

// The embankment slopes 1:N of the table, top to bottom, and the unit wall height.
inline constexpr double kSlopes[] = {1.5, 1.8, 2.0, 3.0};
inline constexpr double kWallHeight = 1.0;
// Series of Chart1 per slope: horizontal and vertical coefficient.
inline constexpr std::string_view kHorizontalSeries[] = {"Series1", "Series3", "Series5", "Series7"};
inline constexpr std::string_view kVerticalSeries[] = {"Series2", "Series4", "Series6", "Series8"};
}  // namespace coefficient_tables

// The tool's grids and charts by their control names, laid out as the window shows them
// (sizes, fixed texts of the factor charts, series in drawing order), all empty.
struct CoefficientTables {
    CoefficientTables();

    StringGridContent StringGrid1;  // earth-pressure coefficients, 13 × 13
    Chart Chart1;                   // "H1/H～土圧係数"
    StringGridContent StringGrid3;  // Nc
    Chart Chart3;
    StringGridContent StringGrid2;  // Nq
    Chart Chart4;
    StringGridContent StringGrid4;  // Nγ
    Chart Chart2;

    // By control name; std::out_of_range for another name.
    StringGridContent& Grid(std::string_view name);
    const StringGridContent& Grid(std::string_view name) const;
    Chart& GetChart(std::string_view name);
    const Chart& GetChart(std::string_view name) const;
};

// The fixed cells of the earth-pressure table: "勾配", "係数", the slopes "1:1.5" …
// "1:3.0" in the first row of their groups and "Ka", "Kah", "Kav" in each group.
void WriteCoefficientTableHeaders(CoefficientTables& tables);

// The earth-pressure coefficients for the settings of the tool (`tool`: the controls of
// the coefficient-tool form) with a fresh TKeisu: for h1 = 0, 0.1, … (13 heights, the
// ratio columns of the table take the first eleven) and each slope, the trial-wedge
// search on a unit wall behind an embankment h1 high. The crack-height option is the
// design-conditions window's check box `CheckBox7` (`conditions`). A box that holds no
// number raises ConversionError before anything is changed.
void ComputeCoefficientTable(CoefficientTables& tables, const ControlSource& tool,
                             const ControlSource& conditions);

// The three bearing-factor pages: for φ = 0°, 5°, … 45° the factor against the load
// inclination θ = 0° … 50° until it has no value, as curves (one per φ, with the end
// points joined by a second series) and as tables of θ = 0° … 45° in steps of 5°.
void ComputeBearingFactorTables(CoefficientTables& tables);

}  // namespace stelvar
