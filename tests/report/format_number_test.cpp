#include "report/format_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace stelvar {
namespace {

struct Case {
    const char* Pattern;
    double Value;
    const char* Expected;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << "FormatNumber(\"" << c.Pattern << "\", " << c.Value << ")";
}

class FormatNumberCase : public ::testing::TestWithParam<Case> {};

TEST_P(FormatNumberCase, GivesTheDocumentText) {
    const Case& c = GetParam();
    EXPECT_EQ(FormatNumber(c.Pattern, c.Value), c.Expected);
}

// The documented examples and the patterns of the calculation document.
INSTANTIATE_TEST_SUITE_P(ReportPatterns, FormatNumberCase, ::testing::Values(
    Case{"0.00kN", 12.345, "12.35kN"},
    Case{"0,0", 2400, "2,400"},
    Case{"0,0", 0.4, "0"},
    Case{"#,0.00kN/m2", 2400, "2,400.00kN/m2"},
    Case{"0.00kN;-0.00kN", -3.5, "-3.50kN"},
    Case{"0.00kN;-0.00kN", 3.5, "3.50kN"},
    Case{"0.0", -0.04, "0.0"},
    Case{"0.000m", -0.0004, "0.000m"},
    // one section: the sign goes in front of the whole line
    Case{"  |e|≦B/6       =0.000m", -0.25, "-  |e|≦B/6       =0.250m"},
    Case{"  |e|≦B/6       =0.000m", 0.25, "  |e|≦B/6       =0.250m"},
    Case{"  土の単位重量(γs)   =0.00kN/m3", 19, "  土の単位重量(γs)   =19.00kN/m3"},
    Case{"0", 0, "0"},
    Case{"0", -0.0, "0"},
    Case{"0", 7, "7"},
    Case{"0.000", 2.0 / 3.0, "0.667"},
    Case{"0.00kNm", 123.456, "123.46kNm"},
    Case{"0.00N/mm2", 0.0449, "0.04N/mm2"},
    Case{"0.00度", 33.69006752597979, "33.69度"},
    Case{"0,0cm2", 2000, "2,000cm2"},
    Case{"0,0cm3", 6666.666666666667, "6,667cm3"},
    Case{"0,0cm3", 999.6, "1,000cm3"},
    Case{"0,0", 1234567, "1,234,567"},
    Case{"0,0", -1234, "-1,234"},
    Case{"0,0", -2100.0000000000005, "-2,100"},
    Case{"0,0", 5, "5"},
    Case{"0,0.00kNm", 12345.678, "12,345.68kNm"},
    Case{"0,0.00kNm", 3.5, "3.50kNm"},
    Case{"#,0.00kN", 0.5, "0.50kN"},
    Case{"#,0.00kN", 1234567.891, "1,234,567.89kN"},
    Case{"#,0.000m", 0.5, "0.500m"},
    Case{"#,0.000m2", 1234.5, "1,234.500m2"},
    Case{"#,0.000m3", 0, "0.000m3"},
    Case{"##0.00", 0.5, "0.50"},
    Case{"##0.00", 1234.5, "1234.50"},
    Case{"φ#0.0", 5, "φ5.0"},
    Case{"φ#0.0", 45, "φ45.0"},
    Case{"φ#0.0", 0, "φ0.0"},
    Case{"θ##0.0", 50, "θ50.0"},
    Case{"0.00度;-0.00度", -12.5, "-12.50度"},
    Case{"0.00N/mm2;-0.00N/mm2", -0.001, "0.00N/mm2"},
    Case{"0.00N/mm2;-0.00N/mm2", -1.234, "-1.23N/mm2"},
    Case{"0.000m;-0.000m", -0.0125, "-0.013m"},
    Case{"0.00kNm;-0.00kNm", -0.005, "-0.01kNm"},
    Case{"ω=0.00度", 30.5, "ω=30.50度"},
    Case{" (≦σca=0.00N/mm2)", 2.25, " (≦σca=2.25N/mm2)"},
    Case{"H=0.00m", 1.5, "H=1.50m"}));

// Rounding is half away from zero, done on the 18-significant-digit expansion of the
// double: 1.005 is stored as 1.00499999999999989… (18 digits: still below the half),
// while 0.1245 is stored as 0.12449999999999999955… whose 18-digit expansion is
// exactly the half.
INSTANTIATE_TEST_SUITE_P(Rounding, FormatNumberCase, ::testing::Values(
    Case{"0.00", 0.125, "0.13"},
    Case{"0.00", -0.125, "-0.13"},
    Case{"0", 2.5, "3"},
    Case{"0", -2.5, "-3"},
    Case{"0", 0.5, "1"},
    Case{"0", 0.49999999999999994, "0"},
    Case{"0.00", 1.005, "1.00"},
    Case{"0.00", 2.675, "2.67"},
    Case{"0.000", 0.1245, "0.125"},
    Case{"0.000", 0.4995, "0.500"},
    Case{"0.000", 0.0195, "0.020"},
    Case{"0.0", 9.96, "10.0"},
    Case{"0.0", 99.95, "100.0"},
    Case{"0.00", 1e-300, "0.00"},
    Case{"0.00", 5e-324, "0.00"}));

// The general picture rules that the report patterns rely on, beyond their own forms.
INSTANTIATE_TEST_SUITE_P(PatternRules, FormatNumberCase, ::testing::Values(
    Case{"00", 5, "05"},
    Case{"000.0", 1.25, "001.3"},
    Case{"#", 0, ""},
    Case{"#.##", 0.5, ".5"},
    Case{"0.##", 1.5, "1.5"},
    Case{"0.##", 2, "2"},
    Case{"0.0#", 1.5, "1.5"},
    Case{"0.0#", 1.25, "1.25"},
    Case{".00", 12.5, "12.50"},
    Case{"0.0.0", 1.25, "1.25"},     // further points are ignored
    Case{"0x0", 123, "12x3"},        // extra digits go in front of the first placeholder
    Case{"#,##0", 0, "0"},
    // placeholders in front of a grouping "," only mark the grouping ("0,0" is "#,##0")
    Case{"0,000", 12, "012"},
    Case{"0,000", 1234, "1,234"},
    Case{"0.0;(0.0);ゼロ", 0, "ゼロ"},
    Case{"0.0;(0.0);ゼロ", -0.01, "ゼロ"},  // rounds to zero: the zero section
    Case{"0.0;(0.0);ゼロ", -1.25, "(1.3)"},
    Case{"0.0;(0.0);ゼロ", 2, "2.0"},
    Case{"0.00;", -1.5, "-1.50"},     // empty negative section: the first, signed
    Case{"0.00;;", 0, "0.00"},        // empty zero section
    Case{"\"0.0\"0.0", 1.25, "0.01.3"},
    Case{"'x;y'0", 3, "x;y3"},
    Case{"e0", 5, "e5"},
    Case{"0.00E+00", 12345, "1.23E+04"},
    Case{"0.00E+00", 0.00012345, "1.23E-04"},
    Case{"0.0E-0", 12345, "1.2E4"},
    Case{"00.0E+0", 12345, "12.3E+3"},
    Case{"0.00E+00", -12345, "-1.23E+04"},
    Case{"abc", 5, "abc"},
    Case{"abc", -5, "-abc"}));

// Values beyond the integer digits a pattern can hold, and values that are no number.
INSTANTIATE_TEST_SUITE_P(GeneralForm, FormatNumberCase, ::testing::Values(
    Case{"0", 123456789012345678.0, "123456789012345680"},
    Case{"0", 1e18, "1E18"},
    Case{"0.00kN", -1.5e20, "-1.5E20"},
    Case{"0,0", 1.2345678901234567e25, "1.23456789012346E25"},
    Case{"0.00", std::numeric_limits<double>::infinity(), "INF"},
    Case{"0.00", -std::numeric_limits<double>::infinity(), "-INF"},
    Case{"0.00", std::numeric_limits<double>::quiet_NaN(), "NAN"},
    Case{"", 12.5, "12.5"},
    Case{"", -0.001, "-0.001"},
    Case{"", 0, "0"}));

}  // namespace
}  // namespace stelvar
