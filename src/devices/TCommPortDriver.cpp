#include "devices/TCommPortDriver.h"

#include "devices/PosixSerialLine.h"
#include "devices/SerialPortMap.h"

#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
#include <thread>

namespace kvr::devices {

namespace {

constexpr int kBaudRates[TCommPortDriver::kBaudRateCodes] = {
    0, 110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000,
};

// How long one round of a blocked send or drain sleeps before it looks again.
constexpr int kRetryMs = 2;

void pause()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(kRetryMs));
}

} // namespace

TCommPortDriver::TCommPortDriver(QObject* parent)
    : TCommPortDriver(std::make_unique<PosixSerialLine>(), parent)
{ }

TCommPortDriver::TCommPortDriver(std::unique_ptr<SerialLine> line, QObject* parent)
    : QObject(parent)
    , m_device(std::move(line))
{
    m_poll.setInterval(m_pollingDelay);
    connect(&m_poll, &QTimer::timeout, this, &TCommPortDriver::pollInput);
}

TCommPortDriver::~TCommPortDriver()
{
    Disconnect();
}

int TCommPortDriver::baudRateOfCode(int code)
{
    return code >= 0 && code < kBaudRateCodes ? kBaudRates[code] : 0;
}

void TCommPortDriver::setPort(int port)
{
    if (port < 0)
        return;
    m_port = port;
    if (port >= 1)
        m_portName = QStringLiteral(R"(\\.\COM%1)").arg(port);
}

void TCommPortDriver::setPortName(const QString& name)
{
    m_portName = name;
    m_port = 0;
}

void TCommPortDriver::setBaudRate(int code)
{
    if (code < 0 || code >= kBaudRateCodes)
        return;
    m_baudRate = code;
    if (code >= 1) {
        m_line.baudRate = kBaudRates[code];
        reapply();
    }
}

void TCommPortDriver::setBaudRateValue(int bitsPerSecond)
{
    m_line.baudRate = bitsPerSecond;
    m_baudRate = 0;
    reapply();
}

void TCommPortDriver::setDataBits(int code)
{
    m_line.dataBitsCode = code;
    reapply();
}

void TCommPortDriver::setStopBits(int code)
{
    m_line.stopBitsCode = code;
    reapply();
}

void TCommPortDriver::setParity(int code)
{
    m_line.parityCode = code;
    reapply();
}

void TCommPortDriver::setHwFlow(int flow)
{
    m_line.hwFlow = flow;
    reapply();
}

void TCommPortDriver::setSwFlow(int flow)
{
    m_line.swFlow = flow;
    reapply();
}

void TCommPortDriver::setEnableDTROnOpen(bool enable)
{
    m_line.dtrOnOpen = enable;
    reapply();
}

void TCommPortDriver::setInBufSize(int size)
{
    m_inBufSize = std::clamp(size, kMinBufSize, kMaxBufSize);
    reapply();
}

void TCommPortDriver::setOutBufSize(int size)
{
    m_outBufSize = std::clamp(size, kMinBufSize, kMaxBufSize);
    reapply();
}

void TCommPortDriver::setPollingDelay(int ms)
{
    m_pollingDelay = std::max(ms, kMinPollingDelay);
    m_poll.setInterval(m_pollingDelay);
}

QString TCommPortDriver::workingDirectory() const
{
    return m_workingDirectory.isEmpty() ? QDir::currentPath() : m_workingDirectory;
}

bool TCommPortDriver::Connected() const
{
    return m_device->isOpen();
}

bool TCommPortDriver::Connect()
{
    if (Connected())
        return true;
    const QString path = SerialPortMap(workingDirectory()).devicePath(m_portName);
    if (!m_device->open(path))
        return false;
    if (!m_device->apply(m_line)) {
        m_device->close();
        return false;
    }
    // Stale input goes; output is not discarded here: a port just opened has none of its own,
    // and on a pseudo-terminal the flush would drop bytes of the previous use still on the way.
    m_device->purge(true, false);
    m_stalled = false;
    m_poll.start(m_pollingDelay);
    return true;
}

void TCommPortDriver::Disconnect()
{
    if (!Connected())
        return;
    m_poll.stop();
    drainOutput();
    m_device->close();
}

// Closing a port with bytes still queued waits for them in the kernel, for half a minute on a
// stalled device; wait here instead, with the same no-progress limit as a send, and drop the rest.
void TCommPortDriver::drainOutput()
{
    int queued = m_device->outputQueued();
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    while (queued > 0 && !m_stalled && sinceProgress.elapsed() <= m_outputTimeout) {
        pause();
        const int now = m_device->outputQueued();
        if (now < queued)
            sinceProgress.restart();
        queued = now;
    }
    if (queued > 0)
        m_device->purge(false, true);
}

void TCommPortDriver::reapply()
{
    if (!Connected())
        return;
    if (m_device->apply(m_line)) {
        m_device->purge(true, true);
        return;
    }
    m_poll.stop();
    m_device->purge(true, true);
    m_device->close();
}

int TCommPortDriver::SendData(const char* data, int count)
{
    return SendData(data, count, m_outputTimeout);
}

int TCommPortDriver::SendData(const char* data, int count, int timeoutMs)
{
    if (!Connected() || data == nullptr || count <= 0)
        return 0;
    int sent = 0;
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    while (sent < count) {
        const int room = OutFreeSpace();
        const bool linesAllow = !m_checkLineStatus || GetLineStatus() != 0;
        if (room > 0 && linesAllow) {
            const long written = m_device->write(data + sent, std::min(room, count - sent));
            if (written < 0)
                break; // the device is gone (unplugged); waiting will not bring it back
            if (written > 0) {
                sent += static_cast<int>(written);
                sinceProgress.restart();
                continue;
            }
        }
        const qint64 waited = sinceProgress.elapsed();
        if (waited > timeoutMs)
            break;
        if (room > 0 && linesAllow)
            m_device->waitWritable(static_cast<int>(std::min<qint64>(10, timeoutMs - waited + 1)));
        else
            pause();
    }
    m_stalled = sent < count;
    return sent;
}

bool TCommPortDriver::SendByte(quint8 byte)
{
    const char data = static_cast<char>(byte);
    return SendData(&data, 1) == 1;
}

bool TCommPortDriver::SendString(const QByteArray& bytes)
{
    if (!Connected())
        return false;
    return SendData(bytes.constData(), static_cast<int>(bytes.size())) == bytes.size();
}

bool TCommPortDriver::FlushBuffers(bool input, bool output)
{
    return Connected() && m_device->purge(input, output);
}

int TCommPortDriver::GetLineStatus() const
{
    return Connected() ? m_device->modemStatus() : 0;
}

int TCommPortDriver::OutFreeSpace() const
{
    return Connected() ? std::max(0, m_outBufSize - m_device->outputQueued()) : 0;
}

void TCommPortDriver::pollInput()
{
    // A receiver may disconnect the port; reading then returns nothing and the loop ends.
    while (Connected()) {
        const QByteArray bytes = m_device->read(m_inBufSize);
        if (bytes.isEmpty())
            return;
        emit dataReceived(bytes);
    }
}

} // namespace kvr::devices
