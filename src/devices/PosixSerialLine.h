#pragma once

#include "devices/SerialLine.h"

namespace kvr::devices {

// A serial port on Linux through termios. A port is held exclusively: the open is refused when
// another holder has locked the device (flock) or set it exclusive (TIOCEXCL), and while open this
// object does both, so that neither another copy of this program nor another serial program
// sends into the middle of a drawer kick or a display line.
class PosixSerialLine final : public SerialLine
{
public:
    PosixSerialLine() = default;
    ~PosixSerialLine() override;
    PosixSerialLine(const PosixSerialLine&) = delete;
    PosixSerialLine& operator=(const PosixSerialLine&) = delete;

    bool open(const QString& devicePath) override;
    void close() override;
    bool isOpen() const override { return m_fd >= 0; }
    bool apply(const LineSettings& settings) override;
    long write(const char* data, long count) override;
    void waitWritable(int timeoutMs) override;
    int outputQueued() const override;
    QByteArray read(int maxBytes) override;
    bool purge(bool input, bool output) override;
    int modemStatus() const override;

private:
    int m_fd = -1;
};

} // namespace kvr::devices
