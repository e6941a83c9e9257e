#pragma once

#include "printing/PrinterTarget.h"

#include <QString>

#include <chrono>
#include <memory>

namespace kvr::printing {

// A printer device written without ever blocking: each write waits for room at most a given
// time and writes only what the device takes. A printer that takes nothing (out of paper, a
// pipe nobody reads) leaves the write at 0 bytes instead of holding its caller for ever.
class PrinterStream
{
public:
    // Null, with the platform's reason in `failure`, when the target cannot be opened now (a
    // device that is not there, a pipe without reader).
    static std::unique_ptr<PrinterStream> open(const PrinterTarget& target, QString& failure);
    ~PrinterStream();
    PrinterStream(const PrinterStream&) = delete;
    PrinterStream& operator=(const PrinterStream&) = delete;

    // Bytes of `data` the device took within `wait` (0 when it took none); -1 when the device
    // failed, with its reason in `failure`.
    qint64 write(const char* data, qint64 size, std::chrono::milliseconds wait, QString& failure);

private:
    PrinterStream(int fd, bool owned);

    int m_fd;
    bool m_owned;
};

} // namespace kvr::printing
