// The chart renderer against a canvas that records what it is asked to draw: layout of
// frame and axes, series mapped into the plot, gaps, clipping, labels, the logarithmic
// axis and the legend.

#include "report/chart_renderer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace stelvar {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct DrawnLine {
    std::vector<CanvasPoint> Points;
    Pen With;
    bool Polyline = false;  // else a single line (frame, ticks, grid, legend samples)
};

struct DrawnText {
    CanvasPoint At;
    std::string Text;
    TextAlign Align;
    TextBase Base;
    CanvasFont Font;
};

struct DrawnRect {
    CanvasRect Rect;
    std::optional<Colour> Fill;
    Pen With;
};

class RecordingCanvas final : public Canvas {
public:
    std::vector<DrawnLine> Lines;  // lines and polylines alike
    std::vector<DrawnText> Texts;
    std::vector<DrawnRect> Rects;
    std::vector<std::optional<CanvasRect>> Clips;  // nullopt: reset
    std::optional<CanvasRect> ActiveClip;
    bool DrewOutsideClip = false;

    void SetPen(const Pen& pen) override { pen_ = pen; }
    void Line(CanvasPoint from, CanvasPoint to) override { Lines.push_back({{from, to}, pen_, false}); }
    void Polyline(std::span<const CanvasPoint> points) override {
        Lines.push_back({{points.begin(), points.end()}, pen_, true});
        if (ActiveClip)
            for (const CanvasPoint& p : points)
                if (!CanvasRect{ActiveClip->Left - 1.001, ActiveClip->Top - 1.001,
                                ActiveClip->Right + 1.001, ActiveClip->Bottom + 1.001}
                         .Contains(p))
                    DrewOutsideClip = true;
    }
    void Rectangle(const CanvasRect& rect, std::optional<Colour> fill) override {
        Rects.push_back({rect, fill, pen_});
    }
    void SetFont(const CanvasFont& font) override { font_ = font; }
    void Text(CanvasPoint at, std::string_view text, TextAlign align, TextBase base) override {
        Texts.push_back({at, std::string(text), align, base, font_});
    }
    // Every byte half the font height wide: enough to lay out ASCII numbers.
    double TextWidth(std::string_view text) const override {
        return static_cast<double>(text.size()) * font_.Height / 2.0;
    }
    void SetClip(const CanvasRect& rect) override {
        Clips.emplace_back(rect);
        ActiveClip = rect;
    }
    void ResetClip() override {
        Clips.emplace_back(std::nullopt);
        ActiveClip.reset();
    }

    std::vector<std::string> TextsIn(const std::string& fontName) const {
        std::vector<std::string> out;
        for (const DrawnText& t : Texts)
            if (t.Font.Name == fontName) out.push_back(t.Text);
        return out;
    }
    const DrawnText* FindText(const std::string& text) const {
        for (const DrawnText& t : Texts)
            if (t.Text == text) return &t;
        return nullptr;
    }
    // The series lines drawn in the colour.
    std::vector<DrawnLine> PolylinesIn(Colour c) const {
        std::vector<DrawnLine> out;
        for (const DrawnLine& l : Lines)
            if (l.Polyline && l.With.PenColour == c) out.push_back(l);
        return out;
    }

private:
    Pen pen_;
    CanvasFont font_;
};

constexpr Colour kRed{0x0000FF};
constexpr Colour kBlue{0xFF0000};
constexpr Colour kPurple{0x800080};

// A 10 × 5 chart on a 400 × 300 figure, titled, with axis titles.
Chart SmallChart() {
    Chart c;
    c.Name = "Chart11";
    c.Title = "図：地盤反力";
    c.TitleColour = Colour{0x000080};
    c.Bottom.Title = "幅(m)";
    c.Left.Title = "高さ(m)";
    c.SetRange(10, 0, 5, 0);
    return c;
}

void ExpectNear(CanvasPoint p, double x, double y) {
    EXPECT_NEAR(p.X, x, 1e-9);
    EXPECT_NEAR(p.Y, y, 1e-9);
}

