#include "documents/design_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "documents/file_io.h"
#include "temp_dir.h"
#include "text/cp932.h"
#include "text/number.h"

namespace stelvar {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// The file's lines as UTF-8, split at CR LF (the bytes must end with CR LF).
std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(Cp932ToUtf8(bytes.substr(start, end - start)));
    EXPECT_EQ(start, bytes.size()) << "bytes after the last CR LF";
    return lines;
}

std::string Join(const std::vector<std::string>& utf8Lines) {
    std::string bytes;
    for (const std::string& line : utf8Lines) bytes += Utf8ToCp932(line) + "\r\n";
    return bytes;
}

// A window in which every stored property differs from the defaults; a few grid cells
// are empty. Its texts are put in as a restored window has them (a typed standard value
// that is not a number would stop at the design coefficient).
DesignConditionsForm EverythingChanged() {
    DesignConditionsForm form;
    const DesignConditionsForm::RestoringTexts restoring(form);
    const ControlStore& c = form.Controls();
    int n = 0;
    for (const FileEntry& entry : DesignConditionsFileLayout()) {
        const std::string name(entry.Control);
        ++n;
        switch (entry.Lines) {
        case FileLines::Index: {
            const int last = static_cast<int>(c.Items(name).size()) - 1;
            form.SetIndex(name, c.Index(name) == last ? 0 : last);
            break;
        }
        case FileLines::Text:
            form.SetText(name, name + "①～");
            break;
        case FileLines::EditTriple:
            form.SetText(name, n % 2 ? "γs " + name : "");
            form.SetBackground(name, c.Enabled(name) ? (n % 3 ? clSilver : Colour{0x123456})
                                                     : clWindow);
            form.SetEnabled(name, !c.Enabled(name));
            break;
        case FileLines::CheckPair:
            form.SetFontColour(name, c.Checked(name) ? clBlack : clMaroon);
            form.SetChecked(name, !c.Checked(name));
            break;
        case FileLines::GridCells:
            for (int row = 1; row < c.RowCount(name); ++row)
                for (int column = 1; column < c.ColumnCount(name); ++column)
                    form.SetCell(name, row, column,
                                 row == 2 ? "" : column == 3 ? "砂質土" : std::to_string(row * 10 + column));
            break;
        }
    }
    return form;
}

struct LineCase {
    int Line;
    const char* Text;
};

TEST(DesignFile, DefaultWindowWrites169CrLfLinesInTheFixedOrder) {
    const std::string bytes = DesignConditionsFileBytes(DesignConditionsDefaults());
    EXPECT_NO_THROW(Cp932ToUtf8(bytes));
    const std::vector<std::string> lines = Lines(bytes);
    ASSERT_EQ(lines.size(), 169u);
    for (const std::string& line : lines) EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);

    const LineCase cases[] = {
        {1, "0"},           {2, "20"},          {6, "25"},          {7, "0.0"},
        {13, "300"},        {15, "0.0"},        {16, "0"},          {17, "5"},
        {18, "23.0"},       {19, "0"},          {20, "200"},        {21, "clWindow"},
        {22, "TRUE"},       {23, "2400"},       {26, "200"},        {29, "600"},
        {32, "400"},        {35, "3000"},       {38, "200"},        {41, "1000"},
        {44, "2550"},       {47, "450"},        {50, "5100"},       {53, "900"},
        {56, "835"},        {59, "2050"},       {62, "1785"},       {64, "TRUE"},
        {65, "0"},          {66, "0"},          {67, "clSilver"},   {68, "FALSE"},
        {75, "0"},          {76, "-"},          {77, "clSilver"},   {78, "FALSE"},
        {79, "0.0"},        {82, "0"},          {83, "1"},          {84, "TRUE"},
        {85, "clMaroon"},   {86, "10.0"},       {87, "clWindow"},   {89, "0"},
        {90, "FALSE"},      {91, "clBlack"},    {92, "0.0"},        {98, "0"},
        {99, "0.0"},        {102, "1.0"},       {105, "0.0"},       {107, "FALSE"},
        {108, "0"},         {109, "0"},         {110, "-"},         {122, "-"},
        {123, ""},          {124, "FALSE"},     {131, "clBlack"},   {132, "0.0"},
        {135, "0.0"},       {138, "0.0"},       {141, "FALSE"},     {143, "0"},
        {146, "0"},         {149, "0"},         {152, "0.0"},       {155, "0"},
        {158, "18"},        {161, "4.5"},       {164, "0.22"},      {167, "0.33"},
        {168, "clWindow"},  {169, "TRUE"},
    };
    for (const LineCase& c : cases)
        EXPECT_EQ(lines[static_cast<std::size_t>(c.Line - 1)], c.Text) << "line " << c.Line;
}

