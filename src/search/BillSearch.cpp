#include "search/BillSearch.h"

#include "search/SearchStatements.h"

namespace kvr::search {

BillSearch::BillSearch(data::TDM& dm, ui::Prompter& prompter, const QString& table, QObject* parent)
    : TFrSearch(dm, prompter, parent)
{
    setCaption(thai() ? QStringLiteral("ค้นหารายการขายสด") : QStringLiteral("Search Cash Sale"));
    setTableName(table);
    setKeyColumn(QStringLiteral("PosNo"));
    if (SearchCriterion* code = criterion(QStringLiteral("Code")))
        code->caption = thai() ? QStringLiteral("เลขที่บิล") : QStringLiteral("Bill No.");
    addCriterion(QStringLiteral("Customer"), QStringLiteral("รหัสลูกค้า"), QStringLiteral("Customer"), true);
}

void BillSearch::addBillColumns()
{
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
}

void BillSearch::bindBillCriteria()
{
    // The typed digits are the end of the number.
    statements::setNumberEnding(QSearch(), criterionText(QStringLiteral("Code")));
    statements::setCustomerCode(QSearch(), criterionText(QStringLiteral("Customer")));
    QSearch().setParam(QStringLiteral("GetType"), startsWith(docType()));
}

} // namespace kvr::search
