// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/window/CoilWindows.h"

#include "coil/window/Kontura.h"
#include "coil/window/LogRecoveryMirror.h"
#include "coil/window/ResultsLog.h"
#include "ui/CommandGuard.h"
#include "ui/Dialogs.h"

namespace coil {

QList<TfmContura *> openCoilWindows(QWidget *mainWindow)
{
    QList<TfmContura *> windows;
    if (!mainWindow)
        return windows;
    // Children come in the order they were made in.
    for (TfmContura *window : mainWindow->findChildren<TfmContura *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!window->isClosedByUser())
            windows << window;
    }
    return windows;
}

bool askAboutUnsavedLogs(QWidget *mainWindow)
{
    const QList<TfmContura *> windows = openCoilWindows(mainWindow);
    for (TfmContura *window : windows) {
        // A signal ended the program while a question was open: its logs are
        // kept for the next start, and nobody is left to answer the rest.
        if (window->recoveryMirror()->isKept())
            return false;
        // The window being asked about comes to the front, as when the user
        // closes it.
        if (window->RichEdit1->isModified() && window->isVisible()) {
            window->raise();
            window->activateWindow();
        }
        if (!ui::runCommand(window, [window] { window->RichEdit1->AskSaveChanges(); }))
            return false;
    }
    for (TfmContura *window : windows)
        window->recoveryMirror()->discard();
    return true;
}

void writeUnsavedLogs(QWidget *mainWindow)
{
    for (TfmContura *window : openCoilWindows(mainWindow))
        window->recoveryMirror()->writeNow();
}

void keepUnsavedLogs(QWidget *mainWindow)
{
    for (TfmContura *window : openCoilWindows(mainWindow))
        window->recoveryMirror()->keep();
}

void offerRecoveredLogs(QWidget *mainWindow, const CoilWindowOpener &openWindow, const QString &folder)
{
    const QStringList records = RecoveryFolder(folder).recordPaths();
    if (records.isEmpty())
        return;
    ui::MessageRequest question;
    question.text = recoveryQuestion(int(records.size()));
    question.caption = QStringLiteral("Подтверждение");
    question.icon = ui::Icon::Question;
    question.buttons = ui::Buttons::YesNo;
    // Enter keeps the logs.
    question.defaultButton = ui::Answer::Yes;
    if (ui::dialogs().message(mainWindow, question) != ui::Answer::Yes) {
        for (const QString &record : records)
            RecoveryFolder::remove(record);
        return;
    }
    for (const QString &path : records) {
        // Read before a window is made: a damaged record opens nothing and
        // stays for another try.
        ui::runCommand(mainWindow, [&] {
            const RecoveryRecord record = RecoveryFolder::read(path);
            TfmContura *window = openWindow(mainWindow);
            window->restoreLog(record);
            // The log lives in the new window's own record now.
            RecoveryFolder::remove(path);
        });
    }
}

} // namespace coil
