// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureFiles.h"

#include "pictures/Icons.h"
#include "pictures/Pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

namespace pictures {

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

bool writePictureFiles(const QString &folder, QString *error)
{
    for (const PictureFile &file : pictureFiles()) {
        const QString path = QDir(folder).filePath(file.relativePath);
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            *error = QStringLiteral("cannot create the folder of %1").arg(path);
            return false;
        }
        // 32-bit pixels without alpha are written as 24-bit bitmaps.
        QImageWriter writer(path, "bmp");
        if (!writer.write(file.draw().convertToFormat(QImage::Format_RGB32))) {
            *error = QStringLiteral("%1: %2").arg(path, writer.errorString());
            return false;
        }
    }
    return true;
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
