// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four tab calculations: each copies its inputs into the calculation
// state, computes, and stores every result as soon as it has it, so results
// computed before an arithmetic fault stay stored. A fault is caught here and
// reported in the outcome; the window shows arithmeticFaultMessage().

#include <QFlags>
#include <QString>

namespace coil {

enum class CalculatedResult {
    Inductance = 0x1,
    Turns = 0x2,
    InsulatedWireDiameter = 0x4
};
Q_DECLARE_FLAGS(CalculatedResults, CalculatedResult)

struct CalculationOutcome
{
    bool fault = false;
    CalculatedResults stored; // what this run stored before ending or faulting
};

QString arithmeticFaultMessage();

// Tab 1, single-layer: l, D (cm), n, d (mm).
CalculationOutcome rasscontur1(long double length, long double diameter,
                               long double turns, long double wireDiameter);
// Tab 1, multi-layer: B, D, C (cm), n.
CalculationOutcome rasscontur2(long double width, long double diameter,
                               long double turns, long double thickness);
// Tab 2: l, D (cm), L (uH) in; turns and insulated wire diameter out.
CalculationOutcome rassetpotab2(long double length, long double diameter,
                                long double inductance);
// Tab 3: l (cm), d (mm) in; inductance out.
CalculationOutcome rassetpotab3(long double length, long double wireDiameter);

} // namespace coil

Q_DECLARE_OPERATORS_FOR_FLAGS(coil::CalculatedResults)
