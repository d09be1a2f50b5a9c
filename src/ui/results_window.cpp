#include "ui/results_window.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <stdexcept>
#include <vector>

#include "report/pair_report.h"
#include "report/report_colours.h"
#include "report/results_setup.h"
#include "text/cp932.h"
#include "ui/chart_widget.h"
#include "ui/qpainter_canvas.h"
#include "ui/qt_text.h"

namespace stelvar::ui {
namespace {

constexpr int kClientWidth = 891;
constexpr int kClientHeight = 553;
constexpr int kTabHeight = 25;
constexpr QPoint kOffsetFromDesignWindow{8, 27};
constexpr int kMarkSizeMin = 5;
constexpr int kMarkSizeMax = 15;
constexpr int kMarkSizeInitial = 9;

// The dimension chains of the wall figure, whose labels the track bar sizes.
constexpr std::array<std::string_view, 9> kDimensionSeries = {
    "Series23", "Series24", "Series25", "Series26", "Series27",
    "Series28", "Series29", "Series30", "Series40"};

// The stability group boxes whose captions carry the verdicts, with their captions
// until a run gives one.
struct VerdictGroup {
    const char* Name;
    const char* Caption;
};
constexpr std::array<VerdictGroup, 4> kVerdictGroups = {{
    {"GroupBox24", "1．滑動に対する安定"},
    {"GroupBox22", "2．転倒に対する安定"},
    {"GroupBox23", "3．支持力に対する安定"},
    {"GroupBox33", "4．鉛直支持力の照査"},
}};

// Grid cell texts: where they start after the cell's left edge and the room kept before
// the grid line on the right.
constexpr int kCellTextLeft = 2;
constexpr int kCellTextRight = 1;
// The narrowest a column's texts are set. Narrower they no longer read at a glance; a
// text that still does not fit shows whole in its tool tip.
constexpr int kNarrowestStretch = 50;

const QColor kNavy(0, 0, 128);
const QColor kFixedCell(240, 240, 240);

// A store caption, or none when no writer has set it yet.
const ResultsStore::Caption* FindCaption(const ResultsStore& store, std::string_view name) {
    return store.FindCaption(name);
}

QVBoxLayout* Column(QWidget* owner, std::initializer_list<QWidget*> widgets) {
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    for (QWidget* w : widgets) layout->addWidget(w);
    return layout;
}

QWidget* Page(QTabWidget* tabs, const char* name, const char* caption) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    tabs->addTab(page, QString::fromUtf8(caption));
    return page;
}

QTabWidget* Tabs(const char* name) {
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QString::fromLatin1(name));
    tabs->setStyleSheet(QStringLiteral("QTabBar::tab { height: %1px; }").arg(kTabHeight - 4));
    return tabs;
}

// Cells (half widths) a character takes in a report line: one for ASCII and half-width
// katakana, two for every other character, as the lines were aligned. A character
// without a code page 932 form takes what its glyph needs.
int CharacterCells(char32_t c, const QFontMetricsF& metrics) {
    static QHash<char32_t, int> known;
    if (auto it = known.constFind(c); it != known.constEnd()) return it.value();
    const QString s = QString::fromUcs4(&c, 1);
    int cells = 0;
    try {
        cells = static_cast<int>(Cp932Length(FromQString(s)));
    } catch (const EncodingError&) {
        const double half = metrics.horizontalAdvance(QLatin1Char('0'));
        cells = half > 0 ? static_cast<int>(std::lround(metrics.horizontalAdvance(s) / half)) : 1;
    }
    cells = std::clamp(cells, 1, 2);
    known.insert(c, cells);
    return cells;
}

// A delegate that draws an item's background, selection and focus as the style does and
// then the text itself.
class OwnTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    // Draws everything of the item but its text into `opt` (the item's own options) and
    // returns the text.
    QString DrawBackground(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index,
                           QStyleOptionViewItem& opt) const {
        opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        return text;
    }
};

