#include "support/WindowWait.h"

#include "ui/base/TFrShowError.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace kvr::test {

bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

bool waitForActiveWindow(QWidget* window)
{
    if (!window)
        return false;
    // Offscreen and without a window manager activation is not always automatic.
    if (window->isVisible() && !window->isActiveWindow())
        window->activateWindow();
    return QTest::qWaitForWindowActive(window, kWindowTimeoutMs);
}

bool waitForFocusIn(QWidget* widget)
{
    return waitUntil([widget] {
        QWidget* focus = QApplication::focusWidget();
        return focus && (focus == widget || widget->isAncestorOf(focus));
    });
}

QWidget* focusedWidget()
{
    waitUntil([] { return QApplication::focusWidget() != nullptr; });
    return QApplication::focusWidget();
}

void whenModalOpens(std::function<void(QWidget*)> action, QWidget* current)
{
    QPointer<QWidget> before = current ? current : QApplication::activeModalWidget();
    QTimer::singleShot(0, [action = std::move(action), before] {
        QWidget* dialog = nullptr;
        const bool opened = waitUntil([&] {
            dialog = QApplication::activeModalWidget();
            return dialog && dialog != before.data() && dialog->isActiveWindow();
        });
        if (opened)
            action(dialog);
    });
}

void whenErrorDialogOpens(QString& shown)
{
    whenModalOpens([&shown](QWidget* modal) {
        if (auto* dialog = qobject_cast<ui::TFrShowError*>(modal)) {
            shown = dialog->errorBox()->toPlainText();
            QTest::mouseClick(dialog->dontSendButton(), Qt::LeftButton);
        }
    });
}

void typeText(const QString& text)
{
    for (const QChar c : text)
        QTest::keyClicks(focusedWidget(), QString(c));
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(focusedWidget(), key, modifiers);
}

} // namespace kvr::test
