// The summary rows of one run: the ratios against arithmetic on the run's own figures,
// the verdicts against the ones the run prints, and the rows that have no ratio.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "forms/design_conditions.h"
#include "run/calculation.h"
#include "run/case_summary.h"
#include "run/result_json.h"

namespace stelvar {
namespace {

using Settings = std::vector<std::pair<std::string, std::string>>;

RunOutcome RunWall(const Settings& settings) {
    DesignConditionsForm form;
    for (const auto& [name, value] : settings) form.SetValue(name, value);
    return RunCalculation(form.Controls());
}

const SummaryRow* Find(const std::vector<SummaryRow>& rows, SummaryCheck check) {
    for (const SummaryRow& r : rows)
        if (r.Check == check) return &r;
    return nullptr;
}

const Settings kKey = {{"RadioGroup2", "1"}, {"Edit35", "800"}, {"Edit40", "300"}, {"Edit41", "300"}};

struct Wall {
    const char* Name;
    Settings Controls;
};

// Walls that pass and fail different checks: both wall types, both cases, every
// seismic model, the safety-factor method, water, a key, an embankment, weak ground.
const std::vector<Wall>& Walls() {
    static const std::vector<Wall> walls = [] {
        std::vector<Wall> w = {
            {"gravity ordinary", {}},
            {"gravity seismic", {{"RadioGroup5", "1"}}},
            {"gravity seismic, ordinary pressure", {{"RadioGroup5", "1"}, {"RadioGroup9", "0"}}},
            {"gravity seismic, pressure only", {{"RadioGroup5", "1"}, {"RadioGroup9", "2"}, {"Edit61", "0.25"}}},
            {"leaning ordinary", {{"PageControl2", "1"}}},
            {"leaning seismic", {{"PageControl2", "1"}, {"RadioGroup5", "1"}}},
            {"safety-factor method", {{"RadioGroup11", "1"}}},
            {"safety-factor method, seismic", {{"RadioGroup11", "1"}, {"RadioGroup5", "1"}}},
            {"water", {{"CheckBox3", "TRUE"}}},
            {"embankment", {{"TabControl1", "2"}, {"ComboBox1", "1.8"}, {"Edit28", "1000"}}},
            {"weak ground", {{"Edit16", "60"}, {"Edit17", "0.3"}}},
            {"soft concrete", {{"Edit23", "0.05"}, {"Edit24", "0.01"}, {"Edit25", "0.01"}}},
        };
        Settings key = kKey;
        w.push_back({"key", key});
        key.emplace_back("RadioGroup5", "1");
        w.push_back({"key seismic", key});
        return w;
    }();
    return walls;
}

// Every row: its verdict is the one the run prints (the JSON verdicts and the members'
// 可/不可), and a ratio it shows is ≤ 1 exactly when that verdict is OK.
TEST(CaseSummary, VerdictsAreTheRunsAndRatiosAgreeWithThem) {
    int ok = 0, no = 0;
    for (const Wall& wall : Walls()) {
        SCOPED_TRACE(wall.Name);
        const RunOutcome r = RunWall(wall.Controls);
        const auto j = RunOutcomeToJson(r, "");
        const auto rows = SummariseCase(r, DesignCase::Seismic);
        ASSERT_GE(rows.size(), 4u);
        for (const SummaryRow& row : rows) {
            SCOPED_TRACE(std::string(SummaryCheckKey(row.Check)));
            EXPECT_EQ(row.Case, DesignCase::Seismic);
            std::string printed;
            switch (row.Check) {
                case SummaryCheck::Sliding: case SummaryCheck::Overturning:
                case SummaryCheck::GroundReaction: case SummaryCheck::Bearing:
                    printed = j["Verdicts"][std::string(SummaryCheckKey(row.Check))];
                    break;
                case SummaryCheck::StemMid: printed = j["StemMid"]["Verdict"] == "可" ? "OK" : "NO"; break;
                case SummaryCheck::StemFixed: printed = j["StemFixed"]["Verdict"] == "可" ? "OK" : "NO"; break;
                case SummaryCheck::Toe: printed = j["ToeCheck"]["Verdict"] == "可" ? "OK" : "NO"; break;
                case SummaryCheck::Heel: printed = j["HeelCheck"]["Verdict"] == "可" ? "OK" : "NO"; break;
                case SummaryCheck::Key: printed = j["KeyCheck"]["Verdict"] == "可" ? "OK" : "NO"; break;
            }
            EXPECT_EQ(row.Ok ? "OK" : "NO", printed);
            (row.Ok ? ok : no)++;
            if (row.Ratio) {
                EXPECT_EQ(*row.Ratio <= 1.0, row.Ok) << *row.Ratio;
            } else {
                EXPECT_FALSE(row.Ok) << "an OK check always has its margin";
            }
        }
        // Member rows exactly where the member checks ran.
        EXPECT_EQ(Find(rows, SummaryCheck::StemMid) != nullptr, !j["StemMid"].is_null());
        EXPECT_EQ(Find(rows, SummaryCheck::Toe) != nullptr, !j["ToeCheck"].is_null());
        EXPECT_EQ(Find(rows, SummaryCheck::Heel) != nullptr, !j["HeelCheck"].is_null());
        EXPECT_EQ(Find(rows, SummaryCheck::Key) != nullptr, !j["KeyCheck"].is_null());

        // One governing row, the one with the highest ratio.
        const auto governing = std::count_if(rows.begin(), rows.end(), [](const SummaryRow& x) { return x.Governing; });
        EXPECT_EQ(governing, 1);
        double highest = -std::numeric_limits<double>::infinity();
        for (const SummaryRow& x : rows)
            if (x.Ratio) highest = std::max(highest, *x.Ratio);
        for (const SummaryRow& x : rows)
            if (x.Governing) {
                EXPECT_EQ(*x.Ratio, highest);
            }
    }
    // The set of walls shows both outcomes.
    EXPECT_GT(ok, 20);
    EXPECT_GT(no, 3);
}

// The figures worked out from the run's JSON fields, on the ordinary gravity wall (every
// member check), the seismic leaning wall (simplified reaction) and the key.
TEST(CaseSummary, RatiosAreTheDefinedQuotients) {
    for (const Settings& s : {Settings{}, Settings{{"PageControl2", "1"}, {"RadioGroup5", "1"}, {"RadioGroup9", "0"}},
                              kKey, Settings{{"RadioGroup11", "1"}}}) {
        const RunOutcome r = RunWall(s);
        const auto j = RunOutcomeToJson(r, "");
        ASSERT_TRUE(StructuralStageRuns(r.Object));
        const auto rows = SummariseCase(r, DesignCase::Ordinary);
        for (const SummaryRow& row : rows) ASSERT_TRUE(row.Ratio) << SummaryCheckKey(row.Check);
        const double fs = j["Fs"], fsReq = j["FsSlideReq"];
        EXPECT_DOUBLE_EQ(*Find(rows, SummaryCheck::Sliding)->Ratio, fsReq / fs);
        EXPECT_DOUBLE_EQ(*Find(rows, SummaryCheck::Sliding)->Value, fs);

        const double b = j["PointX"][9], e = j["E"], d = j["D"];
        const SummaryRow& over = *Find(rows, SummaryCheck::Overturning);
        if (r.Object.Settings.OverturnMethod == 1) {
            // n = 1.5, what choosing the method puts into the ordinary box.
            const double fm = double(j["Mr"]) / double(j["Mo"]);
            EXPECT_DOUBLE_EQ(*over.Ratio, 1.5 / fm);
        } else if (j["WallType"] == 0) {
            EXPECT_DOUBLE_EQ(*over.Ratio, std::abs(e) / (j["LoadCase"] == 1 ? b / 3 : b / 6));
        } else {
            EXPECT_DOUBLE_EQ(*over.Ratio, (j["LoadCase"] == 1 ? b / 3 : b / 2) / d);
        }

        const int reactionCase = j["ReactionCase"];
        const bool simplified = reactionCase == 5 || reactionCase == 6;
        const double q = simplified ? std::max(double(j["Qv1"]), double(j["Qv2"]))
                                    : std::max(double(j["Q1"]), double(j["Q2"]));
        EXPECT_DOUBLE_EQ(*Find(rows, SummaryCheck::GroundReaction)->Ratio, q / double(j["Qa"]));

        const double v = reactionCase == 6 ? double(j["Qv"]) : double(j["Vo"]);
        const double qa = double(j["Qu"]) / double(j["FsBearReq"]);
        EXPECT_DOUBLE_EQ(*Find(rows, SummaryCheck::Bearing)->Ratio, (v / double(j["Be"])) / qa);
        EXPECT_DOUBLE_EQ(*Find(rows, SummaryCheck::Bearing)->Limit, qa);

        const double sca = j["SigmaCa"], scat = j["SigmaCat"], tca = j["TauCa"];
        for (const char* stem : {"StemMid", "StemFixed"}) {
            double worst = 0;
            for (const char* edge : {"SigmaC1", "SigmaC2"}) {
                const double sigma = j[stem][edge];
                worst = std::max(worst, sigma >= 0 ? sigma / sca : -sigma / scat);
            }
            const SummaryCheck check = std::string(stem) == "StemMid" ? SummaryCheck::StemMid : SummaryCheck::StemFixed;
            EXPECT_DOUBLE_EQ(*Find(rows, check)->Ratio, worst) << stem;
        }
        for (const auto& [name, check] : {std::pair{"ToeCheck", SummaryCheck::Toe},
                                          std::pair{"HeelCheck", SummaryCheck::Heel},
                                          std::pair{"KeyCheck", SummaryCheck::Key}}) {
            if (j[name].is_null()) continue;
            const double worst = std::max(std::abs(double(j[name]["SigmaCt"])) / scat,
                                          std::abs(double(j[name]["TauC"])) / tca);
            EXPECT_DOUBLE_EQ(*Find(rows, check)->Ratio, worst) << name;
        }
    }
}

// The resultant outside the middle two thirds (reaction case 3): no sliding factor, no
// ground reaction, no member rows; the stability rows stay, every one NO.
TEST(CaseSummary, NoRatioWhereTheReactionCannotBeFormed) {
    const RunOutcome r = RunWall({{"Edit31", "1400"}, {"Edit36", "0"}, {"Edit37", "400"}, {"Edit2", "600"},
                              {"Edit34", "100"}, {"Edit30", "300"}, {"Edit38", "4000"}});
    ASSERT_EQ(r.Object.ReactionCase, 3);
    const auto rows = SummariseCase(r, DesignCase::Ordinary);
    ASSERT_EQ(rows.size(), 4u);
    const SummaryRow& sliding = *Find(rows, SummaryCheck::Sliding);
    EXPECT_FALSE(sliding.Value);
    EXPECT_FALSE(sliding.Ratio);
    EXPECT_DOUBLE_EQ(*sliding.Limit, 1.5);
    const SummaryRow& reaction = *Find(rows, SummaryCheck::GroundReaction);
    EXPECT_FALSE(reaction.Value);
    EXPECT_FALSE(reaction.Ratio);
    for (const SummaryRow& row : rows) {
        if (row.Check != SummaryCheck::Overturning && row.Check != SummaryCheck::Bearing) {
            EXPECT_FALSE(row.Ok);
        }
        if (row.Ratio) {
            EXPECT_EQ(*row.Ratio <= 1.0, row.Ok);
        }
    }
}

// Figures that are not finite: the verdicts (made NaN-safe) say NO and the rows show no
// ratio and no figure; the governing row is one that has a ratio.
TEST(CaseSummary, NonFiniteFiguresGiveNoAndNoRatio) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    RunOutcome r = RunWall({});
    r.Object.Fs = nan;
    r.Object.Q1 = inf;
    r.Object.StemMid->SigmaC1 = nan;
    r.Object.StemMid->Verdict = "不可";
    r.Object.ToeCheck->SigmaCt = inf;
    r.Object.ToeCheck->Verdict = "不可";
    r.Checks = ComputeVerdicts(r.Object);
    const auto rows = SummariseCase(r, DesignCase::Ordinary);
    for (SummaryCheck check : {SummaryCheck::Sliding, SummaryCheck::GroundReaction, SummaryCheck::StemMid,
                               SummaryCheck::Toe}) {
        SCOPED_TRACE(std::string(SummaryCheckKey(check)));
        const SummaryRow& row = *Find(rows, check);
        EXPECT_FALSE(row.Ok);
        EXPECT_FALSE(row.Ratio);
        EXPECT_FALSE(row.Value && !std::isfinite(*row.Value));
        EXPECT_FALSE(row.Governing);
    }
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const SummaryRow& x) { return x.Governing; }), 1);
}

