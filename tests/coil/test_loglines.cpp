// SPDX-License-Identifier: GPL-3.0-or-later
// The results log's line list view on a bare document: line count, the
// append rules, the capacity and the undo history.

#include "base/AppError.h"
#include "coil/LogLines.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using coil::appendLogLine;
using coil::logLineCount;

class TestLogLines : public QObject
{
    Q_OBJECT
private slots:
    void lineCount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        QTest::newRow("empty log") << QString() << 0;
        QTest::newRow("single line break") << QStringLiteral("\n") << 1;
        QTest::newRow("one line without break") << QStringLiteral("abc") << 1;
        QTest::newRow("one line with break") << QStringLiteral("abc\n") << 1;
        QTest::newRow("two lines") << QStringLiteral("a\nb") << 2;
        QTest::newRow("two lines with break") << QStringLiteral("a\nb\n") << 2;
        QTest::newRow("two empty lines") << QStringLiteral("\n\n") << 2;
        QTest::newRow("blank between") << QStringLiteral("a\n\nb") << 3;
    }
    void lineCount()
    {
        QFETCH(QString, text);
        QFETCH(int, lines);
        QTextDocument document;
        document.setPlainText(text);
        QCOMPARE(logLineCount(document), lines);
    }

    void append_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("appended");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("lines");
        QTest::newRow("into empty log") << QString() << QStringList{"x"} << "x\n" << 1;
        QTest::newRow("empty line into empty log") << QString() << QStringList{""} << "\n" << 1;
        QTest::newRow("after line break") << "a\n" << QStringList{"x"} << "a\nx\n" << 2;
        QTest::newRow("after unterminated line") << "a" << QStringList{"x"} << "a\nx" << 2;
        QTest::newRow("two after unterminated line") << "a" << QStringList{"x", "y"} << "a\nx\ny" << 3;
        QTest::newRow("block into empty log")
            << QString() << QStringList{"", "head", "", "tail"} << "\nhead\n\ntail\n" << 4;
        // The line break that ends the open line is all an empty line adds.
        QTest::newRow("empty line after unterminated line") << "a" << QStringList{""} << "a\n" << 1;
        QTest::newRow("empty line after line break") << "a\n" << QStringList{""} << "a\n\n" << 2;
    }
    void append()
    {
        QFETCH(QString, before);
        QFETCH(QStringList, appended);
        QFETCH(QString, after);
        QFETCH(int, lines);
        QTextDocument document;
        document.setPlainText(before);
        for (const QString &line : appended)
            appendLogLine(&document, line, coil::kFreshLogCapacity);
        QCOMPARE(document.toPlainText(), after);
        QCOMPARE(logLineCount(document), lines);
    }

    void appendIsNotUndoableAndSetsModified()
    {
        QTextDocument document;
        QTextCursor typing(&document);
        typing.insertText(QStringLiteral("typed"));
        document.setModified(false);
        QVERIFY(document.isUndoAvailable());

        appendLogLine(&document, QStringLiteral("result"), coil::kFreshLogCapacity);
        QVERIFY(document.isModified());
        QVERIFY(!document.isUndoAvailable());
        document.undo();
        QCOMPARE(document.toPlainText(), QStringLiteral("typed\nresult"));
        // The history works again for what comes next.
        QTextCursor more(&document);
        more.insertText(QStringLiteral("!"));
        QVERIFY(document.isUndoAvailable());
    }

    void appendUsesGivenFormatNotNeighbours()
    {
        QTextDocument document;
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        QTextCursor(&document).insertText(QStringLiteral("bold"), bold);

        appendLogLine(&document, QStringLiteral("plain"), coil::kFreshLogCapacity);
        QTextCursor probe(document.lastBlock());
        probe.movePosition(QTextCursor::NextCharacter);
        QVERIFY(probe.charFormat().fontWeight() != QFont::Bold);
    }

    void capacity_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("linesThatFit");
        QTest::newRow("line fills the log exactly") << 4 << QStringList{"abc"} << 1;
        QTest::newRow("line one character over") << 4 << QStringList{"abcd"} << 0;
        QTest::newRow("earlier lines kept")
            << 10 << QStringList{"abcd", "efgh", "i", "j"} << 2;
    }
    void capacity()
    {
        QFETCH(int, capacity);
        QFETCH(QStringList, lines);
        QFETCH(int, linesThatFit);
        QTextDocument document;
        int appended = 0;
        QString error;
        try {
            for (const QString &line : lines) {
                appendLogLine(&document, line, capacity);
                ++appended;
            }
        } catch (const AppError &e) {
            error = e.text();
        }
        QCOMPARE(appended, linesThatFit);
        QCOMPARE(error, linesThatFit < lines.size() ? QStringLiteral("RichEdit line insertion error")
                                                    : QString());
        QCOMPARE(document.toPlainText(), QStringList(lines.mid(0, linesThatFit)).join('\n')
                                             + (linesThatFit ? "\n" : ""));
    }

    void freshLogHolds64KCharacters()
    {
        QTextDocument document;
        const QString line(99, QLatin1Char('x'));  // 100 characters with its break
        for (int i = 0; i < 655; ++i)
            appendLogLine(&document, line, coil::kFreshLogCapacity);
        appendLogLine(&document, QString(34, QLatin1Char('y')), coil::kFreshLogCapacity);
        QCOMPARE(coil::logTextLength(document), 65535);
        QVERIFY_THROWS_EXCEPTION(AppError, appendLogLine(&document, QString(), coil::kFreshLogCapacity));
        QCOMPARE(logLineCount(document), 656);
    }
};

QTEST_MAIN(TestLogLines)
#include "test_loglines.moc"
