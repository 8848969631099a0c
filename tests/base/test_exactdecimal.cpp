// SPDX-License-Identifier: GPL-3.0-or-later
// A decimal text becomes the nearest long double, not the nearest double
// widened (as mingw's from_chars gives), and only a whole number is read.
#include "base/ExactDecimal.h"

#include <QTest>

Q_DECLARE_METATYPE(long double)

class TestExactDecimal : public QObject
{
    Q_OBJECT
private slots:
    void nearestLongDouble_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<long double>("expected");
        // Each of these lies between two doubles: a double's reading differs.
        QTest::newRow("one tenth") << QByteArray("0.1") << 0.1L;
        QTest::newRow("typed into a spin box") << QByteArray("1.2345") << 1.2345L;
        QTest::newRow("negative") << QByteArray("-12.3") << -12.3L;
        QTest::newRow("twenty digits") << QByteArray("123456789.98765432109") << 123456789.98765432109L;
        QTest::newRow("exponent") << QByteArray("1e-3") << 1e-3L;
        QTest::newRow("whole number") << QByteArray("7") << 7.0L;
    }
    void nearestLongDouble()
    {
        QFETCH(QByteArray, text);
        QFETCH(long double, expected);
        const std::optional<long double> value = base::readExactDecimal(text.toStdString());
        QVERIFY(value);
        QVERIFY(*value == expected);
    }

    void onlyAWholeNumberIsRead_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("minus alone") << QByteArray("-");
        QTest::newRow("two points") << QByteArray("1.2.3");
        QTest::newRow("comma") << QByteArray("1,5");
        QTest::newRow("leading blank") << QByteArray(" 1");
        QTest::newRow("trailing blank") << QByteArray("1 ");
        QTest::newRow("letters") << QByteArray("abc");
    }
    void onlyAWholeNumberIsRead()
    {
        QFETCH(QByteArray, text);
        QVERIFY(!base::readExactDecimal(text.toStdString()));
    }
};

QTEST_GUILESS_MAIN(TestExactDecimal)
#include "test_exactdecimal.moc"
