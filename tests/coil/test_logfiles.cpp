// SPDX-License-Identifier: GPL-3.0-or-later
// The results log's file names, dialog file types and file access.

#include "base/AppError.h"
#include "coil/LogFileIo.h"
#include "coil/LogFileNames.h"
#include "support/FileHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestLogFiles : public QObject
{
    Q_OBJECT
private slots:
    void caption_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("caption");
        QTest::newRow("untitled") << coil::untitledLogName() << "{Безымянный} - Bandimor v1.7";
        QTest::newRow("full path") << "/home/ham/data/coil.rtf" << "{coil.rtf} - Bandimor v1.7";
        QTest::newRow("bare name") << "coil.rtf" << "{coil.rtf} - Bandimor v1.7";
        QTest::newRow("dotted folder") << "/home/ham/v1.2/log" << "{log} - Bandimor v1.7";
    }
    void caption()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, caption);
        QCOMPARE(coil::logCaption(fileName), caption);
    }

    void programFiltersKeepTheirTexts()
    {
        QCOMPARE(coil::qtNameFilters(coil::logFileFilterString()),
                 QStringList({"Rich Text Files (*.RTF)", "Text Files (*.TXT)", "Все файлы (*.*)"}));
    }
    void filterWithoutPatternInDescription()
    {
        QCOMPARE(coil::qtNameFilters("Documents|*.DOC;*.RTF"), QStringList{"Documents (*.DOC *.RTF)"});
    }

    void defaultExtension_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("path");
        QTest::newRow("rtf type, no extension") << "/tmp/log" << 0 << "/tmp/log.RTF";
        QTest::newRow("txt type, no extension") << "/tmp/log" << 1 << "/tmp/log.TXT";
        QTest::newRow("all files, no extension") << "/tmp/log" << 2 << "/tmp/log.RTF";
        QTest::newRow("unknown type index") << "/tmp/log" << 7 << "/tmp/log.RTF";
        QTest::newRow("own extension kept") << "/tmp/log.txt" << 0 << "/tmp/log.txt";
        QTest::newRow("other extension kept") << "/tmp/log.doc" << 1 << "/tmp/log.doc";
        QTest::newRow("dot only in folder") << "/tmp/a.b/log" << 1 << "/tmp/a.b/log.TXT";
    }
    void defaultExtension()
    {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(QString, path);
        QCOMPARE(coil::withDefaultExtension(typed, coil::logFileFilterString(), filter), path);
    }

    void writeThenRead()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.rtf");
        const QByteArray data("{\\rtf1 \xcf\xf0\xe8\xe2\xe5\xf2}");
        coil::writeLogFileBytes(path, data);
        QCOMPARE(coil::readLogFileBytes(path), data);
        // Replacing leaves nothing beside the file.
        coil::writeLogFileBytes(path, "second");
        QCOMPARE(contentOf(path), QByteArray("second"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"log.rtf"});
    }

    void readErrors_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing file") << "missing.rtf";
        QTest::newRow("a folder") << "folder";
    }
    void readErrors()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        const QString path = dir.filePath(name);
        const QString error = errorOf([&] { coil::readLogFileBytes(path); });
        const QString prefix = QStringLiteral("Cannot open file \"%1\". ").arg(path);
        QVERIFY2(error.startsWith(prefix), qPrintable(error));
        QVERIFY2(error.size() > prefix.size(), "the system's reason follows");
    }

    void failedWriteKeepsWhatWasThere_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("folder in place of the file") << "folder";
        QTest::newRow("parent is a regular file") << "plain.txt/log.rtf";
    }
    void failedWriteKeepsWhatWasThere()
    {
        QFETCH(QString, target);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        putFile(dir.filePath("folder/inside.rtf"), "old log");
        putFile(dir.filePath("plain.txt"), "old text");
        const QString path = dir.filePath(target);

        const QString error = errorOf([&] { coil::writeLogFileBytes(path, "new"); });
        const QString prefix = QStringLiteral("Cannot create file \"%1\". ").arg(path);
        QVERIFY2(error.startsWith(prefix), qPrintable(error));
        QVERIFY2(error.size() > prefix.size(), "the system's reason follows");
        QCOMPARE(contentOf(dir.filePath("folder/inside.rtf")), QByteArray("old log"));
        QCOMPARE(contentOf(dir.filePath("plain.txt")), QByteArray("old text"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"plain.txt"});
    }
};

QTEST_GUILESS_MAIN(TestLogFiles)
#include "test_logfiles.moc"
