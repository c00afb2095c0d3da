// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's housekeeping: every second the controls are kept in step
// with the inputs. The tick never computes.
#include "mainwindow/frmMain.h"

#include "dialogs/frmConfigure.h"
#include "ui/PictureBox.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qal {

void frmMain::Timer1_Timer()
{
    // 1. The transiting Moon follows its box at once.
    ConfigureDialog();
    if (udtConfig.blnIncludeTransitingMoon != udtConfig.chkIncludeTransitingMoon) {
        ConfigurationSettings config = udtConfig;
        config.blnIncludeTransitingMoon = config.chkIncludeTransitingMoon;
        SetConfiguration(config);
    }

    // 2. Years hold digits only; a clear button shows where there is something to clear.
    for (int k = 0; k < 3; ++k) {
        const QString strClean = CleanIntegerText(txbYearCE[k]->text(), false, false);
        if (strClean != txbYearCE[k]->text())
            txbYearCE[k]->setText(strClean);
        const bool blnFilled = !txbYearCE[k]->text().isEmpty() || cboMonthCE[k]->currentIndex() >= 1
            || cboDayCE[k]->currentIndex() >= 1 || cboHour[k]->currentIndex() >= 1
            || cboTimezone[k]->currentIndex() >= 1;
        cmdClear[k]->setVisible(blnFilled);
        ShowWeekdayTip(k);
    }

    // 3. Stepping needs a complete current moment, a mode that uses it, no
    // run and no transit graph.
    const bool blnComplete = !txbYearCE[0]->text().isEmpty() && cboMonthCE[0]->currentIndex() >= 1
        && cboDayCE[0]->currentIndex() >= 1 && cboHour[0]->currentIndex() >= 1 && cboTimezone[0]->currentIndex() >= 1;
    EnableStepping(blnComplete && ModeUsesDateSet(intChartMode, 0) && !blnRunning && !blnGraphShown);

    // 4. The view controls.
    RefreshViewControls();

    // 5. A minimised main window takes the configuration dialog with it.
    if (ConfigureDialog()->isVisible() && isMinimized())
        ConfigureDialog()->cmdHide_Click();

    // 6. The quiet period after a save or a load.
    if (blnStateJustSaved && ++intTicksSinceSave > 5)
        blnStateJustSaved = false;
}

} // namespace qal
