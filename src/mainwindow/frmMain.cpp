#include "mainwindow/frmMain.h"

#include "text/Texts.h"

namespace qal {

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(GetText(1));
    resize(800, 600);
}

} // namespace qal
