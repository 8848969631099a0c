// The general number format: 15 significant digits, no trailing zeros, the
// caller's decimal separator.

#include "resistor/GeneralNumberText.h"

#include <QTest>
#include <limits>

using resistor::generalNumberText;

class TestGeneralNumberText : public QObject
{
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
    void specialValues();
};

void TestGeneralNumberText::formats_data()
{
    QTest::addColumn<long double>("value");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("expected");

    const QChar comma(u','), point(u'.');
    QTest::newRow("whole number") << 12.0L << comma << "12";
    QTest::newRow("one decimal, comma") << 4.7L << comma << "4,7";
    QTest::newRow("one decimal, point") << 4.7L << point << "4.7";
    QTest::newRow("below one") << 0.25L << comma << "0,25";
    QTest::newRow("below one, point") << 0.25L << point << "0.25";
    QTest::newRow("zeros of the integer kept") << 9990.0L << comma << "9990";
    QTest::newRow("zero") << 0.0L << comma << "0";
    QTest::newRow("negative zero has no sign") << -0.0L << comma << "0";
    QTest::newRow("product with binary noise") << 47.0L * 0.1L << comma << "4,7";
    QTest::newRow("hundredths") << 999.0L * 0.01L << comma << "9,99";
    QTest::newRow("tenth of a tenth") << 0.01L << point << "0.01";
    QTest::newRow("negative") << -2.5L << comma << "-2,5";
    QTest::newRow("fifteen digits kept")
        << 123456789012345.0L << comma << "123456789012345";
    QTest::newRow("sixteenth digit rounds up")
        << 1.0000000000000051L << comma << "1,00000000000001";
    QTest::newRow("sixteenth digit below five is dropped")
        << 1.0000000000000049L << comma << "1";
    QTest::newRow("carry through all digits") << 9.9999999999999999L << comma << "10";
    QTest::newRow("a third") << 1.0L / 3.0L << comma << "0,333333333333333";
    QTest::newRow("smallest positional") << 0.0001L << comma << "0,0001";
    QTest::newRow("below positional range") << 0.00005L << comma << "5E-5";
    QTest::newRow("scientific with fraction") << 0.000015L << point << "1.5E-5";
    QTest::newRow("sixteen integer digits") << 1e15L << comma << "1E15";
    QTest::newRow("rounds into sixteen digits") << 999999999999999.9L << comma << "1E15";
}

void TestGeneralNumberText::formats()
{
    QFETCH(long double, value);
    QFETCH(QChar, separator);
    QFETCH(QString, expected);
    QCOMPARE(generalNumberText(value, separator), expected);
}

void TestGeneralNumberText::specialValues()
{
    // Nothing in the program should produce these, but they must not turn
    // into digits that look like a result.
    QCOMPARE(generalNumberText(std::numeric_limits<long double>::infinity(), u','), QStringLiteral("INF"));
    QCOMPARE(generalNumberText(-std::numeric_limits<long double>::infinity(), u','), QStringLiteral("-INF"));
    QCOMPARE(generalNumberText(std::numeric_limits<long double>::quiet_NaN(), u','), QStringLiteral("NAN"));
}

QTEST_GUILESS_MAIN(TestGeneralNumberText)
#include "test_generalnumbertext.moc"
