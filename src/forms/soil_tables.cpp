#include "forms/soil_tables.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "forms/control_builders.h"

namespace stelvar {
namespace {

using controls::Items;

// The tables as the window shows them, one text per row, cells separated by commas.
constexpr std::string_view kBackfillRows[] = {
    "土の種類,重量(γ),ｾﾝ断抵抗角(φ),粘着力(C)",
    "礫質土,20(kN/m3),35゜,0",
    "砂質土,19(kN/m3),30゜,0",
    "粘性土,18(kN/m3),25゜,0",
};

constexpr std::string_view kFoundationRows[] = {
    "地盤種類,分類,qa許容支持力度,μ摩擦係数,qu(kN/m2),N値",
    "岩盤,きれつ少い,1000,0.7,10000以上,-",
    "　〃,きれつ多い,600,0.7,10000以上,-",
    "　〃,軟岩･土丹,300,0.7,1000以上,-",
    "礫層,密なもの,600,0.6,-,-",
    "　〃,密でない,300,0.6,-,-",
    "砂質地盤,密なもの,300,0.6,-,30～50",
    "　〃　　,中位なもの,200,0.6,-,20～30",
    "粘性土地盤,非常に堅い,200,0.5,200～400,15～30",
    "　　〃　　,堅いもの,100,0.5,100～200,10～15",
};

constexpr std::string_view kNaturalGroundRows[] = {
    "土の種類,緩いもの,密なもの",
    "礫及び砂礫,18(kN/m3),20(kN/m3)",
    "砂質土,17(kN/m3),19(kN/m3)",
    "粘性土,14(kN/m3),18(kN/m3)",
};

// What a click on a backfill row writes: unit weight γs, shear angle φ, cohesion c.
struct BackfillValues {
    std::string_view Weight;
    std::string_view Angle;
    std::string_view Cohesion;
};
constexpr BackfillValues kBackfillValues[] = {
    {"20", "35", "0.0"},
    {"19", "30", "0.0"},
    {"18", "25", "0.0"},
};

constexpr int kFoundationQaColumn = 2;
constexpr int kFoundationMuColumn = 3;

Items SplitCells(std::string_view row) {
    Items cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = row.find(',', start);
        cells.emplace_back(row.substr(start, comma - start));
        if (comma == std::string_view::npos) return cells;
        start = comma + 1;
    }
}

template <std::size_t N, std::size_t C>
ControlState Table(const std::string_view (&rows)[N], const std::array<int, C>& widths,
                   std::string_view hint) {
    std::vector<Items> cells;
    for (std::string_view row : rows) cells.push_back(SplitCells(row));
    ControlState grid = controls::Grid(std::move(cells), clWindow);
    grid.ColumnWidths.assign(widths.begin(), widths.end());
    grid.Hint = hint;
    return grid;
}

template <std::size_t N>
bool IsDataRow(int row, const std::string_view (&)[N]) {
    return row >= 1 && row < static_cast<int>(N);
}

}  // namespace

ControlStore SoilTablesDefaults() {
    ControlStore s;
    using namespace soil_tables;
    s.Add(std::string(kBackfill), Table(kBackfillRows, kBackfillColumnWidths, kBackfillHint));
    s.Add(std::string(kFoundation),
          Table(kFoundationRows, kFoundationColumnWidths, kFoundationHint));
    s.Add(std::string(kNaturalGround),
          Table(kNaturalGroundRows, kNaturalGroundColumnWidths, ""));
    return s;
}

void SoilTablesForm::Fill() {
    const ControlStore tables = SoilTablesDefaults();
    for (std::string_view grid :
         {soil_tables::kBackfill, soil_tables::kFoundation, soil_tables::kNaturalGround}) {
        for (int r = 0; r < tables.RowCount(grid); ++r)
            for (int c = 0; c < tables.ColumnCount(grid); ++c)
                SetCell(grid, r, c, tables.Cell(grid, r, c));
    }
}

void SoilTablesForm::Show() {
    Fill();
    visible_ = true;
}

void SoilTablesForm::ClickBackfillRow(int row, FormModel& conditions, Dialogs& dialogs) {
    if (!IsDataRow(row, kBackfillRows)) return;
    const auto index = static_cast<std::size_t>(row - 1);
    const Items& soilTypes = conditions.Controls().Items("RadioGroup1");
    if (index >= soilTypes.size()) return;
    if (!dialogs.Confirm("土質=" + soilTypes[index] + "\r" + "いいですか。")) return;

    // The soil type first: its own reaction fills typical values, which the row's
    // values then confirm.
    conditions.SetIndex("RadioGroup1", row - 1);
    const BackfillValues& v = kBackfillValues[index];
    conditions.SetText("Edit15", v.Weight);
    conditions.SetText("Edit14", v.Angle);
    conditions.SetText("Edit21", v.Cohesion);
    visible_ = false;
}

void SoilTablesForm::ClickFoundationRow(int row, FormModel& conditions, Dialogs& dialogs) {
    if (!IsDataRow(row, kFoundationRows)) return;
    const std::string qa = Controls().Cell(soil_tables::kFoundation, row, kFoundationQaColumn);
    const std::string mu = Controls().Cell(soil_tables::kFoundation, row, kFoundationMuColumn);
    if (!dialogs.Confirm("許容鉛直支持力度(qa)=" + qa + " kN/m2" + "\r" + "摩擦係数(μ=tan(φb))=" +
                         mu + "\r" + "\r" + "いいですか。"))
        return;
    conditions.SetText("Edit16", qa);
    conditions.SetText("Edit17", mu);
    visible_ = false;
}

}  // namespace stelvar
