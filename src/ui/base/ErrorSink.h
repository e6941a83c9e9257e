#pragma once

#include <exception>

namespace kvr::ui {

// Where an error that a screen caught (to go on with its own work) is reported: the program's
// exception handler, which logs it, explains it and shows it. One per process, installed at
// start-up; screens reach it through TFrForm::reportError.
class ErrorSink
{
public:
    virtual ~ErrorSink() = default;
    // Never throws: it runs where nothing could catch it.
    virtual void handle(std::exception_ptr error) noexcept = 0;

    static ErrorSink* current();
    static void setCurrent(ErrorSink* sink);
};

} // namespace kvr::ui
