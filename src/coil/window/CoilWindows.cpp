// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/window/CoilWindows.h"

#include "base/AppError.h"
#include "coil/window/Kontura.h"
#include "coil/window/LogRecoveryMirror.h"
#include "coil/window/ResultsLog.h"
#include "ui/CommandGuard.h"
#include "ui/Dialogs.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

namespace coil {

namespace {

ui::Answer askYesNo(QWidget *parent, const QString &text)
{
    ui::MessageRequest question;
    question.text = text;
    question.caption = QStringLiteral("Подтверждение");
    question.icon = ui::Icon::Question;
    question.buttons = ui::Buttons::YesNo;
    // Enter keeps the logs.
    question.defaultButton = ui::Answer::Yes;
    return ui::dialogs().message(parent, question);
}

void openRecovered(QWidget *mainWindow, const CoilWindowOpener &openWindow, const RecoveryRecord &record)
{
    ui::runCommand(mainWindow, [&] { openWindow(mainWindow)->restoreLog(record); });
}

// A damaged record: what can be read of it is offered, then it is set aside
// under another name, so that the next start does not ask about it again.
void recoverDamaged(QWidget *mainWindow, const CoilWindowOpener &openWindow, const QString &path,
                    const QString &problem)
{
    QByteArray data;
    {
        // Closed before the renaming: Windows renames no open file.
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            data = file.readAll();
    }
    const std::optional<RecoveryRecord> part = readablePartOfRecord(data);
    if (part) {
        if (askYesNo(mainWindow, problem + QStringLiteral(" Открыть то, что из него удалось прочитать?"))
            == ui::Answer::Yes)
            openRecovered(mainWindow, openWindow, *part);
    }
    const QString aside = RecoveryFolder::setAside(path);
    const QString notice = problem + QLatin1Char(' ')
                           + (aside.isEmpty()
                  ? QStringLiteral("Переименовать его не удалось; он останется в папке «%1».")
                        .arg(QFileInfo(path).absolutePath())
                  : QStringLiteral("Он сохранён под именем «%1» и больше предлагаться не будет.").arg(aside));
    ui::showNotice(mainWindow, notice, ui::Icon::Warning);
}

void recoverOne(QWidget *mainWindow, const CoilWindowOpener &openWindow, const QString &path)
{
    RecoveryRecord record;
    try {
        // Read before a window is made: a damaged record opens no empty window.
        record = RecoveryFolder::read(path);
    } catch (const AppError &error) {
        recoverDamaged(mainWindow, openWindow, path, error.text());
        return;
    }
    openRecovered(mainWindow, openWindow, record);
    // The log lives in the new window's own record now.
    RecoveryFolder::remove(path);
}

} // namespace

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

void writeLastUsedCoilSettings(QWidget *mainWindow)
{
    TfmContura *lastUsed = nullptr;
    // Oldest first: among windows never activated, the newest counts.
    for (TfmContura *window : openCoilWindows(mainWindow)) {
        if (!lastUsed || window->lastUsed() >= lastUsed->lastUsed())
            lastUsed = window;
    }
    if (lastUsed)
        ui::runCommand(mainWindow, [lastUsed] { lastUsed->WriteParams(); });
}

bool coilWindowsLetProgramEnd(QWidget *mainWindow)
{
    if (!askAboutUnsavedLogs(mainWindow))
        return false;
    writeLastUsedCoilSettings(mainWindow);
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

bool hasRecoveredLogs(const QString &folder)
{
    return !RecoveryFolder(folder).recordPaths().isEmpty();
}

void offerRecoveredLogs(QWidget *mainWindow, const CoilWindowOpener &openWindow, const QString &folder)
{
    const RecoveryFolder recovery(folder);
    // Copies of logs as they were opened: nothing in them is unsaved.
    recovery.removePrepared();
    const QStringList records = recovery.recordPaths();
    if (records.isEmpty())
        return;
    if (askYesNo(mainWindow, recoveryQuestion(int(records.size()))) != ui::Answer::Yes) {
        for (const QString &record : records)
            RecoveryFolder::remove(record);
        return;
    }
    for (const QString &path : records)
        recoverOne(mainWindow, openWindow, path);
}

} // namespace coil
