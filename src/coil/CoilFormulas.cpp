// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/CoilFormulas.h"

#include "coil/CheckedMath.h"

namespace coil {

using namespace checked;

long double singleLayerInductance(long double length, long double diameter,
                                  long double turns, long double wireDiameter)
{
    const bool longWinding = length >= div(diameter, 2);
    const long double diameterTerm = mul(longWinding ? 45 : 40, diameter);
    const long double wireTerm = mul(mul(longWinding ? 10 : 11, turns), wireDiameter);
    const long double numerator = mul(mul(diameter, diameter), mul(turns, turns));
    return div(numerator, add(diameterTerm, wireTerm));
}

long double multiLayerInductance(long double width, long double diameter,
                                 long double turns, long double thickness)
{
    const long double meanDiameter = add(diameter, thickness);
    const long double numerator =
        mul(mul(mul(meanDiameter, meanDiameter), 0.08L), mul(turns, turns));
    const long double denominator =
        add(add(mul(3, diameter), mul(9, width)), mul(13, thickness));
    return div(numerator, denominator);
}

long double turnsForInductance(long double length, long double diameter,
                               long double inductance)
{
    long double q = div(length, diameter);
    q = add(q, 0.44L);
    q = mul(q, inductance);
    q = div(q, diameter);
    return mul(sqrt(q), 10);
}

long double insulatedWireDiameter(long double length, long double turns)
{
    return div(mul(length, 10), turns);
}

long double straightWireInductance(long double length, long double wireDiameter)
{
    const long double x = div(mul(length, 40), wireDiameter);
    const long double y = sub(ln(x), 1);
    return mul(y, div(length, 500));
}

} // namespace coil
