#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include <algorithm>

#include "ui/qt_text.h"

namespace stelvar::ui {
namespace {

QString BoxText(std::string_view text) {
    QString s = ToQString(text);
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

bool AnyWindowStaysOnTop() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* w) {
        return w->isVisible() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    });
}

}  // namespace

QWidget* DialogOwner(QWidget* fallback) {
    if (QWidget* active = QApplication::activeWindow()) return active;
    return fallback ? fallback->window() : nullptr;
}

void KeepAboveOnTopWindows(QWidget& dialog) {
    // Among windows that stay on top the window manager stacks the one shown last
    // highest, so the dialog opens above them all.
    if (AnyWindowStaysOnTop()) dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void QtDialogs::Message(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Stelvar"), BoxText(text), QMessageBox::Ok,
                    DialogOwner(parent_));
    KeepAboveOnTopWindows(box);
    if (nextPosition_) box.move(*std::exchange(nextPosition_, std::nullopt));
    box.exec();
}

bool QtDialogs::Confirm(std::string_view text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Stelvar"), BoxText(text),
                    QMessageBox::Yes | QMessageBox::No, DialogOwner(parent_));
    KeepAboveOnTopWindows(box);
    box.setDefaultButton(QMessageBox::Yes);
    if (nextPosition_) box.move(*std::exchange(nextPosition_, std::nullopt));
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::Info(std::string_view text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Stelvar"), BoxText(text),
                    QMessageBox::Ok, DialogOwner(parent_));
    KeepAboveOnTopWindows(box);
    if (nextPosition_) box.move(*std::exchange(nextPosition_, std::nullopt));
    box.exec();
}

namespace {

std::optional<std::filesystem::path> AskFileName(QWidget* parent, const std::filesystem::path& folder,
                                                 QFileDialog::AcceptMode mode) {
    QFileDialog dialog(DialogOwner(parent), QString(), ToQString(folder.string()),
                       QStringLiteral("dat (*.dat)"));
    KeepAboveOnTopWindows(dialog);
    dialog.setAcceptMode(mode);
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return std::filesystem::path(FromQString(dialog.selectedFiles().front()));
}

}  // namespace

std::optional<std::filesystem::path> QtFileNames::OpenFileName(const std::filesystem::path& folder) {
    return AskFileName(parent_, folder, QFileDialog::AcceptOpen);
}

std::optional<std::filesystem::path> QtFileNames::SaveFileName(const std::filesystem::path& folder) {
    return AskFileName(parent_, folder, QFileDialog::AcceptSave);
}

}  // namespace stelvar::ui
