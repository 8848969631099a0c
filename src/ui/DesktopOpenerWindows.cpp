// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: the shell's open action (ShellExecute, through Qt), which answers
// at once whether a program took the file.
#include "ui/DesktopOpener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QTimer>
#include <QUrl>

namespace ui {

void openWithDesktop(const QString &path, std::function<void(bool opened)> verdict, int)
{
    const bool opened = QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    // From the event loop, as on every system.
    QTimer::singleShot(0, QCoreApplication::instance(), [verdict = std::move(verdict), opened] {
        verdict(opened);
    });
}

QString chmViewerAdvice()
{
    return QStringLiteral("Файлы CHM открывает программа Windows hh.exe: проверьте, что она на "
                          "месте и что файлы CHM связаны с ней.");
}

} // namespace ui
