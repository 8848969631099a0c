// SPDX-License-Identifier: GPL-3.0-or-later
// Handing a file to the desktop's opener: the MIME database is asked first
// whether any program takes the type, the opener's exit status decides, a
// missing opener fails, one that keeps running past the wait counts as
// opened, and the caller never waits for it.

#include "support/FakeOpener.h"
#include "ui/DesktopOpener.h"

#include <QTimer>
#include <QtTest>
#include <memory>

class TestDesktopOpener : public QObject
{
    Q_OBJECT

private slots:
    void verdict_data()
    {
        QTest::addColumn<int>("exitStatus");  // -1: no opener on PATH
        QTest::addColumn<QString>("work");
        QTest::addColumn<int>("waitMs");
        QTest::addColumn<bool>("opened");

        // A failure counts within the usual wait, however slow the machine.
        const int wait = ui::DesktopOpenerWaitMs;
        QTest::newRow("opener succeeds") << 0 << QString() << wait << true;
        QTest::newRow("no program for the type") << 3 << QString() << wait << false;
        QTest::newRow("viewer failed") << 1 << QString() << wait << false;
        QTest::newRow("no opener installed") << -1 << QString() << wait << false;
        QTest::newRow("fails after a second") << 4 << "/bin/sleep 1" << wait << false;
        QTest::newRow("viewer still running") << 1 << "/bin/sleep 2" << 500 << true;
    }

    void verdict()
    {
        QFETCH(int, exitStatus);
        QFETCH(QString, work);
        QFETCH(int, waitMs);
        QFETCH(bool, opened);
        const FakeOpener opener(exitStatus >= 0 ? std::optional<int>(exitStatus) : std::nullopt, work);
        const QString path = QStringLiteral("/opt/Радио кит/Spravka.chm");

        QList<bool> verdicts;
        ui::openWithDesktop(path, [&](bool result) { verdicts.append(result); }, waitMs);
        // Given from the event loop, never before the call returns.
        QVERIFY(verdicts.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(verdicts.size(), 1, 10000);
        QCOMPARE(verdicts.constFirst(), opened);
        if (exitStatus >= 0)
            QCOMPARE(opener.calls(), QStringList{path});
        if (!opened && exitStatus >= 0)
            QVERIFY(opener.ended());
        // Given once: an opener that ends later does not change it.
        QTRY_VERIFY_WITH_TIMEOUT(exitStatus < 0 || opener.ended(), 10000);
        QCoreApplication::processEvents();
        QCOMPARE(verdicts.size(), 1);
    }

    // No program for CHM files: a browser would show an empty page for it.
    void mimeDatabaseIsAskedFirst_data()
    {
        QTest::addColumn<QString>("registered");  // what xdg-mime answers
        QTest::addColumn<bool>("opened");
        QTest::newRow("a viewer is registered") << "kchmviewer.desktop" << true;
        QTest::newRow("no program is registered") << "" << false;
    }
    void mimeDatabaseIsAskedFirst()
    {
        QFETCH(QString, registered);
        QFETCH(bool, opened);
        const FakeOpener opener(0, QString(), registered);
        const QString path = QStringLiteral("/opt/bandimor/Spravka.chm");

        QList<bool> verdicts;
        ui::openWithDesktop(path, [&](bool result) { verdicts.append(result); });
        QTRY_COMPARE_WITH_TIMEOUT(verdicts.size(), 1, 10000);
        QCOMPARE(verdicts.constFirst(), opened);
        QCOMPARE(opener.queries(), QStringList{"query default application/vnd.ms-htmlhelp"});
        QCOMPARE(opener.calls(), opened ? QStringList{path} : QStringList());
    }

    // The caller goes back to its event loop while a slow opener runs.
    void doesNotWaitForTheOpener()
    {
        const FakeOpener opener(0, QStringLiteral("/bin/sleep 5"));
        // The verdict comes after this function has returned.
        auto settled = std::make_shared<bool>(false);
        ui::openWithDesktop(QStringLiteral("/tmp/Spravka.chm"), [settled](bool) { *settled = true; });

        bool timerRan = false;
        bool openerEndedFirst = true;
        QTimer::singleShot(0, this, [&] {
            timerRan = true;
            openerEndedFirst = opener.ended();
        });
        QTRY_VERIFY_WITH_TIMEOUT(timerRan, 4000);
        QVERIFY(!openerEndedFirst);
        QVERIFY(!*settled);
        QTRY_COMPARE_WITH_TIMEOUT(opener.calls().size(), 1, 4000);
    }
};

QTEST_GUILESS_MAIN(TestDesktopOpener)
#include "test_desktopopener.moc"
