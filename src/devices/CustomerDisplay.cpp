#include "devices/CustomerDisplay.h"

#include "devices/TCommPortDriver.h"
#include "util/Tis620.h"

namespace kvr::devices {

CustomerDisplay::CustomerDisplay(TCommPortDriver& port)
    : m_port(port)
{ }

QByteArray CustomerDisplay::modeCommandBytes(int mode)
{
    return QByteArray("\x04\x01\x4D") + QByteArray::number(mode) + QByteArray("\x17\x1B\x40");
}

QByteArray CustomerDisplay::lineBytes(const QString& text)
{
    // Converted first: a character outside the code page is one '?', never a half of a pair.
    QByteArray bytes = util::TisFromUnicode(text).left(kLineWidth);
    bytes.append(kLineWidth - bytes.size(), ' ');
    return bytes;
}

bool CustomerDisplay::DisplayModeCommand(int mode)
{
    return send(modeCommandBytes(mode));
}

bool CustomerDisplay::DisplayLine(int line, const QString& text)
{
    if (line == 1)
        return send(QByteArray("\x0B") + lineBytes(text));
    if (line == 2)
        return send(QByteArray("\x0B\x0A") + lineBytes(text));
    return false;
}

bool CustomerDisplay::send(const QByteArray& bytes)
{
    m_port.Disconnect();
    if (!m_port.Connect())
        return false;
    // One send per command: a stalled display costs one time-out, not one per part.
    const bool sent = m_port.SendString(bytes);
    m_port.Disconnect();
    return sent;
}

bool TestCustomerDisplay(TCommPortDriver& port, const QString& displayPort, int baudRate, const QString& hello1,
                         const QString& hello2)
{
    const QString name = displayPort.trimmed();
    if (name.isEmpty())
        return false;
    port.Disconnect();
    port.setPortName(name);
    port.setBaudRateValue(baudRate);
    CustomerDisplay display(port);
    return display.DisplayModeCommand(1) && display.DisplayLine(1, hello1) && display.DisplayLine(2, hello2);
}

} // namespace kvr::devices
