// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/LogRecovery.h"

#include "base/AppError.h"
#include "base/BackgroundSync.h"
#include "base/FileReplacement.h"
#include "coil/LogFileIo.h"
#include "coil/LogFileNames.h"
#include "coil/LogLines.h"
#include "settings/UserFolders.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace coil {
namespace {

// One thread for every log's record.
base::BackgroundSync &recordSync()
{
    static base::BackgroundSync sync;
    return sync;
}

const QByteArray kMagic("Bandimor recovery 1\n");
const QString kSuffix = QStringLiteral(".recovery");
// A record written ahead is named after the record it becomes.
const QString kPreparedEnding = QStringLiteral(".prepared");

QByteArray field(const char *key, const QString &value)
{
    return QByteArray(key) + '=' + QUrl::toPercentEncoding(value) + '\n';
}

AppError notARecord(const QString &what)
{
    return AppError(QStringLiteral("Не файл восстановления журнала: %1").arg(what));
}

struct ParsedRecord
{
    RecoveryRecord record;
    bool header = false;
    bool headerEnds = false;
    bool fieldsRead = true;
    bool haveName = false;
    qsizetype rtfLength = -1;
};

ParsedRecord parseRecord(const QByteArray &data)
{
    ParsedRecord parsed;
    if (!data.startsWith(kMagic))
        return parsed;
    parsed.header = true;
    qsizetype headerEnd = data.indexOf("\n\n", kMagic.size() - 1);
    parsed.headerEnds = headerEnd >= 0;
    if (!parsed.headerEnds)
        headerEnd = data.size();
    RecoveryRecord &record = parsed.record;
    const QList<QByteArray> lines = data.mid(kMagic.size(), headerEnd - kMagic.size() + 1).split('\n');
    for (const QByteArray &line : lines) {
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            continue;
        const QByteArray key = line.left(equals);
        const QString value = QUrl::fromPercentEncoding(line.mid(equals + 1));
        bool ok = true;
        if (key == "LogFileName") {
            record.logFileName = value;
            parsed.haveName = !value.isEmpty();
        } else if (key == "Capacity") {
            record.capacity = value.toInt(&ok);
        } else if (key == "Font") {
            record.font = value;
        } else if (key == "Charset") {
            record.charset = value.toInt(&ok);
        } else if (key == "TextColor") {
            record.textColor = value;
        } else if (key == "RtfLength") {
            parsed.rtfLength = value.toLongLong(&ok);
        }
        parsed.fieldsRead = parsed.fieldsRead && ok;
    }
    if (parsed.headerEnds) {
        // The content, then the journal of the changes since it was written.
        const QByteArray content = data.mid(headerEnd + 2);
        const bool whole = parsed.rtfLength >= 0 && parsed.rtfLength <= content.size();
        record.rtf = whole ? content.left(parsed.rtfLength) : content;
        if (whole)
            record.journal = content.mid(parsed.rtfLength);
    }
    return parsed;
}

} // namespace

QByteArray encodeRecoveryRecord(const RecoveryRecord &record)
{
    // Header lines of percent-encoded values, then an empty line, then the
    // RTF as it is, so that any text survives.
    QByteArray data = kMagic;
    data += field("LogFileName", record.logFileName);
    data += field("Capacity", QString::number(record.capacity));
    data += field("Font", record.font);
    data += field("Charset", QString::number(record.charset));
    data += field("TextColor", record.textColor);
    data += field("RtfLength", QString::number(record.rtf.size()));
    data += '\n';
    data += record.rtf;
    data += record.journal;
    return data;
}

RecoveryRecord decodeRecoveryRecord(const QByteArray &data)
{
    const ParsedRecord parsed = parseRecord(data);
    if (!parsed.header)
        throw notARecord(QStringLiteral("нет заголовка"));
    if (!parsed.headerEnds)
        throw notARecord(QStringLiteral("заголовок оборван"));
    if (!parsed.fieldsRead)
        throw notARecord(QStringLiteral("испорчено поле заголовка"));
    // A record cut short (a full disk, an older writer) is not offered as a
    // whole log.
    if (!parsed.haveName || parsed.rtfLength != parsed.record.rtf.size() || parsed.record.capacity <= 0)
        throw notARecord(QStringLiteral("запись неполная"));
    return parsed.record;
}

std::optional<RecoveryRecord> readablePartOfRecord(const QByteArray &data)
{
    ParsedRecord parsed = parseRecord(data);
    RecoveryRecord &record = parsed.record;
    if (parsed.rtfLength >= 0 && record.rtf.size() > parsed.rtfLength)
        record.rtf.truncate(parsed.rtfLength);
    if (!parsed.header || record.rtf.trimmed().isEmpty())
        return std::nullopt;
    if (!parsed.haveName)
        record.logFileName = untitledLogName();
    if (record.capacity <= 0)
        record.capacity = kOpenedLogCapacity;
    return record;
}

