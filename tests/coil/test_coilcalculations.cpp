// SPDX-License-Identifier: GPL-3.0-or-later
// The coil formulas and the tab calculations: values, faults, and which
// results stay stored in the shared calculation state when a fault ends a run.

#include "coil/CalculationState.h"
#include "coil/CoilCalculations.h"
#include "coil/CoilFormulas.h"

#include "support/NumberHelpers.h"

#include <QTest>

#include <cmath>

using coil::CalculatedResult;
using coil::CalculatedResults;
using coil::CalculationOutcome;
using numbers::longDouble;

Q_DECLARE_METATYPE(coil::CalculatedResults)

namespace {

// A value no calculation produces, to see what a run left alone.
constexpr long double Untouched = -777.0L;

CalculationOutcome runTab(const QString &calculation, const QStringList &inputs)
{
    QList<long double> v;
    for (const QString &text : inputs)
        v << longDouble(text);
    if (calculation == QLatin1String("single-layer"))
        return coil::rasscontur1(v.at(0), v.at(1), v.at(2), v.at(3));
    if (calculation == QLatin1String("multi-layer"))
        return coil::rasscontur2(v.at(0), v.at(1), v.at(2), v.at(3));
    if (calculation == QLatin1String("turns"))
        return coil::rassetpotab2(v.at(0), v.at(1), v.at(2));
    if (calculation == QLatin1String("straight wire"))
        return coil::rassetpotab3(v.at(0), v.at(1));
    qFatal("unknown calculation");
}

bool closeTo(long double actual, const QString &expected)
{
    const long double e = longDouble(expected);
    return std::fabs(actual - e) <= 1e-17L * std::max(1.0L, std::fabs(e));
}

} // namespace

class TestCoilCalculations : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void results_data();
    void results();
    void faultsKeepEarlierResults_data();
    void faultsKeepEarlierResults();
    void inputsCopiedBeforeFault();
    void resetRestoresStartValues();
};

void TestCoilCalculations::init()
{
    coil::resetCalculationState();
}

void TestCoilCalculations::results_data()
{
    QTest::addColumn<QString>("calculation");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("inductance"); // empty: not a result of this run
    QTest::addColumn<QString>("turns");
    QTest::addColumn<QString>("wire");

    // Expected values worked out independently to 20+ digits.
    QTest::newRow("single-layer, long winding") << "single-layer" << QStringList{"2", "1", "20", "0.5"}
                                                << "2.7586206896551724138" << "" << "";
    QTest::newRow("single-layer, l exactly D/2") << "single-layer" << QStringList{"0.5", "1", "20", "0.5"}
                                                 << "2.7586206896551724138" << "" << "";
    QTest::newRow("single-layer, short winding") << "single-layer" << QStringList{"0.4", "1", "20", "0.5"}
                                                 << "2.6666666666666666667" << "" << "";
    QTest::newRow("single-layer, D = 0, n and d above 0") << "single-layer" << QStringList{"2", "0", "20", "0.5"}
                                                           << "0" << "" << "";
    QTest::newRow("single-layer, bare wire") << "single-layer" << QStringList{"100", "100", "100000", "0"}
                                             << "22222222222.222222222" << "" << "";
    QTest::newRow("multi-layer, small") << "multi-layer" << QStringList{"1", "1", "100", "0.5"}
                                        << "97.297297297297297297" << "" << "";
    QTest::newRow("multi-layer, large") << "multi-layer" << QStringList{"1", "10", "1000", "1"}
                                        << "186153.84615384615385" << "" << "";
    QTest::newRow("turns, unit inputs") << "turns" << QStringList{"1", "1", "1"}
                                        << "" << "12" << "0.83333333333333333333";
    QTest::newRow("turns, l = 2, L = 10") << "turns" << QStringList{"2", "1", "10"}
                                          << "" << "49.396356140913876118" << "0.40488816508945800097";
    QTest::newRow("turns, no length") << "turns" << QStringList{"0", "1", "10"}
                                      << "" << "20.976176963403030940" << "0";
    QTest::newRow("turns, thin former") << "turns" << QStringList{"100", "0.1", "100"}
                                        << "" << "10002.199758053225364" << "0.099978007257339024464";
    QTest::newRow("straight wire, 10 cm") << "straight wire" << QStringList{"10", "1"}
                                          << "0.099829290942159639737" << "" << "";
    QTest::newRow("straight wire, 1 m") << "straight wire" << QStringList{"100", "1"}
                                        << "1.4588099280204055342" << "" << "";
    QTest::newRow("straight wire, 1 cm") << "straight wire" << QStringList{"1", "1"}
                                         << "0.0053777589082278726057" << "" << "";
    QTest::newRow("straight wire, 10 m thin") << "straight wire" << QStringList{"1000", "0.1"}
                                              << "23.798439652180238078" << "" << "";
    QTest::newRow("straight wire, logarithm of one") << "straight wire" << QStringList{"0.5", "20"}
                                                     << "-0.001" << "" << "";
    QTest::newRow("straight wire, negative") << "straight wire" << QStringList{"0.1", "3"}
                                             << "-0.00014246358550964381451" << "" << "";
}