TEST(DesignFile, SaveAndLoadRestoreEveryStoredProperty) {
    const DesignConditionsForm source = EverythingChanged();
    ASSERT_NE(source.Controls(), DesignConditionsDefaults());
    EXPECT_EQ(Lines(DesignConditionsFileBytes(source.Controls())).size(), 169u);

    TempDir dir;
    SaveDesignConditionsFile(dir / "wall.dat", source.Controls());
    DesignConditionsForm loaded;
    AllowableStressForm stresses;
    LoadDesignConditionsFile(dir / "wall.dat", loaded, stresses);
    EXPECT_EQ(loaded.Controls(), source.Controls());

    // And back: the defaults over a changed window.
    SaveDesignConditionsFile(dir / "wall.dat", DesignConditionsDefaults());
    LoadDesignConditionsFile(dir / "wall.dat", loaded, stresses);
    EXPECT_EQ(loaded.Controls(), DesignConditionsDefaults());
}

TEST(DesignFile, GreyedOutBoxesAndEmptyCellsRoundTrip) {
    DesignConditionsForm source;
    source.SetText("Edit36", "0");
    source.SetEnabled("Edit36", false);
    source.SetBackground("Edit36", clSilver);
    source.SetIndex("RadioGroup2", 1);
    source.SetText("Edit35", "800");
    source.SetEnabled("Edit35", true);
    source.SetBackground("Edit35", clWindow);
    source.SetCell("StringGrid2", 1, 1, "2");
    source.SetCell("StringGrid2", 1, 3, "砂質土");
    source.SetCell("StringGrid2", 2, 3, "");

    DesignConditionsForm loaded;
    AllowableStressForm stresses;
    ApplyDesignConditionsFile(DesignConditionsFileBytes(source.Controls()), loaded, stresses);
    const ControlStore& c = loaded.Controls();
    EXPECT_FALSE(c.Enabled("Edit36"));
    EXPECT_EQ(c.Background("Edit36"), clSilver);
    EXPECT_TRUE(c.Enabled("Edit35"));
    EXPECT_EQ(c.Background("Edit35"), clWindow);
    EXPECT_EQ(c.Text("Edit35"), "800");
    EXPECT_EQ(c.Cell("StringGrid2", 1, 3), "砂質土");
    EXPECT_EQ(c.Cell("StringGrid2", 2, 3), "");
    EXPECT_EQ(c, source.Controls());
}

