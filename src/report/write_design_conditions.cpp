// Table of contents, section "Ⅰ.設計条件" and the dimensioned wall figure.

#include <algorithm>
#include <numbers>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "report/format_number.h"
#include "report/report_colours.h"
#include "report/report_writers.h"
#include "text/number.h"

namespace stelvar {
namespace {

constexpr double kPi = std::numbers::pi;

double Deg(double radians) { return radians * 180 / kPi; }

bool IsGravity(const TTeisu& t) { return t.WallType == 0; }

// ---- Table of contents ------------------------------------------------------------

void WriteContents(const TAntei& a, const ControlSource& controls, ResultsStore& store,
                   std::string_view projectTitle) {
    ListBoxContent& l = store.List("ListBox20");
    l.Clear();
    l.Add("件　名：" + std::string(projectTitle));
    l.Add("");
    l.Add("");
    l.Add(IsGravity(a) ? "　　　　重力式擁壁計算書　目次" : "　　　　もたれ式擁壁計算書　目次");
    l.Add("");
    l.Add(a.LoadCase == 1 ? "　　　　　　（地震時）" : "　　　　　　（常　時）");
    l.Add("");
    l.Add("Ⅰ.設計条件　　　　　　　　　  ・・・・P1");
    l.Add("");
    l.Add("");
    l.Add("Ⅱ.荷重計算");
    l.Add("");
    l.Add("   1.荷重計算(自重:安定計算用) ・・・・P2");
    l.Add("");
    l.Add("   2.荷重計算(自重:構造計算用) ・・・・P3");
    l.Add("");
    l.Add("   3.荷重計算(土圧等)　　　　  ・・・・P4");
    l.Add("");
    l.Add("");
    l.Add("Ⅲ.安定計算");
    l.Add("");
    l.Add("   1.安定計算(滑動,転倒,支持力)・・・・P5");
    l.Add("");
    l.Add("        　　 (極限支持力)　　　・・・・P6");
    l.Add("");
    l.Add("   2.荷重図　　　　　　　　　  ・・・・P7");
    l.Add("");
    l.Add("");
    l.Add("Ⅳ-1.構造計算:たて壁");
    l.Add("");
    l.Add("     1.断面力　　　　　        ・・・・P8");
    l.Add("");
    l.Add("     2.応力度　　　　　        ・・・・P9");
    l.Add("");

    // The base-slab chapter lists only the slabs the wall has; the entered widths decide,
    // the leaning wall having no heel.
    const bool gravity = IsGravity(a);
    const double t = a.PointY[1];
    const double toe = StrToFloat(controls.Text(gravity ? "Edit34" : "Edit58"));
    const double heel = gravity ? StrToFloat(controls.Text("Edit30")) : 0.0;
    const bool key = a.Settings.KeyOn;

    const auto headline = [&] {
        l.Add("Ⅳ-2.構造計算:底版");
        l.Add("");
    };
    const auto page = [&](std::string_view caption, const char* number) {
        store.GetCaption(caption).Text = number;
    };
    const char* const keyFirst = "     1.突起                    ・・・・P10";
    const char* const keySecond = "     2.突起                    ・・・・P11";
    const char* const keyThird = "     3.突起                    ・・・・P12";

    if (t <= 0) {
        if (key) {
            headline();
            l.Add(keyFirst);
        }
        return;
    }
    if (gravity) {
        if (toe > 0 && heel > 0) {
            headline();
            l.Add("     1.つま先版　　  　        ・・・・P10");
            l.Add("");
            l.Add("     2.かかと版                ・・・・P11");
            if (key) {
                l.Add("");
                l.Add(keyThird);
            }
            page(kToePageNumber, "P10");
            page(kHeelPageNumber, "P11");
            page(kKeyPageNumber, "P12");
        } else if (toe > 0) {
            headline();
            l.Add("     1.つま先版　　  　        ・・・・P10");
            if (key) {
                l.Add("");
                l.Add(keySecond);
            }
            page(kToePageNumber, "P10");
            page(kKeyPageNumber, "P11");
        } else if (heel > 0) {
            headline();
            l.Add("     1.かかと版                ・・・・P10");
            if (key) {
                l.Add("");
                l.Add(keySecond);
            }
            page(kHeelPageNumber, "P10");
            page(kKeyPageNumber, "P11");
        } else if (key) {
            headline();
            l.Add(keyFirst);
            page(kKeyPageNumber, "P10");
        }
        return;
    }
    if (toe > 0) {
        headline();
        l.Add("     1.つま先版  　　　        ・・・・P10");
        if (key) {
            l.Add("");
            l.Add(keySecond);
        }
        page(kToePageNumber, "P10");
        page(kKeyPageNumber, "P11");
    } else if (key) {
        headline();
        l.Add(keyFirst);
        page(kKeyPageNumber, "P10");
    }
}

// ---- Design conditions --------------------------------------------------------------

// Millimetres of an outline length held in metres.
double Mm(double metres) { return metres * 1000; }

void WriteOutline(const TAntei& a, ListBoxContent& l) {
    const auto& X = a.PointX;
    const auto& Y = a.PointY;
    const bool gravity = IsGravity(a);
    l.Add(gravity ? " 　 1)擁壁のタイプ    =重力式擁壁" : " 　 1)擁壁のタイプ    =もたれ式擁壁");
    l.Add(FormatNumber(" 　 2)たて壁前面勾配幅=0,0", Mm(X[4] - X[3])));
    l.Add(FormatNumber("　  3)たて壁天端幅    =0", Mm(X[5] - X[4])));
    // The leaning wall's back batter is negative: its sign must follow the "=".
    if (gravity)
        l.Add(FormatNumber(" 　 4)たて壁背面勾配幅=0,0", Mm(X[6] - X[5])));
    else
        l.Add(" 　 4)たて壁背面勾配幅=" + FormatNumber("0,0", Mm(X[6] - X[5])));
    l.Add(FormatNumber("    5)たて壁高さ      =0,0", Mm(Y[4] - Y[3])));
    l.Add(FormatNumber(" 　 6)つま先版幅      =0", Mm(X[3] - X[1])));
    if (gravity) {
        l.Add(FormatNumber("　  7)かかと版幅      =0", Mm(X[8] - X[6])));
        l.Add(FormatNumber("　  8)底版幅          =0,0", Mm(X[9] - X[0])));
        l.Add("　  9)底版厚          =" + FormatNumber("0", Mm(Y[1] - Y[0])));
    } else {
        l.Add(FormatNumber("　  7)底版幅          =0,0", Mm(X[9] - X[0])));
        l.Add("　  8)底版厚          =" + FormatNumber("0", Mm(Y[1] - Y[0])));
    }
    l.Add("   10)ブロック長      =" + FormatNumber("0,0", Mm(a.Settings.BlockLength)));

    if (a.Settings.KeyOn) {
        l.Add("　 突起形状");
        l.Add(FormatNumber("　  1)位置            =0", Mm(X[13])));
        l.Add(FormatNumber("　  2)幅              =0", Mm(X[11] - X[12])));
        l.Add(FormatNumber("　  3)高さ            =0", Mm(Y[13] - Y[12])));
    } else {
        l.Add("　 突起無し");
    }
}

void WriteFirstList(const TAntei& a, const ControlSource& controls, ResultsStore& store) {
    ListBoxContent& l = store.List("ListBox7");
    l.Clear();
    const bool precast = controls.Index("RadioGroup3") == 1;

    l.Add("1.裏込土の諸量");
    switch (a.Settings.SoilType) {
        case 1: l.Add("  土質：砂質土"); break;
        case 2: l.Add("  土質：粘性土"); break;
        default: l.Add("  土質：砂、砂礫"); break;
    }
    l.Add(FormatNumber("  土の単位重量(γs)   =0.00kN/m3", a.GammaS));
    l.Add(FormatNumber("  剪断抵抗角(φ)    　=0.0度", Deg(a.Phi)));
    l.Add(FormatNumber("  粘着力(c)           =0.00kN/m2", a.C));
    l.Add("");

    l.Add("2.根入れ地盤の諸量");
    l.Add(FormatNumber("  根入れ地盤の土の単位重量(γ2) =0.00kN/m3", a.Gamma2));
    l.Add(FormatNumber("  根入れ地盤の剪断抵抗角(φ)    =0.0度", static_cast<double>(a.Phi2Deg)));
    l.Add(FormatNumber("  根入れ地盤の粘着力(c)         =0.00kN/m2", a.C2));
    l.Add(FormatNumber("  根入れ地盤への根入れ深さ(Df)  =0.0m", a.Df));
    l.Add("");

    l.Add("3.支持地盤の諸量");
    l.Add(FormatNumber("  支持地盤の土の単位重量(γ1)   =0.00kN/m3", a.Gamma1));
    l.Add(FormatNumber("  支持地盤の剪断抵抗角(φ)      =0.0度", Deg(a.Phi1)));
    l.Add(FormatNumber("  支持地盤の粘着力(c)           =0.00kN/m2", a.C1));
    l.Add("  支持地盤への根入れ深さ(Df')   =" + FormatNumber("0.0m", a.DfB));
    l.Add("  許容鉛直支持力度(qa0)         =" + FormatNumber("0.00kN/m2", a.Qa0));
    l.Add(FormatNumber("  擁壁底面と地盤間の摩擦係数(μ)=0.0", a.Mu));
    l.Add(FormatNumber("  擁壁底面と地盤間の付着力(Cb)  =0.00kN/m2", a.Cb));
    l.Add(precast ? "   (既製品は、φb=φ2/3とする)" : "   (場所打は、φb=φとする)");
    l.Add("");

    l.Add("4.荷重");
    l.Add(" (1)自重");
    l.Add(precast ? "  ①躯体             ：既製品" : "　①躯体             ：場所打ち");
    l.Add(FormatNumber("  ②ｺﾝｸﾘｰﾄの単位重量(γc)=0.0kN/m3", a.GammaC));
    l.Add("　③擁壁形状（単位ｍｍ）");
    WriteOutline(a, l);
    l.Add("");

    l.Add(" (2)背面土形状、載荷重");
    switch (a.BackfillShape) {
        case 2:
            l.Add("  ①背面土形状:法面");
            l.Add(FormatNumber("　  法勾配            =1：0.0", a.N));
            break;
        case 3:
            l.Add("  ①背面土形状:盛土");
            l.Add(FormatNumber("　  1)法勾配          =1：0.0", a.N));
            l.Add("　  2)盛土高          =" + FormatNumber("0.000m", a.Hs));
            break;
        default:
            l.Add("  ①背面土形状:平坦");
            break;
    }
    l.Add("");

    l.Add("　②載荷重");
    l.Add(FormatNumber("　  1)載荷重強度      =0.0kN/m2", a.Q));
    if (a.Q <= 0)
        l.Add("　  2)載荷位置        =載荷重なし");
    else
        l.Add(std::string("　  2)載荷位置        =") +
              (a.Settings.SurchargeOnWholeSurface ? "全面" : "平坦部"));
    l.Add("");

    l.Add("　③雪荷重");
    l.Add(FormatNumber("　  1)平坦部          =0.00kN/m2", a.SwFlat));
    l.Add(FormatNumber("　  2)法面部          =0.00kN/m2", a.SwSlope));
    l.Add("");

    l.Add("　④土圧");
    l.Add(a.SurchargeMode == 1 ? "　  載荷重等の扱い    ：別途計算し加算"
                               : "　  載荷重等の扱い    ：土塊に含み計算");
    if (a.LoadCase == 1) {
        // The gathered seismic mode stands for the choice "地震時荷重(常時は無効)".
        switch (a.SeismicMode) {
            case 1:
                l.Add("　  地震時荷重の計算　：載荷重無し常時土圧");
                l.Add("　                      及び躯体慣性力");
                break;
            case 4:
                l.Add("　  地震時荷重の計算　：地震時慣性力土圧のみ");
                break;
            default:
                l.Add("　  地震時荷重の計算　：地震時慣性力土圧");
                l.Add("　                      及び躯体慣性力");
                break;
        }
    }
    l.Add("");

    l.Add(" (3)設計震度");
    if (a.LoadCase == 1)
        l.Add("　  設計水平震度  (Kh)=Kho･Cz=" + controls.Text("Edit61"));
    else
        l.Add("    設計水平震度(Kh)  =0.0");
}

void WriteSecondList(const TAntei& a, const ControlSource& controls, ResultsStore& store) {
    ListBoxContent& l = store.List("ListBox10");
    l.Clear();
    l.Add(" (4)その他の荷重");
    l.Add("　①受働土圧");
    l.Add("　  有効根入長(Ho)    =" + controls.Text("Edit54") + "m");
    l.Add("");
    l.Add("　②水圧");
    l.Add(FormatNumber("　  水深(H1)          =0.000m", a.Hw));
    l.Add(FormatNumber("　  単位重量(γw)     =0.00kN/m3", a.GammaW));
    l.Add(a.Settings.SlabBuoyancyOn ? "　  ＊底版の構造計算に浮力を考慮する。"
                                    : "　  ＊底版の構造計算に浮力を考慮しない。");
    l.Add("");
    l.Add("　③風荷重");
    l.Add(FormatNumber("　  遮音壁高(H2)      =0.000m", a.H2));
    l.Add(FormatNumber("　  荷重強度(P)       =0.00kN/m2", a.PWind));
    l.Add("");
    l.Add("　④衝突荷重");
    // The record's H3 already stands above the base; the line shows the height as typed.
    l.Add("　  作用高(H3)　      =" + controls.Text("ComboBox9") + "m");
    l.Add(FormatNumber("　  衝突荷重(P)       =0.00kN", a.Pcol));
    l.Add(FormatNumber("　  擁壁長(L)　       =0.000m", a.Lc));
    l.Add("");
    l.Add("5.許容応力度");
    l.Add(" (1)ｺﾝｸﾘｰﾄ");
    l.Add(FormatNumber("　①設計強度  (σck)  =0.00N/mm2", a.SigmaCk));
    l.Add(FormatNumber("　②圧縮応力度(σca)  =0.00N/mm2", a.SigmaCa));
    l.Add(FormatNumber("　③引張応力度(σcat) =0.00N/mm2", a.SigmaCat));
    l.Add(FormatNumber("　④剪断応力度(τca)  =0.00N/mm2", a.TauCa));
}

// ---- Wall figure ------------------------------------------------------------------

enum class Direction { Horizontal, Vertical };

// A dimension chain: extension lines with arrowheads at the nodes and the length of each
// segment (in millimetres) as a label along it.
void DimensionChain(ChartSeries& s, const std::vector<double>& segments, Direction dir,
                    double start, double fixed, double divisor) {
    s.Clear();
    if (segments.empty() || (segments.size() == 1 && segments[0] == 0)) return;

    // Coordinates along and across the chain; a vertical chain exchanges x and y.
    const auto put = [&](double along, double across, std::string label) {
        if (dir == Direction::Horizontal)
            s.Add(along, across, std::move(label));
        else
            s.Add(across, along, std::move(label));
    };
    enum class Node { Start, Middle, End };
    const auto node = [&](double p, Node kind) {
        const double q = fixed;
        const double h = 0.03;
        put(p, q, " ");
        put(p, q + 0.3, " ");
        put(p, q - 0.3, " ");
        put(p, q, " ");
        switch (kind) {
            case Node::Start:
                put(p + h, q + h, " ");
                put(p, q, " ");
                put(p + h, q - h, " ");
                put(p, q, " ");
                break;
            case Node::Middle:
                put(p - h, q + h, " ");
                put(p, q, " ");
                put(p + h, q + h, " ");
                put(p, q, " ");
                put(p + h, q - h, " ");
                put(p, q, " ");
                put(p - h, q - h, " ");
                put(p, q, " ");
                break;
            case Node::End:
                put(p - h, q + h, " ");
                put(p, q, " ");
                put(p - h, q - h, " ");
                put(p, q, " ");
                break;
        }
    };

    s.MarksVisible = true;
    double p = start;
    node(p, Node::Start);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const double len = segments[i];
        const bool last = i + 1 == segments.size();
        put(p + len / divisor, fixed,
            len == 0 && !last ? std::string(" ") : FormatNumber("0,0", Mm(len)));
        p = p + len;
        node(p, last ? Node::End : Node::Middle);
    }
}

void DrawWallFigure(TAntei& a, ResultsStore& store) {
    const auto& X = a.PointX;
    const auto& Y = a.PointY;
    const double H = Y[4];
    const bool embankment = a.BackfillShape == 3;

    Chart& c = store.GetChart("Chart2");
    c.Get("Series15").SeriesColour = clBlack;
    c.Get("Series22").SeriesColour = clBlack;
    c.Get("Series21").SeriesColour = report_colours::Ink(a.Settings, clMaroon);
    c.Clear();

    const double right = std::max(X[5], X[9]);
    double xmax = right + 2.8;
    double ymax = H + 1.5;
    if (embankment) {
        xmax = std::max(xmax, X[5] + a.SlopeRun + 1);
        ymax = H + a.Hs + 1.5;
    }
    c.SetRange(xmax, -1.8, ymax, Y[12] - 2);

    const RegionResult body = QueryRegion(a, "W_A");
    ChartSeries& outline = c.Get("Series15");
    for (std::size_t i = 0; i < body.X.size(); ++i) outline.Add(body.X[i], body.Y[i]);

    // The backfill surface is a bare line: its load labels belong to the load figure.
    const SurfaceLine surface = QuerySurfaceLine(a, 1);
    ChartSeries& ground = c.Get("Series21");
    for (std::size_t i = 0; i < surface.X.size(); ++i) ground.Add(surface.X[i], surface.Y[i]);

    if (a.Settings.PassiveOn) {
        ChartSeries& front = c.Get("Series22");
        front.Add(-10, Y[24]);
        front.Add(X[26], Y[24]);
    }

    // Dimension chains.
    DimensionChain(c.Get("Series23"), embankment ? std::vector<double>{H, a.Hs} : std::vector<double>{H},
                   Direction::Vertical, 0, right + 2, 3);
    if (embankment)
        DimensionChain(c.Get("Series30"), {a.SlopeRun}, Direction::Horizontal, X[5],
                       Y[5] + a.Hs + 0.5, 2);

    const bool keyBelow = Y[12] < 0;
    if (keyBelow)
        DimensionChain(c.Get("Series24"), {-Y[12], Y[1], Y[2] - Y[1], H - Y[3]},
                       Direction::Vertical, Y[12], right + 1, 2);
    else
        DimensionChain(c.Get("Series24"), {Y[1], Y[2] - Y[1], H - Y[3]}, Direction::Vertical, 0,
                       right + 1, 2);

    // Crown chain: front batter, crest, back batter, each only where the face leans.
    // A crown whose back edge overhangs the foot of the back face gets none.
    const bool frontVertical = X[3] == X[4];
    const bool frontBatter = X[3] < X[4];
    const bool backVertical = X[5] == X[6];
    const bool backBatter = X[5] < X[6];
    if ((frontVertical || frontBatter) && (backVertical || backBatter)) {
        std::vector<double> crown;
        if (frontBatter) crown.push_back(X[4] - X[3]);
        crown.push_back(X[5] - X[4]);
        if (backBatter) crown.push_back(X[6] - X[5]);
        DimensionChain(c.Get("Series25"), crown, Direction::Horizontal, X[3], H + 0.5, 2);
    }

    if (IsGravity(a)) {
        const std::vector<double> toe = X[2] >= X[3] ? std::vector<double>{X[3] - X[1]}
                                                     : std::vector<double>{X[2] - X[1], X[3] - X[2]};
        DimensionChain(c.Get("Series26"), toe, Direction::Horizontal, X[1], Y[2] + 0.5, 2);
    }
    const std::vector<double> heel = X[6] >= X[7] ? std::vector<double>{X[8] - X[6]}
                                                  : std::vector<double>{X[7] - X[6], X[8] - X[7]};
    DimensionChain(c.Get("Series27"), heel, Direction::Horizontal, X[6], Y[6] + 0.5, 2);

    DimensionChain(c.Get("Series28"), {X[9]}, Direction::Horizontal, 0, keyBelow ? -1.5 : -1, 2);
    if (keyBelow)
        DimensionChain(c.Get("Series29"), {X[12] - X[0], X[11] - X[12]}, Direction::Horizontal,
                       X[0], Y[12] - 0.5, 2);
    if (a.Settings.PassiveOn)
        DimensionChain(c.Get("Series40"), {Y[24]}, Direction::Vertical, 0, -1, 2);
}

}  // namespace

void WriteDesignConditions(TAntei& a, const ControlSource& controls, ResultsStore& store,
                           std::string_view projectTitle) {
    WriteContents(a, controls, store, projectTitle);
    WriteFirstList(a, controls, store);
    WriteSecondList(a, controls, store);
    DrawWallFigure(a, store);
}

}  // namespace stelvar
