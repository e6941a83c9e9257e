#include "SerialFixture.h"

#include "devices/CashDrawer.h"

using kvr::devices::OpenCashDrawer;

namespace {

class CashDrawer : public kvr::test::SerialFixture
{
protected:
    // The kick arrived alone, at the given speed, 8 data bits, no parity, one stop bit.
    void expectKickAt(int speed)
    {
        EXPECT_EQ(pty.takeSent(2).toHex(' '), QByteArray("5e 47"));
        EXPECT_EQ(lineSettings(), QStringLiteral("%1 8N1").arg(speed));
        EXPECT_FALSE(port.Connected()); // let go for the next program
    }
};

TEST_F(CashDrawer, a_saved_bill_kicks_the_drawer_with_caret_g_at_the_machine_speed)
{
    // The machine's BaudRate and the speed used; how a port name leads to its device is the map's.
    const std::pair<QVariant, int> cases[] = {
        {QVariant(), 9600},
        {QVariant(0), 9600},
        {QVariant(QStringLiteral("4800")), 4800}, // as a text column reads back
    };
    for (const auto& [baudRate, speed] : cases) {
        SCOPED_TRACE(baudRate.toString().toStdString());
        EXPECT_TRUE(OpenCashDrawer(port, QStringLiteral("COM1:"), baudRate));
        expectKickAt(speed);
    }
}

// Its kick at a typed speed is the saved bill's "4800" above: OpenCashDrawer is this test at the
// machine's speed.
TEST_F(CashDrawer, the_machine_screen_test_has_no_fallback_speed)
{
    // Unlike a saved bill's kick, an empty speed is not 9600: it kicks nothing.
    EXPECT_FALSE(kvr::devices::TestCashDrawer(port, QStringLiteral("COM1:"), 0));
    EXPECT_EQ(pty.takeSent(0), QByteArray());
}

TEST_F(CashDrawer, a_component_left_connected_elsewhere_kicks_the_named_port)
{
    kvr::test::PtyPair other;
    ASSERT_TRUE(other.isOpen());
    port.setPortName(other.slavePath());
    ASSERT_TRUE(port.Connect());
    EXPECT_TRUE(OpenCashDrawer(port, QStringLiteral("COM1:"), QVariant()));
    expectKickAt(9600);
    EXPECT_EQ(other.takeSent(0), QByteArray());
}

} // namespace
