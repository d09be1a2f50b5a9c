#pragma once
// The soil-constant tables as a window model: reference values of backfill soils, of
// foundation ground and of natural ground. A click on a row of the first two tables
// offers its values to the design-conditions window and, when the user agrees, writes
// them there as if typed.

#include <array>
#include <string_view>

#include "forms/control_store.h"
#include "forms/dialogs.h"
#include "forms/form_model.h"

namespace stelvar {

namespace soil_tables {
// Backfill strength constants and unit weights; a click copies a row.
inline constexpr std::string_view kBackfill = "StringGrid1";
// Foundation ground: allowable bearing intensity and friction; a click copies a row.
inline constexpr std::string_view kFoundation = "StringGrid2";
// Unit weights of natural ground; for reading only.
inline constexpr std::string_view kNaturalGround = "StringGrid3";

inline constexpr std::array<int, 4> kBackfillColumnWidths = {60, 60, 90, 60};
inline constexpr std::array<int, 6> kFoundationColumnWidths = {65, 60, 85, 65, 62, 42};
inline constexpr std::array<int, 3> kNaturalGroundColumnWidths = {90, 60, 60};
inline constexpr std::string_view kBackfillHint = "該当土質をクリック";
inline constexpr std::string_view kFoundationHint = "該当地盤をクリック";

// Captions and notes of the window.
inline constexpr std::string_view kCaption = "土質定数";
inline constexpr std::string_view kBackfillGroup = "単位体積重量等（H24道路土工擁壁工指針P66）";
inline constexpr std::string_view kBackfillTitles[] = {"解表4-5　裏込め土・盛土の強度定数",
                                                      "解表4-6　裏込め土・盛土の単位体積重量"};
inline constexpr std::string_view kBackfillNotes[] = {
    "注１）細粒分が少ない砂は、礫質土の値を用いてよい。",
    "注２）土質定数を上表から推定する場合は、粘着力Ｃ　　　　を無視する。",
    "注３）地下水位以下にある土の単位体積重量は、それ　　　ぞれ表中の値から９kN/m3を差し引いた値として　　　よい。"};
inline constexpr std::string_view kFoundationGroup = "基礎地盤設計定数（H24道路土工擁壁工指針P69）";
inline constexpr std::string_view kFoundationTitle = "解表4-8　基礎地盤の種類と許容鉛直支持力度（常時値）";
inline constexpr std::string_view kFoundationNote = "解表4-8の値は常時のものであり、地震時にはこの１．５倍としてよい。";
inline constexpr std::string_view kNaturalGroundGroup = "単位体積重量等（H24道路土工擁壁工指針P66）";
inline constexpr std::string_view kNaturalGroundTitle = "解表4-6　自然地盤の土の単位体積重量";
inline constexpr std::string_view kNaturalGroundNote = "注）地下水位以下にある土の単位体積重量は、　　それぞれ表中の値から９kN/m3を差し引い　　　た値としてよい。";
}  // namespace soil_tables

// The three tables filled, row 0 being the header, with their column widths and hints.
ControlStore SoilTablesDefaults();

class SoilTablesForm : public FormModel {
public:
    SoilTablesForm() : FormModel(SoilTablesDefaults()) {}

    // Refills the tables and shows the window.
    void Show();
    // "閉じる".
    void Close() { visible_ = false; }
    bool Visible() const { return visible_; }

    // Click on a row of the backfill table. A data row (1 to 3) asks whether to take
    // that soil type; on Yes the design-conditions window's soil type `RadioGroup1` is
    // selected and then its unit weight, shear angle and cohesion boxes receive the
    // row's values, and this window hides. The header row and No change nothing.
    void ClickBackfillRow(int row, FormModel& conditions, Dialogs& dialogs);

    // Click on a row of the foundation table. A data row (1 to 9) asks whether to take
    // its allowable bearing intensity and friction coefficient; on Yes they go into
    // `Edit16` and `Edit17` as the table shows them, and this window hides.
    void ClickFoundationRow(int row, FormModel& conditions, Dialogs& dialogs);

private:
    void Fill();

    bool visible_ = false;
};

}  // namespace stelvar
