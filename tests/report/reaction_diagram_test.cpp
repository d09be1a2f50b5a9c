// The ground-reaction diagram under the base, by reaction case and mode.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "report/reaction_diagram.h"

namespace stelvar {
namespace {

struct P {
    double X;
    double Y;
    std::string Label;
};

// Base 3 m: toe root at 0.6, key from 1.0 to 1.4, heel root at 1.8.
TAntei Base(int reactionCase) {
    TAntei a;
    a.PointX[3] = 0.6;
    a.PointX[6] = 1.8;
    a.PointX[9] = 3.0;
    a.PointX[13] = 1.0;
    a.PointX[10] = 1.4;
    a.ReactionCase = reactionCase;
    a.Q1 = 150.0;
    a.Q2 = 50.0;
    a.Q4 = 130.0;
    a.Q5 = 90.0;
    a.QKeyFront = 116.666;
    a.QKeyBack = 103.333;
    return a;
}

void ExpectPoints(const ChartSeries& s, const std::vector<P>& expected) {
    ASSERT_EQ(s.Points.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(s.Points[i].X, expected[i].X, 1e-12) << "point " << i;
        EXPECT_NEAR(s.Points[i].Y, expected[i].Y, 1e-12) << "point " << i;
        EXPECT_EQ(s.Points[i].Label, expected[i].Label) << "point " << i;
        EXPECT_FALSE(s.Points[i].Null) << "point " << i;
    }
}

std::vector<P> Draw(const TAntei& a, int mode) {
    ChartSeries s;
    s.Add(-5.0, 5.0, "kept");  // the diagram appends; it never clears
    ReactionDiagram(a, s, mode);
    EXPECT_EQ(s.Points.front().Label, "kept");
    std::vector<P> out;
    for (std::size_t i = 1; i < s.Points.size(); ++i)
        out.push_back({s.Points[i].X, s.Points[i].Y, s.Points[i].Label});
    return out;
}

TEST(ReactionDiagramTest, TrapezoidInEveryMode) {
    const TAntei a = Base(0);
    ChartSeries s0, s1, s2, s3;
    ReactionDiagram(a, s0, 0);
    ExpectPoints(s0, {{0, 0, " "}, {0, -1.5, "150.00kN/m2"}, {3, -0.5, "50.00kN/m2"}, {3, 0, " "}});
    ReactionDiagram(a, s1, 1);
    ExpectPoints(s1, {{0, 0, " "},
                      {0, -1.5, "150.00"},
                      {0.6, -1.3, " "},
                      {0.6, 0, " "},
                      {0.6, -1.3, "130.00kN/m2"},
                      {3, -0.5, " "},
                      {3, 0, " "}});
    ReactionDiagram(a, s2, 2);
    ExpectPoints(s2, {{0, 0, " "},
                      {0, -1.5, " "},
                      {1.8, -0.9, " "},
                      {1.8, 0, " "},
                      {1.8, -0.9, "90.00kN/m2"},
                      {3, -0.5, "50.00kN/m2"},
                      {3, 0, " "}});
    ReactionDiagram(a, s3, 3);
    ExpectPoints(s3, {{0, 0, " "},
                      {0, -1.5, "150.00kN/m2"},
                      {1.0, -1.16666, " "},
                      {1.0, 0, " "},
                      {1.0, -0.58333, "116.67"},
                      {1.0, -1.16666, " "},
                      {1.4, -1.03333, " "},
                      {1.4, 0, " "},
                      {1.4, -1.03333, "103.33"},
                      {3, -0.5, "50.00kN/m2"},
                      {3, 0, " "}});
}

TEST(ReactionDiagramTest, SimplifiedMethodCasesDrawLikeTheTrapezoid) {
    for (int rc : {4, 5, 6}) {
        const TAntei a = Base(rc);
        ChartSeries s;
        ReactionDiagram(a, s, 0);
        ExpectPoints(s, {{0, 0, " "}, {0, -1.5, "150.00kN/m2"}, {3, -0.5, "50.00kN/m2"}, {3, 0, " "}});
    }
}

// Triangle at the toe: L = 3·d. Bars stand only inside the loaded zone (x < L).
TEST(ReactionDiagramTest, TriangleAtToeDrawsOnlyBarsInsideTheLoadedLength) {
    for (int rc : {1, 7}) {
        TAntei a = Base(rc);
        a.D = 0.5;  // L = 1.5: the toe root and both key faces lie inside, the heel root not
        EXPECT_EQ(Draw(a, 2).size(), 3u);
        const std::vector<P> toe = Draw(a, 1);
        ASSERT_EQ(toe.size(), 6u);
        EXPECT_EQ(toe[4].Label, "130.00kN/m2");
        EXPECT_EQ(toe[5].Label, "0.0kN/m2");
        EXPECT_NEAR(toe[5].X, 1.5, 1e-12);
        EXPECT_EQ(Draw(a, 3).size(), 10u);

        a.D = 0.15;  // L = 0.45 ends before the toe root
        const std::vector<P> shortToe = Draw(a, 1);
        ASSERT_EQ(shortToe.size(), 3u);
        EXPECT_EQ(shortToe[1].Label, "150.00");
        EXPECT_NEAR(shortToe[2].X, 0.45, 1e-12);
        EXPECT_EQ(shortToe[2].Label, "0.0kN/m2");

        a.D = 0.7;  // L = 2.1: the heel root bar is drawn, unlabelled
        const std::vector<P> heel = Draw(a, 2);
        ASSERT_EQ(heel.size(), 6u);
        EXPECT_EQ(heel[1].Label, " ");
        EXPECT_EQ(heel[4].Label, " ");
        EXPECT_NEAR(heel[4].Y, -0.9, 1e-12);
    }
}

// Triangle at the heel: L = 3·(B − d), zone x > B − L; only mode 0 labels its start.
TEST(ReactionDiagramTest, TriangleAtHeelStartsAtTheLoadedZone) {
    TAntei a = Base(2);
    a.D = 2.3;  // L = 2.1, zone from 0.9: the toe root lies in front of it
    ChartSeries whole;
    ReactionDiagram(a, whole, 0);
    ExpectPoints(whole, {{0.9, 0, "0.0kN/m2"}, {3, -0.5, "50.00kN/m2"}, {3, 0, " "}});
    const std::vector<P> toe = Draw(a, 1);
    ASSERT_EQ(toe.size(), 3u);
    EXPECT_EQ(toe[0].Label, " ");
    EXPECT_EQ(toe[1].Label, " ");

    a.D = 2.7;  // L = 0.9, zone from 2.1: the key and the heel root lie in front of it
    const std::vector<P> key = Draw(a, 3);
    ASSERT_EQ(key.size(), 3u);
    EXPECT_EQ(key[0].Label, " ");
    EXPECT_NEAR(key[0].X, 2.1, 1e-12);
    EXPECT_EQ(key[1].Label, "50.00kN/m2");
    EXPECT_EQ(Draw(a, 2).size(), 3u);

    a.D = 2.5;  // L = 1.5, zone from 1.5: the heel root bar is drawn and labelled
    const std::vector<P> heel = Draw(a, 2);
    ASSERT_EQ(heel.size(), 6u);
    EXPECT_EQ(heel[3].Label, "90.00kN/m2");
    EXPECT_EQ(Draw(a, 3).size(), 3u);
}

TEST(ReactionDiagramTest, NothingIsDrawnWithoutAComputableReaction) {
    for (int mode = 0; mode <= 3; ++mode) {
        EXPECT_TRUE(Draw(Base(3), mode).empty()) << mode;
        TAntei beyondToe = Base(7);  // resultant at or beyond the toe: no loaded length
        beyondToe.D = -0.2;
        beyondToe.Q1 = 0.0;
        EXPECT_TRUE(Draw(beyondToe, mode).empty()) << mode;
    }
}

TEST(ReactionDiagramTest, RejectsAnUnknownMode) {
    ChartSeries s;
    EXPECT_THROW(ReactionDiagram(Base(0), s, 4), std::out_of_range);
    EXPECT_THROW(ReactionDiagram(Base(0), s, -1), std::out_of_range);
    EXPECT_TRUE(s.Points.empty());
}

}  // namespace
}  // namespace stelvar
