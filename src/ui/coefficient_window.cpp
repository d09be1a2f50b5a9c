#include "ui/coefficient_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableWidget>

#include <exception>

#include "report/chart_renderer.h"
#include "ui/qpainter_canvas.h"
#include "ui/qt_text.h"

namespace stelvar::ui {
namespace {

namespace ct = coefficient_tool;
namespace ctab = coefficient_tables;

constexpr int kWidth = 830;
constexpr int kHeight = 690;
constexpr int kRowHeight = 19;
const QColor kFixedCell(0xF0, 0xF0, 0xF0);

// A chart of the tool drawn by the report's chart renderer. The earth-pressure chart's
// points carry their ratio as a label, which on screen would stack eight numbers at
// every ratio of the bottom axis, which already shows them; that chart is drawn
// without its point labels.
class ToolChartView final : public QWidget {
public:
    ToolChartView(const Chart& chart, bool pointLabels, int width, int height, QWidget* parent)
        : QWidget(parent), chart_(chart), pointLabels_(pointLabels) {
        setObjectName(ToQString(chart.Name));
        setFixedSize(width, height);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        QPainterCanvas canvas(painter);
        if (pointLabels_) {
            DrawChart(chart_, canvas, width(), height());
            return;
        }
        Chart plain = chart_;
        for (ChartSeries& s : plain.Series)
            for (SeriesPoint& p : s.Points) p.Label.clear();
        DrawChart(plain, canvas, width(), height());
    }

private:
    const Chart& chart_;
    bool pointLabels_;
};

QTableWidget* MakeGrid(std::string_view name, QWidget* parent) {
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(ToQString(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setWordWrap(false);
    grid->setTextElideMode(Qt::ElideNone);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setStyleSheet(QStringLiteral("QTableView::item { padding: 0px 2px; }"));
    return grid;
}

// The whole grid without scrolling; `fixedColumns` columns and the first row are fixed.
void ShowGrid(QTableWidget& view, const StringGridContent& grid, int fixedColumns) {
    if (view.columnCount() != grid.ColCount) view.setColumnCount(grid.ColCount);
    if (view.rowCount() != grid.RowCount) view.setRowCount(grid.RowCount);
    int width = 2 * view.frameWidth();
    for (int col = 0; col < grid.ColCount; ++col) {
        view.setColumnWidth(col, grid.ColWidth(col));
        width += grid.ColWidth(col);
    }
    for (int row = 0; row < grid.RowCount; ++row) view.setRowHeight(row, kRowHeight);
    for (int row = 0; row < grid.RowCount; ++row)
        for (int col = 0; col < grid.ColCount; ++col) {
            QTableWidgetItem* item = view.item(row, col);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                const bool fixed = row == 0 || col < fixedColumns;
                if (fixed) item->setBackground(kFixedCell);
                item->setTextAlignment(Qt::AlignVCenter | (fixed ? Qt::AlignLeft : Qt::AlignRight));
                view.setItem(row, col, item);
            }
            const QString text = ToQString(grid.Cell(col, row));
            if (item->text() != text) item->setText(text);
        }
    view.setFixedSize(width, 2 * view.frameWidth() + grid.RowCount * kRowHeight);
}

// The box colour in every colour group; a closed box's text stays readable on silver.
void SetBase(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    const QColor greyText(0x80, 0x80, 0x80);
    if (p.color(QPalette::Active, QPalette::Base) == colour &&
        p.color(QPalette::Disabled, QPalette::Base) == colour &&
        p.color(QPalette::Disabled, QPalette::Text) == greyText)
        return;
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Disabled, QPalette::Text, greyText);
    widget->setPalette(p);
}

}  // namespace

CoefficientWindow::CoefficientWindow(DesignConditionsForm& conditions, QWidget* parent)
    : QWidget(parent, Qt::Window), conditions_(conditions) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(ToQString(ct::kCaption));
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(12);
    setFont(font);
    setFixedSize(kWidth, kHeight);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(ToQString(ct::kPages));
    pages_->setGeometry(4, 4, kWidth - 8, kHeight - 8);
    controls_[std::string(ct::kPages)] = pages_;
    const std::vector<std::string>& captions = form_.Controls().Items(ct::kPages);
    QWidget* const built[] = {BuildEarthPressurePage(), BuildFactorPage(ctab::kNcGrid, ctab::kNcChart),
                              BuildFactorPage(ctab::kNqGrid, ctab::kNqChart),
                              BuildFactorPage(ctab::kNgammaGrid, ctab::kNgammaChart)};
    for (std::size_t i = 0; i < ct::kPageSheets.size(); ++i) {
        QWidget* page = built[i];
        page->setObjectName(ToQString(ct::kPageSheets[i]));
        pages_->addTab(page, ToQString(captions[i]));
        controls_[std::string(ct::kPageSheets[i])] = page;
    }

