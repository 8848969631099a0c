// SPDX-License-Identifier: GPL-3.0-or-later
// The coil pictures, the tab pictures and the coil button's picture read on
// a dark desktop as on a light one. Each is shown as the program shows it
// (see-through) under a light and under a dark palette. The grey ink of the
// light rendering (letters, lines, outlines: greys that stand 4.5 : 1 apart
// from the light window) must, at the same pixel of the dark rendering, be
// lighter than the dark window by 3 : 1 or more, for 85 % of those pixels.
#include "pictures/Icons.h"
#include "pictures/PaletteInk.h"
#include "pictures/PictureFiles.h"

#include <QDir>
#include <QGuiApplication>
#include <QPalette>
#include <QPainter>
#include <QTest>
#include <tuple>

namespace {

constexpr double readable = 4.5;
constexpr double distinct = 3.0;

const QColor lightWindow(0xEF, 0xEF, 0xEF);  // the usual light palette

QPalette paletteOf(const QColor &window, const QColor &text)
{
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    return palette;
}

// The program makes a bitmap's bottom left colour transparent.
QImage seeThrough(const QImage &bitmap)
{
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb ground = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == ground)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

QImage shownOn(const QImage &picture, const QColor &window)
{
    QImage shown(picture.size(), QImage::Format_RGB32);
    shown.fill(window);
    QPainter painter(&shown);
    painter.drawImage(0, 0, picture);
    return shown;
}

double contrast(QRgb a, QRgb b)
{
    return pictures::contrastRatio(QColor(a), QColor(b));
}

bool isGrey(QRgb pixel)
{
    const int high = qMax(qRed(pixel), qMax(qGreen(pixel), qBlue(pixel)));
    const int low = qMin(qRed(pixel), qMin(qGreen(pixel), qBlue(pixel)));
    return high - low <= 24;
}

// The share of the light rendering's grey ink that the dark rendering draws
// lighter than its window and distinct from it; the number of ink pixels in
// inkPixels.
double keptOnDark(const QImage &lightPicture, const QImage &darkPicture, const QColor &darkWindow,
                  int *inkPixels)
{
    const QImage light = shownOn(lightPicture, lightWindow);
    const QImage dark = shownOn(darkPicture, darkWindow);
    const double windowLightness = contrast(darkWindow.rgb(), qRgb(0, 0, 0));
    int ink = 0;
    int kept = 0;
    for (int y = 0; y < light.height(); ++y) {
        for (int x = 0; x < light.width(); ++x) {
            const QRgb pixel = light.pixel(x, y);
            if (!isGrey(pixel) || contrast(pixel, lightWindow.rgb()) < readable)
                continue;
            ++ink;
            const QRgb shown = dark.pixel(x, y);
            if (contrast(shown, qRgb(0, 0, 0)) > windowLightness
                && contrast(shown, darkWindow.rgb()) >= distinct)
                ++kept;
        }
    }
    *inkPixels = ink;
    return ink > 0 ? double(kept) / ink : 0.0;
}

QImage bitmap(const QString &name)
{
    return pictures::readBitmap(QDir(QStringLiteral(BANDIMOR_BIN_DIR)).filePath(QStringLiteral("Images/") + name));
}

// The icon as the program makes it under that palette.
QImage iconShown(pictures::IconId id, int size, const QPalette &palette)
{
    const QPalette before = QGuiApplication::palette();
    QGuiApplication::setPalette(palette);
    const QImage image = pictures::icon(id).pixmap(size).toImage();
    QGuiApplication::setPalette(before);
    return image;
}

} // namespace

class TestPictureContrast : public QObject
{
    Q_OBJECT
private slots:
    void contrastRatio_data()
    {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("expected");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("white on black") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
        QTest::newRow("the same grey") << QColor(0x77, 0x77, 0x77) << QColor(0x77, 0x77, 0x77) << 1.0;
        QTest::newRow("mid grey on white") << QColor(0x76, 0x76, 0x76) << QColor(Qt::white) << 4.54;
        QTest::newRow("pure red on white") << QColor(Qt::red) << QColor(Qt::white) << 4.0;
    }

    void contrastRatio()
    {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, expected);
        QVERIFY2(qAbs(pictures::contrastRatio(a, b) - expected) < 0.01,
                 qPrintable(QString::number(pictures::contrastRatio(a, b))));
    }

    void readsOnDarkWindows_data()
    {
        QTest::addColumn<QImage>("lightPicture");
        QTest::addColumn<QImage>("darkPicture");
        QTest::addColumn<QColor>("darkWindow");

        // A dark grey palette with light grey text (as qt6ct's "darker"), and
        // a near-black one with white text.
        const QList<std::pair<const char *, QPalette>> darkPalettes{
            {"dark grey", paletteOf(QColor(0x35, 0x35, 0x35), QColor(0xD3, 0xD0, 0xC8))},
            {"near black", paletteOf(QColor(0x1E, 0x1E, 0x1E), QColor(Qt::white))}};
        const QPalette lightPalette = paletteOf(lightWindow, QColor(Qt::black));
        const QStringList bitmaps{QStringLiteral("odinSloy.bmp"), QStringLiteral("dvaSloya.bmp"),
                                  QStringLiteral("vitki.bmp"), QStringLiteral("odinProv.bmp")};
        const QList<std::tuple<const char *, pictures::IconId, int>> icons{
            {"tab inductance", pictures::IconId::CoilTabInductance, 24},
            {"tab turns", pictures::IconId::CoilTabTurns, 24},
            {"tab wire", pictures::IconId::CoilTabWire, 24},
            {"coil button", pictures::IconId::Coil, 16},
            {"coil menu entry", pictures::IconId::Coil, 24},
        };
        for (const auto &[paletteName, palette] : darkPalettes) {
            const QColor window = palette.color(QPalette::Window);
            for (const QString &name : bitmaps) {
                // The file as the coil window shows it under each palette.
                const QImage file = bitmap(name);
                QTest::addRow("%s on %s", qPrintable(name), paletteName)
                    << seeThrough(pictures::inPaletteInk(file, lightPalette))
                    << seeThrough(pictures::inPaletteInk(file, palette)) << window;
            }
            for (const auto &[name, id, size] : icons) {
                QTest::addRow("%s on %s", name, paletteName)
                    << iconShown(id, size, lightPalette) << iconShown(id, size, palette) << window;
            }
        }
    }

    // Under a light palette the pictures are shown as drawn.
    void lightPaletteKeepsPictures()
    {
        const QImage file = bitmap(QStringLiteral("odinSloy.bmp"));
        QVERIFY(!file.isNull());
        QCOMPARE(pictures::inPaletteInk(file, paletteOf(lightWindow, QColor(Qt::black))), file);
    }

    void readsOnDarkWindows()
    {
        QFETCH(QImage, lightPicture);
        QFETCH(QImage, darkPicture);
        QFETCH(QColor, darkWindow);
        QVERIFY(!lightPicture.isNull() && !darkPicture.isNull());
        int ink = 0;
        const double kept = keptOnDark(lightPicture, darkPicture, darkWindow, &ink);
        qInfo("%d ink pixels, %.1f %% kept", ink, kept * 100);
        QVERIFY2(ink >= 5, "no ink to read");
        QVERIFY2(kept >= 0.85, qPrintable(QStringLiteral("%1 % kept").arg(kept * 100, 0, 'f', 1)));
    }
};

QTEST_MAIN(TestPictureContrast)
#include "test_picturecontrast.moc"
