#pragma once

#include <QByteArray>
#include <QIODevice>

#include <algorithm>

namespace kvr::test {

// A write-only device that takes `capacity` bytes and then fails every write, as a printer
// does when it is switched off in the middle of a receipt. What it took is kept.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 capacity)
        : m_capacity(capacity)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    const QByteArray& taken() const { return m_taken; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
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

private:
    qint64 m_capacity;
    QByteArray m_taken;
};

} // namespace kvr::test