// A limit kept strictly (|e| < B/6) and reached exactly: NO, and a ratio just above 1.
// A limit that may be reached (σ ≤ σca) and is: OK with a ratio of 1.
TEST(CaseSummary, ALimitReachedExactly) {
    RunOutcome r = RunWall({});
    const double b = r.Object.PointX[9];
    r.Object.E = b / 6;
    r.Checks = ComputeVerdicts(r.Object);
    ASSERT_FALSE(r.Checks.Overturning);
    r.Object.StemFixed->SigmaC1 = r.Object.SigmaCa;
    r.Object.StemFixed->SigmaC2 = 0.0;
    const auto rows = SummariseCase(r, DesignCase::Ordinary);
    const SummaryRow& over = *Find(rows, SummaryCheck::Overturning);
    EXPECT_FALSE(over.Ok);
    ASSERT_TRUE(over.Ratio);
    EXPECT_GT(*over.Ratio, 1.0);
    EXPECT_EQ(*over.Ratio, std::nextafter(1.0, 2.0));
    const SummaryRow& fixed = *Find(rows, SummaryCheck::StemFixed);
    EXPECT_TRUE(fixed.Ok);
    EXPECT_EQ(*fixed.Ratio, 1.0);

    // A leaning wall on a base of no width: nothing is required of d, in the seismic case
    // reached (d ≥ B/3), in the ordinary case not (d > B/2 is strict).
    for (const char* designCase : {"0", "1"}) {
        RunOutcome narrow = RunWall({{"PageControl2", "1"}, {"RadioGroup5", designCase}});
        narrow.Object.PointX[9] = 0.0;
        narrow.Object.D = 0.0;
        narrow.Checks = ComputeVerdicts(narrow.Object);
        const SummaryRow d = *Find(SummariseCase(narrow, DesignCase::Ordinary), SummaryCheck::Overturning);
        EXPECT_EQ(d.Ok, narrow.Object.LoadCase == 1);
        EXPECT_EQ(d.Ratio, d.Ok ? std::optional<double>(0.0) : std::nullopt) << designCase;
    }

    // A mean reaction that lifts off asks nothing of the capacity, even of a capacity that
    // came out negative: ratio 0 where the check holds it, none where it does not.
    for (const auto& [allowable, ok] : {std::pair{72.0, true}, std::pair{-1.0, true}, std::pair{-3.0, false}}) {
        RunOutcome lifted = RunWall({});
        lifted.Checks.MeanReaction = -2.0;
        lifted.Checks.AllowableBearing = allowable;
        lifted.Checks.Bearing = ok;
        const SummaryRow bearing = *Find(SummariseCase(lifted, DesignCase::Ordinary), SummaryCheck::Bearing);
        ASSERT_EQ(bearing.Ok, ok);
        EXPECT_EQ(bearing.Ratio, ok ? std::optional<double>(0.0) : std::nullopt) << allowable;
    }
}

}  // namespace
}  // namespace stelvar
