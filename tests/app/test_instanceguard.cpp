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

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestInstanceGuard)
#include "test_instanceguard.moc"
