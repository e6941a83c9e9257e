#pragma once

#include "printing/report/PreparedReport.h"

namespace kvr::report {

// Breaks a text into lines that fit a box and places them by the box's alignment. Thai is shaped
// and broken between words by the text engine (libthai finds the word boundaries); a word longer
// than the box is broken between letters.
struct TextBlock
{
    std::vector<PreparedLine> lines;
    double height = 0; // mm the lines need

    // The font of a style at layout resolution.
    static QFont fontFor(const TextStyle& style, const QString& defaultFamily, double defaultSize);
    // Lines relative to the box's top left; `box` height is a minimum when `grow` is set.
    static TextBlock layout(const QString& text, const QFont& font, const QRectF& box, Qt::Alignment alignment,
                            bool wrap);
};

} // namespace kvr::report
