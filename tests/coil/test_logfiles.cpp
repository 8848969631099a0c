// SPDX-License-Identifier: GPL-3.0-or-later
// The results log's file names, dialog file types and file access.

#include "base/AppError.h"
#include "base/FileReplacement.h"
#include "coil/LogFileIo.h"
#include "coil/LogFileNames.h"
#include "support/FileHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QTest>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <sys/statvfs.h>
#endif

namespace {

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// Writes to the file until the file system is full, then frees the last
// freeBytes of it again.
// Only the full-disk case on a Linux tmpfs uses it.
[[maybe_unused]] bool fillLeaving(const QString &path, qint64 freeBytes)
{
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray chunk(1024, 'f');
    while (filler.write(chunk) == chunk.size()) {
    }
    filler.close();
    return QFile::resize(path, QFileInfo(path).size() - freeBytes);
}

} // namespace

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

    // Nothing but a regular file is read, and a refusal comes at once: a pipe
    // would wait for a writer for good, /dev/zero would fill the memory.
    void readErrors_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing file") << "missing.rtf";
        QTest::newRow("a folder") << "folder";
#ifdef Q_OS_UNIX
        QTest::newRow("a pipe") << "pipe.rtf";
        QTest::newRow("a link to /dev/zero") << "zero.rtf";
#endif
    }
    void readErrors()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder"));
#ifdef Q_OS_UNIX
        QVERIFY(makeFifo(dir.filePath("pipe.rtf")));
        QVERIFY(QFile::link("/dev/zero", dir.filePath("zero.rtf")));
#endif
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

    // A write that stops short, as on a full disk, is an error: the old file
    // stays byte for byte and no temporary file is left.
    void shortWriteKeepsOldFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("small log") << 600;
        QTest::newRow("log above the write buffer") << 40 * 1024;
    }
    void shortWriteKeepsOldFile()
    {
        QFETCH(int, size);
        QTemporaryDir dir;
        const QString path = dir.filePath("old.rtf");
        putFile(path, "old log");
        base::setChunkWriterForTesting([](QIODevice &device, const QByteArray &data) {
            return device.write(data.left(data.size() / 2));
        });
        const auto restore = qScopeGuard([] { base::setChunkWriterForTesting({}); });

        const QString error = errorOf([&] { coil::writeLogFileBytes(path, QByteArray(size, 'n')); });
        QCOMPARE(error, QStringLiteral("Failed to Save Stream"));
        QCOMPARE(contentOf(path), QByteArray("old log"));
        QCOMPARE(filesIn(dir.path()), QStringList{"old.rtf"});
    }

    // The same on a real full file system: a small tmpfs, where the system
    // allows mounting one.
    void fullDiskKeepsOldFile_data()
    {
        QTest::addColumn<int>("freeBytes");
        QTest::addColumn<int>("size");
        QTest::newRow("one page free, small log") << 4096 << 6000;
        QTest::newRow("two pages free, 11 KB log") << 8192 << 11 * 1024;
        QTest::newRow("two pages free, 40 KB log") << 8192 << 40 * 1024;
    }
    void fullDiskKeepsOldFile()
    {
#ifdef Q_OS_LINUX
        QFETCH(int, freeBytes);
        QFETCH(int, size);
        QTemporaryDir dir;
        const QByteArray mountPoint = QFile::encodeName(dir.path());
        if (mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP(NoPrivateMounts);
        const auto unmount = qScopeGuard([&] { umount2(mountPoint.constData(), MNT_DETACH); });
        const QString path = dir.filePath("old.rtf");
        const QByteArray old(3000, 'o');
        putFile(path, old);
        QVERIFY(fillLeaving(dir.filePath("filler"), freeBytes));

        const QString error = errorOf([&] { coil::writeLogFileBytes(path, QByteArray(size, 'n')); });
        QCOMPARE(error, QStringLiteral("Failed to Save Stream"));
        QCOMPARE(contentOf(path), old);
        QCOMPARE(filesIn(dir.path()), QStringList({"filler", "old.rtf"}));
#else
        QSKIP("needs Linux mounts");
#endif
    }

    // A pipe or a device node at the path, or behind a link, is never
    // replaced by a regular file.
    void specialFilesAreNotReplaced_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<char>("kind");
        QTest::newRow("a pipe") << "pipe.rtf" << 'p';
        QTest::newRow("a link to a pipe") << "link.rtf" << 'l';
        QTest::newRow("a character device") << "null.rtf" << 'c';
    }
    void specialFilesAreNotReplaced()
    {
#ifdef Q_OS_UNIX
        QFETCH(QString, name);
        QFETCH(char, kind);
        QTemporaryDir dir;
        QVERIFY(makeFifo(dir.filePath("pipe.rtf")));
        QVERIFY(QFile::link(dir.filePath("pipe.rtf"), dir.filePath("link.rtf")));
        if (kind == 'c' && !makeNullDevice(dir.filePath(name)))
            QSKIP(NoPrivateMounts);
        const auto release = qScopeGuard([&] { releaseNullDevice(dir.filePath(name)); });
        const QString path = dir.filePath(name);

        const QString error = errorOf([&] { coil::writeLogFileBytes(path, "new"); });
        const QString prefix = QStringLiteral("Cannot create file \"%1\". ").arg(path);
        QVERIFY2(error.startsWith(prefix), qPrintable(error));
        QCOMPARE(fileKind(path), kind);
        QCOMPARE(fileKind(dir.filePath("pipe.rtf")), 'p');
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(),
                 kind == 'c' ? 3 : 2);
#else
        QSKIP("needs pipes");
#endif
    }
};

QTEST_GUILESS_MAIN(TestLogFiles)
#include "test_logfiles.moc"
