#pragma once

#include <QIODevice>
#include <QString>

#include <chrono>
#include <memory>

namespace kvr::printing {

// How long opening the printer is retried before the receipt is given up: a printer being
// switched on gets a moment, a missing one must not hold the counter.
struct OpenRetry
{
    int attempts = 3;
    std::chrono::milliseconds interval{200};
};

// Where the receipt bytes go: the process's standard output, or a device or file such as
// /dev/usb/lp0. A file receives each receipt appended to the ones before.
struct PrinterTarget
{
    QString path; // empty: standard output

    bool isStandardOutput() const { return path.isEmpty(); }
    QString description() const;

    // The target of one POS machine, first found of:
    //   "KVR.INI" in the working folder, section [ReceiptPrinter], key = the machine code, then
    //   key "Device" (for every machine of this workstation); "-" there means standard output;
    //   the machine's printer name when it is an absolute path;
    //   standard output.
    static PrinterTarget resolve(const QString& workingDirectory, const QString& machineCode,
                                 const QString& printerName);
};

// Opens the target for writing, trying `retry.attempts` times. Opening never waits for a reader
// or a slow device, so a printer that is absent fails at once. Raises PrinterError.
std::unique_ptr<QIODevice> OpenPrinterDevice(const PrinterTarget& target, const OpenRetry& retry = {});

} // namespace kvr::printing
