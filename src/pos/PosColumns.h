#pragma once

#include <QString>

// Column names of the bill tables and of the working fields their queries add, spelt as the
// database spells them. Every class of the sale screen names a column through these.
namespace kvr::pos {

// The bill header PosHd, and the header query's working fields.
namespace hd {
inline const QString ID = QStringLiteral("ID");
inline const QString DelFlag = QStringLiteral("DelFlag");
inline const QString PosType = QStringLiteral("PosType");
inline const QString PsNo = QStringLiteral("PsNo");
inline const QString PosShiftNo = QStringLiteral("PosShiftNo");
inline const QString PosNo = QStringLiteral("PosNo");
inline const QString PosDate = QStringLiteral("PosDate");
inline const QString Department = QStringLiteral("Department");
inline const QString Project = QStringLiteral("Project");
inline const QString Customer = QStringLiteral("Customer");
inline const QString Salesman = QStringLiteral("Salesman");
inline const QString Warehouse = QStringLiteral("Warehouse");
inline const QString TaxCode = QStringLiteral("TaxCode");
inline const QString TaxRate = QStringLiteral("TaxRate");
inline const QString Price_IE = QStringLiteral("Price_IE");
inline const QString NoTaxAmt = QStringLiteral("NoTaxAmt");
inline const QString TaxAmt = QStringLiteral("TaxAmt");
inline const QString TaxTotal = QStringLiteral("TaxTotal");
inline const QString Total = QStringLiteral("Total");
inline const QString DiscName1 = QStringLiteral("DiscName1");
inline const QString DiscName2 = QStringLiteral("DiscName2");
inline const QString DiscName3 = QStringLiteral("DiscName3");
inline const QString DiscRate1 = QStringLiteral("DiscRate1");
inline const QString DiscRate2 = QStringLiteral("DiscRate2");
inline const QString DiscRate3 = QStringLiteral("DiscRate3");
inline const QString DiscAmt1 = QStringLiteral("DiscAmt1");
inline const QString DiscAmt2 = QStringLiteral("DiscAmt2");
inline const QString DiscAmt3 = QStringLiteral("DiscAmt3");
inline const QString Posted = QStringLiteral("Posted");
inline const QString Cash = QStringLiteral("Cash");
inline const QString CardAmount = QStringLiteral("CardAmount");
inline const QString Coupon = QStringLiteral("Coupon");
inline const QString BankAmount = QStringLiteral("BankAmount");
inline const QString Transfer = QStringLiteral("Transfer");
inline const QString Change = QStringLiteral("Change");
inline const QString CompanyBank = QStringLiteral("CompanyBank");
inline const QString PosPrintDateTime = QStringLiteral("PosPrintDateTime");
inline const QString Imported = QStringLiteral("Imported");
inline const QString Remark = QStringLiteral("Remark");
inline const QString ShipAddr1 = QStringLiteral("ShipAddr1");
inline const QString ShipAddr2 = QStringLiteral("ShipAddr2");
inline const QString ShipAddr3 = QStringLiteral("ShipAddr3");
inline const QString ShipProvince = QStringLiteral("ShipProvince");
inline const QString ShipZipCode = QStringLiteral("ShipZipCode");
inline const QString ShipPhone = QStringLiteral("ShipPhone");
inline const QString Printed = QStringLiteral("Printed");
inline const QString ShiftClose = QStringLiteral("ShiftClose");
inline const QString CurrencyId = QStringLiteral("CurrencyId");
inline const QString Rate = QStringLiteral("Rate");
// Working fields of the header query.
inline const QString TotalBefDisc = QStringLiteral("TotalBefDisc");
inline const QString DiscountAmt = QStringLiteral("DiscountAmt");
inline const QString rcptcash = QStringLiteral("rcptcash");
} // namespace hd

// The bill lines PosDt, and the line query's working fields.
namespace dt {
inline const QString ID = QStringLiteral("ID");
inline const QString PosHd = QStringLiteral("PosHd");
inline const QString PosRecNo = QStringLiteral("PosRecNo");
inline const QString PosDate = QStringLiteral("PosDate");
inline const QString Product = QStringLiteral("Product");
inline const QString Quantity = QStringLiteral("Quantity");
inline const QString ProductUnits = QStringLiteral("ProductUnits");
inline const QString Fraction = QStringLiteral("Fraction");
inline const QString TaxCode = QStringLiteral("TaxCode");
inline const QString Warehouse = QStringLiteral("Warehouse");
inline const QString LotNo = QStringLiteral("LotNo");
inline const QString SerialNo = QStringLiteral("SerialNo");
inline const QString Price = QStringLiteral("Price");
inline const QString Discount = QStringLiteral("Discount");
inline const QString DiscountAmt = QStringLiteral("DiscountAmt");
inline const QString Total = QStringLiteral("Total");
inline const QString MemoLine = QStringLiteral("MemoLine");
inline const QString Cost = QStringLiteral("Cost");
inline const QString ProductAmount = QStringLiteral("ProductAmount");
inline const QString TaxRate = QStringLiteral("TaxRate");
// Working fields: the line as it was read, for the stock check and the serial of a recalled bill.
inline const QString OldQuantity = QStringLiteral("OldQuantity");
inline const QString OldFraction = QStringLiteral("OldFraction");
inline const QString OldProduct = QStringLiteral("OldProduct");
inline const QString OldWarehouse = QStringLiteral("OldWarehouse");
inline const QString OldProductUnits = QStringLiteral("OldProductUnits");
inline const QString OldSerialNo = QStringLiteral("OldSerialNo");
inline const QString StockUnitFraction = QStringLiteral("StockUnitFraction");
inline const QString TaxTotal = QStringLiteral("TaxTotal");
// Fields of the product, unit, lot, serial and warehouse the line refers to.
inline const QString PosName = QStringLiteral("PosName");
inline const QString ThaiName = QStringLiteral("ThaiName");
inline const QString PTaxCode = QStringLiteral("PTaxCode");
inline const QString UseSerial = QStringLiteral("UseSerial");
inline const QString LotControl = QStringLiteral("LotControl");
inline const QString PriceIE = QStringLiteral("PriceIE");
inline const QString PrintFrac = QStringLiteral("PrintFrac");
inline const QString ProductCode = QStringLiteral("ProductCode");
inline const QString UnitName = QStringLiteral("UnitName");
inline const QString BarCode = QStringLiteral("BarCode");
inline const QString LotNoCode = QStringLiteral("LotNoCode");
inline const QString Serial = QStringLiteral("Serial");
inline const QString WhCode = QStringLiteral("WhCode");
} // namespace dt

// The card payments CreditCardInfo, and the card type fields their query adds.
namespace card {
inline const QString Id = QStringLiteral("Id");
inline const QString RcptType = QStringLiteral("RcptType");
inline const QString RcptDocId = QStringLiteral("RcptDocId");
inline const QString RcptRecNo = QStringLiteral("RcptRecNo");
inline const QString CreditCard = QStringLiteral("CreditCard");
inline const QString CardNo = QStringLiteral("CardNo");
inline const QString SlipNo = QStringLiteral("SlipNo");
inline const QString VerifyCode = QStringLiteral("VerifyCode");
inline const QString Deposit = QStringLiteral("Deposit");
inline const QString CardRcpt = QStringLiteral("CardRcpt");
inline const QString CardRate = QStringLiteral("CardRate");
inline const QString CardCharge = QStringLiteral("CardCharge");
inline const QString CardAmount = QStringLiteral("CardAmount");
// Fields of the card type (CreditCard table).
inline const QString cardcode = QStringLiteral("cardcode");
inline const QString cardname = QStringLiteral("cardname");
inline const QString charge = QStringLiteral("charge");
} // namespace card

} // namespace kvr::pos