// Draws a report line on a grid of half-width cells. The fixed-pitch face has Greek
// letters, the middle dot and a few symbols narrower than two cells; drawn as they come
// they would pull the rest of the line out of its columns.
class ReportLineDelegate final : public OwnTextDelegate {
public:
    using OwnTextDelegate::OwnTextDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt;
        const QString text = DrawBackground(painter, option, index, opt);
        const QWidget* widget = opt.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();

        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        const QFontMetricsF metrics(opt.font);
        const double half = metrics.horizontalAdvance(QLatin1Char('0'));
        const double baseline = area.top() + (area.height() - metrics.height()) / 2 + metrics.ascent();
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(
            opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        double x = area.left() + kTextMargin;
        for (char32_t c : text.toUcs4()) {
            const QString s = QString::fromUcs4(&c, 1);
            const double slot = CharacterCells(c, metrics) * half;
            if (c != U' ' && c != U'\u3000') {
                const double advance = metrics.horizontalAdvance(s);
                painter->drawText(QPointF(x + (slot - advance) / 2, baseline), s);
            }
            x += slot;
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QFontMetricsF metrics(option.font);
        int cells = 0;
        for (char32_t c : index.data(Qt::DisplayRole).toString().toUcs4())
            cells += CharacterCells(c, metrics);
        size.setWidth(static_cast<int>(std::ceil(cells * metrics.horizontalAdvance(QLatin1Char('0')))) +
                      4 * kTextMargin);
        return size;
    }

private:
    static constexpr int kTextMargin = 2;
};

// A grid cell: its background as the style draws it, then its text, left-aligned and
// vertically centred in the room GridTextRoom gives, in the cell's own font (which
// ShowGrid has fitted to that room).
class GridCellDelegate final : public OwnTextDelegate {
public:
    using OwnTextDelegate::OwnTextDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt;
        const QString text = DrawBackground(painter, option, index, opt);
        if (text.isEmpty()) return;
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(QPalette::Text));
        painter->drawText(opt.rect.adjusted(kCellTextLeft, 0, -kCellTextRight, 0),
                          static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter), text);
        painter->restore();
    }
};

// Stretch of a font as set; a font left to any stretch is at its face's own width.
int StretchOf(const QFont& font) {
    return font.stretch() == QFont::AnyStretch ? QFont::Unstretched : font.stretch();
}

double WidestText(const QFont& font, const std::vector<QString>& texts) {
    const QFontMetricsF metrics(font);
    double widest = 0;
    for (const QString& t : texts) widest = std::max(widest, metrics.horizontalAdvance(t));
    return widest;
}

// The grid's face as the column's texts need it: as it is when every text fits `room`,
// else set narrower, the whole column alike so that its figures stay of one width, just
// enough for the widest to fit (not narrower than kNarrowestStretch).
QFont ColumnFont(const QFont& base, const std::vector<QString>& texts, int room) {
    const double widest = WidestText(base, texts);
    if (widest <= room || widest <= 0 || room <= 0) return base;
    QFont font = base;
    int stretch = std::max(kNarrowestStretch,
                           std::min(StretchOf(base) - 1, static_cast<int>(StretchOf(base) * room / widest)));
    font.setStretch(stretch);
    // Glyph advances round per size, so the proportion can miss by a little: step on.
    while (stretch > kNarrowestStretch && WidestText(font, texts) > room) font.setStretch(--stretch);
    return font;
}

}  // namespace

int GridTextRoom(int columnWidth) { return columnWidth - 1 - kCellTextLeft - kCellTextRight; }

ResultsWindow::ResultsWindow(ResultsStore& store, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      store_(store) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("計算結果"));
    setFixedSize(kClientWidth, kClientHeight);
    setFont(QtFont("ＭＳ Ｐゴシック", 12));
    QPalette navy = palette();
    navy.setColor(QPalette::Window, kNavy);
    setPalette(navy);
    setAutoFillBackground(true);
    // The style measures a group caption a little short for the Japanese face and cuts
    // its last character (the "】" of "【荷重概要】"); a small pad keeps it whole.
    setStyleSheet(QStringLiteral("QGroupBox::title { padding-right: 6px; }"));

    pages_ = Tabs("PageControl1");
    // The pages keep the usual face colour; only the window's frame around them is navy.
    pages_->setPalette(QWidget::style()->standardPalette());
    pages_->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(pages_);
    BuildPages();
    Refresh();
}

