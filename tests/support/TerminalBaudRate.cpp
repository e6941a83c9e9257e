#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace kvr::test {

int TerminalBaudRate(int fd)
{
    termios2 line{};
    if (::ioctl(fd, TCGETS2, &line) != 0)
        return -1;
    return static_cast<int>(line.c_ospeed);
}

} // namespace kvr::test
