#include "ui/allowable_stress_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QEvent>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <exception>
#include <utility>
#include <vector>

#include "ui/design_conditions_window.h"
#include "ui/qt_text.h"

namespace stelvar::ui {

AllowableStressWindow::AllowableStressWindow(AllowableStressForm& form, DesignConditionsWindow& conditions,
                                             QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), form_(form), conditions_(conditions) {
    using namespace allowable_stress;
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("許容応力度"));
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(12);
    setFont(font);
    setFixedSize(372, 226);

    RadioGroup(kStrength, QStringLiteral("設計基準強度(σck)"), this, 8, 6, 204, 46);
    RadioGroup(kDesignCase, QStringLiteral("地震"), this, 218, 6, 146, 46);

    auto* conditionsGroup = new QGroupBox(QStringLiteral("設計条件　[H24擁壁工指針：P81]"), this);
    conditionsGroup->setGeometry(8, 58, 356, 122);
    auto* concrete = new QGroupBox(QStringLiteral("ｺﾝｸﾘｰﾄ（N/mm2）"), conditionsGroup);
    concrete->setGeometry(6, 18, 344, 98);
    const std::pair<std::string_view, const char*> boxes[] = {
        {kSigmaCa, "σca（許容圧縮応力度）="},
        {kSigmaCat, "σcat（許容引張応力度）="},
        {kTauCa, "τca（許容せん断応力度）="},
    };
    int row = 0;
    for (const auto& [name, caption] : boxes) {
        const int y = 20 + row * 24;
        auto* label = new QLabel(QString::fromUtf8(caption), concrete);
        label->setGeometry(6, y, 222, 20);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* edit = new QLineEdit(concrete);
        edit->setObjectName(ToQString(name));
        edit->setGeometry(232, y, 72, 20);
        edit->installEventFilter(this);
        label->setBuddy(edit);
        controls_[std::string(name)] = edit;
        const std::string control(name);
        connect(edit, &QLineEdit::textEdited, this, [this, control](const QString& text) {
            form_.SetText(control, FromQString(text));
        });
        ++row;
    }

    transfer_ = new QPushButton(QStringLiteral("設計条件に転記"), this);
    transfer_->setObjectName(QStringLiteral("Button1"));
    transfer_->setGeometry(8, 188, 200, 30);
    connect(transfer_, &QPushButton::clicked, this, [this] { Transfer(); });
    cancel_ = new QPushButton(QStringLiteral("取　消"), this);
    cancel_->setObjectName(QStringLiteral("Button2"));
    cancel_->setGeometry(244, 188, 120, 30);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        form_.Cancel();
        SyncFromModel();
    });

    SyncFromModel();
}

QWidget* AllowableStressWindow::RadioGroup(std::string_view name, const QString& title, QWidget* parent, int x,
                                           int y, int w, int h) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(ToQString(name));
    box->setGeometry(x, y, w, h);
    auto* buttons = new QButtonGroup(box);
    const std::vector<std::string>& items = form_.Controls().Items(name);
    const int count = static_cast<int>(items.size());
    const int cell = (w - 12) / std::max(count, 1);
    for (int i = 0; i < count; ++i) {
        auto* radio = new QRadioButton(ToQString(items[static_cast<std::size_t>(i)]), box);
        radio->setObjectName(ToQString(name) + QStringLiteral("_") + QString::number(i));
        radio->setGeometry(8 + i * cell, 18, cell - 2, 22);
        buttons->addButton(radio, i);
    }
    const std::string control(name);
    connect(buttons, &QButtonGroup::idClicked, this, [this, control](int id) {
        form_.SetIndex(control, id);
        SyncFromModel();
    });
    controls_[control] = box;
    radioGroups_[control] = buttons;
    return box;
}

QWidget* AllowableStressWindow::Control(std::string_view name) const {
    const auto it = controls_.find(name);
    if (it != controls_.end()) return it->second;
    return findChild<QWidget*>(ToQString(name));
}

void AllowableStressWindow::Open(QPoint topLeft) {
    form_.Show();
    SyncFromModel();
    move(topLeft);
    show();
    raise();
}

void AllowableStressWindow::SyncFromModel() {
    const ControlStore& store = form_.Controls();
    for (const auto& [name, buttons] : radioGroups_) {
        const QSignalBlocker block(buttons);
        QAbstractButton* chosen = buttons->button(store.Index(name));
        if (chosen == nullptr) {
            if (QAbstractButton* checked = buttons->checkedButton()) {
                buttons->setExclusive(false);
                checked->setChecked(false);
                buttons->setExclusive(true);
            }
        } else if (!chosen->isChecked()) {
            chosen->setChecked(true);
        }
    }
    for (std::string_view name : {allowable_stress::kSigmaCa, allowable_stress::kSigmaCat, allowable_stress::kTauCa}) {
        auto* edit = static_cast<QLineEdit*>(controls_.at(std::string(name)));
        const QString text = ToQString(store.Text(name));
        if (edit->text() != text) edit->setText(text);
    }
    if (!form_.Visible() && isVisible()) hide();
}

void AllowableStressWindow::Transfer() {
    QString failure;
    try {
        form_.TransferToDesignConditions(conditions_.Form());
    } catch (const std::exception& e) {
        failure = QString::fromUtf8(e.what());
    }
    conditions_.SyncFromModel();
    SyncFromModel();
    if (!failure.isEmpty()) emit ConversionFailed(failure);
}

bool AllowableStressWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const std::string name = FromQString(watched->objectName());
        if (controls_.count(name) != 0 && qobject_cast<QLineEdit*>(watched) != nullptr)
            emit KeypadRequested(watched->objectName());
    }
    return QWidget::eventFilter(watched, event);
}

void AllowableStressWindow::closeEvent(QCloseEvent* event) {
    // Closed from its frame: like "取　消", the selections and texts stay.
    form_.Cancel();
    QWidget::closeEvent(event);
}

}  // namespace stelvar::ui
