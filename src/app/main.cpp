// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// QAL: creates the application and its main window, and finds the folders
// they work with.
#include "mainwindow/frmMain.h"
#include "platform/DataPaths.h"
#include "platform/Files.h"

#include "util/Version.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

const char* const kUsage = "Usage: qal [--help] [--version]\n\n"
                           "QAL computes where the Sun, the Moon and the planets stand for a date, a time\n"
                           "and a time zone, and which aspects they form; it opens its window. Its\n"
                           "command-line companion is qal-cli.\n\n"
                           "  --help     this text\n"
                           "  --version  the version\n";

} // namespace

int main(int argc, char* argv[])
{
    // Answered before any window: these need no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0)
        return std::printf("qal %s\n%s", qal::kQalVersion, qal::kQalLicenceLines) < 0;
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0))
        return std::fputs(kUsage, stdout) < 0;
    qal::platform::ReportFileSizeLimitAsWriteError();
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QLatin1String(qal::kQalVersion));
    QApplication::setApplicationName(QStringLiteral("QAL"));
    QApplication::setOrganizationName(QStringLiteral("Brenvale"));
    // The desktop's name for the program (its menu entry and icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.brenvale.qal"));

    qal::platform::AppFolders folders;
    folders.strProgramFolder = QApplication::applicationDirPath();
    folders.strDataFolder = qal::platform::FindDataFolder(folders.strProgramFolder);
    folders.strUserDataFolder = qal::platform::UserApplicationDataFolder();

    qal::frmMain window;
    if (!window.Form_Load(folders))
        return 1;
    return QApplication::exec();
}
