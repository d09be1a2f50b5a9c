// Verdicts of figures that overflowed: a check whose figure is not a finite number never
// passes, however the comparison with its limit would come out.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "calculation_steps.h"
#include "default_controls.h"
#include "engine/engine.h"

namespace stelvar {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Figures with which all four stability checks pass.
TAntei PassingStability() {
    TAntei a;
    a.WallType = 0;
    a.PointX[9] = 3.0;
    a.D = 1.6;  // beyond B/2 for a leaning wall, |e| < B/6 for a gravity wall
    a.E = -0.1;
    a.Mr = 300;
    a.Mo = 100;
    a.Settings.FmReq = 1.5;
    a.ReactionCase = 0;
    a.Q1 = 50;
    a.Q2 = 30;
    a.Qa = 300;
    a.Fs = 1.8;
    a.FsSlideReq = 1.5;
    a.Vo = 100;
    a.Be = 2.0;
    a.Qu = 600;
    a.FsBearReq = 3.0;
    return a;
}

enum class Check { Overturning, GroundReaction, Sliding, Bearing };

bool VerdictOf(const Verdicts& v, Check c) {
    switch (c) {
        case Check::Overturning: return v.Overturning;
        case Check::GroundReaction: return v.GroundReaction;
        case Check::Sliding: return v.Sliding;
        case Check::Bearing: return v.Bearing;
    }
    return true;
}

TEST(NonFiniteVerdicts, StabilityChecksFailOnNonFiniteFigures) {
    for (int method : {0, 1}) {
        for (int wallType : {0, 1}) {
            TAntei a = PassingStability();
            a.Settings.OverturnMethod = method;
            a.WallType = wallType;
            const Verdicts v = ComputeVerdicts(a);
            ASSERT_TRUE(v.Overturning && v.GroundReaction && v.Sliding && v.Bearing)
                << "baseline, method " << method << " wall " << wallType;
        }
    }

    struct Row {
        const char* Label;
        int Method;    // overturning by eccentricity (0) or safety factor (1)
        int WallType;  // gravity (0) or leaning (1)
        std::function<void(TAntei&)> Spoil;
        Check Failing;
    };
    const Row rows[] = {
        {"e NaN", 0, 0, [](TAntei& a) { a.E = kNaN; }, Check::Overturning},
        {"e inf", 0, 0, [](TAntei& a) { a.E = kInf; }, Check::Overturning},
        {"d NaN, leaning", 0, 1, [](TAntei& a) { a.D = kNaN; }, Check::Overturning},
        {"d inf, leaning", 0, 1, [](TAntei& a) { a.D = kInf; }, Check::Overturning},
        {"Mo NaN", 1, 0, [](TAntei& a) { a.Mo = kNaN; }, Check::Overturning},
        {"Mr NaN", 1, 0, [](TAntei& a) { a.Mr = kNaN; }, Check::Overturning},
        {"Mr inf", 1, 0, [](TAntei& a) { a.Mr = kInf; }, Check::Overturning},
        {"Mo -inf", 1, 0, [](TAntei& a) { a.Mo = -kInf; }, Check::Overturning},
        {"Mr NaN, no Mo", 1, 0, [](TAntei& a) { a.Mr = kNaN; a.Mo = 0.0; }, Check::Overturning},
        {"q1 NaN", 0, 0, [](TAntei& a) { a.Q1 = kNaN; }, Check::GroundReaction},
        {"q2 inf", 0, 0, [](TAntei& a) { a.Q2 = kInf; }, Check::GroundReaction},
        {"q2 NaN beside q1 0", 0, 0, [](TAntei& a) { a.Q1 = 0; a.Q2 = kNaN; }, Check::GroundReaction},
        {"Fs NaN", 0, 0, [](TAntei& a) { a.Fs = kNaN; }, Check::Sliding},
        {"Fs inf", 0, 0, [](TAntei& a) { a.Fs = kInf; }, Check::Sliding},
        {"Vo NaN", 0, 0, [](TAntei& a) { a.Vo = kNaN; }, Check::Bearing},
        {"Qu NaN", 0, 0, [](TAntei& a) { a.Qu = kNaN; }, Check::Bearing},
        {"Qu inf", 0, 0, [](TAntei& a) { a.Qu = kInf; }, Check::Bearing},
        {"Vo -inf", 0, 0, [](TAntei& a) { a.Vo = -kInf; }, Check::Bearing},
    };
    for (const Row& r : rows) {
        TAntei a = PassingStability();
        a.Settings.OverturnMethod = r.Method;
        a.WallType = r.WallType;
        r.Spoil(a);
        EXPECT_FALSE(VerdictOf(ComputeVerdicts(a), r.Failing)) << r.Label;
    }
}

TEST(NonFiniteVerdicts, SlidingWithAHorizontalLoadThatIsNotANumber) {
    // The fixed factor of a wall without horizontal load must not stand in for a load
    // that overflowed: the factor is then not a number and sliding is not satisfied.
    for (bool key : {false, true}) {
        TAntei a = PassingStability();
        a.Settings.KeyOn = key;
        a.Mu = 0.6;
        a.HoCopy = kNaN;
        SlidingResistance(a);
        EXPECT_TRUE(std::isnan(a.Fs)) << "key " << key << ": " << a.Fs;
        EXPECT_FALSE(ComputeVerdicts(a).Sliding) << "key " << key;

        a.HoCopy = 0.0;  // genuinely no load: the fixed large factor, satisfied
        SlidingResistance(a);
        EXPECT_EQ(a.Fs, key ? 9999.9 : 999.9);
        EXPECT_TRUE(ComputeVerdicts(a).Sliding) << "key " << key;
    }
}

TEST(NonFiniteVerdicts, MemberCheckFailsOnNonFiniteStresses) {
    TAntei a;
    // Limits without bound: only the figures' own non-finiteness can fail them.
    a.SigmaCat = kInf;
    a.TauCa = kInf;
    EXPECT_EQ(PlainConcreteCheck(a, 10.0, 2.0, 0.5).Verdict, "可");
    const struct {
        double S, M;
    } rows[] = {{kNaN, 2.0}, {10.0, kNaN}, {kInf, 2.0}, {10.0, -kInf}, {kNaN, kNaN}};
    for (const auto& r : rows)
        EXPECT_EQ(PlainConcreteCheck(a, r.S, r.M, 0.5).Verdict, "不可") << r.S << " " << r.M;
}

// The whole calculation with a unit weight far beyond any material, as only a caller
// that skips the input checks can give it: the totals overflow and the stresses of the
// sections become NaN or infinite. Every check whose figure is not finite reads "不可".
TEST(NonFiniteVerdicts, OverflowingUnitWeightFailsEveryAffectedCheck) {
    const struct {
        const char* Control;
        int WallType;
        int Method;
    } rows[] = {
        {"ComboBox7", 0, 0}, {"ComboBox7", 0, 1}, {"ComboBox7", 1, 1},
        {"Edit15", 0, 0},    {"Edit15", 1, 0},    {"Edit15", 1, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.Control << " wall " << r.WallType << " method "
                                        << r.Method);
        testing::DefaultControls controls;
        controls.Set(r.Control, "1e308")
            .Set("LabeledEdit1", "1.5")
            .SetIndex("PageControl2", r.WallType)
            .SetIndex("RadioGroup11", r.Method);
        TAntei a;
        testing::RunThroughBearingCapacity(a, controls);
        SlabReaction(a);
        SlidingResistance(a);
        ASSERT_FALSE(std::isfinite(a.Vo));

        const Verdicts v = ComputeVerdicts(a);
        EXPECT_FALSE(v.Overturning);
        EXPECT_FALSE(v.GroundReaction);
        EXPECT_FALSE(v.Sliding);
        EXPECT_FALSE(v.Bearing);

        StemDesign(a);
        int nonFinite = 0;
        for (const std::optional<StemSection>* s : {&a.StemMid, &a.StemFixed}) {
            ASSERT_TRUE(s->has_value());
            const StemSection& section = **s;
            if (std::isfinite(section.SigmaC1) && std::isfinite(section.SigmaC2)) continue;
            ++nonFinite;
            EXPECT_EQ(section.Verdict, "不可") << "stem at " << section.Depth;
        }
        for (const std::optional<MemberCheck>* c : {&a.ToeCheck, &a.HeelCheck, &a.KeyCheck}) {
            if (!c->has_value()) continue;
            if (std::isfinite((*c)->SigmaCt) && std::isfinite((*c)->TauC)) continue;
            ++nonFinite;
            EXPECT_EQ((*c)->Verdict, "不可") << "slab of " << (*c)->Thickness;
        }
        EXPECT_GE(nonFinite, 2);  // the overflow did reach the members
    }
}

}  // namespace
}  // namespace stelvar
