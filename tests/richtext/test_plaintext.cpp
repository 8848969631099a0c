// SPDX-License-Identifier: GPL-3.0-or-later
// The plain-text fall-back: Windows-1251 or UTF-8, any line ends; and
// readLogFile choosing between RTF and plain text.

#include "DocumentProbe.h"
#include "richtext/LogFileFormat.h"

#include <QTest>

using richtext::decodePlainText;

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

class TestPlainText : public QObject
{
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void readLogFile_data();
    void readLogFile();
};

void TestPlainText::decode_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ASCII") << QByteArray("Hello, world") << u("Hello, world");
    QTest::newRow("Windows-1251") << QByteArray("\xce\xef\xfb\xf2 \xb9 1 \xb1 5% \xa8\xb8") << u("Опыт № 1 ± 5% Ёё");
    QTest::newRow("UTF-8 without byte-order mark") << QByteArray("Опыт № 1 ± 5%") << u("Опыт № 1 ± 5%");
    QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xEF\xBB\xBF" "Опыт №") << u("Опыт №");
    QTest::newRow("byte-order mark and ASCII") << QByteArray("\xEF\xBB\xBF" "abc") << u("abc");
    QTest::newRow("UTF-8 cut inside a character is Windows-1251")
        << QByteArray("\xD0\x9F\xD1") << u("РџС");
    QTest::newRow("overlong UTF-8 is Windows-1251") << QByteArray("\xC0\xAF") << u("АЇ");
    QTest::newRow("UTF-16 LE with byte-order mark")
        << QByteArray("\xFF\xFE\x1E\x04\x3F\x04\r\0\n\0x\0", 12) << u("Оп\nx");
    QTest::newRow("UTF-16 BE with byte-order mark") << QByteArray("\xFE\xFF\x04\x1E\0x", 6) << u("Оx");
    QTest::newRow("CRLF") << QByteArray("a\r\nb\r\n") << u("a\nb\n");
    QTest::newRow("LF") << QByteArray("a\nb\n") << u("a\nb\n");
    QTest::newRow("CR") << QByteArray("a\rb\r") << u("a\nb\n");
    QTest::newRow("mixed line ends and empty lines") << QByteArray("a\r\n\r\rb\n\nc") << u("a\n\n\nb\n\nc");
    QTest::newRow("CR LF in Windows-1251") << QByteArray("\xc0\r\n\xc1") << u("А\nБ");
}

void TestPlainText::decode()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, text);
    QCOMPARE(decodePlainText(data), text);
}

void TestPlainText::readLogFile_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("RTF") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'ce\\'ef\\'fb\\'f2\\par }")
                         << QStringList{u("Опыт"), ""};
    QTest::newRow("Windows-1251 text") << QByteArray("\xce\xef\xfb\xf2\r\n\r\n  \xb1 5%\r\n")
                                       << QStringList{u("Опыт"), "", u("  ± 5%"), ""};
    QTest::newRow("UTF-8 text") << QByteArray("Опыт\n± 5%") << QStringList{u("Опыт"), u("± 5%")};
    QTest::newRow("text that looks like RTF later") << QByteArray("note: {\\rtf1 x}")
                                                    << QStringList{u("note: {\\rtf1 x}")};
    QTest::newRow("empty file") << QByteArray() << QStringList{""};
}

void TestPlainText::readLogFile()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, lines);
    QTextDocument document;
    QTextCursor(&document).insertText(QStringLiteral("old content"), QTextCharFormat());
    document.setUndoRedoEnabled(true);
    richtext::readLogFile(data, &document);
    QCOMPARE(probe::lines(document), lines);
    QVERIFY(!document.isUndoAvailable());
}

QTEST_MAIN(TestPlainText)
#include "test_plaintext.moc"
