// SPDX-License-Identifier: GPL-3.0-or-later
// The bitmaps written at build time beside the executable, and the icons.

#include "pictures/Icons.h"
#include "pictures/PictureFiles.h"
#include "pictures/WindowsIcon.h"

#include <QFile>
#include <QBuffer>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

int distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void bitmapFiles_data();
    void bitmapFiles();
    void everyFileIsListed();
    void readBitmap_data();
    void readBitmap();
    void icons_data();
    void icons();
    void desktopIcons();
    void windowsIcon();
    void helpPictures_data();
    void helpPictures();
};

void TestPictures::bitmapFiles_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QSize>("size");

    QTest::newRow("splash") << "splash.bmp" << QSize(260, 140);
    QTest::newRow("single-layer coil") << "Images/odinSloy.bmp" << QSize(120, 65);
    QTest::newRow("multi-layer coil") << "Images/dvaSloya.bmp" << QSize(120, 65);
    QTest::newRow("turns") << "Images/vitki.bmp" << QSize(120, 65);
    QTest::newRow("straight wire") << "Images/odinProv.bmp" << QSize(170, 50);
}

void TestPictures::bitmapFiles()
{
    QFETCH(QString, relativePath);
    QFETCH(QSize, size);

    const QString path = QStringLiteral(BANDIMOR_BIN_DIR "/") + relativePath;
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray header = file.read(54);
    QCOMPARE(header.left(2), QByteArray("BM"));
    // The bit count of the info header: 24, colours without a palette.
    QCOMPARE(qFromLittleEndian<quint16>(header.constData() + 28), quint16(24));
    file.close();

    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("bmp"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
    QVERIFY(distinctColours(image) > 1);
}

void TestPictures::everyFileIsListed()
{
    QStringList paths;
    for (const pictures::PictureFile &file : pictures::pictureFiles())
        paths << file.relativePath;
    QCOMPARE(paths.size(), 5);
    QVERIFY(paths.contains(QStringLiteral("splash.bmp")));
}

// A bitmap is read only when it is whole: what the program shows must be
// the picture, not a picture with a black remainder.
void TestPictures::readBitmap_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("keptBytes");   // -1: not cut from the start
    QTest::addColumn<int>("droppedBytes"); // cut from the end
    QTest::addColumn<bool>("read");

    QTest::newRow("whole 24-bit bitmap") << "bmp24" << -1 << 0 << true;
    QTest::newRow("whole 4-bit bitmap with palette") << "bmp4" << -1 << 0 << true;
    QTest::newRow("cut after 2000 bytes, header intact") << "bmp24" << 2000 << 0 << false;
    QTest::newRow("one byte short") << "bmp24" << -1 << 1 << false;
    QTest::newRow("palette bitmap one row short") << "bmp4" << -1 << 32 << false;
    QTest::newRow("cut inside the header") << "bmp24" << 20 << 0 << false;
    QTest::newRow("empty file") << "bmp24" << 0 << 0 << false;
    QTest::newRow("PNG under a bitmap's name") << "png" << -1 << 0 << false;
    QTest::newRow("no file") << "missing" << -1 << 0 << false;
}

void TestPictures::readBitmap()
{
    QFETCH(QString, kind);
    QFETCH(int, keptBytes);
    QFETCH(int, droppedBytes);
    QFETCH(bool, read);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.bmp"));
    QImage image(QSize(60, 40), QImage::Format_RGB32);
    image.fill(Qt::red);
    if (kind == QLatin1String("bmp24"))
        QVERIFY(image.save(path, "BMP"));
    else if (kind == QLatin1String("bmp4"))  // one colour: Qt writes four bits a pixel
        QVERIFY(image.convertToFormat(QImage::Format_Indexed8).save(path, "BMP"));
    else if (kind == QLatin1String("png"))
        QVERIFY(image.save(path, "PNG"));
    if (keptBytes >= 0 || droppedBytes > 0) {
        QFile file(path);
        QVERIFY(file.resize(keptBytes >= 0 ? keptBytes : file.size() - droppedBytes));
    }

    const QImage result = pictures::readBitmap(path);
    QCOMPARE(!result.isNull(), read);
    if (read) {
        QCOMPARE(result.size(), image.size());
        QCOMPARE(result.pixelColor(59, 39), QColor(Qt::red));
    }
}

