// SPDX-License-Identifier: GPL-3.0-or-later
// RichEdit1 as a control: its identity, default format, keys, one-step undo,
// capacity, appending beside the user's caret, and its modified flag.

#include "coil/window/ResultsLog.h"
#include "support/FakeDialogs.h"
#include "support/TestData.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QVBoxLayout>

using coil::ResultsLog;

namespace {

void placeCaret(ResultsLog &log, int anchor, int position)
{
    QTextCursor cursor = log.textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    log.setTextCursor(cursor);
}

} // namespace

class TestResultsLog : public QObject
{
    Q_OBJECT
private slots:
    void init() { QGuiApplication::clipboard()->clear(); }

    void identity()
    {
        ResultsLog log;
        QCOMPARE(log.objectName(), QStringLiteral("RichEdit1"));
        QCOMPARE(log.accessibleDescription(), QStringLiteral("Поле для вывода результатов работы"));
        QCOMPARE(log.toolTip(), log.accessibleDescription());
        QVERIFY(!log.isModified());
        QCOMPARE(log.lineCount(), 0);
        QCOMPARE(log.capacity(), 65535);
    }

    void designFont()
    {
        ResultsLog log;
        QCOMPARE(log.logFont().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(log.document()->defaultFont(), log.logFont());
        QCOMPARE(log.logCharset(), 1);
        // A character cell of about 9 pixels on a 96 dpi screen.
        QFont at96 = log.logFont();
        at96.setPixelSize(qRound(at96.pointSizeF() * 96 / 72));
        QVERIFY(qAbs(QFontMetrics(at96).height() - 9) <= 1);
    }

    void keys_data()
    {
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("modified");
        const int none = Qt::NoModifier;
        QTest::newRow("Del without selection deletes nothing") << 1 << 1 << int(Qt::Key_Delete) << none << "abc" << false;
        QTest::newRow("Del deletes the selection") << 1 << 2 << int(Qt::Key_Delete) << none << "ac" << true;
        QTest::newRow("Backspace deletes before the caret") << 1 << 1 << int(Qt::Key_Backspace) << none << "bc" << true;
        QTest::newRow("Enter starts a new line") << 1 << 1 << int(Qt::Key_Return) << none << "a\nbc" << true;
        QTest::newRow("typing inserts") << 1 << 1 << int(Qt::Key_X) << none << "axbc" << true;
        QTest::newRow("Alt+Backspace with nothing to undo") << 1 << 1 << int(Qt::Key_Backspace) << int(Qt::AltModifier) << "abc" << false;
    }
    void keys()
    {
        QFETCH(int, anchor);
        QFETCH(int, position);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(bool, modified);
        ResultsLog log;
        log.loadContent("abc");
        log.setModified(false);
        placeCaret(log, anchor, position);
        QTest::keyClick(&log, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(log.toPlainText(), text);
        QCOMPARE(log.isModified(), modified);
    }

    void windowShortcutTakesDel()
    {
        // The coil window's Del shortcut acts even while the log has the focus.
        QWidget window;
        auto *log = new ResultsLog(&window);
        (new QVBoxLayout(&window))->addWidget(log);
        int deletes = 0;
        auto *del = new QAction(&window);
        del->setShortcut(Qt::Key_Delete);
        window.addAction(del);
        connect(del, &QAction::triggered, log, [&] { ++deletes; log->deleteSelection(); });
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        log->setFocus();
        log->setPlainText(QStringLiteral("abc"));
        placeCaret(*log, 0, 0);

        QTest::keyClick(log, Qt::Key_Delete);
        QCOMPARE(deletes, 1);
        QCOMPARE(log->toPlainText(), QStringLiteral("abc"));
        placeCaret(*log, 0, 1);
        QTest::keyClick(log, Qt::Key_Delete);
        QCOMPARE(deletes, 2);
        QCOMPARE(log->toPlainText(), QStringLiteral("bc"));
    }

    void undoAndRedoAlternate()
    {
        ResultsLog log;
        log.show();
        QTest::keyClicks(&log, QStringLiteral("one"));
        placeCaret(log, 0, 0);
        QTest::keyClicks(&log, QStringLiteral("two"));
        QCOMPARE(log.toPlainText(), QStringLiteral("twoone"));
        log.setModified(false);

        log.undoOrRedo();
        QCOMPARE(log.toPlainText(), QStringLiteral("one"));
        QVERIFY(log.isModified());
        log.undoOrRedo();
        QCOMPARE(log.toPlainText(), QStringLiteral("twoone"));
        log.undoOrRedo();
        QCOMPARE(log.toPlainText(), QStringLiteral("one"));
        // A new change ends the alternation: the next step undoes that change.
        placeCaret(log, 3, 3);
        QTest::keyClicks(&log, QStringLiteral("!"));
        log.undoOrRedo();
        QCOMPARE(log.toPlainText(), QStringLiteral("one"));
        log.undoOrRedo();
        QCOMPARE(log.toPlainText(), QStringLiteral("one!"));
    }

    void appendedLinesAndClearingAreNotUndoable_data()
    {
        addBooleanRows("clear", "clear", "append");
    }
    void appendedLinesAndClearingAreNotUndoable()
    {
        QFETCH(bool, clear);
        ResultsLog log;
        QTest::keyClicks(&log, QStringLiteral("typed"));
        if (clear)
            log.clearLog();
        else
            log.appendLine(QStringLiteral("block"));
        const QString after = log.toPlainText();
        log.setModified(false);
        log.undoOrRedo();
        QCOMPARE(log.toPlainText(), after);
        QVERIFY(!log.isModified());
    }

    void appendLeavesCaretAndSelection_data()
    {
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("position");
        QTest::newRow("caret at the end") << 7 << 7;
        QTest::newRow("caret at the start") << 0 << 0;
        QTest::newRow("selection up to the end") << 2 << 7;
        QTest::newRow("selection backwards") << 5 << 1;
    }
    void appendLeavesCaretAndSelection()
    {
        QFETCH(int, anchor);
        QFETCH(int, position);
        ResultsLog log;
        log.setPlainText(QStringLiteral("abc\ndef"));
        placeCaret(log, anchor, position);
        log.appendLine(QStringLiteral("ghi"));
        QCOMPARE(log.toPlainText(), QStringLiteral("abc\ndef\nghi"));
        QCOMPARE(log.textCursor().anchor(), anchor);
        QCOMPARE(log.textCursor().position(), position);
        QVERIFY(log.isModified());
    }

    void appendedTextTakesDefaultFormat()
    {
        ResultsLog log;
        QFont big(QStringLiteral("Courier New"), 14);
        log.setLogFont(big);
        log.loadContent("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\b bold\\par}");
        log.appendLine(QStringLiteral("plain"));
        const QTextBlock last = log.document()->lastBlock().previous();
        QCOMPARE(last.text(), QStringLiteral("plain"));
        const QTextCharFormat format = last.begin().fragment().charFormat();
        QVERIFY(format.fontWeight() != QFont::Bold);
        // No font of its own: it follows the log's default font.
        QVERIFY(!format.hasProperty(QTextFormat::FontFamilies));
        QCOMPARE(log.document()->defaultFont().family(), big.family());
    }

    void modifiedByEveryChange_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("typing") << "type";
        QTest::newRow("cut") << "cut";
        QTest::newRow("paste") << "paste";
        QTest::newRow("delete") << "delete";
        QTest::newRow("undo") << "undo";
        QTest::newRow("append") << "append";
        QTest::newRow("font") << "font";
        QTest::newRow("formatting") << "format";
    }
    void modifiedByEveryChange()
    {
        QFETCH(QString, change);
        ResultsLog log;
        QTest::keyClicks(&log, QStringLiteral("abc"));
        placeCaret(log, 0, 2);
        QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
        log.setModified(false);
        if (change == "type")
            QTest::keyClicks(&log, QStringLiteral("x"));
        else if (change == "cut")
            log.cutSelection();
        else if (change == "paste")
            log.pasteClipboard();
        else if (change == "delete")
            log.deleteSelection();
        else if (change == "undo")
            log.undoOrRedo();
        else if (change == "append")
            log.appendLine(QStringLiteral("x"));
        else if (change == "font")
            log.setLogFont(QFont(QStringLiteral("Arial"), 10));
        else if (change == "format") {
            QTextCharFormat italic;
            italic.setFontItalic(true);
            log.textCursor().mergeCharFormat(italic);
        }
        QVERIFY(log.isModified());
    }

    void clearEmptiesAndClearsFlag()
    {
        ResultsLog log;
        log.appendLine(QStringLiteral("x"));
        QVERIFY(log.isModified());
        log.clearLog();
        QCOMPARE(log.lineCount(), 0);
        QVERIFY(!log.isModified());
        QCOMPARE(log.document()->defaultFont(), log.logFont());
    }

    void copyAndPasteKeepFormatting()
    {
        ResultsLog log;
        log.loadContent("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 a\\b bold\\b0 z\\par}");
        placeCaret(log, 1, 5);
        log.copySelection();
        placeCaret(log, 6, 6);
        log.pasteClipboard();
        QCOMPARE(log.toPlainText().left(10), QStringLiteral("aboldzbold"));
        QTextCursor probe(log.document());
        probe.setPosition(8);
        QCOMPARE(probe.charFormat().fontWeight(), int(QFont::Bold));
    }

    void pastesRichTextOnly_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("boldAfterA");  // the character after "a"
        QTest::addColumn<int>("beeps");
        const QByteArray html = "<p>a<b>B</b>c</p>";
        const QByteArray rtf = "{\\rtf1 a{\\b B}c}";
        QTest::newRow("html only") << "text/html" << html << 100 << "[aBc]" << true << 0;
        QTest::newRow("rtf only") << "text/rtf" << rtf << 100 << "[aBc]" << true << 0;
        QTest::newRow("rtf under its other name") << "application/rtf" << rtf << 100 << "[aBc]" << true << 0;
        QTest::newRow("rtf beyond the room: what fits, plain")
            << "text/rtf" << rtf << 4 << "[aB]" << false << 1;
    }
    void pastesRichTextOnly()
    {
        QFETCH(QString, type);
        QFETCH(QByteArray, data);
        QFETCH(int, capacity);
        QFETCH(QString, text);
        QFETCH(bool, boldAfterA);
        QFETCH(int, beeps);
        FakeDialogs fake;
        ResultsLog log;
        log.setCapacity(capacity);
        log.setPlainText(QStringLiteral("[]"));
        placeCaret(log, 1, 1);
        auto *mime = new QMimeData;
        mime->setData(type, data);
        QGuiApplication::clipboard()->setMimeData(mime);
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasText());

