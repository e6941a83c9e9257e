#pragma once

#include <QApplication>
#include <exception>

namespace kvr::ui {

class ExceptionHandler;

// The application object of the program. Qt does not carry exceptions through its event loop,
// so every event passes here and an exception escaping any handler goes to the exception
// handler; the loop then goes on with the next event.
class Application : public QApplication
{
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    // Without a handler (before the data modules exist) the error is written to standard error.
    void setExceptionHandler(ExceptionHandler* handler) { m_handler = handler; }
    ExceptionHandler* exceptionHandler() const { return m_handler; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void handle(std::exception_ptr error) noexcept;

    ExceptionHandler* m_handler = nullptr;
};

} // namespace kvr::ui
