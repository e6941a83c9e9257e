#include "support/PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace kvr::test {

QString pdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(60000)) << "pdftotext did not finish";
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfLetters(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("[\\s\\x{0E31}\\x{0E34}-\\x{0E3A}\\x{0E47}-\\x{0E4E}]")));
    text.replace(QChar(0x0E33), QChar(0x0E32));
    return text;
}

} // namespace kvr::test
