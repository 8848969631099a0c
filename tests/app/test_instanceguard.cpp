// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance guard and its locks, within one process: a lock file
// opened twice conflicts with itself, so a second guard stands for a second
// copy of the program.
#include "app/InstanceGuard.h"

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

class TestInstanceGuard : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
    }

    void lockNames_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("startupName");
        QTest::addColumn<QString>("instanceName");
        QTest::newRow("program title")
            << title << "Bandimor v1.7.OneInstance.CriticalSection" << "Bandimor v1.7.OneInstance.Default";
        QTest::newRow("backslashes become slashes")
            << "a\\b\\c" << "a/b/c.OneInstance.CriticalSection" << "a/b/c.OneInstance.Default";
        QTest::newRow("slashes stay") << "a/b" << "a/b.OneInstance.CriticalSection" << "a/b.OneInstance.Default";
    }
    void lockNames()
    {
        QFETCH(QString, title);
        QFETCH(QString, startupName);
        QFETCH(QString, instanceName);
        QCOMPARE(app::startupLockName(title), startupName);
        QCOMPARE(app::instanceLockName(title), instanceName);
    }

    void lockFileLiesInTheLockFolderUnderAFileSafeName()
    {
        NamedLock lock(app::instanceLockName(QStringLiteral("x\\y")), m_dir->path());
        QCOMPARE(lock.tryTake(), NamedLock::Outcome::Taken);
        QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("x_y.OneInstance.Default"))));
    }

    void firstCopyRunsSecondIsRefused()
    {
        InstanceGuard first(title, m_dir->path());
        QVERIFY(!first.anotherCopyRuns());
        QVERIFY(first.ownsInstance());

        InstanceGuard second(title, m_dir->path());
        QVERIFY(second.anotherCopyRuns());
        QVERIFY(!second.ownsInstance());
    }

    void answerIsGivenOnce()
    {
        InstanceGuard first(title, m_dir->path());
        QVERIFY(!first.anotherCopyRuns());
        // Asking again must not find its own lock and refuse itself.
        QVERIFY(!first.anotherCopyRuns());
        QVERIFY(first.ownsInstance());
    }

    void nextCopyRunsAfterTheHolderEnds()
    {
        auto first = std::make_unique<InstanceGuard>(title, m_dir->path());
        QVERIFY(!first->anotherCopyRuns());
        first.reset();

        InstanceGuard next(title, m_dir->path());
        QVERIFY(!next.anotherCopyRuns());
        QVERIFY(next.ownsInstance());
    }

    void startupLockIsGivenBackAfterTheTest()
    {
        InstanceGuard guard(title, m_dir->path());
        QVERIFY(!guard.anotherCopyRuns());
        NamedLock startup(app::startupLockName(title), m_dir->path());
        QCOMPARE(startup.tryTake(), NamedLock::Outcome::Taken);
    }

    void copyStartingMeanwhileGivesWay()
    {
        // Another copy is inside its own test right now.
        NamedLock startup(app::startupLockName(title), m_dir->path());
        QCOMPARE(startup.tryTake(), NamedLock::Outcome::Taken);

        InstanceGuard guard(title, m_dir->path());
        QVERIFY(guard.anotherCopyRuns());
        QVERIFY(!guard.ownsInstance());

        // It gave way without taking the instance lock from the other copy.
        startup.release();
        InstanceGuard other(title, m_dir->path());
        QVERIFY(!other.anotherCopyRuns());
    }

    void otherTitleDoesNotBlock()
    {
        InstanceGuard first(title, m_dir->path());
        QVERIFY(!first.anotherCopyRuns());
        InstanceGuard other(QStringLiteral("Bandimor v1.8"), m_dir->path());
        QVERIFY(!other.anotherCopyRuns());
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

QTEST_GUILESS_MAIN(TestInstanceGuard)
#include "test_instanceguard.moc"
