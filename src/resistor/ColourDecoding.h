#pragma once
// Decoding the colour bands into the nominal and tolerance texts of the
// main window's result labels.

#include <QChar>
#include <QString>

namespace resistor {

// The item index of each band list; -1 for a list without a selection.
struct BandIndices
{
    int firstDigit = -1;
    int secondDigit = -1;
    int thirdDigit = -1;
    int multiplier = -1;
    int tolerance = -1;
};

struct DecodedBands
{
    QString nominal;    // the value, two blanks and the unit: "12  КОм"
    QString tolerance;  // "  ± 5%"
};

// The third digit takes part only while its list is shown, whatever the
// band count says.
DecodedBands decodeBands(const BandIndices &bands, bool thirdDigitShown, QChar decimalSeparator);

} // namespace resistor
