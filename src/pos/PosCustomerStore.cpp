#include "pos/PosCustomerStore.h"

namespace kvr::pos {

namespace {

QStringList customerStatement()
{
    return {QStringLiteral("SELECT C.Id, C.Name, C.NameEng, C.HeadCode, C.Vendor, C.TaxNumber, C.TaxCode, C.Address1,"),
            QStringLiteral("  C.Address2, C.Address3, C.Province, C.ZipCode, C.PhoneNo, C.FaxNo, "),
            QStringLiteral("  C.OpenAccount, C.DueDays, C.CreditLimit, C.Transport, C.PriceLevel,"),
            QStringLiteral("  C.DirectCus, C.LocalCustomer, C.DropCredit, C.Blocked, C.Salesman, S.Code,"),
            QStringLiteral("  T.Id TaxId,T.Code CodeTax, T.Rate TaxRate,C.DiscountStr,"),
            QStringLiteral("  C.DiscName1,C.DiscRate1,C.DiscName2,C.DiscRate2,C.DiscName3,C.DiscRate3, C.StoreCode"),
            QStringLiteral("FROM Customer C"),
            QStringLiteral("Inner Join Salesman S On (C.Salesman = S.ID)"),
            QStringLiteral("Inner Join Tax T On (T.Id = C.TaxCode)"),
            QStringLiteral("WHERE (C.Code = :GetCode)")};
}

} // namespace

PosCustomerStore::PosCustomerStore(data::Connection& connection)
    : m_byCode(connection)
    , m_pricing(connection, QStringLiteral("SELECT PriceLevel, DiscountStr FROM Customer WHERE Id = :GetId"))
{
    m_byCode.setSqlLines(customerStatement());
}

std::optional<PosCustomer> PosCustomerStore::customerByCode(const QString& code)
{
    m_byCode.setParam(QStringLiteral("GetCode"), code);
    m_byCode.open();
    if (m_byCode.isEmpty())
        return std::nullopt;
    PosCustomer customer;
    customer.id = m_byCode.field(QStringLiteral("Id")).asInteger();
    customer.taxId = m_byCode.field(QStringLiteral("TaxId")).value();
    customer.taxRate = m_byCode.field(QStringLiteral("TaxRate")).asFloat();
    customer.salesman = m_byCode.field(QStringLiteral("Salesman")).value();
    return customer;
}

CustomerPricing PosCustomerStore::pricing(int customerId)
{
    if (!m_pricing.isOpen() || m_pricing.param(QStringLiteral("GetId")).toInt() != customerId) {
        m_pricing.setParam(QStringLiteral("GetId"), customerId);
        m_pricing.open();
    }
    return {m_pricing.field(QStringLiteral("PriceLevel")).asInteger(),
            m_pricing.field(QStringLiteral("DiscountStr")).asString().trimmed()};
}

} // namespace kvr::pos
