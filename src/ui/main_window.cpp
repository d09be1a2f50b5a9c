#include "ui/main_window.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <algorithm>
#include <exception>

#include "documents/design_file.h"
#include "documents/figure_export.h"
#include "documents/file_io.h"
#include "delivery/delivery_pdf.h"
#include "documents/pair_export.h"
#include "documents/text_export.h"
#include "pdf/pdf_export.h"
#include "report/report_run.h"
#include "ui/allowable_stress_window.h"
#include "ui/coefficient_window.h"
#include "ui/design_conditions_window.h"
#include "ui/ground_diagram_window.h"
#include "ui/info_window.h"
#include "ui/keypad_window.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_text.h"
#include "ui/report_printer.h"
#include "ui/results_window.h"
#include "ui/sizing_dialog.h"
#include "ui/soil_tables_window.h"
#include "verify/verification_report.h"

namespace stelvar::ui {
namespace {

// A page of a tabbed window found by its name, with the tab widget that holds it.
struct TabPage {
    QTabWidget* Tabs = nullptr;
    QWidget* Page = nullptr;
};

TabPage FindTabPage(const QWidget& window, const char* name) {
    TabPage t;
    t.Page = window.findChild<QWidget*>(QString::fromLatin1(name));
    // A page's parent is the tab widget's page stack, whose parent is the tab widget.
    for (QWidget* w = t.Page ? t.Page->parentWidget() : nullptr; w && !t.Tabs; w = w->parentWidget())
        t.Tabs = qobject_cast<QTabWidget*>(w);
    return t;
}

void SetTabVisible(const QWidget& window, const char* name, bool visible) {
    const TabPage t = FindTabPage(window, name);
    if (t.Tabs && t.Tabs->indexOf(t.Page) >= 0) t.Tabs->setTabVisible(t.Tabs->indexOf(t.Page), visible);
}

void SelectTab(const QWidget& window, const char* name) {
    const TabPage t = FindTabPage(window, name);
    if (t.Tabs && t.Tabs->indexOf(t.Page) >= 0) t.Tabs->setCurrentWidget(t.Page);
}

bool OpenWithDesktopViewer(const std::filesystem::path& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(file.string())));
}

// Without a viewer the question's Yes would otherwise do nothing visible.
std::string NoViewerMessage(const std::filesystem::path& file) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(file, ec);
    std::string text = "PDFを表示するソフトを起動できませんでした。\r\rファイルは\r　";
    text += (ec ? file : full).string();
    text += "\rにあります。";
    return text;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    ownDialogs_ = std::make_unique<QtDialogs>(this);
    ownFileNames_ = std::make_unique<QtFileNames>(this);
    dialogs_ = ownDialogs_.get();
    fileNames_ = ownFileNames_.get();
    openDocument_ = OpenWithDesktopViewer;
    Build();
}

MainWindow::MainWindow(Dialogs& dialogs, FileNameSource& fileNames, QWidget* parent)
    : QMainWindow(parent), dialogs_(&dialogs), fileNames_(&fileNames) {
    Build();
}

MainWindow::~MainWindow() {
    // The windows show the forms and the store held here: they go first, the helper
    // windows before the design-conditions window they write into.
    delete keypadWindow_;
    delete groundDiagramWindow_;
    delete allowableStressWindow_;
    delete soilTablesWindow_;
    delete resultsWindow_;
    delete conditionsWindow_;
    delete infoWindow_;
}

