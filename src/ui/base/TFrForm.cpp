#include "ui/base/TFrForm.h"

#include "ui/base/ErrorSink.h"
#include "ui/base/ExceptionHandler.h"
#include "ui/base/Prompter.h"

#include <cstdio>

namespace kvr::ui {

namespace {

struct ActionSpec
{
    const char* name;
    const char* caption;
    const char* hint;
    int image;
    QKeyCombination shortcut;
    void (TFrForm::*handler)();
};

// In toolbar order, the order of TFrForm::Action.
const std::array<ActionSpec, TFrForm::kActionCount> kActionSpecs{{
    {"AcNew", "New", "New Record", 0, QKeyCombination(Qt::Key_F3), &TFrForm::AcNewExecute},
    {"AcDel", "Delete", "Delete Record", 1, QKeyCombination(Qt::Key_F8), &TFrForm::AcDelExecute},
    {"AcSave", "Save", "Save Record", 2, QKeyCombination(Qt::Key_F10), &TFrForm::AcSaveExecute},
    {"AcChgCode", "Chg Code", "", 7, QKeyCombination(Qt::Key_F12), &TFrForm::AcChgCodeExecute},
    {"AcHist", "Hist.", "Show History", 4, QKeyCombination(Qt::CTRL, Qt::Key_H), &TFrForm::AcHistExecute},
    {"AcCopy", "Copy", "Copy Record", 5, QKeyCombination(Qt::Key_F6), &TFrForm::AcCopyExecute},
    {"AcPrint", "Print", "Print Record", 6, QKeyCombination(Qt::CTRL, Qt::Key_P), &TFrForm::AcPrintExecute},
    // The caption keeps the suite's spelling; the button is never shown.
    {"AcApproved", "Apporved", "", 7, QKeyCombination(), &TFrForm::AcApprovedExecute},
    {"AcExit", "Exit", "Exit Program", 3, QKeyCombination(Qt::CTRL, Qt::Key_X), &TFrForm::AcExitExecute},
}};

bool isEnter(QKeyCombination key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

} // namespace

TFrForm::TFrForm(Prompter& prompter, const data::SessionContext& session, QObject* parent)
    : QObject(parent)
    , m_prompter(prompter)
    , m_session(session)
{
    for (size_t i = 0; i < kActionSpecs.size(); ++i) {
        const ActionSpec& spec = kActionSpecs[i];
        m_actions[i] = new FormAction(QString::fromLatin1(spec.name), QString::fromLatin1(spec.caption),
                                      QString::fromLatin1(spec.hint), spec.image, spec.shortcut, this);
        // Through the virtual hook, so that a descendant's handler runs.
        const auto handler = spec.handler;
        m_actions[i]->setHandler([this, handler] { (this->*handler)(); });
    }
}

void TFrForm::setCaption(const QString& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    emit captionChanged();
}

void TFrForm::setStatusText(int panel, const QString& text)
{
    QString& current = m_statusTexts.at(static_cast<size_t>(panel));
    if (current == text)
        return;
    current = text;
    emit statusTextChanged(panel);
}

void TFrForm::setChgCodeVisible(bool visible)
{
    if (m_chgCodeVisible == visible)
        return;
    m_chgCodeVisible = visible;
    emit chgCodeVisibleChanged();
}

void TFrForm::reportError(std::exception_ptr error)
{
    // Without the program's handler (a test's screen) the dialog still shows the error.
    if (ErrorSink* sink = ErrorSink::current()) {
        sink->handle(error);
        return;
    }
    const QString message = ExceptionHandler::messageOf(error);
    std::fprintf(stderr, "Error without the program's error handler: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    m_prompter.showErrorDialog(message);
}

bool TFrForm::ConfirmDialog(const QString& text)
{
    return m_prompter.ConfirmDialog(text);
}

void TFrForm::FormShow()
{
    emit applicationTitleRequested(m_caption);
    for (const Action hidden : {Action::Hist, Action::Print, Action::Copy, Action::ChgCode, Action::Approved})
        action(hidden).setButtonVisible(false);
    AcNewExecute();
}

void TFrForm::AcNewExecute()
{
    setChgCodeVisible(false);
    AcSave().setEnabled(false);
    AcDel().setEnabled(false);
    AcChgCode().setEnabled(false);
    setKeyPreview(true);
}

void TFrForm::AcExitExecute()
{
    emit closeRequested();
}

TFrForm::KeyOutcome TFrForm::FormKeyDown(QKeyCombination key)
{
    if (isEnter(key))
        return KeyOutcome::NextField;
    if (key.key() == Qt::Key_Escape && key.keyboardModifiers() == Qt::NoModifier)
        return AcExit().execute() ? KeyOutcome::Handled : KeyOutcome::Ignored;
    for (FormAction* formAction : m_actions) {
        if (formAction->hasShortcut() && formAction->shortcut() == key)
            return formAction->execute() ? KeyOutcome::Handled : KeyOutcome::Ignored;
    }
    return KeyOutcome::Ignored;
}

bool TFrForm::FormClose()
{
    const QString question =
        m_session.ThaiLanguage ? QStringLiteral("ออกจากโปรแกรม ?") : QStringLiteral("Exit Program ?");
    return m_prompter.confirmLosingWork(question, ConfirmColour::Green);
}

} // namespace kvr::ui
