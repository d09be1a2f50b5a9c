// stelvar: the desktop program.

#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stelvar"));
    stelvar::ui::MainWindow window;
    window.showMaximized();
    return QApplication::exec();
}
