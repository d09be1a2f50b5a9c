#include "report/report_run.h"

#include "report/report_writers.h"
#include "report/results_setup.h"
#include "report/write_load_diagram.h"
#include "report/write_slabs.h"
#include "report/write_stability.h"
#include "report/write_stem.h"

namespace stelvar {
namespace {

// With the resultant too far forward there is no ground reaction and no member design:
// the member pages must not keep an earlier wall's figures, nor the load summary, nor
// the stem tables' section depths and rows.
void ClearMemberResults(const TAntei& a, ResultsStore& store) {
    for (const char* list : {"ListBox8", "ListBox19", "ListBox14", "ListBox9", "ListBox11",
                             "ListBox13", "ListBox12"})
        store.List(list).Clear();
    for (const char* chart : {"Chart3", "Chart6", "Chart7", "Chart8"}) store.GetChart(chart).Clear();
    ClearWrittenStemForceGrids(store, a.WallType);
}

}  // namespace

RunOutcome RunWithReport(const ControlSource& controls, ResultsStore& store,
                         std::string_view projectTitle) {
    ResetResultGrids(store);
    // The slab menu and the printed slab pages' titles follow the wall type here, once
    // the main window exists.

    RunOutcome out;
    TAntei& a = out.Object;
    ClearBeforeCalculation(store);

    CalculationSequence(a, controls);
    out.WholeWall = static_cast<const TPa&>(a);
    out.Checks = ComputeVerdicts(a);

    // The reports read the whole-wall earth pressure: they run before the stem design
    // repeats the wedge search per section on the same object.
    WriteDesignConditions(a, controls, store, projectTitle);
    WriteSelfWeightReport(a, store);
    WriteEarthPressureReport(a, store);
    WriteLoadTable(a, store);
    WriteStabilityReport(a, store);
    WriteLoadDiagram(a, store);

    if (StructuralStageRuns(a)) {
        StemDesign(a);
        WriteStemReport(a, store);
        WriteBaseSlabReport(a, store);
    } else {
        ClearMemberResults(a, store);
    }
    return out;
}

}  // namespace stelvar
