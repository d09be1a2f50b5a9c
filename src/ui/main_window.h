#pragma once
// The main window: the menu and the two tool bars from which every window and command
// is reached, and the status bar. It owns the design conditions, the allowable
// stresses and the calculation document (the results store) together with the windows
// that show them; those windows exist from the start and are only shown and hidden.

#include <QMainWindow>
#include <QPoint>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "forms/allowable_stress.h"
#include "forms/design_conditions.h"
#include "forms/dialogs.h"
#include "forms/keypad.h"
#include "forms/slab_menu.h"
#include "forms/soil_tables.h"
#include "report/pair_report.h"
#include "report/results_store.h"
#include "run/run_driver.h"

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QToolBar;
class QToolButton;

namespace stelvar::ui {

class AllowableStressWindow;
class CoefficientWindow;
class DesignConditionsWindow;
class FileNameSource;
class GroundDiagramWindow;
class InfoWindow;
class KeypadWindow;
class QtDialogs;
class ReportPrinter;
class ResultsWindow;
class SizingDialog;
class SoilTablesWindow;

class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    // The desktop program: message boxes, file dialogs, the desktop's PDF viewer and the
    // process's current directory.
    explicit MainWindow(QWidget* parent = nullptr);
    // Questions and file names answered by the given sources (they must outlive the
    // window); files are written to and looked for in the current directory until
    // SetWorkingDirectory says otherwise, and no viewer opens until SetDocumentOpener.
    MainWindow(Dialogs& dialogs, FileNameSource& fileNames, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The folder the exports write into and the file dialogs start in.
    void SetWorkingDirectory(std::filesystem::path folder) { workingDirectory_ = std::move(folder); }
    const std::filesystem::path& WorkingDirectory() const { return workingDirectory_; }

    // Opens a written document with the desktop's viewer; false when no viewer could be
    // started (the window then says so and where the file is).
    using DocumentOpener = std::function<bool(const std::filesystem::path&)>;
    void SetDocumentOpener(DocumentOpener opener) { openDocument_ = std::move(opener); }

    DesignConditionsForm& Conditions() { return conditions_; }
    AllowableStressForm& AllowableStress() { return allowableStress_; }
    ResultsStore& Results() { return results_; }
    DesignConditionsWindow& ConditionsWindow() { return *conditionsWindow_; }
    ResultsWindow& ResultsView() { return *resultsWindow_; }
    InfoWindow& Information() { return *infoWindow_; }
    KeypadForm& KeypadModel() { return keypad_; }
    SoilTablesForm& SoilTables() { return soilTables_; }
    KeypadWindow& Keypad() { return *keypadWindow_; }
    AllowableStressWindow& AllowableStressView() { return *allowableStressWindow_; }
    SoilTablesWindow& SoilTablesView() { return *soilTablesWindow_; }
    GroundDiagramWindow& GroundDiagram() { return *groundDiagramWindow_; }
    CoefficientWindow& CoefficientTool() { return *coefficientWindow_; }
    ReportPrinter& Report() { return *report_; }
    QPrinter& Printer() { return *printer_; }

    // The base name of the design-conditions file last loaded or saved; empty at start.
    const std::string& ProjectTitle() const { return projectTitle_; }
    // The slab previews, printed slab page headings and slab tabs as last set.
    const SlabMenu& Slabs() const { return slabMenu_; }
    // Widths of the three status-bar panels.
    const std::array<int, 3>& StatusPanelWidths() const { return statusPanelWidths_; }

    // ---- Commands of the menu and tool bars ------------------------------------------
    void LoadDesignConditions();
    void SaveDesignConditions();
    // "終了しますか。": Yes closes the window and so ends the program.
    void ConfirmExit();
    // The load-combination question, then a run ("計算開始").
    RunStatus RunWithQuestion();
    // A run at once ("1.計算開始").
    RunStatus RunAtOnce();
    // "2.常時・地震時一括計算" and "一括計算": the question, then both design cases from
    // the seismic conditions (the windows stay as they are); the results window shows
    // the ordinary case first, its case selector and the page "照査結果一覧".
    RunStatus RunPairWithQuestion();
    // "3.寸法自動設定...": the sizing dialog over the windows as they stand; its 適用 writes
    // the chosen candidate into the design conditions. Deleted when closed.
    SizingDialog* ShowSizingDialog();
    // The documents of the last run when it was a pair run, else null.
    const PairDocuments* Pair() const { return pair_.get(); }
    void ExportTextCommand();
    void ExportFiguresCommand();
    void ExportPdfCommand();
    // "4.電子納品用PDF出力...": the printed report as 擁壁計算書.pdf for electronic delivery.
    void ExportDeliveryPdfCommand();
    void ShowDesignConditions();
    void ShowResults();
    void ShowInformation();
    // "3.検証報告書": runs the verification, writes "検証報告書.pdf" into the working
    // folder and opens it; says so when a case is outside its tolerance.
    void WriteVerificationReportCommand();
    void PrinterSetup();

    // The soil-constant tables and the allowable-stress window, shown with their
    // top-left corner (frame) at a screen position.
    void ShowSoilConstants(QPoint topLeft);
    void ShowAllowableStress(QPoint topLeft);
    // The numeric keypad for a box of the design-conditions window (window number 5)
    // or of the allowable-stress window (9), placed below the box.
    void ShowKeypad(const QString& box, int windowNumber = keypad::kDesignConditionsWindow);
    // The ground-constant diagram, placed beside the design-conditions window.
    void ShowGroundDiagram();

    // "1.計算書印刷": the whole report after a confirmation, on the printer of the
    // printer setup.
    void PrintReport();
    // A page of "2.計算書ﾌﾟﾚﾋﾞｭｰ" by its menu item (Contents1, N4, … N31), in a modal
    // preview.
    void PreviewReportPage(std::string_view menuItem);
    // The coefficient tool: as it was (menu), with its earth-pressure page only, or with
    // its three bearing-factor pages only (tool buttons).
    enum class CoefficientMode { Unchanged, EarthPressure, BearingFactor };
    void ShowCoefficientTool(CoefficientMode mode);

    // Sets the slab menu for the wall as the design-conditions window shows it. A box
    // that holds no number leaves the menu as it was.
    void UpdateSlabMenu();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Build();
    void BuildMenu();
    void BuildToolBars();
    void BuildStatusBar();
    QAction* AddItem(QMenu* menu, const char* name, const char* caption,
                     std::function<void()> command);
    QMenu* AddSubmenu(QMenu* menu, const char* name, const char* caption);
    QToolButton* AddButton(QToolBar* bar, const char* name, const char* caption, const char* hint,
                           std::function<void()> command);
    void ApplySlabMenu();
    // Runs a command; an error it raises is shown with its message, as the program's
    // general error handler does.
    void Guarded(const std::function<void()>& command);
    RunStatus Start(bool ask);
    void RunStep();
    void StartUp();
    std::filesystem::path InWorkingDirectory(std::string_view utf8Name) const;

    std::unique_ptr<QtDialogs> ownDialogs_;
    std::unique_ptr<FileNameSource> ownFileNames_;
    Dialogs* dialogs_ = nullptr;
    FileNameSource* fileNames_ = nullptr;
    DocumentOpener openDocument_;
    std::filesystem::path workingDirectory_;

    DesignConditionsForm conditions_;
    AllowableStressForm allowableStress_;
    SoilTablesForm soilTables_;
    KeypadForm keypad_;
    ResultsStore results_;
    std::unique_ptr<RunDriver> driver_;
    std::unique_ptr<PairDocuments> pair_;
    std::string projectTitle_;
    SlabMenu slabMenu_ = SlabMenuDefaults();
    std::array<int, 3> statusPanelWidths_{400, 100, 180};
    std::array<QLabel*, 3> statusPanels_{};
    std::unique_ptr<QPrinter> printer_;
    bool startedUp_ = false;
    bool conditionsPlaced_ = false;  // the design-conditions window was centred once

    DesignConditionsWindow* conditionsWindow_ = nullptr;
    ResultsWindow* resultsWindow_ = nullptr;
    InfoWindow* infoWindow_ = nullptr;
    SoilTablesWindow* soilTablesWindow_ = nullptr;
    AllowableStressWindow* allowableStressWindow_ = nullptr;
    KeypadWindow* keypadWindow_ = nullptr;
    GroundDiagramWindow* groundDiagramWindow_ = nullptr;
    CoefficientWindow* coefficientWindow_ = nullptr;
    std::unique_ptr<ReportPrinter> report_;
};

}  // namespace stelvar::ui
