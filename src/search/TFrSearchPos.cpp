#include "search/TFrSearchPos.h"

#include "data/Query.h"
#include "search/SearchStatements.h"

namespace kvr::search {

TFrSearchPos::TFrSearchPos(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : TFrSearchPos(dm, prompter, Bills::All, parent)
{ }

TFrSearchPos::TFrSearchPos(data::TDM& dm, ui::Prompter& prompter, Bills bills, QObject* parent)
    : BillSearch(dm, prompter, QStringLiteral("PosHd"), parent)
    , m_bills(bills)
{
    addCriterion(QStringLiteral("Sort"), QStringLiteral("เรียงตาม"), QStringLiteral("Sort by"));
    criterion(QStringLiteral("Sort"))->choices = thai() ? QStringList{QStringLiteral("เลขที่"), QStringLiteral("วันที่")}
                                                        : QStringList{QStringLiteral("Number"), QStringLiteral("Date")};
    criterion(QStringLiteral("Sort"))->text = QString::number(int(Sort::ByDate));
    addBillColumns();
    // Why a bill in red was cancelled, beside it.
    if (m_bills == Bills::All)
        addColumn(QStringLiteral("DelRemark"), 30,
                  thai() ? QStringLiteral("สาเหตุยกเลิก") : QStringLiteral("Cancel reason"));
}

QStringList TFrSearchPos::statement(const data::Dialect& dialect)
{
    Q_UNUSED(dialect);
    QStringList lines = statements::posBillSearch();
    if (m_bills == Bills::Cancellable)
        lines.insert(lines.indexOf(data::Query::slotLine(statements::kOrder)),
                     QStringLiteral("  And (H.DelFlag = 'N') And (H.Posted = 'N')"));
    return lines;
}

void TFrSearchPos::prepareSearch()
{
    const bool byNumber = criterionText(QStringLiteral("Sort")).toInt() == int(Sort::ByNumber);
    QSearch().setSlot(statements::kOrder, statements::posBillOrder(byNumber));
    bindBillCriteria();
}

} // namespace kvr::search
