// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureFiles.h"

#include "pictures/Icons.h"
#include "pictures/Pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QtEndian>

namespace pictures {

namespace {

// Larger files are no pictures of ours; reading stops there.
constexpr qint64 maxBitmapSize = 64 * 1024 * 1024;

enum Compression : quint32 { Rgb = 0, BitFields = 3, AlphaBitFields = 6 };

template<typename T>
T field(const QByteArray &data, int offset)
{
    return qFromLittleEndian<T>(data.constData() + offset);
}

// Whether the file holds all the pixel rows its headers announce. Compressed
// pixels have no size to check before decoding; the decoder judges those.
bool pixelDataComplete(const QByteArray &data)
{
    constexpr int fileHeaderSize = 14;
    if (data.size() < fileHeaderSize + 12 || !data.startsWith("BM"))
        return false;
    const qint64 pixelOffset = field<quint32>(data, 10);
    const quint32 infoSize = field<quint32>(data, 14);
    qint64 width = 0;
    qint64 height = 0;
    qint64 bitsPerPixel = 0;
    quint32 compression = Rgb;
    if (infoSize == 12) {  // the old OS/2 header
        width = field<quint16>(data, 18);
        height = field<quint16>(data, 20);
        bitsPerPixel = field<quint16>(data, 24);
    } else if (infoSize >= 40 && data.size() >= fileHeaderSize + 40) {
        width = field<qint32>(data, 18);
        height = field<qint32>(data, 22);
        bitsPerPixel = field<quint16>(data, 28);
        compression = field<quint32>(data, 30);
    } else {
        return false;
    }
    if (width <= 0 || height == 0 || bitsPerPixel <= 0 || bitsPerPixel > 32 || pixelOffset > data.size())
        return false;
    if (compression != Rgb && compression != BitFields && compression != AlphaBitFields)
        return pixelOffset < data.size();
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return pixelOffset + rowBytes * qAbs(height) <= data.size();
}

} // namespace

QList<PictureFile> pictureFiles()
{
    return {
        {QStringLiteral("splash.bmp"), &splashPicture},
        {QStringLiteral("Images/odinSloy.bmp"), &singleLayerCoilPicture},
        {QStringLiteral("Images/dvaSloya.bmp"), &multiLayerCoilPicture},
        {QStringLiteral("Images/vitki.bmp"), &turnsPicture},
        {QStringLiteral("Images/odinProv.bmp"), &straightWirePicture},
    };
}

namespace {

// Writes each picture under folder in the image format given, enlarged
// scale times pixel for pixel; false with a message in error on a failure.
bool writePictures(const QString &folder, const QList<PictureFile> &files, const char *format, int scale,
                   QString *error)
{
    for (const PictureFile &file : files) {
        const QString path = QDir(folder).filePath(file.relativePath);
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            *error = QStringLiteral("cannot create the folder of %1").arg(path);
            return false;
        }
        // 32-bit pixels without alpha are written as 24-bit bitmaps.
        QImage picture = file.draw().convertToFormat(QImage::Format_RGB32);
        if (scale != 1)
            picture = picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QImageWriter writer(path, format);
        if (!writer.write(picture)) {
            *error = QStringLiteral("%1: %2").arg(path, writer.errorString());
            return false;
        }
    }
    return true;
}

} // namespace

bool writePictureFiles(const QString &folder, QString *error)
{
    return writePictures(folder, pictureFiles(), "bmp", 1, error);
}

QList<PictureFile> helpPictureFiles()
{
    QList<PictureFile> files;
    for (const PictureFile &file : pictureFiles()) {
        if (file.relativePath.startsWith(QLatin1String("Images/")))
            files.append({QFileInfo(file.relativePath).completeBaseName() + QStringLiteral(".png"), file.draw});
    }
    return files;
}

bool writeHelpPictures(const QString &folder, QString *error)
{
    return writePictures(folder, helpPictureFiles(), "png", 2, error);
}

QImage readBitmap(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray data = file.read(maxBitmapSize);
    if (!pixelDataComplete(data))
        return QImage();
    return QImage::fromData(data, "BMP");
}

QList<int> desktopIconSizes()
{
    return {16, 22, 24, 32, 48, 64, 128, 256};
}

bool writeDesktopIcons(const QString &themeFolder, QString *error)
{
    for (int size : desktopIconSizes()) {
        const QString folder = QDir(themeFolder).filePath(QStringLiteral("%1x%1/apps").arg(size));
        const QString path = QDir(folder).filePath(QStringLiteral("bandimor.png"));
        if (!QDir().mkpath(folder)) {
            *error = QStringLiteral("cannot create %1").arg(folder);
            return false;
        }
        QImageWriter writer(path, "png");
        if (!writer.write(iconImage(IconId::Application, size))) {
            *error = QStringLiteral("%1: %2").arg(path, writer.errorString());
            return false;
        }
    }
    return true;
}

} // namespace pictures
