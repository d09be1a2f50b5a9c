// The JSON line a batch prints for a run is written straight from the fields; it must be
// the library's dump() of the JSON value byte for byte, for real runs of every kind and
// for the figures and texts that need care: numbers that are not finite, negative zero,
// the extremes of double, texts with quotes, control characters or no valid UTF-8.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "forms/design_conditions.h"
#include "run/calculation.h"
#include "run/result_json.h"

namespace stelvar {
namespace {

using Sets = std::vector<std::pair<std::string, std::string>>;

void ExpectSameText(const RunOutcome& r, const std::string& file) {
    EXPECT_EQ(RunOutcomeJsonText(r, file), RunOutcomeToJson(r, file).dump());
}

// Walls of both types in both cases with every optional record there or not: the key,
// water, passive pressure, embankment and slope, loads, the safety-factor method, and a
// wall whose ground reaction is not computable (no member checks).
TEST(RunOutcomeJsonText, EqualsTheDumpForRunsOfEveryKind) {
    const std::vector<Sets> walls = {
        {},
        {{"PageControl2", "1"}},
        {{"RadioGroup5", "1"}, {"Edit61", "0.2"}, {"RadioGroup9", "1"}},
        {{"PageControl2", "1"}, {"RadioGroup5", "1"}, {"Edit61", "0.25"}, {"RadioGroup9", "2"}},
        {{"RadioGroup2", "1"}, {"Edit35", "1000"}, {"Edit40", "400"}, {"Edit41", "300"}},
        {{"CheckBox3", "TRUE"}, {"Edit62", "1.0"}, {"ComboBox8", "9.8"}, {"CheckBox2", "TRUE"}},
        {{"CheckBox9", "TRUE"}, {"Edit54", "0.8"}, {"TabControl1", "2"}, {"ComboBox1", "1.5"}, {"Edit28", "2000"}},
        {{"TabControl1", "1"}, {"ComboBox1", "2.0"}, {"CheckBox4", "TRUE"}, {"Edit43", "3"}, {"Edit13", "2"}},
        {{"CheckBox5", "TRUE"}, {"ComboBox3", "3"}, {"ComboBox2", "2.0"}, {"CheckBox6", "TRUE"},
         {"ComboBox9", "0.6"}, {"ComboBox4", "30"}, {"Edit63", "10"}},
        {{"RadioGroup11", "1"}, {"LabeledEdit1", "1.5"}, {"Edit21", "12"}, {"CheckBox7", "TRUE"}},
        {{"Edit31", "1400"}, {"Edit36", "0"}, {"Edit37", "400"}, {"Edit2", "600"}, {"Edit34", "100"},
         {"Edit30", "300"}, {"Edit38", "4000"}},
        {{"PageControl2", "1"}, {"Edit58", "0"}, {"Edit56", "0"}, {"Edit14", "0"}, {"Edit17", "0"}},
    };
    for (std::size_t i = 0; i < walls.size(); ++i) {
        SCOPED_TRACE(i);
        DesignConditionsForm form;
        for (const auto& [name, value] : walls[i]) form.SetValue(name, value);
        ExpectSameText(RunCalculation(form.Controls()), "walls/w" + std::to_string(i) + ".dat");
    }
}

// Random figures of every magnitude in every field the text holds, with and without the
// records, and the odd values one by one.
TEST(RunOutcomeJsonText, EqualsTheDumpForAnyFigure) {
    DesignConditionsForm form;
    form.SetIndex("RadioGroup2", 1);
    form.SetText("Edit35", "1000");
    form.SetText("Edit40", "400");
    form.SetText("Edit41", "300");
    const RunOutcome ran = RunCalculation(form.Controls());
    ASSERT_TRUE(ran.Object.StemFixedWedge && ran.Object.KeyCheck);

    std::mt19937_64 rng(14);
    const double odd[] = {std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(),
                          -0.0,
                          0.0,
                          std::numeric_limits<double>::denorm_min(),
                          std::numeric_limits<double>::max(),
                          std::numeric_limits<double>::lowest(),
                          1e15,
                          1e16,
                          123456789012345678.0,
                          1e-5,
                          0.1,
                          3.0};
    for (int round = 0; round < 200; ++round) {
        RunOutcome r = ran;
        TAntei& a = r.Object;
        auto figure = [&]() {
            const std::uint64_t pick = rng() % 4;
            if (pick == 0) return odd[rng() % std::size(odd)];
            if (pick == 1) return std::ldexp(static_cast<double>(rng() % 1000003) - 500000.0, static_cast<int>(rng() % 200) - 100);
            return std::bit_cast<double>(rng());
        };
        a.PointX[rng() % a.PointX.size()] = figure();
        a.Vo = figure();
        a.Q1 = figure();
        a.ReactionCase = static_cast<std::int32_t>(rng());
        r.WholeWall.Pa = figure();
        a.StemMid->SigmaC1 = figure();
        a.StemFixedWedge->Omega = figure();
        a.KeyCheck->TauC = figure();
        if (round % 5 == 1) a.StemFixedWedge.reset();
        if (round % 5 == 2) a.StemFixed.reset();  // a snapshot without its section is not written
        if (round % 7 == 3) a.ToeCheck.reset();
        if (round % 3 == 0) r.Checks.Bearing = !r.Checks.Bearing;
        SCOPED_TRACE(round);
        ExpectSameText(r, "");
    }
}

TEST(RunOutcomeJsonText, EqualsTheDumpForTextsThatNeedEscapes) {
    DesignConditionsForm form;
    RunOutcome r = RunCalculation(form.Controls());
    const std::vector<std::string> files = {"擁壁 1.dat", "a\"b\\c.dat", "tab\there", "line\nend",
                                            std::string("nul\0x", 5), "\x7f", "/tmp/壁/ｶﾅ.dat", ""};
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        ExpectSameText(r, file);
    }
    r.Object.StemMid->Verdict = "不\"可\x01";
    ExpectSameText(r, "x");

    // A name that is not UTF-8 (a Shift-JIS file name) cannot be written: the same
    // exception as the library's, before anything is returned.
    std::string libraryMessage;
    try {
        (void)RunOutcomeToJson(r, "\x95\x5C.dat").dump();
    } catch (const nlohmann::json::exception& e) {
        libraryMessage = e.what();
    }
    ASSERT_FALSE(libraryMessage.empty());
    try {
        (void)RunOutcomeJsonText(r, "\x95\x5C.dat");
        ADD_FAILURE() << "nothing thrown";
    } catch (const nlohmann::json::exception& e) {
        EXPECT_EQ(e.what(), libraryMessage);
    }
}

}  // namespace
}  // namespace stelvar
