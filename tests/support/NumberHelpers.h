// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Number helpers shared by the tests: long doubles from decimal texts, and
// the separators of the two locales the number texts are checked under.

#include "base/ExactDecimal.h"
#include "base/NumberFormat.h"

#include <QString>
#include <QTest>

#include <charconv>

Q_DECLARE_METATYPE(long double)

namespace numbers {

// The separators of a Russian locale (no-break space between thousands) and of
// an English one.
inline base::NumberSeparators commaLocale()
{
    return {QStringLiteral(","), QString(QChar(0x00A0))};
}

inline base::NumberSeparators pointLocale()
{
    return {QStringLiteral("."), QStringLiteral(",")};
}

// The long double nearest to a decimal text, as a spin box stores what is
// typed; independent of the C locale.
inline long double longDouble(const QString &text)
{
    const QByteArray latin = text.toLatin1();
    const std::optional<long double> value = base::readExactDecimal(latin.toStdString());
    if (!value)
        qFatal("bad number in test data: %s", latin.constData());
    return *value;
}

// A long double in full, for failure messages.
inline QString printable(long double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, 20);
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

// Expected lines are written for the comma locale with "_" between thousands;
// this puts in the separators of the locale under test.
inline QString inLocale(QString line, const base::NumberSeparators &separators)
{
    line.replace(QLatin1Char(','), QLatin1Char('\x01'));
    line.replace(QLatin1Char('_'), separators.thousands);
    line.replace(QLatin1Char('\x01'), separators.decimal);
    return line;
}

} // namespace numbers
