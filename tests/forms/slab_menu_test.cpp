#include <gtest/gtest.h>

#include <string>

#include "forms/design_conditions.h"
#include "forms/slab_menu.h"
#include "text/number.h"

namespace stelvar {
namespace {

// The menu in one line: the submenu's visibility, the items shown with their captions,
// then the tabs of the results window (T toe, H heel, K key, '-' hidden).
std::string Items(const SlabMenu& m) {
    std::string s = m.N27.Visible ? "N27" : "-";
    for (const SlabMenuItem* item : {&m.N19, &m.N29, &m.N31})
        if (item->Visible) s += " " + item->Caption;
    s += " |";
    s += m.ToeTab ? 'T' : '-';
    s += m.HeelTab ? 'H' : '-';
    s += m.KeyTab ? 'K' : '-';
    return s;
}

std::string Page(const SlabPageHeading& p) { return p.Number + " " + p.Title; }

struct SlabCase {
    const char* Name;
    SlabMenuConditions Wall;
    const char* Menu;
    // Expected page headings; nullptr where the case leaves the heading as it was.
    const char* Toe;
    const char* Heel;
    const char* Key;
};

TEST(SlabMenu, ItemsPagesAndTabsFollowTheWall) {
    const SlabCase cases[] = {
        {"gravity, toe, heel, key", {0, 500, 400, 800, true},
         "N27 1．つま先版... 2．かかと版... 3．突起... |THK", "9 Ⅳ-2-1．構造計算：底版(つま先版)",
         "10 Ⅳ-2-2．構造計算：底版(かかと版)", "11 Ⅳ-2-3．構造計算：底版(突起)"},
        {"gravity, toe, heel, no key", {0, 500, 400, 800, false},
         "N27 1．つま先版... 2．かかと版... |TH-", "9 Ⅳ-2-1．構造計算：底版(つま先版)",
         "10 Ⅳ-2-2．構造計算：底版(かかと版)", "11 Ⅳ-2-3．構造計算：底版(突起)"},
        {"gravity, toe only, key", {0, 500, 400, 0, true}, "N27 1．つま先版... 2．突起... |T-K",
         "9 Ⅳ-2-1．構造計算：底版(つま先版)", nullptr, "10 Ⅳ-2-2．構造計算：底版(突起)"},
        {"gravity, heel only, key", {0, 500, -1, 800, true}, "N27 1．かかと版... 2．突起... |-HK",
         nullptr, "9 Ⅳ-2-1．構造計算：底版(かかと版)", "10 Ⅳ-2-2．構造計算：底版(突起)"},
        {"gravity, heel only, no key", {0, 500, 0, 800, false}, "N27 1．かかと版... |-H-", nullptr,
         "9 Ⅳ-2-1．構造計算：底版(かかと版)", "10 Ⅳ-2-2．構造計算：底版(突起)"},
        // A slab with neither toe nor heel offers at most the key, as the leaning wall does.
        {"gravity, no toe, no heel, key", {0, 500, 0, 0, true}, "N27 1．突起... |--K", nullptr,
         nullptr, "9 Ⅳ-2．構造計算：底版(突起)"},
        {"gravity, no toe, no heel, no key", {0, 500, 0, 0, false}, "N27 |---", nullptr, nullptr,
         "9 Ⅳ-2．構造計算：底版(突起)"},
        {"leaning, toe, key", {1, 500, 400, 0, true}, "N27 1．つま先版... 2．突起... |T-K",
         "9 Ⅳ-2-1．構造計算：底版(つま先版)", "- -", "10 Ⅳ-2-2．構造計算：底版(突起)"},
        {"leaning, key, no toe", {1, 500, 0, 0, true}, "N27 1．突起... |--K", nullptr, "- -",
         "9 Ⅳ-2．構造計算：底版(突起)"},
        {"leaning, toe, no key", {1, 500, 400, 0, false}, "N27 1．つま先版... |T--",
         "9 Ⅳ-2-1．構造計算：底版(つま先版)", "- -", nullptr},
        {"leaning, no toe, no key", {1, 500, 0, 0, false}, "N27 |---", nullptr, "- -", nullptr},
        // A heel width left in the leaning wall's conditions shows no heel.
        {"leaning with a heel width", {1, 500, 400, 800, false}, "N27 1．つま先版... |T--",
         "9 Ⅳ-2-1．構造計算：底版(つま先版)", "- -", nullptr},
        {"no slab, key", {0, 0, 400, 800, true}, "N27 1．突起... |--K", nullptr, nullptr,
         "9 Ⅳ-2．構造計算：底版(突起)"},
        {"no slab, no key", {0, 0, 400, 800, false}, "- |---", nullptr, nullptr,
         "9 Ⅳ-2．構造計算：底版(突起)"},
        {"leaning, negative slab, key", {1, -5, 400, 0, true}, "N27 1．突起... |--K", nullptr,
         nullptr, "9 Ⅳ-2．構造計算：底版(突起)"},
    };
    for (const SlabCase& c : cases) {
        SCOPED_TRACE(c.Name);
        // Start from a menu whose headings mark what the case does not set.
        SlabMenu menu = SlabMenuDefaults();
        menu.ToePage = menu.HeelPage = menu.KeyPage = {"old", "0"};
        SetSlabMenu(menu, c.Wall);
        EXPECT_EQ(Items(menu), c.Menu);
        EXPECT_EQ(Page(menu.ToePage), c.Toe ? c.Toe : "0 old");
        EXPECT_EQ(Page(menu.HeelPage), c.Heel ? c.Heel : "0 old");
        EXPECT_EQ(Page(menu.KeyPage), c.Key ? c.Key : "0 old");
        EXPECT_EQ(menu.N27.Caption, "Ⅳ-2．構造計算(底版)");
    }
}

// Setting the menu again for another wall leaves nothing of the wall before.
TEST(SlabMenu, ReSettingForAnotherWallMatchesAFreshMenu) {
    const SlabMenuConditions walls[] = {
        {0, 500, 400, 800, true}, {1, 500, 0, 0, true},  {0, 0, 0, 0, false},
        {0, 500, 0, 800, true},   {1, 500, 400, 0, true}, {0, 500, 400, 0, false},
    };
    for (const SlabMenuConditions& before : walls) {
        for (const SlabMenuConditions& after : walls) {
            SlabMenu reused = SlabMenuDefaults();
            SetSlabMenu(reused, before);
            SetSlabMenu(reused, after);
            SlabMenu fresh = SlabMenuDefaults();
            SetSlabMenu(fresh, after);
            EXPECT_EQ(Items(reused), Items(fresh));
        }
    }
}

TEST(SlabMenu, ReadsTheVisibleWallPage) {
    DesignConditionsForm form;
    SlabMenuConditions w = ReadSlabMenuConditions(form.Controls());
    EXPECT_EQ(w.WallType, 0);
    EXPECT_EQ(w.SlabThickness, StrToFloat(form.Controls().Text("Edit39")));
    EXPECT_EQ(w.ToeWidth, StrToFloat(form.Controls().Text("Edit34")));
    EXPECT_EQ(w.HeelWidth, StrToFloat(form.Controls().Text("Edit30")));
    EXPECT_EQ(w.ShearKey, form.Controls().Index("RadioGroup2") == 1);

    form.SetIndex("PageControl2", 1);
    form.SetText("Edit56", "0");
    form.SetText("Edit58", "350");
    form.SetText("Edit30", "900");  // the gravity page's heel: not the leaning wall's
    form.SetIndex("RadioGroup2", 1);
    w = ReadSlabMenuConditions(form.Controls());
    EXPECT_EQ(w.WallType, 1);
    EXPECT_EQ(w.SlabThickness, 0.0);
    EXPECT_EQ(w.ToeWidth, 350.0);
    EXPECT_EQ(w.HeelWidth, 0.0);
    EXPECT_TRUE(w.ShearKey);

    form.SetText("Edit58", "abc");
    EXPECT_THROW(ReadSlabMenuConditions(form.Controls()), ConversionError);
}

}  // namespace
}  // namespace stelvar
