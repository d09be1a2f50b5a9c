#include "ui/sizing_dialog.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include <exception>

#include "report/report_colours.h"
#include "ui/qpainter_canvas.h"
#include "ui/qt_text.h"

namespace stelvar::ui {
namespace {

// The smallest passing candidate stands out from the rest.
const QColor kSmallestBackground(0xC8, 0xF0, 0xC8);

QDoubleSpinBox* MillimetreBox(const char* name, double minimum) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimals(1);
    box->setRange(minimum, 100000.0);
    box->setSuffix(QStringLiteral(" mm"));
    box->setSingleStep(50.0);
    return box;
}

std::string OneLine(std::string text) {
    for (char& ch : text)
        if (ch == '\r' || ch == '\n') ch = ' ';
    return text;
}

}  // namespace

SizingDialog::SizingDialog(const DesignConditionsForm& conditions, const AllowableStressForm& stresses,
                           Applier apply, QWidget* parent)
    : QDialog(parent), conditions_(conditions), stresses_(stresses), apply_(std::move(apply)) {
    setObjectName(QStringLiteral("SizingDialog"));
    setWindowTitle(QStringLiteral("寸法自動設定"));
    // Above the design-conditions window, which stays on top, as every dialog of the program.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    resize(640, 520);

    boxChoice_ = new QComboBox;
    boxChoice_->setObjectName(QStringLiteral("BoxChoice"));
    const int page = conditions_.Controls().Index("PageControl2") == 1 ? 1 : 0;
    boxes_ = SizingBoxesOf(page);
    for (const SizingBox& b : boxes_) boxChoice_->addItem(ToQString(b.Caption));
    from_ = MillimetreBox("FromBox", 0.0);
    to_ = MillimetreBox("ToBox", 0.0);
    step_ = MillimetreBox("StepBox", 0.1);

    auto* form = new QFormLayout;
    form->addRow(page == 1 ? QStringLiteral("寸法（もたれ式）") : QStringLiteral("寸法（重力式）"), boxChoice_);
    form->addRow(QStringLiteral("開始"), from_);
    form->addRow(QStringLiteral("終了"), to_);
    form->addRow(QStringLiteral("刻み"), step_);

    runButton_ = new QPushButton(QStringLiteral("計算"));
    runButton_->setObjectName(QStringLiteral("RunButton"));
    cancelButton_ = new QPushButton(QStringLiteral("中止"));
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->setEnabled(false);
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("Progress"));
    progress_->setValue(0);
    auto* runRow = new QHBoxLayout;
    runRow->addWidget(runButton_);
    runRow->addWidget(cancelButton_);
    runRow->addWidget(progress_, 1);

    table_ = new QTableWidget(0, 5);
    table_->setObjectName(QStringLiteral("CandidateTable"));
    table_->setHorizontalHeaderLabels({QStringLiteral("寸法(mm)"), QStringLiteral("判定"), QStringLiteral("支配照査"),
                                       QStringLiteral("比率"), QStringLiteral("設定")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(0, 80);
    table_->setColumnWidth(1, 70);
    table_->setColumnWidth(2, 150);
    table_->setColumnWidth(3, 60);

    message_ = new QLabel;
    message_->setObjectName(QStringLiteral("ResultLabel"));
    message_->setWordWrap(true);

    applyButton_ = new QPushButton(QStringLiteral("適用"));
    applyButton_->setObjectName(QStringLiteral("ApplyButton"));
    applyButton_->setEnabled(false);
    closeButton_ = new QPushButton(QStringLiteral("閉じる"));
    closeButton_->setObjectName(QStringLiteral("CloseButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(applyButton_);
    buttons->addWidget(closeButton_);

    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addLayout(runRow);
    column->addWidget(table_, 1);
    column->addWidget(message_);
    column->addLayout(buttons);

    connect(boxChoice_, &QComboBox::currentIndexChanged, this, [this] { BoxChosen(); });
    connect(runButton_, &QPushButton::clicked, this, [this] { Run(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { Cancel(); });
    connect(applyButton_, &QPushButton::clicked, this, [this] { ApplySelected(); });
    connect(closeButton_, &QPushButton::clicked, this, [this] { reject(); });
    connect(table_, &QTableWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
    BoxChosen();
}

void SizingDialog::BoxChosen() {
    const int index = boxChoice_->currentIndex();
    if (index < 0) return;
    // The default range of the box as it stands now.
    try {
        const SizingRange r = DefaultSizingRange(conditions_.Controls(), boxes_[static_cast<std::size_t>(index)].Name);
        from_->setValue(r.From);
        to_->setValue(r.To);
        step_->setValue(r.Step);
        runButton_->setEnabled(true);
        message_->clear();
    } catch (const std::exception& e) {
        runButton_->setEnabled(false);
        message_->setText(ToQString(e.what()));
    }
}

void SizingDialog::SetRunning(bool running) {
    running_ = running;
    for (QWidget* w : std::initializer_list<QWidget*>{boxChoice_, from_, to_, step_, runButton_, closeButton_})
        w->setEnabled(!running);
    cancelButton_->setEnabled(running);
    if (running) applyButton_->setEnabled(false);
}

void SizingDialog::Run() {
    if (running_) return;
    const int index = boxChoice_->currentIndex();
    if (index < 0) return;
    const SizingBox box = boxes_[static_cast<std::size_t>(index)];
    const SizingRange range{from_->value(), to_->value(), step_->value()};
    // The windows as they stand at the start; nothing changes them while the scan runs.
    const DesignConditionsForm conditions = conditions_;
    const AllowableStressForm stresses = stresses_;
    result_.reset();
    table_->setRowCount(0);
    cancelRequested_ = false;
    SetRunning(true);
    progress_->setValue(0);
    message_->setText(QStringLiteral("計算中…"));
    SizingOptions options;
    options.Progress = [this](std::size_t done, std::size_t total) {
        progress_->setMaximum(static_cast<int>(total));
        progress_->setValue(static_cast<int>(done));
        // The cancel button is clicked between two candidates.
        QCoreApplication::processEvents();
        return !cancelRequested_;
    };
    try {
        result_ = RunSizing(conditions, stresses, box.Name, range, options);
    } catch (const std::exception& e) {
        SetRunning(false);
        message_->setText(ToQString(e.what()));
        return;
    }
    SetRunning(false);
    ShowResult();
}

void SizingDialog::Cancel() {
    if (running_) cancelRequested_ = true;
}

void SizingDialog::ShowResult() {
    const SizingResult& r = *result_;
    table_->setRowCount(static_cast<int>(r.Candidates.size()));
    QFont bold = table_->font();
    bold.setBold(true);
    for (std::size_t i = 0; i < r.Candidates.size(); ++i) {
        const SizingCandidate& c = r.Candidates[i];
        const int row = static_cast<int>(i);
        const CandidateCells shown = CandidateTableCells(c);
        const std::string& verdict = shown.Verdict;
        const std::string& governing = shown.Governing;
        const std::string& ratio = shown.Ratio;
        const std::string last = c.Status == CandidateStatus::Ran ? shown.Apply : OneLine(c.Reason);
        const std::string cells[] = {MillimetreText(c.Value), verdict, governing, ratio, last};
        for (int col = 0; col < 5; ++col) {
            auto* item = new QTableWidgetItem(ToQString(cells[col]));
            item->setTextAlignment(Qt::AlignVCenter | (col == 0 || col == 3 ? Qt::AlignRight : Qt::AlignLeft));
            if (col == 1)
                item->setForeground(ToQColor(c.AllOk ? report_colours::clBlue : report_colours::clRed));
            if (r.Smallest == i) {
                item->setBackground(kSmallestBackground);
                item->setFont(bold);
            }
            table_->setItem(row, col, item);
        }
    }
    QString text;
    if (r.Smallest) {
        const SizingCandidate& s = r.Candidates[*r.Smallest];
        text = ToQString(std::string(r.Box.Caption) + " " + MillimetreText(s.Value) + " mm で全照査OK（" +
                         CandidateTableCells(s).Apply + "）");
        table_->selectRow(static_cast<int>(*r.Smallest));
        table_->scrollToItem(table_->item(static_cast<int>(*r.Smallest), 0));
    } else {
        text = QStringLiteral("範囲内に全照査OKとなる寸法はありません。");
    }
    if (r.Cancelled) text = QStringLiteral("中止しました（%1件まで計算）。").arg(r.Candidates.size()) + text;
    message_->setText(text);
    SelectionChanged();
}

void SizingDialog::SelectionChanged() {
    const QList<QTableWidgetItem*> selected = table_->selectedItems();
    bool ran = false;
    if (result_ && !selected.isEmpty() && !running_) {
        const auto row = static_cast<std::size_t>(selected.front()->row());
        ran = row < result_->Candidates.size() && result_->Candidates[row].Status == CandidateStatus::Ran;
    }
    applyButton_->setEnabled(ran);
}

void SizingDialog::ApplySelected() {
    const QList<QTableWidgetItem*> selected = table_->selectedItems();
    if (!result_ || selected.isEmpty() || running_) return;
    const auto row = static_cast<std::size_t>(selected.front()->row());
    if (row >= result_->Candidates.size() || result_->Candidates[row].Status != CandidateStatus::Ran) return;
    apply_(result_->Candidates[row].Apply);
    accept();
}

void SizingDialog::closeEvent(QCloseEvent* event) {
    // Closing while a scan runs would pull the dialog away under it: the scan stops first.
    if (running_) {
        Cancel();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void SizingDialog::reject() {
    if (running_) {
        Cancel();
        return;
    }
    QDialog::reject();
}

}  // namespace stelvar::ui
