// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Windows 8-bit code pages that RTF files name through \ansicpg and a
// font's \fcharset. Own tables: Qt's converters know no Windows-1251 without
// ICU, and the program is built for Windows too.

#include <QChar>

namespace base {

// A code page with a table here (1250 to 1258); any other number is read as
// Windows-1252.
bool hasCodePageTable(int codePage);

// The character of one byte. Bytes below 0x80 are ASCII; a byte the code page
// leaves undefined becomes the C1 control of the same value, as Windows does.
char16_t decodeByte(int codePage, unsigned char byte);

// The code page of an RTF \fcharset, or 0 when the character set names no
// 8-bit code page of its own (1 DEFAULT_CHARSET, symbol and double-byte sets):
// the document's \ansicpg then applies.
int codePageOfCharset(int charset);

// The Windows-1251 byte of a character, or -1 when the code page lacks it.
int encodeWindows1251(char16_t character);

} // namespace base
