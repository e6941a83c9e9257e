#pragma once

#include <QString>

namespace kvr::printing {

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

} // namespace kvr::printing
