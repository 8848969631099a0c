// SPDX-License-Identifier: GPL-3.0-or-later
// The band tables, the band-count rule and the decoding of the bands into the
// nominal and tolerance texts.

#include "resistor/ColourCode.h"

#include <QTest>

using namespace resistor;

Q_DECLARE_METATYPE(resistor::BandIndices)

namespace {

int colourIndex(BandList list, const char *colour)
{
    const int index = bandTable(list).colours.indexOf(QString::fromUtf8(colour));
    Q_ASSERT_X(index >= 0, "colourIndex", colour);
    return index;
}

// The design-time colours with the third digit and tolerance as a band count
// leaves them: brown, red, black, orange, gold.
BandIndices designBands()
{
    return {0, 2, 0, 5, 1};
}

// The value a multiplier band stands for, as a power of ten of ohms, and the
// power of ten of the unit it is shown in; written out apart from the code.
struct MultiplierExpectation
{
    int ohmsExponent;   // one unit of N is 10^ohmsExponent ohms
    int unitExponent;   // the unit is 10^unitExponent ohms
    const char *unit;
};

const MultiplierExpectation multipliers[12] = {
    {-2, 0, "Ом"}, {-1, 0, "Ом"}, {0, 0, "Ом"}, {1, 0, "Ом"},
    {2, 3, "КОм"}, {3, 3, "КОм"}, {4, 3, "КОм"},
    {5, 6, "МОм"}, {6, 6, "МОм"}, {7, 6, "МОм"},
    {8, 9, "ГОм"}, {9, 9, "ГОм"},
};

long long powerOfTen(int exponent)
{
    long long result = 1;
    while (exponent-- > 0)
        result *= 10;
    return result;
}

// Thousandths of a unit written the way the labels write numbers.
QString textOfThousandths(long long thousandths, QChar separator)
{
    QString text = QString::number(thousandths / 1000);
    QString fraction = QStringLiteral("%1").arg(thousandths % 1000, 3, 10, QLatin1Char('0'));
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += separator + fraction;
    return text;
}

} // namespace

class TestColourDecoding : public QObject
{
    Q_OBJECT

private slots:
    void tables_data();
    void tables();
    void decodes_data();
    void decodes();
    void bandCountLayouts_data();
    void bandCountLayouts();
    void noBandCountSelected();
    void everyBandStateDecodesToItsValue();
};

void TestColourDecoding::tables_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("colours");
    QTest::addColumn<int>("designIndex");
    QTest::addColumn<int>("visibleRows");

    QTest::newRow("first digit") << int(BandList::FirstDigit)
        << "коричневый красный оранжевый жёлтый зелёный голубой фиолетовый серый белый" << 0 << 10;
    QTest::newRow("second digit") << int(BandList::SecondDigit)
        << "чёрный коричневый красный оранжевый жёлтый зелёный голубой фиолетовый серый белый" << 2 << 10;
    QTest::newRow("third digit") << int(BandList::ThirdDigit)
        << "чёрный коричневый красный оранжевый жёлтый зелёный голубой фиолетовый серый белый" << 1 << 10;
    QTest::newRow("multiplier") << int(BandList::Multiplier)
        << "серебристый золотистый чёрный коричневый красный оранжевый жёлтый зелёный голубой фиолетовый серый белый"
        << 5 << 12;
    QTest::newRow("tolerance") << int(BandList::Tolerance)
        << "серебристый золотистый коричневый красный зелёный голубой фиолетовый серый" << 1 << 8;
}

void TestColourDecoding::tables()
{
    QFETCH(int, list);
    QFETCH(QString, colours);
    QFETCH(int, designIndex);
    QFETCH(int, visibleRows);

    const BandTable table = bandTable(BandList(list));
    QCOMPARE(table.colours.join(QLatin1Char(' ')), colours);
    QCOMPARE(table.designIndex, designIndex);
    QCOMPARE(table.visibleRows, visibleRows);
}

