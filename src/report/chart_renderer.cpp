#include "report/chart_renderer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

#include "report/format_number.h"

namespace stelvar {
namespace {

constexpr std::string_view kAxisFontName = "ＭＳ Ｐゴシック";
constexpr int kAxisFontHeight = 12;
constexpr int kTitleFontHeight = 12;
constexpr double kMargin = 8.0;     // free border around the figure
constexpr double kGap = 4.0;        // between a text and what it belongs to
constexpr double kTickLength = 4.0;
constexpr double kLegendRow = 16.0;
constexpr double kLegendSample = 18.0;  // length of an entry's line sample
constexpr int kDefaultGap = 4;  // between a point and the bottom of its label
constexpr Colour kGridColour{0xE0E0E0};
constexpr Colour kWhite{0xFFFFFF};
constexpr Colour kBlack{0x000000};
// A range narrower than this (relative to its size) is widened, so that a flat series
// still gets a usable axis.
constexpr double kNarrowestRange = 1e-12;

CanvasFont AxisFont() {
    CanvasFont f;
    f.Name = std::string(kAxisFontName);
    f.Height = kAxisFontHeight;
    return f;
}

bool Finite(double v) { return std::isfinite(v); }

// A point the chart can place: not a gap, finite, and positive on a logarithmic axis.
bool Usable(const Chart& chart, const SeriesPoint& p) {
    if (p.Null || !Finite(p.X) || !Finite(p.Y)) return false;
    return !chart.Left.Logarithmic || p.Y > 0;
}

// ---------------------------------------------------------------------------------
// Axis ranges and ticks

struct Range {
    double Lo = 0.0;
    double Hi = 1.0;
    bool Valid = false;
};

// The extent of the chart's placeable points along one axis.
Range DataRange(const Chart& chart, bool horizontal) {
    Range r{std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
            false};
    for (const ChartSeries& s : chart.Series)
        for (const SeriesPoint& p : s.Points) {
            if (!Usable(chart, p)) continue;
            const double v = horizontal ? p.X : p.Y;
            r.Lo = std::min(r.Lo, v);
            r.Hi = std::max(r.Hi, v);
            r.Valid = true;
        }
    return r;
}

// The range an axis shows: the one the chart sets, else that of the data. A reversed
// range is put in order and an empty one widened; a logarithmic axis keeps to positive
// values.
Range ResolveRange(const ChartAxis& axis, const Range& data, bool logarithmic) {
    Range r;
    if (axis.RangeSet && Finite(axis.Min) && Finite(axis.Max)) {
        r = {std::min(axis.Min, axis.Max), std::max(axis.Min, axis.Max), true};
    } else if (data.Valid) {
        r = {data.Lo, data.Hi, true};
    } else {
        return logarithmic ? Range{1.0, 10.0, false} : Range{0.0, 1.0, false};
    }
    if (logarithmic) {
        if (r.Hi <= 0) r.Hi = data.Valid ? data.Hi : 10.0;
        if (r.Lo <= 0) r.Lo = data.Valid && data.Lo < r.Hi ? data.Lo : r.Hi / 1000;
        if (r.Hi / r.Lo < 1 + kNarrowestRange) {
            r.Lo /= 10;
            r.Hi *= 10;
        }
        return r;
    }
    const double size = std::max(std::fabs(r.Lo), std::fabs(r.Hi));
    if (r.Hi - r.Lo <= kNarrowestRange * std::max(size, 1.0)) {
        r.Lo -= 1;
        r.Hi += 1;
    }
    return r;
}

// The smallest step of 1, 2 or 5 times a power of ten that is at least `raw`.
double NiceStep(double raw) {
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * magnitude >= raw * (1 - 1e-9)) return m * magnitude;
    return 10 * magnitude;
}

// The number pattern of tick labels: thousands separators, as many decimals as the
// values have, at least three places allowed.
std::string TickPattern(double step) {
    int decimals = 3;
    if (step > 0 && step < 1e-3)
        decimals = std::min(12, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)) + 1);
    return "#,##0." + std::string(static_cast<std::size_t>(decimals), '#');
}

