// Gathering the design conditions from the window's controls.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "default_controls.h"
#include "engine/engine.h"
#include "text/number.h"

namespace stelvar {
namespace {

using testing::DefaultControls;
constexpr double kDeg = std::numbers::pi / 180;

struct GatherCase {
    const char* Name;
    std::function<void(DefaultControls&)> Setup;
    std::function<void(const TTeisu&)> Check;
};

class GatherDerived : public ::testing::TestWithParam<GatherCase> {};

TEST_P(GatherDerived, FormsTheRecord) {
    DefaultControls controls;
    GetParam().Setup(controls);
    TTeisu t;
    Gather(t, controls);
    GetParam().Check(t);
}

const GatherCase kGatherCases[] = {
    {"DefaultGravityWall",
     [](DefaultControls&) {},
     [](const TTeisu& t) {
         EXPECT_EQ(t.WallType, 0);
         EXPECT_DOUBLE_EQ(t.Phi, 35 * kDeg);
         EXPECT_EQ(t.Phi1Deg, 30);
         EXPECT_EQ(t.Phi2Deg, 25);
         EXPECT_DOUBLE_EQ(t.PhiB, t.Phi1);  // cast in place
         EXPECT_NEAR(t.Alpha, std::atan(1000.0 / 3000.0), 1e-15);
         EXPECT_NEAR(t.Alpha, 0.3218, 1e-4);
         EXPECT_EQ(t.BackfillShape, 1);
         EXPECT_EQ(t.N, 0.0);
         EXPECT_EQ(t.Beta, 0.0);
         EXPECT_EQ(t.Q, 10.0);
         EXPECT_EQ(t.QSlope, 0.0);  // surcharge on the flat part only
         EXPECT_EQ(t.Gamma2e, 18.0);
         EXPECT_EQ(t.Gamma1e, 19.0);
         EXPECT_EQ(t.Settings.BlockLength, 5.0);
         EXPECT_TRUE(t.Settings.SurchargeOn);
         EXPECT_EQ(t.Settings.FmReq, 0.0);  // "-" is not read by the eccentricity method
     }},
    {"DefaultLeaningWall",
     [](DefaultControls& c) { c.Leaning(); },
     [](const TTeisu& t) {
         EXPECT_EQ(t.WallType, 1);
         EXPECT_NEAR(t.Alpha, -std::atan(1785.0 / 5100.0), 1e-15);
         EXPECT_NEAR(t.Alpha, -0.3367, 1e-4);
         EXPECT_DOUBLE_EQ(t.PointX[9], 2.05);
         EXPECT_DOUBLE_EQ(t.PointY[4], 6.0);
     }},
    {"PrecastBodyTakesTwoThirdsOfPhi",
     [](DefaultControls& c) { c.SetIndex("RadioGroup3", 1); },
     [](const TTeisu& t) { EXPECT_NEAR(t.PhiB, 20 * kDeg, 1e-15); }},
    {"WaterWithinEmbedment",
     [](DefaultControls& c) { c.SetChecked("CheckBox3", true).Set("Edit62", "0.5").Set("ComboBox8", "9.8"); },
     [](const TTeisu& t) {
         EXPECT_EQ(t.WaterOn, 1);
         EXPECT_EQ(t.Hw, 0.5);
         EXPECT_NEAR(t.Gamma2e, 14.25, 1e-13);  // (0.7·18 + 0.5·9)/1.2, with 9 not γw
         EXPECT_EQ(t.Gamma1e, 10.0);
     }},
    {"WaterAboveEmbedment",
     [](DefaultControls& c) { c.SetChecked("CheckBox3", true).Set("Edit62", "1.5").Set("ComboBox8", "10.0"); },
     [](const TTeisu& t) {
         EXPECT_EQ(t.Gamma2e, 9.0);
         EXPECT_EQ(t.Gamma1e, 10.0);
     }},
    {"WaterDepthIgnoredWhenSwitchedOff",
     [](DefaultControls& c) { c.Set("Edit62", "0.5"); },
     [](const TTeisu& t) {
         EXPECT_EQ(t.WaterOn, 0);
         EXPECT_EQ(t.Hw, 0.0);
     }},
    {"OrdinaryCaseIgnoresSeismicCoefficient",
     [](DefaultControls& c) { c.Set("Edit61", "0.12"); },
     [](const TTeisu& t) {
         EXPECT_EQ(t.SeismicMode, 0);
         EXPECT_EQ(t.Kh, 0.0);
         EXPECT_EQ(t.KhBody, 0.0);
         EXPECT_EQ(t.Theta, 0.0);
     }},
    {"SeismicOrdinaryEarthPressurePlusInertia",
     [](DefaultControls& c) { c.Seismic("0.2", 0); },
     [](const TTeisu& t) {
         EXPECT_EQ(t.SeismicMode, 1);
         EXPECT_EQ(t.KhBody, 0.2);
         EXPECT_EQ(t.Theta, 0.0);
     }},
    {"SeismicEarthPressurePlusInertia",
     [](DefaultControls& c) { c.Seismic("0.2", 1); },
     [](const TTeisu& t) {
         EXPECT_EQ(t.SeismicMode, 2);
         EXPECT_EQ(t.KhBody, 0.2);
         EXPECT_EQ(t.Theta, std::atan(0.2));
     }},
    {"SeismicEarthPressureOnly",
     [](DefaultControls& c) { c.Seismic("0.2", 2); },
     [](const TTeisu& t) {
         EXPECT_EQ(t.LoadCase, 1);
         EXPECT_EQ(t.SeismicMode, 4);
         EXPECT_EQ(t.Kh, 0.2);
         EXPECT_EQ(t.KhBody, 0.0);
         EXPECT_EQ(t.Theta, std::atan(0.2));
     }},
    {"SlopeIgnoresEmbankmentHeight",
     [](DefaultControls& c) { c.SetIndex("TabControl1", 1).Set("ComboBox1", "1.5").Set("Edit28", "2000"); },
     [](const TTeisu& t) {
         EXPECT_EQ(t.BackfillShape, 2);
         EXPECT_NEAR(t.Beta, 0.5880, 1e-4);
         EXPECT_NEAR(t.Beta / kDeg, 33.69, 1e-2);
         EXPECT_EQ(t.Hs, 0.0);
         EXPECT_EQ(t.SlopeRun, 0.0);
     }},
    {"Embankment",
     [](DefaultControls& c) { c.SetIndex("TabControl1", 2).Set("ComboBox1", "1.5").Set("Edit28", "2000"); },
     [](const TTeisu& t) {
         EXPECT_EQ(t.BackfillShape, 3);
         EXPECT_DOUBLE_EQ(t.Hs, 2.0);
         EXPECT_DOUBLE_EQ(t.SlopeRun, 3.0);
     }},
    {"SurchargeOnWholeSurface",
     [](DefaultControls& c) { c.SetIndex("RadioGroup8", 1); },
     [](const TTeisu& t) { EXPECT_EQ(t.QSlope, 10.0); }},
    {"SafetyFactorMethodReadsRequiredFactor",
     [](DefaultControls& c) { c.SetIndex("RadioGroup11", 1).Set("LabeledEdit1", "1.5").Set("LabeledEdit2", "1.2"); },
     [](const TTeisu& t) {
         EXPECT_EQ(t.Settings.OverturnMethod, 1);
         EXPECT_EQ(t.Settings.FmReq, 1.5);
     }},
    {"SafetyFactorMethodSeismicFactor",
     [](DefaultControls& c) {
         c.SetIndex("RadioGroup11", 1).Set("LabeledEdit1", "1.5").Set("LabeledEdit2", "1.2").Seismic("0.2", 1);
     },
     [](const TTeisu& t) { EXPECT_EQ(t.Settings.FmReq, 1.2); }},
    {"KeyEditsIgnoredWithoutKey",
     [](DefaultControls& c) { c.Set("Edit35", "abc").Set("Edit40", "500").Set("Edit41", "400"); },
     [](const TTeisu& t) {
         for (int i = 10; i <= 13; ++i) {
             EXPECT_EQ(t.PointX[static_cast<std::size_t>(i)], 0.0) << i;
             EXPECT_EQ(t.PointY[static_cast<std::size_t>(i)], 0.0) << i;
         }
     }},
    {"KeyEditsInMillimetres",
     [](DefaultControls& c) { c.SetIndex("RadioGroup2", 1).Set("Edit35", "800").Set("Edit40", "500").Set("Edit41", "400"); },
     [](const TTeisu& t) {
         EXPECT_TRUE(t.Settings.KeyOn);
         EXPECT_DOUBLE_EQ(t.PointX[13], 0.8);
         EXPECT_DOUBLE_EQ(t.PointX[10], 1.3);
         EXPECT_DOUBLE_EQ(t.PointY[11], -0.4);
     }},
    {"NoBaseSlabShrinksTheBase",
     [](DefaultControls& c) { c.Set("Edit39", "0"); },
     [](const TTeisu& t) {
         EXPECT_DOUBLE_EQ(t.PointX[9], 2.0);  // 2400 − 200 − 200 mm
         EXPECT_EQ(t.PointX[2], 0.0);         // no toe
         EXPECT_EQ(t.PointX[6], t.PointX[8]);  // no heel
         EXPECT_DOUBLE_EQ(t.PointY[4], 3.0);
     }},
    {"EmbedmentAboveBaseSetsFrontSoil",
     [](DefaultControls& c) { c.SetChecked("CheckBox9", true).Set("Edit54", "1.0"); },
     [](const TTeisu& t) {
         EXPECT_EQ(t.Settings.H0, 1.0);
         EXPECT_EQ(t.PointY[24], 1.0);
     }},
};

INSTANTIATE_TEST_SUITE_P(Gather, GatherDerived, ::testing::ValuesIn(kGatherCases),
                         [](const ::testing::TestParamInfo<GatherCase>& row) { return std::string(row.param.Name); });

// ---- Failures ------------------------------------------------------------------------

struct FailureCase {
    const char* Control;
    const char* Text;
    const char* Message;
};

class GatherConversion : public ::testing::TestWithParam<FailureCase> {};

TEST_P(GatherConversion, StopsWithTheSystemsMessage) {
    DefaultControls controls;
    controls.Set(GetParam().Control, GetParam().Text);
    TTeisu t;
    try {
        Gather(t, controls);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), GetParam().Message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Gather, GatherConversion,
    ::testing::Values(FailureCase{"Edit15", "abc", "'abc' is not a valid floating point value"},
                      FailureCase{"Edit42", "30.5", "'30.5' is not a valid integer value"},
                      FailureCase{"LabeledEdit7", "25.0", "'25.0' is not a valid integer value"},
                      FailureCase{"Edit31", "", "'' is not a valid floating point value"},
                      FailureCase{"ComboBox18", "x", "'x' is not a valid floating point value"}));

TEST(Gather, ZeroStemHeightStopsTheRun) {
    DefaultControls gravity;
    gravity.Set("Edit38", "0");
    DefaultControls leaning;
    leaning.Leaning().Set("Edit55", "0");
    for (const DefaultControls* c : {&gravity, &leaning}) {
        TTeisu t;
        try {
            Gather(t, *c);
            ADD_FAILURE() << "no error";
        } catch (const EngineError& e) {
            EXPECT_STREQ(e.what(), "Floating point division by zero");
        }
    }
}

}  // namespace
}  // namespace stelvar
