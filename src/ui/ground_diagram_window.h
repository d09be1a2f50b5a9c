#pragma once
// The ground-constant diagram "■地盤定数説明図": the schematic wall of the
// design-conditions window with its backfill, embedment ground and bearing ground,
// annotated with the symbols the soil and ground boxes ask for. It floats beside the
// design-conditions window and follows its options (wall type, key, backfill shape).

#include <QPoint>
#include <QRect>
#include <QWidget>

#include "forms/design_conditions.h"

class QPushButton;

namespace stelvar::ui {

class WallFigureWidget;

// Where the diagram goes beside the design-conditions window (both frame rectangles):
// top at the design window's top, right edge 8 pixels over its left edge. Where that
// would put the diagram past the left edge of `screenArea`, it stays at that edge
// (overlapping the design window more) so that the whole diagram can be read.
QPoint GroundDiagramPlacement(const QRect& designFrame, int ownFrameWidth, const QRect& screenArea);

class GroundDiagramWindow final : public QWidget {
    Q_OBJECT

public:
    // The form is only read (for the picture's options); it outlives the window.
    // Created hidden.
    explicit GroundDiagramWindow(const DesignConditionsForm& form, QWidget* parent = nullptr);

    // Places itself beside the design-conditions window (its frame rectangle) and shows.
    void ShowBeside(const QRect& designFrame);

    // Repaints the picture when the design options changed since it was last painted.
    void UpdateFigure();

    WallFigureWidget& Figure() const { return *figure_; }
    QPushButton* CloseButton() const { return close_; }

private:
    WallFigureWidget* figure_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace stelvar::ui
