// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's runs: time steps forward by itself, until stopped or
// until a chosen aspect pattern is present.
#include "mainwindow/frmMain.h"

#include "chart/DurationReport.h"
#include "dialogs/frmRun.h"
#include "text/Texts.h"
#include "ui/MessageBoxes.h"
#include "ui/ModalDialogs.h"
#include "util/Twips.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qal {

frmRun* frmMain::RunDialog()
{
    if (!m_frmRun)
        m_frmRun = new frmRun(this);
    return m_frmRun;
}

void frmMain::cmdRun_Click()
{
    if (!blnRunning && optPlanetary->isChecked()) {
        frmRun* dialog = RunDialog();
        // Over the main window, next to its run button.
        dialog->SetPlace(cmdRun->mapToGlobal(QPoint(0, cmdRun->height())) + QPoint(Px(120), Px(120)));
        ui::ShowModal(dialog);
        m_run = dialog->Request();
        if (m_run.blnCancelled)
            return;
    }
    if (blnRunning) {
        StopRun(); // the run ends after its current wait
        return;
    }
    // A run in another mode keeps the pattern of the dialog's last use.
    blnRunning = true;
    cmdRun->setText(GetText(TextId::Stop));
    EnableMainControls(false);
    cmdForwardBack_Click(0);
}

void frmMain::StopRun()
{
    blnRunning = false;
    cmdRun->setText(GetText(TextId::Run));
    EnableMainControls(true);
}

void frmMain::EnableMainControls(bool blnEnabled)
{
    QWidget* central = centralWidget();
    for (QWidget* w : central->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w)
            || qobject_cast<QLabel*>(w) || qobject_cast<QGroupBox*>(w) || qobject_cast<QPlainTextEdit*>(w))
            w->setEnabled(blnEnabled);
    }
    if (!blnEnabled) {
        // A run can be stopped, the program quit and the reports read.
        for (QWidget* w : { static_cast<QWidget*>(cmdRun), static_cast<QWidget*>(cmdQuit),
                 static_cast<QWidget*>(txbReport), static_cast<QWidget*>(txbReport1) })
            w->setEnabled(true);
    }
}

void frmMain::TestRunUntilFound()
{
    if (!blnRunning || m_run.intPattern < 0)
        return;
    const int intCount = intPatternCount[m_run.intPattern];
    const bool blnFound = m_run.blnAtLeast ? intCount >= m_run.intNumberToFind : intCount > 0;
    if (!blnFound)
        return;
    QString strName = m_run.strPatternName;
    QString strMessage;
    if (!m_run.blnAtLeast) {
        strMessage = strName + QLatin1Char(' ') + GetText(TextId::Found) + QLatin1Char('.');
    } else if (IsGerman()) {
        strMessage = NumberToWords(intCount, true) + QLatin1Char(' ') + strName + QStringLiteral(" gefunden.");
    } else {
        if (strName != QLatin1String("T-square"))
            strName = strName.toLower();
        strMessage = NumberToWords(intCount, false) + QLatin1Char(' ') + strName + QStringLiteral("s found.");
    }
    ui::MsgBox(strMessage, ui::MsgIcon::Information, ui::MsgButtons::Ok, GetText(TextId::PatternFound), 1, this);
    StopRun();
}

} // namespace qal
