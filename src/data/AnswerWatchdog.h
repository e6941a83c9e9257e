#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <thread>

namespace kvr::data {

// Cuts the socket of a statement that waits on its server past a deadline. A server process that
// is stopped outright never fires its own statement time-out, and its kernel still answers
// keepalives: the driver's blocking read would wait for as long as it stays stopped. Shutting the
// socket down wakes that read; the driver then reports the connection lost.
//
// One thread serves the whole process. Each wait hands over a duplicate of the socket's
// descriptor, so the number it shuts down can never belong to another file by then, even when the
// driver closed its own descriptor meanwhile; disarm() takes the same lock as the firing, so once
// it returns the socket is never touched again.
class AnswerWatchdog
{
public:
    using Clock = std::chrono::steady_clock;
    using Ticket = std::uint64_t;

    static AnswerWatchdog& instance();

    AnswerWatchdog() = default;
    ~AnswerWatchdog();
    AnswerWatchdog(const AnswerWatchdog&) = delete;
    AnswerWatchdog& operator=(const AnswerWatchdog&) = delete;

    // Watches a socket until disarm(); the descriptor is duplicated, the caller keeps its own.
    // Ticket 0: nothing is watched (no socket, or it could not be duplicated).
    Ticket arm(int socket, Clock::time_point deadline);
    // Ends the watch; true when the deadline passed and the socket was shut down.
    bool disarm(Ticket ticket);
    // Waits being watched now.
    std::size_t armedCount();

private:
    struct Watch
    {
        int descriptor = -1;
        Clock::time_point deadline;
        bool fired = false;
    };

    void run();
    // Shuts down every socket past its deadline; the earliest deadline still ahead, if any.
    bool fireDue(Clock::time_point now, Clock::time_point& next);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::map<Ticket, Watch> m_watches;
    Ticket m_lastTicket = 0;
    // The deadline the thread sleeps towards; an earlier one wakes it.
    Clock::time_point m_sleepingUntil = Clock::time_point::max();
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace kvr::data
