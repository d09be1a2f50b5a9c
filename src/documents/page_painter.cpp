#include "documents/page_painter.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "report/chart_renderer.h"

namespace stelvar {
namespace {

// The Japanese faces stand 0.88 em above their base line (as the chart canvas places
// them); a text placed by its top-left corner is placed by its em box.
constexpr double kEmAboveBase = 0.88;
constexpr double kEmBelowBase = 0.12;
// Between a cell's text and the rule under it.
constexpr double kCellTextGap = 3.0;
// Between a table's title and its top rule.
constexpr double kTableTitleGap = 3.0;
// Free room kept on either side of a cell's text.
constexpr double kCellPadding = 1.5;

// The report lines are aligned on half-width cells (a full-width character is two), so
// the blocks are set in the fixed-pitch face the results window's lists use.
constexpr std::string_view kTextBlockFont = "ＭＳ ゴシック";

void TextAt(PageSurface& s, std::string_view font, int height, double left, double top, std::string_view text) {
    s.SetFont(font, height);
    s.Text(text, {left, top + kEmAboveBase * height});
}

void PaintTitleBand(PageSurface& s, const PrintedPage& page) {
    const double bandRight = kTitleBandLeft + page.TitleBandWidth;
    const double bandBottom = kTitleBandTop + kTitleBandHeight;
    s.Rule({kTitleBandLeft, bandBottom}, {bandRight, bandBottom});

    double titleTop = kTitleBandTop + kTitleTopInBand;
    double titleLeft = kTitleBandLeft + kTitleLeftInBand;
    if (page.TitleCentred) {
        s.SetFont(kPageFontName, page.TitleFontHeight);
        const double width = s.TextWidth(page.Title);
        titleLeft = kTitleBandLeft + (page.TitleBandWidth - width) / 2;
        titleTop = kTitleBandTop + (kTitleBandHeight - page.TitleFontHeight) / 2.0;
    }
    TextAt(s, kPageFontName, page.TitleFontHeight, titleLeft, titleTop, page.Title);

    if (!page.TitleNote.empty()) {
        // At the right end of the band, on the title's base line.
        s.SetFont(kPageFontName, page.TitleNoteFontHeight);
        const double width = s.TextWidth(page.TitleNote);
        const double baseline = titleTop + kEmAboveBase * page.TitleFontHeight;
        s.Text(page.TitleNote, {bandRight - kTitleLeftInBand - width, baseline});
    }
}

// The characters of a UTF-8 line, each as its own bytes.
std::vector<std::string_view> Characters(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        const auto lead = static_cast<unsigned char>(line[i]);
        std::size_t n = 1;
        if (lead >= 0xF0)
            n = 4;
        else if (lead >= 0xE0)
            n = 3;
        else if (lead >= 0xC0)
            n = 2;
        n = std::min(n, line.size() - i);
        out.push_back(line.substr(i, n));
        i += n;
    }
    return out;
}

// A report line on its grid of half-width cells; each character centred in its cells,
// so that a glyph narrower than its cells (Greek letters, the middle dot) does not pull
// the rest of the line out of its columns.
void PaintTextBlock(PageSurface& s, const PrintedTextBlock& block) {
    const int h = std::abs(block.FontHeight);
    if (h == 0 || block.Lines.empty()) return;
    // The lines follow each other at the font height with no leading, and this face's
    // glyphs fill their em box more fully than the named face's: set at the full height
    // neighbouring lines would touch. The glyphs are set a twelfth smaller; the cells,
    // and so the alignment and the block's height, stay those of the font height.
    s.SetFont(kTextBlockFont, std::max(1, static_cast<int>(std::lround(h * 12.0 / 13.0))));
    const double half = h / 2.0;
    const double narrower = block.Condense < 1.0 ? block.Condense : 1.0;
    const CanvasPoint origin{static_cast<double>(block.Left), static_cast<double>(block.Top)};
    for (std::size_t i = 0; i < block.Lines.size(); ++i) {
        const double baseline = static_cast<double>(i) * h + kEmAboveBase * h;
        double x = 0;
        for (std::string_view c : Characters(block.Lines[i])) {
            const double slot = TextCells(c) * half;
            if (c != " " && c != "\u3000")
                s.Text(c, {x + (slot - s.TextWidth(c)) / 2, baseline}, origin, narrower);
            x += slot;
        }
    }
}

// The table figure: the frame of its plot, the rules, the cell texts above their points
// and the title over it. Axis values map one to one onto pixels, y upward from the top
// rule; the plot stands in the middle of the figure.
void PaintTable(PageSurface& s, const PrintedTable& table) {
    const Chart& f = table.Figure;
    const double gridWidth = f.Bottom.Max - f.Bottom.Min;
    const double gridHeight = f.Left.Max - f.Left.Min;
    if (f.Series.size() < 3 || gridWidth <= 0 || gridHeight <= 0) return;
    const double plotLeft = table.Left + (table.Width - gridWidth) / 2;
    const double plotTop = table.Top + (table.Height - gridHeight) / 2;
    const auto map = [&](const SeriesPoint& p) {
        return CanvasPoint{plotLeft + (p.X - f.Bottom.Min), plotTop + (f.Left.Max - p.Y)};
    };

    s.RuleRectangle({plotLeft, plotTop, plotLeft + gridWidth, plotTop + gridHeight});
    for (std::size_t k = 0; k < 2; ++k) {
        const ChartSeries& rules = f.Series[k];
        for (std::size_t i = 1; i < rules.Points.size(); ++i) s.Rule(map(rules.Points[i - 1]), map(rules.Points[i]));
    }

    // The column edges, so that a cell text wider than its column can be set narrower
    // instead of running over the rules.
    std::vector<double> edges = {f.Bottom.Min};
    for (const SeriesPoint& p : f.Series[1].Points) edges.push_back(p.X);
    std::sort(edges.begin(), edges.end());
    const auto room = [&edges](double x) {
        const auto hi = std::upper_bound(edges.begin(), edges.end(), x);
        if (hi == edges.begin() || hi == edges.end()) return 0.0;
        return *hi - *std::prev(hi) - 2 * kCellPadding;
    };

    s.SetFont(kPageFontName, kTableFontHeight);
    for (const SeriesPoint& p : f.Series[2].Points) {
        if (p.Label.empty()) continue;
        const CanvasPoint at = map(p);
        const double width = s.TextWidth(p.Label);
        const double available = room(p.X);
        const double narrower = available > 0 && width > available ? available / width : 1.0;
        s.Text(p.Label, {-width / 2, 0}, {at.X, at.Y - kCellTextGap - kEmBelowBase * kTableFontHeight}, narrower);
    }
    if (!f.Title.empty())
        s.Text(f.Title, {plotLeft + (gridWidth - s.TextWidth(f.Title)) / 2,
                         plotTop - kTableTitleGap - kEmBelowBase * kTableFontHeight});
}

}  // namespace

void PaintPrintedPage(const PrintedPage& page, PageSurface& surface) {
    surface.RuleRectangle({kFrameLeft, kFrameTop, kFrameRight, kFrameBottom});
    PaintTitleBand(surface, page);

    for (const PrintedTextBlock& b : page.Texts) PaintTextBlock(surface, b);
    for (const PrintedTable& t : page.Tables) PaintTable(surface, t);
    for (const PrintedFigure& f : page.Figures)
        surface.WithCanvasAt(f.Left, f.Top, [&f](Canvas& canvas) { DrawChart(f.Figure, canvas, f.Width, f.Height); });
    for (const PrintedHeading& h : page.Headings) TextAt(surface, kPageFontName, h.FontHeight, h.Left, h.Top, h.Text);
    if (!page.PageLabel.empty())
        TextAt(surface, kPageFontName, kPageFontHeight, kPageLabelLeft, kPageLabelTop, page.PageLabel);
}

}  // namespace stelvar
