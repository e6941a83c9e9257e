#include "ui/base/Guarded.h"

#include "ui/base/ErrorSink.h"
#include "ui/base/ExceptionHandler.h"

#include <cstdio>

namespace kvr::ui {

void reportUncaught(std::exception_ptr error) noexcept
{
    if (ErrorSink* sink = ErrorSink::current()) {
        sink->handle(error);
        return;
    }
    try {
        const QString message = ExceptionHandler::messageOf(error);
        std::fprintf(stderr, "Unhandled error: %s\n", message.toLocal8Bit().constData());
    } catch (...) {
        std::fputs("Unhandled error\n", stderr);
    }
    std::fflush(stderr);
}

} // namespace kvr::ui
