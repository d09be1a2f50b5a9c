// The desktop program's windows that stay on top (design conditions, results, ground-
// constant diagram, the helper windows) must never hide a dialog: every message,
// question, information, file, print and preview dialog, and the information window,
// opens above all of them and takes the focus, wherever it was asked from. The stacking
// and the focus are read from the window manager itself.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "../documents/temp_dir.h"
#include "run/run_driver.h"
#include "ui/design_conditions_window.h"
#include "ui/ground_diagram_window.h"
#include "ui/info_window.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/results_window.h"
#include "ui/soil_tables_window.h"
#include "wm_session.h"
#include "x_session.h"

namespace stelvar::ui {
namespace {

namespace fs = std::filesystem;
using stelvar::testing::g_session;

// Long enough for a loaded machine; a dialog that settles sooner is looked at at once.
constexpr int kSettleMs = 10000;

std::string Name(const QWidget& w) {
    return FromQString(w.objectName().isEmpty() ? QString::fromLatin1(w.metaObject()->className())
                                                : w.objectName());
}

bool StaysOnTop(const QWidget& w) { return w.windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

// What the test saw of one dialog once the window manager had mapped and focused it
// (or once it gave up waiting).
struct Sight {
    std::string Kind;  // the dialog's class
    std::string Text;  // a message box's text; a file dialog's accept mode
    std::vector<std::string> Buttons;
    bool Managed = false;           // the window manager manages the dialog
    bool Focused = false;           // Qt and the window manager both have it active
    std::vector<std::string> Over;  // visible on-top windows stacked below the dialog
    std::vector<std::string> Hiding;  // visible on-top windows stacked above it, or unmanaged
};

// With STELVAR_WM_SHOTS=folder, the screen as the user sees it at each dialog.
void SaveScreen() {
    const QString folder = qEnvironmentVariable("STELVAR_WM_SHOTS");
    if (folder.isEmpty() || !QDir().mkpath(folder)) return;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    static int shots = 0;  // numbered in the order taken
    const QString name = QStringLiteral("%1_%2.png")
                             .arg(++shots, 2, 10, QLatin1Char('0'))
                             .arg(QString::fromLatin1(test ? test->name() : "dialog"));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        screen->grabWindow(0).save(QDir(folder).filePath(name));
}

// Where the window manager has put a dialog among the program's on-top windows.
Sight LookAt(QWidget& dialog) {
    const unsigned long id = dialog.winId();
    const std::vector<unsigned long> stack = g_session->Stacking();
    const auto at = [&stack](unsigned long window) {
        const auto it = std::find(stack.begin(), stack.end(), window);
        return it == stack.end() ? -1 : static_cast<int>(it - stack.begin());
    };
    Sight s;
    s.Kind = dialog.metaObject()->className();
    s.Managed = at(id) >= 0;
    s.Focused = QApplication::activeWindow() == &dialog && g_session->ActiveWindow() == id;
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        s.Text = FromQString(box->text());
        for (QAbstractButton* b : box->buttons()) s.Buttons.push_back(FromQString(b->text()));
    } else if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
        s.Text = files->acceptMode() == QFileDialog::AcceptSave ? "save" : "open";
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == &dialog || !w->isVisible() || !StaysOnTop(*w)) continue;
        const int position = at(w->winId());
        (position >= 0 && position < at(id) ? s.Over : s.Hiding).push_back(Name(*w));
    }
    std::sort(s.Over.begin(), s.Over.end());
    return s;
}

// Looks at every dialog a command opens, then answers it.
class DialogWatcher {
public:
    using Answer = std::function<void(QWidget& dialog)>;

    explicit DialogWatcher(std::vector<Answer> answers) : answers_(std::move(answers)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    }

    // Runs the command; its dialogs run their own event loops, in which the watcher ticks.
    void Run(const std::function<void()>& command) {
        timer_.start(20);
        command();
        timer_.stop();
    }

