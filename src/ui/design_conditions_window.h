#pragma once
// The design-conditions window: one widget per control of the design-conditions form,
// named after the control. The widgets only mirror the form: a change the user makes is
// handed to the form's setters (which run the window's reactions), and then every
// widget is brought back in line with the whole form by SyncFromModel.

#include <QPoint>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "forms/design_conditions.h"
#include "ui/wall_figure.h"

class QButtonGroup;
class QGroupBox;
class QLabel;

namespace stelvar::ui {

class DesignConditionsWindow : public QWidget {
    Q_OBJECT

public:
    // The form is not owned; it outlives the window.
    explicit DesignConditionsWindow(DesignConditionsForm& form, QWidget* parent = nullptr);

    DesignConditionsForm& Form() { return form_; }

    // Brings every widget in line with the form (texts, items, selections, check marks,
    // enabled state, colours, visible pages and labels, the caption) without feeding
    // anything back into the form. Call it after changing the form from outside (a
    // loaded file, a helper window writing into a box).
    void SyncFromModel();

    // The widget of a control, or nullptr for a name the window does not show.
    QWidget* Control(std::string_view name) const;

    // A wall picture ("Image2" gravity page, "Image4" leaning page, "Image6" shear key,
    // "Image8" backfill shape, "Image5" other loads); nullptr for another name.
    WallFigureWidget* FigureArea(std::string_view image) const;

signals:
    // "計算開始" was clicked.
    void StartCalculationRequested();
    // "基礎地盤定数" / "許容応力度": the top-left corner, in screen coordinates, where the
    // soil-constants or allowable-stress window is to be shown.
    void SoilConstantsRequested(QPoint topLeft);
    void AllowableStressRequested(QPoint topLeft);
    // An input box was clicked: the numeric keypad is to open beside it; the soil and
    // ground boxes also ask for the ground-constant diagram.
    void KeypadRequested(const QString& box);
    void GroundDiagramRequested(const QString& box);
    // The options the wall figures and the main window's report-preview menu depend on
    // have changed.
    void FiguresChanged();
    void PreviewMenuChanged();
    // A reaction stopped because a box holds no number; the window keeps its contents.
    void ConversionFailed(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs a change of the form, then mirrors the form and announces repaints.
    void Apply(const std::function<void()>& change);

    // Widget creation by control kind, placed at the given geometry in parent.
    QWidget* Make(std::string_view name, QWidget* parent, int x, int y, int w, int h,
                  bool horizontal = false);
    // An input box with a text to its left.
    QWidget* Labeled(std::string_view name, QWidget* parent, int x, int y, int labelWidth,
                     int boxWidth, const QString& label = {});
    QGroupBox* Group(const QString& title, QWidget* parent, int x, int y, int w, int h);
    QLabel* Text(const QString& text, QWidget* parent, int x, int y, int w, int h);
    QWidget* Figure(WallPicture picture, QWidget* parent, int x, int y, int w, int h);

    void BuildLeftPanel();
    void BuildRightColumn();
    void BuildLoadPages();
    QWidget* BuildSelfWeightPage();
    QWidget* BuildBackfillPage();
    QWidget* BuildOtherLoadsPage();
    QWidget* BuildSeismicPage();
    void Connect(const std::string& name, QWidget* widget);

    void SyncControl(const std::string& name, QWidget* widget);

    DesignConditionsForm& form_;
    QWidget* loadPanel_ = nullptr;
    std::map<std::string, QWidget*, std::less<>> controls_;
    std::map<std::string, QButtonGroup*, std::less<>> radioGroups_;
    std::map<std::string, WallFigureWidget*, std::less<>> figures_;
    int seenFigureRedraws_ = 0;
    int seenPreviewMenuUpdates_ = 0;
    bool syncing_ = false;
};

}  // namespace stelvar::ui
