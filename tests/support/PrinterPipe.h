#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace kvr::test {

// A named pipe standing in for a receipt printer: its device opens, and it reads only when the
// test says so, keeping what it has received.
class PrinterPipe
{
public:
    ~PrinterPipe() { close(); }

    // Makes the pipe at `path` and opens its reading end.
    bool open(const QString& path)
    {
        m_path = path;
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 && reopen();
    }
    // The printer goes away; `reopen` brings it back.
    void close()
    {
        if (m_reader >= 0)
            ::close(m_reader);
        m_reader = -1;
    }
    bool reopen()
    {
        m_reader = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NONBLOCK);
        return m_reader >= 0;
    }
    const QString& path() const { return m_path; }

    // The printer's buffer is full: the pipe takes no more. How many bytes filled it (byte by
    // byte, so that no room is left).
    qint64 fill() const
    {
        const int filler = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_NONBLOCK);
        qint64 filled = 0;
        const char byte = '=';
        while (filler >= 0 && ::write(filler, &byte, 1) == 1)
            ++filled;
        ::close(filler);
        return filled;
    }
    // The printer reads up to `most` bytes, or all it is sent; what it has received so far.
    const QByteArray& read(qint64 most = std::numeric_limits<qint64>::max())
    {
        char buffer[4096];
        ssize_t got = 0;
        while (most > 0 && (got = ::read(m_reader, buffer, size_t(std::min<qint64>(sizeof buffer, most)))) > 0) {
            m_received.append(buffer, got);
            most -= got;
        }
        return m_received;
    }

private:
    QString m_path;
    int m_reader = -1;
    QByteArray m_received;
};

} // namespace kvr::test
