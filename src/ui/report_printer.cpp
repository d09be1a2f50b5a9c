#include "ui/report_printer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "report/chart_renderer.h"
#include "ui/qpainter_canvas.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_text.h"

namespace stelvar::ui {
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

QPen RulePen() {
    QPen pen(Qt::black);
    pen.setWidthF(1.0);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void DrawTextAt(QPainter& painter, const QFont& font, double left, double top, int height,
                const QString& text) {
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(left, top + kEmAboveBase * height), text);
}

void DrawTitleBand(QPainter& painter, const PrintedPage& page) {
    const double bandRight = kTitleBandLeft + page.TitleBandWidth;
    const double bandBottom = kTitleBandTop + kTitleBandHeight;
    painter.setPen(RulePen());
    painter.drawLine(QPointF(kTitleBandLeft, bandBottom), QPointF(bandRight, bandBottom));

    const QFont font = QtFont(kPageFontName, page.TitleFontHeight);
    const QString title = ToQString(page.Title);
    double titleTop = kTitleBandTop + kTitleTopInBand;
    double titleLeft = kTitleBandLeft + kTitleLeftInBand;
    if (page.TitleCentred) {
        const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(title);
        titleLeft = kTitleBandLeft + (page.TitleBandWidth - width) / 2;
        titleTop = kTitleBandTop + (kTitleBandHeight - page.TitleFontHeight) / 2.0;
    }
    DrawTextAt(painter, font, titleLeft, titleTop, page.TitleFontHeight, title);

    if (!page.TitleNote.empty()) {
        // At the right end of the band, on the title's base line.
        const QFont small = QtFont(kPageFontName, page.TitleNoteFontHeight);
        const QString note = ToQString(page.TitleNote);
        const double width = QFontMetricsF(small, painter.device()).horizontalAdvance(note);
        const double baseline = titleTop + kEmAboveBase * page.TitleFontHeight;
        painter.setFont(small);
        painter.drawText(QPointF(bandRight - kTitleLeftInBand - width, baseline), note);
    }
}

// A report line on its grid of half-width cells; each character centred in its cells,
// so that a glyph narrower than its cells (Greek letters, the middle dot) does not pull
// the rest of the line out of its columns.
void DrawTextBlock(QPainter& painter, const PrintedTextBlock& block) {
    const int h = std::abs(block.FontHeight);
    if (h == 0 || block.Lines.empty()) return;
    // The lines follow each other at the font height with no leading, and this face's
    // glyphs fill their em box more fully than the named face's: set at the full height
    // neighbouring lines would touch. The glyphs are set a twelfth smaller; the cells,
    // and so the alignment and the block's height, stay those of the font height.
    const QFont font = QtFont(kTextBlockFont, std::max(1, static_cast<int>(std::lround(h * 12.0 / 13.0))));
    const QFontMetricsF metrics(font, painter.device());
    const double half = h / 2.0;
    painter.save();
    painter.translate(block.Left, block.Top);
    if (block.Condense < 1.0) painter.scale(block.Condense, 1.0);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (std::size_t i = 0; i < block.Lines.size(); ++i) {
        const double baseline = static_cast<double>(i) * h + kEmAboveBase * h;
        double x = 0;
        for (char32_t c : ToQString(block.Lines[i]).toUcs4()) {
            const QString s = QString::fromUcs4(&c, 1);
            const double slot = TextCells(FromQString(s)) * half;
            if (c != U' ' && c != U'\u3000')
                painter.drawText(QPointF(x + (slot - metrics.horizontalAdvance(s)) / 2, baseline), s);
            x += slot;
        }
    }
    painter.restore();
}

// The table figure: the frame of its plot, the rules, the cell texts above their points
// and the title over it. Axis values map one to one onto pixels, y upward from the top
// rule; the plot stands in the middle of the figure.
void DrawTableFigure(QPainter& painter, const PrintedTable& table) {
    const Chart& f = table.Figure;
    const double gridWidth = f.Bottom.Max - f.Bottom.Min;
    const double gridHeight = f.Left.Max - f.Left.Min;
    if (f.Series.size() < 3 || gridWidth <= 0 || gridHeight <= 0) return;
    const double plotLeft = table.Left + (table.Width - gridWidth) / 2;
    const double plotTop = table.Top + (table.Height - gridHeight) / 2;
    const auto map = [&](const SeriesPoint& p) {
        return QPointF(plotLeft + (p.X - f.Bottom.Min), plotTop + (f.Left.Max - p.Y));
    };

    painter.save();
    // Rules on whole pixels, crisp at 96 per inch.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(RulePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(plotLeft, plotTop, gridWidth, gridHeight));
    for (std::size_t k = 0; k < 2; ++k) {
        const ChartSeries& rules = f.Series[k];
        for (std::size_t i = 1; i < rules.Points.size(); ++i)
            painter.drawLine(map(rules.Points[i - 1]), map(rules.Points[i]));
    }
    painter.setRenderHint(QPainter::Antialiasing, true);

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

    const QFont font = QtFont(kPageFontName, kTableFontHeight);
    const QFontMetricsF metrics(font, painter.device());
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const SeriesPoint& p : f.Series[2].Points) {
        if (p.Label.empty()) continue;
        const QString text = ToQString(p.Label);
        const QPointF at = map(p);
        const double width = metrics.horizontalAdvance(text);
        const double available = room(p.X);
        painter.save();
        painter.translate(at.x(), at.y() - kCellTextGap - kEmBelowBase * kTableFontHeight);
        if (available > 0 && width > available) painter.scale(available / width, 1.0);
        painter.drawText(QPointF(-width / 2, 0), text);
        painter.restore();
    }
    if (!f.Title.empty()) {
        const QString title = ToQString(f.Title);
        painter.drawText(QPointF(plotLeft + (gridWidth - metrics.horizontalAdvance(title)) / 2,
                                 plotTop - kTableTitleGap - kEmBelowBase * kTableFontHeight),
                         title);
    }
    painter.restore();
}

