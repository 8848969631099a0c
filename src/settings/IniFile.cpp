// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/IniFile.h"

#include "base/AppError.h"
#include "base/FileReplacement.h"
#include "settings/ProfileSyntax.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace settings {

using syntax::LineKind;

IniFile::IniFile(const QString &path)
    : m_path(path)
{
    load();
}

void IniFile::load()
{
    // Only a plain file is read: a directory at the path is as good as no
    // file. A device node or a pipe (perhaps behind a symbolic link) is
    // somebody's choice, and a huge file is no settings file: both stay as
    // they are, unread.
    const QFileInfo info(m_path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        m_leftAlone = true;
        return;
    }
    if (!info.isFile())
        return;
    if (info.size() > maxFileSize) {
        m_leftAlone = true;
        return;
    }
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // read() sets aside as much memory as it may read: the size seen above.
    const QByteArray bytes = file.read(info.size());
    if (bytes.isEmpty())
        return;  // as good as a new file
    m_encoding = detectEncoding(bytes);
    const QByteArray body = bytes.mid(byteOrderMark(m_encoding).size());

    const int unit = codeUnitSize(m_encoding);
    qsizetype start = 0;
    while (start < body.size()) {
        const qsizetype newline = indexOfLineFeed(body, start, m_encoding);
        const qsizetype end = newline < 0 ? body.size() : newline;
        Line line;
        line.bytes = body.mid(start, end - start);
        line.text = decodeLine(line.bytes, m_encoding);
        line.asRead = true;
        if (newline >= 0) {
            const bool crlf = line.text.endsWith(QLatin1Char('\r'));
            if (crlf) {
                line.text.chop(1);
                line.bytes.chop(unit);
            }
            line.ending = crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
        }
        m_lines.append(line);
        if (newline < 0)
            break;
        start = newline + unit;
    }
    // New lines follow the file's own line ends.
    if (!m_lines.isEmpty() && !m_lines.constFirst().ending.isEmpty())
        m_newLineEnding = m_lines.constFirst().ending;
}

IniFile::Place IniFile::locate(const QString &section, const QString &key) const
{
    const QString sectionName = syntax::trimBlanks(section).toString();
    const QString keyName = syntax::trimBlanks(key).toString();
    Place place;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const syntax::ProfileLine line = syntax::parseLine(m_lines.at(i).text);
        if (line.kind == LineKind::Section) {
            if (place.section >= 0)
                break;  // the end of the section
            if (line.name.compare(sectionName, Qt::CaseInsensitive) == 0) {
                place.section = i;
                place.insertAt = i + 1;
            }
        } else if (line.kind == LineKind::Entry && place.section >= 0) {
            place.insertAt = i + 1;
            if (line.name.compare(keyName, Qt::CaseInsensitive) == 0) {
                place.entry = i;
                break;
            }
        }
    }
    return place;
}

std::optional<QString> IniFile::storedValue(const QString &section, const QString &key) const
{
    const Place place = locate(section, key);
    if (place.entry < 0)
        return std::nullopt;
    return syntax::parseLine(m_lines.at(place.entry).text).value;
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const std::optional<QString> value = storedValue(section, key);
    if (!value)
        return defaultValue;
    return syntax::parseInteger(syntax::unquoted(*value)).value_or(defaultValue);
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QString IniFile::readString(const QString &section, const QString &key,
                            const QString &defaultValue) const
{
    const std::optional<QString> value = storedValue(section, key);
    if (!value)
        return defaultValue;
    return syntax::unquoted(*value).left(maxStringLength);
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    store(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    store(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    store(section, key, syntax::storedText(value));
}

void IniFile::store(const QString &section, const QString &key, const QString &text)
{
    if (!syntax::isValidSectionName(section))
        throw std::invalid_argument("invalid settings section name");
    if (!syntax::isValidKeyName(key))
        throw std::invalid_argument("invalid settings key name");

    const QString entry = syntax::trimBlanks(key).toString() + QLatin1Char('=') + text;
    const Place place = locate(section, key);
    if (place.entry >= 0) {
        Line &line = m_lines[place.entry];
        line.text = syntax::withValue(line.text, text);
        line.asRead = false;
        return;
    }
    if (place.section >= 0) {
        // An unterminated last line gets its line end before anything follows.
        if (place.insertAt == m_lines.size())
            appendLine(entry);
        else
            m_lines.insert(place.insertAt, {entry, m_newLineEnding, {}, false});
        return;
    }
    // A new section at the end, set off by a blank line.
    if (!m_lines.isEmpty() && !syntax::trimBlanks(m_lines.constLast().text).isEmpty())
        appendLine(QString());
    appendLine(QLatin1Char('[') + syntax::trimBlanks(section).toString() + QLatin1Char(']'));
    appendLine(entry);
}

void IniFile::appendLine(const QString &text)
{
    if (!m_lines.isEmpty() && m_lines.constLast().ending.isEmpty()) {
        Line &last = m_lines.last();
        last.ending = m_newLineEnding;
        // A stray odd byte at the end of a UTF-16 file would put everything
        // after it out of step: the line is written from its text instead.
        if (last.bytes.size() % codeUnitSize(m_encoding) != 0)
            last.asRead = false;
    }
    m_lines.append({text, m_newLineEnding, {}, false});
}

std::optional<QByteArray> IniFile::encodedLines(FileEncoding encoding, bool keepBytes) const
{
    QByteArray bytes = byteOrderMark(encoding);
    for (const Line &line : m_lines) {
        if (keepBytes && line.asRead) {
            bytes += line.bytes;
        } else {
            const std::optional<QByteArray> text = encodeLine(line.text, encoding);
            if (!text)
                return std::nullopt;
            bytes += *text;
        }
        bytes += *encodeLine(line.ending, encoding);
    }
    return bytes;
}

void IniFile::save()
{
    if (m_leftAlone)
        return;
    std::optional<QByteArray> bytes = encodedLines(m_encoding, true);
    if (!bytes) {
        // A character Windows-1251 lacks (a font name in another script):
        // the whole file becomes UTF-8, which holds every character.
        m_encoding = FileEncoding::Utf8WithBom;
        bytes = encodedLines(m_encoding, false);
        for (Line &line : m_lines)
            line.asRead = false;
    }
    if (!base::replaceFileContent(m_path, *bytes).ok())
        throw AppError(QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(m_path)));
}

} // namespace settings
