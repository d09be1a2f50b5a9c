#pragma once
// One chart of the calculation document on screen: the store's chart drawn by the
// shared chart renderer at the size the results window lays it out.

#include <QWidget>

#include <string>

#include "report/canvas.h"
#include "report/results_store.h"

namespace stelvar::ui {

class ChartWidget final : public QWidget {
    Q_OBJECT

public:
    // Shows the chart `chartName` of `store`, which must outlive the widget. The widget's
    // object name is the chart's name.
    ChartWidget(const ResultsStore& store, std::string chartName, QWidget* parent = nullptr);

    const std::string& ChartName() const { return chartName_; }
    // Draws the chart onto a canvas at the widget's chart size.
    void Draw(Canvas& canvas) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ResultsStore& store_;
    std::string chartName_;
};

}  // namespace stelvar::ui
