#include "SerialFixture.h"

#include <functional>
#include <tuple>

using kvr::devices::TCommPortDriver;

namespace {

using CommPortLine = kvr::test::SerialFixture;

// A pseudo-terminal takes every speed, stop bits and flow control, but only 8 data bits without
// parity; other framings are among the refused settings below.
TEST_F(CommPortLine, connect_applies_speed_and_framing_to_the_device)
{
    const std::tuple<const char*, std::function<void(TCommPortDriver&)>, const char*> cases[] = {
        {"defaults", [](TCommPortDriver&) {}, "9600 8N1"},
        {"speed code 8, no termios constant", [](TCommPortDriver& p) { p.setBaudRate(8); }, "14400 8N1"},
        {"back to a standard speed", [](TCommPortDriver& p) { p.setBaudRate(9); }, "19200 8N1"},
        {"RTS/CTS handshake", [](TCommPortDriver& p) { p.setHwFlow(2); }, "9600 8N1 CRTSCTS"},
        {"XON/XOFF", [](TCommPortDriver& p) { p.setSwFlow(1); }, "9600 8N1 IXON IXOFF"},
    };
    for (const auto& [name, configure, expected] : cases) {
        SCOPED_TRACE(name);
        TCommPortDriver driver;
        driver.setPortName(pty.slavePath());
        configure(driver);
        ASSERT_TRUE(driver.Connect());
        EXPECT_EQ(lineSettings(), QString::fromLatin1(expected));
        // Modem lines ignored and nothing echoed back to the device; that bytes go both ways
        // untranslated is shown by sending every byte value and by the receive poll.
        const termios line = pty.slaveTermios();
        EXPECT_EQ(line.c_cflag & (CLOCAL | CREAD), tcflag_t(CLOCAL | CREAD));
        EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    }
}

TEST_F(CommPortLine, every_byte_value_goes_out_unchanged)
{
    ASSERT_TRUE(port.Connect());
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_TRUE(port.SendString(all));
    port.Disconnect();
    EXPECT_EQ(pty.takeSent(all.size()).toHex(' '), all.toHex(' '));
}

TEST_F(CommPortLine, settings_the_device_cannot_take_leave_the_port_closed_and_free)
{
    const std::pair<const char*, std::function<void(TCommPortDriver&)>> cases[] = {
        {"7 data bits on a device of 8", [](TCommPortDriver& p) { p.setDataBits(2); }},
        {"even parity on a device without", [](TCommPortDriver& p) { p.setParity(2); }},
        {"data bits code 4", [](TCommPortDriver& p) { p.setDataBits(4); }},
        {"data bits code -1", [](TCommPortDriver& p) { p.setDataBits(-1); }},
        {"parity code 5", [](TCommPortDriver& p) { p.setParity(5); }},
        {"stop bits code 3", [](TCommPortDriver& p) { p.setStopBits(3); }},
        {"one and a half stop bits with 8 data bits", [](TCommPortDriver& p) { p.setStopBits(1); }},
        {"two stop bits with 5 data bits",
         [](TCommPortDriver& p) {
             p.setDataBits(0);
             p.setStopBits(2);
         }},
        {"handshake code 3", [](TCommPortDriver& p) { p.setHwFlow(3); }},
        {"speed 0 (would hang up the line)", [](TCommPortDriver& p) { p.setBaudRateValue(0); }},
    };
    for (const auto& [name, configure] : cases) {
        SCOPED_TRACE(name);
        TCommPortDriver driver;
        driver.setPortName(pty.slavePath());
        configure(driver);
        EXPECT_FALSE(driver.Connect());
        EXPECT_FALSE(driver.Connected());
        EXPECT_FALSE(driver.SendString("^G"));
        EXPECT_TRUE(deviceIsFree()) << "closed again, not left holding the device";
    }
    EXPECT_EQ(pty.takeSent(0), QByteArray());
}

TEST_F(CommPortLine, changing_a_line_setting_while_connected_applies_it_at_once)
{
    ASSERT_TRUE(port.Connect());
    port.setBaudRateValue(38400);
    EXPECT_EQ(lineSettings(), QStringLiteral("38400 8N1"));
    port.setStopBits(2);
    EXPECT_EQ(lineSettings(), QStringLiteral("38400 8N2"));
    ASSERT_TRUE(port.Connected());

    port.setDataBits(7); // refused: the port closes again
    EXPECT_FALSE(port.Connected());
    EXPECT_TRUE(deviceIsFree());
}

TEST_F(CommPortLine, a_disconnected_port_sends_and_reports_nothing)
{
    const char byte = 'x';
    EXPECT_EQ(port.SendData(&byte, 1), 0);
    EXPECT_FALSE(port.FlushBuffers(true, true));
    EXPECT_EQ(port.OutFreeSpace(), 0);
    EXPECT_EQ(port.GetLineStatus(), 0);
    EXPECT_FALSE(port.Connected()); // sending does not connect on its own
    EXPECT_EQ(pty.takeSent(0), QByteArray());
}

} // namespace
