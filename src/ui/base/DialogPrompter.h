#pragma once

#include "ui/base/Prompter.h"

#include <memory>

class QMessageBox;
class QWidget;

namespace kvr::ui {

// Questions and messages as the platform's modal boxes; the error dialog is the red TFrShowError.
class DialogPrompter : public Prompter
{
public:
    void information(const QString& text) override;
    void warning(const QString& text) override;
    void error(const QString& text) override;
    bool confirm(const QString& text, ConfirmColour colour) override;
    bool confirmLosingWork(const QString& text, ConfirmColour colour) override;
    std::optional<QString> input(const QString& title, const QString& label, const QString& value) override;
    ErrorDialogAnswer showErrorDialog(const QString& text) override;

    // Yes and No read "ใช่" and "ไม่ใช่" for a Thai session.
    void setThai(bool thai) { m_thai = thai; }

    // The Yes/No box, built but not shown: Yes (or, for a question that loses work, No) is the
    // default button, Escape answers No.
    static std::unique_ptr<QMessageBox> makeConfirmBox(const QString& text, ConfirmColour colour, QWidget* parent,
                                                       bool defaultNo = false, bool thai = false);

private:
    bool ask(const QString& text, ConfirmColour colour, bool defaultNo);

    bool m_thai = false;
};

} // namespace kvr::ui