TEST(DesignFile, ControlsOutsideTheFileKeepTheirState) {
    DesignConditionsForm form;
    AllowableStressForm stresses;
    form.SetChecked("CheckBox7", true);
    form.SetIndex("RadioGroup4", 1);
    form.SetIndex("RadioGroup11", 1);
    form.SetText("LabeledEdit1", "1.5");
    form.SetCell("StringGrid2", 0, 1, "厚さ");
    form.SetCell("StringGrid2", 3, 0, "9");
    form.SetIndex("PageControl3", 2);
    ApplyDesignConditionsFile(DesignConditionsFileBytes(DesignConditionsDefaults()), form,
                              stresses);
    const ControlStore& c = form.Controls();
    EXPECT_TRUE(c.Checked("CheckBox7"));
    EXPECT_EQ(c.Index("RadioGroup4"), 1);
    EXPECT_EQ(c.Index("RadioGroup11"), 1);
    EXPECT_EQ(c.Text("LabeledEdit1"), "1.5");
    EXPECT_EQ(c.Cell("StringGrid2", 0, 1), "厚さ");
    EXPECT_EQ(c.Cell("StringGrid2", 3, 0), "9");
    EXPECT_EQ(c.Index("PageControl3"), 0);  // a load shows the first load page
}

TEST(DesignFile, TruncatedFileStopsAtTheFirstIndexLinePastItsEnd) {
    const std::vector<std::string> tenLines = {"2",    "18",   "25",  "5.0", "17.0",
                                               "28",   "3.0",  "1.5", "20.0", "35"};
    std::string bytes = Join(tenLines);
    for (const std::string& file : {bytes, bytes.substr(0, bytes.size() - 2)}) {
        DesignConditionsForm form;
        AllowableStressForm stresses;
        try {
            ApplyDesignConditionsFile(file, form, stresses);
            ADD_FAILURE() << "no error";
        } catch (const ConversionError& e) {
            EXPECT_STREQ(e.what(), "'' is not a valid integer value");
        }
        const ControlStore& c = form.Controls();
        EXPECT_EQ(c.Index("RadioGroup1"), 2);
        const char* textLines[] = {"Edit15", "Edit14", "Edit21", "LabeledEdit4",
                                   "LabeledEdit7", "LabeledEdit8", "LabeledEdit3",
                                   "LabeledEdit5", "Edit42"};
        for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(c.Text(textLines[i]), tenLines[i + 1]);
        for (const char* emptied : {"Edit3", "LabeledEdit6", "Edit16", "Edit17", "Edit18"})
            EXPECT_EQ(c.Text(emptied), "") << emptied;
        EXPECT_EQ(c.Index("RadioGroup3"), 0);
        EXPECT_EQ(c.Text("ComboBox18"), "5");
        EXPECT_EQ(c.Text("ComboBox7"), "23.0");
    }
}

// A control stored after the garbled line keeps the window's value unless a selection
// or check box applied before it has refilled it (the surcharge box after its switch,
// the factor box after the design case): the cases name controls outside such reach.
struct GarbledCase {
    int Line;
    const char* Text;
    const char* LastApplied;  // a control stored before that line: it takes the file's value
    const char* NotApplied;   // a control stored after it: it keeps the window's value
};

TEST(DesignFile, GarbledIndexOrColourLineStopsTheLoadWithTheConversionMessage) {
    const DesignConditionsForm source = EverythingChanged();
    const std::vector<std::string> lines = Lines(DesignConditionsFileBytes(source.Controls()));
    const GarbledCase cases[] = {
        {1, "abc", nullptr, "Edit15"},
        {16, "1.5", "Edit18", "ComboBox18"},
        {19, " ", "ComboBox7", "Edit30"},
        {21, "clNoSuchColour", "PageControl2", "Edit31"},
        {85, "$GG", "RadioGroup6", "RadioGroup8"},
        {98, "", "Edit13", "ComboBox5"},
        {100, "#C0C0C0", "RadioGroup5", "Edit53"},
        {125, "$123456789", "Edit53", "CheckBox3"},
    };
    const ControlStore defaults = DesignConditionsDefaults();
    for (const GarbledCase& g : cases) {
        std::vector<std::string> garbled = lines;
        garbled[static_cast<std::size_t>(g.Line - 1)] = g.Text;
        DesignConditionsForm form;
        AllowableStressForm stresses;
        try {
            ApplyDesignConditionsFile(Join(garbled), form, stresses);
            ADD_FAILURE() << "line " << g.Line << ": no error";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), std::string(1, '\'') + g.Text + "' is not a valid integer value");
        }
        const ControlStore& c = form.Controls();
        if (g.LastApplied) {
            EXPECT_EQ(c.State(g.LastApplied), source.Controls().State(g.LastApplied)) << g.Line;
        }
        EXPECT_EQ(c.State(g.NotApplied), defaults.State(g.NotApplied)) << g.Line;
        // The design case reaches the allowable-stress window as soon as it is read.
        EXPECT_EQ(stresses.Controls().Index(allowable_stress::kDesignCase),
                  g.Line > 98 ? source.Controls().Index("RadioGroup5") : 0)
            << g.Line;
    }
}

