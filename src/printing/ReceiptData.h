#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

namespace kvr::printing {

// What a text receipt prints, filled by the sale screen from its bill (or by ReadReceipt...
// from the queries) so that the layouts need no database.

// The company row of the configuration database (TDMConfig::QCompany).
struct ReceiptCompany
{
    QString NameThai;
    QString TaxNo;
};

// One line of the bill, as the sale screen's line query reads it.
struct ReceiptLine
{
    QString ProductCode;
    QString BarCode;
    QString PosName;
    QString UnitName;
    double Quantity = 0;
    double Price = 0;
    double DiscountAmt = 0; // the line discount in money
    double Total = 0; // after the line discount
};

// The bill header, as the sale screen's header query reads it.
struct ReceiptHeader
{
    QString PosNo;
    QString Price_IE; // "I": prices include VAT
    double NoTaxAmt = 0;
    double TaxAmt = 0;
    double TaxTotal = 0;
    double Total = 0;
    double TaxRate = 0;
    double DiscountAmt = 0; // the three end-of-bill discounts together
    double Cash = 0;
    double CardAmount = 0;
    double Coupon = 0;
    double BankAmount = 0;
    double Change = 0;
    QDateTime PrintedAt; // when the bill was saved; printed as the receipt's date and time
    // Printed before: this paper is a copy and says so (a second original is not allowed).
    bool Copy = false;

    // Everything the customer handed over, whichever way.
    double received() const { return Cash + CardAmount + Coupon + BankAmount; }
};

struct Receipt
{
    ReceiptHeader header;
    std::vector<ReceiptLine> lines;
};

// The values the sale screen sets before printing; they stay as set from one receipt to the next.
struct ReceiptSettings
{
    int ReceiptFormNo = 1; // Config.PosFormTextNo: layout 1 or 2, any other prints the common parts
    QString MachineTaxNo; // the machine's Remark
    QString ReceiptSalesmanCode; // the code of the machine's salesman
    QString UserCode; // the login user's code
    ReceiptCompany Company;
};

} // namespace kvr::printing
