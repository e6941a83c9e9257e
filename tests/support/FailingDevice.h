#pragma once

#include <QByteArray>
#include <QIODevice>

namespace kvr::test {

// A write-only device that takes `capacity` bytes and then fails every write, as a printer
// does when it is switched off in the middle of a receipt. What it took is kept.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 capacity);

    const QByteArray& taken() const { return m_taken; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    qint64 m_capacity;
    QByteArray m_taken;
};

} // namespace kvr::test
