// The design-conditions window driven as a user drives it: each change runs the window's
// reaction, which refills, enables or greys the boxes that depend on it.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "forms/design_conditions.h"
#include "text/number.h"

namespace stelvar {
namespace {

namespace dc = design_conditions;

// A box as the window shows it: text, enabled, and the background that goes with it.
void ExpectBox(const ControlStore& c, const std::string& name, const std::string& text,
               bool enabled) {
    EXPECT_EQ(c.Text(name), text) << name;
    EXPECT_EQ(c.Enabled(name), enabled) << name;
    EXPECT_EQ(c.Background(name), enabled ? clWindow : clSilver) << name;
}

struct SoilCase {
    int Index;
    const char* GammaS;
    const char* Phi;
    const char* Qa0;
};

TEST(DesignConditionsReactions, SoilTypeFillsTheBackfillAndTheBearingIntensity) {
    const SoilCase cases[] = {
        {1, "19", "30", "600"}, {2, "18", "25", "300"}, {0, "20", "35", "900"}};
    DesignConditionsForm form;
    for (const SoilCase& s : cases) {
        form.SetText("Edit16", "450");  // typed before: the choice overwrites it
        form.SetText("Edit21", "5.0");
        form.SetIndex("RadioGroup1", s.Index);
        const ControlStore& c = form.Controls();
        EXPECT_EQ(c.Text("Edit15"), s.GammaS) << s.Index;
        EXPECT_EQ(c.Text("Edit14"), s.Phi) << s.Index;
        EXPECT_EQ(c.Text("Edit21"), "0.0") << s.Index;
        EXPECT_EQ(c.Text("Edit16"), s.Qa0) << s.Index;
    }
    // Choosing the soil type already chosen is no change and fills nothing.
    form.SetText("Edit16", "450");
    form.SetIndex("RadioGroup1", 0);
    EXPECT_EQ(form.Controls().Text("Edit16"), "450");
    // A value given on the command line goes the same way.
    form.SetValue("RadioGroup1", "1");
    EXPECT_EQ(form.Controls().Text("Edit16"), "600");
}

struct SwitchCase {
    const char* CheckBox;
    std::vector<std::pair<std::string, std::string>> BoxesWhenOn;
    std::vector<std::string_view> LabelsWhenOn;
};

TEST(DesignConditionsReactions, LoadSwitchesEnableAndFillOrGreyAndZeroTheirBoxes) {
    const SwitchCase cases[] = {
        {"CheckBox1", {{"Edit1", "10.0"}}, {}},
        {"CheckBox4", {{"Edit43", "1.0"}, {"Edit13", "0.35"}}, {}},
        {"CheckBox9", {{"Edit54", "1.0"}}, {dc::kH0Label, dc::kVirtualGroundLabel}},
        {"CheckBox3", {{"Edit62", "0.5"}, {"ComboBox8", "9.8"}}, {dc::kH1Label}},
        {"CheckBox5", {{"ComboBox3", "1.0"}, {"ComboBox2", "1.0"}}, {dc::kH2Label}},
        {"CheckBox6", {{"ComboBox4", "30"}, {"ComboBox9", "0.6"}, {"Edit63", "10.0"}},
         {dc::kH3Label}},
    };
    for (const SwitchCase& s : cases) {
        DesignConditionsForm form;
        const ControlStore& c = form.Controls();
        for (bool on : {false, true, false}) {
            // Each step flips the switch (the surcharge starts on, the others off).
            if (c.Checked(s.CheckBox) == on) form.SetChecked(s.CheckBox, !on);
            const int redraws = form.FigureRedraws();
            form.SetChecked(s.CheckBox, on);
            EXPECT_GT(form.FigureRedraws(), redraws) << s.CheckBox;
            EXPECT_EQ(c.FontColour(s.CheckBox), on ? clMaroon : clBlack) << s.CheckBox;
            for (const auto& [box, text] : s.BoxesWhenOn)
                ExpectBox(c, box, on ? text : "0.0", on);
            for (std::string_view label : s.LabelsWhenOn) EXPECT_EQ(c.Visible(label), on) << label;
        }
        EXPECT_TRUE(c.Visible(dc::kGroundLevelLabel));
    }
}

TEST(DesignConditionsReactions, WaterPressureBringsBuoyancyInTheBaseSlab) {
    DesignConditionsForm form;
    const ControlStore& c = form.Controls();
    form.SetChecked("CheckBox3", true);
    EXPECT_TRUE(c.Checked("CheckBox2"));
    EXPECT_TRUE(c.Enabled("CheckBox2"));
    EXPECT_EQ(c.FontColour("CheckBox2"), clBlack);  // it has no reaction of its own
    form.SetChecked("CheckBox2", false);             // the user may leave buoyancy out
    EXPECT_FALSE(c.Checked("CheckBox2"));
    form.SetChecked("CheckBox3", false);
    EXPECT_FALSE(c.Checked("CheckBox2"));
    EXPECT_FALSE(c.Enabled("CheckBox2"));
    form.SetChecked("CheckBox3", true);
    EXPECT_TRUE(c.Checked("CheckBox2"));
}

TEST(DesignConditionsReactions, BackfillTabsSetSlopeAndHeightBoxes) {
    DesignConditionsForm form;
    const ControlStore& c = form.Controls();
    form.SetIndex("RadioGroup8", 1);  // surcharge on the whole surface: it stays on
    form.SetIndex("TabControl1", 1);
    ExpectBox(c, "ComboBox1", "1.0", true);
    ExpectBox(c, "Edit28", "0.0", false);
    EXPECT_TRUE(c.Checked("CheckBox1"));
    form.SetIndex("TabControl1", 2);
    ExpectBox(c, "ComboBox1", "1.0", true);
    ExpectBox(c, "Edit28", "2000", true);
    form.SetText("ComboBox1", "1.5");
    form.SetIndex("TabControl1", 0);
    ExpectBox(c, "ComboBox1", "-", false);
    ExpectBox(c, "Edit28", "0.0", false);
}

TEST(DesignConditionsReactions, SlopeWithSurchargeOnTheFlatPartOnlySwitchesTheSurchargeOff) {
    DesignConditionsForm form;
    const ControlStore& c = form.Controls();
    form.SetText("Edit1", "15.0");
    form.SetIndex("TabControl1", 1);
    EXPECT_FALSE(c.Checked("CheckBox1"));
    EXPECT_EQ(c.FontColour("CheckBox1"), clBlack);
    ExpectBox(c, "Edit1", "0.0", false);

    // Choosing the whole surface afterwards does not switch it on again.
    form.SetIndex("RadioGroup8", 1);
    EXPECT_FALSE(c.Checked("CheckBox1"));
    ExpectBox(c, "Edit1", "0.0", false);

    // Switched on by hand, it is switched off again by going back to the flat part.
    form.SetChecked("CheckBox1", true);
    ExpectBox(c, "Edit1", "10.0", true);
    form.SetIndex("RadioGroup8", 0);
    EXPECT_FALSE(c.Checked("CheckBox1"));
    ExpectBox(c, "Edit1", "0.0", false);

    // On an embankment the flat-part position leaves the surcharge alone.
    form.SetIndex("TabControl1", 2);
    form.SetChecked("CheckBox1", true);
    form.SetIndex("RadioGroup8", 1);
    form.SetIndex("RadioGroup8", 0);
    EXPECT_TRUE(c.Checked("CheckBox1"));
}

TEST(DesignConditionsReactions, ShearKeyAndWallTypeAskForNewFiguresAndPreviewMenu) {
    DesignConditionsForm form;
    const ControlStore& c = form.Controls();
    const std::string_view labels[] = {dc::kKeyPositionLabel, dc::kKeyWidthLabel,
                                       dc::kKeyHeightLabel};
    form.SetIndex("RadioGroup2", 1);
    ExpectBox(c, "Edit35", "800", true);
    ExpectBox(c, "Edit40", "500", true);
    ExpectBox(c, "Edit41", "400", true);
    for (std::string_view label : labels) EXPECT_TRUE(c.Visible(label)) << label;
    form.SetIndex("RadioGroup2", 0);
    for (const char* box : {"Edit35", "Edit40", "Edit41"}) ExpectBox(c, box, "0", false);
    for (std::string_view label : labels) EXPECT_FALSE(c.Visible(label)) << label;
    EXPECT_EQ(form.PreviewMenuUpdates(), 2);

    const int redraws = form.FigureRedraws();
    form.SetIndex("PageControl2", 1);
    form.SetIndex("PageControl2", 1);  // no change, no redraw
    EXPECT_EQ(form.FigureRedraws(), redraws + 1);
    EXPECT_EQ(form.PreviewMenuUpdates(), 3);
}

TEST(DesignConditionsReactions, OverturningMethodEnablesTheSafetyFactors) {
    DesignConditionsForm form;
    const ControlStore& c = form.Controls();
    form.SetIndex("RadioGroup11", 1);
    ExpectBox(c, "LabeledEdit1", "1.5", true);
    ExpectBox(c, "LabeledEdit2", "1.2", true);
    form.SetIndex("RadioGroup11", 0);
    ExpectBox(c, "LabeledEdit1", "-", false);
    ExpectBox(c, "LabeledEdit2", "-", false);
}

TEST(DesignConditionsReactions, SeismicCaseShowsItsPageAndBackResetsEverything) {
    DesignConditionsForm form;
    const ControlStore& c = form.Controls();
    form.SetIndex("RadioGroup5", 1);
    EXPECT_TRUE(c.Visible("TabSheet7"));
    ExpectBox(c, "Edit61", "0.12", true);
    ExpectBox(c, "ComboBox5", "0.12", true);
    ExpectBox(c, "ComboBox6", "1.0", true);
    EXPECT_TRUE(c.Enabled("PageControl1"));
    EXPECT_TRUE(c.Enabled("RadioGroup9"));
    for (const char* grey : {"StringGrid1", "StringGrid2", "ListBox1"})
        EXPECT_EQ(c.Background(grey), clWindow) << grey;

    // Work on the seismic page, then go back to the ordinary case.
    form.SetText("ComboBox5", "0.20");
    form.ClickButton("SpeedButton5");
    form.SetIndex("ListBox1", 1);
    form.SetIndex("ListBox2", 2);
    ASSERT_FALSE(c.Items("ListBox2").empty());
    form.SetIndex("RadioGroup5", 0);
    EXPECT_TRUE(c.Items("ListBox1").empty());
    EXPECT_TRUE(c.Items("ListBox2").empty());
    ExpectBox(c, "Edit61", "0.0", false);
    ExpectBox(c, "ComboBox5", "0.0", false);
    ExpectBox(c, "ComboBox6", "1.0", false);
    EXPECT_EQ(c, DesignConditionsDefaults());
}

struct CoefficientCase {
    const char* Standard;
    const char* Factor;
    const char* Shown;
};

// The product is taken in single precision: 0.15 × 0.70 is 0.105 as a float but
// 0.10499999999999999 in double precision.
TEST(DesignConditionsReactions, DesignCoefficientIsTheSinglePrecisionProduct) {
    const CoefficientCase cases[] = {
        {"0.15", "0.70", "0.11"}, {"0.12", "0.85", "0.10"}, {"0.18", "0.85", "0.15"},
        {"0.24", "0.7", "0.17"},  {"0.16", "1.0", "0.16"},  {"0.20", "0.85", "0.17"},
        {"0.0", "1.0", "0.00"},   {"-0.1", "1.0", "-0.10"}, {"1.005", "1", "1.00"},
    };
    for (const CoefficientCase& k : cases)
        EXPECT_EQ(DesignCoefficientText(k.Standard, k.Factor), k.Shown)
            << k.Standard << " x " << k.Factor;

    DesignConditionsForm form;
    form.SetIndex("RadioGroup5", 1);
    form.SetText("ComboBox5", "0.15");
    form.SetText("ComboBox6", "0.70");
    EXPECT_EQ(form.Controls().Text("Edit61"), "0.11");
    form.SetText("Edit61", "0.13");  // typed over; an unchanged factor changes nothing
    form.SetText("ComboBox6", "0.70");
    EXPECT_EQ(form.Controls().Text("Edit61"), "0.13");
}

TEST(DesignConditionsReactions, StandardValueThatIsNotANumberStopsTheCoefficient) {
    DesignConditionsForm form;
    form.SetIndex("RadioGroup5", 1);
    try {
        form.SetText("ComboBox5", "0,15");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'0,15' is not a valid floating point value");
    }
    EXPECT_EQ(form.Controls().Text("ComboBox5"), "0,15");  // the box keeps what was typed
    EXPECT_EQ(form.Controls().Text("Edit61"), "0.12");
}

struct GridClickCase {
    int Row;
    int Column;
    const char* Standard;  // ComboBox5 afterwards
    const char* Shown;     // Edit61 afterwards, with the factor 0.85
};

TEST(DesignConditionsReactions, StandardValueTableClickSetsTheStandardValue) {
    const GridClickCase cases[] = {
        {1, 1, "0.12", "0.10"}, {1, 2, "0.15", "0.13"}, {2, 3, "0.24", "0.20"},
        {2, 1, "0.16", "0.14"}, {0, 2, "0.12", "0.99"}, {2, 0, "0.12", "0.99"},
    };
    for (const GridClickCase& g : cases) {
        DesignConditionsForm form;
        form.SetIndex("RadioGroup5", 1);
        form.SetText("ComboBox6", "0.85");
        form.SetText("Edit61", "0.99");
        form.ClickCell("StringGrid1", g.Row, g.Column);
        EXPECT_EQ(form.Controls().Text("ComboBox5"), g.Standard) << g.Row << "," << g.Column;
        EXPECT_EQ(form.Controls().Text("Edit61"), g.Shown) << g.Row << "," << g.Column;
    }
    DesignConditionsForm form;
    EXPECT_THROW(form.ClickCell("StringGrid1", 3, 1), ControlError);
    EXPECT_THROW(form.ClickCell("Edit61", 1, 1), ControlError);
}

TEST(DesignConditionsReactions, SoilTypeCellCyclesBetweenSandAndClay) {
    const std::pair<const char*, const char*> cases[] = {
        {"-", "砂質土"}, {"", "砂質土"}, {"砂質土", "粘性土"}, {"粘性土", "砂質土"},
        {"礫質土", "礫質土"}, {"砂", "砂"},
    };
    for (const auto& [before, after] : cases) {
        DesignConditionsForm form;
        form.SetCell("StringGrid2", 4, 3, before);
        form.ClickCell("StringGrid2", 4, 3);
        EXPECT_EQ(form.Controls().Cell("StringGrid2", 4, 3), after) << before;
    }
    DesignConditionsForm form;
    form.ClickCell("StringGrid2", 0, 3);  // the header
    form.ClickCell("StringGrid2", 1, 2);  // the N-value column
    EXPECT_EQ(form.Controls(), DesignConditionsDefaults());
}

struct TgCase {
    const char* Name;
    std::vector<std::vector<std::string>> Rows;  // thickness, N, soil type of rows 1..
    const char* Shown;                           // nullptr: the error below
    const char* Error = nullptr;
};

TEST(DesignConditionsReactions, CharacteristicValueOfTheGround) {
    const TgCase cases[] = {
        {"sand and clay", {{"2", "8", "砂質土"}, {"3", "2", "粘性土"}}, "Tg=0.16"},
        {"one sand layer", {{"10", "27", "砂質土"}}, "Tg=0.13"},  // 4 × 10/300
        {"no layer entered", {}, ""},
        {"rows with a dash are passed over", {{"2", "8", "-"}, {"3", "-", "粘性土"}}, ""},
        {"the first empty cell ends the layers",
         {{"2", "8", "砂質土"}, {"", "2", "粘性土"}, {"3", "2", "粘性土"}}, "Tg=0.04"},
        {"no blows: accepted, adds nothing", {{"2", "0", "砂質土"}}, "Tg=0.00"},
        {"a soil type without velocity adds nothing",
         {{"2", "8", "砂質土"}, {"3", "2", "ローム"}}, "Tg=0.04"},
        {"a negative thickness", {{"-2", "8", "砂質土"}}, "-Tg=0.04"},
        {"a thickness that is not a number", {{"2m", "8", "砂質土"}}, nullptr,
         "'2m' is not a valid floating point value"},
        {"a negative N-value", {{"2", "-8", "砂質土"}}, nullptr,
         "Invalid floating point operation"},
    };
    for (const TgCase& t : cases) {
        DesignConditionsForm form;
        form.SetText("Edit53", "Tg=9.99");
        for (std::size_t i = 0; i < t.Rows.size(); ++i)
            for (int column = 1; column <= 3; ++column)
                form.SetCell("StringGrid2", static_cast<int>(i) + 1, column,
                             t.Rows[i][static_cast<std::size_t>(column - 1)]);
        if (t.Shown) {
            form.ClickButton("SpeedButton4");
            EXPECT_EQ(form.Controls().Text("Edit53"), t.Shown) << t.Name;
        } else {
            try {
                form.ClickButton("SpeedButton4");
                ADD_FAILURE() << t.Name << ": no error";
            } catch (const std::exception& e) {
                EXPECT_STREQ(e.what(), t.Error) << t.Name;
            }
            EXPECT_EQ(form.Controls().Text("Edit53"), "") << t.Name;
        }
    }
}

TEST(DesignConditionsReactions, ButtonsOutsideTheModelDoNothingAndOtherControlsAreNotButtons) {
    DesignConditionsForm form;
    for (const char* button : {"SpeedButton1", "SpeedButton2", "SpeedButton3"})
        form.ClickButton(button);
    EXPECT_EQ(form.Controls(), DesignConditionsDefaults());
    EXPECT_THROW(form.ClickButton("Edit15"), ControlError);
    EXPECT_THROW(form.ClickButton("SpeedButton27"), UnknownControlError);
}

TEST(DesignConditionsForm, InitialiseRestoresTheStartUpState) {
    DesignConditionsForm form;
    EXPECT_EQ(form.Caption(), "設計条件");
    EXPECT_EQ(form.FigureRedraws(), 1);
    form.SetIndex("PageControl2", 1);
    form.SetIndex("PageControl3", 2);
    form.SetIndex("TabControl1", 2);
    form.SetIndex("RadioGroup5", 1);
    form.SetIndex("RadioGroup11", 1);
    form.SetCell("StringGrid2", 2, 3, "粘性土");
    form.ShowProjectTitle("wall");
    EXPECT_EQ(form.Caption(), "設計条件 wall");

    form.Initialise();
    const ControlStore& c = form.Controls();
    EXPECT_EQ(form.Caption(), "設計条件");
    EXPECT_EQ(c.Index("PageControl2"), 0);
    EXPECT_EQ(c.Index("PageControl3"), 0);
    EXPECT_EQ(c.Index("TabControl1"), 0);
    EXPECT_FALSE(c.Visible("TabSheet7"));
    EXPECT_EQ(c.Text("ComboBox1"), "-");
    EXPECT_FALSE(c.Enabled("ComboBox1"));
    EXPECT_EQ(c.Text("Edit28"), "0.0");
    EXPECT_FALSE(c.Enabled("Edit28"));
    EXPECT_EQ(c.Background("Edit28"), clWindow);  // only state and text, not the colour
    EXPECT_EQ(c.Cell("StringGrid2", 2, 3), "-");
    EXPECT_EQ(c.Index("RadioGroup5"), 0);
    EXPECT_FALSE(c.Enabled("RadioGroup9"));
    EXPECT_EQ(c.Index("RadioGroup11"), 0);
    ExpectBox(c, "LabeledEdit1", "-", false);
    ExpectBox(c, "LabeledEdit2", "-", false);
}

}  // namespace
}  // namespace stelvar
