#include "devices/PosixSerialLine.h"

#include "devices/CustomBaudRate.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace kvr::devices {

namespace {

struct SpeedCode
{
    int bitsPerSecond;
    speed_t code;
};

constexpr SpeedCode kSpeeds[] = {
    {50, B50},           {75, B75},         {110, B110},         {134, B134},         {150, B150},
    {200, B200},         {300, B300},       {600, B600},         {1200, B1200},       {1800, B1800},
    {2400, B2400},       {4800, B4800},     {9600, B9600},       {19200, B19200},     {38400, B38400},
    {57600, B57600},     {115200, B115200}, {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600}, {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000},
    {2000000, B2000000},
};

bool speedCode(int bitsPerSecond, speed_t& code)
{
    for (const SpeedCode& speed : kSpeeds) {
        if (speed.bitsPerSecond == bitsPerSecond) {
            code = speed.code;
            return true;
        }
    }
    return false;
}

// The framing part of the termios flags; false for codes no UART can do. One and a half stop
// bits exist only with five data bits, two stop bits only with more.
bool setFraming(termios& line, const LineSettings& settings)
{
    static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
    if (settings.dataBitsCode < 0 || settings.dataBitsCode > 3)
        return false;
    line.c_cflag = (line.c_cflag & ~CSIZE) | kSizes[settings.dataBitsCode];

    line.c_cflag &= ~(PARENB | PARODD | CMSPAR);
    switch (settings.parityCode) {
    case 0:
        break;
    case 1:
        line.c_cflag |= PARENB | PARODD;
        break;
    case 2:
        line.c_cflag |= PARENB;
        break;
    case 3:
        line.c_cflag |= PARENB | CMSPAR | PARODD;
        break;
    case 4:
        line.c_cflag |= PARENB | CMSPAR;
        break;
    default:
        return false;
    }

    const bool fiveBits = settings.dataBitsCode == 0;
    switch (settings.stopBitsCode) {
    case 0:
        line.c_cflag &= ~CSTOPB;
        break;
    case 1:
        if (!fiveBits)
            return false;
        line.c_cflag |= CSTOPB;
        break;
    case 2:
        if (fiveBits)
            return false;
        line.c_cflag |= CSTOPB;
        break;
    default:
        return false;
    }
    return true;
}

bool setFlowControl(termios& line, const LineSettings& settings)
{
    if (settings.hwFlow < 0 || settings.hwFlow > 2 || settings.swFlow < 0 || settings.swFlow > 1)
        return false;
    if (settings.hwFlow == 2)
        line.c_cflag |= CRTSCTS;
    else
        line.c_cflag &= ~CRTSCTS;
    line.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (settings.swFlow == 1)
        line.c_iflag |= IXON | IXOFF;
    line.c_cc[VSTART] = 17;
    line.c_cc[VSTOP] = 19;
    return true;
}

// tcsetattr succeeds when any part was taken; read the line back to see that all of it was.
bool framingTaken(int fd, const termios& wanted)
{
    termios set{};
    if (::tcgetattr(fd, &set) != 0)
        return false;
    constexpr tcflag_t kChecked = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS;
    return (set.c_cflag & kChecked) == (wanted.c_cflag & kChecked) &&
        (set.c_iflag & (IXON | IXOFF)) == (wanted.c_iflag & (IXON | IXOFF));
}

// Devices without modem lines (pseudo-terminals, some adapters) refuse these; that is no error.
void setModemLine(int fd, int line, bool on)
{
    ::ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &line);
}

} // namespace

PosixSerialLine::~PosixSerialLine()
{
    close();
}

