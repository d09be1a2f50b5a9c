// The coefficient tool's tables and charts, checked against computations made here
// from the geometry of the wedge and from the closed forms of the coefficients, not by
// running the engine again.

#include "report/coefficient_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/coefficient_tool.h"
#include "forms/design_conditions.h"
#include "report/format_number.h"
#include "report/report_colours.h"
#include "text/number.h"

namespace stelvar {
namespace {

namespace ctab = coefficient_tables;
namespace ct = coefficient_tool;
constexpr double kPi = std::numbers::pi;
double Rad(double deg) { return deg * kPi / 180; }

// ---- Earth-pressure coefficients, independently -------------------------------------

// Coulomb's active coefficient of a plane back face at α to the vertical (positive with
// the backfill over the face), wall friction δ, a plane surface rising at β.
double Coulomb(double phi, double delta, double alpha, double beta) {
    const double root = std::sqrt(std::sin(phi + delta) * std::sin(phi - beta) /
                                  (std::cos(alpha + delta) * std::cos(alpha - beta)));
    return std::pow(std::cos(phi - alpha), 2) /
           (std::pow(std::cos(alpha), 2) * std::cos(alpha + delta) * std::pow(1 + root, 2));
}

struct Wedge {
    double Gamma = 20, Phi = Rad(35), Alpha = 0, Delta = 0, Theta = 0;
    // Wall friction while the slip line meets the slope face, when it differs there
    // (a virtual back face takes the slope angle).
    std::optional<double> DeltaOnSlope;
};

// A cohesionless wedge behind a back face 1 high, under an embankment h1 high rising
// at 1:n from the top of the face and flat beyond its crest. Its weight is the area
// of the outline (shoelace) between the face, the surface and the slip line at ω.
double Thrust(const Wedge& w, double n, double h1, double omega) {
    struct P {
        double x, y;
    };
    const P top{-std::tan(w.Alpha), 1};
    const P crest{top.x + h1 * n, 1 + h1};
    std::vector<P> outline{{0, 0}, top};
    const P onTop{(1 + h1) / std::tan(omega), 1 + h1};
    double delta = w.Delta;
    if (h1 == 0 || onTop.x >= crest.x) {
        if (h1 > 0) outline.push_back(crest);
        outline.push_back(onTop);
    } else {
        // Slip line meets the slope: x·tan ω = 1 + (x − top.x)·tan β.
        const double tb = 1 / n;
        const double x = (1 - top.x * tb) / (std::tan(omega) - tb);
        outline.push_back({x, x * std::tan(omega)});
        delta = w.DeltaOnSlope.value_or(w.Delta);
    }
    // The outline runs clockwise; a slip line passing over the top of a leaning face
    // turns it round and leaves no wedge.
    double twice = 0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const P& a = outline[i];
        const P& b = outline[(i + 1) % outline.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    const double W = w.Gamma * -twice / 2;
    return std::max(0.0, W / std::cos(w.Theta) * std::sin(omega - w.Phi + w.Theta)) /
           std::cos(omega - w.Phi - w.Alpha - delta);
}

// The greatest thrust over ω in [φ, π/2): a scan, then golden sections around the best.
template <class F>
double MaxOver(double from, double to, F f) {
    double best = from;
    for (double omega = from; omega < to; omega += 1e-4)
        if (f(omega) > f(best)) best = omega;
    double a = std::max(from, best - 2e-4), b = std::min(to, best + 2e-4);
    const double g = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 200; ++i) {
        const double c = b - g * (b - a), d = a + g * (b - a);
        if (f(c) > f(d)) b = d;
        else a = c;
    }
    return f((a + b) / 2);
}

// The thrust where the tool's search settles: steps of 0.005 rad up from φ until the
// first decrease, back one step, then steps of 0.00001 rad up to the next decrease. The
// true maximum may lie up to one coarse step below, so the result can fall short of it
// by some 1e-5 relative; this reproduces it exactly.
template <class F>
double SearchedThrust(double phi, F f) {
    const double end = kPi / 2 - 0.005;
    double omega = phi, best = 0;
    while (omega < end) {
        const double P = f(omega);
        if (best > P) {
            omega = omega - 0.005;
            break;
        }
        best = std::max(P, best);
        omega = omega + 0.005;
    }
    best = 0;
    while (omega < end) {
        const double P = f(omega);
        if (best > P) {
            omega = omega - 0.00001;
            break;
        }
        best = std::max(P, best);
        omega = omega + 0.00001;
    }
    return f(omega);
}

double WedgeKa(const Wedge& w, double n, double h1) {
    return 2 * SearchedThrust(w.Phi, [&](double omega) { return Thrust(w, n, h1, omega); }) / w.Gamma;
}

// The true greatest coefficient, for the closed forms.
double MaxWedgeKa(const Wedge& w, double n, double h1) {
    return 2 * MaxOver(w.Phi, kPi / 2 - 0.005, [&](double omega) { return Thrust(w, n, h1, omega); }) / w.Gamma;
}

// ---- Running the tool --------------------------------------------------------------

struct Setting {
    const char* Name;
    const char* Value;
};

struct Tool {
    CoefficientToolForm Form;
    DesignConditionsForm Conditions;
    CoefficientTables Tables;

