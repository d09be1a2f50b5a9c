#include "ui/keypad_window.h"

#include <QFont>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <exception>
#include <string>

#include "ui/qt_text.h"

namespace stelvar::ui {
namespace {

constexpr int kKeyWidth = 36;
constexpr int kKeyHeight = 30;
constexpr int kKeyPitchX = 38;
constexpr int kKeyPitchY = 32;

}  // namespace

QPoint KeypadPlacement(const QWidget& box) {
    const QWidget* window = box.window();
    return window->pos() + box.mapTo(window, QPoint(0, 0)) + QPoint(0, 40);
}

QPoint KeepInside(QPoint topLeft, QSize size, const QRect& area) {
    if (area.isEmpty()) return topLeft;
    const int x = std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - size.width()));
    const int y = std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - size.height()));
    return {x, y};
}

KeypadWindow::KeypadWindow(KeypadForm& form, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), form_(form) {
    setObjectName(QStringLiteral("Form24"));
    setWindowTitle(QStringLiteral("設計条件入力"));
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(12);
    setFont(font);
    setFixedSize(196, 198);

    entry_ = new QLineEdit(this);
    entry_->setObjectName(ToQString(keypad::kEntry));
    entry_->setGeometry(8, 8, 180, 24);
    entry_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont big = font;
    big.setPixelSize(15);
    entry_->setFont(big);
    connect(entry_, &QLineEdit::textEdited, this, [this](const QString& text) {
        form_.SetText(keypad::kEntry, FromQString(text));
    });

    auto* keys = new QGroupBox(QStringLiteral("Ten_Key"), this);
    keys->setObjectName(QStringLiteral("Ten_Key"));
    keys->setGeometry(8, 38, 6 + 3 * kKeyPitchX + 4, 18 + 4 * kKeyPitchY + 2);
    int i = 0;
    for (std::string_view key : keypad::kKeys) {
        const QString caption = ToQString(key);
        auto* button = new QPushButton(caption, keys);
        // 7 8 9 / 4 5 6 / 1 2 3 / 0 (two keys wide) and the decimal point.
        const int row = i / 3;
        int column = i % 3;
        int width = kKeyWidth;
        if (key == "0") width = kKeyWidth + kKeyPitchX;
        if (key == ".") {
            column = 2;
            button->setToolTip(QStringLiteral("少数点"));
        }
        button->setGeometry(6 + column * kKeyPitchX, 18 + row * kKeyPitchY, width, kKeyHeight);
        button->setFont(big);
        button->setFocusPolicy(Qt::NoFocus);
        button->setObjectName(key == "." ? QStringLiteral("KeyPoint") : QStringLiteral("Key") + caption);
        buttons_[caption] = button;
        connect(button, &QPushButton::clicked, this, [this, caption] {
            form_.PressKey(FromQString(caption));
            SyncFromModel();
        });
        ++i;
    }

    const auto command = [this](const char* name, const QString& caption, int y, int h) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(138, y, 50, h);
        button->setFocusPolicy(Qt::NoFocus);
        buttons_[caption] = button;
        return button;
    };
    connect(command("ButtonCls", QStringLiteral("CLS"), 46, kKeyHeight), &QPushButton::clicked, this, [this] {
        form_.Clear();
        SyncFromModel();
    });
    connect(command("ButtonCancel", QStringLiteral("取消"), 82, kKeyHeight), &QPushButton::clicked, this,
            [this] {
                form_.Cancel();
                SyncFromModel();
            });
    QPushButton* post = command("ButtonPost", QStringLiteral("転記"), 124, 64);
    QFont bold = font;
    bold.setBold(true);
    post->setFont(bold);
    connect(post, &QPushButton::clicked, this, [this] { Post(); });

    SyncFromModel();
}

QPushButton* KeypadWindow::Key(const QString& caption) const {
    const auto it = buttons_.find(caption);
    return it == buttons_.end() ? nullptr : it->second;
}

void KeypadWindow::RegisterWindow(int number, FormModel& model, QWidget& view, std::function<void()> refresh) {
    form_.Register(number, model);
    windows_[number] = {&view, std::move(refresh)};
}

void KeypadWindow::ShowFor(int number, const QString& box) {
    const auto it = windows_.find(number);
    if (it == windows_.end() || box.isEmpty()) return;
    QWidget* widget = it->second.View->findChild<QWidget*>(box);
    if (widget == nullptr) return;
    form_.Show(number, FromQString(box));
    SyncFromModel();
    QPoint at = KeypadPlacement(*widget);
    // A box low on the screen would put "転記" out of reach: the pad moves up just enough.
    if (const QScreen* screen = widget->screen()) at = KeepInside(at, frameGeometry().size(), screen->availableGeometry());
    move(at);
    show();
    raise();
}

void KeypadWindow::SyncFromModel() {
    const QString text = ToQString(form_.EntryText());
    if (entry_->text() != text) entry_->setText(text);
    if (!form_.Visible() && isVisible()) hide();
}

void KeypadWindow::Post() {
    const int number = form_.Target().Window;
    QString failure;
    try {
        form_.Post();
    } catch (const std::exception& e) {
        failure = QString::fromUtf8(e.what());
    }
    SyncFromModel();
    const auto it = windows_.find(number);
    if (it != windows_.end() && it->second.Refresh) it->second.Refresh();
    if (!failure.isEmpty()) emit ConversionFailed(failure);
}

}  // namespace stelvar::ui
