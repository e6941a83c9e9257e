#include "SerialFixture.h"

#include <vector>

using kvr::devices::TCommPortDriver;

namespace {

TEST(CommPortSettings, buffer_sizes_and_polling_delay_stay_within_their_limits)
{
    kvr::test::ensureCoreApplication();
    using Ints = std::vector<int>;
    // What a fresh port reads back after each value is set.
    const auto kept = [](void (TCommPortDriver::*set)(int), int (TCommPortDriver::*get)() const, const Ints& values) {
        Ints read;
        for (const int value : values) {
            TCommPortDriver port;
            (port.*set)(value);
            read.push_back((port.*get)());
        }
        return read;
    };
    EXPECT_EQ(kept(&TCommPortDriver::setInBufSize, &TCommPortDriver::InBufSize, {100, 10000, -5, 128, 8192, 4000}),
              (Ints{128, 8192, 128, 128, 8192, 4000}));
    EXPECT_EQ(kept(&TCommPortDriver::setOutBufSize, &TCommPortDriver::OutBufSize, {100, 10000, 129}),
              (Ints{128, 8192, 129}));
    EXPECT_EQ(kept(&TCommPortDriver::setPollingDelay, &TCommPortDriver::PollingDelay, {2, 0, -1, 5, 6}),
              (Ints{5, 5, 5, 5, 6}));
    EXPECT_EQ(kept(&TCommPortDriver::setOutputTimeout, &TCommPortDriver::OutputTimeout, {-1}), Ints{0});
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
