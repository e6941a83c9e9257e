#include "printing/ReceiptLayout.h"

#include "printing/ControlCodes.h"
#include "printing/ReceiptColumns.h"
#include "util/NumberFormat.h"
#include "util/NumberWords.h"
#include "util/ThaiText.h"

#include <QLocale>

#include <cmath>

namespace kvr::printing {

namespace {

using util::FormatRight;
using util::PadRightThai;

const QString kMoney = QStringLiteral("#,##0.00");
const QString kQuantity = QStringLiteral("##.#");

QString Code(char command)
{
    return QString(QChar(command));
}

QString Trimmed(const QString& data)
{
    return Printable(data).trimmed();
}

QDateTime PrintedAt(const ReceiptHeader& h)
{
    return h.PrintedAt.isValid() ? h.PrintedAt : QDateTime::currentDateTime();
}

void Separator(ReceiptPrinter& printer)
{
    printer.WriteRaw(ReceiptPrinter::RepeatText(QStringLiteral("-"), kReceiptWidth));
}

// A label in the first 31 columns and a bold amount in the last eight. Every such line ends
// bold off: bold left on would run into the lines below and into the next receipt's heading.
QString AmountLine(const QString& label, double amount)
{
    return FitColumns({{PadRightThai(label, 31), true},
                       {QStringLiteral(" "), false},
                       {Code(BoldOn), false},
                       {FormatRight(kMoney, amount), false},
                       {Code(BoldOff), false}},
                      kReceiptWidth);
}

void HeadingLayout1(ReceiptPrinter& printer, const ReceiptCompany& company)
{
    const QString name = Trimmed(company.NameThai);
    const QString taxNo = Trimmed(company.TaxNo);
    printer.WriteThai(PadPrinted(name, kReceiptWidth));
    if (!taxNo.isEmpty())
        printer.WriteThai(
            PadPrinted(Code(ItalicOn) + QStringLiteral("เลขประจำตัวผู้เสียภาษี ") + taxNo + Code(ItalicOff), kReceiptWidth));
    Separator(printer);
    printer.WriteThai(QStringLiteral("Description             Qnty.     Amount"));
    Separator(printer);
}

void HeadingLayout2(ReceiptPrinter& printer, const ReceiptSettings& settings)
{
    const QString name = Trimmed(settings.Company.NameThai);
    const QString taxNo = Trimmed(settings.Company.TaxNo);
    printer.WriteThai(CenterPrinted(name, kReceiptWidth));
    if (!taxNo.isEmpty())
        printer.WriteThai(
            CenterPrinted(Code(ItalicOn) + QStringLiteral("Company Tax Id ") + taxNo + Code(ItalicOff), kReceiptWidth));
    printer.WriteThai(CenterPrinted(QStringLiteral("TAX INVOICE (ABB.) VAT Included"), kReceiptWidth));
    printer.WriteThai(CenterPrinted(QStringLiteral("TAX Rd ") + Printable(settings.MachineTaxNo), kReceiptWidth));
    Separator(printer);
}

void LineLayout1(ReceiptPrinter& printer, const ReceiptLine& line)
{
    printer.WriteThai(FitColumns({{PadRightThai(Trimmed(line.PosName), 21), true},
                                  {QStringLiteral(" "), false},
                                  {FormatRight(kQuantity, line.Quantity), false},
                                  {QStringLiteral(" "), false},
                                  {PadRightThai(Trimmed(line.UnitName), 4), true},
                                  {QStringLiteral(" "), false},
                                  {FormatRight(kMoney, line.Total), false}},
                                 kReceiptWidth));
    if (std::trunc(line.Quantity) > 1)
        printer.WriteThai(util::FormatNumber(QStringLiteral("@##,##0.00"), line.Price));
}

void LineLayout2(ReceiptPrinter& printer, const ReceiptLine& line)
{
    printer.WriteThai(PadRightThai(Trimmed(line.ProductCode), 15) + u',' + PadRightThai(Trimmed(line.BarCode), 20));
    printer.WriteThai(FitColumns({{PadRightThai(Trimmed(line.PosName), 16), true},
                                  {QStringLiteral(" "), false},
                                  {FormatRight(kQuantity, line.Quantity), false},
                                  {QStringLiteral(" "), false},
                                  {FormatRight(kMoney, line.Price), false},
                                  {QStringLiteral(" "), false},
                                  {FormatRight(kMoney, line.Total + line.DiscountAmt), false}},
                                 kReceiptWidth));
    if (line.DiscountAmt > 0)
        printer.WriteThai(FitColumns({{PadRightThai(QStringLiteral("ส่วนลด"), 30), true},
                                      {QStringLiteral(" "), false},
                                      {Code(BoldOn), false},
                                      {FormatRight(kMoney, -line.DiscountAmt), false},
                                      {Code(BoldOff), false}},
                                     kReceiptWidth));
}

void TotalsLayout1(ReceiptPrinter& printer, const ReceiptSettings& settings, const ReceiptHeader& h)
{
    const QString words = u'(' + util::ThaiBahtText(2, h.Total) + u')';
    printer.WriteThai(AmountLine(words, h.Total));
    printer.WriteThai(PadTo(FitColumns({{QStringLiteral("สินค้ามีภาษี    "), true},
                                        {FormatRight(kMoney, h.TaxAmt), false},
                                        {QStringLiteral("  Vat       "), true},
                                        {FormatRight(kMoney, h.TaxTotal), false}},
                                       kReceiptWidth),
                            kReceiptWidth));
    printer.WriteThai(PadTo(FitColumns({{QStringLiteral("สินค้าไม่มีภาษี  "), true},
                                        {FormatRight(kMoney, h.NoTaxAmt), false},
                                        {QStringLiteral("  ราคาสินค้า  "), true},
                                        {FormatRight(kMoney, h.Total - h.TaxTotal), false}},
                                       kReceiptWidth),
                            kReceiptWidth));
    Separator(printer);
    printer.WriteThai(PadTo(FitColumns({{QStringLiteral("- ขอบคุณ - เงินรับ "), true},
                                        {FormatRight(kMoney, h.received()), false},
                                        {QStringLiteral(" เงินทอน "), true},
                                        {FormatRight(kMoney, h.Change), false}},
                                       kReceiptWidth),
                            kReceiptWidth));
    const QString printedAt = QLocale::c().toString(PrintedAt(h), QStringLiteral("dd/MM/yyyy hh:mm AP"));
    printer.WriteRaw((QStringLiteral("# ") + Trimmed(h.PosNo) + u' ' + printedAt).trimmed());
    printer.WriteRaw(QStringLiteral(" "));
    printer.WriteRaw(QStringLiteral(" "));
    printer.WriteRaw(QStringLiteral("User ") + Trimmed(settings.UserCode) + u' ' + TaxModeText(h.Price_IE));
    printer.WriteRaw(QStringLiteral(" "));
    for (int i = 0; i < 5; ++i)
        printer.WriteThai(QStringLiteral(" "));
}

void TotalsLayout2(ReceiptPrinter& printer, const ReceiptSettings& settings, const ReceiptHeader& h)
{
    printer.WriteThai(AmountLine(QStringLiteral("** TOTAL"), h.Total + h.DiscountAmt));
    printer.WriteThai(AmountLine(QStringLiteral("BANK CARD/CASH"), h.received()));
    printer.WriteThai(AmountLine(QStringLiteral("DISCOUNT"), h.DiscountAmt));
    printer.WriteThai(AmountLine(QStringLiteral("CHANGE"), h.Change));
    Separator(printer);
    printer.WriteThai(CenterPrinted(QStringLiteral("******* Thank you *******"), kReceiptWidth));
    Separator(printer);
    printer.WriteThai(AmountLine(QStringLiteral("TOTAL PAYMENT"), h.Total));
    printer.WriteThai(AmountLine(QStringLiteral("VAT ") + util::FormatNumber(QStringLiteral("0.##"), h.TaxRate) +
                                     QStringLiteral(" %"),
                                 h.TaxTotal));
    printer.WriteThai(QStringLiteral("Sales ") + Trimmed(settings.ReceiptSalesmanCode) +
                      QStringLiteral("      Date  ") +
                      QLocale::c().toString(PrintedAt(h).date(), QStringLiteral("dd/MM/yyyy")));
    printer.WriteRaw(QStringLiteral(" "));
    printer.WriteRaw(QStringLiteral(" "));
    printer.WriteThai(QStringLiteral("RECEIPT NO# ") + Trimmed(h.PosNo));
    printer.WriteRaw(QStringLiteral(" "));
    for (int i = 0; i < 3; ++i)
        printer.WriteThai(QStringLiteral(" "));
}

} // namespace

QString TaxModeText(const QString& priceIE)
{
    return priceIE.trimmed() == u"I" ? QStringLiteral("-=Tax Included=-") : QStringLiteral("-=Tax Excluded=-");
}

void PrintReceiptHeading(ReceiptPrinter& printer, const ReceiptSettings& settings, bool flush)
{
    if (settings.ReceiptFormNo == 1)
        HeadingLayout1(printer, settings.Company);
    else if (settings.ReceiptFormNo == 2)
        HeadingLayout2(printer, settings);
    else
        Separator(printer);
    if (flush) {
        printer.Send(PaperCutSequence());
        printer.Flush();
    }
}

void PrintReceiptLines(ReceiptPrinter& printer, const ReceiptSettings& settings, const std::vector<ReceiptLine>& lines)
{
    for (const ReceiptLine& line : lines) {
        if (settings.ReceiptFormNo == 1)
            LineLayout1(printer, line);
        else if (settings.ReceiptFormNo == 2)
            LineLayout2(printer, line);
    }
}

void PrintReceiptTotals(ReceiptPrinter& printer, const ReceiptSettings& settings, const ReceiptHeader& header)
{
    Separator(printer);
    // A reprint is marked above its totals; the first print stays as it always was.
    if (header.Copy)
        printer.WriteThai(CenterPrinted(QString::fromUtf8(kCopyMark), kReceiptWidth));
    if (settings.ReceiptFormNo == 1)
        TotalsLayout1(printer, settings, header);
    else if (settings.ReceiptFormNo == 2)
        TotalsLayout2(printer, settings, header);
}

} // namespace kvr::printing
