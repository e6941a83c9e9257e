#include "search/FullTaxSearchStatements.h"
#include "search/SearchStatements.h"

#include "data/Query.h"
#include "data/dialect/Dialect.h"

namespace kvr::search::statements {

namespace {

const QString kEscape = QStringLiteral(" ESCAPE '!'");

// The address as one line: the three lines, the province's name and the zip code.
QString addressOf(const data::Dialect& dialect, const char* address1, const char* address2, const char* address3,
                  const char* zipCode)
{
    const auto text = [](const char* column) { return QStringLiteral("Coalesce(%1, '')").arg(QLatin1String(column)); };
    const QString space = QStringLiteral("' '");
    return dialect.concat({text(address1), space, text(address2), space, text(address3), space,
                           QStringLiteral("Coalesce(P.Description, '')"), space, text(zipCode)});
}

} // namespace

QStringList posHeaderSearch()
{
    // A bill of another branch may come without customer or salesman: it is listed all the same.
    return {QStringLiteral("Select H.Id, H.PosNo, H.PosDate, H.Total, H.DelFlag, H.DelRemark, H.Printed,"),
            QStringLiteral("       C.Code, C.Name, S.Code SalesCode, S.Name SalesName"),
            QStringLiteral("From PosHeader H"),
            QStringLiteral("Left Join Customer C On (C.Id = H.Customer)"),
            QStringLiteral("Left Join Salesman S On (S.Id = H.Salesman)"),
            QStringLiteral("Where (H.PosType Like :GetType)"),
            data::Query::slotLine(kNumberEnd),
            data::Query::slotLine(kCustomerCode),
            QStringLiteral("Order By H.PosDate Desc, H.PosNo Desc")};
}

QStringList buyerSearch(const data::Dialect& dialect, const QString& headerTable)
{
    return {QStringLiteral("Select H.CustomerName customername, H.ShipPhone shipphone, H.ShipAddr1 shipaddr1,"),
            QStringLiteral("  H.ShipAddr2 shipaddr2, H.ShipAddr3 shipaddr3, H.ShipProvince shipprovince,"),
            QStringLiteral("  H.ShipZipCode shipzipcode, ") +
                addressOf(dialect, "H.ShipAddr1", "H.ShipAddr2", "H.ShipAddr3", "H.ShipZipCode") +
                QStringLiteral(" address,"),
            // The tax number the buyer gave last time comes along with the block.
            QStringLiteral("  Coalesce(H.TaxCustomer, '') TaxNumber"),
            QStringLiteral("From %1 H Left Join Misc P On (P.Id = H.ShipProvince)").arg(headerTable),
            // Only the receipts that got a buyer name, through the index on the trimmed name: on
            // years of bills they are a few in a hundred. "> ''" holds for every text but ''.
            // On PostgreSQL the columns read from H above are held in the buyer-name-part index
            // (company.sql): one read here and not held there sends it back to every receipt.
            QStringLiteral("Where LTrim(RTrim(H.CustomerName)) > ''"), data::Query::slotLine(kReceiptBuyers),
            QStringLiteral("Union"),
            QStringLiteral("Select C.Name, C.PhoneNo, C.Address1, C.Address2, C.Address3, C.Province, C.ZipCode, ") +
                addressOf(dialect, "C.Address1", "C.Address2", "C.Address3", "C.ZipCode") +
                QStringLiteral(", Coalesce(C.TaxNumber, '')"),
            QStringLiteral("From Customer C Left Join Misc P On (P.Id = C.Province)"),
            QStringLiteral("Where LTrim(RTrim(C.Name)) > ''"), data::Query::slotLine(kCustomerBuyers),
            QStringLiteral("Order By customername")};
}

QString buyerCondition(const data::Dialect& dialect, BuyerSource source, bool byPhone, bool byName)
{
    const bool receipts = source == BuyerSource::Receipts;
    // The same expression as the telephone indexes: a telephone stored with blanks around it is
    // still found, and the index answers (a null telephone matches no typed one).
    const QString phone = QStringLiteral("LTrim(RTrim(%1)) = :GetPhone")
                              .arg(receipts ? QLatin1String("H.ShipPhone") : QLatin1String("C.PhoneNo"));
    // The typed name is trimmed, so it is contained in a name exactly when in the name trimmed:
    // the indexed expression, which SQLite reads from the index, seeking a receipt only on a match.
    const QString name = dialect.likeNoCase(receipts ? QStringLiteral("LTrim(RTrim(H.CustomerName))")
                                                     : QStringLiteral("LTrim(RTrim(C.Name))"),
                                            QStringLiteral(":GetName")) +
        kEscape;
    if (byPhone && byName)
        return QStringLiteral("  And ((%1) Or (%2))").arg(phone, name);
    if (byPhone)
        return QStringLiteral("  And (%1)").arg(phone);
    if (byName)
        return QStringLiteral("  And (%1)").arg(name);
    return {};
}

QString likeContains(const QString& text)
{
    QString escaped;
    for (const QChar c : text) {
        if (c == QLatin1Char('!') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped += QLatin1Char('!');
        escaped += c;
    }
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

} // namespace kvr::search::statements
