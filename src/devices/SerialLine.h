#pragma once

#include <QByteArray>
#include <QString>

namespace kvr::devices {

// Modem input lines as TCommPortDriver::GetLineStatus reports them.
enum ModemLine { LineCts = 1, LineDsr = 2, LineRing = 4, LineRlsd = 8 };

// The line settings of a port in the codes the stored settings use (see TCommPortDriver).
struct LineSettings
{
    int baudRate = 9600;
    int dataBitsCode = 3; // data bits = code + 5
    int stopBitsCode = 0; // 0 one, 1 one and a half, 2 two
    int parityCode = 0; // 0 none, 1 odd, 2 even, 3 mark, 4 space
    int hwFlow = 1; // 0 none, 1 RTS held on, 2 RTS/CTS handshake
    int swFlow = 0; // 1 XON/XOFF both ways
    bool dtrOnOpen = true;
};

// The operating-system side of a serial port: everything TCommPortDriver needs, and nothing of
// its settings, time-outs or events. One object holds at most one open port.
class SerialLine
{
public:
    virtual ~SerialLine() = default;

    // Opens an existing character device for reading and writing, refusing one that another
    // process or another SerialLine holds. Nothing is written to the device.
    virtual bool open(const QString& devicePath) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Sets speed, framing, flow control and the modem outputs; false when the device refuses
    // any of it (a pseudo-terminal, for one, only does 8 data bits without parity).
    virtual bool apply(const LineSettings& settings) = 0;

    // Writes without waiting; the number of bytes taken (0 when the queue is full), -1 on error.
    virtual long write(const char* data, long count) = 0;
    // Waits at most timeoutMs until a write could make progress.
    virtual void waitWritable(int timeoutMs) = 0;
    // Bytes written but not yet sent by the device.
    virtual int outputQueued() const = 0;
    // Takes at most maxBytes of the bytes received so far, without waiting.
    virtual QByteArray read(int maxBytes) = 0;
    virtual bool purge(bool input, bool output) = 0;
    // ModemLine bits of the active input lines; 0 for a device without modem lines.
    virtual int modemStatus() const = 0;
};

} // namespace kvr::devices
