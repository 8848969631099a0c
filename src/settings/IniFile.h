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
    // Loads the file now; a missing or unreadable file is empty. A file over
    // maxFileSize, or a device node or pipe at the path, is neither read nor
    // ever replaced: save() leaves it alone.
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
    // The file keeps the encoding it was read in (a new one is Windows-1251;
    // a Windows-1251 file that is given a character the code page lacks
    // becomes UTF-8 with a byte-order mark), and every line the program did
    // not write keeps its bytes.
    void save();

    static constexpr int maxStringLength = 2047;
    // Anything larger is not a settings file and is left alone.
    static constexpr qint64 maxFileSize = 64 * 1024 * 1024;

private:
    struct Line
    {
        QString text;
        QString ending;  // "\r\n", "\n" or empty for an unterminated last line
        QByteArray bytes;    // the text's bytes as read, without the ending
        bool asRead = false; // text unchanged since reading: bytes are written
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
    std::optional<QByteArray> encodedLines(FileEncoding encoding, bool keepBytes) const;

    QString m_path;
    QList<Line> m_lines;
    FileEncoding m_encoding = FileEncoding::Windows1251;
    bool m_leftAlone = false;
    QString m_newLineEnding = QStringLiteral("\r\n");
};

} // namespace settings