void TestColourDecoding::decodes_data()
{
    QTest::addColumn<BandIndices>("bands");
    QTest::addColumn<bool>("thirdShown");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("nominal");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<bool>("toleranceShown");

    const QChar comma(u','), point(u'.');
    const auto first = [](const char *c) { return colourIndex(BandList::FirstDigit, c); };
    const auto digit = [](const char *c) { return colourIndex(BandList::SecondDigit, c); };
    const auto mult = [](const char *c) { return colourIndex(BandList::Multiplier, c); };
    const auto tol = [](const char *c) { return colourIndex(BandList::Tolerance, c); };
    const int gold = tol("золотистый");

    QTest::newRow("design state, four bands") << designBands() << false << comma << "12  КОм" << "  ± 5%" << true;
    QTest::newRow("design state, five bands") << designBands() << true << comma << "120  КОм" << "  ± 5%" << true;
    QTest::newRow("three bands: no tolerance band is ± 20 %, not the hidden blue")
        << BandIndices{0, 2, 0, 5, tol("голубой")} << false << comma << "12  КОм" << "  ± 20%" << false;
    QTest::newRow("three bands, whatever the hidden list holds")
        << BandIndices{0, 2, 0, 5, tol("серый")} << false << point << "12  КОм" << "  ± 20%" << false;
    QTest::newRow("four bands read the blue band") << BandIndices{0, 2, 0, 5, tol("голубой")} << false << comma
                                                   << "12  КОм" << "  ± 0,25%" << true;
    QTest::newRow("hidden third digit is ignored")
        << BandIndices{0, 2, digit("белый"), 5, gold} << false << comma << "12  КОм" << "  ± 5%" << true;
    QTest::newRow("smallest, four bands")
        << BandIndices{first("коричневый"), digit("чёрный"), 0, mult("серебристый"), gold}
        << false << comma << "0,1  Ом" << "  ± 5%" << true;
    QTest::newRow("smallest, five bands")
        << BandIndices{first("коричневый"), digit("чёрный"), digit("чёрный"), mult("серебристый"), gold}
        << true << comma << "1  Ом" << "  ± 5%" << true;
    QTest::newRow("longest number")
        << BandIndices{first("белый"), digit("белый"), digit("белый"), mult("коричневый"), gold}
        << true << comma << "9990  Ом" << "  ± 5%" << true;
    QTest::newRow("largest resistance, five bands")
        << BandIndices{first("белый"), digit("белый"), digit("белый"), mult("белый"), gold}
        << true << comma << "999  ГОм" << "  ± 5%" << true;
    QTest::newRow("largest resistance, four bands")
        << BandIndices{first("белый"), digit("белый"), 0, mult("белый"), gold}
        << false << comma << "99  ГОм" << "  ± 5%" << true;
    QTest::newRow("unit follows the band, not the value")
        << BandIndices{first("белый"), digit("белый"), 0, mult("жёлтый"), gold}
        << false << comma << "990  КОм" << "  ± 5%" << true;
    QTest::newRow("4.7 kiloohms, comma")
        << BandIndices{first("жёлтый"), digit("фиолетовый"), 0, mult("красный"), gold}
        << false << comma << "4,7  КОм" << "  ± 5%" << true;
    QTest::newRow("4.7 kiloohms, point")
        << BandIndices{first("жёлтый"), digit("фиолетовый"), 0, mult("красный"), gold}
        << false << point << "4.7  КОм" << "  ± 5%" << true;
    QTest::newRow("tolerance grey") << BandIndices{0, 2, 0, 5, tol("серый")} << false << comma
                                    << "12  КОм" << "  ± 0,05%" << true;
    QTest::newRow("tolerance grey, point") << BandIndices{0, 2, 0, 5, tol("серый")} << false << point
                                           << "12  КОм" << "  ± 0.05%" << true;
    QTest::newRow("tolerance green") << BandIndices{0, 2, 0, 5, tol("зелёный")} << false << comma
                                     << "12  КОм" << "  ± 0,5%" << true;
    QTest::newRow("tolerance silver") << BandIndices{0, 2, 0, 5, tol("серебристый")} << false << comma
                                      << "12  КОм" << "  ± 10%" << true;
    QTest::newRow("first digit without selection counts as 0")
        << BandIndices{-1, 0, 0, mult("золотистый"), gold} << false << comma << "0  Ом" << "  ± 5%" << true;
    QTest::newRow("encoded zero in kiloohms")
        << BandIndices{-1, 0, 0, mult("красный"), gold} << false << comma << "0  КОм" << "  ± 5%" << true;
    QTest::newRow("second digit without selection counts as 0")
        << BandIndices{first("жёлтый"), -1, 0, mult("чёрный"), gold} << false << comma << "40  Ом" << "  ± 5%" << true;
    QTest::newRow("multiplier without selection")
        << BandIndices{0, 2, 0, -1, gold} << false << comma << "0  " << "  ± 5%" << true;
    QTest::newRow("multiplier past the table")
        << BandIndices{0, 2, 0, 12, gold} << false << comma << "0  " << "  ± 5%" << true;
    QTest::newRow("tolerance without selection")
        << BandIndices{0, 2, 0, 5, -1} << false << comma << "12  КОм" << "  ± 0%" << true;
    QTest::newRow("tolerance past the table")
        << BandIndices{0, 2, 0, 5, 8} << false << comma << "12  КОм" << "  ± 0%" << true;
}

