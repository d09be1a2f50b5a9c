#pragma once
// The calculation run without a window: a fresh calculation object per run, the
// calculation sequence, then the structural stage when the ground reaction is
// computable.

#include "engine/engine.h"

namespace stelvar {

// Steps 1 to 14 of the calculation sequence: gathering, loads, earth pressure,
// stability, bearing capacity, slab reactions and sliding resistance.
void CalculationSequence(TAntei& a, const ControlSource& controls);

// Whether the structural stage (stem, slabs, key) runs for this ground-reaction case.
// Cases 3 and 7 leave the resultant too far forward for a ground reaction.
bool StructuralStageRuns(const TAntei& a);

struct RunOutcome {
    TAntei Object;       // the calculation object at the end of the run
    TPa WholeWall;       // the earth-pressure results as they stood after the whole-wall search
    Verdicts Checks;     // the four stability verdicts
};

// One complete run on a fresh object. Throws ConversionError for a text that is not a
// number and EngineError when a stage cannot go on; nothing is returned then.
RunOutcome RunCalculation(const ControlSource& controls);

}  // namespace stelvar
