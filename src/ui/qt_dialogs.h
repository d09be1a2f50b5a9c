#pragma once
// Messages, questions and file names asked of the person at the screen. The commands
// talk to the two interfaces; the desktop program answers them with QMessageBox and
// QFileDialog, tests answer them by script.

#include <QPoint>

#include <deque>
#include <filesystem>
#include <optional>
#include <string_view>

#include "forms/dialogs.h"

class QWidget;

namespace stelvar::ui {

// The design-conditions, results and helper windows stay on top of the desktop, so a
// dialog opened in the ordinary way would appear underneath them and the program would
// seem to hang. Every dialog therefore belongs to the window the person is working in
// (the active window; `fallback`'s window when none is active), which centres it there
// and makes it that window's transient, and is itself kept on top while any of the
// program's windows is.
QWidget* DialogOwner(QWidget* fallback);
// Call before the dialog is shown.
void KeepAboveOnTopWindows(QWidget& dialog);

// Message boxes titled "Stelvar", over the active window (`parent` when none is). A CR
// inside a text is a line break.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    void Message(std::string_view text) override;
    bool Confirm(std::string_view text) override;
    void Info(std::string_view text) override;

    // The next box appears with its top-left corner at this screen position instead of
    // centred over the window.
    void PlaceNextAt(QPoint screenPosition) { nextPosition_ = screenPosition; }

private:
    QWidget* parent_;
    std::optional<QPoint> nextPosition_;
};

// The name of a design-conditions file to load or to save; nothing when the person
// cancels. `folder` is where the choice starts.
class FileNameSource {
public:
    virtual ~FileNameSource() = default;
    virtual std::optional<std::filesystem::path> OpenFileName(const std::filesystem::path& folder) = 0;
    virtual std::optional<std::filesystem::path> SaveFileName(const std::filesystem::path& folder) = 0;
};

// The file dialogs: filter "dat|*.dat", default extension "dat"; the save dialog asks
// before it replaces an existing file. Over the active window, as the message boxes.
class QtFileNames final : public FileNameSource {
public:
    explicit QtFileNames(QWidget* parent = nullptr) : parent_(parent) {}
    std::optional<std::filesystem::path> OpenFileName(const std::filesystem::path& folder) override;
    std::optional<std::filesystem::path> SaveFileName(const std::filesystem::path& folder) override;

private:
    QWidget* parent_;
};

// Names given in advance (an empty entry stands for a cancelled dialog); once they run
// out every dialog counts as cancelled. Records the folders the dialogs started in.
class ScriptedFileNames final : public FileNameSource {
public:
    using Answer = std::optional<std::filesystem::path>;
    explicit ScriptedFileNames(std::deque<Answer> answers = {}) : answers_(std::move(answers)) {}

    void Push(Answer answer) { answers_.push_back(std::move(answer)); }
    Answer OpenFileName(const std::filesystem::path& folder) override { return Next(folder); }
    Answer SaveFileName(const std::filesystem::path& folder) override { return Next(folder); }
    const std::deque<std::filesystem::path>& Folders() const { return folders_; }

private:
    Answer Next(const std::filesystem::path& folder) {
        folders_.push_back(folder);
        if (answers_.empty()) return std::nullopt;
        Answer a = std::move(answers_.front());
        answers_.pop_front();
        return a;
    }

    std::deque<Answer> answers_;
    std::deque<std::filesystem::path> folders_;
};

}  // namespace stelvar::ui
