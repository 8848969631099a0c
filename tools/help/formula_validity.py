#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How far the coil window's formulas stray from exact inductances.

Prints, for each formula of the coil window, its error against an exact
reference over the ratio that matters (winding length to diameter, and so on).
The help pages quote these figures. Plain Python 3, no other modules.

References:
  single-layer coil  the current sheet of Lorenz, L = mu0*pi*r^2*n^2/l * K,
                     with Nagaoka's coefficient K from complete elliptic
                     integrals (computed here by the arithmetic-geometric mean);
  multi-layer coil   a winding of rectangular cross-section with the current
                     spread evenly over it: the cross-section is cut into a
                     grid of cells, every pair of cells is coupled by Maxwell's
                     exact mutual inductance of two coaxial circles, every cell
                     has the self-inductance of a ring of its own rectangular
                     section (geometric mean distance); two grids, the second
                     twice as fine, and Richardson's extrapolation.  Checked
                     against Nagaoka (a very thin winding) and the Brooks coil;
  straight wire      the exact partial self-inductance of a straight round
                     wire with its ends, from Neumann's double integral
                     reduced to one dimension, for the current on the surface
                     (radio frequencies, where the program's "- 1" belongs) and
                     spread evenly (direct current); Rosa's closed formula with
                     the geometric mean distance is printed beside it.

Units as in the program: centimetres, millimetres for wire diameters,
microhenries.  MU0_4PI = mu0 / (4*pi) in microhenries per centimetre.
"""

import math

MU0_4PI = 1e-3  # uH/cm


# ---------------------------------------------------------------- elliptic integrals

def elliptic_ke(k):
    """Complete elliptic integrals K(k) and E(k) of modulus k (0 <= k < 1), by the AGM."""
    a, b = 1.0, math.sqrt(1.0 - k * k)
    c = k
    total = 0.5 * c * c  # sum of 2^(n-1) c_n^2, n = 0 term
    power = 0.5
    while abs(c) > 1e-16:
        a, b, c = 0.5 * (a + b), math.sqrt(a * b), 0.5 * (a - b)
        power *= 2.0
        total += power * c * c
    kk = math.pi / (2.0 * a)
    return kk, kk * (1.0 - total)


# ---------------------------------------------------------------- single-layer coil

def nagaoka(diameter_over_length):
    """Nagaoka's coefficient of a current sheet of diameter D and length l."""
    x = diameter_over_length
    k2 = x * x / (1.0 + x * x)
    k = math.sqrt(k2)
    kp = math.sqrt(1.0 - k2)
    kk, ee = elliptic_ke(k)
    return 4.0 / (3.0 * math.pi * kp) * ((kp * kp / k2) * (kk - ee) + ee - k)


def current_sheet(diameter, length, turns):
    """Exact inductance of a single-layer current sheet, uH (cm)."""
    return (MU0_4PI * 4.0 * math.pi * math.pi * (diameter / 2.0) ** 2 * turns * turns
            / length * nagaoka(diameter / length))


def single_layer(diameter, turns, wire_mm, first_pair):
    """The coil window's single-layer formula, one pair of coefficients or the other."""
    if first_pair:
        return (diameter * diameter) * (turns * turns) / (45.0 * diameter + (10.0 * turns) * wire_mm)
    return (diameter * diameter) * (turns * turns) / (40.0 * diameter + (11.0 * turns) * wire_mm)


def turns_tab_inductance(length, diameter, turns):
    """The inductance that the turns tab assumes for n turns: its formula solved for L."""
    return turns * turns * diameter / (100.0 * (length / diameter + 0.44))


# ---------------------------------------------------------------- multi-layer coil

def coaxial_circles(a, b, z):
    """Maxwell's mutual inductance of two coaxial circles of radii a, b, z apart, uH (cm)."""
    k2 = 4.0 * a * b / ((a + b) ** 2 + z * z)
    k = math.sqrt(k2)
    kk, ee = elliptic_ke(k)
    return MU0_4PI * 4.0 * math.pi * math.sqrt(a * b) * ((2.0 / k - k) * kk - 2.0 / k * ee)


def rectangle_gmd(alpha, beta):
    """Geometric mean distance of a rectangle of sides alpha, beta from itself."""
    d = math.hypot(alpha, beta)
    p, q = alpha / beta, beta / alpha
    log_r = (math.log(d)
             - p * p / 12.0 * math.log(1.0 + q * q)
             - q * q / 12.0 * math.log(1.0 + p * p)
             + 2.0 / 3.0 * p * math.atan(q) + 2.0 / 3.0 * q * math.atan(p)
             - 25.0 / 12.0)
    return math.exp(log_r)


def ring(radius, gmd):
    """Self-inductance of a ring of small section with that GMD, uH (cm)."""
    return MU0_4PI * 4.0 * math.pi * radius * (math.log(8.0 * radius / gmd) - 2.0)


def thick_coil_grid(inner_radius, width, depth, turns, nr, nz):
    """Inductance of an evenly wound rectangular section on an nr x nz grid of cells."""
    hr, hz = depth / nr, width / nz
    radii = [inner_radius + (i + 0.5) * hr for i in range(nr)]
    gmd = rectangle_gmd(hr, hz)
    total = 0.0
    for i, a in enumerate(radii):
        for j in range(i, nr):
            b = radii[j]
            pair = 1.0 if i == j else 2.0
            for m in range(nz):
                count = nz if m == 0 else 2.0 * (nz - m)
                if i == j and m == 0:
                    value = ring(a, gmd)
                else:
                    value = coaxial_circles(a, b, m * hz)
                total += pair * count * value
    per_cell = turns / (nr * nz)
    return per_cell * per_cell * total


def thick_coil(inner_radius, width, depth, turns, short_cells=8):
    """Grid result extrapolated from two grids of nearly square cells, the
    second twice as fine (Richardson, error of order h^2), with the part of
    the difference between them that is left as an uncertainty."""
    shorter, longer = min(width, depth), max(width, depth)
    long_cells = max(short_cells, round(short_cells * longer / shorter))
    nr, nz = (short_cells, long_cells) if depth <= width else (long_cells, short_cells)
    coarse = thick_coil_grid(inner_radius, width, depth, turns, nr, nz)
    fine = thick_coil_grid(inner_radius, width, depth, turns, 2 * nr, 2 * nz)
    best = fine + (fine - coarse) / 3.0
    return best, abs(fine - coarse) / 3.0 / best


def multi_layer(width, diameter, turns, depth):
    """The coil window's multi-layer formula (former diameter D, width B, depth C)."""
    return (((diameter + depth) * (diameter + depth) * 0.08) * (turns * turns)
            / ((3.0 * diameter + 9.0 * width) + 13.0 * depth))


# ---------------------------------------------------------------- straight wire

def tanh_sinh(f, a, b, levels=7):
    """Double-exponential quadrature on [a, b]; copes with log ends."""
    half, mid = 0.5 * (b - a), 0.5 * (b + a)
    h = 1.0
    total = f(mid) * math.pi / 2.0
    result = total * h * half
    for level in range(1, levels + 1):
        h *= 0.5
        step = 1 if level == 1 else 2
        k = 1
        added = 0.0
        while True:
            t = k * h
            u = math.pi / 2.0 * math.sinh(t)
            x = math.tanh(u)
            w = math.pi / 2.0 * math.cosh(t) / math.cosh(u) ** 2
            if w < 1e-300 or 1.0 - x <= 0.0:
                break
            for xx in (x, -x):
                point = mid + half * xx
                if a < point < b:
                    added += w * f(point)
            k += step
        total += added
        result = total * h * half
    return result


def neumann_pair(length, s):
    """Double integral of 1/R over two parallel segments of one length, s apart."""
    return 2.0 * (length * math.asinh(length / s) - math.hypot(length, s) + s)


def wire_surface_current(length, radius):
    """Exact inductance of a straight wire, current on its surface, uH (cm)."""
    mean = tanh_sinh(lambda phi: neumann_pair(length, 2.0 * radius * math.sin(phi / 2.0)),
                     0.0, math.pi) / math.pi
    return MU0_4PI * mean


def wire_even_current(length, radius):
    """Exact inductance of a straight wire, current spread evenly over its section."""
    def distance_density(s):
        x = s / (2.0 * radius)
        return 4.0 * s / (math.pi * radius * radius) * (math.acos(x) - x * math.sqrt(1.0 - x * x))
    return MU0_4PI * tanh_sinh(lambda s: distance_density(s) * neumann_pair(length, s),
                               0.0, 2.0 * radius)


def rosa(length, gmd):
    """Rosa's formula with the ends: a straight conductor of that GMD, uH (cm)."""
    return 0.002 * length * (math.asinh(length / gmd) - math.sqrt(1.0 + (gmd / length) ** 2)
                             + gmd / length)


def straight_wire(length, wire_mm):
    """The coil window's straight-wire formula."""
    return (math.log(length * 40.0 / wire_mm) - 1.0) * (length / 500.0)


# ---------------------------------------------------------------- tables

def percent(value, reference):
    return 100.0 * (value / reference - 1.0)


def main():
    print("Errors of the coil window's formulas against exact inductances, in per cent")
    print("(+ means the formula reads high).")
    print()

    print("Self-checks")
    for x, table in ((0.5, 0.8181), (1.0, 0.6884), (2.0, 0.5255), (10.0, 0.2033)):
        print(f"  Nagaoka K(D/l = {x:4}) = {nagaoka(x):.4f}   (published {table})")
    # A winding of depth c differs from the sheet on its inner radius by a
    # term proportional to c: extrapolated to no depth, the grid method must
    # give the current sheet.
    thin1, _ = thick_coil(1.0, 2.0, 0.01, 1.0)
    thin2, _ = thick_coil(1.0, 2.0, 0.02, 1.0)
    print(f"  grid method, depth -> 0 (l = D = 2 cm), vs current sheet: "
          f"{percent(2.0 * thin1 - thin2, current_sheet(2.0, 2.0, 1.0)):+.4f} %")
    brooks, brooks_err = thick_coil(1.0, 1.0, 1.0, 1.0)
    print(f"  Brooks coil (c = 1 cm, 1 turn) by the grid method: {brooks:.6f} uH "
          f"(published 0.025491, grid uncertainty {100 * brooks_err:.3f} %)")
    print()

    print("1. Single-layer coil (tab 1): formula length n*d/10 over diameter D,")
    print("   against Nagaoka's current sheet of the same length.")
    print("   pair 45/10 is used when the typed length l >= D/2, pair 40/11 below.")
    print(f"   {'l/D':>6} {'45/10':>8} {'40/11':>8}  {'program':>8}")
    ratios = (0.05, 0.1, 0.2, 0.3, 0.4, 0.5, 0.7, 1.0, 1.5, 2.0, 3.0, 5.0, 10.0)
    for ratio in ratios:
        diameter, turns = 1.0, 100.0
        length = ratio * diameter
        wire_mm = 10.0 * length / turns
        exact = current_sheet(diameter, length, turns)
        first = percent(single_layer(diameter, turns, wire_mm, True), exact)
        second = percent(single_layer(diameter, turns, wire_mm, False), exact)
        used = first if length >= diameter / 2.0 else second
        print(f"   {ratio:6.2f} {first:+8.1f} {second:+8.1f}  {used:+8.1f}")
    print()

    print("2. Turns and wire diameter (tab 2): l/D from the typed length.")
    print("   L: the inductance that the formula assigns to the coil it computes,")
    print("   against Nagaoka's for that coil (+: the coil wound has less than asked);")
    print("   turns: how many more turns the exact calculation needs (-: fewer).")
    print(f"   {'l/D':>6} {'L':>8} {'turns':>8}")
    for ratio in ratios:
        diameter, turns = 1.0, 100.0
        length = ratio * diameter
        formula = turns_tab_inductance(length, diameter, turns)
        exact = current_sheet(diameter, length, turns)
        turns_err = 100.0 * (math.sqrt(formula / exact) - 1.0)
        print(f"   {ratio:6.2f} {percent(formula, exact):+8.1f} {turns_err:+8.1f}")
    print()

    print("3. Multi-layer coil (tab 1): width B and depth C over former diameter D,")
    print("   against the evenly wound rectangular section (grid method).")
    depths = (0.05, 0.1, 0.25, 0.5, 1.0)
    widths = (0.1, 0.25, 0.5, 1.0, 2.0, 4.0)
    print("   B/D \\ C/D " + "".join(f"{c:>8}" for c in depths))
    worst = 0.0
    for b in widths:
        row = []
        for c in depths:
            diameter, turns = 1.0, 100.0
            reference, uncertainty = thick_coil(diameter / 2.0, b * diameter, c * diameter, turns)
            worst = max(worst, uncertainty)
            row.append(percent(multi_layer(b * diameter, diameter, turns, c * diameter), reference))
        print(f"   {b:9.2f}  " + "".join(f"{e:+8.1f}" for e in row))
    print(f"   (largest grid uncertainty of the reference: {100 * worst:.3f} %)")
    print()

    print("4. Straight wire (tab 3): length l over diameter d (same units).")
    print("   Exact HF: current on the surface (skin effect); exact DC: current spread")
    print("   evenly; Rosa HF: Rosa's formula with its end terms, GMD = radius.")
    print(f"   {'l/d':>7} {'exact HF':>9} {'exact DC':>9} {'Rosa HF':>9}   {'Rosa HF vs exact HF':>19}")
    for ratio in (1.0, 2.0, 3.0, 5.0, 10.0, 20.0, 50.0, 100.0, 1000.0, 10000.0):
        wire_mm = 1.0
        radius = wire_mm / 20.0
        length = ratio * wire_mm / 10.0
        hf = wire_surface_current(length, radius)
        dc = wire_even_current(length, radius)
        closed = rosa(length, radius)
        formula = straight_wire(length, wire_mm)
        print(f"   {ratio:7g} {percent(formula, hf):+9.1f} {percent(formula, dc):+9.1f}"
              f" {percent(formula, closed):+9.1f}   {percent(closed, hf):+19.2f}")

if __name__ == "__main__":
    main()
