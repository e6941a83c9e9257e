#include "search/SearchStatements.h"

#include "data/Connection.h"
#include "data/Query.h"
#include "data/dialect/Dialect.h"

#include <algorithm>

namespace kvr::search::statements {

using data::Query;

QStringList miscSearch(const data::Dialect& dialect)
{
    return {QStringLiteral("SELECT Id, Code, Description FROM Misc"),
            QStringLiteral("WHERE (GroupCode = :GroupCode) AND (Code LIKE :GetCode) AND ") +
                dialect.likeNoCase(QStringLiteral("Coalesce(Description, '')"), QStringLiteral(":GetDescription")),
            QStringLiteral("ORDER BY Code")};
}

QStringList salesmanSearch(const data::Dialect& dialect)
{
    const QString fullName = dialect.concat(
        {QStringLiteral("Coalesce(Name, '')"), QStringLiteral("' '"), QStringLiteral("Coalesce(SurName, '')")});
    return {QStringLiteral("SELECT Id, Code, Name, SurName FROM Salesman"),
            QStringLiteral("WHERE (Status = 'Y') AND (Code LIKE :GetCode) AND ") +
                dialect.likeNoCase(fullName, QStringLiteral(":GetName")),
            QStringLiteral("ORDER BY Code")};
}

QStringList warehouseSearch(const data::Dialect& dialect)
{
    return {QStringLiteral("SELECT Id, Code, Name FROM Warehouse"),
            QStringLiteral("WHERE (Code LIKE :GetCode) AND ") +
                dialect.likeNoCase(QStringLiteral("Coalesce(Name, '')"), QStringLiteral(":GetName")),
            Query::slotLine(kUserRestriction), QStringLiteral("ORDER BY Code")};
}

QString userWarehouses()
{
    return QStringLiteral("AND Id In (Select Warehouse From UserWarehouse Where UserName = :UserId)");
}

QStringList customerSearch(const data::Dialect& dialect)
{
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
            Query::slotLine(kBranches),
            QStringLiteral("ORDER BY C.Code")};
}

QString noBranches()
{
    return QStringLiteral("  AND (C.StoreCode IS NULL)");
}

QStringList CustomerPosSearch::lines(const data::Dialect& dialect)
{
    const auto trimmed = [](const char* column) {
        return QStringLiteral("Trim(Coalesce(%1, ''))").arg(QLatin1String(column));
    };
    const QString space = QStringLiteral("' '");
    const QString address =
        dialect.concat({trimmed("C.Address1"), space, trimmed("C.Address2"), space, trimmed("C.Address3"), space,
                        QStringLiteral("Coalesce(P.Description, '')")});
    const QString salesName = dialect.concat(
        {QStringLiteral("Coalesce(S.Name, '')"), QStringLiteral("'  '"), QStringLiteral("Coalesce(S.Surname, '')")});
    QStringList lines = {QStringLiteral("SELECT C.Id, C.Code, C.Name, C.NameEng, ") + address +
                             QStringLiteral(" AS Description, ") + salesName +
                             QStringLiteral(" AS SalesName, C.PhoneNo, C.FaxNo"),
                         QStringLiteral("FROM Customer C"), QStringLiteral("LEFT JOIN Misc P ON (P.Id = C.Province)"),
                         QStringLiteral("LEFT JOIN Salesman S ON (S.Id = C.Salesman)"), Query::slotLine(kBlocked)};
    // Customers without a province or a salesman are listed as long as no such criterion is typed.
    for (const Criterion criterion : {Criterion::Province, Criterion::Salesman, Criterion::Code, Criterion::Phone,
                                      Criterion::Fax, Criterion::Name, Criterion::NameEng})
        lines << Query::slotLine(slotOf(criterion));
    lines << Query::slotLine(kAttribute) << Query::slotLine(kOrder);
    return lines;
}

