// QAL: creates the application and its main window, and finds the folders
// they work with.
#include "mainwindow/frmMain.h"
#include "platform/DataPaths.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QAL"));
    QApplication::setOrganizationName(QStringLiteral("Brenvale"));

    qal::platform::AppFolders folders;
    folders.strProgramFolder = QApplication::applicationDirPath();
    folders.strDataFolder = qal::platform::FindDataFolder(folders.strProgramFolder);
    folders.strUserDataFolder = qal::platform::UserApplicationDataFolder();

    qal::frmMain window;
    if (!window.Form_Load(folders))
        return 1;
    return QApplication::exec();
}
