#include "search/TF_SearchCustomer.h"

#include "search/SearchStatements.h"

#include "data/TDM.h"

namespace kvr::search {

TF_SearchCustomer::TF_SearchCustomer(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : SearchScreen(dm, prompter, parent)
{
    setCaption(thai() ? QStringLiteral("ค้นหาลูกค้า/สมาชิก") : QStringLiteral("Search Customer/Member"));
    addCriterion(QStringLiteral("Name"), QStringLiteral("ชื่อลูกค้า"), QStringLiteral("Name"));
    addCriterion(QStringLiteral("Code"), QStringLiteral("รหัสลูกค้า"), QStringLiteral("Code"), true);
    addCriterion(QStringLiteral("Phone"), QStringLiteral("โทรศัพท์"), QStringLiteral("Phone"));
    addColumn(QStringLiteral("Code"), 10, thai() ? QStringLiteral("รหัสลูกค้า") : QStringLiteral("Code"));
    addColumn(QStringLiteral("Name"), 28, thai() ? QStringLiteral("ชื่อลูกค้า") : QStringLiteral("Name"));
    addColumn(QStringLiteral("SalesName"), 14, thai() ? QStringLiteral("พนักงานขาย") : QStringLiteral("Salesman"));
    addColumn(QStringLiteral("Address"), 40, thai() ? QStringLiteral("ที่อยู่-จังหวัด") : QStringLiteral("Address"));
    addColumn(QStringLiteral("NameEng"), 25, thai() ? QStringLiteral("ชื่อภาษาอังกฤษ") : QStringLiteral("English name"));
    addColumn(QStringLiteral("PhoneNo"), 12, thai() ? QStringLiteral("โทรศัพท์") : QStringLiteral("Phone"));
    addColumn(QStringLiteral("FaxNo"), 12, thai() ? QStringLiteral("แฟกซ์") : QStringLiteral("Fax"));
}

QStringList TF_SearchCustomer::statement(const data::Dialect& dialect)
{
    return statements::customerSearch(dialect);
}

void TF_SearchCustomer::prepareSearch()
{
    QSearch().setSlot(statements::kBranches, m_allowBranch ? QString() : statements::noBranches());
    QSearch().setParam(QStringLiteral("GetCode"), startsWith(criterionText(QStringLiteral("Code"))));
    QSearch().setParam(QStringLiteral("GetName"), contains(criterionText(QStringLiteral("Name"))));
    QSearch().setParam(QStringLiteral("GetPhone"), contains(criterionText(QStringLiteral("Phone"))));
}

} // namespace kvr::search
