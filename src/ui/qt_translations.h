#pragma once
// Qt's own texts in Japanese: the buttons of the message boxes ("はい", "いいえ"), the file
// and print dialogs and Qt's own messages, from the translations that come with Qt
// (Debian package qt6-translations-l10n).

class QCoreApplication;

namespace stelvar::ui {

// Installs the translation into the application; false when it is not installed, and
// Qt's texts then stay in English.
bool InstallQtJapanese(QCoreApplication& app);

}  // namespace stelvar::ui
