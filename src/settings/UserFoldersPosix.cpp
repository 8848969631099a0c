// SPDX-License-Identifier: GPL-3.0-or-later
// Linux: the XDG base directories.
#include "settings/UserFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace settings {

bool folderWritable(const QString &folder)
{
    // isWritable() asks the system (access()), which also answers for a
    // read-only mount; the permission bits alone would not.
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

QString userSettingsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/bandimor");
}

QString userRecoveryFolder()
{
    QString state = QFile::decodeName(qgetenv("XDG_STATE_HOME"));
    // A relative XDG_STATE_HOME counts as unset, as it does for the other
    // XDG folders.
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/bandimor/recovery");
}

bool makePrivateFolder(const QString &path)
{
    const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                               | QFileDevice::ExeOwner;
    if (!QDir(path).exists()) {
        // The folders above are the usual ones of the state folder; only the
        // program's own get closed.
        if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !QDir().mkdir(path, ownerOnly))
            return false;
    }
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                            | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                            | QFileDevice::WriteOther | QFileDevice::ExeOther;
    if (QFileInfo(path).permissions() & others)
        QFile::setPermissions(path, ownerOnly);
    return true;
}

} // namespace settings
