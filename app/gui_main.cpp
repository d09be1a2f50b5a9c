// stelvar: the desktop program.

#include <QApplication>

#include <csignal>
#include <cstdio>

#include "ui/main_window.h"
#include "ui/qt_translations.h"

int main(int argc, char** argv) {
    // A write beyond the file-size limit then fails with EFBIG and its clear message, and
    // the temporary file is removed, instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stelvar"));
    if (!stelvar::ui::InstallQtJapanese(app))
        std::fprintf(stderr, "stelvar: Qt's Japanese texts (qtbase_ja.qm, Debian package "
                             "qt6-translations-l10n) are not installed; Qt's buttons and dialogs stay in English\n");
    stelvar::ui::MainWindow window;
    window.showMaximized();
    return QApplication::exec();
}
