#include "pdf/pdf_export.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "documents/file_io.h"
#include "report/chart_renderer.h"
#include "text/cp932.h"

namespace stelvar {
namespace {

// The page frame, in points from the lower left corner of the A4 page.
constexpr double kFrameLeft = 45;
constexpr double kFrameTop = 817;
constexpr double kFrameRight = 571;
constexpr double kFrameBottom = 28;
constexpr double kTitleBandLine = 797;  // the line under the page title
constexpr int kMinchoFont = 6;
constexpr int kMaxTableColumns = 20;

// Bytes of one UTF-8 character starting with `lead`; 1 for a byte that starts none.
std::size_t Utf8Length(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

// The text with "?" for each character the Shift-JIS fonts cannot show. Report lines
// are always in code page 932, but a project title taken from a file name may hold any
// character, and the document is written regardless.
std::string Printable(std::string_view utf8) {
    try {
        Utf8ToCp932(utf8);
        return std::string(utf8);
    } catch (const EncodingError&) {
    }
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n =
            std::min(Utf8Length(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        try {
            Utf8ToCp932(utf8.substr(i, n));
            out += utf8.substr(i, n);
        } catch (const EncodingError&) {
            out += '?';
        }
        i += n;
    }
    return out;
}

// Text drawing and measuring through Printable.
void Text(TPDFContents& canvas, std::string_view utf8, double x, double y) {
    canvas.TextOut(Printable(utf8), x, y);
}
double Width(TPDFContents& canvas, std::string_view utf8) {
    return canvas.TextWidth(Printable(utf8));
}

// The first line of a text that may hold line breaks.
std::string_view FirstLine(std::string_view text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

// An axis's limits as the chart shows them: the range the report writers set, or, for
// an axis left automatic, the extent of the points drawn on it.
struct AxisLimits {
    double Min = 0;
    double Max = 0;
};

std::optional<AxisLimits> Limits(const Chart& chart, const ChartAxis& axis, bool horizontal) {
    if (axis.RangeSet) return AxisLimits{axis.Min, axis.Max};
    std::optional<AxisLimits> extent;
    for (const ChartSeries& s : chart.Series)
        for (const SeriesPoint& p : s.Points) {
            if (p.Null) continue;
            const double v = horizontal ? p.X : p.Y;
            if (!extent) extent = AxisLimits{v, v};
            extent->Min = std::min(extent->Min, v);
            extent->Max = std::max(extent->Max, v);
        }
    return extent;
}

// Chart points far off the plot (a point that overruns the axis range by orders of
// magnitude) are hidden by the frame's clip anyway. Before they are written, each line
// is cut to a square reaching this far around the page and each label is held inside
// it, so that every written number stays within what the file can hold.
constexpr double kFarOff = 30000;

double HeldFarOff(double v) { return std::clamp(v, -kFarOff, kFarOff); }

// The part of the segment inside the square ±kFarOff; false when no part lies inside or
// an end is not a finite number. A segment inside is left exactly as it is.
bool CutFarOff(double& x1, double& y1, double& x2, double& y2) {
    CanvasPoint a{x1, y1};
    CanvasPoint b{x2, y2};
    if (!CutSegmentToRect({-kFarOff, -kFarOff, kFarOff, kFarOff}, a, b)) return false;
    x1 = a.X;
    y1 = a.Y;
    x2 = b.X;
    y2 = b.Y;
    return true;
}

// Page layout of the export: the page counter and the elements every page shares.
class ReportPages {
public:
    explicit ReportPages(TPDFMaker& maker) : maker_(maker) {}

    // The counter starts at 0 with the first page of the document current.
    void StartFirstPage() {
        counter_ = 0;
        StartPage();
    }

    void NextPage(std::string_view title) {
        EndPage();
        maker_.NewPage();
        StartPage();
        Frame();
        Title(title);
    }

    // The page number centred under the frame; the contents page carries none.
    void EndPage() {
        const int number = counter_ - 1;
        if (number <= 0) return;
        TPDFContents& c = Canvas();
        c.FontIndex = kMinchoFont;
        c.FontSize = 10;
        const std::string text = "Page: " + std::to_string(number);
        const double w = c.TextWidth(text);
        c.TextOut(text, kFrameLeft + ((kFrameRight - kFrameLeft) - w) / 2, kFrameBottom - 10 - 2);
    }

    void Frame() {
        TPDFContents& c = Canvas();
        c.LineWidth = 1;
        c.StrokeColor = clBlack;
        c.DrawRect(false, kFrameLeft, kFrameTop, kFrameRight, kFrameBottom);
        c.DrawLine(kFrameLeft, kTitleBandLine, kFrameRight, kTitleBandLine);
    }

    void Title(std::string_view title) {
        TPDFContents& c = Canvas();
        c.FontSize = 12;
        c.TextOut(title, 50, 802);
    }

    TPDFContents& Canvas() { return maker_.Canvas(); }

private:
    void StartPage() {
        Canvas().FontIndex = kMinchoFont;
        ++counter_;
    }

    TPDFMaker& maker_;
    int counter_ = 0;
};

void DrawReport(TPDFMaker& maker, const ResultsStore& store, const PdfExportConditions& conditions) {
    ReportPages pages(maker);
    auto list = [&](std::string_view name) -> const ListBoxContent& { return store.List(name); };
    auto grid = [&](std::string_view name) -> const StringGridContent& { return store.Grid(name); };
    auto chart = [&](std::string_view name) -> const Chart& { return store.GetChart(name); };
    auto canvas = [&]() -> TPDFContents& { return pages.Canvas(); };

    // Table of contents.
    pages.StartFirstPage();
    pages.Frame();
    canvas().FontSize = 12;
    canvas().TextOut("目　　次", 285, 802);
    PdfTextBlock(canvas(), list("ListBox20"), 140, 60, 12);

    pages.NextPage("Ⅰ.設計条件");
    PdfTextBlock(canvas(), list("ListBox7"), 20, 40, 10);
    PdfTextBlock(canvas(), list("ListBox10"), 300, 400, 10);
    PdfChart(canvas(), chart("Chart2"), 250, 50, 250, 250);

    pages.NextPage("Ⅱ-1.荷重計算(自重:安定計算用)");
    PdfTextBlock(canvas(), list("ListBox6"), 20, 40, 10);
    PdfTable(canvas(), grid("StringGrid2"), "表:荷重座標一覧表", 330, 60, 10);
    PdfChart(canvas(), chart("Chart4"), 20, 550, 200, 200);

    pages.NextPage("Ⅱ-1.荷重計算(自重:構造計算用)");
    PdfTextBlock(canvas(), list("ListBox21"), 20, 40, 10);
    PdfTable(canvas(), grid("StringGrid4"), "表:荷重座標一覧表", 330, 60, 10);
    PdfChart(canvas(), chart("Chart12"), 20, 550, 200, 200);

    pages.NextPage("Ⅱ-2.荷重計算(土圧等)");
    PdfTextBlock(canvas(), list("ListBox1"), 20, 40, 10);
    PdfTextBlock(canvas(), list("ListBox2"), 320, 60, 10);
    PdfChart(canvas(), chart("Chart5"), 20, 495, 230, 100);
    PdfTable(canvas(), grid("StringGrid6"), "表:荷重一覧", 20, 620, 10);

    pages.NextPage("Ⅲ-1.安定計算");
    PdfStackedTextBlocks(canvas(), list("ListBox3"), list("ListBox4"), list("ListBox5"), 20, 40, 9);
    PdfChart(canvas(), chart("Chart11"), 295, 570, 200, 200);

    pages.NextPage("Ⅲ-1.安定計算(極限支持力)");
    PdfTextBlock(canvas(), list("ListBox23"), 20, 40, 9);

    pages.NextPage("Ⅲ-2.荷重図");
    PdfChart(canvas(), chart("Chart1"), 20, 40, 450, 400);
    PdfTextBlock(canvas(), list("ListBox12"), 20, 480, 10);

    pages.NextPage("Ⅳ-1-1.構造計算:たて壁(断面力)");
    PdfTextBlock(canvas(), list("ListBox8"), 20, 40, 10);
    PdfTextBlock(canvas(), list("ListBox19"), 300, 100, 10);
    PdfTable(canvas(), grid("StringGrid1"), "表:断面力", 20, 530, 10);
    PdfTable(canvas(), grid("StringGrid5"), "", 20, 660, 10);

    pages.NextPage("Ⅳ-1-2.構造計算:たて壁(応力度)");
    PdfTextBlock(canvas(), list("ListBox14"), 20, 40, 10);
    PdfTable(canvas(), grid("StringGrid3"), "表:応力度", 20, 590, 10);
    PdfChart(canvas(), chart("Chart3"), 295, 550, 200, 200);

    const bool leaning = conditions.WallType == 1;
    const bool slab = conditions.SlabThickness > 0;
    if (slab && conditions.ToeWidth > 0) {
        pages.NextPage("Ⅳ-2.構造計算:底版(つま先版)");
        PdfTextBlock(canvas(), list("ListBox9"), 20, 40, 10);
        PdfTable(canvas(), grid("StringGrid11"), "表:断面力", 20, 630, 10);
        PdfTable(canvas(), grid("StringGrid7"), "表:応力度", leaning ? 380 : 370, 630, 10);
        PdfChart(canvas(), chart("Chart6"), 295, 60, 200, 200);
    }
    if (!leaning && slab && conditions.HeelWidth > 0) {
        pages.NextPage("Ⅳ-2.構造計算:底版(かかと版)");
        PdfTextBlock(canvas(), list("ListBox11"), 20, 40, 10);
        PdfTable(canvas(), grid("StringGrid12"), "表:断面力", 20, 630, 10);
        PdfTable(canvas(), grid("StringGrid10"), "表:応力度", 370, 630, 10);
        PdfChart(canvas(), chart("Chart7"), 295, 60, 200, 200);
    }
    if (conditions.ShearKey) {
        pages.NextPage("Ⅳ-2.構造計算:底版(突起)");
        PdfTextBlock(canvas(), list("ListBox13"), 10, 40, 10);
        PdfTable(canvas(), grid("StringGrid15"), "表:応力度", 300, 450, 10);
        PdfChart(canvas(), chart("Chart8"), 295, 60, 200, 200);
    }
    pages.EndPage();
}

}  // namespace

void PdfTextBlock(TPDFContents& canvas, const ListBoxContent& list, double L, double T, double S) {
    canvas.FontSize = S;
    canvas.Leading = S + 2;
    for (std::size_t i = 0; i < list.Lines.size(); ++i)
        Text(canvas, list.Lines[i], kFrameLeft + L, kFrameTop - T - static_cast<double>(i) * (S + 2));
}

void PdfStackedTextBlocks(TPDFContents& canvas, const ListBoxContent& first,
                          const ListBoxContent& second, const ListBoxContent& third, double L,
                          double T, double S) {
    canvas.FontSize = S;
    canvas.Leading = S + 2;
    // Line positions counted from the first line of the block; each list after the first
    // leaves one empty line between its first line and the last line before it.
    std::optional<std::size_t> lastLine;
    for (const ListBoxContent* list : {&first, &second, &third}) {
        if (list->Lines.empty()) continue;
        const std::size_t start = lastLine ? *lastLine + 2 : 0;
        for (std::size_t i = 0; i < list->Lines.size(); ++i)
            Text(canvas, list->Lines[i], kFrameLeft + L,
                           kFrameTop - T - static_cast<double>(start + i) * (S + 2));
        lastLine = start + list->Lines.size() - 1;
    }
}

void PdfTable(TPDFContents& canvas, const StringGridContent& grid, std::string_view caption,
              double L, double T, double S) {
    const int cols = std::clamp(grid.ColCount, 0, kMaxTableColumns);
    const int rows = std::max(grid.RowCount, 0);
    std::vector<double> widths;
    double W = 0;
    for (int k = 0; k < cols; ++k) {
        widths.push_back(grid.ColWidth(k));
        W += widths.back();
    }
    const double h = grid.DefaultRowHeight;
    const double H = rows * h;
    const double x0 = kFrameLeft + L;
    const double y0 = kFrameTop - T;

    canvas.StrokeColor = clBlack;
    if (cols > 0 && rows > 0) {
        canvas.LineWidth = 1;
        canvas.DrawLine(x0, y0 - h, x0 + W, y0 - h);
        canvas.LineWidth = 0.75;
        for (int i = 0; i <= rows; ++i) canvas.DrawLine(x0, y0 - i * h, x0 + W, y0 - i * h);
        canvas.LineWidth = 1;
        canvas.DrawLine(x0 + widths[0], y0, x0 + widths[0], y0 - H);
        canvas.LineWidth = 0.75;
        canvas.DrawLine(x0, y0, x0, y0 - H);
        double right = 0;
        for (int k = 0; k < cols; ++k) {
            right += widths[static_cast<std::size_t>(k)];
            canvas.DrawLine(x0 + right, y0, x0 + right, y0 - H);
        }
    }

    canvas.FontSize = S;
    Text(canvas, caption, x0, y0 + 3);
    double left = 0;
    for (int k = 0; k < cols; ++k) {
        const double wk = widths[static_cast<std::size_t>(k)];
        for (int r = 0; r < rows; ++r) {
            const std::string& text = grid.Cell(k, r);
            const double x = x0 + left + wk / 2 - Width(canvas, text) / 2;
            Text(canvas, text, x, y0 - (r + 1) * h + 3);
        }
        left += wk;
    }
}

void PdfChart(TPDFContents& canvas, const Chart& chart, double L, double T, double width,
              double height) {
    const double x0 = kFrameLeft + L;
    const double yb = kFrameTop - T - height;
    const double xr = x0 + width;
    const double yt = yb + height;

    canvas.FontSize = 8;
    canvas.LineWidth = 0.75;
    Text(canvas, FirstLine(chart.Title), x0, yt + 3);
    Text(canvas, chart.Bottom.Title, (x0 + xr) / 2 - Width(canvas, chart.Bottom.Title) / 2, yb - 10);
    Text(canvas, chart.Left.Title, xr + 2, (yb + yt) / 2);

    canvas.StrokeColor = clBlack;
    canvas.DrawRect(true, x0, yt, xr, yb);

    // Without a usable scale (an empty chart whose axes were never set, or one whose
    // range has no extent) no point has a place on the plot: only the frame is drawn.
    const std::optional<AxisLimits> bottom = Limits(chart, chart.Bottom, true);
    const std::optional<AxisLimits> left = Limits(chart, chart.Left, false);
    const bool scalable = bottom && left && bottom->Max > bottom->Min && left->Max > left->Min &&
                          std::isfinite(bottom->Max - bottom->Min) &&
                          std::isfinite(left->Max - left->Min);
    if (scalable) {
        const double sx = width / (bottom->Max - bottom->Min);
        const double sy = height / (left->Max - left->Min);
        auto mapX = [&](double u) { return x0 + (u - bottom->Min) * sx; };
        auto mapY = [&](double v) { return yb + (v - left->Min) * sy; };

        canvas.LineWidth = 0.2;
        for (const ChartSeries& s : chart.Series) {
            if (s.Points.size() < 2) continue;
            canvas.StrokeColor = s.SeriesColour;
            // A null point is a gap: the line stops before it and starts again after it.
            bool fromPrevious = false;
            double previousX = 0;
            double previousY = 0;
            for (const SeriesPoint& p : s.Points) {
                if (p.Null) {
                    fromPrevious = false;
                    continue;
                }
                const double x = mapX(p.X);
                const double y = mapY(p.Y);
                if (fromPrevious) {
                    double x1 = previousX;
                    double y1 = previousY;
                    double x2 = x;
                    double y2 = y;
                    if (CutFarOff(x1, y1, x2, y2)) canvas.DrawLine(x1, y1, x2, y2);
                }
                fromPrevious = true;
                previousX = x;
                previousY = y;
            }
            // Labels are shown where the report gives them; a label of one space is
            // drawn like any other.
            for (const SeriesPoint& p : s.Points) {
                if (p.Null || p.Label.empty()) continue;
                const double x = mapX(p.X);
                const double y = mapY(p.Y);
                // A point without a place on the page has no label either.
                if (!std::isfinite(x) || !std::isfinite(y)) continue;
                Text(canvas, p.Label, HeldFarOff(x - Width(canvas, p.Label) / 2),
                     HeldFarOff(y + 2));
            }
        }
    }
    canvas.GRestoreIfSaved();
}

namespace {

// The document information every report file carries, and the start of the file.
void BeginReportDocument(TPDFMaker& maker, TPDFMemoryStream& stream, std::string_view projectTitle,
                         std::string_view creationDate) {
    maker.Title = std::string(projectTitle);
    maker.Subject = std::string(kPdfSubject);
    maker.Creator = std::string(kPdfCreator);
    maker.Author = std::string(kPdfAuthor);
    maker.CreationDate = std::string(creationDate);
    maker.BeginDoc(&stream);
}

}  // namespace

std::string PdfExportBytes(const ResultsStore& store, const PdfExportConditions& conditions,
                           std::string_view projectTitle, std::string_view creationDate) {
    TPDFMemoryStream stream;
    TPDFMaker maker;
    BeginReportDocument(maker, stream, projectTitle, creationDate);
    DrawReport(maker, store, conditions);
    maker.EndDoc(false);
    return stream.Bytes();
}

void WritePdfExport(const ResultsStore& store, const ControlSource& conditions,
                    std::string_view projectTitle, const std::filesystem::path& target) {
    const PdfExportConditions c = ReadTextExportConditions(conditions);
    WriteFileReplacing(target, PdfExportBytes(store, c, projectTitle));
}

PdfExportOutcome ExportPdf(const ResultsStore& store, const ControlSource& conditions,
                           std::string_view projectTitle, Dialogs& dialogs,
                           const std::filesystem::path& target) {
    if (!dialogs.Confirm("計算結果をPDF出力しますか。\r\r出力ファイル名は\r　擁壁計算結果.pdf\rです。"))
        return PdfExportOutcome::Declined;
    WritePdfExport(store, conditions, projectTitle, target);
    dialogs.Info("擁壁計算結果.pdfを作成しました");
    if (dialogs.Confirm("[ 擁壁計算結果.pdf ]を表示しますか？\r\r(起動まで少し時間がかかります。)"))
        return PdfExportOutcome::ShowRequested;
    return PdfExportOutcome::Written;
}

std::string PairPdfExportBytes(const std::vector<SummaryRow>& summary, const ResultsStore& ordinary,
                               const PdfExportConditions& ordinaryConditions, const ResultsStore& seismic,
                               const PdfExportConditions& seismicConditions, std::string_view projectTitle,
                               std::string_view creationDate) {
    TPDFMemoryStream stream;
    TPDFMaker maker;
    BeginReportDocument(maker, stream, projectTitle, creationDate);

    // The summary page: frame and title band as every page has them, the note, the table.
    ReportPages pages(maker);
    pages.StartFirstPage();
    pages.Frame();
    pages.Title(kSummaryTitle);
    ListBoxContent note;
    note.Add("比率＝作用／抵抗（照査値と許容値の比、1.000以下でOK）");
    note.Add("＊＝各ケースで比率が最大の照査、---＝計算できない値");
    note.Add("以下、常時、地震時の順に各ケースの計算書を示す。");
    PdfTextBlock(pages.Canvas(), note, 20, 40, 10);
    PdfTable(pages.Canvas(), SummaryGrid(summary), "表:照査結果一覧", 20, 110, 10);

    maker.NewPage();
    DrawReport(maker, ordinary, ordinaryConditions);
    maker.NewPage();
    DrawReport(maker, seismic, seismicConditions);
    maker.EndDoc(false);
    return stream.Bytes();
}

void WritePairPdfExport(const PairDocuments& pair, std::string_view projectTitle,
                        const std::filesystem::path& target) {
    const PdfExportConditions o = ReadTextExportConditions(pair.Inputs.Ordinary.Conditions.Controls());
    const PdfExportConditions s = ReadTextExportConditions(pair.Inputs.Seismic.Conditions.Controls());
    WriteFileReplacing(target, PairPdfExportBytes(pair.Summary, pair.Ordinary, o, pair.Seismic, s, projectTitle));
}

PdfExportOutcome ExportPairPdf(const PairDocuments& pair, std::string_view projectTitle, Dialogs& dialogs,
                               const std::filesystem::path& target) {
    if (!dialogs.Confirm("計算結果をPDF出力しますか。\r\r出力ファイル名は\r　擁壁計算結果.pdf\rです。"))
        return PdfExportOutcome::Declined;
    WritePairPdfExport(pair, projectTitle, target);
    dialogs.Info("擁壁計算結果.pdfを作成しました");
    if (dialogs.Confirm("[ 擁壁計算結果.pdf ]を表示しますか？\r\r(起動まで少し時間がかかります。)"))
        return PdfExportOutcome::ShowRequested;
    return PdfExportOutcome::Written;
}

}  // namespace stelvar
