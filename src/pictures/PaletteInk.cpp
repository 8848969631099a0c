// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PaletteInk.h"

#include "pictures/DrawingKit.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace pictures {

namespace {

// Channels this close together make a grey: the ink and the lines drawn
// from it, not the copper, the former or the tab pictures' colours. Ink
// softened at its edge by a colour beside it is still mostly ink: a dark
// pixel may stray further.
constexpr int greySpread = 24;
constexpr int darkGreySpread = 40;
constexpr int darkLevel = 100;

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) + 0.0722 * linear(colour.blue());
}

int greyLevel(QRgb pixel)
{
    return (qRed(pixel) + qGreen(pixel) + qBlue(pixel)) / 3;
}

bool isGrey(QRgb pixel)
{
    const int high = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    const int low = std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    return high - low <= (greyLevel(pixel) < darkLevel ? darkGreySpread : greySpread);
}

QRgb mix(QRgb from, QRgb to, double share, int alpha)
{
    const auto channel = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return qRgba(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)),
                 channel(qBlue(from), qBlue(to)), alpha);
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isDarkPalette(const QPalette &palette)
{
    return luminance(palette.color(QPalette::WindowText)) > luminance(palette.color(QPalette::Window));
}

QImage inPaletteInk(const QImage &picture, const QPalette &palette)
{
    if (picture.isNull() || !isDarkPalette(palette))
        return picture;
    const QImage::Format format = picture.format();
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb ground = kit::buttonFace().rgb();
    const QRgb window = palette.color(QPalette::Window).rgb();
    const QRgb text = palette.color(QPalette::WindowText).rgb();
    const int groundLevel = greyLevel(ground);
    const int inkLevel = greyLevel(kit::ink().rgb());

    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const int alpha = qAlpha(pixel);
            if (alpha == 0 || !isGrey(pixel))
                continue;
            if ((pixel & RGB_MASK) == (ground & RGB_MASK)) {
                line[x] = (window & RGB_MASK) | (QRgb(alpha) << 24);
                continue;
            }
            const int level = greyLevel(pixel);
            if (level >= groundLevel)
                continue;
            const double share = std::min(1.0, double(groundLevel - level) / (groundLevel - inkLevel));
            line[x] = mix(window, text, share, alpha);
        }
    }
    return image.convertToFormat(format);
}

} // namespace pictures