bool PosixSerialLine::open(const QString& devicePath)
{
    if (m_fd >= 0 || devicePath.isEmpty())
        return false;
    const QByteArray path = QFile::encodeName(devicePath);
    // Only an existing character device: a stored name must never create or write a plain file.
    struct stat status
    { };
    if (::stat(path.constData(), &status) != 0 || !S_ISCHR(status.st_mode))
        return false;
    // Non-blocking: neither the open nor a write may wait for a carrier or a stalled device.
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    int exclusive = 0;
    const bool heldExclusive = ::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
    // TIOCEXCL does not stop a privileged opener, hence the explicit look above and the lock.
    if (!::isatty(fd) || heldExclusive || ::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void PosixSerialLine::close()
{
    if (m_fd < 0)
        return;
    // A pseudo-terminal outlives this descriptor; it must not stay exclusive after we let go.
    ::ioctl(m_fd, TIOCNXCL);
    ::close(m_fd);
    m_fd = -1;
}

bool PosixSerialLine::apply(const LineSettings& settings)
{
    if (m_fd < 0 || settings.baudRate <= 0)
        return false;
    termios line{};
    if (::tcgetattr(m_fd, &line) != 0)
        return false;
    // Binary: no translation of line ends, no echo, no signal characters.
    ::cfmakeraw(&line);
    line.c_cflag |= CLOCAL | CREAD;
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    if (!setFraming(line, settings) || !setFlowControl(line, settings))
        return false;
    speed_t code = B9600;
    const bool standardSpeed = speedCode(settings.baudRate, code);
    if (standardSpeed) {
        // No input speed of its own: a custom one left by an earlier use would otherwise stay.
        line.c_cflag &= ~CIBAUD;
        if (::cfsetispeed(&line, code) != 0 || ::cfsetospeed(&line, code) != 0)
            return false;
    }
    if (::tcsetattr(m_fd, TCSANOW, &line) != 0 || !framingTaken(m_fd, line))
        return false;
    if (!standardSpeed && !SetCustomBaudRate(m_fd, settings.baudRate))
        return false;
    if (standardSpeed) {
        termios set{};
        if (::tcgetattr(m_fd, &set) != 0 || ::cfgetospeed(&set) != code)
            return false;
    }

    setModemLine(m_fd, TIOCM_DTR, settings.dtrOnOpen);
    if (settings.hwFlow != 2)
        setModemLine(m_fd, TIOCM_RTS, settings.hwFlow == 1);
    return true;
}

long PosixSerialLine::write(const char* data, long count)
{
    if (m_fd < 0)
        return -1;
    const ssize_t written = ::write(m_fd, data, static_cast<size_t>(count));
    if (written >= 0)
        return static_cast<long>(written);
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ? 0 : -1;
}

void PosixSerialLine::waitWritable(int timeoutMs)
{
    if (m_fd < 0 || timeoutMs <= 0)
        return;
    pollfd request{m_fd, POLLOUT, 0};
    ::poll(&request, 1, timeoutMs);
}

int PosixSerialLine::outputQueued() const
{
    int queued = 0;
    if (m_fd < 0 || ::ioctl(m_fd, TIOCOUTQ, &queued) != 0 || queued < 0)
        return 0;
    return queued;
}

QByteArray PosixSerialLine::read(int maxBytes)
{
    if (m_fd < 0 || maxBytes <= 0)
        return {};
    QByteArray bytes(maxBytes, Qt::Uninitialized);
    const ssize_t got = ::read(m_fd, bytes.data(), static_cast<size_t>(maxBytes));
    bytes.truncate(got > 0 ? static_cast<int>(got) : 0);
    return bytes;
}

bool PosixSerialLine::purge(bool input, bool output)
{
    if (m_fd < 0)
        return false;
    if (!input && !output)
        return true;
    const int queues = input && output ? TCIOFLUSH : input ? TCIFLUSH : TCOFLUSH;
    return ::tcflush(m_fd, queues) == 0;
}

int PosixSerialLine::modemStatus() const
{
    int lines = 0;
    if (m_fd < 0 || ::ioctl(m_fd, TIOCMGET, &lines) != 0)
        return 0;
    int status = 0;
    if (lines & TIOCM_CTS)
        status |= LineCts;
    if (lines & TIOCM_DSR)
        status |= LineDsr;
    if (lines & TIOCM_RI)
        status |= LineRing;
    if (lines & TIOCM_CD)
        status |= LineRlsd;
    return status;
}

} // namespace kvr::devices
