#pragma once

#include "devices/TCommPortDriver.h"
#include "support/CoreApplication.h"
#include "support/PtyPair.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>

namespace kvr::test {

// A pseudo-terminal as the serial device and a working folder whose KVR.INI the port reads; it
// maps COM1 and COM2, the component's default port, to the device.
class SerialFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ensureCoreApplication();
        ASSERT_TRUE(pty.isOpen()) << "no pseudo-terminal";
        ASSERT_TRUE(folder.isValid());
        port.setWorkingDirectory(folder.path());
        QSettings ini(QDir(folder.path()).filePath(QStringLiteral("KVR.INI")), QSettings::IniFormat);
        ini.setValue(QStringLiteral("SerialPorts/COM1"), pty.slavePath());
        ini.setValue(QStringLiteral("SerialPorts/COM2"), pty.slavePath());
    }

    // The device's line as a port left it: speed, data bits, parity, stop bits, then the flow
    // control in force ("9600 8N1", "9600 8N2 CRTSCTS IXON IXOFF").
    QString lineSettings() const
    {
        const termios line = pty.slaveTermios();
        QString text =
            QStringLiteral("%1 %2%3%4")
                .arg(pty.slaveBaudRate())
                .arg(QLatin1Char((line.c_cflag & CSIZE) == CS8 ? '8' : '?')) // a pseudo-terminal takes only 8
                .arg(QLatin1Char((line.c_cflag & PARENB) ? ((line.c_cflag & PARODD) ? 'O' : 'E') : 'N'))
                .arg((line.c_cflag & CSTOPB) ? 2 : 1);
        for (const auto& [flag, name] :
             {std::pair{line.c_cflag & CRTSCTS, "CRTSCTS"}, std::pair{line.c_iflag & IXON, "IXON"},
              std::pair{line.c_iflag & IXOFF, "IXOFF"}})
            if (flag)
                text += u' ' + QLatin1String(name);
        return text;
    }

    // Nothing holds the device: another port can take it.
    bool deviceIsFree() const
    {
        devices::TCommPortDriver other;
        other.setPortName(pty.slavePath());
        return other.Connect();
    }

    PtyPair pty;
    QTemporaryDir folder;
    devices::TCommPortDriver port;
};

} // namespace kvr::test