    ConnectSettings();
    WriteCoefficientTableHeaders(tables_);
    SyncFromModel();
}

QWidget* CoefficientWindow::Control(std::string_view name) const {
    if (const auto it = controls_.find(name); it != controls_.end()) return it->second;
    if (const auto it = grids_.find(name); it != grids_.end()) return it->second;
    if (const auto it = charts_.find(name); it != charts_.end()) return it->second;
    return nullptr;
}

// ---- Building ---------------------------------------------------------------------------

QWidget* CoefficientWindow::Combo(std::string_view name, QWidget* parent, int x, int y, int labelWidth,
                                  int boxWidth) {
    const ControlState& state = form_.Controls().State(name);
    if (!state.Caption.empty()) {
        auto* label = new QLabel(ToQString(state.Caption), parent);
        label->setGeometry(x, y, labelWidth, 22);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    auto* combo = new QComboBox(parent);
    combo->setObjectName(ToQString(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->lineEdit()->setObjectName(ToQString(name) + QStringLiteral("_edit"));
    combo->setGeometry(x + labelWidth + 4, y, boxWidth, 22);
    if (!state.Hint.empty()) combo->setToolTip(ToQString(state.Hint));
    controls_[std::string(name)] = combo;
    return combo;
}

QWidget* CoefficientWindow::Radio(std::string_view name, QWidget* parent, int x, int y, int w, int h,
                                  bool horizontal) {
    const ControlState& state = form_.Controls().State(name);
    auto* box = new QGroupBox(ToQString(state.Caption), parent);
    box->setObjectName(ToQString(name));
    box->setGeometry(x, y, w, h);
    auto* buttons = new QButtonGroup(box);
    const int count = static_cast<int>(state.Items.size());
    for (int i = 0; i < count; ++i) {
        auto* radio = new QRadioButton(ToQString(state.Items[static_cast<std::size_t>(i)]), box);
        radio->setObjectName(ToQString(name) + QStringLiteral("_") + QString::number(i));
        if (horizontal) {
            const int cell = (w - 12) / count;
            radio->setGeometry(8 + i * cell, 18, cell - 2, 20);
        } else {
            radio->setGeometry(10, 18 + i * 20, w - 16, 20);
        }
        buttons->addButton(radio, i);
    }
    radioGroups_[std::string(name)] = buttons;
    controls_[std::string(name)] = box;
    return box;
}

QWidget* CoefficientWindow::CloseButton(QWidget* parent, int x, int y) {
    auto* button = new QPushButton(QStringLiteral("閉じる"), parent);
    button->setObjectName(QStringLiteral("CloseButton"));
    button->setGeometry(x, y, 100, 28);
    connect(button, &QPushButton::clicked, this, &QWidget::hide);
    return button;
}

QWidget* CoefficientWindow::BuildEarthPressurePage() {
    auto* page = new QWidget;
    Radio(ct::kSoilType, page, 8, 6, 220, 84, false);
    Radio(ct::kDesignCase, page, 8, 96, 220, 46, true);
    Combo(ct::kKh, page, 8, 150, 40, 90);
    Combo(ct::kGamma, page, 8, 178, 40, 90);
    Combo(ct::kPhi, page, 8, 206, 40, 90);
    Combo(ct::kCohesion, page, 8, 234, 40, 90);

    const ControlState& types = form_.Controls().State(ct::kWallTypes);
    auto* typesLabel = new QLabel(ToQString(types.Caption), page);
    typesLabel->setGeometry(8, 266, 220, 20);
    wallTypes_ = new QTabWidget(page);
    wallTypes_->setObjectName(ToQString(ct::kWallTypes));
    wallTypes_->setGeometry(8, 286, 220, 96);
    wallTypes_->setUsesScrollButtons(false);
    wallTypes_->tabBar()->setExpanding(false);
    wallTypes_->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 2px 3px; }"));
    controls_[std::string(ct::kWallTypes)] = wallTypes_;
    for (std::size_t i = 0; i < ct::kWallTypeSheets.size(); ++i) {
        auto* sheet = new QWidget;
        sheet->setObjectName(ToQString(ct::kWallTypeSheets[i]));
        const int index = static_cast<int>(i);
        const bool batter = index == ct::kBatteredGravityPage || index == ct::kLeaningPage;
        if (index != ct::kInvertedTPage) {
            auto* note = new QLabel(ToQString(batter ? ct::kBatterNote : ct::kNoBatterNote), sheet);
            note->setGeometry(8, 8, 90, 22);
        }
        if (batter) {
            auto* combo = static_cast<QComboBox*>(
                Combo(index == ct::kBatteredGravityPage ? ct::kGravityBatter : ct::kLeaningBatter, sheet, 4, 8, 0, 80));
            combo->move(100, 8);
        }
        wallTypes_->addTab(sheet, ToQString(types.Items[i]));
        controls_[std::string(ct::kWallTypeSheets[i])] = sheet;
    }

    auto* show = new QPushButton(QStringLiteral("表示"), page);
    show->setObjectName(QStringLiteral("ShowButton"));
    show->setGeometry(8, 392, 100, 28);
    connect(show, &QPushButton::clicked, this, [this] {
        ComputeEarthPressurePage();
        ShowTables();
    });
    CloseButton(page, 128, 392);

    const int left = 240;
    auto* header = new QLabel(ToQString(ctab::kEarthPressureHeader), page);
    header->setObjectName(QStringLiteral("Header1"));
    header->setAlignment(Qt::AlignCenter);
    header->setFrameShape(QFrame::Panel);
    header->setFrameShadow(QFrame::Raised);
    QTableWidget* grid = MakeGrid(ctab::kEarthPressureGrid, page);
    grid->move(left, 28);
    grids_[std::string(ctab::kEarthPressureGrid)] = grid;
    ShowGrid(*grid, tables_.StringGrid1, 2);
    // Over the ratio columns, as wide as they are together.
    const int ratios = grid->width() - tables_.StringGrid1.ColWidth(0) - tables_.StringGrid1.ColWidth(1) - 2;
    header->setGeometry(left + grid->width() - ratios - 1, 6, ratios, 22);

    auto* chart = new ToolChartView(tables_.Chart1, false, grid->width(), 330, page);
    chart->move(left, 28 + grid->height() + 8);
    charts_[std::string(ctab::kEarthPressureChart)] = chart;
    return page;
}

QWidget* CoefficientWindow::BuildFactorPage(std::string_view gridName, std::string_view chartName) {
    auto* page = new QWidget;
    QTableWidget* grid = MakeGrid(gridName, page);
    grids_[std::string(gridName)] = grid;
    StringGridContent& content = tables_.Grid(gridName);
    for (int c = 0; c < content.ColCount; ++c) content.SetColWidth(c, c == 0 ? 56 : 58);
    ShowGrid(*grid, content, 1);
    auto* chart = new ToolChartView(tables_.GetChart(chartName), true, grid->width(), 400, page);
    chart->move(8, 6);
    charts_[std::string(chartName)] = chart;
    grid->move(8, 6 + chart->height() + 8);
    CloseButton(page, 8 + grid->width() + 24, grid->y() + grid->height() - 28);
    return page;
}

void CoefficientWindow::ConnectSettings() {
    for (const auto& [name, widget] : controls_) {
        const std::string n = name;
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            connect(combo, &QComboBox::currentTextChanged, this, [this, n](const QString& text) {
                if (!syncing_) Apply([&] { form_.SetText(n, FromQString(text)); });
            });
        } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            connect(tabs, &QTabWidget::currentChanged, this, [this, n](int index) {
                if (!syncing_ && index >= 0) Apply([&] { form_.SetIndex(n, index); });
            });
        }
    }
    for (const auto& [name, buttons] : radioGroups_) {
        const std::string n = name;
        connect(buttons, &QButtonGroup::idClicked, this, [this, n](int id) { Apply([&] { form_.SetIndex(n, id); }); });
    }
}