struct TickSet {
    std::vector<double> Values;
    std::vector<std::string> Labels;
};

TickSet LinearTicks(double lo, double hi, double step) {
    TickSet t;
    const std::string pattern = TickPattern(step);
    const double first = std::ceil(lo / step - 1e-9);
    const double last = std::floor(hi / step + 1e-9);
    for (double k = first; k <= last && t.Values.size() < 1000; k += 1) {
        const double v = k * step;
        t.Values.push_back(v);
        t.Labels.push_back(FormatNumber(pattern, v));
    }
    return t;
}

double MaxLabelWidth(Canvas& canvas, const TickSet& t) {
    double w = 0;
    for (const std::string& l : t.Labels) w = std::max(w, canvas.TextWidth(l));
    return w;
}

// Ticks of a linear axis `length` pixels long, at least `spacing` pixels apart; on the
// bottom axis also far enough apart for their numbers not to touch.
TickSet ChooseLinearTicks(Canvas& canvas, double lo, double hi, double length, double spacing,
                          bool horizontal) {
    const double span = hi - lo;
    const double count = std::max(1.0, std::floor(length / spacing));
    double step = NiceStep(span / count);
    TickSet t = LinearTicks(lo, hi, step);
    if (horizontal) {
        for (int guard = 0; guard < 20; ++guard) {
            const double pixelsPerStep = step / span * length;
            if (MaxLabelWidth(canvas, t) + 2 * kGap <= pixelsPerStep) break;
            step = NiceStep(step * 1.01);
            t = LinearTicks(lo, hi, step);
        }
    }
    return t;
}

// Decades of a logarithmic axis, with the 2 and 5 multiples between them when there is
// room or when the decades alone would give fewer than two ticks.
TickSet LogTicks(double lo, double hi, double length, double spacing) {
    const double a = std::log10(lo);
    const double b = std::log10(hi);
    const double pixelsPerDecade = length / (b - a);
    int decadeTicks = 0;
    for (double k = std::ceil(a - 1e-9); k <= std::floor(b + 1e-9); k += 1) ++decadeTicks;
    const bool between = pixelsPerDecade >= 3 * spacing || decadeTicks < 2;
    TickSet t;
    const std::string pattern = TickPattern(std::pow(10.0, std::floor(a)));
    for (double k = std::floor(a) - 1; k <= std::ceil(b) && t.Values.size() < 1000; k += 1) {
        const double decade = std::pow(10.0, k);
        for (double m : {1.0, 2.0, 5.0}) {
            if (m != 1.0 && !between) continue;
            const double v = m * decade;
            if (v < lo * (1 - 1e-9) || v > hi * (1 + 1e-9)) continue;
            t.Values.push_back(v);
            t.Labels.push_back(FormatNumber(pattern, v));
        }
    }
    return t;
}

AxisScale MakeScale(const Chart& chart, const ChartAxis& axis, bool horizontal) {
    AxisScale s;
    s.Logarithmic = !horizontal && axis.Logarithmic;
    const Range r = ResolveRange(axis, DataRange(chart, horizontal), s.Logarithmic);
    s.Min = r.Lo;
    s.Max = r.Hi;
    s.HasRange = r.Valid;
    return s;
}

void SetTicks(AxisScale& s, Canvas& canvas, bool horizontal) {
    if (!s.HasRange) return;
    const double length = std::fabs(s.To - s.From);
    if (length < 1) return;
    const double spacing = horizontal ? 3.0 * kAxisFontHeight : 2.0 * kAxisFontHeight;
    TickSet t = s.Logarithmic ? LogTicks(s.Min, s.Max, length, spacing)
                              : ChooseLinearTicks(canvas, s.Min, s.Max, length, spacing, horizontal);
    s.Ticks = std::move(t.Values);
    s.TickLabels = std::move(t.Labels);
}

// ---------------------------------------------------------------------------------
// Legend

struct LegendEntry {
    std::string Title;
    Colour LineColour;
    int Width = 1;
};

