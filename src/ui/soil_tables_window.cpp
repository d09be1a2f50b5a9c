#include "ui/soil_tables_window.h"

#include <QCloseEvent>
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <exception>
#include <string>

#include "ui/design_conditions_window.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_text.h"

namespace stelvar::ui {
namespace {

constexpr int kRowHeight = 19;
constexpr int kHeaderHeight = 20;
constexpr int kLine = 17;  // pitch of the lines of titles and notes
const QChar kIdeographicSpace(0x3000);
const QChar kNoteMarkEnd(0xFF09);  // "）" closing the note's mark

}  // namespace

QString NoteLines(std::string_view note) {
    const QString text = ToQString(note);
    const qsizetype mark = text.indexOf(kNoteMarkEnd);
    const qsizetype indent = mark < 0 ? 0 : mark + 1;
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] != kIdeographicSpace || i == 0) {
            out += text[i++];
            continue;
        }
        qsizetype run = 0;
        while (i + run < text.size() && text[i + run] == kIdeographicSpace) ++run;
        // The spaces that fill the line stay at its end, the rest indent the next line.
        const qsizetype fill = run >= indent ? run - indent : 0;
        out += QString(fill, kIdeographicSpace);
        out += QLatin1Char('\n');
        out += QString(run - fill, kIdeographicSpace);
        i += run;
    }
    return out;
}

SoilTablesWindow::SoilTablesWindow(SoilTablesForm& form, DesignConditionsWindow& conditions, Dialogs* dialogs,
                                   QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), form_(form), conditions_(conditions), dialogs_(dialogs) {
    if (dialogs_ == nullptr) {
        ownDialogs_ = std::make_unique<QtDialogs>(this);
        dialogs_ = ownDialogs_.get();
    }
    namespace st = soil_tables;
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(ToQString(st::kCaption));
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(12);
    setFont(font);

    // Left: the backfill soils and, below, the natural ground; right: the foundation
    // ground.
    auto* backfill = new QGroupBox(ToQString(st::kBackfillGroup), this);
    backfill->setGeometry(6, 4, 322, 258);
    Text(ToQString(st::kBackfillTitles[0]), backfill, 8, 18, 306, kLine);
    Text(ToQString(st::kBackfillTitles[1]), backfill, 8, 18 + kLine, 306, kLine);
    MakeTable(st::kBackfill, backfill, 8, 54, true);
    int y = 54 + kHeaderHeight + 3 * kRowHeight + 2 + 6;
    for (std::string_view note : st::kBackfillNotes) {
        const QString lines = NoteLines(note);
        const int count = static_cast<int>(lines.count(QLatin1Char('\n'))) + 1;
        Text(lines, backfill, 8, y, 310, count * kLine);
        y += count * kLine + 2;
    }

    auto* natural = new QGroupBox(ToQString(st::kNaturalGroundGroup), this);
    natural->setGeometry(6, 266, 322, 184);
    Text(ToQString(st::kNaturalGroundTitle), natural, 8, 18, 306, kLine);
    MakeTable(st::kNaturalGround, natural, 8, 38, false);
    const QString naturalNote = NoteLines(st::kNaturalGroundNote);
    Text(naturalNote, natural, 8, 38 + kHeaderHeight + 3 * kRowHeight + 2 + 6, 310,
         (static_cast<int>(naturalNote.count(QLatin1Char('\n'))) + 1) * kLine);

    auto* foundation = new QGroupBox(ToQString(st::kFoundationGroup), this);
    foundation->setGeometry(334, 4, 416, 264);
    Text(ToQString(st::kFoundationTitle), foundation, 8, 18, 400, kLine);
    MakeTable(st::kFoundation, foundation, 8, 38, true);
    Text(ToQString(st::kFoundationNote), foundation, 8, 38 + kHeaderHeight + 9 * kRowHeight + 2 + 6, 404, kLine);

    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("Button1"));
    close_->setGeometry(750 - 110, 450 - 32, 110, 32);
    connect(close_, &QPushButton::clicked, this, [this] {
        form_.Close();
        SyncFromModel();
    });

    // A dialog border: the window keeps its size; the columns of the two clickable
    // tables can be widened by dragging their header.
    setFixedSize(756, 456);
    SyncFromModel();
}

SoilTablesWindow::~SoilTablesWindow() = default;

