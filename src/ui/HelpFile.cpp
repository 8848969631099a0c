// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HelpFile.h"

#include "base/AppInfo.h"

#include "ui/Dialogs.h"

#include <QFileInfo>
#include <QUrl>

namespace ui {

QString helpFilePath(const QString &programDir)
{
    return base::programFile(programDir, QStringLiteral("Spravka.chm"));
}

void openHelpFile(QWidget *parent, const QString &programDir)
{
    const QString path = helpFilePath(programDir);
    if (!QFileInfo(path).isFile() || !dialogs().openWithShell(QUrl::fromLocalFile(path)))
        showNotice(parent, QStringLiteral("Ошибка загрузки файла справки, положите его на место!"), Icon::Error);
}

} // namespace ui
