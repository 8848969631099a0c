#pragma once
// Encoding a whole-number nominal into the colour bands: the digits after the
// second (third with five bands) are cut off, never rounded.

namespace resistor {

// Items of the nominal's unit group.
enum NominalUnit { Kiloohms = 0, Ohms = 1 };

constexpr int largestNominal = 99999999;

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
EncodedBands encodeNominal(long long value, int unitIndex, int bandCountIndex);

} // namespace resistor