void TestColourDecoding::decodes()
{
    QFETCH(BandIndices, bands);
    QFETCH(bool, thirdShown);
    QFETCH(QChar, separator);
    QFETCH(QString, nominal);
    QFETCH(QString, tolerance);
    QFETCH(bool, toleranceShown);

    const DecodedBands decoded = decodeBands(bands, thirdShown, toleranceShown, separator);
    QCOMPARE(decoded.nominal, nominal);
    QCOMPARE(decoded.tolerance, tolerance);
}

void TestColourDecoding::bandCountLayouts_data()
{
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<bool>("thirdShown");
    QTest::addColumn<QString>("thirdColour");
    QTest::addColumn<bool>("toleranceShown");
    QTest::addColumn<QString>("toleranceColour");

    QTest::newRow("three") << 0 << false << "чёрный" << false << "голубой";
    QTest::newRow("four") << 1 << false << "чёрный" << true << "золотистый";
    QTest::newRow("five") << 2 << true << "чёрный" << true << "золотистый";
}

void TestColourDecoding::bandCountLayouts()
{
    QFETCH(int, bandCount);
    QFETCH(bool, thirdShown);
    QFETCH(QString, thirdColour);
    QFETCH(bool, toleranceShown);
    QFETCH(QString, toleranceColour);

    const std::optional<BandCountLayout> layout = bandCountLayout(bandCount);
    QVERIFY(layout.has_value());
    QCOMPARE(layout->thirdDigitShown, thirdShown);
    QCOMPARE(bandTable(BandList::ThirdDigit).colours.value(layout->thirdDigitIndex), thirdColour);
    QCOMPARE(layout->toleranceShown, toleranceShown);
    QCOMPARE(bandTable(BandList::Tolerance).colours.value(layout->toleranceIndex), toleranceColour);
}

void TestColourDecoding::noBandCountSelected()
{
    QVERIFY(!bandCountLayout(-1).has_value());
    QVERIFY(!bandCountLayout(3).has_value());
}

void TestColourDecoding::everyBandStateDecodesToItsValue()
{
    const int firstCount = bandTable(BandList::FirstDigit).colours.size();
    const int digitCount = bandTable(BandList::SecondDigit).colours.size();
    const int multiplierCount = bandTable(BandList::Multiplier).colours.size();
    QCOMPARE(multiplierCount, 12);
    const QChar separators[] = {u',', u'.'};

    int checked = 0;
    for (const bool fiveBands : {false, true}) {
        for (int a = 0; a < firstCount; ++a) {
            for (int b = 0; b < digitCount; ++b) {
                for (int c = 0; c < (fiveBands ? digitCount : 1); ++c) {
                    const long long n = fiveBands ? 100 * (a + 1) + 10 * b + c : 10 * (a + 1) + b;
                    for (int m = 0; m < multiplierCount; ++m) {
                        const MultiplierExpectation &e = multipliers[m];
                        // N in thousandths of the unit: N × 10^(ohms + 3 − unit).
                        const long long thousandths = n * powerOfTen(e.ohmsExponent + 3 - e.unitExponent);
                        for (const QChar separator : separators) {
                            const BandIndices bands{a, b, c, m, 1};
                            const QString expected = textOfThousandths(thousandths, separator)
                                                     + QStringLiteral("  ") + QString::fromUtf8(e.unit);
                            const QString actual = decodeBands(bands, fiveBands, true, separator).nominal;
                            if (actual != expected) {
                                QFAIL(qPrintable(QStringLiteral("bands %1 %2 %3 %4: got \"%5\", expected \"%6\"")
                                                     .arg(a).arg(b).arg(c).arg(m).arg(actual, expected)));
                            }
                            ++checked;
                        }
                    }
                }
            }
        }
    }
    QCOMPARE(checked, 2 * 9 * 10 * 12 * (1 + 10));
}

QTEST_GUILESS_MAIN(TestColourDecoding)
#include "test_colourdecoding.moc"
