#include "search/TF_SearchCustomer.h"

#include "data/TDM.h"

namespace kvr::search {

namespace {
constexpr int kBranchLine = 6;
}

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

QStringList TF_SearchCustomer::statement()
{
    const data::Dialect& dialect = dm().DMdata().dialect();
    const QString space = QStringLiteral("' '");
    const QString address = dialect.concat(
        {QStringLiteral("Coalesce(C.Address1, '')"), space, QStringLiteral("Coalesce(C.Address2, '')"), space,
         QStringLiteral("Coalesce(C.Address3, '')"), space, QStringLiteral("Coalesce(P.Description, '')")});
    return {QStringLiteral("SELECT C.Id, C.Code, C.Name, C.NameEng, ") + address +
                QStringLiteral(" AS Address, S.Name AS SalesName, C.PhoneNo, C.FaxNo"),
            QStringLiteral("FROM Customer C"),
            QStringLiteral("LEFT JOIN Misc P ON (P.Id = C.Province)"),
            QStringLiteral("LEFT JOIN Salesman S ON (S.Id = C.Salesman)"),
            QStringLiteral(
                "WHERE (C.Blocked = 'N') AND (C.Code LIKE :GetCode) AND (Coalesce(C.PhoneNo, '') LIKE :GetPhone)"),
            QStringLiteral("  AND (") +
                dialect.likeNoCase(QStringLiteral("Coalesce(C.Name, '')"), QStringLiteral(":GetName")) +
                QStringLiteral(" OR ") +
                dialect.likeNoCase(QStringLiteral("Coalesce(C.NameEng, '')"), QStringLiteral(":GetName")) +
                QLatin1Char(')'),
            QString(), // branches
            QStringLiteral("ORDER BY C.Code")};
}

void TF_SearchCustomer::prepareSearch()
{
    QSearch().setLine(kBranchLine, m_allowBranch ? QString() : QStringLiteral("  AND (C.StoreCode IS NULL)"));
    QSearch().setParam(QStringLiteral("GetCode"), startsWith(criterionText(QStringLiteral("Code"))));
    QSearch().setParam(QStringLiteral("GetName"), contains(criterionText(QStringLiteral("Name"))));
    QSearch().setParam(QStringLiteral("GetPhone"), contains(criterionText(QStringLiteral("Phone"))));
}

} // namespace kvr::search
