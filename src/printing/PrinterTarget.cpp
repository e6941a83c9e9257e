#include "printing/PrinterTarget.h"

#include "util/IniFile.h"

#include "printing/PrinterError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace kvr::printing {

namespace {

const QString kSection = QStringLiteral("ReceiptPrinter");

QString IniTarget(const QString& workingDirectory, const QString& machineCode)
{
    const QString path = QDir(workingDirectory).filePath(QStringLiteral("KVR.INI"));
    if (!QFileInfo::exists(path))
        return {};
    const auto section = util::ReadIniSection(path, kSection);
    const QString code = machineCode.trimmed().toLower();
    if (!code.isEmpty()) {
        const QString value = section.value(code);
        if (!value.isEmpty())
            return value;
    }
    return section.value(QStringLiteral("device"));
}

// A single open attempt; the error text of the platform when it fails.
std::unique_ptr<QFile> TryOpen(const QString& path, QString& failure)
{
    // O_NONBLOCK: a pipe without a reader fails with ENXIO instead of waiting for one. Writes
    // block again afterwards, as a printer that is merely slow must not fail the receipt.
    // A device that is not there must not be replaced by a plain file of its name.
    const int create = path.startsWith(QLatin1String("/dev/")) ? 0 : O_CREAT;
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC | create, 0666);
    if (fd < 0) {
        failure = QString::fromLocal8Bit(std::strerror(errno));
        return nullptr;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        failure = file->errorString();
        ::close(fd);
        return nullptr;
    }
    return file;
}

} // namespace

QString PrinterTarget::description() const
{
    return isStandardOutput() ? QStringLiteral("standard output") : path;
}

PrinterTarget PrinterTarget::resolve(const QString& workingDirectory, const QString& machineCode,
                                     const QString& printerName)
{
    const QString fromIni = IniTarget(workingDirectory, machineCode);
    if (fromIni == u"-")
        return {};
    if (!fromIni.isEmpty())
        return {QDir(workingDirectory).absoluteFilePath(fromIni)};
    // Printer names are otherwise the names of a print queue, which this program does not drive.
    const QString name = printerName.trimmed();
    if (name.startsWith(u'/'))
        return {name};
    return {};
}

std::unique_ptr<QIODevice> OpenPrinterDevice(const PrinterTarget& target, const OpenRetry& retry)
{
    const int attempts = std::max(retry.attempts, 1);
    QString failure;
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        if (attempt > 1 && retry.interval.count() > 0)
            QThread::msleep(static_cast<unsigned long>(retry.interval.count()));
        if (target.isStandardOutput()) {
            auto out = std::make_unique<QFile>();
            if (::fcntl(STDOUT_FILENO, F_GETFL) < 0)
                failure = QStringLiteral("standard output is closed");
            else if (out->open(STDOUT_FILENO, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
                return out;
            else
                failure = out->errorString();
        } else if (auto file = TryOpen(target.path, failure)) {
            return file;
        }
    }
    throw PrinterError(PrinterError::Kind::OpenFailed,
                       QStringLiteral("The receipt printer %1 cannot be opened (%2 attempts): %3")
                           .arg(target.description())
                           .arg(attempts)
                           .arg(failure));
}

} // namespace kvr::printing
