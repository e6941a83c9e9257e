#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <exception>
#include <functional>

namespace kvr::pos {

class PosNotices;

// The next bill after a save. When the database does not answer, the cashier is told that the
// bill was saved (its number, then the cause) and the next bill opens by itself once the
// database answers again.
class PosNextBill : public QObject
{
    Q_OBJECT
public:
    struct Hooks
    {
        std::function<void()> openBill; // opens a new bill; throws when it cannot
        std::function<void(std::exception_ptr)> reportError;
        std::function<void(const QString&)> showStatus;
    };
    PosNextBill(const PosNotices& notices, Hooks hooks, QObject* parent = nullptr);

    // Opens the next bill after the one saved under that number.
    void openAfter(const QString& savedNumber);

private:
    // The error of the failed opening with the saved bill's number in front of its message.
    std::exception_ptr afterSave(const QString& savedNumber, std::exception_ptr error) const;

    const PosNotices& m_notices;
    Hooks m_hooks;
    QTimer m_retry;
};

} // namespace kvr::pos
