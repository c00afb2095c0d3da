// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// qal-cli aspects: every aspect that begins, becomes exact or ends in a
// span, to the minute, with the passes of each stretch within orb, written a
// month of the span at a time as text, CSV, JSON, JSON lines or a calendar;
// with --with-events the sky's own events among them, in time order.
#include "astro/FastLongitudes.h"
#include "cli/CliCommands.h"
#include "cli/CliSkyEvents.h"

#include "astro/ChartAngles.h"
#include "chart/AspectCalendar.h"
#include "chart/AspectCalendarEvents.h"
#include "dates/DatePr2.h"
#include "platform/Clock.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <QJsonObject>

#include <deque>
#include <utility>

namespace qal::cli {
namespace {

const char* const kEventWords[3] = { "begins", "exact", "ends" };

QString EventWord(const AspectEvent& e)
{
    return QString::fromLatin1(kEventWords[static_cast<int>(e.kind)]);
}

bool IsExact(const AspectEvent& e)
{
    return e.kind == AspectEventKind::Exact;
}

int Passes(const AspectEvent& e)
{
    return static_cast<int>(e.aspect->stretch.exact.size());
}

QJsonObject EventObject(const AspectEvent& e, int z)
{
    const AspectStretch& a = *e.aspect;
    QJsonObject event { { QStringLiteral("moment"), IsoMoment(e.dblMoment, z) },
        { QStringLiteral("jd_ut"), e.dblMoment }, { QStringLiteral("event"), EventWord(e) },
        { QStringLiteral("body"), strBodyName[a.intSecondBody] },
        { QStringLiteral("aspect"), udtAspectText[a.intKind].Name },
        { QStringLiteral("other"), PointName(a.intFirstBody) }, { QStringLiteral("natal"), a.blnNatal } };
    if (IsExact(e)) {
        event[QStringLiteral("pass")] = e.intPass;
        event[QStringLiteral("passes")] = Passes(e);
    }
    return event;
}

// The CSV columns: those of the aspects, and with the sky's events theirs.
QStringList AspectColumns(const Options& o)
{
    QStringList columns { QStringLiteral("moment"), QStringLiteral("jd_ut"), QStringLiteral("event"),
        QStringLiteral("body"), QStringLiteral("aspect"), QStringLiteral("other"), QStringLiteral("natal"),
        QStringLiteral("pass"), QStringLiteral("passes") };
    return o.blnWithEvents ? columns + SkyEventColumns() : columns;
}

// The lines of one event in the format asked for.
QString EventLines(
    const Options& o, const AspectEvent& e, const CalendarSource& calendar, const QDateTime& stamp, bool& blnFirst)
{
    const int z = ZoneMinutesAt(o, e.dblMoment);
    const AspectStretch& a = *e.aspect;
    switch (o.format) {
    case Format::Csv: return CsvRecord(EventObject(e, z), AspectColumns(o));
    case Format::Json: {
        const bool blnFirstItem = std::exchange(blnFirst, false);
        return JsonListItem(EventObject(e, z), blnFirstItem);
    }
    case Format::Jsonl: return JsonLine(EventObject(e, z)) + QLatin1Char('\n');
    case Format::Ics:
        return IsExact(e) ? platform::CalendarEventText(PassEvent(a, e.intPass, calendar), stamp) : QString();
    case Format::Text: break;
    }
    static const TextId kWords[3] = { TextId::EventBegins, TextId::EventExact, TextId::EventEnds };
    QString strLine = IsoLocalMomentText(e.dblMoment, z) + QStringLiteral("  ")
        + GetText(kWords[static_cast<int>(e.kind)]).leftJustified(8) + AspectName(a);
    if (IsExact(e))
        strLine += QStringLiteral("  (") + PassText(e.intPass, Passes(e)) + QLatin1Char(')');
    return strLine + QLatin1Char('\n');
}

// The sky's events found as far as the aspects have been, kept until the
// aspects' search has passed them so that both are written in time order.
class SkyEventsAlongside {
public:
    SkyEventsAlongside(const Options& o, const CalendarSource& calendar, const QDateTime& stamp)
        : m_o(o)
        , m_calendar(calendar)
        , m_stamp(stamp)
        , m_search(SkyEventQueryOf(o, kAllSkyEvents), FastSource(o.blnSidereal))
        , m_columns(AspectColumns(o))
    {
    }

