#pragma once
// Page "Ⅲ-2．荷重図": the load diagram "図：荷重図(安定計算時)" (Chart1), the wall of the
// stability check with every load acting on it.

#include "engine/antei.h"
#include "report/results_store.h"

namespace stelvar {

// Empties every series of Chart1, sets both axis ranges, the title and series colours
// ("出力図色": black and white draws everything black) and draws the outline, the
// ground surface, the surcharge line, the slip line, the earth-pressure components and
// distribution, the resultant, the middle-third points, the ground reaction, the water
// pressure, the passive ground level and, in ground-reaction case 6, the wall-face
// reaction.
//
// Runs once per run after the stability report and before StemDesign(a), on the
// object as the calculation sequence (steps 1-14) left it: the earth-pressure fields
// (Omega, LSlip, Zc, Hc, Ph, Pv, SurfaceCase) must still hold the whole-wall search,
// which the stem design overwrites. Runs in every ground-reaction case; in cases 3 and
// 7 the ground-reaction series gets no points (3) or the toe triangle (7).
// Uses the region and surface-line queries, which reload the region and surface-line
// workspaces of `a`; no engine result changes.
void WriteLoadDiagram(TAntei& a, ResultsStore& store);

}  // namespace stelvar
