// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rich text that other programs put on the clipboard (HTML, RTF), reduced to
// what a log holds: its text with the character formats of its runs (face,
// size, weight, slant, underline, strikeout, colour). Pictures and other
// objects are left out; tables, lists and paragraph layout give way to plain
// lines, one for each paragraph or table cell.

#include <QByteArray>
#include <QString>
#include <QTextDocumentFragment>

namespace richtext {

QTextDocumentFragment pastedHtml(const QString &html);

// An empty fragment when the data is not RTF.
QTextDocumentFragment pastedRtf(const QByteArray &rtf);

} // namespace richtext
