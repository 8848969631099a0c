// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: reading by the profile rules, writing that keeps the
// rest of the file, safe saving, and files that are not what they should be.

#include "base/AppError.h"
#include "settings/IniFile.h"
#include "support/FileHelpers.h"

#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>
#include <stdexcept>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using settings::IniFile;

namespace {

const QString kSettings = QStringLiteral("Settings");
const QString kFont = QStringLiteral("EditorFontName");
const QString kHints = QStringLiteral("Hints");

QByteArray utf16LE(const QString &text)
{
    QStringEncoder encoder(QStringConverter::Utf16LE);
    return encoder(text);
}

} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void readInteger_data();
    void readInteger();
    void readString_data();
    void readString();
    void namesIgnoreCase_data();
    void namesIgnoreCase();
    void firstOfDuplicatesWins();

    void writeKeepsEverythingElse();
    void newEntryPlacement_data();
    void newEntryPlacement();
    void stringRoundTrip_data();
    void stringRoundTrip();
    void longStringReadsFirst2047();
    void lineBreakCannotInjectEntries();
    void invalidNamesRefused_data();
    void invalidNamesRefused();
    void encodings_data();
    void encodings();
    void untouchedLinesKeepTheirBytes_data();
    void untouchedLinesKeepTheirBytes();
    void newFileIsWindows1251();
    void windows1251FileTakesAnyFontName();

    void failingSave_data();
    void failingSave();
    void failedWriteKeepsOldFile();
    void unusableFiles_data();
    void unusableFiles();
    void oversizedFileLeftAlone();
    void specialFilesLeftAlone_data();
    void specialFilesLeftAlone();

private:
    QString writeFile(const QByteArray &bytes);
    QByteArray fileBytes() const;
    QString path() const { return m_dir->filePath(QStringLiteral("bandimor.ini")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestIniFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestIniFile::writeFile(const QByteArray &bytes)
{
    QFile file(path());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot prepare the test file");
    return path();
}

QByteArray TestIniFile::fileBytes() const
{
    QFile file(path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// ---------------------------------------------------------------- reading

void TestIniFile::readInteger_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("expected");

    const int d = -777;  // the default passed in every row
    QTest::newRow("decimal") << QByteArray("Hints=109") << 109;
    QTest::newRow("negative, plus sign") << QByteArray("Hints=-32\nOther=+5") << -32;
    QTest::newRow("hex 0x40") << QByteArray("Hints=0x40") << 64;
    QTest::newRow("hex upper prefix and digits") << QByteArray("Hints=0X1F") << 31;
    QTest::newRow("hex beyond int") << QByteArray("Hints=0x80000000") << d;
    QTest::newRow("prefix alone") << QByteArray("Hints=0x") << d;
    QTest::newRow("hex with sign") << QByteArray("Hints=0x-4") << d;
    QTest::newRow("int min") << QByteArray("Hints=-2147483648") << int(-2147483647 - 1);
    QTest::newRow("above int max") << QByteArray("Hints=2147483648") << d;
    QTest::newRow("hundred digits") << "Hints=" + QByteArray(100, '9') << d;
    QTest::newRow("empty") << QByteArray("Hints=") << d;
    QTest::newRow("digits then letters") << QByteArray("Hints=12abc") << d;
    QTest::newRow("word") << QByteArray("Hints=true") << d;
    QTest::newRow("fraction") << QByteArray("Hints=1.5") << d;
    QTest::newRow("blanks around") << QByteArray("Hints =  42\t ") << 42;
    QTest::newRow("quoted") << QByteArray("Hints=\"7\"") << 7;
    QTest::newRow("missing") << QByteArray("Other=1") << d;
}

void TestIniFile::readInteger()
{
    QFETCH(QByteArray, file);
    QFETCH(int, expected);
    const IniFile ini(writeFile("[Settings]\r\n" + file + "\r\n"));
    QCOMPARE(ini.readInteger(kSettings, kHints, -777), expected);
    // Booleans are integers: non-zero is true, no number keeps the default.
    QCOMPARE(ini.readBool(kSettings, kHints, true), expected != 0);
    QCOMPARE(ini.readBool(kSettings, kHints, false), expected != 0 && expected != -777);
}

void TestIniFile::readString_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");

    const QByteArray head("[Settings]\r\n");
    QTest::newRow("blanks inside kept") << head + "EditorFontName=Times New Roman" << "Times New Roman";
    QTest::newRow("blanks around = dropped") << head + "  EditorFontName  =  Arial  " << "Arial";
    QTest::newRow("double quotes removed") << head + "EditorFontName=\" Arial \"" << " Arial ";
    QTest::newRow("single quotes removed") << head + "EditorFontName='Arial'" << "Arial";
    QTest::newRow("unmatched quote kept") << head + "EditorFontName=\"Arial" << "\"Arial";
    QTest::newRow("equals sign in value") << head + "EditorFontName=a=b" << "a=b";
    QTest::newRow("empty value, not the default") << head + "EditorFontName=" << "";
    QTest::newRow("NUL ends the value") << head + QByteArray("EditorFontName=Ari\0al", 21) << "Ari";
    QTest::newRow("commented out") << head + ";EditorFontName=Arial" << "<default>";
    QTest::newRow("key before any section") << QByteArray("EditorFontName=Arial\r\n[Settings]") << "<default>";
    QTest::newRow("LF, blanks in header") << QByteArray(" [ Settings ] \nEditorFontName=Arial\n") << "Arial";
}

void TestIniFile::readString()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    const IniFile ini(writeFile(file));
    QCOMPARE(ini.readString(kSettings, kFont, QStringLiteral("<default>")), expected);
}

void TestIniFile::namesIgnoreCase_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");

    QTest::newRow("as stored") << "WindowPos" << "CoTop";
    QTest::newRow("lower case") << "windowpos" << "cotop";
    QTest::newRow("upper case, blanks around") << " WINDOWPOS " << "\tCOTOP";
}

