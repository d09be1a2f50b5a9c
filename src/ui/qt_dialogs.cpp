#include "ui/qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include "ui/qt_text.h"

namespace stelvar::ui {
namespace {

QString BoxText(std::string_view text) {
    QString s = ToQString(text);
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

}  // namespace

void QtDialogs::Message(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Stelvar"), BoxText(text), QMessageBox::Ok,
                    parent_);
    if (nextPosition_) box.move(*std::exchange(nextPosition_, std::nullopt));
    box.exec();
}

bool QtDialogs::Confirm(std::string_view text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Stelvar"), BoxText(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    if (nextPosition_) box.move(*std::exchange(nextPosition_, std::nullopt));
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::Info(std::string_view text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Stelvar"), BoxText(text),
                    QMessageBox::Ok, parent_);
    if (nextPosition_) box.move(*std::exchange(nextPosition_, std::nullopt));
    box.exec();
}

namespace {

std::optional<std::filesystem::path> AskFileName(QWidget* parent, const std::filesystem::path& folder,
                                                 QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, QString(), ToQString(folder.string()), QStringLiteral("dat (*.dat)"));
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
