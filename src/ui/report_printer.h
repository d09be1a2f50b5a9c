#pragma once
// The printed calculation document on paper and in preview: page descriptions of the
// documents layer painted with QPainter onto a printer, a print preview or an image.
// A page is 794 × 1123 pixels (A4 at 96 per inch) scaled to the device's page.

#include <QImage>
#include <QPointer>
#include <QRectF>
#include <QSize>

#include <functional>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "documents/pair_export.h"
#include "documents/printed_report.h"
#include "engine/control_source.h"
#include "forms/dialogs.h"
#include "forms/slab_menu.h"
#include "report/results_store.h"

class QPainter;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace stelvar::ui {

// A print job that could not be started or continued (no printer, an output file that
// cannot be written). The message names the printer or file.
class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Paints the page into `target` (painter coordinates), keeping its proportions, on a
// white sheet.
void PaintReportPage(QPainter& painter, const PrintedPage& page, const QRectF& target);

// The page as an image of the given size.
QImage RenderReportPage(const PrintedPage& page,
                        QSize size = QSize(kPrintedPageWidth, kPrintedPageHeight));

// Sets the printer up for the page forms: A4 portrait, the whole sheet addressable.
void PrepareReportPrinter(QPrinter& printer);

// The pages as one print job, in the order given, one sheet each. The printer must have
// been prepared. Throws PrintError when the job cannot be started or a sheet added.
void PrintReportPages(QPrinter& printer, const std::vector<PrintedPage>& pages);

class ReportPrinter {
public:
    // The store, the slab menu and the printer must outlive the object; the printer is
    // the one the printer setup of the main window configures. `parent` owns the
    // preview dialogs.
    ReportPrinter(const ResultsStore& store, const SlabMenu& slabs, QPrinter& printer,
                  QWidget* parent = nullptr);

    // The windows hidden while a page is previewed or printed: the results window, the
    // design-conditions window and the ground-constant diagram (any may be null). After
    // a preview or a print-all the first two are shown again.
    void SetWindows(QWidget* results, QWidget* conditions, QWidget* groundDiagram);

    // What shows a preview dialog; by default it runs modally (exec). Tests and the
    // screenshot tool look at the dialog and close it instead.
    using PreviewRunner = std::function<void(QPrintPreviewDialog&)>;
    void SetPreviewRunner(PreviewRunner runner) { runPreview_ = std::move(runner); }

    QPrinter& Printer() { return printer_; }

    // Page `number` (1 … 13) filled from the store as it stands now.
    PrintedPage Page(int number) const;

    // Modal preview of one page on the shared printer. Hides the three windows and shows
    // the results and design-conditions windows again when the preview closes.
    void PreviewPage(int number);
    // The preview of a menu item of "2.計算書ﾌﾟﾚﾋﾞｭｰ" (Contents1, N4, … N31); false, and
    // nothing shown, for a name that is no page.
    bool PreviewMenuItem(std::string_view menuItem);

    // One page as its own print job on `printer` (prepared here); no window changes.
    void PrintPage(int number, QPrinter& printer);

    // "1.計算書印刷": reads the slab widths and the key option, asks kPrintAllQuestion (at
    // screen position (0, 83) when the dialogs are the desktop's), and on Yes prints the
    // pages of PrintAllPages as one job on the shared printer, with the three windows
    // hidden; then shows kPrintAllClosing and the results and design-conditions windows
    // again. Returns the pages printed, none when the answer was No (windows untouched).
    // A box without a number throws ConversionError and a printer failure PrintError;
    // nothing is printed then, and windows hidden for the job are shown again.
    std::vector<int> PrintAll(const ControlSource& conditions, Dialogs& dialogs);

    // "1.計算書印刷" after a pair run: the same question, closing message and windows as
    // PrintAll, printing the summary page and then both cases' print-all pages
    // (PairPrintedPages) as one job. Returns the number of sheets printed, 0 on No.
    std::size_t PrintPair(const PairDocuments& pair, const ControlSource& conditions, Dialogs& dialogs);

private:
    void HideWindows();
    void ShowWindowsAgain();

    const ResultsStore& store_;
    const SlabMenu& slabs_;
    QPrinter& printer_;
    QWidget* parent_;
    QPointer<QWidget> results_;
    QPointer<QWidget> conditions_;
    QPointer<QWidget> groundDiagram_;
    PreviewRunner runPreview_;
};

}  // namespace stelvar::ui
