#pragma once
// The chart model of the calculation document: what a chart shows, independent of any
// drawing. The results window, the printed pages, the PDF and the figure export all
// draw from it.

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/colour.h"

namespace stelvar {

struct SeriesPoint {
    double X = 0.0;
    double Y = 0.0;
    std::string Label;           // drawn at the point when the series shows marks
    std::optional<Colour> PointColour;  // its own colour; the series colour otherwise
    bool Null = false;           // a gap: the line is broken here
};

struct MarkFont {
    std::string Name = "ＭＳ Ｐ明朝";
    int Height = 12;
    int Size = 9;  // point size (the font-size track bar sets it for Chart2's dimension marks)
    Colour FontColour{0x000000};  // colour of the point labels
};

struct ChartSeries {
    std::string Name;   // control name, e.g. "Series47"
    std::string Title;  // legend text
    Colour SeriesColour{0x000000};
    int LineWidth = 1;
    bool MarksVisible = false;
    bool ShowInLegend = true;
    MarkFont Font;
    std::vector<SeriesPoint> Points;  // insertion order, never sorted

    void Clear() { Points.clear(); }
    void Add(double x, double y, std::string label = {},
             std::optional<Colour> colour = std::nullopt) {
        Points.push_back({x, y, std::move(label), colour, false});
    }
    void AddNull() { Points.push_back({0.0, 0.0, {}, std::nullopt, true}); }
};

struct ChartAxis {
    std::string Title;
    double Min = 0.0;
    double Max = 0.0;
    bool RangeSet = false;
    bool Logarithmic = false;
};

struct Chart {
    std::string Name;   // control name, e.g. "Chart11"
    std::string Title;  // e.g. "図：地盤反力"
    Colour TitleColour{0x000000};
    ChartAxis Bottom;
    ChartAxis Left;
    bool Legend = false;
    // In the order they were created. A deque, so that a reference to one series stays
    // valid while further series are added.
    std::deque<ChartSeries> Series;

    // The named series; a series not yet present is appended (series keep the order
    // in which they were first set up or used, which is their drawing order).
    ChartSeries& Get(std::string_view seriesName);
    // Throws std::out_of_range for a series the chart does not have.
    const ChartSeries& Get(std::string_view seriesName) const;
    bool Has(std::string_view seriesName) const;
    // Empties every series.
    void Clear();
    // Bottom axis [xmin, xmax], left axis [ymin, ymax].
    void SetRange(double xmax, double xmin, double ymax, double ymin);
};

}  // namespace stelvar