void MainWindow::Build() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kProgramTitle));
    std::error_code ec;
    workingDirectory_ = std::filesystem::current_path(ec);

    driver_ = std::make_unique<RunDriver>(conditions_.Controls(), allowableStress_.Controls(), *dialogs_,
                                          [this] { RunStep(); });

    // A frame for documents; the other windows float above it.
    auto* frame = new QMdiArea(this);
    frame->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(frame);

    // The windows exist from the start, in their order, and are only shown and hidden.
    resultsWindow_ = new ResultsWindow(results_, this);
    resultsWindow_->setWindowFlag(Qt::Window, true);
    resultsWindow_->hide();
    conditionsWindow_ = new DesignConditionsWindow(conditions_, this);
    conditionsWindow_->setWindowFlag(Qt::Window, true);
    conditionsWindow_->hide();
    infoWindow_ = new InfoWindow(this);
    infoWindow_->hide();
    // The helper windows float above the design-conditions window, which stays on top.
    // The desktop program asks the soil tables' questions over that window, which
    // would otherwise hide them; given dialogs answer them as they answer the rest.
    soilTablesWindow_ =
        new SoilTablesWindow(soilTables_, *conditionsWindow_, ownDialogs_ ? nullptr : dialogs_, this);
    soilTablesWindow_->hide();
    allowableStressWindow_ = new AllowableStressWindow(allowableStress_, *conditionsWindow_, this);
    allowableStressWindow_->hide();
    keypadWindow_ = new KeypadWindow(keypad_, this);
    keypadWindow_->hide();
    keypadWindow_->RegisterWindow(keypad::kDesignConditionsWindow, conditions_, *conditionsWindow_,
                                  [this] { conditionsWindow_->SyncFromModel(); });
    keypadWindow_->RegisterWindow(keypad::kAllowableStressWindow, allowableStress_, *allowableStressWindow_,
                                  [this] { allowableStressWindow_->SyncFromModel(); });
    groundDiagramWindow_ = new GroundDiagramWindow(conditions_, this);
    groundDiagramWindow_->hide();
    coefficientWindow_ = new CoefficientWindow(conditions_, this);
    coefficientWindow_->hide();

    // One printer for every printed page; the printer setup changes it.
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    report_ = std::make_unique<ReportPrinter>(results_, slabMenu_, *printer_, this);
    report_->SetWindows(resultsWindow_, conditionsWindow_, groundDiagramWindow_);

    connect(conditionsWindow_, &DesignConditionsWindow::StartCalculationRequested, this,
            [this] { Guarded([this] { RunWithQuestion(); }); });
    connect(conditionsWindow_, &DesignConditionsWindow::PreviewMenuChanged, this,
            [this] { UpdateSlabMenu(); });
    connect(conditionsWindow_, &DesignConditionsWindow::ConversionFailed, this,
            [this](const QString& message) { dialogs_->Message(FromQString(message)); });
    connect(conditionsWindow_, &DesignConditionsWindow::SoilConstantsRequested, this,
            [this](QPoint topLeft) { ShowSoilConstants(topLeft); });
    connect(conditionsWindow_, &DesignConditionsWindow::AllowableStressRequested, this,
            [this](QPoint topLeft) { ShowAllowableStress(topLeft); });
    connect(conditionsWindow_, &DesignConditionsWindow::KeypadRequested, this,
            [this](const QString& box) { ShowKeypad(box); });
    connect(conditionsWindow_, &DesignConditionsWindow::GroundDiagramRequested, this,
            [this](const QString&) { ShowGroundDiagram(); });
    connect(conditionsWindow_, &DesignConditionsWindow::FiguresChanged, this,
            [this] { groundDiagramWindow_->UpdateFigure(); });
    connect(allowableStressWindow_, &AllowableStressWindow::KeypadRequested, this,
            [this](const QString& box) { ShowKeypad(box, keypad::kAllowableStressWindow); });
    const auto report = [this](const QString& message) { dialogs_->Message(FromQString(message)); };
    connect(keypadWindow_, &KeypadWindow::ConversionFailed, this, report);
    connect(allowableStressWindow_, &AllowableStressWindow::ConversionFailed, this, report);
    connect(soilTablesWindow_, &SoilTablesWindow::ConversionFailed, this, report);
    connect(coefficientWindow_, &CoefficientWindow::ConversionFailed, this, report);
    connect(coefficientWindow_, &CoefficientWindow::DesignConditionsChanged, this,
            [this] { conditionsWindow_->SyncFromModel(); });

    BuildMenu();
    BuildToolBars();
    BuildStatusBar();
}

