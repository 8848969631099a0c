#include "resistor/GeneralNumberText.h"

#include "coil/NumberFormat.h"

namespace resistor {

// The labels use the same general format as the coil window's result blocks.
QString generalNumberText(long double value, QChar decimalSeparator)
{
    return coil::formatGeneral(value, {QString(decimalSeparator), QString()});
}

} // namespace resistor
