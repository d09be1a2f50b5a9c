#pragma once
// The report writers of the calculation document: each reads the calculation object
// after the stability stage and fills its list boxes, grids and charts of the results
// store. None of them changes an engine result.

#include <string>
#include <string_view>

#include "engine/antei.h"
#include "engine/control_source.h"
#include "report/results_store.h"

namespace stelvar {

// Page-number captions of the printed slab pages that the table of contents sets
// (toe slab, heel slab, shear key). They keep the value of the last run that set them.
inline constexpr std::string_view kToePageNumber = "TForm14.QRLabel2";
inline constexpr std::string_view kHeelPageNumber = "TForm20.QRLabel2";
inline constexpr std::string_view kKeyPageNumber = "TForm21.QRLabel2";

// Table of contents (ListBox20), section "Ⅰ.設計条件" (ListBox7, ListBox10) and the
// dimensioned wall figure (Chart2). A few texts are shown as typed (the design seismic
// coefficient, the effective embedment length, the collision height) and a few choices
// are not part of the record, so the window's controls are read as well.
void WriteDesignConditions(TAntei& a, const ControlSource& controls, ResultsStore& store,
                           std::string_view projectTitle);

// Self-weight by the coordinate method: tab "安定計算用" (ListBox6, StringGrid2, Chart4)
// and tab "底版構造計算用" (ListBox21, StringGrid4, Chart12).
void WriteSelfWeightReport(TAntei& a, ResultsStore& store);

// Earth pressure (ListBox1) with the slip-angle chart (Chart5) and the other loads
// (ListBox2). Must run on the earth-pressure results of the whole-wall search.
void WriteEarthPressureReport(TAntei& a, ResultsStore& store);

// The loads at the base (StringGrid6). Rows without a load keep the run's "---".
void WriteLoadTable(const TAntei& a, ResultsStore& store);

// Marker of a grid cell that has no value; such a cell shows "---".
inline constexpr double kNoValue = -99.0;

// A grid cell written from a number: "---" for the no-value marker.
std::string GridNumber(std::string_view pattern, double value);

// Verdict caption of a stability group box: base[index] + "( " + verdict + " )" with
// base "-", "1.滑動に対する安定", "2.転倒に対する安定", "3.支持力に対する安定",
// "4.鉛直支持力の照査". "OK" turns the caption blue, "NO" red; any other verdict keeps
// the colour it had. Throws std::out_of_range for an index outside 0..4.
void SetVerdictCaption(ResultsStore& store, std::string_view groupBox, int index,
                       std::string_view verdict);

}  // namespace stelvar
