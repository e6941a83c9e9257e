#include "SerialFixture.h"

#include <QDeadlineTimer>
#include <QTest>

#include <chrono>
#include <thread>

namespace {

class CommPortTraffic : public kvr::test::SerialFixture
{
protected:
    void SetUp() override
    {
        SerialFixture::SetUp();
        QObject::connect(&port, &kvr::devices::TCommPortDriver::dataReceived, [this](const QByteArray& bytes) {
            received += bytes;
            chunks.push_back(static_cast<int>(bytes.size()));
        });
    }

    QByteArray receive(int expected)
    {
        // The receive poll runs on the event loop; the time-out only bounds a hang.
        EXPECT_TRUE(QTest::qWaitFor([&] { return received.size() >= expected; }, 30000)) << "bytes missing";
        return received;
    }

    static QByteArray pattern(int size)
    {
        QByteArray bytes(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
        return bytes;
    }

    QByteArray received;
    std::vector<int> chunks;
};

TEST_F(CommPortTraffic, the_receive_poll_delivers_what_the_device_sends_in_chunks_of_the_input_buffer)
{
    // The smallest buffer: an answer of 300 bytes comes in chunks no larger.
    port.setInBufSize(128);
    port.setPollingDelay(5);
    ASSERT_TRUE(port.Connect());
    const QByteArray answer = pattern(300);
    ASSERT_TRUE(pty.answer(answer));
    EXPECT_EQ(receive(answer.size()).toHex(), answer.toHex());
    for (const int chunk : chunks)
        EXPECT_LE(chunk, 128);
}

TEST_F(CommPortTraffic, flushing_the_input_drops_what_came_before)
{
    ASSERT_TRUE(port.Connect());
    ASSERT_TRUE(pty.answer("stale"));
    // No events are processed here, so the poll cannot take the bytes first.
    QDeadlineTimer patience(5000);
    while (pty.slaveInputQueued() < 5 && !patience.hasExpired())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_EQ(pty.slaveInputQueued(), 5);

    EXPECT_TRUE(port.FlushBuffers(true, false));
    EXPECT_EQ(pty.slaveInputQueued(), 0);
    ASSERT_TRUE(pty.answer("fresh"));
    EXPECT_EQ(receive(5), QByteArray("fresh"));
}

TEST_F(CommPortTraffic, with_the_line_check_nothing_goes_out_while_no_modem_line_is_active)
{
    // A pseudo-terminal has no modem lines at all; without the check (the default) every send
    // here and in the other tests goes out.
    port.setCheckLineStatus(true);
    port.setOutputTimeout(50);
    ASSERT_TRUE(port.Connect());
    EXPECT_EQ(port.GetLineStatus(), 0);
    EXPECT_FALSE(port.SendString("^G"));
    port.Disconnect();
    EXPECT_EQ(pty.takeSent(0), QByteArray());
}

TEST_F(CommPortTraffic, a_device_that_takes_nothing_more_makes_the_send_give_up)
{
    // Far more than a pseudo-terminal buffers while nobody reads the other end.
    const QByteArray payload = pattern(1 << 20);
    port.setOutputTimeout(100);
    ASSERT_TRUE(port.Connect());
    const int sent = port.SendData(payload.constData(), static_cast<int>(payload.size()));
    EXPECT_GT(sent, 0);
    EXPECT_LT(sent, payload.size());
    EXPECT_FALSE(port.SendString("more"));
    port.Disconnect();
    // What was counted as sent is exactly what arrived, in order.
    EXPECT_TRUE(pty.takeSent(sent) == payload.left(sent));
}

TEST_F(CommPortTraffic, a_slow_device_that_keeps_taking_bytes_gets_everything)
{
    // The reader pauses 20 ms per 2 KiB: the whole send lasts far longer than the time-out,
    // yet never waits that long without progress.
    const QByteArray payload = pattern(96 * 1024);
    port.setOutputTimeout(400);
    ASSERT_TRUE(port.Connect());
    QByteArray arrived;
    std::thread reader([&] {
        while (arrived.size() < payload.size()) {
            const QByteArray part = pty.takeAtMost(2048);
            if (part.isEmpty())
                break;
            arrived += part;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    const int sent = port.SendData(payload.constData(), static_cast<int>(payload.size()));
    port.Disconnect();
    reader.join();
    EXPECT_EQ(sent, payload.size());
    EXPECT_TRUE(arrived == payload);
}

} // namespace
