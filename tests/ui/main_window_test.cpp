// The main window driven through its real menu items and tool buttons, with scripted
// answers to its questions and file dialogs, writing into a temporary folder.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../documents/temp_dir.h"
#include "documents/figure_export.h"
#include "documents/text_export.h"
#include "pdf/pdf_export.h"
#include "run/run_driver.h"
#include "ui/allowable_stress_window.h"
#include "ui/design_conditions_window.h"
#include "ui/ground_diagram_window.h"
#include "ui/info_window.h"
#include "ui/keypad_window.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_text.h"
#include "ui/results_window.h"
#include "ui/soil_tables_window.h"

namespace stelvar::ui {
namespace {

namespace fs = std::filesystem;
using Kind = ScriptedDialogs::Entry::Kind;

fs::path U8(const char* utf8) { return fs::path(std::string(utf8)); }

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class MainWindowTest : public ::testing::Test {
protected:
    void Open(std::deque<bool> answers = {}) {
        dialogs_ = std::make_unique<ScriptedDialogs>(std::move(answers), true);
        window_ = std::make_unique<MainWindow>(*dialogs_, files_);
        window_->SetWorkingDirectory(dir_.Path());
        window_->SetDocumentOpener([this](const fs::path& f) {
            opened_.push_back(f);
            return viewerStarts_;
        });
        window_->show();
    }

    // A new script of answers for the commands that follow.
    void Answer(std::deque<bool> answers) { *dialogs_ = ScriptedDialogs(std::move(answers), true); }

    QToolButton* Button(const char* name) const {
        auto* b = window_->findChild<QToolButton*>(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    void Click(const char* name) const { QTest::mouseClick(Button(name), Qt::LeftButton); }
    QAction* Item(const char* name) const {
        auto* a = window_->findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    void Trigger(const char* name) const { Item(name)->trigger(); }
    std::vector<std::string> Texts(Kind kind) const { return dialogs_->Texts(kind); }

    // Whether the results window shows the tab of a page.
    bool ResultsTabShown(const char* page) const {
        QWidget* p = window_->ResultsView().findChild<QWidget*>(QString::fromLatin1(page));
        for (QWidget* w = p ? p->parentWidget() : nullptr; w; w = w->parentWidget())
            if (auto* tabs = qobject_cast<QTabWidget*>(w)) return tabs->isTabVisible(tabs->indexOf(p));
        ADD_FAILURE() << "no page " << page;
        return false;
    }

    testing::TempDir dir_;
    ScriptedFileNames files_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<MainWindow> window_;
    std::vector<fs::path> opened_;
    bool viewerStarts_ = true;  // what the document opener answers
};

TEST_F(MainWindowTest, StartsWithCaptionMenuToolBarsAndStatusBar) {
    Open();
    EXPECT_EQ(FromQString(window_->windowTitle()), "Vantorel （Stelvar） Ver3.0");
    EXPECT_EQ(window_->ProjectTitle(), "");
    EXPECT_TRUE(window_->ConditionsWindow().isVisible());
    EXPECT_FALSE(window_->ResultsView().isVisible());

    struct ButtonText {
        const char* Name;
        const char* Bar;
        const char* Caption;
        const char* Hint;
    };
    const ButtonText buttons[] = {
        {"ToolButton1", "ToolBar1", "終了", "終了"},       {"ToolButton3", "ToolBar1", "開く", "読込"},
        {"ToolButton4", "ToolBar1", "保存", "保存"},       {"ToolButton5", "ToolBar1", "印刷", "印刷"},
        {"ToolButton10", "ToolBar1", "ﾃｷｽﾄ", "ﾃｷｽﾄ出力"}, {"ToolButton7", "ToolBar1", "WMF", "ﾒﾀﾌｧｲﾙ出力"},
        {"ToolButton6", "ToolBar1", "PDF", "PDF出力"},     {"ToolButton16", "ToolBar3", "設計条件", ""},
        {"ToolButton11", "ToolBar3", "計算結果", ""},      {"ToolButton13", "ToolBar3", "土質定数", ""},
        {"ToolButton14", "ToolBar3", "土圧係数", ""},      {"ToolButton8", "ToolBar3", "支持力係数", ""},
        {"ToolButton17", "ToolBar3", "計算開始", ""},
    };
    for (const ButtonText& b : buttons) {
        SCOPED_TRACE(b.Name);
        QToolButton* button = Button(b.Name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(FromQString(button->text()), b.Caption);
        EXPECT_EQ(FromQString(button->toolTip()), *b.Hint ? b.Hint : b.Caption);
        EXPECT_TRUE(button->isEnabled());
        EXPECT_EQ(FromQString(button->parentWidget()->objectName()), b.Bar);
    }

    const std::pair<const char*, const char*> items[] = {
        {"File1", "ファイル(&F)"},  {"N11", "1.設計条件読込..."}, {"N21", "2.設計条件保存..."},
        {"N61", "3.終了..."},       {"Print1", "印刷(&P)"},       {"N17", "1.計算書印刷"},
        {"N23", "2.計算書ﾌﾟﾚﾋﾞｭｰ"}, {"N110", "1．滑動、転倒、支持力"}, {"N27", "Ⅳ-2．構造計算(底版)"},
        {"N33", "3.プリンタ設定..."}, {"N15", "1.テキスト出力..."}, {"N2Word1", "2.ﾒﾀﾌｧｲﾙ出力..."},
        {"N34", "3.PDF出力..."},     {"N12", "1.計算結果"},       {"N22", "2.土質定数表"},
        {"N32", "3.土圧係数"},       {"R1", "実行(&R)"},          {"N13", "1.計算開始"},
        {"S1", "システム(&S)"},      {"N24", "2.このシステムは..."},
    };
    for (const auto& [name, caption] : items) {
        SCOPED_TRACE(name);
        QAction* item = Item(name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(FromQString(item->text()), caption);
        EXPECT_TRUE(item->isEnabled());
    }

    // The default gravity wall has toe and heel and no key.
    EXPECT_TRUE(Item("N19")->isVisible());
    EXPECT_EQ(FromQString(Item("N29")->text()), "2．かかと版...");
    EXPECT_FALSE(Item("N31")->isVisible());
    EXPECT_TRUE(ResultsTabShown("TabSheet13"));
    EXPECT_TRUE(ResultsTabShown("TabSheet14"));
    EXPECT_FALSE(ResultsTabShown("TabSheet15"));

    EXPECT_EQ(window_->StatusPanelWidths()[0], std::max(0, window_->statusBar()->width() - 160));
    EXPECT_EQ(window_->StatusPanelWidths()[1], 100);
    EXPECT_EQ(window_->StatusPanelWidths()[2], 180);
}

TEST_F(MainWindowTest, SavesAndLoadsDesignConditionsThroughTheCommands) {
    Open();
    const fs::path file = dir_.Path() / U8("擁壁A.dat");
    files_.Push(file);
    Click("ToolButton4");
    ASSERT_TRUE(fs::exists(file));
    const std::string bytes = ReadFile(file);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 169);
    EXPECT_EQ(window_->ProjectTitle(), "擁壁A");
    EXPECT_EQ(window_->Conditions().Caption(), "設計条件 擁壁A");
    EXPECT_EQ(Texts(Kind::Message), std::vector<std::string>{"設計条件を保存しました。"});
    EXPECT_EQ(files_.Folders().back(), dir_.Path());

    // Change a box, then load the file back through the menu.
    window_->Conditions().SetText("Edit15", "18.5");
    window_->ConditionsWindow().SyncFromModel();
    files_.Push(file);
    Trigger("N11");
    EXPECT_EQ(window_->Conditions().Controls().Text("Edit15"), "20");
    if (auto* box = qobject_cast<QLineEdit*>(window_->ConditionsWindow().Control("Edit15"))) {
        EXPECT_EQ(FromQString(box->text()), "20");
    }
    EXPECT_EQ(Texts(Kind::Message).back(), "設計条件を読込みました。");

    // A cancelled dialog changes nothing and says nothing.
    const std::size_t shown = dialogs_->Shown().size();
    Trigger("N21");
    Click("ToolButton3");
    EXPECT_EQ(dialogs_->Shown().size(), shown);
    EXPECT_EQ(window_->ProjectTitle(), "擁壁A");
}

TEST_F(MainWindowTest, FileErrorsAreShownAndKeepWhatWasApplied) {
    Open();
    // A file that cannot be read changes nothing, not even the title.
    files_.Push(dir_.Path() / "missing.dat");
    Trigger("N11");
    ASSERT_EQ(Texts(Kind::Message).size(), 1u);
    EXPECT_NE(Texts(Kind::Message)[0].find("missing.dat"), std::string::npos);
    EXPECT_EQ(window_->ProjectTitle(), "");

    // A file cut short after line 10 stops at line 16 with the conversion error; the
    // lines before are applied and the title is the file's.
    const fs::path shortFile = dir_.Path() / "short.dat";
    {
        std::ofstream out(shortFile, std::ios::binary);
        out << "1\r\n21\r\n33\r\n0\r\n18\r\n30\r\n0\r\n0.5\r\n19\r\n35\r\n";
    }
    files_.Push(shortFile);
    Trigger("N11");
    EXPECT_EQ(Texts(Kind::Message).back(), "'' is not a valid integer value");
    EXPECT_EQ(window_->Conditions().Controls().Text("Edit15"), "21");
    EXPECT_EQ(window_->ProjectTitle(), "short");

    // A save that cannot be written reports the file and keeps the title.
    files_.Push(dir_.Path() / "no such folder" / "x.dat");
    Trigger("N21");
    EXPECT_NE(Texts(Kind::Message).back().find("x.dat"), std::string::npos);
    EXPECT_EQ(window_->ProjectTitle(), "short");
}

TEST_F(MainWindowTest, LoadingALeaningWallSetsTheSlabMenu) {
    Open();
    DesignConditionsForm& form = window_->Conditions();
    form.SetIndex("PageControl2", 1);
    form.SetIndex("RadioGroup2", 1);
    form.SetText("Edit58", "0");
    const fs::path file = dir_.Path() / "leaning.dat";
    files_.Push(file);
    Trigger("N21");
    form.SetIndex("PageControl2", 0);
    form.SetIndex("RadioGroup2", 0);
    window_->UpdateSlabMenu();
    EXPECT_TRUE(Item("N29")->isVisible());

    files_.Push(file);
    Trigger("N11");
    EXPECT_TRUE(Item("N27")->isVisible());
    EXPECT_FALSE(Item("N19")->isVisible());
    EXPECT_FALSE(Item("N29")->isVisible());
    EXPECT_TRUE(Item("N31")->isVisible());
    EXPECT_EQ(FromQString(Item("N31")->text()), "1．突起...");
    EXPECT_EQ(window_->Slabs().KeyPage.Title, "Ⅳ-2．構造計算：底版(突起)");
    EXPECT_EQ(window_->Slabs().KeyPage.Number, "9");
    EXPECT_FALSE(ResultsTabShown("TabSheet13"));
    EXPECT_FALSE(ResultsTabShown("TabSheet14"));
    EXPECT_TRUE(ResultsTabShown("TabSheet15"));
}

TEST_F(MainWindowTest, WallTypeTabOfTheConditionsWindowSetsTheSlabMenu) {
    Open();
    auto* types = qobject_cast<QTabWidget*>(window_->ConditionsWindow().Control("PageControl2"));
    ASSERT_NE(types, nullptr);
    QTabBar* bar = types->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    ASSERT_EQ(window_->Conditions().Controls().Index("PageControl2"), 1);
    EXPECT_FALSE(Item("N29")->isVisible());
    EXPECT_EQ(window_->Slabs().HeelPage.Title, "-");
    EXPECT_FALSE(ResultsTabShown("TabSheet14"));
}

TEST_F(MainWindowTest, RunsWithAndWithoutTheQuestion) {
    Open({false});
    // "計算開始" answered No: the results window is hidden, even when shown by hand.
    Click("ToolButton11");
    ASSERT_TRUE(window_->ResultsView().isVisible());
    Click("ToolButton17");
    ASSERT_EQ(Texts(Kind::Confirm).size(), 1u);
    EXPECT_EQ(Texts(Kind::Confirm)[0], LoadCombinationQuestion(window_->Conditions().Controls()));
    EXPECT_FALSE(window_->ResultsView().isVisible());
    EXPECT_TRUE(window_->Results().List("ListBox7").Lines.empty());

    // Yes: the document is written and shown.
    Answer({true});
    Click("ToolButton17");
    EXPECT_TRUE(window_->ResultsView().isVisible());
    ASSERT_FALSE(window_->Results().List("ListBox7").Lines.empty());
    QListWidget* list = window_->ResultsView().ListBox("ListBox7");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), static_cast<int>(window_->Results().List("ListBox7").Lines.size()));

    // "計算開始" of the design-conditions window asks the same question.
    window_->ResultsView().hide();
    Answer({true});
    auto* start = qobject_cast<QAbstractButton*>(window_->ConditionsWindow().Control("SpeedButton1"));
    ASSERT_NE(start, nullptr);
    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_EQ(Texts(Kind::Confirm).size(), 1u);
    EXPECT_TRUE(window_->ResultsView().isVisible());

    // "1.計算開始" runs at once.
    window_->ResultsView().hide();
    Answer({false});
    Trigger("N13");
    EXPECT_TRUE(Texts(Kind::Confirm).empty());
    EXPECT_TRUE(window_->ResultsView().isVisible());
    EXPECT_TRUE(Texts(Kind::Message).empty());
}

// A run abandoned on a box that is not a number shows the message and not the results.
TEST_F(MainWindowTest, FailedRunShowsTheMessageAndLeavesTheResultsHidden) {
    Open();
    // Only the calculation finds that a wall without stem height has no back-face angle.
    window_->Conditions().SetText("Edit38", "0");
    EXPECT_EQ(window_->RunAtOnce(), RunStatus::Failed);
    EXPECT_EQ(Texts(Kind::Message), std::vector<std::string>{"Floating point division by zero"});
    EXPECT_FALSE(window_->ResultsView().isVisible());
}

TEST_F(MainWindowTest, ExportsWriteIntoTheWorkingFolder) {
    Open();
    Trigger("N13");
    ASSERT_TRUE(window_->ResultsView().isVisible());

    // Text: No writes nothing; Yes writes the file and says so.
    Answer({false});
    Click("ToolButton10");
    EXPECT_FALSE(fs::exists(dir_.Path() / U8("擁壁.txt")));
    Answer({true});
    Trigger("N15");
    EXPECT_TRUE(fs::exists(dir_.Path() / U8("擁壁.txt")));
    EXPECT_EQ(Texts(Kind::Info), std::vector<std::string>{"テキスト出力終わりました。"});

    // Figures: the files the wall calls for.
    Answer({true});
    Click("ToolButton7");
    const auto expected = FiguresToWrite(ReadTextExportConditions(window_->Conditions().Controls()));
    ASSERT_EQ(expected.size(), 9u);
    for (const FigureFile& f : expected)
        EXPECT_TRUE(fs::exists(dir_.Path() / fs::path(std::string(f.FileName)))) << f.FileName;
    EXPECT_EQ(Texts(Kind::Info), std::vector<std::string>{"メタファイル出力終わりました。"});

    // PDF: shown in the viewer only when asked.
    const fs::path pdf = dir_.Path() / U8("擁壁計算結果.pdf");
    Answer({true, false});
    Click("ToolButton6");
    EXPECT_TRUE(fs::exists(pdf));
    EXPECT_TRUE(opened_.empty());
    Answer({true, true});
    Trigger("N34");
    EXPECT_EQ(opened_, std::vector<fs::path>{pdf});
    EXPECT_TRUE(Texts(Kind::Message).empty());
    EXPECT_EQ(ReadFile(pdf).rfind("%PDF-1.2", 0), 0u);

    // No viewer could be started: Yes must not end in silence, and the message says
    // where the file is.
    viewerStarts_ = false;
    Answer({true, true});
    Trigger("N34");
    EXPECT_EQ(opened_.size(), 2u);
    std::string noViewer = "PDFを表示するソフトを起動できませんでした。\r\rファイルは\r　";
    noViewer += pdf.string();
    noViewer += "\rにあります。";
    EXPECT_EQ(Texts(Kind::Message), std::vector<std::string>{noViewer});
}

TEST_F(MainWindowTest, ExportErrorIsShownWithoutWritingAnything) {
    Open();
    window_->Conditions().SetText("Edit39", "x");
    Click("ToolButton10");
    EXPECT_EQ(Texts(Kind::Message), std::vector<std::string>{"'x' is not a valid floating point value"});
    EXPECT_TRUE(Texts(Kind::Confirm).empty());
    EXPECT_TRUE(dir_.Entries().empty());
}

TEST_F(MainWindowTest, HelperWindowsOpenFromBoxesButtonsAndMenu) {
    Open();
    // Start-up shows the ground-constant diagram beside the design-conditions window.
    EXPECT_TRUE(window_->GroundDiagram().isVisible());
    window_->GroundDiagram().close();
    EXPECT_FALSE(window_->Keypad().isVisible());
    const auto press = [this](const char* key) {
        QTest::mouseClick(window_->Keypad().Key(QString::fromUtf8(key)), Qt::LeftButton);
    };

    // A soil box opens the keypad and the diagram; the keypad posts into the box.
    DesignConditionsWindow& design = window_->ConditionsWindow();
    auto* gamma = qobject_cast<QLineEdit*>(design.Control("Edit15"));
    QTest::mouseClick(gamma, Qt::LeftButton);
    EXPECT_TRUE(window_->Keypad().isVisible());
    EXPECT_TRUE(window_->GroundDiagram().isVisible());
    EXPECT_EQ(window_->Keypad().pos(), KeypadPlacement(*gamma));
    press("2");
    press("1");
    press("転記");
    EXPECT_EQ(window_->Conditions().Controls().Text("Edit15"), "21");
    EXPECT_EQ(gamma->text(), QStringLiteral("21"));

    // Another box: the keypad only.
    window_->GroundDiagram().close();
    QTest::mouseClick(design.Control("Edit50"), Qt::LeftButton);
    EXPECT_TRUE(window_->Keypad().isVisible());
    EXPECT_FALSE(window_->GroundDiagram().isVisible());
    press("取消");

    // The soil tables from the tool button, the menu and "基礎地盤定数".
    Click("ToolButton13");
    EXPECT_TRUE(window_->SoilTablesView().isVisible());
    EXPECT_EQ(window_->SoilTablesView().pos(), QPoint(0, 70));
    window_->SoilTablesView().close();
    Trigger("N22");
    EXPECT_EQ(window_->SoilTablesView().pos(), QPoint(0, 83));
    window_->SoilTablesView().close();
    QTest::mouseClick(qobject_cast<QAbstractButton*>(design.Control("SpeedButton2")), Qt::LeftButton);
    EXPECT_TRUE(window_->SoilTablesView().isVisible());

    // "許容応力度" shows the allowable stresses the run reads; its boxes take the keypad.
    QTest::mouseClick(qobject_cast<QAbstractButton*>(design.Control("SpeedButton3")), Qt::LeftButton);
    AllowableStressWindow& stresses = window_->AllowableStressView();
    ASSERT_TRUE(stresses.isVisible());
    EXPECT_EQ(&stresses.Form(), &window_->AllowableStress());
    QTest::mouseClick(stresses.Control("Edit1"), Qt::LeftButton);
    EXPECT_EQ(window_->KeypadModel().Target(), (KeypadTarget{9, "Edit1"}));
    press("5");
    press("転記");
    EXPECT_EQ(window_->AllowableStress().Controls().Text("Edit1"), "5");
    EXPECT_EQ(qobject_cast<QLineEdit*>(stresses.Control("Edit1"))->text(), QStringLiteral("5"));
    EXPECT_EQ(window_->Conditions().Controls().Text("Edit23"), "4.5");
}

TEST_F(MainWindowTest, ExitAsksFirstAndInformationWindowHidesOnOk) {
    Open({false});
    Click("ToolButton1");
    EXPECT_EQ(Texts(Kind::Confirm), std::vector<std::string>{"終了しますか。"});
    EXPECT_TRUE(window_->isVisible());

    Trigger("N24");
    ASSERT_TRUE(window_->Information().isVisible());
    QTest::mouseClick(window_->Information().OkButton(), Qt::LeftButton);
    EXPECT_FALSE(window_->Information().isVisible());

    Answer({true});
    Trigger("N61");
    EXPECT_FALSE(window_->isVisible());
}

}  // namespace
}  // namespace stelvar::ui