QListWidget* ResultsWindow::MakeList(const char* name) {
    auto* list = new QListWidget;
    list->setObjectName(QString::fromLatin1(name));
    // The report lines are aligned with spaces: a full-width character must be exactly
    // two half-width ones.
    list->setFont(QtFont("ＭＳ ゴシック", 12));
    list->setItemDelegate(new ReportLineDelegate(list));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    lists_.emplace(name, list);
    return list;
}

QTableWidget* ResultsWindow::MakeGrid(const char* name) {
    auto* grid = new QTableWidget;
    grid->setObjectName(QString::fromLatin1(name));
    // The proportional face here is wider than the one the column widths were chosen
    // for; drawn a little narrower, "-4.60kN/m2" still fits its 68-pixel column. A
    // column whose texts are wider still is condensed further when it is shown.
    QFont font = QtFont("ＭＳ Ｐゴシック", 12);
    font.setStretch(88);
    grid->setFont(font);
    grid->setItemDelegate(new GridCellDelegate(grid));
    // The fixed row and column are the grid's own first row and column.
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setWordWrap(false);
    grid->setTextElideMode(Qt::ElideNone);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->horizontalHeader()->setMinimumSectionSize(1);
    // Narrow columns: the cell keeps almost all its width for the text.
    grid->setStyleSheet(QStringLiteral("QTableView::item { padding: 0px 1px; }"));
    grid->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    grid->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    grids_.emplace(name, grid);
    return grid;
}

ChartWidget* ResultsWindow::MakeChart(const char* name) {
    auto* chart = new ChartWidget(store_, name);
    charts_.emplace(name, chart);
    return chart;
}

QGroupBox* ResultsWindow::MakeGroup(const char* caption, const char* name) {
    auto* group = new QGroupBox(QString::fromUtf8(caption));
    if (name != nullptr) group->setObjectName(QString::fromLatin1(name));
    return group;
}

