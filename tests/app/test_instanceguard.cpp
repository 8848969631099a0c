// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance guard and its locks, within one process: a second
// guard used from a thread of its own stands for a second copy of the
// program (a lock file opened twice conflicts with itself; a Windows mutex
// lets only its owner thread take it again).
#include "app/InstanceGuard.h"

#include <QTemporaryDir>
#include <QTest>

#include <thread>

using app::InstanceGuard;
using app::NamedLock;

namespace {

const QString title = QStringLiteral("Bandimor v1.7");

// Whether a guard of its own, used in another thread, finds another copy.
bool otherCopyFindsOneRunning(const QString &guardTitle, const QString &directory)
{
    bool found = false;
    std::thread other([&] { found = InstanceGuard(guardTitle, directory).anotherCopyRuns(); });
    other.join();
    return found;
}

} // namespace

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

    void firstCopyRunsSecondIsRefused()
    {
        InstanceGuard first(title, m_dir->path());
        QVERIFY(!first.anotherCopyRuns());
        QVERIFY(first.ownsInstance());

        bool secondOwns = true;
        bool secondRefused = false;
        std::thread second([&] {
            InstanceGuard guard(title, m_dir->path());
            secondRefused = guard.anotherCopyRuns();
            secondOwns = guard.ownsInstance();
        });
        second.join();
        QVERIFY(secondRefused);
        QVERIFY(!secondOwns);
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

        QVERIFY(!otherCopyFindsOneRunning(title, m_dir->path()));
    }

    void startupLockIsGivenBackAfterTheTest()
    {
        InstanceGuard guard(title, m_dir->path());
        QVERIFY(!guard.anotherCopyRuns());
        NamedLock::Outcome outcome = NamedLock::Outcome::Failed;
        std::thread other([&] { outcome = NamedLock(app::startupLockName(title), m_dir->path()).tryTake(); });
        other.join();
        QCOMPARE(outcome, NamedLock::Outcome::Taken);
    }

    void copyStartingMeanwhileGivesWay()
    {
        // Another copy is inside its own test right now.
        NamedLock startup(app::startupLockName(title), m_dir->path());
        QCOMPARE(startup.tryTake(), NamedLock::Outcome::Taken);

        QVERIFY(otherCopyFindsOneRunning(title, m_dir->path()));

        // It gave way without taking the instance lock from the other copy.
        startup.release();
        QVERIFY(!otherCopyFindsOneRunning(title, m_dir->path()));
    }

    void otherTitleDoesNotBlock()
    {
        InstanceGuard first(title, m_dir->path());
        QVERIFY(!first.anotherCopyRuns());
        QVERIFY(!otherCopyFindsOneRunning(QStringLiteral("Bandimor v1.8"), m_dir->path()));
        QVERIFY(otherCopyFindsOneRunning(title, m_dir->path()));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestInstanceGuard)
#include "test_instanceguard.moc"
