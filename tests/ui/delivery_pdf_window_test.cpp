// "編集(&E)" → "4.電子納品用PDF出力..." through the real main window: its place in the
// menu, the question and closing message, the single run's and the pair's pages, and a
// failure shown naming the file.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "../documents/temp_dir.h"
#include "delivery/delivery_pdf.h"
#include "forms/allowable_stress.h"
#include "ui/design_conditions_window.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_text.h"

namespace stelvar::ui {
namespace {

namespace fs = std::filesystem;
using Kind = ScriptedDialogs::Entry::Kind;

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

long Count(const std::string& pdf, const char* pattern) {
    const std::regex re(pattern);
    return std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), re), std::sregex_iterator());
}

class DeliveryPdfWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs_ = std::make_unique<ScriptedDialogs>(std::deque<bool>{}, true);
        window_ = std::make_unique<MainWindow>(*dialogs_, files_);
        window_->SetWorkingDirectory(dir_.Path());
        window_->show();
    }
    void Answer(std::deque<bool> answers) { *dialogs_ = ScriptedDialogs(std::move(answers), true); }
    std::vector<std::string> Texts(Kind kind) const { return dialogs_->Texts(kind); }
    QAction* Item(const char* name) { return window_->findChild<QAction*>(QString::fromUtf8(name)); }
    fs::path Target() const { return dir_.Path() / fs::path(std::string(kDeliveryPdfFileName)); }

    testing::TempDir dir_;
    ScriptedFileNames files_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(DeliveryPdfWindowTest, FollowsThePdfExportAndWritesThePrintAllPages) {
    QAction* item = Item("N38");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(FromQString(item->text()), "4.電子納品用PDF出力...");
    const QList<QAction*> menu = window_->findChild<QMenu*>(QStringLiteral("Edit1"))->actions();
    EXPECT_EQ(menu.indexOf(item), menu.indexOf(Item("N34")) + 1);
    // Commands are found by their names: no two items of the window share one.
    std::set<QString> names;
    for (const QAction* a : window_->findChildren<QAction*>())
        if (!a->objectName().isEmpty()) {
            EXPECT_TRUE(names.insert(a->objectName()).second) << FromQString(a->objectName());
        }

    Answer({true});
    QTest::mouseClick(window_->findChild<QToolButton*>(QStringLiteral("ToolButton17")), Qt::LeftButton);
    ASSERT_TRUE(Texts(Kind::Message).empty()) << Texts(Kind::Message).front();

    // No: nothing written.
    Answer({false});
    item->trigger();
    EXPECT_EQ(Texts(Kind::Confirm), std::vector<std::string>{std::string(kDeliveryPdfQuestion)});
    EXPECT_FALSE(fs::exists(Target()));

    Answer({true});
    item->trigger();
    EXPECT_EQ(Texts(Kind::Info), std::vector<std::string>{std::string(kDeliveryPdfWritten)});
    const std::string pdf = ReadAll(Target());
    EXPECT_EQ(pdf.rfind("%PDF-1.5", 0), 0u);
    EXPECT_EQ(Count(pdf, "/Type /Page\\b"), 12);
    // The PDF export's file is another command's.
    EXPECT_FALSE(fs::exists(dir_.Path() / "擁壁計算結果.pdf"));
}

TEST_F(DeliveryPdfWindowTest, AfterAPairTheSummaryAndBothCases) {
    auto* seismic = window_->ConditionsWindow().Control("RadioGroup5")->findChildren<QRadioButton*>().at(1);
    seismic->click();
    window_->AllowableStress().SetIndex(allowable_stress::kDesignCase, 1);
    Answer({true});
    ASSERT_EQ(window_->RunPairWithQuestion(), RunStatus::Completed);

    Answer({true});
    Item("N38")->trigger();
    ASSERT_TRUE(Texts(Kind::Message).empty()) << Texts(Kind::Message).front();
    const std::string pdf = ReadAll(Target());
    EXPECT_EQ(Count(pdf, "/Type /Page\\b"), 1 + 2 * 12);
}

TEST_F(DeliveryPdfWindowTest, AFailureIsShownNamingTheFile) {
    Answer({true});
    QTest::mouseClick(window_->findChild<QToolButton*>(QStringLiteral("ToolButton17")), Qt::LeftButton);
    const fs::path missing = dir_.Path() / "gone";
    window_->SetWorkingDirectory(missing);
    Answer({true});
    Item("N38")->trigger();
    ASSERT_EQ(Texts(Kind::Message).size(), 1u);
    EXPECT_NE(Texts(Kind::Message)[0].find((missing / "擁壁計算書.pdf").string()), std::string::npos)
        << Texts(Kind::Message)[0];
    EXPECT_TRUE(Texts(Kind::Info).empty());
}

}  // namespace
}  // namespace stelvar::ui
