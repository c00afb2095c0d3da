// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Where the program's files and the user's files live.
#pragma once

#include <QString>

namespace qal::platform {

// The folders the program works with, found once by main and handed to the
// main window.
struct AppFolders {
    QString strProgramFolder; // where the executable lives
    QString strDataFolder; // qal.dat, pluto.slx and the help texts
    QString strUserDataFolder; // the user's application-data folder
};

// The folder that holds qal.dat, pluto.slx and the help texts: the program's
// own folder when they are there (a build, or a copied program), otherwise
// the installed data folder beside it ("../share/qal").
QString FindDataFolder(const QString& strProgramFolder);

// The user's own application-data folder: the roaming application data on
// Windows, the XDG data home elsewhere. Not created here.
QString UserApplicationDataFolder();

} // namespace qal::platform
