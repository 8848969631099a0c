// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The line syntax of a private-profile (INI) file, as the Windows profile
// functions read it: "[Section]" lines, "key=value" lines, ";" comments.
// Names and values are trimmed of surrounding blanks, and a value enclosed
// in a matching pair of quotes loses them on reading.

#include <QString>
#include <QStringView>
#include <optional>

namespace settings::syntax {

enum class LineKind { Other, Section, Entry };

struct ProfileLine
{
    LineKind kind = LineKind::Other;
    QString name;   // section or key name, trimmed
    QString value;  // an entry's text after the first "=", trimmed
};

ProfileLine parseLine(QStringView line);

// Blanks as the profile functions see them: ASCII white space only, so that
// a no-break space inside or around a font name stays.
QStringView trimBlanks(QStringView text);

// The integer rule: "0x"/"0X" and at least one more character read the rest
// as hexadecimal, anything else must be a whole signed decimal; the number
// must fit an int. Otherwise there is no value.
std::optional<int> parseInteger(QStringView text);

// The value's text as read back: one pair of matching enclosing quotes
// removed, and cut at a NUL as the C string of the profile functions is.
QString unquoted(const QString &value);

// The text to store so that unquoted(trimmed text) gives the value back:
// quoted only when blanks around it or enclosing quotes would be lost.
// A line break cannot be stored in a line-based file, so the value ends
// before the first "\n" or "\r\n" (or before a NUL); a lone "\r" stays.
QString storedText(const QString &value);

// A name that can be written: non-empty, one line, and not mistaken for a
// section header, a comment or part of an entry.
bool isValidSectionName(const QString &name);
bool isValidKeyName(const QString &name);

// The entry line with its value replaced; everything up to the first "="
// and the blanks after it stay as they were.
QString withValue(const QString &entryLine, const QString &text);

} // namespace settings::syntax