TEST(DesignFile, ColourLinePartsOfATripleApplyInOrder) {
    std::vector<std::string> lines = Lines(DesignConditionsFileBytes(DesignConditionsDefaults()));
    lines[19] = "123";          // Edit30 text
    lines[20] = "nonsense";     // Edit30 colour
    DesignConditionsForm form;
    AllowableStressForm stresses;
    EXPECT_THROW(ApplyDesignConditionsFile(Join(lines), form, stresses), ConversionError);
    EXPECT_EQ(form.Controls().Text("Edit30"), "123");
    EXPECT_TRUE(form.Controls().Enabled("Edit30"));
}

TEST(DesignFile, LenientValues) {
    std::vector<std::string> lines = Lines(DesignConditionsFileBytes(DesignConditionsDefaults()));
    lines[0] = "7";           // RadioGroup1: past the last item
    lines[15] = "-5";         // RadioGroup3: below -1
    lines[18] = "1";          // PageControl2: leaning wall
    lines[20] = "$00C0C0C0";  // Edit30 colour as a number
    lines[21] = "true";       // Edit30 enabled: only "TRUE" is true
    lines[23] = "12632256";   // Edit31 colour, decimal
    lines[83] = "";           // CheckBox1 checked
    lines[84] = "clmaroon";   // CheckBox1 caption colour
    DesignConditionsForm form;
    AllowableStressForm stresses;
    ApplyDesignConditionsFile(Join(lines), form, stresses);
    const ControlStore& c = form.Controls();
    EXPECT_EQ(c.Index("RadioGroup1"), 2);
    EXPECT_EQ(c.Index("RadioGroup3"), -1);
    EXPECT_EQ(c.Index("PageControl2"), 1);
    EXPECT_EQ(c.Background("Edit30"), clSilver);
    EXPECT_FALSE(c.Enabled("Edit30"));
    EXPECT_EQ(c.Background("Edit31"), clSilver);
    EXPECT_FALSE(c.Checked("CheckBox1"));
    EXPECT_EQ(c.FontColour("CheckBox1"), clMaroon);
}

// A line of bytes below 0x80 is read without the converter: code page 932 must keep
// each of them (the backslash and the tilde too) as UTF-8 has it, and such texts load as
// they were saved.
TEST(DesignFile, AsciiLinesReadAsTheConverterReadsThem) {
    for (int b = 1; b < 0x80; ++b) {
        if (b == '\r' || b == '\n') continue;
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Cp932ToUtf8(byte), byte) << b;
    }
    std::string printable;
    for (char ch = 0x20; ch < 0x7F; ++ch) printable += ch;
    std::vector<std::string> lines = Lines(DesignConditionsFileBytes(DesignConditionsDefaults()));
    lines[1] = printable;                   // Edit15
    lines[2] = std::string("\t\x01\x7f", 3);  // Edit14
    DesignConditionsForm form;
    AllowableStressForm stresses;
    ApplyDesignConditionsFile(Join(lines), form, stresses);
    EXPECT_EQ(form.Controls().Text("Edit15"), printable);
    EXPECT_EQ(form.Controls().Text("Edit14"), std::string("\t\x01\x7f", 3));
}

