#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

namespace kvr::test {

// Acts on the next modal dialog of type T (QMessageBox, QInputDialog ...) once the focus is inside
// it, from within the dialog's own event loop. Several can wait at once for dialogs that open one
// after the other from the same key press: each acts on its own kind, and none keeps the loop of an
// earlier dialog running. Call before the action that opens the dialog.
template <typename T>
void whenDialogOpens(std::function<void(T*)> action)
{
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(qApp, &QApplication::focusChanged, qApp,
                                   [connection, action = std::move(action)](QWidget*, QWidget* now) {
                                       auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
                                       if (!dialog || !now || !(now == dialog || dialog->isAncestorOf(now)))
                                           return;
                                       QObject::disconnect(*connection);
                                       QPointer<T> open(dialog);
                                       QTimer::singleShot(0, dialog, [open, action] {
                                           if (open)
                                               action(open.data());
                                       });
                                   });
}

} // namespace kvr::test