    explicit Tool(std::initializer_list<Setting> settings = {}, bool crack = false) {
        for (const Setting& s : settings) Form.SetValue(s.Name, s.Value);
        Conditions.SetChecked("CheckBox7", crack);
        WriteCoefficientTableHeaders(Tables);
        ComputeCoefficientTable(Tables, Form.Controls(), Conditions.Controls());
    }
    // KaH and KaV as plotted, Ka from the table's slope group and pass.
    double KaH(int slope, int pass) const {
        return Tables.Chart1.Get(ctab::kHorizontalSeries[slope]).Points.at(static_cast<std::size_t>(pass)).Y;
    }
    double KaV(int slope, int pass) const {
        return Tables.Chart1.Get(ctab::kVerticalSeries[slope]).Points.at(static_cast<std::size_t>(pass)).Y;
    }
    double Ka(int slope, int pass) const { return std::hypot(KaH(slope, pass), KaV(slope, pass)); }
    const std::string& Cell(int column, int row) const { return Tables.StringGrid1.Cell(column, row); }
};

// The embankment heights of the 13 passes, summed as the tool sums them.
std::vector<double> Heights() {
    std::vector<double> h;
    double h1 = 0;
    for (int i = 0; i < 13; ++i, h1 = h1 + 0.1) h.push_back(h1);
    return h;
}

TEST(CoefficientTable, LayoutOfTheTableAndTheChart) {
    const Tool t;
    const StringGridContent& g = t.Tables.StringGrid1;
    EXPECT_EQ(g.ColCount, 13);
    EXPECT_EQ(g.RowCount, 13);
    EXPECT_EQ(t.Cell(0, 0), "勾配");
    EXPECT_EQ(t.Cell(1, 0), "係数");
    const char* ratios[] = {"0.00", "0.10", "0.20", "0.30", "0.40", "0.50",
                            "0.60", "0.70", "0.80", "0.90", "1.00"};
    for (int c = 0; c < 11; ++c) EXPECT_EQ(t.Cell(c + 2, 0), ratios[c]);
    const char* slopes[] = {"1:1.5", "1:1.8", "1:2.0", "1:3.0"};
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(t.Cell(0, 1 + 3 * s), slopes[s]);
        EXPECT_EQ(t.Cell(1, 1 + 3 * s), "Ka");
        EXPECT_EQ(t.Cell(1, 2 + 3 * s), "Kah");
        EXPECT_EQ(t.Cell(1, 3 + 3 * s), "Kav");
    }

    const Chart& c = t.Tables.Chart1;
    EXPECT_EQ(c.Title, "H1/H～土圧係数");
    EXPECT_EQ(c.Left.Title, "土圧係数（Kh Kv）");
    const std::vector<std::string> names{"Series1", "Series3", "Series5", "Series7",
                                         "Series2", "Series4", "Series6", "Series8"};
    const std::vector<std::string> titles{"Kh 1:1.5", "Kh 1:1.8", "Kh 1:2.0", "Kh 1:3.0",
                                          "Kv 1:1.5", "Kv 1:1.8", "Kv 1:2.0", "Kv 1:3.0"};
    ASSERT_EQ(c.Series.size(), 8u);
    const std::vector<double> h = Heights();
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(c.Series[i].Name, names[i]);
        EXPECT_EQ(c.Series[i].Title, titles[i]);
        // Thirteen passes, the last two only in the chart, at the summed heights.
        ASSERT_EQ(c.Series[i].Points.size(), 13u);
        for (std::size_t p = 0; p < 13; ++p) {
            EXPECT_EQ(c.Series[i].Points[p].X, h[p]);
            EXPECT_EQ(c.Series[i].Points[p].Label, FormatNumber("0.0", h[p]));
            EXPECT_EQ(c.Series[i].Points[p].PointColour, report_colours::clBlue);
        }
    }
    EXPECT_EQ(c.Series[0].Points[12].X, 1.2);
    EXPECT_EQ(c.Series[0].Points[11].X, 1.0999999999999999);
    EXPECT_EQ(c.Series[0].Points[11].Label, "1.1");
}

