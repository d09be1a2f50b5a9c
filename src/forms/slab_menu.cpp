#include "forms/slab_menu.h"

#include "text/number.h"

namespace stelvar {
namespace {

constexpr const char* kToeTitle = "Ⅳ-2-1．構造計算：底版(つま先版)";
constexpr const char* kKeyOnlyTitle = "Ⅳ-2．構造計算：底版(突起)";

// Only the key under the slab submenu: its item and page come first.
void KeyOnly(SlabMenu& m, bool key) {
    m.N19.Visible = false;
    m.N29.Visible = false;
    m.N31.Visible = key;
    m.N31.Caption = "1．突起...";
    m.KeyPage = {kKeyOnlyTitle, "9"};
}

void GravityWithSlab(SlabMenu& m, const SlabMenuConditions& w) {
    const bool toe = w.ToeWidth > 0;
    const bool heel = w.HeelWidth > 0;
    m.N27.Visible = true;
    m.N31.Visible = w.ShearKey;
    if (toe && heel) {
        m.N19 = {true, "1．つま先版..."};
        m.N29 = {true, "2．かかと版..."};
        m.N31.Caption = "3．突起...";
        m.ToePage = {kToeTitle, "9"};
        m.HeelPage = {"Ⅳ-2-2．構造計算：底版(かかと版)", "10"};
        m.KeyPage = {"Ⅳ-2-3．構造計算：底版(突起)", "11"};
    } else if (toe) {
        m.N19 = {true, "1．つま先版..."};
        m.N29.Visible = false;
        m.N31.Caption = "2．突起...";
        m.ToePage = {kToeTitle, "9"};
        m.KeyPage = {"Ⅳ-2-2．構造計算：底版(突起)", "10"};
    } else if (heel) {
        m.N19.Visible = false;
        m.N29 = {true, "1．かかと版..."};
        m.N31.Caption = "2．突起...";
        m.HeelPage = {"Ⅳ-2-1．構造計算：底版(かかと版)", "9"};
        m.KeyPage = {"Ⅳ-2-2．構造計算：底版(突起)", "10"};
    } else {
        // A base slab with neither toe nor heel has no slab pages; left alone, the menu
        // would keep offering the slabs of the wall set before. It is treated as the
        // leaning wall without a toe: at most the key.
        KeyOnly(m, w.ShearKey);
    }
}

void LeaningWithSlab(SlabMenu& m, const SlabMenuConditions& w) {
    const bool toe = w.ToeWidth > 0;
    m.N27.Visible = true;
    m.N29.Visible = false;
    m.HeelPage = {"-", "-"};
    if (!w.ShearKey) {
        m.N31.Visible = false;
        m.N19.Visible = toe;
        if (toe) {
            m.N19.Caption = "1．つま先版...";
            m.ToePage = {kToeTitle, "9"};
        }
        return;
    }
    if (!toe) {
        KeyOnly(m, true);
        return;
    }
    m.N19 = {true, "1．つま先版..."};
    m.N31 = {true, "2．突起..."};
    m.ToePage = {kToeTitle, "9"};
    m.KeyPage = {"Ⅳ-2-2．構造計算：底版(突起)", "10"};
}

}  // namespace

SlabMenu SlabMenuDefaults() {
    SlabMenu m;
    m.N27 = {true, "Ⅳ-2．構造計算(底版)"};
    m.N19 = {true, "1．つま先版..."};
    m.N29 = {true, "2．かかと版..."};
    m.N31 = {true, "3．突起..."};
    m.ToePage = {kToeTitle, "9"};
    m.HeelPage = {"Ⅳ-2-2．構造計算：底版(かかと版)", "10"};
    m.KeyPage = {"Ⅳ-2-3．構造計算：底版(突起)", "11"};
    return m;
}

SlabMenuConditions ReadSlabMenuConditions(const ControlSource& conditions) {
    SlabMenuConditions w;
    w.WallType = conditions.Index("PageControl2") == 1 ? 1 : 0;
    if (w.WallType == 0) {
        w.SlabThickness = StrToFloat(conditions.Text("Edit39"));
        w.ToeWidth = StrToFloat(conditions.Text("Edit34"));
        w.HeelWidth = StrToFloat(conditions.Text("Edit30"));
    } else {
        w.SlabThickness = StrToFloat(conditions.Text("Edit56"));
        w.ToeWidth = StrToFloat(conditions.Text("Edit58"));
    }
    w.ShearKey = conditions.Index("RadioGroup2") == 1;
    return w;
}

void SetSlabMenu(SlabMenu& menu, const SlabMenuConditions& wall) {
    const bool slab = wall.SlabThickness > 0;
    const bool gravity = wall.WallType == 0;
    if (!slab) {
        menu.N27.Visible = wall.ShearKey;
        KeyOnly(menu, wall.ShearKey);
    } else if (gravity) {
        GravityWithSlab(menu, wall);
    } else {
        LeaningWithSlab(menu, wall);
    }
    menu.ToeTab = slab && wall.ToeWidth > 0;
    menu.HeelTab = gravity && slab && wall.HeelWidth > 0;
    menu.KeyTab = wall.ShearKey;
}

}  // namespace stelvar
