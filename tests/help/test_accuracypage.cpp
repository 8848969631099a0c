// SPDX-License-Identifier: GPL-3.0-or-later
// The help's page "Точность формул" prints the same figures that the result
// blocks quote: every cell of its tables against the program's own table.

#include "coil/FormulaAccuracy.h"
#include "help/HelpPages.h"

#include <QTest>
#include <cmath>

using coil::AccuracyTable;

Q_DECLARE_METATYPE(coil::AccuracyTable)

namespace {

using Table = QList<QStringList>; // rows of cell texts, the heading row first

// The page's tables in order, each cell's text without markup; "−" as "-".
QList<Table> pageTables()
{
    QString page = helppages::readPage(QStringLiteral(BANDIMOR_HELP_DIR "/accuracy.html"));
    page.replace(QLatin1String("&minus;"), QLatin1String("-"));
    static const QRegularExpression table(QStringLiteral("<table[^>]*>(.*?)</table>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression row(QStringLiteral("<tr>(.*?)</tr>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(QStringLiteral("<t[dh]>(.*?)</t[dh]>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QList<Table> tables;
    for (const QRegularExpressionMatch &t : table.globalMatch(page)) {
        Table rows;
        for (const QRegularExpressionMatch &r : row.globalMatch(t.captured(1))) {
            QStringList cells;
            for (const QRegularExpressionMatch &c : cell.globalMatch(r.captured(1)))
                cells << helppages::decodeReferences(c.captured(1)).trimmed();
            rows << cells;
        }
        tables << rows;
    }
    return tables;
}

double number(const QString &text)
{
    bool ok = false;
    const double value = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok)
        qFatal("not a number on the page: %s", qPrintable(text));
    return value;
}

int tenths(const QString &text)
{
    return static_cast<int>(std::lround(number(text) * 10.0));
}

} // namespace

class TestAccuracyPage : public QObject
{
    Q_OBJECT

private slots:
    void column_data()
    {
        QTest::addColumn<AccuracyTable>("table");
        QTest::addColumn<int>("pageTable");
        QTest::addColumn<int>("pageColumn");
        QTest::newRow("single-layer, 45 and 10") << AccuracyTable::SingleLayerPair45 << 0 << 1;
        QTest::newRow("single-layer, 40 and 11") << AccuracyTable::SingleLayerPair40 << 0 << 2;
        QTest::newRow("turns tab, L") << AccuracyTable::TurnsInductance << 0 << 4;
        QTest::newRow("turns tab, turns") << AccuracyTable::TurnsCount << 0 << 5;
        QTest::newRow("straight wire") << AccuracyTable::StraightWire << 2 << 1;
    }
    void column()
    {
        QFETCH(AccuracyTable, table);
        QFETCH(int, pageTable);
        QFETCH(int, pageColumn);
        const QList<Table> tables = pageTables();
        QCOMPARE(tables.size(), 3);
        const Table page = tables.at(pageTable).mid(1);
        const coil::AccuracyFigures &figures = coil::accuracyFigures(table);
        QCOMPARE(page.size(), figures.rows.size());
        for (int i = 0; i < page.size(); ++i) {
            QCOMPARE(number(page.at(i).at(0)), figures.rows.at(i));
            QCOMPARE(tenths(page.at(i).at(pageColumn)), figures.errorTenths.at(i));
        }
    }

    void multiLayerGrid()
    {
        const Table page = pageTables().at(1);
        const coil::AccuracyFigures &figures = coil::accuracyFigures(AccuracyTable::MultiLayer);
        QCOMPARE(page.size(), figures.rows.size() + 1);
        QCOMPARE(page.at(0).size(), figures.columns.size() + 1);
        for (int c = 0; c < figures.columns.size(); ++c)
            QCOMPARE(number(page.at(0).at(c + 1)), figures.columns.at(c));
        for (int r = 0; r < figures.rows.size(); ++r) {
            QCOMPARE(number(page.at(r + 1).at(0)), figures.rows.at(r));
            for (int c = 0; c < figures.columns.size(); ++c)
                QCOMPARE(tenths(page.at(r + 1).at(c + 1)),
                         figures.errorTenths.at(r * figures.columns.size() + c));
        }
    }
};

QTEST_APPLESS_MAIN(TestAccuracyPage)
#include "test_accuracypage.moc"
