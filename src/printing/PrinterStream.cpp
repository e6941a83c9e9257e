#include "printing/PrinterStream.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace kvr::printing {

namespace {

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

PrinterStream::PrinterStream(int fd, bool owned)
    : m_fd(fd)
    , m_owned(owned)
{ }

PrinterStream::~PrinterStream()
{
    if (m_owned)
        ::close(m_fd);
}

std::unique_ptr<PrinterStream> PrinterStream::open(const PrinterTarget& target, QString& failure)
{
    if (target.isStandardOutput()) {
        if (::fcntl(STDOUT_FILENO, F_GETFL) < 0) {
            failure = QStringLiteral("standard output is closed");
            return nullptr;
        }
        // Standard output stays as the program was given it (blocking): other writers share it.
        return std::unique_ptr<PrinterStream>(new PrinterStream(STDOUT_FILENO, false));
    }
    // Non-blocking for good: a pipe without reader fails at once, and no write ever waits.
    // A device that is not there must not be replaced by a plain file of its name.
    const int create = target.path.startsWith(QLatin1String("/dev/")) ? 0 : O_CREAT;
    const QByteArray native = QFile::encodeName(target.path);
    const int fd = ::open(native.constData(), O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC | create, 0666);
    if (fd < 0) {
        failure = systemError();
        return nullptr;
    }
    return std::unique_ptr<PrinterStream>(new PrinterStream(fd, true));
}

qint64 PrinterStream::write(const char* data, qint64 size, std::chrono::milliseconds wait, QString& failure)
{
    if (size <= 0)
        return 0;
    pollfd ready{m_fd, POLLOUT, 0};
    const int polled = ::poll(&ready, 1, static_cast<int>(wait.count()));
    if (polled < 0)
        return errno == EINTR ? 0 : (failure = systemError(), -1);
    if (polled == 0)
        return 0;
    if (!(ready.revents & POLLOUT)) {
        failure = (ready.revents & POLLHUP) ? QStringLiteral("the printer hung up")
                                            : QStringLiteral("the printer reports an error");
        return -1;
    }
    // On a blocking descriptor a pipe ready for writing takes PIPE_BUF bytes without waiting.
    const qint64 chunk = m_owned ? size : std::min<qint64>(size, PIPE_BUF);
    const ssize_t written = ::write(m_fd, data, static_cast<size_t>(chunk));
    if (written >= 0)
        return written;
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
        return 0;
    failure = systemError();
    return -1;
}

} // namespace kvr::printing
