// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/CalculationState.h"

namespace coil {

CalculationState &calculationState()
{
    static CalculationState state;
    return state;
}

void resetCalculationState()
{
    calculationState() = CalculationState();
}

} // namespace coil
