// The main window's questions about time: when an aspect began and when it
// ends, and the durations of all aspects of the table.
#include "mainwindow/frmMain.h"

#include "aspects/AspectSpans.h"
#include "dialogs/frmDurations.h"
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
    if (!m_frmDurations)
        m_frmDurations = new frmDurations(this);
    return m_frmDurations;
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

namespace {

using SpanDay = double (*)(const LongitudeSource&, const OrbTable&, const AspectSpanQuery&);

// The beginning or end day (as day asks) of an aspect of the chart shown; in
// the Personal modes the natal body stands still at its birth longitude.
double DayOfAspect(
    const DurationInputs& in, int intP1, int intP2, int intAspect, int intPersonal, int intTimeZone, SpanDay day)
{
    AspectSpanQuery query { intP1, intP2, intAspect, intPersonal, intTimeZone, in.dblDayValue, {} };
    const LongitudeSource source = EphemerisSource(in.blnSidereal);
    if (IsPersonalMode(in.intMode))
        query.dblFixedFirstLongitude = source(intP1, in.dblChartJD[RuleOfMode(in.intMode).intSlotDateSet[1]]);
    return day(source, udtOrbTable, query);
}

} // namespace

double frmMain::BeginningOfAspect(int intP1, int intP2, int intAspect, int intPersonal, int intTimeZone) const
{
    return DayOfAspect(ShownDurationInputs(), intP1, intP2, intAspect, intPersonal, intTimeZone, AspectBeginningDay);
}

double frmMain::EndOfAspect(int intP1, int intP2, int intAspect, int intPersonal, int intTimeZone) const
{
    return DayOfAspect(ShownDurationInputs(), intP1, intP2, intAspect, intPersonal, intTimeZone, AspectEndDay);
}

void frmMain::GetDurations()
{
    strDurationRecord = DurationRecords(m_shown.udtGrid, ShownDurationInputs(), udtOrbTable);
    intDurationCount = static_cast<int>(strDurationRecord.size());
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
        DurationsWindow()->Report();
        Timer1->start();
        return;
    }
    const bool blnPersonal = optPersonal[0]->isChecked() || optPersonal[1]->isChecked();
    ui::MsgBox(GetText(blnPersonal ? TextId::NoTransitsToReport : TextId::NoAspectsToReport), ui::MsgIcon::Information,
        ui::MsgButtons::Ok, cmdReport->text(), 1, this);
}

} // namespace qal
