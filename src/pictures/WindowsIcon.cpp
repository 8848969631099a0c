// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/WindowsIcon.h"

#include "pictures/Icons.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

namespace pictures {

namespace {

void append16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void append32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

QByteArray pngOf(int size)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    iconImage(IconId::Application, size).save(&buffer, "PNG");
    return png;
}

} // namespace

QList<int> windowsIconSizes()
{
    return {16, 20, 24, 32, 40, 48, 64, 256};
}

QByteArray windowsIconFile()
{
    constexpr int headerSize = 6;
    constexpr int entrySize = 16;
    const QList<int> sizes = windowsIconSizes();
    QList<QByteArray> images;
    for (int size : sizes)
        images.append(pngOf(size));

    QByteArray file;
    append16(file, 0);  // reserved
    append16(file, 1);  // an icon, not a cursor
    append16(file, quint16(sizes.size()));
    quint32 offset = headerSize + entrySize * quint32(sizes.size());
    for (int i = 0; i < sizes.size(); ++i) {
        // A side of 256 is written as 0: the field has one byte.
        const char side = char(sizes.at(i) >= 256 ? 0 : sizes.at(i));
        file.append(side).append(side);
        file.append(char(0)).append(char(0));  // no palette, reserved
        append16(file, 1);                     // colour planes
        append16(file, 32);                    // bits per pixel
        append32(file, quint32(images.at(i).size()));
        append32(file, offset);
        offset += quint32(images.at(i).size());
    }
    for (const QByteArray &image : images)
        file.append(image);
    return file;
}

bool writeWindowsIcon(const QString &path, QString *error)
{
    const QByteArray data = windowsIconFile();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.flush()) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace pictures
