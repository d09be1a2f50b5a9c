#pragma once
// The on-screen numeric keypad "設計条件入力": a click on an entry box of the
// design-conditions or allowable-stress window opens it just below that box; the keys
// build a text and "転記" writes it into the box through the box's window model, after
// which that window shows the change. The widgets only mirror the keypad model.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>

#include "forms/keypad.h"

class QLineEdit;
class QPushButton;

namespace stelvar::ui {

// The keypad's top-left corner for a box: the box's place inside its window plus the
// window's position, 40 pixels lower. Window positions are frame positions (as move()
// takes them), box places are client coordinates, as the windows have always summed
// them; the 40 pixels take up the caption bar and the box itself.
QPoint KeypadPlacement(const QWidget& box);

// A top-left corner moved just far enough that a frame of `size` lies inside `area`; a
// frame larger than the area keeps its top-left corner in it.
QPoint KeepInside(QPoint topLeft, QSize size, const QRect& area);

class KeypadWindow final : public QWidget {
    Q_OBJECT

public:
    // The model is not owned and outlives the window. Created hidden.
    explicit KeypadWindow(KeypadForm& form, QWidget* parent = nullptr);

    KeypadForm& Form() { return form_; }

    // Makes the boxes of a window reachable under its number: `view` holds the box
    // widgets by control name, `model` receives the text, `refresh` brings the view in
    // line with the model afterwards. All three outlive the keypad.
    void RegisterWindow(int number, FormModel& model, QWidget& view, std::function<void()> refresh);

    // `ShowKeypad`: opens the keypad for the box `box` of window `number`, placed below
    // the box (kept on the box's screen). The entry text is kept. Nothing happens for a
    // window or box the keypad does not know.
    void ShowFor(int number, const QString& box);

    // The entry box and the buttons, for the views and tests.
    QLineEdit* Entry() const { return entry_; }
    QPushButton* Key(const QString& caption) const;

    // Brings the entry box and the visibility in line with the model.
    void SyncFromModel();

signals:
    // The target window refused the posted text (a reaction of it needed a number);
    // the text stays in its box and the keypad is closed.
    void ConversionFailed(const QString& message);

private:
    struct Registered {
        QWidget* View = nullptr;
        std::function<void()> Refresh;
    };

    void Post();

    KeypadForm& form_;
    std::map<int, Registered> windows_;
    QLineEdit* entry_ = nullptr;
    std::map<QString, QPushButton*> buttons_;
};

}  // namespace stelvar::ui
