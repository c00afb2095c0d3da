// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "settings/RecentFolders.h"

#include "platform/Registry3.h"
#include "settings/RegistrySwitches.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace qal {
namespace {

QString ValueName(FileKind kind)
{
    switch (kind) {
    case FileKind::State: return QStringLiteral("StateFolder");
    case FileKind::Picture: return QStringLiteral("PictureFolder");
    case FileKind::Calendar: break;
    }
    return QStringLiteral("CalendarFolder");
}

} // namespace

QString StartFolderFor(FileKind kind)
{
    QString strFolder;
    platform::ReadRegistryString(platform::HkeyCurrentUser, strSwitchesKeyPath, ValueName(kind), strFolder);
    if (!strFolder.isEmpty() && QFileInfo(strFolder).isDir())
        return strFolder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void RememberFolderOf(FileKind kind, const QString& strFile)
{
    if (strFile.isEmpty())
        return;
    const QString strFolder = QFileInfo(strFile).absolutePath();
    QString strStored;
    platform::ReadRegistryString(platform::HkeyCurrentUser, strSwitchesKeyPath, ValueName(kind), strStored);
    if (strStored != strFolder) // the store is written only when the folder changes
        platform::WriteRegistryString(platform::HkeyCurrentUser, strSwitchesKeyPath, ValueName(kind), strFolder);
}

} // namespace qal