void ResultsWindow::BuildPages() {
    // Ⅰ．設計条件: the wall figure beside the contents and the design conditions.
    {
        QWidget* page = Page(pages_, "TabSheet6", "Ⅰ．設計条件");
        QGroupBox* figure = MakeGroup("擁壁形状(mm)");
        trackBar_ = new QSlider(Qt::Horizontal);
        trackBar_->setObjectName(QStringLiteral("TrackBar2"));
        trackBar_->setRange(kMarkSizeMin, kMarkSizeMax);
        trackBar_->setValue(kMarkSizeInitial);
        trackBar_->setTickPosition(QSlider::TicksBelow);
        trackBar_->setTickInterval(1);
        trackBar_->setPageStep(1);
        trackBar_->setToolTip(QStringLiteral("フォントサイズ変更"));
        connect(trackBar_, &QSlider::valueChanged, this, [this] { ApplyMarkFontSize(); });
        Column(figure, {MakeChart("Chart2"), trackBar_})->addStretch();

        QTabWidget* inner = Tabs("PageControl8");
        QWidget* contents = Page(inner, "TabSheet21", "目次");
        Column(contents, {MakeList("ListBox20")});
        QWidget* conditions = Page(inner, "TabSheet22", "設計条件");
        QGroupBox* group = MakeGroup("設計条件");
        Column(group, {MakeList("ListBox7"), MakeList("ListBox10")});
        Column(conditions, {group});

        auto* row = new QHBoxLayout(page);
        row->setContentsMargins(4, 4, 4, 4);
        row->addWidget(figure);
        row->addWidget(inner, 1);
    }

    // Ⅱ-1．荷重計算: self-weight and the corner coordinates, for stability and for the slabs.
    {
        QWidget* page = Page(pages_, "TabSheet1", "Ⅱ-1．荷重計算");
        QTabWidget* inner = Tabs("PageControl4");
        Column(page, {inner});
        const struct {
            const char* Sheet;
            const char* Caption;
            const char* List;
            const char* Grid;
            const char* Chart;
        } sheets[] = {{"TabSheet9", "安定計算用", "ListBox6", "StringGrid2", "Chart4"},
                      {"TabSheet11", "底版構造計算用", "ListBox21", "StringGrid4", "Chart12"}};
        for (const auto& s : sheets) {
            QWidget* sheet = Page(inner, s.Sheet, s.Caption);
            QGroupBox* weight = MakeGroup("１．自重計算");
            Column(weight, {MakeList(s.List)});
            QGroupBox* points = MakeGroup("2．座標");
            auto* pointsRow = new QHBoxLayout(points);
            pointsRow->setContentsMargins(4, 4, 4, 4);
            pointsRow->addWidget(MakeGrid(s.Grid), 0, Qt::AlignTop);
            pointsRow->addWidget(MakeChart(s.Chart), 0, Qt::AlignTop);
            auto* row = new QHBoxLayout(sheet);
            row->setContentsMargins(4, 4, 4, 4);
            row->addWidget(weight, 1);
            row->addWidget(points);
        }
    }

    // Ⅱ-2．荷重計算: earth pressure, the other loads, the load table and its notes.
    {
        QWidget* page = Page(pages_, "TabSheet8", "Ⅱ-2．荷重計算");
        QGroupBox* earth = MakeGroup("1．土圧");
        Column(earth, {MakeChart("Chart5"), MakeList("ListBox1")});
        QGroupBox* other = MakeGroup("2．その他の荷重");
        Column(other, {MakeList("ListBox2")});
        QGroupBox* table = MakeGroup("3．荷重一覧");
        Column(table, {MakeGrid("StringGrid6")});
        QGroupBox* notes = MakeGroup("摘要");
        for (const char* name : {"Label24", "Label26"}) {
            auto* label = new QLabel;
            label->setObjectName(QString::fromLatin1(name));
            label->setWordWrap(true);
            // The notes break where their run of spaces stands, as two short lines.
            label->setFixedWidth(static_cast<int>(std::ceil(
                QFontMetricsF(font()).horizontalAdvance(QStringLiteral("◎土塊上の載荷重、雪荷重は    ")))));
            label->setMinimumHeight(static_cast<int>(std::ceil(2 * QFontMetricsF(font()).lineSpacing())));
            labels_.emplace(name, label);
        }
        auto* notesColumn = Column(notes, {labels_["Label24"], labels_["Label26"]});
        notesColumn->addStretch();
        auto* right = new QVBoxLayout;
        right->addWidget(other, 1);
        right->addWidget(table);
        auto* bottom = new QHBoxLayout;
        bottom->addWidget(notes, 1);
        right->addLayout(bottom);
        auto* row = new QHBoxLayout(page);
        row->setContentsMargins(4, 4, 4, 4);
        row->addWidget(earth);
        row->addLayout(right, 1);
    }

    // Ⅲ-1．安定計算: the ground reaction and the four checks with their verdicts.
    {
        QWidget* page = Page(pages_, "TabSheet2", "Ⅲ-1．安定計算");
        QGroupBox* reaction = MakeGroup("地盤反力");
        Column(reaction, {MakeChart("Chart11")});
        const char* const listOf[] = {"ListBox3", "ListBox4", "ListBox5", "ListBox23"};
        std::array<QGroupBox*, 4> checks{};
        for (std::size_t i = 0; i < kVerdictGroups.size(); ++i) {
            checks[i] = MakeGroup(kVerdictGroups[i].Caption, kVerdictGroups[i].Name);
            Column(checks[i], {MakeList(listOf[i])});
            verdictGroups_.emplace(kVerdictGroups[i].Name, checks[i]);
        }
        auto* left = new QVBoxLayout;
        left->addWidget(reaction);
        left->addWidget(checks[0], 1);
        auto* right = new QVBoxLayout;
        for (std::size_t i = 1; i < checks.size(); ++i) right->addWidget(checks[i], 1);
        auto* row = new QHBoxLayout(page);
        row->setContentsMargins(4, 4, 4, 4);
        row->addLayout(left);
        row->addLayout(right, 1);
    }

    // Ⅲ-2．荷重図: the load diagram and the load summary.
    {
        QWidget* page = Page(pages_, "TabSheet7", "Ⅲ-2．荷重図");
        QGroupBox* summary = MakeGroup("【荷重概要】");
        Column(summary, {MakeList("ListBox12")});
        auto* row = new QHBoxLayout(page);
        row->setContentsMargins(4, 4, 4, 4);
        row->addWidget(MakeChart("Chart1"), 0, Qt::AlignTop);
        row->addWidget(summary, 1);
    }

    // Ⅳ-1．構造(たて壁): section forces and stresses of the stem.
    {
        QWidget* page = Page(pages_, "TabSheet5", "Ⅳ-1．構造(たて壁)");
        QTabWidget* inner = Tabs("PageControl2");
        Column(page, {inner});

        QWidget* forces = Page(inner, "TabSheet3", "断面力");
        QGroupBox* forceTables = MakeGroup("断面力");
        Column(forceTables, {MakeGrid("StringGrid5"), MakeGrid("StringGrid1")})->addStretch();
        QGroupBox* forceWork = MakeGroup("断面力の計算");
        // The working is long and wide, the seismic and water notes after it short.
        auto* workColumn = new QVBoxLayout(forceWork);
        workColumn->setContentsMargins(4, 4, 4, 4);
        workColumn->addWidget(MakeList("ListBox8"), 2);
        workColumn->addWidget(MakeList("ListBox19"), 1);
        auto* forcesRow = new QHBoxLayout(forces);
        forcesRow->setContentsMargins(4, 4, 4, 4);
        forcesRow->addWidget(forceTables);
        forcesRow->addWidget(forceWork, 1);

        QWidget* stresses = Page(inner, "TabSheet4", "応力度");
        QGroupBox* stressTable = MakeGroup("応力度一覧表");
        auto* stressTableRow = new QHBoxLayout(stressTable);
        stressTableRow->setContentsMargins(4, 4, 4, 4);
        stressTableRow->addWidget(MakeGrid("StringGrid3"), 0, Qt::AlignTop);
        stressTableRow->addWidget(MakeChart("Chart3"), 0, Qt::AlignTop);
        QGroupBox* stressWork = MakeGroup("応力度の計算");
        Column(stressWork, {MakeList("ListBox14")});
        auto* stressRow = new QHBoxLayout(stresses);
        stressRow->setContentsMargins(4, 4, 4, 4);
        stressRow->addWidget(stressTable);
        stressRow->addWidget(stressWork, 1);
    }

    // Ⅳ-2．構造(底版): toe slab, heel slab and shear key.
    {
        QWidget* page = Page(pages_, "TabSheet12", "Ⅳ-2．構造(底版)");
        QTabWidget* inner = Tabs("PageControl5");
        Column(page, {inner});
        const struct {
            const char* Sheet;
            const char* Caption;
            const char* TableGroup;
            const char* Chart;
            const char* ForceGrid;  // null for the key
            const char* StressGrid;
            const char* List;
        } sheets[] = {
            {"TabSheet13", "つま先版", "一覧表", "Chart6", "StringGrid11", "StringGrid7", "ListBox9"},
            {"TabSheet14", "かかと版", "断面力", "Chart7", "StringGrid12", "StringGrid10", "ListBox11"},
            {"TabSheet15", "突起", "断面力、応力度", "Chart8", nullptr, "StringGrid15", "ListBox13"},
        };
        for (const auto& s : sheets) {
            QWidget* sheet = Page(inner, s.Sheet, s.Caption);
            // The slabs' stress table stands beside the chart and the force table under
            // both; the key has only its stress table, under the chart.
            QGroupBox* tables = MakeGroup(s.TableGroup);
            auto* tablesGrid = new QGridLayout(tables);
            tablesGrid->setContentsMargins(4, 4, 4, 4);
            tablesGrid->setSpacing(4);
            tablesGrid->addWidget(MakeChart(s.Chart), 0, 0, Qt::AlignTop | Qt::AlignLeft);
            if (s.ForceGrid != nullptr) {
                tablesGrid->addWidget(MakeGrid(s.StressGrid), 0, 1, Qt::AlignTop | Qt::AlignLeft);
                tablesGrid->addWidget(MakeGrid(s.ForceGrid), 1, 0, 1, 2, Qt::AlignTop | Qt::AlignLeft);
            } else {
                tablesGrid->addWidget(MakeGrid(s.StressGrid), 1, 0, Qt::AlignTop | Qt::AlignLeft);
            }
            tablesGrid->setRowStretch(2, 1);
            QGroupBox* work = MakeGroup("断面力、応力度");
            Column(work, {MakeList(s.List)});
            auto* row = new QHBoxLayout(sheet);
            row->setContentsMargins(4, 4, 4, 4);
            row->addWidget(tables);
            row->addWidget(work, 1);
        }
    }
}

