// SPDX-License-Identifier: GPL-3.0-or-later
// The E series of IEC 60063 and the main window's line on standard values:
// every value of every series is found in it, non-standard values get their
// neighbours, decoded bands and typed nominals get their notes.

#include "resistor/NominalNotes.h"
#include "resistor/StandardValues.h"

#include <QTest>
#include <cmath>

using resistor::ESeries;
using resistor::ExactOhms;

Q_DECLARE_METATYPE(resistor::ESeries)
Q_DECLARE_METATYPE(resistor::BandIndices)

namespace {

const base::NumberSeparators comma{QStringLiteral(","), QString()};

// The series as the standard prints them: E6 to E24 as listed, E48 to E192
// from 10^(i/N) rounded to three digits, except 9,20 where E192 rounds to 9,19.
QList<int> standardSeries(ESeries series)
{
    switch (series) {
    case ESeries::E6:
        return {10, 15, 22, 33, 47, 68};
    case ESeries::E12:
        return {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
    case ESeries::E24:
        return {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
    default:
        break;
    }
    const int count = series == ESeries::E48 ? 48 : series == ESeries::E96 ? 96 : 192;
    QList<int> values;
    for (int i = 0; i < count; ++i) {
        const int value = static_cast<int>(std::lround(100.0 * std::pow(10.0, double(i) / count)));
        values << (value == 919 ? 920 : value);
    }
    return values;
}

} // namespace

class TestStandardValues : public QObject
{
    Q_OBJECT

private slots:
    void everyValueIsStandard_data()
    {
        QTest::addColumn<ESeries>("series");
        for (ESeries series : {ESeries::E6, ESeries::E12, ESeries::E24, ESeries::E48, ESeries::E96,
                               ESeries::E192})
            QTest::newRow(qPrintable(resistor::seriesName(series))) << series;
    }
    void everyValueIsStandard()
    {
        QFETCH(ESeries, series);
        const QList<int> values = standardSeries(series);
        QCOMPARE(resistor::seriesValues(series).size(), values.size());
        // From 1 Ohm (decade 0) to 10 MOhm, the digits as printed: 4,7 is 47 * 10^-1.
        for (int decade = 0; decade <= 6; ++decade) {
            for (int value : values) {
                const int shift = value < 100 ? 1 : 2;
                const ExactOhms ohms{value, decade - shift};
                const auto check = resistor::checkSeries(ohms, series);
                QVERIFY(check);
                QVERIFY2(check->standard, qPrintable(resistor::ohmsText(ohms, comma)));
            }
        }
        QVERIFY(resistor::checkSeries(ExactOhms{10, 6}, series)->standard);
    }

    void neighbours_data()
    {
        QTest::addColumn<qlonglong>("digits");
        QTest::addColumn<int>("exponent");
        QTest::addColumn<ESeries>("series");
        QTest::addColumn<QString>("line");
        QTest::newRow("5,7 kOhm, blue read as violet") << 57LL << 2 << ESeries::E24 << "Вне E24: 5,6 и 6,2 КОм";
        QTest::newRow("4750 Ohm typed") << 4750LL << 0 << ESeries::E24 << "Вне E24: 4,7 и 5,1 КОм";
        QTest::newRow("four digits between two") << 4751LL << 0 << ESeries::E96 << "Вне E96: 4,75 и 4,87 КОм";
        QTest::newRow("above the decade's last") << 990LL << 0 << ESeries::E24 << "Вне E24: 910 Ом и 1 КОм";
        QTest::newRow("9,19 where E192 has 9,20") << 919LL << 1 << ESeries::E192 << "Вне E192: 9,09 и 9,2 КОм";
        QTest::newRow("below one ohm") << 95LL << -2 << ESeries::E6 << "Вне E6: 0,68 и 1 Ом";
        QTest::newRow("E12 value in E6") << 12LL << 2 << ESeries::E6 << "Вне E6: 1 и 1,5 КОм";
        QTest::newRow("megohms") << 13LL << 5 << ESeries::E12 << "Вне E12: 1,2 и 1,5 МОм";
        QTest::newRow("standard, written with zeros") << 5600LL << 0 << ESeries::E24 << "Ряд E24: стандартный";
        QTest::newRow("zero has no series") << 0LL << 0 << ESeries::E24 << "";
    }
    void neighbours()
    {
        QFETCH(qlonglong, digits);
        QFETCH(int, exponent);
        QFETCH(ESeries, series);
        QFETCH(QString, line);
        QCOMPARE(resistor::seriesNote(ExactOhms{digits, exponent}, series, comma).line, line);
    }

    void seriesForTolerance_data()
    {
        QTest::addColumn<double>("percent");
        QTest::addColumn<ESeries>("series");
        QTest::newRow("20") << 20.0 << ESeries::E6;
        QTest::newRow("10") << 10.0 << ESeries::E12;
        QTest::newRow("5") << 5.0 << ESeries::E24;
        QTest::newRow("2") << 2.0 << ESeries::E48;
        QTest::newRow("1") << 1.0 << ESeries::E96;
        QTest::newRow("0.5") << 0.5 << ESeries::E192;
        QTest::newRow("0.05") << 0.05 << ESeries::E192;
    }
    void seriesForTolerance()
    {
        QFETCH(double, percent);
        QFETCH(ESeries, series);
        QCOMPARE(resistor::seriesForTolerance(percent), series);
    }

    void bandsNote_data()
    {
        QTest::addColumn<resistor::BandIndices>("bands");
        QTest::addColumn<int>("bandCount");
        QTest::addColumn<QString>("line");
        // first, second, third, multiplier, tolerance (list indices)
        QTest::newRow("three bands are E6") << resistor::BandIndices{1, 7, 0, 3, 5} << 0 << "Вне E6: 220 и 330 Ом";
        QTest::newRow("five bands, brown") << resistor::BandIndices{3, 7, 5, 3, 2} << 2 << "Ряд E96: стандартный";
    }
    void bandsNote()
    {
        QFETCH(resistor::BandIndices, bands);
        QFETCH(int, bandCount);
        QFETCH(QString, line);
        const auto layout = resistor::bandCountLayout(bandCount);
        QCOMPARE(resistor::bandsNote(bands, layout->thirdDigitShown, layout->toleranceShown, comma).line, line);
    }

    void typedNominal_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("bandCount");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("detailStart");
        QTest::newRow("cut by four bands") << 4750.0 << int(resistor::Ohms) << 1 << "Срезано с 4,75 КОм"
                                           << "Набранный номинал 4,75 КОм срезан до 4,7 КОм: в четыре "
                                              "полосы входят только две цифры. Набранный номинал 4,75 КОм не из";
        QTest::newRow("five bands hold it") << 4750.0 << int(resistor::Ohms) << 2 << "Вне E24: 4,7 и 5,1 КОм"
                                            << "Набранный номинал 4,75 КОм не из";
        QTest::newRow("kiloohms cut") << 1234.0 << int(resistor::Kiloohms) << 2 << "Срезано с 1,234 МОм"
                                      << "Набранный номинал 1,234 МОм срезан до 1,23 МОм: в пять полос";
        QTest::newRow("decimal kiloohms cut") << 4.75 << int(resistor::Kiloohms) << 1 << "Срезано с 4,75 КОм"
                                              << "Набранный номинал 4,75 КОм срезан до 4,7 КОм";
    }
    void typedNominal()
    {
        QFETCH(double, value);
        QFETCH(int, unit);
        QFETCH(int, bandCount);
        QFETCH(QString, line);
        QFETCH(QString, detailStart);
        const resistor::TypedNominal typed{value, unit, bandCount};
        const std::optional<resistor::EncodedBands> encoded = resistor::encodeNominal(value, unit, bandCount);
        QVERIFY(encoded);
        // The tolerance list stays gold, as the encoding leaves it.
        const resistor::BandIndices bands{encoded->firstDigit, encoded->secondDigit,
                                          encoded->setsThirdDigit ? encoded->thirdDigit : 0,
                                          encoded->multiplier, 1};
        QVERIFY(resistor::showsTypedNominal(typed, bands, bandCount));
        const resistor::SeriesNote note = resistor::typedNominalNote(typed, bands, true, comma);
        QCOMPARE(note.line, line);
        QVERIFY2(note.detail.startsWith(detailStart), qPrintable(note.detail));

        // Another band, or another band count, and the note is the bands' again.
        resistor::BandIndices changed = bands;
        changed.secondDigit = (bands.secondDigit + 1) % 10;
        QVERIFY(!resistor::showsTypedNominal(typed, changed, bandCount));
        QVERIFY(!resistor::showsTypedNominal(typed, bands, bandCount == 2 ? 1 : 2));
    }
};

QTEST_APPLESS_MAIN(TestStandardValues)
#include "test_standardvalues.moc"
