#include "util/Workstation.h"

#include <QProcess>
#include <QSysInfo>

#include <arpa/inet.h>
#include <gtest/gtest.h>

using namespace kvr::util;

namespace {

TEST(Workstation, computer_name_is_the_host_name_without_its_domain)
{
    const QString name = ComputerName();
    EXPECT_FALSE(name.isEmpty());
    EXPECT_EQ(name, QSysInfo::machineHostName().section(u'.', 0, 0));
}

TEST(Workstation, login_name_is_the_user_running_the_program_upper_cased)
{
    QProcess id;
    id.start(QStringLiteral("id"), {QStringLiteral("-un")});
    if (!id.waitForFinished() || id.exitCode() != 0)
        GTEST_SKIP() << "the id command cannot tell the user name here";
    const QString expected = QString::fromLocal8Bit(id.readAllStandardOutput()).trimmed().toUpper();
    EXPECT_EQ(LoginUserName(), expected);
}

TEST(Workstation, ip_address_is_a_dotted_address_other_than_loopback)
{
    const QString address = LocalIPAddress();
    if (address.isEmpty())
        GTEST_SKIP() << "this machine has no active network interface besides loopback";
    in_addr parsed{};
    ASSERT_EQ(inet_pton(AF_INET, address.toLatin1().constData(), &parsed), 1) << address.toStdString();
    EXPECT_FALSE(address.startsWith(QStringLiteral("127.")));
}

} // namespace
