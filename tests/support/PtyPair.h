#pragma once

#include <QByteArray>
#include <QString>

#include <termios.h>

namespace kvr::test {

// Speed of a terminal descriptor in bits per second from the kernel's own record; -1 on failure.
// Apart because the kernel's termios2 header cannot share a file with <termios.h>.
int TerminalBaudRate(int fd);

// A pseudo-terminal pair standing in for a serial device: the code under test opens slavePath()
// like a port; the test reads what was sent and writes what the device answers on the master.
// The pair keeps a descriptor of the slave open itself, so the line settings a port applied stay
// readable after it disconnects and the master never sees a hang-up between uses.
class PtyPair
{
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool isOpen() const { return m_master >= 0 && m_slave >= 0; }
    const QString& slavePath() const { return m_slavePath; }

    // What the slave side sent: waits until at least `expected` bytes came (or a few seconds
    // passed), then until the line is quiet, so that extra bytes are seen as well.
    QByteArray takeSent(int expected);
    // At most maxBytes of what was sent, as soon as there is any (empty after a few seconds).
    QByteArray takeAtMost(int maxBytes);
    // The device side sends bytes to whoever holds the slave.
    bool answer(const QByteArray& bytes);
    // Bytes waiting to be read on the slave side.
    int slaveInputQueued() const;

    // The slave's line settings as a port left them.
    termios slaveTermios() const;
    // Its speed in bits per second, also for speeds without a termios constant.
    int slaveBaudRate() const { return TerminalBaudRate(m_slave); }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};

} // namespace kvr::test