TEST(ChartRenderer, FrameAxesAndTitles) {
    const Chart c = SmallChart();
    RecordingCanvas canvas;
    DrawChart(c, canvas, 400, 300);
    const ChartLayout l = LayOutChart(c, canvas, 400, 300);

    // The plot lies inside the figure with room for numbers and titles around it.
    EXPECT_GT(l.Plot.Left, 30);
    EXPECT_LT(l.Plot.Right, 400);
    EXPECT_GT(l.Plot.Top, 12);
    EXPECT_LT(l.Plot.Bottom, 300 - 24);
    EXPECT_EQ(l.Bottom.From, l.Plot.Left);
    EXPECT_EQ(l.Bottom.To, l.Plot.Right);
    EXPECT_EQ(l.Left.From, l.Plot.Bottom);
    EXPECT_EQ(l.Left.To, l.Plot.Top);

    // The frame: the plot rectangle outlined in black, not filled.
    bool frame = false;
    for (const DrawnRect& r : canvas.Rects)
        if (r.Rect == l.Plot && !r.Fill && r.With.PenColour == Colour{0} && r.With.Style == PenStyle::Solid)
            frame = true;
    EXPECT_TRUE(frame);

    // Numbers at round steps covering each range, ends included.
    EXPECT_EQ(l.Bottom.Ticks.front(), 0);
    EXPECT_EQ(l.Bottom.Ticks.back(), 10);
    EXPECT_THAT(l.Left.TickLabels, ElementsAre("0", "1", "2", "3", "4", "5"));
    for (std::size_t i = 0; i < l.Left.Ticks.size(); ++i) {
        const DrawnText* t = canvas.FindText(l.Left.TickLabels[i]);
        ASSERT_NE(t, nullptr) << l.Left.TickLabels[i];
    }
    // Left numbers end left of the frame; bottom numbers are centred under their ticks.
    const DrawnText* four = nullptr;  // the left axis's "4" (the bottom axis has one too)
    for (const DrawnText& t : canvas.Texts)
        if (t.Text == "4" && t.Align == TextAlign::Right) four = &t;
    ASSERT_NE(four, nullptr);
    EXPECT_LT(four->At.X, l.Plot.Left);
    EXPECT_NEAR(four->At.Y - 6, l.Left.Map(4), 1e-9);

    const DrawnText* title = canvas.FindText("図：地盤反力");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Font.FontColour, Colour{0x000080});
    EXPECT_LT(title->At.Y, l.Plot.Top);
    const DrawnText* bottomTitle = canvas.FindText("幅(m)");
    ASSERT_NE(bottomTitle, nullptr);
    EXPECT_GT(bottomTitle->At.Y, l.Plot.Bottom);
    const DrawnText* leftTitle = canvas.FindText("高さ(m)");
    ASSERT_NE(leftTitle, nullptr);
    EXPECT_EQ(leftTitle->Font.Angle, 90);
    EXPECT_LT(leftTitle->At.X, l.Plot.Left);
}

TEST(ChartRenderer, SeriesPointsAreMappedIntoThePlotInTheirColourAndWidth) {
    Chart c = SmallChart();
    ChartSeries& s = c.Get("Series31");
    s.SeriesColour = kPurple;
    s.LineWidth = 2;
    s.Add(0, 0);
    s.Add(10, 5);
    s.Add(5, 2.5);
    RecordingCanvas canvas;
    DrawChart(c, canvas, 400, 300);
    const ChartLayout l = LayOutChart(c, canvas, 400, 300);

    const std::vector<DrawnLine> lines = canvas.PolylinesIn(kPurple);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].With.Width, 2);
    ASSERT_EQ(lines[0].Points.size(), 3u);
    ExpectNear(lines[0].Points[0], l.Plot.Left, l.Plot.Bottom);
    ExpectNear(lines[0].Points[1], l.Plot.Right, l.Plot.Top);
    ExpectNear(lines[0].Points[2], (l.Plot.Left + l.Plot.Right) / 2, (l.Plot.Top + l.Plot.Bottom) / 2);
    // The series is drawn inside a clip of the plot, which is reset afterwards.
    ASSERT_GE(canvas.Clips.size(), 2u);
    EXPECT_EQ(canvas.Clips.front(), std::optional<CanvasRect>(l.Plot));
    EXPECT_EQ(canvas.Clips.back(), std::nullopt);
    EXPECT_FALSE(canvas.DrewOutsideClip);
}

