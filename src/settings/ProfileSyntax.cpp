// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ProfileSyntax.h"

#include <limits>

namespace settings::syntax {
namespace {

bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\r' || u == u'\v' || u == u'\f';
}

bool isQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Accumulates digits into a 64-bit sum, stopping as soon as it leaves the
// int range so that any number of digits is safe.
std::optional<int> accumulate(QStringView digits, int base, bool negative)
{
    if (digits.isEmpty())
        return std::nullopt;
    const qint64 limit = negative ? -qint64(std::numeric_limits<int>::min())
                                  : qint64(std::numeric_limits<int>::max());
    qint64 sum = 0;
    for (const QChar c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        sum = sum * base + digit;
        if (sum > limit)
            return std::nullopt;
    }
    return int(negative ? -sum : sum);
}

qsizetype firstLineBreakOrNul(const QString &value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c.isNull())
            return i;
    }
    return -1;
}

qsizetype firstLineFeedOrNul(const QString &value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) == QLatin1Char('\n') || value.at(i).isNull())
            return i;
    }
    return -1;
}

bool hasLineBreakOrNul(const QString &text)
{
    return firstLineBreakOrNul(text) >= 0;
}

} // namespace

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

ProfileLine parseLine(QStringView line)
{
    const QStringView text = trimBlanks(line);
    if (text.isEmpty() || text.front() == QLatin1Char(';'))
        return {};
    if (text.front() == QLatin1Char('[')) {
        const qsizetype close = text.lastIndexOf(QLatin1Char(']'));
        if (close < 1)
            return {};
        return {LineKind::Section, trimBlanks(text.mid(1, close - 1)).toString(), {}};
    }
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return {};
    const QStringView key = trimBlanks(text.left(equals));
    if (key.isEmpty())
        return {};
    return {LineKind::Entry, key.toString(), trimBlanks(text.mid(equals + 1)).toString()};
}

std::optional<int> parseInteger(QStringView text)
{
    if (text.size() > 2 && text.front() == QLatin1Char('0')
        && (text.at(1) == QLatin1Char('x') || text.at(1) == QLatin1Char('X')))
        return accumulate(text.mid(2), 16, false);
    bool negative = false;
    if (!text.isEmpty() && (text.front() == QLatin1Char('-') || text.front() == QLatin1Char('+'))) {
        negative = text.front() == QLatin1Char('-');
        text = text.mid(1);
    }
    return accumulate(text, 10, negative);
}

QString unquoted(const QString &value)
{
    QString text = value;
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        text.truncate(nul);
    if (text.size() >= 2 && isQuote(text.front()) && text.back() == text.front())
        return text.mid(1, text.size() - 2);
    return text;
}

QString storedText(const QString &value)
{
    // Lines end at a line feed (with the carriage return before it) only: a
    // carriage return on its own is part of the line and reads back as it was.
    QString text = value;
    qsizetype cut = firstLineFeedOrNul(text);
    if (cut > 0 && text.at(cut) == QLatin1Char('\n') && text.at(cut - 1) == QLatin1Char('\r'))
        --cut;
    if (cut >= 0)
        text.truncate(cut);
    const bool losesBlanks = !text.isEmpty() && (isBlank(text.front()) || isBlank(text.back()));
    const bool losesQuotes = text.size() >= 2 && isQuote(text.front()) && text.back() == text.front();
    if (losesBlanks || losesQuotes)
        return QLatin1Char('"') + text + QLatin1Char('"');
    return text;
}

bool isValidSectionName(const QString &name)
{
    return !trimBlanks(name).isEmpty() && !hasLineBreakOrNul(name)
        && !name.contains(QLatin1Char(']'));
}

bool isValidKeyName(const QString &name)
{
    const QStringView key = trimBlanks(name);
    return !key.isEmpty() && !hasLineBreakOrNul(name) && !name.contains(QLatin1Char('='))
        && key.front() != QLatin1Char('[') && key.front() != QLatin1Char(';');
}

QString withValue(const QString &entryLine, const QString &text)
{
    qsizetype valueStart = entryLine.indexOf(QLatin1Char('=')) + 1;
    while (valueStart < entryLine.size() && isBlank(entryLine.at(valueStart)))
        ++valueStart;
    return entryLine.left(valueStart) + text;
}

} // namespace settings::syntax
