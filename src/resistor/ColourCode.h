// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The resistor colour code without windows: the five band tables, what the
// band count does to the lists, decoding the bands into the nominal and
// tolerance texts, and encoding a whole-number nominal into bands.

#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

namespace resistor {

// ---- Band tables
// The five colour-band lists of the main window: their colours, the item each
// list shows when the window is built, and the factor, unit and tolerance that
// an item stands for.

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

// ---- Band count
// What choosing three, four or five bands does to the band lists: the third
// digit goes back to black and the tolerance to gold (or, hidden, to the
// blue ± 0.25 % of a three-band resistor).

// Item indices of the band-count group.
enum BandCount { ThreeBands = 0, FourBands = 1, FiveBands = 2 };

struct BandCountLayout
{
    int thirdDigitIndex;
    bool thirdDigitShown;
    int toleranceIndex;
    bool toleranceShown;
};

// Nothing for an index outside the group (no item selected): the lists then
// keep their items and visibility, and only the decoding runs.
std::optional<BandCountLayout> bandCountLayout(int bandCountIndex);

// ---- Decoding
// Decoding the colour bands into the nominal and tolerance texts of the
// main window's result labels.

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
// band count says; so does the tolerance band: a resistor without one (three
// bands) is ± 20 %, whatever the hidden list holds.
DecodedBands decodeBands(const BandIndices &bands, bool thirdDigitShown, bool toleranceShown,
                         QChar decimalSeparator);

// The tolerance of a resistor without a tolerance band, in per cent.
constexpr long double untoleratedPercent = 20.0L;

// ---- Encoding
// Encoding a typed nominal into the colour bands: the digits after the
// second (third with five bands) are cut off, never rounded. A fraction is
// carried by the gold and silver multipliers down to 0,1 ohm (1 ohm with
// five bands); a smaller value has no bands.

// Items of the nominal's unit group.
enum NominalUnit { Kiloohms = 0, Ohms = 1 };

constexpr int largestNominal = 99999999;
// Decimals the nominal box keeps when it writes a value.
constexpr int nominalDecimals = 6;

// New item indices for the digit and multiplier lists. The tolerance list is
// never touched, nor the third-digit list unless setsThirdDigit.
struct EncodedBands
{
    int firstDigit;   // -1 for the value 0, which has no first digit
    int secondDigit;
    int thirdDigit;   // meaningful only when setsThirdDigit
    int multiplier;
    bool setsThirdDigit;
};

// value is taken within 0..largestNominal; unitIndex 0 means kiloohms, any
// other ohms; bandCountIndex 2 means five bands, any other two digits.
// Nothing when the value is above 0 but below the smallest the bands carry.
std::optional<EncodedBands> encodeNominal(long double value, int unitIndex, int bandCountIndex);

// The significant digits of a typed value (no leading or trailing zeros)
// and the power of ten of the first: 4.7 is "47" and 0, 1200 is "12" and 3.
// Fourteen digits are plenty for eight typed ones and hide the binary noise
// of 4.7.
std::pair<QByteArray, int> decimalDigits(long double value);

// The smallest nominal the bands carry, in ohms: 0,1 (1 with five bands).
long double smallestNominalOhms(int bandCountIndex);

} // namespace resistor