QString CustomerPosSearch::slotOf(Criterion criterion)
{
    switch (criterion) {
    case Criterion::Province:
        return QStringLiteral("Province");
    case Criterion::Salesman:
        return QStringLiteral("Salesman");
    case Criterion::Code:
        return QStringLiteral("Code");
    case Criterion::Phone:
        return QStringLiteral("Phone");
    case Criterion::Fax:
        return QStringLiteral("Fax");
    case Criterion::Name:
        return QStringLiteral("Name");
    case Criterion::NameEng:
        return QStringLiteral("NameEng");
    }
    return {};
}

QString CustomerPosSearch::condition(const data::Dialect& dialect, Criterion criterion)
{
    switch (criterion) {
    case Criterion::Province:
        return QStringLiteral("  AND (P.Code LIKE :GetProvince)");
    case Criterion::Salesman:
        return QStringLiteral("  AND (S.Code LIKE :GetSalesman)");
    case Criterion::Code:
        return QStringLiteral("  AND (C.Code LIKE :GetCode)");
    case Criterion::Phone:
        return QStringLiteral("  AND (C.PhoneNo LIKE :GetPhone)");
    case Criterion::Fax:
        return QStringLiteral("  AND (C.FaxNo LIKE :GetFax)");
    case Criterion::Name:
        return QStringLiteral("  AND (") + dialect.likeNoCase(QStringLiteral("C.Name"), QStringLiteral(":GetName")) +
            QLatin1Char(')');
    case Criterion::NameEng:
        return QStringLiteral("  AND (") +
            dialect.likeNoCase(QStringLiteral("C.NameEng"), QStringLiteral(":GetNameEng")) + QLatin1Char(')');
    }
    return {};
}

QString CustomerPosSearch::blocked(bool shown)
{
    return shown ? QStringLiteral("WHERE (Coalesce(C.Blocked, '') <> 'Z')") : QStringLiteral("WHERE (C.Blocked = 'N')");
}

QString CustomerPosSearch::attributeRange()
{
    return QStringLiteral("  AND (C.Id IN (SELECT Customer FROM CustomerAttribute "
                          "WHERE (GroupCode BETWEEN :AttrFrom AND :AttrTo)))");
}

QString CustomerPosSearch::orderBy(const QString& field)
{
    const QString upper = field.trimmed().toUpper();
    if (upper == QLatin1String("CODE"))
        return QStringLiteral("ORDER BY C.Code");
    if (upper == QLatin1String("NAME"))
        return QStringLiteral("ORDER BY C.Name");
    if (upper == QLatin1String("SALESNAME"))
        return QStringLiteral("ORDER BY S.Surname");
    if (upper == QLatin1String("DESCRIPTION"))
        return QStringLiteral("ORDER BY P.Description");
    return {};
}

QString CustomerPosSearch::defaultOrder()
{
    return QStringLiteral("ORDER BY C.Code");
}

QStringList companyBankSearch(const data::Dialect& dialect)
{
    return {QStringLiteral("SELECT Id, BankCode, BankName, AccountNo FROM CompanyBank"),
            QStringLiteral("WHERE (Coalesce(Blocked, 'N') <> 'Y') AND (BankCode LIKE :GetCode) AND ") +
                dialect.likeNoCase(QStringLiteral("Coalesce(BankName, '')"), QStringLiteral(":GetName")),
            QStringLiteral("ORDER BY BankCode")};
}

QStringList machineSearch(const data::Dialect& dialect)
{
    return {QStringLiteral("SELECT MachineCode, Location, Remark, Blocked"), QStringLiteral("FROM PosMachineNo"),
            QStringLiteral("WHERE ") + dialect.likeNoCase(QStringLiteral("Location"), QStringLiteral(":GetLocation")),
            QStringLiteral("ORDER BY Location")};
}

QStringList posBillSearch()
{
    // A bill without a customer is listed as long as no customer code is typed.
    return {QStringLiteral("Select H.Id, H.PosNo, H.PosDate, H.Total, H.DelFlag, H.DelRemark,"),
            QStringLiteral("       C.Code, C.Name, S.Code SalesCode, S.Name SalesName, H.Printed"),
            QStringLiteral("From PosHd H"),
            QStringLiteral("Left Join Customer C On (C.Id = H.Customer)"),
            QStringLiteral("Inner Join Salesman S On (S.Id = H.Salesman)"),
            QStringLiteral("Where (H.PosType Like :GetType)"),
            Query::slotLine(kNumberEnd),
            Query::slotLine(kCustomerCode),
            Query::slotLine(kOrder)};
}

