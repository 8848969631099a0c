// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF reader on small hand-made documents: text, code pages, Unicode,
// skipped destinations, fields and character formats.

#include "DocumentProbe.h"
#include "richtext/LogFileFormat.h"

#include <QTest>

using richtext::readRtf;

namespace {

QStringList readLines(const QByteArray &rtf)
{
    QTextDocument document;
    QString error;
    if (!readRtf(rtf, &document, &error))
        return {QStringLiteral("<error: %1>").arg(error)};
    return probe::lines(document);
}

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT
private slots:
    void text_data();
    void text();
    void codePages_data();
    void codePages();
    void unicode_data();
    void unicode();
    void skipped_data();
    void skipped();
    void format_data();
    void format();
    void notRtf_data();
    void notRtf();
    void replacesContentWithoutUndo();
};

void TestRtfReader::text_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("one line") << QByteArray("{\\rtf1 Hello}") << QStringList{"Hello"};
    QTest::newRow("empty document has one empty line") << QByteArray("{\\rtf1}") << QStringList{""};
    QTest::newRow("par separates lines") << QByteArray("{\\rtf1 a\\par b}") << QStringList{"a", "b"};
    QTest::newRow("par before the end leaves an empty last line")
        << QByteArray("{\\rtf1 a\\par }") << QStringList{"a", ""};
    QTest::newRow("empty lines") << QByteArray("{\\rtf1\\par\\par x\\par\\par}") << QStringList{"", "", "x", "", ""};
    QTest::newRow("line ends of the source are ignored")
        << QByteArray("{\\rtf1 a\r\nb\nc\rd}") << QStringList{"abcd"};
    QTest::newRow("a control word takes one blank")
        << QByteArray("{\\rtf1\\b  x\\b0   y}") << QStringList{" x  y"};
    QTest::newRow("leading and trailing blanks stay")
        << QByteArray("{\\rtf1          * \\'ce\\'ef\\'fb\\'f2 *  \\par  }") << QStringList{u("         * Опыт *  "), " "};
    QTest::newRow("escaped backslash and braces") << QByteArray("{\\rtf1 \\\\ \\{ \\}}") << QStringList{"\\ { }"};
    QTest::newRow("tab and line break")
        << QByteArray("{\\rtf1 a\\tab b\\line c}") << QStringList{u("a\tb\u2028c")};
    QTest::newRow("special characters")
        << QByteArray("{\\rtf1 \\~\\-\\_\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}")
        << QStringList{u("\u00A0\u00AD\u2011\u2014\u2013\u2022\u2018\u2019\u201C\u201D")};
    QTest::newRow("backslash before a line end is a paragraph")
        << QByteArray("{\\rtf1 a\\\nb}") << QStringList{"a", "b"};
    QTest::newRow("unknown control words are ignored")
        << QByteArray("{\\rtf1 a\\foobar42 b\\| c}") << QStringList{"ab c"};
    QTest::newRow("table cells as tabs, rows as lines")
        << QByteArray("{\\rtf1\\trowd\\cellx100\\cellx200 a\\cell b\\cell\\row c}") << QStringList{"a\tb\t", "c"};
    QTest::newRow("hidden text is left out") << QByteArray("{\\rtf1 a{\\v hidden}b\\v c\\v0 d}") << QStringList{"abd"};
    QTest::newRow("text after the document is ignored") << QByteArray("{\\rtf1 a}b{c}") << QStringList{"a"};
    QTest::newRow("blanks before the header") << QByteArray(" \r\n\t{\\rtf1 a}") << QStringList{"a"};
    QTest::newRow("cut short inside groups keeps the text")
        << QByteArray("{\\rtf1 a\\par {\\b b") << QStringList{"a", "b"};
    QTest::newRow("cut short in an escape") << QByteArray("{\\rtf1 a\\'c") << QStringList{"a"};
    QTest::newRow("cut short after a backslash") << QByteArray("{\\rtf1 a\\") << QStringList{"a"};
    QTest::newRow("control characters of escapes do not split lines wrongly")
        << QByteArray("{\\rtf1 a\\'00b\\'0dc\\'09d}") << QStringList{"ab", "c\td"};
}

void TestRtfReader::text()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QStringList, lines);
    QCOMPARE(readLines(rtf), lines);
}

