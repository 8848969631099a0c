// SPDX-License-Identifier: GPL-3.0-or-later
// A replaced file reaches the disk before success is reported: the new
// bytes are synced before they take the file's name, and on Linux the folder
// after the rename (Windows renames with write-through). A failed sync is a
// failed save; private files stay private.
#include "base/BackgroundSync.h"
#include "base/FileReplacement.h"
#include "support/FileHelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <mutex>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

struct SyncSeen
{
    base::SyncTarget target;
    QString path;
    QByteArray contentByName;  // what the file's name held at that moment
};

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace

class TestDurableSave : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { base::setSyncerForTesting({}); }

    void fileThenFolderAreSynced_data()
    {
        QTest::addColumn<bool>("oldFile");
        QTest::addColumn<bool>("ownerOnly");
        QTest::newRow("new file") << false << false;
        QTest::newRow("replacing a file") << true << false;
        QTest::newRow("private, replacing a file") << true << true;
    }
    void fileThenFolderAreSynced()
    {
        QFETCH(bool, oldFile);
        QFETCH(bool, ownerOnly);
        QTemporaryDir dir;
        const QString path = dir.filePath("log.rtf");
        if (oldFile)
            putFile(path, "old");
        QList<SyncSeen> seen;
        base::setSyncerForTesting([&](base::SyncTarget target, const QString &syncedPath) {
            seen.append({target, syncedPath, QFile::exists(path) ? contentOf(path) : QByteArray()});
            return true;
        });

        const auto result = base::replaceFileContent(
            path, "new", ownerOnly ? base::FileAccess::OwnerOnly : base::FileAccess::Usual);

        QVERIFY2(result.ok(), qPrintable(result.reason));
#ifdef Q_OS_WIN
        QCOMPARE(seen.size(), 1);
#else
        QCOMPARE(seen.size(), 2);
#endif
        // The file is synced while its name still holds the old bytes...
        QCOMPARE(seen[0].target, base::SyncTarget::File);
        QCOMPARE(seen[0].contentByName, oldFile ? QByteArray("old") : QByteArray());
        QCOMPARE(contentOf(path), QByteArray("new"));
#ifndef Q_OS_WIN
        // ...the folder once the name holds the new ones.
        QCOMPARE(seen[1].target, base::SyncTarget::Folder);
        QCOMPARE(QFileInfo(seen[1].path).canonicalFilePath(), QFileInfo(dir.path()).canonicalFilePath());
        QCOMPARE(seen[1].contentByName, QByteArray("new"));
#endif
    }

    // Replaced without waiting for the disk, the file is whole under its name
    // at once and synced later from the background, file then folder; a file
    // gone by then is nothing to sync.
    void laterSyncComesFromTheBackground()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.recovery");
        const QString gone = dir.filePath("gone.recovery");
        putFile(path, "old");
        std::mutex seenLock;
        QList<SyncSeen> seen;
        base::setSyncerForTesting([&](base::SyncTarget target, const QString &syncedPath) {
            const std::lock_guard<std::mutex> lock(seenLock);
            seen.append({target, syncedPath, contentOf(path)});
            return true;
        });

        QVERIFY(base::replaceFileContent(path, "new", base::FileAccess::OwnerOnly, base::Durability::Later).ok());
        QCOMPARE(contentOf(path), QByteArray("new"));
        QVERIFY(seen.isEmpty());

        base::BackgroundSync sync;
        sync.request(gone);
        sync.request(path);
        sync.waitUntilDone();
        const std::lock_guard<std::mutex> lock(seenLock);
        QVERIFY(!seen.isEmpty());
        QCOMPARE(seen[0].target, base::SyncTarget::File);
        QCOMPARE(seen[0].path, path);
        QCOMPARE(seen[0].contentByName, QByteArray("new"));
#ifndef Q_OS_WIN
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[1].target, base::SyncTarget::Folder);
#else
        QCOMPARE(seen.size(), 1);
#endif
    }

    // A sync that fails is a save that failed: never reported as success,
    // and before the rename the old file stays as it was.
    void failedSyncIsAFailedSave_data()
    {
        QTest::addColumn<base::SyncTarget>("failing");
        QTest::addColumn<QByteArray>("left");
        QTest::newRow("file sync fails") << base::SyncTarget::File << QByteArray("old");
#ifndef Q_OS_WIN
        QTest::newRow("folder sync fails") << base::SyncTarget::Folder << QByteArray("new");
#endif
    }
    void failedSyncIsAFailedSave()
    {
        QFETCH(base::SyncTarget, failing);
        QFETCH(QByteArray, left);
        QTemporaryDir dir;
        const QString path = dir.filePath("log.rtf");
        putFile(path, "old");
        base::setSyncerForTesting([failing](base::SyncTarget target, const QString &) {
            if (target != failing)
                return true;
            errno = EIO;
            return false;
        });

        const auto result = base::replaceFileContent(path, "new");

        QCOMPARE(result.failure, base::ReplaceFailure::Write);
        QVERIFY(!result.reason.isEmpty());
        QCOMPARE(contentOf(path), left);
        QCOMPARE(entriesOf(dir.path()), QStringList{"log.rtf"});
    }

#ifdef Q_OS_UNIX
    void permissions_data()
    {
        QTest::addColumn<int>("oldMode");  // -1: no old file
        QTest::addColumn<bool>("ownerOnly");
        QTest::addColumn<int>("mode");
        QTest::newRow("private, new") << -1 << true << 0600;
        QTest::newRow("private over a readable file") << 0644 << true << 0600;
        QTest::newRow("usual keeps the old file's") << 0640 << false << 0640;
    }
    void permissions()
    {
        QFETCH(int, oldMode);
        QFETCH(bool, ownerOnly);
        QFETCH(int, mode);
        QTemporaryDir dir;
        const QString path = dir.filePath("record");
        if (oldMode >= 0) {
            putFile(path, "old");
            QVERIFY(::chmod(QFile::encodeName(path).constData(), mode_t(oldMode)) == 0);
        }

        QVERIFY(base::replaceFileContent(path, "new", ownerOnly ? base::FileAccess::OwnerOnly
                                                                : base::FileAccess::Usual).ok());

        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(path).constData(), &info) == 0);
        QCOMPARE(int(info.st_mode & 0777), mode);
    }
#endif
};

QTEST_GUILESS_MAIN(TestDurableSave)
#include "test_durablesave.moc"
