// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/LogRecovery.h"

#include "base/AppError.h"
#include "base/FileReplacement.h"
#include "coil/LogFileIo.h"
#include "settings/UserFolders.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace coil {
namespace {

const QByteArray kMagic("Bandimor recovery 1\n");
const QString kSuffix = QStringLiteral(".recovery");

QByteArray field(const char *key, const QString &value)
{
    return QByteArray(key) + '=' + QUrl::toPercentEncoding(value) + '\n';
}

AppError notARecord(const QString &what)
{
    return AppError(QStringLiteral("Not a recovery file: %1").arg(what));
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
    return data;
}

RecoveryRecord decodeRecoveryRecord(const QByteArray &data)
{
    if (!data.startsWith(kMagic))
        throw notARecord(QStringLiteral("no header"));
    const qsizetype headerEnd = data.indexOf("\n\n", kMagic.size() - 1);
    if (headerEnd < 0)
        throw notARecord(QStringLiteral("no end of header"));
    RecoveryRecord record;
    bool haveName = false;
    qsizetype rtfLength = -1;
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
            haveName = !value.isEmpty();
        } else if (key == "Capacity") {
            record.capacity = value.toInt(&ok);
        } else if (key == "Font") {
            record.font = value;
        } else if (key == "Charset") {
            record.charset = value.toInt(&ok);
        } else if (key == "TextColor") {
            record.textColor = value;
        } else if (key == "RtfLength") {
            rtfLength = value.toLongLong(&ok);
        }
        if (!ok)
            throw notARecord(QString::fromLatin1(key));
    }
    record.rtf = data.mid(headerEnd + 2);
    // A record cut short (a full disk, an older writer) is not offered as a
    // whole log.
    if (!haveName || rtfLength != record.rtf.size() || record.capacity <= 0)
        throw notARecord(QStringLiteral("incomplete"));
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
        throw AppError(QStringLiteral("Cannot create folder \"%1\".").arg(m_path));
}

void RecoveryFolder::write(const QString &recordPath, const RecoveryRecord &record) const
{
    makeFolder();
    const base::ReplaceResult result = base::replaceFileContent(recordPath, encodeRecoveryRecord(record),
                                                                base::FileAccess::OwnerOnly);
    if (!result.ok())
        throw AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(recordPath, result.reason));
}

RecoveryRecord RecoveryFolder::read(const QString &recordPath)
{
    return decodeRecoveryRecord(readLogFileBytes(recordPath));
}

void RecoveryFolder::remove(const QString &recordPath)
{
    QFile::remove(recordPath);
}

} // namespace coil