    const std::vector<Sight>& Sights() const { return sights_; }

private:
    void Tick() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible()) {
            seen_.invalidate();
            return;
        }
        if (!seen_.isValid()) seen_.start();
        Sight s = LookAt(*dialog);
        if (!(s.Managed && s.Focused) && seen_.elapsed() < kSettleMs) return;
        seen_.invalidate();
        SaveScreen();
        sights_.push_back(std::move(s));

        if (next_ < answers_.size()) {
            answers_[next_++](*dialog);
        } else if (auto* d = qobject_cast<QDialog*>(dialog)) {
            d->reject();  // not expected: the sight shows it, and the command goes on
        }
    }

    std::vector<Answer> answers_;
    std::size_t next_ = 0;
    std::vector<Sight> sights_;
    QTimer timer_;
    QElapsedTimer seen_;
};

DialogWatcher::Answer Press(QMessageBox::StandardButton which) {
    return [which](QWidget& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        QAbstractButton* button = box ? box->button(which) : nullptr;
        if (!button) {
            ADD_FAILURE() << "expected a message box with button " << which << ", got "
                          << dialog.metaObject()->className();
            if (auto* d = qobject_cast<QDialog*>(&dialog)) d->reject();
            return;
        }
        button->click();
    };
}

DialogWatcher::Answer Choose(const fs::path& file) {
    return [file](QWidget& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        if (!files) {
            ADD_FAILURE() << "expected a file dialog, got " << dialog.metaObject()->className();
            if (auto* d = qobject_cast<QDialog*>(&dialog)) d->reject();
            return;
        }
        // Typed into the file-name box, which has the focus (selectFile leaves a focused
        // box alone).
        auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name) {
            ADD_FAILURE() << "the file dialog has no file-name box";
            files->reject();
            return;
        }
        name->setText(ToQString(file.string()));
        // As the Open or Save button does.
        QMetaObject::invokeMethod(files, "accept", Qt::DirectConnection);
    };
}

// Cancels a dialog.
DialogWatcher::Answer Dismiss() {
    return [](QWidget& dialog) {
        if (auto* d = qobject_cast<QDialog*>(&dialog)) d->reject();
    };
}

// Each dialog above every visible on-top window, with the focus.
void ExpectAboveAndFocused(const std::vector<Sight>& sights, const std::vector<std::string>& onTop) {
    for (std::size_t i = 0; i < sights.size(); ++i) {
        const Sight& s = sights[i];
        SCOPED_TRACE(::testing::Message() << "dialog " << i + 1 << " " << s.Kind << " \"" << s.Text << "\"");
        EXPECT_TRUE(s.Managed);
        EXPECT_TRUE(s.Focused);
        EXPECT_TRUE(s.Hiding.empty()) << "hidden by " << ::testing::PrintToString(s.Hiding);
        EXPECT_EQ(s.Over, onTop);
    }
}

class DialogsAboveTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!g_session) {
            if (stelvar::testing::g_skip) GTEST_SKIP() << stelvar::testing::g_noSession;
            FAIL() << stelvar::testing::g_noSession;
        }
        window_ = std::make_unique<MainWindow>();
        window_->SetWorkingDirectory(dir_.Path());
        window_->showMaximized();
        // The start-up opens the design-conditions window and the ground-constant diagram.
        ASSERT_TRUE(QTest::qWaitFor(
            [this] {
                return Managed(*window_) && Managed(window_->ConditionsWindow()) &&
                       Managed(window_->GroundDiagram());
            },
            kSettleMs))
            << "the window manager did not map the start-up windows";
    }

    void TearDown() override {
        window_.reset();
        QTest::qWait(20);
    }

    static bool Managed(QWidget& w) {
        const std::vector<unsigned long> stack = g_session->Stacking();
        return std::find(stack.begin(), stack.end(), w.winId()) != stack.end();
    }

    // The person works in this window: it has the focus.
    static void Activate(QWidget& w) {
        w.raise();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor(
            [&w] { return QApplication::activeWindow() == &w && g_session->ActiveWindow() == w.winId(); },
            kSettleMs))
            << "could not give " << Name(w) << " the focus";
    }

    QToolButton& Button(const char* name) const {
        auto* b = window_->findChild<QToolButton*>(QString::fromLatin1(name));
        if (!b) throw std::runtime_error(std::string("no tool button ") + name);
        return *b;
    }

    std::vector<std::string> OnTop(std::initializer_list<const QWidget*> windows) const {
        std::vector<std::string> names;
        for (const QWidget* w : windows) names.push_back(Name(*w));
        std::sort(names.begin(), names.end());
        return names;
    }

    stelvar::testing::TempDir dir_;
    std::unique_ptr<MainWindow> window_;
};

