// Holds a serial device the way another program would, until its standard input closes.
//   port_holder driver|flock|exclusive <device>
// Prints "held" once the device is held, "refused" when it could not be.

#include "devices/TCommPortDriver.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const char* mode = argv[1];
    const char* device = argv[2];

    kvr::devices::TCommPortDriver driver;
    int fd = -1;
    bool held = false;
    if (std::strcmp(mode, "driver") == 0) {
        driver.setPortName(QString::fromLocal8Bit(device));
        held = driver.Connect();
    } else {
        fd = ::open(device, O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (std::strcmp(mode, "flock") == 0)
            held = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        else if (std::strcmp(mode, "exclusive") == 0)
            held = fd >= 0 && ::ioctl(fd, TIOCEXCL) == 0;
    }
    std::puts(held ? "held" : "refused");
    std::fflush(stdout);
    if (!held)
        return 1;

    char byte = 0;
    while (::read(STDIN_FILENO, &byte, 1) > 0) {
    }
    // A real port is released with its last descriptor; a pseudo-terminal outlives this one.
    if (std::strcmp(mode, "exclusive") == 0)
        ::ioctl(fd, TIOCNXCL);
    return 0;
}
