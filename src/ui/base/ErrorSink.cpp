#include "ui/base/ErrorSink.h"

namespace kvr::ui {

namespace {
ErrorSink* g_current = nullptr;
} // namespace

ErrorSink* ErrorSink::current()
{
    return g_current;
}

void ErrorSink::setCurrent(ErrorSink* sink)
{
    g_current = sink;
}

} // namespace kvr::ui
