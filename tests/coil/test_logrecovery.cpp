// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery records of unsaved logs: what a record keeps comes back
// whole, a damaged record is refused rather than offered half, and the
// folder keeps the logs to their owner.
#include "coil/LogRecovery.h"
#include "support/FileHelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

Q_DECLARE_METATYPE(coil::RecoveryRecord)

namespace {

coil::RecoveryRecord sampleRecord()
{
    coil::RecoveryRecord record;
    record.logFileName = QStringLiteral("/home/user/катушки/log.rtf");
    record.rtf = QByteArray("{\\rtf1\\ansi Опыт № 1\\par}");
    record.capacity = 65535;
    record.font = QStringLiteral("Times New Roman,6,-1,5,400,0,0,0,0,0,0,0,0,0,0,1");
    record.charset = 204;
    record.textColor = QStringLiteral("#ff800000");
    return record;
}

#ifdef Q_OS_UNIX
int modeOf(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 0777);
}
#endif

} // namespace

class TestLogRecovery : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data()
    {
        QTest::addColumn<coil::RecoveryRecord>("record");
        const coil::RecoveryRecord plain = sampleRecord();
        QTest::newRow("usual log") << plain;
        coil::RecoveryRecord odd = plain;
        odd.logFileName = QStringLiteral("/tmp/a=b\n\nc%20 d.rtf");
        odd.rtf = QByteArray("\n\nBandimor recovery 1\n\0\xff", 24);
        // The journal follows the text, and the text's length tells where.
        odd.journal = QByteArray("\0\0\0\2\n\n", 6);
        QTest::newRow("name and text with separators") << odd;
        coil::RecoveryRecord untitled = plain;
        untitled.logFileName = QStringLiteral("Безымянный");
        untitled.rtf.clear();
        untitled.textColor.clear();
        untitled.capacity = 2147483632;
        QTest::newRow("untitled, empty, palette colour") << untitled;
    }
    void roundTrip()
    {
        QFETCH(coil::RecoveryRecord, record);
        const coil::RecoveryRecord back = coil::decodeRecoveryRecord(coil::encodeRecoveryRecord(record));
        QCOMPARE(back.logFileName, record.logFileName);
        QCOMPARE(back.rtf, record.rtf);
        QCOMPARE(back.journal, record.journal);
        QCOMPARE(back.capacity, record.capacity);
        QCOMPARE(back.font, record.font);
        QCOMPARE(back.charset, record.charset);
        QCOMPARE(back.textColor, record.textColor);
    }

    void damagedRecordsAreRefused_data()
    {
        // What is offered of a damaged record: its text as far as it goes.
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("readablePart"); // empty: nothing to offer
        const QByteArray whole = coil::encodeRecoveryRecord(sampleRecord());
        const QByteArray rtf = sampleRecord().rtf;
        QTest::newRow("empty file") << QByteArray() << QByteArray();
        QTest::newRow("an RTF file") << QByteArray("{\\rtf1 text}") << QByteArray();
        QTest::newRow("cut in the header") << whole.left(40) << QByteArray();
        QTest::newRow("cut in the text") << whole.left(whole.size() - 3) << rtf.left(rtf.size() - 3);
        QByteArray noName = whole;
        noName.replace(noName.indexOf("LogFileName="), 11, "SomeOtherKy");
        QTest::newRow("no file name") << noName << rtf;
        QByteArray badCapacity = whole;
        badCapacity.replace("Capacity=65535", "Capacity=6x535");
        QTest::newRow("capacity not a number") << badCapacity << rtf;
    }
    void damagedRecordsAreRefused()
    {
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, readablePart);
        const QString error = errorOf([&] { coil::decodeRecoveryRecord(data); });
        QVERIFY2(error.startsWith(QStringLiteral("Не файл восстановления журнала")), qPrintable(error));

        const std::optional<coil::RecoveryRecord> part = coil::readablePartOfRecord(data);
        QCOMPARE(part ? part->rtf : QByteArray(), readablePart);
        if (part) {
            QVERIFY(!part->logFileName.isEmpty());
            QVERIFY(part->capacity > 0);
        }
    }