bool HasUsablePoint(const Chart& chart, const ChartSeries& s) {
    return std::any_of(s.Points.begin(), s.Points.end(),
                       [&](const SeriesPoint& p) { return Usable(chart, p); });
}

// The series a reader can see, by title: a series without points or without a title
// has no entry, and two neighbouring series drawn alike under one title (the two
// middle-third lines) share one.
std::vector<LegendEntry> LegendEntries(const Chart& chart) {
    std::vector<LegendEntry> entries;
    if (!chart.Legend) return entries;
    for (const ChartSeries& s : chart.Series) {
        if (!s.ShowInLegend || s.Title.empty() || !HasUsablePoint(chart, s)) continue;
        const LegendEntry e{s.Title, s.SeriesColour, s.LineWidth};
        if (!entries.empty() && entries.back().Title == e.Title &&
            entries.back().LineColour == e.LineColour && entries.back().Width == e.Width)
            continue;
        entries.push_back(e);
    }
    return entries;
}

// ---------------------------------------------------------------------------------
// Line clipping (Liang–Barsky): the part of a segment inside the rectangle.

// Where the line from o along 2·h runs inside the rectangle: the parameters 0 … 2 where
// it comes in and goes out, and the edges (0 left, 1 right, 2 top, 3 bottom; -1 none)
// it crosses there.
struct RectCut {
    double In = 0.0;
    double Out = 2.0;
    int InEdge = -1;
    int OutEdge = -1;
};

bool CutFrom(const CanvasRect& r, CanvasPoint o, CanvasPoint h, RectCut& c) {
    const double p[4] = {-h.X, h.X, -h.Y, h.Y};
    const double q[4] = {o.X - r.Left, r.Right - o.X, o.Y - r.Top, r.Bottom - o.Y};
    for (int edge = 0; edge < 4; ++edge) {
        if (p[edge] == 0) {
            if (q[edge] < 0) return false;
            continue;
        }
        const double t = q[edge] / p[edge];
        if (p[edge] < 0) {
            if (t > c.Out) return false;
            if (t > c.In) {
                c.In = t;
                c.InEdge = edge;
            }
        } else {
            if (t < c.In) return false;
            if (t < c.Out) {
                c.Out = t;
                c.OutEdge = edge;
            }
        }
    }
    return true;
}

// The point at t on the line from o along 2·h, put on the edge it crosses there.
CanvasPoint CutPoint(const CanvasRect& r, CanvasPoint o, CanvasPoint h, double t, int edge) {
    CanvasPoint p{o.X + t * h.X, o.Y + t * h.Y};
    if (edge == 0) p.X = r.Left;
    if (edge == 1) p.X = r.Right;
    if (edge == 2) p.Y = r.Top;
    if (edge == 3) p.Y = r.Bottom;
    return p;
}

CanvasPoint HeldIn(const CanvasRect& r, CanvasPoint p) {
    return {std::clamp(p.X, r.Left, r.Right), std::clamp(p.Y, r.Top, r.Bottom)};
}

}  // namespace

bool CutSegmentToRect(const CanvasRect& r, CanvasPoint& a, CanvasPoint& b) {
    if (!Finite(a.X) || !Finite(a.Y) || !Finite(b.X) || !Finite(b.Y)) return false;
    if (r.Contains(a) && r.Contains(b)) return true;
    // Half the difference of the ends cannot overflow. From the far end, the distance
    // to the rectangle would be lost in the rounding of the parameter.
    const CanvasPoint h{b.X / 2 - a.X / 2, b.Y / 2 - a.Y / 2};
    const CanvasPoint back{-h.X, -h.Y};
    RectCut forward;   // from a
    RectCut backward;  // from b, back to a
    if (!CutFrom(r, a, h, forward) || !CutFrom(r, b, back, backward)) return false;
    const CanvasPoint start = forward.In == 0    ? a
                              : forward.In <= 1 ? CutPoint(r, a, h, forward.In, forward.InEdge)
                                                : CutPoint(r, b, back, backward.Out, backward.OutEdge);
    const CanvasPoint end = backward.In == 0    ? b
                            : backward.In <= 1 ? CutPoint(r, b, back, backward.In, backward.InEdge)
                                               : CutPoint(r, a, h, forward.Out, forward.OutEdge);
    a = HeldIn(r, start);
    b = HeldIn(r, end);
    return true;
}

