#include "devices/CustomBaudRate.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace kvr::devices {

bool SetCustomBaudRate(int fd, int bitsPerSecond)
{
    if (bitsPerSecond <= 0)
        return false;
    termios2 line{};
    if (::ioctl(fd, TCGETS2, &line) != 0)
        return false;
    line.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
    line.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    line.c_ispeed = static_cast<speed_t>(bitsPerSecond);
    line.c_ospeed = static_cast<speed_t>(bitsPerSecond);
    if (::ioctl(fd, TCSETS2, &line) != 0)
        return false;
    // A driver rounds to what its clock can make; more than 3% off loses characters.
    termios2 set{};
    if (::ioctl(fd, TCGETS2, &set) != 0)
        return false;
    const long difference = static_cast<long>(set.c_ospeed) - bitsPerSecond;
    return difference * 100 <= 3L * bitsPerSecond && -difference * 100 <= 3L * bitsPerSecond;
}

} // namespace kvr::devices