QAction* MainWindow::AddItem(QMenu* menu, const char* name, const char* caption,
                             std::function<void()> command) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(QString::fromLatin1(name));
    connect(item, &QAction::triggered, this, [this, command = std::move(command)] { Guarded(command); });
    return item;
}

QMenu* MainWindow::AddSubmenu(QMenu* menu, const char* name, const char* caption) {
    QMenu* sub = menu->addMenu(QString::fromUtf8(caption));
    sub->setObjectName(QString::fromLatin1(name));
    sub->menuAction()->setObjectName(QString::fromLatin1(name));
    return sub;
}

void MainWindow::BuildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    const auto top = [&](const char* name, const char* caption) {
        QMenu* m = bar->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        return m;
    };

    QMenu* file = top("File1", "ファイル(&F)");
    AddItem(file, "N11", "1.設計条件読込...", [this] { LoadDesignConditions(); });
    AddItem(file, "N21", "2.設計条件保存...", [this] { SaveDesignConditions(); });
    file->addSeparator()->setObjectName(QStringLiteral("N1"));
    AddItem(file, "N61", "3.終了...", [this] { ConfirmExit(); });

    QMenu* print = top("Print1", "印刷(&P)");
    AddItem(print, "N17", "1.計算書印刷", [this] { PrintReport(); });
    QMenu* preview = AddSubmenu(print, "N23", "2.計算書ﾌﾟﾚﾋﾞｭｰ");
    const auto page = [this](QMenu* m, const char* name, const char* caption) {
        AddItem(m, name, caption, [this, name] { PreviewReportPage(name); });
    };
    page(preview, "Contents1", "目次");
    page(preview, "N4", "Ⅰ．設計条件");
    page(preview, "N6", "Ⅱ-1．荷重計算(自重：安定計算用)");
    page(preview, "N16", "Ⅱ-2．荷重計算(自重：構造計算用)");
    page(preview, "N25", "Ⅱ-3．荷重計算(土圧)");
    QMenu* stability = AddSubmenu(preview, "N7", "Ⅲ-1．安定計算");
    page(stability, "N110", "1．滑動、転倒、支持力");
    page(stability, "N210", "2．極限支持力");
    page(preview, "N26", "Ⅲ-2．荷重図");
    QMenu* stem = AddSubmenu(preview, "N8", "Ⅳ-1．構造計算(たて壁)");
    page(stem, "N18", "1．断面力...");
    page(stem, "N28", "2．応力度...");
    QMenu* slabs = AddSubmenu(preview, "N27", "Ⅳ-2．構造計算(底版)");
    page(slabs, "N19", "1．つま先版...");
    page(slabs, "N29", "2．かかと版...");
    page(slabs, "N31", "3．突起...");
    AddItem(print, "N33", "3.プリンタ設定...", [this] { PrinterSetup(); });

    QMenu* edit = top("Edit1", "編集(&E)");
    AddItem(edit, "N15", "1.テキスト出力...", [this] { ExportTextCommand(); });
    AddItem(edit, "N2Word1", "2.ﾒﾀﾌｧｲﾙ出力...", [this] { ExportFiguresCommand(); });
    AddItem(edit, "N34", "3.PDF出力...", [this] { ExportPdfCommand(); });
    AddItem(edit, "N38", "4.電子納品用PDF出力...", [this] { ExportDeliveryPdfCommand(); });

    QMenu* show = top("Show1", "表示(&V)");
    AddItem(show, "N12", "1.計算結果", [this] { ShowResults(); });
    AddItem(show, "N22", "2.土質定数表", [this] { ShowSoilConstants(QPoint(0, 83)); });
    AddItem(show, "N32", "3.土圧係数", [this] { ShowCoefficientTool(CoefficientMode::Unchanged); });

    QMenu* run = top("R1", "実行(&R)");
    AddItem(run, "N13", "1.計算開始", [this] { RunAtOnce(); });
    AddItem(run, "N14", "2.常時・地震時一括計算", [this] { RunPairWithQuestion(); });
    AddItem(run, "N37", "3.寸法自動設定...", [this] { ShowSizingDialog(); });

    QMenu* system = top("S1", "システム(&S)");
    AddItem(system, "N24", "2.このシステムは...", [this] { ShowInformation(); });
    AddItem(system, "N35", "3.検証報告書", [this] { WriteVerificationReportCommand(); });
}

