// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame shared by the result blocks of all three coil tabs, with the
// experiment numbering: the lines that a block appends after the log's last line.

#include "base/NumberFormat.h"

#include <QList>
#include <QStringList>

namespace coil {

// One input: the caption label's text, the spin box's value, the unit label's text.
struct InputLine
{
    QString caption;
    long double value = 0;
    QString unit;
};

struct BlockContent
{
    QStringList description;
    QList<InputLine> inputs;
    QStringList results;
    int closingEmptyLines = 1;
};

// An empty log (logLineCount == 0) restarts the numbering at 1; every block
// takes the experiment counter of the calculation state and advances it.
QStringList resultBlock(int logLineCount, const BlockContent &content,
                        const base::NumberSeparators &separators);

} // namespace coil
