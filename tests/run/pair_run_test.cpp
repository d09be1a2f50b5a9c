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
    // Everything else as entered, but the allowable stresses: the seismic ones raised by
    // half give way to the ordinary ones of the same σck.
    for (const char* box : {"Edit14", "Edit15", "Edit50", "Edit31"})
        EXPECT_EQ(o.Text(box), w.Conditions.Controls().Text(box)) << box;
    EXPECT_EQ(p.Stresses, OrdinaryStresses::FromTable);
    EXPECT_EQ(o.Text("Edit23"), "4.50");
    EXPECT_EQ(o.Text("Edit24"), "0.22");
    EXPECT_EQ(o.Text("Edit25"), "0.33");
    EXPECT_EQ(p.Ordinary.Stresses.Controls().Index(allowable_stress::kDesignCase), 0);

    // The seismic case is the windows as they stand.
    EXPECT_EQ(p.Seismic.Conditions.Controls(), w.Conditions.Controls());
    EXPECT_EQ(p.Seismic.Stresses.Controls(), w.Stresses.Controls());

    bool refused = true;
    EXPECT_TRUE(Findings(p, refused).empty());
    EXPECT_FALSE(refused);
}

// The ordinary case's members are never checked with the seismic stresses: the table's
// seismic values are replaced by its ordinary ones, ordinary values (the seismic ones not
// yet transferred) are kept, and values of the user's own refuse the pair.
TEST(PairRun, TheOrdinaryCaseNeverKeepsTheSeismicAllowableStresses) {
    struct StressCase {
        const char* Name;
        const char* SigmaCk;
        const char* Ca;
        const char* Cat;
        const char* Tau;
        OrdinaryStresses Expected;
        const char* OrdinaryCa;  // what the ordinary case computes with
        const char* OrdinaryCat;
        const char* OrdinaryTau;
    };
    const StressCase cases[] = {
        {"seismic table values of 18", "18", "6.75", "0.34", "0.50", OrdinaryStresses::FromTable, "4.50", "0.22", "0.33"},
        {"seismic table values of 24", "24", "8.25", "0.45", "0.58", OrdinaryStresses::FromTable, "5.50", "0.30", "0.39"},
        {"ordinary values kept", "21", "5.25", "0.26", "0.36", OrdinaryStresses::AsEntered, "5.25", "0.26", "0.36"},
        {"as typed, 4.5 for 4.50", "18", "4.5", "0.22", "0.33", OrdinaryStresses::AsEntered, "4.5", "0.22", "0.33"},
        {"values of one's own", "18", "5.00", "0.30", "0.40", OrdinaryStresses::Unknown, "5.00", "0.30", "0.40"},
    };
    for (const StressCase& c : cases) {
        SeismicWindows w;
        w.Conditions.SetText("Edit50", c.SigmaCk);
        w.Conditions.SetText("Edit23", c.Ca);
        w.Conditions.SetText("Edit24", c.Cat);
        w.Conditions.SetText("Edit25", c.Tau);
        const PairInputs p = PairInputsOf(w.Conditions, w.Stresses);
        EXPECT_EQ(p.Stresses, c.Expected) << c.Name;
        const ControlStore& o = p.Ordinary.Conditions.Controls();
        EXPECT_EQ(o.Text("Edit23"), c.OrdinaryCa) << c.Name;
        EXPECT_EQ(o.Text("Edit24"), c.OrdinaryCat) << c.Name;
        EXPECT_EQ(o.Text("Edit25"), c.OrdinaryTau) << c.Name;
        // The seismic case keeps what was entered.
        EXPECT_EQ(p.Seismic.Conditions.Controls().Text("Edit23"), c.Ca) << c.Name;

        bool refused = false;
        const auto found = Findings(p, refused);
        if (c.Expected == OrdinaryStresses::Unknown) {
            EXPECT_TRUE(refused) << c.Name;
            ASSERT_EQ(found.size(), 1u) << c.Name;
            EXPECT_EQ(found[0].Case, DesignCase::Ordinary);
            EXPECT_EQ(found[0].Finding.Message, kPairStressesUnknownMessage);
        } else {
            EXPECT_FALSE(refused) << c.Name;
            // The ordinary case is the single run of those stresses, field for field.
            DesignConditionsForm single = w.Conditions;
            single.SetIndex("RadioGroup5", 0);
            single.SetText("Edit23", c.OrdinaryCa);
            single.SetText("Edit24", c.OrdinaryCat);
            single.SetText("Edit25", c.OrdinaryTau);
            const PairOutcome pair = RunPair(p);
            EXPECT_EQ(RunOutcomeToJson(pair.Ordinary, "").dump(),
                      RunOutcomeToJson(RunCalculation(single.Controls()), "").dump())
                << c.Name;
        }
    }
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
