#include "SerialFixture.h"

#include "devices/CustomerDisplay.h"

#include <tuple>

using kvr::devices::TestCustomerDisplay;

namespace {

using CustomerDisplayTest = kvr::test::SerialFixture;

TEST_F(CustomerDisplayTest, the_test_sends_mode_one_and_both_welcome_lines_padded_to_twenty)
{
    // The two welcome lines typed, and the twenty bytes each must be.
    const std::tuple<const char*, QString, QString, QByteArray, QByteArray> cases[] = {
        {"short line padded", QStringLiteral("Welcome"), QStringLiteral("Thank you"), "Welcome             ",
         "Thank you           "},
        {"long line cut", QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"), QStringLiteral("12345678901234567890"),
         "ABCDEFGHIJKLMNOPQRST", "12345678901234567890"},
        {"Thai in its code page", QStringLiteral("สวัสดี"), QStringLiteral("ขอบคุณ ฿"),
         QByteArray::fromHex("cac7d1cab4d5") + QByteArray(14, ' '),
         QByteArray::fromHex("a2cdbaa4d8b320df") + QByteArray(12, ' ')},
        {"character without a byte", QStringLiteral("Caf\u00e9 \U0001F600"), QStringLiteral("x"),
         "Caf? ?              ", "x                   "},
    };
    for (const auto& [name, hello1, hello2, text1, text2] : cases) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(TestCustomerDisplay(port, QStringLiteral("COM2:"), 19200, hello1, hello2));
        // Mode one, then each line's position (VT, VT LF) and its text.
        const QByteArray expected = QByteArray::fromHex("04014d31171b40") + '\x0b' + text1 + "\x0b\x0a" + text2;
        EXPECT_EQ(pty.takeSent(expected.size()).toHex(' '), expected.toHex(' '));
        EXPECT_EQ(lineSettings(), QStringLiteral("19200 8N1"));
        EXPECT_FALSE(port.Connected());
    }
    // The speed as typed: 0 is refused rather than hanging up the line.
    EXPECT_FALSE(TestCustomerDisplay(port, QStringLiteral("COM2:"), 0, QStringLiteral("a"), QStringLiteral("b")));
    EXPECT_EQ(pty.takeSent(0), QByteArray());
}

TEST_F(CustomerDisplayTest, single_commands_use_the_port_as_set)
{
    port.setPortName(QStringLiteral("COM2:"));
    port.setBaudRateValue(2400);
    kvr::devices::CustomerDisplay display(port);
    EXPECT_TRUE(display.DisplayModeCommand(12));
    EXPECT_EQ(pty.takeSent(8).toHex(' '), QByteArray("04 01 4d 31 32 17 1b 40"));
    EXPECT_EQ(pty.slaveBaudRate(), 2400);
    EXPECT_TRUE(display.DisplayLine(2, QStringLiteral("Total 35.00")));
    EXPECT_EQ(pty.takeSent(22), QByteArray("\x0B\x0ATotal 35.00         "));
    EXPECT_FALSE(display.DisplayLine(3, QStringLiteral("no such line")));
    EXPECT_FALSE(display.DisplayLine(0, QStringLiteral("no such line")));
    EXPECT_EQ(pty.takeSent(0), QByteArray());
}

} // namespace
