#include "support/DemoSession.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace kvr::test {

DemoRun runDemo(const QString& workDir, const QStringList& args)
{
    QProcess p;
    p.setWorkingDirectory(workDir);
    p.start(qEnvironmentVariable("KVR_BINARY_DIR") + QStringLiteral("/src/app/demo/kvrpos-demo"), args);
    EXPECT_TRUE(p.waitForFinished(300000)) << "the generator did not finish";
    DemoRun run;
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    run.err = QString::fromUtf8(p.readAllStandardError());
    return run;
}

void DemoSessionFixture::prepareServer()
{
    const DemoRun run = runDemo(server->workingDirectory(),
                                QStringList{QStringLiteral("--server"), server->serverName()} + generatorArguments);
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
}

} // namespace kvr::test