void setNumberEnding(Query& search, const QString& typed)
{
    const QString ending = typed.trimmed();
    if (ending.isEmpty()) {
        search.setSlot(kNumberEnd, QString());
        return;
    }
    // One or two characters end a tenth or a hundredth of all bills: reading the bills newest
    // first fills a page soonest. The comparison is cheap to work out row by row, and PostgreSQL
    // does not take it for a rare one (as it does LIKE '%42', and then sorts every bill).
    constexpr int kIndexedEnding = 3;
    if (ending.size() < kIndexedEnding) {
        search.setSlot(kNumberEnd,
                       QStringLiteral("  And (substr(Trim(H.PosNo), length(Trim(H.PosNo)) - %1) = "
                                      ":EndText)")
                           .arg(ending.size() - 1));
        search.setParam(QStringLiteral("EndText"), ending);
        return;
    }
    // Longer endings are rare enough to be looked up in the index on the numbers read backwards,
    // where the ending is a prefix: from it up to, not including, the prefix with its last
    // character advanced.
    const QString reversed = search.connection().dialect().reversedTrimmed(QStringLiteral("H.PosNo"));
    search.setSlot(kNumberEnd, QStringLiteral("  And (%1 >= :EndFrom) And (%1 < :EndTo)").arg(reversed));
    QString from(ending.size(), Qt::Uninitialized);
    std::reverse_copy(ending.begin(), ending.end(), from.begin());
    QString to = from;
    to.back() = QChar(char16_t(to.back().unicode() + 1));
    search.setParam(QStringLiteral("EndFrom"), from);
    search.setParam(QStringLiteral("EndTo"), to);
}

void setCustomerCode(Query& search, const QString& typed)
{
    const QString code = typed.trimmed();
    if (code.isEmpty()) {
        search.setSlot(kCustomerCode, QString());
        return;
    }
    // A code that names one customer reads that customer's bills newest first straight from
    // the index on customer and date, however many there are (the walk-in customer has most);
    // a prefix shared by several customers gathers their bills and sorts them.
    Query matching(search.connection(),
                   search.connection().dialect().limit(
                       QStringLiteral("SELECT Id FROM Customer WHERE Code LIKE :GetCode ORDER BY Id"), 2));
    matching.setParam(QStringLiteral("GetCode"), code + QLatin1Char('%'));
    matching.open();
    if (matching.recordCount() == 1) {
        search.setSlot(kCustomerCode, QStringLiteral("  And (H.Customer = :CustomerId)"));
        search.setParam(QStringLiteral("CustomerId"), matching.field(QStringLiteral("Id")).asInteger());
        return;
    }
    search.setSlot(kCustomerCode,
                   QStringLiteral("  And (H.Customer In (Select Id From Customer Where Code Like :GetCode))"));
    search.setParam(QStringLiteral("GetCode"), code + QLatin1Char('%'));
}

QString posBillOrder(bool byNumber)
{
    return byNumber ? QStringLiteral("ORDER BY PosNo Desc") : QStringLiteral("ORDER BY PosDate Desc, PosNo Desc");
}

QStringList sortedByColumn(const QStringList& lines, int ordinal, bool descending)
{
    // Only the column's ordinal goes into the statement, never its name.
    QString order = QStringLiteral("Order By %1").arg(ordinal);
    if (descending)
        order += QStringLiteral(" Desc");
    QStringList sorted = lines;
    for (QString& line : sorted) {
        const qsizetype at = line.toUpper().indexOf(QLatin1String("ORDER BY "));
        if (at >= 0)
            line = line.left(at) + order;
    }
    return sorted;
}

} // namespace kvr::search::statements
