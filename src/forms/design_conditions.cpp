#include "forms/design_conditions.h"

#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "forms/control_builders.h"
#include "forms/seismic_zones.h"
#include "text/number.h"

namespace stelvar {
namespace {

using namespace controls;
namespace dc = design_conditions;

const Colour kGrey = clSilver;

// "参表1-2：標準値（Kho）": the standard values by earthquake size and ground type.
std::vector<Items> StandardValueCells() {
    return {{"地震規模", "Ⅰ種", "Ⅱ種", "Ⅲ種"},
            {"中規模地震", "0.12", "0.15", "0.18"},
            {"大規模地震", "0.16", "0.20", "0.24"}};
}

// "地層区分": five soil layers, none entered yet.
std::vector<Items> SoilLayerCells() {
    std::vector<Items> cells = {{"層No", "層厚(m)", "N値", "土質"}};
    for (int row = 1; row <= 5; ++row) cells.push_back({std::to_string(row), "0", "0", "-"});
    return cells;
}

// "表1-9：地盤種別": the ground type by the characteristic value Tg.
std::vector<Items> GroundTypeCells() {
    return {{"地盤種別", "地盤特性値"},
            {"Ⅰ種", "       Tg<0.2"},
            {"Ⅱ種", "0.2≦Tg<0.6"},
            {"Ⅲ種", "0.6≦Tg"}};
}

const std::vector<int> kStandardValueWidths = {65, 30, 29, 30};
const std::vector<int> kSoilLayerWidths = {30, 45, 30, 49};
const std::vector<int> kGroundTypeWidths = {55, 93};

ControlState WithWidths(ControlState grid, std::vector<int> widths) {
    grid.ColumnWidths = std::move(widths);
    return grid;
}

// Typical constants of the backfill by soil type: γs, φ, c, and the allowable bearing
// intensity qa0 that goes with such ground.
struct SoilPreset {
    const char* GammaS;
    const char* Phi;
    const char* C;
    const char* Qa0;
};
constexpr SoilPreset kSoilPresets[] = {
    {"20", "35", "0.0", "900"},  // 砂、砂礫
    {"19", "30", "0.0", "600"},  // 砂質土
    {"18", "25", "0.0", "300"},  // 粘性土(wL<50%)
};

constexpr std::string_view kSand = "砂質土";
constexpr std::string_view kClay = "粘性土";

// A number with two decimals as the pattern "Tg=0.00" writes it: the sign of a negative
// value stands before the whole text.
std::string CharacteristicValueText(double tg) {
    const std::string number = FormatTwoDecimals(tg);
    if (!number.empty() && number.front() == '-') return "-Tg=" + number.substr(1);
    return "Tg=" + number;
}

}  // namespace

std::string DesignCoefficientText(std::string_view standardValue, std::string_view factor) {
    const float standard = static_cast<float>(StrToFloat(standardValue));
    const float cz = static_cast<float>(StrToFloat(factor));
    const float kh = standard * cz;
    return FormatTwoDecimals(static_cast<double>(kh));
}

ControlStore DesignConditionsDefaults() {
    ControlStore s;

    // Left panel: backfill, embedment ground, bearing ground.
    s.Add("RadioGroup1", Captioned("土質", Group({"砂、砂礫", "砂質土", "粘性土(wL<50%)"}, 0)));
    s.Add("Edit15", Hinted("土の単位重量", Edit("20")));
    s.Add("Edit14", Hinted("剪断抵抗角", Edit("35")));
    s.Add("Edit21", Hinted("粘着力", Edit("0.0")));
    s.Add("LabeledEdit4", Captioned("γ2 (kN/m3)=", Edit("18.0")));
    ControlState passiveAngle = Hinted("根入れ地盤の剪断抵抗角(受働土圧の計算に使用)", Edit("25"));
    passiveAngle.Background = clMoneyGreen;
    s.Add("LabeledEdit7", passiveAngle);
    ControlState passiveCohesion = Edit("0.0");
    passiveCohesion.Background = clMoneyGreen;
    s.Add("LabeledEdit8", passiveCohesion);
    s.Add("LabeledEdit3", Edit("1.2"));
    s.Add("LabeledEdit5", Captioned("γ1 (kN/m3)=", Edit("19.0")));
    s.Add("Edit42", Hinted("支持地盤の剪断抵抗角", Edit("30")));
    s.Add("Edit3", Hinted("支持地盤の粘着力", Edit("0.0")));
    s.Add("LabeledEdit6", Edit("0.6"));
    s.Add("Edit16", Hinted("許容鉛直支持力度(H24指針P69：解表4-8)", Edit("300")));
    s.Add("Edit17", Hinted("擁壁底面と地盤の間の摩擦係数：μ=tan(φb)", Edit("0.6")));
    s.Add("Edit18", Hinted("擁壁底面と地盤との間の付着力", Edit("0.0")));
    s.Add("SpeedButton2", Button("基礎地盤定数"));

    // Right column: allowable stresses, stability method, crack height, figure colours.
    s.Add("Edit50", Edit("18"));
    s.Add("Edit23", Edit("4.5"));
    s.Add("Edit24", Edit("0.22"));
    s.Add("Edit25", Edit("0.33"));
    s.Add("SpeedButton3", Button("許容応力度"));
    s.Add("RadioGroup11", Captioned("転倒に対する照査", Group({"許容偏心量法", "安全率法"}, 0)));
    s.Add("LabeledEdit1", Captioned("常　時", DisabledEdit("-")));
    s.Add("LabeledEdit2", Captioned("地震時", DisabledEdit("-")));
    s.Add("CheckBox7", Captioned("粘着力の自立高さ(Zc)を考慮する", Check(false)));
    s.Add("RadioGroup4", Captioned("出力図色", Group({"ｶﾗｰ", "白黒"}, 0)));
    s.Add("SpeedButton1", Button("計算開始"));

    // Load notebook. Its page "(3)設計震度" is shown only for the seismic case.
    s.Add("PageControl3",
          Selection(ControlKind::PageControl,
                    {"(1)自重", "(2)背面土形状、載荷重、土圧", "(4)その他の荷重", "(3)設計震度"},
                    0));
    s.Add("TabSheet7", Captioned("(3)設計震度", Sheet(false)));

    // Page "(1)自重": body, block length, unit weight, wall outline, shear key.
    s.Add("RadioGroup3", Captioned("①躯体", Group({"場所打", "既製品"}, 0)));
    s.Add("ComboBox18",
          Captioned("Ｌ(m)=", Combo("5", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, true)));
    s.Add("ComboBox7", Captioned("γc(kN/m3)=", Combo("23.0", {"23.0", "23.5"}, true)));
    s.Add("PageControl2", Selection(ControlKind::PageControl, {"重力式", "もたれ式"}, 0));
    s.Add("Edit36", Captioned("前面勾配幅", Edit("600")));
    s.Add("Edit37", Captioned("天端幅", Edit("400")));
    s.Add("Edit2", Captioned("背面勾配幅", Edit("1000")));
    s.Add("Edit38", Captioned("たて壁高さ", Edit("3000")));
    s.Add("Edit39", Captioned("底板厚", Edit("200")));
    s.Add("Edit34", Captioned("つま先版幅", Edit("200")));
    s.Add("Edit31", Captioned("底版幅", Edit("2400")));
    s.Add("Edit30", Captioned("かかと版幅", Edit("200")));
    s.Add("Edit51", Captioned("前面勾配幅", Edit("2550")));
    s.Add("Edit52", Captioned("天端幅", Edit("450")));
    s.Add("Edit55", Captioned("たて壁高さ", Edit("5100")));
    s.Add("Edit56", Captioned("底板厚", Edit("900")));
    s.Add("Edit58", Captioned("つま先版幅", Edit("835")));
    s.Add("Edit59", Captioned("底版幅", Edit("2050")));
    s.Add("Edit60", Captioned("背面勾配幅", Edit("1785")));
    s.Add("RadioGroup2", Captioned("突起の有無", Group({"無し", "有り"}, 0)));
    s.Add("Edit35", Captioned("(1)位置=", DisabledEdit("0")));
    s.Add("Edit40", Captioned("(2)幅　=", DisabledEdit("0")));
    s.Add("Edit41", Captioned("(3)高さ=", DisabledEdit("0")));
    s.Add(std::string(dc::kKeyPositionLabel), Label("(1)", false));
    s.Add(std::string(dc::kKeyWidthLabel), Label("(2)", false));
    s.Add(std::string(dc::kKeyHeightLabel), Label("(3)", false));

    // Page "(2)背面土形状、載荷重、土圧": backfill surface (flat at first), surcharge,
    // snow, earth-pressure treatment, design case.
    s.Add("ComboBox1", Captioned("法勾配=", Combo("-", Tenths(10, 30, 1), false)));
    s.Add("Edit28", Captioned("盛土高（mm）=", DisabledEdit("0.0")));
    s.Add("TabControl1", Selection(ControlKind::TabControl, {"平坦", "法面", "盛土"}, 0));
    s.Add("CheckBox1", Captioned("載荷重の有無", Check(true)));
    s.Add("Edit1", Captioned("ｑ (kN/m2)=", Edit("10.0")));
    s.Add("RadioGroup8", Captioned("載荷位置", Group({"平坦部", "全面"}, 0)));
    s.Add("CheckBox4", Captioned("雪荷重の有無", Check(false)));
    s.Add("Edit43", Captioned("平坦部", DisabledEdit("0.0")));
    s.Add("Edit13", Hinted("SW=P・Zs(P=3.5kN/m2,Zs：設計積雪深m)",
                           Captioned("法面部", DisabledEdit("0.0"))));
    s.Add("RadioGroup6",
          Captioned("載荷重等の扱い", Group({"土塊に含み計算", "別途計算し加算"}, 0)));
    s.Add("RadioGroup5", Group({"常時", "地震時"}, 0));
    s.Add("RadioGroup9",
          Captioned("地震時荷重(常時は無効)",
                    Group({"常時土圧   +躯体慣性力", "地震時土圧+躯体慣性力", "地震時土圧のみ"}, 1,
                          false)));

    // Page "(4)その他の荷重": every load switched off, its boxes disabled, only the
    // planned ground level marked on the figure.
    s.Add("CheckBox9", Captioned("①受働土圧", Check(false)));
    s.Add("CheckBox3", Captioned("②水圧", Check(false)));
    s.Add("CheckBox5", Captioned("③風荷重", Check(false)));
    s.Add("CheckBox6", Captioned("④衝突荷重", Check(false)));
    s.Add(std::string(dc::kGroundLevelLabel), Label("計画地盤面", true));
    s.Add(std::string(dc::kH0Label), Label("H0", false));
    s.Add(std::string(dc::kVirtualGroundLabel), Label("仮想地盤面 ----", false));
    s.Add(std::string(dc::kH1Label), Label("H1", false));
    s.Add(std::string(dc::kH2Label), Label("H2", false));
    s.Add(std::string(dc::kH3Label), Label("H3", false));
    s.Add("Edit54", Captioned("H0(有効根入長m)=", DisabledEdit("0.0")));
    s.Add("Edit62", Captioned("H1(水深m)=", DisabledEdit("0.0")));
    s.Add("ComboBox8", Captioned("γw(重量kN/m3)=", Combo("0.0", {"9.8", "10.0"}, false)));
    s.Add("CheckBox2", Captioned("底版の計算に浮力を考慮", Check(false, false)));
    s.Add("ComboBox3", Captioned("H2(遮音壁高m)=", Combo("0", Tenths(10, 50, 10), false)));
    s.Add("ComboBox2", Captioned("P(荷重強度kN/m2)=", Combo("0", {"1.0", "2.0"}, false)));
    s.Add("ComboBox9",
          Captioned("H3(作用高さm)=", Combo("0.0", {"0.6", "0.675", "0.76"}, false)));
    s.Add("ComboBox4", Captioned("P(衝突荷重kN)=", Combo("0", {"30", "50", "55"}, false)));
    s.Add("Edit63", Captioned("L(擁壁長m)=", DisabledEdit("0")));

    // Page "(3)設計震度": design coefficient, standard-value and zone tables, soil layers.
    // The ordinary case greys the tables and the zone list.
    s.Add("ComboBox5",
          Captioned("標準値",
                    Combo("0.0", {"0.12", "0.15", "0.18", "0.16", "0.20", "0.24"}, false)));
    s.Add("ComboBox6", Captioned("x 補正係数", Combo("1.0", {"1.0", "0.85", "0.70"}, false)));
    s.Add("Edit61", Captioned("=設計震度", DisabledEdit("0.0")));
    ControlState seismicPages = Selection(ControlKind::PageControl,
                                          {"標準値（Kho）設定", "補正係数（Cz）設定"}, 0, false);
    s.Add("PageControl1", seismicPages);
    s.Add("StringGrid1", WithWidths(Grid(StandardValueCells(), kGrey), kStandardValueWidths));
    s.Add("StringGrid2", WithWidths(Grid(SoilLayerCells(), kGrey), kSoilLayerWidths));
    s.Add("StringGrid3", WithWidths(Grid(GroundTypeCells(), clWindow), kGroundTypeWidths));
    s.Add("SpeedButton4", Button("特性値（Tg）計算"));
    s.Add("Edit53", Edit(""));
    for (const RegionButton& b : RegionButtons())
        s.Add(std::string(b.Control), Button(std::string(b.Initial)));
    s.Add("ListBox1", List(kGrey));
    s.Add("ListBox2", List(clWindow));
    return s;
}

DesignConditionsForm::DesignConditionsForm(StartUp) : FormModel(DesignConditionsDefaults()) {
    Initialise();
}

DesignConditionsForm::DesignConditionsForm()
    : DesignConditionsForm([]() -> const DesignConditionsForm& {
          static const DesignConditionsForm initialised{StartUp{}};
          return initialised;
      }()) {}

void DesignConditionsForm::Initialise() {
    ControlStore& s = MutableControls();
    caption_ = std::string(dc::kCaption);
    s.SetIndex("PageControl2", 0);
    s.SetVisible("TabSheet7", false);
    s.SetIndex("PageControl3", 0);
    s.SetIndex("PageControl1", 0);
    s.SetIndex("TabControl1", 0);
    // Disabled with their texts; the grey background is the layout's.
    s.SetEnabled("ComboBox1", false);
    s.SetText("ComboBox1", "-");
    s.SetEnabled("Edit28", false);
    s.SetText("Edit28", "0.0");
    RedrawFigures();
    const std::pair<const char*, std::vector<Items>> grids[] = {
        {"StringGrid1", StandardValueCells()},
        {"StringGrid2", SoilLayerCells()},
        {"StringGrid3", GroundTypeCells()},
    };
    for (const auto& [grid, cells] : grids)
        for (std::size_t row = 0; row < cells.size(); ++row)
            for (std::size_t column = 0; column < cells[row].size(); ++column)
                s.SetCell(grid, static_cast<int>(row), static_cast<int>(column), cells[row][column]);
    s.SetColumnWidths("StringGrid1", kStandardValueWidths);
    s.SetColumnWidths("StringGrid2", kSoilLayerWidths);
    s.SetColumnWidths("StringGrid3", kGroundTypeWidths);
    s.SetIndex("RadioGroup5", 0);
    s.SetEnabled("RadioGroup9", false);
    s.SetIndex("RadioGroup11", 0);
    SetBox("LabeledEdit1", false, "-");
    SetBox("LabeledEdit2", false, "-");
}

void DesignConditionsForm::ShowProjectTitle(std::string_view title) {
    caption_ = std::string(dc::kCaption) + " " + std::string(title);
}

// ---- Changes from outside ------------------------------------------------------------

void DesignConditionsForm::SetText(std::string_view name, std::string_view text) {
    const bool coefficient = (name == "ComboBox5" || name == "ComboBox6") && !restoringTexts_;
    const std::string before = coefficient ? Controls().Text(name) : std::string();
    FormModel::SetText(name, text);
    if (coefficient && Controls().Text(name) != before) RecomputeDesignCoefficient();
}

void DesignConditionsForm::SetIndex(std::string_view name, int index) {
    const int before = Controls().State(name).ItemIndex;
    FormModel::SetIndex(name, index);
    // A click on a list item acts even when that item was selected already.
    if (name == "ListBox1") return ZoneClicked();
    if (name == "ListBox2") return AreaClicked();
    if (Controls().Index(name) != before) React(name);
}

void DesignConditionsForm::SetChecked(std::string_view name, bool checked) {
    const bool before = Controls().Checked(name);
    FormModel::SetChecked(name, checked);
    if (checked != before) ReactToCheck(name);
}

void DesignConditionsForm::ClickCell(std::string_view grid, int row, int column) {
    const std::string text = Controls().Cell(grid, row, column);
    if (grid == "StringGrid1" && row >= 1 && column >= 1) {
        MutableControls().SetText("ComboBox5", text);
        RecomputeDesignCoefficient();
    } else if (grid == "StringGrid2" && row >= 1 && column == 3) {
        // The soil type of a layer: a click chooses sand, then alternates with clay.
        // A text typed into the cell is left alone.
        std::string_view next;
        if (text.empty() || text == "-" || text == kClay) next = kSand;
        else if (text == kSand) next = kClay;
        else return;
        MutableControls().SetCell(grid, row, column, next);
    }
}

void DesignConditionsForm::ClickButton(std::string_view button) {
    if (Controls().State(button).Kind != ControlKind::Button)
        throw ControlError(button, "control '" + std::string(button) + "' is not a button");
    if (button == "SpeedButton4") return ComputeCharacteristicValue();
    ListZones(button);
}

// ---- Reactions -------------------------------------------------------------------------

void DesignConditionsForm::React(std::string_view name) {
    if (name == "RadioGroup1") {
        SoilTypeChosen();
    } else if (name == "PageControl2") {
        RedrawFigures();
        ++previewMenuUpdates_;
    } else if (name == "RadioGroup2") {
        ShearKeyChosen();
    } else if (name == "TabControl1") {
        BackfillTabChosen();
    } else if (name == "RadioGroup8") {
        if (Controls().Index("TabControl1") == 1 && Controls().Index("RadioGroup8") == 0)
            ClearSurchargeOnSlope();
        RedrawFigures();
    } else if (name == "RadioGroup5") {
        DesignCaseChosen();
    } else if (name == "RadioGroup11") {
        OverturningMethodChosen();
    }
}

void DesignConditionsForm::ReactToCheck(std::string_view name) {
    ControlStore& s = MutableControls();
    const bool on = Controls().Checked(name);
    if (name == "CheckBox1") {
        RedrawFigures();
        SetCaptionColour(name, on);
        SetBox("Edit1", on, on ? "10.0" : "0.0");
    } else if (name == "CheckBox4") {
        RedrawFigures();
        SetCaptionColour(name, on);
        SetBox("Edit43", on, on ? "1.0" : "0.0");
        SetBox("Edit13", on, on ? "0.35" : "0.0");
    } else if (name == "CheckBox9") {
        RedrawFigures();
        SetCaptionColour(name, on);
        SetBox("Edit54", on, on ? "1.0" : "0.0");
        s.SetVisible(dc::kH0Label, on);
        s.SetVisible(dc::kVirtualGroundLabel, on);
    } else if (name == "CheckBox3") {
        RedrawFigures();
        SetCaptionColour(name, on);
        SetBox("Edit62", on, on ? "0.5" : "0.0");
        SetBox("ComboBox8", on, on ? "9.8" : "0.0");
        s.SetVisible(dc::kH1Label, on);
        // Buoyancy in the base-slab design goes with the water.
        ChangeCheck("CheckBox2", on);
        s.SetEnabled("CheckBox2", on);
    } else if (name == "CheckBox5") {
        RedrawFigures();
        SetCaptionColour(name, on);
        SetBox("ComboBox3", on, on ? "1.0" : "0.0");
        SetBox("ComboBox2", on, on ? "1.0" : "0.0");
        s.SetVisible(dc::kH2Label, on);
    } else if (name == "CheckBox6") {
        RedrawFigures();
        SetCaptionColour(name, on);
        SetBox("ComboBox4", on, on ? "30" : "0.0");
        SetBox("ComboBox9", on, on ? "0.6" : "0.0");
        SetBox("Edit63", on, on ? "10.0" : "0.0");
        s.SetVisible(dc::kH3Label, on);
    }
}

void DesignConditionsForm::SetBox(std::string_view name, bool enabled, std::string_view text) {
    ControlStore& s = MutableControls();
    s.SetEnabled(name, enabled);
    s.SetBackground(name, enabled ? clWindow : kGrey);
    s.SetText(name, text);
}

void DesignConditionsForm::SetCaptionColour(std::string_view name, bool checked) {
    MutableControls().SetFontColour(name, checked ? clMaroon : clBlack);
}

// A check box changed by another reaction reacts like one the user clicked.
void DesignConditionsForm::ChangeCheck(std::string_view name, bool checked) {
    const bool before = Controls().Checked(name);
    MutableControls().SetChecked(name, checked);
    if (checked != before) ReactToCheck(name);
}

// A surcharge on the flat part only has nothing to act on behind a slope that runs up
// from the crest: the surcharge is switched off.
void DesignConditionsForm::ClearSurchargeOnSlope() {
    ChangeCheck("CheckBox1", false);
    SetBox("Edit1", false, "0.0");
}

void DesignConditionsForm::SoilTypeChosen() {
    const int soil = Controls().Index("RadioGroup1");
    if (soil < 0 || soil >= static_cast<int>(std::size(kSoilPresets))) return;
    const SoilPreset& p = kSoilPresets[soil];
    ControlStore& s = MutableControls();
    s.SetText("Edit15", p.GammaS);
    s.SetText("Edit14", p.Phi);
    s.SetText("Edit21", p.C);
    s.SetText("Edit16", p.Qa0);
}

void DesignConditionsForm::ShearKeyChosen() {
    ++previewMenuUpdates_;
    RedrawFigures();
    const int key = Controls().Index("RadioGroup2");
    if (key < 0) return;
    const bool present = key == 1;
    SetBox("Edit35", present, present ? "800" : "0");
    SetBox("Edit40", present, present ? "500" : "0");
    SetBox("Edit41", present, present ? "400" : "0");
    ControlStore& s = MutableControls();
    for (std::string_view label : {dc::kKeyPositionLabel, dc::kKeyWidthLabel, dc::kKeyHeightLabel})
        s.SetVisible(label, present);
}

void DesignConditionsForm::BackfillTabChosen() {
    RedrawFigures();
    switch (Controls().Index("TabControl1")) {
    case 0:  // 平坦
        SetBox("ComboBox1", false, "-");
        SetBox("Edit28", false, "0.0");
        break;
    case 1:  // 法面
        SetBox("ComboBox1", true, "1.0");
        SetBox("Edit28", false, "0.0");
        if (Controls().Index("RadioGroup8") == 0) ClearSurchargeOnSlope();
        break;
    case 2:  // 盛土
        SetBox("ComboBox1", true, "1.0");
        SetBox("Edit28", true, "2000");
        break;
    default:
        break;
    }
}

void DesignConditionsForm::DesignCaseChosen() {
    const int designCase = Controls().Index("RadioGroup5");
    if (designCase < 0) return;
    const bool seismic = designCase == 1;
    ControlStore& s = MutableControls();
    s.SetVisible("TabSheet7", seismic);
    SetBox("Edit61", seismic, seismic ? "0.12" : "0.0");
    SetBox("ComboBox5", seismic, seismic ? "0.12" : "0.0");
    SetBox("ComboBox6", seismic, "1.0");
    s.SetEnabled("PageControl1", seismic);
    const Colour tables = seismic ? clWindow : kGrey;
    s.SetBackground("StringGrid1", tables);
    s.SetBackground("StringGrid2", tables);
    s.SetBackground("ListBox1", tables);
    if (!seismic) {
        for (const char* list : {"ListBox1", "ListBox2"}) {
            s.SetItems(list, {});
            s.SetIndex(list, -1);
        }
    }
    s.SetEnabled("RadioGroup9", seismic);
}

void DesignConditionsForm::OverturningMethodChosen() {
    switch (Controls().Index("RadioGroup11")) {
    case 0:  // 許容偏心量法
        SetBox("LabeledEdit1", false, "-");
        SetBox("LabeledEdit2", false, "-");
        break;
    case 1:  // 安全率法
        SetBox("LabeledEdit1", true, "1.5");
        SetBox("LabeledEdit2", true, "1.2");
        break;
    default:
        break;
    }
}

void DesignConditionsForm::RecomputeDesignCoefficient() {
    MutableControls().SetText(
        "Edit61", DesignCoefficientText(Controls().Text("ComboBox5"), Controls().Text("ComboBox6")));
}

void DesignConditionsForm::ListZones(std::string_view button) {
    for (const RegionButton& b : RegionButtons()) {
        if (b.Control != button) continue;
        ControlStore& s = MutableControls();
        s.SetItems("ListBox1", {});
        s.SetIndex("ListBox1", -1);
        s.SetItems("ListBox2", {});
        s.SetIndex("ListBox2", -1);
        s.SetItems("ListBox1", Items(b.Keys.begin(), b.Keys.end()));
        return;
    }
}

void DesignConditionsForm::ZoneClicked() {
    const std::string_view row = FindSeismicZoneRow(Controls().Text("ListBox1"));
    if (row.empty()) return;
    ControlStore& s = MutableControls();
    s.SetItems("ListBox2", {});
    s.SetIndex("ListBox2", -1);
    const std::string standard = Controls().Text("ComboBox5");
    StrToFloat(standard);  // a standard value that is not a number stops here

    Items areas;
    std::size_t start = row.find(',') + 1;
    while (start <= row.size()) {
        std::size_t end = row.find(',', start);
        if (end == std::string_view::npos) end = row.size();
        const std::string_view field = row.substr(start, end - start);
        if (field.find('.') != std::string_view::npos) {
            s.SetText("ComboBox6", field);
            s.SetText("Edit61", DesignCoefficientText(standard, field));
        } else {
            areas.emplace_back(field);
        }
        start = end + 1;
    }
    s.SetItems("ListBox2", std::move(areas));
}

void DesignConditionsForm::AreaClicked() {
    // Only the factor box changes; the design coefficient keeps the zone's product.
    if (Controls().Text("ListBox2") == "青森市") MutableControls().SetText("ComboBox6", "1.0");
}

// The characteristic value of the ground Tg = 4 Σ H/Vs over the soil layers, with the
// shear-wave velocity Vs = 100 N^(1/3) for sandy and 80 N^(1/3) for clayey soil.
void DesignConditionsForm::ComputeCharacteristicValue() {
    constexpr std::string_view grid = "StringGrid2";
    ControlStore& s = MutableControls();
    s.SetText("Edit53", "");
    bool accepted = false;
    float sum = 0.0f;  // held in single precision, as the window always has
    for (int row = 1; row < Controls().RowCount(grid); ++row) {
        const std::string& thickness = Controls().Cell(grid, row, 1);
        const std::string& nValue = Controls().Cell(grid, row, 2);
        const std::string& soil = Controls().Cell(grid, row, 3);
        if (thickness.empty() || nValue.empty() || soil.empty()) break;
        if (thickness == "-" || nValue == "-" || soil == "-") continue;
        const double h = StrToFloat(thickness);
        const double n = StrToFloat(nValue);
        accepted = true;
        // A layer without blows, or of a soil type with no velocity formula, adds
        // nothing.
        if (n == 0) continue;
        double factor = 0;
        if (soil == kSand) factor = 100;
        else if (soil == kClay) factor = 80;
        else continue;
        if (n < 0) throw std::domain_error("Invalid floating point operation");
        const double vs = factor * std::pow(n, 1.0 / 3.0);
        sum = static_cast<float>(static_cast<double>(sum) + h / vs);
    }
    if (!accepted) return;
    s.SetText("Edit53", CharacteristicValueText(4.0 * static_cast<double>(sum)));
}

}  // namespace stelvar
