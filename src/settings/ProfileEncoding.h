// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bytes of the settings file and its text. Files written by hand or by
// older copies of the program may be Windows-1251; UTF-8 and UTF-16 files
// (with a byte-order mark) are read as such. Writing keeps a Unicode file's
// encoding and turns a Windows-1251 file into UTF-8, so that any font name
// can be stored.

#include <QByteArray>
#include <QString>

namespace settings {

enum class FileEncoding { Utf8, Utf8WithBom, Utf16LE, Utf16BE, Windows1251 };

struct DecodedText
{
    QString text;
    FileEncoding encoding = FileEncoding::Utf8;
};

// UTF-16 or UTF-8 by their byte-order mark; else UTF-8 when the bytes are
// valid UTF-8, Windows-1251 otherwise.
DecodedText decodeProfileBytes(const QByteArray &bytes);

// The bytes to write for text read in the given encoding.
QByteArray encodeProfileText(const QString &text, FileEncoding encoding);

QString fromWindows1251(const QByteArray &bytes);

} // namespace settings
