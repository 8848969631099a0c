// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values that the three coil tabs share: one set for the whole program,
// outliving every coil window. Each calculation copies its inputs in and stores
// each result the moment it has it; the block writers read the results here.

#include <QtGlobal>

namespace coil {

struct CalculationState
{
    long double length = 0;
    long double diameter = 0;
    long double turns = 0;
    long double wire = 0;
    long double inductance = 0;
    long double insulatedWireDiameter = 0;
    qint32 experimentCounter = 1; // number of the next result block
};

CalculationState &calculationState();

// Back to the values the program starts with (for tests).
void resetCalculationState();

} // namespace coil
