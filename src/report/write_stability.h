#pragma once
// Chapter "Ⅲ.安定計算" of the calculation document: sliding, overturning, ground
// reaction and bearing capacity with their verdict captions, the ground-reaction chart,
// and the load summary beside the load figure.

#include "engine/antei.h"
#include "report/results_store.h"

namespace stelvar {

// Writes ListBox4 (overturning), ListBox5 (ground reaction), ListBox23 (bearing
// capacity), ListBox3 (sliding), Chart11 (wall outline and ground-reaction diagram) and
// ListBox12 (load summary), and sets the verdict captions GroupBox24, GroupBox22,
// GroupBox23 and GroupBox33 from ComputeVerdicts. In reaction cases 3 and 7 Chart11 and
// ListBox12 are left empty.
//
// Runs once per run after the calculation sequence (steps 1 to 14) and before the stem
// design: the load summary reads the whole-wall earth pressure (Omega, Delta, Ph, Pv) and
// water pressure (Pw), which the stem design overwrites section by section. The object is
// not const only because the outline of Chart11 goes through the region workspace; no
// result changes.
void WriteStabilityReport(TAntei& a, ResultsStore& store);

}  // namespace stelvar
