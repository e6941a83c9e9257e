#include "SerialFixture.h"

#include "devices/CashDrawer.h"
#include "devices/CustomerDisplay.h"
#include "support/Files.h"

#include <QFile>
#include <QProcess>

using kvr::devices::OpenCashDrawer;
using kvr::devices::TestCustomerDisplay;

namespace {

class PortAccess : public kvr::test::SerialFixture
{
protected:
    // Every use the screens make of a port; each must come back false and send nothing.
    void expectNothingReachesThePort(const QString& name)
    {
        port.setPortName(name);
        EXPECT_FALSE(port.Connect());
        EXPECT_FALSE(port.Connected());
        EXPECT_FALSE(port.SendString("^G"));
        EXPECT_FALSE(OpenCashDrawer(port, name, QVariant())); // the machine screen's test kick goes this way too
        EXPECT_FALSE(TestCustomerDisplay(port, name, 9600, QStringLiteral("Welcome"), QStringLiteral("Thank you")));
        EXPECT_FALSE(port.Connected());
        EXPECT_EQ(pty.takeSent(0), QByteArray());
    }
};

TEST_F(PortAccess, a_port_that_cannot_be_opened_is_passed_over_silently)
{
    const QString plainFile = QDir(folder.path()).filePath(QStringLiteral("drawer.txt"));
    ASSERT_TRUE(kvr::test::writeFile(plainFile, "keep"));
    // The component's default port leads to the device: a blank or bad name must not fall back to it.
    // Which stored names lead nowhere is the map's; here, what the port does with each kind of path.
    const QString names[] = {
        QString(), QStringLiteral("/dev/kvr-no-such-port"), plainFile,
        QStringLiteral("/dev/null"), // a character device, but no terminal
    };
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        expectNothingReachesThePort(name);
    }
    QFile file(plainFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("keep"));
}

// Something that holds the device until released: another process (a second copy of this
// program, or another serial program) or, in mode "component", another component of this process
// such as a second screen's port.
class Holder
{
public:
    explicit Holder(const char* mode)
        : m_mode(QString::fromLatin1(mode))
    { }

    bool hold(const QString& device)
    {
        if (m_mode == u"component") {
            m_port.setPortName(device);
            return m_port.Connect();
        }
        m_process.start(QStringLiteral(KVR_PORT_HOLDER), {m_mode, device});
        if (!m_process.waitForStarted(10000))
            return false;
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
        }
        return m_process.readLine().trimmed() == "held";
    }

    bool release()
    {
        if (m_mode == u"component") {
            m_port.Disconnect();
            return true;
        }
        m_process.closeWriteChannel();
        return m_process.waitForFinished(10000) && m_process.exitCode() == 0;
    }

private:
    QString m_mode;
    QProcess m_process;
    kvr::devices::TCommPortDriver m_port;
};

TEST_F(PortAccess, a_port_held_elsewhere_is_refused_until_it_is_let_go)
{
    const std::pair<const char*, const char*> cases[] = {
        {"this program in another process", "driver"},
        {"a program that locks the device", "flock"},
        {"a program that makes the device exclusive", "exclusive"},
        {"another component of this process", "component"},
    };
    for (const auto& [name, mode] : cases) {
        SCOPED_TRACE(name);
        Holder holder(mode);
        ASSERT_TRUE(holder.hold(pty.slavePath()));
        expectNothingReachesThePort(pty.slavePath());

        ASSERT_TRUE(holder.release());
        EXPECT_TRUE(OpenCashDrawer(port, pty.slavePath(), QVariant()));
        EXPECT_EQ(pty.takeSent(2), QByteArray("^G"));
    }
}

} // namespace
