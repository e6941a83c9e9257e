#pragma once

#include <QString>
#include <optional>

namespace kvr::ui {

// The colour of a Yes/No box: green asks before leaving a document form, blue is the shared
// confirmation of the screens; plain is the platform's own look.
enum class ConfirmColour { Plain, Green, Blue };

// The two ways the application error dialog ends; closing by itself counts as "Don't Send".
enum class ErrorDialogAnswer { DontSend, Send };

// Every question and message a screen puts to the user goes through here, so that tests can
// answer them and the screens never open a box themselves.
class Prompter
{
public:
    virtual ~Prompter() = default;

    virtual void information(const QString& text) = 0;
    virtual void warning(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
    // True for Yes; No and closing the box are both "no".
    virtual bool confirm(const QString& text, ConfirmColour colour) = 0;
    // A question whose Yes loses work (leaving, a bill thrown away, a record deleted): No is the
    // default button, so that a stray Enter, or a scanner's, never answers it.
    virtual bool confirmLosingWork(const QString& text, ConfirmColour colour) { return confirm(text, colour); }
    // The entered text, or nothing when the user cancelled.
    virtual std::optional<QString> input(const QString& title, const QString& label, const QString& value) = 0;
    // The red error dialog of the application's exception handler; returns when it has closed.
    virtual ErrorDialogAnswer showErrorDialog(const QString& text) = 0;

    // The shared blue Yes/No question (save, delete and exit questions of the screens).
    bool ConfirmDialog(const QString& text) { return confirm(text, ConfirmColour::Blue); }
};

} // namespace kvr::ui
