#include "search/TFrSearchPos.h"

#include "data/Query.h"
#include "search/SearchStatements.h"

namespace kvr::search {

TFrSearchPos::TFrSearchPos(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : TFrSearchPos(dm, prompter, Bills::All, parent)
{ }

TFrSearchPos::TFrSearchPos(data::TDM& dm, ui::Prompter& prompter, Bills bills, QObject* parent)
    : TFrSearch(dm, prompter, parent)
    , m_bills(bills)
{
    setCaption(thai() ? QStringLiteral("ค้นหารายการขายสด") : QStringLiteral("Search Cash Sale"));
    setTableName(QStringLiteral("PosHd"));
    setKeyColumn(QStringLiteral("PosNo"));
    if (SearchCriterion* code = criterion(QStringLiteral("Code")))
        code->caption = thai() ? QStringLiteral("เลขที่บิล") : QStringLiteral("Bill No.");
    addCriterion(QStringLiteral("Customer"), QStringLiteral("รหัสลูกค้า"), QStringLiteral("Customer"), true);
    addCriterion(QStringLiteral("Sort"), QStringLiteral("เรียงตาม"), QStringLiteral("Sort by"));
    criterion(QStringLiteral("Sort"))->choices = thai() ? QStringList{QStringLiteral("เลขที่"), QStringLiteral("วันที่")}
                                                        : QStringList{QStringLiteral("Number"), QStringLiteral("Date")};
    criterion(QStringLiteral("Sort"))->text = QString::number(int(Sort::ByDate));
    addColumn(QStringLiteral("PosNo"), 12, thai() ? QStringLiteral("เลขที่") : QStringLiteral("No."));
    addColumn(QStringLiteral("PosDate"), 10, thai() ? QStringLiteral("วันที่") : QStringLiteral("Date"),
              QStringLiteral("dd/MM/yyyy"));
    addColumn(QStringLiteral("Printed"), 5, thai() ? QStringLiteral("พิมพ์?") : QStringLiteral("Printed"));
    addColumn(QStringLiteral("Code"), 10, thai() ? QStringLiteral("รหัสลูกค้า") : QStringLiteral("Customer"));
    addColumn(QStringLiteral("Name"), 28, thai() ? QStringLiteral("ชื่อลูกค้า") : QStringLiteral("Customer name"));
    addColumn(QStringLiteral("Total"), 12, thai() ? QStringLiteral("รวมเงิน") : QStringLiteral("Total"),
              QStringLiteral("#,##0.00"));
    addColumn(QStringLiteral("SalesCode"), 12, thai() ? QStringLiteral("รหัสพนง.ขาย") : QStringLiteral("Salesman"));
    addColumn(QStringLiteral("SalesName"), 20, thai() ? QStringLiteral("ชื่อพนง.ขาย") : QStringLiteral("Salesman name"));
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
    // The typed digits are the end of the number.
    statements::setNumberEnding(QSearch(), criterionText(QStringLiteral("Code")));
    statements::setCustomerCode(QSearch(), criterionText(QStringLiteral("Customer")));
    QSearch().setParam(QStringLiteral("GetType"), startsWith(docType()));
}

} // namespace kvr::search
