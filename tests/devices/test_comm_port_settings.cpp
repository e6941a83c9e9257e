#include "SerialFixture.h"

#include "devices/TCommPortDriver.h"

#include <gtest/gtest.h>

#include <functional>

using kvr::devices::TCommPortDriver;

namespace {

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

// A name or a speed that no code stands for makes the code custom (0) and is kept as typed;
// codes out of range change nothing. The codes' own speeds are checked on the device.
TEST(CommPortSettings, a_typed_name_or_speed_makes_the_code_custom_and_keeps_what_was_typed)
{
    kvr::test::ensureCoreApplication();
    TCommPortDriver port;
    port.setPort(5);
    EXPECT_EQ(port.PortName(), QStringLiteral(R"(\\.\COM5)"));
    port.setPortName(QStringLiteral("COM1:"));
    EXPECT_EQ(port.Port(), 0);
    for (const int code : {0, -3}) {
        port.setPort(code);
        EXPECT_EQ(port.Port(), 0);
        EXPECT_EQ(port.PortName(), QStringLiteral("COM1:"));
    }

    port.setBaudRate(13);
    port.setBaudRateValue(4800);
    EXPECT_EQ(port.BaudRate(), 0);
    for (const int code : {16, -1, 0}) {
        port.setBaudRate(code);
        EXPECT_EQ(port.BaudRate(), 0);
        EXPECT_EQ(port.BaudRateValue(), 4800);
    }
}

} // namespace