void DrawFigure(QPainter& painter, const PrintedFigure& figure) {
    painter.save();
    painter.translate(figure.Left, figure.Top);
    QPainterCanvas canvas(painter);
    DrawChart(figure.Figure, canvas, figure.Width, figure.Height);
    painter.restore();
}

QString PrinterDescription(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("the file '%1'").arg(printer.outputFileName());
    return QStringLiteral("the printer '%1'").arg(printer.printerName());
}

}  // namespace

void PaintReportPage(QPainter& painter, const PrintedPage& page, const QRectF& target) {
    const double scale = std::min(target.width() / kPrintedPageWidth, target.height() / kPrintedPageHeight);
    if (!(scale > 0)) return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    const QRectF sheet(0, 0, kPrintedPageWidth, kPrintedPageHeight);
    painter.fillRect(sheet, Qt::white);
    painter.setClipRect(sheet, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(RulePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(kFrameLeft, kFrameTop, kFrameRight - kFrameLeft, kFrameBottom - kFrameTop));
    DrawTitleBand(painter, page);
    painter.restore();

    for (const PrintedTextBlock& b : page.Texts) DrawTextBlock(painter, b);
    for (const PrintedTable& t : page.Tables) DrawTableFigure(painter, t);
    for (const PrintedFigure& f : page.Figures) DrawFigure(painter, f);
    const QFont font = QtFont(kPageFontName, kPageFontHeight);
    for (const PrintedHeading& h : page.Headings)
        DrawTextAt(painter, QtFont(kPageFontName, h.FontHeight), h.Left, h.Top, h.FontHeight, ToQString(h.Text));
    if (!page.PageLabel.empty())
        DrawTextAt(painter, font, kPageLabelLeft, kPageLabelTop, kPageFontHeight, ToQString(page.PageLabel));
    painter.restore();
}

QImage RenderReportPage(const PrintedPage& page, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintReportPage(painter, page, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

void PrepareReportPrinter(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
}

void PrintReportPages(QPrinter& printer, const std::vector<PrintedPage>& pages) {
    if (pages.empty()) return;
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
        throw PrintError("Printing failed: no printer is selected and no output file is given.");
    QPainter painter;
    if (!painter.begin(&printer))
        throw PrintError(FromQString(QStringLiteral("Printing failed: %1 could not be opened.")
                                         .arg(PrinterDescription(printer))));
    const QRectF sheet(QPointF(0, 0), printer.paperRect(QPrinter::DevicePixel).size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            throw PrintError(FromQString(QStringLiteral("Printing failed: %1 did not take page %2.")
                                             .arg(PrinterDescription(printer))
                                             .arg(pages[i].Number)));
        }
        PaintReportPage(painter, pages[i], sheet);
    }
    if (!painter.end())
        throw PrintError(FromQString(QStringLiteral("Printing failed: %1 could not be finished.")
                                         .arg(PrinterDescription(printer))));
}

// ---------------------------------------------------------------------------------------

ReportPrinter::ReportPrinter(const ResultsStore& store, const SlabMenu& slabs, QPrinter& printer,
                             QWidget* parent)
    : store_(store), slabs_(slabs), printer_(printer), parent_(parent) {}

void ReportPrinter::SetWindows(QWidget* results, QWidget* conditions, QWidget* groundDiagram) {
    results_ = results;
    conditions_ = conditions;
    groundDiagram_ = groundDiagram;
}

PrintedPage ReportPrinter::Page(int number) const { return FilledReportPage(number, store_, slabs_); }

void ReportPrinter::HideWindows() {
    for (QWidget* w : {results_.data(), conditions_.data(), groundDiagram_.data()})
        if (w != nullptr) w->hide();
}

void ReportPrinter::ShowWindowsAgain() {
    for (QWidget* w : {results_.data(), conditions_.data()})
        if (w != nullptr) w->show();
}

void ReportPrinter::PreviewPage(int number) {
    const PrintedPage page = Page(number);
    HideWindows();
    PrepareReportPrinter(printer_);
    QPrintPreviewDialog dialog(&printer_, parent_);
    // The helper windows (soil tables, keypad, allowable stresses) stay on top and shown.
    KeepAboveOnTopWindows(dialog);
    dialog.setWindowTitle(ToQString(page.Title));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&page](QPrinter* device) {
        QPainter painter(device);
        PaintReportPage(painter, page, QRectF(QPointF(0, 0), device->paperRect(QPrinter::DevicePixel).size()));
    });
    if (runPreview_) {
        runPreview_(dialog);
    } else {
        dialog.exec();
    }
    ShowWindowsAgain();
}

