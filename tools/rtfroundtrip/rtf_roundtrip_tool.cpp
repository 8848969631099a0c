// SPDX-License-Identifier: GPL-3.0-or-later
// Helper of scripts/compare-with-libreoffice.sh:
//   rtf_roundtrip_tool write-sample LOG.rtf LINES.txt
//       writes a sample log with our RTF writer, and its lines (UTF-8)
//   rtf_roundtrip_tool to-text FILE OUT.txt
//       reads a log file as the program does and writes its lines (UTF-8)
// Each line is followed by a line feed.

#include "support/SampleLog.h"
#include "richtext/LogFileFormat.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdio>

namespace {

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QByteArray linesOf(const QTextDocument &document)
{
    QByteArray text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        text += block.text().toUtf8() + '\n';
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4 || (arguments[1] != "write-sample" && arguments[1] != "to-text")) {
        std::fprintf(stderr, "usage: %s write-sample LOG.rtf LINES.txt | to-text FILE OUT.txt\n", argv[0]);
        return 2;
    }

    QTextDocument document;
    document.setDefaultFont(sample::logFont());
    if (arguments[1] == "write-sample") {
        sample::appendBlocks(&document, 1, 12);
        QTextCursor cursor(&document);
        cursor.movePosition(QTextCursor::End);
        // Beyond the blocks: what a user may type into the log.
        cursor.insertText(QStringLiteral("\tТаб, \\ { } ; № ± café α Ω 😀 «кавычки» — тире"));
        cursor.insertBlock();
        return writeFile(arguments[2], richtext::writeRtf(document)) && writeFile(arguments[3], linesOf(document))
            ? 0
            : 1;
    }

    QFile file(arguments[2]);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(arguments[2]));
        return 1;
    }
    richtext::readLogFile(file.readAll(), &document);
    return writeFile(arguments[3], linesOf(document)) ? 0 : 1;
}
