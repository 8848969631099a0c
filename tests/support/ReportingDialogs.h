// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the helper programs of process tests: a line on standard output for
// the test to read, and a dialog seam that reports every message box.

#include "support/FakeDialogs.h"

#include <cstdio>

inline void report(const QString &line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

class ReportingDialogs : public FakeDialogs
{
public:
    ui::Answer message(QWidget *parent, const ui::MessageRequest &request) override
    {
        report(QStringLiteral("message|%1|%2").arg(request.caption, request.text));
        return FakeDialogs::message(parent, request);
    }
};
