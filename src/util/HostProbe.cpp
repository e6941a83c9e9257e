#include "util/HostProbe.h"

#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kvr::util {

namespace {

bool tryAddress(const addrinfo& address, int timeoutMs)
{
    const int fd = ::socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address.ai_protocol);
    if (fd < 0)
        return false;
    bool connected = ::connect(fd, address.ai_addr, address.ai_addrlen) == 0;
    if (!connected && errno == EINPROGRESS) {
        pollfd wait{fd, POLLOUT, 0};
        if (::poll(&wait, 1, timeoutMs) == 1) {
            int error = 0;
            socklen_t length = sizeof error;
            connected = ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
        }
    }
    ::close(fd);
    return connected;
}

} // namespace

bool CanConnect(const QString& host, quint16 port, std::chrono::milliseconds timeout)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const QByteArray service = QByteArray::number(port);
    if (::getaddrinfo(host.toLocal8Bit().constData(), service.constData(), &hints, &found) != 0)
        return false;
    bool reachable = false;
    for (const addrinfo* address = found; address && !reachable; address = address->ai_next)
        reachable = tryAddress(*address, static_cast<int>(timeout.count()));
    ::freeaddrinfo(found);
    return reachable;
}

} // namespace kvr::util
