// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coil formulas, in extended precision, evaluated step by step in the
// order the program has always used. Each returns its result or throws
// ArithmeticFault. Lengths and diameters in cm, wire diameters in mm (the
// multi-layer winding thickness in cm), inductances in microhenries.

namespace coil {

// l only chooses the coefficients: 45 and 10 when l >= D/2, else 40 and 11.
long double singleLayerInductance(long double length, long double diameter,
                                  long double turns, long double wireDiameter);

long double multiLayerInductance(long double width, long double diameter,
                                 long double turns, long double thickness);

// Turns of a single-layer coil of the required inductance; not made whole.
long double turnsForInductance(long double length, long double diameter,
                               long double inductance);

// Insulated wire diameter (mm) with which the turns, side by side, fill l.
long double insulatedWireDiameter(long double length, long double turns);

// A short single straight wire; negative for a wire much thicker than long.
long double straightWireInductance(long double length, long double wireDiameter);

} // namespace coil
