// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a log and reading it back gives the same lines and the same look
// of every character; and what the writer produces is RTF other readers take.

#include "DocumentProbe.h"
#include "support/SampleLog.h"
#include "richtext/LogFileFormat.h"

#include <QTest>

using richtext::readRtf;
using richtext::writeRtf;

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// One run of text and the format it is written in.
struct Run
{
    QString text;
    QTextCharFormat format;
};

QTextCharFormat styled(const QString &family, qreal points, const QString &style, const QColor &colour = QColor())
{
    QTextCharFormat format;
    if (!family.isEmpty())
        format.setFontFamilies({family});
    if (points > 0)
        format.setFontPointSize(points);
    if (style.contains('b'))
        format.setFontWeight(QFont::Bold);
    format.setFontItalic(style.contains('i'));
    format.setFontUnderline(style.contains('u'));
    format.setFontStrikeOut(style.contains('s'));
    if (colour.isValid())
        format.setForeground(colour);
    return format;
}

QFont logFont()
{
    return QFont(QStringLiteral("Times New Roman"), 7);
}

} // namespace

Q_DECLARE_METATYPE(QList<Run>)

class TestRtfRoundTrip : public QObject
{
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void looks_data();
    void looks();
    void defaultFontInPixels();
    void writtenForOtherReaders();
};

void TestRtfRoundTrip::lines_data()
{
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty log") << QStringList{""};
    QTest::newRow("one line") << QStringList{"Hello"};
    QTest::newRow("a result block")
        << sample::firstBlockLines() + QStringList{""};
    QTest::newRow("leading and trailing blanks") << QStringList{"   a", "b   ", "   ", " c "};
    QTest::newRow("only empty lines") << QStringList{"", "", ""};
    QTest::newRow("RTF's own characters") << QStringList{"\\par {\\b x} \\'41 \\u1054? ;"};
    QTest::newRow("tabs") << QStringList{"\ta\t\tb\t"};
    QTest::newRow("Windows-1251 punctuation")
        << QStringList{u("№ ± « » — – … ‘ ’ “ ” • ™ € ‰ § © ° Ёё Ђђ Ўў")};
    QTest::newRow("characters outside Windows-1251") << QStringList{u("café α Ω ≈ 😀 ½ ∞")};
    QTest::newRow("no-break space and soft hyphen") << QStringList{u("10\u00A0мкГн ин\u00ADдук\u00ADтив")};
    QTest::newRow("line break inside a line") << QStringList{u("a\u2028b"), "c"};
    QTest::newRow("a line of 5000 characters") << QStringList{QString(5000, QChar(0x0416)), "x"};
}

void TestRtfRoundTrip::lines()
{
    QFETCH(QStringList, lines);
    QTextDocument written;
    written.setDefaultFont(logFont());
    probe::setLines(&written, lines);

    QTextDocument read;
    QVERIFY(readRtf(writeRtf(written), &read));
    QCOMPARE(probe::lines(read), lines);
}

void TestRtfRoundTrip::looks_data()
{
    QTest::addColumn<QList<Run>>("runs");

    const QColor red(255, 0, 0);
    const QColor green(0, 128, 0);
    QTest::newRow("default format only") << QList<Run>{{u("Опыт № 1"), QTextCharFormat()}};
    QTest::newRow("bold word") << QList<Run>{{u("Индуктивность = "), QTextCharFormat()},
                                             {u("2,759"), styled({}, 0, "b")},
                                             {u(" мкГн"), QTextCharFormat()}};
    QTest::newRow("italic, underline, strike-out")
        << QList<Run>{{"a", styled({}, 0, "i")}, {"b", styled({}, 0, "u")}, {"c", styled({}, 0, "s")},
                      {"d", styled({}, 0, "bius")}, {"e", QTextCharFormat()}};
    QTest::newRow("colours") << QList<Run>{{u("красный"), styled({}, 0, "", red)},
                                           {u("зелёный"), styled({}, 0, "", green)},
                                           {u("снова красный"), styled({}, 0, "b", red)},
                                           {u("обычный"), QTextCharFormat()}};
    QTest::newRow("faces and sizes") << QList<Run>{{"Arial", styled("Arial", 10.5, "")},
                                                   {"Courier", styled("Courier New", 12, "")},
                                                   {u("Шрифт"), styled(u("Шрифт Кириллица"), 9, "")},
                                                   {"log", QTextCharFormat()}};
    QTest::newRow("formats across lines")
        << QList<Run>{{u("один\u2029два"), styled({}, 0, "b", red)}, {u("\u2029\u2029три"), styled("Arial", 14, "i")}};
}

void TestRtfRoundTrip::looks()
{
    QFETCH(QList<Run>, runs);
    QTextDocument written;
    written.setDefaultFont(logFont());
    QTextCursor cursor(&written);
    for (const Run &run : runs)
        cursor.insertText(run.text, run.format);

    QTextDocument read;
    read.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 15)); // what the reader leaves unset shows
    QVERIFY(readRtf(writeRtf(written), &read));
    QCOMPARE(read.toPlainText(), written.toPlainText());
    QCOMPARE(probe::looks(read), probe::looks(written));
}

void TestRtfRoundTrip::defaultFontInPixels()
{
    // Windows sizes the log's font in pixels; RTF knows points (96 dpi).
    QTextDocument written;
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(12);
    written.setDefaultFont(font);
    written.setPlainText(QStringLiteral("x"));

    QTextDocument read;
    QVERIFY(readRtf(writeRtf(written), &read));
    QCOMPARE(probe::lookAt(read, QStringLiteral("x")).points, 9.0);
}

void TestRtfRoundTrip::writtenForOtherReaders()
{
    QTextDocument document;
    document.setDefaultFont(logFont());
    QTextCursor cursor(&document);
    cursor.insertText(u("Опыт № 1 ± 5% α 😀") + QString(600, u'x'));
    cursor.insertText(QStringLiteral("red"), styled("Arial", 0, "", Qt::red));
    cursor.insertBlock();

    const QByteArray rtf = writeRtf(document);
    QVERIFY2(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1251\\deff0"), rtf.left(40).constData());
    QVERIFY(rtf.contains("{\\f0\\fnil\\fcharset204 Times New Roman;}"));
    QVERIFY(rtf.contains("{\\f1\\fnil\\fcharset204 Arial;}"));
    QVERIFY(rtf.contains("{\\colortbl ;\\red255\\green0\\blue0;}"));
    QVERIFY(rtf.contains("\\'ce\\'ef\\'fb\\'f2 \\'b9 1 \\'b1 5%"));
    QVERIFY(rtf.contains("\\u945?"));
    QVERIFY(rtf.contains("\\u-10179?\\u-8704?"));
    QVERIFY(rtf.contains("\\par\n}"));
    QVERIFY(rtf.contains("{\\*\\generator ")); // or LibreOffice alters runs of blanks
    for (const char c : rtf)
        QVERIFY(static_cast<unsigned char>(c) < 0x80);
    for (const QByteArray &line : rtf.split('\n'))
        QVERIFY2(line.size() <= 260, line.left(60).constData());

    QTextDocument plain;
    plain.setPlainText(QStringLiteral("x"));
    QVERIFY(!writeRtf(plain).contains("\\colortbl"));
}

QTEST_MAIN(TestRtfRoundTrip)
#include "test_rtfroundtrip.moc"
