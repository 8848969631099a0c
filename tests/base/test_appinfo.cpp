// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/AppInfo.h"

#include <QTest>

class TestAppInfo : public QObject
{
    Q_OBJECT
private slots:
    void errorBoxText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter gets a full stop") << "Failed to Load Stream" << "Failed to Load Stream.";
        QTest::newRow("digit gets a full stop") << "code 5" << "code 5.";
        QTest::newRow("Cyrillic letter gets a full stop") << QString::fromUtf8("нет места") << QString::fromUtf8("нет места.");
        QTest::newRow("closing quote sorts before the dot") << "file \"a\"" << "file \"a\"";
        QTest::newRow("exclamation mark stays") << "Stop!" << "Stop!";
        QTest::newRow("full stop stays single") << "Done." << "Done.";
        QTest::newRow("slash sorts after the dot") << "path a/" << "path a/.";
        QTest::newRow("empty text stays empty") << "" << "";
    }
    void errorBoxText()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(base::errorBoxText(text), shown);
    }
};

QTEST_GUILESS_MAIN(TestAppInfo)
#include "test_appinfo.moc"
