// QAL: creates the application and its main window.
#include "mainwindow/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QAL"));
    QApplication::setOrganizationName(QStringLiteral("Brenvale"));

    qal::frmMain window;
    if (!window.Form_Load(QApplication::applicationDirPath()))
        return 1;
    return QApplication::exec();
}
