// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A dialog seam for tests: records every request and answers from queues the
// test fills beforehand. Unqueued questions get the default button; unqueued
// file dialogs, print and font dialogs count as cancelled.

#include "ui/Dialogs.h"

#include <QList>
#include <functional>
#include <QQueue>
#include <QTimer>
#include <QUrl>

class FakeDialogs : public ui::DialogSeam
{
public:
    FakeDialogs() { ui::setDialogs(this); }
    ~FakeDialogs() override { ui::setDialogs(nullptr); }
    FakeDialogs(const FakeDialogs &) = delete;
    FakeDialogs &operator=(const FakeDialogs &) = delete;

    QList<ui::MessageRequest> messages;
    QQueue<ui::Answer> answers;

    QList<ui::FileRequest> openRequests;
    QList<ui::FileRequest> saveRequests;
    QQueue<ui::FileChoice> openChoices;
    QQueue<ui::FileChoice> saveChoices;

    int printDialogs = 0;
    bool acceptPrint = false;
    // Called with the printer when the print dialog is accepted, to point it at a file.
    std::function<void(QPrinter *)> preparePrinter;

    QList<ui::FontChoice> fontRequests;
    // Unset: cancelled. chooseUnchanged: OK on the font and colour offered.
    std::optional<ui::FontChoice> fontChoice;
    bool chooseUnchanged = false;

    QList<QUrl> shellRequests;
    // false: the shell reports a failure, from the event loop.
    bool shellResult = true;
    // When set, takes the shell requests instead of shellResult (a test
    // hands them to the real opener this way).
    std::function<void(const QUrl &, const std::function<void()> &onFailure)> shell;

    int beeps = 0;

    ui::Answer message(QWidget *, const ui::MessageRequest &request) override
    {
        messages.append(request);
        return answers.isEmpty() ? request.defaultButton : answers.dequeue();
    }
    ui::FileChoice openFile(QWidget *, const ui::FileRequest &request) override
    {
        openRequests.append(request);
        return openChoices.isEmpty() ? ui::FileChoice{} : openChoices.dequeue();
    }
    ui::FileChoice saveFile(QWidget *, const ui::FileRequest &request) override
    {
        saveRequests.append(request);
        return saveChoices.isEmpty() ? ui::FileChoice{} : saveChoices.dequeue();
    }
    bool setUpPrinter(QWidget *, QPrinter *printer) override
    {
        ++printDialogs;
        if (acceptPrint && preparePrinter)
            preparePrinter(printer);
        return acceptPrint;
    }
    std::optional<ui::FontChoice> chooseFont(QWidget *, const ui::FontChoice &initial) override
    {
        fontRequests.append(initial);
        if (chooseUnchanged)
            return initial;
        return fontChoice;
    }
    void openWithShell(const QUrl &url, const std::function<void()> &onFailure) override
    {
        shellRequests.append(url);
        if (shell)
            shell(url, onFailure);
        else if (!shellResult && onFailure)
            QTimer::singleShot(0, onFailure);
    }
    void beep() override { ++beeps; }
};
