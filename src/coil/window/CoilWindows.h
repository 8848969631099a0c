// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coil windows of the whole program at its ends: the questions about
// their unsaved logs before it closes, their recovery files when it ends
// without asking, and the logs of an earlier run offered back at start.

#include "coil/LogRecovery.h"

#include <QList>
#include <functional>

class QWidget;
class TfmContura;

namespace coil {

// The coil windows owned by the main window that the user has not closed,
// oldest first.
QList<TfmContura *> openCoilWindows(QWidget *mainWindow);

// Each open coil window with a modified log asks its question, one after the
// other. False when one was cancelled, or its save failed (reported): the
// program goes on. True: the logs are answered for and their recovery files
// gone.
bool askAboutUnsavedLogs(QWidget *mainWindow);

// The program ends from the main window (its close, "Выход", F12, the
// session's end, a signal): the coil window used last writes its settings
// (place, winding type, tab, log font) as its own close would. Nothing
// without an open coil window; a file that cannot be written is reported.
void writeLastUsedCoilSettings(QWidget *mainWindow);

// The main window's close query: askAboutUnsavedLogs, then, unless it was
// cancelled, writeLastUsedCoilSettings.
bool coilWindowsLetProgramEnd(QWidget *mainWindow);

// The session is saved without asking: every modified log is written to its
// recovery file now (the program may run on).
void writeUnsavedLogs(QWidget *mainWindow);

// The program ends without asking (a signal): every modified log is written
// to its recovery file now, and kept there even if a question still open is
// answered afterwards.
void keepUnsavedLogs(QWidget *mainWindow);

// At start, when records of an earlier run are in the folder: asks once;
// Yes opens one coil window per log with openWindow, No deletes them. A
// damaged record is reported by its name, its readable part (if any) offered
// in a window of its own, and it is set aside under another name, so that
// it is not asked about again.
// Whether records of an earlier run wait in the folder (start-up then takes
// the splash away before it asks).
bool hasRecoveredLogs(const QString &folder = RecoveryFolder::defaultPath());
using CoilWindowOpener = std::function<TfmContura *(QWidget *mainWindow)>;
void offerRecoveredLogs(QWidget *mainWindow, const CoilWindowOpener &openWindow,
                        const QString &folder = RecoveryFolder::defaultPath());

} // namespace coil
