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

#include "documents/page_painter.h"
#include "ui/qpainter_canvas.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_text.h"

namespace stelvar::ui {
namespace {

QPen RulePen() {
    QPen pen(Qt::black);
    pen.setWidthF(1.0);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// The page placement (documents/page_painter.h) on a QPainter in page pixels: rules on
// whole pixels without antialiasing, texts in the installed Japanese faces.
class QPainterPageSurface : public PageSurface {
public:
    explicit QPainterPageSurface(QPainter& painter) : painter_(painter) {}

    void Rule(CanvasPoint from, CanvasPoint to) override {
        UseRulePen();
        painter_.drawLine(QPointF(from.X, from.Y), QPointF(to.X, to.Y));
        painter_.restore();
    }
    void RuleRectangle(const CanvasRect& rect) override {
        UseRulePen();
        painter_.drawRect(QRectF(rect.Left, rect.Top, rect.Width(), rect.Height()));
        painter_.restore();
    }
    void SetFont(std::string_view systemName, int pixelHeight) override {
        font_ = QtFont(systemName, pixelHeight);
    }
    double TextWidth(std::string_view text) override {
        return QFontMetricsF(font_, painter_.device()).horizontalAdvance(ToQString(text));
    }
    void Text(std::string_view text, CanvasPoint at, CanvasPoint origin, double narrower) override {
        painter_.setFont(font_);
        painter_.setPen(Qt::black);
        if (origin == CanvasPoint{} && narrower == 1.0) {
            painter_.drawText(QPointF(at.X, at.Y), ToQString(text));
            return;
        }
        painter_.save();
        painter_.translate(origin.X, origin.Y);
        if (narrower != 1.0) painter_.scale(narrower, 1.0);
        painter_.drawText(QPointF(at.X, at.Y), ToQString(text));
        painter_.restore();
    }
    void WithCanvasAt(double left, double top, const std::function<void(Canvas&)>& draw) override {
        painter_.save();
        painter_.translate(left, top);
        QPainterCanvas canvas(painter_);
        draw(canvas);
        painter_.restore();
    }

private:
    void UseRulePen() {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setPen(RulePen());
        painter_.setBrush(Qt::NoBrush);
    }

    QPainter& painter_;
    QFont font_;
};

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

    QPainterPageSurface surface(painter);
    PaintPrintedPage(page, surface);
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