void TestIniFile::namesIgnoreCase()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    IniFile ini(writeFile("[windowPOS]\r\nCOtop=106\r\n"));
    QCOMPARE(ini.readInteger(section, key, 0), 106);
    ini.writeInteger(section, key, 5);
    ini.save();
    QCOMPARE(fileBytes(), QByteArray("[windowPOS]\r\nCOtop=5\r\n"));
}

void TestIniFile::firstOfDuplicatesWins()
{
    const QByteArray tail("[Other]\r\n[SETTINGS]\r\nHints=7\r\nTipNomin=2\r\n");
    IniFile ini(writeFile("[Settings]\r\nHints=1\r\nhints=0\r\n" + tail));
    QCOMPARE(ini.readInteger(kSettings, kHints, -1), 1);
    // Only the first section of a name is seen.
    QCOMPARE(ini.readInteger(kSettings, QStringLiteral("TipNomin"), -1), -1);
    ini.writeInteger(kSettings, kHints, 0);
    ini.save();
    QCOMPARE(fileBytes(), "[Settings]\r\nHints=0\r\nhints=0\r\n" + tail);
}

// ---------------------------------------------------------------- writing

void TestIniFile::writeKeepsEverythingElse()
{
    IniFile ini(writeFile("; Bandimor\r\n\r\n[WindowPos]\r\nMaTop=109\r\nMaLeft = 193 \r\n"
                          "  ; pixels\r\nCoTop=106\r\n\r\n[Unknown]\r\nNoEqualsSign\r\n"
                          "[Settings]\r\nHints=1"));
    ini.writeInteger(QStringLiteral("WindowPos"), QStringLiteral("maleft"), -5);
    ini.writeInteger(QStringLiteral("WindowPos"), QStringLiteral("CoTop"), 0);
    ini.writeBool(kSettings, kHints, false);
    QCOMPARE(ini.readInteger(QStringLiteral("WindowPos"), QStringLiteral("MaLeft"), 1), -5);
    QVERIFY(fileBytes().contains("MaLeft = 193 "));  // nothing on disk before save()
    ini.save();
    QCOMPARE(fileBytes(), QByteArray("; Bandimor\r\n\r\n[WindowPos]\r\nMaTop=109\r\nMaLeft = -5\r\n"
                                     "  ; pixels\r\nCoTop=0\r\n\r\n[Unknown]\r\nNoEqualsSign\r\n"
                                     "[Settings]\r\nHints=0"));
}

