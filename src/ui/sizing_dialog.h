#pragma once
// "寸法自動設定": one box of the wall outline stepped through a range, each value run as
// the program runs it, the candidates listed with their verdicts and the smallest value
// with every check OK highlighted. Nothing reaches the design conditions until "適用".

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "forms/allowable_stress.h"
#include "forms/design_conditions.h"
#include "run/sizing.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace stelvar::ui {

class SizingDialog final : public QDialog {
    Q_OBJECT

public:
    // Writes a candidate's controls into the design conditions (through the form's
    // setters, the window following).
    using Applier = std::function<void(const std::vector<std::pair<std::string, std::string>>&)>;

    // The windows are read when a scan starts; they must outlive the dialog.
    SizingDialog(const DesignConditionsForm& conditions, const AllowableStressForm& stresses, Applier apply,
                 QWidget* parent = nullptr);

    // "計算": scans the chosen box over the range, the progress bar following; the dialog's
    // inputs are locked while it runs.
    void Run();
    // "中止": stops a scan at the next candidate; the candidates done stay listed.
    void Cancel();
    // "適用": writes the selected candidate, then closes the dialog.
    void ApplySelected();

    bool Running() const { return running_; }
    const std::optional<SizingResult>& Result() const { return result_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void BoxChosen();
    void ShowResult();
    void SelectionChanged();
    void SetRunning(bool running);

    const DesignConditionsForm& conditions_;
    const AllowableStressForm& stresses_;
    Applier apply_;
    std::vector<SizingBox> boxes_;

    QComboBox* boxChoice_ = nullptr;
    QDoubleSpinBox* from_ = nullptr;
    QDoubleSpinBox* to_ = nullptr;
    QDoubleSpinBox* step_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* applyButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* message_ = nullptr;

    std::optional<SizingResult> result_;
    bool running_ = false;
    bool cancelRequested_ = false;
};

}  // namespace stelvar::ui
