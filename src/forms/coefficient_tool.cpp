#include "forms/coefficient_tool.h"

#include <string>

#include "forms/control_builders.h"

namespace stelvar {

namespace ct = coefficient_tool;

namespace {

struct SoilType {
    const char* Gamma;
    const char* Phi;
};
// Unit weight (kN/m3) and shear resistance angle (degrees) of gravelly, sandy and
// cohesive backfill.
constexpr SoilType kSoilTypes[] = {{"20", "35"}, {"19", "30"}, {"18", "25"}};

}  // namespace

ControlStore CoefficientToolDefaults() {
    using namespace controls;
    ControlStore s;
    s.Add(std::string(ct::kPages),
          Selection(ControlKind::PageControl, {"土圧係数", "支持力係数　Nc", "支持力係数　Nq", "支持力係数　Nγ"}, 0));
    s.Add(std::string(ct::kEarthPressurePage), Captioned("土圧係数", Sheet(true)));
    s.Add(std::string(ct::kNcPage), Captioned("支持力係数　Nc", Sheet(true)));
    s.Add(std::string(ct::kNqPage), Captioned("支持力係数　Nq", Sheet(true)));
    s.Add(std::string(ct::kNgammaPage), Captioned("支持力係数　Nγ", Sheet(true)));

    s.Add(std::string(ct::kSoilType), Captioned("土質", Group({"礫質土", "砂質土", "粘性土"}, 0)));
    s.Add(std::string(ct::kDesignCase), Captioned("地震", Group({"常時", "地震時"}, 0)));
    // The ordinary case starts selected, so kh starts closed.
    s.Add(std::string(ct::kKh), Captioned("kh=", Combo("0.0", {"0.1", "0.15", "0.2", "0.25", "0.3"}, false)));
    s.Add(std::string(ct::kGamma),
          Hinted("単位重量(kN/m3)", Captioned("γ=", Combo("20", {"20", "19", "18"}, true))));
    s.Add(std::string(ct::kPhi),
          Hinted("せん断抵抗角(度)", Captioned("φ=", Combo("35", {"35", "30", "25"}, true))));
    s.Add(std::string(ct::kCohesion), Hinted("粘着力(kN/m2)", Captioned("C=", Combo("0", {"0", "1"}, true))));

    s.Add(std::string(ct::kWallTypes),
          Captioned("擁壁タイプ", Selection(ControlKind::PageControl, {"重力式１", "重力式２", "もたれ式", "逆Ｔ型"}, 0)));
    s.Add(std::string(ct::kWallTypeSheets[0]), Captioned("重力式１", Sheet(true)));
    s.Add(std::string(ct::kWallTypeSheets[1]), Captioned("重力式２", Sheet(true)));
    s.Add(std::string(ct::kWallTypeSheets[2]), Captioned("もたれ式", Sheet(true)));
    s.Add(std::string(ct::kWallTypeSheets[3]), Captioned("逆Ｔ型", Sheet(true)));
    s.Add(std::string(ct::kGravityBatter), Combo("0.3", Tenths(0, 6, 1), true));
    Items leaning;
    for (const std::string& t : Tenths(0, 6, 1)) leaning.push_back(t == "0.0" ? t : "-" + t);
    s.Add(std::string(ct::kLeaningBatter), Combo("-0.3", leaning, true));
    return s;
}

void CoefficientToolForm::SetIndex(std::string_view name, int index) {
    const int before = Controls().State(name).ItemIndex;
    FormModel::SetIndex(name, index);
    const int now = Controls().Index(name);
    if (now == before) return;

    if (name == ct::kSoilType && now >= 0) {
        const SoilType& soil = kSoilTypes[now];
        SetText(ct::kGamma, soil.Gamma);
        SetText(ct::kPhi, soil.Phi);
    } else if (name == ct::kDesignCase && now >= 0) {
        const bool seismic = now == 1;
        SetText(ct::kKh, seismic ? "0.1" : "0.0");
        SetEnabled(ct::kKh, seismic);
        SetBackground(ct::kKh, seismic ? clWhite : clSilver);
    }
}

void CoefficientToolForm::ShowCoefficientTool(FormModel& conditions) {
    SetIndex(ct::kWallTypes, ct::kGravityPage);
    conditions.SetIndex(ct::kConditionsSeismicLoad, ct::kSeismicEarthPressureAndInertia);
}

void CoefficientToolForm::ShowPages(bool earthPressure) {
    SetIndex(ct::kPages, earthPressure ? 0 : 1);
    MutableControls().SetVisible(ct::kEarthPressurePage, earthPressure);
    MutableControls().SetVisible(ct::kNcPage, !earthPressure);
    MutableControls().SetVisible(ct::kNqPage, !earthPressure);
    MutableControls().SetVisible(ct::kNgammaPage, !earthPressure);
}

void CoefficientToolForm::ShowEarthPressureMode() { ShowPages(true); }
void CoefficientToolForm::ShowBearingFactorMode() { ShowPages(false); }

}  // namespace stelvar