QString recoveryQuestion(int count)
{
    return QStringLiteral("Найдены журналы результатов, не сохранённые при прошлом завершении "
                          "программы: %1. Восстановить их?")
        .arg(count);
}

namespace {

QString &folderForTesting()
{
    static QString folder;
    return folder;
}

} // namespace

void setRecoveryFolderForTesting(const QString &path)
{
    folderForTesting() = path;
}

QString RecoveryFolder::defaultPath()
{
    return folderForTesting().isEmpty() ? settings::userRecoveryFolder() : folderForTesting();
}

RecoveryFolder::RecoveryFolder(const QString &path)
    : m_path(path)
{
}

QStringList RecoveryFolder::recordPaths() const
{
    // On Windows a record removed while its sync has it open stays listed
    // until that sync closes it.
    waitForDisk();
    const QDir folder(m_path);
    QStringList paths;
    // Filtered here rather than by a name pattern, which would compile a
    // regular expression for one suffix.
    const QFileInfoList entries = folder.entryInfoList(QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo &entry : entries) {
        if (entry.fileName().endsWith(kSuffix))
            paths << entry.absoluteFilePath();
    }
    return paths;
}

QString RecoveryFolder::preparedPath(const QString &recordPath)
{
    return recordPath + kPreparedEnding;
}

void RecoveryFolder::removePrepared() const
{
    const QFileInfoList entries = QDir(m_path).entryInfoList(QDir::Files);
    for (const QFileInfo &entry : entries) {
        if (entry.fileName().endsWith(kSuffix + kPreparedEnding))
            QFile::remove(entry.absoluteFilePath());
    }
}

QString RecoveryFolder::newRecordPath() const
{
    // The process, the time it started writing and a count: unique without
    // drawing random numbers (which valgrind cannot follow on every CPU).
    static int count = 0;
    static const qint64 started = QDateTime::currentMSecsSinceEpoch();
    return m_path + QStringLiteral("/log-%1-%2-%3").arg(QCoreApplication::applicationPid()).arg(started).arg(++count)
           + kSuffix;
}

void RecoveryFolder::makeFolder() const
{
    if (!settings::makePrivateFolder(m_path))
        throw AppError(QStringLiteral("Не удалось создать папку файлов восстановления журналов «%1».")
                           .arg(m_path));
}

namespace {

AppError notWritten(const QString &recordPath, const QString &reason)
{
    return AppError(QStringLiteral("Не удалось записать файл восстановления журнала «%1»: %2").arg(recordPath, reason));
}

} // namespace

void RecoveryFolder::write(const QString &recordPath, const RecoveryRecord &record) const
{
    makeFolder();
    const base::ReplaceResult result = base::replaceFileContent(
        recordPath, encodeRecoveryRecord(record), base::FileAccess::OwnerOnly, base::Durability::Later);
    if (!result.ok())
        throw notWritten(recordPath, result.reason);
    recordSync().request(recordPath);
}

void RecoveryFolder::append(const QString &recordPath, const QByteArray &journal)
{
    // Only to a record that is there: a journal alone is no record.
    QFile file(recordPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly)
        || file.write(journal) != journal.size() || !file.flush())
        throw notWritten(recordPath, file.errorString());
    recordSync().request(recordPath);
}

void RecoveryFolder::waitForDisk()
{
    recordSync().waitUntilDone();
}

RecoveryRecord RecoveryFolder::read(const QString &recordPath)
{
    QByteArray data;
    try {
        data = readLogFileBytes(recordPath);
    } catch (const AppError &) {
        throw AppError(QStringLiteral("Не удалось прочитать файл восстановления журнала «%1».").arg(recordPath));
    }
    try {
        return decodeRecoveryRecord(data);
    } catch (const AppError &error) {
        throw AppError(QStringLiteral("Файл восстановления журнала «%1» повреждён (%2).")
                           .arg(recordPath, error.text().section(QStringLiteral(": "), 1)));
    }
}

void RecoveryFolder::remove(const QString &recordPath)
{
    QFile::remove(recordPath);
}

QString RecoveryFolder::setAside(const QString &recordPath)
{
    // Without the suffix the folder lists: kept for the curious, never asked about.
    const QString base = recordPath.endsWith(kSuffix) ? recordPath.chopped(kSuffix.size()) : recordPath;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString aside = base + (attempt == 0 ? QString() : QStringLiteral("-%1").arg(attempt))
                              + QStringLiteral(".damaged");
        if (!QFileInfo::exists(aside) && QFile::rename(recordPath, aside))
            return aside;
    }
    return QString();
}

} // namespace coil
