#pragma once

#include "ui/base/ErrorSink.h"
#include "ui/base/ExceptionHandler.h"

#include <QStringList>

namespace kvr::test {

// Stands in for the program's error handler while it lives: notes the message of each error
// handed to it.
struct RecordingErrorSink : ui::ErrorSink
{
    RecordingErrorSink() { ui::ErrorSink::setCurrent(this); }
    ~RecordingErrorSink() override { ui::ErrorSink::setCurrent(nullptr); }
    void handle(std::exception_ptr error) noexcept override { messages << ui::ExceptionHandler::messageOf(error); }

    QStringList messages;
};

} // namespace kvr::test
