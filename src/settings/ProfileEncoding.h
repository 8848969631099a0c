// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bytes of the settings file and its text. The file is a Windows-1251
// file as the Windows profile functions write it; UTF-8 files and files with
// a UTF-8 or UTF-16 byte-order mark, written by hand, are read as such.
// Writing keeps the encoding the file was read in; a new file is
// Windows-1251. The file is handled line by line, so that the lines nobody
// writes can be written back with their very bytes.

#include <QByteArray>
#include <QString>
#include <optional>

namespace settings {

enum class FileEncoding { Utf8, Utf8WithBom, Utf16LE, Utf16BE, Windows1251 };

// UTF-16 or UTF-8 by their byte-order mark; else UTF-8 when the bytes are
// valid UTF-8, Windows-1251 otherwise.
FileEncoding detectEncoding(const QByteArray &bytes);

// The byte-order mark that starts a file in the encoding (may be empty).
QByteArray byteOrderMark(FileEncoding encoding);

// Bytes per code unit: 2 for UTF-16, else 1. A line ends at a code unit
// "\n" (which never occurs inside another character in these encodings).
int codeUnitSize(FileEncoding encoding);
// The offset of the next line feed at or after from (a multiple of the code
// unit size past the mark), or -1.
qsizetype indexOfLineFeed(const QByteArray &bytes, qsizetype from, FileEncoding encoding);

// One line's text; a byte-order mark inside it stays a character.
QString decodeLine(const QByteArray &bytes, FileEncoding encoding);
// The line's bytes, or nothing when the encoding lacks one of its characters.
std::optional<QByteArray> encodeLine(const QString &text, FileEncoding encoding);

QString fromWindows1251(const QByteArray &bytes);

} // namespace settings