TEST(ChartRenderer, GapsAndUnplaceablePointsBreakTheLine) {
    Chart c = SmallChart();
    ChartSeries& s = c.Get("Series47");
    s.SeriesColour = kRed;
    s.Add(0, 0);
    s.Add(1, 1);
    s.AddNull();
    s.Add(2, 2);
    s.Add(3, 3);
    s.Add(4, std::numeric_limits<double>::quiet_NaN());
    s.Add(5, 1);  // alone between two breaks: nothing to join
    s.Add(6, std::numeric_limits<double>::infinity());
    s.Add(7, 1);
    s.Add(8, 2);
    RecordingCanvas canvas;
    DrawChart(c, canvas, 400, 300);
    const ChartLayout l = LayOutChart(c, canvas, 400, 300);

    const std::vector<DrawnLine> lines = canvas.PolylinesIn(kRed);
    ASSERT_EQ(lines.size(), 3u);
    for (const DrawnLine& line : lines) EXPECT_EQ(line.Points.size(), 2u);
    EXPECT_NEAR(lines[0].Points[1].X, l.Bottom.Map(1), 1e-9);
    EXPECT_NEAR(lines[1].Points[0].X, l.Bottom.Map(2), 1e-9);
    EXPECT_NEAR(lines[2].Points[0].X, l.Bottom.Map(7), 1e-9);
}

TEST(ChartRenderer, EachSegmentTakesTheColourOfThePointItRunsTo) {
    Chart c = SmallChart();
    ChartSeries& s = c.Get("Series8");  // black series, blue points
    s.Add(1, 0, "", kBlue);
    s.Add(1, 4, "", kBlue);
    s.Add(2, 4);
    RecordingCanvas canvas;
    DrawChart(c, canvas, 400, 300);
    ASSERT_EQ(canvas.PolylinesIn(kBlue).size(), 1u);
    EXPECT_EQ(canvas.PolylinesIn(kBlue)[0].Points.size(), 2u);
    // The last segment, to a point without a colour of its own, in the series colour.
    const double x2 = LayOutChart(c, canvas, 400, 300).Bottom.Map(2);
    const std::vector<DrawnLine> black = canvas.PolylinesIn(Colour{0});
    ASSERT_EQ(black.size(), 1u);
    EXPECT_NEAR(black[0].Points.back().X, x2, 1e-9);
}

TEST(ChartRenderer, LinesLeavingThePlotAreCutAtItsEdge) {
    Chart c = SmallChart();
    ChartSeries& s = c.Get("Series22");
    s.SeriesColour = kRed;
    s.Add(-1e9, 2.5);  // far to the left, as the ground line in front of the wall
    s.Add(5, 2.5);
    s.Add(5, 1e12);
    RecordingCanvas canvas;
    DrawChart(c, canvas, 400, 300);
    const ChartLayout l = LayOutChart(c, canvas, 400, 300);
    const std::vector<DrawnLine> lines = canvas.PolylinesIn(kRed);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].Points.size(), 3u);
    EXPECT_NEAR(lines[0].Points[0].X, l.Plot.Left - 1, 1e-6);
    EXPECT_NEAR(lines[0].Points[2].Y, l.Plot.Top - 1, 1e-6);
    EXPECT_FALSE(canvas.DrewOutsideClip);
}

// Points that overrun the range by hundreds of orders of magnitude: the part of the line
// inside the plot keeps its direction, cut where it crosses the edge, whichever end lies
// far off, and nothing is placed at a coordinate that is not a number.
TEST(ChartRenderer, LinesFromFarOffKeepTheirDirectionInThePlot) {
    Chart c = SmallChart();
    ChartSeries& s = c.Get("Series22");
    s.SeriesColour = kRed;
    s.Add(5 + 4e300, 2.5 + 1e300);  // far up and right, at a quarter's slope
    s.Add(5, 2.5);
    s.AddNull();
    s.Add(1e306, 2.5);  // across the whole plot from far right to far left
    s.Add(-1e306, 2.5);
    s.AddNull();
    s.Add(-1.7e308, 1);  // places that overflow: no line rather than one to nowhere
    s.Add(1.7e308, 1);
    RecordingCanvas canvas;
    DrawChart(c, canvas, 400, 300);
    const ChartLayout l = LayOutChart(c, canvas, 400, 300);
    const std::vector<DrawnLine> lines = canvas.PolylinesIn(kRed);
    ASSERT_EQ(lines.size(), 2u);
    for (const DrawnLine& line : lines) {
        ASSERT_EQ(line.Points.size(), 2u);
        for (const CanvasPoint& p : line.Points) EXPECT_TRUE(std::isfinite(p.X) && std::isfinite(p.Y));
    }
    // In from the right edge, along (1, 1/4) in data units, to the point.
    const CanvasPoint at{l.Bottom.Map(5), l.Left.Map(2.5)};
    const double right = l.Plot.Right + 1;
    const double slope = (l.Left.Map(3.75) - at.Y) / (l.Bottom.Map(10) - at.X);
    EXPECT_NEAR(lines[0].Points[0].X, right, 1e-6);
    EXPECT_NEAR(lines[0].Points[0].Y, at.Y + (right - at.X) * slope, 1e-6);
    ExpectNear(lines[0].Points[1], at.X, at.Y);
    ExpectNear(lines[1].Points[0], l.Plot.Right + 1, at.Y);
    ExpectNear(lines[1].Points[1], l.Plot.Left - 1, at.Y);
    EXPECT_FALSE(canvas.DrewOutsideClip);
}

