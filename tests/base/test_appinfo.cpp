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

    // The program's folder as the executable's path gives it, with or
    // without its closing separator: one separator before the file.
    void programFile_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("path");
        QTest::newRow("folder with separator") << "/opt/bandimor/" << "Images/vitki.bmp" << "/opt/bandimor/Images/vitki.bmp";
        QTest::newRow("folder without separator") << "/opt/bandimor" << "Spravka.chm" << "/opt/bandimor/Spravka.chm";
        QTest::newRow("doubled separator in the folder") << "/opt//bandimor//" << "splash.bmp" << "/opt/bandimor/splash.bmp";
        QTest::newRow("root folder") << "/" << "splash.bmp" << "/splash.bmp";
        QTest::newRow("Cyrillic folder") << QString::fromUtf8("/home/Радио/") << "Images/odinSloy.bmp"
                                         << QString::fromUtf8("/home/Радио/Images/odinSloy.bmp");
    }
    void programFile()
    {
        QFETCH(QString, dir);
        QFETCH(QString, file);
        QFETCH(QString, path);
        QCOMPARE(base::programFile(dir, file), path);
    }
};

QTEST_GUILESS_MAIN(TestAppInfo)
#include "test_appinfo.moc"
