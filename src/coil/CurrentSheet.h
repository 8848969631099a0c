// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The inductance of a single-layer coil as a current sheet: Lorenz's formula
// with Nagaoka's coefficient, from the complete elliptic integrals (by the
// arithmetic-geometric mean). Unlike the tab's own formula it takes the real
// winding length, so it also holds for a winding with gaps between turns.

namespace coil {

// Nagaoka's coefficient K of a sheet whose diameter is `ratio` times its length (ratio > 0).
long double nagaokaCoefficient(long double ratio);

// L = mu0 * pi * r^2 * n^2 / l * K, in microhenries; D and l in cm, both > 0.
long double currentSheetInductance(long double diameter, long double length, long double turns);

} // namespace coil
