// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/CurrentSheet.h"

#include <cmath>

namespace coil {

namespace {

constexpr long double Pi = 3.141592653589793238462643383279502884L;

struct EllipticIntegrals
{
    long double k; // K(m), first kind
    long double e; // E(m), second kind
};

// Complete elliptic integrals of modulus k (0 <= k < 1) by the arithmetic-
// geometric mean: K = pi / (2 a), E = K (1 - sum 2^(n-1) c_n^2).
EllipticIntegrals ellipticIntegrals(long double modulus)
{
    long double a = 1.0L;
    long double b = std::sqrt(1.0L - modulus * modulus);
    long double c = modulus;
    long double sum = 0.5L * c * c;
    long double weight = 0.5L;
    // Converges quadratically; the bound only guards against a stuck loop.
    for (int step = 0; step < 64 && std::fabs(c) > 1e-19L; ++step) {
        const long double mean = 0.5L * (a + b);
        c = 0.5L * (a - b);
        b = std::sqrt(a * b);
        a = mean;
        weight *= 2.0L;
        sum += weight * c * c;
    }
    const long double k = Pi / (2.0L * a);
    return {k, k * (1.0L - sum)};
}

} // namespace

long double nagaokaCoefficient(long double ratio)
{
    const long double k2 = ratio * ratio / (1.0L + ratio * ratio);
    const long double k = std::sqrt(k2);
    const long double kp2 = 1.0L - k2;
    const long double kp = std::sqrt(kp2);
    const EllipticIntegrals integrals = ellipticIntegrals(k);
    return 4.0L / (3.0L * Pi * kp) * ((kp2 / k2) * (integrals.k - integrals.e) + integrals.e - k);
}

long double currentSheetInductance(long double diameter, long double length, long double turns)
{
    // mu0 / (4 pi) is 1e-3 uH per cm.
    const long double radius = diameter / 2.0L;
    return 1e-3L * 4.0L * Pi * Pi * radius * radius * turns * turns / length
           * nagaokaCoefficient(diameter / length);
}

} // namespace coil
