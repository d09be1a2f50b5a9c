#pragma once
// Section "Ⅳ-2．構造(底版)": the toe slab, the heel slab and the shear key, each checked
// as a plain-concrete cantilever.

#include "engine/antei.h"
#include "report/results_store.h"

namespace stelvar {

// The base-slab report, member by member in the order the stem design checks them:
//   toe slab   (a.ToeCheck):  ListBox9,  StringGrid11, StringGrid7,  Chart6;
//   heel slab  (a.HeelCheck): ListBox11, StringGrid12, StringGrid10, Chart7;
//   shear key  (a.KeyCheck):  ListBox13, StringGrid15,               Chart8.
//
// Runs after StemDesign(a) of the same run, on the object as StemDesign left it, after
// the run has reset the result grids to "---" (ResetResultGrids). A member that was not
// checked (its record empty: no base slab, a slab thinner than 0.01 m, the heel of a
// leaning wall, no shear key) gets an empty list box and empty chart series, so that
// no earlier wall's figures remain; its grids keep the run's "---".
// Needs the stability stage's values as well: Q1, Q2, Q4, Q5, QKeyFront, QKeyBack,
// ReactionCase, D, LoadedLength, the slab weights and blocks, Vo, HoCopy, Be, B1 ... Ht,
// KeyMoment. Uses the region query for the wall outline, which reloads the region
// workspace of `a`; no engine result changes.
void WriteBaseSlabReport(TAntei& a, ResultsStore& store);

}  // namespace stelvar
