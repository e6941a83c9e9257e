#include "ui/base/Translucency.h"

#include <algorithm>

namespace kvr::ui {

int Translucency::mixChannel(int background, int screen, int rate)
{
    return (background * (100 - rate) + screen * rate) / 100;
}

void Translucency::apply(QImage& balloon, const QImage& behind, QRgb background, int rate)
{
    rate = std::clamp(rate, 0, 100);
    const QRgb wanted = background | 0xff000000u;
    const int width = std::min(balloon.width(), behind.width());
    const int height = std::min(balloon.height(), behind.height());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if ((balloon.pixel(x, y) | 0xff000000u) != wanted)
                continue;
            const QRgb screen = behind.pixel(x, y);
            balloon.setPixel(x, y,
                             qRgb(mixChannel(qRed(wanted), qRed(screen), rate),
                                  mixChannel(qGreen(wanted), qGreen(screen), rate),
                                  mixChannel(qBlue(wanted), qBlue(screen), rate)));
        }
    }
}

} // namespace kvr::ui