// The case that made the program look frozen: "計算開始" on the design-conditions window.
TEST_F(DialogsAboveTest, StartQuestionOpensAboveTheDesignConditionsWindow) {
    ASSERT_NO_FATAL_FAILURE(Activate(window_->ConditionsWindow()));
    auto* start = window_->ConditionsWindow().findChild<QPushButton*>(QStringLiteral("SpeedButton1"));
    ASSERT_NE(start, nullptr);
    DialogWatcher watch({Press(QMessageBox::Yes)});
    watch.Run([&] { start->click(); });

    ASSERT_EQ(watch.Sights().size(), 1u);
    ExpectAboveAndFocused(watch.Sights(), OnTop({&window_->ConditionsWindow(), &window_->GroundDiagram()}));
    // Qt's own button texts speak Japanese (qt6-translations-l10n).
    EXPECT_EQ(watch.Sights()[0].Buttons, (std::vector<std::string>{"はい(&Y)", "いいえ(&N)"}));
    EXPECT_TRUE(window_->ResultsView().isVisible());
}

// Sets an environment variable for the scope; null removes it.
class EnvironmentScope {
public:
    EnvironmentScope(const char* name, const char* value) : name_(name), had_(qEnvironmentVariableIsSet(name)) {
        if (had_) old_ = qgetenv(name);
        if (value) qputenv(name, value);
        else qunsetenv(name);
    }
    ~EnvironmentScope() {
        if (had_) qputenv(name_, old_);
        else qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

// Question, information and question of the PDF export, and the message that no viewer
// could be opened, asked while the results window, which also stays on top, has the
// focus.
TEST_F(DialogsAboveTest, ExportQuestionsInformationAndMessageOpenAboveTheResultsWindow) {
    ASSERT_EQ(window_->RunAtOnce(), RunStatus::Completed);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Managed(window_->ResultsView()); }, kSettleMs));
    ASSERT_NO_FATAL_FAILURE(Activate(window_->ResultsView()));
    // Qt finds the desktop's viewer (xdg-open, a browser) on the PATH: with none there,
    // the viewer cannot be opened on any machine.
    const EnvironmentScope noPrograms("PATH", "");
    const EnvironmentScope noBrowser("BROWSER", nullptr);
    const EnvironmentScope noDefaultBrowser("DEFAULT_BROWSER", nullptr);
    DialogWatcher watch(
        {Press(QMessageBox::Yes), Press(QMessageBox::Ok), Press(QMessageBox::Yes), Press(QMessageBox::Ok)});
    watch.Run([&] { window_->findChild<QAction*>(QStringLiteral("N34"))->trigger(); });

    ASSERT_EQ(watch.Sights().size(), 4u);
    EXPECT_EQ(watch.Sights()[1].Text, "擁壁計算結果.pdfを作成しました");
    const fs::path pdf = dir_.Path() / fs::path(std::string("擁壁計算結果.pdf"));
    EXPECT_EQ(watch.Sights()[3].Text,
              "PDFを表示するソフトを起動できませんでした。\n\nファイルは\n　" + pdf.string() + "\nにあります。");
    ExpectAboveAndFocused(watch.Sights(), OnTop({&window_->ConditionsWindow(), &window_->ResultsView(),
                                                 &window_->GroundDiagram()}));
    EXPECT_TRUE(fs::exists(pdf));
}

