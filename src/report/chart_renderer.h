#pragma once
// Drawing a chart of the calculation document: the panel with the chart's title, the
// plot frame with both axes (range, ticks with their numbers, axis titles), the series
// as lines in their colours and widths, each point's label above it, and the legend of
// the charts that have one. The results window, the printed pages and the figure export
// all draw a chart with this one renderer onto their own Canvas.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/canvas.h"
#include "report/chart.h"

namespace stelvar {

struct ChartSize {
    int Width = 0;
    int Height = 0;
    friend constexpr bool operator==(const ChartSize&, const ChartSize&) = default;
};

// The size in pixels at which the results window lays out the named chart; a chart it
// does not know gets a 300 × 300 square.
ChartSize ResultsChartSize(std::string_view chartName);

// One axis as laid out: its value range, where the range lies in pixels, and the ticks.
struct AxisScale {
    double Min = 0.0;  // value at From
    double Max = 1.0;  // value at To
    bool Logarithmic = false;
    double From = 0.0;  // pixel coordinate of Min (left end, or bottom end)
    double To = 1.0;    // pixel coordinate of Max
    // False when the chart gives the axis no range and has no point to take one from:
    // the axis is drawn without ticks.
    bool HasRange = false;
    std::vector<double> Ticks;
    std::vector<std::string> TickLabels;

    // Pixel coordinate of a value (for a logarithmic axis the value must be positive).
    double Map(double value) const;
    // The value lies within the range (ends included, up to rounding).
    bool Contains(double value) const;
};

struct ChartLayout {
    CanvasRect Panel;  // the whole figure
    CanvasRect Plot;   // the frame of the plot (the back wall)
    AxisScale Bottom;  // horizontal: From = Plot.Left, To = Plot.Right
    AxisScale Left;    // vertical: From = Plot.Bottom, To = Plot.Top
    std::optional<CanvasRect> LegendBox;
    std::vector<std::string> LegendTitles;  // in the order of the entries
};

// Lays the chart out on a figure of the given size. Measures texts with the canvas's
// fonts, so it sets the canvas's font.
ChartLayout LayOutChart(const Chart& chart, Canvas& canvas, double width, double height);

// Draws the whole chart into the rectangle (0, 0)–(width, height) of the canvas.
void DrawChart(const Chart& chart, Canvas& canvas, double width, double height);

// The part of the segment a–b inside the rectangle, for ends that may lie any distance
// off it: false when no part lies inside or an end is not a finite number; a segment
// inside is left exactly as it is. Each cut point lies on the rectangle's edge and is
// reached from the end of the segment nearer to it, so that the part inside keeps its
// direction however far off the other end lies.
bool CutSegmentToRect(const CanvasRect& r, CanvasPoint& a, CanvasPoint& b);

// Where a point's label stands: centred above the point with its bottom edge `Gap`
// pixels above it, or, for a vertical dimension chain, to the left of the point with its
// right edge `Gap` pixels away and centred on it vertically, so that the chain's line
// does not strike through the number. Labels are kept inside the plot frame.
struct MarkPlacement {
    enum class Side { Above, Left } Where = Side::Above;
    int Gap = 4;
    friend constexpr bool operator==(const MarkPlacement&, const MarkPlacement&) = default;
};

// The placement of a series' labels: the dimension chains of the wall figure stand close
// to their lines (2 pixels above a horizontal chain, beside a vertical one); every other
// label 4 pixels above its point.
MarkPlacement PlaceMarks(const Chart& chart, const ChartSeries& series);

// Pixel height of a point-label font: its point size at 96 pixels per inch.
int MarkFontPixelHeight(const MarkFont& font);

}  // namespace stelvar
