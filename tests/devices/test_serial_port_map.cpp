#include "devices/SerialPortMap.h"
#include "support/Files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

TEST(SerialPortMap, windows_names_lead_to_the_builtin_ports_unless_the_ini_section_maps_them)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // Each stored port name with the device it must lead to.
    const auto expectDevices = [&folder](const std::vector<std::pair<const char*, const char*>>& cases) {
        const kvr::devices::SerialPortMap map(folder.path());
        for (const auto& [stored, device] : cases) {
            SCOPED_TRACE(stored);
            EXPECT_EQ(map.devicePath(QString::fromUtf8(stored)), QString::fromUtf8(device));
        }
    };
    // No KVR.INI at all.
    expectDevices({
        {"COM1:", "/dev/ttyS0"},
        {R"(\\.\COM2)", "/dev/ttyS1"},
        {R"(\\.\COM10)", "/dev/ttyS9"},
        {"com3", "/dev/ttyS2"},
        {"  COM4:  ", "/dev/ttyS3"},
        {" /dev/ttyACM1 ", "/dev/ttyACM1"},
        {"", ""},
        {"COM0:", ""},
        {"COM:", ""},
        {"LPT1:", ""},
        {"COM1::", ""},
    });
    ASSERT_TRUE(
        kvr::test::writeFile(QDir(folder.path()).filePath(QStringLiteral("KVR.INI")),
                             "[Database]\nUser=shop\n"
                             "[SerialPorts]\nCOM1=/dev/ttyUSB0\ncom2 = /dev/ttyUSB1\nCOM3=\nCOM4= /dev/ttyACM0 \n"
                             "[Other]\nCOM5=/dev/wrong\n"));
    expectDevices({
        {"COM1:", "/dev/ttyUSB0"},
        {"COM2:", "/dev/ttyUSB1"}, // key spelt in lower case
        {"COM3:", "/dev/ttyS2"}, // empty entry: the default
        {"COM4:", "/dev/ttyACM0"},
        {"COM5:", "/dev/ttyS4"}, // only [SerialPorts] counts
        {"/dev/ttyS0", "/dev/ttyS0"}, // a path is not mapped again
    });
}

} // namespace