TEST(DesignFile, LineFeedOnlyAndShortLastLineReadAlike) {
    const DesignConditionsForm source = EverythingChanged();
    std::string crlf = DesignConditionsFileBytes(source.Controls());
    std::string lf;
    for (char ch : crlf)
        if (ch != '\r') lf += ch;
    lf.pop_back();  // no line end after the last line
    DesignConditionsForm form;
    AllowableStressForm stresses;
    ApplyDesignConditionsFile(lf, form, stresses);
    EXPECT_EQ(form.Controls(), source.Controls());
}

TEST(DesignFile, BytesThatAreNotShiftJisStopTheLoadNamingTheLine) {
    std::string bytes = DesignConditionsFileBytes(DesignConditionsDefaults());
    bytes.replace(bytes.find("\r\n35\r\n") + 2, 2, "\x80\x80");  // line 3, Edit14
    DesignConditionsForm form;
    AllowableStressForm stresses;
    form.SetText("Edit15", "x");
    try {
        ApplyDesignConditionsFile(bytes, form, stresses);
        ADD_FAILURE() << "no error";
    } catch (const EncodingError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("line 3: ", 0), 0u) << e.what();
    }
    EXPECT_EQ(form.Controls().Text("Edit15"), "20");
    EXPECT_EQ(form.Controls().Text("Edit14"), "35");
}

struct StrengthCase {
    const char* Edit50;
    int StrengthBefore;
    int StrengthAfter;
};

TEST(DesignFile, AllowableStressWindowFollowsTheLoadedValues) {
    const StrengthCase cases[] = {{"18", 2, 0}, {"21", 0, 1}, {"24", 0, 2}, {"27", 2, 2},
                                  {"21.0", 0, 0}, {"", 1, 1}};
    for (const StrengthCase& s : cases) {
        DesignConditionsForm source;
        source.SetIndex("RadioGroup5", 1);
        source.SetText("Edit50", s.Edit50);
        source.SetText("Edit23", "5.25");
        source.SetText("Edit24", "0.26");
        source.SetText("Edit25", "");
        DesignConditionsForm form;
        AllowableStressForm stresses;
        stresses.SetIndex(allowable_stress::kStrength, s.StrengthBefore);
        ApplyDesignConditionsFile(DesignConditionsFileBytes(source.Controls()), form, stresses);
        const ControlStore& a = stresses.Controls();
        EXPECT_EQ(a.Index(allowable_stress::kStrength), s.StrengthAfter) << s.Edit50;
        EXPECT_EQ(a.Index(allowable_stress::kDesignCase), 1);
        EXPECT_EQ(a.Text(allowable_stress::kSigmaCa), "5.25");
        EXPECT_EQ(a.Text(allowable_stress::kSigmaCat), "0.26");
        EXPECT_EQ(a.Text(allowable_stress::kTauCa), "");
    }
}

// Window models that log every change reaching them, as reacting windows would see them.
struct Log {
    std::vector<std::string> Entries;
};

template <typename Form>
class Logging : public Form {
public:
    explicit Logging(Log& log) : log_(log) {}
    void SetText(std::string_view name, std::string_view text) override {
        Add(name, "text", text);
        Form::SetText(name, text);
    }
    void SetIndex(std::string_view name, int index) override {
        Add(name, "index", std::to_string(index));
        Form::SetIndex(name, index);
    }
    void SetChecked(std::string_view name, bool checked) override {
        Add(name, "checked", checked ? "1" : "0");
        Form::SetChecked(name, checked);
    }
    void SetEnabled(std::string_view name, bool enabled) override {
        Add(name, "enabled", enabled ? "1" : "0");
        Form::SetEnabled(name, enabled);
    }
    void SetBackground(std::string_view name, Colour colour) override {
        Add(name, "background", ColourToText(colour));
        Form::SetBackground(name, colour);
    }
    void SetFontColour(std::string_view name, Colour colour) override {
        Add(name, "font", ColourToText(colour));
        Form::SetFontColour(name, colour);
    }
    void SetCell(std::string_view name, int row, int column, std::string_view text) override {
        Add(name, "cell" + std::to_string(row) + std::to_string(column), text);
        Form::SetCell(name, row, column, text);
    }

private:
    void Add(std::string_view name, const std::string& what, std::string_view value) {
        log_.Entries.push_back(std::string(name) + " " + what + " " + std::string(value));
    }
    Log& log_;
};

