// Starting a run: the load-combination question, the run after Yes or at once from the
// menu, the stop on a validation error, and the results window after each outcome.

#include "run/run_driver.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "forms/allowable_stress.h"
#include "forms/design_conditions.h"
#include "forms/form_model.h"
#include "engine/float_errors.h"
#include "run/calculation.h"
#include "text/number.h"

namespace stelvar {
namespace {

using Kind = ScriptedDialogs::Entry::Kind;

TEST(LoadCombinationQuestion, ListsTheSevenSwitches) {
    FormModel defaults(DesignConditionsDefaults());
    EXPECT_EQ(LoadCombinationQuestion(defaults.Controls()),
              "[荷重組合せ]は正しいですか。\r\r"
              "1.[載荷重]   =有り\r"
              "2.[雪荷重]   =無し\r"
              "3.[常   時]\r"
              "4.[受働土圧]=無し\r"
              "5.[水圧浮力]=無し\r"
              "6.[風荷重   ]=無し\r"
              "7.[衝突荷重]=無し");

    FormModel seismic(DesignConditionsDefaults());
    seismic.SetValue("CheckBox1", "FALSE");
    for (const char* box : {"CheckBox4", "CheckBox9", "CheckBox3", "CheckBox5", "CheckBox6"})
        seismic.SetValue(box, "TRUE");
    seismic.SetValue("RadioGroup5", "1");
    EXPECT_EQ(LoadCombinationQuestion(seismic.Controls()),
              "[荷重組合せ]は正しいですか。\r\r"
              "1.[載荷重]   =無し\r"
              "2.[雪荷重]   =有り\r"
              "3.[地震時]\r"
              "4.[受働土圧]=有り\r"
              "5.[水圧浮力]=有り\r"
              "6.[風荷重   ]=有り\r"
              "7.[衝突荷重]=有り");
}

// A driver over the two windows with a run step that counts its calls and can fail.
class RunDriverTest : public ::testing::Test {
protected:
    RunDriver Driver(ScriptedDialogs& dialogs) {
        return RunDriver(conditions.Controls(), stresses.Controls(), dialogs, [this] {
            ++runs;
            if (!failure.empty()) throw ConversionError(failure);
        });
    }

    DesignConditionsForm conditions;
    AllowableStressForm stresses;
    int runs = 0;
    std::string failure;
};

struct AnswerCase {
    bool Yes;
    RunStatus Status;
    int Runs;
    bool Visible;
};

// The results window is hidden as the question appears; only Yes runs and shows it.
TEST_F(RunDriverTest, QuestionThenRunOnYesOnly) {
    for (const AnswerCase& c : {AnswerCase{true, RunStatus::Completed, 1, true},
                                AnswerCase{false, RunStatus::Declined, 0, false}}) {
        runs = 0;
        ScriptedDialogs dialogs({c.Yes});
        RunDriver driver = Driver(dialogs);
        driver.ShowResults();  // an earlier run's results
        EXPECT_EQ(driver.ConfirmAndRun(), c.Status) << c.Yes;
        EXPECT_EQ(runs, c.Runs) << c.Yes;
        EXPECT_EQ(driver.ResultsVisible(), c.Visible) << c.Yes;
        ASSERT_EQ(dialogs.Shown().size(), 1u);
        EXPECT_EQ(dialogs.Shown()[0].What, Kind::Confirm);
        EXPECT_EQ(dialogs.Shown()[0].Text, LoadCombinationQuestion(conditions.Controls()));
    }
}

TEST_F(RunDriverTest, MenuRunsAtOnce) {
    ScriptedDialogs dialogs;
    RunDriver driver = Driver(dialogs);
    EXPECT_EQ(driver.Run(), RunStatus::Completed);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(driver.ResultsVisible());
    EXPECT_TRUE(dialogs.Shown().empty());
}

// Warnings are shown and the run goes on; one error stops it before anything changes.
TEST_F(RunDriverTest, ValidationWarnsOrRefuses) {
    conditions.SetText("Edit21", "25");
    ScriptedDialogs warned;
    RunDriver first = Driver(warned);
    EXPECT_EQ(first.ConfirmAndRun(), RunStatus::Completed);
    EXPECT_EQ(runs, 1);
    ASSERT_EQ(warned.Shown().size(), 2u);
    EXPECT_EQ(warned.Shown()[1].Text, "粘着力が過大です。修正する事をお勧めします。");

    stresses.SetIndex(allowable_stress::kDesignCase, 1);
    ScriptedDialogs refused;
    RunDriver second = Driver(refused);
    second.ShowResults();
    EXPECT_EQ(second.Run(), RunStatus::Refused);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(second.ResultsVisible());
    EXPECT_EQ(refused.Texts(Kind::Message).size(), 2u);
}

// A text that validation cannot read: its message, no run.
TEST_F(RunDriverTest, UnreadableTextDuringValidationStopsBeforeTheRun) {
    conditions.SetText("ComboBox7", "23,0");
    ScriptedDialogs dialogs;
    RunDriver driver = Driver(dialogs);
    EXPECT_EQ(driver.Run(), RunStatus::Refused);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(dialogs.Texts(Kind::Message),
              std::vector<std::string>{"'23,0' is not a valid floating point value"});
}

// An error inside the run abandons it: its message, and the results window stays as it
// was (hidden after the question).
TEST_F(RunDriverTest, ErrorDuringTheRunShowsItsMessageAndNoResults) {
    failure = "'x' is not a valid floating point value";
    ScriptedDialogs dialogs({true});
    RunDriver driver = Driver(dialogs);
    driver.ShowResults();
    EXPECT_EQ(driver.ConfirmAndRun(), RunStatus::Failed);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(driver.ResultsVisible());
    EXPECT_EQ(dialogs.Texts(Kind::Message), std::vector<std::string>{failure});
}

// With the real calculation as the run step: a fault that only the calculation finds
// (a wall without stem height has no back-face angle) fails the run, not the validation.
TEST_F(RunDriverTest, CalculationErrorReachesTheUser) {
    conditions.SetText("Edit38", "0");
    ScriptedDialogs dialogs;
    RunDriver driver(conditions.Controls(), stresses.Controls(), dialogs,
                     [this] { RunCalculation(conditions.Controls()); });
    EXPECT_EQ(driver.Run(), RunStatus::Failed);
    EXPECT_FALSE(driver.ResultsVisible());
    EXPECT_EQ(dialogs.Texts(Kind::Message),
              std::vector<std::string>{std::string(kFloatDivisionByZero)});
}

}  // namespace
}  // namespace stelvar
