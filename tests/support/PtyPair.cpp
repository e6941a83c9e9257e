#include "support/PtyPair.h"

#include <QDeadlineTimer>

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace kvr::test {

namespace {

constexpr int kPatienceMs = 3000; // for bytes that must come
constexpr int kQuietMs = 40; // after them, for bytes that must not

} // namespace

PtyPair::PtyPair()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    char name[128] = {};
    // On failure isOpen() says so, and the destructor closes what did open.
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0 ||
        ::ptsname_r(m_master, name, sizeof name) != 0)
        return;
    m_slavePath = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
}

PtyPair::~PtyPair()
{
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

QByteArray PtyPair::takeSent(int expected)
{
    QByteArray sent;
    QDeadlineTimer patience(kPatienceMs);
    for (;;) {
        const bool complete = sent.size() >= expected;
        pollfd ready{m_master, POLLIN, 0};
        const int waitMs = complete ? kQuietMs : static_cast<int>(std::max<qint64>(1, patience.remainingTime()));
        if (::poll(&ready, 1, waitMs) <= 0)
            return sent; // quiet, or out of patience
        char buffer[4096];
        const ssize_t got = ::read(m_master, buffer, sizeof buffer);
        if (got <= 0)
            return sent;
        sent.append(buffer, static_cast<int>(got));
        if (!complete && patience.hasExpired())
            return sent;
    }
}

QByteArray PtyPair::takeAtMost(int maxBytes)
{
    pollfd ready{m_master, POLLIN, 0};
    if (maxBytes <= 0 || ::poll(&ready, 1, kPatienceMs) <= 0)
        return {};
    QByteArray bytes(maxBytes, Qt::Uninitialized);
    const ssize_t got = ::read(m_master, bytes.data(), static_cast<size_t>(maxBytes));
    bytes.truncate(got > 0 ? static_cast<int>(got) : 0);
    return bytes;
}

bool PtyPair::answer(const QByteArray& bytes)
{
    return ::write(m_master, bytes.constData(), static_cast<size_t>(bytes.size())) == bytes.size();
}

int PtyPair::slaveInputQueued() const
{
    int queued = 0;
    return ::ioctl(m_slave, FIONREAD, &queued) == 0 ? queued : -1;
}

termios PtyPair::slaveTermios() const
{
    termios line{};
    ::tcgetattr(m_slave, &line);
    return line;
}

} // namespace kvr::test
