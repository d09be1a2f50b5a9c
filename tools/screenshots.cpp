// stelvar-screenshots: pictures of the desktop program for a person to look at. Shows
// the main window with the design-conditions window, runs the default wall, and saves
// every page of the results window, then the wall figures of both wall types, as PNG
// files into the folder given on the command line; then every page of the printed
// report, its print previews and a print-all of the default wall into a PDF file
// ("30_print_all.pdf"), and the key page of a wall with a shear key. Questions are answered Yes and no
// file dialog opens, so it runs unattended (under xvfb-run or on the offscreen
// platform).
//
// Usage: stelvar-screenshots <output folder>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QStringList>
#include <QTabWidget>
#include <QTextStream>
#include <QWidget>

#include <cstdio>
#include <string>
#include <string_view>

#include "forms/dialogs.h"
#include "ui/allowable_stress_window.h"
#include "ui/coefficient_window.h"
#include "ui/design_conditions_window.h"
#include "ui/ground_diagram_window.h"
#include "ui/keypad_window.h"
#include "documents/pair_export.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_translations.h"
#include "ui/report_printer.h"
#include "ui/results_window.h"
#include "ui/sizing_dialog.h"
#include "ui/soil_tables_window.h"
#include "ui/wall_figure.h"

namespace {

using stelvar::WallPicture;

void Settle(int milliseconds = 150) {
    QElapsedTimer timer;
    timer.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    } while (timer.elapsed() < milliseconds);
}

class Shots {
public:
    explicit Shots(QString folder) : folder_(std::move(folder)) {}

    // Saves a picture and notes what it shows in the index.
    bool Save(const QImage& image, const QString& name, const QString& what) {
        const QString path = QDir(folder_).filePath(name + QStringLiteral(".png"));
        if (image.isNull() || !image.save(path)) {
            std::fprintf(stderr, "stelvar-screenshots: could not write %s\n", qPrintable(path));
            failed_ = true;
            return false;
        }
        index_ << name + QStringLiteral(".png\t") + what;
        return true;
    }
    bool Save(QWidget& widget, const QString& name, const QString& what) {
        Settle();
        return Save(widget.grab().toImage(), name, what);
    }

    // The whole screen (both windows as a user sees them); a platform without a screen
    // to grab falls back to the given window.
    void SaveScreen(QWidget& fallback, const QString& name, const QString& what) {
        Settle(300);
        QImage image;
        if (QScreen* screen = QGuiApplication::primaryScreen()) image = screen->grabWindow(0).toImage();
        if (image.isNull() || image.width() < 2) image = fallback.grab().toImage();
        Save(image, name, what);
    }

    // Every page of a notebook, and of the notebooks on its pages, grabbed as the
    // top-level window that holds it.
    void SaveTabs(QWidget& window, QTabWidget& tabs, const QString& prefix, const QString& path) {
        for (int i = 0; i < tabs.count(); ++i) {
            tabs.setCurrentIndex(i);
            const QString name = prefix + QStringLiteral("_%1").arg(i + 1, 2, 10, QLatin1Char('0'));
            const QString caption = path.isEmpty() ? tabs.tabText(i) : path + QStringLiteral(" / ") + tabs.tabText(i);
            Save(window, name, caption);
            QWidget* page = tabs.widget(i);
            for (QTabWidget* inner : page->findChildren<QTabWidget*>()) {
                if (NearestTabs(inner) == &tabs) SaveTabs(window, *inner, name, caption);
            }
        }
    }

    // Notes a file written by other means in the index.
    void Note(const QString& file, const QString& what) { index_ << file + QStringLiteral("\t") + what; }

