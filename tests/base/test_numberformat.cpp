// SPDX-License-Identifier: GPL-3.0-or-later
// The number texts of the result blocks: the two-stage digit reduction, the
// general format and the number format, at their rounding boundaries and
// under a comma and a point locale.

#include "base/NumberFormat.h"

#include "support/NumberHelpers.h"

#include <QTest>

using base::NumberSeparators;
using numbers::commaLocale;
using numbers::longDouble;
using numbers::pointLocale;

Q_DECLARE_METATYPE(base::NumberSeparators)

class TestNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void significantDigits_data();
    void significantDigits();
    void roundHalfUp_data();
    void roundHalfUp();
    void general_data();
    void general();
    void generalOfComputedValues_data();
    void generalOfComputedValues();
    void number_data();
    void number();
};

void TestNumberFormat::significantDigits_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("digits");
    QTest::addColumn<int>("exponent");
    QTest::addColumn<bool>("negative");

    QTest::newRow("one") << "1" << QByteArray("100000000000000000") << 1 << false;
    QTest::newRow("0.1 is just above a tenth") << "0.1" << QByteArray("100000000000000000") << 0 << false;
    // 1.0045 is stored just below; 18 digits round it back up to ...450.
    QTest::newRow("1.0045 stored below") << "1.0045" << QByteArray("100450000000000000") << 1 << false;
    QTest::newRow("2 to the 64th") << "18446744073709551616" << QByteArray("184467440737095516") << 20 << false;
    QTest::newRow("rounds up in the 18th digit") << "0.1234567890123456789" << QByteArray("123456789012345679") << 0 << false;
    QTest::newRow("carry into a new digit") << "9.999999999999999999" << QByteArray("100000000000000000") << 2 << false;
    QTest::newRow("negative small") << "-0.000142" << QByteArray("142000000000000000") << -3 << true;
}

void TestNumberFormat::significantDigits()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, digits);
    QFETCH(int, exponent);
    QFETCH(bool, negative);

    const base::DecimalDigits actual = base::significantDigits(longDouble(value));
    QCOMPARE(actual.digits, digits);
    QCOMPARE(actual.exponent, exponent);
    QCOMPARE(actual.negative, negative);
}

void TestNumberFormat::roundHalfUp_data()
{
    QTest::addColumn<QByteArray>("digits");
    QTest::addColumn<int>("keep");
    QTest::addColumn<QByteArray>("expectedDigits");
    QTest::addColumn<int>("expectedExponent");

    // Inputs all have exponent 1: 0.d1d2... * 10.
    QTest::newRow("5 first dropped rounds up") << QByteArray("125000") << 2 << QByteArray("13") << 1;
    QTest::newRow("4999 first dropped is cut") << QByteArray("124999") << 2 << QByteArray("12") << 1;
    QTest::newRow("9s carry inward") << QByteArray("1996") << 3 << QByteArray("2") << 1;
    QTest::newRow("carry out of first digit") << QByteArray("9996") << 3 << QByteArray("1") << 2;
    QTest::newRow("trailing zeros dropped") << QByteArray("120000") << 6 << QByteArray("12") << 1;
    QTest::newRow("keep more than there are") << QByteArray("12") << 18 << QByteArray("12") << 1;
    QTest::newRow("keep none, first digit 5") << QByteArray("5") << 0 << QByteArray("1") << 2;
    QTest::newRow("keep none, first digit 4") << QByteArray("49") << 0 << QByteArray() << 0;
    QTest::newRow("keep negative count") << QByteArray("99") << -1 << QByteArray() << 0;
}

void TestNumberFormat::roundHalfUp()
{
    QFETCH(QByteArray, digits);
    QFETCH(int, keep);
    QFETCH(QByteArray, expectedDigits);
    QFETCH(int, expectedExponent);

    base::DecimalDigits number;
    number.digits = digits;
    number.exponent = 1;
    const base::DecimalDigits rounded = base::roundHalfUp(number, keep);
    QCOMPARE(rounded.digits, expectedDigits);
    QCOMPARE(rounded.exponent, expectedExponent);
}

void TestNumberFormat::general_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<NumberSeparators>("separators");
    QTest::addColumn<QString>("expected");

    const NumberSeparators comma = commaLocale();
    const NumberSeparators point = pointLocale();
    QTest::newRow("whole number") << "20" << comma << "20";
    QTest::newRow("half, comma") << "0.5" << comma << "0,5";
    QTest::newRow("half, point") << "0.5" << point << "0.5";
    QTest::newRow("no grouping, comma") << "1234567" << comma << "1234567";
    QTest::newRow("no grouping, point") << "1234567" << point << "1234567";
    QTest::newRow("typed beyond the box's decimals") << "1.2345" << comma << "1,2345";
    QTest::newRow("zero") << "0" << comma << "0";
    QTest::newRow("negative zero has no sign") << "-0" << comma << "0";
    QTest::newRow("negative") << "-2.5" << point << "-2.5";
    QTest::newRow("smallest positional") << "0.0001" << comma << "0,0001";
    QTest::newRow("leading zeros after separator") << "0.00012345" << comma << "0,00012345";
    QTest::newRow("below 0.0001 goes scientific") << "0.00005" << comma << "5E-5";
    QTest::newRow("scientific with fraction, point") << "0.000012345" << point << "1.2345E-5";
    QTest::newRow("largest positional") << "999999999999999" << comma << "999999999999999";
    QTest::newRow("10^15 goes scientific") << "1e15" << comma << "1E15";
    QTest::newRow("cut to 15 digits") << "123456789012345678" << comma << "1,23456789012346E17";
    QTest::newRow("tiny") << "1e-20" << comma << "1E-20";
    QTest::newRow("15 nines and more carry") << "9.9999999999999999" << comma << "10";
    // Stored just below ...025; the first stage gives ...02500 and half up keeps 3.
    QTest::newRow("two-stage rounding at digit 16") << "1.000000000000025" << comma << "1,00000000000003";
    QTest::newRow("spin box maximum") << "100000" << comma << "100000";
}

