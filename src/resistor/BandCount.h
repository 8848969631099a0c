#pragma once
// What choosing three, four or five bands does to the band lists: the third
// digit goes back to black and the tolerance to gold (or, hidden, to the
// blue ± 0.25 % of a three-band resistor).

#include <optional>

namespace resistor {

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

} // namespace resistor
