// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A log as the coil window writes it: numbered result blocks of the three
// tabs, in the log's default format, with every fifth result coloured and
// bold as a user might mark it. For the benchmark and the LibreOffice check.

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>

namespace sample {

inline QStringList blockLines(int number)
{
    const QString header = QStringLiteral("         * * * * * Опыт № %1 * * * * *").arg(number);
    QStringList lines{QString(), header, QStringLiteral("//"), QStringLiteral("{ ИCХОДНЫЕ ДАННЫЕ }")};
    switch (number % 3) {
    case 1:
        lines << QStringLiteral("Тип намотки : однослойная") << QStringLiteral("Длина намотки : %1 см").arg(number % 7 + 1)
              << QStringLiteral("Диаметр намотки: 1 см") << QStringLiteral("Кол-во витков: 20 шт.")
              << QStringLiteral("Диаметр провода: 0,5 мм") << QString() << QStringLiteral("{ РЕЗУЛЬТАТ РАСЧЁТА }")
              << QStringLiteral("Индуктивность = 2,759 мкГн") << QString();
        break;
    case 2:
        lines << QStringLiteral("Индуктивность: 10 мкГн") << QStringLiteral("Диаметр каркаса: 0,8 см")
              << QStringLiteral("Длина намотки: 2 см") << QString() << QStringLiteral("{ РЕЗУЛЬТАТ РАСЧЁТА }")
              << QStringLiteral("Число витков = 41,521 шт.") << QStringLiteral("Диаметр провода = 0,482 мм ± 5%")
              << QString();
        break;
    default:
        lines << QStringLiteral("Длина провода: 10 см") << QStringLiteral("Диаметр провода: 1 мм") << QString()
              << QStringLiteral("{ РЕЗУЛЬТАТ РАСЧЁТА }") << QStringLiteral("Индуктивность = 0,113 мкГн") << QString()
              << QString();
        break;
    }
    return lines;
}

// The head of a first result block of tab 1, up to its result line.
inline QStringList firstBlockLines()
{
    return {QString(), QStringLiteral("         * * * * * Опыт № 1 * * * * *"), QStringLiteral("//"),
            QStringLiteral("{ ИCХОДНЫЕ ДАННЫЕ }"), QStringLiteral("Тип намотки : однослойная"),
            QStringLiteral("Диаметр провода: 0,5 мм"), QString(), QStringLiteral("{ РЕЗУЛЬТАТ РАСЧЁТА }"),
            QStringLiteral("Индуктивность = 2,759 мкГн")};
}

// Appends blocks numbered first .. first + count - 1 after the last line.
inline void appendBlocks(QTextDocument *document, int first, int count)
{
    QTextCharFormat marked;
    marked.setFontWeight(QFont::Bold);
    marked.setForeground(QColor(192, 0, 0));
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    bool atStart = document->isEmpty();
    for (int number = first; number < first + count; ++number) {
        for (const QString &line : blockLines(number)) {
            if (!atStart)
                cursor.insertBlock();
            atStart = false;
            const int equals = int(line.indexOf(u'='));
            if (number % 5 == 0 && equals > 0) {
                cursor.insertText(line.left(equals + 2), QTextCharFormat());
                cursor.insertText(line.mid(equals + 2), marked);
            } else {
                cursor.insertText(line, QTextCharFormat());
            }
        }
    }
}

inline QFont logFont()
{
    return QFont(QStringLiteral("Times New Roman"), 7);
}

} // namespace sample