TEST(DesignFile, EveryLoadedValueGoesThroughTheWindowModels) {
    Log log;
    Logging<DesignConditionsForm> form(log);
    Logging<AllowableStressForm> stresses(log);
    ApplyDesignConditionsFile(DesignConditionsFileBytes(DesignConditionsDefaults()), form, stresses);

    // One change per line, the load page first, the allowable-stress window's design
    // case right after the design case and its strength and stresses at the end.
    ASSERT_EQ(log.Entries.size(), 1u + 169u + 1u + 4u);
    const std::vector<std::string> start(log.Entries.begin(), log.Entries.begin() + 6);
    EXPECT_EQ(start, (std::vector<std::string>{"PageControl3 index 0", "RadioGroup1 index 0",
                                               "Edit15 text 20", "Edit14 text 35",
                                               "Edit21 text 0.0", "LabeledEdit4 text 18.0"}));
    const auto designCase = std::find(log.Entries.begin(), log.Entries.end(), "RadioGroup5 index 0");
    ASSERT_NE(designCase, log.Entries.end());
    EXPECT_EQ(*(designCase + 1), "RadioGroup4 index 0");
    const std::vector<std::string> end(log.Entries.end() - 7, log.Entries.end());
    EXPECT_EQ(end, (std::vector<std::string>{"Edit25 text 0.33", "Edit25 background clWindow",
                                             "Edit25 enabled 1", "RadioGroup1 index 0",
                                             "Edit1 text 4.5", "Edit2 text 0.22",
                                             "Edit3 text 0.33"}));
    EXPECT_EQ(form.Controls(), DesignConditionsDefaults());
}

TEST(DesignFile, TextsTheFileCannotHoldAreRefusedBeforeWriting) {
    TempDir dir;
    const auto file = dir / "wall.dat";
    WriteBytes(file, "old");
    DesignConditionsForm form;
    form.SetText("Edit15", "20\r\n0");
    try {
        SaveDesignConditionsFile(file, form.Controls());
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("'Edit15'"), std::string::npos) << e.what();
    }
    form.SetText("Edit15", "20");
    form.SetCell("StringGrid2", 1, 3, "☃");
    try {
        SaveDesignConditionsFile(file, form.Controls());
        ADD_FAILURE() << "no error";
    } catch (const EncodingError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("StringGrid2: ", 0), 0u) << e.what();
    }
    EXPECT_EQ(ReadBytes(file), "old");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"wall.dat"});
}

TEST(DesignFile, LoadingAFileThatCannotBeOpenedNamesIt) {
    TempDir dir;
    DesignConditionsForm form;
    AllowableStressForm stresses;
    const auto missing = dir / "missing.dat";
    try {
        LoadDesignConditionsFile(missing, form, stresses);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.what(), "cannot open '" + missing.string() + "': No such file or directory");
    }
    EXPECT_EQ(form.Controls(), DesignConditionsDefaults());
}

TEST(DesignFile, ProjectTitleIsTheFileNameWithoutFolderAndExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u/walls/X.dat", "X"}, {"X.dat", "X"},        {"walls/重力式擁壁.dat", "重力式擁壁"},
        {"a.b.dat", "a.b"},           {"noext", "noext"},    {"./B-2 .DAT", "B-2 "},
    };
    for (const auto& [file, title] : cases) EXPECT_EQ(ProjectTitle(file), title) << file;
}

}  // namespace
}  // namespace stelvar