void TestNumberFormat::general()
{
    QFETCH(QString, value);
    QFETCH(NumberSeparators, separators);
    QFETCH(QString, expected);

    QCOMPARE(base::formatGeneral(longDouble(value), separators), expected);
}

// Values as the resistor labels compute them: products and quotients whose
// binary noise the 15 digits must hide.
void TestNumberFormat::generalOfComputedValues_data()
{
    QTest::addColumn<long double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("4,7 from 47 * 0.1") << 47.0L * 0.1L << "4,7";
    QTest::newRow("9,99 from 999 * 0.01") << 999.0L * 0.01L << "9,99";
    QTest::newRow("a third") << 1.0L / 3.0L << "0,333333333333333";
    QTest::newRow("sixteenth digit rounds up") << 1.0000000000000051L << "1,00000000000001";
    QTest::newRow("sixteenth digit below five is dropped") << 1.0000000000000049L << "1";
    QTest::newRow("rounds into sixteen digits") << 999999999999999.9L << "1E15";
}

void TestNumberFormat::generalOfComputedValues()
{
    QFETCH(long double, value);
    QFETCH(QString, expected);
    QCOMPARE(base::formatGeneral(value, numbers::commaLocale()), expected);
}

void TestNumberFormat::number_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("precision");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<NumberSeparators>("separators");
    QTest::addColumn<QString>("expected");

    const NumberSeparators comma = commaLocale();
    const NumberSeparators point = pointLocale();
    const QString nbsp(QChar(0x00A0));
    const NumberSeparators noGrouping{QStringLiteral(","), QString()};

    QTest::newRow("inductance 2,759") << "2.7586206896551724" << 10 << 3 << comma << "2,759";
    QTest::newRow("inductance 2.759") << "2.7586206896551724" << 10 << 3 << point << "2.759";
    QTest::newRow("grouped, comma") << "186153.84615384615" << 10 << 3 << comma << "186" + nbsp + "153,846";
    QTest::newRow("grouped, point") << "186153.84615384615" << 10 << 3 << point << "186,153.846";
    QTest::newRow("no thousands separator") << "1234567" << 10 << 3 << noGrouping << "1234567,000";
    QTest::newRow("negative grouped") << "-1234.5" << 10 << 3 << point << "-1,234.500";
    QTest::newRow("rounds up to 0,100") << "0.0998292909" << 10 << 3 << comma << "0,100";
    QTest::newRow("zero") << "0" << 10 << 3 << comma << "0,000";
    QTest::newRow("negative to zero, no sign") << "-0.000142" << 10 << 3 << comma << "0,000";
    QTest::newRow("negative, first kept digit 4") << "-0.0004" << 10 << 3 << comma << "0,000";
    QTest::newRow("negative half rounds away") << "-0.0005" << 10 << 3 << comma << "-0,001";
    QTest::newRow("no digit kept, first digit 6") << "0.0006" << 10 << 3 << comma << "0,001";
    QTest::newRow("-0,001 from ln(1) - 1") << "-0.001" << 10 << 3 << comma << "-0,001";
    // Stored below the half: a single correctly rounded step would give 1,004.
    QTest::newRow("1.0045 two-stage") << "1.0045" << 10 << 3 << comma << "1,005";
    QTest::newRow("2.675 two-stage") << "2.675" << 5 << 2 << point << "2.68";
    QTest::newRow("999.9995 carries to a new group") << "999.9995" << 10 << 3 << comma << "1" + nbsp + "000,000";
    QTest::newRow("carry into tens") << "9.96" << 5 << 1 << comma << "10,0";
    QTest::newRow("precision limits turns") << "10002.199758" << 5 << 1 << comma << "10" + nbsp + "002,0";
    QTest::newRow("precision limits turns, point") << "10002.199758" << 5 << 1 << point << "10,002.0";
    QTest::newRow("two decimals") << "0.099978007" << 5 << 2 << comma << "0,10";
    QTest::newRow("integer part as long as precision") << "1234567890.4" << 10 << 3 << comma
                                                       << "1" + nbsp + "234" + nbsp + "567" + nbsp + "890,000";
    QTest::newRow("integer part longer than precision") << "22222222222.222222" << 10 << 3 << comma << "2,222222222E010";
    QTest::newRow("scientific, point") << "22222222222.222222" << 10 << 3 << point << "2.222222222E010";
    QTest::newRow("scientific, trailing zeros dropped") << "12345678901" << 10 << 3 << comma << "1,23456789E010";
    QTest::newRow("carry pushes past precision") << "99999.96" << 5 << 1 << comma << "1E5";
    QTest::newRow("no decimals") << "2.5" << 10 << 0 << comma << "3";
    QTest::newRow("no decimals, grouped") << "1234567.4" << 10 << 0 << point << "1,234,567";
}

void TestNumberFormat::number()
{
    QFETCH(QString, value);
    QFETCH(int, precision);
    QFETCH(int, decimals);
    QFETCH(NumberSeparators, separators);
    QFETCH(QString, expected);

    QCOMPARE(base::formatNumber(longDouble(value), precision, decimals, separators), expected);
}

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "test_numberformat.moc"
