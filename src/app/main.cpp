// QAL: creates the application and its main window.
#include "astro/AstroTables.h"
#include "mainwindow/frmMain.h"
#include "platform/MessageBoxes.h"
#include "text/Texts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QAL"));
    QApplication::setOrganizationName(QStringLiteral("Brenvale"));

    const QString strProgramFolder = QApplication::applicationDirPath();
    const qal::TextLoadResult texts = qal::LoadProgramTexts(strProgramFolder, QStringLiteral("qal.dat"));
    if (!texts.ok()) {
        qal::platform::MsgBox(texts.strMessage, qal::platform::MsgIcon::Critical, qal::platform::MsgButtons::Ok, {});
        return 1;
    }
    qal::InitAstroTables(strProgramFolder);

    qal::frmMain window;
    window.show();
    return QApplication::exec();
}
