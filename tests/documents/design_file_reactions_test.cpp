// A design-conditions file loaded into the window through its reactions: a window that a
// user set up, saved and loaded into another window comes back control for control,
// whatever that window showed before.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "documents/design_file.h"
#include "documents/file_io.h"
#include "temp_dir.h"
#include "text/number.h"

namespace stelvar {
namespace {

using testing::TempDir;

struct Scenario {
    const char* Name;
    std::function<void(DesignConditionsForm&)> Drive;
};

const Scenario kScenarios[] = {
    {"start-up window", [](DesignConditionsForm&) {}},
    {"seismic case with standard value, factor and soil layers",
     [](DesignConditionsForm& f) {
         f.SetIndex("RadioGroup5", 1);
         f.ClickCell("StringGrid1", 2, 2);
         f.SetText("ComboBox6", "0.85");
         f.SetIndex("RadioGroup9", 2);
         f.SetCell("StringGrid2", 1, 1, "2");
         f.SetCell("StringGrid2", 1, 2, "8");
         f.ClickCell("StringGrid2", 1, 3);
         f.SetCell("StringGrid2", 2, 1, "3");
         f.SetCell("StringGrid2", 2, 2, "2");
         f.ClickCell("StringGrid2", 2, 3);
         f.ClickCell("StringGrid2", 2, 3);
         f.SetCell("StringGrid2", 3, 1, "");
         f.ClickButton("SpeedButton4");
     }},
    {"leaning wall with key, embankment, snow and every other load",
     [](DesignConditionsForm& f) {
         f.SetIndex("PageControl2", 1);
         f.SetText("Edit55", "6000");
         f.SetIndex("RadioGroup2", 1);
         f.SetText("Edit40", "600");
         f.SetIndex("TabControl1", 2);
         f.SetText("ComboBox1", "1.5");
         f.SetText("Edit28", "1500");
         f.SetChecked("CheckBox4", true);
         for (const char* load : {"CheckBox9", "CheckBox3", "CheckBox5", "CheckBox6"})
             f.SetChecked(load, true);
         f.SetChecked("CheckBox2", false);  // water, but no buoyancy in the base slab
         f.SetText("ComboBox4", "55");
         f.SetIndex("RadioGroup1", 1);
         f.SetIndex("RadioGroup3", 1);
         f.SetIndex("RadioGroup6", 1);
     }},
    {"slope with the surcharge switched on again by hand",
     [](DesignConditionsForm& f) {
         f.SetIndex("TabControl1", 1);
         f.SetChecked("CheckBox1", true);
         f.SetText("Edit1", "12.0");
     }},
    {"loads switched on and off again",
     [](DesignConditionsForm& f) {
         for (const char* load : {"CheckBox1", "CheckBox4", "CheckBox9", "CheckBox3",
                                  "CheckBox5", "CheckBox6"}) {
             f.SetChecked(load, !f.Controls().Checked(load));
             f.SetChecked(load, !f.Controls().Checked(load));
         }
     }},
    {"standard value typed that is not a number",
     [](DesignConditionsForm& f) {
         f.SetIndex("RadioGroup5", 1);
         EXPECT_THROW(f.SetText("ComboBox5", "abc"), ConversionError);
     }},
};

// A window far from the start-up state in everything the file governs.
DesignConditionsForm BusyWindow() {
    DesignConditionsForm f;
    f.SetIndex("RadioGroup8", 1);
    f.SetIndex("RadioGroup5", 1);
    f.SetIndex("TabControl1", 2);
    f.SetIndex("RadioGroup2", 1);
    f.SetIndex("PageControl2", 1);
    f.SetIndex("PageControl3", 3);
    f.SetIndex("RadioGroup1", 2);
    for (const char* load : {"CheckBox4", "CheckBox9", "CheckBox3", "CheckBox5", "CheckBox6"})
        f.SetChecked(load, true);
    return f;
}

TEST(DesignFileReactions, SavedWindowLoadsBackIntoAFreshAndABusyWindow) {
    TempDir dir;
    for (const Scenario& s : kScenarios) {
        DesignConditionsForm source;
        s.Drive(source);
        SaveDesignConditionsFile(dir / "wall.dat", source);
        EXPECT_EQ(source.Caption(), "設計条件 wall") << s.Name;

        for (bool busy : {false, true}) {
            DesignConditionsForm loaded = busy ? BusyWindow() : DesignConditionsForm();
            AllowableStressForm stresses;
            const int redraws = loaded.FigureRedraws();
            LoadDesignConditionsFile(dir / "wall.dat", loaded, stresses);
            EXPECT_EQ(loaded.Controls(), source.Controls()) << s.Name << (busy ? " (busy)" : "");
            EXPECT_EQ(loaded.Caption(), "設計条件 wall");
            EXPECT_GT(loaded.FigureRedraws(), redraws);
            EXPECT_EQ(stresses.Controls().Index(allowable_stress::kDesignCase),
                      source.Controls().Index("RadioGroup5"))
                << s.Name;
        }
    }
}

// The surcharge position is stored after the surcharge switch and box; going back to
// the flat part on a slope switches the surcharge off, and the load puts the saved
// switch and box back.
TEST(DesignFileReactions, SurchargePositionAfterItsSwitchDoesNotLoseTheSurcharge) {
    DesignConditionsForm source;
    source.SetIndex("TabControl1", 1);
    source.SetChecked("CheckBox1", true);
    source.SetText("Edit1", "12.0");
    DesignConditionsForm loaded;
    loaded.SetIndex("RadioGroup8", 1);
    AllowableStressForm stresses;
    ApplyDesignConditionsFile(DesignConditionsFileBytes(source.Controls()), loaded, stresses);
    const ControlStore& c = loaded.Controls();
    EXPECT_TRUE(c.Checked("CheckBox1"));
    EXPECT_EQ(c.FontColour("CheckBox1"), clMaroon);
    EXPECT_EQ(c.Text("Edit1"), "12.0");
    EXPECT_TRUE(c.Enabled("Edit1"));
    EXPECT_EQ(c, source.Controls());
}

// The reactions run while the file is read: a truncated file that stops at line 16 has
// refilled the boxes governed by the soil type before its own lines overwrote them.
TEST(DesignFileReactions, TruncatedFileKeepsWhatTheReactionsAndLinesDidBeforeTheStop) {
    std::string bytes;
    for (const char* line : {"1", "18", "25", "0.0", "17.0", "28", "3.0", "1.5", "20.0", "35"})
        bytes += std::string(line) + "\r\n";
    DesignConditionsForm form;
    AllowableStressForm stresses;
    form.SetIndex("RadioGroup5", 1);
    const int redraws = form.FigureRedraws();
    try {
        ApplyDesignConditionsFile(bytes, form, stresses);
        ADD_FAILURE() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
    const ControlStore& c = form.Controls();
    EXPECT_EQ(c.Index("RadioGroup1"), 1);
    EXPECT_EQ(c.Text("Edit15"), "18");
    EXPECT_EQ(c.Text("Edit16"), "");  // the soil type's "600", then the missing line 13
    EXPECT_EQ(c.Text("Edit42"), "35");
    EXPECT_EQ(c.Index("RadioGroup3"), 0);
    EXPECT_EQ(c.Index("PageControl3"), 0);
    EXPECT_EQ(c.Index("RadioGroup5"), 1);  // not reached
    EXPECT_EQ(stresses.Controls().Index(allowable_stress::kDesignCase), 0);
    EXPECT_EQ(form.FigureRedraws(), redraws);  // no redraw of a load that stopped
}

TEST(DesignFileReactions, CaptionChangesOnlyWithAFileThatWasReadOrWritten) {
    TempDir dir;
    DesignConditionsForm form;
    AllowableStressForm stresses;
    EXPECT_THROW(LoadDesignConditionsFile(dir / "missing.dat", form, stresses), FileError);
    EXPECT_EQ(form.Caption(), "設計条件");
    EXPECT_THROW(SaveDesignConditionsFile(dir / "no/such/folder/a.dat", form), FileError);
    EXPECT_EQ(form.Caption(), "設計条件");
    SaveDesignConditionsFile(dir / "擁壁A.dat", form);
    EXPECT_EQ(form.Caption(), "設計条件 擁壁A");
}

}  // namespace
}  // namespace stelvar
