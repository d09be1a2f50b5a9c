// The load diagram of the stability check (Chart1). Coordinates are those of the wall
// outline: metres, x from the toe tip toward the heel, y up from the base underside.
// Forces and intensities are drawn to fixed scales: the earth-pressure components at
// 1 m per 100 kN, the earth-pressure distribution at 1 m per 50 kN, the resultant at
// 1 m per 500 kN, the water pressure at 1 m per 10 kN/m2, the base's ground reaction at
// 1 m per 100 kN/m2 and the wall-face reaction, a far smaller intensity, at 1 m per kN/m2.

#include "report/write_load_diagram.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <string>
#include <utility>

#include "engine/engine.h"
#include "report/format_number.h"
#include "report/reaction_diagram.h"
#include "report/report_colours.h"

namespace stelvar {
namespace {

using report_colours::Ink;

double Deg(double radians) { return radians * 180 / std::numbers::pi; }

// A surcharge or snow load drawn as the height of soil of the same weight. A weightless
// backfill has no such height.
double EquivalentHeight(const TTeisu& t, double load) {
    return t.GammaS > 0.0 ? load / t.GammaS : 0.0;
}

std::string LoadLabel(double value) {
    return value > 0 ? FormatNumber("0.0kN/m2", value) : std::string(" ");
}

// Positions derived from the whole-wall wedge.
struct WedgeGeometry {
    double B = 0.0;        // heel end
    double H = 0.0;        // crown height
    double XFoot = 0.0;    // the back face line at the base underside (the wedge's origin)
    double XCrack = 0.0;   // the tension crack at the top of the slip line
    double Reach = 0.0;    // extent of the figure behind the crest
    double SlipTop = 0.0;  // height of the top of the slip line (bottom of the crack)
};

WedgeGeometry GeometryOf(const TAntei& a) {
    const auto& X = a.PointX;
    const auto& Y = a.PointY;
    WedgeGeometry g;
    g.B = X[9];
    g.H = Y[4];
    g.XFoot = X[5] + std::tan(a.Alpha) * Y[5];
    // The slip line runs from the wedge's own origin at the angle the search found, so
    // that its end and the crack stand where the wedge has them, on the ground surface.
    g.XCrack = a.LSlip * std::cos(a.Omega) + g.XFoot;
    g.Reach = a.LSlip * std::cos(a.Omega) + (X[6] - X[5]);
    g.SlipTop = a.LSlip * std::sin(a.Omega);
    return g;
}

void SetAxes(const TAntei& a, const WedgeGeometry& g, Chart& c) {
    const double q = EquivalentHeight(a, a.Q);
    const double ymin = std::min(-a.Q1 / 100, -a.Q2 / 100) - 0.5;
    const double ymax =
        a.BackfillShape == 2 ? std::tan(a.Beta) * g.Reach + g.H + q + 0.5 : g.H + a.Hs + q + 1;
    c.SetRange(a.PointX[5] + g.Reach + 1, -0.5, ymax, ymin);
}

struct SeriesColour {
    const char* Name;
    Colour Line;
    Colour Labels;
};

void SetColours(const TAntei& a, Chart& c) {
    using namespace report_colours;
    c.TitleColour = Ink(a.Settings, clBlue);
    const SeriesColour colours[] = {
        {"Series1", clBlack, clBlack},    {"Series2", clPurple, clPurple},
        {"Series4", clMaroon, clBlack},   {"Series5", clRed, clRed},
        {"Series6", clLime, clLime},      {"Series7", clRed, clBlack},
        {"Series9", clRed, clBlack},      {"Series10", clBlack, clBlack},
        {"Series11", clBlack, clBlack},   {"Series12", clRed, clBlack},
        {"Series13", clBlue, clBlack},    {"Series16", clRed, clBlack},
        {"Series20", clAqua, clBlack},    {"Series45", clPurple, clPurple},
    };
    for (const SeriesColour& sc : colours) {
        ChartSeries& s = c.Get(sc.Name);
        s.SeriesColour = Ink(a.Settings, sc.Line);
        s.Font.FontColour = Ink(a.Settings, sc.Labels);
    }
}

// Leaning wall, simplified method with a wall-face reaction: its intensity at the top
// of the face, laid off perpendicular to the face into the backfill, falling to nothing
// at the end of the loaded length down the face.
void DrawFaceReaction(const TAntei& a, ChartSeries& s) {
    if (a.ReactionCase != 6) return;
    const double x5 = a.PointX[5];
    const double y5 = a.PointY[5];
    const double theta = a.FaceAngle;
    const double r0 = a.BackReactionTop;
    const double Lr = a.BackReactionLength;
    s.Add(x5, y5, " ");
    s.Add(x5 + r0 * std::cos(theta), y5 - r0 * std::sin(theta), FormatNumber("0.00kN/m2", r0));
    s.Add(x5 - Lr * std::sin(theta), y5 - Lr * std::cos(theta), " ");
}

void DrawOutline(TAntei& a, ChartSeries& s) {
    const RegionResult body = QueryRegion(a, "W_A");
    for (std::size_t i = 0; i < body.X.size(); ++i) s.Add(body.X[i], body.Y[i]);
}

void DrawSlipLine(const TAntei& a, const WedgeGeometry& g, ChartSeries& s) {
    s.Add(g.XFoot, 0, FormatNumber("ω=0.00度", Deg(a.Omega)));
    s.Add(g.XCrack, g.SlipTop, " ");
    if (a.Zc > 0) s.Add(g.XCrack, g.SlipTop + a.Zc, FormatNumber("Zc=0.00m", a.Zc));
}

// The surcharge and snow loads as a line of equivalent soil height over the ground
// surface; a slope is cut 1 m behind the crack.
void DrawSurchargeLine(TAntei& a, const WedgeGeometry& g, ChartSeries& s) {
    SurfaceLine line = QuerySurfaceLine(a, 2);
    if (a.BackfillShape == 2 && line.X.size() >= 2) {
        const double y0 = line.Y[0];
        const double y1 = line.Y[1];
        line.X.back() = g.XCrack + 1;
        line.Y.back() = std::fabs(y0 - y1) + g.SlipTop + a.Zc + std::tan(a.Beta);
    }
    for (std::size_t i = 0; i < line.X.size(); ++i) {
        const int index = static_cast<int>(i);
        std::string label = " ";
        if (index == line.FirstLabelIndex)
            label = LoadLabel(line.FirstLabelValue);
        else if (line.HasSecondLabel && index == line.SecondLabelIndex)
            label = LoadLabel(line.SecondLabelValue);
        s.Add(line.X[i], line.Y[i], std::move(label));
    }
}

void DrawGroundSurface(TAntei& a, const WedgeGeometry& g, ChartSeries& s) {
    SurfaceLine line = QuerySurfaceLine(a, 1);
    if (a.BackfillShape == 2 && !line.X.empty()) {
        line.X.back() = g.XCrack + 1;
        line.Y.back() = g.SlipTop + a.Zc + std::tan(a.Beta);
    }
    for (std::size_t i = 0; i < line.X.size(); ++i) s.Add(line.X[i], line.Y[i]);
}

// The components at their point of action on the back face, 1 m per 100 kN.
void DrawComponents(const TAntei& a, Chart& c) {
    ChartSeries& h = c.Get("Series9");
    h.Add(a.XPv + 0.2, a.YPh + 0.2, " ");
    h.Add(a.XPv, a.YPh, " ");
    h.Add(a.XPv + a.Ph / 100, a.YPh, FormatNumber("Ph=0.00kN", a.Ph));

    ChartSeries& v = c.Get("Series12");
    v.Add(a.XPv - 0.2, a.YPh + 0.2, " ");
    v.Add(a.XPv, a.YPh, " ");
    v.Add(a.XPv, a.YPh + a.Pv / 100, FormatNumber("Pv=0.00kN", a.Pv));
}

// The resultant at its point on the base, with an arrow head, 1 m per 500 kN.
void DrawResultant(const TAntei& a, ChartSeries& s) {
    s.Add(a.D - 0.1, 0.1);
    s.Add(a.D, 0);
    s.Add(a.D + a.Ho / 500, a.Vo / 500);
}

void DrawMiddleThird(double B, Chart& c) {
    ChartSeries& front = c.Get("Series10");
    front.Add(B / 3, 0);
    front.Add(B / 3, 0.2);
    ChartSeries& back = c.Get("Series11");
    back.Add(2 * B / 3, 0);
    back.Add(2 * B / 3, 0.2);
}

// The earth pressure along the back face from the crest to the foot of its line, the
// foot offset by the components at 1 m per 50 kN.
void DrawDistribution(const TAntei& a, const WedgeGeometry& g, ChartSeries& s) {
    const double x5 = a.PointX[5];
    const double y5 = a.PointY[5];
    s.Add(x5, y5, " ");
    if (a.SurfaceCase == 0) s.Add(x5 + EquivalentHeight(a, a.Q) / 50, g.H, " ");
    if (a.Hc > 0)
        s.Add(x5 + std::tan(a.Alpha) * a.Hc, y5 - a.Hc, FormatNumber("Hc=0.00m", a.Hc),
              Ink(a.Settings, report_colours::clBlue));
    s.Add(g.XFoot + a.Ph / 50, a.Pv / 50, " ");
    s.Add(g.XFoot, 0, " ");
}

void DrawWaterPressure(const TAntei& a, double B, ChartSeries& s) {
    if (!(a.Hw > 0)) return;
    s.Add(B, 0, " ");
    s.Add(B, a.Hw, " ");
    s.Add(B + a.Hw * a.GammaW / 10, 0, FormatNumber("0.0kN/m2", a.Hw * a.GammaW));
    s.Add(B, 0, " ");
}

void DrawPassiveGround(const TAntei& a, ChartSeries& s) {
    if (!a.Settings.PassiveOn) return;
    s.Add(-10, a.PointY[24]);
    s.Add(a.PointX[26], a.PointY[24]);
}

}  // namespace

void WriteLoadDiagram(TAntei& a, ResultsStore& store) {
    Chart& c = store.GetChart("Chart1");
    const WedgeGeometry g = GeometryOf(a);
    SetAxes(a, g, c);
    c.Clear();
    SetColours(a, c);

    DrawFaceReaction(a, c.Get("Series45"));
    DrawOutline(a, c.Get("Series1"));
    DrawSlipLine(a, g, c.Get("Series5"));
    DrawSurchargeLine(a, g, c.Get("Series6"));
    DrawGroundSurface(a, g, c.Get("Series4"));
    DrawComponents(a, c);
    DrawResultant(a, c.Get("Series7"));
    DrawMiddleThird(g.B, c);
    ReactionDiagram(a, c.Get("Series2"), 0);
    DrawDistribution(a, g, c.Get("Series13"));
    DrawWaterPressure(a, g.B, c.Get("Series20"));
    DrawPassiveGround(a, c.Get("Series16"));
}

}  // namespace stelvar
