// SPDX-License-Identifier: GPL-3.0-or-later
// The pages a print job puts on paper, from the print dialog's choices.

#include "coil/PrintedPages.h"

#include <QTest>

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
};

QTEST_GUILESS_MAIN(TestPrintedPages)
#include "test_printedpages.moc"
