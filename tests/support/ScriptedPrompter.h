#pragma once

#include "ui/base/Prompter.h"

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace kvr::test {

// Answers a screen's questions from a script, in order. A question the script does not expect
// (none left, or another kind) fails the test and gets the cautious answer: No, cancel,
// don't send. Answers left over when it is destroyed fail the test too.
class ScriptedPrompter : public ui::Prompter
{
public:
    enum class Kind { Information, Warning, Error, Confirm, Input, ErrorDialog };
    struct Asked
    {
        Kind kind;
        QString text;
        ui::ConfirmColour colour = ui::ConfirmColour::Plain;
    };
    // Runs while the box would be open, before the answer is given (events, a second error...).
    using During = std::function<void()>;

    ScriptedPrompter() = default;
    ScriptedPrompter(const ScriptedPrompter&) = delete;
    ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;
    ~ScriptedPrompter() override;

    ScriptedPrompter& expectInformation(During during = {});
    ScriptedPrompter& expectWarning(During during = {});
    ScriptedPrompter& answerConfirm(bool yes, During during = {});
    ScriptedPrompter& answerInput(std::optional<QString> text, During during = {});
    ScriptedPrompter& answerErrorDialog(ui::ErrorDialogAnswer answer, During during = {});

    // Every question put so far, expected or not.
    const std::vector<Asked>& asked() const { return m_asked; }
    std::vector<Asked> asked(Kind kind) const;
    size_t pending() const { return m_answers.size(); }

    void information(const QString& text) override;
    void warning(const QString& text) override;
    void error(const QString& text) override;
    bool confirm(const QString& text, ui::ConfirmColour colour) override;
    std::optional<QString> input(const QString& title, const QString& label, const QString& value) override;
    ui::ErrorDialogAnswer showErrorDialog(const QString& text) override;

    static const char* kindName(Kind kind);

private:
    struct Answer
    {
        Kind kind;
        bool yes = false;
        std::optional<QString> input;
        ui::ErrorDialogAnswer errorAnswer = ui::ErrorDialogAnswer::DontSend;
        During during;
    };

    ScriptedPrompter& queue(Answer answer);
    // The next answer when it is of this kind; nothing (and a failure) otherwise.
    std::optional<Answer> take(Kind kind, const QString& text, ui::ConfirmColour colour = ui::ConfirmColour::Plain);

    std::deque<Answer> m_answers;
    std::vector<Asked> m_asked;
};

} // namespace kvr::test
