// Trial-wedge earth pressure: agreement with the closed forms, loads handled apart,
// degenerate wedges, and the slip-angle chart.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <string>

#include "default_controls.h"
#include "engine/engine.h"
#include "engine/fields.h"

namespace stelvar {
namespace {

using testing::DefaultControls;

TAntei SearchedWall(const std::function<void(DefaultControls&)>& setup) {
    DefaultControls controls;
    setup(controls);
    TAntei a;
    Gather(a, controls);
    const double h = a.PointY[4];
    TrialWedgeSearch(a, BackFaceKind::RealBackFace, a.BackfillShape, a.Hs, h, h);
    return a;
}

// Coulomb's active coefficient for a back face at α from the vertical (positive when
// the soil lies over the back face), wall friction δ, surface slope β; with an inertia
// angle θ it is the Mononobe–Okabe coefficient.
double ClosedFormKa(double phi, double alpha, double delta, double beta, double theta) {
    const double root = std::sqrt(std::sin(phi + delta) * std::sin(phi - beta - theta) /
                                  (std::cos(alpha + delta + theta) * std::cos(alpha - beta)));
    return std::pow(std::cos(phi - alpha - theta), 2) /
           (std::cos(theta) * std::pow(std::cos(alpha), 2) * std::cos(alpha + delta + theta) *
            std::pow(1 + root, 2));
}

struct ClosedFormCase {
    const char* Label;
    bool Leaning;
    int SeismicModel;  // -1 ordinary case
};

class ClosedForm : public ::testing::TestWithParam<ClosedFormCase> {};

TEST_P(ClosedForm, FlatCohesionlessBackfillWithoutLoads) {
    const ClosedFormCase& c = GetParam();
    const TAntei a = SearchedWall([&](DefaultControls& ctl) {
        ctl.NoSurcharge();
        if (c.Leaning) ctl.Leaning();
        if (c.SeismicModel >= 0) ctl.Seismic("0.2", c.SeismicModel);
    });
    const bool seismic = c.SeismicModel >= 0;
    const double delta = seismic ? a.Phi / 2 : 2 * a.Phi / 3;
    const double theta = seismic ? std::atan(0.2) : 0.0;
    EXPECT_EQ(a.Delta, delta);
    EXPECT_EQ(c.Leaning, a.Alpha < 0);
    const double kaH = ClosedFormKa(a.Phi, a.Alpha, delta, 0.0, theta) * std::cos(a.Alpha + delta);
    // The fine search looks only above the coarse maximum, so the slip angle found can
    // lie up to one coarse step (0.005 rad) from the true one; near the maximum the
    // thrust is flat to second order, a few parts in a million over that step.
    EXPECT_NEAR(a.KaH, kaH, 1e-5 * kaH);
    EXPECT_LE(a.KaH, kaH * (1 + 1e-15));
    EXPECT_DOUBLE_EQ(a.YPa, a.PointY[4] / 3);
    EXPECT_EQ(a.Hc, 0.0);
    EXPECT_EQ(a.Zc, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Wedge, ClosedForm,
    ::testing::Values(ClosedFormCase{"GravityCoulomb", false, -1}, ClosedFormCase{"LeaningCoulomb", true, -1},
                      ClosedFormCase{"GravityMononobeOkabeWithInertia", false, 1},
                      ClosedFormCase{"GravityMononobeOkabeOnly", false, 2},
                      ClosedFormCase{"LeaningMononobeOkabeWithInertia", true, 1},
                      ClosedFormCase{"LeaningMononobeOkabeOnly", true, 2}),
    [](const ::testing::TestParamInfo<ClosedFormCase>& row) { return std::string(row.param.Label); });

TEST(Wedge, SeismicOrdinaryPressureIgnoresTheSurcharge) {
    // "常時土圧 +躯体慣性力": the ordinary formula without surcharge, whatever q is.
    const TAntei loaded = SearchedWall([](DefaultControls& c) { c.Seismic("0.2", 0); });
    const TAntei unloaded = SearchedWall([](DefaultControls& c) { c.NoSurcharge(); });
    EXPECT_EQ(loaded.Pa, unloaded.Pa);
    EXPECT_EQ(loaded.Delta, unloaded.Delta);
}

TEST(Wedge, LoadsAddedSeparatelyOnAFlatSurface) {
    const TAntei soil = SearchedWall([](DefaultControls& c) { c.NoSurcharge(); });
    const TAntei apart = SearchedWall([](DefaultControls& c) { c.SetIndex("RadioGroup6", 1); });
    EXPECT_EQ(apart.SurfaceCase, 0);
    // The wedge carries no load, so its coefficient is the soil's own.
    EXPECT_DOUBLE_EQ(apart.KaH, soil.KaH);
    const double h = 3.2;
    const double tri = h * h * 20 * soil.KaH / 2;
    EXPECT_NEAR(apart.Ph, tri + soil.KaH * 10 * h, 1e-12);
    EXPECT_NEAR(apart.Pa, std::hypot(apart.Ph, apart.Pv), 1e-12);
    EXPECT_NEAR(apart.YPa, (tri * h / 3 + h * h * soil.KaH * 10 / 2) / apart.Ph, 1e-12);
    EXPECT_GT(apart.YPa, h / 3);
}

TEST(Wedge, CohesionShortensTheLoadedHeight) {
    const TAntei a = SearchedWall([](DefaultControls& c) {
        c.NoSurcharge().Set("Edit21", "5.0").SetChecked("CheckBox7", true);
    });
    EXPECT_GT(a.Zc, 0.0);
    EXPECT_NEAR(a.Hc, std::cos(a.Alpha) / std::cos(a.Alpha) * a.Zc, 1e-15);  // flat: β = 0
    EXPECT_NEAR(a.YPa, (3.2 - a.Hc) / 3, 1e-12);
    EXPECT_NEAR(a.Ka, 2 * a.Pa / (std::pow(3.2 - a.Hc, 2) * 20), 1e-12);
}

TEST(Wedge, NoMaximumGivesZeroResults) {
    // Cohesion far above the wedge's weight behind a vertical back face: every thrust 0.
    const TAntei a = SearchedWall([](DefaultControls& c) { c.NoSurcharge().Set("Edit21", "200").Set("Edit2", "0"); });
    EXPECT_EQ(a.Zc, 3.2);  // capped at the loaded height
    for (double v : {a.Pa, a.Ph, a.Pv, a.Ka, a.KaH, a.KaV, a.YPa, a.Delta, a.Omega, a.LSlip})
        EXPECT_EQ(v, 0.0);
}

TEST(Wedge, SlopeSteeperThanPhiStaysFinite) {
    // A 1:1 slope (45°) above φ = 35°: the first slip lines never meet the surface.
    TAntei a = SearchedWall([](DefaultControls& c) {
        c.NoSurcharge().SetIndex("TabControl1", 1).Set("ComboBox1", "1.0");
    });
    EXPECT_TRUE(std::isfinite(a.Pa));
    EXPECT_GT(a.Omega, a.Beta);
    // Exactly parallel to the slope: no wedge, no thrust.
    const double P = TrialThrust(a, BackFaceKind::RealBackFace, 2, a.Alpha, 0.0, a.Beta, 0.0, 3.2, 3.2);
    EXPECT_EQ(P, 0.0);
    EXPECT_EQ(a.LSlip, 0.0);
}

TEST(Wedge, EmbankmentSurfaceCases) {
    TAntei a = SearchedWall([](DefaultControls& c) {
        c.SetIndex("TabControl1", 2).Set("ComboBox1", "1.5").Set("Edit28", "2000");
    });
    const double h = 3.2;
    const double t = a.Hs / std::tan(a.Beta) - h * std::tan(a.Alpha);
    const double crest = std::atan((h + a.Hs) / t);
    TrialThrust(a, BackFaceKind::RealBackFace, 3, a.Alpha, crest, crest - 0.01, a.Hs, h, h);
    EXPECT_EQ(a.SurfaceCase, 3);
    EXPECT_GT(a.BFlat, 0.0);
    EXPECT_NEAR(a.BSlope, 3.0, 1e-12);
    TrialThrust(a, BackFaceKind::RealBackFace, 3, a.Alpha, crest, crest + 0.01, a.Hs, h, h);
    EXPECT_EQ(a.SurfaceCase, 2);
    TrialThrust(a, BackFaceKind::RealBackFace, 3, a.Alpha, crest, crest + 0.01, 0.0, h, h);
    EXPECT_EQ(a.SurfaceCase, 1);  // no embankment height: flat
}

TEST(Wedge, WaterBuoysTheWedge) {
    const TAntei dry = SearchedWall([](DefaultControls& c) { c.NoSurcharge(); });
    const TAntei wet = SearchedWall([](DefaultControls& c) {
        c.NoSurcharge().SetChecked("CheckBox3", true).Set("Edit62", "1.5").Set("ComboBox8", "9.8");
    });
    EXPECT_NEAR(wet.Uv, 1.5 * 1.5 * 9.8 / 2 / std::tan(wet.Omega), 1e-9);
    EXPECT_DOUBLE_EQ(wet.W, wet.Wd - wet.Uv);
    EXPECT_LT(wet.Pa, dry.Pa);
}

std::map<std::string, double> EarthPressureState(TAntei& a) {
    std::map<std::string, double> out;
    const auto put = [&](const char* name, const auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_arithmetic_v<T>) {
            out[name] = static_cast<double>(value);
        } else {
            for (std::size_t i = 0; i < value.size(); ++i) out[std::string(name) + std::to_string(i)] = value[i];
        }
    };
    VisitTShapeFields(a, put);
    VisitTPaFields(a, put);
    return out;
}

TEST(SlipAngleChart, PointsLeaveTheResultsUnchanged) {
    for (bool leaning : {false, true}) {
        TAntei a = SearchedWall([&](DefaultControls& c) {
            c.SetIndex("RadioGroup6", 1);  // loads apart: the chart adds them itself
            if (leaning) c.Leaning();
        });
        const auto before = EarthPressureState(a);
        const SlipAngleChart chart = SlipAngleChartPoints(a);
        EXPECT_EQ(EarthPressureState(a), before);

        EXPECT_EQ(chart.OmegaMin, a.Phi);
        EXPECT_EQ(chart.OmegaMax, leaning ? 1.5657963267948966 + a.Alpha : 1.5657963267948966);
        ASSERT_FALSE(chart.Curve.empty());
        EXPECT_EQ(chart.Curve.front().X, a.Phi);
        EXPECT_LT(chart.Curve.back().X, chart.OmegaMax);
        EXPECT_GE(chart.Curve.back().X + 0.05, chart.OmegaMax - 1e-12);
        ASSERT_EQ(chart.Marker.size(), 2u);
        EXPECT_EQ(chart.Marker[0].X, a.Omega);
        EXPECT_EQ(chart.Marker[0].Y, 0.0);
        // The chart's full-height thrust at the search's angle is the search's result.
        EXPECT_NEAR(chart.Marker[1].Y, a.Pa, 1e-9 * a.Pa);
        for (const ChartPoint& p : chart.Curve) EXPECT_LE(p.Y, a.Pa * (1 + 1e-9));
    }
}

}  // namespace
}  // namespace stelvar
