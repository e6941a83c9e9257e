#pragma once

#include "devices/TCommPortDriver.h"
#include "support/CoreApplication.h"
#include "support/PtyPair.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kvr::test {

// A pseudo-terminal as the serial device and a working folder whose KVR.INI the port reads.
class SerialFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ensureCoreApplication();
        ASSERT_TRUE(pty.isOpen()) << "no pseudo-terminal";
        ASSERT_TRUE(folder.isValid());
        port.setWorkingDirectory(folder.path());
    }

    // Writes [SerialPorts] entries such as {"COM1", "/dev/pts/3"} into KVR.INI.
    void mapPorts(const std::vector<std::pair<QString, QString>>& entries)
    {
        QSettings ini(QDir(folder.path()).filePath(QStringLiteral("KVR.INI")), QSettings::IniFormat);
        for (const auto& [name, device] : entries)
            ini.setValue(QStringLiteral("SerialPorts/") + name, device);
        ini.sync();
    }

    // The device was set to the speed, 8 data bits, no parity, one stop bit.
    void expectSpeed8N1(int speed)
    {
        EXPECT_EQ(pty.slaveBaudRate(), speed);
        const termios line = pty.slaveTermios();
        EXPECT_EQ(line.c_cflag & CSIZE, tcflag_t(CS8));
        EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB), 0u);
    }

    PtyPair pty;
    QTemporaryDir folder;
    devices::TCommPortDriver port;
};

} // namespace kvr::test
