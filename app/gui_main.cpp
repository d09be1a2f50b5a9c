// stelvar: the desktop program.

#include <QApplication>

#include <csignal>

#include "ui/main_window.h"

int main(int argc, char** argv) {
    // A write beyond the file-size limit then fails with EFBIG and its clear message, and
    // the temporary file is removed, instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stelvar"));
    stelvar::ui::MainWindow window;
    window.showMaximized();
    return QApplication::exec();
}
