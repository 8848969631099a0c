// SPDX-License-Identifier: GPL-3.0-or-later
// A log's journal replayed onto its full record gives the log back as it
// was: text, character and paragraph formats, whatever the edits were.
#include "coil/LogJournal.h"
#include "coil/LogLines.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <functional>

using Edit = std::function<void(QTextDocument *)>;
Q_DECLARE_METATYPE(Edit)

namespace {

QTextCharFormat bold()
{
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    return format;
}

QTextCursor selection(QTextDocument *document, int from, int to)
{
    QTextCursor cursor(document);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    return cursor;
}

void fill(QTextDocument *document)
{
    // A document reports its changes once it has a layout, as a shown one has.
    document->documentLayout();
    for (const char *line : {"Опыт № 1", "Индуктивность = 2,759 мкГн", "", "конец"})
        coil::appendLogLine(document, QString::fromUtf8(line), coil::kFreshLogCapacity);
    selection(document, 0, 4).mergeCharFormat(bold());
}

} // namespace

class TestLogJournal : public QObject
{
    Q_OBJECT
private slots:
    void replayGivesTheLogBack_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::newRow("typing at the end") << Edit([](QTextDocument *d) {
            QTextCursor c(d);
            c.movePosition(QTextCursor::End);
            for (QChar ch : QStringLiteral("note\n!"))
                c.insertText(QString(ch));
        });
        QTest::newRow("a block appended") << Edit([](QTextDocument *d) {
            for (int i = 0; i < 13; ++i)
                coil::appendLogLine(d, QStringLiteral("Строка %1").arg(i), coil::kFreshLogCapacity);
        });
        QTest::newRow("deleted across lines") << Edit([](QTextDocument *d) {
            selection(d, 3, 20).removeSelectedText();
        });
        QTest::newRow("selection replaced, bold") << Edit([](QTextDocument *d) {
            selection(d, 2, 12).insertText(QStringLiteral("жирно"), bold());
        });
        QTest::newRow("format only") << Edit([](QTextDocument *d) {
            selection(d, 5, 30).mergeCharFormat(bold());
        });
        QTest::newRow("paragraph format") << Edit([](QTextDocument *d) {
            QTextBlockFormat centred;
            centred.setAlignment(Qt::AlignHCenter);
            selection(d, 12, 12).setBlockFormat(centred);
        });
        QTest::newRow("fragment of lines pasted") << Edit([](QTextDocument *d) {
            const QTextDocumentFragment fragment(selection(d, 0, 20));
            QTextCursor c(d);
            c.setPosition(6);
            c.insertFragment(fragment);
        });
        QTest::newRow("deletion undone") << Edit([](QTextDocument *d) {
            selection(d, 1, 15).removeSelectedText();
            d->undo();
        });
        QTest::newRow("emptied, then written") << Edit([](QTextDocument *d) {
            selection(d, 0, d->characterCount() - 1).removeSelectedText();
            coil::appendLogLine(d, QStringLiteral("снова"), coil::kFreshLogCapacity);
        });
    }
    void replayGivesTheLogBack()
    {
        QFETCH(Edit, edit);
        QTextDocument document;
        fill(&document);
        QTextDocument replayed;
        fill(&replayed);

        coil::LogChangeTracker tracker;
        tracker.reset(document);
        QByteArray journal;
        bool followed = true;
        connect(&document, &QTextDocument::contentsChange, this, [&](int position, int removed, int added) {
            const QByteArray entry = tracker.entryFor(document, position, removed, added);
            followed = followed && !entry.isEmpty();
            journal += entry;
        });
        edit(&document);
        coil::LogJournalState state;
        state.logFileName = QStringLiteral("/tmp/катушки.rtf");
        state.capacity = coil::kOpenedLogCapacity;
        journal += coil::logJournalState(state);

        QVERIFY(followed);
        const coil::LogJournalReplay replay = coil::replayLogJournal(&replayed, journal);
        QVERIFY(replay.complete);
        QVERIFY(replay.hasState);
        QCOMPARE(replay.state.logFileName, state.logFileName);
        QCOMPARE(replay.state.capacity, state.capacity);
        QCOMPARE(replayed.toPlainText(), document.toPlainText());
        QCOMPARE(replayed.toHtml(), document.toHtml());

        // An entry cut short by the end of the program is left out, and the
        // ones before it stay.
        const QByteArray cut = journal.left(journal.size() - 3);
        QTextDocument shorter;
        fill(&shorter);
        const coil::LogJournalReplay partial = coil::replayLogJournal(&shorter, cut);
        QVERIFY(partial.complete);
        QVERIFY(!partial.hasState);
        QCOMPARE(shorter.toPlainText(), document.toPlainText());
    }

    // A change the journal cannot follow says so, and a full record is due.
    void changeThatDoesNotAddUp()
    {
        QTextDocument document;
        fill(&document);
        coil::LogChangeTracker tracker;
        tracker.reset(document);
        QVERIFY(tracker.entryFor(document, 0, 3, 0).isEmpty());
        QVERIFY(!tracker.entryFor(document, 0, 0, 0).isEmpty());
    }
};

QTEST_MAIN(TestLogJournal)
#include "test_logjournal.moc"
