// SPDX-License-Identifier: GPL-3.0-or-later
// Encoding a typed nominal into band colours, and the round trip back
// through the decoding.

#include "resistor/ColourCode.h"

#include <QTest>

using namespace resistor;

namespace {

QString colourOf(BandList list, int index)
{
    return index < 0 ? QStringLiteral("-") : bandTable(list).colours.value(index, QStringLiteral("?"));
}

// The bands as colour names, so that the table below reads like the label
// on a resistor: first, second, [third,] multiplier.
QString colourText(const EncodedBands &bands)
{
    QStringList colours{colourOf(BandList::FirstDigit, bands.firstDigit),
                        colourOf(BandList::SecondDigit, bands.secondDigit)};
    if (bands.setsThirdDigit)
        colours << colourOf(BandList::ThirdDigit, bands.thirdDigit);
    colours << colourOf(BandList::Multiplier, bands.multiplier);
    return colours.join(QStringLiteral(", "));
}

// Decodes the encoded bands as the window shows them: the third-digit list
// is shown only with five bands and otherwise sits at black.
QString decodedNominal(const EncodedBands &bands, QChar separator)
{
    const BandIndices indices{bands.firstDigit, bands.secondDigit, bands.setsThirdDigit ? bands.thirdDigit : 0,
                              bands.multiplier, 1};
    return decodeBands(indices, bands.setsThirdDigit, true, separator).nominal;
}

long long powerOfTen(int exponent)
{
    long long result = 1;
    while (exponent-- > 0)
        result *= 10;
    return result;
}

int decimalDigitCount(long long value)
{
    int count = 1;
    while (value >= 10) {
        value /= 10;
        ++count;
    }
    return count;
}

// Parses "4,7  КОм" into milliohms; -1 when the text does not have that shape.
long long milliohmsOf(const QString &text)
{
    const QStringList parts = text.split(QStringLiteral("  "));
    if (parts.size() != 2)
        return -1;
    static const QHash<QString, int> unitExponents{
        {QStringLiteral("Ом"), 0}, {QStringLiteral("КОм"), 3},
        {QStringLiteral("МОм"), 6}, {QStringLiteral("ГОм"), 9}};
    if (!unitExponents.contains(parts[1]))
        return -1;
    const QStringList number = parts[0].split(QLatin1Char(','));
    bool ok = false;
    const long long whole = number[0].toLongLong(&ok);
    if (!ok || number.size() > 2)
        return -1;
    long long thousandths = whole * 1000;
    if (number.size() == 2) {
        const QString fraction = number[1];
        if (fraction.isEmpty() || fraction.size() > 3 || fraction.endsWith(QLatin1Char('0')))
            return -1;
        thousandths += QString(fraction + QStringLiteral("00")).left(3).toLongLong(&ok);
        if (!ok)
            return -1;
    }
    return thousandths * powerOfTen(unitExponents.value(parts[1]));
}

} // namespace

class TestColourEncoding : public QObject
{
    Q_OBJECT

private slots:
    void encodes_data();
    void encodes();
    void encodesFractions_data();
    void encodesFractions();
    void leavesThirdDigitAloneBelowFiveBands_data();
    void leavesThirdDigitAloneBelowFiveBands();
    void outOfRangeValuesAreLimited_data();
    void outOfRangeValuesAreLimited();
    void roundTripCutsToSignificantDigits();
};

