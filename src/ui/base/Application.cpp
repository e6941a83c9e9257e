#include "ui/base/Application.h"

#include "ui/base/ExceptionHandler.h"

#include <cstdio>

namespace kvr::ui {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{ }

bool Application::notify(QObject* receiver, QEvent* event)
{
    std::exception_ptr error;
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        error = std::current_exception();
    }
    // Handled outside the catch block: the error dialog runs its own event loop.
    handle(error);
    return false;
}

void Application::handle(std::exception_ptr error) noexcept
{
    if (m_handler) {
        m_handler->handle(error);
        return;
    }
    std::fprintf(stderr, "Unhandled error: %s\n", ExceptionHandler::messageOf(error).toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace kvr::ui
