#pragma once

#include <QByteArray>
#include <QString>

namespace kvr::devices {

class TCommPortDriver;

// The two-line, 20-column customer display on a serial port. Each command connects the port,
// sends and disconnects, so the display keeps what it was last sent and the port is free between
// uses. Text goes out in the Thai code page, one byte per character.
class CustomerDisplay
{
public:
    static constexpr int kLineWidth = 20;

    // Uses the port's name and speed as they are set.
    explicit CustomerDisplay(TCommPortDriver& port);

    // 04 01 4D, the mode as decimal digits, 17, then 1B 40 (initialise).
    bool DisplayModeCommand(int mode);
    // Line 1: 0B; line 2: 0B 0A; then the text as lineBytes gives it. Other lines are refused.
    bool DisplayLine(int line, const QString& text);

    static QByteArray modeCommandBytes(int mode);
    // The text in the Thai code page, padded with spaces or cut to exactly kLineWidth bytes.
    static QByteArray lineBytes(const QString& text);

private:
    bool send(const QByteArray& bytes);

    TCommPortDriver& m_port;
};

// The machine screen's display test with the values on screen: mode 1, then the two welcome
// lines. Stops at the first step that does not go out, so a dead port costs one OutputTimeout.
bool TestCustomerDisplay(TCommPortDriver& port, const QString& displayPort, int baudRate, const QString& hello1,
                         const QString& hello2);

} // namespace kvr::devices
