// The headless run: one fresh calculation object per run, the structural stage only when
// the ground reaction is computable, and nothing returned when a stage fails.

#include <gtest/gtest.h>

#include "forms/design_conditions.h"
#include "run/calculation.h"
#include "run/result_json.h"
#include "text/number.h"

namespace stelvar {
namespace {

// Nothing of one run leaks into the next: a leaning wall after a seismic gravity wall
// gives exactly what it gives on its own.
TEST(RunCalculation, EachRunStartsFromAFreshObject) {
    DesignConditionsForm leaning;
    leaning.SetIndex("PageControl2", 1);
    const auto alone = RunOutcomeToJson(RunCalculation(leaning.Controls()), "");

    DesignConditionsForm other;
    other.SetIndex("RadioGroup5", 1);
    other.SetText("Edit61", "0.2");
    other.SetIndex("RadioGroup2", 1);
    other.SetText("Edit35", "800");
    other.SetText("Edit40", "300");
    other.SetText("Edit41", "300");
    RunCalculation(other.Controls());
    const auto after = RunOutcomeToJson(RunCalculation(leaning.Controls()), "");
    EXPECT_EQ(alone, after);
    EXPECT_FALSE(alone["StemFixed"].is_null());
}

// A crest far forward over a narrow base puts the resultant beyond the middle third:
// the stability results exist, the member checks do not.
TEST(RunCalculation, NoStructuralStageWhenTheGroundReactionIsNotComputable) {
    DesignConditionsForm form;
    form.SetText("Edit31", "1400");  // base width
    form.SetText("Edit36", "0");     // front slope width
    form.SetText("Edit37", "400");   // crest width
    form.SetText("Edit2", "600");    // back slope width
    form.SetText("Edit34", "100");   // toe width
    form.SetText("Edit30", "300");   // heel width
    form.SetText("Edit38", "4000");  // stem height
    const RunOutcome r = RunCalculation(form.Controls());
    ASSERT_EQ(r.Object.ReactionCase, 3);
    EXPECT_FALSE(StructuralStageRuns(r.Object));
    EXPECT_FALSE(r.Object.StemMid.has_value());
    EXPECT_FALSE(r.Object.ToeCheck.has_value());
    EXPECT_EQ(r.Object.LoadedLength, 0.0);
    EXPECT_FALSE(r.Checks.Sliding);
    EXPECT_FALSE(r.Checks.GroundReaction);
}

TEST(RunCalculation, AConversionErrorAbandonsTheRun) {
    DesignConditionsForm form;
    form.SetText("Edit42", "30.5");
    try {
        RunCalculation(form.Controls());
        FAIL() << "expected a conversion error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'30.5' is not a valid integer value");
    }
}

}  // namespace
}  // namespace stelvar
