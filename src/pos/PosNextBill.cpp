#include "pos/PosNextBill.h"

#include "data/DbError.h"
#include "pos/PosNotices.h"

#include <stdexcept>

namespace kvr::pos {

PosNextBill::PosNextBill(const PosNotices& notices, Hooks hooks, QObject* parent)
    : QObject(parent)
    , m_notices(notices)
    , m_hooks(std::move(hooks))
{
    m_retry.setInterval(2000);
    connect(&m_retry, &QTimer::timeout, this, [this] { openAfter({}); });
}

void PosNextBill::openAfter(const QString& savedNumber)
{
    try {
        m_hooks.openBill();
        m_retry.stop();
        // The number the bill was saved under, for the cashier to tell the customer or write down.
        if (!savedNumber.isEmpty())
            m_hooks.showStatus(m_notices.billSaved(savedNumber));
    } catch (...) {
        // Only the first failure is told; the retries stay quiet until one succeeds.
        if (!savedNumber.isEmpty())
            m_hooks.reportError(afterSave(savedNumber, std::current_exception()));
        m_retry.start();
    }
}

std::exception_ptr PosNextBill::afterSave(const QString& savedNumber, std::exception_ptr error) const
{
    const QString saved = m_notices.savedBeforeOutage(savedNumber);
    try {
        std::rethrow_exception(error);
    } catch (const data::DbError& dbError) {
        // Keeps its kind so that the error handler still explains the cause.
        return std::make_exception_ptr(data::DbError(saved + dbError.message(), {dbError.kind(), dbError.column()}));
    } catch (const std::exception& other) {
        return std::make_exception_ptr(std::runtime_error((saved + QString::fromUtf8(other.what())).toStdString()));
    } catch (...) {
        return error;
    }
}

} // namespace kvr::pos
