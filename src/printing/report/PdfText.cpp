#include "printing/report/PdfText.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

namespace kvr::report {

namespace {

// Letters that take the alternative forms: short, tall (ascending) and descending consonants,
// with the marks above and below them, alone and stacked.
const char16_t kBases[] = {u'ก', u'ป', u'ฝ', u'ฟ', u'ฬ', u'ญ', u'ฐ', u'ฎ', u'ฏ'};
const char16_t kUpper[] = {u'\u0E31', u'\u0E34', u'\u0E35', u'\u0E36', u'\u0E37', u'\u0E47', u'\u0E4D'};
const char16_t kTones[] = {u'\u0E48', u'\u0E49', u'\u0E4A', u'\u0E4B', u'\u0E4C'};
const char16_t kLower[] = {u'\u0E38', u'\u0E39', u'\u0E3A'};

void learn(const QString& probe, const QFont& font, const QHash<quint32, char16_t>& privateGlyphs,
           QHash<char16_t, char16_t>& forms)
{
    QTextLayout layout(probe, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1)
        return;
    const QList<quint32> glyphs = runs.front().glyphIndexes();
    // One glyph per letter: the n-th glyph draws the n-th letter.
    if (glyphs.size() != probe.size())
        return;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const auto found = privateGlyphs.constFind(glyphs.at(i));
        // The simplest pairing that shows a form wins; later, busier probes do not overrule it.
        if (found != privateGlyphs.cend() && !forms.contains(found.value()))
            forms.insert(found.value(), probe.at(i).unicode());
    }
}

} // namespace

QHash<char16_t, char16_t> PdfText::thaiForms(const std::vector<QFont>& fonts)
{
    // What a font's forms stand for does not change with its size: learnt once per face.
    static QHash<QString, QHash<char16_t, char16_t>> learnt;
    QHash<char16_t, char16_t> forms;
    for (const QFont& font : fonts) {
        const QString face = QStringLiteral("%1/%2/%3").arg(font.family()).arg(font.weight()).arg(font.italic());
        if (!learnt.contains(face))
            learnt.insert(face, formsOf(font));
        forms.insert(learnt.value(face));
    }
    return forms;
}

QHash<char16_t, char16_t> PdfText::formsOf(const QFont& font)
{
    QHash<char16_t, char16_t> forms;
    const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Thai);
    if (!raw.isValid())
        return forms;
    {
        QHash<quint32, char16_t> privateGlyphs;
        for (char16_t code = 0xF700; code <= 0xF71F; ++code) {
            const QList<quint32> glyph = raw.glyphIndexesForString(QString(QChar(code)));
            if (!glyph.isEmpty() && glyph.front() != 0)
                privateGlyphs.insert(glyph.front(), code);
        }
        if (privateGlyphs.isEmpty())
            return forms;
        for (const char16_t base : kBases) {
            for (const char16_t tone : kTones)
                learn(QString(QChar(base)) + QChar(tone), font, privateGlyphs, forms);
            for (const char16_t upper : kUpper)
                learn(QString(QChar(base)) + QChar(upper), font, privateGlyphs, forms);
            for (const char16_t lower : kLower)
                learn(QString(QChar(base)) + QChar(lower), font, privateGlyphs, forms);
        }
        for (const char16_t base : kBases) {
            for (const char16_t upper : kUpper) {
                for (const char16_t tone : kTones)
                    learn(QString(QChar(base)) + QChar(upper) + QChar(tone), font, privateGlyphs, forms);
            }
        }
    }
    return forms;
}

QByteArray PdfText::withThaiText(const QByteArray& pdf, const QHash<char16_t, char16_t>& forms)
{
    if (forms.isEmpty())
        return pdf;
    QByteArray out = pdf;
    // Only inside the text maps; an entry is "<F70A>", replaced by "<0E48>" of the same length.
    qsizetype from = 0;
    while ((from = out.indexOf("begincmap", from)) >= 0) {
        const qsizetype end = out.indexOf("endcmap", from);
        if (end < 0)
            break;
        for (qsizetype i = out.indexOf("<F7", from); i >= 0 && i + 6 <= end; i = out.indexOf("<F7", i + 1)) {
            if (out.at(i + 5) != '>')
                continue;
            bool ok = false;
            const auto code = char16_t(out.mid(i + 1, 4).toUShort(&ok, 16));
            const auto found = forms.constFind(code);
            if (!ok || found == forms.cend())
                continue;
            out.replace(i + 1, 4, QByteArray::number(found.value(), 16).toUpper().rightJustified(4, '0'));
        }
        from = end;
    }
    return out;
}

} // namespace kvr::report
