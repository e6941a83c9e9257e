#pragma once

#include "support/SessionFixture.h"

#include <QString>
#include <QStringList>

namespace kvr::test {

struct DemoRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the real generator, kvrpos-demo, in the given folder.
DemoRun runDemo(const QString& workDir, const QStringList& args);

// The demo shop as the generator creates it on the test server, on both backends, with the
// program's session of the cashier (user 1 on the sale menu item) opened on it.
class DemoSessionFixture : public SessionFixture
{
protected:
    DemoSessionFixture() { companyCode = QStringLiteral("DEMO"); }
    void prepareServer() override;

    // Given to the generator after the server.
    QStringList generatorArguments;
};

} // namespace kvr::test
