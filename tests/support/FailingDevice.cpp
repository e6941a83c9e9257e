#include "support/FailingDevice.h"

#include <algorithm>

namespace kvr::test {

FailingDevice::FailingDevice(qint64 capacity)
    : m_capacity(capacity)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 FailingDevice::readData(char*, qint64)
{
    return -1;
}

qint64 FailingDevice::writeData(const char* data, qint64 size)
{
    const qint64 room = m_capacity - m_taken.size();
    if (room <= 0) {
        setErrorString(QStringLiteral("printer is off line"));
        return -1;
    }
    // The last bytes that fit are taken, as a device with a small buffer does.
    const qint64 take = std::min(size, room);
    m_taken.append(data, take);
    return take;
}

} // namespace kvr::test
