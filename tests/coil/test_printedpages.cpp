// SPDX-License-Identifier: GPL-3.0-or-later
// How the log goes onto paper: the margins, where the pages break, and the
// pages a print job puts on paper from the print dialog's choices.

#include "coil/PrintedPages.h"
#include "support/SampleLog.h"

#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextBlock>

class TestPrintedPages : public QObject
{
    Q_OBJECT
private slots:
    void pagesToPrint_data()
    {
        QTest::addColumn<QString>("ranges");  // as typed in the dialog; empty: all pages
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("collate");
        QTest::addColumn<bool>("lastFirst");
        QTest::addColumn<QList<int>>("pages");

        QTest::newRow("all") << "" << 1 << true << false << QList<int>{1, 2, 3};
        QTest::newRow("second page only") << "2-2" << 1 << true << false << QList<int>{2};
        QTest::newRow("range past the end") << "2-9" << 1 << true << false << QList<int>{2, 3};
        QTest::newRow("range beyond the log") << "5-7" << 1 << true << false << QList<int>{};
        QTest::newRow("pages apart") << "1,3" << 1 << true << false << QList<int>{1, 3};
        QTest::newRow("two copies collated") << "" << 2 << true << false << QList<int>{1, 2, 3, 1, 2, 3};
        QTest::newRow("two copies uncollated") << "1-2" << 2 << false << false << QList<int>{1, 1, 2, 2};
        QTest::newRow("last page first") << "" << 1 << true << true << QList<int>{3, 2, 1};
        QTest::newRow("no copies asked is one") << "3" << 0 << true << false << QList<int>{3};
    }
    void pagesToPrint()
    {
        QFETCH(QString, ranges);
        QFETCH(int, copies);
        QFETCH(bool, collate);
        QFETCH(bool, lastFirst);
        QFETCH(QList<int>, pages);
        QCOMPARE(coil::pagesToPrint(3, QPageRanges::fromString(ranges), copies, collate, lastFirst), pages);
    }

    void printMargins_data()
    {
        QTest::addColumn<QMarginsF>("printerMinimum");
        QTest::addColumn<QMarginsF>("margins");
        QTest::newRow("PDF, no minimum") << QMarginsF() << QMarginsF(20, 10, 10, 10);
        QTest::newRow("a few millimetres") << QMarginsF(4.2, 4.2, 4.2, 6) << QMarginsF(20, 10, 10, 10);
        QTest::newRow("larger minimum at top and right")
            << QMarginsF(3, 12.5, 11, 2) << QMarginsF(20, 12.5, 11, 10);
    }
    void printMargins()
    {
        QFETCH(QMarginsF, printerMinimum);
        QFETCH(QMarginsF, margins);
        QCOMPARE(coil::printMargins(printerMinimum), margins);
    }

    // Forty result blocks: every page after the first starts with a block's
    // "Опыт №" line, the pages follow each other without a gap, and none is
    // higher than the paper. A page lower than a block still cuts it.
    void pagesKeepResultBlocksWhole_data()
    {
        QTest::addColumn<qreal>("pageHeight");
        QTest::addColumn<bool>("blocksWhole");
        QTest::newRow("one block a page") << 260.0 << true;
        QTest::newRow("a few blocks a page") << 700.0 << true;
        QTest::newRow("page lower than a block") << 90.0 << false;
    }
    void pagesKeepResultBlocksWhole()
    {
        QFETCH(qreal, pageHeight);
        QFETCH(bool, blocksWhole);
        QTextDocument document;
        QFont font(QStringLiteral("Times New Roman"));
        font.setPixelSize(13);
        document.setDefaultFont(font);
        sample::appendBlocks(&document, 1, 40);
        document.setDocumentMargin(0);
        document.setTextWidth(400);

        const QList<coil::PageSlice> pages = coil::documentPages(document, pageHeight);
        QVERIFY(pages.size() > 2);
        QCOMPARE(pages.constFirst().top, 0.0);
        QCOMPARE(pages.constLast().bottom, document.documentLayout()->documentSize().height());
        for (qsizetype i = 0; i < pages.size(); ++i) {
            const coil::PageSlice &page = pages.at(i);
            QVERIFY2(page.bottom > page.top && page.bottom - page.top <= pageHeight,
                     qPrintable(QString::number(i)));
            if (i == 0)
                continue;
            QCOMPARE(page.top, pages.at(i - 1).bottom);
            const int at = document.documentLayout()->hitTest(QPointF(2, page.top + 1), Qt::FuzzyHit);
            const QString firstLine = document.findBlock(at).text();
            if (blocksWhole)
                QVERIFY2(firstLine.contains(QStringLiteral("Опыт №")), qPrintable(firstLine));
        }
    }
};

QTEST_MAIN(TestPrintedPages)
#include "test_printedpages.moc"