void CoefficientWindow::Apply(const std::function<void()>& change) {
    if (syncing_) return;
    QString failure;
    try {
        change();
    } catch (const std::exception& e) {
        failure = QString::fromUtf8(e.what());
    }
    SyncFromModel();
    if (!failure.isEmpty()) emit ConversionFailed(failure);
}

// ---- Showing and computing -------------------------------------------------------------

void CoefficientWindow::ComputeEarthPressurePage() {
    try {
        ComputeCoefficientTable(tables_, form_.Controls(), conditions_.Controls());
    } catch (const std::exception& e) {
        emit ConversionFailed(QString::fromUtf8(e.what()));
    }
}

void CoefficientWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;  // restored from minimised: nothing to redo
    move(0, 83);
    form_.ShowCoefficientTool(conditions_);
    emit DesignConditionsChanged();
    WriteCoefficientTableHeaders(tables_);
    ComputeEarthPressurePage();
    SyncFromModel();
}

void CoefficientWindow::PlaceForMainWindow() { move(0, 90); }

void CoefficientWindow::ShowEarthPressureMode() {
    PlaceForMainWindow();
    show();
    raise();
    form_.ShowEarthPressureMode();
    SyncFromModel();
}

void CoefficientWindow::ShowBearingFactorMode() {
    PlaceForMainWindow();
    show();
    raise();
    form_.ShowBearingFactorMode();
    ComputeBearingFactorTables(tables_);
    SyncFromModel();
}