QToolButton* MainWindow::AddButton(QToolBar* bar, const char* name, const char* caption,
                                   const char* hint, std::function<void()> command) {
    QAction* action = bar->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    if (*hint) action->setToolTip(QString::fromUtf8(hint));
    connect(action, &QAction::triggered, this, [this, command = std::move(command)] { Guarded(command); });
    auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
    if (button) button->setObjectName(QString::fromLatin1(name));
    return button;
}

void MainWindow::BuildToolBars() {
    QToolBar* files = addToolBar(QStringLiteral("ToolBar1"));
    files->setObjectName(QStringLiteral("ToolBar1"));
    QToolBar* windows = addToolBar(QStringLiteral("ToolBar3"));
    windows->setObjectName(QStringLiteral("ToolBar3"));
    for (QToolBar* bar : {files, windows}) {
        bar->setMovable(false);
        bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    AddButton(files, "ToolButton1", "終了", "終了", [this] { ConfirmExit(); });
    AddButton(files, "ToolButton3", "開く", "読込", [this] { LoadDesignConditions(); });
    AddButton(files, "ToolButton4", "保存", "保存", [this] { SaveDesignConditions(); });
    AddButton(files, "ToolButton5", "印刷", "印刷", [this] { PrintReport(); });
    AddButton(files, "ToolButton10", "ﾃｷｽﾄ", "ﾃｷｽﾄ出力", [this] { ExportTextCommand(); });
    AddButton(files, "ToolButton7", "WMF", "ﾒﾀﾌｧｲﾙ出力", [this] { ExportFiguresCommand(); });
    AddButton(files, "ToolButton6", "PDF", "PDF出力", [this] { ExportPdfCommand(); });
    AddButton(windows, "ToolButton16", "設計条件", "", [this] { ShowDesignConditions(); });
    AddButton(windows, "ToolButton11", "計算結果", "", [this] { ShowResults(); });
    AddButton(windows, "ToolButton13", "土質定数", "", [this] { ShowSoilConstants(QPoint(0, 70)); });
    AddButton(windows, "ToolButton14", "土圧係数", "",
              [this] { ShowCoefficientTool(CoefficientMode::EarthPressure); });
    AddButton(windows, "ToolButton8", "支持力係数", "",
              [this] { ShowCoefficientTool(CoefficientMode::BearingFactor); });
    AddButton(windows, "ToolButton17", "計算開始", "", [this] { RunWithQuestion(); });
    AddButton(windows, "ToolButton18", "一括計算", "常時・地震時一括計算", [this] { RunPairWithQuestion(); });
}

void MainWindow::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        const int panelWidth = statusPanelWidths_[static_cast<std::size_t>(i)];
        if (i == 0) {
            // The first panel takes what the others leave, so it never forces the
            // window wider than the screen.
            panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        } else {
            panel->setFixedWidth(panelWidth);
        }
        bar->addWidget(panel, i == 0 ? 1 : 0);
        statusPanels_[static_cast<std::size_t>(i)] = panel;
    }
}

// ---- Start-up ------------------------------------------------------------------------

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!startedUp_) {
        startedUp_ = true;
        StartUp();
    }
}

void MainWindow::StartUp() {
    projectTitle_.clear();
    statusPanelWidths_[0] = std::max(0, statusBar()->width() - 160);
    ShowDesignConditions();
    resultsWindow_->SetUp(conditions_.Controls().Index("PageControl2") == 1 ? 1 : 0, conditionsWindow_);
    conditionsWindow_->SyncFromModel();
    ShowGroundDiagram();
    UpdateSlabMenu();
}