    // The lines of the events before dblUntil, searched on to there.
    QString LinesBefore(double dblUntil, bool& blnFirst, long long& intEvents)
    {
        std::vector<SkyEvent> piece;
        while (m_search.SearchedUntil() < dblUntil && m_search.NextPiece(piece))
            m_pending.insert(m_pending.end(), piece.begin(), piece.end());
        QString strLines;
        while (!m_pending.empty() && m_pending.front().dblMoment < dblUntil) {
            const SkyEvent& e = m_pending.front();
            strLines += SkyEventLines(m_o, e, IsoMoment(e.dblMoment, ZoneMinutesAt(m_o, e.dblMoment)), m_columns,
                m_calendar, m_stamp, blnFirst);
            m_pending.pop_front();
            ++intEvents;
        }
        return strLines;
    }

private:
    const Options& m_o;
    const CalendarSource& m_calendar;
    const QDateTime& m_stamp;
    SkyEventSearch m_search;
    QStringList m_columns;
    std::deque<SkyEvent> m_pending;
};

} // namespace

int RunAspects(const Options& o, Output& out, QString& err)
{
    const ConfigurationSettings config = ConfigurationOf(o);
    AspectCalendarQuery query;
    query.dblFrom = o.udtMoment.dblJD;
    query.dblUntil = o.udtUntil->dblJD;
    if (o.udtNatal) {
        query.dblNatalMoment = o.udtNatal->dblJD;
        const ChartAngles angles = NatalAngles(o, config); // with a place, the transits to its angles too
        if (angles.blnKnown) {
            query.dblNatalAngle[0] = angles.dblAscendant;
            query.dblNatalAngle[1] = angles.dblMidheaven;
        }
    }
    query.udtOrbs = OrbTableOf(config);
    query.blnSidereal = config.blnSidereal;
    err += RangeNote(o, query.dblFrom, query.dblUntil);
    const CalendarSource calendar { query.dblNatalMoment, query.blnSidereal, ZoneMinutesAt(o, query.dblFrom) };
    const QDateTime stamp = platform::ClockNowUtc(); // when the calendar was made

    AspectCalendar search(query, FastSource(config.blnSidereal));
    bool blnFirst = true;
    std::optional<SkyEventsAlongside> sky;
    if (o.blnWithEvents)
        sky.emplace(o, calendar, stamp);
    AspectCalendarPiece piece;
    const auto next = [&](QString& strLines, long long& intFound, double& dblSearched) {
        if (!search.NextPiece(piece))
            return false;
        if (o.format == Format::Ics && o.blnIcsStretches) {
            for (const auto& aspect : piece.stretches)
                strLines += platform::CalendarEventText(StretchEvent(*aspect, calendar), stamp);
        }
        for (const AspectEvent& e : piece.events) {
            if (sky)
                strLines += sky->LinesBefore(e.dblMoment, blnFirst, intFound);
            strLines += EventLines(o, e, calendar, stamp, blnFirst);
        }
        if (sky)
            strLines += sky->LinesBefore(search.SearchedUntil(), blnFirst, intFound);
        intFound += static_cast<long long>(piece.events.size());
        dblSearched = search.SearchedUntil();
        return true;
    };
    const auto moment = [&](double t) { return IsoMoment(t, ZoneMinutesAt(o, t)); };
    return StreamSearch(
        o, out, QStringLiteral("aspects"), AspectColumns(o), moment(query.dblFrom), moment(query.dblUntil), next);
}

} // namespace qal::cli
