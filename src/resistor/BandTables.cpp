#include "resistor/BandTables.h"

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

} // namespace resistor