// Gravity wall without batter, γ 20, φ 35°, c 0, ordinary case: δ = 2φ/3 at every ratio.
TEST(CoefficientTable, DefaultSettingsAgreeWithTheWedgeAndWithCoulomb) {
    const Tool t;
    const double phi = Rad(35), delta = 2 * phi / 3;
    const double slopes[] = {1.5, 1.8, 2.0, 3.0};
    const std::vector<double> h = Heights();

    Wedge w;
    w.Delta = delta;

    // H1/H = 0: a flat surface, Coulomb's coefficient 0.24441, which the wedge reaches
    // at its true maximum; the search settles 1.7e-5 below it. The table prints 0.244.
    const double flat = Coulomb(phi, delta, 0, 0);
    EXPECT_NEAR(flat, 0.24441, 5e-6);
    EXPECT_NEAR(MaxWedgeKa(w, 1.5, 0), flat, 1e-12);
    for (int s = 0; s < 4; ++s) {
        EXPECT_NEAR(t.Ka(s, 0), flat, 2e-5 * flat);
        EXPECT_LE(t.Ka(s, 0), flat);
        EXPECT_NEAR(t.KaH(s, 0), t.Ka(s, 0) * std::cos(delta), 1e-15);
        EXPECT_NEAR(t.KaV(s, 0), t.Ka(s, 0) * std::sin(delta), 1e-15);
        EXPECT_EQ(t.Cell(2, 1 + 3 * s), "0.244");
        EXPECT_EQ(t.Cell(2, 2 + 3 * s), "0.224");
        EXPECT_EQ(t.Cell(2, 3 + 3 * s), "0.097");
    }

    for (int s = 0; s < 4; ++s) {
        double previous = 0;
        for (int pass = 0; pass < 13; ++pass) {
            SCOPED_TRACE(testing::Message() << "slope 1:" << slopes[s] << " h1 " << h[pass]);
            const double expected = WedgeKa(w, slopes[s], h[pass]);
            EXPECT_NEAR(t.Ka(s, pass), expected, 1e-11 * expected);
            EXPECT_NEAR(t.KaV(s, pass) / t.KaH(s, pass), std::tan(delta), 1e-12);
            // A higher embankment never lowers the coefficient.
            EXPECT_GE(t.Ka(s, pass), previous - 1e-12);
            previous = t.Ka(s, pass);
            if (pass < 11) {
                EXPECT_EQ(t.Cell(2 + pass, 1 + 3 * s), FormatNumber("0.000", t.Ka(s, pass)));
                EXPECT_EQ(t.Cell(2 + pass, 2 + 3 * s), FormatNumber("0.000", t.KaH(s, pass)));
                EXPECT_EQ(t.Cell(2 + pass, 3 + 3 * s), FormatNumber("0.000", t.KaV(s, pass)));
            }
        }
        // Never above the slope without limit (Coulomb with the surface at β).
        EXPECT_LE(t.Ka(s, 12), Coulomb(phi, delta, 0, std::atan(1 / slopes[s])) + 1e-9);
    }
    // The flatter slopes reach the unlimited slope's value once the slip line meets the
    // slope face: 1:3.0 (0.313) and 1:2.0 (0.378) by H1/H = 1.0.
    for (int s : {2, 3}) {
        const double coulomb = Coulomb(phi, delta, 0, std::atan(1 / slopes[s]));
        EXPECT_NEAR(MaxWedgeKa(w, slopes[s], h[10]), coulomb, 1e-12);
        EXPECT_NEAR(t.Ka(s, 10), coulomb, 5e-5 * coulomb);
    }
    EXPECT_EQ(t.Cell(12, 10), "0.313");
    EXPECT_EQ(t.Cell(12, 7), "0.378");
    EXPECT_EQ(t.Cell(12, 1), "0.486");
    EXPECT_EQ(t.Cell(12, 3), "0.192");
}

