#pragma once
// The general number format of the program's result texts: the value rounded
// to 15 significant digits, trailing zeros dropped, no thousands separators.

#include <QChar>
#include <QString>

namespace resistor {

// Positional notation from 0.0001 up to 15 integer digits ("12", "4,7",
// "0,25"); outside that range scientific ("5E-5", "1,5E20"). The caller
// passes the decimal separator of the user's locale.
QString generalNumberText(long double value, QChar decimalSeparator);

} // namespace resistor