#ifdef Q_OS_UNIX
    void defaultPath_data()
    {
        QTest::addColumn<QByteArray>("stateHome");
        QTest::addColumn<QString>("path");
        QTest::newRow("XDG_STATE_HOME set") << QByteArray("/srv/state")
                                           << QStringLiteral("/srv/state/bandimor/recovery");
        QTest::newRow("unset") << QByteArray()
                               << QDir::homePath() + QStringLiteral("/.local/state/bandimor/recovery");
        QTest::newRow("relative, ignored") << QByteArray("state")
                                           << QDir::homePath() + QStringLiteral("/.local/state/bandimor/recovery");
    }
    void defaultPath()
    {
        QFETCH(QByteArray, stateHome);
        QFETCH(QString, path);
        const QByteArray saved = qgetenv("XDG_STATE_HOME");
        if (stateHome.isEmpty())
            qunsetenv("XDG_STATE_HOME");
        else
            qputenv("XDG_STATE_HOME", stateHome);
        const QString found = coil::RecoveryFolder::defaultPath();
        qputenv("XDG_STATE_HOME", saved);
        QCOMPARE(found, path);
    }
#else
    void defaultPath()
    {
        // The test reads the variable the shell derives the folder from.
        QCOMPARE(coil::RecoveryFolder::defaultPath(),
                 QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA"))
                     + QStringLiteral("/bandimor/recovery"));
    }
#endif

    void folderKeepsRecordsPrivate()
    {
        QTemporaryDir dir;
        const coil::RecoveryFolder folder(dir.filePath("state/bandimor/recovery"));
        const QString first = folder.newRecordPath();
        const QString second = folder.newRecordPath();
        QVERIFY(first != second);
        QCOMPARE(QFileInfo(first).absolutePath(), folder.path());

        folder.write(first, sampleRecord());
        folder.write(second, sampleRecord());
        putFile(folder.path() + QStringLiteral("/notes.txt"), "not a record");

#ifdef Q_OS_UNIX
        QCOMPARE(modeOf(folder.path()), 0700);
        QCOMPARE(modeOf(first), 0600);
#endif
        QCOMPARE(folder.recordPaths().size(), 2);
        QVERIFY(folder.recordPaths().contains(first));
        QCOMPARE(coil::RecoveryFolder::read(first).rtf, sampleRecord().rtf);

        coil::RecoveryFolder::remove(first);
        QCOMPARE(folder.recordPaths(), QStringList{second});
    }

    void folderOpenToOthersIsClosed()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows has no folder modes: the user's profile is the user's own");
#else
        QTemporaryDir dir;
        const QString path = dir.filePath("recovery");
        QVERIFY(QDir().mkdir(path));
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0755) == 0);
        const coil::RecoveryFolder folder(path);
        folder.write(folder.newRecordPath(), sampleRecord());
        QCOMPARE(modeOf(path), 0700);
#endif
    }

    void unwritableFolderIsAnError()
    {
        QTemporaryDir dir;
        putFile(dir.filePath("state"), "a file where the folder should be");
        const coil::RecoveryFolder folder(dir.filePath("state/bandimor/recovery"));
        const QString error = errorOf([&] { folder.write(folder.newRecordPath(), sampleRecord()); });
        QVERIFY2(error.startsWith(QStringLiteral("Не удалось создать папку файлов восстановления")), qPrintable(error));
        QVERIFY(folder.recordPaths().isEmpty());
    }

    void unreadableRecordIsAnError()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("x.recovery");
        putFile(path, "garbage");
        const QString missing = dir.filePath("missing.recovery");
        // Russian, and naming the file.
        QCOMPARE(errorOf([&] { coil::RecoveryFolder::read(path); }),
                 QStringLiteral("Файл восстановления журнала «%1» повреждён (нет заголовка).").arg(path));
        QCOMPARE(errorOf([&] { coil::RecoveryFolder::read(missing); }),
                 QStringLiteral("Не удалось прочитать файл восстановления журнала «%1».").arg(missing));
    }

    void damagedRecordIsSetAside()
    {
        QTemporaryDir dir;
        const coil::RecoveryFolder folder(dir.path());
        const QString path = folder.newRecordPath();
        putFile(path, "garbage");
        putFile(QString(path).replace(".recovery", ".damaged"), "set aside before");

        const QString aside = coil::RecoveryFolder::setAside(path);
        QVERIFY(!aside.isEmpty());
        QVERIFY(folder.recordPaths().isEmpty());
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(contentOf(aside), QByteArray("garbage"));
    }
};

QTEST_GUILESS_MAIN(TestLogRecovery)
#include "test_logrecovery.moc"