// The other wall types of the real back face and the seismic case: the face angle and
// the wall friction of the case enter as in the wedge computed here.
TEST(CoefficientTable, BatteredLeaningAndSeismicWallsAgreeWithTheWedge) {
    struct Case {
        const char* What;
        std::vector<Setting> Settings;
        double Alpha;
        bool Seismic;
        double Kh;
        double Phi;
    };
    const Case cases[] = {
        {"batter 0.3", {{"PageControl2", "1"}}, std::atan(0.3), false, 0, 35},
        {"leaning -0.3", {{"PageControl2", "2"}}, std::atan(-0.3), false, 0, 35},
        {"seismic kh 0.1", {{"RadioGroup2", "1"}}, 0, true, 0.1, 35},
        {"sandy, leaning -0.5, kh 0.2",
         {{"RadioGroup1", "1"}, {"PageControl2", "2"}, {"ComboBox7", "-0.5"}, {"RadioGroup2", "1"}, {"ComboBox1", "0.2"}},
         std::atan(-0.5), true, 0.2, 30},
    };
    const double slopes[] = {1.5, 1.8, 2.0, 3.0};
    const std::vector<double> h = Heights();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        Tool t;
        for (const Setting& s : c.Settings) t.Form.SetValue(s.Name, s.Value);
        ComputeCoefficientTable(t.Tables, t.Form.Controls(), t.Conditions.Controls());
        Wedge w;
        w.Gamma = StrToFloat(t.Form.Controls().Text(ct::kGamma));
        w.Phi = Rad(c.Phi);
        w.Alpha = c.Alpha;
        w.Delta = c.Seismic ? w.Phi / 2 : 2 * w.Phi / 3;
        w.Theta = std::atan(c.Kh);
        if (!c.Seismic) {
            EXPECT_NEAR(MaxWedgeKa(w, 1.5, 0), Coulomb(w.Phi, w.Delta, w.Alpha, 0), 1e-12);
            EXPECT_NEAR(t.Ka(0, 0), Coulomb(w.Phi, w.Delta, w.Alpha, 0), 5e-5);
        }
        for (int s = 0; s < 4; ++s) {
            for (int pass : {0, 2, 5, 8, 10, 12}) {
                SCOPED_TRACE(testing::Message() << "slope 1:" << slopes[s] << " h1 " << h[pass]);
                const double expected = WedgeKa(w, slopes[s], h[pass]);
                EXPECT_NEAR(t.Ka(s, pass), expected, 1e-11 * expected);
                EXPECT_NEAR(std::atan2(t.KaV(s, pass), t.KaH(s, pass)), w.Alpha + w.Delta, 1e-12);
            }
        }
    }
}

// Mononobe–Okabe has no solution once θ = arctan kh exceeds φ; the search, which looks
// only above ω = φ, then takes its greatest thrust at ω = φ itself:
// Ka = kh·cot φ / cos δ on a flat surface, finite and growing with kh.
TEST(CoefficientTable, SeismicCoefficientSteeperThanPhiTakesTheThrustAtTheStartOfTheSearch) {
    for (const char* kh : {"0.8", "2"}) {
        SCOPED_TRACE(kh);
        const Tool t({{"RadioGroup2", "1"}, {"ComboBox1", kh}});
        const double phi = Rad(35);
        const double expected = StrToFloat(kh) / std::tan(phi) / std::cos(phi / 2);
        for (int s = 0; s < 4; ++s) {
            EXPECT_NEAR(t.Ka(s, 0), expected, 1e-12 * expected);
            for (int pass = 0; pass < 13; ++pass) EXPECT_GT(t.Ka(s, pass), expected * (1 - 1e-12));
        }
    }
}

// No greatest thrust: a cohesion whose crack reaches through the unit height (Zc capped
// at H) leaves every trial thrust 0, on the flat surface and under every embankment of
// the table; the cells show 0.000 and the points lie at 0.
TEST(CoefficientTable, WithoutAMaximumTheCellsShowZeroAndThePointsLieAtZero) {
    const Tool t({{"ComboBox4", "20"}});
    for (int s = 0; s < 4; ++s) {
        for (int pass = 0; pass < 13; ++pass) {
            EXPECT_EQ(t.KaH(s, pass), 0.0);
            EXPECT_EQ(t.KaV(s, pass), 0.0);
            for (int k = 0; k < 3 && pass < 11; ++k) EXPECT_EQ(t.Cell(2 + pass, 1 + 3 * s + k), "0.000");
        }
    }
}

// Cohesion at H1/H = 0: the crack depth Zc = 2c/γ·tan(45° + φ/2) and the cohesion on the
// slip line reduce the thrust; with the crack option the coefficient is referred to the
// loaded height H − Zc instead of H.
TEST(CoefficientTable, CohesionAndTheCrackOptionAtAFlatSurface) {
    const double gamma = 20, c = 1, phi = Rad(35), delta = 2 * phi / 3;
    const double zc = 2 * c / gamma * std::tan(kPi / 4 + phi / 2);
    const double P = SearchedThrust(phi, [&](double omega) {
        const double x = (1 - zc) / std::tan(omega);
        const double area = x * (1 + zc) / 2;
        const double L = (1 - zc) / std::sin(omega);
        return std::max(0.0, gamma * area * std::sin(omega - phi) - c * L * std::cos(phi)) /
               std::cos(omega - phi - delta);
    });
    const Tool without({{"ComboBox4", "1"}}, false);
    const Tool with({{"ComboBox4", "1"}}, true);
    const Tool cohesionless;
    for (int s = 0; s < 4; ++s) {
        EXPECT_NEAR(without.Ka(s, 0), 2 * P / gamma, 1e-12);
        EXPECT_NEAR(with.Ka(s, 0), 2 * P / (gamma * (1 - zc) * (1 - zc)), 1e-12);
    }
    EXPECT_EQ(without.Cell(2, 1), "0.159");
    EXPECT_EQ(with.Cell(2, 1), "0.243");
    // Cohesionless backfill has no crack: the option changes nothing there.
    const Tool cohesionlessWithCrack({}, true);
    for (int pass = 0; pass < 13; ++pass) EXPECT_EQ(cohesionlessWithCrack.Ka(0, pass), cohesionless.Ka(0, pass));
}

