#pragma once

#include <QByteArray>
#include <QFont>
#include <QHash>
#include <vector>

namespace kvr::report {

// Thai fonts draw tone marks over short letters, and vowels beside tall ones, with glyphs of
// their own that the font reaches from private-use code points (U+F700...). A PDF writer that
// maps glyphs back to text through the font's character map then gives those private-use code
// points instead of the Thai letters, and a reader or search of the PDF loses the marks. This
// finds, for the fonts used, which Thai letter each such glyph stands for, and rewrites the
// PDF's glyph-to-text maps (ToUnicode) with them.
class PdfText
{
public:
    // Private-use code point -> the Thai letter its glyph is a form of, for these fonts.
    static QHash<char16_t, char16_t> thaiForms(const std::vector<QFont>& fonts);
    // The PDF with every private-use entry of its text maps replaced; the file keeps its size
    // and its cross-reference offsets.
    static QByteArray withThaiText(const QByteArray& pdf, const QHash<char16_t, char16_t>& forms);

private:
    static QHash<char16_t, char16_t> formsOf(const QFont& font);
};

} // namespace kvr::report
