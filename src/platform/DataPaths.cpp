// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "platform/DataPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace qal::platform {

QString FindDataFolder(const QString& strProgramFolder)
{
    const QDir program(strProgramFolder);
    if (QFileInfo::exists(program.filePath(QStringLiteral("qal.dat"))))
        return program.absolutePath();
    const QString strInstalled = program.absoluteFilePath(QStringLiteral("../share/qal"));
    if (QFileInfo::exists(QDir(strInstalled).filePath(QStringLiteral("qal.dat"))))
        return QDir::cleanPath(strInstalled);
    return program.absolutePath();
}

QString UserApplicationDataFolder()
{
#ifdef Q_OS_WIN
    const QString strRoaming = qEnvironmentVariable("APPDATA");
    if (!strRoaming.isEmpty())
        return QDir::cleanPath(strRoaming);
#endif
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

} // namespace qal::platform