// Inverted-T wall, ordinary case: the earth pressure on a vertical plane, δ = 0 while the
// surface counts as flat or the slip line passes beyond the crest (β′ = 0, the tool's
// calculation object having no embankment of its own), δ = β where it meets the slope.
TEST(CoefficientTable, InvertedTWallUsesTheVirtualBackFace) {
    const Tool t({{"PageControl2", "3"}});
    const double phi = Rad(35);
    const double slopes[] = {1.5, 1.8, 2.0, 3.0};
    const std::vector<double> h = Heights();
    for (int s = 0; s < 4; ++s) {
        Wedge w;
        w.DeltaOnSlope = std::min(phi, std::atan(1 / slopes[s]));
        for (int pass = 0; pass < 13; ++pass) {
            SCOPED_TRACE(testing::Message() << "slope 1:" << slopes[s] << " h1 " << h[pass]);
            const double expected = WedgeKa(w, slopes[s], h[pass]);
            EXPECT_NEAR(t.Ka(s, pass), expected, 1e-11 * expected);
        }
    }
    // H1/H = 0: Rankine's coefficient tan²(45° − φ/2), horizontal.
    const double rankine = std::pow(std::tan(kPi / 4 - phi / 2), 2);
    for (int s = 0; s < 4; ++s) {
        EXPECT_NEAR(t.Ka(s, 0), rankine, 5e-5 * rankine);
        EXPECT_EQ(t.KaV(s, 0), 0.0);
        EXPECT_EQ(t.Cell(2, 3 + 3 * s), "0.000");
        EXPECT_EQ(t.Cell(2, 1 + 3 * s), "0.271");
    }
    // 1:1.5: the slip line always reaches the flat top, Kav stays 0.
    for (int pass = 0; pass < 13; ++pass) EXPECT_EQ(t.KaV(0, pass), 0.0);
    // 1:3.0 at H1/H = 1.0 meets the slope: Coulomb on a vertical plane with δ = β, which
    // is Rankine's pressure parallel to the slope.
    const double beta = std::atan(1 / 3.0);
    const double expected = Coulomb(phi, beta, 0, beta);
    const double cb = std::cos(beta), root = std::sqrt(cb * cb - std::pow(std::cos(phi), 2));
    EXPECT_NEAR(expected, cb * (cb - root) / (cb + root), 1e-12);
    EXPECT_NEAR(t.Ka(3, 10), expected, 5e-5 * expected);
    EXPECT_NEAR(std::atan2(t.KaV(3, 10), t.KaH(3, 10)), beta, 1e-12);
    EXPECT_EQ(t.Cell(12, 12), "0.099");
}

TEST(CoefficientTable, ABoxWithoutANumberChangesNothing) {
    Tool t;
    const CoefficientTables before = t.Tables;
    t.Form.SetText(ct::kGamma, "abc");
    EXPECT_THROW(
        {
            try {
                ComputeCoefficientTable(t.Tables, t.Form.Controls(), t.Conditions.Controls());
            } catch (const ConversionError& e) {
                EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
                throw;
            }
        },
        ConversionError);
    EXPECT_EQ(t.Tables.StringGrid1.Cells, before.StringGrid1.Cells);
    EXPECT_EQ(t.Tables.Chart1.Series[0].Points.size(), 13u);
    // Recomputing replaces the points rather than adding to them.
    t.Form.SetText(ct::kGamma, "20");
    ComputeCoefficientTable(t.Tables, t.Form.Controls(), t.Conditions.Controls());
    EXPECT_EQ(t.Tables.Chart1.Series[0].Points.size(), 13u);
}

// A magnitude no backfill has (φ of -1e14° kept the wedge search turning for minutes) is
// refused naming the box, before anything is computed.
TEST(CoefficientTable, MagnitudesOutsideTheRangesAreRefused) {
    const std::pair<std::string_view, const char*> cases[] = {
        {ct::kPhi, "-1e14"}, {ct::kPhi, "90"}, {ct::kGamma, "1e308"}, {ct::kCohesion, "-1"}};
    for (const auto& [box, value] : cases) {
        Tool t;
        const CoefficientTables before = t.Tables;
        t.Form.SetText(box, value);
        try {
            ComputeCoefficientTable(t.Tables, t.Form.Controls(), t.Conditions.Controls());
            ADD_FAILURE() << box << "=" << value << " was computed";
        } catch (const std::out_of_range& e) {
            EXPECT_NE(std::string(e.what()).find("]の値が範囲外です。"), std::string::npos) << e.what();
        }
        EXPECT_EQ(t.Tables.StringGrid1.Cells, before.StringGrid1.Cells);
    }
    Tool t;
    t.Form.SetText(ct::kPhi, "-1e14");
    try {
        ComputeCoefficientTable(t.Tables, t.Form.Controls(), t.Conditions.Controls());
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "[せん断抵抗角 φ(度)]の値が範囲外です。\r0～89の範囲で入力して下さい。");
    }
}

