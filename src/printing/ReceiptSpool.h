#pragma once

#include "printing/PrinterTarget.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace kvr::printing {

// A receipt whose bytes the printer has taken, waiting for its bill to be marked printed.
struct TakenReceipt
{
    QString file;
    QString billNumber;
    QString billType;
};

// The receipts of one POS machine on their way to its printer. A saved bill's receipt is written
// to the spool folder as one file (whole or not at all) and the sale goes on at once; a worker
// thread hands the files to the printer in order, never blocking on it, and keeps how far each
// got, so a printer that stops taking bytes holds up only the receipts behind it. Nothing is lost
// when the program ends or is killed: what is left in the folder is printed by the next program
// run on the machine, from the byte where it stopped.
//
// Callbacks run on the thread that made the spool. A receipt whose bytes were all taken is
// reported through `onTaken` until forget() removes it, also after a restart.
class ReceiptSpool : public QObject
{
public:
    struct Handlers
    {
        std::function<void(const TakenReceipt&)> onTaken;
        // Receipts waiting and why the printer does not take them (empty while it does).
        std::function<void(int waiting, const QString& problem)> onBacklog;
    };
    struct Timing
    {
        int sliceMs = 100; // a write waits for the printer at most this long before looking again
        int stalledAfterMs = 2000; // no byte taken for this long: the printer is reported stalled
        int retryMs = 500; // a printer that cannot be opened is tried again after this
    };

    ReceiptSpool(const QString& folder, const PrinterTarget& target, Handlers handlers, Timing timing);
    ReceiptSpool(const QString& folder, const PrinterTarget& target, Handlers handlers)
        : ReceiptSpool(folder, target, std::move(handlers), Timing{})
    { }
    // Stops the worker between two writes; receipts not taken stay in the folder.
    ~ReceiptSpool() override;

    // The folder of a machine: KVR.INI [ReceiptPrinter] SpoolFolder (default "spool" in the
    // working folder), then the company database and the machine code.
    static QString folderFor(const QString& workingDirectory, const QString& companyDb, const QString& machineCode);

    const QString& folder() const { return m_folder; }
    const PrinterTarget& target() const { return m_target; }
    // Keeps the receipt of a bill; raises PrinterError when the folder cannot take it.
    void add(const QByteArray& bytes, const QString& billNumber, const QString& billType);
    // The bill of a taken receipt is marked printed: the receipt is done with.
    void forget(const TakenReceipt& receipt);
    // Receipts the printer has not taken yet.
    int waiting() const;
    // Reports every taken receipt not yet forgotten (after a restart, or a mark that failed).
    void reportTaken();

private:
    void report(const QStringList& takenFiles);
    void reportIfStillTaken(const TakenReceipt& receipt);
    void run();
    // Hands the oldest receipts to the printer; false when it stopped taking them.
    bool drain();
    bool send(const QString& file);
    void setProblem(const QString& problem);
    void publish();
    std::vector<QString> pendingFiles() const;
    bool stopping() const { return m_stop.load(); }

    QString m_folder;
    PrinterTarget m_target;
    Handlers m_handlers;
    Timing m_timing;
    int m_counter = 0;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_added = false;
    std::atomic<bool> m_stop{false};
    QString m_problem; // worker thread only
    int m_reportedWaiting = -1; // worker thread only
    QString m_reportedProblem; // worker thread only
    std::thread m_worker;
};

} // namespace kvr::printing
