#include "documents/text_export.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "documents/file_io.h"
#include "report/results_setup.h"
#include "temp_dir.h"
#include "text/cp932.h"
#include "text/number.h"

namespace stelvar {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using stelvar::testing::ReadBytes;
using stelvar::testing::TempDir;
using stelvar::testing::WriteBytes;

// The design-conditions boxes the export reads.
class Conditions : public ControlSource {
public:
    std::map<std::string, std::string, std::less<>> Texts{
        {"Edit39", "200"}, {"Edit34", "200"}, {"Edit30", "200"}, {"Edit56", "900"}, {"Edit58", "835"}};
    std::map<std::string, int, std::less<>> Indexes{{"PageControl2", 0}, {"RadioGroup2", 0}};

    std::string Text(std::string_view name) const override { return Texts.find(name)->second; }
    int Index(std::string_view name) const override { return Indexes.find(name)->second; }
    bool Checked(std::string_view) const override { return false; }
};

// A store whose tables are all empty, so that the file is headings and list blocks.
ResultsStore StoreWithoutTables() {
    ResultsStore store;
    for (std::string_view name : kResultGrids) store.Grid(name).Resize(0, 0);
    return store;
}

// The file decoded to UTF-8 and cut at CR LF; fails on a bare CR or LF.
std::vector<std::string> Lines(const std::string& bytes) {
    const std::string text = Cp932ToUtf8(bytes);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "last line without CR LF";
            break;
        }
        const std::string line = text.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "bare CR or LF in " << line;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

TEST(TextExport, WritesTheSectionsInOrderAsCodePage932WithCrLf) {
    ResultsStore store = StoreWithoutTables();
    store.List("ListBox20").Add("件　名：擁壁1");
    store.List("ListBox7").Add("1.裏込土の諸量");
    store.List("ListBox7").Add("  土質：砂質土");
    store.List("ListBox1").Add("ω=30.00度");
    store.List("ListBox13").Add("突起の計算");
    TextExportConditions c;  // gravity wall without a base slab, with a shear key
    c.ShearKey = true;

    const std::string bytes = TextExportBytes(store, c);
    EXPECT_EQ(bytes.substr(0, 17), "Vantorel Ver3.0\r\n");
    EXPECT_THAT(Lines(bytes),
                ElementsAreArray<std::string>({
                    "Vantorel Ver3.0", "", "目次",
                    "件　名：擁壁1", "",
                    "Ⅰ.設計条件", "1.裏込土の諸量", "  土質：砂質土", "", "",
                    "Ⅱ-1.荷重計算(自重)", "安定計算用", "", "",
                    "構造計算用", "", "",
                    "Ⅱ-2.荷重計算(土圧等)", "1.土圧計算", "ω=30.00度", "", "2.その他の荷重", "",
                    "4.荷重一覧", "",
                    "Ⅲ-1.安定計算", "", "", "", "",
                    "Ⅳ-1-1.構造計算:たて壁(断面力)", "", "", "", "",
                    "Ⅳ-1-2.構造計算:たて壁(応力度)", "", "",
                    "Ⅳ-2.構造計算:底版(突起)", "突起", "突起の計算", "", "",
                }));
    // "Ⅰ" and "①"-style characters are the code page 932 extension rows.
    EXPECT_NE(bytes.find("\x87\x54.", 0), std::string::npos);
}

TEST(TextExport, RightAlignsCellsOnTheirShiftJisByteWidth) {
    ResultsStore store = StoreWithoutTables();
    StringGridContent& coords = store.Grid("StringGrid2");  // width 6
    coords.Resize(3, 2);
    coords.SetRowText(0, "12.5,,合計");
    coords.SetRowText(1, "ﾓｰﾒﾝﾄ,1234567,躯体重量");
    StringGridContent& loads = store.Grid("StringGrid6");  // width 12
    loads.Resize(2, 1);
    loads.SetRowText(0, "鉛直力V,ﾓｰﾒﾝﾄV･x");

    const std::string bytes = TextExportBytes(store, TextExportConditions{});
    const std::string row0 = "  12.5:      :  " + Utf8ToCp932("合計") + ":\r\n";
    // five half-width katakana are five bytes; "躯体重量" is eight, more than the field
    const std::string row1 = " " + Utf8ToCp932("ﾓｰﾒﾝﾄ") + ":1234567:" + Utf8ToCp932("躯体重量") + ":\r\n";
    const std::string grid2 = Utf8ToCp932("安定計算用") + "\r\n\r\n" + row0 + row1 + "\r\n";
    EXPECT_NE(bytes.find(grid2), std::string::npos);
    // 7 bytes and 8 bytes in a field of 12
    const std::string grid6 = "     " + Utf8ToCp932("鉛直力V") + ":    " + Utf8ToCp932("ﾓｰﾒﾝﾄV･x") + ":\r\n\r\n";
    EXPECT_NE(bytes.find(Utf8ToCp932("4.荷重一覧") + "\r\n" + grid6), std::string::npos);
}

struct SlabCase {
    const char* What;
    TextExportConditions Conditions;
    std::vector<std::string> Sections;
};

std::vector<std::string> SlabHeadings(const std::string& bytes) {
    std::vector<std::string> out;
    for (const std::string& line : Lines(bytes))
        if (line.rfind("Ⅳ-2.", 0) == 0) out.push_back(line);
    return out;
}

TEST(TextExport, WritesTheSlabSectionsTheWallHas) {
    const std::string toe = "Ⅳ-2.構造計算:底版(つま先版)";
    const std::string heel = "Ⅳ-2.構造計算:底版(かかと版)";
    const std::string key = "Ⅳ-2.構造計算:底版(突起)";
    const SlabCase cases[] = {
        {"gravity, toe and heel", {0, 200, 200, 200, false}, {toe, heel}},
        {"gravity, no toe, key", {0, 200, 0, 200, true}, {heel, key}},
        {"gravity, no base slab", {0, 0, 200, 200, true}, {key}},
        {"leaning, heel box ignored", {1, 900, 835, 500, false}, {toe}},
        {"leaning, no toe", {1, 900, 0, 0, false}, {}},
    };
    for (const SlabCase& c : cases) {
        SCOPED_TRACE(c.What);
        EXPECT_EQ(SlabHeadings(TextExportBytes(StoreWithoutTables(), c.Conditions)), c.Sections);
    }

    // The toe section carries its list and both tables at width 10.
    ResultsStore store = StoreWithoutTables();
    store.List("ListBox9").Add("つま先版の計算");
    store.Grid("StringGrid11").Resize(1, 1);
    store.Grid("StringGrid11").SetCell(0, 0, "自　重");
    store.Grid("StringGrid7").Resize(1, 1);
    store.Grid("StringGrid7").SetCell(0, 0, "可");
    const std::string bytes = TextExportBytes(store, {0, 200, 200, 0, false});
    const std::string expected = Utf8ToCp932("つま先版\r\nつま先版の計算\r\n\r\n    自　重:\r\n\r\n        可:\r\n\r\n");
    EXPECT_TRUE(bytes.ends_with(expected));
}

TEST(TextExport, WritesAQuestionMarkForACharacterWithoutAShiftJisForm) {
    ResultsStore store = StoreWithoutTables();
    store.List("ListBox20").Add("件　名：壁😀A");
    const std::vector<std::string> lines = Lines(TextExportBytes(store, {}));
    EXPECT_EQ(lines.at(3), "件　名：壁?A");
}

TEST(TextExport, ReadsTheSlabOfTheVisibleWallPage) {
    Conditions controls;
    TextExportConditions c = ReadTextExportConditions(controls);
    EXPECT_EQ(c.WallType, 0);
    EXPECT_EQ(c.SlabThickness, 200);
    EXPECT_EQ(c.HeelWidth, 200);
    EXPECT_FALSE(c.ShearKey);

    controls.Indexes["PageControl2"] = 1;
    controls.Indexes["RadioGroup2"] = 1;
    controls.Texts["Edit58"] = "0";
    c = ReadTextExportConditions(controls);
    EXPECT_EQ(c.WallType, 1);
    EXPECT_EQ(c.SlabThickness, 900);
    EXPECT_EQ(c.ToeWidth, 0);
    EXPECT_EQ(c.HeelWidth, 0);
    EXPECT_TRUE(c.ShearKey);
}

class ExportTextCommand : public ::testing::Test {
protected:
    TempDir dir;
    ResultsStore store;
    Conditions controls;
    std::filesystem::path target = dir / "擁壁.txt";