void TestColourEncoding::encodes_data()
{
    QTest::addColumn<qlonglong>("value");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<QString>("colours");
    QTest::addColumn<QString>("nominal");

    QTest::newRow("5 ohms") << 5LL << int(Ohms) << int(FourBands)
                            << "зелёный, чёрный, золотистый" << "5  Ом";
    QTest::newRow("5 ohms, five bands") << 5LL << int(Ohms) << int(FiveBands)
                                        << "зелёный, чёрный, чёрный, серебристый" << "5  Ом";
    QTest::newRow("5 ohms, three bands") << 5LL << int(Ohms) << int(ThreeBands)
                                         << "зелёный, чёрный, золотистый" << "5  Ом";
    QTest::newRow("10 ohms") << 10LL << int(Ohms) << int(FourBands)
                             << "коричневый, чёрный, чёрный" << "10  Ом";
    QTest::newRow("10 ohms, five bands") << 10LL << int(Ohms) << int(FiveBands)
                                         << "коричневый, чёрный, чёрный, золотистый" << "10  Ом";
    QTest::newRow("4799 ohms cut to two digits") << 4799LL << int(Ohms) << int(FourBands)
                                                 << "жёлтый, фиолетовый, красный" << "4,7  КОм";
    QTest::newRow("4799 ohms cut to three digits") << 4799LL << int(Ohms) << int(FiveBands)
                                                   << "жёлтый, фиолетовый, белый, коричневый" << "4790  Ом";
    QTest::newRow("47 kiloohms") << 47LL << int(Kiloohms) << int(FourBands)
                                 << "жёлтый, фиолетовый, оранжевый" << "47  КОм";
    QTest::newRow("47 ohms") << 47LL << int(Ohms) << int(FourBands)
                             << "жёлтый, фиолетовый, чёрный" << "47  Ом";
    QTest::newRow("47 kiloohms, five bands") << 47LL << int(Kiloohms) << int(FiveBands)
                                             << "жёлтый, фиолетовый, чёрный, красный" << "47  КОм";
    QTest::newRow("largest, kiloohms") << 99999999LL << int(Kiloohms) << int(FourBands)
                                       << "белый, белый, белый" << "99  ГОм";
    QTest::newRow("largest, kiloohms, five bands") << 99999999LL << int(Kiloohms) << int(FiveBands)
                                                   << "белый, белый, белый, серый" << "99,9  ГОм";
    QTest::newRow("largest, ohms") << 99999999LL << int(Ohms) << int(FourBands)
                                   << "белый, белый, голубой" << "99  МОм";
    QTest::newRow("zero leaves the first list without a selection") << 0LL << int(Ohms) << int(FourBands)
                                                                    << "-, чёрный, золотистый" << "0  Ом";
    QTest::newRow("zero in kiloohms") << 0LL << int(Kiloohms) << int(FourBands)
                                      << "-, чёрный, красный" << "0  КОм";
    QTest::newRow("zero, five bands") << 0LL << int(Ohms) << int(FiveBands)
                                      << "-, чёрный, чёрный, серебристый" << "0  Ом";
    QTest::newRow("unit without selection counts as ohms") << 47LL << -1 << int(FourBands)
                                                           << "жёлтый, фиолетовый, чёрный" << "47  Ом";
    QTest::newRow("band count without selection codes two digits") << 4799LL << int(Ohms) << -1
                                                                   << "жёлтый, фиолетовый, красный" << "4,7  КОм";
}

void TestColourEncoding::encodes()
{
    QFETCH(qlonglong, value);
    QFETCH(int, unit);
    QFETCH(int, bandCount);
    QFETCH(QString, colours);
    QFETCH(QString, nominal);

    const EncodedBands bands = encodeNominal(value, unit, bandCount).value();
    QCOMPARE(colourText(bands), colours);
    QCOMPARE(decodedNominal(bands, u','), nominal);
}

void TestColourEncoding::encodesFractions_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<QString>("colours"); // empty: the bands cannot carry it

    QTest::newRow("4,7 kiloohms") << 4.7 << int(Kiloohms) << int(FourBands) << "жёлтый, фиолетовый, красный";
    QTest::newRow("4,7 ohms, gold") << 4.7 << int(Ohms) << int(FourBands) << "жёлтый, фиолетовый, золотистый";
    QTest::newRow("0,5 ohms, silver") << 0.5 << int(Ohms) << int(FourBands) << "зелёный, чёрный, серебристый";
    QTest::newRow("0,1 ohms, the smallest") << 0.1 << int(Ohms) << int(ThreeBands)
                                            << "коричневый, чёрный, серебристый";
    QTest::newRow("4,7 ohms, five bands") << 4.7 << int(Ohms) << int(FiveBands)
                                          << "жёлтый, фиолетовый, чёрный, серебристый";
    QTest::newRow("0,0047 kiloohms") << 0.0047 << int(Kiloohms) << int(FourBands)
                                     << "жёлтый, фиолетовый, золотистый";
    QTest::newRow("0,09 ohms refused") << 0.09 << int(Ohms) << int(FourBands) << "";
    QTest::newRow("0,5 ohms refused with five bands") << 0.5 << int(Ohms) << int(FiveBands) << "";
}

