#include "app/CreditsScroll.h"

#include <QImage>
#include <QtMath>

namespace app::credits {

int rowOpacity(int row)
{
    if (row < 0 || row > kFadeInStart)
        return 0;
    if (row > kFullFrom)
        return qRound(100.0 * (kFadeInStart - row) / (kFadeInStart - kFullFrom));
    if (row >= kFullTo)
        return 100;
    return qRound(100.0 * row / kFullTo);
}

int loopLength(int textHeight)
{
    return kFadeInStart + qMax(textHeight, 0);
}

int textTopAt(int tick, int textHeight)
{
    return kFadeInStart - tick % loopLength(textHeight);
}

void fadeRows(QImage &image)
{
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    const qreal ratio = image.devicePixelRatio() > 0 ? image.devicePixelRatio() : 1.0;
    for (int y = 0; y < image.height(); ++y) {
        const int opacity = rowOpacity(int(y / ratio));
        if (opacity == 100)
            continue;
        auto *pixel = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x, ++pixel) {
            const auto scale = [opacity](int channel) { return (channel * opacity + 50) / 100; };
            *pixel = qRgba(scale(qRed(*pixel)), scale(qGreen(*pixel)), scale(qBlue(*pixel)),
                           scale(qAlpha(*pixel)));
        }
    }
}

} // namespace app::credits