TEST(ChartRenderer, PointLabelsAreDrawnAboveTheirPointsInTheSeriesFont) {
    Chart c = SmallChart();
    ChartSeries& s = c.Get("Series47");
    s.MarksVisible = true;
    s.Font.FontColour = kPurple;
    s.Add(5, 2, "79.45kN/m2");
    s.Add(6, 2, " ");   // a blank label: no text, and no value shown in its place
    s.Add(7, 2, "");    // no label: nothing either
    s.Add(20, 2, "out of range");
    ChartSeries& unmarked = c.Get("Series7");  // labels show even without the marks flag
    unmarked.Add(3, 3, "Pv");
    unmarked.Add(4, 4);
    RecordingCanvas canvas;
    DrawChart(c, canvas, 400, 300);
    const ChartLayout l = LayOutChart(c, canvas, 400, 300);

    EXPECT_THAT(canvas.TextsIn("ＭＳ Ｐ明朝"), ElementsAre("79.45kN/m2", "Pv"));
    const DrawnText* t = canvas.FindText("79.45kN/m2");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Font.Height, 12);
    EXPECT_EQ(t->Font.FontColour, kPurple);
    EXPECT_EQ(t->Align, TextAlign::Centre);
    EXPECT_EQ(t->Base, TextBase::Bottom);
    EXPECT_NEAR(t->At.X, l.Bottom.Map(5), 1e-9);
    EXPECT_NEAR(t->At.Y, l.Left.Map(2) - 4, 1e-9);
}

TEST(ChartRenderer, LabelsStayInsideTheFrame) {
    Chart c = SmallChart();
    ChartSeries& s = c.Get("Series3");
    s.Add(0, 0, "σc1=0.09N/mm2");  // at the bottom-left corner
    s.Add(10, 5, "top right");
    RecordingCanvas canvas;
    DrawChart(c, canvas, 400, 300);
    const ChartLayout l = LayOutChart(c, canvas, 400, 300);
    for (const char* label : {"σc1=0.09N/mm2", "top right"}) {
        const DrawnText* t = canvas.FindText(label);
        ASSERT_NE(t, nullptr);
        const double w = std::string_view(label).size() * 6.0;
        EXPECT_GE(t->At.X - w / 2, l.Plot.Left) << label;
        EXPECT_LE(t->At.X + w / 2, l.Plot.Right) << label;
        EXPECT_GE(t->At.Y - 12, l.Plot.Top) << label;
        EXPECT_LE(t->At.Y, l.Plot.Bottom) << label;
    }
}

TEST(ChartRenderer, LabelsThatWouldPrintOverEachOtherAreMovedApart) {
    Chart c = SmallChart();
    c.Get("Series17").Add(5, 2, "c5");  // one corner numbered by two regions
    c.Get("Series34").Add(5, 2, "c1");
    c.Get("Series34").Add(5.1, 2, "c2");  // close beside: taken too
    c.Get("Series35").Add(5, 2, "c5");    // the same number at the same corner: once
    RecordingCanvas canvas;
    DrawChart(c, canvas, 400, 300);
    const ChartLayout l = LayOutChart(c, canvas, 400, 300);
    const double y = l.Left.Map(2) - 4;
    ASSERT_EQ(canvas.TextsIn("ＭＳ Ｐ明朝").size(), 3u);
    EXPECT_NEAR(canvas.FindText("c5")->At.Y, y, 1e-9);
    EXPECT_NEAR(canvas.FindText("c1")->At.Y, y - 13, 1e-9);  // a line up
    EXPECT_NEAR(canvas.FindText("c2")->At.Y, y + 13, 1e-9);  // up is taken: a line down
}

