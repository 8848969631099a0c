// SPDX-License-Identifier: GPL-3.0-or-later
#include "resistor/NominalNotes.h"

#include <algorithm>

namespace resistor {

namespace {

// Ohms per unit of N for multiplier index 2 ("чёрный") is 1.
constexpr int multiplierOffset = 2;
constexpr int multiplierCount = 12;

int digitsInBands(int bandCountIndex)
{
    return bandCountIndex == FiveBands ? 3 : 2;
}

QString bandCountText(int bandCountIndex)
{
    switch (bandCountIndex) {
    case ThreeBands:
        return QStringLiteral("три полосы");
    case FiveBands:
        return QStringLiteral("пять полос");
    default:
        return QStringLiteral("четыре полосы");
    }
}

} // namespace

ExactOhms nominalOhms(const BandIndices &bands, bool thirdDigitShown)
{
    if (bands.multiplier < 0 || bands.multiplier >= multiplierCount)
        return {};
    long long significant = 10LL * digitValue(BandList::FirstDigit, bands.firstDigit)
                            + digitValue(BandList::SecondDigit, bands.secondDigit);
    if (thirdDigitShown)
        significant = 10 * significant + digitValue(BandList::ThirdDigit, bands.thirdDigit);
    return {significant, bands.multiplier - multiplierOffset};
}

ESeries seriesForBands(const BandIndices &bands, bool toleranceShown)
{
    return seriesForTolerance(toleranceShown ? tolerancePercent(bands.tolerance) : 20.0L);
}

SeriesNote bandsNote(const BandIndices &bands, bool thirdDigitShown, bool toleranceShown,
                     const base::NumberSeparators &separators)
{
    return seriesNote(nominalOhms(bands, thirdDigitShown), seriesForBands(bands, toleranceShown),
                      separators);
}

ExactOhms typedOhms(const TypedNominal &typed)
{
    if (!(typed.value > 0))
        return {};
    const auto [digits, exponent] = decimalDigits(std::min<long double>(typed.value, largestNominal));
    // "47" with the first digit at 10^0 is 47 * 10^-1.
    return {digits.toLongLong(), exponent - int(digits.size() - 1) + (typed.unitIndex == Kiloohms ? 3 : 0)};
}

bool showsTypedNominal(const TypedNominal &typed, const BandIndices &bands, int bandCountIndex)
{
    if (bandCountIndex != typed.bandCountIndex)
        return false;
    const std::optional<EncodedBands> encoded =
        encodeNominal(typed.value, typed.unitIndex, typed.bandCountIndex);
    return encoded && bands.firstDigit == encoded->firstDigit
           && bands.secondDigit == encoded->secondDigit && bands.multiplier == encoded->multiplier
           && (!encoded->setsThirdDigit || bands.thirdDigit == encoded->thirdDigit);
}

SeriesNote typedNominalNote(const TypedNominal &typed, const BandIndices &bands, bool toleranceShown,
                            const base::NumberSeparators &separators)
{
    const ExactOhms ohms = typedOhms(typed);
    SeriesNote note = seriesNote(ohms, seriesForBands(bands, toleranceShown), separators, true);
    const ExactOhms shown = nominalOhms(bands, typed.bandCountIndex == FiveBands);
    if (note.line.isEmpty() || shown == ohms)
        return note;
    note.detail = QStringLiteral("Набранный номинал %1 срезан до %2: в %3 входят только %4 цифры. ")
                      .arg(ohmsText(ohms, separators), ohmsText(shown, separators),
                           bandCountText(typed.bandCountIndex),
                           digitsInBands(typed.bandCountIndex) == 3 ? QStringLiteral("три")
                                                                      : QStringLiteral("две"))
                  + note.detail;
    note.line = QStringLiteral("Срезано с ") + ohmsText(ohms, separators);
    return note;
}

} // namespace resistor
