// 寸法自動設定 through the real widgets: the menu item, choosing a box, running, cancelling
// and applying.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <string>
#include <vector>

#include "../documents/temp_dir.h"
#include "run/sizing.h"
#include "ui/design_conditions_window.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_text.h"
#include "ui/results_window.h"
#include "ui/sizing_dialog.h"

namespace stelvar::ui {
namespace {

class SizingDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs_ = std::make_unique<ScriptedDialogs>(std::deque<bool>{}, true);
        window_ = std::make_unique<MainWindow>(*dialogs_, files_);
        window_->SetWorkingDirectory(dir_.Path());
        window_->show();
    }

    SizingDialog* Open() {
        window_->findChild<QAction*>(QStringLiteral("N37"))->trigger();
        return window_->findChild<SizingDialog*>(QStringLiteral("SizingDialog"));
    }
    template <class W>
    static W* Child(QWidget* dialog, const char* name) {
        return dialog->findChild<W*>(QString::fromLatin1(name));
    }
    static void Choose(SizingDialog* dialog, const char* caption) {
        auto* box = Child<QComboBox>(dialog, "BoxChoice");
        const int index = box->findText(ToQString(caption));
        ASSERT_GE(index, 0) << caption;
        box->setCurrentIndex(index);
    }
    static std::string Cell(SizingDialog* dialog, int row, int col) {
        return FromQString(Child<QTableWidget>(dialog, "CandidateTable")->item(row, col)->text());
    }
    // Saves the dialog's picture when STELVAR_SIZING_SHOTS names a folder.
    static void Shot(QWidget* dialog, const char* name) {
        if (const char* dir = std::getenv("STELVAR_SIZING_SHOTS"))
            dialog->grab().save(QString::fromUtf8(dir) + "/" + QString::fromLatin1(name) + ".png");
    }

