#include "forms/allowable_stress.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "forms/control_builders.h"
#include "text/number.h"

namespace stelvar {

using namespace controls;

ControlStore AllowableStressDefaults() {
    using namespace allowable_stress;
    ControlStore s;
    s.Add(std::string(kStrength), Group({"18", "21", "24"}, 0));
    s.Add(std::string(kDesignCase), Group({"常時", "地震時"}, 0));
    s.Add(std::string(kSigmaCa), Edit("4.5"));
    s.Add(std::string(kSigmaCat), Edit("0.22"));
    s.Add(std::string(kTauCa), Edit("0.33"));
    return s;
}

AllowableStresses ComputeAllowableStresses(double sigmaCk, bool seismic) {
    AllowableStresses s;
    s.SigmaCa = static_cast<float>(std::min(5.5, sigmaCk / 4));
    s.SigmaCat = static_cast<float>(std::min(0.3, sigmaCk / 80));
    s.TauCa = static_cast<float>(sigmaCk / 100 + 0.15);
    if (seismic) {
        s.SigmaCa = static_cast<float>(static_cast<double>(s.SigmaCa) * 1.5);
        s.SigmaCat = static_cast<float>(static_cast<double>(s.SigmaCat) * 1.5);
        s.TauCa = static_cast<float>(static_cast<double>(s.TauCa) * 1.5);
    }
    return s;
}

std::string FormatTwoDecimals(double value) {
    constexpr int kDecimals = 2;
    if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : value > 0 ? "INF" : "-INF";

    // The 18 significant digits and the decimal exponent of the value.
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17e", std::fabs(value));
    std::string digits;
    const char* p = buf;
    for (; *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    const int exponent = std::atoi(p + 1);

    // Digits kept: those before the point (exponent + 1) and the decimals.
    const int kept = exponent + 1 + kDecimals;
    std::string rounded;  // the kept digits, integer part first, without the point
    if (kept < 0) {
        rounded = "0";
    } else {
        const bool up = kept < static_cast<int>(digits.size()) &&
                        digits[static_cast<std::size_t>(kept)] >= '5';
        rounded = digits.substr(0, static_cast<std::size_t>(std::min<int>(kept, 18)));
        rounded.append(static_cast<std::size_t>(std::max(0, kept - 18)), '0');
        if (up) {
            int i = static_cast<int>(rounded.size()) - 1;
            for (; i >= 0 && rounded[static_cast<std::size_t>(i)] == '9'; --i)
                rounded[static_cast<std::size_t>(i)] = '0';
            if (i >= 0)
                ++rounded[static_cast<std::size_t>(i)];
            else
                rounded.insert(rounded.begin(), '1');
        }
    }
    if (rounded.size() < static_cast<std::size_t>(kDecimals + 1))
        rounded.insert(0, static_cast<std::size_t>(kDecimals + 1) - rounded.size(), '0');

    std::string integer = rounded.substr(0, rounded.size() - kDecimals);
    const std::string fraction = rounded.substr(rounded.size() - kDecimals);
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
    const bool zero = rounded.find_first_not_of('0') == std::string::npos;
    return (value < 0 && !zero ? "-" : "") + integer + "." + fraction;
}

void AllowableStressForm::SetIndex(std::string_view name, int index) {
    using namespace allowable_stress;
    const bool reacts = name == kStrength || name == kDesignCase;
    const int before = reacts ? Controls().Index(name) : 0;
    FormModel::SetIndex(name, index);
    if (reacts && Controls().Index(name) != before) Recompute();
}

void AllowableStressForm::Recompute() {
    using namespace allowable_stress;
    // With no strength chosen there is nothing to compute from; the boxes stay.
    if (Controls().Index(kStrength) < 0) return;
    const double sigmaCk = StrToFloat(Controls().Text(kStrength));
    const AllowableStresses s =
        ComputeAllowableStresses(sigmaCk, Controls().Index(kDesignCase) == 1);
    SetText(kSigmaCa, FormatTwoDecimals(s.SigmaCa));
    SetText(kSigmaCat, FormatTwoDecimals(s.SigmaCat));
    SetText(kTauCa, FormatTwoDecimals(s.TauCa));
}

void AllowableStressForm::TransferToDesignConditions(FormModel& conditions) {
    using namespace allowable_stress;
    conditions.SetText("Edit50", Controls().Text(kStrength));
    conditions.SetText("Edit23", Controls().Text(kSigmaCa));
    conditions.SetText("Edit24", Controls().Text(kSigmaCat));
    conditions.SetText("Edit25", Controls().Text(kTauCa));
    visible_ = false;
}

}  // namespace stelvar
