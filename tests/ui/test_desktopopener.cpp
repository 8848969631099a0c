// SPDX-License-Identifier: GPL-3.0-or-later
// Handing a file to the desktop's opener: its exit status decides, a missing
// opener fails, and one that keeps running past the wait counts as opened.

#include "support/FakeOpener.h"
#include "ui/DesktopOpener.h"

#include <QtTest>

class TestDesktopOpener : public QObject
{
    Q_OBJECT

private slots:
    void verdict_data()
    {
        QTest::addColumn<int>("exitStatus");  // -1: no opener on PATH
        QTest::addColumn<QString>("work");
        QTest::addColumn<bool>("opened");

        QTest::newRow("opener succeeds") << 0 << QString() << true;
        QTest::newRow("no program for the type") << 3 << QString() << false;
        QTest::newRow("viewer failed") << 1 << QString() << false;
        QTest::newRow("no opener installed") << -1 << QString() << false;
        QTest::newRow("viewer still running") << 1 << "/bin/sleep 2" << true;
    }

    void verdict()
    {
        QFETCH(int, exitStatus);
        QFETCH(QString, work);
        QFETCH(bool, opened);
        const FakeOpener opener(exitStatus >= 0 ? std::optional<int>(exitStatus) : std::nullopt, work);
        const QString path = QStringLiteral("/opt/Радио кит/Spravka.chm");

        QCOMPARE(ui::openWithDesktop(path, 500), opened);
        if (exitStatus >= 0)
            QCOMPARE(opener.calls(), QStringList{path});
    }
};

QTEST_GUILESS_MAIN(TestDesktopOpener)
#include "test_desktopopener.moc"
