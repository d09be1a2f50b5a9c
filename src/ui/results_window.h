#pragma once
// The results window "計算結果": the calculation document of the last run on tabbed
// pages, as list boxes, grids with a fixed first row and column, and charts. It shows
// the results store and holds nothing of its own; Refresh mirrors the store after a run.

#include <QWidget>

#include <map>
#include <string>
#include <string_view>

#include "report/results_store.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QSlider;
class QTabWidget;
class QTableWidget;

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

    ResultsStore& store_;
    const QWidget* anchor_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QSlider* trackBar_ = nullptr;
    std::map<std::string, QListWidget*, std::less<>> lists_;
    std::map<std::string, QTableWidget*, std::less<>> grids_;
    std::map<std::string, ChartWidget*, std::less<>> charts_;
    std::map<std::string, QGroupBox*, std::less<>> verdictGroups_;
    std::map<std::string, QLabel*, std::less<>> labels_;
};

}  // namespace stelvar::ui