namespace {

// Ends this far off the figure take the careful cut: with them the plain form below
// loses the plot in the rounding of its parameter, or overflows.
constexpr double kFarOffPixels = 1e6;

bool FarOff(CanvasPoint p) {
    return !(std::fabs(p.X) <= kFarOffPixels && std::fabs(p.Y) <= kFarOffPixels);
}

bool ClipSegment(const CanvasRect& r, CanvasPoint& a, CanvasPoint& b) {
    if (FarOff(a) || FarOff(b)) return CutSegmentToRect(r, a, b);
    const double dx = b.X - a.X;
    const double dy = b.Y - a.Y;
    double t0 = 0.0;
    double t1 = 1.0;
    const std::array<std::pair<double, double>, 4> edges = {{
        {-dx, a.X - r.Left},
        {dx, r.Right - a.X},
        {-dy, a.Y - r.Top},
        {dy, r.Bottom - a.Y},
    }};
    for (const auto& [p, q] : edges) {
        if (p == 0) {
            if (q < 0) return false;
            continue;
        }
        const double t = q / p;
        if (p < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    const CanvasPoint start{a.X + t0 * dx, a.Y + t0 * dy};
    const CanvasPoint end{a.X + t1 * dx, a.Y + t1 * dy};
    a = start;
    b = end;
    return true;
}

CanvasPoint MapPoint(const ChartLayout& l, const SeriesPoint& p) {
    return {l.Bottom.Map(p.X), l.Left.Map(p.Y)};
}

// The series' line: each segment in the colour of the point it runs to, broken at gaps
// and cut to the plot; runs of one colour go out as one polyline.
void DrawSeriesLine(const Chart& chart, const ChartSeries& s, const ChartLayout& l, Canvas& canvas) {
    // Cut a little outside the frame, so that a line along an axis end stays whole.
    const CanvasRect clip{l.Plot.Left - 1, l.Plot.Top - 1, l.Plot.Right + 1, l.Plot.Bottom + 1};
    std::vector<CanvasPoint> run;
    Colour runColour = s.SeriesColour;
    auto flush = [&] {
        if (run.size() >= 2) {
            canvas.SetPen({runColour, std::max(1, s.LineWidth), PenStyle::Solid});
            canvas.Polyline(run);
        }
        run.clear();
    };

    const SeriesPoint* previous = nullptr;
    for (const SeriesPoint& p : s.Points) {
        if (!Usable(chart, p)) {
            previous = nullptr;
            continue;
        }
        if (previous != nullptr) {
            CanvasPoint a = MapPoint(l, *previous);
            CanvasPoint b = MapPoint(l, p);
            const Colour colour = p.PointColour.value_or(s.SeriesColour);
            if (ClipSegment(clip, a, b)) {
                if (run.empty() || colour != runColour || !(run.back() == a)) {
                    flush();
                    runColour = colour;
                    run.push_back(a);
                }
                run.push_back(b);
            } else {
                flush();
            }
        }
        previous = &p;
    }
    flush();
}

bool Blank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// Two labels' boxes cover each other. A text's box has some blank above and below its
// letters, so boxes touching by a pixel or two do not count.
bool Overlap(const CanvasRect& a, const CanvasRect& b) {
    constexpr double kSlackX = 1.0;
    constexpr double kSlackY = 2.0;
    return a.Left + kSlackX < b.Right && b.Left + kSlackX < a.Right && a.Top + kSlackY < b.Bottom &&
           b.Top + kSlackY < a.Bottom;
}

struct PlacedLabel {
    CanvasRect Box;     // where it was drawn
    CanvasRect Wanted;  // where it would have stood without the others
    std::string Text;
};

// Each point's label beside its point, for points inside the plot. A label that would
// stick out of the frame is moved back in, and one that would fall on a label already
// drawn is moved up or down by a line or a few, so that no two numbers print over each
// other (values at neighbouring points, two regions' corner numbers at one corner). The
// same text at the same place (a corner both regions number alike) is drawn once.
void DrawSeriesMarks(const Chart& chart, const ChartSeries& s, const ChartLayout& l, Canvas& canvas,
                     std::vector<PlacedLabel>& placed) {
    CanvasFont font;
    font.Name = s.Font.Name;
    font.Height = MarkFontPixelHeight(s.Font);
    font.FontColour = s.Font.FontColour;
    bool fontSet = false;
    const MarkPlacement place = PlaceMarks(chart, s);
    const double h = font.Height;
    for (const SeriesPoint& p : s.Points) {
        if (Blank(p.Label) || !Usable(chart, p)) continue;
        if (!l.Bottom.Contains(p.X) || !l.Left.Contains(p.Y)) continue;
        if (!fontSet) {
            canvas.SetFont(font);
            fontSet = true;
        }
        const CanvasPoint at = MapPoint(l, p);
        const double w = canvas.TextWidth(p.Label);
        double left = at.X - w / 2;
        double top = at.Y - place.Gap - h;
        if (place.Where == MarkPlacement::Side::Left) {
            left = at.X - place.Gap - w;
            top = at.Y - h / 2;
        }
        if (w < l.Plot.Width()) left = std::clamp(left, l.Plot.Left + 1, l.Plot.Right - 1 - w);
        auto inFrame = [&](double y) {
            return h < l.Plot.Height() ? std::clamp(y, l.Plot.Top + 1, l.Plot.Bottom - 1 - h) : y;
        };
        CanvasRect box{left, inFrame(top), left + w, inFrame(top) + h};
        const bool repeated = std::any_of(placed.begin(), placed.end(), [&](const PlacedLabel& other) {
            return other.Text == p.Label && std::fabs(other.Wanted.Left - box.Left) < 2 &&
                   std::fabs(other.Wanted.Top - box.Top) < 2;
        });
        if (repeated) continue;
        auto free = [&](const CanvasRect& r) {
            return std::none_of(placed.begin(), placed.end(),
                                [&](const PlacedLabel& other) { return Overlap(r, other.Box); });
        };
        const CanvasRect wanted = box;
        for (int step : {-1, 1, -2, 2, -3, 3}) {
            if (free(box)) break;
            const double moved = inFrame(top + step * (h + 1));
            const CanvasRect candidate{left, moved, left + w, moved + h};
            if (free(candidate)) box = candidate;
        }
        placed.push_back({box, wanted, p.Label});
        canvas.Text({box.Left + w / 2, box.Bottom}, p.Label, TextAlign::Centre, TextBase::Bottom);
    }
}

void DrawAxes(const ChartLayout& l, Canvas& canvas, const Chart& chart) {
    // Grid lines at the ticks, pale, under everything else.
    canvas.SetPen({kGridColour, 1, PenStyle::Solid});
    for (double v : l.Bottom.Ticks) {
        const double x = l.Bottom.Map(v);
        if (x > l.Plot.Left + 0.5 && x < l.Plot.Right - 0.5)
            canvas.Line({x, l.Plot.Top}, {x, l.Plot.Bottom});
    }
    for (double v : l.Left.Ticks) {
        const double y = l.Left.Map(v);
        if (y > l.Plot.Top + 0.5 && y < l.Plot.Bottom - 0.5)
            canvas.Line({l.Plot.Left, y}, {l.Plot.Right, y});
    }

    canvas.SetPen({kBlack, 1, PenStyle::Solid});
    canvas.SetFont(AxisFont());
    for (std::size_t i = 0; i < l.Bottom.Ticks.size(); ++i) {
        const double x = l.Bottom.Map(l.Bottom.Ticks[i]);
        canvas.Line({x, l.Plot.Bottom}, {x, l.Plot.Bottom + kTickLength});
        canvas.Text({x, l.Plot.Bottom + kTickLength + 1}, l.Bottom.TickLabels[i], TextAlign::Centre,
                    TextBase::Top);
    }
    for (std::size_t i = 0; i < l.Left.Ticks.size(); ++i) {
        const double y = l.Left.Map(l.Left.Ticks[i]);
        canvas.Line({l.Plot.Left - kTickLength, y}, {l.Plot.Left, y});
        canvas.Text({l.Plot.Left - kTickLength - 2, y + kAxisFontHeight / 2.0},
                    l.Left.TickLabels[i], TextAlign::Right, TextBase::Bottom);
    }

    if (!chart.Bottom.Title.empty())
        canvas.Text({(l.Plot.Left + l.Plot.Right) / 2, l.Panel.Bottom - kMargin},
                    chart.Bottom.Title, TextAlign::Centre, TextBase::Bottom);
    if (!chart.Left.Title.empty()) {
        CanvasFont turned = AxisFont();
        turned.Angle = 90;
        canvas.SetFont(turned);
        // Turned upward, the text's top faces left: its top edge lies on the margin.
        canvas.Text({l.Panel.Left + kMargin, (l.Plot.Top + l.Plot.Bottom) / 2}, chart.Left.Title,
                    TextAlign::Centre, TextBase::Top);
    }
}

void DrawLegend(const Chart& chart, const ChartLayout& l, Canvas& canvas) {
    if (!l.LegendBox) return;
    const CanvasRect& box = *l.LegendBox;
    canvas.SetPen({kBlack, 1, PenStyle::Solid});
    canvas.Rectangle(box, kWhite);
    canvas.SetFont(AxisFont());
    double y = box.Top + kGap;
    for (const LegendEntry& e : LegendEntries(chart)) {
        const double mid = y + kLegendRow / 2;
        canvas.SetPen({e.LineColour, std::max(1, e.Width), PenStyle::Solid});
        canvas.Line({box.Left + kGap, mid}, {box.Left + kGap + kLegendSample, mid});
        canvas.Text({box.Left + 2 * kGap + kLegendSample, mid + kAxisFontHeight / 2.0}, e.Title,
                    TextAlign::Left, TextBase::Bottom);
        y += kLegendRow;
    }
}

}  // namespace

ChartSize ResultsChartSize(std::string_view chartName) {
    struct Entry {
        std::string_view Name;
        ChartSize Size;
    };
    // Chosen so that the default walls are drawn at similar scales across and up, and
    // each page of the results window (client area 891 × 553, tabs included) holds its
    // chart beside its lists.
    static constexpr Entry kSizes[] = {
        {"Chart2", {440, 420}}, {"Chart4", {300, 320}},  {"Chart12", {300, 320}},
        {"Chart5", {400, 240}}, {"Chart11", {400, 280}}, {"Chart1", {540, 440}},
        {"Chart3", {360, 320}}, {"Chart6", {360, 280}},  {"Chart7", {360, 280}},
        {"Chart8", {360, 280}},
    };
    for (const Entry& e : kSizes)
        if (e.Name == chartName) return e.Size;
    return {300, 300};
}

double AxisScale::Map(double value) const {
    if (Logarithmic) {
        const double a = std::log10(Min);
        const double b = std::log10(Max);
        return From + (std::log10(value) - a) / (b - a) * (To - From);
    }
    return From + (value - Min) / (Max - Min) * (To - From);
}

bool AxisScale::Contains(double value) const {
    const double tolerance = Logarithmic ? 0.0 : 1e-9 * (Max - Min);
    if (Logarithmic && value <= 0) return false;
    return value >= Min * (Logarithmic ? 1 - 1e-9 : 1) - tolerance &&
           value <= Max * (Logarithmic ? 1 + 1e-9 : 1) + tolerance;
}

int MarkFontPixelHeight(const MarkFont& font) {
    // The size in points decides, as the font-size track bar sets it; 9 points are 12
    // pixels.
    if (font.Size > 0) return static_cast<int>(std::lround(font.Size * 96.0 / 72.0));
    return std::max(1, font.Height);
}

MarkPlacement PlaceMarks(const Chart& chart, const ChartSeries& series) {
    if (chart.Name == "Chart2") {
        for (std::string_view vertical : {"Series23", "Series24", "Series40"})
            if (series.Name == vertical) return {MarkPlacement::Side::Left, 3};
        for (std::string_view horizontal :
             {"Series25", "Series26", "Series27", "Series28", "Series29", "Series30"})
            if (series.Name == horizontal) return {MarkPlacement::Side::Above, 2};
    }
    return {MarkPlacement::Side::Above, kDefaultGap};
}

ChartLayout LayOutChart(const Chart& chart, Canvas& canvas, double width, double height) {
    ChartLayout l;
    l.Panel = {0, 0, width, height};
    l.Bottom = MakeScale(chart, chart.Bottom, true);
    l.Left = MakeScale(chart, chart.Left, false);

    double top = kMargin;
    if (!chart.Title.empty()) top += kTitleFontHeight + kGap;
    top += kAxisFontHeight / 2.0;  // room for the half of the top tick number above the frame
    double bottom = height - kMargin;
    if (!chart.Bottom.Title.empty()) bottom -= kAxisFontHeight + kGap;
    bottom -= kTickLength + 1 + kAxisFontHeight;

    // The left axis's numbers decide how much room it needs at the side.
    l.Left.From = bottom;
    l.Left.To = top;
    canvas.SetFont(AxisFont());
    SetTicks(l.Left, canvas, false);
    double left = kMargin;
    if (!chart.Left.Title.empty()) left += kAxisFontHeight + kGap;
    double widest = 0;
    for (const std::string& label : l.Left.TickLabels) widest = std::max(widest, canvas.TextWidth(label));
    left += widest + 2 + kTickLength;

    double right = width - kMargin;
    const std::vector<LegendEntry> entries = LegendEntries(chart);
    if (!entries.empty()) {
        double titleWidth = 0;
        for (const LegendEntry& e : entries) {
            titleWidth = std::max(titleWidth, canvas.TextWidth(e.Title));
            l.LegendTitles.push_back(e.Title);
        }
        const double boxWidth = 3 * kGap + kLegendSample + titleWidth + kGap;
        const double boxHeight = 2 * kGap + kLegendRow * static_cast<double>(entries.size());
        l.LegendBox = CanvasRect{right - boxWidth, top, right, top + boxHeight};
        right -= boxWidth + 2 * kGap;
    }
    // Room for half of the last bottom number beyond the frame.
    right -= kAxisFontHeight;

    // A figure too small for its furniture still gets a frame of at least one pixel.
    if (right < left + 1) right = left + 1;
    if (bottom < top + 1) bottom = top + 1;
    l.Plot = {left, top, right, bottom};
    l.Left.From = bottom;
    l.Left.To = top;
    l.Bottom.From = left;
    l.Bottom.To = right;
    SetTicks(l.Bottom, canvas, true);
    return l;
}

void DrawChart(const Chart& chart, Canvas& canvas, double width, double height) {
    const ChartLayout l = LayOutChart(chart, canvas, width, height);

    canvas.SetPen({kWhite, 1, PenStyle::None});
    canvas.Rectangle(l.Panel, kWhite);

    if (!chart.Title.empty()) {
        CanvasFont title = AxisFont();
        title.Height = kTitleFontHeight;
        title.FontColour = chart.TitleColour;
        canvas.SetFont(title);
        canvas.Text({width / 2, kMargin}, chart.Title, TextAlign::Centre, TextBase::Top);
    }

    DrawAxes(l, canvas, chart);

    canvas.SetClip(l.Plot);
    for (const ChartSeries& s : chart.Series) DrawSeriesLine(chart, s, l, canvas);
    canvas.ResetClip();

    // The frame over the lines that run along it.
    canvas.SetPen({kBlack, 1, PenStyle::Solid});
    canvas.Rectangle(l.Plot, std::nullopt);

    // Labels last, so that no line crosses them.
    std::vector<PlacedLabel> placed;
    for (const ChartSeries& s : chart.Series) DrawSeriesMarks(chart, s, l, canvas, placed);

    DrawLegend(chart, l, canvas);
}

}  // namespace stelvar