TEST(ChartRenderer, DimensionChainLabelsStandBesideTheirLines) {
    Chart c;
    c.Name = "Chart2";
    EXPECT_EQ(PlaceMarks(c, c.Get("Series23")), (MarkPlacement{MarkPlacement::Side::Left, 3}));
    EXPECT_EQ(PlaceMarks(c, c.Get("Series28")), (MarkPlacement{MarkPlacement::Side::Above, 2}));
    EXPECT_EQ(PlaceMarks(c, c.Get("Series15")), (MarkPlacement{MarkPlacement::Side::Above, 4}));
    Chart other;
    other.Name = "Chart4";
    EXPECT_EQ(PlaceMarks(other, other.Get("Series23")).Where, MarkPlacement::Side::Above);

    c.SetRange(10, 0, 10, 0);
    c.Get("Series23").Add(5, 5, "3,000");
    RecordingCanvas canvas;
    DrawChart(c, canvas, 400, 400);
    const ChartLayout l = LayOutChart(c, canvas, 400, 400);
    const DrawnText* t = canvas.FindText("3,000");
    ASSERT_NE(t, nullptr);
    // Right edge 3 pixels left of the line, centred on the point's height.
    EXPECT_NEAR(t->At.X + 15, l.Bottom.Map(5) - 3, 1e-9);
    EXPECT_NEAR(t->At.Y - 6, l.Left.Map(5), 1e-9);
}

TEST(ChartRenderer, MarkFontSizeFollowsThePointSize) {
    MarkFont f;
    EXPECT_EQ(MarkFontPixelHeight(f), 12);
    f.Size = 15;
    EXPECT_EQ(MarkFontPixelHeight(f), 20);
    f.Size = 5;
    EXPECT_EQ(MarkFontPixelHeight(f), 7);
}

TEST(ChartRenderer, LogarithmicLeftAxis) {
    Chart c;
    c.Left.Logarithmic = true;
    c.SetRange(50, 0, 1000, 0.1);
    ChartSeries& s = c.Get("Series9");
    s.SeriesColour = kBlue;
    s.Add(0, 0.1);
    s.Add(10, 1);
    s.Add(20, 0);  // not on a logarithmic axis: a break
    s.Add(30, 100);
    s.Add(50, 1000);
    RecordingCanvas canvas;
    DrawChart(c, canvas, 300, 400);
    const ChartLayout l = LayOutChart(c, canvas, 300, 400);

    // Four decades over the height: 1 a quarter up, 100 three quarters up.
    const double h = l.Plot.Bottom - l.Plot.Top;
    EXPECT_NEAR(l.Left.Map(0.1), l.Plot.Bottom, 1e-9);
    EXPECT_NEAR(l.Left.Map(1), l.Plot.Bottom - h / 4, 1e-9);
    EXPECT_NEAR(l.Left.Map(100), l.Plot.Bottom - 3 * h / 4, 1e-9);
    EXPECT_NEAR(l.Left.Map(1000), l.Plot.Top, 1e-9);
    // Decades always carry numbers; in between 2 and 5 when there is room.
    for (const char* decade : {"0.1", "1", "10", "100", "1,000"})
        EXPECT_NE(std::find(l.Left.TickLabels.begin(), l.Left.TickLabels.end(), decade),
                  l.Left.TickLabels.end())
            << decade;
    EXPECT_NE(std::find(l.Left.TickLabels.begin(), l.Left.TickLabels.end(), "5"), l.Left.TickLabels.end());

    const std::vector<DrawnLine> lines = canvas.PolylinesIn(kBlue);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NEAR(lines[0].Points[1].Y, l.Plot.Bottom - h / 4, 1e-9);
    EXPECT_NEAR(lines[1].Points[0].Y, l.Plot.Bottom - 3 * h / 4, 1e-9);
}