void TestPictures::icons_data()
{
    using pictures::IconId;
    QTest::addColumn<int>("id");
    const QList<QPair<const char *, IconId>> icons{
        {"coil", IconId::Coil}, {"application", IconId::Application}, {"exit", IconId::Exit},
        {"calculate", IconId::Calculate}, {"help", IconId::Help}, {"about", IconId::About},
        {"open", IconId::Open}, {"save as", IconId::SaveAs}, {"print", IconId::Print},
        {"undo", IconId::Undo}, {"cut", IconId::Cut}, {"copy", IconId::Copy}, {"paste", IconId::Paste},
        {"delete", IconId::Delete}, {"font", IconId::Font}, {"clear", IconId::Clear},
        {"close", IconId::Close}, {"tab: coil with L", IconId::CoilTabInductance},
        {"tab: coil", IconId::CoilTabTurns}, {"tab: straight wire", IconId::CoilTabWire},
    };
    // A new id without a row here would go untested.
    QCOMPARE(icons.size(), pictures::allIconIds().size());
    for (const auto &[name, id] : icons)
        QTest::newRow(name) << int(id);
}

void TestPictures::icons()
{
    QFETCH(int, id);
    const QIcon icon = pictures::icon(pictures::IconId(id));
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    QVERIFY(icon.availableSizes().contains(QSize(24, 24)));
    // Something is drawn: more than the transparent background.
    QVERIFY(distinctColours(icon.pixmap(24).toImage()) > 1);
}

// The hicolor icons drawn at build time: one PNG per side the program lists,
// square, with a transparent corner around the drawing.
void TestPictures::desktopIcons()
{
    QCOMPARE(pictures::desktopIconSizes(), (QList<int>{16, 22, 24, 32, 48, 64, 128, 256}));
    for (int size : pictures::desktopIconSizes()) {
        const QString path = QStringLiteral(BANDIMOR_ICON_DIR "/%1x%1/apps/bandimor.png").arg(size);
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        QVERIFY(distinctColours(image) > 2);
    }
}

// The Windows icon file holds every side, each read back as the same
// drawing as the desktop's icon of that side.
void TestPictures::windowsIcon()
{
    QByteArray file = pictures::windowsIconFile();
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    QCOMPARE(reader.imageCount(), int(pictures::windowsIconSizes().size()));
    QList<int> sides;
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QCOMPARE(image.width(), image.height());
        QCOMPARE(image.convertToFormat(QImage::Format_ARGB32),
                 pictures::iconImage(pictures::IconId::Application, image.width())
                     .convertToFormat(QImage::Format_ARGB32));
        sides.append(image.width());
    }
    QCOMPARE(sides, pictures::windowsIconSizes());
}

// The help pages show the coil drawings of the tabs, pixel for pixel at
// twice the size.
void TestPictures::helpPictures_data()
{
    QTest::addColumn<QString>("helpName");
    QTest::addColumn<QString>("bitmap");   // as the window loads it

    QTest::newRow("single-layer coil") << "odinSloy.png" << "Images/odinSloy.bmp";
    QTest::newRow("multi-layer coil") << "dvaSloya.png" << "Images/dvaSloya.bmp";
    QTest::newRow("turns") << "vitki.png" << "Images/vitki.bmp";
    QTest::newRow("straight wire") << "odinProv.png" << "Images/odinProv.bmp";
}

void TestPictures::helpPictures()
{
    QFETCH(QString, helpName);
    QFETCH(QString, bitmap);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString error;
    QVERIFY2(pictures::writeHelpPictures(dir.filePath(QStringLiteral("pictures")), &error), qPrintable(error));
    QVERIFY2(pictures::writePictureFiles(dir.path(), &error), qPrintable(error));

    QImageReader reader(dir.filePath(QStringLiteral("pictures/") + helpName));
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage help = reader.read().convertToFormat(QImage::Format_RGB32);
    const QImage shown = pictures::readBitmap(dir.filePath(bitmap)).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!shown.isNull());
    QCOMPARE(help.size(), shown.size() * 2);
    QCOMPARE(help, shown.scaled(shown.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    QCOMPARE(pictures::helpPictureFiles().size(), 4);
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
