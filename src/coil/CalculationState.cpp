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
