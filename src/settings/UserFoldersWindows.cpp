// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: the known folders of the user's profile, asked of the shell
// (QStandardPaths has no name for the roaming one without the program's).
#include "settings/UserFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

namespace settings {
namespace {

QString knownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    QString folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &path)))
        folder = QDir::fromNativeSeparators(QString::fromWCharArray(path));
    ::CoTaskMemFree(path);
    return folder;
}

} // namespace

bool folderWritable(const QString &folder)
{
    // The read-only attribute, all that QFileInfo looks at, says nothing
    // about a folder's access rules (Program Files is "writable" by it): a
    // file made and removed again is the answer.
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("bandimor-XXXXXX.tmp")));
    return probe.open();
}

QString userSettingsFolder()
{
    return knownFolder(FOLDERID_RoamingAppData) + QStringLiteral("/bandimor");
}

QString userRecoveryFolder()
{
    return knownFolder(FOLDERID_LocalAppData) + QStringLiteral("/bandimor/recovery");
}

bool makePrivateFolder(const QString &path)
{
    return QDir().mkpath(path);
}

} // namespace settings
