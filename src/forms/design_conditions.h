#pragma once
// The design-conditions window as a window model: every control with the state it has
// when the program starts, and the window's reactions to the user's changes, which keep
// dependent boxes consistent (a load switched on enables and pre-fills its boxes, the
// design case shows or hides the seismic page, and so on).

#include <string>
#include <string_view>

#include "forms/allowable_stress.h"
#include "forms/control_store.h"
#include "forms/form_model.h"

namespace stelvar {

// Names of the texts on the window's figures that the reactions show and hide.
namespace design_conditions {
inline constexpr std::string_view kKeyPositionLabel = "LabelKey1";  // "(1)"
inline constexpr std::string_view kKeyWidthLabel = "LabelKey2";     // "(2)"
inline constexpr std::string_view kKeyHeightLabel = "LabelKey3";    // "(3)"
inline constexpr std::string_view kGroundLevelLabel = "LabelGroundLevel";    // "計画地盤面"
inline constexpr std::string_view kH0Label = "LabelH0";                      // "H0"
inline constexpr std::string_view kVirtualGroundLabel = "LabelVirtualGround";  // "仮想地盤面 ----"
inline constexpr std::string_view kH1Label = "LabelH1";
inline constexpr std::string_view kH2Label = "LabelH2";
inline constexpr std::string_view kH3Label = "LabelH3";
inline constexpr std::string_view kCaption = "設計条件";
}  // namespace design_conditions

// The controls of the design-conditions window as they stand once the window has been
// initialised. Load switches that start cleared leave their boxes disabled with a
// silver background; the two embedment-ground boxes used only by the passive earth
// pressure (LabeledEdit7, LabeledEdit8) have a money-green background that nothing
// changes.
ControlStore DesignConditionsDefaults();

// The design coefficient kh shown in `Edit61`: the standard value times the regional
// factor, both taken in single precision, the product rounded to single precision and
// shown with two decimals (0.15 × 0.70 → "0.11", 0.12 × 0.85 → "0.10"). A text that is
// not a number raises ConversionError.
std::string DesignCoefficientText(std::string_view standardValue, std::string_view factor);

class DesignConditionsForm : public FormModel {
public:
    // The window as initialised (see Initialise).
    DesignConditionsForm();

    // The start-up sequence: caption, gravity-wall page, seismic page hidden, first load
    // page and first seismic sub-page, flat backfill with its boxes disabled, a figure
    // redraw, the seismic tables, the ordinary case, the eccentricity method.
    void Initialise();

    // Changes as the user makes them. A new selection or check state runs the window's
    // reaction to it (choosing the item already selected changes nothing, as in any
    // selection control); a click on an item of a zone or area list always does. A new
    // text in the standard-value or factor box recomputes the design coefficient, except
    // while a saved window is restored (see RestoringTexts).
    void SetText(std::string_view name, std::string_view text) override;
    void SetIndex(std::string_view name, int index) override;
    void SetChecked(std::string_view name, bool checked) override;

    // A click on a cell of a grid: a value cell of the standard-value table
    // (`StringGrid1`) takes its value as the standard value; a soil-type cell of the
    // soil-layer grid (`StringGrid2`) cycles "砂質土" / "粘性土". Other cells do nothing.
    void ClickCell(std::string_view grid, int row, int column);

    // A click on a button of the window: "特性値（Tg）計算" (`SpeedButton4`) computes the
    // characteristic value of the ground; an initial-kana button (`SpeedButton5` to
    // `SpeedButton26`) lists its seismic zones. The buttons that start the calculation
    // or open another window belong to the view and the run and do nothing here.
    void ClickButton(std::string_view button);

    // The window caption: "設計条件", or "設計条件 " and the project title once a file
    // has been loaded or saved.
    const std::string& Caption() const { return caption_; }
    void ShowProjectTitle(std::string_view title);

    // The wall figures (and the report-preview menu of the main window) depend on the
    // options; each reaction that changes them asks for a repaint by advancing these
    // counters, which the views compare with what they last drew.
    int FigureRedraws() const { return figureRedraws_; }
    int PreviewMenuUpdates() const { return previewMenuUpdates_; }
    void RedrawFigures() { ++figureRedraws_; }

    // While a saved window is restored, texts are put back as they were saved rather
    // than typed: the design coefficient is not recomputed from the standard value and
    // factor (its own saved text follows), so a box that held no number when it was
    // saved does not stop the restore. Selections and check boxes still react.
    class RestoringTexts {
    public:
        explicit RestoringTexts(DesignConditionsForm& form)
            : form_(form), before_(form.restoringTexts_) {
            form_.restoringTexts_ = true;
        }
        ~RestoringTexts() { form_.restoringTexts_ = before_; }
        RestoringTexts(const RestoringTexts&) = delete;
        RestoringTexts& operator=(const RestoringTexts&) = delete;

    private:
        DesignConditionsForm& form_;
        bool before_;
    };

private:
    // Builds the controls and runs the start-up sequence; the public constructor copies
    // one window built so, as a batch of runs starts a window per input.
    struct StartUp {};
    explicit DesignConditionsForm(StartUp);

    void React(std::string_view name);
    void ReactToCheck(std::string_view name);
    void SetBox(std::string_view name, bool enabled, std::string_view text);
    void SetCaptionColour(std::string_view name, bool checked);
    void ChangeCheck(std::string_view name, bool checked);
    void ClearSurchargeOnSlope();

    void SoilTypeChosen();
    void ShearKeyChosen();
    void BackfillTabChosen();
    void DesignCaseChosen();
    void OverturningMethodChosen();
    void RecomputeDesignCoefficient();
    void ZoneClicked();
    void AreaClicked();
    void ComputeCharacteristicValue();
    void ListZones(std::string_view button);

    std::string caption_{design_conditions::kCaption};
    int figureRedraws_ = 0;
    int previewMenuUpdates_ = 0;
    bool restoringTexts_ = false;
};

}  // namespace stelvar
