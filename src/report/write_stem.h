#pragma once
// Section "Ⅳ-1．構造(たて壁)": the stem's section forces and edge stresses.

#include "engine/antei.h"
#include "report/results_store.h"

namespace stelvar {

// The stem report: the section-force explanation of the fixed section (ListBox8, with
// the wedge of its earth-pressure search, and ListBox19), the section-force tables of
// the mid-height and the fixed section (StringGrid1, StringGrid5, laid out for the
// run's wall type), the stress text (ListBox14), the stress table (StringGrid3) and the
// edge-stress chart of the fixed section (Chart3).
//
// Runs after StemDesign(a) of the same run, on the object as StemDesign left it
// (a.StemMid, a.StemFixed and a.StemFixedWedge set), after the run has reset the result
// grids to "---" and before the slab and key reports. When the stem was not checked
// (any of the three records empty: ground-reaction case 3 or 7) it writes nothing.
// Uses the region query for the wall outline, which reloads the region workspace of
// `a`; no engine result changes.
void WriteStemReport(TAntei& a, ResultsStore& store);

}  // namespace stelvar
