#include "ui/base/DialogPrompter.h"

#include "ui/base/FormFont.h"
#include "ui/base/TFrShowError.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace kvr::ui {

namespace {

QString boxTitle()
{
    const QString display = QGuiApplication::applicationDisplayName();
    return display.isEmpty() ? QCoreApplication::applicationName() : display;
}

// The boxes have no parent: a form closed by a timer while a box is open must not take the box
// with it in the middle of exec(); a parentless modal box blocks every window anyway.
void message(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, boxTitle(), text, QMessageBox::Ok, nullptr);
    box.setFont(formFont());
    box.exec();
}

} // namespace

std::unique_ptr<QMessageBox> DialogPrompter::makeConfirmBox(const QString& text, ConfirmColour colour, QWidget* parent,
                                                            bool defaultNo, bool thai)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, boxTitle(), text,
                                             QMessageBox::Yes | QMessageBox::No, parent);
    box->setDefaultButton(defaultNo ? QMessageBox::No : QMessageBox::Yes);
    if (thai) {
        box->button(QMessageBox::Yes)->setText(QStringLiteral("ใช่"));
        box->button(QMessageBox::No)->setText(QStringLiteral("ไม่ใช่"));
    }
    box->setEscapeButton(QMessageBox::No);
    box->setFont(formFont());
    if (colour != ConfirmColour::Plain) {
        const QString background =
            colour == ConfirmColour::Green ? QStringLiteral("#008000") : QStringLiteral("#0000ff");
        // Only the box and its text are coloured; the buttons keep the platform look.
        box->setStyleSheet(QStringLiteral("QMessageBox { background-color: %1; } QMessageBox QLabel { color: white; }")
                               .arg(background));
    }
    return box;
}

void DialogPrompter::information(const QString& text)
{
    message(QMessageBox::Information, text);
}

void DialogPrompter::warning(const QString& text)
{
    message(QMessageBox::Warning, text);
}

void DialogPrompter::error(const QString& text)
{
    message(QMessageBox::Critical, text);
}

bool DialogPrompter::confirm(const QString& text, ConfirmColour colour)
{
    return ask(text, colour, false);
}

bool DialogPrompter::confirmLosingWork(const QString& text, ConfirmColour colour)
{
    return ask(text, colour, true);
}

bool DialogPrompter::ask(const QString& text, ConfirmColour colour, bool defaultNo)
{
    const auto box = makeConfirmBox(text, colour, nullptr, defaultNo, m_thai);
    box->exec();
    return box->clickedButton() == box->button(QMessageBox::Yes);
}

std::optional<QString> DialogPrompter::input(const QString& title, const QString& label, const QString& value)
{
    bool ok = false;
    const QString text = QInputDialog::getText(nullptr, title, label, QLineEdit::Normal, value, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

ErrorDialogAnswer DialogPrompter::showErrorDialog(const QString& text)
{
    TFrShowError dialog;
    dialog.setErrorText(text);
    dialog.exec();
    return dialog.answer();
}

} // namespace kvr::ui