    bool WriteIndex() {
        QFile file(QDir(folder_).filePath(QStringLiteral("index.txt")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
        QTextStream out(&file);
        for (const QString& line : index_) out << line << '\n';
        return true;
    }
    bool Failed() const { return failed_; }

private:
    static QTabWidget* NearestTabs(QWidget* w) {
        for (QWidget* p = w->parentWidget(); p != nullptr; p = p->parentWidget()) {
            if (auto* tabs = qobject_cast<QTabWidget*>(p)) return tabs;
        }
        return nullptr;
    }

    QString folder_;
    QStringList index_;
    bool failed_ = false;
};

// Switches the wall-type page as a user would, through the window's own notebook.
void ShowWallType(stelvar::ui::DesignConditionsWindow& window, int type) {
    if (auto* tabs = qobject_cast<QTabWidget*>(window.Control("PageControl2"))) {
        tabs->setCurrentIndex(type);
    } else {
        window.Form().SetIndex("PageControl2", type);
        window.SyncFromModel();
    }
    Settle();
}

// Every wall picture of one wall type, painted on its own, each option of the picture
// switched on so that its marks show.
void SaveAllPictures(Shots& shots, bool leaning) {
    const QString type = leaning ? QStringLiteral("leaning") : QStringLiteral("gravity");
    for (const bool key : {false, true}) {
        for (const WallPicture picture : stelvar::kWallPictures) {
            stelvar::WallFigureOptions o;
            o.Template = stelvar::WallTemplate(leaning, key);
            o.Surcharge = 1;
            if (picture == WallPicture::OtherLoads) o.Passive = o.Water = o.Wind = true;
            const std::string_view pictureName = stelvar::WallPictureName(picture);
            const QString image =
                QString::fromLatin1(pictureName.data(), static_cast<qsizetype>(pictureName.size()));
            const QString name =
                QStringLiteral("figure_%1%2_%3").arg(type, key ? QStringLiteral("_key") : QString(), image);
            const QImage painted =
                stelvar::ui::RenderWallPicture(picture, o, stelvar::DefaultWallPictureSize(picture));
            shots.Save(painted.scaled(painted.size() * 2), name,
                       QStringLiteral("%1 wall%2, picture %3 (2x)")
                           .arg(type, key ? QStringLiteral(" with key") : QString(), image));
        }
    }
    stelvar::WallFigureOptions o;
    o.Template = stelvar::WallTemplate(leaning, false);
    for (int shape = 0; shape <= 2; ++shape) {
        o.Shape = shape;
        o.Surcharge = 2;
        const QImage image = stelvar::ui::RenderWallPicture(WallPicture::Backfill, o,
                                                            stelvar::DefaultWallPictureSize(WallPicture::Backfill));
        shots.Save(image.scaled(image.size() * 2), QStringLiteral("figure_%1_backfill_shape%2").arg(type).arg(shape),
                   type + QStringLiteral(" wall, backfill shape %1 with surcharge over the whole surface").arg(shape));
    }
    o.Shape = 0;
    o.Surcharge = 0;
    o.Collision = true;
    const QImage image = stelvar::ui::RenderWallPicture(WallPicture::OtherLoads, o,
                                                        stelvar::DefaultWallPictureSize(WallPicture::OtherLoads));
    shots.Save(image.scaled(image.size() * 2), QStringLiteral("figure_%1_collision").arg(type),
               type + QStringLiteral(" wall, collision load"));
}

// Every page of the printed report as the page description paints it, and each page's
// print preview as the dialog shows it.
void SavePrintedPages(Shots& shots, stelvar::ui::ReportPrinter& printer, const QString& prefix,
                      const QString& wall, std::initializer_list<int> pages, bool previews) {
    for (const int n : pages) {
        const stelvar::PrintedPage page = printer.Page(n);
        shots.Save(stelvar::ui::RenderReportPage(page), QStringLiteral("%1_page_%2").arg(prefix).arg(n, 2, 10, QLatin1Char('0')),
                   QStringLiteral("printed page %1 (%2), %3").arg(n).arg(QString::fromStdString(page.FormName), wall));
        if (!previews) continue;
        printer.SetPreviewRunner([&](QPrintPreviewDialog& dialog) {
            dialog.resize(900, 1000);
            dialog.show();
            Settle(400);
            shots.Save(dialog.grab().toImage(), QStringLiteral("%1_preview_%2").arg(prefix).arg(n, 2, 10, QLatin1Char('0')),
                       QStringLiteral("print preview of page %1, %2").arg(n).arg(wall));
            dialog.reject();
        });
        printer.PreviewPage(n);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stelvar"));
    stelvar::ui::InstallQtJapanese(app);
    if (argc != 2) {
        std::fprintf(stderr, "usage: stelvar-screenshots <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "stelvar-screenshots: cannot create %s\n", argv[1]);
        return 1;
    }
    Shots shots(folder);

    stelvar::ScriptedDialogs dialogs;
    stelvar::ui::ScriptedFileNames fileNames;
    stelvar::ui::MainWindow window(dialogs, fileNames);
    // Exports of a run land in the output folder, never in the current directory.
    window.SetWorkingDirectory(std::filesystem::path(folder.toStdString()));
    window.SetDocumentOpener([](const std::filesystem::path&) { return true; });
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        window.setGeometry(screen->availableGeometry());
    } else {
        window.resize(1280, 900);
    }
    window.show();
    Settle(500);

    shots.SaveScreen(window, QStringLiteral("01_main_and_design_conditions"),
                     QStringLiteral("main window with the design-conditions window"));
    shots.Save(window, QStringLiteral("02_main_window"), QStringLiteral("main window"));
    auto& conditions = window.ConditionsWindow();
    shots.Save(conditions, QStringLiteral("03_design_conditions"), QStringLiteral("design-conditions window, gravity wall"));

    // Wall figures of both wall types, as the design-conditions window shows them.
    for (const int type : {0, 1}) {
        ShowWallType(conditions, type);
        const QString wall = type == 0 ? QStringLiteral("gravity") : QStringLiteral("leaning");
        shots.Save(conditions, QStringLiteral("04_design_conditions_%1").arg(wall),
                   QStringLiteral("design-conditions window, %1 wall").arg(wall));
        for (const char* image : {"Image2", "Image4", "Image6", "Image8", "Image5"}) {
            if (type == 0 && std::string(image) == "Image4") continue;
            if (type == 1 && std::string(image) == "Image2") continue;
            if (QWidget* figure = conditions.FigureArea(image)) {
                figure->update();
                Settle(50);
                const QImage picture = figure->grab().toImage();
                shots.Save(picture.scaled(picture.size() * 2),
                           QStringLiteral("05_window_figure_%1_%2").arg(wall, QString::fromLatin1(image)),
                           QStringLiteral("%1 wall, picture %2 in the window (2x)").arg(wall, QString::fromLatin1(image)));
            }
        }
    }
    SaveAllPictures(shots, false);
    SaveAllPictures(shots, true);

    // A run of the default wall (gravity) and every page of the results window.
    ShowWallType(conditions, 0);
    window.RunAtOnce();
    Settle(500);
    auto& results = window.ResultsView();
    results.show();
    Settle(300);
    if (auto* tabs = results.findChild<QTabWidget*>()) {
        shots.SaveTabs(results, *tabs, QStringLiteral("10_results"), QString());
    } else {
        shots.Save(results, QStringLiteral("10_results"), QStringLiteral("results window"));
    }
    shots.SaveScreen(window, QStringLiteral("11_screen_after_run"), QStringLiteral("screen after the default run"));

    // The helper windows of the design-conditions window.
    window.ShowGroundDiagram();
    shots.Save(window.GroundDiagram(), QStringLiteral("12_ground_diagram"), QStringLiteral("ground-constant diagram"));
    window.ShowKeypad(QStringLiteral("Edit15"));
    shots.Save(window.Keypad(), QStringLiteral("12_keypad"), QStringLiteral("numeric keypad"));
    window.KeypadModel().Cancel();
    window.Keypad().SyncFromModel();
    window.ShowAllowableStress(QPoint(300, 100));
    shots.Save(window.AllowableStressView(), QStringLiteral("12_allowable_stress"), QStringLiteral("allowable-stress window"));
    window.AllowableStressView().close();
    window.ShowSoilConstants(QPoint(0, 70));
    shots.Save(window.SoilTablesView(), QStringLiteral("12_soil_tables"), QStringLiteral("soil-constant tables"));
    window.SoilTablesView().close();

    // The coefficient tool in both modes, every page.
    auto& tool = window.CoefficientTool();
    window.ShowCoefficientTool(stelvar::ui::MainWindow::CoefficientMode::EarthPressure);
    shots.Save(tool, QStringLiteral("13_coefficients_earth_pressure"), QStringLiteral("coefficient tool, earth pressure"));
    window.ShowCoefficientTool(stelvar::ui::MainWindow::CoefficientMode::BearingFactor);
    if (auto* pages = tool.findChild<QTabWidget*>(QStringLiteral("PageControl1"))) {
        for (int i = 0; i < pages->count(); ++i) {
            if (!pages->isTabVisible(i)) continue;
            pages->setCurrentIndex(i);
            shots.Save(tool, QStringLiteral("13_coefficients_page_%1").arg(i),
                       QStringLiteral("coefficient tool, %1").arg(pages->tabText(i)));
        }
    }
    tool.hide();
    conditions.SyncFromModel();

    // The printed report of the default wall: every page, its preview, and print-all into
    // a PDF file (no physical printer needed), on the main window's own printer.
    QPrinter& printer = window.Printer();
    stelvar::ui::ReportPrinter& report = window.Report();
    SavePrintedPages(shots, report, QStringLiteral("20_printed"), QStringLiteral("default gravity wall"),
                     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, true);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir(folder).filePath(QStringLiteral("30_print_all.pdf")));
    try {
        const std::vector<int> printed = report.PrintAll(window.Conditions().Controls(), dialogs);
        QStringList list;
        for (int n : printed) list << QString::number(n);
        std::fprintf(stderr, "stelvar-screenshots: print-all printed pages %s\n",
                     qPrintable(list.join(QLatin1Char(' '))));
        shots.Note(QStringLiteral("30_print_all.pdf"),
                   QStringLiteral("print-all of the default gravity wall to a PDF printer: pages %1")
                       .arg(list.join(QStringLiteral(", "))));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "stelvar-screenshots: print-all failed: %s\n", e.what());
        return 1;
    }

    // A wall with a shear key, so that the key page has its contents.
    window.Conditions().SetIndex("RadioGroup2", 1);
    window.Conditions().SetText("Edit35", "1000");
    window.Conditions().SetText("Edit40", "400");
    window.Conditions().SetText("Edit41", "300");
    conditions.SyncFromModel();
    window.RunAtOnce();
    Settle(300);
    SavePrintedPages(shots, report, QStringLiteral("21_printed_key"), QStringLiteral("gravity wall with a shear key"),
                     {3, 13}, false);

    // Both design cases of the wall with the key: the summary page, and the stability
    // page of each case through the case selector.
    window.Conditions().SetIndex("RadioGroup5", 1);
    window.AllowableStress().SetIndex(stelvar::allowable_stress::kDesignCase, 1);
    conditions.SyncFromModel();
    window.RunPairWithQuestion();
    Settle(300);
    if (auto* pages = results.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        pages != nullptr && results.CaseSelector() != nullptr) {
        pages->setCurrentWidget(results.findChild<QWidget*>(QStringLiteral("TabSheetSummary")));
        Settle(100);
        shots.Save(results, QStringLiteral("40_pair_summary"), QStringLiteral("pair run: 照査結果一覧"));
        pages->setCurrentWidget(results.findChild<QWidget*>(QStringLiteral("TabSheet2")));
        for (int c = 0; c < 2; ++c) {
            results.CaseSelector()->setCurrentIndex(c);
            Settle(100);
            shots.Save(results, QStringLiteral("41_pair_stability_%1").arg(c),
                       QStringLiteral("pair run: Ⅲ-1．安定計算, %1").arg(c == 0 ? "常時" : "地震時"));
        }
        if (window.Pair() != nullptr)
            shots.Save(stelvar::ui::RenderReportPage(stelvar::PairSummaryPage(window.Pair()->Summary)),
                       QStringLiteral("42_pair_printed_summary"), QStringLiteral("pair run: printed summary page"));
    } else {
        std::fprintf(stderr, "stelvar-screenshots: the pair run did not show its summary\n");
    }

    // What makes the pair pass, asked on its summary page, then the sizing dialog's scan
    // of the crest width with the smallest passing value highlighted.
    if (results.GuidanceButton() != nullptr && results.GuidanceButton()->isEnabled()) {
        if (auto* pages = results.findChild<QTabWidget*>(QStringLiteral("PageControl1")))
            pages->setCurrentWidget(results.findChild<QWidget*>(QStringLiteral("TabSheetSummary")));
        results.GuidanceButton()->click();
        Settle(100);
        shots.Save(results, QStringLiteral("43_pair_guidance"), QStringLiteral("pair run: 全照査OKとなる寸法"));
    }
    if (stelvar::ui::SizingDialog* sizing = window.ShowSizingDialog()) {
        if (auto* box = sizing->findChild<QComboBox*>(QStringLiteral("BoxChoice")))
            box->setCurrentIndex(box->findText(QStringLiteral("天端幅")));
        sizing->Run();
        Settle(200);
        shots.Save(*sizing, QStringLiteral("44_sizing_dialog"), QStringLiteral("寸法自動設定, crest width of the pair"));
        sizing->close();
    }

    for (const auto& entry : dialogs.Shown()) {
        std::fprintf(stderr, "stelvar-screenshots: dialog: %s\n", entry.Text.c_str());
    }
    if (!shots.WriteIndex()) return 1;
    return shots.Failed() ? 1 : 0;
}
