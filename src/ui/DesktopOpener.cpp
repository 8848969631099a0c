// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesktopOpener.h"

#include <QProcess>
#include <QStandardPaths>

namespace ui {

bool openWithDesktop(const QString &path, int waitMs)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return false;

    // Owned by nobody: an opener that outlives the wait keeps running, and
    // the object goes when it ends.
    auto *process = new QProcess;
    process->setProgram(opener);
    process->setArguments({path});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start();
    if (!process->waitForStarted(waitMs)) {
        delete process;
        return false;
    }
    if (!process->waitForFinished(waitMs))
        return true;
    return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
}

} // namespace ui