bool ReportPrinter::PreviewMenuItem(std::string_view menuItem) {
    const std::optional<int> page = PreviewMenuPage(menuItem);
    if (!page) return false;
    PreviewPage(*page);
    return true;
}

void ReportPrinter::PrintPage(int number, QPrinter& printer) {
    PrepareReportPrinter(printer);
    PrintReportPages(printer, {Page(number)});
}

std::vector<int> ReportPrinter::PrintAll(const ControlSource& conditions, Dialogs& dialogs) {
    // A box without a number stops the command before the question is placed and asked.
    ReadSlabMenuConditions(conditions);
    if (auto* desktop = dynamic_cast<QtDialogs*>(&dialogs))
        desktop->PlaceNextAt(QPoint(kPrintAllQuestionLeft, kPrintAllQuestionTop));
    const std::optional<std::vector<int>> numbers = AskPrintAll(conditions, dialogs);
    if (!numbers) return {};

    HideWindows();
    try {
        std::vector<PrintedPage> pages;
        pages.reserve(numbers->size());
        for (int n : *numbers) pages.push_back(Page(n));
        PrepareReportPrinter(printer_);
        PrintReportPages(printer_, pages);
    } catch (...) {
        ShowWindowsAgain();
        throw;
    }
    dialogs.Info(kPrintAllClosing);
    ShowWindowsAgain();
    return *numbers;
}

std::size_t ReportPrinter::PrintPair(const PairDocuments& pair, const ControlSource& conditions,
                                     Dialogs& dialogs) {
    ReadSlabMenuConditions(conditions);
    if (auto* desktop = dynamic_cast<QtDialogs*>(&dialogs))
        desktop->PlaceNextAt(QPoint(kPrintAllQuestionLeft, kPrintAllQuestionTop));
    const std::optional<std::vector<int>> numbers = AskPrintAll(conditions, dialogs);
    if (!numbers) return 0;

    HideWindows();
    std::size_t printed = 0;
    try {
        const std::vector<PrintedPage> pages = PairPrintedPages(pair, *numbers, slabs_);
        PrepareReportPrinter(printer_);
        PrintReportPages(printer_, pages);
        printed = pages.size();
    } catch (...) {
        ShowWindowsAgain();
        throw;
    }
    dialogs.Info(kPrintAllClosing);
    ShowWindowsAgain();
    return printed;
}

}  // namespace stelvar::ui
