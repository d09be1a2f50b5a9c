#include "forms/design_conditions.h"

#include "forms/control_builders.h"

#include <string>
#include <utility>
#include <vector>

namespace stelvar {
namespace {

using namespace controls;

}  // namespace

ControlStore DesignConditionsDefaults() {
    ControlStore s;

    // Left panel: backfill, embedment ground, bearing ground.
    s.Add("RadioGroup1", Group({"砂、砂礫", "砂質土", "粘性土(wL<50%)"}, 0));
    s.Add("Edit15", Edit("20"));
    s.Add("Edit14", Edit("35"));
    s.Add("Edit21", Edit("0.0"));
    s.Add("LabeledEdit4", Edit("18.0"));
    ControlState passiveAngle = Edit("25");
    passiveAngle.Background = clMoneyGreen;
    s.Add("LabeledEdit7", passiveAngle);
    ControlState passiveCohesion = Edit("0.0");
    passiveCohesion.Background = clMoneyGreen;
    s.Add("LabeledEdit8", passiveCohesion);
    s.Add("LabeledEdit3", Edit("1.2"));
    s.Add("LabeledEdit5", Edit("19.0"));
    s.Add("Edit42", Edit("30"));
    s.Add("Edit3", Edit("0.0"));
    s.Add("LabeledEdit6", Edit("0.6"));
    s.Add("Edit16", Edit("300"));
    s.Add("Edit17", Edit("0.6"));
    s.Add("Edit18", Edit("0.0"));

    // Right column: allowable stresses, stability method, crack height, figure colours.
    s.Add("Edit50", Edit("18"));
    s.Add("Edit23", Edit("4.5"));
    s.Add("Edit24", Edit("0.22"));
    s.Add("Edit25", Edit("0.33"));
    s.Add("RadioGroup11", Group({"許容偏心量法", "安全率法"}, 0));
    s.Add("LabeledEdit1", DisabledEdit("-"));
    s.Add("LabeledEdit2", DisabledEdit("-"));
    s.Add("CheckBox7", Check(false));
    s.Add("RadioGroup4", Group({"ｶﾗｰ", "白黒"}, 0));

    // Load notebook. Its page "(3)設計震度" is shown only for the seismic case.
    s.Add("PageControl3",
          Selection(ControlKind::PageControl,
                    {"(1)自重", "(2)背面土形状、載荷重、土圧", "(4)その他の荷重", "(3)設計震度"},
                    0));
    s.Add("TabSheet7", Sheet(false));

    // Page "(1)自重": body, block length, unit weight, wall outline, shear key.
    s.Add("RadioGroup3", Group({"場所打", "既製品"}, 0));
    s.Add("ComboBox18", Combo("5", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, true));
    s.Add("ComboBox7", Combo("23.0", {"23.0", "23.5"}, true));
    s.Add("PageControl2", Selection(ControlKind::PageControl, {"重力式", "もたれ式"}, 0));
    s.Add("Edit36", Edit("600"));
    s.Add("Edit37", Edit("400"));
    s.Add("Edit2", Edit("1000"));
    s.Add("Edit38", Edit("3000"));
    s.Add("Edit39", Edit("200"));
    s.Add("Edit34", Edit("200"));
    s.Add("Edit31", Edit("2400"));
    s.Add("Edit30", Edit("200"));
    s.Add("Edit51", Edit("2550"));
    s.Add("Edit52", Edit("450"));
    s.Add("Edit55", Edit("5100"));
    s.Add("Edit56", Edit("900"));
    s.Add("Edit58", Edit("835"));
    s.Add("Edit59", Edit("2050"));
    s.Add("Edit60", Edit("1785"));
    s.Add("RadioGroup2", Group({"無し", "有り"}, 0));
    s.Add("Edit35", DisabledEdit("0"));
    s.Add("Edit40", DisabledEdit("0"));
    s.Add("Edit41", DisabledEdit("0"));

    // Page "(2)背面土形状、載荷重、土圧": backfill surface (flat at first), surcharge,
    // snow, earth-pressure treatment, design case.
    s.Add("ComboBox1", Combo("-", Tenths(10, 30, 1), false));
    s.Add("Edit28", DisabledEdit("0.0"));
    s.Add("TabControl1", Selection(ControlKind::TabControl, {"平坦", "法面", "盛土"}, 0));
    s.Add("CheckBox1", Check(true));
    s.Add("Edit1", Edit("10.0"));
    s.Add("RadioGroup8", Group({"平坦部", "全面"}, 0));
    s.Add("CheckBox4", Check(false));
    s.Add("Edit43", DisabledEdit("0.0"));
    s.Add("Edit13", DisabledEdit("0.0"));
    s.Add("RadioGroup6", Group({"土塊に含み計算", "別途計算し加算"}, 0));
    s.Add("RadioGroup5", Group({"常時", "地震時"}, 0));
    s.Add("RadioGroup9",
          Group({"常時土圧   +躯体慣性力", "地震時土圧+躯体慣性力", "地震時土圧のみ"}, 1, false));

    // Page "(4)その他の荷重": every load switched off, its boxes disabled.
    s.Add("CheckBox9", Check(false));
    s.Add("CheckBox3", Check(false));
    s.Add("CheckBox5", Check(false));
    s.Add("CheckBox6", Check(false));
    s.Add("Edit54", DisabledEdit("0.0"));
    s.Add("Edit62", DisabledEdit("0.0"));
    s.Add("ComboBox8", Combo("0.0", {"9.8", "10.0"}, false));
    s.Add("CheckBox2", Check(false, false));
    s.Add("ComboBox3", Combo("0", Tenths(10, 50, 10), false));
    s.Add("ComboBox2", Combo("0", {"1.0", "2.0"}, false));
    s.Add("ComboBox9", Combo("0.0", {"0.6", "0.675", "0.76"}, false));
    s.Add("ComboBox4", Combo("0", {"30", "50", "55"}, false));
    s.Add("Edit63", DisabledEdit("0"));

    // Page "(3)設計震度": design coefficient, standard-value and zone tables, soil layers.
    // The ordinary case greys the tables and the zone list.
    s.Add("ComboBox5", Combo("0.0", {"0.12", "0.15", "0.18", "0.16", "0.20", "0.24"}, false));
    s.Add("ComboBox6", Combo("1.0", {"1.0", "0.85", "0.70"}, false));
    s.Add("Edit61", DisabledEdit("0.0"));
    ControlState seismicPages = Selection(ControlKind::PageControl,
                                          {"標準値（Kho）設定", "補正係数（Cz）設定"}, 0, false);
    s.Add("PageControl1", seismicPages);
    s.Add("StringGrid1", Grid({{"地震規模", "Ⅰ種", "Ⅱ種", "Ⅲ種"},
                               {"中規模地震", "0.12", "0.15", "0.18"},
                               {"大規模地震", "0.16", "0.20", "0.24"}},
                              clSilver));
    s.Add("StringGrid2", Grid({{"層No", "層厚(m)", "N値", "土質"},
                               {"1", "0", "0", "-"},
                               {"2", "0", "0", "-"},
                               {"3", "0", "0", "-"},
                               {"4", "0", "0", "-"},
                               {"5", "0", "0", "-"}},
                              clSilver));
    s.Add("StringGrid3", Grid({{"地盤種別", "地盤特性値"},
                               {"Ⅰ種", "       Tg<0.2"},
                               {"Ⅱ種", "0.2≦Tg<0.6"},
                               {"Ⅲ種", "0.6≦Tg"}},
                              clWindow));
    s.Add("Edit53", Edit(""));
    s.Add("ListBox1", List(clSilver));
    s.Add("ListBox2", List(clWindow));
    return s;
}

}  // namespace stelvar
