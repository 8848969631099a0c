// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Dialogs.h"

#include <QTest>

class TestDialogFilters : public QObject
{
    Q_OBJECT
private slots:
    void bothCases_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("shown");
        QTest::newRow("upper-case extension gains lower case")
            << "Rich Text Files (*.RTF)" << "Rich Text Files (*.RTF *.rtf)";
        QTest::newRow("several patterns") << "Logs (*.RTF *.TXT)" << "Logs (*.RTF *.rtf *.TXT *.txt)";
        QTest::newRow("all files stay as they are") << QString::fromUtf8("Все файлы (*.*)")
                                                    << QString::fromUtf8("Все файлы (*.*)");
        QTest::newRow("no pattern list") << "Anything" << "Anything";
    }
    void bothCases()
    {
        QFETCH(QString, filter);
        QFETCH(QString, shown);
        QCOMPARE(ui::filterMatchingBothCases(filter), shown);
    }
};

QTEST_GUILESS_MAIN(TestDialogFilters)
#include "test_dialogfilters.moc"
