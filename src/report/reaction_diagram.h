#pragma once
// The ground-reaction diagram under the base (modes 0 to 3), drawn 1 m per 100 kN/m2
// below the base underside. Used by the ground-reaction chart of the stability report
// and by the slab and shear-key charts.

#include "engine/antei.h"
#include "report/chart.h"

namespace stelvar {

// Appends the diagram's points (with their labels) to the series; the series' values
// keep their insertion order.
void ReactionDiagram(const TAntei& a, ChartSeries& series, int mode);

}  // namespace stelvar