// ---- Slab menu -----------------------------------------------------------------------

void MainWindow::UpdateSlabMenu() {
    SlabMenuConditions wall;
    try {
        wall = ReadSlabMenuConditions(conditions_.Controls());
    } catch (const std::exception&) {
        // A box being edited holds no number yet; a run reports it with its message.
        return;
    }
    SetSlabMenu(slabMenu_, wall);
    ApplySlabMenu();
}

void MainWindow::ApplySlabMenu() {
    const auto item = [this](const char* name, const SlabMenuItem& state) {
        if (auto* action = findChild<QAction*>(QString::fromLatin1(name))) {
            action->setVisible(state.Visible);
            action->setText(ToQString(state.Caption));
        }
    };
    item("N27", slabMenu_.N27);
    item("N19", slabMenu_.N19);
    item("N29", slabMenu_.N29);
    item("N31", slabMenu_.N31);
    SetTabVisible(*resultsWindow_, "TabSheet13", slabMenu_.ToeTab);
    SetTabVisible(*resultsWindow_, "TabSheet14", slabMenu_.HeelTab);
    SetTabVisible(*resultsWindow_, "TabSheet15", slabMenu_.KeyTab);
}

// ---- Commands ------------------------------------------------------------------------

void MainWindow::Guarded(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& e) {
        dialogs_->Message(e.what());
    }
}

std::filesystem::path MainWindow::InWorkingDirectory(std::string_view utf8Name) const {
    return workingDirectory_ / std::filesystem::path(std::string(utf8Name));
}

void MainWindow::LoadDesignConditions() {
    const auto file = fileNames_->OpenFileName(workingDirectory_);
    if (!file) return;
    ShowDesignConditions();
    std::string readError;
    try {
        LoadDesignConditionsFile(*file, conditions_, allowableStress_);
    } catch (const FileError& e) {
        // Not read: nothing has changed.
        dialogs_->Message(e.what());
        return;
    } catch (const std::exception& e) {
        // The lines before the bad one are applied: the window shows them.
        readError = e.what();
    }
    projectTitle_ = stelvar::ProjectTitle(*file);
    conditionsWindow_->SyncFromModel();
    allowableStressWindow_->SyncFromModel();
    UpdateSlabMenu();
    if (!readError.empty()) {
        dialogs_->Message(readError);
        return;
    }
    dialogs_->Message("設計条件を読込みました。");
}

void MainWindow::SaveDesignConditions() {
    const auto file = fileNames_->SaveFileName(workingDirectory_);
    if (!file) return;
    ShowDesignConditions();
    SaveDesignConditionsFile(*file, conditions_);
    projectTitle_ = stelvar::ProjectTitle(*file);
    conditionsWindow_->SyncFromModel();
    dialogs_->Message("設計条件を保存しました。");
}

void MainWindow::ConfirmExit() {
    if (auto* boxes = dynamic_cast<QtDialogs*>(dialogs_)) boxes->PlaceNextAt(QPoint(0, 83));
    if (dialogs_->Confirm("終了しますか。")) close();
}

RunStatus MainWindow::Start(bool ask) {
    // The driver decides whether the results window is shown; it starts from what the
    // screen shows, since the window may have been opened or closed by hand.
    if (resultsWindow_->isVisible())
        driver_->ShowResults();
    else
        driver_->HideResults();
    const RunStatus status = ask ? driver_->ConfirmAndRun() : driver_->Run();
    if (driver_->ResultsVisible()) {
        resultsWindow_->show();
        resultsWindow_->raise();
    } else {
        resultsWindow_->hide();
    }
    return status;
}

RunStatus MainWindow::RunWithQuestion() { return Start(true); }
RunStatus MainWindow::RunAtOnce() { return Start(false); }

