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
    std::optional<QString> input(const QString& title, const QString& label, const QString& value) override;
    ErrorDialogAnswer showErrorDialog(const QString& text) override;

    // The Yes/No box, built but not shown: Yes is the default button, Escape answers No.
    static std::unique_ptr<QMessageBox> makeConfirmBox(const QString& text, ConfirmColour colour, QWidget* parent);
};

} // namespace kvr::ui