void TestRtfReader::codePages_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    const auto withCharset = [](int ansiCodePage, int charset, const char *escapes) {
        return QByteArray("{\\rtf1\\ansi\\ansicpg") + QByteArray::number(ansiCodePage)
            + "{\\fonttbl{\\f0\\fnil\\fcharset" + QByteArray::number(charset) + " Arial;}}\\f0 " + escapes + "}";
    };

    QTest::newRow("ansicpg 1251") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'ce\\'ef\\'fb\\'f2 \\'b9 \\'b1 \\'a8\\'b8}")
                                  << u("Опыт № ± Ёё");
    QTest::newRow("ansicpg 1252") << QByteArray("{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\'80\\'99}") << u("café €™");
    QTest::newRow("without ansicpg: Windows-1251") << QByteArray("{\\rtf1\\ansi \\'c0\\'FF}") << u("Ая");
    QTest::newRow("unknown ansicpg: Windows-1252") << QByteArray("{\\rtf1\\ansi\\ansicpg437 \\'e9}") << u("é");
    QTest::newRow("raw 8-bit bytes by the code page")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \xcf\xf0\xe8\xe2\xe5\xf2}") << u("Привет");
    QTest::newRow("charset 204 over ansicpg 1252") << withCharset(1252, 204, "\\'c0\\'e9") << u("Ай");
    QTest::newRow("charset 0 over ansicpg 1251") << withCharset(1251, 0, "\\'c0\\'e9") << u("Àé");
    QTest::newRow("charset 1 uses ansicpg") << withCharset(1251, 1, "\\'c0") << u("А");
    QTest::newRow("charset 238: Windows-1250") << withCharset(1252, 238, "\\'8a\\'b3\\'f8") << u("Šłř");
    QTest::newRow("charset 161: Windows-1253") << withCharset(1252, 161, "\\'c1\\'e2\\'f9") << u("Αβω");
    QTest::newRow("charset 162: Windows-1254") << withCharset(1252, 162, "\\'d0\\'fd\\'fe") << u("Ğış");
    QTest::newRow("charset 186: Windows-1257") << withCharset(1252, 186, "\\'c0\\'e8\\'fe") << u("Ąčž");
    QTest::newRow("charset 177: Windows-1255") << withCharset(1252, 177, "\\'e0\\'e1\\'fa") << u("אבת");
    QTest::newRow("charset 178: Windows-1256") << withCharset(1252, 178, "\\'c7\\'c8\\'ed") << u("ابي");
    QTest::newRow("charset 163: Windows-1258") << withCharset(1252, 163, "\\'c3\\'d5\\'fe") << u("ĂƠ₫");
    QTest::newRow("font change switches the code page in a line")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset204 A;}{\\f1\\fcharset0 B;}}"
                      "\\f0\\'e9{\\f1\\'e9}\\'e9\\f1\\'e9}")
        << u("йéйé");
    QTest::newRow("deff gives the code page of text without f")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff1{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}}\\'e9\\plain\\'e9}")
        << u("йй");
}

void TestRtfReader::codePages()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(readLines(rtf), QStringList{text});
}

void TestRtfReader::unicode_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("default uc1 skips one character") << QByteArray("{\\rtf1 \\u1054?x}") << u("Оx");
    QTest::newRow("negative values above 32767")
        << QByteArray("{\\rtf1 \\u-10179?\\u-8704?\\u-1?}") << u("\U0001F600\uFFFF");
    QTest::newRow("uc2 skips two") << QByteArray("{\\rtf1\\uc2 \\u8470No x}") << u("№ x");
    QTest::newRow("uc0 skips nothing") << QByteArray("{\\rtf1\\uc0 \\u1054 x}") << u("Оx");
    QTest::newRow("an escape is one fall-back character")
        << QByteArray("{\\rtf1\\uc1 \\u1054\\'3fx}") << u("Оx");
    QTest::newRow("escapes under uc2") << QByteArray("{\\rtf1\\uc2\\u8470\\'b9\\'3fx}") << u("№x");
    QTest::newRow("a control word is one fall-back character")
        << QByteArray("{\\rtf1\\u1054\\emdash x}") << u("Оx");
    QTest::newRow("uc ends with its group") << QByteArray("{\\rtf1{\\uc2 a}\\u1054??}") << u("aО?");
    QTest::newRow("the group's end ends the skipping") << QByteArray("{\\rtf1{\\uc3\\u1054?}x}") << u("Оx");
    QTest::newRow("upr takes the Unicode alternative")
        << QByteArray("{\\rtf1{\\upr{ANSI \\'c0}{\\*\\ud{\\u1054?K}}}}") << u("ОK");
    QTest::newRow("values beyond 16 bits are dropped") << QByteArray("{\\rtf1 a\\u70000?b}") << u("ab");
}

