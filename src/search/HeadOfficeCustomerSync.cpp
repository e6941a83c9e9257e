#include "search/HeadOfficeCustomerSync.h"

#include "data/Connection.h"

namespace kvr::search {

namespace {

// How a column's value is carried from the head office to the shop.
enum class Kind { Text, Integer, Amount, Binary, DateTime, Resolved };

struct Column
{
    const char* name;
    Kind kind;
};

// The customer columns copied, in the order of the statements.
constexpr Column kColumns[] = {
    {"Code", Kind::Text},
    {"CustomerGroup", Kind::Resolved},
    {"HeadCode", Kind::Resolved},
    {"Vendor", Kind::Resolved},
    {"Name", Kind::Text},
    {"NameShort", Kind::Text},
    {"TaxNumber", Kind::Text},
    {"TaxCode", Kind::Integer},
    {"Address1", Kind::Text},
    {"Address2", Kind::Text},
    {"Address3", Kind::Text},
    {"Province", Kind::Resolved},
    {"ZIPCode", Kind::Text},
    {"PhoneNo", Kind::Text},
    {"FaxNo", Kind::Text},
    {"OpenAccount", Kind::Text},
    {"DueDays", Kind::Integer},
    {"CreditLimit", Kind::Amount},
    {"Salesman", Kind::Resolved},
    {"Transport", Kind::Integer},
    {"PriceLevel", Kind::Integer},
    {"DirectCus", Kind::Text},
    {"Remark", Kind::Text},
    {"Picture", Kind::Binary},
    {"LocalCustomer", Kind::Text},
    {"DropCredit", Kind::Text},
    {"Blocked", Kind::Text},
    {"Barcode", Kind::Text},
    {"BarCodeId", Kind::Resolved},
    {"Email", Kind::Text},
    {"Website", Kind::Text},
    {"AddDate", Kind::DateTime},
    {"Currency", Kind::Integer},
    {"fob", Kind::Text},
    {"statementperiod", Kind::Text},
    {"billperiod", Kind::Text},
    {"chqperiod", Kind::Text},
    {"NameEng", Kind::Text},
    {"DiscountStr", Kind::Text},
    {"DistanceKm", Kind::Amount},
    {"DistanceCost", Kind::Amount},
    {"PictureMap", Kind::Binary},
    {"DiscName1", Kind::Text},
    {"DiscRate1", Kind::Amount},
    {"DiscName2", Kind::Text},
    {"DiscRate2", Kind::Amount},
    {"DiscName3", Kind::Text},
    {"DiscRate3", Kind::Amount},
    {"CustomerOther", Kind::Text},
    {"BranchHead", Kind::Text},
    {"BranchCode", Kind::Text},
    {"Zone", Kind::Text},
};

QVariant carried(const data::Field& field, Kind kind)
{
    if (field.isNull())
        return {};
    switch (kind) {
    case Kind::Integer:
        return field.asInteger();
    case Kind::Amount:
        return field.asFloat();
    case Kind::DateTime:
        return field.asDateTime();
    case Kind::Binary:
        return field.value().toByteArray();
    default:
        return field.asString();
    }
}

QString insertSql()
{
    QStringList names, params;
    for (const Column& column : kColumns) {
        names << QLatin1String(column.name);
        params << QLatin1Char(':') + QLatin1String(column.name);
    }
    return QStringLiteral("INSERT INTO Customer (%1)\nVALUES (%2)")
        .arg(names.join(QStringLiteral(", ")), params.join(QStringLiteral(", ")));
}

QString updateSql()
{
    QStringList lines;
    for (const Column& column : kColumns)
        lines << QStringLiteral("      %1 = :%1").arg(QLatin1String(column.name));
    return QStringLiteral("UPDATE Customer SET\n") + lines.join(QStringLiteral(",\n")) +
        QStringLiteral("\nWHERE Id = :Id");
}

} // namespace

HeadOfficeCustomerSync::HeadOfficeCustomerSync(data::Connection& company, data::Connection& head)
    : m_company(company)
    , m_qGetCustomerHead(head,
                         QStringLiteral("SELECT C.*, G.Code AS CustomerGroupCode, S.Code AS SalesmanCode,\n"
                                        "       P.Code AS ProvinceCode, P.Description AS ProvinceName\n"
                                        "FROM Customer C\n"
                                        "LEFT JOIN CustomerGroup G ON (G.Id = C.CustomerGroup)\n"
                                        "LEFT JOIN Salesman S ON (S.Id = C.Salesman)\n"
                                        "LEFT JOIN Misc P ON (P.Id = C.Province) AND (P.GroupCode = 'CITY')\n"
                                        "WHERE C.Code = :Code"))
{ }

QVariant HeadOfficeCustomerSync::localId(const QString& sql, const QVariant& code, const QString& fallbackSql)
{
    if (!code.isNull() && !code.toString().trimmed().isEmpty()) {
        data::Query byCode(m_company, sql);
        byCode.setParam(QStringLiteral("Code"), code);
        byCode.open();
        if (!byCode.isEmpty())
            return byCode.field(QStringLiteral("Id")).asInteger();
    }
    if (fallbackSql.isEmpty())
        return {};
    data::Query lowest(m_company, m_company.dialect().limit(fallbackSql, 1));
    lowest.open();
    return lowest.isEmpty() ? QVariant() : QVariant(lowest.field(QStringLiteral("Id")).asInteger());
}

QVariant HeadOfficeCustomerSync::provinceId()
{
    const data::Field code = m_qGetCustomerHead.field(QStringLiteral("ProvinceCode"));
    // A customer without a province stays without one.
    if (code.isNull() || code.asString().trimmed().isEmpty())
        return {};
    const QString find = QStringLiteral("SELECT Id FROM Misc WHERE GroupCode = 'CITY' AND Code = :Code");
    QVariant id = localId(find, code.asString(), QString());
    if (id.isNull()) {
        data::Query add(m_company,
                        QStringLiteral("INSERT INTO Misc (GroupCode, Code, Description, Blocked)\n"
                                       "VALUES ('CITY', :Code, :Description, 'N')"));
        add.setParam(QStringLiteral("Code"), code.asString());
        add.setParam(QStringLiteral("Description"), m_qGetCustomerHead.field(QStringLiteral("ProvinceName")).value());
        add.execSql();
        id = localId(find, code.asString(), QString());
    }
    return id;
}

bool HeadOfficeCustomerSync::copy(const QString& code)
{
    m_qGetCustomerHead.setParam(QStringLiteral("Code"), code.trimmed().toUpper());
    m_qGetCustomerHead.open();
    if (m_qGetCustomerHead.isEmpty())
        return false;
    const auto head = [this](const char* name) { return m_qGetCustomerHead.field(QLatin1String(name)); };

    data::Transaction transaction(m_company);
    const QVariant id =
        localId(QStringLiteral("SELECT Id FROM Customer WHERE Code = :Code"), head("Code").asString(), QString());
    QVariantMap resolved;
    resolved.insert(QStringLiteral("CustomerGroup"),
                    localId(QStringLiteral("SELECT Id FROM CustomerGroup WHERE Code = :Code"),
                            head("CustomerGroupCode").value(),
                            QStringLiteral("SELECT Id FROM CustomerGroup ORDER BY Id")));
    resolved.insert(QStringLiteral("Salesman"),
                    localId(QStringLiteral("SELECT Id FROM Salesman WHERE Code = :Code"), head("SalesmanCode").value(),
                            QStringLiteral("SELECT Id FROM Salesman ORDER BY Id")));
    resolved.insert(QStringLiteral("Province"), provinceId());
    // The head office's references to suppliers and head codes mean nothing in the shop.
    resolved.insert(QStringLiteral("HeadCode"), QVariant());
    resolved.insert(QStringLiteral("Vendor"), QVariant());
    resolved.insert(QStringLiteral("BarCodeId"), 0);

    data::Query write(m_company, id.isNull() ? insertSql() : updateSql());
    for (const Column& column : kColumns) {
        const QString name = QLatin1String(column.name);
        write.setParam(name,
                       column.kind == Kind::Resolved ? resolved.value(name) : carried(head(column.name), column.kind));
    }
    write.setParam(QStringLiteral("Id"), id);
    write.execSql();
    transaction.commit();
    return true;
}

} // namespace kvr::search
