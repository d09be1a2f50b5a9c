#include "forms/design_conditions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace stelvar {
namespace {

struct TextCase {
    const char* Name;
    const char* Text;
};

// Every box the calculation reads, with the text the window starts with.
TEST(DesignConditionsDefaults, BoxesStartWithTheirTexts) {
    const TextCase cases[] = {
        {"Edit15", "20"},        {"Edit14", "35"},        {"Edit21", "0.0"},
        {"LabeledEdit4", "18.0"}, {"LabeledEdit7", "25"}, {"LabeledEdit8", "0.0"},
        {"LabeledEdit3", "1.2"}, {"LabeledEdit5", "19.0"}, {"Edit42", "30"},
        {"Edit3", "0.0"},        {"LabeledEdit6", "0.6"}, {"Edit16", "300"},
        {"Edit17", "0.6"},       {"Edit18", "0.0"},       {"Edit50", "18"},
        {"Edit23", "4.5"},       {"Edit24", "0.22"},      {"Edit25", "0.33"},
        {"LabeledEdit1", "-"},   {"LabeledEdit2", "-"},   {"ComboBox18", "5"},
        {"ComboBox7", "23.0"},   {"Edit36", "600"},       {"Edit37", "400"},
        {"Edit2", "1000"},       {"Edit38", "3000"},      {"Edit39", "200"},
        {"Edit34", "200"},       {"Edit31", "2400"},      {"Edit30", "200"},
        {"Edit51", "2550"},      {"Edit52", "450"},       {"Edit55", "5100"},
        {"Edit56", "900"},       {"Edit58", "835"},       {"Edit59", "2050"},
        {"Edit60", "1785"},      {"Edit35", "0"},         {"Edit40", "0"},
        {"Edit41", "0"},         {"ComboBox1", "-"},      {"Edit28", "0.0"},
        {"Edit1", "10.0"},       {"Edit43", "0.0"},       {"Edit13", "0.0"},
        {"Edit54", "0.0"},       {"Edit62", "0.0"},       {"ComboBox8", "0.0"},
        {"ComboBox3", "0"},      {"ComboBox2", "0"},      {"ComboBox9", "0.0"},
        {"ComboBox4", "0"},      {"Edit63", "0"},         {"ComboBox5", "0.0"},
        {"ComboBox6", "1.0"},    {"Edit61", "0.0"},       {"Edit53", ""},
    };
    const ControlStore s = DesignConditionsDefaults();
    for (const TextCase& c : cases) EXPECT_EQ(s.Text(c.Name), c.Text) << c.Name;
}

struct IndexCase {
    const char* Name;
    int Index;
    std::vector<std::string> Items;
};

TEST(DesignConditionsDefaults, SelectionsStartOnTheirItems) {
    const IndexCase cases[] = {
        {"RadioGroup1", 0, {"砂、砂礫", "砂質土", "粘性土(wL<50%)"}},
        {"RadioGroup3", 0, {"場所打", "既製品"}},
        {"PageControl2", 0, {"重力式", "もたれ式"}},
        {"RadioGroup2", 0, {"無し", "有り"}},
        {"TabControl1", 0, {"平坦", "法面", "盛土"}},
        {"RadioGroup8", 0, {"平坦部", "全面"}},
        {"RadioGroup6", 0, {"土塊に含み計算", "別途計算し加算"}},
        {"RadioGroup5", 0, {"常時", "地震時"}},
        {"RadioGroup9", 1, {"常時土圧   +躯体慣性力", "地震時土圧+躯体慣性力", "地震時土圧のみ"}},
        {"RadioGroup11", 0, {"許容偏心量法", "安全率法"}},
        {"RadioGroup4", 0, {"ｶﾗｰ", "白黒"}},
        {"PageControl3", 0, {"(1)自重", "(2)背面土形状、載荷重、土圧", "(4)その他の荷重", "(3)設計震度"}},
        {"PageControl1", 0, {"標準値（Kho）設定", "補正係数（Cz）設定"}},
    };
    const ControlStore s = DesignConditionsDefaults();
    for (const IndexCase& c : cases) {
        EXPECT_EQ(s.Index(c.Name), c.Index) << c.Name;
        EXPECT_EQ(s.Items(c.Name), c.Items) << c.Name;
    }
    EXPECT_EQ(s.Items("ComboBox1").size(), 21u);
    EXPECT_EQ(s.Items("ComboBox1").front(), "1.0");
    EXPECT_EQ(s.Items("ComboBox1")[5], "1.5");
    EXPECT_EQ(s.Items("ComboBox1").back(), "3.0");
    EXPECT_EQ(s.Items("ComboBox18").front(), "1");
    EXPECT_EQ(s.Items("ComboBox18").back(), "10");
    EXPECT_EQ(s.Items("ComboBox9"), (std::vector<std::string>{"0.6", "0.675", "0.76"}));
}

TEST(DesignConditionsDefaults, SwitchedOffInputsAreGreyedOut) {
    const std::set<std::string> disabled = {
        "LabeledEdit1", "LabeledEdit2", "Edit35",    "Edit40",    "Edit41",    "ComboBox1",
        "Edit28",       "Edit43",       "Edit13",    "Edit54",    "Edit62",    "ComboBox8",
        "ComboBox3",    "ComboBox2",    "ComboBox9", "ComboBox4", "Edit63",    "ComboBox5",
        "ComboBox6",    "Edit61"};
    const std::set<std::string> moneyGreen = {"LabeledEdit7", "LabeledEdit8"};
    const ControlStore s = DesignConditionsDefaults();
    int boxes = 0;
    for (const std::string& name : s.Names()) {
        const ControlState& c = s.State(name);
        if (c.Kind == ControlKind::Edit || c.Kind == ControlKind::ComboBox) {
            ++boxes;
            EXPECT_EQ(c.Enabled, disabled.count(name) == 0) << name;
            const Colour expected = moneyGreen.count(name) ? clMoneyGreen
                                    : c.Enabled             ? clWindow
                                                            : clSilver;
            EXPECT_EQ(c.Background, expected) << name;
        }
        if (c.Kind == ControlKind::CheckBox) {
            EXPECT_EQ(c.FontColour, c.Checked ? clMaroon : clBlack) << name;
        }
    }
    EXPECT_EQ(boxes, 57);

    EXPECT_TRUE(s.Checked("CheckBox1"));
    for (const char* name : {"CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6",
                             "CheckBox7", "CheckBox9"})
        EXPECT_FALSE(s.Checked(name)) << name;
    EXPECT_FALSE(s.Enabled("CheckBox2"));
    EXPECT_FALSE(s.Enabled("RadioGroup9"));
    EXPECT_FALSE(s.Enabled("PageControl1"));
    EXPECT_FALSE(s.Visible("TabSheet7"));
}

TEST(DesignConditionsDefaults, SoilLayerGrid) {
    const ControlStore s = DesignConditionsDefaults();
    ASSERT_EQ(s.RowCount("StringGrid2"), 6);
    ASSERT_EQ(s.ColumnCount("StringGrid2"), 4);
    EXPECT_EQ(s.Cell("StringGrid2", 0, 1), "層厚(m)");
    EXPECT_EQ(s.Cell("StringGrid2", 0, 3), "土質");
    for (int row = 1; row <= 5; ++row) {
        EXPECT_EQ(s.Cell("StringGrid2", row, 0), std::to_string(row));
        EXPECT_EQ(s.Cell("StringGrid2", row, 1), "0");
        EXPECT_EQ(s.Cell("StringGrid2", row, 2), "0");
        EXPECT_EQ(s.Cell("StringGrid2", row, 3), "-");
    }
    EXPECT_EQ(s.Cell("StringGrid1", 2, 3), "0.24");
    EXPECT_EQ(s.Cell("StringGrid3", 1, 1), "       Tg<0.2");
}

TEST(DesignConditionsDefaults, FigureLabelsButtonsAndGridWidths) {
    namespace dc = design_conditions;
    const ControlStore s = DesignConditionsDefaults();
    const std::pair<std::string_view, const char*> labels[] = {
        {dc::kKeyPositionLabel, "(1)"}, {dc::kKeyWidthLabel, "(2)"}, {dc::kKeyHeightLabel, "(3)"},
        {dc::kGroundLevelLabel, "計画地盤面"}, {dc::kH0Label, "H0"},
        {dc::kVirtualGroundLabel, "仮想地盤面 ----"}, {dc::kH1Label, "H1"}, {dc::kH2Label, "H2"},
        {dc::kH3Label, "H3"}};
    for (const auto& [name, caption] : labels) {
        EXPECT_EQ(s.State(name).Kind, ControlKind::Label) << name;
        EXPECT_EQ(s.State(name).Caption, caption) << name;
        EXPECT_EQ(s.Visible(name), name == dc::kGroundLevelLabel) << name;
    }
    const std::pair<const char*, const char*> buttons[] = {
        {"SpeedButton1", "計算開始"}, {"SpeedButton2", "基礎地盤定数"},
        {"SpeedButton3", "許容応力度"}, {"SpeedButton4", "特性値（Tg）計算"},
        {"SpeedButton5", "あ"}, {"SpeedButton26", "わ"}};
    for (const auto& [name, caption] : buttons) EXPECT_EQ(s.State(name).Caption, caption) << name;
    EXPECT_EQ(s.State("CheckBox3").Caption, "②水圧");
    EXPECT_EQ(s.State("RadioGroup9").Caption, "地震時荷重(常時は無効)");
    EXPECT_EQ(s.State("Edit16").Hint, "許容鉛直支持力度(H24指針P69：解表4-8)");
    EXPECT_EQ(s.State("StringGrid1").ColumnWidths, (std::vector<int>{65, 30, 29, 30}));
    EXPECT_EQ(s.State("StringGrid2").ColumnWidths, (std::vector<int>{30, 45, 30, 49}));
    EXPECT_EQ(s.State("StringGrid3").ColumnWidths, (std::vector<int>{55, 93}));
}

TEST(AllowableStressDefaults, StrengthCaseAndStresses) {
    using namespace allowable_stress;
    const ControlStore s = AllowableStressDefaults();
    EXPECT_EQ(s.Index(kStrength), 0);
    EXPECT_EQ(s.Items(kStrength), (std::vector<std::string>{"18", "21", "24"}));
    EXPECT_EQ(s.Index(kDesignCase), 0);
    EXPECT_EQ(s.Items(kDesignCase), (std::vector<std::string>{"常時", "地震時"}));
    EXPECT_EQ(s.Text(kSigmaCa), "4.5");
    EXPECT_EQ(s.Text(kSigmaCat), "0.22");
    EXPECT_EQ(s.Text(kTauCa), "0.33");
}

TEST(DesignConditionsForm, StartsWithTheDefaults) {
    EXPECT_EQ(DesignConditionsForm().Controls(), DesignConditionsDefaults());
    EXPECT_EQ(AllowableStressForm().Controls(), AllowableStressDefaults());
}

// Each window starts from the start-up state, whatever earlier windows were changed to.
TEST(DesignConditionsForm, EveryWindowStartsAfresh) {
    DesignConditionsForm first;
    first.SetIndex("RadioGroup5", 1);
    first.SetChecked("CheckBox3", true);
    first.SetText("Edit15", "17");
    first.ShowProjectTitle("擁壁A");
    const DesignConditionsForm second;
    EXPECT_EQ(second.Controls(), DesignConditionsDefaults());
    EXPECT_EQ(second.Caption(), "設計条件");
    EXPECT_EQ(second.FigureRedraws(), DesignConditionsForm().FigureRedraws());
    EXPECT_NE(first.Controls(), second.Controls());
}

}  // namespace
}  // namespace stelvar
