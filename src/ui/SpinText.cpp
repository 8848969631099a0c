// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SpinText.h"

#include "base/ExactDecimal.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace ui {
namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// printf follows the C library's numeric locale, which Qt sets from the
// environment; take only its digits and put our own separator between them.
QString fixedText(long double value, int decimals, const QString &decimalPoint)
{
    const int size = std::snprintf(nullptr, 0, "%.*Lf", decimals, value);
    std::string buffer(std::size_t(size) + 1, '\0');
    std::snprintf(buffer.data(), buffer.size(), "%.*Lf", decimals, value);
    buffer.resize(std::size_t(size));
    const QString raw = QString::fromLatin1(buffer.data(), qsizetype(buffer.size()));

    qsizetype integerEnd = raw.startsWith(QLatin1Char('-')) ? 1 : 0;
    while (integerEnd < raw.size() && isAsciiDigit(raw.at(integerEnd)))
        ++integerEnd;
    QString text = raw.left(integerEnd);
    if (decimals > 0)
        text += decimalPoint + raw.right(decimals);

    // Rounding can leave a negative zero: "-0", "-0,00".
    bool allZero = true;
    for (const QChar c : text) {
        if (isAsciiDigit(c) && c != QLatin1Char('0'))
            allZero = false;
    }
    if (allZero && text.startsWith(QLatin1Char('-')))
        text.remove(0, 1);
    return text;
}

} // namespace

QString spinValueText(long double value, SpinKind kind, int decimals,
                      const QString &decimalPoint)
{
    if (kind == SpinKind::WholeNumber) {
        // nearbyint rounds in the current mode, which is to nearest, ties to even.
        return fixedText(std::nearbyint(value), 0, decimalPoint);
    }
    return fixedText(value, decimals < 0 ? 0 : decimals, decimalPoint);
}

std::optional<long double> spinTextValue(const QString &text, SpinKind kind,
                                         const QString &decimalPoint)
{
    // Rebuild the text in the C form that readExactDecimal() reads: "-", digits, ".", digits.
    std::string plain;
    plain.reserve(std::size_t(text.size()));
    bool separatorSeen = false;
    bool digitSeen = false;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('-')) {
            if (i != 0)
                return std::nullopt;
            plain += '-';
            ++i;
        } else if (isAsciiDigit(c)) {
            plain += char(c.unicode());
            digitSeen = true;
            ++i;
        } else if (!decimalPoint.isEmpty() && QStringView(text).mid(i).startsWith(decimalPoint)) {
            if (kind == SpinKind::WholeNumber || i == 0 || separatorSeen)
                return std::nullopt;
            separatorSeen = true;
            plain += '.';
            i += decimalPoint.size();
        } else {
            return std::nullopt;
        }
    }
    if (!digitSeen)
        return std::nullopt;
    if (plain.back() == '.')
        plain.pop_back();
    if (plain.front() == '-' && plain.size() > 1 && plain[1] == '.')
        plain.insert(1, 1, '0'); // "-,5" reads as -0.5

    return base::readExactDecimal(plain);
}

QString spinTypedText(const QString &text, SpinKind kind, const QString &decimalPoint)
{
    if (kind != SpinKind::Decimal || decimalPoint.isEmpty())
        return text;
    QString mapped;
    mapped.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('.') || c == QLatin1Char(','))
            mapped += decimalPoint;
        else
            mapped += c;
    }
    return mapped;
}

bool isSpinCharAccepted(QChar c, SpinKind kind, const QString &decimalPoint)
{
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
        return false; // Enter
    if (c.unicode() < 0x20 || c.unicode() == 0x7f)
        return true; // Backspace, Ctrl+C, Ctrl+V and the other control characters
    if (isAsciiDigit(c) || c == QLatin1Char('-'))
        return true;
    return kind == SpinKind::Decimal && decimalPoint.size() == 1 && c == decimalPoint.at(0);
}

} // namespace ui
