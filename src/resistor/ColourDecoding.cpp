#include "resistor/ColourDecoding.h"

#include "resistor/BandTables.h"
#include "resistor/GeneralNumberText.h"

namespace resistor {

DecodedBands decodeBands(const BandIndices &bands, bool thirdDigitShown, QChar decimalSeparator)
{
    long double significant = 10.0L * digitValue(BandList::FirstDigit, bands.firstDigit)
                              + digitValue(BandList::SecondDigit, bands.secondDigit);
    if (thirdDigitShown)
        significant = 10.0L * significant + digitValue(BandList::ThirdDigit, bands.thirdDigit);

    const long double value = significant * multiplierFactor(bands.multiplier);

    DecodedBands result;
    result.nominal = generalNumberText(value, decimalSeparator) + QStringLiteral("  ")
                     + multiplierUnit(bands.multiplier);
    result.tolerance = QStringLiteral("  ± ")
                       + generalNumberText(tolerancePercent(bands.tolerance), decimalSeparator)
                       + QLatin1Char('%');
    return result;
}

} // namespace resistor
