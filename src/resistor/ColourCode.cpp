// SPDX-License-Identifier: GPL-3.0-or-later
#include "resistor/ColourCode.h"

#include "base/NumberFormat.h"

#include <QByteArray>
#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

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

DecodedBands decodeBands(const BandIndices &bands, bool thirdDigitShown, bool toleranceShown,
                         QChar decimalSeparator)
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
    const long double tolerance = toleranceShown ? tolerancePercent(bands.tolerance) : untoleratedPercent;
    result.tolerance = QStringLiteral("  ± ") + base::formatGeneral(tolerance, separators) + QLatin1Char('%');
    return result;
}

namespace {

int significantBands(int bandCountIndex)
{
    return bandCountIndex == FiveBands ? 3 : 2;
}

} // namespace

std::pair<QByteArray, int> decimalDigits(long double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.13Le", value);
    const QByteArray written(text);
    const qsizetype e = written.indexOf('e');
    QByteArray digits = written.left(e);
    digits.remove(1, 1); // the point after the first digit, whatever the C locale writes
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);
    return {digits, written.mid(e + 1).toInt()};
}

long double smallestNominalOhms(int bandCountIndex)
{
    // The first digit band has no black: the smallest significant number
    // times the silver factor.
    return significantBands(bandCountIndex) == 3 ? 1.0L : 0.1L;
}

std::optional<EncodedBands> encodeNominal(long double value, int unitIndex, int bandCountIndex)
{
    const int significant = significantBands(bandCountIndex);
    EncodedBands bands{};
    bands.setsThirdDigit = significant == 3;
    // Ten ohms per unit of N has the index 3: index = exponent + 2.
    const int kiloohmShift = unitIndex == Kiloohms ? 3 : 0;
    if (!(value > 0)) {
        // 0 has no first digit: the list is left without a selection, and the
        // rest is what a one-digit value gets.
        bands.firstDigit = -1;
        bands.secondDigit = 0;
        bands.thirdDigit = 0;
        bands.multiplier = 1 + kiloohmShift - (significant - 2);
        return bands;
    }
    const auto [digits, exponent] = decimalDigits(std::min<long double>(value, largestNominal));
    // N holds `significant` digits, so its last one counts 10^(exponent - significant + 1) ohms.
    const int multiplier = exponent + kiloohmShift - (significant - 1) + 2;
    if (multiplier < 0 || multiplier >= static_cast<int>(multiplierRows.size()))
        return std::nullopt;
    const QByteArray padded = digits.leftJustified(significant, '0', true);
    bands.firstDigit = digitAt(padded, 0) - 1;
    bands.secondDigit = digitAt(padded, 1);
    bands.thirdDigit = significant == 3 ? digitAt(padded, 2) : 0;
    bands.multiplier = multiplier;
    return bands;
}

} // namespace resistor
