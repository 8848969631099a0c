// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's line on standard values: for the decoded bands, or, just
// after an encoding and for as long as the lists show what it set, for the
// nominal that was typed, saying too when the band count had to cut it.

#include "resistor/ColourCode.h"
#include "resistor/StandardValues.h"

namespace resistor {

// The decoded nominal, exactly: N * 10^(multiplier index - 2) ohms; 0 for a
// multiplier outside the table.
ExactOhms nominalOhms(const BandIndices &bands, bool thirdDigitShown);

// A resistor without a tolerance band (three bands) is a ± 20 % one.
ESeries seriesForBands(const BandIndices &bands, bool toleranceShown);

SeriesNote bandsNote(const BandIndices &bands, bool thirdDigitShown, bool toleranceShown,
                     const base::NumberSeparators &separators);

// A nominal as the encoding took it: the spin box's value, the unit group's
// and the band-count group's indices.
struct TypedNominal
{
    long double value = 0;
    int unitIndex = Ohms;
    int bandCountIndex = FourBands;
};

ExactOhms typedOhms(const TypedNominal &typed);

// Whether the digit and multiplier lists still show what encoding `typed` gave them.
bool showsTypedNominal(const TypedNominal &typed, const BandIndices &bands, int bandCountIndex);

SeriesNote typedNominalNote(const TypedNominal &typed, const BandIndices &bands, bool toleranceShown,
                            const base::NumberSeparators &separators);

} // namespace resistor
