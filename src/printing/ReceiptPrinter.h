#pragma once

#include "printing/ThaiPrinterCode.h"

#include <QIODevice>
#include <QString>

namespace kvr::printing {

// The receipt printer output of one program run: opened for each receipt and closed after it,
// with the character code and the three-level flag kept between receipts. Every line ends with
// CR LF. Write and flush failures raise PrinterError.
class ReceiptPrinter
{
public:
    ReceiptPrinter() = default;
    ~ReceiptPrinter();
    ReceiptPrinter(const ReceiptPrinter&) = delete;
    ReceiptPrinter& operator=(const ReceiptPrinter&) = delete;

    // Takes a device the caller opened and keeps (the spool's buffer, a pipe; it is not closed
    // here), resets the printer and selects draft or letter quality, flushing after each. The
    // sale screen prints in letter quality (draft = false).
    void OpenReceiptPrinter(QIODevice& device, const QString& printerCode, bool draft);
    // Flushes and lets the output go; closing a closed printer does nothing.
    void CloseReceiptPrinter();
    bool isOpen() const { return m_device != nullptr; }

    // One line as it is, in code page 874, without conversion.
    void WriteRaw(const QString& text);
    // One line converted to the printer's code; in three passes while the three-level flag is set.
    void WriteThai(const QString& text);
    // Command bytes sent as they are, outside any line.
    void Send(const QByteArray& bytes);
    void Flush();

    static QString RepeatText(const QString& text, int count);

    CharCode PrinterCharCode() const { return m_charCode; }
    bool threeLevels() const { return m_threeLevels; }
    void setThreeLevels(bool on) { m_threeLevels = on; }

private:
    void start(const QString& printerCode, bool draft);
    void writeLine(const QByteArray& bytes);
    void requireOpen() const;
    [[noreturn]] void fail(const QString& what);

    QIODevice* m_device = nullptr;
    QString m_description;
    CharCode m_charCode = CharCode::Tis;
    bool m_threeLevels = false;
};

} // namespace kvr::printing