void CoefficientWindow::ShowUnchanged() {
    show();
    raise();
}

void CoefficientWindow::ShowTables() {
    ShowGrid(*grids_.at(std::string(ctab::kEarthPressureGrid)), tables_.StringGrid1, 2);
    for (std::string_view g : {ctab::kNcGrid, ctab::kNqGrid, ctab::kNgammaGrid})
        ShowGrid(*grids_.at(std::string(g)), tables_.Grid(g), 1);
    for (const auto& [name, chart] : charts_) chart->update();
}

void CoefficientWindow::SyncFromModel() {
    syncing_ = true;
    const ControlStore& store = form_.Controls();
    for (const auto& [name, widget] : controls_) {
        const ControlState& state = store.State(name);
        const QSignalBlocker block(widget);
        if (widget->isEnabled() != state.Enabled) widget->setEnabled(state.Enabled);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            QStringList items;
            for (const std::string& item : state.Items) items.append(ToQString(item));
            QStringList shown;
            for (int i = 0; i < combo->count(); ++i) shown.append(combo->itemText(i));
            if (shown != items) {
                combo->clear();
                combo->addItems(items);
            }
            const QString text = ToQString(state.Text);
            const int index = combo->findText(text, Qt::MatchExactly);
            if (combo->currentIndex() != index) combo->setCurrentIndex(index);
            if (combo->currentText() != text) combo->setEditText(text);
            const QColor base = state.Background == clSilver ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::white);
            SetBase(combo, base);
            SetBase(combo->lineEdit(), base);
        } else if (state.Kind == ControlKind::RadioGroup) {
            QButtonGroup* buttons = radioGroups_.at(name);
            const QSignalBlocker blockGroup(buttons);
            if (QAbstractButton* chosen = buttons->button(state.ItemIndex); chosen != nullptr && !chosen->isChecked())
                chosen->setChecked(true);
        } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            if (name == ct::kPages)
                for (int i = 0; i < tabs->count(); ++i) {
                    const bool visible = store.Visible(ct::kPageSheets[static_cast<std::size_t>(i)]);
                    if (tabs->isTabVisible(i) != visible) tabs->setTabVisible(i, visible);
                }
            if (state.ItemIndex >= 0 && tabs->currentIndex() != state.ItemIndex) tabs->setCurrentIndex(state.ItemIndex);
        }
    }
    syncing_ = false;
    ShowTables();
}

}  // namespace stelvar::ui
