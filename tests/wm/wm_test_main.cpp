// The desktop program under a real window manager: the test program starts its own
// Xvfb and openbox, then one QApplication on that display, set up as the desktop
// program sets itself up.

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <memory>

#include "ui/qt_translations.h"
#include "wm_session.h"
#include "x_session.h"

namespace stelvar::testing {

XSession* g_session = nullptr;
std::string g_noSession;
bool g_skip = false;

}  // namespace stelvar::testing

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (as the build does) needs no display.
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();

    using stelvar::testing::XSession;
    XSession::Outcome outcome = XSession::Outcome::Failed;
    std::unique_ptr<XSession> session = XSession::Start(outcome, stelvar::testing::g_noSession);
    if (!session) {
        stelvar::testing::g_skip = outcome == XSession::Outcome::NoXvfb;
        return RUN_ALL_TESTS();
    }
    stelvar::testing::g_session = session.get();
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    int result = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Stelvar"));
        stelvar::ui::InstallQtJapanese(app);
        result = RUN_ALL_TESTS();
    }
    stelvar::testing::g_session = nullptr;
    return result;
}
