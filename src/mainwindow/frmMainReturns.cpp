// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's returns: in the Personal modes the current moment taken
// to the transiting Sun's (solar return) or Moon's (lunar return) return to
// its place in the natal chart, to the minute, in the current date set's own
// zone and place, and the return chart computed there.
#include "mainwindow/frmMain.h"

#include "astro/FastLongitudes.h"
#include "chart/ChartModes.h"
#include "chart/SkyEvents.h"
#include "settings/Configuration.h"
#include "text/Texts.h"
#include "ui/ControlNames.h"
#include "ui/MessageBoxes.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

namespace qal {

void frmMain::SetUpReturnsMenu(QWidget* parent)
{
    cmdReturns = ui::Named(new QPushButton(parent), "cmdReturns");
    mnuReturns = new QMenu(cmdReturns);
    const struct {
        const char* strName;
        int intBody;
        bool blnForward;
    } kChoices[] = { { "mnuNextSolarReturn", intSun, true }, { "mnuPreviousSolarReturn", intSun, false },
        { "mnuNextLunarReturn", intMoon, true }, { "mnuPreviousLunarReturn", intMoon, false } };
    for (const auto& choice : kChoices) {
        QAction* action = mnuReturns->addAction(QString());
        action->setObjectName(QLatin1String(choice.strName));
        connect(action, &QAction::triggered, this,
            [this, b = choice.intBody, f = choice.blnForward] { ReturnChart(b, f); });
    }
    cmdReturns->setMenu(mnuReturns);
    cmdReturns->hide();
}

void frmMain::SetReturnsText()
{
    cmdReturns->setText(GetText(TextId::Returns));
    const TextId kTexts[] = { TextId::NextSolarReturn, TextId::PreviousSolarReturn, TextId::NextLunarReturn,
        TextId::PreviousLunarReturn };
    const QList<QAction*> actions = mnuReturns->actions();
    for (qsizetype i = 0; i < actions.size(); ++i)
        actions[i]->setText(GetText(kTexts[i]));
}

void frmMain::ReturnChart(int intBody, bool blnForward)
{
    const int intMode = SelectedChartMode();
    if (!IsPersonalMode(intMode) || blnRunning)
        return;
    const int intNatal = RuleOfMode(intMode).intSlotDateSet[1];
    const double t = InputDateToAJDate(0);
    const double dblNatal = InputDateToAJDate(intNatal);
    if (t < 0 || dblNatal < 0) {
        RejectDateSet(t < 0 ? 0 : intNatal, t < 0 ? t : dblNatal);
        return;
    }
    // Both longitudes apparent and of date, in the chart's zodiac, as every
    // moment QAL finds.
    const LongitudeSource source = FastSource(udtConfig.blnSidereal);
    const double dblNatalLongitude = source(intBody, dblNatal);
    const std::optional<double> found
        = dblNatalLongitude < 0 ? std::nullopt : ReturnMoment(source, intBody, dblNatalLongitude, t, blnForward);
    if (!found) {
        ui::MsgBox(GetText(TextId::NoReturnFound), ui::MsgIcon::Information, ui::MsgButtons::Ok,
            GetText(TextId::Returns), 1, this);
        return;
    }
    WriteDateSet(0, DateSetAtMoment(ReadDateSet(0), *found));
    ShowWeekdayTip(0);
    cmdCompute_Click();
}

} // namespace qal
