// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The manual: the help button opens it in the text viewer, inside the main
// window, in the interface language.
#include "mainwindow/frmMain.h"

#include "ui/ScreenFit.h"

#include "dialogs/frmView.h"
#include "text/Texts.h"
#include "util/Twips.h"

#include <QDir>
#include <QPushButton>

namespace qal {

frmView* frmMain::ViewerWindow()
{
    if (!m_frmView)
        m_frmView = new frmView(this);
    return m_frmView;
}

void frmMain::cmdHelp_Click()
{
    frmView* viewer = ViewerWindow();
    if (viewer->isMinimized())
        viewer->showNormal();
    if (!viewer->isMaximized() && !viewer->isFullScreen()) {
        const QRect frame = frameGeometry();
        viewer->move(frame.left() + Px(100), frame.top() + Px(380));
        viewer->resize(frame.width() - Px(200), frame.height() - Px(480));
    }
    const QString strFile = IsGerman() ? QStringLiteral("qal_help_de.txt") : QStringLiteral("qal_help.txt");
    viewer->strFileName = QDir(m_folders.strDataFolder).filePath(strFile);
    viewer->setWindowTitle(cmdHelp->text());
    viewer->blnHideCopyButton = true;
    viewer->blnShowAbout = true;
    viewer->show();
    ui::FitOnScreen(viewer);
    viewer->Form_Activate(); // an open viewer switches to the other language's manual
    viewer->raise();
    viewer->activateWindow();
}

} // namespace qal
