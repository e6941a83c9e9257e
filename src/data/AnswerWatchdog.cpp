#include "data/AnswerWatchdog.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kvr::data {

AnswerWatchdog& AnswerWatchdog::instance()
{
    static AnswerWatchdog watchdog;
    return watchdog;
}

AnswerWatchdog::~AnswerWatchdog()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        for (auto& [ticket, watch] : m_watches)
            ::close(watch.descriptor);
        m_watches.clear();
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

AnswerWatchdog::Ticket AnswerWatchdog::arm(int socket, Clock::time_point deadline)
{
    if (socket < 0)
        return 0;
    // Close-on-exec: a helper program started meanwhile must not keep the server connection open.
    const int descriptor = ::fcntl(socket, F_DUPFD_CLOEXEC, 0);
    if (descriptor < 0)
        return 0;
    bool earlier = false;
    Ticket ticket = 0;
    {
        const std::lock_guard lock(m_mutex);
        if (m_stopping) {
            ::close(descriptor);
            return 0;
        }
        if (!m_thread.joinable())
            m_thread = std::thread([this] { run(); });
        ticket = ++m_lastTicket;
        m_watches.emplace(ticket, Watch{descriptor, deadline, false});
        earlier = deadline < m_sleepingUntil;
    }
    // Most statements answer long before the thread's next deadline: it is woken only when this
    // one comes first.
    if (earlier)
        m_wake.notify_one();
    return ticket;
}

bool AnswerWatchdog::disarm(Ticket ticket)
{
    if (ticket == 0)
        return false;
    Watch watch;
    {
        const std::lock_guard lock(m_mutex);
        const auto it = m_watches.find(ticket);
        if (it == m_watches.end())
            return false;
        watch = it->second;
        m_watches.erase(it);
    }
    ::close(watch.descriptor);
    return watch.fired;
}

std::size_t AnswerWatchdog::armedCount()
{
    const std::lock_guard lock(m_mutex);
    return m_watches.size();
}

bool AnswerWatchdog::fireDue(Clock::time_point now, Clock::time_point& next)
{
    bool waiting = false;
    next = Clock::time_point::max();
    for (auto& [ticket, watch] : m_watches) {
        if (watch.fired)
            continue;
        if (watch.deadline <= now) {
            // Under the lock: disarm() cannot have closed the descriptor.
            ::shutdown(watch.descriptor, SHUT_RDWR);
            watch.fired = true;
        } else if (watch.deadline < next) {
            next = watch.deadline;
            waiting = true;
        }
    }
    return waiting;
}

void AnswerWatchdog::run()
{
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        Clock::time_point next;
        if (fireDue(Clock::now(), next)) {
            m_sleepingUntil = next;
            m_wake.wait_until(lock, next);
        } else {
            m_sleepingUntil = Clock::time_point::max();
            m_wake.wait(lock);
        }
    }
}

} // namespace kvr::data
