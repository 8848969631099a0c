// Where the settings file lies for a given executable path.

#include "settings/SettingsPath.h"

#include <QCoreApplication>
#include <QtTest>

class TestSettingsPath : public QObject
{
    Q_OBJECT

private slots:
    void iniPathFor_data();
    void iniPathFor();
    void runningExecutable();
};

void TestSettingsPath::iniPathFor_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("expected");

    QTest::newRow("windows exe") << "D:\\Tools\\calc.exe" << "D:\\Tools\\calc.ini";
    QTest::newRow("no extension") << "/opt/bandimor/bandimor" << "/opt/bandimor/bandimor.ini";
    QTest::newRow("dot in folder only") << "/opt/band.imor/bandimor" << "/opt/band.imor/bandimor.ini";
    QTest::newRow("dot in windows folder only") << "C:\\a.b\\calc" << "C:\\a.b\\calc.ini";
    QTest::newRow("two dots, last replaced") << "/x/calc.v1.exe" << "/x/calc.v1.ini";
    QTest::newRow("upper-case extension") << "C:\\CALC.EXE" << "C:\\CALC.ini";
    QTest::newRow("trailing dot") << "/x/calc." << "/x/calc.ini";
    QTest::newRow("cyrillic folder") << "/home/Радио/bandimor" << "/home/Радио/bandimor.ini";
}

void TestSettingsPath::iniPathFor()
{
    QFETCH(QString, executable);
    QFETCH(QString, expected);
    QCOMPARE(settings::iniPathFor(executable), expected);
}

void TestSettingsPath::runningExecutable()
{
    const QString path = settings::settingsFilePath();
    QVERIFY(path.endsWith(QStringLiteral("/test_settingspath.ini")));
    QCOMPARE(QFileInfo(path).absolutePath(), QCoreApplication::applicationDirPath());
}

QTEST_GUILESS_MAIN(TestSettingsPath)
#include "test_settingspath.moc"
