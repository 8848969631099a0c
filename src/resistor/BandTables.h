#pragma once
// The five colour-band lists of the main window: their colours, the item each
// list shows when the window is built, and the factor, unit and tolerance that
// an item stands for.

#include <QString>
#include <QStringList>

namespace resistor {

// The band lists, top to bottom as they stand on the window.
enum class BandList { FirstDigit, SecondDigit, ThirdDigit, Multiplier, Tolerance };

struct BandTable
{
    QStringList colours;   // the list's items, index 0 first
    int designIndex;       // the item shown before any band count is applied
    int visibleRows;       // rows shown when the list drops down
};

BandTable bandTable(BandList list);

// Digit of a digit-list item: the first list starts at 1 ("коричневый"), the
// other two at 0 ("чёрный"). An index outside the list, a list without a
// selection included, counts as digit 0.
int digitValue(BandList list, int index);

// Multiplier item: the factor applied to the significant number and the unit
// the result is shown in. Outside the table: factor 0 and no unit.
long double multiplierFactor(int index);
QString multiplierUnit(int index);

// Tolerance item in per cent (plus or minus). Outside the table: 0.
long double tolerancePercent(int index);

} // namespace resistor
