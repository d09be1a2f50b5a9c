#pragma once
// The design-conditions file (".dat"): a snapshot of the design-conditions window's
// input controls, one value per line in a fixed order, Shift-JIS (code page 932) with
// CR LF line ends. Besides each value it keeps, for the boxes stored as edit triples,
// the background colour and the enabled state, and for the check boxes the caption
// colour, so that a loaded file shows which inputs were greyed out.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "forms/design_conditions.h"

namespace stelvar {

enum class FileLines {
    Index,       // one line: the selected index (-1 for none)
    Text,        // one line: the control's text
    EditTriple,  // text, background colour, "TRUE"/"FALSE" enabled
    CheckPair,   // "TRUE"/"FALSE" checked, caption colour
    GridCells,   // one text line per data cell, row by row (header row and column left out)
};

struct FileEntry {
    FileLines Lines;
    std::string_view Control;
};

// The controls of the file in the order of their lines.
std::span<const FileEntry> DesignConditionsFileLayout();

// The file's bytes for the window's controls. Throws EncodingError for a text that has
// no Shift-JIS form and FileError for a text holding a line break (it would shift every
// later line); nothing is written then.
std::string DesignConditionsFileBytes(const ControlStore& conditions);

// Applies the file's lines to the window, in order, as if the user entered them: the
// load notebook first shows its first page; every selection and check box runs the
// window's reaction, and the boxes it governs then take their own saved text, colour and
// enabled state (texts are restored, not typed: the design coefficient is not
// recomputed from them); the design case is copied into the allowable-stress window as
// soon as it is set; after the last line the allowable-stress window takes the strength
// choice (when the strength text is "18", "21" or "24") and the three allowable
// stresses, and the wall figures are redrawn. Missing lines read as empty. An index or
// colour line that is not a number throws ConversionError ("'%s' is not a valid integer
// value"); what was applied before keeps its new value. Throws EncodingError for a line
// that is not Shift-JIS text.
void ApplyDesignConditionsFile(std::string_view bytes, DesignConditionsForm& conditions,
                               AllowableStressForm& allowableStress);

// Saves the window's controls; an existing file is replaced only by a complete new one.
void SaveDesignConditionsFile(const std::filesystem::path& file, const ControlStore& conditions);

// Saves the window and, once the file is written, shows its project title in the
// window caption.
void SaveDesignConditionsFile(const std::filesystem::path& file, DesignConditionsForm& conditions);

// Reads the file, shows its project title in the window caption and applies it
// (FileError when it cannot be read; nothing changes then).
void LoadDesignConditionsFile(const std::filesystem::path& file, DesignConditionsForm& conditions,
                          AllowableStressForm& allowableStress);

// The project title a loaded or saved file gives: its name without folder and extension.
std::string ProjectTitle(const std::filesystem::path& file);

}  // namespace stelvar
