#include "resistor/ColourEncoding.h"

#include "resistor/BandCount.h"

#include <QByteArray>
#include <algorithm>

namespace resistor {

namespace {

int digitAt(const QByteArray &digits, int position)
{
    return digits.at(position) - '0';
}

} // namespace

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