void TestRtfReader::unicode()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(readLines(rtf), QStringList{text});
}

void TestRtfReader::skipped_data()
{
    QTest::addColumn<QByteArray>("rtf");

    const char *const destinations[] = {"stylesheet", "info", "pict", "themedata", "colorschememapping",
                                        "latentstyles", "datastore", "xmlnstbl", "listtable", "listoverridetable",
                                        "rsidtbl", "generator", "header", "footer", "footnote", "fldinst", "pn"};
    for (const char *name : destinations) {
        QTest::newRow(name) << QByteArray("{\\rtf1 a{\\") + name + " hidden {\\b nested} text\\par}b}";
    }
    QTest::newRow("unknown starred destination") << QByteArray("{\\rtf1 a{\\*\\foobar hidden{x}}b}");
    QTest::newRow("starred known word") << QByteArray("{\\rtf1 a{\\*\\b hidden}b}");
    QTest::newRow("picture with binary data holding braces")
        << QByteArray("{\\rtf1 a{\\pict\\wmetafile8\\bin6 }}}{{\\}b}");
    QTest::newRow("binary data outside a picture") << QByteArray("{\\rtf1 a\\bin3 xyzb}");
    QTest::newRow("field instruction of a picture to include")
        << QByteArray("{\\rtf1 a{\\field{\\*\\fldinst INCLUDEPICTURE \"file:///etc/passwd\" \\\\d}{\\fldrslt }}b}");
    QTest::newRow("field instruction without star")
        << QByteArray("{\\rtf1 a{\\field{\\fldinst HYPERLINK \"http://example.org\"}{\\fldrslt b}}}");
    QTest::newRow("object gives its result")
        << QByteArray("{\\rtf1 {\\object\\objemb{\\*\\objclass Paint}{\\*\\objdata 01ff}{\\result a}}b}");
    QTest::newRow("picture in a shape")
        << QByteArray("{\\rtf1 a{\\*\\shppict{\\pict\\pngblip 89504e47}}{\\nonshppict{\\pict 00}}b}");
}

void TestRtfReader::skipped()
{
    QFETCH(QByteArray, rtf);
    QCOMPARE(readLines(rtf), QStringList{"ab"});
}

