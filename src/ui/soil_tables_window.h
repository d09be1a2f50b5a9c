#pragma once
// The soil-constant tables "土質定数": reference values of backfill soils, foundation
// ground and natural ground. A click on a row of the backfill or foundation table
// offers its values to the design-conditions window and writes them there when the
// user agrees. The widgets mirror the soil-tables model; the header row of each table
// is the table's column header.

#include <QPoint>
#include <QString>
#include <QWidget>

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "forms/dialogs.h"
#include "forms/soil_tables.h"

class QCloseEvent;
class QLabel;
class QPushButton;
class QTableWidget;

namespace stelvar::ui {

class DesignConditionsWindow;

// A note laid out in lines as the window shows it: a run of full-width spaces inside
// the note fills the rest of a line and indents the next one under the text after the
// note's mark ("注３）"); the break goes where the indent is that wide. Every
// character of the note is kept; only line breaks are added.
QString NoteLines(std::string_view note);

class SoilTablesWindow final : public QWidget {
    Q_OBJECT

public:
    // The model, the design-conditions window and the dialogs are not owned and
    // outlive this window. Without dialogs the questions are message boxes over this
    // window, so that they show above it (it stays on top). Created hidden.
    SoilTablesWindow(SoilTablesForm& form, DesignConditionsWindow& conditions, Dialogs* dialogs,
                     QWidget* parent = nullptr);
    ~SoilTablesWindow() override;

    SoilTablesForm& Form() { return form_; }

    // Refills the tables and shows the window with its top-left corner (frame) at a
    // screen position.
    void Open(QPoint topLeft);

    // Brings the tables in line with the model; hides the window when the model is
    // hidden.
    void SyncFromModel();

    // "StringGrid1" to "StringGrid3", or nullptr.
    QTableWidget* Table(std::string_view name) const;
    QPushButton* CloseButton() const { return close_; }

signals:
    // The design-conditions window refused a copied value.
    void ConversionFailed(const QString& message);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QTableWidget* MakeTable(std::string_view name, QWidget* parent, int x, int y, bool clickable);
    QLabel* Text(const QString& text, QWidget* parent, int x, int y, int w, int h);
    void RowClicked(std::string_view table, int row);

    SoilTablesForm& form_;
    DesignConditionsWindow& conditions_;
    std::unique_ptr<Dialogs> ownDialogs_;
    Dialogs* dialogs_ = nullptr;
    std::map<std::string, QTableWidget*, std::less<>> tables_;
    QPushButton* close_ = nullptr;
};

}  // namespace stelvar::ui