void TestIniFile::newEntryPlacement_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new file") << QByteArray() << "Settings" << QByteArray("[Settings]\r\nTipNomin=1\r\n");
    QTest::newRow("end of a middle section, before its blank line")
        << QByteArray("[WindowPos]\r\nMaTop=1\r\n\r\n[Settings]\r\nHints=1\r\n") << "WindowPos"
        << QByteArray("[WindowPos]\r\nMaTop=1\r\nTipNomin=1\r\n\r\n[Settings]\r\nHints=1\r\n");
    QTest::newRow("empty section")
        << QByteArray("[Settings]\r\n[WindowPos]\r\n") << "Settings"
        << QByteArray("[Settings]\r\nTipNomin=1\r\n[WindowPos]\r\n");
    QTest::newRow("new section at the end, after a blank line")
        << QByteArray("[WindowPos]\r\nMaTop=1\r\n") << "Settings"
        << QByteArray("[WindowPos]\r\nMaTop=1\r\n\r\n[Settings]\r\nTipNomin=1\r\n");
    QTest::newRow("last line without line end")
        << QByteArray("[Settings]\r\nHints=1") << "Settings"
        << QByteArray("[Settings]\r\nHints=1\r\nTipNomin=1\r\n");
    QTest::newRow("LF file stays LF")
        << QByteArray("[WindowPos]\nMaTop=1\n") << "Settings"
        << QByteArray("[WindowPos]\nMaTop=1\n\n[Settings]\nTipNomin=1\n");
}

void TestIniFile::newEntryPlacement()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QByteArray, after);
    if (!before.isEmpty())
        writeFile(before);
    IniFile ini(path());
    ini.writeInteger(section, QStringLiteral("TipNomin"), 1);
    ini.save();
    QCOMPARE(fileBytes(), after);
}

void TestIniFile::stringRoundTrip_data()
{
    QTest::addColumn<QString>("value");

    QTest::newRow("blanks inside") << "Times New Roman";
    QTest::newRow("cyrillic, double blanks") << "Шрифт  Таймс";
    QTest::newRow("leading blank") << " Arial";
    QTest::newRow("trailing blanks") << "Arial  ";
    QTest::newRow("no-break spaces around") << QStringLiteral("\u00A0Arial\u00A0");
    QTest::newRow("enclosed in double quotes") << "\"Arial\"";
    QTest::newRow("enclosed in single quotes") << "'Arial'";
    QTest::newRow("empty") << "";
    QTest::newRow("CJK and emoji") << QStringLiteral("宋体 \U0001F4FB");
    QTest::newRow("2047 characters") << QString(2047, QChar(u'Ж'));
    QTest::newRow("lone carriage return") << QStringLiteral("Arial\rBold");
    QTest::newRow("carriage return at the end") << QStringLiteral("Arial\r");
}

void TestIniFile::stringRoundTrip()
{
    QFETCH(QString, value);
    {
        IniFile ini(writeFile("; keep\r\n[Settings]\r\nEditorFontName=Arial\r\nEditorFontSize=12\r\n"));
        ini.writeString(kSettings, kFont, value);
        ini.save();
    }
    const IniFile ini(path());
    QCOMPARE(ini.readString(kSettings, kFont, QStringLiteral("<default>")), value);
    QCOMPARE(ini.readInteger(kSettings, QStringLiteral("EditorFontSize"), 0), 12);
}

