// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/AppError.h"
#include "support/FakeDialogs.h"
#include "ui/CommandGuard.h"

#include <QTest>

class TestCommandGuard : public QObject
{
    Q_OBJECT
private slots:
    void errorIsShownWithTitleAndFullStop()
    {
        FakeDialogs fake;
        const bool done = ui::runCommand(nullptr, [] { throw AppError("Failed to Save Stream"); });
        QVERIFY(!done);
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.messages[0].text, QString("Failed to Save Stream."));
        QCOMPARE(fake.messages[0].caption, QString("Bandimor v1.7"));
        QCOMPARE(fake.messages[0].icon, ui::Icon::Error);
        QCOMPARE(fake.messages[0].buttons, ui::Buttons::Ok);
    }
    void cancelIsSilent()
    {
        FakeDialogs fake;
        QVERIFY(!ui::runCommand(nullptr, [] { throw CommandAborted(); }));
        QVERIFY(fake.messages.isEmpty());
    }
    void finishedCommandShowsNothing()
    {
        FakeDialogs fake;
        int runs = 0;
        QVERIFY(ui::runCommand(nullptr, [&] { ++runs; }));
        QCOMPARE(runs, 1);
        QVERIFY(fake.messages.isEmpty());
    }
};

QTEST_MAIN(TestCommandGuard)
#include "test_commandguard.moc"