TEST(ChartRenderer, RangesTheChartDoesNotGiveComeFromTheData) {
    struct Case {
        const char* What;
        ChartAxis Axis;
        std::vector<double> Ys;
        double Min, Max;
        bool HasRange;
    };
    ChartAxis set;
    set.RangeSet = true;
    set.Min = 5;
    set.Max = -3;  // reversed
    ChartAxis flat;
    flat.RangeSet = true;
    flat.Min = flat.Max = 2;
    ChartAxis none;
    ChartAxis nan;
    nan.RangeSet = true;
    nan.Min = std::numeric_limits<double>::quiet_NaN();
    nan.Max = 1;
    const Case cases[] = {
        {"reversed range put in order", set, {0, 1}, -3, 5, true},
        {"empty range widened", flat, {2}, 1, 3, true},
        {"no range: the data's", none, {-2, 7, 3}, -2, 7, true},
        {"not a number: the data's", nan, {1, 4}, 1, 4, true},
        {"no range and no data", none, {}, 0, 1, false},
    };
    for (const Case& k : cases) {
        Chart c;
        c.Left = k.Axis;
        c.Bottom.RangeSet = true;
        c.Bottom.Max = 1;
        for (double y : k.Ys) c.Get("Series1").Add(0.5, y);
        RecordingCanvas canvas;
        const ChartLayout l = LayOutChart(c, canvas, 300, 300);
        EXPECT_EQ(l.Left.Min, k.Min) << k.What;
        EXPECT_EQ(l.Left.Max, k.Max) << k.What;
        EXPECT_EQ(l.Left.HasRange, k.HasRange) << k.What;
        if (!k.HasRange) {
            EXPECT_THAT(l.Left.Ticks, IsEmpty()) << k.What;
        }
        DrawChart(c, canvas, 300, 300);  // and draws without trouble
    }
}

TEST(ChartRenderer, LegendListsTheSeriesAReaderCanSee) {
    Chart c = SmallChart();
    c.Legend = true;
    c.Get("Series1").Title = "擁壁";
    c.Get("Series1").LineWidth = 2;
    c.Get("Series1").Add(0, 0);
    c.Get("Series2").Title = "地盤反力";  // no points: no entry
    c.Get("Series10").Title = "中央1/3点";
    c.Get("Series10").Add(1, 1);
    c.Get("Series11").Title = "中央1/3点";  // drawn alike: one entry for both
    c.Get("Series11").Add(2, 1);
    c.Get("Series16").ShowInLegend = false;
    c.Get("Series16").Add(3, 3);
    c.Get("Series20").Title = "水圧";
    c.Get("Series20").SeriesColour = Colour{0xFFFF00};
    c.Get("Series20").Add(4, 4);
    RecordingCanvas canvas;
    DrawChart(c, canvas, 500, 300);
    const ChartLayout l = LayOutChart(c, canvas, 500, 300);

    EXPECT_THAT(l.LegendTitles, ElementsAre("擁壁", "中央1/3点", "水圧"));
    ASSERT_TRUE(l.LegendBox.has_value());
    EXPECT_GT(l.LegendBox->Left, l.Plot.Right);
    EXPECT_LE(l.LegendBox->Right, 500);
    // Each entry: a short line in the series' colour and width beside its title.
    const DrawnText* water = canvas.FindText("水圧");
    ASSERT_NE(water, nullptr);
    EXPECT_GT(water->At.X, l.LegendBox->Left);
    bool sample = false;
    for (const DrawnLine& line : canvas.Lines)
        if (line.With.PenColour == Colour{0xFFFF00} && line.Points.front().X > l.LegendBox->Left)
            sample = true;
    EXPECT_TRUE(sample);

    c.Legend = false;
    EXPECT_FALSE(LayOutChart(c, canvas, 500, 300).LegendBox.has_value());
}

TEST(ChartRenderer, ResultsWindowSizes) {
    EXPECT_EQ(ResultsChartSize("Chart1"), (ChartSize{540, 440}));
    EXPECT_EQ(ResultsChartSize("Chart2"), (ChartSize{440, 420}));
    EXPECT_EQ(ResultsChartSize("Unknown"), (ChartSize{300, 300}));
    // Every chart fits the results window's client area.
    for (const char* name : {"Chart1", "Chart2", "Chart3", "Chart4", "Chart5", "Chart6", "Chart7",
                             "Chart8", "Chart11", "Chart12"}) {
        EXPECT_LE(ResultsChartSize(name).Width, 891) << name;
        EXPECT_LE(ResultsChartSize(name).Height, 553 - 75) << name;
    }
}

}  // namespace
}  // namespace stelvar
