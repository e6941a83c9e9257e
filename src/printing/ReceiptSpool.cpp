#include "printing/ReceiptSpool.h"

#include "printing/PrinterError.h"
#include "printing/PrinterStream.h"
#include "util/IniFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QUrl>

#include <chrono>
#include <csignal>
#include <memory>
#include <pthread.h>

namespace kvr::printing {

namespace {

using Clock = std::chrono::steady_clock;

const QString kPending = QStringLiteral(".prn");
const QString kTaken = QStringLiteral(".taken");
const QString kOffset = QStringLiteral(".pos");

QString encoded(const QString& text)
{
    // The file name carries the bill: nothing in it may read as a folder or a field separator.
    return QString::fromLatin1(QUrl::toPercentEncoding(text.trimmed(), {}, "-."));
}

// The bill of a receipt file: STAMP-PID-COUNTER-TYPE-NUMBER.prn (or .taken).
TakenReceipt receiptOf(const QString& path)
{
    const QString base = QFileInfo(path).completeBaseName();
    const QStringList fields = base.split(QLatin1Char('-'));
    TakenReceipt receipt{path, {}, {}};
    if (fields.size() == 5) {
        receipt.billType = fields.at(3);
        receipt.billNumber = QUrl::fromPercentEncoding(fields.at(4).toLatin1());
    }
    return receipt;
}

QStringList filesEnding(const QString& folder, const QString& suffix)
{
    QStringList names = QDir(folder).entryList({QLatin1Char('*') + suffix}, QDir::Files, QDir::Name);
    for (QString& name : names)
        name = QDir(folder).filePath(name);
    return names;
}

qint64 readOffset(const QString& file)
{
    QFile offset(file + kOffset);
    if (!offset.open(QIODevice::ReadOnly))
        return 0;
    return std::max<qint64>(0, offset.readAll().trimmed().toLongLong());
}

void saveOffset(const QString& file, qint64 done)
{
    QSaveFile offset(file + kOffset);
    if (offset.open(QIODevice::WriteOnly)) {
        offset.write(QByteArray::number(done));
        offset.commit();
    }
}

} // namespace

ReceiptSpool::ReceiptSpool(const QString& folder, const PrinterTarget& target, Handlers handlers, Timing timing)
    : m_folder(folder)
    , m_target(target)
    , m_handlers(std::move(handlers))
    , m_timing(timing)
{
    QDir().mkpath(m_folder);
    // Receipts taken before the last run ended whose bill was not marked yet: listed before the
    // printer thread starts, whose own receipts are reported as it takes them, once.
    const QStringList earlier = filesEnding(m_folder, kTaken);
    QMetaObject::invokeMethod(
        this, [this, earlier] { report(earlier); }, Qt::QueuedConnection);
    m_worker = std::thread([this] { run(); });
}

ReceiptSpool::~ReceiptSpool()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_worker.join();
}

QString ReceiptSpool::folderFor(const QString& workingDirectory, const QString& companyDb, const QString& machineCode)
{
    const QDir work(workingDirectory);
    QString base = QStringLiteral("spool");
    const QString ini = work.filePath(QStringLiteral("KVR.INI"));
    if (QFileInfo(ini).isFile()) {
        const QString configured =
            util::ReadIniSection(ini, QStringLiteral("ReceiptPrinter")).value(QStringLiteral("spoolfolder"));
        if (!configured.isEmpty())
            base = configured;
    }
    return QDir(work.absoluteFilePath(base)).filePath(encoded(companyDb) + QLatin1Char('/') + encoded(machineCode));
}

void ReceiptSpool::add(const QByteArray& bytes, const QString& billNumber, const QString& billType)
{
    QDir().mkpath(m_folder);
    const QString name = QStringLiteral("%1-%2-%3-%4-%5")
                             .arg(QDateTime::currentMSecsSinceEpoch(), 13, 10, QLatin1Char('0'))
                             .arg(QCoreApplication::applicationPid())
                             .arg(++m_counter, 6, 10, QLatin1Char('0'))
                             .arg(encoded(billType), encoded(billNumber));
    QSaveFile file(QDir(m_folder).filePath(name + kPending));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw PrinterError(PrinterError::Kind::WriteFailed,
                           QStringLiteral("The receipt of bill %1 cannot be kept for the printer in %2: %3")
                               .arg(billNumber.trimmed(), m_folder, file.errorString()));
    {
        const std::lock_guard lock(m_mutex);
        m_added = true;
    }
    m_wake.notify_all();
}

void ReceiptSpool::forget(const TakenReceipt& receipt)
{
    QFile::remove(receipt.file);
}

int ReceiptSpool::waiting() const
{
    return static_cast<int>(pendingFiles().size());
}

