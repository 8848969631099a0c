// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the settings file. Besides "no crash, no hang", it
// checks that saving without a change gives the file back byte for byte, and
// that a value written can be read back after saving and loading again.

#include "settings/IniFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bandimor.ini"));
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
    }
    settings::IniFile unchanged(path);
    unchanged.save();
    if (bytesOf(path) != bytes)
        std::abort();

    settings::IniFile ini(path);
    const QString font = QStringLiteral("Шрифт \r 1");
    ini.writeString(QStringLiteral("Settings"), QStringLiteral("EditorFontName"), font);
    ini.writeInteger(QStringLiteral("WindowPos"), QStringLiteral("MaTop"), -7);
    ini.save();
    const settings::IniFile again(path);
    if (again.readString(QStringLiteral("Settings"), QStringLiteral("EditorFontName"), QString()) != font
        || again.readInteger(QStringLiteral("WindowPos"), QStringLiteral("MaTop"), 0) != -7)
        std::abort();
    return 0;
}