// ---- Bearing capacity factors -------------------------------------------------------

struct Factors {
    CoefficientTables Tables;
    Factors() { ComputeBearingFactorTables(Tables); }

    // The curve of one φ: the points between the null points.
    static std::vector<SeriesPoint> Curve(const ChartSeries& s, int phi) {
        std::vector<std::vector<SeriesPoint>> curves(1);
        for (const SeriesPoint& p : s.Points) {
            if (p.Null) curves.emplace_back();
            else curves.back().push_back(p);
        }
        return curves.at(static_cast<std::size_t>(phi / 5));
    }
};

// Prandtl–Reissner for a level load: Nq = e^(π tan φ)·tan²(45° + φ/2), Nc = (Nq − 1)·cot φ.
TEST(BearingFactorTables, LevelLoadFollowsPrandtlAndReissner) {
    const Factors f;
    const ChartSeries& nc = f.Tables.Chart3.Get("Series11");
    const ChartSeries& nq = f.Tables.Chart4.Get("Series13");
    for (int phi = 5; phi <= 45; phi += 5) {
        SCOPED_TRACE(phi);
        const double t = std::tan(Rad(phi));
        const double Nq = std::exp(kPi * t) * std::pow(std::tan(kPi / 4 + Rad(phi) / 2), 2);
        const double Nc = (Nq - 1) / t;
        EXPECT_NEAR(Factors::Curve(nq, phi).at(0).Y, Nq, 1e-12 * Nq);
        EXPECT_NEAR(Factors::Curve(nc, phi).at(0).Y, Nc, 1e-12 * Nc);
        EXPECT_EQ(f.Tables.StringGrid2.Cell(phi / 5 + 1, 1), FormatNumber("##0.00", Nq));
        EXPECT_EQ(f.Tables.StringGrid3.Cell(phi / 5 + 1, 1), FormatNumber("##0.00", Nc));
    }
    EXPECT_EQ(f.Tables.StringGrid3.Cell(7, 1), "30.14");
    EXPECT_EQ(f.Tables.StringGrid2.Cell(7, 1), "18.40");
    EXPECT_EQ(f.Tables.StringGrid3.Cell(10, 1), "133.87");
    EXPECT_EQ(f.Tables.StringGrid2.Cell(10, 1), "134.87");
}

// φ = 0: Nc is 5.14 for a level load and has no value for any inclination, so its curve
// is one point and no end point; Nq is 1 and likewise ends at once; Nγ has no value at all.
TEST(BearingFactorTables, FrictionlessGroundHasOnePointOrNone) {
    const Factors f;
    const std::vector<SeriesPoint> nc = Factors::Curve(f.Tables.Chart3.Get("Series11"), 0);
    ASSERT_EQ(nc.size(), 1u);
    EXPECT_EQ(nc[0].Y, 5.14);
    EXPECT_EQ(nc[0].Label, "φ0°");
    EXPECT_EQ(f.Tables.StringGrid3.Cell(1, 1), "5.14");
    EXPECT_EQ(f.Tables.StringGrid3.Cell(1, 2), "");
    EXPECT_EQ(Factors::Curve(f.Tables.Chart4.Get("Series13"), 0).size(), 1u);
    EXPECT_EQ(f.Tables.StringGrid2.Cell(1, 1), "1.00");
    EXPECT_TRUE(Factors::Curve(f.Tables.Chart2.Get("Series9"), 0).empty());
    EXPECT_EQ(f.Tables.StringGrid4.Cell(1, 1), "");
    // No φ = 0 end point on any page. Nq and Nγ end for every other φ; Nc of φ = 45°
    // still has a value at θ = 50°, the end of the range, and so no end point either.
    EXPECT_EQ(f.Tables.Chart3.Get("Series12").Points.size(), 8u);
    EXPECT_EQ(f.Tables.Chart3.Get("Series12").Points.front().X, 24);  // φ 5°: Nc up to θ 24°
    EXPECT_EQ(Factors::Curve(f.Tables.Chart3.Get("Series11"), 45).back().X, 50);
    EXPECT_EQ(f.Tables.Chart4.Get("Series14").Points.size(), 9u);
    EXPECT_EQ(f.Tables.Chart2.Get("Series10").Points.size(), 9u);
}

