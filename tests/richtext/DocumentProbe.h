// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the richtext tests look at in a document: its lines (blocks) and the
// resolved character format of the text at a given place.

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace probe {

inline QStringList lines(const QTextDocument &document)
{
    QStringList result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        result << block.text();
    return result;
}

// A document holding these lines as its blocks, in the default format.
inline void setLines(QTextDocument *document, const QStringList &lines)
{
    document->clear();
    QTextCursor cursor(document);
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        cursor.insertText(lines.at(i));
    }
}

// The look of one character, with the document's default font filled in.
struct Look
{
    QString family;
    qreal points = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString colour; // empty: the automatic colour

    bool operator==(const Look &o) const
    {
        return family == o.family && qFuzzyCompare(points, o.points) && bold == o.bold && italic == o.italic
            && underline == o.underline && strikeOut == o.strikeOut && colour == o.colour;
    }
};

inline Look lookOf(const QTextCharFormat &format, const QFont &defaultFont)
{
    const QFont font = format.font().resolve(defaultFont);
    Look look;
    look.family = font.family();
    look.points = font.pointSizeF();
    look.bold = font.weight() >= QFont::DemiBold;
    look.italic = font.italic();
    look.underline = font.underline();
    look.strikeOut = font.strikeOut();
    if (format.foreground().style() != Qt::NoBrush)
        look.colour = format.foreground().color().name();
    return look;
}

// A look as the test tables give it: style letters b, i, u and s for bold,
// italic, underline and strike-out; an empty colour for the automatic one.
inline Look lookOf(const QString &family, qreal points, const QString &style, const QString &colour)
{
    Look look;
    look.family = family;
    look.points = points;
    look.bold = style.contains(u'b');
    look.italic = style.contains(u'i');
    look.underline = style.contains(u'u');
    look.strikeOut = style.contains(u's');
    look.colour = colour;
    return look;
}

// The look of the first character of the first occurrence of text; an
// empty family tells that the text was not found.
inline Look lookAt(const QTextDocument &document, const QString &text)
{
    const QTextCursor found = document.find(text);
    if (found.isNull())
        return Look();
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(found.selectionStart() + 1);
    return lookOf(cursor.charFormat(), document.defaultFont());
}

// The look of every character, paragraph separators left out.
inline QList<Look> looks(const QTextDocument &document)
{
    QList<Look> result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const Look look = lookOf(it.fragment().charFormat(), document.defaultFont());
            for (int i = 0; i < it.fragment().length(); ++i)
                result << look;
        }
    }
    return result;
}

inline char *toString(const probe::Look &look)
{
    const QString text = QStringLiteral("%1 %2pt%3%4%5%6 %7")
                             .arg(look.family)
                             .arg(look.points)
                             .arg(look.bold ? " bold" : "")
                             .arg(look.italic ? " italic" : "")
                             .arg(look.underline ? " underline" : "")
                             .arg(look.strikeOut ? " strike-out" : "")
                             .arg(look.colour.isEmpty() ? QStringLiteral("auto") : look.colour);
    return qstrdup(text.toUtf8().constData());
}

} // namespace probe
