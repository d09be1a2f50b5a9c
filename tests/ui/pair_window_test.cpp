// Both design cases through the real windows: the menu item and tool button with their
// question, the results window's case selector and summary page, the text export of the
// pair, and a single run that leaves the window as it always was.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QPrinter>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "../documents/temp_dir.h"
#include "documents/pair_export.h"
#include "pdf/pdf_export.h"
#include "documents/text_export.h"
#include "report/report_colours.h"
#include "run/pair_run.h"
#include "ui/design_conditions_window.h"
#include "ui/main_window.h"
#include "ui/qpainter_canvas.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_text.h"
#include "ui/results_window.h"

namespace stelvar::ui {
namespace {

namespace fs = std::filesystem;
using Kind = ScriptedDialogs::Entry::Kind;

std::vector<std::string> Lines(const QListWidget& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.count(); ++i) out.push_back(FromQString(list.item(i)->text()));
    return out;
}

class PairWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs_ = std::make_unique<ScriptedDialogs>(std::deque<bool>{}, true);
        window_ = std::make_unique<MainWindow>(*dialogs_, files_);
        window_->SetWorkingDirectory(dir_.Path());
        window_->show();
    }
    void Answer(std::deque<bool> answers) { *dialogs_ = ScriptedDialogs(std::move(answers), true); }
    std::vector<std::string> Texts(Kind kind) const { return dialogs_->Texts(kind); }

    // The seismic case chosen by a click in the design-conditions window, and the
    // allowable stresses switched with it, as a user prepares a seismic run.
    void ChooseSeismicCase() {
        auto* seismic = window_->ConditionsWindow().Control("RadioGroup5")->findChildren<QRadioButton*>().at(1);
        seismic->click();
        ASSERT_EQ(window_->Conditions().Controls().Index("RadioGroup5"), 1);
        window_->AllowableStress().SetIndex(allowable_stress::kDesignCase, 1);
    }

    ResultsWindow& Results() { return window_->ResultsView(); }
    bool SummaryTabShown() {
        auto* pages = Results().findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        auto* page = Results().findChild<QWidget*>(QStringLiteral("TabSheetSummary"));
        return page != nullptr && pages->isTabVisible(pages->indexOf(page));
    }

    testing::TempDir dir_;
    ScriptedFileNames files_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(PairWindowTest, CommandsStandBesideTheRunsOwn) {
    auto* item = window_->findChild<QAction*>(QStringLiteral("N14"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(FromQString(item->text()), "2.常時・地震時一括計算");
    auto* run = window_->findChild<QAction*>(QStringLiteral("N13"));
    auto* runMenu = window_->findChild<QMenu*>(QStringLiteral("R1"));
    ASSERT_NE(runMenu, nullptr);
    const QList<QAction*> menu = runMenu->actions();
    ASSERT_GE(menu.indexOf(item), 1);
    EXPECT_EQ(menu.indexOf(item), menu.indexOf(run) + 1);

    auto* button = window_->findChild<QToolButton*>(QStringLiteral("ToolButton18"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(FromQString(button->text()), "一括計算");
    auto* bar = qobject_cast<QToolBar*>(button->parentWidget());
    ASSERT_NE(bar, nullptr);
    const QList<QAction*> actions = bar->actions();
    const auto start = actions.indexOf(window_->findChild<QAction*>(QStringLiteral("ToolButton17")));
    EXPECT_EQ(actions.indexOf(window_->findChild<QAction*>(QStringLiteral("ToolButton18"))), start + 1);

    // Before any pair run the results window has no selector and no summary page.
    EXPECT_EQ(Results().findChild<QComboBox*>(QStringLiteral("CaseSelector")), nullptr);
    EXPECT_EQ(Results().findChild<QWidget*>(QStringLiteral("TabSheetSummary")), nullptr);
}

TEST_F(PairWindowTest, AskedLikeTheRunAndRefusedInTheOrdinaryCase) {
    // No: nothing runs, the results window hides as for the run's own question.
    Answer({false});
    window_->ShowResults();
    QTest::mouseClick(window_->findChild<QToolButton*>(QStringLiteral("ToolButton18")), Qt::LeftButton);
    ASSERT_EQ(Texts(Kind::Confirm).size(), 1u);
    EXPECT_EQ(Texts(Kind::Confirm)[0], PairRunQuestion(window_->Conditions().Controls()));
    EXPECT_NE(Texts(Kind::Confirm)[0].find("3.[常時・地震時]\r"), std::string::npos);
    EXPECT_EQ(Texts(Kind::Confirm)[0].rfind("[荷重組合せ]は正しいですか。", 0), 0u);
    EXPECT_FALSE(Results().isVisible());
    EXPECT_EQ(window_->Pair(), nullptr);

    // Yes in the ordinary case: the refusal asks for 地震時.
    Answer({true});
    window_->findChild<QAction*>(QStringLiteral("N14"))->trigger();
    const std::vector<std::string> expected = {"[地震時]\r" + std::string(kPairNeedsSeismicMessage)};
    EXPECT_EQ(Texts(Kind::Message), expected);
    EXPECT_FALSE(Results().isVisible());
    EXPECT_EQ(window_->Pair(), nullptr);
    EXPECT_TRUE(window_->Results().List("ListBox7").Lines.empty());
}

TEST_F(PairWindowTest, SelectorSwitchesTheWholeDocumentWithoutRecomputing) {
    ChooseSeismicCase();
    const ControlStore before = window_->Conditions().Controls();
    const QSize singleSize = Results().size();
    Answer({true});
    window_->findChild<QAction*>(QStringLiteral("N14"))->trigger();
    ASSERT_TRUE(Texts(Kind::Message).empty()) << Texts(Kind::Message).front();
    ASSERT_NE(window_->Pair(), nullptr);
    EXPECT_TRUE(Results().isVisible());
    // The user's window stays in the seismic case, unchanged.
    EXPECT_EQ(window_->Conditions().Controls(), before);

    QComboBox* selector = Results().CaseSelector();
    ASSERT_NE(selector, nullptr);
    EXPECT_TRUE(selector->isVisible());
    // The selector's row adds to the window; the pages keep their room.
    EXPECT_GT(Results().height(), singleSize.height());
    EXPECT_EQ(Results().findChild<QTabWidget*>(QStringLiteral("PageControl1"))->height(),
              singleSize.height() - 4);
    EXPECT_EQ(FromQString(selector->currentText()), "常時");
    const PairDocuments& pair = *window_->Pair();
    for (const char* list : {"ListBox7", "ListBox3", "ListBox1", "ListBox8", "ListBox9"})
        EXPECT_EQ(Lines(*Results().ListBox(list)), pair.Ordinary.List(list).Lines) << list;
    ASSERT_NE(pair.Ordinary.List("ListBox3").Lines, pair.Seismic.List("ListBox3").Lines);

    // Conditions changed after the run do not reach the shown documents: switching
    // shows the stored case, it does not calculate.
    window_->Conditions().SetText("Edit14", "20");
    selector->setCurrentIndex(1);
    for (const char* list : {"ListBox7", "ListBox3", "ListBox1", "ListBox8", "ListBox9"})
        EXPECT_EQ(Lines(*Results().ListBox(list)), pair.Seismic.List(list).Lines) << list;
    EXPECT_EQ(window_->Results().Grid("StringGrid6").Cells, pair.Seismic.Grid("StringGrid6").Cells);
    EXPECT_EQ(FromQString(Results().Grid("StringGrid6")->item(1, 1)->text()), pair.Seismic.Grid("StringGrid6").Cell(1, 1));
    selector->setCurrentIndex(0);
    EXPECT_EQ(Lines(*Results().ListBox("ListBox3")), pair.Ordinary.List("ListBox3").Lines);

    // The summary page: one row per check and case, the verdicts in their colours.
    ASSERT_TRUE(SummaryTabShown());
    QTableWidget* table = Results().SummaryTable();
    ASSERT_EQ(table->rowCount(), static_cast<int>(pair.Summary.size()) + 1);
    EXPECT_EQ(FromQString(table->item(0, 6)->text()), "判定");
    bool seenOk = false, seenNo = false;
    for (std::size_t i = 0; i < pair.Summary.size(); ++i) {
        const SummaryRow& r = pair.Summary[i];
        QTableWidgetItem* verdict = table->item(static_cast<int>(i) + 1, 6);
        EXPECT_EQ(FromQString(verdict->text()), r.Ok ? "OK" : "NO");
        EXPECT_EQ(verdict->foreground().color(), ToQColor(r.Ok ? report_colours::clBlue : report_colours::clRed));
        EXPECT_EQ(FromQString(table->item(static_cast<int>(i) + 1, 0)->text()), DesignCaseName(r.Case));
        (r.Ok ? seenOk : seenNo) = true;
    }
    EXPECT_TRUE(seenOk && seenNo);

    // The text export writes the pair: the summary, then both documents unchanged.
    Answer({true});
    window_->findChild<QAction*>(QStringLiteral("N15"))->trigger();
    std::ifstream in(dir_.Path() / fs::path(std::string(kTextExportFileName)), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string ordinary =
        TextExportBytes(pair.Ordinary, ReadTextExportConditions(pair.Inputs.Ordinary.Conditions.Controls()));
    const std::string seismic =
        TextExportBytes(pair.Seismic, ReadTextExportConditions(pair.Inputs.Seismic.Conditions.Controls()));
    const auto at = bytes.find(ordinary);
    ASSERT_NE(at, std::string::npos);
    EXPECT_NE(bytes.find(seismic, at + ordinary.size()), std::string::npos);
    EXPECT_EQ(Texts(Kind::Info), std::vector<std::string>{"テキスト出力終わりました。"});

    // A single run afterwards: the window is the single run's again.
    Answer({true});
    QTest::mouseClick(window_->findChild<QToolButton*>(QStringLiteral("ToolButton17")), Qt::LeftButton);
    EXPECT_EQ(window_->Pair(), nullptr);
    EXPECT_FALSE(selector->isVisible());
    EXPECT_FALSE(SummaryTabShown());
    EXPECT_TRUE(Results().isVisible());
    EXPECT_EQ(Results().size(), singleSize);
}

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int PdfPages(const std::string& pdf) {
    const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

// After a pair the PDF export and the printed report carry the summary and both reports.
TEST_F(PairWindowTest, PdfAndPrintCarryBothCases) {
    ChooseSeismicCase();
    Answer({true});
    ASSERT_EQ(window_->RunPairWithQuestion(), RunStatus::Completed);

    Answer({true, false});
    window_->findChild<QAction*>(QStringLiteral("N34"))->trigger();
    const std::string pdf = ReadAll(dir_.Path() / fs::path(std::string(kPdfExportFileName)));
    // The summary page, then the twelve pages of each report of the default wall.
    EXPECT_NE(pdf.find("/Count 25\r\n"), std::string::npos);
    EXPECT_EQ(Texts(Kind::Info), std::vector<std::string>{"擁壁計算結果.pdfを作成しました"});

    const fs::path printed = dir_.Path() / "printed.pdf";
    window_->Printer().setOutputFormat(QPrinter::PdfFormat);
    window_->Printer().setOutputFileName(ToQString(printed.string()));
    Answer({true});
    window_->findChild<QAction*>(QStringLiteral("N17"))->trigger();
    ASSERT_TRUE(Texts(Kind::Message).empty()) << Texts(Kind::Message).front();
    EXPECT_EQ(Texts(Kind::Confirm).front(), kPrintAllQuestion);
    // Print-all of the default wall is twelve sheets per case.
    EXPECT_EQ(PdfPages(ReadAll(printed)), 1 + 2 * 12);
}

// A pair whose run fails (no stem height) names the case and shows nothing of it.
TEST_F(PairWindowTest, AFailedPairNamesItsCase) {
    ChooseSeismicCase();
    window_->Conditions().SetText("Edit38", "0");
    Answer({true});
    EXPECT_EQ(window_->RunPairWithQuestion(), RunStatus::Failed);
    EXPECT_EQ(Texts(Kind::Message), std::vector<std::string>{"[常時]\rFloating point division by zero"});
    EXPECT_FALSE(Results().isVisible());
    EXPECT_EQ(window_->Pair(), nullptr);
}

}  // namespace
}  // namespace stelvar::ui
