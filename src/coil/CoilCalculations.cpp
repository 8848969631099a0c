// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/CoilCalculations.h"

#include "coil/ArithmeticFault.h"
#include "coil/CalculationState.h"
#include "coil/CoilFormulas.h"

namespace coil {

namespace {

// Runs the steps of one calculation; a fault ends it with what was stored so far.
template<typename Steps>
CalculationOutcome runCalculation(Steps steps)
{
    CalculationOutcome outcome;
    try {
        steps(outcome.stored);
    } catch (const ArithmeticFault &) {
        outcome.fault = true;
    }
    return outcome;
}

// Both windings of tab 1 keep their four inputs in the same fields.
CalculationOutcome tabOneInductance(long double (*formula)(long double, long double, long double, long double),
                                    long double length, long double diameter, long double turns,
                                    long double wire)
{
    CalculationState &s = calculationState();
    s.length = length;
    s.diameter = diameter;
    s.turns = turns;
    s.wire = wire;
    return runCalculation([&s, formula](CalculatedResults &stored) {
        s.inductance = formula(s.length, s.diameter, s.turns, s.wire);
        stored |= CalculatedResult::Inductance;
    });
}

} // namespace

QString arithmeticFaultMessage()
{
    return QStringLiteral("У Вас, между прочим, один или несколько параметров равны нулю !");
}

CalculationOutcome rasscontur1(long double length, long double diameter,
                               long double turns, long double wireDiameter)
{
    return tabOneInductance(singleLayerInductance, length, diameter, turns, wireDiameter);
}

CalculationOutcome rasscontur2(long double width, long double diameter,
                               long double turns, long double thickness)
{
    return tabOneInductance(multiLayerInductance, width, diameter, turns, thickness);
}

CalculationOutcome rassetpotab2(long double length, long double diameter,
                                long double inductance)
{
    CalculationState &s = calculationState();
    s.length = length;
    s.diameter = diameter;
    s.inductance = inductance;
    return runCalculation([&s](CalculatedResults &stored) {
        s.turns = turnsForInductance(s.length, s.diameter, s.inductance);
        stored |= CalculatedResult::Turns;
        s.insulatedWireDiameter = insulatedWireDiameter(s.length, s.turns);
        stored |= CalculatedResult::InsulatedWireDiameter;
    });
}

CalculationOutcome rassetpotab3(long double length, long double wireDiameter)
{
    CalculationState &s = calculationState();
    s.length = length;
    s.wire = wireDiameter;
    return runCalculation([&s](CalculatedResults &stored) {
        s.inductance = straightWireInductance(s.length, s.wire);
        stored |= CalculatedResult::Inductance;
    });
}

} // namespace coil
