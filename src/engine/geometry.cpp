// Wall outline points, named regions with their area and centroid, and the surface line
// of the backfill and its loads.

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "engine/engine.h"
#include "engine/float_errors.h"

namespace stelvar {
namespace {

void SetPoint(TTeisu& t, int i, double x, double y) {
    t.PointX[static_cast<std::size_t>(i)] = x;
    t.PointY[static_cast<std::size_t>(i)] = y;
}

double Px(const TTeisu& t, int i) { return t.PointX[static_cast<std::size_t>(i)]; }
double Py(const TTeisu& t, int i) { return t.PointY[static_cast<std::size_t>(i)]; }

// Point lists of the regions, walked with the interior on the right (clockwise, y up).
struct RegionDef {
    int Code;
    std::initializer_list<int> Points;
};

const RegionDef kRegions[] = {
    {0, {0, 0, 0, 0, 0}},
    {1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 0}},
    {2, {18, 6, 7, 8, 9, 18}},
    {3, {0, 1, 2, 3, 17, 0}},
    {5, {0, 1, 14, 19, 0}},
    {6, {0, 31, 16, 9, 10, 11, 12, 13, 0}},
    {8, {0, 1, 2, 3, 31, 16, 6, 7, 8, 9, 10, 11, 12, 13, 0}},
    {9, {1, 24, 26, 3, 2, 1}},
    {10, {1, 24, 25, 3, 2, 1}},
    {11, {6, 5, 22, 23, 8, 7, 6}},
    {12, {6, 21, 22, 23, 8, 7, 6}},
    {14, {6, 16, 20, 8, 7, 6}},
    {16, {1, 27, 15, 3, 2, 1}},
    {17, {1, 24, 30, 14, 2, 1}},
    {18, {1, 24, 30, 14, 1}},
    {19, {18, 29, 16, 9, 18}},
    {21, {18, 6, 7, 8, 9, 18}},
    {22, {0, 15, 28, 17, 0}},
    {24, {0, 1, 2, 3, 17, 0}},
    {25, {0, 15, 32, 19, 0}},
    {28, {0, 1, 14, 19, 0}},
    {31, {1, 27, 28, 3, 2, 1}},
    {34, {1, 27, 32, 14, 1}},
    {37, {6, 29, 20, 8, 7, 6}},
};

enum class WaterLevel { None, WithinBase, AboveBase };

WaterLevel ClassifyWater(const TShape& s) {
    if (s.Hw <= 0.0) return WaterLevel::None;
    if (s.Hw <= Py(s, 1)) return WaterLevel::WithinBase;
    return WaterLevel::AboveBase;
}

int RegionCode(const TShape& s, std::string_view name) {
    const WaterLevel w = ClassifyWater(s);
    const auto byWater = [w](int none, int within, int above) {
        switch (w) {
            case WaterLevel::None: return none;
            case WaterLevel::WithinBase: return within;
            case WaterLevel::AboveBase: return above;
        }
        return none;
    };
    const double tT = Px(s, 2);
    const double hB = Py(s, 1);
    // The front soil exists only when H0 exceeds the base thickness; P24 is set then.
    const bool frontSoil = Py(s, 24) > hB;

    if (name == "W_A") return 1;
    if (name == "W_FA") return byWater(0, 6, 8);
    if (name == "T_M") return 3;
    if (name == "T_S") return 0 < tT - hB / 2 ? 5 : 0;
    if (name == "T_FM") return byWater(0, 22, 24);
    if (name == "T_FS") return byWater(0, 25, 28);
    if (name == "K_M") return 2;
    if (name == "K_FM") return byWater(0, 19, 21);
    if (name == "TS_A") return frontSoil ? 9 : 0;
    if (name == "TS_M") return frontSoil ? 10 : 0;
    if (name == "TS_S") {
        if (!frontSoil) return 0;
        const double xs = Px(s, 14);
        if (xs < tT) return 18;
        if (xs == tT) return 17;
        return 0;
    }
    if (name == "TS_FA") return byWater(0, 0, 16);
    if (name == "TS_FM") return byWater(0, 0, 31);
    if (name == "TS_FS") return byWater(0, 0, 34);
    if (name == "KS_A") return 11;
    if (name == "KS_M") return 12;
    if (name == "KS_FA") return byWater(0, 0, 14);
    if (name == "KS_FM") return byWater(0, 0, 37);
    return 0;
}

const RegionDef& RegionByCode(int code) {
    for (const RegionDef& r : kRegions)
        if (r.Code == code) return r;
    return kRegions[0];
}

}  // namespace

