#include "documents/design_file.h"

#include <algorithm>
#include <array>
#include <vector>

#include "documents/file_io.h"
#include "text/cp932.h"
#include "text/number.h"

namespace stelvar {
namespace {

using enum FileLines;

// Dependent boxes come after the control that governs them, so that a window which
// reacts to a selection or a check box has its reaction overwritten by the saved state.
constexpr FileEntry kLayout[] = {
    {Index, "RadioGroup1"},
    {Text, "Edit15"},
    {Text, "Edit14"},
    {Text, "Edit21"},
    {Text, "LabeledEdit4"},
    {Text, "LabeledEdit7"},
    {Text, "LabeledEdit8"},
    {Text, "LabeledEdit3"},
    {Text, "LabeledEdit5"},
    {Text, "Edit42"},
    {Text, "Edit3"},
    {Text, "LabeledEdit6"},
    {Text, "Edit16"},
    {Text, "Edit17"},
    {Text, "Edit18"},
    {Index, "RadioGroup3"},
    {Text, "ComboBox18"},
    {Text, "ComboBox7"},
    {Index, "PageControl2"},
    // Gravity-wall outline.
    {EditTriple, "Edit30"},
    {EditTriple, "Edit31"},
    {EditTriple, "Edit34"},
    {EditTriple, "Edit36"},
    {EditTriple, "Edit37"},
    {EditTriple, "Edit38"},
    {EditTriple, "Edit39"},
    {EditTriple, "Edit2"},
    // Leaning-wall outline.
    {EditTriple, "Edit51"},
    {EditTriple, "Edit52"},
    {EditTriple, "Edit55"},
    {EditTriple, "Edit56"},
    {EditTriple, "Edit58"},
    {EditTriple, "Edit59"},
    {EditTriple, "Edit60"},
    // Shear key.
    {Index, "RadioGroup2"},
    {EditTriple, "Edit35"},
    {EditTriple, "Edit40"},
    {EditTriple, "Edit41"},
    // Backfill surface, surcharge, snow, design case.
    {Index, "TabControl1"},
    {EditTriple, "ComboBox1"},
    {EditTriple, "Edit28"},
    {Index, "RadioGroup6"},
    {Index, "RadioGroup9"},
    {CheckPair, "CheckBox1"},
    {EditTriple, "Edit1"},
    {Index, "RadioGroup8"},
    {CheckPair, "CheckBox4"},
    {EditTriple, "Edit43"},
    {EditTriple, "Edit13"},
    {Index, "RadioGroup5"},
    {EditTriple, "ComboBox5"},
    {EditTriple, "ComboBox6"},
    {EditTriple, "Edit61"},
    {GridCells, "StringGrid2"},
    {Text, "Edit53"},
    // Other loads.
    {CheckPair, "CheckBox9"},
    {CheckPair, "CheckBox3"},
    {CheckPair, "CheckBox5"},
    {CheckPair, "CheckBox6"},
    {EditTriple, "Edit54"},
    {EditTriple, "Edit62"},
    {EditTriple, "ComboBox8"},
    {CheckPair, "CheckBox2"},
    {EditTriple, "ComboBox3"},
    {EditTriple, "ComboBox2"},
    {EditTriple, "ComboBox4"},
    {EditTriple, "ComboBox9"},
    {EditTriple, "Edit63"},
    // Allowable stresses.
    {EditTriple, "Edit50"},
    {EditTriple, "Edit23"},
    {EditTriple, "Edit24"},
    {EditTriple, "Edit25"},
};

constexpr std::string_view kTrue = "TRUE";
constexpr std::string_view kFalse = "FALSE";

class LineWriter {
public:
    void Line(std::string_view control, std::string_view text) {
        if (text.find_first_of("\r\n") != std::string_view::npos)
            throw FileError("the text of '" + std::string(control) +
                            "' holds a line break and cannot be saved");
        try {
            bytes_ += Utf8ToCp932(text);
        } catch (const EncodingError& e) {
            throw EncodingError(std::string(control) + ": " + e.what());
        }
        bytes_ += "\r\n";
    }
    std::string Take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

// Lines of the file in order; past the end every line reads as empty. Line ends are
// CR LF, a lone LF or a lone CR.
class LineReader {
public:
    explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

