#pragma once

#include <QString>

namespace kvr::devices {

// Where a stored port name leads on this workstation. Machines keep Windows-style names
// ("COM1:" ... "COM6:", "\\.\COM2"); section [SerialPorts] of "KVR.INI" in the working folder
// maps them to devices (COM1=/dev/ttyUSB0). Without an entry COMn is /dev/ttyS(n-1), the n-th
// built-in port. A name that is already a device path (/dev/ttyUSB0) is used as it is.
class SerialPortMap
{
public:
    explicit SerialPortMap(const QString& workingDirectory);

    // The device path for a stored name; empty for an empty or unknown name.
    QString devicePath(const QString& storedName) const;

    // n of a "COMn" style name, whatever its prefix and colon; 0 when it is none.
    static int comNumber(const QString& storedName);

private:
    QString m_workingDirectory;
};

} // namespace kvr::devices