void TestRtfReader::format_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<QString>("style"); // b, i, u, s for bold, italic, underline, strike-out
    QTest::addColumn<QString>("colour");

    const QByteArray fonts = "{\\fonttbl{\\f0\\fnil\\fcharset204 Times New Roman;}{\\f1\\fswiss Arial;}"
                             "{\\f2 Courier New{\\*\\falt Courier};}}";
    const QByteArray colours = "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}";
    const QByteArray head = "{\\rtf1\\ansi\\deff0" + fonts + colours + "\\fs20 ";

    QTest::newRow("plain text: default face and size") << head + "x}" << "x" << "Times New Roman" << 10.0 << "" << "";
    QTest::newRow("bold") << head + "\\b x\\b0 y}" << "x" << "Times New Roman" << 10.0 << "b" << "";
    QTest::newRow("b0 ends bold") << head + "\\b x\\b0 y}" << "y" << "Times New Roman" << 10.0 << "" << "";
    QTest::newRow("italic ends with its group") << head + "{\\i x}y}" << "y" << "Times New Roman" << 10.0 << "" << "";
    QTest::newRow("italic in a group") << head + "{\\i x}y}" << "x" << "Times New Roman" << 10.0 << "i" << "";
    QTest::newRow("underline") << head + "\\ul x\\ulnone y}" << "x" << "Times New Roman" << 10.0 << "u" << "";
    QTest::newRow("ulnone ends underline") << head + "\\ul x\\ulnone y}" << "y" << "Times New Roman" << 10.0 << "" << "";
    QTest::newRow("ul0 ends underline") << head + "\\ul x\\ul0 y}" << "y" << "Times New Roman" << 10.0 << "" << "";
    QTest::newRow("double underline is underline") << head + "\\uldb x}" << "x" << "Times New Roman" << 10.0 << "u" << "";
    QTest::newRow("strike-out") << head + "\\strike x\\strike0 y}" << "x" << "Times New Roman" << 10.0 << "s" << "";
    QTest::newRow("all four") << head + "\\b\\i\\ul\\strike x}" << "x" << "Times New Roman" << 10.0 << "bius" << "";
    QTest::newRow("size in half points") << head + "\\fs21 x}" << "x" << "Times New Roman" << 10.5 << "" << "";
    QTest::newRow("face from the font table") << head + "\\f1 x}" << "x" << "Arial" << 10.0 << "" << "";
    QTest::newRow("face without its alternative name") << head + "\\f2 x}" << "x" << "Courier New" << 10.0 << "" << "";
    QTest::newRow("plain resets to the default face")
        << head + "\\f1\\b\\i x\\plain y}" << "y" << "Times New Roman" << 12.0 << "" << "";
    QTest::newRow("colour from the table") << head + "\\cf2 x\\cf0 y}" << "x" << "Times New Roman" << 10.0 << "" << "#008000";
    QTest::newRow("cf0 is the automatic colour") << head + "\\cf2 x\\cf0 y}" << "y" << "Times New Roman" << 10.0 << "" << "";
    QTest::newRow("colour beyond the table is automatic") << head + "\\cf9 x}" << "x" << "Times New Roman" << 10.0 << "" << "";
    QTest::newRow("table without the automatic entry")
        << QByteArray("{\\rtf1{\\colortbl\\red0\\green0\\blue255;\\red255\\green0\\blue0;}\\cf1 x}") << "x" << ""
        << 12.0 << "" << "#ff0000";
    QTest::newRow("cf0 is automatic even when entry 0 is a colour")
        << QByteArray("{\\rtf1{\\colortbl\\red0\\green0\\blue255;\\red255\\green0\\blue0;}\\cf1\\cf0 x}") << "x" << ""
        << 12.0 << "" << "";
    QTest::newRow("font table without groups")
        << QByteArray("{\\rtf1{\\fonttbl\\f0\\fswiss Arial;\\f1\\fmodern Courier New;}\\f1 x}") << "x" << "Courier New"
        << 12.0 << "" << "";
}

void TestRtfReader::format()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, marker);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(QString, style);
    QFETCH(QString, colour);

    // A default font unlike every expectation, so that a format the reader
    // failed to set shows.
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    QVERIFY(readRtf(rtf, &document));
    QCOMPARE(probe::lookAt(document, marker),
             probe::lookOf(family.isEmpty() ? QStringLiteral("DejaVu Sans") : family, points, style, colour));
}

void TestRtfReader::notRtf_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("plain text") << QByteArray("Опыт № 1\r\n");
    QTest::newRow("text before the header") << QByteArray("x{\\rtf1 a}");
    QTest::newRow("another control word") << QByteArray("{\\rtfx a}");
    QTest::newRow("header cut short") << QByteArray("{\\rt");
    QTest::newRow("byte-order mark before the header") << QByteArray("\xEF\xBB\xBF{\\rtf1 a}");
}

void TestRtfReader::notRtf()
{
    QFETCH(QByteArray, data);
    QTextDocument document(QStringLiteral("kept"));
    QString error;
    QVERIFY(!readRtf(data, &document, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(document.toPlainText(), QStringLiteral("kept"));
}

void TestRtfReader::replacesContentWithoutUndo()
{
    QTextDocument document(QStringLiteral("old\ntext"));
    QVERIFY(readRtf("{\\rtf1 new}", &document));
    QCOMPARE(probe::lines(document), QStringList{"new"});
    QVERIFY(document.isUndoRedoEnabled());
    QVERIFY(!document.isUndoAvailable());
}

QTEST_MAIN(TestRtfReader)
#include "test_rtfreader.moc"
