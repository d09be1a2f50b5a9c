#pragma once
// The settings of the coefficient tool as a window model: the soil and the design case
// of the earth-pressure table, the wall type with its back-face batter, and which of the
// tool's pages are shown. The tables themselves are computed in src/report.

#include <array>
#include <string_view>

#include "forms/control_store.h"
#include "forms/form_model.h"

namespace stelvar {

namespace coefficient_tool {
inline constexpr std::string_view kCaption = "土圧係数";

// The notebook of the window and its pages, in page order.
inline constexpr std::string_view kPages = "PageControl1";
inline constexpr std::string_view kEarthPressurePage = "TabSheet1";   // "土圧係数"
inline constexpr std::string_view kNcPage = "TabSheet2";              // "支持力係数　Nc"
inline constexpr std::string_view kNqPage = "TabSheet7";              // "支持力係数　Nq"
inline constexpr std::string_view kNgammaPage = "TabSheet8";          // "支持力係数　Nγ"
inline constexpr std::array<std::string_view, 4> kPageSheets = {kEarthPressurePage, kNcPage, kNqPage,
                                                                kNgammaPage};

// Settings of the earth-pressure table.
inline constexpr std::string_view kSoilType = "RadioGroup1";  // "土質"
inline constexpr std::string_view kDesignCase = "RadioGroup2";  // "地震": "常時", "地震時"
inline constexpr std::string_view kKh = "ComboBox1";       // "kh="
inline constexpr std::string_view kGamma = "ComboBox2";    // "γ="
inline constexpr std::string_view kPhi = "ComboBox3";      // "φ=" (degrees)
inline constexpr std::string_view kCohesion = "ComboBox4"; // "C="

// Wall types of "擁壁タイプ", in page order: gravity without and with a back-face batter,
// leaning wall, inverted-T wall (earth pressure on a vertical plane through the heel).
inline constexpr std::string_view kWallTypes = "PageControl2";
inline constexpr std::array<std::string_view, 4> kWallTypeSheets = {"TabSheet3", "TabSheet4", "TabSheet5",
                                                                    "TabSheet6"};
inline constexpr int kGravityPage = 0;
inline constexpr int kBatteredGravityPage = 1;
inline constexpr int kLeaningPage = 2;
inline constexpr int kInvertedTPage = 3;
inline constexpr std::string_view kGravityBatter = "ComboBox6";  // "0.0" … "0.6"
inline constexpr std::string_view kLeaningBatter = "ComboBox7";  // "0.0" … "-0.6"
// The texts on the wall-type pages.
inline constexpr std::string_view kNoBatterNote = "背面勾配なし";
inline constexpr std::string_view kBatterNote = "背面勾配";

// The design-conditions window's choice "地震時荷重(常時は無効)", which showing the tool
// sets to "地震時土圧+躯体慣性力".
inline constexpr std::string_view kConditionsSeismicLoad = "RadioGroup9";
inline constexpr int kSeismicEarthPressureAndInertia = 1;
}  // namespace coefficient_tool

ControlStore CoefficientToolDefaults();

class CoefficientToolForm : public FormModel {
public:
    CoefficientToolForm() : FormModel(CoefficientToolDefaults()) {}

    // A new soil type puts its unit weight and shear resistance angle into the boxes
    // ("礫質土" 20 and 35, "砂質土" 19 and 30, "粘性土" 18 and 25); "地震時" puts 0.1 into
    // the kh box and opens it, "常時" puts 0.0 and closes it. Choosing the item already
    // selected changes nothing.
    void SetIndex(std::string_view name, int index) override;

    // The window is being shown: the first wall type becomes the visible page, and the
    // design-conditions window's seismic-load choice is set to "地震時土圧+躯体慣性力"
    // through its own setter.
    void ShowCoefficientTool(FormModel& conditions);

    // The two ways the main window opens the tool: only the page "土圧係数", active; or
    // only the three bearing-factor pages, the first of them active.
    void ShowEarthPressureMode();
    void ShowBearingFactorMode();

private:
    void ShowPages(bool earthPressure);
};

}  // namespace stelvar
