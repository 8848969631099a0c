#include "resistor/BandCount.h"

namespace resistor {

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

} // namespace resistor