    testing::TempDir dir_;
    ScriptedFileNames files_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(SizingDialogTest, OpensFromTheRunMenuWithTheBoxesOfTheActivePage) {
    auto* item = window_->findChild<QAction*>(QStringLiteral("N37"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(FromQString(item->text()), "3.寸法自動設定...");
    const QList<QAction*> menu = window_->findChild<QMenu*>(QStringLiteral("R1"))->actions();
    EXPECT_EQ(menu.indexOf(item), menu.indexOf(window_->findChild<QAction*>(QStringLiteral("N14"))) + 1);

    SizingDialog* dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(FromQString(dialog->windowTitle()), "寸法自動設定");
    auto* box = Child<QComboBox>(dialog, "BoxChoice");
    std::vector<std::string> captions;
    for (int i = 0; i < box->count(); ++i) captions.push_back(FromQString(box->itemText(i)));
    EXPECT_EQ(captions, (std::vector<std::string>{"前面勾配幅", "天端幅", "背面勾配幅", "たて壁高さ", "底板厚",
                                                  "つま先版幅", "かかと版幅"}));
    // Choosing a box puts its default range into the boxes.
    Choose(dialog, "たて壁高さ");
    EXPECT_EQ(Child<QDoubleSpinBox>(dialog, "FromBox")->value(), 3000.0);
    EXPECT_EQ(Child<QDoubleSpinBox>(dialog, "ToBox")->value(), 9000.0);
    EXPECT_EQ(Child<QDoubleSpinBox>(dialog, "StepBox")->value(), 50.0);
    Choose(dialog, "天端幅");
    EXPECT_EQ(Child<QDoubleSpinBox>(dialog, "ToBox")->value(), 3400.0);
    EXPECT_FALSE(Child<QPushButton>(dialog, "ApplyButton")->isEnabled());
    QTest::mouseClick(Child<QPushButton>(dialog, "CloseButton"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SizingDialogTest, RunsListsTheCandidatesAndAppliesOnlyOnTheClick) {
    window_->Conditions().SetIndex("PageControl2", 1);  // the leaning wall fails its bearing capacity
    const ControlStore before = window_->Conditions().Controls();
    SizingDialog* dialog = Open();
    Choose(dialog, "天端幅");
    QTest::mouseClick(Child<QPushButton>(dialog, "RunButton"), Qt::LeftButton);
    ASSERT_TRUE(dialog->Result().has_value());

    // The table agrees with a scan of the same windows.
    const SizingResult expected =
        RunSizing(window_->Conditions(), window_->AllowableStress(), "Edit52");
    auto* table = Child<QTableWidget>(dialog, "CandidateTable");
    ASSERT_EQ(table->rowCount(), static_cast<int>(expected.Candidates.size()));
    ASSERT_TRUE(expected.Smallest.has_value());
    const int smallest = static_cast<int>(*expected.Smallest);
    EXPECT_EQ(Cell(dialog, smallest, 0), MillimetreText(expected.Candidates[*expected.Smallest].Value));
    EXPECT_EQ(Cell(dialog, smallest, 1), "OK");
    EXPECT_EQ(Cell(dialog, smallest - 1, 1), "NO");
    EXPECT_EQ(Cell(dialog, 0, 2), "常時 鉛直支持力");
    EXPECT_EQ(Cell(dialog, smallest, 4), "Edit52=750 Edit59=2350");
    // Highlighted and chosen; the others plain.
    EXPECT_TRUE(table->item(smallest, 0)->font().bold());
    EXPECT_FALSE(table->item(smallest + 1, 0)->font().bold());
    EXPECT_EQ(table->currentRow(), smallest);
    EXPECT_EQ(Child<QProgressBar>(dialog, "Progress")->value(), table->rowCount());
    EXPECT_NE(FromQString(Child<QLabel>(dialog, "ResultLabel")->text()).find("天端幅 750 mm で全照査OK"),
              std::string::npos);
    Shot(dialog, "sizing_dialog");

    // Nothing has reached the design conditions yet.
    EXPECT_EQ(window_->Conditions().Controls(), before);

    // Another row chosen, then 適用: its controls written through the form, the window
    // showing them, the figures redrawn, the dialog closed.
    const int redraws = window_->Conditions().FigureRedraws();
    table->selectRow(smallest + 2);
    QTest::mouseClick(Child<QPushButton>(dialog, "ApplyButton"), Qt::LeftButton);
    EXPECT_EQ(window_->Conditions().Controls().Text("Edit52"), "850");
    EXPECT_EQ(window_->Conditions().Controls().Text("Edit59"), "2450");
    EXPECT_EQ(FromQString(qobject_cast<QLineEdit*>(window_->ConditionsWindow().Control("Edit52"))->text()), "850");
    EXPECT_GT(window_->Conditions().FigureRedraws(), redraws);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SizingDialogTest, CancelStopsTheScanAndKeepsWhatRan) {
    // The seismic pair of the gravity wall: two cases per candidate.
    auto* seismic = window_->ConditionsWindow().Control("RadioGroup5")->findChildren<QRadioButton*>().at(1);
    seismic->click();
    window_->AllowableStress().SetIndex(allowable_stress::kDesignCase, 1);
    SizingDialog* dialog = Open();
    Choose(dialog, "背面勾配幅");
    // The click on 中止 arrives while the scan runs, between two candidates.
    bool runningWhenClicked = false;
    QTimer::singleShot(0, dialog, [&] {
        runningWhenClicked = dialog->Running();
        QTest::mouseClick(Child<QPushButton>(dialog, "CancelButton"), Qt::LeftButton);
    });
    QTest::mouseClick(Child<QPushButton>(dialog, "RunButton"), Qt::LeftButton);
    EXPECT_TRUE(runningWhenClicked);
    ASSERT_TRUE(dialog->Result().has_value());
    EXPECT_TRUE(dialog->Result()->Cancelled);
    const int rows = Child<QTableWidget>(dialog, "CandidateTable")->rowCount();
    EXPECT_GE(rows, 1);
    EXPECT_LT(rows, 61);
    EXPECT_EQ(FromQString(Child<QLabel>(dialog, "ResultLabel")->text()).rfind("中止しました", 0), 0u);
    EXPECT_TRUE(Child<QPushButton>(dialog, "RunButton")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(dialog, "CancelButton")->isEnabled());
    // The governing check of a pair names its case.
    EXPECT_EQ(Cell(dialog, 0, 2), "地震時 鉛直支持力");

    // Run again to the end: the whole range, both cases.
    QTest::mouseClick(Child<QPushButton>(dialog, "RunButton"), Qt::LeftButton);
    EXPECT_FALSE(dialog->Result()->Cancelled);
    EXPECT_EQ(Child<QTableWidget>(dialog, "CandidateTable")->rowCount(), 61);
    Shot(dialog, "sizing_dialog_pair");

    // A range that makes no candidates says so and lists nothing.
    Child<QDoubleSpinBox>(dialog, "ToBox")->setValue(500);
    QTest::mouseClick(Child<QPushButton>(dialog, "RunButton"), Qt::LeftButton);
    EXPECT_FALSE(dialog->Result().has_value());
    EXPECT_EQ(Child<QTableWidget>(dialog, "CandidateTable")->rowCount(), 0);
    EXPECT_NE(FromQString(Child<QLabel>(dialog, "ResultLabel")->text()).find("範囲の終わり"), std::string::npos);
    EXPECT_FALSE(Child<QPushButton>(dialog, "ApplyButton")->isEnabled());
}

}  // namespace
}  // namespace stelvar::ui
