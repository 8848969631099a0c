// SPDX-License-Identifier: GPL-3.0-or-later
// The Linux side of the single-instance locks: lock files in a folder that
// is the user's alone, never inherited by the programs the copy starts.
#include "app/InstanceGuard.h"
#include "app/InstanceLocksPosix.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using app::InstanceGuard;
using app::NamedLock;

namespace {
const QString title = QStringLiteral("Bandimor v1.7");
}

class TestInstanceLocksPosix : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
    }

    void lockFileLiesInTheLockFolderUnderAFileSafeName()
    {
        NamedLock lock(app::instanceLockName(QStringLiteral("x\\y")), m_dir->path());
        QCOMPARE(lock.tryTake(), NamedLock::Outcome::Taken);
        QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("x_y.OneInstance.Default"))));
    }

    void unusableLockFolderCountsAsAnotherCopy()
    {
        // The start-up lock cannot be created: the copy gives way.
        InstanceGuard guard(title, m_dir->filePath(QStringLiteral("missing/folder")));
        QVERIFY(guard.anotherCopyRuns());
        QVERIFY(!guard.ownsInstance());
    }

    void programsStartedByTheRunningCopyDoNotInheritTheLock()
    {
        // A program the running copy starts (help viewer, mail client) would
        // keep an inherited lock after the copy dies, and block every new one.
        const QString processes = QStringLiteral("/proc/self/fd");
        if (!QDir(processes).exists())
            QSKIP("no /proc to look at the child's open files");
        InstanceGuard guard(title, m_dir->path());
        QVERIFY(!guard.anotherCopyRuns());

        QProcess child;
        child.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(child.waitForStarted());
        const QDir childFiles(QStringLiteral("/proc/%1/fd").arg(child.processId()));
        const QFileInfoList openFiles = childFiles.entryInfoList(QDir::Files | QDir::System);
        QStringList lockFilesOpen;
        for (const QFileInfo &file : openFiles) {
            if (file.symLinkTarget().startsWith(m_dir->path()))
                lockFilesOpen << file.symLinkTarget();
        }
        child.kill();
        child.waitForFinished();
        QVERIFY(!openFiles.isEmpty());  // the listing itself worked
        QCOMPARE(lockFilesOpen, QStringList());
    }

    void lockFolderIsPrivateToTheUser()
    {
        const QString folder = app::defaultLockDirectory();
        QVERIFY(!folder.isEmpty());
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
                                        | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFile::permissions(folder) & others, QFile::Permissions());
    }

    // What stands at /run/user/<uid> and /tmp/bandimor-<uid> decides the folder.
    void lockFolderFollowsTheUser_data()
    {
        QTest::addColumn<QString>("runEntry");   // none, private, open, link, foreign
        QTest::addColumn<QString>("tempEntry");  // none, private, open, link, foreign
        QTest::addColumn<QString>("expected");   // run, temp or refused

        QTest::newRow("the system's user folder") << "private" << "none" << "run";
        QTest::newRow("no user folder: a new private one") << "none" << "none" << "temp";
        QTest::newRow("no user folder: the private one made before") << "none" << "private" << "temp";
        QTest::newRow("user folder open to others") << "open" << "none" << "temp";
        QTest::newRow("user folder is a link") << "link" << "none" << "temp";
        QTest::newRow("user folder of someone else") << "foreign" << "none" << "temp";
        QTest::newRow("temporary folder open to others") << "none" << "open" << "refused";
        QTest::newRow("temporary folder is a link") << "none" << "link" << "refused";
        QTest::newRow("temporary folder of someone else") << "none" << "foreign" << "refused";
    }
    void lockFolderFollowsTheUser()
    {
        QFETCH(QString, runEntry);
        QFETCH(QString, tempEntry);
        QFETCH(QString, expected);
        const uint uid = ::getuid();
        if ((runEntry == QLatin1String("foreign") || tempEntry == QLatin1String("foreign")) && uid != 0)
            QSKIP("giving a folder to another user needs root");

        QTemporaryDir root;
        const QString runRoot = root.filePath(QStringLiteral("run"));
        const QString tempRoot = root.filePath(QStringLiteral("tmp"));
        QVERIFY(QDir().mkpath(runRoot) && QDir().mkpath(tempRoot));
        const QString run = runRoot + QLatin1Char('/') + QString::number(uid);
        const QString temp = tempRoot + QStringLiteral("/bandimor-") + QString::number(uid);
        makeEntry(run, runEntry, root.filePath(QStringLiteral("elsewhere-run")));
        makeEntry(temp, tempEntry, root.filePath(QStringLiteral("elsewhere-tmp")));

        const QString folder = app::lockDirectoryFor(uid, runRoot, tempRoot);
        if (expected == QLatin1String("run"))
            QCOMPARE(folder, run);
        else if (expected == QLatin1String("temp"))
            QCOMPARE(folder, temp);
        else
            QCOMPARE(folder, QString());
        if (!folder.isEmpty()) {
            struct stat info {};
            QCOMPARE(::lstat(QFile::encodeName(folder).constData(), &info), 0);
            QCOMPARE(info.st_mode & 077, 0u);
            QCOMPARE(uint(info.st_uid), uid);
        }
    }

private:
    // A folder of the kind the table names; a link points at a private folder
    // elsewhere, which is just as unsafe: its target can change.
    static void makeEntry(const QString &path, const QString &kind, const QString &elsewhere)
    {
        const QByteArray encoded = QFile::encodeName(path);
        if (kind == QLatin1String("none"))
            return;
        if (kind == QLatin1String("link")) {
            QVERIFY(::mkdir(QFile::encodeName(elsewhere).constData(), 0700) == 0);
            QVERIFY(QFile::link(elsewhere, path));
            return;
        }
        QVERIFY(::mkdir(encoded.constData(), 0700) == 0);
        if (kind == QLatin1String("open"))
            QVERIFY(::chmod(encoded.constData(), 0755) == 0);
        else if (kind == QLatin1String("foreign"))
            QVERIFY(::chown(encoded.constData(), 4242, 4242) == 0);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestInstanceLocksPosix)
#include "test_instancelocks_posix.moc"
