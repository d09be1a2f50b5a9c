// 全照査OKとなる寸法 on the results window's summary page after a pair run: computed only on
// request, from the windows of the run, and offered only when a check fails.

#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <cstdlib>
#include <string>

#include "../documents/temp_dir.h"
#include "run/sizing.h"
#include "ui/design_conditions_window.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_text.h"
#include "ui/results_window.h"

namespace stelvar::ui {
namespace {

class GuidanceWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs_ = std::make_unique<ScriptedDialogs>(std::deque<bool>{}, true);
        window_ = std::make_unique<MainWindow>(*dialogs_, files_);
        window_->SetWorkingDirectory(dir_.Path());
        window_->show();
    }

    testing::TempDir dir_;
    ScriptedFileNames files_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(GuidanceWindowTest, TheSummaryPageAnswersWhatMakesThePairPass) {
    auto* seismic = window_->ConditionsWindow().Control("RadioGroup5")->findChildren<QRadioButton*>().at(1);
    seismic->click();
    window_->AllowableStress().SetIndex(allowable_stress::kDesignCase, 1);
    *dialogs_ = ScriptedDialogs({true}, true);
    window_->findChild<QAction*>(QStringLiteral("N14"))->trigger();
    ASSERT_NE(window_->Pair(), nullptr);
    ResultsWindow& results = window_->ResultsView();
    ASSERT_NE(results.GuidanceButton(), nullptr);
    EXPECT_TRUE(results.GuidanceButton()->isEnabled());
    EXPECT_EQ(results.GuidanceList()->count(), 0);  // computed only on request

    // Edits after the run do not change what the button answers for that run.
    const Guidance expected = ComputeGuidance(window_->Conditions(), window_->AllowableStress());
    window_->Conditions().SetText("Edit37", "500");
    window_->Conditions().SetText("Edit31", "2500");
    QTest::mouseClick(results.GuidanceButton(), Qt::LeftButton);
    ASSERT_EQ(results.GuidanceList()->count(), static_cast<int>(expected.Items.size()) + 1);
    const std::string failing = FromQString(results.GuidanceList()->item(0)->text());
    EXPECT_EQ(failing.rfind("NOの照査: ", 0), 0u);
    EXPECT_NE(failing.find("地震時 鉛直支持力"), std::string::npos);
    for (std::size_t i = 0; i < expected.Items.size(); ++i)
        EXPECT_EQ(FromQString(results.GuidanceList()->item(static_cast<int>(i) + 1)->text()),
                  expected.Items[i].Text);
    EXPECT_EQ(FromQString(results.GuidanceList()->item(1)->text()), "天端幅 400 → 2850 mm で全照査OK");
    // The page's picture when STELVAR_SIZING_SHOTS names a folder.
    if (const char* dir = std::getenv("STELVAR_SIZING_SHOTS")) {
        auto* pages = results.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        pages->setCurrentWidget(results.findChild<QWidget*>(QStringLiteral("TabSheetSummary")));
        results.grab().save(QString::fromUtf8(dir) + QStringLiteral("/summary_guidance.png"));
    }

    // A pair in which every check passes has nothing to ask.
    window_->Conditions().SetText("Edit37", "2850");
    window_->Conditions().SetText("Edit31", "4850");
    *dialogs_ = ScriptedDialogs({true}, true);
    window_->findChild<QAction*>(QStringLiteral("N14"))->trigger();
    EXPECT_FALSE(results.GuidanceButton()->isEnabled());
    EXPECT_EQ(results.GuidanceList()->count(), 0);
}

}  // namespace
}  // namespace stelvar::ui