void TestColourEncoding::encodesFractions()
{
    QFETCH(double, value);
    QFETCH(int, unit);
    QFETCH(int, bandCount);
    QFETCH(QString, colours);

    const std::optional<EncodedBands> bands = encodeNominal(value, unit, bandCount);
    QCOMPARE(bands ? colourText(*bands) : QString(), colours);
    const long double smallest = smallestNominalOhms(bandCount);
    QCOMPARE(bands.has_value(), value * (unit == Kiloohms ? 1000 : 1) >= smallest);
}

void TestColourEncoding::leavesThirdDigitAloneBelowFiveBands_data()
{
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<bool>("setsThird");

    QTest::newRow("three") << int(ThreeBands) << false;
    QTest::newRow("four") << int(FourBands) << false;
    QTest::newRow("five") << int(FiveBands) << true;
}

void TestColourEncoding::leavesThirdDigitAloneBelowFiveBands()
{
    QFETCH(int, bandCount);
    QFETCH(bool, setsThird);
    QCOMPARE(encodeNominal(123, Ohms, bandCount).value().setsThirdDigit, setsThird);
}

void TestColourEncoding::outOfRangeValuesAreLimited_data()
{
    QTest::addColumn<qlonglong>("value");
    QTest::addColumn<qlonglong>("limitedTo");

    QTest::newRow("negative") << -5LL << 0LL;
    QTest::newRow("nine digits") << 123456789LL << 99999999LL;
}

void TestColourEncoding::outOfRangeValuesAreLimited()
{
    QFETCH(qlonglong, value);
    QFETCH(qlonglong, limitedTo);

    for (const int bandCount : {int(FourBands), int(FiveBands)}) {
        const EncodedBands bands = encodeNominal(value, Kiloohms, bandCount).value();
        const EncodedBands limited = encodeNominal(limitedTo, Kiloohms, bandCount).value();
        QCOMPARE(colourText(bands), colourText(limited));
        QVERIFY(bands.multiplier >= 0 && bands.multiplier < bandTable(BandList::Multiplier).colours.size());
    }
}

void TestColourEncoding::roundTripCutsToSignificantDigits()
{
    int checked = 0;
    for (const int bandCount : {int(ThreeBands), int(FourBands), int(FiveBands)}) {
        const int kept = bandCount == FiveBands ? 3 : 2;
        for (const int unit : {int(Kiloohms), int(Ohms)}) {
            for (long long mantissa = 1; mantissa <= 999; ++mantissa) {
                for (long long value = mantissa; value <= largestNominal; value *= 10) {
                    const int dropped = std::max(0, decimalDigitCount(value) - kept);
                    const long long cut = value / powerOfTen(dropped) * powerOfTen(dropped);
                    const long long expectedMilliohms = cut * (unit == Kiloohms ? 1000000 : 1000);

                    const EncodedBands bands = encodeNominal(value, unit, bandCount).value();
                    const QString nominal = decodedNominal(bands, u',');
                    if (milliohmsOf(nominal) != expectedMilliohms) {
                        QFAIL(qPrintable(QStringLiteral("%1 (unit %2, band count %3) decodes as \"%4\"")
                                             .arg(value).arg(unit).arg(bandCount).arg(nominal)));
                    }
                    // The unit follows the multiplier band: the number shown
                    // stays within what the digit bands can form.
                    const long long shownThousandths = milliohmsOf(nominal.section(QStringLiteral("  "), 0, 0)
                                                                   + QStringLiteral("  Ом"));
                    QVERIFY2(shownThousandths >= 100 && shownThousandths <= 9990000, qPrintable(nominal));
                    ++checked;
                }
            }
        }
    }
    QVERIFY(checked > 3 * 2 * 999 * 5);
}

QTEST_GUILESS_MAIN(TestColourEncoding)
#include "test_colourencoding.moc"
