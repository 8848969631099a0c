// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HelpFile.h"

#include "base/AppInfo.h"
#include "ui/DesktopOpener.h"
#include "ui/Dialogs.h"

#include <QFileInfo>
#include <QPointer>
#include <QUrl>
#include <QWidget>

namespace ui {

QString helpFilePath(const QString &programDir)
{
    return base::programFile(programDir, QStringLiteral("Spravka.chm"));
}

QString missingHelpFileText()
{
    return QStringLiteral("Ошибка загрузки файла справки, положите его на место!");
}

QString noHelpViewerText()
{
    return QStringLiteral("Не найдена программа для просмотра справки (файлы CHM). ") + chmViewerAdvice();
}

void openHelpFile(QWidget *parent, const QString &programDir)
{
    const QString path = helpFilePath(programDir);
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        showNotice(parent, missingHelpFileText(), Icon::Error);
        return;
    }
    // The window may be gone by the time the desktop answers.
    const QPointer<QWidget> window(parent);
    dialogs().openWithShell(QUrl::fromLocalFile(path), [window] {
        showNotice(window, noHelpViewerText(), Icon::Error);
    });
}

} // namespace ui
