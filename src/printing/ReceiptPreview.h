#pragma once

#include "printing/ThaiPrinterCode.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace kvr::printing {

// A receipt byte stream as a 40-column printer puts it on paper: the commands obeyed, the three
// passes of each Thai line merged back into one line of Thai text, one cell per printed column.
struct PreviewCell
{
    QString text; // a letter with the marks printed over and under it
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct PreviewLine
{
    std::vector<PreviewCell> cells;
    bool cut = false; // the paper is cut here; the line has no cells

    QString text() const;
};

struct PreviewStyle
{
    QString fontFamily = QStringLiteral("Tlwg Typo"); // monospaced, with Thai marks placed by the font
    int pixelSize = 20;
    int columns = 40;
};

class ReceiptPreview
{
public:
    static ReceiptPreview decode(const QByteArray& stream, CharCode code);

    const std::vector<PreviewLine>& lines() const { return m_lines; }
    // One text line per paper line, trailing blanks dropped, a cut drawn as a line with scissors.
    QString text() const;
    // The paper as a picture. Needs a QGuiApplication (QT_QPA_PLATFORM=offscreen will do).
    QImage image(const PreviewStyle& style = {}) const;

private:
    std::vector<PreviewLine> m_lines;
};

} // namespace kvr::printing
