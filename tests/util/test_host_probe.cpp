#include "util/HostProbe.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <tuple>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// A port of this machine with a listener on it, and the number of one that had none.
struct Ports
{
    int listener = -1;
    quint16 open = 0;
    quint16 closed = 0;

    Ports()
    {
        open = bind(listener, true);
        int spare = -1;
        closed = bind(spare, false);
        ::close(spare); // nothing listens there any more
    }
    ~Ports() { ::close(listener); }

    static quint16 bind(int& fd, bool listen)
    {
        fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || (listen && ::listen(fd, 4) != 0))
            return 0;
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
        return ntohs(address.sin_port);
    }
};

TEST(HostProbe, AnswersWhetherTheDatabasePortTakesConnections)
{
    Ports ports;
    ASSERT_NE(ports.open, 0);
    ASSERT_NE(ports.closed, 0);
    // What is tried, on which host and port, and whether it takes a connection.
    const std::tuple<const char*, QString, quint16, bool> cases[] = {
        {"listening port by address", QStringLiteral("127.0.0.1"), ports.open, true},
        {"listening port by name", QStringLiteral("localhost"), ports.open, true},
        {"nothing listening", QStringLiteral("127.0.0.1"), ports.closed, false},
        {"unknown host", QStringLiteral("no-such-host.invalid"), ports.open, false},
    };
    for (const auto& [name, host, port, reachable] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(kvr::util::CanConnect(host, port, 1000ms), reachable);
    }
}

} // namespace