void TestIniFile::longStringReadsFirst2047()
{
    const QString value = QString(2047, QLatin1Char('a')) + QStringLiteral("bcd");
    {
        IniFile ini(path());
        ini.writeString(kSettings, kFont, value);
        ini.save();
    }
    QVERIFY(fileBytes().contains(value.toUtf8()));
    QCOMPARE(IniFile(path()).readString(kSettings, kFont, QString()), value.left(2047));
}

void TestIniFile::lineBreakCannotInjectEntries()
{
    IniFile ini(writeFile("[Settings]\r\nHints=1\r\n"));
    ini.writeString(kSettings, kFont, QStringLiteral("Arial\r\n[Settings]\r\nHints=0"));
    ini.save();
    QCOMPARE(fileBytes(), QByteArray("[Settings]\r\nHints=1\r\nEditorFontName=Arial\r\n"));
}

void TestIniFile::invalidNamesRefused_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");

    QTest::newRow("blank section") << "  " << "Key";
    QTest::newRow("bracket in section") << "Sett]ings" << "Key";
    QTest::newRow("equals in key") << "Settings" << "a=b";
    QTest::newRow("line break in key") << "Settings" << "Key\r\n[X]";
}

void TestIniFile::invalidNamesRefused()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    IniFile ini(writeFile("[Settings]\r\nHints=1\r\n"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, ini.writeInteger(section, key, 1));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, ini.writeString(section, key, QStringLiteral("x")));
    ini.save();
    QCOMPARE(fileBytes(), QByteArray("[Settings]\r\nHints=1\r\n"));
}

void TestIniFile::encodings_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("fontName");
    QTest::addColumn<QByteArray>("afterWrite");

    const QString times = QStringLiteral("[Settings]\r\nEditorFontName=Таймс Нью Роман\r\nHints=%1\r\n");
    QTest::newRow("UTF-8") << times.arg(1).toUtf8() << "Таймс Нью Роман" << times.arg(0).toUtf8();
    QTest::newRow("UTF-8 with BOM keeps the BOM")
        << "\xEF\xBB\xBF" + times.arg(1).toUtf8() << "Таймс Нью Роман" << "\xEF\xBB\xBF" + times.arg(0).toUtf8();
    const QByteArray cp1251("\x3B\x20\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8\r\n"
                            "[Other]\r\nName=\xC7\xED\xE0\xF7\xE5\xED\xE8\xE5\r\n"
                            "[Settings]\r\nEditorFontName=\xA8\xEB\xEA\xE0\x20\xB9\x31\r\nHints=%1\r\n");
    QTest::newRow("Windows-1251 stays Windows-1251")
        << QByteArray(cp1251).replace("%1", "1") << "Ёлка №1" << QByteArray(cp1251).replace("%1", "0");
    QTest::newRow("UTF-16LE stays UTF-16LE")
        << "\xFF\xFE" + utf16LE(times.arg(1)) << "Таймс Нью Роман" << "\xFF\xFE" + utf16LE(times.arg(0));
}

void TestIniFile::encodings()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, fontName);
    QFETCH(QByteArray, afterWrite);
    IniFile ini(writeFile(file));
    QCOMPARE(ini.readString(kSettings, kFont, QString()), fontName);
    ini.writeBool(kSettings, kHints, false);
    ini.save();
    QCOMPARE(fileBytes(), afterWrite);
}

