// stelvar: the desktop program.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stelvar"));
    QLabel placeholder(QStringLiteral("Vantorel （Stelvar） Ver3.0"));
    placeholder.show();
    return QApplication::exec();
}
