#include "run/input_ranges.h"

#include <charconv>

namespace stelvar {
namespace {

// Generous limits: far beyond any wall that is built, yet small enough that every
// product and power the calculation forms stays finite and the searches stay short.
constexpr double kAngle = 89;        // degrees: a 90° angle has no tangent
constexpr double kLengthMm = 100000; // 100 m, outline and key dimensions in mm
constexpr double kLengthM = 100;     // 100 m, depths and heights entered in m
constexpr double kUnitWeight = 100;  // kN/m3
constexpr double kLoad = 10000;      // kN, kN/m2: loads, cohesions, bearing capacity
constexpr double kStress = 100;      // N/mm2, concrete strengths and allowable stresses
constexpr double kSubmergedReduction = 9;  // kN/m3, taken off a ground's unit weight under water

// Backfill surfaces of the tab strip `TabControl1`.
constexpr int kFlat = 0;
constexpr int kEmbankment = 2;

void AddOutline(std::vector<InputRange>& out, bool gravity) {
    if (gravity) {
        out.insert(out.end(), {{"Edit36", "前面勾配幅(mm)", 0, kLengthMm},
                               {"Edit37", "天端幅(mm)", 0, kLengthMm},
                               {"Edit2", "背面勾配幅(mm)", 0, kLengthMm},
                               {"Edit38", "たて壁高さ(mm)", 0, kLengthMm},
                               {"Edit39", "底板厚(mm)", 0, kLengthMm},
                               {"Edit34", "つま先版幅(mm)", 0, kLengthMm},
                               {"Edit31", "底版幅(mm)", 0, kLengthMm},
                               {"Edit30", "かかと版幅(mm)", 0, kLengthMm}});
    } else {
        out.insert(out.end(), {{"Edit51", "前面勾配幅(mm)", 0, kLengthMm},
                               {"Edit52", "天端幅(mm)", 0, kLengthMm},
                               {"Edit60", "背面勾配幅(mm)", 0, kLengthMm},
                               {"Edit55", "たて壁高さ(mm)", 0, kLengthMm},
                               {"Edit56", "底板厚(mm)", 0, kLengthMm},
                               {"Edit58", "つま先版幅(mm)", 0, kLengthMm},
                               {"Edit59", "底版幅(mm)", 0, kLengthMm}});
    }
}

std::string Figure(double v) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

}  // namespace

std::vector<InputRange> RangesRead(const ControlSource& c) {
    // Under water the bearing capacity takes the grounds' unit weights less a fixed
    // 9 kN/m3; a lighter ground would weigh less than nothing and make qu negative.
    const double groundLow = c.Checked("CheckBox3") ? kSubmergedReduction : 0.0;
    std::vector<InputRange> out = {
        {"Edit15", "裏込め土 γs(kN/m3)", 0, kUnitWeight},
        {"Edit14", "裏込め土 φ(度)", 0, kAngle},
        {"Edit21", "裏込め土 C(kN/m2)", 0, kLoad},
        {"ComboBox7", "γc(kN/m3)", kCheckedBelow, kUnitWeight},
        {"ComboBox8", "γw(重量kN/m3)", 0, kUnitWeight},
        {"Edit16", "qa0(kN/m2)", 0, kLoad},
        {"LabeledEdit8", "根入れ地盤 c(kN/m2)", 0, kLoad},
        {"Edit3", "支持地盤 c(kN/m2)", 0, kLoad},
        {"Edit18", "Cb(kN/m2)", 0, kLoad},
        {"Edit17", "μ", 0, 10},
        {"LabeledEdit7", "根入れ地盤 φ(度)", 0, kAngle},
        {"Edit42", "支持地盤 φ(度)", 0, kAngle},
        {"LabeledEdit5", "支持地盤 γ1(kN/m3)", groundLow, kUnitWeight},
        {"LabeledEdit4", "根入れ地盤 γ2(kN/m3)", groundLow, kUnitWeight},
        {"LabeledEdit3", "根入れ地盤 Df(m)", 0, kLengthM},
        {"LabeledEdit6", "支持地盤 Df'(m)", 0, kLengthM},
        {"Edit1", "載荷重 ｑ(kN/m2)", 0, kLoad},
        {"Edit43", "雪荷重 平坦部(kN/m2)", 0, kLoad},
        {"Edit13", "雪荷重 法面部(kN/m2)", 0, kLoad},
    };
    if (c.Checked("CheckBox3")) out.push_back({"Edit62", "H1(水深m)", 0, kLengthM});
    out.insert(out.end(), {{"ComboBox3", "H2(遮音壁高m)", 0, kLengthM},
                           {"ComboBox2", "P(荷重強度kN/m2)", 0, kLoad},
                           {"ComboBox9", "H3(作用高さm)", 0, kLengthM},
                           {"ComboBox4", "P(衝突荷重kN)", 0, kLoad},
                           {"Edit63", "L(擁壁長m)", 0, kLengthM}});
    if (c.Index("RadioGroup5") == 1) out.push_back({"Edit61", "設計水平震度", 0, 1});
    out.insert(out.end(), {{"Edit50", "σck(N/mm2)", 0, kStress},
                           {"Edit23", "σca(N/mm2)", 0, kStress},
                           {"Edit24", "σcat(N/mm2)", 0, kStress},
                           {"Edit25", "τca(N/mm2)", 0, kStress}});
    const int surface = c.Index("TabControl1");
    if (surface != kFlat) out.push_back({"ComboBox1", "法勾配", 0, 100});
    if (surface == kEmbankment) out.push_back({"Edit28", "盛土高(mm)", 0, kLengthMm});
    AddOutline(out, c.Index("PageControl2") != 1);
    if (c.Index("RadioGroup2") == 1) {
        out.insert(out.end(), {{"Edit35", "突起 位置(mm)", kCheckedBelow, kLengthMm},
                               {"Edit40", "突起 幅(mm)", kCheckedBelow, kLengthMm},
                               {"Edit41", "突起 高さ(mm)", kCheckedBelow, kLengthMm}});
    }
    out.push_back({"Edit54", "H0(有効根入長m)", 0, kLengthM});
    out.push_back({"ComboBox18", "擁壁ﾌﾞﾛｯｸ長 L(m)", 0, kLengthM});
    if (c.Index("RadioGroup11") == 1) {
        if (c.Index("RadioGroup5") == 1)
            out.push_back({"LabeledEdit2", "安全率法の安全率 地震時", 0, 100});
        else
            out.push_back({"LabeledEdit1", "安全率法の安全率 常時", 0, 100});
    }
    return out;
}

namespace {

// Built by appending: GCC 12 warns falsely (-Wrestrict) on chains of string additions.
std::string Bracketed(std::string_view caption, std::string_view rest) {
    std::string out = "[";
    out.append(caption).append("]").append(rest);
    return out;
}

}  // namespace

std::string OutOfRangeMessage(const InputRange& range) {
    std::string rest = "の値が範囲外です。\r";
    if (range.Low == kCheckedBelow)
        rest.append(Figure(range.High)).append("以下の値を入力して下さい。");
    else
        rest.append(Figure(range.Low)).append("～").append(Figure(range.High)).append("の範囲で入力して下さい。");
    return Bracketed(range.Caption, rest);
}

std::string TooSmallMessage(const InputRange& range) {
    std::string rest = "の値が小さすぎます。\r0か、";
    rest.append(Figure(kSmallestFigure)).append("以上の値を入力して下さい。");
    return Bracketed(range.Caption, rest);
}

std::string NotANumberMessage(const InputRange& range) {
    return Bracketed(range.Caption, "の値が数値ではありません。");
}

}  // namespace stelvar
