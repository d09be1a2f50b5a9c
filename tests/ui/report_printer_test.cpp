// The printed report on real Qt devices: print-all into a PDF printer (no physical
// printer needed) with its page count, question, closing message and windows; the
// preview of one page; painted pages that show their blocks; printer failures.

#include "ui/report_printer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>
#include <optional>
#include <string>

#include "forms/design_conditions.h"
#include "report/report_run.h"
#include "report/results_setup.h"
#include "text/number.h"

namespace stelvar::ui {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Pages of a PDF file: pdfinfo when it is installed, else the page objects in the file.
int PdfPageCount(const QString& file) {
    const std::string command = "pdfinfo '" + file.toStdString() + "' 2>/dev/null";
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char line[512];
        std::optional<int> pages;
        while (std::fgets(line, sizeof line, pipe) != nullptr) {
            int n = 0;
            if (std::sscanf(line, "Pages: %d", &n) == 1) pages = n;
        }
        if (::pclose(pipe) == 0 && pages) return *pages;
    }
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = f.readAll();
    return static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") +
                            bytes.count("/Type /Page/") + bytes.count("/Type /Page>"));
}

// Dark pixels in a rectangle of the image.
int DarkPixels(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++dark;
    return dark;
}

class ReportPrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (QWidget* w : {&results, &conditions, &ground}) w->show();
    }

    void Run(const DesignConditionsForm& wall) {
        form = wall;
        SetUpResultsWindow(store);
        RunWithReport(form.Controls(), store);
        SetSlabMenu(slabs, ReadSlabMenuConditions(form.Controls()));
    }

    // A PDF printer writing into the test folder.
    QString UsePdf(const QString& name) {
        const QString file = dir.filePath(name);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return file;
    }

    ReportPrinter Printer() {
        ReportPrinter p(store, slabs, printer);
        p.SetWindows(&results, &conditions, &ground);
        return p;
    }

    QTemporaryDir dir;
    DesignConditionsForm form;
    ResultsStore store;
    SlabMenu slabs = SlabMenuDefaults();
    QPrinter printer{QPrinter::HighResolution};
    QWidget results, conditions, ground;
};

TEST_F(ReportPrinterTest, PrintAllOfTheDefaultWallIsOnePdfJobOfTwelveA4Pages) {
    Run(DesignConditionsForm{});
    const QString file = UsePdf(QStringLiteral("all.pdf"));
    ScriptedDialogs dialogs({true});
    ReportPrinter report = Printer();
    EXPECT_THAT(report.PrintAll(form.Controls(), dialogs),
                ElementsAre(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12));
    EXPECT_EQ(PdfPageCount(file), 12);
    EXPECT_THAT(dialogs.Texts(ScriptedDialogs::Entry::Kind::Confirm),
                ElementsAre("プリンターの準備はいいですか。\r一括印刷します。"));
    EXPECT_THAT(dialogs.Texts(ScriptedDialogs::Entry::Kind::Info),
                ElementsAre("出力しています．．．\r印刷が終わるまでお待ちください。"));
    // The results and design-conditions windows come back; the ground diagram does not.
    EXPECT_TRUE(results.isVisible());
    EXPECT_TRUE(conditions.isVisible());
    EXPECT_FALSE(ground.isVisible());
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

TEST_F(ReportPrinterTest, PrintAllWithAKeyAndNoHeelPrintsTheKeyPageInstead) {
    DesignConditionsForm wall;
    wall.SetText("Edit30", "0");
    wall.SetIndex("RadioGroup2", 1);
    wall.SetText("Edit35", "1000");
    wall.SetText("Edit40", "400");
    wall.SetText("Edit41", "300");
    Run(wall);
    const QString file = UsePdf(QStringLiteral("key.pdf"));
    ScriptedDialogs dialogs({true});
    ReportPrinter report = Printer();
    EXPECT_THAT(report.PrintAll(form.Controls(), dialogs),
                ElementsAre(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13));
    EXPECT_EQ(PdfPageCount(file), 12);
}

TEST_F(ReportPrinterTest, NoOrABoxWithoutANumberPrintsNothingAndLeavesTheWindows) {
    Run(DesignConditionsForm{});
    const QString file = UsePdf(QStringLiteral("none.pdf"));
    ReportPrinter report = Printer();
    {
        ScriptedDialogs dialogs({false});
        EXPECT_THAT(report.PrintAll(form.Controls(), dialogs), IsEmpty());
        EXPECT_THAT(dialogs.Texts(ScriptedDialogs::Entry::Kind::Info), IsEmpty());
    }
    {
        form.SetText("Edit39", "x");
        ScriptedDialogs dialogs({true});
        EXPECT_THROW(report.PrintAll(form.Controls(), dialogs), ConversionError);
        EXPECT_THAT(dialogs.Shown(), IsEmpty());
    }
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(results.isVisible());
    EXPECT_TRUE(conditions.isVisible());
    EXPECT_TRUE(ground.isVisible());
}

TEST_F(ReportPrinterTest, APrinterThatCannotStartFailsAndShowsTheWindowsAgain) {
    Run(DesignConditionsForm{});
    ReportPrinter report = Printer();
    ScriptedDialogs dialogs({true});
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString());
    EXPECT_THROW(report.PrintAll(form.Controls(), dialogs), PrintError);
    UsePdf(QStringLiteral("missing/folder/out.pdf"));
    EXPECT_THROW(report.PrintAll(form.Controls(), dialogs), PrintError);
    EXPECT_TRUE(results.isVisible());
    EXPECT_TRUE(conditions.isVisible());
    EXPECT_THAT(dialogs.Texts(ScriptedDialogs::Entry::Kind::Info), IsEmpty());
}

