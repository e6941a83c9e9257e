#pragma once

#include "devices/SerialLine.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace kvr::devices {

// A serial port as the screens use it: settings that may be changed at any time, an exclusive
// connection, sends that give up when the device stops taking bytes, and a receive poll on the
// caller's thread. Screens keep one per device, connect, send and disconnect for each use.
class TCommPortDriver : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMinBufSize = 128;
    static constexpr int kMaxBufSize = 8192;
    static constexpr int kMinPollingDelay = 5;
    static constexpr int kBaudRateCodes = 16; // 0 custom, 1..15 the listed speeds

    explicit TCommPortDriver(QObject* parent = nullptr);
    // For another platform layer; the driver owns it.
    explicit TCommPortDriver(std::unique_ptr<SerialLine> line, QObject* parent = nullptr);
    ~TCommPortDriver() override;

    // 0 = custom name; n >= 1 names the n-th port ("\\.\COMn").
    int Port() const { return m_port; }
    void setPort(int port);
    // The stored name to connect to; see SerialPortMap for how it becomes a device.
    const QString& PortName() const { return m_portName; }
    void setPortName(const QString& name);
    // Where "KVR.INI" is looked for; the process's current folder when empty.
    void setWorkingDirectory(const QString& directory) { m_workingDirectory = directory; }

    // Speed code 1..15 (110 ... 256000 bits per second) or 0 for the custom BaudRateValue.
    int BaudRate() const { return m_baudRate; }
    void setBaudRate(int code);
    int BaudRateValue() const { return m_line.baudRate; }
    void setBaudRateValue(int bitsPerSecond);
    static int baudRateOfCode(int code);

    int DataBits() const { return m_line.dataBitsCode; }
    void setDataBits(int code);
    int StopBits() const { return m_line.stopBitsCode; }
    void setStopBits(int code);
    int Parity() const { return m_line.parityCode; }
    void setParity(int code);
    int HwFlow() const { return m_line.hwFlow; }
    void setHwFlow(int flow);
    int SwFlow() const { return m_line.swFlow; }
    void setSwFlow(int flow);
    bool EnableDTROnOpen() const { return m_line.dtrOnOpen; }
    void setEnableDTROnOpen(bool enable);

    // Receive chunk and output queue sizes, kept within kMinBufSize..kMaxBufSize.
    int InBufSize() const { return m_inBufSize; }
    void setInBufSize(int size);
    int OutBufSize() const { return m_outBufSize; }
    void setOutBufSize(int size);
    // Received data is always delivered as it comes; the packet settings are only kept.
    int PacketSize() const { return m_packetSize; }
    void setPacketSize(int size) { m_packetSize = size; }
    int PacketTimeout() const { return m_packetTimeout; }
    void setPacketTimeout(int ms) { m_packetTimeout = ms; }
    int PollingDelay() const { return m_pollingDelay; }
    void setPollingDelay(int ms);
    // The longest wait without progress while sending.
    int OutputTimeout() const { return m_outputTimeout; }
    void setOutputTimeout(int ms) { m_outputTimeout = ms < 0 ? 0 : ms; }
    int InputTimeout() const { return m_inputTimeout; }
    void setInputTimeout(int ms) { m_inputTimeout = ms; }
    // When set, nothing is sent while no modem input line is active.
    bool CheckLineStatus() const { return m_checkLineStatus; }
    void setCheckLineStatus(bool check) { m_checkLineStatus = check; }

    // Opens PortName exclusively and applies the settings; a port that is missing, held
    // elsewhere or refuses the settings stays closed. True when connected.
    bool Connect();
    // Lets the bytes already sent leave the port (as long as it makes progress) and closes it.
    void Disconnect();
    bool Connected() const;

    // Bytes sent; stops when the device takes nothing for OutputTimeout (or timeoutMs) ms.
    // Nothing is sent while disconnected.
    int SendData(const char* data, int count);
    int SendData(const char* data, int count, int timeoutMs);
    bool SendByte(quint8 byte);
    // True when every byte went out.
    bool SendString(const QByteArray& bytes);

    // Discards pending input and/or output; false when disconnected.
    bool FlushBuffers(bool input, bool output);
    // ModemLine bits of the active input lines.
    int GetLineStatus() const;
    // OutBufSize minus the bytes waiting to be sent; 0 when disconnected.
    int OutFreeSpace() const;

signals:
    // Bytes read by the receive poll, at most InBufSize at a time.
    void dataReceived(const QByteArray& bytes);

private:
    void reapply();
    void pollInput();
    void drainOutput();
    QString workingDirectory() const;

    std::unique_ptr<SerialLine> m_device;
    QTimer m_poll;
    int m_port = 2;
    QString m_portName = QStringLiteral(R"(\\.\COM2)");
    QString m_workingDirectory;
    int m_baudRate = 7;
    LineSettings m_line;
    int m_inBufSize = 2048;
    int m_outBufSize = 2048;
    int m_packetSize = -1;
    int m_packetTimeout = -1;
    int m_pollingDelay = 50;
    int m_outputTimeout = 500;
    int m_inputTimeout = 200;
    bool m_checkLineStatus = false;
    // The last send gave up: the device is stalled and waiting for it to drain would only wait again.
    bool m_stalled = false;
};

} // namespace kvr::devices
