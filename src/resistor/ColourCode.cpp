// SPDX-License-Identifier: GPL-3.0-or-later
#include "resistor/ColourCode.h"

#include "base/NumberFormat.h"

#include <QByteArray>
#include <algorithm>
#include <array>

namespace resistor {

namespace {

QStringList digitColours()
{
    return {QStringLiteral("чёрный"), QStringLiteral("коричневый"), QStringLiteral("красный"),
            QStringLiteral("оранжевый"), QStringLiteral("жёлтый"), QStringLiteral("зелёный"),
            QStringLiteral("голубой"), QStringLiteral("фиолетовый"), QStringLiteral("серый"),
            QStringLiteral("белый")};
}

struct MultiplierRow
{
    long double factor;
    const char *unit;
};

// The unit follows the band, not the size of the value: each unit covers
// three bands with the factors 0.1, 1 and 10 (ohms start two bands lower).
constexpr std::array<MultiplierRow, 12> multiplierRows{{
    {0.01L, "Ом"}, {0.1L, "Ом"}, {1.0L, "Ом"}, {10.0L, "Ом"},
    {0.1L, "КОм"}, {1.0L, "КОм"}, {10.0L, "КОм"},
    {0.1L, "МОм"}, {1.0L, "МОм"}, {10.0L, "МОм"},
    {0.1L, "ГОм"}, {1.0L, "ГОм"},
}};

constexpr std::array<long double, 8> tolerances{10.0L, 5.0L, 1.0L, 2.0L, 0.5L, 0.25L, 0.1L, 0.05L};

template<typename Array>
bool inTable(const Array &table, int index)
{
    return index >= 0 && index < static_cast<int>(table.size());
}

int digitAt(const QByteArray &digits, int position)
{
    return digits.at(position) - '0';
}

} // namespace

BandTable bandTable(BandList list)
{
    switch (list) {
    case BandList::FirstDigit:
        return {digitColours().mid(1), 0, 10};
    case BandList::SecondDigit:
        return {digitColours(), 2, 10};
    case BandList::ThirdDigit:
        return {digitColours(), 1, 10};
    case BandList::Multiplier:
        return {QStringList{QStringLiteral("серебристый"), QStringLiteral("золотистый")} + digitColours(),
                5, 12};
    case BandList::Tolerance:
        return {{QStringLiteral("серебристый"), QStringLiteral("золотистый"),
                 QStringLiteral("коричневый"), QStringLiteral("красный"),
                 QStringLiteral("зелёный"), QStringLiteral("голубой"),
                 QStringLiteral("фиолетовый"), QStringLiteral("серый")},
                1, 8};
    }
    return {};
}

int digitValue(BandList list, int index)
{
    switch (list) {
    case BandList::FirstDigit:
        return index >= 0 && index < 9 ? index + 1 : 0;
    case BandList::SecondDigit:
    case BandList::ThirdDigit:
        return index >= 0 && index < 10 ? index : 0;
    case BandList::Multiplier:
    case BandList::Tolerance:
        break;
    }
    return 0;
}

long double multiplierFactor(int index)
{
    return inTable(multiplierRows, index) ? multiplierRows[index].factor : 0.0L;
}

QString multiplierUnit(int index)
{
    return inTable(multiplierRows, index) ? QString::fromUtf8(multiplierRows[index].unit) : QString();
}

long double tolerancePercent(int index)
{
    return inTable(tolerances, index) ? tolerances[index] : 0.0L;
}

std::optional<BandCountLayout> bandCountLayout(int bandCountIndex)
{
    switch (bandCountIndex) {
    case ThreeBands:
        return BandCountLayout{0, false, 5, false};
    case FourBands:
        return BandCountLayout{0, false, 1, true};
    case FiveBands:
        return BandCountLayout{0, true, 1, true};
    default:
        return std::nullopt;
    }
}

DecodedBands decodeBands(const BandIndices &bands, bool thirdDigitShown, QChar decimalSeparator)
{
    long double significant = 10.0L * digitValue(BandList::FirstDigit, bands.firstDigit)
                              + digitValue(BandList::SecondDigit, bands.secondDigit);
    if (thirdDigitShown)
        significant = 10.0L * significant + digitValue(BandList::ThirdDigit, bands.thirdDigit);

    const long double value = significant * multiplierFactor(bands.multiplier);

    // The labels use the general format of the coil result blocks, ungrouped.
    const base::NumberSeparators separators{QString(decimalSeparator), QString()};
    DecodedBands result;
    result.nominal = base::formatGeneral(value, separators) + QStringLiteral("  ")
                     + multiplierUnit(bands.multiplier);
    result.tolerance = QStringLiteral("  ± ") + base::formatGeneral(tolerancePercent(bands.tolerance), separators)
                       + QLatin1Char('%');
    return result;
}

EncodedBands encodeNominal(long long value, int unitIndex, int bandCountIndex)
{
    // The spin box holds at most eight digits; a larger value would need a
    // multiplier band that does not exist.
    const QByteArray digits = QByteArray::number(std::clamp<long long>(value, 0, largestNominal));
    const int length = static_cast<int>(digits.size());

    EncodedBands bands{};
    // The first-digit list starts at 1; the value 0 leaves it without a selection.
    bands.firstDigit = digitAt(digits, 0) - 1;
    if (length == 1) {
        // One digit is coded as the digit and black, times 0.1.
        bands.secondDigit = 0;
        bands.multiplier = 1;
    } else {
        bands.secondDigit = digitAt(digits, 1);
        bands.multiplier = length; // 10^(length - 2) ohms
    }
    if (unitIndex == Kiloohms)
        bands.multiplier += 3;

    bands.setsThirdDigit = bandCountIndex == FiveBands;
    if (bands.setsThirdDigit) {
        // One digit more in the bands, so the multiplier drops by ten.
        bands.multiplier -= 1;
        bands.thirdDigit = length >= 3 ? digitAt(digits, 2) : 0;
    }
    return bands;
}

} // namespace resistor
