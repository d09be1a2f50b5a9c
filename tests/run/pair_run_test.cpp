// Both design cases in one run: the ordinary copy made by the window's own reaction, the
// validation of each case with its name, and the user's windows left as they were.

#include "run/pair_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run/result_json.h"

namespace stelvar {
namespace {

// The seismic case as a user enters it: "地震時", a coefficient, and the allowable-stress
// window switched to the seismic case and copied into the design conditions.
struct SeismicWindows {
    DesignConditionsForm Conditions;
    AllowableStressForm Stresses;
    SeismicWindows() {
        Conditions.SetIndex("RadioGroup5", 1);
        Conditions.SetText("Edit61", "0.2");
        Stresses.SetIndex(allowable_stress::kDesignCase, 1);
        Stresses.TransferToDesignConditions(Conditions);
    }
};

std::vector<PairFinding> Findings(const PairInputs& p, bool& refused) {
    std::vector<PairFinding> out;
    refused = CheckPairInputs(p, [&](const PairFinding& f) { out.push_back(f); });
    return out;
}

TEST(PairRun, TheOrdinaryCaseIsTheClickOnJoujiAndTheStressesFollow) {
    SeismicWindows w;
    w.Conditions.SetIndex("PageControl1", 1);
    const PairInputs p = PairInputsOf(w.Conditions, w.Stresses);

    const ControlStore& o = p.Ordinary.Conditions.Controls();
    EXPECT_EQ(o.Index("RadioGroup5"), 0);
    // What the click on 常時 changes: the coefficient boxes, the seismic page and models.
    EXPECT_EQ(o.Text("Edit61"), "0.0");
    EXPECT_FALSE(o.State("Edit61").Enabled);
    EXPECT_FALSE(o.State("RadioGroup9").Enabled);
    EXPECT_FALSE(o.State("TabSheet7").Visible);
    // Everything else as entered, the allowable stresses the run reads included.
    for (const char* box : {"Edit14", "Edit15", "Edit23", "Edit24", "Edit25", "Edit31"})
        EXPECT_EQ(o.Text(box), w.Conditions.Controls().Text(box)) << box;
    EXPECT_EQ(p.Ordinary.Stresses.Controls().Index(allowable_stress::kDesignCase), 0);

    // The seismic case is the windows as they stand.
    EXPECT_EQ(p.Seismic.Conditions.Controls(), w.Conditions.Controls());
    EXPECT_EQ(p.Seismic.Stresses.Controls(), w.Stresses.Controls());

    bool refused = true;
    EXPECT_TRUE(Findings(p, refused).empty());
    EXPECT_FALSE(refused);
}

// Nothing of the pair reaches the user's windows: making the copies, validating and
// running both cases leave every control as it was.
TEST(PairRun, TheUsersWindowsAreNeverChanged) {
    SeismicWindows w;
    const ControlStore conditions = w.Conditions.Controls();
    const ControlStore stresses = w.Stresses.Controls();
    const int redraws = w.Conditions.FigureRedraws();
    const PairInputs p = PairInputsOf(w.Conditions, w.Stresses);
    bool refused = true;
    Findings(p, refused);
    const PairOutcome out = RunPair(p);
    EXPECT_EQ(w.Conditions.Controls(), conditions);
    EXPECT_EQ(w.Stresses.Controls(), stresses);
    EXPECT_EQ(w.Conditions.FigureRedraws(), redraws);
    EXPECT_EQ(out.Seismic.Object.LoadCase, 1);
    EXPECT_EQ(out.Ordinary.Object.LoadCase, 0);
}

// Each case is the single run of its conditions; the summary holds the ordinary rows,
// then the seismic ones, each case with one governing row.
TEST(PairRun, BothCasesAreTheirSingleRuns) {
    SeismicWindows w;
    w.Conditions.SetIndex("RadioGroup2", 1);
    w.Conditions.SetText("Edit35", "800");
    w.Conditions.SetText("Edit40", "300");
    w.Conditions.SetText("Edit41", "300");
    const PairInputs p = PairInputsOf(w.Conditions, w.Stresses);
    const PairOutcome out = RunPair(p);
    EXPECT_EQ(RunOutcomeToJson(out.Ordinary, ""), RunOutcomeToJson(RunCalculation(p.Ordinary.Conditions.Controls()), ""));
    EXPECT_EQ(RunOutcomeToJson(out.Seismic, ""), RunOutcomeToJson(RunCalculation(w.Conditions.Controls()), ""));
    EXPECT_NE(RunOutcomeToJson(out.Ordinary, ""), RunOutcomeToJson(out.Seismic, ""));

    const auto ordinary = SummariseCase(out.Ordinary, DesignCase::Ordinary);
    const auto seismic = SummariseCase(out.Seismic, DesignCase::Seismic);
    ASSERT_EQ(out.Summary.size(), ordinary.size() + seismic.size());
    int governing[2] = {0, 0};
    for (std::size_t i = 0; i < out.Summary.size(); ++i) {
        const SummaryRow& r = out.Summary[i];
        const SummaryRow& single = i < ordinary.size() ? ordinary[i] : seismic[i - ordinary.size()];
        EXPECT_EQ(r.Case, single.Case);
        EXPECT_EQ(r.Check, single.Check);
        EXPECT_EQ(r.Ok, single.Ok);
        EXPECT_EQ(r.Ratio, single.Ratio);
        EXPECT_EQ(r.Governing, single.Governing);
        governing[r.Case == DesignCase::Ordinary ? 0 : 1] += r.Governing;
    }
    EXPECT_EQ(governing[0], 1);
    EXPECT_EQ(governing[1], 1);
    EXPECT_EQ(out.Summary.back().Check, SummaryCheck::Key);
}

TEST(PairRun, RefusalsNameTheirCase) {
    {
        // The ordinary case has no seismic coefficient to make a second case of.
        DesignConditionsForm conditions;
        AllowableStressForm stresses;
        bool refused = false;
        const auto f = Findings(PairInputsOf(conditions, stresses), refused);
        EXPECT_TRUE(refused);
        ASSERT_EQ(f.size(), 1u);
        EXPECT_EQ(f[0].Finding.Kind, FindingKind::Error);
        EXPECT_EQ(f[0].Finding.Message, kPairNeedsSeismicMessage);
        EXPECT_NE(f[0].Finding.Message.find("[地震時]"), std::string::npos);
    }
    {
        // Ordinary allowable stresses in the seismic case: only the seismic case is refused
        // (the ordinary copy's stresses follow its case).
        DesignConditionsForm conditions;
        AllowableStressForm stresses;
        conditions.SetIndex("RadioGroup5", 1);
        bool refused = false;
        const auto f = Findings(PairInputsOf(conditions, stresses), refused);
        EXPECT_TRUE(refused);
        ASSERT_EQ(f.size(), 1u);
        EXPECT_EQ(f[0].Case, DesignCase::Seismic);
        EXPECT_EQ(f[0].Finding.Check, 13);
        EXPECT_EQ(PairFindingMessage(f[0]).rfind("[地震時]\r[地震時計算時]に", 0), 0u);
    }
    {
        // A box out of range refuses both cases, the ordinary one first; the seismic
        // model's surcharge warning is the seismic case's alone.
        SeismicWindows w;
        w.Conditions.SetText("Edit14", "95");
        w.Conditions.SetIndex("RadioGroup9", 0);
        bool refused = false;
        const auto f = Findings(PairInputsOf(w.Conditions, w.Stresses), refused);
        EXPECT_TRUE(refused);
        ASSERT_EQ(f.size(), 3u);
        EXPECT_EQ(f[0].Case, DesignCase::Ordinary);
        EXPECT_EQ(f[0].Finding.Check, 15);
        EXPECT_EQ(f[1].Case, DesignCase::Seismic);
        EXPECT_EQ(f[1].Finding.Check, 14);
        EXPECT_EQ(f[1].Finding.Kind, FindingKind::Warning);
        EXPECT_EQ(f[2].Case, DesignCase::Seismic);
        EXPECT_EQ(f[2].Finding.Check, 15);
        EXPECT_EQ(PairFindingMessage(f[0]).rfind("[常時]\r[裏込め土 φ(度)]", 0), 0u);
    }
}

TEST(PairRun, AFailureNamesItsCase) {
    SeismicWindows w;
    w.Conditions.SetText("Edit42", "abc");
    try {
        bool refused = false;
        Findings(PairInputsOf(w.Conditions, w.Stresses), refused);
        FAIL() << "expected the conversion to fail";
    } catch (const PairCaseError& e) {
        EXPECT_EQ(e.Case(), DesignCase::Ordinary);
        EXPECT_EQ(std::string(e.what()), "[常時]\r" + e.Message());
    }

    // A stage that cannot go on in the second case only: the first case's outcome is not
    // returned either.
    SeismicWindows windows;
    const PairInputs p = PairInputsOf(windows.Conditions, windows.Stresses);
    try {
        RunPair(p, [](DesignCase c, const ControlSource& controls) {
            if (c == DesignCase::Seismic) throw std::runtime_error("浮動小数点数による0除算");
            return RunCalculation(controls);
        });
        FAIL() << "expected the seismic case to fail";
    } catch (const PairCaseError& e) {
        EXPECT_EQ(e.Case(), DesignCase::Seismic);
        EXPECT_EQ(std::string(e.what()), "[地震時]\r浮動小数点数による0除算");
    }
}

}  // namespace
}  // namespace stelvar
