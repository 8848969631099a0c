// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bitmaps that lie beside the executable: how they are written, and how
// the program reads them back.

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

// The coil drawings for the help pages: every picture under "Images" as a
// PNG of the same name ("odinSloy.png" ...), twice the size pixel for pixel,
// so that its letters read well.
QList<PictureFile> helpPictureFiles();

// Writes the help pictures into folder; false with a message in error when
// a file cannot be written.
bool writeHelpPictures(const QString &folder, QString *error);

// Reads a Windows bitmap. A null image when the file is missing, is no
// bitmap, or is damaged: a file whose pixel data ends before the header says
// it does would otherwise show as a picture with a black remainder.
QImage readBitmap(const QString &path);

// The sides of the application icon that desktops look up in the hicolor
// theme: 16 to 256 pixels.
QList<int> desktopIconSizes();

// Writes the application icon as "<size>x<size>/apps/bandimor.png" below
// themeFolder (a hicolor theme folder) for every desktopIconSizes() side;
// false with a message in error when a file cannot be written.
bool writeDesktopIcons(const QString &themeFolder, QString *error);

} // namespace pictures
