// "システム(&S)" → "3.検証報告書" of the real main window: the report is written into the
// working folder and handed to the viewer; without a viewer the window says where it is.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../documents/temp_dir.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_text.h"

namespace stelvar::ui {
namespace {

namespace fs = std::filesystem;
using Kind = ScriptedDialogs::Entry::Kind;

TEST(VerificationMenu, WritesTheReportAndOpensIt) {
    testing::TempDir dir;
    ScriptedDialogs dialogs;
    ScriptedFileNames files;
    MainWindow window(dialogs, files);
    window.SetWorkingDirectory(dir.Path());
    std::vector<fs::path> opened;
    bool viewerStarts = true;
    window.SetDocumentOpener([&](const fs::path& f) {
        opened.push_back(f);
        return viewerStarts;
    });
    window.show();

    auto* item = window.findChild<QAction*>(QStringLiteral("N35"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(FromQString(item->text()), "3.検証報告書");
    auto* menu = window.findChild<QMenu*>(QStringLiteral("S1"));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->actions().contains(item));

    const fs::path pdf = dir.Path() / fs::path(std::string("検証報告書.pdf"));
    item->trigger();
    ASSERT_TRUE(fs::exists(pdf));
    EXPECT_EQ(opened, std::vector<fs::path>{pdf});
    EXPECT_TRUE(dialogs.Texts(Kind::Message).empty());
    std::ifstream in(pdf, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u);
    EXPECT_NE(bytes.find("%%EOF"), std::string::npos);

    // No viewer: the message of the PDF export, naming the file.
    viewerStarts = false;
    item->trigger();
    std::string noViewer = "PDFを表示するソフトを起動できませんでした。\r\rファイルは\r　";
    noViewer += pdf.string();
    noViewer += "\rにあります。";
    EXPECT_EQ(dialogs.Texts(Kind::Message), std::vector<std::string>{noViewer});
}

}  // namespace
}  // namespace stelvar::ui
