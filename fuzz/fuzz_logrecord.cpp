// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the recovery records of unsaved logs, which start-up
// reads from whatever a killed program or a full disk left: the record is
// decoded (or what can be read of it), its log read and its journal of
// changes replayed onto it. Nothing may crash, hang or leak; a journal entry
// that does not fit stops the replay.

#include "base/AppError.h"
#include "coil/LogJournal.h"
#include "coil/LogRecovery.h"
#include "richtext/LogFileFormat.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <optional>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    std::optional<coil::RecoveryRecord> record;
    try {
        record = coil::decodeRecoveryRecord(bytes);
    } catch (const AppError &) {
        record = coil::readablePartOfRecord(bytes);
    }
    if (!record)
        return 0;
    QTextDocument document;
    richtext::readLogFile(record->rtf, &document);
    (void)coil::replayLogJournal(&document, record->journal);
    return 0;
}