// The file dialogs with the messages after them, and the printer setup, asked from the
// main window: the main window itself is below the on-top windows.
TEST_F(DialogsAboveTest, FileAndPrintDialogsOpenAboveTheOnTopWindowsFromTheMainWindow) {
    const fs::path file = dir_.Path() / "wall.dat";
    const auto onTop = OnTop({&window_->ConditionsWindow(), &window_->GroundDiagram()});

    ASSERT_NO_FATAL_FAILURE(Activate(*window_));
    DialogWatcher save({Choose(file), Press(QMessageBox::Ok)});
    save.Run([&] { Button("ToolButton4").click(); });
    ASSERT_EQ(save.Sights().size(), 2u);
    EXPECT_EQ(save.Sights()[0].Text, "save");
    EXPECT_EQ(save.Sights()[1].Text, "設計条件を保存しました。");
    ExpectAboveAndFocused(save.Sights(), onTop);
    ASSERT_TRUE(fs::exists(file));

    ASSERT_NO_FATAL_FAILURE(Activate(*window_));
    DialogWatcher load({Choose(file), Press(QMessageBox::Ok)});
    load.Run([&] { Button("ToolButton3").click(); });
    ASSERT_EQ(load.Sights().size(), 2u);
    EXPECT_EQ(load.Sights()[0].Text, "open");
    EXPECT_EQ(load.Sights()[1].Text, "設計条件を読込みました。");
    ExpectAboveAndFocused(load.Sights(), onTop);

    // The printer setup is Qt's print dialog.
    ASSERT_NO_FATAL_FAILURE(Activate(*window_));
    DialogWatcher printer({Dismiss()});
    printer.Run([&] { window_->findChild<QAction*>(QStringLiteral("N33"))->trigger(); });
    ASSERT_EQ(printer.Sights().size(), 1u);
    EXPECT_EQ(printer.Sights()[0].Kind, "QPrintDialog");
    ExpectAboveAndFocused(printer.Sights(), onTop);
}

// A print preview hides the design-conditions and results windows while it is open, but
// the helper windows stay: the soil tables here.
TEST_F(DialogsAboveTest, PrintPreviewOpensAboveTheHelperWindows) {
    ASSERT_EQ(window_->RunAtOnce(), RunStatus::Completed);
    window_->ShowSoilConstants(QPoint(0, 83));
    ASSERT_TRUE(QTest::qWaitFor([this] { return Managed(window_->SoilTablesView()); }, kSettleMs));
    DialogWatcher watch({Dismiss()});
    watch.Run([&] { window_->findChild<QAction*>(QStringLiteral("N4"))->trigger(); });
    ASSERT_EQ(watch.Sights().size(), 1u);
    EXPECT_EQ(watch.Sights()[0].Kind, "QPrintPreviewDialog");
    ExpectAboveAndFocused(watch.Sights(), OnTop({&window_->SoilTablesView()}));
}

// "このシステムは..." is a small window of its own, not a modal box, centred where the
// design-conditions window is.
TEST_F(DialogsAboveTest, InformationWindowOpensAboveTheOnTopWindows) {
    ASSERT_NO_FATAL_FAILURE(Activate(*window_));
    window_->findChild<QAction*>(QStringLiteral("N24"))->trigger();
    QWidget& info = window_->Information();
    // Looked at once it has settled, or after the wait whatever its state.
    (void)QTest::qWaitFor(
        [&info] {
            const Sight s = LookAt(info);
            return s.Managed && s.Focused;
        },
        kSettleMs);
    SaveScreen();
    ExpectAboveAndFocused({LookAt(info)}, OnTop({&window_->ConditionsWindow(), &window_->GroundDiagram()}));
}

// 寸法自動設定 writes into the design-conditions window, which stays on top: the dialog
// opens above it, with the focus.
TEST_F(DialogsAboveTest, SizingDialogOpensAboveTheOnTopWindows) {
    ASSERT_NO_FATAL_FAILURE(Activate(*window_));
    window_->findChild<QAction*>(QStringLiteral("N37"))->trigger();
    auto* dialog = window_->findChild<QWidget*>(QStringLiteral("SizingDialog"));
    ASSERT_NE(dialog, nullptr);
    (void)QTest::qWaitFor(
        [dialog] {
            const Sight s = LookAt(*dialog);
            return s.Managed && s.Focused;
        },
        kSettleMs);
    SaveScreen();
    ExpectAboveAndFocused({LookAt(*dialog)}, OnTop({&window_->ConditionsWindow(), &window_->GroundDiagram()}));
}

}  // namespace
}  // namespace stelvar::ui
