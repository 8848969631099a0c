// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/IniFile.h"

#include "base/AppError.h"
#include "settings/ProfileSyntax.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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
    // Only a plain file is read: a directory or a pipe at the path is as good
    // as no file, and a huge file is not worth holding in memory.
    const QFileInfo info(m_path);
    if (!info.isFile() || info.size() > maxFileSize)
        return;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const DecodedText decoded = decodeProfileBytes(file.read(maxFileSize));
    m_encoding = decoded.encoding;

    const QString &text = decoded.text;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype newline = text.indexOf(QLatin1Char('\n'), start);
        if (newline < 0) {
            m_lines.append({text.mid(start), QString()});
            break;
        }
        const bool crlf = newline > start && text.at(newline - 1) == QLatin1Char('\r');
        const qsizetype end = crlf ? newline - 1 : newline;
        m_lines.append({text.mid(start, end - start),
                        crlf ? QStringLiteral("\r\n") : QStringLiteral("\n")});
        start = newline + 1;
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
        return;
    }
    if (place.section >= 0) {
        // An unterminated last line gets its line end before anything follows.
        if (place.insertAt == m_lines.size())
            appendLine(entry);
        else
            m_lines.insert(place.insertAt, {entry, m_newLineEnding});
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
    if (!m_lines.isEmpty() && m_lines.constLast().ending.isEmpty())
        m_lines.last().ending = m_newLineEnding;
    m_lines.append({text, m_newLineEnding});
}

void IniFile::save()
{
    QString text;
    for (const Line &line : std::as_const(m_lines))
        text += line.text + line.ending;
    const QByteArray bytes = encodeProfileText(text, m_encoding);

    // Unbuffered, so that a short write (a full disk) shows in write()'s
    // count: QSaveFile would otherwise commit a file cut short by a failed
    // flush. Without commit() the temporary file is removed.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        || file.write(bytes) != bytes.size() || !file.commit())
        throw AppError(QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(m_path)));
}

} // namespace settings
