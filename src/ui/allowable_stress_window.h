#pragma once
// The allowable-stress window "許容応力度": the design strength of the concrete and the
// design case give the three allowable stresses, which the user may overwrite (by hand
// or with the keypad) and then copies into the design-conditions window. The widgets
// only mirror the allowable-stress model, which is also what the calculation reads.

#include <QPoint>
#include <QString>
#include <QWidget>

#include <map>
#include <string>
#include <string_view>

#include "forms/allowable_stress.h"

class QButtonGroup;
class QCloseEvent;
class QPushButton;

namespace stelvar::ui {

class DesignConditionsWindow;

class AllowableStressWindow final : public QWidget {
    Q_OBJECT

public:
    // The model and the design-conditions window are not owned and outlive this
    // window. Created hidden.
    AllowableStressWindow(AllowableStressForm& form, DesignConditionsWindow& conditions,
                          QWidget* parent = nullptr);

    AllowableStressForm& Form() { return form_; }

    // Shows the window with its top-left corner (frame) at a screen position.
    void Open(QPoint topLeft);

    // Brings every widget in line with the model; hides the window when the model is
    // hidden.
    void SyncFromModel();

    // The widget of a control ("RadioGroup1", "RadioGroup4", "Edit1" to "Edit3"), or
    // nullptr; the radio buttons are "RadioGroup1_0" and so on.
    QWidget* Control(std::string_view name) const;
    QPushButton* TransferButton() const { return transfer_; }
    QPushButton* CancelButton() const { return cancel_; }

signals:
    // A stress box was clicked: the keypad is to open for it (window number 9).
    void KeypadRequested(const QString& box);
    // The design-conditions window refused a copied text.
    void ConversionFailed(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* RadioGroup(std::string_view name, const QString& title, QWidget* parent, int x, int y, int w, int h);
    void Transfer();

    AllowableStressForm& form_;
    DesignConditionsWindow& conditions_;
    std::map<std::string, QWidget*, std::less<>> controls_;
    std::map<std::string, QButtonGroup*, std::less<>> radioGroups_;
    QPushButton* transfer_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace stelvar::ui
