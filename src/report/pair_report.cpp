#include "report/pair_report.h"

#include <algorithm>
#include <array>

#include "report/format_number.h"
#include "report/report_run.h"
#include "text/cp932.h"

namespace stelvar {
namespace {

// Display cells of a text: its code page 932 bytes, so that a full-width character
// counts two, as in the rest of the text document.
std::size_t Cells(std::string_view utf8) { return Utf8ToCp932(utf8).size(); }

std::string PadRight(std::string_view text, std::size_t width) {
    std::string out(text);
    const std::size_t n = Cells(text);
    if (n < width) out.append(width - n, ' ');
    return out;
}

std::string PadLeft(std::string_view text, std::size_t width) {
    const std::size_t n = Cells(text);
    std::string out = n < width ? std::string(width - n, ' ') : std::string();
    out += text;
    return out;
}

constexpr std::array<std::string_view, 8> kColumns = {"区分", "照査項目", "照査値", "許容値",
                                                      "単位", "比率", "判定", "支配"};

std::array<std::string, 8> Cells(const SummaryRow& r) {
    return {std::string(DesignCaseName(r.Case)), std::string(SummaryCheckTitle(r.Check)),
            SummaryFigure(r.Value), SummaryFigure(r.Limit), std::string(r.Unit), SummaryFigure(r.Ratio),
            r.Ok ? "OK" : "NO", r.Governing ? "＊" : ""};
}

}  // namespace

PairOutcome RunPairWithReport(const PairInputs& inputs, ResultsStore& ordinary, ResultsStore& seismic,
                              std::string_view projectTitle) {
    return RunPair(inputs, [&](DesignCase c, const ControlSource& controls) {
        return RunWithReport(controls, c == DesignCase::Ordinary ? ordinary : seismic, projectTitle);
    });
}

std::string SummaryFigure(const std::optional<double>& x) { return x ? FormatNumber("0.000", *x) : "---"; }

std::vector<std::string> SummaryTextLines(const std::vector<SummaryRow>& rows) {
    // Widths: the titles' and every row's cells, at least.
    std::array<std::size_t, 8> width{};
    for (std::size_t c = 0; c < kColumns.size(); ++c) width[c] = Cells(kColumns[c]);
    for (const SummaryRow& r : rows) {
        const auto cells = Cells(r);
        for (std::size_t c = 0; c < cells.size(); ++c) width[c] = std::max(width[c], Cells(cells[c]));
    }
    // Text columns left-aligned, figures right-aligned, two spaces apart.
    const auto line = [&](const std::array<std::string, 8>& cells) {
        std::string out = "  ";
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c > 0) out += "  ";
            const bool figure = c >= 2 && c <= 5 && c != 4;
            out += figure ? PadLeft(cells[c], width[c]) : PadRight(cells[c], width[c]);
        }
        while (!out.empty() && out.back() == ' ') out.pop_back();
        return out;
    };

    std::vector<std::string> out;
    out.emplace_back(kSummaryTitle);
    out.emplace_back("  比率＝作用／抵抗（照査値と許容値の比、1.000以下でOK）");
    out.emplace_back("  ＊＝各ケースで比率が最大の照査、---＝計算できない値");
    out.emplace_back("");
    std::array<std::string, 8> titles;
    for (std::size_t c = 0; c < kColumns.size(); ++c) titles[c] = std::string(kColumns[c]);
    out.push_back(line(titles));
    std::size_t total = 2;
    for (std::size_t c = 0; c < width.size(); ++c) total += width[c] + (c > 0 ? 2 : 0);
    out.push_back("  " + std::string(total - 2, '-'));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        // A rule between the cases.
        if (i > 0 && rows[i].Case != rows[i - 1].Case) out.push_back("  " + std::string(total - 2, '-'));
        out.push_back(line(Cells(rows[i])));
    }
    return out;
}

StringGridContent SummaryGrid(const std::vector<SummaryRow>& rows) {
    StringGridContent g;
    g.Resize(static_cast<int>(kColumns.size()), static_cast<int>(rows.size()) + 1);
    static constexpr std::array<int, 8> kWidths = {50, 100, 70, 70, 50, 60, 40, 40};
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        g.SetColWidth(static_cast<int>(c), kWidths[c]);
        g.SetCell(static_cast<int>(c), 0, std::string(kColumns[c]));
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto cells = Cells(rows[i]);
        for (std::size_t c = 0; c < cells.size(); ++c)
            g.SetCell(static_cast<int>(c), static_cast<int>(i) + 1, cells[c]);
    }
    return g;
}

}  // namespace stelvar
