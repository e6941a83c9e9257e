#pragma once

#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

namespace kvr::ui {

// Hands an error that escaped one of our entry points to the program's error handler
// (ErrorSink::current()); without one it is written to standard error. Never throws.
void reportUncaught(std::exception_ptr error) noexcept;

// Qt is built without exception clean-up: an exception leaving a slot, an event override or a
// filter would unwind through Qt's frames, leak the event being delivered and leave Qt's state
// undefined. Our entry points catch here instead. The error is reported after the catch block
// is left, because the error dialog runs an event loop of its own.
template <typename Fn, typename... Args>
bool runGuarded(Fn&& fn, Args&&... args) noexcept
{
    std::exception_ptr error;
    try {
        std::invoke(std::forward<Fn>(fn), std::forward<Args>(args)...);
        return true;
    } catch (...) {
        error = std::current_exception();
    }
    reportUncaught(error);
    return false;
}

// For an entry point that answers Qt (an event filter, a close event): what it answers when the
// code behind it failed.
template <typename Result, typename Fn>
Result runGuardedOr(Result onError, Fn&& fn) noexcept
{
    std::exception_ptr error;
    try {
        return std::invoke(std::forward<Fn>(fn));
    } catch (...) {
        error = std::current_exception();
    }
    reportUncaught(error);
    return onError;
}

// Wraps a slot or lambda for connect(): its errors go to the handler, never into Qt.
template <typename Fn>
auto guarded(Fn fn)
{
    // Constrained, so that Qt passes only the signal's arguments the wrapped slot takes.
    return [fn = std::move(fn)]<typename... Args>(Args&&... args)
        requires std::is_invocable_v<const Fn&, Args...>
    { runGuarded(fn, std::forward<Args>(args)...); };
}

} // namespace kvr::ui
