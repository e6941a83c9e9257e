#pragma once

// The test side of the programs that each play one counter or user (CounterProgram.h): started
// together, each waits past every check until all are ready, and all are let go at once.
#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kvr::test {

class Racers
{
public:
    // A program of this test folder, with its arguments.
    void start(const char* program, const QStringList& arguments)
    {
        auto p = std::make_unique<QProcess>();
        p->start(qEnvironmentVariable("KVR_BINARY_DIR") + QStringLiteral("/tests/admin/") + QLatin1String(program),
                 arguments);
        m_started.push_back(std::move(p));
    }

    // Every program has said "ready".
    ::testing::AssertionResult ready()
    {
        for (auto& p : m_started) {
            if (!p->waitForStarted(30000))
                return ::testing::AssertionFailure() << "did not start";
            while (!p->canReadLine() && p->state() == QProcess::Running)
                p->waitForReadyRead(1000);
            if (p->readLine().trimmed() != QByteArray("ready"))
                return ::testing::AssertionFailure() << p->readAllStandardError().toStdString();
        }
        return ::testing::AssertionSuccess();
    }

    // "go" to each, written through at once: a QProcess sends what it buffers only when waited on.
    ::testing::AssertionResult go()
    {
        for (auto& p : m_started) {
            p->write("go\n");
            if (!p->waitForBytesWritten(30000))
                return ::testing::AssertionFailure() << "go not sent";
        }
        return ::testing::AssertionSuccess();
    }

    // Every program ended with exit code 0; what each printed, trimmed, in the order they started.
    ::testing::AssertionResult finish(QStringList& said)
    {
        said.clear();
        for (auto& p : m_started) {
            if (!p->waitForFinished(120000))
                return ::testing::AssertionFailure() << "did not finish";
            if (p->exitCode() != 0)
                return ::testing::AssertionFailure()
                    << "exit code " << p->exitCode() << ": " << p->readAllStandardError().toStdString();
            said << QString::fromUtf8(p->readAllStandardOutput()).trimmed();
        }
        return ::testing::AssertionSuccess();
    }

private:
    std::vector<std::unique_ptr<QProcess>> m_started;
};

} // namespace kvr::test
