#pragma once
// The results window "計算結果": the calculation document of the last run on tabbed
// pages, as list boxes, grids with a fixed first row and column, and charts. It shows
// the results store and holds nothing of its own; Refresh mirrors the store after a run.

#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "report/results_store.h"
#include "run/case_summary.h"
#include "run/sizing.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QSlider;
class QTabWidget;
class QTableWidget;
class QPushButton;

namespace stelvar::ui {

class ChartWidget;

// The pixels of a grid cell its text may take: the column less the grid line on its
// right and a little room on either side of the text.
int GridTextRoom(int columnWidth);

class ResultsWindow final : public QWidget {
    Q_OBJECT

public:
    // The window over `store`, which must outlive it. Created hidden.
    explicit ResultsWindow(ResultsStore& store, QWidget* parent = nullptr);

    // The one-time set-up: lays out the store's tables and charts for the wall type
    // selected now (0 gravity, 1 leaning), opens the pages "Ⅱ-1．荷重計算" and "断面力",
    // places the window beside `designWindow` (when given) and shows the store.
    void SetUp(int wallType, const QWidget* designWindow = nullptr);

    // The window that this one is placed beside whenever it is shown: 8 pixels right of
    // and 27 below its top-left corner.
    void SetAnchor(const QWidget* designWindow) { anchor_ = designWindow; }

    // Shows the whole store: every list, grid, chart and caption.
    void Refresh();

    // After a pair run: the case selector "常時" / "地震時" beside the page tabs and the
    // page "照査結果一覧" with the summary. Choosing a case shows that case's document
    // (its store copied into the one the window shows; nothing is recomputed). The
    // stores and rows must outlive the pair's showing; the ordinary case is shown first.
    void ShowPair(const ResultsStore& ordinary, const ResultsStore& seismic,
                  const std::vector<SummaryRow>& summary);
    // After a single run: the selector and the summary page are hidden again, and the
    // window is the single run's as it always was.
    void ShowSingleRun();
    bool ShowsPair() const { return pairOrdinary_ != nullptr; }
    // The case the selector shows (0 常時, 1 地震時); null before the first pair run.
    QComboBox* CaseSelector() const { return caseSelector_; }
    QTableWidget* SummaryTable() const { return summaryTable_; }
    // "全照査OKとなる寸法" of the summary page: what computes the guidance of the pair shown
    // (set after ShowPair, with the windows of the run). The button is enabled when a row
    // of the summary fails; a click computes the guidance and lists it below the table.
    void SetGuidanceSource(std::function<Guidance()> source);
    QPushButton* GuidanceButton() const { return guidanceButton_; }
    QListWidget* GuidanceList() const { return guidanceList_; }

    QListWidget* ListBox(std::string_view name) const;
    QTableWidget* Grid(std::string_view name) const;
    ChartWidget* ChartView(std::string_view name) const;
    QSlider* FontSizeTrackBar() const { return trackBar_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QListWidget* MakeList(const char* name);
    QTableWidget* MakeGrid(const char* name);
    ChartWidget* MakeChart(const char* name);
    QGroupBox* MakeGroup(const char* caption, const char* name = nullptr);
    void BuildPages();
    void PlaceBesideAnchor();
    void ShowGrid(QTableWidget& view, const StringGridContent& grid);
    void ShowCaptions();
    // The track bar's size on Chart2's dimension marks, then the chart redrawn.
    void ApplyMarkFontSize();
    void BuildPairWidgets();
    void ShowCase(int index);
    void ShowSummary(const std::vector<SummaryRow>& summary);
    void ShowGuidance();

    ResultsStore& store_;
    const QWidget* anchor_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QSlider* trackBar_ = nullptr;
    std::map<std::string, QListWidget*, std::less<>> lists_;
    std::map<std::string, QTableWidget*, std::less<>> grids_;
    std::map<std::string, ChartWidget*, std::less<>> charts_;
    std::map<std::string, QGroupBox*, std::less<>> verdictGroups_;
    std::map<std::string, QLabel*, std::less<>> labels_;

    // The pair's widgets, made at the first pair run so that single runs never see them.
    QWidget* caseBar_ = nullptr;
    QComboBox* caseSelector_ = nullptr;
    QWidget* summaryPage_ = nullptr;
    QTableWidget* summaryTable_ = nullptr;
    const ResultsStore* pairOrdinary_ = nullptr;
    const ResultsStore* pairSeismic_ = nullptr;
    QPushButton* guidanceButton_ = nullptr;
    QListWidget* guidanceList_ = nullptr;
    std::function<Guidance()> guidanceSource_;
    std::vector<SummaryRow> failingRows_;
};

}  // namespace stelvar::ui
