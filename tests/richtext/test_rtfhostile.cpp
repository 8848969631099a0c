// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile and broken RTF: the reader ends with an error or with partial
// text, never with a crash, a hang or memory out of proportion to the file.

#include "DocumentProbe.h"
#include "richtext/LogFileFormat.h"
#include "richtext/RtfParser.h"

#include <QRandomGenerator>
#include <QTest>

using richtext::readRtf;

namespace {

QByteArray nested(int depth, const QByteArray &inner)
{
    return "{\\rtf1" + QByteArray(depth, '{') + inner + QByteArray(depth, '}') + "}";
}

// Random RTF-like data: tokens that steer the reader into its corners.
QByteArray randomRtf(quint32 seed, int tokens)
{
    static const char *const alphabet[] = {
        "{", "}", "\\", "\\'", "\\'c", "\\'ce", "\\u", "\\u-", "\\u1054?", "\\uc", "\\uc9 ", "\\bin", "\\bin1 ",
        "\\*", "\\par", "\\line", "\\tab", "\\b", "\\i0", "\\ul", "\\fs", "\\fs-7", "\\f", "\\f99999999999",
        "\\cf", "\\cf3", "{\\fonttbl", "{\\colortbl", "\\red", ";", "{\\pict", "{\\*\\x", "{\\upr", "{\\*\\ud",
        "{\\field", "{\\fldrslt", "\\plain", "\\v", "a", " ", "\r\n", "\xC0", "\x00", "\x7F", "9", "-",
    };
    QRandomGenerator random(seed);
    QByteArray data = "{\\rtf1";
    for (int i = 0; i < tokens; ++i) {
        const char *token = alphabet[random.bounded(int(std::size(alphabet)))];
        data.append(token, qsizetype(token[0] == '\0' ? 1 : qstrlen(token)));
    }
    return data;
}

} // namespace

class TestRtfHostile : public QObject
{
    Q_OBJECT
private slots:
    void accepted_data();
    void accepted();
    void nestingBeyondTheLimitFails();
    void randomTokensStayBounded_data();
    void randomTokensStayBounded();
    void randomBytesAfterTheHeader();
};

void TestRtfHostile::accepted_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QStringList>("lines");

    const int limit = richtext::RtfParser::kMaxNesting;
    QTest::newRow("nesting just within the limit") << nested(limit - 1, "x") << QStringList{"x"};
    QTest::newRow("bin longer than the file") << QByteArray("{\\rtf1 a\\bin2147483647 xyz}") << QStringList{"a"};
    QTest::newRow("bin parameter beyond 32 bits")
        << QByteArray("{\\rtf1 a\\bin99999999999999999999999 xyz}") << QStringList{"a"};
    QTest::newRow("negative bin") << QByteArray("{\\rtf1 a\\bin-5 b}") << QStringList{"ab"};
    QTest::newRow("huge uc only skips to the group's end")
        << QByteArray("{\\rtf1{\\uc2147483647\\u1054 abc\\par x}def}") << QStringList{QString::fromUtf8("Оdef")};
    QTest::newRow("huge negative unicode") << QByteArray("{\\rtf1 a\\u-99999999999?b}") << QStringList{"ab"};
    QTest::newRow("huge and negative font numbers")
        << QByteArray("{\\rtf1{\\fonttbl{\\f-5 A;}{\\f99999999999 B;}}\\f99999999999 a\\f-5 b}") << QStringList{"ab"};
    QTest::newRow("closing braces beyond the document") << QByteArray("{\\rtf1 a}}}}b") << QStringList{"a"};
    QTest::newRow("opening braces never closed") << QByteArray("{\\rtf1 {{{a\\par {b") << QStringList{"a", "b"};
    QTest::newRow("only the header") << QByteArray("{\\rtf") << QStringList{""};
    QTest::newRow("a control word of 100000 letters")
        << QByteArray("{\\rtf1 a\\" + QByteArray(100000, 'x') + " b}") << QStringList{"ab"};
    QTest::newRow("a parameter of 100000 digits")
        << QByteArray("{\\rtf1 a\\fs" + QByteArray(100000, '9') + " b}") << QStringList{"ab"};
    QTest::newRow("zero bytes in the text") << QByteArray("{\\rtf1 a\0b}", 11) << QStringList{"ab"};
    QTest::newRow("font table never closed") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial") << QStringList{""};
    QTest::newRow("a colour table of a million entries")
        << QByteArray("{\\rtf1{\\colortbl" + QByteArray(1000000, ';') + "}\\cf999999 a}") << QStringList{"a"};
}

void TestRtfHostile::accepted()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QStringList, lines);
    QTextDocument document;
    QVERIFY(readRtf(rtf, &document));
    QCOMPARE(probe::lines(document), lines);
}

void TestRtfHostile::nestingBeyondTheLimitFails()
{
    QTextDocument document(QStringLiteral("kept"));
    QString error;
    QVERIFY(!readRtf(nested(richtext::RtfParser::kMaxNesting, "x"), &document, &error));
    QVERIFY(error.contains(QString::number(richtext::RtfParser::kMaxNesting)));
    QCOMPARE(document.toPlainText(), QStringLiteral("kept"));

    // A million levels: fails as early, without a million states.
    QVERIFY(!readRtf(nested(1000000, "x"), &document));
    QCOMPARE(document.toPlainText(), QStringLiteral("kept"));

    // The fall-back then shows the file as text.
    richtext::readLogFile(nested(2000, "x"), &document);
    QVERIFY(document.toPlainText().startsWith(QStringLiteral("{\\rtf1{{{")));
}

void TestRtfHostile::randomTokensStayBounded_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 300; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void TestRtfHostile::randomTokensStayBounded()
{
    QFETCH(quint32, seed);
    const QByteArray rtf = randomRtf(seed, 3000);
    QTextDocument document;
    QVERIFY(readRtf(rtf, &document));
    // Every character of the text costs the file at least one byte.
    QVERIFY(document.characterCount() <= rtf.size() + 1);
}

void TestRtfHostile::randomBytesAfterTheHeader()
{
    QRandomGenerator random(2024);
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < 1 << 20; ++i)
        rtf.append(char(random.bounded(256)));
    QTextDocument document;
    if (readRtf(rtf, &document))
        QVERIFY(document.characterCount() <= rtf.size() + 1);
    else
        QCOMPARE(document.characterCount(), 1); // left empty as it was
}

QTEST_MAIN(TestRtfHostile)
#include "test_rtfhostile.moc"
