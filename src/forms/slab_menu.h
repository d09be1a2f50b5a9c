#pragma once
// The slab part of the report-preview menu: which slab previews the menu offers, with
// which numbering, the titles and page numbers of the printed slab pages, and which slab
// tabs the results window shows. The base slab's thickness, the toe and heel widths and
// the shear key decide it; it is set when the main window opens, when the wall type
// changes and at the start of every run.

#include <string>

#include "engine/control_source.h"

namespace stelvar {

// The wall as the slab menu sees it (lengths in mm, as entered).
struct SlabMenuConditions {
    int WallType = 0;            // 0 gravity wall, 1 leaning wall
    double SlabThickness = 0.0;  // hB
    double ToeWidth = 0.0;       // tT
    double HeelWidth = 0.0;      // wK; the leaning wall has none (0)
    bool ShearKey = false;       // "突起の有無" is "有り"
};

// One menu item: shown or hidden, and its caption.
struct SlabMenuItem {
    bool Visible = true;
    std::string Caption;
    bool operator==(const SlabMenuItem&) const = default;
};

// Title (QRLabel1) and page number (QRLabel2) of a printed slab page.
struct SlabPageHeading {
    std::string Title;
    std::string Number;
    bool operator==(const SlabPageHeading&) const = default;
};

struct SlabMenu {
    SlabMenuItem N27;  // "Ⅳ-2．構造計算(底版)", the submenu
    SlabMenuItem N19;  // toe slab
    SlabMenuItem N29;  // heel slab
    SlabMenuItem N31;  // shear key
    SlabPageHeading ToePage;   // TForm14
    SlabPageHeading HeelPage;  // TForm20
    SlabPageHeading KeyPage;   // TForm21
    bool ToeTab = true;   // TabSheet13 "つま先版" of the results window
    bool HeelTab = true;  // TabSheet14 "かかと版"
    bool KeyTab = true;   // TabSheet15 "突起"
    bool operator==(const SlabMenu&) const = default;
};

// The menu as the program starts, before it is first set: every item shown with the
// captions and page headings of a gravity wall with toe, heel and key.
SlabMenu SlabMenuDefaults();

// Reads the wall type (visible page of PageControl2), that page's slab thickness, toe
// width and (gravity wall) heel width — Edit39, Edit34, Edit30 or Edit56, Edit58 — and
// the key selection RadioGroup2. Throws ConversionError for a box that holds no number.
SlabMenuConditions ReadSlabMenuConditions(const ControlSource& conditions);

// Sets the menu, page headings and tabs for the wall.
void SetSlabMenu(SlabMenu& menu, const SlabMenuConditions& wall);

}  // namespace stelvar