    void SetUp() override { SetUpResultsWindow(store); }
};

TEST_F(ExportTextCommand, AsksAndWritesTheFileOnYes) {
    ScriptedDialogs dialogs({true});
    EXPECT_TRUE(ExportText(store, controls, dialogs, target));
    EXPECT_THAT(dialogs.Texts(ScriptedDialogs::Entry::Kind::Confirm),
                ElementsAre("計算結果をテキスト出力しますか。\r\r出力ファイル名は\r　擁壁.txt\rです。"));
    EXPECT_THAT(dialogs.Texts(ScriptedDialogs::Entry::Kind::Info),
                ElementsAre("テキスト出力終わりました。"));
    EXPECT_EQ(ReadBytes(target), TextExportBytes(store, ReadTextExportConditions(controls)));
    // the headless form writes the same file without asking
    WriteTextExport(store, controls, dir / "cli.txt");
    EXPECT_EQ(ReadBytes(dir / "cli.txt"), ReadBytes(target));
    // before any run the set-up tables are in the file
    EXPECT_NE(ReadBytes(target).find(Utf8ToCp932("        区分:     鉛直力V:")), std::string::npos);
}

TEST_F(ExportTextCommand, WritesNothingOnNo) {
    WriteBytes(target, "old");
    ScriptedDialogs dialogs({false});
    EXPECT_FALSE(ExportText(store, controls, dialogs, target));
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_TRUE(dialogs.Texts(ScriptedDialogs::Entry::Kind::Info).empty());
}

TEST_F(ExportTextCommand, StopsBeforeTheQuestionWhenABoxIsNoNumber) {
    controls.Texts["Edit34"] = "2oo";
    ScriptedDialogs dialogs;
    EXPECT_THROW(ExportText(store, controls, dialogs, target), ConversionError);
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_TRUE(dir.Entries().empty());
}

TEST_F(ExportTextCommand, AnUnwritablePathGivesAClearErrorAndNoFile) {
    ScriptedDialogs dialogs;
    const auto missing = dir / "no such folder" / "擁壁.txt";
    try {
        ExportText(store, controls, dialogs, missing);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr(missing.string()));
        EXPECT_THAT(e.what(), ::testing::HasSubstr("No such file or directory"));
    }
    // A folder standing where the file should go: the rename fails, nothing is left.
    std::filesystem::create_directory(target);
    EXPECT_THROW(ExportText(store, controls, dialogs, target), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(target));
    EXPECT_THAT(dir.Entries(), ElementsAre("擁壁.txt"));
    EXPECT_TRUE(std::filesystem::is_empty(target));
    EXPECT_TRUE(dialogs.Texts(ScriptedDialogs::Entry::Kind::Info).empty());
}

}  // namespace
}  // namespace stelvar