// Nq of the cohesive ground ends at θ = φ (a steeper load has none); Nγ ends at θ = φ for
// the tabulated angles and, by its closed form, below θ = 45° for φ = 45°. Each end point
// repeats the last point of its curve.
TEST(BearingFactorTables, NqAndNgammaEndWhereTheLoadBecomesSteeperThanPhi) {
    const Factors f;
    const ChartSeries& nqCurve = f.Tables.Chart4.Get("Series13");
    const ChartSeries& nqEnds = f.Tables.Chart4.Get("Series14");
    const ChartSeries& ngCurve = f.Tables.Chart2.Get("Series9");
    const ChartSeries& ngEnds = f.Tables.Chart2.Get("Series10");
    for (int phi = 5; phi <= 45; phi += 5) {
        SCOPED_TRACE(phi);
        const std::vector<SeriesPoint> nq = Factors::Curve(nqCurve, phi);
        EXPECT_EQ(nq.back().X, phi);
        EXPECT_EQ(nqEnds.Points.at(static_cast<std::size_t>(phi / 5 - 1)).X, phi);
        EXPECT_EQ(nqEnds.Points.at(static_cast<std::size_t>(phi / 5 - 1)).Y, nq.back().Y);
        EXPECT_EQ(nqEnds.Points.at(static_cast<std::size_t>(phi / 5 - 1)).Label, " ");

        const std::vector<SeriesPoint> ng = Factors::Curve(ngCurve, phi);
        const int last = phi == 45 ? 44 : phi;
        EXPECT_EQ(ng.back().X, last);
        EXPECT_EQ(ngEnds.Points.at(static_cast<std::size_t>(phi / 5 - 1)).X, last);
        EXPECT_EQ(ngEnds.Points.at(static_cast<std::size_t>(phi / 5 - 1)).Y, ng.back().Y);
    }
    // The rows stop where the values do: φ = 30° has θ = 30° but not 35°.
    EXPECT_NE(f.Tables.StringGrid2.Cell(7, 7), "");
    EXPECT_EQ(f.Tables.StringGrid2.Cell(7, 8), "");
    EXPECT_NE(f.Tables.StringGrid4.Cell(7, 7), "");
    EXPECT_EQ(f.Tables.StringGrid4.Cell(7, 8), "");
    // No φ has an Nγ at θ = 45°: the last row of that table stays blank, heading too.
    for (int c = 0; c < 11; ++c) EXPECT_EQ(f.Tables.StringGrid4.Cell(c, 10), "") << c;
    EXPECT_EQ(f.Tables.StringGrid2.Cell(0, 10), "θ45.0");
}

// Level load values of Nγ: the constant terms of the tabulated fits, and for φ = 45° the
// log-spiral closed form with ψ = 45° + φ/2, where a = π/2 and b = 45° − φ/2.
TEST(BearingFactorTables, NgammaForALevelLoad) {
    const Factors f;
    const ChartSeries& ng = f.Tables.Chart2.Get("Series9");
    const double constants[] = {0.17, 0.56, 1.4, 3.16, 6.92, 15.3262, 35.1881, 86.4625};
    for (int phi = 5; phi <= 40; phi += 5)
        EXPECT_EQ(Factors::Curve(ng, phi).at(0).Y, constants[phi / 5 - 1]) << phi;
    EXPECT_EQ(f.Tables.StringGrid4.Cell(7, 1), "15.33");

    const double phi = Rad(45), t = std::tan(phi), psi = kPi / 4 + phi / 2;
    const double a = kPi / 2, b = kPi / 4 - phi / 2, w = 9 * t * t + 1;
    const double A = (std::pow(std::cos(b), 2) * std::sin(b) +
                      std::pow(std::sin(b), 3) * std::pow(std::tan(kPi / 4 + phi / 2), 2) -
                      (std::sin(3 * kPi / 4 + phi / 2) + 3 * t * std::cos(3 * kPi / 4 + phi / 2)) / w) *
                     std::exp(3 * a * t);
    const double B = (3 * t * std::cos(psi) + std::sin(psi) + 1 - std::exp(3 * t * (kPi / 2 - psi))) / w;
    const double expected = std::cos(psi - phi) / (2 * std::cos(phi)) *
                            ((A + B) * std::cos(psi - phi) / (std::cos(psi) * std::cos(phi)) - std::sin(psi));
    EXPECT_NEAR(Factors::Curve(ng, 45).at(0).Y, expected, 1e-12 * expected);
    EXPECT_EQ(f.Tables.StringGrid4.Cell(10, 1), "220.87");
}