void ResultsWindow::SetUp(int wallType, const QWidget* designWindow) {
    SetUpResultsWindow(store_, wallType);
    pages_->setCurrentWidget(pages_->findChild<QWidget*>(QStringLiteral("TabSheet1")));
    auto* stemPages = pages_->findChild<QTabWidget*>(QStringLiteral("PageControl2"));
    stemPages->setCurrentWidget(stemPages->findChild<QWidget*>(QStringLiteral("TabSheet3")));
    if (designWindow != nullptr) anchor_ = designWindow;
    PlaceBesideAnchor();
    Refresh();
}

void ResultsWindow::PlaceBesideAnchor() {
    if (anchor_ != nullptr) move(anchor_->pos() + kOffsetFromDesignWindow);
}

void ResultsWindow::showEvent(QShowEvent* event) {
    PlaceBesideAnchor();
    QWidget::showEvent(event);
}

void ResultsWindow::ShowGrid(QTableWidget& view, const StringGridContent& grid) {
    view.setColumnCount(grid.ColCount);
    view.setRowCount(grid.RowCount);
    for (int col = 0; col < grid.ColCount; ++col) view.setColumnWidth(col, grid.ColWidth(col));
    // The style sheet's polish sets a minimum row height from the font; the store's
    // height wins.
    view.verticalHeader()->setMinimumSectionSize(1);
    view.verticalHeader()->setDefaultSectionSize(grid.DefaultRowHeight);
    for (int row = 0; row < grid.RowCount; ++row) view.setRowHeight(row, grid.DefaultRowHeight);
    for (int col = 0; col < grid.ColCount; ++col) {
        std::vector<QString> texts;
        texts.reserve(static_cast<std::size_t>(std::max(grid.RowCount, 0)));
        for (int row = 0; row < grid.RowCount; ++row) texts.push_back(ToQString(grid.Cell(col, row)));
        // The column widths are the document's; the texts are fitted to them, not cut.
        const int room = GridTextRoom(grid.ColWidth(col));
        const QFont font = ColumnFont(view.font(), texts, room);
        const QFontMetricsF metrics(font);
        for (int row = 0; row < grid.RowCount; ++row) {
            QTableWidgetItem* item = view.item(row, col);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                view.setItem(row, col, item);
            }
            const QString& text = texts[static_cast<std::size_t>(row)];
            item->setText(text);
            item->setFont(font);
            // A text too wide even when condensed shows whole when pointed at.
            item->setToolTip(metrics.horizontalAdvance(text) > room ? text : QString());
            if (row == 0 || col == 0) item->setBackground(kFixedCell);
        }
    }
    // The whole table shows without scrolling, so its fixed row and column stay in view.
    int width = 2 * view.frameWidth();
    for (int col = 0; col < grid.ColCount; ++col) width += grid.ColWidth(col);
    const int height = 2 * view.frameWidth() + grid.RowCount * grid.DefaultRowHeight;
    view.setFixedSize(width, height);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ResultsWindow::ShowCaptions() {
    for (const VerdictGroup& g : kVerdictGroups) {
        QGroupBox* box = verdictGroups_.at(g.Name);
        const ResultsStore::Caption* caption = FindCaption(store_, g.Name);
        box->setTitle(caption != nullptr ? ToQString(caption->Text) : QString::fromUtf8(g.Caption));
        QPalette p = box->palette();
        p.setColor(QPalette::WindowText,
                   caption != nullptr ? ToQColor(caption->FontColour) : QColor(Qt::black));
        box->setPalette(p);
    }
    for (auto& [name, label] : labels_) {
        const ResultsStore::Caption* caption = FindCaption(store_, name);
        label->setText(caption != nullptr ? ToQString(caption->Text) : QString());
    }
}

