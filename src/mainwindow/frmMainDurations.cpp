// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's questions about time: when an aspect began and when it
// ends, and the durations of all aspects of the table.
#include "astro/FastLongitudes.h"
#include "mainwindow/frmMain.h"

#include "aspects/AspectSpans.h"
#include "dialogs/frmDurations.h"
#include "dialogs/frmTimeMap.h"
#include "settings/Configuration.h"
#include "text/Texts.h"
#include "ui/MessageBoxes.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cmath>

namespace qal {

frmDurations* frmMain::DurationsWindow()
{
    if (!m_frmDurations) {
        m_frmDurations = new frmDurations(this);
        connect(m_frmDurations, &frmDurations::timeMapRequested, this,
            [this](const DurationsContent& content, const QString& strTitle) { ShowTimeMap(content, strTitle); });
    }
    return m_frmDurations;
}

frmTimeMap* frmMain::TimeMapWindow()
{
    if (!m_frmTimeMap) {
        m_frmTimeMap = new frmTimeMap(this);
        connect(m_frmTimeMap, &frmTimeMap::transitChosen, this,
            [this](const CellAspect& aspect, const OrbStretch& stretch) { ShowTransitOfStretch(aspect, stretch); });
    }
    return m_frmTimeMap;
}

void frmMain::ShowTimeMap(const DurationsContent& content, const QString& strTitle)
{
    TimeMapContent map;
    map.chart = content.inputs;
    map.dblNatalDayValue = content.dblNatalDayValue;
    map.strChartTitle = strTitle;
    map.config = content.config;
    map.orbs = content.orbs;
    TimeMapWindow()->Show(map);
}

QString frmMain::ShownDateText(int k) const
{
    const QStringList parts = ShownDateParts(k);
    return parts.isEmpty() ? QString() : parts.join(QStringLiteral(", "));
}

QStringList frmMain::ShownDateParts(int k) const
{
    const DateSetTexts texts
        = TextsOfDateSet(m_shown.udtSet[k], intComputerTzIndex, udtConfig.blnDisplayNATZabbr, false);
    if (texts.strDate.isEmpty())
        return {};
    return { texts.strDate, texts.strClock + QStringLiteral(" (") + texts.strZone + QLatin1Char(')') };
}

DurationInputs frmMain::ShownDurationInputs() const
{
    return m_shown.udtInputs;
}

double frmMain::DayOfShownAspect(
    int intP1, int intP2, int intAspect, int intPersonal, int intTimeZone, bool blnBeginning) const
{
    const DurationInputs in = ShownDurationInputs();
    const LongitudeSource source = FastSource(in.blnSidereal, true);
    AspectSpanQuery query = SpanQueryOf(in, intP1, intP2, intAspect, source);
    query.intOrbColumn = intPersonal;
    query.intTimezoneMinutes = intTimeZone;
    return blnBeginning ? AspectBeginningDay(source, m_shown.udtOrbs, query)
                        : AspectEndDay(source, m_shown.udtOrbs, query);
}

double frmMain::BeginningOfAspect(int intP1, int intP2, int intAspect, int intPersonal, int intTimeZone) const
{
    return DayOfShownAspect(intP1, intP2, intAspect, intPersonal, intTimeZone, true);
}

double frmMain::EndOfAspect(int intP1, int intP2, int intAspect, int intPersonal, int intTimeZone) const
{
    return DayOfShownAspect(intP1, intP2, intAspect, intPersonal, intTimeZone, false);
}

void frmMain::GetDurations()
{
    strDurationRecord = DurationRecords(m_shown.udtGrid, ShownDurationInputs(), m_shown.udtOrbs)
        + AngleDurationRecords(m_shown.angleAspects, ShownDurationInputs(), m_shown.udtOrbs);
    intDurationCount = static_cast<int>(strDurationRecord.size());
}

DurationsContent frmMain::DurationsOfShownChart()
{
    GetDurations();
    DurationsContent content;
    content.strDurationRecord = strDurationRecord;
    content.inputs = ShownDurationInputs();
    const int intMode = content.inputs.intMode;
    for (int k = 0; k < 3; ++k)
        content.strDateText[k] = ModeUsesDateSet(intMode, k) ? ShownDateText(k) : QString();
    content.positions = udtShownChart;
    content.orbs = m_shown.udtOrbs;
    content.config = udtConfig;
    content.strOrbTitle
        = TitleWithOrbs(m_shown.udtOrbs, QString(), !IsSingleChartMode(intMode), intMode == modeSynastry).trimmed();
    if (IsPersonalMode(intMode))
        content.dblNatalDayValue = DateSetToDayValue(m_shown.udtSet[RuleOfMode(intMode).intSlotDateSet[1]]);
    return content;
}

void frmMain::ShowDurations()
{
    DurationsWindow()->Report(DurationsOfShownChart());
    // An open time map follows the chart the durations window now shows.
    if (m_frmTimeMap && m_frmTimeMap->isVisible())
        DurationsWindow()->cmdTimeMap_Click();
}

void frmMain::cmdReport_Click()
{
    if (GetTotalNumAspects() == 0) {
        const bool blnPersonal = IsPersonalMode(m_shown.udtInputs.intMode);
        ui::MsgBox(GetText(blnPersonal ? TextId::NoTransitsToReport : TextId::NoAspectsToReport),
            ui::MsgIcon::Information, ui::MsgButtons::Ok, cmdReport->text(), 1, this);
        return;
    }
    Timer1->stop();
    frmDurations* window = m_frmDurations;
    // The window open with the chart shown comes to the front as it is;
    // with an earlier chart it is filled anew.
    if (window && window->isVisible() && SameChart(window->Content(), DurationsOfShownChart()))
        window->BringToFront();
    else
        ShowDurations();
    Timer1->start();
}

} // namespace qal