void BuildOutline(TTeisu& t, const WallDimensions& d) {
    t.PointX.fill(0.0);
    t.PointY.fill(0.0);

    const double H = d.hS + d.hB;
    const double wB = d.B - d.tT - d.wF - d.wC - d.wK;
    // Toe check section: half a base thickness in front of the stem, not past the toe.
    const double xs = d.hB / 2 < d.tT ? d.tT - d.hB / 2 : d.tT;
    const double hw = t.Hw;

    // Points on the faces of the stem at a given height are interpolated over the stem
    // height; a stem without height has no faces to interpolate on.
    if (d.hS == 0.0 && (hw > d.hB || d.H0 > d.hB)) throw EngineError(kFloatDivisionByZero);

    SetPoint(t, 0, 0, 0);
    SetPoint(t, 1, 0, d.hB);
    SetPoint(t, 2, d.tT, d.hB);
    SetPoint(t, 3, d.tT, d.hB);
    SetPoint(t, 4, d.tT + d.wF, H);
    SetPoint(t, 5, d.tT + d.wF + d.wC, H);
    SetPoint(t, 6, d.B - d.wK, d.hB);
    SetPoint(t, 7, d.B - d.wK, d.hB);
    SetPoint(t, 8, d.B, d.hB);
    SetPoint(t, 9, d.B, 0);
    SetPoint(t, 10, d.kp + d.kw, 0);
    SetPoint(t, 11, d.kp + d.kw, -d.kd);
    SetPoint(t, 12, d.kp, -d.kd);
    SetPoint(t, 13, d.kp, 0);
    SetPoint(t, 14, xs, d.hB);

    if (hw <= d.hB) {
        SetPoint(t, 15, 0, hw);
        SetPoint(t, 16, d.B, hw);
    } else {
        const double dd = std::min(hw - d.hB, d.hS);
        SetPoint(t, 15, d.tT + d.wF * dd / d.hS, hw);
        SetPoint(t, 16, d.B - d.wK - wB * dd / d.hS, hw);
    }

    SetPoint(t, 17, d.tT, 0);
    SetPoint(t, 18, d.B - d.wK, 0);
    SetPoint(t, 19, xs, 0);
    SetPoint(t, 20, d.B, hw);

    const double tanBeta = std::tan(t.Beta);
    const double x5 = d.tT + d.wF + d.wC;
    switch (t.BackfillShape) {
        case 2:
            SetPoint(t, 21, d.B - d.wK, H + wB * tanBeta);
            SetPoint(t, 22, d.B - d.wK, H + wB * tanBeta);
            SetPoint(t, 23, d.B, H + (wB + d.wK) * tanBeta);
            break;
        case 3:
            if (wB + d.wK > t.SlopeRun) {
                // The embankment slope ends before the heel end: flat top from P22 to
                // P23. Where it ends even before the foot of the back face, the surface
                // above that foot is the flat top, not the slope produced beyond it.
                SetPoint(t, 21, d.B - d.wK, H + std::min(wB * tanBeta, t.Hs));
                SetPoint(t, 22, x5 + t.SlopeRun, H + t.Hs);
                SetPoint(t, 23, d.B, H + t.Hs);
            } else {
                SetPoint(t, 21, d.B - d.wK, H + wB * tanBeta);
                SetPoint(t, 22, d.B - d.wK, H + wB * tanBeta);
                SetPoint(t, 23, d.B, H + (wB + d.wK) * tanBeta);
            }
            break;
        default:
            SetPoint(t, 21, d.B - d.wK, H);
            SetPoint(t, 22, d.B - d.wK, H);
            SetPoint(t, 23, d.B, H);
            break;
    }

    if (d.H0 > d.hB) {
        SetPoint(t, 24, 0, d.H0);
        SetPoint(t, 25, d.tT, d.H0);
        SetPoint(t, 26, d.tT + d.wF * (d.H0 - d.hB) / d.hS, d.H0);
        SetPoint(t, 30, xs, d.H0);
    }
    SetPoint(t, 27, 0, hw);
    SetPoint(t, 28, d.tT, hw);
    SetPoint(t, 29, d.B - d.wK, hw);
    SetPoint(t, 31, Px(t, 15), Py(t, 15));
    SetPoint(t, 32, xs, hw);
}