void ResultsWindow::ApplyMarkFontSize() {
    Chart& figure = store_.GetChart("Chart2");
    for (std::string_view name : kDimensionSeries)
        if (figure.Has(name)) figure.Get(name).Font.Size = trackBar_->value();
    charts_.at("Chart2")->update();
}

void ResultsWindow::Refresh() {
    for (auto& [name, view] : lists_) {
        view->clear();
        for (const std::string& line : store_.List(name).Lines) view->addItem(ToQString(line));
    }
    for (auto& [name, view] : grids_) ShowGrid(*view, store_.Grid(name));
    ShowCaptions();
    // A run writes the wall figure anew; its dimension labels keep the size chosen.
    ApplyMarkFontSize();
    for (auto& [name, chart] : charts_) chart->update();
}

void ResultsWindow::BuildPairWidgets() {
    if (caseBar_ != nullptr) return;
    // The selector stands in a row above the pages; the window grows by that row while
    // it shows, so that every page keeps the room it has after a single run.
    caseBar_ = new QWidget;
    caseBar_->setObjectName(QStringLiteral("CaseBar"));
    caseBar_->setAutoFillBackground(true);
    caseBar_->setPalette(QWidget::style()->standardPalette());
    auto* row = new QHBoxLayout(caseBar_);
    row->setContentsMargins(6, 2, 6, 2);
    row->setSpacing(6);
    auto* label = new QLabel(QStringLiteral("表示ケース"));
    caseSelector_ = new QComboBox;
    caseSelector_->setObjectName(QStringLiteral("CaseSelector"));
    caseSelector_->addItems({QStringLiteral("常時"), QStringLiteral("地震時")});
    row->addWidget(label);
    row->addWidget(caseSelector_);
    row->addStretch();
    caseBar_->hide();
    if (auto* column = qobject_cast<QVBoxLayout*>(layout())) column->insertWidget(0, caseBar_);
    connect(caseSelector_, &QComboBox::currentIndexChanged, this, [this](int index) { ShowCase(index); });

    summaryPage_ = new QWidget;
    summaryPage_->setObjectName(QStringLiteral("TabSheetSummary"));
    QGroupBox* group = MakeGroup("照査結果一覧");
    summaryTable_ = new QTableWidget;
    summaryTable_->setObjectName(QStringLiteral("SummaryGrid"));
    summaryTable_->horizontalHeader()->hide();
    summaryTable_->verticalHeader()->hide();
    summaryTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    summaryTable_->setSelectionMode(QAbstractItemView::NoSelection);
    summaryTable_->setWordWrap(false);
    auto* note = new QLabel(QStringLiteral("比率＝作用／抵抗（1.000以下でOK）　＊＝各ケースで比率が最大の照査　---＝計算できない値"));
    note->setObjectName(QStringLiteral("SummaryNote"));
    guidanceButton_ = new QPushButton(QStringLiteral("全照査OKとなる寸法"));
    guidanceButton_->setObjectName(QStringLiteral("GuidanceButton"));
    guidanceButton_->setToolTip(QStringLiteral("各幅を単独で変えて全照査OKとなる最小寸法を求めます"));
    guidanceButton_->setEnabled(false);
    guidanceList_ = new QListWidget;
    guidanceList_->setObjectName(QStringLiteral("GuidanceList"));
    guidanceList_->setMaximumHeight(120);
    auto* guidanceRow = new QWidget;
    auto* guidanceColumn = new QHBoxLayout(guidanceRow);
    guidanceColumn->setContentsMargins(0, 0, 0, 0);
    guidanceColumn->addWidget(guidanceButton_, 0, Qt::AlignTop);
    guidanceColumn->addWidget(guidanceList_, 1);
    auto* column = Column(group, {summaryTable_, note, guidanceRow});
    column->setStretch(0, 1);
    Column(summaryPage_, {group});
    connect(guidanceButton_, &QPushButton::clicked, this, [this] { ShowGuidance(); });
    pages_->addTab(summaryPage_, QStringLiteral("照査結果一覧"));
}

