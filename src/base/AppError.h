// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two ways a command can stop early. AppError carries a text for the
// general error box; CommandAborted is the user's Cancel and is never shown.

#include <QString>
#include <stdexcept>

class AppError : public std::runtime_error
{
public:
    explicit AppError(const QString &text)
        : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

class CommandAborted : public std::exception
{
public:
    const char *what() const noexcept override { return "command aborted"; }
};
