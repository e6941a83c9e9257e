#pragma once

#include <QApplication>

namespace kvr::ui {

class ExceptionHandler;

// The application object of the program. Our own entry points catch their errors (ui/base/
// Guarded.h); an exception that still escapes a handler into Qt's event delivery ends here, as the
// last net, and goes to the same exception handler; the loop then goes on with the next event.
class Application : public QApplication
{
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    // Without a handler (before the data modules exist) the error is written to standard error.
    // It becomes the process's ErrorSink as well.
    void setExceptionHandler(ExceptionHandler* handler);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace kvr::ui
