// The numeric keypad as a user works it: open it from a box, press keys, post the text
// into the box it was opened for.

#include "forms/keypad.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "forms/allowable_stress.h"
#include "forms/design_conditions.h"

namespace stelvar {
namespace {

using keypad::kAllowableStressWindow;
using keypad::kDesignConditionsWindow;

// Both windows have a box named "Edit1" (the surcharge and σca), so a post into the
// wrong window shows.
class KeypadTest : public ::testing::Test {
protected:
    KeypadTest() {
        pad.Register(kDesignConditionsWindow, conditions);
        pad.Register(kAllowableStressWindow, stresses);
    }
    void Type(std::initializer_list<const char*> keys) {
        for (const char* k : keys) pad.PressKey(k);
    }

    DesignConditionsForm conditions;
    AllowableStressForm stresses;
    KeypadForm pad;
};

// No check of the number: "." twice goes through, the calculation reports it later.
TEST_F(KeypadTest, KeysBuildTheTextAndPostWritesTheBox) {
    pad.Show(kDesignConditionsWindow, "Edit15");
    EXPECT_TRUE(pad.Visible());
    Type({"1", "9", ".", ".", "5"});
    EXPECT_EQ(pad.EntryText(), "19..5");
    pad.Post();
    EXPECT_EQ(conditions.Controls().Text("Edit15"), "19..5");
    EXPECT_EQ(pad.EntryText(), "");
    EXPECT_FALSE(pad.Visible());
}

TEST_F(KeypadTest, PostsIntoTheWindowItWasOpenedFrom) {
    pad.Show(kAllowableStressWindow, allowable_stress::kSigmaCa);
    Type({"4", ".", "0"});
    pad.Post();
    EXPECT_EQ(stresses.Controls().Text(allowable_stress::kSigmaCa), "4.0");
    EXPECT_EQ(conditions.Controls().Text("Edit1"), "10.0");
}

TEST_F(KeypadTest, ClearKeepsThePadOpenCancelClosesIt) {
    pad.Show(kDesignConditionsWindow, "Edit16");
    Type({"7", "8"});
    pad.Clear();
    EXPECT_EQ(pad.EntryText(), "");
    EXPECT_TRUE(pad.Visible());
    Type({"2", "0", "0"});
    pad.Cancel();
    EXPECT_EQ(pad.EntryText(), "");
    EXPECT_FALSE(pad.Visible());
    EXPECT_EQ(conditions.Controls().Text("Edit16"), "300");
}

// The text survives a reopening for another box; the target does not.
TEST_F(KeypadTest, ReopeningReplacesOnlyTheTarget) {
    pad.Show(kDesignConditionsWindow, "Edit15");
    Type({"3"});
    pad.Show(kAllowableStressWindow, allowable_stress::kTauCa);
    EXPECT_EQ(pad.Target(), (KeypadTarget{kAllowableStressWindow, "Edit3"}));
    Type({"6"});
    pad.Post();
    EXPECT_EQ(stresses.Controls().Text(allowable_stress::kTauCa), "36");
    EXPECT_EQ(conditions.Controls().Text("Edit15"), "20");
}

// An unknown window or box takes nothing; the pad still empties and closes.
TEST_F(KeypadTest, PostWithoutATargetOnlyCloses) {
    const ControlStore before = conditions.Controls();
    for (const KeypadTarget& t : {KeypadTarget{22, "Edit15"}, KeypadTarget{5, "Edit99"}}) {
        pad.Show(t.Window, t.Control);
        Type({"1"});
        pad.Post();
        EXPECT_EQ(pad.EntryText(), "") << t.Window << t.Control;
        EXPECT_FALSE(pad.Visible());
    }
    EXPECT_EQ(conditions.Controls(), before);
}

TEST_F(KeypadTest, EveryKeyAppendsItsCaptionOthersAreRefused) {
    for (std::string_view k : keypad::kKeys) pad.PressKey(k);
    EXPECT_EQ(pad.EntryText(), "7894561230.");
    EXPECT_THROW(pad.PressKey("-"), std::invalid_argument);
    EXPECT_THROW(pad.PressKey("12"), std::invalid_argument);
}

}  // namespace
}  // namespace stelvar
