#pragma once

#include <QImage>
#include <QRgb>

namespace kvr::ui {

// The see-through balloon: only the pixels of its background colour let the screen behind
// show through; text, border and arrow stay solid.
class Translucency
{
public:
    // One channel: (background * (100 - rate) + screen * rate) / 100, in integers.
    static int mixChannel(int background, int screen, int rate);

    // Mixes, in place, every pixel of `balloon` that has exactly the colour `background` with
    // the pixel at the same place in `behind` (same size; pixels outside it are left alone).
    static void apply(QImage& balloon, const QImage& behind, QRgb background, int rate);
};

} // namespace kvr::ui
