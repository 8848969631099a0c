// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text rules of the spin box, apart from any window: how a stored value
// is written, which typed characters may enter, and which user texts stand
// for a number.

#include <QChar>
#include <QString>
#include <optional>

namespace ui {

enum class SpinKind { WholeNumber, Decimal };

// The text shown for a stored value: a whole-number box rounds to the nearest
// whole number (halves to the even neighbour), a decimal box writes exactly
// `decimals` decimals. No thousands separators.
QString spinValueText(long double value, SpinKind kind, int decimals,
                      const QString &decimalPoint);

// The number a user's text stands for, or nothing when the text is empty,
// "-" alone, has more than one "-" or one not in first place, more than one
// separator or a separator in first place, or any other character. A
// trailing separator is allowed in a decimal box ("12," is 12); a
// whole-number box takes no separator at all.
std::optional<long double> spinTextValue(const QString &text, SpinKind kind,
                                         const QString &decimalPoint);

// What a typed or pasted text enters: in a decimal box every "." and ","
// (main keyboard or keypad) stands for the locale's decimal separator, in
// every locale: the box never shows digit groups, so neither has another
// meaning there. Any other character, and any text of a whole-number box,
// is unchanged.
QString spinTypedText(const QString &text, SpinKind kind, const QString &decimalPoint);

// Whether a typed character may enter the box: digits, "-", the separator in
// a decimal box, and control characters other than Enter.
bool isSpinCharAccepted(QChar c, SpinKind kind, const QString &decimalPoint);

} // namespace ui