TEST_F(ReportPrinterTest, PreviewHidesTheWindowsWhileItShowsOnePage) {
    Run(DesignConditionsForm{});
    UsePdf(QStringLiteral("preview.pdf"));
    ReportPrinter report = Printer();
    int pages = -1;
    bool hiddenDuring = false;
    QString title;
    report.SetPreviewRunner([&](QPrintPreviewDialog& dialog) {
        hiddenDuring = !results.isVisible() && !conditions.isVisible() && !ground.isVisible();
        title = dialog.windowTitle();
        if (auto* view = dialog.findChild<QPrintPreviewWidget*>()) {
            view->updatePreview();
            pages = view->pageCount();
        }
    });
    EXPECT_TRUE(report.PreviewMenuItem("N18"));
    EXPECT_TRUE(hiddenDuring);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(title, QStringLiteral("Ⅳ-1-1．構造計算：たて壁(断面力)"));
    EXPECT_TRUE(results.isVisible());
    EXPECT_TRUE(conditions.isVisible());
    EXPECT_FALSE(ground.isVisible());
    EXPECT_FALSE(report.PreviewMenuItem("N7"));  // a submenu, not a page
}

TEST_F(ReportPrinterTest, PaintedPageShowsItsBlocksInsideTheFrame) {
    Run(DesignConditionsForm{});
    const PrintedPage page = FilledReportPage(5, store, slabs);
    const QImage image = RenderReportPage(page);
    ASSERT_EQ(image.size(), QSize(794, 1123));

    // The first line of the earth-pressure text, the slip-angle figure, the load table.
    const PrintedTextBlock& text = page.Texts.at(0);
    EXPECT_GT(DarkPixels(image, QRect(text.Left, text.Top, 150, 13)), 50);
    const PrintedFigure& figure = page.Figures.at(0);
    EXPECT_GT(DarkPixels(image, QRect(figure.Left, figure.Top, figure.Width, figure.Height)), 500);
    const PrintedTable& table = page.Tables.at(0);
    EXPECT_GT(DarkPixels(image, QRect(table.Left, table.Top, table.Width, table.Height)), 1000);
    // The frame, and nothing outside it.
    EXPECT_GT(DarkPixels(image, QRect(kFrameLeft, 500, 1, 100)), 90);
    EXPECT_EQ(DarkPixels(image, QRect(0, 0, kFrameLeft - 1, 1123)), 0);
    EXPECT_EQ(DarkPixels(image, QRect(kFrameRight + 2, 0, 794 - kFrameRight - 2, 1123)), 0);
    EXPECT_EQ(DarkPixels(image, QRect(0, kFrameBottom + 2, 794, 1123 - kFrameBottom - 2)), 0);
    // Between the text and the figure: blank paper.
    EXPECT_EQ(DarkPixels(image, QRect(120, 480, 600, 120)), 0);

    // Scaled to a device twice the size, the same block is where it should be.
    const QImage large = RenderReportPage(page, QSize(1588, 2246));
    EXPECT_GT(DarkPixels(large, QRect(2 * text.Left, 2 * text.Top, 300, 26)), 100);
}

}  // namespace
}  // namespace stelvar::ui
