// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the help pages as a viewer does: windows-1251 bytes, character
// references decoded.

#include "base/CodePages.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QString>

namespace helppages {

// The pages are windows-1251.
inline QString readPage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text += QChar(base::decodeByte(1251, static_cast<unsigned char>(byte)));
    return text;
}

// The text of an element without markup, its character references decoded.
inline QString decodeReferences(const QString &html)
{
    static const QRegularExpression reference(QStringLiteral("&(#x?[0-9a-fA-F]+|[a-z]+);"));
    static const QHash<QString, QChar> named = {
        {QStringLiteral("lt"), QLatin1Char('<')},   {QStringLiteral("gt"), QLatin1Char('>')},
        {QStringLiteral("amp"), QLatin1Char('&')},  {QStringLiteral("quot"), QLatin1Char('"')},
        {QStringLiteral("nbsp"), QChar(0x00A0)},
    };
    QString text;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &match : reference.globalMatch(html)) {
        text += html.mid(done, match.capturedStart() - done);
        const QString name = match.captured(1);
        if (name.startsWith(QLatin1String("#x")))
            text += QChar(name.mid(2).toUInt(nullptr, 16));
        else if (name.startsWith(QLatin1Char('#')))
            text += QChar(name.mid(1).toUInt());
        else
            text += named.value(name, QChar::ReplacementCharacter);
        done = match.capturedEnd();
    }
    return text + html.mid(done);
}

} // namespace helppages