void MainWindow::RunStep() {
    SelectTab(*resultsWindow_, "TabSheet6");
    SelectTab(*resultsWindow_, "TabSheet21");
    UpdateSlabMenu();
    // A single run ends the showing of a pair.
    resultsWindow_->ShowSingleRun();
    pair_.reset();
    try {
        RunWithReport(conditions_.Controls(), results_, projectTitle_);
    } catch (...) {
        // What was written before the failure stays and is shown.
        resultsWindow_->Refresh();
        throw;
    }
    resultsWindow_->Refresh();
}

RunStatus MainWindow::RunPairWithQuestion() {
    // As the run's own command: the results window hides for the question and shows
    // again only when the run has ended.
    resultsWindow_->hide();
    if (!dialogs_->Confirm(PairRunQuestion(conditions_.Controls()))) return RunStatus::Declined;
    // Both cases start from the document as it stands, as a single run does.
    auto pair = std::make_unique<PairDocuments>(
        PairDocuments{PairInputsOf(conditions_, allowableStress_), results_, results_, {}});
    try {
        const bool refused = CheckPairInputs(
            pair->Inputs, [this](const PairFinding& f) { dialogs_->Message(PairFindingMessage(f)); });
        if (refused) return RunStatus::Refused;
    } catch (const std::exception& e) {
        dialogs_->Message(e.what());
        return RunStatus::Refused;
    }
    UpdateSlabMenu();
    try {
        pair->Summary = RunPairWithReport(pair->Inputs, pair->Ordinary, pair->Seismic, projectTitle_).Summary;
    } catch (const std::exception& e) {
        // Nothing of the failed pair reaches the document shown.
        dialogs_->Message(e.what());
        return RunStatus::Failed;
    }
    pair_ = std::move(pair);
    SelectTab(*resultsWindow_, "TabSheet6");
    SelectTab(*resultsWindow_, "TabSheet21");
    resultsWindow_->ShowPair(pair_->Ordinary, pair_->Seismic, pair_->Summary);
    // 全照査OKとなる寸法 on the summary page scans the windows of this run, not later edits.
    resultsWindow_->SetGuidanceSource(
        [inputs = pair_->Inputs.Seismic] { return ComputeGuidance(inputs.Conditions, inputs.Stresses); });
    resultsWindow_->show();
    resultsWindow_->raise();
    return RunStatus::Completed;
}

void MainWindow::ExportTextCommand() {
    if (pair_) {
        ExportPairText(*pair_, *dialogs_, InWorkingDirectory(kTextExportFileName));
        return;
    }
    ExportText(results_, conditions_.Controls(), *dialogs_, InWorkingDirectory(kTextExportFileName));
}

void MainWindow::ExportFiguresCommand() {
    ExportFigures(results_, conditions_.Controls(), *dialogs_, workingDirectory_);
}

void MainWindow::ExportPdfCommand() {
    const std::filesystem::path target = InWorkingDirectory(kPdfExportFileName);
    const PdfExportOutcome outcome = pair_ ? ExportPairPdf(*pair_, projectTitle_, *dialogs_, target)
                                           : ExportPdf(results_, conditions_.Controls(), projectTitle_, *dialogs_, target);
    if (outcome == PdfExportOutcome::ShowRequested &&
        openDocument_ && !openDocument_(target))
        dialogs_->Message(NoViewerMessage(target));
}

void MainWindow::ExportDeliveryPdfCommand() {
    // The pages of print-all, as 1.計算書印刷 prints them; a box without a number stops the
    // command before it asks.
    const std::filesystem::path target = InWorkingDirectory(kDeliveryPdfFileName);
    if (pair_) {
        const ControlSource& controls = pair_->Inputs.Seismic.Conditions.Controls();
        const std::vector<int> pages = PrintAllPages(ReadSlabMenuConditions(controls));
        ExportDeliveryPdf(PairDeliveryDocument(*pair_, pages, slabMenu_, projectTitle_), *dialogs_, target);
        return;
    }
    const std::vector<int> pages = PrintAllPages(ReadSlabMenuConditions(conditions_.Controls()));
    ExportDeliveryPdf(SingleDeliveryDocument(results_, pages, slabMenu_, projectTitle_), *dialogs_, target);
}

