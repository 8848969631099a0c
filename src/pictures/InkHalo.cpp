// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/InkHalo.h"

#include <QList>
#include <cmath>

namespace pictures {

namespace {

// A little below the 4.5 that readable text needs: ink drawn in lighter
// colours (magenta, green) gets its halo too.
constexpr double inkContrast = 4.0;

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) + 0.0722 * linear(colour.blue());
}

QRgb over(QRgb pixel, QRgb ground)
{
    const int alpha = qAlpha(pixel);
    const auto mix = [alpha](int top, int below) { return (top * alpha + below * (255 - alpha) + 127) / 255; };
    return qRgb(mix(qRed(pixel), qRed(ground)), mix(qGreen(pixel), qGreen(ground)),
                mix(qBlue(pixel), qBlue(ground)));
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QImage withInkHalo(const QImage &picture, const QColor &ground)
{
    if (picture.isNull())
        return picture;
    const QImage::Format format = picture.format();
    QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    const int width = source.width();
    const int height = source.height();
    const QRgb groundRgb = ground.rgb();

    QList<bool> ink(qsizetype(width) * height);
    for (int y = 0; y < height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        for (int x = 0; x < width; ++x)
            ink[qsizetype(y) * width + x] = contrastRatio(QColor(over(line[x], groundRgb)), ground) >= inkContrast;
    }
    const auto touchesInk = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx;
                const int ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < width && ny < height && ink.at(qsizetype(ny) * width + nx))
                    return true;
            }
        }
        return false;
    };

    QImage result = source;
    for (int y = 0; y < height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (x == 0 && y == height - 1)
                continue;
            const QRgb pixel = line[x];
            const bool seeThrough = qAlpha(pixel) < 255 || (pixel & RGB_MASK) == (groundRgb & RGB_MASK);
            if (seeThrough && !ink.at(qsizetype(y) * width + x) && touchesInk(x, y))
                out[x] = (pixel & RGB_MASK) == (groundRgb & RGB_MASK) && qAlpha(pixel) == 255
                             ? qRgb(255, 255, 255)
                             : over(pixel, qRgb(255, 255, 255));
        }
    }
    return result.convertToFormat(format);
}

} // namespace pictures
