#include "SerialFixture.h"

#include "devices/TCommPortDriver.h"

#include <gtest/gtest.h>

#include <functional>

using kvr::devices::TCommPortDriver;

namespace {

struct SettingCase
{
    const char* name;
    std::function<int(const TCommPortDriver&)> get;
    int expected;
};

TEST(CommPortSettings, a_new_component_has_the_documented_defaults)
{
    kvr::test::ensureCoreApplication();
    const TCommPortDriver port;
    const SettingCase cases[] = {
        {"Port", &TCommPortDriver::Port, 2},
        {"BaudRate", &TCommPortDriver::BaudRate, 7},
        {"BaudRateValue", &TCommPortDriver::BaudRateValue, 9600},
        {"DataBits", &TCommPortDriver::DataBits, 3},
        {"StopBits", &TCommPortDriver::StopBits, 0},
        {"Parity", &TCommPortDriver::Parity, 0},
        {"HwFlow", &TCommPortDriver::HwFlow, 1},
        {"SwFlow", &TCommPortDriver::SwFlow, 0},
        {"InBufSize", &TCommPortDriver::InBufSize, 2048},
        {"OutBufSize", &TCommPortDriver::OutBufSize, 2048},
        {"PacketSize", &TCommPortDriver::PacketSize, -1},
        {"PacketTimeout", &TCommPortDriver::PacketTimeout, -1},
        {"PollingDelay", &TCommPortDriver::PollingDelay, 50},
        {"EnableDTROnOpen", &TCommPortDriver::EnableDTROnOpen, 1},
        {"OutputTimeout", &TCommPortDriver::OutputTimeout, 500},
        {"InputTimeout", &TCommPortDriver::InputTimeout, 200},
        {"CheckLineStatus", &TCommPortDriver::CheckLineStatus, 0},
        {"Connected", &TCommPortDriver::Connected, 0},
    };
    for (const SettingCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.get(port), c.expected);
    }
    EXPECT_EQ(port.PortName(), QStringLiteral(R"(\\.\COM2)"));
}

struct ClampCase
{
    const char* name;
    std::function<void(TCommPortDriver&)> set;
    std::function<int(const TCommPortDriver&)> get;
    int expected;
};

TEST(CommPortSettings, buffer_sizes_and_polling_delay_stay_within_their_limits)
{
    kvr::test::ensureCoreApplication();
    const ClampCase cases[] = {
        {"InBufSize 100", [](TCommPortDriver& p) { p.setInBufSize(100); }, &TCommPortDriver::InBufSize, 128},
        {"InBufSize 10000", [](TCommPortDriver& p) { p.setInBufSize(10000); }, &TCommPortDriver::InBufSize, 8192},
        {"InBufSize -5", [](TCommPortDriver& p) { p.setInBufSize(-5); }, &TCommPortDriver::InBufSize, 128},
        {"InBufSize 128", [](TCommPortDriver& p) { p.setInBufSize(128); }, &TCommPortDriver::InBufSize, 128},
        {"InBufSize 8192", [](TCommPortDriver& p) { p.setInBufSize(8192); }, &TCommPortDriver::InBufSize, 8192},
        {"InBufSize 4000", [](TCommPortDriver& p) { p.setInBufSize(4000); }, &TCommPortDriver::InBufSize, 4000},
        {"OutBufSize 100", [](TCommPortDriver& p) { p.setOutBufSize(100); }, &TCommPortDriver::OutBufSize, 128},
        {"OutBufSize 10000", [](TCommPortDriver& p) { p.setOutBufSize(10000); }, &TCommPortDriver::OutBufSize, 8192},
        {"OutBufSize 129", [](TCommPortDriver& p) { p.setOutBufSize(129); }, &TCommPortDriver::OutBufSize, 129},
        {"PollingDelay 2", [](TCommPortDriver& p) { p.setPollingDelay(2); }, &TCommPortDriver::PollingDelay, 5},
        {"PollingDelay 0", [](TCommPortDriver& p) { p.setPollingDelay(0); }, &TCommPortDriver::PollingDelay, 5},
        {"PollingDelay -1", [](TCommPortDriver& p) { p.setPollingDelay(-1); }, &TCommPortDriver::PollingDelay, 5},
        {"PollingDelay 5", [](TCommPortDriver& p) { p.setPollingDelay(5); }, &TCommPortDriver::PollingDelay, 5},
        {"PollingDelay 6", [](TCommPortDriver& p) { p.setPollingDelay(6); }, &TCommPortDriver::PollingDelay, 6},
        {"OutputTimeout -1", [](TCommPortDriver& p) { p.setOutputTimeout(-1); }, &TCommPortDriver::OutputTimeout, 0},
    };
    for (const ClampCase& c : cases) {
        SCOPED_TRACE(c.name);
        TCommPortDriver port;
        c.set(port);
        EXPECT_EQ(c.get(port), c.expected);
    }
}

TEST(CommPortSettings, port_number_and_port_name_follow_each_other)
{
    kvr::test::ensureCoreApplication();
    TCommPortDriver port;
    port.setPort(5);
    EXPECT_EQ(port.Port(), 5);
    EXPECT_EQ(port.PortName(), QStringLiteral(R"(\\.\COM5)"));
    port.setPortName(QStringLiteral("COM1:"));
    EXPECT_EQ(port.Port(), 0);
    EXPECT_EQ(port.PortName(), QStringLiteral("COM1:"));
    port.setPort(0); // custom: the name stays
    EXPECT_EQ(port.PortName(), QStringLiteral("COM1:"));
    port.setPort(-3); // no such port: nothing changes
    EXPECT_EQ(port.Port(), 0);
    EXPECT_EQ(port.PortName(), QStringLiteral("COM1:"));
}

TEST(CommPortSettings, speed_codes_stand_for_their_speeds_and_a_typed_speed_is_custom)
{
    kvr::test::ensureCoreApplication();
    const int speeds[] = {110,   300,   600,   1200,  2400,   4800,   9600,  14400,
                          19200, 38400, 56000, 57600, 115200, 128000, 256000};
    TCommPortDriver port;
    for (int code = 1; code <= 15; ++code) {
        SCOPED_TRACE(code);
        port.setBaudRate(code);
        EXPECT_EQ(port.BaudRate(), code);
        EXPECT_EQ(port.BaudRateValue(), speeds[code - 1]);
    }
    port.setBaudRateValue(4800);
    EXPECT_EQ(port.BaudRate(), 0);
    EXPECT_EQ(port.BaudRateValue(), 4800);
    port.setBaudRate(16); // no such code
    port.setBaudRate(-1);
    EXPECT_EQ(port.BaudRate(), 0);
    EXPECT_EQ(port.BaudRateValue(), 4800);
    port.setBaudRate(0); // custom keeps the typed speed
    EXPECT_EQ(port.BaudRateValue(), 4800);
}

} // namespace
