// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file: a private-profile (INI) file beside the executable.
// An IniFile loads the file when made, answers reads from memory, and
// writes everything back in one piece on save(). A write changes only the
// one line of its entry; every other line, comment and blank line stays.

#include "settings/ProfileEncoding.h"
#include "settings/SettingsPath.h"

#include <QList>
#include <QString>
#include <optional>

namespace settings {

class IniFile
{
public:
    // Loads the file now; a missing, unreadable or oversized file is empty.
    explicit IniFile(const QString &path);

    const QString &path() const { return m_path; }

    // Section and key names are compared without regard to case; the first
    // of several equal sections or keys counts. A missing entry, or one
    // whose text is not a number that fits an int, gives the default.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // Non-zero is true.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    // At most maxStringLength characters.
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;

    // Writes change the file's text in memory only; save() stores it.
    // Invalid section or key names (empty, line breaks, "]" in a section,
    // "=" in a key) throw std::invalid_argument.
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);
    void writeString(const QString &section, const QString &key, const QString &value);

    // Replaces the file through a temporary file beside it, so that a failure
    // leaves the old file whole. Throws AppError "Unable to write to <path>".
    void save();

    static constexpr int maxStringLength = 2047;
    // Anything larger is not a settings file and is read as empty.
    static constexpr qint64 maxFileSize = 64 * 1024 * 1024;

private:
    struct Line
    {
        QString text;
        QString ending;  // "\r\n", "\n" or empty for an unterminated last line
    };

    struct Place
    {
        qsizetype section = -1;   // header line of the section, if any
        qsizetype insertAt = -1;  // where a new key of the section goes
        qsizetype entry = -1;     // the key's line, if any
    };

    void load();
    Place locate(const QString &section, const QString &key) const;
    std::optional<QString> storedValue(const QString &section, const QString &key) const;
    void store(const QString &section, const QString &key, const QString &text);
    void appendLine(const QString &text);

    QString m_path;
    QList<Line> m_lines;
    FileEncoding m_encoding = FileEncoding::Utf8;
    QString m_newLineEnding = QStringLiteral("\r\n");
};

} // namespace settings
