// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The RTF writer: a document's text and character formatting as RTF that
// WordPad, LibreOffice Writer, AbiWord and this program's reader all open.
//
// Every face goes into the font table with \fcharset204: readers decode a
// \'hh escape by the character set of the font in force, and every escape
// written here is Windows-1251. Characters outside Windows-1251 are written
// as \uN with "?" as the fall-back for readers without Unicode.

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QStringList>
#include <QTextDocument>

#include <vector>

class QTextCharFormat;

namespace richtext {

class RtfWriter
{
public:
    explicit RtfWriter(const QTextDocument &document);
    QByteArray write();

private:
    struct RunStyle
    {
        int font = 0;
        int halfPoints = 24;
        int colour = 0; // 0: automatic
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
    };

    RunStyle styleOf(const QTextCharFormat &format);
    int fontIndex(const QString &family);
    int colourIndex(QRgb colour);
    void writeStyleChange(const RunStyle &style);
    QByteArray header() const;

    const QTextDocument &m_document;
    QFont m_defaultFont;
    QStringList m_fonts;
    std::vector<QRgb> m_colours;
    QHash<int, RunStyle> m_styleOfFormat; // by the document's format index
    RunStyle m_current;
    QByteArray m_body;
    qsizetype m_lineStart = 0;
};

} // namespace richtext
