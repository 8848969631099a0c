// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows side of the single-instance locks: the program's locks are the
// named mutexes of its title, in the user's session, and a test's lock
// folder keeps its names apart.
#include "app/InstanceGuard.h"

#include <QTest>

#include <windows.h>

using app::NamedLock;

namespace {

// Whether a mutex of exactly that name exists in the session.
bool mutexExists(const QString &name)
{
    const HANDLE handle = ::OpenMutexW(SYNCHRONIZE, FALSE, name.toStdWString().c_str());
    if (!handle)
        return false;
    ::CloseHandle(handle);
    return true;
}

} // namespace

class TestInstanceLocksWindows : public QObject
{
    Q_OBJECT
private slots:
    void programLocksAreTheTitlesMutexes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("start-up lock") << app::startupLockName(QStringLiteral("Bandimor test\\locks"));
        QTest::newRow("instance lock") << app::instanceLockName(QStringLiteral("Bandimor test\\locks"));
    }
    void programLocksAreTheTitlesMutexes()
    {
        QFETCH(QString, name);
        NamedLock lock(name, app::defaultLockDirectory());
        QVERIFY(!mutexExists(name));
        QCOMPARE(lock.tryTake(), NamedLock::Outcome::Taken);
        QVERIFY(mutexExists(name));
        lock.release();
        QVERIFY(!mutexExists(name));
    }

    void testFolderKeepsTheNamesApart()
    {
        const QString name = app::instanceLockName(QStringLiteral("Bandimor test"));
        NamedLock lock(name, QStringLiteral("C:/tests/one"));
        QCOMPARE(lock.tryTake(), NamedLock::Outcome::Taken);
        QVERIFY(!mutexExists(name));
    }
};

QTEST_GUILESS_MAIN(TestInstanceLocksWindows)
#include "test_instancelocks_windows.moc"
