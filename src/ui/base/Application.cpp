#include "ui/base/Application.h"

#include "ui/base/ExceptionHandler.h"
#include "ui/base/Guarded.h"

namespace kvr::ui {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{ }

void Application::setExceptionHandler(ExceptionHandler* handler)
{
    // One handler for both ways an error arrives: our guarded entry points and this last net.
    ErrorSink::setCurrent(handler);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    std::exception_ptr error;
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        error = std::current_exception();
    }
    // Handled outside the catch block: the error dialog runs its own event loop.
    reportUncaught(error);
    return false;
}

} // namespace kvr::ui
