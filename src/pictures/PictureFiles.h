#pragma once
// The bitmaps that lie beside the executable, and how they are written.

#include <QImage>
#include <QList>
#include <QString>

namespace pictures {

struct PictureFile
{
    QString relativePath;  // below the executable's folder, '/' separated
    QImage (*draw)();
};

// "splash.bmp" and the four coil pictures under "Images".
QList<PictureFile> pictureFiles();

// Writes every picture as a 24-bit Windows bitmap below folder; false with
// a message in error when a file cannot be written.
bool writePictureFiles(const QString &folder, QString *error);

} // namespace pictures