SizingDialog* MainWindow::ShowSizingDialog() {
    // Modal without a nested event loop: the windows stay as they are while it is open,
    // and 適用 writes the candidate into them through the form, as typing would.
    auto* dialog = new SizingDialog(
        conditions_, allowableStress_,
        [this](const std::vector<std::pair<std::string, std::string>>& apply) {
            for (const auto& [name, text] : apply) conditions_.SetValue(name, text);
            conditions_.RedrawFigures();
            conditionsWindow_->SyncFromModel();
        },
        this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    return dialog;
}

void MainWindow::ShowDesignConditions() {
    if (!conditionsPlaced_) {
        // The window opens centred on the screen; afterwards it stays where the user put it.
        conditionsPlaced_ = true;
        if (const QScreen* screen = this->screen()) {
            const QRect area = screen->availableGeometry();
            conditionsWindow_->move(area.center() - QPoint(conditionsWindow_->width() / 2,
                                                           conditionsWindow_->height() / 2));
        }
    }
    conditionsWindow_->show();
    conditionsWindow_->raise();
}

void MainWindow::ShowResults() {
    resultsWindow_->show();
    resultsWindow_->raise();
}

void MainWindow::ShowInformation() {
    // Centred where the design-conditions window stays on top: it must open above it, as
    // the message boxes do.
    if (!infoWindow_->isVisible()) KeepAboveOnTopWindows(*infoWindow_);
    infoWindow_->show();
    infoWindow_->raise();
    infoWindow_->activateWindow();
}

void MainWindow::WriteVerificationReportCommand() {
    // Regenerated each time from the engine as built, on this machine.
    const std::vector<VerificationCase> cases = RunVerification();
    const std::filesystem::path target = InWorkingDirectory(kVerificationReportFileName);
    WriteVerificationPdf(target, cases, CurrentReportInfo());
    if (openDocument_ && !openDocument_(target)) dialogs_->Message(NoViewerMessage(target));
    if (!AllCasesOk(cases)) dialogs_->Message("検証報告書に許容差を超えた項目があります。");
}

void MainWindow::PrinterSetup() {
    QPrintDialog dialog(printer_.get(), DialogOwner(this));
    KeepAboveOnTopWindows(dialog);
    dialog.setWindowTitle(QStringLiteral("プリンタの設定"));
    dialog.exec();
}

void MainWindow::PrintReport() {
    if (pair_) {
        report_->PrintPair(*pair_, pair_->Inputs.Seismic.Conditions.Controls(), *dialogs_);
        return;
    }
    report_->PrintAll(conditions_.Controls(), *dialogs_);
}

void MainWindow::PreviewReportPage(std::string_view menuItem) { report_->PreviewMenuItem(menuItem); }

void MainWindow::ShowCoefficientTool(CoefficientMode mode) {
    switch (mode) {
        case CoefficientMode::EarthPressure: coefficientWindow_->ShowEarthPressureMode(); break;
        case CoefficientMode::BearingFactor: coefficientWindow_->ShowBearingFactorMode(); break;
        case CoefficientMode::Unchanged: coefficientWindow_->ShowUnchanged(); break;
    }
}

void MainWindow::ShowSoilConstants(QPoint topLeft) { soilTablesWindow_->Open(topLeft); }

void MainWindow::ShowAllowableStress(QPoint topLeft) { allowableStressWindow_->Open(topLeft); }

void MainWindow::ShowKeypad(const QString& box, int windowNumber) { keypadWindow_->ShowFor(windowNumber, box); }

void MainWindow::ShowGroundDiagram() { groundDiagramWindow_->ShowBeside(conditionsWindow_->frameGeometry()); }

}  // namespace stelvar::ui