// Lines the program does not write go back with their very bytes, whatever
// they hold.
void TestIniFile::untouchedLinesKeepTheirBytes_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray tail("[Settings]\r\nHints=%1\r\n");
    QTest::newRow("second byte-order mark")
        << "\xEF\xBB\xBF\xEF\xBB\xBF; twice marked\r\n" + tail;
    QTest::newRow("invalid UTF-8 in a marked file") << "\xEF\xBB\xBF; \xFF\xC0 bad\r\n" + tail;
    QTest::newRow("byte Windows-1251 leaves undefined") << "; \x98 \xEB\xEA\r\n" + tail;
    QTest::newRow("lone surrogate in UTF-16")
        << "\xFF\xFE" + QByteArray(";\0\x00\xD8\r\0\n\0", 8) + utf16LE(QString::fromLatin1(tail));
}

void TestIniFile::untouchedLinesKeepTheirBytes()
{
    QFETCH(QByteArray, file);
    const bool utf16 = file.startsWith("\xFF\xFE");
    const auto withHints = [&](char value) {
        QByteArray bytes = file;
        const qsizetype at = bytes.indexOf(utf16 ? QByteArray("%\0" "1", 3) : QByteArray("%1"));
        return bytes.replace(at, utf16 ? 4 : 2, utf16 ? QByteArray(1, value) + '\0' : QByteArray(1, value));
    };
    IniFile ini(writeFile(withHints('1')));
    QCOMPARE(ini.readInteger(kSettings, kHints, 5), 1);
    ini.writeBool(kSettings, kHints, false);
    ini.save();
    QCOMPARE(fileBytes(), withHints('0'));
}

void TestIniFile::newFileIsWindows1251()
{
    IniFile ini(path());
    ini.writeString(kSettings, kFont, QStringLiteral("Таймс"));
    ini.save();
    QCOMPARE(fileBytes(), QByteArray("[Settings]\r\nEditorFontName=\xD2\xE0\xE9\xEC\xF1\r\n"));
    QCOMPARE(IniFile(path()).readString(kSettings, kFont, QString()), QStringLiteral("Таймс"));
}

// A name the code page lacks is not lost: the file becomes UTF-8.
void TestIniFile::windows1251FileTakesAnyFontName()
{
    IniFile ini(writeFile("; \xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8\r\n[Settings]\r\nHints=1\r\n"));
    ini.writeString(kSettings, kFont, QStringLiteral("宋体"));
    ini.save();
    QCOMPARE(fileBytes(), "\xEF\xBB\xBF" + QStringLiteral("; Настройки\r\n[Settings]\r\nHints=1\r\n"
                                                       "EditorFontName=宋体\r\n").toUtf8());
}

// ---------------------------------------------------------------- failures

void TestIniFile::failingSave_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<bool>("makeFolder");

    QTest::newRow("parent is a regular file") << "plainfile/bandimor.ini" << false;
    QTest::newRow("path is a folder") << "folder.ini" << true;
}

