// The ground-reaction diagram under the base: the reaction intensities hang below the
// base underside (y = 0) at 1 m per 100 kN/m2, with labelled bars at the slab roots and
// the shear-key faces where the slab and key checks need them.

#include "report/reaction_diagram.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "report/format_number.h"

namespace stelvar {
namespace {

// Drawing depth of an intensity below the base underside.
double Depth(double q) { return -q / 100; }

// A vertical bar from the intensity up to the base and back, labelled at its foot.
void Bar(ChartSeries& s, double x, double q, std::string label) {
    s.Add(x, Depth(q), " ");
    s.Add(x, 0.0, " ");
    s.Add(x, Depth(q), std::move(label));
}

// A bar labelled half-way, so that two labels close together (the key's faces) do not
// overlap.
void MidLabelledBar(ChartSeries& s, double x, double q, std::string label) {
    s.Add(x, Depth(q), " ");
    s.Add(x, 0.0, " ");
    s.Add(x, -q / 200, std::move(label));
    s.Add(x, Depth(q), " ");
}

struct PlannedBar {
    double X = 0.0;
    double Q = 0.0;
    std::string Label;
    bool MidLabelled = false;
};

}  // namespace

void ReactionDiagram(const TAntei& a, ChartSeries& series, int mode) {
    if (mode < 0 || mode > 3)
        throw std::out_of_range("reaction diagram mode " + std::to_string(mode) + " outside 0..3");

    const int rc = a.ReactionCase;
    if (rc == 3) return;  // the reaction could not be computed

    const double B = a.PointX[9];
    const bool triangleAtToe = rc == 1 || rc == 7;
    const bool triangleAtHeel = rc == 2;
    const double L = triangleAtToe ? 3 * a.D : triangleAtHeel ? 3 * (B - a.D) : B;
    // A resultant at or beyond the toe (case 7 with d <= 0) leaves no loaded length and
    // no reaction to draw.
    if (!(L > 0.0)) return;

    // Labels of the toe tip and the heel end: the slab diagrams label only their own
    // slab's end, the toe slab's without a unit.
    std::string t1 = mode == 1   ? FormatNumber("0.00", a.Q1)
                     : mode == 2 ? std::string(" ")
                                 : FormatNumber("0.00kN/m2", a.Q1);
    std::string t2 = mode == 1 ? std::string(" ") : FormatNumber("0.00kN/m2", a.Q2);
    std::vector<PlannedBar> bars;
    if (mode == 1) {
        bars.push_back({a.PointX[3], a.Q4, FormatNumber("0.00kN/m2", a.Q4), false});
    } else if (mode == 2) {
        // A triangle at the toe keeps the heel-root bar unlabelled.
        bars.push_back({a.PointX[6], a.Q5,
                        triangleAtToe ? std::string(" ") : FormatNumber("0.00kN/m2", a.Q5),
                        false});
    } else if (mode == 3) {
        bars.push_back({a.PointX[13], a.QKeyFront, FormatNumber("0.00", a.QKeyFront), true});
        bars.push_back({a.PointX[10], a.QKeyBack, FormatNumber("0.00", a.QKeyBack), false});
    }

    // Bars outside the loaded zone of a triangle would stand where the ground carries
    // nothing.
    auto drawBars = [&] {
        for (PlannedBar& b : bars) {
            if (triangleAtToe && !(b.X < L)) continue;
            if (triangleAtHeel && !(b.X > B - L)) continue;
            if (b.MidLabelled)
                MidLabelledBar(series, b.X, b.Q, std::move(b.Label));
            else
                Bar(series, b.X, b.Q, std::move(b.Label));
        }
    };

    if (triangleAtToe) {
        series.Add(0.0, 0.0, " ");
        series.Add(0.0, Depth(a.Q1), std::move(t1));
        drawBars();
        series.Add(L, 0.0, "0.0kN/m2");
    } else if (triangleAtHeel) {
        series.Add(B - L, 0.0, mode == 0 ? "0.0kN/m2" : " ");
        drawBars();
        series.Add(B, Depth(a.Q2), std::move(t2));
        series.Add(B, 0.0, " ");
    } else {
        series.Add(0.0, 0.0, " ");
        series.Add(0.0, Depth(a.Q1), std::move(t1));
        drawBars();
        series.Add(B, Depth(a.Q2), std::move(t2));
        series.Add(B, 0.0, " ");
    }
}

}  // namespace stelvar