void ReceiptSpool::reportTaken()
{
    report(filesEnding(m_folder, kTaken));
}

void ReceiptSpool::report(const QStringList& takenFiles)
{
    for (const QString& file : takenFiles)
        reportIfStillTaken(receiptOf(file));
}

void ReceiptSpool::reportIfStillTaken(const TakenReceipt& receipt)
{
    // A receipt asked for again (reportTaken()) while its own report waited in the queue may have
    // been forgotten since: its bill is marked, and a second report would only say so twice.
    if (m_handlers.onTaken && QFile::exists(receipt.file))
        m_handlers.onTaken(receipt);
}

std::vector<QString> ReceiptSpool::pendingFiles() const
{
    const QStringList files = filesEnding(m_folder, kPending);
    return {files.begin(), files.end()};
}

void ReceiptSpool::run()
{
    // A printer pipe whose reader went away must fail the write, not end the program.
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);

    // One program at a time prints a machine's receipts, or a receipt could go out twice.
    QLockFile drainer(QDir(m_folder).filePath(QStringLiteral("drain.lock")));
    while (!stopping()) {
        bool idle = false;
        if (drainer.isLocked() || drainer.tryLock(0)) {
            idle = drain();
        } else if (drainer.error() == QLockFile::LockFailedError) {
            setProblem(QStringLiteral("another program is printing the receipts of %1").arg(m_folder));
        } else {
            setProblem(QStringLiteral("the receipt spool %1 cannot be used").arg(m_folder));
        }
        publish();
        std::unique_lock lock(m_mutex);
        if (idle)
            m_wake.wait(lock, [this] { return m_added || m_stop; });
        else
            m_wake.wait_for(lock, std::chrono::milliseconds(m_timing.retryMs), [this] { return m_stop.load(); });
        m_added = false;
    }
}

bool ReceiptSpool::drain()
{
    std::unique_ptr<PrinterStream> stream;
    for (;;) {
        {
            const std::lock_guard lock(m_mutex);
            m_added = false;
        }
        const std::vector<QString> files = pendingFiles();
        publish();
        if (files.empty()) {
            setProblem({});
            return true;
        }
        if (!stream) {
            QString failure;
            stream = PrinterStream::open(m_target, failure);
            if (!stream) {
                setProblem(
                    QStringLiteral("the receipt printer %1 cannot be opened: %2").arg(m_target.description(), failure));
                return false;
            }
        }
        const QString& file = files.front();
        QFile receipt(file);
        if (!receipt.open(QIODevice::ReadOnly)) {
            setProblem(QStringLiteral("the receipt %1 cannot be read: %2").arg(file, receipt.errorString()));
            return false;
        }
        const QByteArray bytes = receipt.readAll();
        receipt.close();
        qint64 done = std::min<qint64>(readOffset(file), bytes.size());
        auto lastTaken = Clock::now();
        while (done < bytes.size()) {
            if (stopping())
                return false;
            QString failure;
            const qint64 taken = stream->write(bytes.constData() + done, bytes.size() - done,
                                               std::chrono::milliseconds(m_timing.sliceMs), failure);
            if (taken < 0) {
                setProblem(QStringLiteral("the receipt printer %1 failed: %2").arg(m_target.description(), failure));
                return false;
            }
            if (taken > 0) {
                done += taken;
                lastTaken = Clock::now();
                setProblem({});
                // A receipt cut off by the end of the program goes on from here next time.
                if (done < bytes.size())
                    saveOffset(file, done);
            } else if (Clock::now() - lastTaken > std::chrono::milliseconds(m_timing.stalledAfterMs)) {
                setProblem(QStringLiteral("the receipt printer %1 takes no data").arg(m_target.description()));
            }
            publish();
        }
        const QString takenFile = file.left(file.size() - kPending.size()) + kTaken;
        QFile::remove(takenFile);
        QFile::rename(file, takenFile);
        QFile::remove(file + kOffset);
        const TakenReceipt taken = receiptOf(takenFile);
        QMetaObject::invokeMethod(
            this, [this, taken] { reportIfStillTaken(taken); }, Qt::QueuedConnection);
    }
}

void ReceiptSpool::setProblem(const QString& problem)
{
    m_problem = problem;
}

void ReceiptSpool::publish()
{
    const int waiting = static_cast<int>(pendingFiles().size());
    if (waiting == m_reportedWaiting && m_problem == m_reportedProblem)
        return;
    m_reportedWaiting = waiting;
    m_reportedProblem = m_problem;
    const QString problem = m_problem;
    QMetaObject::invokeMethod(
        this,
        [this, waiting, problem] {
            if (m_handlers.onBacklog)
                m_handlers.onBacklog(waiting, problem);
        },
        Qt::QueuedConnection);
}

} // namespace kvr::printing