AreaResult PolygonArea(const TShape& s) {
    double A = 0.0;
    double Mx = 0.0;
    double My = 0.0;
    const int high = std::clamp(s.RegHigh, 0, static_cast<int>(s.RegX.size()) - 1);
    double x = s.RegX[0];
    double y = s.RegY[0];
    for (int j = 0; j < high; ++j) {
        const auto next = static_cast<std::size_t>(j + 1);
        const double dx = s.RegX[next] - x;
        const double dy = s.RegY[next] - y;
        // Triangle part of the trapezoid under the edge.
        const double T = dx * dy / 2;
        A += T;
        Mx += (x + 2 * dx / 3) * T;
        My += (y + dy / 3) * T;
        // Rectangle part.
        const double R = dx * y;
        A += R;
        Mx += (x + dx / 2) * R;
        My += R * y / 2;
        x = s.RegX[next];
        y = s.RegY[next];
    }
    AreaResult out;
    out.A = A;
    if (A > 0.0) {
        out.Xc = Mx / A;
        out.Yc = My / A;
    }
    return out;
}

RegionResult QueryRegion(TShape& s, std::string_view name) {
    const RegionDef& def = RegionByCode(RegionCode(s, name));
    s.RegX.fill(0.0);
    s.RegY.fill(0.0);
    std::size_t j = 0;
    for (int p : def.Points) {
        s.RegX[j] = Px(s, p);
        s.RegY[j] = Py(s, p);
        ++j;
    }
    s.RegHigh = static_cast<std::int32_t>(j) - 1;

    const AreaResult area = PolygonArea(s);
    RegionResult out;
    out.A = area.A;
    out.Xc = area.Xc;
    out.Yc = area.Yc;

    // Corners for drawing: a point repeating its predecessor is left out.
    out.X.push_back(s.RegX[0]);
    out.Y.push_back(s.RegY[0]);
    for (std::size_t k = 1; k < j; ++k) {
        if (s.RegX[k] != s.RegX[k - 1] || s.RegY[k] != s.RegY[k - 1]) {
            out.X.push_back(s.RegX[k]);
            out.Y.push_back(s.RegY[k]);
        }
    }
    out.Count = static_cast<int>(out.X.size()) - 1;
    return out;
}

SurfaceLine QuerySurfaceLine(TShape& s, int kind) {
    const WindowSettings& set = s.Settings;
    double a = 0.0;  // load on the slope part, as an equivalent soil height (m)
    double c = 0.0;  // load on the flat part
    double x0 = 0.0;
    double y0 = 0.0;
    if (kind == 2) {
        a = (set.SurchargeOn && set.SurchargeOnWholeSurface ? s.Q : 0.0) +
            (set.SnowOn ? s.SwSlope : 0.0);
        c = (set.SurchargeOn ? s.Q : 0.0) + (set.SnowOn ? s.SwFlat : 0.0);
        if (s.GammaS > 0.0) {
            a = a / s.GammaS;
            c = c / s.GammaS;
        } else {
            // A weightless backfill has no equivalent soil height to draw.
            a = 0.0;
            c = 0.0;
        }
        // A surcharge on the flat part only starts at the top of an embankment slope,
        // unless snow lies on the slope.
        const bool snowOnSlope = set.SnowOn && s.SwSlope > 0.0;
        if (!set.SurchargeOnWholeSurface && !snowOnSlope) {
            x0 = s.SlopeRun;
            y0 = s.Hs;
        }
    }

    SurfaceLine line;
    double lx[5] = {};
    double ly[5] = {};
    int high = 2;
    switch (s.BackfillShape) {
        case 2:
            lx[0] = x0;
            ly[0] = y0;
            lx[1] = x0;
            ly[1] = y0 + a;
            lx[2] = 100;
            ly[2] = 100 * std::tan(s.Beta) + a;
            line.FirstLabelValue = a * s.GammaS;
            break;
        case 3:
            high = 4;
            lx[0] = x0;
            ly[0] = y0;
            lx[1] = x0;
            ly[1] = y0 + a;
            lx[2] = s.SlopeRun;
            ly[2] = s.Hs + a;
            lx[3] = s.SlopeRun;
            ly[3] = s.Hs + c;
            lx[4] = 100;
            ly[4] = s.Hs + c;
            line.FirstLabelValue = a * s.GammaS;
            line.SecondLabelValue = c * s.GammaS;
            line.HasSecondLabel = true;
            line.SecondLabelIndex = 3;
            break;
        default:
            lx[0] = x0;
            ly[0] = 0;
            lx[1] = x0;
            ly[1] = c;
            lx[2] = 100;
            ly[2] = c;
            line.FirstLabelValue = c * s.GammaS;
            break;
    }
    line.FirstLabelIndex = 1;

    s.LoadHigh = high;
    for (int i = 0; i <= high; ++i) {
        const auto k = static_cast<std::size_t>(i);
        s.LoadX[k] = lx[i] + Px(s, 5);
        s.LoadY[k] = ly[i] + Py(s, 4);
        line.X.push_back(s.LoadX[k]);
        line.Y.push_back(s.LoadY[k]);
    }
    return line;
}

}  // namespace stelvar