void TestIniFile::failingSave()
{
    QFETCH(QString, relativePath);
    QFETCH(bool, makeFolder);
    QFile plain(m_dir->filePath(QStringLiteral("plainfile")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    if (makeFolder)
        QVERIFY(QDir(m_dir->path()).mkdir(relativePath));

    const QString target = m_dir->filePath(relativePath);
    IniFile ini(target);
    ini.writeInteger(QStringLiteral("WindowPos"), QStringLiteral("MaTop"), 1);
    try {
        ini.save();
        QFAIL("save() reported success");
    } catch (const AppError &error) {
        QCOMPARE(error.text(), QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(target));
    }
    QCOMPARE(QFileInfo(target).isDir(), makeFolder);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(),
             makeFolder ? 2 : 1);
}

void TestIniFile::failedWriteKeepsOldFile()
{
#ifdef Q_OS_UNIX
    // A full disk, imitated by a file size limit: the new content does not fit.
    const QByteArray old("[Settings]\r\nEditorFontName=Arial\r\n");
    IniFile ini(writeFile(old));
    ini.writeString(kSettings, kFont, QString(2000, QLatin1Char('x')));

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString message;
    try {
        ini.save();
    } catch (const AppError &error) {
        message = error.text();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(message, QStringLiteral("Unable to write to ") + path());
    QCOMPARE(fileBytes(), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{QStringLiteral("bandimor.ini")});
#else
    QSKIP("needs a file size limit");
#endif
}

void TestIniFile::unusableFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<qint64>("sparseSize");  // grows the file without writing it

    QRandomGenerator random(20240607);
    QByteArray noise(64 * 1024, Qt::Uninitialized);
    for (char &byte : noise)
        byte = char(random.bounded(256));
    QTest::newRow("random bytes") << noise << qint64(0);
    QTest::newRow("NULs in the header") << QByteArray("[Sett\0ings]\r\nHints=5\r\n", 22) << qint64(0);
    QTest::newRow("brackets and equals signs") << QByteArray("[\r\n]\r\n[]\r\n==\r\n[=]\r\n=5\r\n") << qint64(0);
    QTest::newRow("unclosed header") << QByteArray("[Settings\r\nHints=5\r\n") << qint64(0);
    QTest::newRow("one 4 MB line") << QByteArray(4 * 1024 * 1024, 'k') << qint64(0);
    QTest::newRow("odd UTF-16") << QByteArray("\xFF\xFE[\0S\0", 7) << qint64(0);
}

void TestIniFile::unusableFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(qint64, sparseSize);
    writeFile(file);
    if (sparseSize > 0)
        QVERIFY(QFile::resize(path(), sparseSize));
    {
        IniFile ini(path());
        QCOMPARE(ini.readInteger(kSettings, kHints, 42), 42);
        QCOMPARE(ini.readString(kSettings, kFont, QStringLiteral("d")), QStringLiteral("d"));
        ini.writeString(kSettings, kFont, QStringLiteral("Курьер"));
        ini.save();
    }
    QCOMPARE(IniFile(path()).readString(kSettings, kFont, QString()), QStringLiteral("Курьер"));
}

// A file beyond the size limit is nobody's settings file: it is neither read
// nor replaced by a short one.
void TestIniFile::oversizedFileLeftAlone()
{
    writeFile("[Settings]\r\nHints=5\r\n");
    QVERIFY(QFile::resize(path(), IniFile::maxFileSize + 1));
    IniFile ini(path());
    QCOMPARE(ini.readInteger(kSettings, kHints, 42), 42);
    ini.writeInteger(kSettings, kHints, 1);
    ini.save();
    QCOMPARE(QFileInfo(path()).size(), IniFile::maxFileSize + 1);
    QFile file(path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(21), QByteArray("[Settings]\r\nHints=5\r\n"));
}

// A pipe or a device node at the settings path, or behind a link there, is
// neither read (no wait for a writer) nor replaced.
void TestIniFile::specialFilesLeftAlone_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("link");
    QTest::addColumn<char>("kind");
    QTest::newRow("pipe") << "pipe" << false << 'p';
    QTest::newRow("link to a pipe") << "pipe" << true << 'p';
    QTest::newRow("link to a device node") << "null" << true << 'c';
}

void TestIniFile::specialFilesLeftAlone()
{
#ifdef Q_OS_UNIX
    QFETCH(QString, target);
    QFETCH(bool, link);
    QFETCH(char, kind);
    const QString node = link ? m_dir->filePath(target) : path();
    if (kind == 'c' && !makeNullDevice(node))
        QSKIP(NoPrivateMounts);
    const auto release = qScopeGuard([&] { releaseNullDevice(node); });
    if (kind == 'p')
        QVERIFY(makeFifo(node));
    if (link)
        QVERIFY(QFile::link(node, path()));

    IniFile ini(path());
    QCOMPARE(ini.readInteger(kSettings, kHints, 42), 42);
    ini.writeInteger(kSettings, kHints, 1);
    ini.save();
    QCOMPARE(fileKind(node), kind);
    QCOMPARE(fileKind(path()), link ? 'l' : kind);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(),
             link ? 2 : 1);
#else
    QSKIP("needs pipes");
#endif
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_inifile.moc"
