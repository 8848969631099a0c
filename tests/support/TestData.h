// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small pieces of QtTest data tables that many tests share.

#include <QTest>

// A table of one boolean column and its two rows, the true case first.
inline void addBooleanRows(const char *column, const char *trueRow, const char *falseRow)
{
    QTest::addColumn<bool>(column);
    QTest::newRow(trueRow) << true;
    QTest::newRow(falseRow) << false;
}