void ResultsWindow::ShowSummary(const std::vector<SummaryRow>& summary) {
    failingRows_.clear();
    for (const SummaryRow& r : summary)
        if (!r.Ok) failingRows_.push_back(r);
    guidanceSource_ = nullptr;
    guidanceList_->clear();
    guidanceButton_->setEnabled(false);
    const StringGridContent grid = SummaryGrid(summary);
    QTableWidget& view = *summaryTable_;
    view.clear();
    view.setColumnCount(grid.ColCount);
    view.setRowCount(grid.RowCount);
    QFont bold = view.font();
    bold.setBold(true);
    for (int col = 0; col < grid.ColCount; ++col) view.setColumnWidth(col, grid.ColWidth(col) + 20);
    for (int row = 0; row < grid.RowCount; ++row) {
        view.setRowHeight(row, grid.DefaultRowHeight + 4);
        const bool governing = row > 0 && summary[static_cast<std::size_t>(row - 1)].Governing;
        for (int col = 0; col < grid.ColCount; ++col) {
            auto* item = new QTableWidgetItem(ToQString(grid.Cell(col, row)));
            const bool figure = row > 0 && col >= 2 && col <= 5 && col != 4;
            item->setTextAlignment(Qt::AlignVCenter | (figure ? Qt::AlignRight : Qt::AlignLeft));
            if (row == 0) item->setBackground(kFixedCell);
            if (governing) item->setFont(bold);
            // The verdicts in the colours of the stability verdicts: OK blue, NO red.
            if (row > 0 && col == 6)
                item->setForeground(ToQColor(summary[static_cast<std::size_t>(row - 1)].Ok
                                                 ? report_colours::clBlue
                                                 : report_colours::clRed));
            view.setItem(row, col, item);
        }
    }
}