        log.pasteClipboard();

        QCOMPARE(log.toPlainText(), text);
        QCOMPARE(log.textCursor().position(), text.size() - 1);
        QTextCursor probe(log.document());
        probe.setPosition(3);
        QCOMPARE(probe.charFormat().fontWeight() == QFont::Bold, boldAfterA);
        QCOMPARE(fake.beeps, beeps);
    }

    void capacityRefusesTypingAndPasting_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("text");
        QTest::newRow("typing up to the limit") << "ab" << false << "1234ab";
        QTest::newRow("typing beyond the limit") << "abc" << false << "1234ab";
        QTest::newRow("pasting beyond the limit") << "abc" << true << "1234ab";
        QTest::newRow("pasting what fits") << "a" << true << "1234a";
    }
    void capacityRefusesTypingAndPasting()
    {
        QFETCH(QString, input);
        QFETCH(bool, paste);
        QFETCH(QString, text);
        FakeDialogs fake;
        ResultsLog log;
        log.setCapacity(6);
        log.setPlainText(QStringLiteral("1234"));
        placeCaret(log, 4, 4);
        if (paste) {
            QGuiApplication::clipboard()->setText(input);
            log.pasteClipboard();
        } else {
            QTest::keyClicks(&log, input);
        }
        QCOMPARE(log.toPlainText(), text);
        QCOMPARE(fake.beeps, text.size() - 4 < input.size() ? 1 : 0);
    }

    void typingOverSelectionAtLimit()
    {
        FakeDialogs fake;
        ResultsLog log;
        log.setCapacity(4);
        log.setPlainText(QStringLiteral("1234"));
        placeCaret(log, 1, 3);
        QTest::keyClicks(&log, QStringLiteral("xy"));
        QCOMPARE(log.toPlainText(), QStringLiteral("1xy4"));
        QCOMPARE(fake.beeps, 0);
    }

    void openedFileRaisesCapacity()
    {
        ResultsLog log;
        log.loadContent(QByteArray(70000, 'x'));
        QCOMPARE(log.capacity(), 2147483632);
        QCOMPARE(log.toPlainText().size(), 70000);
        log.appendLine(QStringLiteral("fits now"));
        QCOMPARE(log.lineCount(), 2);
        QVERIFY(!log.document()->isUndoAvailable());
    }

    // A log that held one long line wraps at word boundaries again once the
    // line is gone, and gets there without laying the long line out anew
    // (which took ten seconds for a file opened next).
    void afterALongLine_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("text");
        QTest::newRow("open a small RTF file") << "open" << "Opyt nomer 1";
        QTest::newRow("Очистить") << "clear" << "";
        QTest::newRow("Очистить, then a font") << "font" << "";
        QTest::newRow("Очистить, then a block") << "append" << "Опыт № 1\n";
    }
    void afterALongLine()
    {
        QFETCH(QString, step);
        QFETCH(QString, text);
        ResultsLog log;
        log.resize(400, 300);
        log.show();
        log.loadContent(QByteArray(64 * 1024, '{'));
        QCoreApplication::processEvents();
        QCOMPARE(log.wordWrapMode(), QTextOption::WrapAnywhere);

        if (step == "open") {
            log.loadContent("{\\rtf1 Opyt nomer 1}");
        } else {
            log.clearLog();
            if (step == "font")
                log.setLogFont(QFont(QStringLiteral("DejaVu Serif"), 12));
            else if (step == "append")
                log.appendLine(QStringLiteral("Опыт № 1"));
        }
        QCoreApplication::processEvents();

        QCOMPARE(log.toPlainText(), text);
        QCOMPARE(log.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
        QCOMPARE(log.document()->defaultTextOption().wrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    }
};

QTEST_MAIN(TestResultsLog)
#include "test_resultslog.moc"