QLabel* SoilTablesWindow::Text(const QString& text, QWidget* parent, int x, int y, int w, int h) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, w, h);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QTableWidget* SoilTablesWindow::MakeTable(std::string_view name, QWidget* parent, int x, int y, bool clickable) {
    const ControlStore& store = form_.Controls();
    const ControlState& state = store.State(name);
    const int rows = static_cast<int>(state.Cells.size());
    const int dataRows = rows > 0 ? rows - 1 : 0;
    int width = 0;
    for (int w : state.ColumnWidths) width += w;

    auto* table = new QTableWidget(parent);
    table->setObjectName(ToQString(name));
    QFont cellFont = font();
    cellFont.setPixelSize(11);
    table->setFont(cellFont);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setMinimumSectionSize(kRowHeight - 3);
    table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table->horizontalHeader()->setFixedHeight(kHeaderHeight);
    table->horizontalHeader()->setMinimumSectionSize(8);
    table->horizontalHeader()->setSectionsClickable(false);
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setStretchLastSection(false);
    table->horizontalHeader()->setSectionResizeMode(clickable ? QHeaderView::Interactive : QHeaderView::Fixed);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideNone);
    table->setStyleSheet(QStringLiteral("QTableWidget::item { padding: 0px 1px; }"));
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Widened columns scroll; at the given widths the table fits without a bar.
    table->setHorizontalScrollBarPolicy(clickable ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    // The widths are set once: a column the user widens stays so while the program runs.
    const int columns = rows == 0 ? 0 : static_cast<int>(state.Cells[0].size());
    table->setColumnCount(columns);
    for (int c = 0; c < columns && c < static_cast<int>(state.ColumnWidths.size()); ++c)
        table->setColumnWidth(c, state.ColumnWidths[static_cast<std::size_t>(c)]);
    table->setGeometry(x, y, width + 2 * table->frameWidth() + 2,
                       kHeaderHeight + dataRows * kRowHeight + 2 * table->frameWidth());
    if (clickable) {
        table->viewport()->setCursor(Qt::PointingHandCursor);
        const std::string control(name);
        connect(table, &QTableWidget::cellClicked, this,
                [this, control](int row, int) { RowClicked(control, row + 1); });
    }
    tables_[std::string(name)] = table;
    return table;
}

QTableWidget* SoilTablesWindow::Table(std::string_view name) const {
    const auto it = tables_.find(name);
    return it == tables_.end() ? nullptr : it->second;
}

void SoilTablesWindow::Open(QPoint topLeft) {
    form_.Show();
    SyncFromModel();
    move(topLeft);
    show();
    raise();
}

void SoilTablesWindow::SyncFromModel() {
    const ControlStore& store = form_.Controls();
    for (const auto& [name, table] : tables_) {
        const ControlState& state = store.State(name);
        const int rows = static_cast<int>(state.Cells.size());
        const int columns = rows == 0 ? 0 : static_cast<int>(state.Cells[0].size());
        if (table->columnCount() != columns) table->setColumnCount(columns);
        if (table->rowCount() != std::max(rows - 1, 0)) table->setRowCount(std::max(rows - 1, 0));
        if (rows == 0) continue;
        QStringList header;
        for (const std::string& cell : state.Cells[0]) header.append(ToQString(cell));
        table->setHorizontalHeaderLabels(header);
        for (int r = 1; r < rows; ++r) {
            const auto& cells = state.Cells[static_cast<std::size_t>(r)];
            for (int c = 0; c < columns && c < static_cast<int>(cells.size()); ++c) {
                QTableWidgetItem* item = table->item(r - 1, c);
                if (item == nullptr) {
                    item = new QTableWidgetItem;
                    item->setFlags(Qt::ItemIsEnabled);
                    table->setItem(r - 1, c, item);
                }
                const QString text = ToQString(cells[static_cast<std::size_t>(c)]);
                if (item->text() != text) item->setText(text);
            }
        }
        const QString hint = ToQString(state.Hint);
        if (table->toolTip() != hint) table->setToolTip(hint);
    }
    if (!form_.Visible() && isVisible()) hide();
}

void SoilTablesWindow::RowClicked(std::string_view table, int row) {
    QString failure;
    try {
        if (table == soil_tables::kBackfill)
            form_.ClickBackfillRow(row, conditions_.Form(), *dialogs_);
        else
            form_.ClickFoundationRow(row, conditions_.Form(), *dialogs_);
    } catch (const std::exception& e) {
        failure = QString::fromUtf8(e.what());
    }
    conditions_.SyncFromModel();
    SyncFromModel();
    if (!failure.isEmpty()) emit ConversionFailed(failure);
}

void SoilTablesWindow::closeEvent(QCloseEvent* event) {
    form_.Close();
    QWidget::closeEvent(event);
}

}  // namespace stelvar::ui
