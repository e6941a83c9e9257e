#pragma once

#include <QImage>

namespace kvr::test {

// Pixels of exactly that colour.
inline int countPixels(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return n;
}

// White text anti-aliased on a coloured ground: the pixels where every channel comes up.
inline int countLightPixels(const QImage& image, int threshold)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += qRed(p) > threshold && qGreen(p) > threshold && qBlue(p) > threshold;
        }
    return n;
}

} // namespace kvr::test
