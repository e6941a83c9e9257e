#pragma once

#include <QWidget>
#include <functional>

namespace kvr::test {

// Window tests wait for the state they need, never for a number of event-loop turns: on a busy
// machine a window may take a long time to show or take the focus. The time-outs only bound a
// hang; a test that reaches one has failed.
constexpr int kWindowTimeoutMs = 30000;

// Processes events until the condition holds; false when it never did.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = kWindowTimeoutMs);
// The window shown, exposed and active, so that keys reach it.
bool waitForActiveWindow(QWidget* window);
// The keyboard focus on the widget or inside it.
bool waitForFocusIn(QWidget* widget);
// The focused widget, once there is one (keys typed "where the focus is" need it).
QWidget* focusedWidget();

// A modal dialog opened later runs its own event loop, so the test acts on it from inside:
// once a new modal widget (not `current`) is active, `action` runs with it. Call before the
// action that opens the dialog.
void whenModalOpens(std::function<void(QWidget*)> action, QWidget* current = nullptr);

// The program's error dialog, once it opens: its text is kept in `shown`, and "Don't Send" closes it.
void whenErrorDialogOpens(QString& shown);

// Keys go where the focus is, as from a keyboard or a scanner; each key waits for a focused widget.
void typeText(const QString& text);
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

} // namespace kvr::test
