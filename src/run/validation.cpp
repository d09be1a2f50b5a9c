#include "run/validation.h"

#include <cmath>
#include <numbers>

#include "run/input_ranges.h"
#include "text/number.h"

namespace stelvar {
namespace {

constexpr double kPi = std::numbers::pi;

// Backfill surfaces of the tab strip `TabControl1`.
constexpr int kSlope = 1;       // "法面"
constexpr int kEmbankment = 2;  // "盛土"

class Checker {
public:
    explicit Checker(const std::function<void(const InputFinding&)>& report) : report_(report) {}

    void Warn(int check, std::string_view message) {
        report_({check, FindingKind::Warning, std::string(message)});
    }
    void Refuse(int check, std::string_view message) {
        refused_ = true;
        report_({check, FindingKind::Error, std::string(message)});
    }
    bool Refused() const { return refused_; }

private:
    const std::function<void(const InputFinding&)>& report_;
    bool refused_ = false;
};

}  // namespace

bool CheckInputs(const ControlSource& conditions, const ControlSource& allowableStress,
                 const std::function<void(const InputFinding&)>& report) {
    const ControlSource& c = conditions;
    const auto num = [&c](std::string_view name) { return StrToFloat(c.Text(name)); };
    Checker out(report);

    // Soil constants beyond what a retaining-wall backfill or base can be relied on for.
    if (num("Edit21") > 20) out.Warn(1, "粘着力が過大です。修正する事をお勧めします。");
    if (num("Edit18") > 20) out.Warn(2, "付着力が過大です。修正する事をお勧めします。");

    // The shear key's boxes matter only when there is a key.
    if (c.Index("RadioGroup2") == 1) {
        if (num("Edit35") < 0) out.Refuse(3, "突起位置を再確認して下さい。");
        if (num("Edit40") < 10) out.Refuse(4, "突起幅を再確認して下さい。");
        if (num("Edit41") < 10) out.Refuse(5, "突起高を再確認して下さい。");
    }

    if (num("ComboBox7") < 2) out.Refuse(6, "コンクリート重量を再確認して下さい。");

    // A slope steeper than the backfill's shear angle has no stable wedge.
    const int surface = c.Index("TabControl1");
    if (surface == kSlope) {
        const double gradient = num("ComboBox1");
        if (gradient == 0) {
            out.Refuse(7, "法面勾配を設定して下さい。");
        } else {
            const double phi = num("Edit14") * kPi / 180;
            const double beta = std::atan(1 / gradient);
            if (phi <= beta) out.Refuse(8, "せん断抵抗角より法面勾配が大きいです。修正して下さい。");
        }
    }
    if (surface == kEmbankment) {
        if (num("ComboBox1") == 0) out.Refuse(9, "法面勾配を設定して下さい。");
        if (num("Edit28") == 0) out.Refuse(10, "盛土高を設定して下さい。");
    }

    // Gravity wall: front slope + crest + back slope + toe + heel make the base width.
    if (c.Index("PageControl2") == 0) {
        const double difference = num("Edit36") + num("Edit37") + num("Edit2") + num("Edit34") +
                                  num("Edit30") - num("Edit31");
        if (std::fabs(difference) >= 1) out.Refuse(11, "擁壁形状(幅)を再確認して下さい。");
    }

    // The allowable stresses must belong to the design case being calculated.
    const int designCase = c.Index("RadioGroup5");
    const int stressCase = allowableStress.Index("RadioGroup4");
    if (designCase == 0 && stressCase == 1)
        out.Refuse(12, "[常時計算時]に\r[許容応力度]が[地震時]になっています。\r確認して、訂正して下さい。");
    if (designCase == 1 && stressCase == 0)
        out.Refuse(13, "[地震時計算時]に\r[許容応力度]が[常時]になっています。\r確認して、訂正して下さい。");

    // The ordinary-pressure seismic model carries no surcharge.
    if (designCase == 1 && c.Index("RadioGroup9") == 0 && c.Checked("CheckBox1"))
        out.Warn(14,
                 "[地震時土圧計算法]が[載荷無常時土圧]です。\rしかし、[②載荷重]が[載荷重有り]に"
                 "なっています。\r[②載荷重]を確認してください。\r計算は、このまま続行します。");

    // Magnitudes: a value outside its range would reach the calculation as an endless
    // search or an overflow. NaN fails the comparison and so lies outside every range.
    for (const InputRange& range : RangesRead(c)) {
        const std::string text = c.Text(range.Name);
        double value = 0.0;
        if (!TryStrToFloat(text, value)) {
            out.Refuse(15, NotANumberMessage(range));
            (void)StrToFloat(text);  // the conversion's own message ends the look at the inputs
        }
        const bool below = range.Low != kCheckedBelow && !(value >= range.Low);
        if (below || !(value <= range.High)) {
            out.Refuse(15, OutOfRangeMessage(range));
        } else if (value > 0.0 && value < kSmallestFigure) {
            out.Refuse(15, TooSmallMessage(range));
        }
    }

    return out.Refused();
}

bool ValidateInputs(const ControlSource& conditions, const ControlSource& allowableStress,
                    Dialogs& dialogs) {
    return CheckInputs(conditions, allowableStress,
                       [&dialogs](const InputFinding& f) { dialogs.Message(f.Message); });
}

}  // namespace stelvar
