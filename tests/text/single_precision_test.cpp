// Values that the system keeps in single precision must really be rounded to it, also
// where the compiler handles two of them side by side.

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Point {
    double X = 0.0;
    double Y = 0.0;
    std::string Label;
};

double Single(double v) { return static_cast<double>(static_cast<float>(v)); }

// The shape that GCC 12 vectorises: both coordinates narrowed in one expression.
__attribute__((noinline)) std::vector<Point> Narrowed(const std::vector<Point>& in) {
    std::vector<Point> out;
    for (const Point& p : in) out.push_back({Single(p.X), Single(p.Y), p.Label});
    return out;
}

TEST(SinglePrecision, PairsOfValuesAreRoundedToFloat) {
    const std::vector<Point> out = Narrowed({{2.1, 0.1, "a"}, {0.225, 4.95, "b"}});
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].X, static_cast<double>(2.1f));
    EXPECT_EQ(out[0].Y, static_cast<double>(0.1f));
    EXPECT_EQ(out[1].X, static_cast<double>(0.225f));
    EXPECT_EQ(out[1].Y, static_cast<double>(4.95f));
    EXPECT_NE(out[0].X, 2.1);
}

}  // namespace