void TestCoilCalculations::results()
{
    QFETCH(QString, calculation);
    QFETCH(QStringList, inputs);
    QFETCH(QString, inductance);
    QFETCH(QString, turns);
    QFETCH(QString, wire);

    coil::CalculationState &state = coil::calculationState();
    if (calculation == QLatin1String("turns")) {
        state.turns = Untouched;
        state.insulatedWireDiameter = Untouched;
    } else {
        state.inductance = Untouched;
    }

    const CalculationOutcome outcome = runTab(calculation, inputs);
    QVERIFY(!outcome.fault);
    if (!inductance.isEmpty()) {
        QVERIFY2(closeTo(state.inductance, inductance), qPrintable(numbers::printable(state.inductance)));
        QCOMPARE(outcome.stored, CalculatedResults(CalculatedResult::Inductance));
    } else {
        QVERIFY2(closeTo(state.turns, turns), qPrintable(numbers::printable(state.turns)));
        QVERIFY2(closeTo(state.insulatedWireDiameter, wire),
                 qPrintable(numbers::printable(state.insulatedWireDiameter)));
        QCOMPARE(outcome.stored, CalculatedResult::Turns | CalculatedResult::InsulatedWireDiameter);
    }
}

void TestCoilCalculations::faultsKeepEarlierResults_data()
{
    QTest::addColumn<QString>("calculation");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<CalculatedResults>("stored");

    const CalculatedResults none;
    QTest::newRow("new window, all zero") << "single-layer" << QStringList{"0", "0", "0", "0"} << none;
    QTest::newRow("single-layer, D = 0 and n = 0") << "single-layer" << QStringList{"2", "0", "0", "0.5"} << none;
    QTest::newRow("single-layer, D = 0 and d = 0") << "single-layer" << QStringList{"2", "0", "20", "0"} << none;
    QTest::newRow("multi-layer, all zero") << "multi-layer" << QStringList{"0", "0", "100", "0"} << none;
    QTest::newRow("turns, D = 0") << "turns" << QStringList{"1", "0", "1"} << none;
    QTest::newRow("turns, L = 0 stores n = 0") << "turns" << QStringList{"1", "1", "0"}
                                               << CalculatedResults(CalculatedResult::Turns);
    QTest::newRow("turns, all zero") << "turns" << QStringList{"0", "0", "0"} << none;
    QTest::newRow("straight wire, l = 0") << "straight wire" << QStringList{"0", "1"} << none;
    QTest::newRow("straight wire, d = 0") << "straight wire" << QStringList{"10", "0"} << none;
    QTest::newRow("straight wire, both 0") << "straight wire" << QStringList{"0", "0"} << none;
}

void TestCoilCalculations::faultsKeepEarlierResults()
{
    QFETCH(QString, calculation);
    QFETCH(QStringList, inputs);
    QFETCH(CalculatedResults, stored);

    coil::CalculationState &state = coil::calculationState();
    state.inductance = Untouched;
    state.turns = Untouched;
    state.insulatedWireDiameter = Untouched;

    const CalculationOutcome outcome = runTab(calculation, inputs);
    QVERIFY(outcome.fault);
    QCOMPARE(outcome.stored, stored);

    if (calculation == QLatin1String("turns")) {
        QVERIFY(state.turns == (stored.testFlag(CalculatedResult::Turns) ? 0.0L : Untouched));
        QVERIFY(state.insulatedWireDiameter == Untouched);
    } else {
        QVERIFY(state.inductance == Untouched);
    }
}

void TestCoilCalculations::inputsCopiedBeforeFault()
{
    coil::rassetpotab2(3, 0, 7);
    QVERIFY(coil::calculationState().length == 3);
    QVERIFY(coil::calculationState().diameter == 0);
    QVERIFY(coil::calculationState().inductance == 7);

    coil::rasscontur2(1, 0, 5, 0);
    QVERIFY(coil::calculationState().length == 1);
    QVERIFY(coil::calculationState().turns == 5);

    coil::rassetpotab3(0, 2.5L);
    QVERIFY(coil::calculationState().wire == 2.5L);
}

void TestCoilCalculations::resetRestoresStartValues()
{
    coil::CalculationState &state = coil::calculationState();
    state.experimentCounter = 42;
    state.inductance = 3;
    coil::resetCalculationState();
    QCOMPARE(state.experimentCounter, 1);
    QVERIFY(state.inductance == 0);
}

QTEST_GUILESS_MAIN(TestCoilCalculations)
#include "test_coilcalculations.moc"