    std::string Next() {
        ++number_;
        if (position_ >= bytes_.size()) return {};
        // A plain scan: find_first_of searches its set once per byte.
        std::size_t end = position_;
        while (end < bytes_.size() && bytes_[end] != '\r' && bytes_[end] != '\n') ++end;
        const std::string_view raw = bytes_.substr(position_, end - position_);
        position_ = end;
        if (position_ < bytes_.size() && bytes_[position_++] == '\r' &&
            position_ < bytes_.size() && bytes_[position_] == '\n')
            ++position_;
        // Most lines are numbers, colours and TRUE/FALSE: code page 932 keeps the bytes
        // below 0x80 as they are in UTF-8, so such a line needs no converter.
        if (std::all_of(raw.begin(), raw.end(), [](char ch) { return static_cast<unsigned char>(ch) < 0x80; }))
            return std::string(raw);
        try {
            return Cp932ToUtf8(raw);
        } catch (const EncodingError& e) {
            throw EncodingError("line " + std::to_string(number_) + ": " + e.what());
        }
    }

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
    int number_ = 0;
};

}  // namespace

std::span<const FileEntry> DesignConditionsFileLayout() { return kLayout; }

std::string DesignConditionsFileBytes(const ControlStore& conditions) {
    LineWriter out;
    for (const FileEntry& entry : kLayout) {
        const std::string_view name = entry.Control;
        switch (entry.Lines) {
        case Index:
            out.Line(name, std::to_string(conditions.Index(name)));
            break;
        case Text:
            out.Line(name, conditions.Text(name));
            break;
        case EditTriple:
            out.Line(name, conditions.Text(name));
            out.Line(name, ColourToText(conditions.Background(name)));
            out.Line(name, conditions.Enabled(name) ? kTrue : kFalse);
            break;
        case CheckPair:
            out.Line(name, conditions.Checked(name) ? kTrue : kFalse);
            out.Line(name, ColourToText(conditions.FontColour(name)));
            break;
        case GridCells:
            for (int row = 1; row < conditions.RowCount(name); ++row)
                for (int column = 1; column < conditions.ColumnCount(name); ++column)
                    out.Line(name, conditions.Cell(name, row, column));
            break;
        }
    }
    return out.Take();
}

namespace {

// What the file said for one control, kept so that it can be said again: the lines, and
// read once from them the colour and switch states they set. State is the control in the
// window's store; the store holds its controls in place, so the reference stays good
// while the file is applied.
struct AppliedLines {
    const FileEntry* Entry;
    const ControlState* State;
    std::array<std::string, 3> Lines;
    Colour LineColour = clWindow;
    bool LineSwitch = false;
};

// Whether the window still shows what these lines put into it. Every selection and check
// box the file sets asks this of every control read before it, so it reads the control's
// state directly instead of looking the name up again. The lines went in through the
// setters, so the control is of the kind they take (the text setter takes only edit and
// combo boxes, the check setter only check boxes).
bool StillShows(const AppliedLines& applied) {
    const ControlState& s = *applied.State;
    switch (applied.Entry->Lines) {
    case EditTriple:
        return s.Text == applied.Lines[0] && s.Background == applied.LineColour &&
               s.Enabled == applied.LineSwitch;
    case CheckPair:
        return s.Checked == applied.LineSwitch && s.FontColour == applied.LineColour;
    case Text:
        return s.Text == applied.Lines[0];
    case Index:
    case GridCells:
        break;
    }
    return true;
}

void Apply(const AppliedLines& applied, DesignConditionsForm& conditions) {
    const std::string_view name = applied.Entry->Control;
    const std::array<std::string, 3>& l = applied.Lines;
    switch (applied.Entry->Lines) {
    case EditTriple:
        conditions.SetText(name, l[0]);
        conditions.SetBackground(name, applied.LineColour);
        conditions.SetEnabled(name, applied.LineSwitch);
        break;
    case CheckPair:
        conditions.SetChecked(name, applied.LineSwitch);
        conditions.SetFontColour(name, applied.LineColour);
        break;
    case Text:
        conditions.SetText(name, l[0]);
        break;
    case Index:
    case GridCells:
        break;
    }
}

}  // namespace

void ApplyDesignConditionsFile(std::string_view bytes, DesignConditionsForm& conditions,
                               AllowableStressForm& allowableStress) {
    const DesignConditionsForm::RestoringTexts restoring(conditions);
    conditions.SetIndex("PageControl3", 0);
    LineReader in(bytes);
    std::vector<AppliedLines> applied;
    applied.reserve(std::size(kLayout));
    for (const FileEntry& entry : kLayout) {
        const std::string_view name = entry.Control;
        switch (entry.Lines) {
        case Index:
            conditions.SetIndex(name, StrToInt(in.Next()));
            if (name == "RadioGroup5")
                allowableStress.SetIndex(allowable_stress::kDesignCase,
                                         conditions.Controls().Index(name));
            break;
        case Text: {
            AppliedLines a{&entry, &conditions.Controls().State(name), {in.Next()}};
            conditions.SetText(name, a.Lines[0]);
            applied.push_back(std::move(a));
            break;
        }
        case EditTriple: {
            AppliedLines a{&entry, &conditions.Controls().State(name), {in.Next()}};
            conditions.SetText(name, a.Lines[0]);
            a.Lines[1] = in.Next();
            a.LineColour = TextToColour(a.Lines[1]);
            conditions.SetBackground(name, a.LineColour);
            a.Lines[2] = in.Next();
            a.LineSwitch = a.Lines[2] == kTrue;
            conditions.SetEnabled(name, a.LineSwitch);
            applied.push_back(std::move(a));
            break;
        }
        case CheckPair: {
            AppliedLines a{&entry, &conditions.Controls().State(name), {in.Next()}};
            a.LineSwitch = a.Lines[0] == kTrue;
            conditions.SetChecked(name, a.LineSwitch);
            a.Lines[1] = in.Next();
            a.LineColour = TextToColour(a.Lines[1]);
            conditions.SetFontColour(name, a.LineColour);
            applied.push_back(std::move(a));
            break;
        }
        case GridCells: {
            const int rows = conditions.Controls().RowCount(name);
            const int columns = conditions.Controls().ColumnCount(name);
            for (int row = 1; row < rows; ++row)
                for (int column = 1; column < columns; ++column)
                    conditions.SetCell(name, row, column, in.Next());
            break;
        }
        }
        // A selection or check box reacts by refilling the boxes it governs. Nearly all
        // of them are stored after it and restored by their own lines; the surcharge
        // position is stored after the surcharge switch and box, so whatever a reaction
        // changed among the boxes already read is put back as the file says.
        if (entry.Lines == Index || entry.Lines == CheckPair)
            for (const AppliedLines& a : applied)
                if (!StillShows(a)) Apply(a, conditions);
    }

    // The allowable-stress window follows the loaded strength and stresses; the loaded
    // stresses win over what the strength choice computes.
    const std::string strength = conditions.Controls().Text("Edit50");
    const auto& strengths = allowableStress.Controls().Items(allowable_stress::kStrength);
    for (std::size_t i = 0; i < strengths.size(); ++i)
        if (strengths[i] == strength)
            allowableStress.SetIndex(allowable_stress::kStrength, static_cast<int>(i));
    allowableStress.SetText(allowable_stress::kSigmaCa, conditions.Controls().Text("Edit23"));
    allowableStress.SetText(allowable_stress::kSigmaCat, conditions.Controls().Text("Edit24"));
    allowableStress.SetText(allowable_stress::kTauCa, conditions.Controls().Text("Edit25"));
    conditions.RedrawFigures();
}

void SaveDesignConditionsFile(const std::filesystem::path& file, const ControlStore& conditions) {
    WriteFileReplacing(file, DesignConditionsFileBytes(conditions));
}

void SaveDesignConditionsFile(const std::filesystem::path& file, DesignConditionsForm& conditions) {
    SaveDesignConditionsFile(file, conditions.Controls());
    conditions.ShowProjectTitle(ProjectTitle(file));
}

void LoadDesignConditionsFile(const std::filesystem::path& file, DesignConditionsForm& conditions,
                          AllowableStressForm& allowableStress) {
    const std::string bytes = ReadWholeFile(file);
    conditions.ShowProjectTitle(ProjectTitle(file));
    try {
        ApplyDesignConditionsFile(bytes, conditions, allowableStress);
    } catch (const EncodingError& e) {
        throw EncodingError("'" + file.string() + "' " + e.what());
    }
}

std::string ProjectTitle(const std::filesystem::path& file) { return file.stem().string(); }

}  // namespace stelvar
