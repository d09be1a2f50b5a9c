#pragma once
// The text export of the calculation document: the report lines of the results window's
// list boxes and its tables, as a Shift-JIS (code page 932) text file with CR LF line
// ends, "擁壁.txt" in the current folder. Nothing is computed here; the file shows what
// the results store holds.

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/control_source.h"
#include "forms/dialogs.h"
#include "report/results_store.h"

namespace stelvar {

// The file name the command writes in the current folder.
inline constexpr std::string_view kTextExportFileName = "擁壁.txt";

// What decides the slab sections of the file, as the design-conditions window shows it.
struct TextExportConditions {
    int WallType = 0;            // 0 gravity wall, 1 leaning wall
    double SlabThickness = 0.0;  // base slab thickness as entered
    double ToeWidth = 0.0;
    double HeelWidth = 0.0;      // the leaning wall has no heel: 0
    bool ShearKey = false;       // "突起の有無" is "有り"
};

// Reads the conditions from the design-conditions window: the visible wall-type page
// (PageControl2) and that page's slab thickness, toe width and heel width boxes
// (Edit39, Edit34, Edit30 gravity; Edit56, Edit58 leaning), and RadioGroup2. Throws
// ConversionError for a box that does not hold a number.
TextExportConditions ReadTextExportConditions(const ControlSource& conditions);

// The whole file: code page 932 bytes, every line ended by CR LF. A character that has
// no code page 932 form (possible only in texts taken from outside, such as a project
// title from a file name) is written as "?".
std::string TextExportBytes(const ResultsStore& store, const TextExportConditions& conditions);

// Writes the file, replacing `target` only once it is completely written. Throws
// FileError naming the file and the reason when it cannot be written; no partial file
// is left under the target's name.
void WriteTextExport(const ResultsStore& store, const TextExportConditions& conditions,
                     const std::filesystem::path& target);

// The same, with the conditions read from the design-conditions window: what the
// headless program calls after a run (no question, no closing message).
void WriteTextExport(const ResultsStore& store, const ControlSource& conditions,
                     const std::filesystem::path& target);

// The command "1.テキスト出力...": reads the conditions (a ConversionError stops it
// before anything is asked), asks "計算結果をテキスト出力しますか。" and on Yes writes
// `target` and shows "テキスト出力終わりました。". Returns false when the answer was No
// (nothing written). A FileError propagates, and the closing message is not shown.
bool ExportText(const ResultsStore& store, const ControlSource& conditions, Dialogs& dialogs,
                const std::filesystem::path& target = std::filesystem::path(
                    std::u8string_view(u8"擁壁.txt")));

}  // namespace stelvar
