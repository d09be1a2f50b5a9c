#pragma once
// The figure export: each chart of the calculation document as a 16-bit Windows
// metafile, one file per figure named after it, drawn as the results window lays the
// chart out and at the size it has there. Nothing is computed here; the files show what
// the results store holds.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "documents/text_export.h"
#include "engine/control_source.h"
#include "forms/dialogs.h"
#include "report/chart.h"
#include "report/results_store.h"

namespace stelvar {

// Which figures exist decides on the same design conditions as the slab sections of
// the text export: wall type, base-slab thickness, toe and heel widths, shear key.
using FigureExportConditions = TextExportConditions;

enum class FigureCondition { Always, ToeSlab, HeelSlab, ShearKey };

struct FigureFile {
    std::string_view FileName;  // UTF-8
    std::string_view ChartName;
    FigureCondition WrittenWhen;
};

// The figures in the order they are written.
inline constexpr std::array<FigureFile, 10> kFigureFiles = {{
    {"図1：擁壁外形図.wmf", "Chart2", FigureCondition::Always},
    {"図2：点番号図.wmf", "Chart4", FigureCondition::Always},
    {"図3：点番号図.wmf", "Chart12", FigureCondition::Always},
    {"図4：すべり角～土圧.wmf", "Chart5", FigureCondition::Always},
    {"図5：地盤版力図.wmf", "Chart11", FigureCondition::Always},
    {"図6：荷重図.wmf", "Chart1", FigureCondition::Always},
    {"図7：たて壁(応力度).wmf", "Chart3", FigureCondition::Always},
    {"図8：つま先版地盤版力図.wmf", "Chart6", FigureCondition::ToeSlab},
    {"図9：かかと版地盤版力図.wmf", "Chart7", FigureCondition::HeelSlab},
    {"図10：突起.wmf", "Chart8", FigureCondition::ShearKey},
}};

// The figures the conditions call for, in order: the toe-slab figure when the base slab
// and the toe have a width (> 0), the heel-slab figure likewise for the gravity wall,
// the key figure when a shear key is selected.
std::vector<FigureFile> FiguresToWrite(const FigureExportConditions& conditions);

// One chart as a whole metafile, drawn at `width` × `height` pixels.
std::string ChartMetafileBytes(const Chart& chart, int width, int height);

// Writes the figures the conditions call for into `folder`, each built whole in memory
// and then put in place, replacing a file of that name. Returns the files written, in
// order. A file that cannot be written stops the export with FileError (naming the
// file and the reason); the files written before it remain.
std::vector<std::filesystem::path> WriteFigures(const ResultsStore& store,
                                                const FigureExportConditions& conditions,
                                                const std::filesystem::path& folder);

// The same with the conditions read from the design-conditions window (ConversionError
// for a width or thickness that is not a number, before any file is written): what the
// headless program calls after a run, without question or closing message.
std::vector<std::filesystem::path> WriteFigures(const ResultsStore& store,
                                                const ControlSource& conditions,
                                                const std::filesystem::path& folder);

// The command "2.ﾒﾀﾌｧｲﾙ出力...": asks "計算結果図をメタファイル出力しますか。"; on Yes
// reads the conditions, writes the figures into `folder` and shows
// "メタファイル出力終わりました。". Returns false when the answer was No (nothing
// written). A ConversionError or FileError propagates, and the closing message is not
// shown.
bool ExportFigures(const ResultsStore& store, const ControlSource& conditions, Dialogs& dialogs,
                   const std::filesystem::path& folder = std::filesystem::path("."));

}  // namespace stelvar
