// Automatic sizing: the candidates of a scan against single runs of their own controls,
// the base width that follows a width, refusals that do not stop the scan, the range,
// cancellation and the guidance drawn from the scans.

#include "run/sizing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "run/calculation.h"
#include "run/pair_run.h"
#include "run/validation.h"
#include "text/number.h"

namespace stelvar {
namespace {

struct Walls {
    DesignConditionsForm Conditions;
    AllowableStressForm Stresses;
    Walls(int page, bool seismic) {
        Conditions.SetIndex("PageControl2", page);
        if (seismic) {
            Conditions.SetIndex("RadioGroup5", 1);
            Stresses.SetIndex(allowable_stress::kDesignCase, 1);
        }
    }
};

// Whether one run passes every check, read from the run's own verdicts (not from the
// summary): the four stability verdicts, every member check that ran "可", and a ground
// reaction that exists (cases 3 and 7 have none).
bool RunPasses(const RunOutcome& o) {
    const TAntei& a = o.Object;
    const Verdicts& v = o.Checks;
    if (!v.Sliding || !v.Overturning || !v.GroundReaction || !v.Bearing) return false;
    if (a.ReactionCase == 3 || a.ReactionCase == 7) return false;
    if (a.StemMid && a.StemMid->Verdict != "可") return false;
    if (a.StemFixed && a.StemFixed->Verdict != "可") return false;
    for (const auto* m : {&a.ToeCheck, &a.HeelCheck, &a.KeyCheck})
        if (*m && (*m)->Verdict != "可") return false;
    return true;
}

// A single run of the windows with the controls set as the command line sets them: the
// pair for seismic conditions, else the ordinary case. False when refused or failed.
bool SingleRunPasses(const Walls& w, const std::vector<std::pair<std::string, std::string>>& apply) {
    DesignConditionsForm c = w.Conditions;
    for (const auto& [name, text] : apply) c.SetValue(name, text);
    try {
        if (c.Controls().Index("RadioGroup5") == 1) {
            const PairInputs p = PairInputsOf(c, w.Stresses);
            if (CheckPairInputs(p, [](const PairFinding&) {})) return false;
            const PairOutcome o = RunPair(p);
            return RunPasses(o.Ordinary) && RunPasses(o.Seismic);
        }
        if (CheckInputs(c.Controls(), w.Stresses.Controls(), [](const InputFinding&) {})) return false;
        return RunPasses(RunCalculation(c.Controls()));
    } catch (const std::exception&) {
        return false;
    }
}

struct FailingWall {
    const char* Name;
    int Page;
    bool Seismic;
    const char* Box;
    const char* Base;  // the base width that follows, or nullptr
};

// The default walls fail a check each: the gravity wall its toe slab (and, in the
// seismic case, the bearing capacity), the leaning wall its bearing capacity.
const FailingWall kFailingWalls[] = {
    {"gravity, crest", 0, false, "Edit37", "Edit31"},
    {"gravity seismic pair, back slope", 0, true, "Edit2", "Edit31"},
    {"gravity seismic pair, front slope", 0, true, "Edit36", "Edit31"},
    {"leaning, toe", 1, false, "Edit58", "Edit59"},
    {"leaning seismic pair, crest", 1, true, "Edit52", "Edit59"},
};

TEST(Sizing, EveryCandidateAgreesWithASingleRunAndTheSmallestPassingIsTheFirst) {
    for (const FailingWall& f : kFailingWalls) {
        SCOPED_TRACE(f.Name);
        const Walls w(f.Page, f.Seismic);
        ASSERT_FALSE(SingleRunPasses(w, {}));
        const SizingResult r = RunSizing(w.Conditions, w.Stresses, f.Box);
        EXPECT_EQ(r.BothCases, f.Seismic);
        ASSERT_TRUE(r.Smallest.has_value());
        const std::size_t k = *r.Smallest;
        ASSERT_GT(k, 0u);  // the wall as entered fails
        EXPECT_TRUE(SingleRunPasses(w, r.Candidates[k].Apply));
        EXPECT_FALSE(SingleRunPasses(w, r.Candidates[k - 1].Apply));
        for (std::size_t i = 0; i < r.Candidates.size(); ++i) {
            const SizingCandidate& c = r.Candidates[i];
            ASSERT_EQ(c.AllOk, SingleRunPasses(w, c.Apply)) << "value " << c.Value;
            if (i < k) {
                EXPECT_FALSE(c.AllOk) << "value " << c.Value;
            }
            // Both cases' rows for a pair, the ordinary ones only otherwise.
            EXPECT_EQ(c.Summary.back().Case, f.Seismic ? DesignCase::Seismic : DesignCase::Ordinary);
            EXPECT_EQ(c.Summary.front().Case, DesignCase::Ordinary);
        }
    }
}

TEST(Sizing, TheBaseWidthMovesWithTheWidthSoTheOutlineStaysConsistent) {
    for (const FailingWall& f : kFailingWalls) {
        SCOPED_TRACE(f.Name);
        const Walls w(f.Page, f.Seismic);
        const double current = StrToFloat(w.Conditions.Controls().Text(f.Box));
        const double base = StrToFloat(w.Conditions.Controls().Text(f.Base));
        const SizingResult r = RunSizing(w.Conditions, w.Stresses, f.Box, SizingRange{current, current + 200, 50});
        ASSERT_EQ(r.Candidates.size(), 5u);
        for (std::size_t i = 0; i < r.Candidates.size(); ++i) {
            const SizingCandidate& c = r.Candidates[i];
            ASSERT_EQ(c.Apply.size(), 2u);
            EXPECT_EQ(c.Apply[0].first, f.Box);
            EXPECT_EQ(StrToFloat(c.Apply[0].second), current + 50.0 * static_cast<double>(i));
            EXPECT_EQ(c.Apply[1].first, f.Base);
            EXPECT_EQ(StrToFloat(c.Apply[1].second), base + 50.0 * static_cast<double>(i));
            EXPECT_EQ(c.Status, CandidateStatus::Ran) << c.Reason;
        }
    }
    // The stem height and the base thickness move nothing else.
    const Walls w(0, false);
    const SizingResult r = RunSizing(w.Conditions, w.Stresses, "Edit38", SizingRange{3000, 3100, 50});
    ASSERT_EQ(r.Candidates.size(), 3u);
    EXPECT_EQ(r.Candidates[2].Apply, (std::vector<std::pair<std::string, std::string>>{{"Edit38", "3100"}}));
}

TEST(Sizing, ARefusedOrFailedCandidateDoesNotPassAndTheScanGoesOn) {
    const Walls w(0, false);
    // Below zero the range check refuses the toe width; from 0 up the scan runs.
    const SizingResult r = RunSizing(w.Conditions, w.Stresses, "Edit34", SizingRange{-100, 100, 50});
    ASSERT_EQ(r.Candidates.size(), 5u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(r.Candidates[i].Status, CandidateStatus::Refused);
        EXPECT_FALSE(r.Candidates[i].AllOk);
        EXPECT_TRUE(r.Candidates[i].Summary.empty());
        EXPECT_FALSE(r.Candidates[i].Governing.has_value());
        EXPECT_NE(r.Candidates[i].Reason.find("つま先版幅"), std::string::npos) << r.Candidates[i].Reason;
    }
    for (std::size_t i = 2; i < 5; ++i) EXPECT_EQ(r.Candidates[i].Status, CandidateStatus::Ran);

    // A stage that cannot go on (no wall at all) fails the candidate with its message.
    DesignConditionsForm broken = w.Conditions;
    broken.SetText("Edit38", "0");
    broken.SetText("Edit39", "0");
    const SizingResult f = RunSizing(broken, w.Stresses, "Edit39", SizingRange{0, 50, 50});
    ASSERT_EQ(f.Candidates.size(), 2u);
    EXPECT_EQ(f.Candidates[0].Status, CandidateStatus::Failed);
    EXPECT_FALSE(f.Candidates[0].Reason.empty());
    EXPECT_FALSE(f.Candidates[0].AllOk);
}

TEST(Sizing, TheRangeItsDefaultAndTheTextsOfTheValues) {
    EXPECT_EQ(SizingValues({0, 100, 50}), (std::vector<double>{0, 50, 100}));
    EXPECT_EQ(SizingValues({0, 99, 50}), (std::vector<double>{0, 50}));
    EXPECT_EQ(SizingValues({400, 400, 50}), (std::vector<double>{400}));
    EXPECT_EQ(SizingValues({0, 0.3, 0.1}).size(), 4u);  // 0.3/0.1 is 2.9999999999999996
    for (const SizingRange bad : {SizingRange{0, 100, 0}, SizingRange{0, 100, -50}, SizingRange{100, 0, 50},
                                  SizingRange{0, NAN, 50}, SizingRange{0, INFINITY, 50}, SizingRange{0, 100000, 1}})
        EXPECT_THROW(SizingValues(bad), SizingError) << bad.From << " " << bad.To << " " << bad.Step;
    EXPECT_EQ(SizingValues({0, 9999, 1}).size(), kMaxSizingCandidates);

    // Three times the value, or 3000 mm more, whichever reaches further.
    struct {
        double Current, To;
    } const defaults[] = {{400, 3400}, {1500, 4500}, {2000, 6000}, {0, 3000}};
    for (const auto& d : defaults) {
        const SizingRange r = DefaultSizingRange(d.Current);
        EXPECT_EQ(r.From, d.Current);
        EXPECT_EQ(r.To, d.To);
        EXPECT_EQ(r.Step, 50.0);
    }

    EXPECT_EQ(MillimetreText(650), "650");
    EXPECT_EQ(MillimetreText(412.5), "412.5");
    EXPECT_EQ(MillimetreText(100000), "100000");
    EXPECT_EQ(MillimetreText(-0.0), "0");
    EXPECT_EQ(MillimetreText(-50), "-50");
    EXPECT_EQ(MillimetreText(400 + 3 * 0.1), "400.3");
    EXPECT_EQ(MillimetreText(0.1 + 0.2), "0.30000000000000004");  // read back as the same number
}

TEST(Sizing, TheBoxIsAnOutlineBoxOfTheActivePage) {
    const Walls gravity(0, false);
    const Walls leaning(1, false);
    EXPECT_EQ(FindSizingBox(gravity.Conditions.Controls(), "天端幅").Name, "Edit37");
    EXPECT_EQ(FindSizingBox(leaning.Conditions.Controls(), "天端幅").Name, "Edit52");
    EXPECT_EQ(FindSizingBox(leaning.Conditions.Controls(), "Edit59").Caption, "底版幅");
    EXPECT_THROW(FindSizingBox(gravity.Conditions.Controls(), "Edit52"), SizingError);  // the other page
    EXPECT_THROW(FindSizingBox(gravity.Conditions.Controls(), "Edit31"), SizingError);  // the sum of the widths
    EXPECT_THROW(FindSizingBox(gravity.Conditions.Controls(), "底版幅"), SizingError);
    EXPECT_THROW(FindSizingBox(gravity.Conditions.Controls(), "Edit15"), SizingError);  // not an outline box
    EXPECT_EQ(SizingBoxesOf(0).size(), 7u);
    EXPECT_EQ(SizingBoxesOf(1).size(), 7u);

    DesignConditionsForm noNumber = gravity.Conditions;
    noNumber.SetText("Edit37", "abc");
    EXPECT_THROW(RunSizing(noNumber, gravity.Stresses, "Edit37"), SizingError);
    DesignConditionsForm noBase = gravity.Conditions;
    noBase.SetText("Edit31", "abc");
    EXPECT_THROW(RunSizing(noBase, gravity.Stresses, "Edit37"), SizingError);
}

TEST(Sizing, CancellingKeepsTheCandidatesDoneAndProgressCountsThem) {
    const Walls w(1, true);
    std::vector<std::size_t> seen;
    SizingOptions options;
    options.Progress = [&](std::size_t done, std::size_t total) {
        EXPECT_EQ(total, 61u);  // 450 to 3450 in 50 mm steps
        seen.push_back(done);
        return done < 3;
    };
    const SizingResult r = RunSizing(w.Conditions, w.Stresses, "Edit52", options);
    EXPECT_TRUE(r.Cancelled);
    EXPECT_EQ(r.Candidates.size(), 3u);
    EXPECT_EQ(seen, (std::vector<std::size_t>{1, 2, 3}));
    EXPECT_FALSE(r.Smallest.has_value());

    // Stopping at the first pass ends the scan there, not cancelled.
    SizingOptions first;
    first.StopAtFirstPass = true;
    const SizingResult s = RunSizing(w.Conditions, w.Stresses, "Edit52", first);
    ASSERT_TRUE(s.Smallest.has_value());
    EXPECT_EQ(*s.Smallest + 1, s.Candidates.size());
    EXPECT_FALSE(s.Cancelled);
}

TEST(Sizing, TheGoverningCheckIsAFailureWithoutMarginElseTheHighestRatio) {
    auto row = [](SummaryCheck check, bool ok, std::optional<double> ratio) {
        SummaryRow r;
        r.Check = check;
        r.Ok = ok;
        r.Ratio = ratio;
        return r;
    };
    using C = SummaryCheck;
    EXPECT_EQ(GoverningRow({row(C::Sliding, true, 0.5), row(C::Bearing, false, 1.4), row(C::Toe, false, 1.2)}), 1u);
    EXPECT_EQ(GoverningRow({row(C::Sliding, false, std::nullopt), row(C::Bearing, false, 1.4)}), 0u);
    EXPECT_EQ(GoverningRow({row(C::Sliding, true, 0.5), row(C::Bearing, true, 0.5)}), 0u);
    EXPECT_EQ(GoverningRow({row(C::Sliding, true, std::nullopt)}), std::nullopt);
    EXPECT_FALSE(AllChecksOk({}, {}));
    EXPECT_TRUE(AllChecksOk({row(C::Sliding, true, 0.5)}, {0, 6}));
    EXPECT_FALSE(AllChecksOk({row(C::Sliding, true, 0.5)}, {0, 7}));
    EXPECT_FALSE(AllChecksOk({row(C::Sliding, true, 0.5)}, {3}));
}

TEST(Guidance, EachWidthOfThePageWithItsSmallestPassingValue) {
    const Walls w(1, false);
    const Guidance g = ComputeGuidance(w.Conditions, w.Stresses);
    EXPECT_TRUE(g.Failing);
    ASSERT_EQ(g.Items.size(), 2u);  // crest and toe widths of the leaning page
    for (const GuidanceItem& item : g.Items) {
        SCOPED_TRACE(std::string(item.Box.Name));
        const SizingResult r = RunSizing(w.Conditions, w.Stresses, item.Box.Name);
        ASSERT_TRUE(r.Smallest.has_value());
        EXPECT_EQ(item.Passing, r.Candidates[*r.Smallest].Value);
        EXPECT_EQ(item.Text, std::string(item.Box.Caption) + " " + MillimetreText(item.Current) + " → " +
                                 MillimetreText(*item.Passing) + " mm で全照査OK");
    }
    EXPECT_EQ(g.Items[0].Box.Name, "Edit52");
    EXPECT_EQ(g.Items[1].Box.Name, "Edit58");

    // The gravity page offers five widths; one that no value passes says so with its range.
    const Walls gravity(0, true);
    const Guidance gg = ComputeGuidance(gravity.Conditions, gravity.Stresses);
    ASSERT_EQ(gg.Items.size(), 5u);
    bool none = false;
    for (const GuidanceItem& item : gg.Items) {
        if (item.Passing) continue;
        none = true;
        EXPECT_EQ(item.To, std::max(3 * item.Current, item.Current + 3000));
        EXPECT_EQ(item.Text, std::string(item.Box.Caption) + " " + MillimetreText(item.Current) + " 〜 " +
                                 MillimetreText(item.To) + " mm の範囲に全照査OKとなる値なし");
        EXPECT_FALSE(RunSizing(gravity.Conditions, gravity.Stresses, item.Box.Name).Smallest.has_value());
    }
    EXPECT_TRUE(none);

    // A wall that passes needs no guidance.
    Walls passing(1, false);
    passing.Conditions.SetText("Edit58", "1185");
    passing.Conditions.SetText("Edit59", "2400");
    ASSERT_TRUE(SingleRunPasses(passing, {}));
    const Guidance p = ComputeGuidance(passing.Conditions, passing.Stresses);
    EXPECT_FALSE(p.Failing);
    EXPECT_TRUE(p.Items.empty());
}

}  // namespace
}  // namespace stelvar
