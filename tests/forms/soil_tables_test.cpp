// The soil-constant tables: their contents and the clicks that copy a row into the
// design conditions after the user agrees.

#include "forms/soil_tables.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "forms/design_conditions.h"

namespace stelvar {
namespace {

using soil_tables::kBackfill;
using soil_tables::kFoundation;
using soil_tables::kNaturalGround;
using Kind = ScriptedDialogs::Entry::Kind;

TEST(SoilTables, ShowFillsTheThreeTables) {
    SoilTablesForm form;
    form.Show();
    EXPECT_TRUE(form.Visible());
    const ControlStore& t = form.Controls();
    EXPECT_EQ(t.RowCount(kBackfill), 4);
    EXPECT_EQ(t.ColumnCount(kBackfill), 4);
    EXPECT_EQ(t.RowCount(kFoundation), 10);
    EXPECT_EQ(t.ColumnCount(kFoundation), 6);
    EXPECT_EQ(t.RowCount(kNaturalGround), 4);
    EXPECT_EQ(t.ColumnCount(kNaturalGround), 3);

    EXPECT_EQ(t.Cell(kBackfill, 0, 2), "ｾﾝ断抵抗角(φ)");
    EXPECT_EQ(t.Cell(kBackfill, 2, 1), "19(kN/m3)");
    EXPECT_EQ(t.Cell(kFoundation, 3, 1), "軟岩･土丹");
    EXPECT_EQ(t.Cell(kFoundation, 9, 0), "　　〃　　");
    EXPECT_EQ(t.Cell(kFoundation, 9, 5), "10～15");
    EXPECT_EQ(t.Cell(kNaturalGround, 3, 2), "18(kN/m3)");
    EXPECT_EQ(t.State(kFoundation).ColumnWidths, (std::vector<int>{65, 60, 85, 65, 62, 42}));
    EXPECT_EQ(t.State(kBackfill).Hint, "該当土質をクリック");
}

struct BackfillCase {
    int Row;
    const char* Question;
    int SoilType;
    const char* Weight;
    const char* Angle;
    const char* Bearing;  // from the soil type's own reaction
};

TEST(SoilTables, BackfillRowSetsSoilTypeAndConstantsOnYes) {
    const BackfillCase cases[] = {
        {1, "土質=砂、砂礫\rいいですか。", 0, "20", "35", "900"},
        {2, "土質=砂質土\rいいですか。", 1, "19", "30", "600"},
        {3, "土質=粘性土(wL<50%)\rいいですか。", 2, "18", "25", "300"},
    };
    for (const BackfillCase& c : cases) {
        SoilTablesForm form;
        form.Show();
        DesignConditionsForm conditions;
        conditions.SetIndex("RadioGroup1", (c.SoilType + 1) % 3);
        conditions.SetText("Edit21", "5.0");
        ScriptedDialogs dialogs({true});
        form.ClickBackfillRow(c.Row, conditions, dialogs);

        EXPECT_EQ(dialogs.Texts(Kind::Confirm), std::vector<std::string>{c.Question});
        const ControlStore& s = conditions.Controls();
        EXPECT_EQ(s.Index("RadioGroup1"), c.SoilType) << c.Row;
        EXPECT_EQ(s.Text("Edit15"), c.Weight) << c.Row;
        EXPECT_EQ(s.Text("Edit14"), c.Angle) << c.Row;
        EXPECT_EQ(s.Text("Edit21"), "0.0") << c.Row;
        EXPECT_EQ(s.Text("Edit16"), c.Bearing) << c.Row;
        EXPECT_FALSE(form.Visible()) << c.Row;
    }
}

// The soil type goes in through the window's own setter and before the constants, so
// its reaction runs and the row's values are what remains.
TEST(SoilTables, BackfillRowSelectsTheSoilTypeFirst) {
    class Recording final : public DesignConditionsForm {
    public:
        void SetIndex(std::string_view name, int index) override {
            log.push_back(std::string(name) + "=" + std::to_string(index));
            DesignConditionsForm::SetIndex(name, index);
        }
        void SetText(std::string_view name, std::string_view text) override {
            log.push_back(std::string(name) + "=" + std::string(text));
            DesignConditionsForm::SetText(name, text);
        }
        std::vector<std::string> log;
    };
    SoilTablesForm form;
    Recording conditions;
    ScriptedDialogs dialogs({true});
    form.ClickBackfillRow(2, conditions, dialogs);
    ASSERT_FALSE(conditions.log.empty());
    EXPECT_EQ(conditions.log.front(), "RadioGroup1=1");
    const std::vector<std::string> tail(conditions.log.end() - 3, conditions.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Edit15=19", "Edit14=30", "Edit21=0.0"}));
}

struct FoundationCase {
    int Row;
    const char* Qa;
    const char* Mu;
};

TEST(SoilTables, FoundationRowSetsBearingAndFrictionOnYes) {
    const FoundationCase cases[] = {{1, "1000", "0.7"}, {7, "200", "0.6"}, {9, "100", "0.5"}};
    for (const FoundationCase& c : cases) {
        SoilTablesForm form;
        form.Show();
        DesignConditionsForm conditions;
        ScriptedDialogs dialogs({true});
        form.ClickFoundationRow(c.Row, conditions, dialogs);
        const std::string question = std::string("許容鉛直支持力度(qa)=") + c.Qa + " kN/m2\r" +
                                     "摩擦係数(μ=tan(φb))=" + c.Mu + "\r\rいいですか。";
        EXPECT_EQ(dialogs.Texts(Kind::Confirm), std::vector<std::string>{question});
        EXPECT_EQ(conditions.Controls().Text("Edit16"), c.Qa);
        EXPECT_EQ(conditions.Controls().Text("Edit17"), c.Mu);
        EXPECT_FALSE(form.Visible());
    }
}

// No leaves the window open and every box as it was; a header row or a row past the
// table asks nothing.
TEST(SoilTables, NoOrNonDataRowChangesNothing) {
    SoilTablesForm form;
    form.Show();
    DesignConditionsForm conditions;
    conditions.SetText("Edit16", "250");
    const ControlStore before = conditions.Controls();

    ScriptedDialogs no({false, false});
    form.ClickBackfillRow(3, conditions, no);
    form.ClickFoundationRow(4, conditions, no);
    EXPECT_EQ(no.Texts(Kind::Confirm).size(), 2u);

    ScriptedDialogs yes;
    for (int row : {0, 4, -1}) form.ClickBackfillRow(row, conditions, yes);
    for (int row : {0, 10}) form.ClickFoundationRow(row, conditions, yes);
    EXPECT_TRUE(yes.Shown().empty());

    EXPECT_EQ(conditions.Controls(), before);
    EXPECT_TRUE(form.Visible());
    form.Close();
    EXPECT_FALSE(form.Visible());
}

}  // namespace
}  // namespace stelvar
