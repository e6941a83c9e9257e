#include "printing/ReceiptPrinter.h"

#include "printing/ControlCodes.h"
#include "printing/PrinterError.h"
#include "printing/ThreeLevelText.h"
#include "util/Tis620.h"

#include <QFileDevice>

namespace kvr::printing {

namespace {

const QByteArray kLineEnd("\r\n");

} // namespace

ReceiptPrinter::~ReceiptPrinter()
{
    try {
        CloseReceiptPrinter();
    } catch (const PrinterError&) {
        // Nothing can report it any more; the failure of the last write was reported already.
    }
}

void ReceiptPrinter::OpenReceiptPrinter(QIODevice& device, const QString& printerCode, bool draft)
{
    CloseReceiptPrinter();
    m_device = &device;
    m_description = QStringLiteral("output");
    start(printerCode, draft);
}

void ReceiptPrinter::start(const QString& printerCode, bool draft)
{
    m_charCode = CharCodeFromPrinterCode(printerCode);
    m_threeLevels = true;
    Send(ResetSequence());
    Flush();
    Send(draft ? DraftSequence() : LetterQualitySequence());
    Flush();
}

void ReceiptPrinter::CloseReceiptPrinter()
{
    if (!m_device)
        return;
    // Let go first, so that a failing flush leaves the printer closed and the next receipt
    // opens it afresh.
    QIODevice* device = m_device;
    m_device = nullptr;
    auto* file = qobject_cast<QFileDevice*>(device);
    const bool flushed = !file || file->flush();
    const QString error = device->errorString();
    if (!flushed)
        throw PrinterError(PrinterError::Kind::WriteFailed,
                           QStringLiteral("The receipt printer %1 stopped taking data: %2").arg(m_description, error));
}

void ReceiptPrinter::Send(const QByteArray& bytes)
{
    requireOpen();
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = m_device->write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            fail(m_device->errorString());
        done += written;
    }
}

void ReceiptPrinter::Flush()
{
    requireOpen();
    if (auto* file = qobject_cast<QFileDevice*>(m_device); file && !file->flush())
        fail(file->errorString());
}

void ReceiptPrinter::writeLine(const QByteArray& bytes)
{
    Send(bytes + kLineEnd);
}

void ReceiptPrinter::WriteRaw(const QString& text)
{
    writeLine(util::TisFromUnicode(text));
}

void ReceiptPrinter::WriteThai(const QString& text)
{
    const ThreeLevelText levels =
        SplitThreeLevels(ConvertForPrinter(util::TisFromUnicode(text), m_charCode), m_charCode);
    if (!m_threeLevels) {
        writeLine(levels.base);
        return;
    }
    writeLine(UpperLineSpacing() + levels.upper);
    writeLine(levels.base);
    writeLine(levels.lower + LowerLineSpacing());
}

QString ReceiptPrinter::RepeatText(const QString& text, int count)
{
    return count > 0 ? text.repeated(count) : QString();
}

void ReceiptPrinter::requireOpen() const
{
    if (!m_device)
        throw PrinterError(PrinterError::Kind::WriteFailed, QStringLiteral("The receipt printer is not open"));
}

void ReceiptPrinter::fail(const QString& what)
{
    throw PrinterError(PrinterError::Kind::WriteFailed,
                       QStringLiteral("The receipt printer %1 stopped taking data: %2").arg(m_description, what));
}

} // namespace kvr::printing
