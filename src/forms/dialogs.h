#pragma once
// Messages and questions to the user. The desktop program asks a person; tests and the
// headless program answer by script. Texts are UTF-8; a CR inside a text is a line break.

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace stelvar {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A plain message with an OK button (validation findings, errors).
    virtual void Message(std::string_view text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool Confirm(std::string_view text) = 0;
    // An information message (the end of an export or of printing).
    virtual void Info(std::string_view text) = 0;
};

// Answers questions from a script (Yes once the script runs out, unless told otherwise)
// and records everything it was shown, in order.
class ScriptedDialogs final : public Dialogs {
public:
    struct Entry {
        enum class Kind { Message, Confirm, Info } What;
        std::string Text;
    };

    explicit ScriptedDialogs(std::deque<bool> answers = {}, bool defaultAnswer = true)
        : answers_(std::move(answers)), default_(defaultAnswer) {}

    void Message(std::string_view text) override { shown_.push_back({Entry::Kind::Message, std::string(text)}); }
    bool Confirm(std::string_view text) override {
        shown_.push_back({Entry::Kind::Confirm, std::string(text)});
        if (answers_.empty()) return default_;
        const bool a = answers_.front();
        answers_.pop_front();
        return a;
    }
    void Info(std::string_view text) override { shown_.push_back({Entry::Kind::Info, std::string(text)}); }

    const std::vector<Entry>& Shown() const { return shown_; }
    // The texts of one kind, in order.
    std::vector<std::string> Texts(Entry::Kind kind) const {
        std::vector<std::string> out;
        for (const Entry& e : shown_)
            if (e.What == kind) out.push_back(e.Text);
        return out;
    }

private:
    std::deque<bool> answers_;
    bool default_;
    std::vector<Entry> shown_;
};

}  // namespace stelvar
