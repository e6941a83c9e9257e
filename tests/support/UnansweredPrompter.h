#pragma once

// Prompters for programs that drive a screen with valid input and nobody to answer: the test
// programs that play one counter each, the crash test's saver and the save benchmarks.
#include "ui/base/Prompter.h"

#include <cstdio>
#include <cstdlib>

namespace kvr::test {

// The screen is driven with valid input and nobody is there to answer: every message ends the
// program with exit code 3, unless a program's prompter answers that kind itself.
class UnansweredPrompter : public ui::Prompter
{
public:
    void information(const QString& text) override { fail(text); }
    void warning(const QString& text) override { fail(text); }
    void error(const QString& text) override { fail(text); }
    bool confirm(const QString& text, ui::ConfirmColour) override { fail(text); }
    std::optional<QString> input(const QString& title, const QString&, const QString&) override { fail(title); }
    ui::ErrorDialogAnswer showErrorDialog(const QString& text) override { fail(text); }

protected:
    [[noreturn]] static void fail(const QString& text)
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        std::exit(3);
    }
};

// Yes to every question.
class ConfirmingPrompter : public UnansweredPrompter
{
public:
    bool confirm(const QString&, ui::ConfirmColour) override { return true; }
};

} // namespace kvr::test
