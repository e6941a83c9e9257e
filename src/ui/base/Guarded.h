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

// A slot or lambda wrapped for connect(): its errors go to the handler, never into Qt.
template <typename Fn>
struct GuardedSlot
{
    Fn fn;

    // Constrained, so that Qt passes only the signal's arguments the wrapped slot takes.
    template <typename... Args>
    requires std::is_invocable_v<const Fn&, Args...>
    void operator()(Args&&... args) const { runGuarded(fn, std::forward<Args>(args)...); }
};

template <typename Fn>
GuardedSlot<Fn> guarded(Fn fn)
{
    return {std::move(fn)};
}

} // namespace kvr::ui
