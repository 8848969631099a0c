// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the log file reader. Besides "no crash, no hang, no
// leak", it checks that whatever the reader accepts survives our writer:
// read, write, read again gives the same text.

#include "richtext/LogFileFormat.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument document;
    if (!richtext::readRtf(bytes, &document)) {
        (void)richtext::decodePlainText(bytes);
        return 0;
    }
    QTextDocument again;
    if (!richtext::readRtf(richtext::writeRtf(document), &again))
        std::abort();
    if (again.toPlainText() != document.toPlainText())
        std::abort();
    return 0;
}
