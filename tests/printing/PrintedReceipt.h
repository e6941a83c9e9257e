#pragma once

#include "printing/ReceiptPreview.h"
#include "printing/ReceiptPrinter.h"

#include <QBuffer>

#include <functional>

namespace kvr::test {

// What a print call sends, read back as the paper shows it.
struct PrintedReceipt
{
    QByteArray bytes;
    std::vector<printing::PreviewLine> lines;

    static PrintedReceipt of(const std::function<void(printing::ReceiptPrinter&)>& print,
                             printing::CharCode code = printing::CharCode::Tis)
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        printing::ReceiptPrinter printer;
        printer.OpenReceiptPrinter(
            buffer, code == printing::CharCode::Ku ? QStringLiteral("KU") : QStringLiteral("TIS"), false);
        print(printer);
        printer.CloseReceiptPrinter();
        return {buffer.data(), printing::ReceiptPreview::decode(buffer.data(), code).lines()};
    }

    QStringList texts() const
    {
        QStringList out;
        for (const printing::PreviewLine& line : lines)
            out << line.text();
        return out;
    }
};

} // namespace kvr::test
