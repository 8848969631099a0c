// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/LogFileFormat.h"

#include "richtext/RtfParser.h"
#include "richtext/RtfWriter.h"
#include "richtext/StyledText.h"

namespace richtext {

bool readRtf(const QByteArray &data, QTextDocument *document, QString *error)
{
    RtfParser parser(data);
    if (!parser.parse(error))
        return false;
    parser.text().replaceContent(document);
    return true;
}

QByteArray writeRtf(const QTextDocument &document)
{
    return RtfWriter(document).write();
}

void readLogFile(const QByteArray &data, QTextDocument *document)
{
    if (readRtf(data, document))
        return;
    StyledText text;
    text.append(decodePlainText(data));
    text.replaceContent(document);
}

} // namespace richtext
