// SPDX-License-Identifier: GPL-3.0-or-later
// The coil pictures, the tab pictures and the coil button's picture read on
// a dark desktop as on a light one. Each is shown as the program shows it
// (see-through) on a light and on a dark window colour. What stands out
// against the light window (contrast 4.5 : 1 or more) is the ink; on the dark
// window nine in ten of those pixels must still stand apart from something
// beside them: their 3 × 3 neighbourhood holds two pixels 4.5 : 1 apart.
#include "pictures/Icons.h"
#include "pictures/InkHalo.h"
#include "pictures/PictureFiles.h"

#include <QDir>
#include <QGuiApplication>
#include <QPalette>
#include <QPainter>
#include <QTest>
#include <tuple>

namespace {

constexpr double readable = 4.5;

const QColor lightWindow(0xEF, 0xEF, 0xEF);  // the usual light palette

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

// The share of the light rendering's ink that still stands apart on the
// dark window; the number of ink pixels in inkPixels. The bitmaps are the
// same files on both windows; the icons are made under each palette.
double keptOnDark(const QImage &lightPicture, const QImage &darkPicture, const QColor &darkWindow,
                  int *inkPixels)
{
    const QImage light = shownOn(lightPicture, lightWindow);
    const QImage dark = shownOn(darkPicture, darkWindow);
    int ink = 0;
    int kept = 0;
    for (int y = 0; y < light.height(); ++y) {
        for (int x = 0; x < light.width(); ++x) {
            if (contrast(light.pixel(x, y), lightWindow.rgb()) < readable)
                continue;
            ++ink;
            // The most distant pair is the lightest and the darkest pixel.
            double lightest = 0.0;
            double darkest = 100.0;
            for (int ny = qMax(0, y - 1); ny <= qMin(dark.height() - 1, y + 1); ++ny) {
                for (int nx = qMax(0, x - 1); nx <= qMin(dark.width() - 1, x + 1); ++nx) {
                    const double lightness = contrast(dark.pixel(nx, ny), qRgb(0, 0, 0));
                    lightest = qMax(lightest, lightness);
                    darkest = qMin(darkest, lightness);
                }
            }
            if (lightest / darkest >= readable)
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

// The icon as the program makes it under a palette with that window colour.
QImage iconShown(pictures::IconId id, int size, const QColor &window)
{
    const QPalette before = QGuiApplication::palette();
    QPalette palette = before;
    palette.setColor(QPalette::Window, window);
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

        // A dark grey palette and a near-black one.
        const QList<std::pair<const char *, QColor>> darkWindows{
            {"dark grey", QColor(0x35, 0x35, 0x35)}, {"near black", QColor(0x1E, 0x1E, 0x1E)}};
        const QStringList bitmaps{QStringLiteral("odinSloy.bmp"), QStringLiteral("dvaSloya.bmp"),
                                  QStringLiteral("vitki.bmp"), QStringLiteral("odinProv.bmp")};
        const QList<std::tuple<const char *, pictures::IconId, int>> icons{
            {"tab inductance", pictures::IconId::CoilTabInductance, 24},
            {"tab turns", pictures::IconId::CoilTabTurns, 24},
            {"tab wire", pictures::IconId::CoilTabWire, 24},
            {"coil button", pictures::IconId::Coil, 16},
            {"coil menu entry", pictures::IconId::Coil, 24},
        };
        for (const auto &[windowName, window] : darkWindows) {
            for (const QString &name : bitmaps) {
                const QImage picture = seeThrough(bitmap(name));
                QTest::addRow("%s on %s", qPrintable(name), windowName) << picture << picture << window;
            }
            for (const auto &[name, id, size] : icons) {
                QTest::addRow("%s on %s", name, windowName)
                    << iconShown(id, size, lightWindow) << iconShown(id, size, window) << window;
            }
        }
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
        QVERIFY2(kept >= 0.9, qPrintable(QStringLiteral("%1 % kept").arg(kept * 100, 0, 'f', 1)));
    }
};

QTEST_MAIN(TestPictureContrast)
#include "test_picturecontrast.moc"
