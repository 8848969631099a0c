// SPDX-License-Identifier: GPL-3.0-or-later
// Where the settings file lies for a given executable path.

#include "settings/SettingsPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestSettingsPath : public QObject
{
    Q_OBJECT

private slots:
    void iniPathFor_data();
    void iniPathFor();
    void runningExecutable();
    void whereTheFileGoes_data();
    void whereTheFileGoes();
    void dialogStartFolder_data();
    void dialogStartFolder();
};

namespace {

// Folders below root, made for a test: "usr/bin", "usr/lib/bandimor" ...
void makeFolders(const QTemporaryDir &root, const QStringList &folders)
{
    for (const QString &folder : folders)
        QVERIFY(QDir(root.path()).mkpath(folder));
}

// Sets an environment variable for the object's lifetime.
class EnvironmentValue
{
public:
    EnvironmentValue(const char *name, const QString &value) : m_name(name), m_old(qgetenv(name))
    {
        qputenv(name, QFile::encodeName(value));
    }
    ~EnvironmentValue()
    {
        if (m_old.isNull())
            qunsetenv(m_name);
        else
            qputenv(m_name, m_old);
    }
    EnvironmentValue(const EnvironmentValue &) = delete;
    EnvironmentValue &operator=(const EnvironmentValue &) = delete;

private:
    const char *m_name;
    QByteArray m_old;
};

// The expected path below dir; "config/bandimor" there stands for the
// user's settings folder: $XDG_CONFIG_HOME/bandimor, which the test puts in
// dir, or on Windows %APPDATA%\bandimor, where the shell says.
QString userFolderIn(const QTemporaryDir &dir, const QString &expected)
{
#ifdef Q_OS_WIN
    const QString config = QStringLiteral("config/bandimor/");
    if (expected.startsWith(config))
        return QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA")) + QStringLiteral("/bandimor/")
               + expected.mid(config.size());
#endif
    return dir.filePath(expected);
}

} // namespace

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

void TestSettingsPath::whereTheFileGoes_data()
{
    QTest::addColumn<QString>("executable");  // below the temporary folder
    QTest::addColumn<QString>("expected");    // below the temporary folder

    QTest::newRow("portable folder") << "portable/bandimor" << "portable/bandimor.ini";
    // Root writes through permission bits: a file where the folder should be
    // stands for a folder the user cannot write.
    QTest::newRow("folder is a file") << "blocked/bandimor" << "config/bandimor/bandimor.ini";
    QTest::newRow("folder missing") << "missing/bandimor" << "config/bandimor/bandimor.ini";
    // Writable here, as for root under /usr: still the installed layout.
    QTest::newRow("installed copy") << "usr/lib/bandimor/bandimor" << "config/bandimor/bandimor.ini";
    QTest::newRow("lib/bandimor without bin") << "opt/lib/bandimor/bandimor" << "opt/lib/bandimor/bandimor.ini";
    QTest::newRow("bin beside another folder") << "usr/lib/radio/bandimor" << "usr/lib/radio/bandimor.ini";
}

void TestSettingsPath::whereTheFileGoes()
{
    QFETCH(QString, executable);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    makeFolders(dir, {"portable", "usr/bin", "usr/lib/bandimor", "usr/lib/radio", "opt/lib/bandimor"});
    QFile blocker(dir.filePath(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QByteArray oldConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));

    const QString path = settings::settingsFilePath(dir.filePath(executable));
    if (oldConfigHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfigHome);

    QCOMPARE(path, userFolderIn(dir, expected));
    // The folder is there for the first save.
    QVERIFY(QFileInfo(QFileInfo(path).absolutePath()).isDir());
}

void TestSettingsPath::dialogStartFolder_data()
{
    QTest::addColumn<QString>("program");     // the program's folder, below the temporary one
    QTest::addColumn<QStringList>("folders");  // made below it
    QTest::addColumn<QString>("expected");    // below it, with a trailing separator

    QTest::newRow("portable folder") << "portable" << QStringList{"portable", "home/Documents"}
                                     << "portable/";
#ifndef Q_OS_WIN
    // Windows takes the home and documents folders from the shell, not HOME.
    QTest::newRow("installed copy") << "usr/lib/bandimor/"
                                    << QStringList{"usr/bin", "usr/lib/bandimor", "home/Documents"}
                                    << "home/Documents/";
    QTest::newRow("installed, no documents folder") << "usr/lib/bandimor"
                                                    << QStringList{"usr/bin", "usr/lib/bandimor", "home"}
                                                    << "home/";
    QTest::newRow("folder missing") << "missing" << QStringList{"home/Documents"} << "home/Documents/";
#endif
}

void TestSettingsPath::dialogStartFolder()
{
    QFETCH(QString, program);
    QFETCH(QStringList, folders);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    makeFolders(dir, folders);
    const EnvironmentValue home("HOME", dir.filePath(QStringLiteral("home")));
    // No user-dirs.dirs there: the documents folder is ~/Documents.
    const EnvironmentValue config("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")));

    QCOMPARE(settings::fileDialogStartFolder(dir.filePath(program)), dir.filePath(expected));
}

QTEST_GUILESS_MAIN(TestSettingsPath)
#include "test_settingspath.moc"