void ResultsWindow::ShowPair(const ResultsStore& ordinary, const ResultsStore& seismic,
                             const std::vector<SummaryRow>& summary) {
    BuildPairWidgets();
    pairOrdinary_ = &ordinary;
    pairSeismic_ = &seismic;
    ShowSummary(summary);
    pages_->setTabVisible(pages_->indexOf(summaryPage_), true);
    if (!caseBar_->isVisibleTo(this)) {
        caseBar_->show();
        setFixedSize(kClientWidth, kClientHeight + caseBar_->sizeHint().height() + layout()->spacing());
    }
    {
        const QSignalBlocker quiet(caseSelector_);
        caseSelector_->setCurrentIndex(0);
    }
    ShowCase(0);
}

void ResultsWindow::SetGuidanceSource(std::function<Guidance()> source) {
    if (guidanceButton_ == nullptr) return;
    guidanceSource_ = std::move(source);
    guidanceList_->clear();
    guidanceButton_->setEnabled(guidanceSource_ != nullptr && !failingRows_.empty());
}

void ResultsWindow::ShowGuidance() {
    if (!guidanceSource_) return;
    guidanceList_->clear();
    // The checks that fail, then per width the smallest value that passes them all.
    QString failing;
    for (const SummaryRow& r : failingRows_) {
        if (!failing.isEmpty()) failing += QStringLiteral("、");
        failing += ToQString(std::string(DesignCaseName(r.Case)) + " " + std::string(SummaryCheckTitle(r.Check)));
    }
    guidanceList_->addItem(QStringLiteral("NOの照査: ") + failing);
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const Guidance g = guidanceSource_();
        QApplication::restoreOverrideCursor();
        for (const GuidanceItem& item : g.Items) guidanceList_->addItem(ToQString(item.Text));
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        guidanceList_->addItem(ToQString(e.what()));
    }
}

void ResultsWindow::ShowCase(int index) {
    if (pairOrdinary_ == nullptr || index < 0) return;
    store_ = index == 1 ? *pairSeismic_ : *pairOrdinary_;
    Refresh();
}

void ResultsWindow::ShowSingleRun() {
    pairOrdinary_ = pairSeismic_ = nullptr;
    if (caseBar_ == nullptr) return;
    caseBar_->hide();
    setFixedSize(kClientWidth, kClientHeight);
    pages_->setTabVisible(pages_->indexOf(summaryPage_), false);
}

QListWidget* ResultsWindow::ListBox(std::string_view name) const {
    auto it = lists_.find(name);
    return it == lists_.end() ? nullptr : it->second;
}

QTableWidget* ResultsWindow::Grid(std::string_view name) const {
    auto it = grids_.find(name);
    return it == grids_.end() ? nullptr : it->second;
}

ChartWidget* ResultsWindow::ChartView(std::string_view name) const {
    auto it = charts_.find(name);
    return it == charts_.end() ? nullptr : it->second;
}

}  // namespace stelvar::ui
