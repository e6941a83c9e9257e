#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <iterator>

namespace kvr::test {

ScriptedPrompter::~ScriptedPrompter()
{
    for (const Answer& answer : m_answers)
        ADD_FAILURE() << "Expected a " << kindName(answer.kind) << " that never came";
}

const char* ScriptedPrompter::kindName(Kind kind)
{
    // In the order of Kind.
    static const char* const names[] = {"information box", "warning box", "error box",
                                        "Yes/No question", "input box",   "error dialog"};
    static_assert(std::size(names) == static_cast<size_t>(Kind::ErrorDialog) + 1);
    return names[static_cast<int>(kind)];
}

std::vector<ScriptedPrompter::Asked> ScriptedPrompter::asked(Kind kind) const
{
    std::vector<Asked> out;
    for (const Asked& question : m_asked) {
        if (question.kind == kind)
            out.push_back(question);
    }
    return out;
}

ScriptedPrompter& ScriptedPrompter::queue(Answer answer)
{
    m_answers.push_back(std::move(answer));
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectInformation(During during)
{
    return queue({Kind::Information, false, std::nullopt, {}, std::move(during)});
}

ScriptedPrompter& ScriptedPrompter::expectWarning(During during)
{
    return queue({Kind::Warning, false, std::nullopt, {}, std::move(during)});
}

ScriptedPrompter& ScriptedPrompter::answerConfirm(bool yes, During during)
{
    return queue({Kind::Confirm, yes, std::nullopt, {}, std::move(during)});
}

ScriptedPrompter& ScriptedPrompter::answerInput(std::optional<QString> text, During during)
{
    return queue({Kind::Input, false, std::move(text), {}, std::move(during)});
}

ScriptedPrompter& ScriptedPrompter::answerErrorDialog(ui::ErrorDialogAnswer answer, During during)
{
    return queue({Kind::ErrorDialog, false, std::nullopt, answer, std::move(during)});
}

std::optional<ScriptedPrompter::Answer> ScriptedPrompter::take(Kind kind, const QString& text, ui::ConfirmColour colour)
{
    m_asked.push_back({kind, text, colour});
    if (m_answers.empty()) {
        ADD_FAILURE() << "Unexpected " << kindName(kind) << ": " << text.toStdString();
        return std::nullopt;
    }
    if (m_answers.front().kind != kind) {
        ADD_FAILURE() << "Expected a " << kindName(m_answers.front().kind) << " but got a " << kindName(kind) << ": "
                      << text.toStdString();
        return std::nullopt;
    }
    Answer answer = std::move(m_answers.front());
    m_answers.pop_front();
    if (answer.during)
        answer.during();
    return answer;
}

void ScriptedPrompter::information(const QString& text)
{
    take(Kind::Information, text);
}

void ScriptedPrompter::warning(const QString& text)
{
    take(Kind::Warning, text);
}

void ScriptedPrompter::error(const QString& text)
{
    take(Kind::Error, text);
}

bool ScriptedPrompter::confirm(const QString& text, ui::ConfirmColour colour)
{
    const auto answer = take(Kind::Confirm, text, colour);
    return answer && answer->yes;
}

std::optional<QString> ScriptedPrompter::input(const QString& title, const QString& label, const QString&)
{
    const auto answer = take(Kind::Input, title + QStringLiteral(": ") + label);
    return answer ? answer->input : std::nullopt;
}

ui::ErrorDialogAnswer ScriptedPrompter::showErrorDialog(const QString& text)
{
    const auto answer = take(Kind::ErrorDialog, text);
    return answer ? answer->errorAnswer : ui::ErrorDialogAnswer::DontSend;
}

} // namespace kvr::test
