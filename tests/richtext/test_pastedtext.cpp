// SPDX-License-Identifier: GPL-3.0-or-later
// Rich clipboard text from other programs reduced to what a log keeps: the
// lines of its paragraphs and cells, and the character formats the log's
// files carry, nothing else.
#include "richtext/PastedText.h"

#include <QGuiApplication>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The format of the character at position in the fragment.
QTextCharFormat formatAt(const QTextDocumentFragment &fragment, int position)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertFragment(fragment);
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

} // namespace

class TestPastedText : public QObject
{
    Q_OBJECT
private slots:
    void lines_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("text");
        QTest::newRow("html paragraphs") << "html" << QByteArray("<p>L = 5</p><p>n = 12</p>") << "L = 5\nn = 12";
        QTest::newRow("html line break") << "html" << QByteArray("a<br>b") << "a\nb";
        QTest::newRow("html table cells become lines")
            << "html" << QByteArray("<table><tr><td>L</td><td>5</td></tr></table>") << "L\n5";
        QTest::newRow("html picture left out")
            << "html" << QByteArray("x<img src=\"coil.png\">y") << "xy";
        QTest::newRow("html text around a table")
            << "html" << QByteArray("<p>a</p><table><tr><td>L</td></tr></table><p>b</p>") << "a\nL\nb";
        QTest::newRow("html list") << "html" << QByteArray("<ul><li>one</li><li>two</li></ul>") << "one\ntwo";
        QTest::newRow("rtf paragraphs") << "rtf" << QByteArray("{\\rtf1 L = 5\\par n = 12}") << "L = 5\nn = 12";
        QTest::newRow("rtf picture left out")
            << "rtf" << QByteArray("{\\rtf1 x{\\pict\\pngblip 89504e47}y}") << "xy";
        QTest::newRow("not rtf gives nothing") << "rtf" << QByteArray("<p>html</p>") << "";
    }
    void lines()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, data);
        QFETCH(QString, text);
        const QTextDocumentFragment fragment = kind == "html" ? richtext::pastedHtml(QString::fromUtf8(data))
                                                              : richtext::pastedRtf(data);
        QCOMPARE(fragment.toPlainText(), text);
    }

    void keepsTheFormatsOfALog()
    {
        const QTextDocumentFragment fragment = richtext::pastedHtml(QStringLiteral(
            "<span style=\"font-family:'DejaVu Sans'; font-size:16px; font-weight:700; font-style:italic;"
            " text-decoration:underline line-through; color:#ff0000\">a</span>"));
        const QTextCharFormat format = formatAt(fragment, 0);
        QCOMPARE(format.fontFamilies().toStringList(), QStringList{"DejaVu Sans"});
        QCOMPARE(format.fontPointSize(), 12.0);
        QCOMPARE(format.fontWeight(), int(QFont::Bold));
        QVERIFY(format.fontItalic());
        QVERIFY(format.fontUnderline());
        QVERIFY(format.fontStrikeOut());
        QCOMPARE(format.foreground().color(), QColor(Qt::red));
    }

    void dropsWhatALogDoesNotKeep()
    {
        const QTextDocumentFragment fragment = richtext::pastedHtml(QStringLiteral(
            "<a href=\"https://example.org/\" style=\"background-color:#ffff00\">link</a>"));
        QCOMPARE(fragment.toPlainText(), QStringLiteral("link"));
        const QTextCharFormat format = formatAt(fragment, 0);
        QVERIFY(!format.isAnchor());
        QVERIFY(format.anchorHref().isEmpty());
        QVERIFY(!format.hasProperty(QTextFormat::BackgroundBrush));
    }
};

QTEST_MAIN(TestPastedText)
#include "test_pastedtext.moc"
