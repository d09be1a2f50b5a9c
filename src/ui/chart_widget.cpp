#include "ui/chart_widget.h"

#include <QPainter>

#include "report/chart_renderer.h"
#include "ui/qpainter_canvas.h"
#include "ui/qt_text.h"

namespace stelvar::ui {

ChartWidget::ChartWidget(const ResultsStore& store, std::string chartName, QWidget* parent)
    : QWidget(parent), store_(store), chartName_(std::move(chartName)) {
    setObjectName(ToQString(chartName_));
    setFixedSize(sizeHint());
}

QSize ChartWidget::sizeHint() const {
    const ChartSize size = ResultsChartSize(chartName_);
    return {size.Width, size.Height};
}

void ChartWidget::Draw(Canvas& canvas) const {
    const ChartSize size = ResultsChartSize(chartName_);
    DrawChart(store_.GetChart(chartName_), canvas, size.Width, size.Height);
}

void ChartWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    QPainterCanvas canvas(painter);
    Draw(canvas);
}

}  // namespace stelvar::ui
