#pragma once

#include "data/SessionContext.h"
#include "ui/base/FormAction.h"

#include <QKeyCombination>
#include <QObject>
#include <QString>
#include <array>
#include <exception>
#include <vector>

namespace kvr::ui {

class Prompter;

// The base of the document screens: the document actions with their shortcuts, the keyboard
// (Enter to the next field, Escape to leave), the question before closing, the caption and the
// status panels. Descendants override the Ac...Execute hooks and FormShow, calling the base first.
class TFrForm : public QObject
{
    Q_OBJECT
public:
    // The toolbar buttons, in their order.
    enum class Action { New, Del, Save, ChgCode, Hist, Copy, Print, Approved, Exit };
    static constexpr int kActionCount = 9;
    // Panels of the status bar: company, what the form reports, what waits on a device.
    static constexpr int kStatusPanels = 3;

    // What a key pressed anywhere on the form did.
    enum class KeyOutcome { Ignored, Handled, NextField };

    TFrForm(Prompter& prompter, const data::SessionContext& session, QObject* parent = nullptr);

    FormAction& action(Action which) { return *m_actions[static_cast<size_t>(which)]; }
    const FormAction& action(Action which) const { return *m_actions[static_cast<size_t>(which)]; }
    std::vector<FormAction*> actions() const { return {m_actions.begin(), m_actions.end()}; }
    FormAction& AcNew() { return action(Action::New); }
    FormAction& AcDel() { return action(Action::Del); }
    FormAction& AcSave() { return action(Action::Save); }
    FormAction& AcChgCode() { return action(Action::ChgCode); }
    FormAction& AcHist() { return action(Action::Hist); }
    FormAction& AcCopy() { return action(Action::Copy); }
    FormAction& AcPrint() { return action(Action::Print); }
    FormAction& AcApproved() { return action(Action::Approved); }
    FormAction& AcExit() { return action(Action::Exit); }

    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QString statusText(int panel) const { return m_statusTexts.at(static_cast<size_t>(panel)); }
    void setStatusText(int panel, const QString& text);
    bool isChgCodeVisible() const { return m_chgCodeVisible; }
    void setChgCodeVisible(bool visible);
    bool keyPreview() const { return m_keyPreview; }
    void setKeyPreview(bool on) { m_keyPreview = on; }

    Prompter& prompter() { return m_prompter; }
    const data::SessionContext& session() const { return m_session; }
    // The shared blue Yes/No question.
    bool ConfirmDialog(const QString& text);
    // An error the screen caught so that it can go on (after a bill was committed, say): logged,
    // explained and shown by the program's error handler like any other.
    void reportError(std::exception_ptr error);

    // Each time the form is shown.
    virtual void FormShow();
    // A key pressed while the form has key preview, before the focused control sees it.
    virtual KeyOutcome FormKeyDown(QKeyCombination key);
    // Asked whichever way the form is being closed; true lets it close.
    virtual bool FormClose();

    virtual void AcNewExecute();
    virtual void AcDelExecute() { }
    virtual void AcSaveExecute() { }
    virtual void AcChgCodeExecute() { }
    virtual void AcHistExecute() { }
    virtual void AcCopyExecute() { }
    virtual void AcPrintExecute() { }
    virtual void AcApprovedExecute() { }
    virtual void AcExitExecute();

signals:
    void captionChanged();
    void statusTextChanged(int panel);
    void chgCodeVisibleChanged();
    // The view closes its window; the close question follows from there.
    void closeRequested();
    // Shown: the program's windows and boxes take the form's caption as their title.
    void applicationTitleRequested(const QString& title);

private:
    Prompter& m_prompter;
    const data::SessionContext& m_session;
    std::array<FormAction*, kActionCount> m_actions{};
    QString m_caption;
    std::array<QString, kStatusPanels> m_statusTexts;
    bool m_chgCodeVisible = false;
    bool m_keyPreview = true;
};

} // namespace kvr::ui
