#include "printing/ReceiptQueries.h"

#include "data/Query.h"

namespace kvr::printing {

ReceiptCompany ReadReceiptCompany(data::Query& company)
{
    if (!company.isOpen())
        company.open();
    return {company.fieldAt(0, QStringLiteral("NameThai")).asString(),
            company.fieldAt(0, QStringLiteral("TaxNo")).asString()};
}

ReceiptHeader ReadReceiptHeader(const data::Query& q)
{
    const auto amount = [&q](const char* name) { return q.field(QLatin1String(name)).asFloat(); };
    ReceiptHeader h;
    h.PosNo = q.field(QStringLiteral("PosNo")).asString();
    h.Price_IE = q.field(QStringLiteral("Price_IE")).asString();
    h.NoTaxAmt = amount("NoTaxAmt");
    h.TaxAmt = amount("TaxAmt");
    h.TaxTotal = amount("TaxTotal");
    h.Total = amount("Total");
    h.TaxRate = amount("TaxRate");
    h.DiscountAmt = amount("DiscountAmt");
    h.Cash = amount("Cash");
    h.CardAmount = amount("CardAmount");
    h.Coupon = amount("Coupon");
    h.BankAmount = amount("BankAmount");
    h.Change = amount("Change");
    h.PrintedAt = q.field(QStringLiteral("PosPrintDateTime")).asDateTime();
    return h;
}

std::vector<ReceiptLine> ReadReceiptLines(const data::Query& q)
{
    std::vector<ReceiptLine> lines;
    for (int row = 0; row < q.recordCount(); ++row) {
        const auto text = [&](const char* name) { return q.fieldAt(row, QLatin1String(name)).asString(); };
        const auto number = [&](const char* name) { return q.fieldAt(row, QLatin1String(name)).asFloat(); };
        lines.push_back({text("ProductCode"), text("BarCode"), text("PosName"), text("UnitName"), number("Quantity"),
                         number("Price"), number("DiscountAmt"), number("Total")});
    }
    return lines;
}

} // namespace kvr::printing
