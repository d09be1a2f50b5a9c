#pragma once
// The coefficient tool "土圧係数" (TForm3): the earth-pressure coefficients of a wall
// behind an embankment of limited height on its first page, the bearing capacity
// factors Nc, Nq and Nγ on three more. The settings widgets mirror the tool's form
// model; the grids and charts show the tool's own tables, which it recomputes whenever
// it is shown after being hidden and on "表示".

#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "forms/coefficient_tool.h"
#include "forms/design_conditions.h"
#include "report/coefficient_tables.h"

class QButtonGroup;
class QTabWidget;
class QTableWidget;
class QLabel;

namespace stelvar::ui {

class CoefficientWindow final : public QWidget {
    Q_OBJECT

public:
    // `conditions` (not owned, outlives the window) gives the crack-height option of
    // the earth-pressure table and receives the seismic-load choice when the tool is
    // shown. Created hidden.
    explicit CoefficientWindow(DesignConditionsForm& conditions, QWidget* parent = nullptr);

    // The main window's two tool buttons: place the window at (0, 90) and show it (when
    // it was hidden its show event moves it to (0, 83) and recomputes the first page);
    // then only the page "土圧係数", active, or only the three factor pages, the first
    // active, which are then filled.
    void ShowEarthPressureMode();
    void ShowBearingFactorMode();
    // The menu entry "3.土圧係数": shows the window with its pages as they are.
    void ShowUnchanged();

    CoefficientToolForm& Form() { return form_; }
    const CoefficientTables& Tables() const { return tables_; }

    // Brings the settings widgets and the shown pages in line with the form, and the
    // grids and charts with the tables. Call it after changing the form from outside.
    void SyncFromModel();

    // The widget of a control of the form, a grid ("StringGrid1" …) or a chart
    // ("Chart1" …); nullptr for another name.
    QWidget* Control(std::string_view name) const;

signals:
    // Showing the tool changed the design-conditions form (its seismic-load choice):
    // the design-conditions window should mirror its form again.
    void DesignConditionsChanged();
    // A box of the tool holds no number; the tables keep their contents.
    void ConversionFailed(const QString& message);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildEarthPressurePage();
    QWidget* BuildFactorPage(std::string_view grid, std::string_view chart);
    QWidget* Combo(std::string_view name, QWidget* parent, int x, int y, int labelWidth, int boxWidth);
    QWidget* Radio(std::string_view name, QWidget* parent, int x, int y, int w, int h, bool horizontal);
    QWidget* CloseButton(QWidget* parent, int x, int y);
    void ConnectSettings();
    // Runs a change of the form, then mirrors it.
    void Apply(const std::function<void()>& change);
    // "表示": the earth-pressure table from the current settings.
    void ComputeEarthPressurePage();
    void ShowTables();
    void PlaceForMainWindow();

    DesignConditionsForm& conditions_;
    CoefficientToolForm form_;
    CoefficientTables tables_;
    QTabWidget* pages_ = nullptr;
    QTabWidget* wallTypes_ = nullptr;
    std::map<std::string, QWidget*, std::less<>> controls_;
    std::map<std::string, QButtonGroup*, std::less<>> radioGroups_;
    std::map<std::string, QTableWidget*, std::less<>> grids_;
    std::map<std::string, QWidget*, std::less<>> charts_;
    bool syncing_ = false;
};

}  // namespace stelvar::ui
