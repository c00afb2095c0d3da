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
    map.config = udtConfig;
    map.orbs = udtOrbTable;
    TimeMapWindow()->Show(map);
}

QString frmMain::ShownDateText(int k) const
{
    DateSetInput udtSet = m_shown.udtSet[k];
    const double v = DateSetToDayValue(udtSet);
    if (v < 0)
        return {};
    return DateTimeZoneText(
        v, cboHour[k]->itemText(udtSet.intHour), cboTimezone[k]->itemText(udtSet.intTimezone), false);
}

QStringList frmMain::ShownDateParts(int k) const
{
    DateSetInput udtSet = m_shown.udtSet[k];
    const double v = DateSetToDayValue(udtSet);
    if (v < 0)
        return {};
    return { JDNToDateText(static_cast<int>(std::floor(v)), false, intCurrentLanguage),
        cboHour[k]->itemText(udtSet.intHour) + QStringLiteral(" (") + cboTimezone[k]->itemText(udtSet.intTimezone)
            + QLatin1Char(')') };
}

DurationInputs frmMain::ShownDurationInputs() const
{
    DurationInputs in;
    in.intMode = intChartMode;
    std::copy(std::begin(dblChartJD), std::end(dblChartJD), in.dblChartJD);
    DateSetInput udtCurrent = m_shown.udtSet[0];
    in.dblDayValue = DateSetToDayValue(udtCurrent);
    in.intTimezoneMinutes = TimezoneItemValue(udtCurrent.intTimezone);
    in.blnSidereal = udtConfig.blnSidereal;
    return in;
}

double frmMain::DayOfShownAspect(
    int intP1, int intP2, int intAspect, int intPersonal, int intTimeZone, bool blnBeginning) const
{
    const DurationInputs in = ShownDurationInputs();
    const LongitudeSource source = FastSource(in.blnSidereal, true);
    AspectSpanQuery query = SpanQueryOf(in, intP1, intP2, intAspect, source);
    query.intOrbColumn = intPersonal;
    query.intTimezoneMinutes = intTimeZone;
    return blnBeginning ? AspectBeginningDay(source, udtOrbTable, query) : AspectEndDay(source, udtOrbTable, query);
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
    strDurationRecord = DurationRecords(m_shown.udtGrid, ShownDurationInputs(), udtOrbTable);
    intDurationCount = static_cast<int>(strDurationRecord.size());
}

void frmMain::ShowDurations()
{
    GetDurations();
    DurationsContent content;
    content.strDurationRecord = strDurationRecord;
    content.inputs = ShownDurationInputs();
    for (int k = 0; k < 3; ++k)
        content.strDateText[k] = ModeUsesDateSet(intChartMode, k) ? ShownDateText(k) : QString();
    content.strOrbTitle = AddOrbToTitle(QString(), !IsSingleChartMode(intChartMode)).trimmed();
    if (IsPersonalMode(intChartMode))
        content.dblNatalDayValue = DateSetToDayValue(m_shown.udtSet[RuleOfMode(intChartMode).intSlotDateSet[1]]);
    DurationsWindow()->Report(content);
}

void frmMain::cmdReport_Click()
{
    frmDurations* window = m_frmDurations;
    if (window && window->isVisible()) {
        window->raise();
        window->activateWindow();
        return;
    }
    if (GetTotalNumAspects() != 0) {
        Timer1->stop();
        ShowDurations();
        Timer1->start();
        return;
    }
    const bool blnPersonal = optPersonal[0]->isChecked() || optPersonal[1]->isChecked();
    ui::MsgBox(GetText(blnPersonal ? TextId::NoTransitsToReport : TextId::NoAspectsToReport), ui::MsgIcon::Information,
        ui::MsgButtons::Ok, cmdReport->text(), 1, this);
}

} // namespace qal