// Inclined loads: Nq on the surface turned by (asin(sin θ / sin φ) + θ)/2, Nc from the
// root of y = |K(ψ)/(Nq(ψ) − 1)| found here to full precision (the tool bisects to 1e-6).
TEST(BearingFactorTables, InclinedLoadsAgreeWithTheSlipSurfaceFound) {
    const Factors f;
    const ChartSeries& nc = f.Tables.Chart3.Get("Series11");
    const ChartSeries& nq = f.Tables.Chart4.Get("Series13");
    for (int phi : {10, 25, 40}) {
        const double p = Rad(phi), s = std::sin(p), t = std::tan(p);
        const auto e = [&](double psi) { return std::exp(2 * t * (3 * kPi / 4 + p / 2 - psi)); };
        const auto Nq = [&](double psi) { return (1 + s * std::sin(2 * psi - p)) / (1 - s) * e(psi); };
        const auto K = [&](double psi) { return s * std::cos(2 * psi - p) / (1 - s) * e(psi); };
        for (int theta : {3, phi / 2, phi}) {
            SCOPED_TRACE(testing::Message() << "φ " << phi << " θ " << theta);
            const double y = std::tan(Rad(theta)), th = std::atan(y);
            const double psiQ = kPi / 4 + p / 2 + (std::asin(std::min(std::sin(th) / s, 1.0)) + th) / 2;
            EXPECT_NEAR(Factors::Curve(nq, phi).at(static_cast<std::size_t>(theta)).Y, Nq(psiQ),
                        1e-12 * Nq(psiQ));

            const auto g = [&](double psi) { return y - std::abs(K(psi) / (Nq(psi) - 1)); };
            double lo = kPi / 4 + p / 2, hi = lo;
            while (g(hi) >= 0) hi += 1e-3;
            for (int i = 0; i < 200; ++i) {
                const double mid = (lo + hi) / 2;
                (g(mid) > 0 ? lo : hi) = mid;
            }
            const double expected = (Nq(lo) - 1) / t;
            EXPECT_NEAR(Factors::Curve(nc, phi).at(static_cast<std::size_t>(theta)).Y, expected, 2e-5 * expected);
        }
    }
}

TEST(BearingFactorTables, TablesChartsAndLabels) {
    Factors f;
    struct Page {
        const char* Chart;
        const char* Grid;
        double Min, Max;
    };
    for (const Page& p : {Page{"Chart3", "StringGrid3", 1, 200}, Page{"Chart4", "StringGrid2", 0.5, 200},
                          Page{"Chart2", "StringGrid4", 0.1, 300}}) {
        SCOPED_TRACE(p.Chart);
        const Chart& c = f.Tables.GetChart(p.Chart);
        EXPECT_TRUE(c.Left.Logarithmic);
        EXPECT_EQ(c.Left.Min, p.Min);
        EXPECT_EQ(c.Left.Max, p.Max);
        EXPECT_EQ(c.Bottom.Min, 0);
        EXPECT_EQ(c.Bottom.Max, 50);
        EXPECT_EQ(c.Bottom.Title, "傾斜角θ");
        const StringGridContent& g = f.Tables.Grid(p.Grid);
        EXPECT_EQ(g.ColCount, 11);
        EXPECT_EQ(g.RowCount, 11);
        EXPECT_EQ(g.Cell(1, 0), "φ0.0");
        EXPECT_EQ(g.Cell(10, 0), "φ45.0");
        EXPECT_EQ(g.Cell(0, 2), "θ5.0");
        EXPECT_EQ(g.Cell(0, 9), "θ40.0");

        // One null point after each φ; the φ label at θ = φ/2 (halved as a whole number).
        const ChartSeries& curve = c.Series.at(0);
        int nulls = 0;
        std::vector<std::string> labels;
        for (const SeriesPoint& pt : curve.Points) {
            nulls += pt.Null ? 1 : 0;
            if (!pt.Null && pt.Label != " ") labels.push_back(pt.Label + "@" + std::to_string(static_cast<int>(pt.X)));
        }
        EXPECT_EQ(nulls, 10);
        if (std::string(p.Chart) != "Chart2") {
            EXPECT_EQ(labels.front(), "φ0°@0");
        }
        EXPECT_EQ(labels.back(), "φ45°@22");
        EXPECT_NE(std::find(labels.begin(), labels.end(), "φ5°@2"), labels.end());
    }
    // Filling again gives the same curves, not a second copy of them.
    const CoefficientTables once = f.Tables;
    ComputeBearingFactorTables(f.Tables);
    EXPECT_EQ(f.Tables.Chart3.Series.at(0).Points.size(), once.Chart3.Series.at(0).Points.size());
    EXPECT_EQ(f.Tables.Chart2.Series.at(1).Points.size(), once.Chart2.Series.at(1).Points.size());
    EXPECT_EQ(f.Tables.StringGrid3.Cells, once.StringGrid3.Cells);
}

}  // namespace
}  // namespace stelvar
