#include "documents/printed_report.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "report/chart_renderer.h"
#include "report/report_writers.h"
#include "text/cp932.h"

namespace stelvar {
namespace {

// Axis titles the page figures carry in place of the results charts' own.
constexpr std::string_view kWidthTitle = "幅(m)";
constexpr std::string_view kHeightTitle = "高さ(m)";
constexpr std::string_view kFixedWidthTitle = "固定部幅";
constexpr std::string_view kStressTitle = "応力度";

// Room kept free between a text line and the page frame.
constexpr int kFrameInset = 4;

// A value as the page figures carry it: in single precision (the build keeps GCC from
// vectorising this narrowing away).
double Single(double v) { return static_cast<double>(static_cast<float>(v)); }

PrintedTextBlock Text(std::string_view source, int left, int top, int fontHeight = kPageFontHeight) {
    PrintedTextBlock b;
    b.Source = std::string(source);
    b.Left = left;
    b.Top = top;
    b.FontHeight = fontHeight;
    return b;
}

PrintedFigure Figure(std::string_view source, int left, int top, int width, int height,
                     std::string_view title = {}, std::string_view bottomTitle = {},
                     std::string_view leftTitle = {}) {
    PrintedFigure f;
    f.Source = std::string(source);
    f.Left = left;
    f.Top = top;
    f.Width = width;
    f.Height = height;
    f.Figure.Name = std::string(source);
    f.Figure.Title = std::string(title);
    f.Figure.Bottom.Title = std::string(bottomTitle);
    f.Figure.Left.Title = std::string(leftTitle);
    return f;
}

PrintedTable Table(std::string_view source, int left, int top, std::string_view title = {}) {
    PrintedTable t;
    t.Source = std::string(source);
    t.Left = left;
    t.Top = top;
    t.Figure.Name = std::string(source);
    t.Figure.Title = std::string(title);
    return t;
}

PrintedPage Page(int number, std::string_view form, std::string_view title, std::string_view label) {
    PrintedPage p;
    p.Number = number;
    p.FormName = std::string(form);
    p.Title = std::string(title);
    p.PageLabel = std::string(label);
    return p;
}

// The slab page heading (title and number) the slab menu gives page 11, 12 or 13.
const SlabPageHeading& SlabHeading(const SlabMenu& slabs, int page) {
    if (page == 11) return slabs.ToePage;
    if (page == 12) return slabs.HeelPage;
    return slabs.KeyPage;
}

std::string_view SlabPageCaption(int page) {
    if (page == 11) return kToePageNumber;
    if (page == 12) return kHeelPageNumber;
    return kKeyPageNumber;
}

// The bottom-axis maximum of the source: the one it sets, or for an automatic axis the
// largest x it shows (which limits nothing).
std::optional<double> BottomMaximum(const Chart& source) {
    if (source.Bottom.RangeSet) return source.Bottom.Max;
    return std::nullopt;
}

// The page figures are mostly smaller than the results window draws the same charts, so
// their point labels are set smaller in proportion (never below 7 points, never larger
// than the source's); at the source's size the labels of a narrow figure run into each
// other.
void ScaleMarks(PrintedFigure& figure, const Chart& source) {
    constexpr int kSmallestMarkSize = 7;
    const ChartSize shown = ResultsChartSize(source.Name);
    const double ratio = shown.Width > 0 ? std::min(1.0, static_cast<double>(figure.Width) / shown.Width) : 1.0;
    for (std::size_t i = 0; i < figure.Figure.Series.size() && i < source.Series.size(); ++i) {
        const int size = source.Series[i].Font.Size;
        if (size <= 0) continue;
        figure.Figure.Series[i].Font.Size =
            std::min(size, std::max(kSmallestMarkSize, static_cast<int>(std::lround(size * ratio))));
    }
}

// Makes a line that would run past the frame fit by setting the block narrower.
void FitToFrame(PrintedTextBlock& block) {
    block.Condense = 1.0;
    const double width = TextBlockWidth(block);
    const double room = kFrameRight - kFrameInset - block.Left;
    if (width > room && room > 0) block.Condense = room / width;
}

struct Box {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
};

bool Overlaps(const Box& a, const Box& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// A line of half-width and full-width spaces only: nothing of it shows.
bool Blank(std::string_view line) {
    constexpr std::string_view kIdeographicSpace = "\u3000";
    for (std::size_t i = 0; i < line.size();) {
        if (line[i] == ' ') {
            ++i;
        } else if (line.substr(i, kIdeographicSpace.size()) == kIdeographicSpace) {
            i += kIdeographicSpace.size();
        } else {
            return false;
        }
    }
    return true;
}

// Where each line of a block that shows something stands on the page, as set.
std::vector<Box> LineBoxes(const PrintedTextBlock& block) {
    std::vector<Box> boxes;
    const double h = std::abs(block.FontHeight);
    for (std::size_t i = 0; i < block.Lines.size(); ++i) {
        if (Blank(block.Lines[i])) continue;
        const double top = block.Top + static_cast<double>(i) * h;
        boxes.push_back({static_cast<double>(block.Left), top,
                         block.Left + TextCells(block.Lines[i]) * h / 2 * block.Condense, top + h});
    }
    return boxes;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Page forms

PrintedPage ReportPageForm(int number) {
    switch (number) {
        case 1: {
            PrintedPage p = Page(1, "TForm15", "目　　次", "");
            p.TitleFontHeight = 19;
            p.TitleCentred = true;
            p.Texts.push_back(Text("ListBox20", 272, 152, 16));
            return p;
        }
        case 2: {
            PrintedPage p = Page(2, "TForm16", "Ⅰ．設計条件", "1");
            p.TitleNote = "Vantorel Ver3.0";
            p.Texts.push_back(Text("ListBox7", 96, 104));
            p.Texts.push_back(Text("ListBox10", 432, 576));
            p.Figures.push_back(Figure("Chart2", 408, 112, 345, 441, {}, kWidthTitle, kHeightTitle));
            return p;
        }
        case 3: {
            PrintedPage p = Page(3, "TForm11", "Ⅱ-1．荷重計算(自重：安定計算用)", "2");
            p.Texts.push_back(Text("ListBox6", 104, 96));
            p.Tables.push_back(Table("StringGrid2", 496, 96, "表１：荷重座標一覧表"));
            p.Figures.push_back(Figure("Chart4", 96, 768, 289, 289, {}, kWidthTitle, kHeightTitle));
            return p;
        }
        case 4: {
            PrintedPage p = Page(4, "TForm17", "Ⅱ-2．荷重計算(自重：構造計算用)", "3");
            p.Texts.push_back(Text("ListBox21", 104, 112));
            p.Tables.push_back(Table("StringGrid4", 512, 88, "表：荷重座標一覧表"));
            p.Figures.push_back(Figure("Chart12", 96, 768, 289, 265, "図3：点番号図"));
            return p;
        }
        case 5: {
            PrintedPage p = Page(5, "TForm6", "Ⅱ-3．荷重計算(土圧等)", "4");
            p.Headings.push_back({"２．土圧計算", 96, 98});
            p.Texts.push_back(Text("ListBox1", 112, 120));
            p.Headings.push_back({"３．その他の荷重", 440, 98});
            p.Texts.push_back(Text("ListBox2", 456, 120));
            p.Figures.push_back(Figure("Chart5", 128, 632, 305, 151, "図:すべり角～土圧",
                                       "ω：すべり角（度）", "Pa：土圧合力(kN)"));
            p.Headings.push_back({"４．荷重一覧：表３", 96, 800});
            p.Tables.push_back(Table("StringGrid6", 128, 824));
            return p;
        }
        case 6: {
            PrintedPage p = Page(6, "TForm12", "Ⅲ-1．安定計算", "5");
            p.Texts.push_back(Text("ListBox3", 96, 93));
            p.Texts.push_back(Text("ListBox4", 96, 365));
            p.Texts.push_back(Text("ListBox5", 96, 637));
            p.Figures.push_back(Figure("Chart11", 440, 688, 305, 353, {}, kWidthTitle, kHeightTitle));
            return p;
        }
        case 7: {
            PrintedPage p = Page(7, "TForm10", "Ⅲ-1．安定計算（極限支持力）", "6");
            p.Texts.push_back(Text("ListBox23", 96, 93));
            return p;
        }
        case 8: {
            PrintedPage p = Page(8, "TForm18", "Ⅲ-2．荷重図", "7");
            p.Figures.push_back(Figure("Chart1", 96, 91, 649, 622, {}, kWidthTitle, kHeightTitle));
            p.Texts.push_back(Text("ListBox12", 111, 722));
            return p;
        }
        case 9: {
            PrintedPage p = Page(9, "TForm13", "Ⅳ-1-1．構造計算：たて壁(断面力)", "8");
            p.Texts.push_back(Text("ListBox8", 96, 96));
            p.Texts.push_back(Text("ListBox19", 456, 200));
            p.Headings.push_back({"表：断面力", 104, 736});
            p.Tables.push_back(Table("StringGrid1", 96, 760));
            p.Tables.push_back(Table("StringGrid5", 96, 890));
            return p;
        }
        case 10: {
            PrintedPage p = Page(10, "TForm19", "Ⅳ-1-2．構造計算：たて壁(応力度)", "9");
            p.Texts.push_back(Text("ListBox14", 96, 112));
            p.Tables.push_back(Table("StringGrid3", 112, 720, "表"));
            p.Figures.push_back(Figure("Chart3", 480, 743, 257, 298, {}, kFixedWidthTitle, kStressTitle));
            return p;
        }
        case 11: {
            PrintedPage p = Page(11, "TForm14", "Ⅳ-2-1．構造計算：底版(つま先版)", "");
            p.Texts.push_back(Text("ListBox9", 112, 104));
            p.Figures.push_back(Figure("Chart6", 480, 152, 257, 265, {}, kFixedWidthTitle, kStressTitle));
            p.Tables.push_back(Table("StringGrid11", 112, 744, "表：断面力"));
            p.Tables.push_back(Table("StringGrid7", 112, 856, "表：応力度"));
            return p;
        }
        case 12: {
            PrintedPage p = Page(12, "TForm20", "Ⅳ-2-2．構造計算：底版(かかと版)", "");
            p.TitleBandWidth = 643;
            p.Texts.push_back(Text("ListBox11", 112, 104));
            p.Figures.push_back(Figure("Chart7", 440, 136, 257, 257));
            p.Tables.push_back(Table("StringGrid12", 112, 752, "表：断面力"));
            p.Tables.push_back(Table("StringGrid10", 112, 872, "表：応力度"));
            return p;
        }
        case 13: {
            PrintedPage p = Page(13, "TForm21", "Ⅳ-2-3．構造計算：底版(突起)", "");
            p.TitleBandWidth = 643;
            p.Texts.push_back(Text("ListBox13", 96, 88));
            p.Tables.push_back(Table("StringGrid15", 108, 872, "表：応力度"));
            p.Figures.push_back(Figure("Chart8", 432, 872, 273, 185, "図", {}, "地盤反力(kN/m2)"));
            return p;
        }
        default:
            throw std::out_of_range("printed report page " + std::to_string(number) +
                                    " does not exist (1 to 13)");
    }
}

std::array<PrintedPage, kPrintedPageCount> ReportPageForms() {
    std::array<PrintedPage, kPrintedPageCount> pages;
    for (int i = 0; i < kPrintedPageCount; ++i) pages[static_cast<std::size_t>(i)] = ReportPageForm(i + 1);
    return pages;
}

std::optional<int> PreviewMenuPage(std::string_view menuItem) {
    static constexpr std::array<std::string_view, kPrintedPageCount> kItems = {
        "Contents1", "N4", "N6", "N16", "N25", "N110", "N210", "N26", "N18", "N28", "N19", "N29", "N31"};
    for (std::size_t i = 0; i < kItems.size(); ++i)
        if (kItems[i] == menuItem) return static_cast<int>(i) + 1;
    return std::nullopt;
}

// ---------------------------------------------------------------------------------------
// Fill operations

void CopyListToText(const ListBoxContent& list, PrintedTextBlock& block) {
    block.Lines.clear();
    block.Height = 0;
    const int h = std::abs(block.FontHeight);
    for (std::size_t i = 0; i < list.Lines.size(); ++i) {
        block.Height = h * (static_cast<int>(i) + 3);
        block.Lines.push_back(list.Lines[i]);
    }
}

void CopyChart(const Chart& source, Chart& figure) {
    if (source.Left.Min != 0 || source.Left.Max != 0) {
        figure.Left.Min = source.Left.Min;
        figure.Left.Max = source.Left.Max;
        figure.Left.RangeSet = true;
    }
    if (source.Bottom.Min != 0 || source.Bottom.Max != 0) {
        figure.Bottom.Min = source.Bottom.Min;
        figure.Bottom.Max = source.Bottom.Max;
        figure.Bottom.RangeSet = true;
    }
    const std::optional<double> xMax = BottomMaximum(source);
    for (std::size_t i = 0; i < source.Series.size(); ++i) {
        const ChartSeries& from = source.Series[i];
        if (figure.Series.size() <= i) {
            ChartSeries design = from;
            design.Points.clear();
            figure.Series.push_back(std::move(design));
        }
        ChartSeries& to = figure.Series[i];
        to.Clear();
        to.SeriesColour = from.SeriesColour;
        to.Points.reserve(from.Points.size());
        for (const SeriesPoint& p : from.Points) {
            if (p.Null) {
                to.AddNull();
                continue;
            }
            const double x = xMax ? std::min(p.X, *xMax) : p.X;
            to.Add(Single(x), Single(p.Y), p.Label);
        }
    }
}

void DrawTable(const StringGridContent& grid, PrintedTable& table) {
    const int columns = std::max(grid.ColCount, 0);
    const int rows = std::max(grid.RowCount, 0);
    const double h = grid.DefaultRowHeight;
    std::vector<double> widths;
    double gridWidth = 0;
    for (int j = 0; j < columns; ++j) {
        widths.push_back(grid.ColWidth(j));
        gridWidth += widths.back();
    }

    Chart& f = table.Figure;
    ChartSeries& across = f.Get("HorizontalRules");
    ChartSeries& down = f.Get("VerticalRules");
    ChartSeries& cells = f.Get("Cells");
    cells.MarksVisible = true;

    across.Clear();
    const auto ruleAcross = [&](double y) {
        across.Add(0, y);
        across.Add(gridWidth, y);
        across.Add(0, y);
    };
    ruleAcross(-(h + 1));
    for (int k = 1; k <= rows; ++k) ruleAcross(-k * h);

    down.Clear();
    const auto ruleDown = [&](double x) {
        down.Add(x, 0);
        down.Add(x, -rows * h);
        down.Add(x, 0);
    };
    if (columns > 0) ruleDown(widths[0] + 1);
    double right = 0;
    for (double w : widths) {
        right += w;
        ruleDown(right);
    }

    f.Left.Min = -rows * h;
    f.Left.Max = 0;
    f.Left.RangeSet = true;
    f.Bottom.Min = 0;
    f.Bottom.Max = gridWidth;
    f.Bottom.RangeSet = true;
    table.Width = static_cast<int>(gridWidth) + 15 * columns;
    table.Height = static_cast<int>(rows * h) + 5 * rows;

    cells.Clear();
    double left = 0;
    for (int j = 0; j < columns; ++j) {
        const double w = widths[static_cast<std::size_t>(j)];
        for (int i = 0; i < rows; ++i) cells.Add(left + w / 2, -(i + 1) * h, grid.Cell(j, i));
        left += w;
    }
}

void FillReportPage(PrintedPage& page, const ResultsStore& store, const SlabMenu& slabs) {
    for (PrintedTextBlock& b : page.Texts) {
        CopyListToText(store.List(b.Source), b);
        FitToFrame(b);
    }
    for (PrintedFigure& f : page.Figures) {
        const Chart& source = store.GetChart(f.Source);
        if (f.Figure.Title.empty()) {
            f.Figure.Title = source.Title;
            f.Figure.TitleColour = source.TitleColour;
        }
        if (f.Figure.Bottom.Title.empty()) f.Figure.Bottom.Title = source.Bottom.Title;
        if (f.Figure.Left.Title.empty()) f.Figure.Left.Title = source.Left.Title;
        f.Figure.Legend = source.Legend;
        CopyChart(source, f.Figure);
        ScaleMarks(f, source);
    }
    for (PrintedTable& t : page.Tables) DrawTable(store.Grid(t.Source), t);

    if (page.Number >= 11 && page.Number <= 13) {
        const SlabPageHeading& heading = SlabHeading(slabs, page.Number);
        page.Title = heading.Title;
        const ResultsStore::Caption* caption = store.FindCaption(SlabPageCaption(page.Number));
        page.PageLabel = caption != nullptr ? caption->Text : heading.Number;
    }
}

PrintedPage FilledReportPage(int number, const ResultsStore& store, const SlabMenu& slabs) {
    PrintedPage page = ReportPageForm(number);
    FillReportPage(page, store, slabs);
    return page;
}

// ---------------------------------------------------------------------------------------
// Layout checks

int TextCells(std::string_view line) {
    int cells = 0;
    for (std::size_t i = 0; i < line.size();) {
        const auto lead = static_cast<unsigned char>(line[i]);
        std::size_t n = 1;
        if (lead >= 0xF0) {
            n = 4;
        } else if (lead >= 0xE0) {
            n = 3;
        } else if (lead >= 0xC0) {
            n = 2;
        }
        n = std::min(n, line.size() - i);
        int c = 2;
        try {
            c = static_cast<int>(Cp932Length(line.substr(i, n)));
        } catch (const EncodingError&) {
            c = 2;
        }
        cells += std::clamp(c, 1, 2);
        i += n;
    }
    return cells;
}

double TextBlockWidth(const PrintedTextBlock& block) {
    int widest = 0;
    for (const std::string& line : block.Lines) widest = std::max(widest, TextCells(line));
    return widest * std::abs(block.FontHeight) / 2.0;
}

std::vector<PageLayoutFault> FindLayoutFaults(const PrintedPage& page) {
    std::vector<PageLayoutFault> faults;
    std::vector<std::pair<std::string, Box>> others;
    for (const PrintedFigure& f : page.Figures)
        others.push_back({f.Source, {static_cast<double>(f.Left), static_cast<double>(f.Top),
                                     static_cast<double>(f.Left + f.Width),
                                     static_cast<double>(f.Top + f.Height)}});
    for (const PrintedTable& t : page.Tables)
        others.push_back({t.Source, {static_cast<double>(t.Left), static_cast<double>(t.Top),
                                     static_cast<double>(t.Left + t.Width),
                                     static_cast<double>(t.Top + t.Height)}});

    std::vector<std::vector<Box>> lines;
    for (const PrintedTextBlock& b : page.Texts) lines.push_back(LineBoxes(b));

    for (std::size_t k = 0; k < page.Texts.size(); ++k) {
        const PrintedTextBlock& b = page.Texts[k];
        bool pastFrame = false;
        bool pastBottom = false;
        std::vector<std::string> into;
        for (const Box& line : lines[k]) {
            pastFrame = pastFrame || line.Right > kFrameRight;
            pastBottom = pastBottom || line.Bottom > kFrameBottom;
            for (const auto& [name, box] : others)
                if (Overlaps(line, box) && std::find(into.begin(), into.end(), name) == into.end())
                    into.push_back(name);
            for (std::size_t m = 0; m < page.Texts.size(); ++m) {
                if (m == k) continue;
                const std::string& name = page.Texts[m].Source;
                for (const Box& other : lines[m])
                    if (Overlaps(line, other) && std::find(into.begin(), into.end(), name) == into.end())
                        into.push_back(name);
            }
        }
        if (pastFrame) faults.push_back({b.Source, "runs past the right edge of the frame"});
        if (pastBottom) faults.push_back({b.Source, "runs past the bottom of the frame"});
        for (const std::string& name : into) faults.push_back({b.Source, "runs into " + name});
    }
    return faults;
}

// ---------------------------------------------------------------------------------------
// Print-all

std::vector<int> PrintAllPages(const SlabMenuConditions& wall) {
    // The bearing-capacity page belongs to the printed calculation as the contents list
    // it (P6): a printed design must not lack its bearing check.
    std::vector<int> pages = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const bool slab = wall.SlabThickness > 0;
    if (slab && wall.ToeWidth > 0) pages.push_back(11);
    if (wall.WallType == 0 && slab && wall.HeelWidth > 0) pages.push_back(12);
    if (wall.ShearKey) pages.push_back(13);
    return pages;
}

std::optional<std::vector<int>> AskPrintAll(const ControlSource& conditions, Dialogs& dialogs) {
    const SlabMenuConditions wall = ReadSlabMenuConditions(conditions);
    if (!dialogs.Confirm(kPrintAllQuestion)) return std::nullopt;
    return PrintAllPages(wall);
}

}  // namespace stelvar
