// The coefficient tool's settings: its boxes as the window opens, the soil-type and
// design-case reactions, the two opening modes, and what showing it does to the design
// conditions.

#include "forms/coefficient_tool.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/design_conditions.h"

namespace stelvar {
namespace {

using namespace coefficient_tool;

TEST(CoefficientToolForm, OpensWithGravellySoilOrdinaryCaseAndTheFirstWallType) {
    const CoefficientToolForm f;
    const ControlStore& c = f.Controls();
    EXPECT_EQ(c.Text(kSoilType), "礫質土");
    EXPECT_EQ(c.Text(kGamma), "20");
    EXPECT_EQ(c.Text(kPhi), "35");
    EXPECT_EQ(c.Text(kCohesion), "0");
    EXPECT_EQ(c.Text(kDesignCase), "常時");
    EXPECT_EQ(c.Text(kKh), "0.0");
    EXPECT_FALSE(c.Enabled(kKh));
    EXPECT_EQ(c.Background(kKh), clSilver);
    EXPECT_EQ(c.Items(kGamma), (std::vector<std::string>{"20", "19", "18"}));
    EXPECT_EQ(c.Items(kPhi), (std::vector<std::string>{"35", "30", "25"}));
    EXPECT_EQ(c.Items(kCohesion), (std::vector<std::string>{"0", "1"}));
    EXPECT_EQ(c.State(kGamma).Hint, "単位重量(kN/m3)");
    EXPECT_EQ(c.State(kPhi).Hint, "せん断抵抗角(度)");
    EXPECT_EQ(c.State(kCohesion).Hint, "粘着力(kN/m2)");

    EXPECT_EQ(c.Items(kWallTypes), (std::vector<std::string>{"重力式１", "重力式２", "もたれ式", "逆Ｔ型"}));
    EXPECT_EQ(c.Index(kWallTypes), kGravityPage);
    EXPECT_EQ(c.Text(kGravityBatter), "0.3");
    EXPECT_EQ(c.Items(kGravityBatter),
              (std::vector<std::string>{"0.0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6"}));
    EXPECT_EQ(c.Text(kLeaningBatter), "-0.3");
    EXPECT_EQ(c.Items(kLeaningBatter),
              (std::vector<std::string>{"0.0", "-0.1", "-0.2", "-0.3", "-0.4", "-0.5", "-0.6"}));
    EXPECT_EQ(c.Items(kPages),
              (std::vector<std::string>{"土圧係数", "支持力係数　Nc", "支持力係数　Nq", "支持力係数　Nγ"}));
}

TEST(CoefficientToolForm, SoilTypeSetsUnitWeightAndShearAngle) {
    struct Row {
        int Item;
        const char* Gamma;
        const char* Phi;
    };
    CoefficientToolForm f;
    for (const Row& r : {Row{1, "19", "30"}, Row{2, "18", "25"}, Row{0, "20", "35"}}) {
        SCOPED_TRACE(r.Item);
        f.SetIndex(kSoilType, r.Item);
        EXPECT_EQ(f.Controls().Text(kGamma), r.Gamma);
        EXPECT_EQ(f.Controls().Text(kPhi), r.Phi);
    }
    // The boxes stay editable: a typed value is kept until another soil type is chosen.
    f.SetText(kGamma, "17.5");
    f.SetIndex(kSoilType, 0);
    EXPECT_EQ(f.Controls().Text(kGamma), "17.5");
    f.SetIndex(kSoilType, 1);
    EXPECT_EQ(f.Controls().Text(kGamma), "19");
}

TEST(CoefficientToolForm, SeismicCaseOpensKhWithPointOneAndOrdinaryClosesIt) {
    CoefficientToolForm f;
    f.SetIndex(kDesignCase, 1);
    EXPECT_EQ(f.Controls().Text(kKh), "0.1");
    EXPECT_TRUE(f.Controls().Enabled(kKh));
    EXPECT_EQ(f.Controls().Background(kKh), clWhite);

    f.SetText(kKh, "0.25");
    f.SetIndex(kDesignCase, 1);  // already selected: the typed kh stays
    EXPECT_EQ(f.Controls().Text(kKh), "0.25");

    f.SetIndex(kDesignCase, 0);
    EXPECT_EQ(f.Controls().Text(kKh), "0.0");
    EXPECT_FALSE(f.Controls().Enabled(kKh));
    EXPECT_EQ(f.Controls().Background(kKh), clSilver);
    // Set from outside as a "Name=value" text, the reaction runs too.
    f.SetValue(kDesignCase, "1");
    EXPECT_EQ(f.Controls().Text(kKh), "0.1");
}

TEST(CoefficientToolForm, ModesShowEitherTheEarthPressurePageOrTheThreeFactorPages) {
    CoefficientToolForm f;
    const auto visible = [&] {
        std::vector<bool> v;
        for (std::string_view sheet : kPageSheets) v.push_back(f.Controls().Visible(sheet));
        return v;
    };
    f.ShowBearingFactorMode();
    EXPECT_EQ(f.Controls().Index(kPages), 1);
    EXPECT_EQ(f.Controls().Text(kPages), "支持力係数　Nc");
    EXPECT_EQ(visible(), (std::vector<bool>{false, true, true, true}));

    f.ShowEarthPressureMode();
    EXPECT_EQ(f.Controls().Index(kPages), 0);
    EXPECT_EQ(visible(), (std::vector<bool>{true, false, false, false}));
}

TEST(CoefficientToolForm, ShowingSelectsTheFirstWallTypeAndSeismicEarthPressureInTheConditions) {
    CoefficientToolForm f;
    DesignConditionsForm conditions;
    conditions.SetIndex("RadioGroup5", 1);  // seismic case: the choice is open
    conditions.SetIndex(kConditionsSeismicLoad, 2);
    f.SetIndex(kWallTypes, kInvertedTPage);
    f.SetIndex(kDesignCase, 1);

    f.ShowCoefficientTool(conditions);
    EXPECT_EQ(f.Controls().Index(kWallTypes), kGravityPage);
    EXPECT_EQ(conditions.Controls().Index(kConditionsSeismicLoad), 1);
    EXPECT_EQ(conditions.Controls().Text(kConditionsSeismicLoad), "地震時土圧+躯体慣性力");
    // The tool's own design case is not touched.
    EXPECT_EQ(f.Controls().Index(kDesignCase), 1);
}

}  // namespace
}  // namespace stelvar
