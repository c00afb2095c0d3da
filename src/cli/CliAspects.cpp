// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// qal-cli aspects: every aspect that begins, becomes exact or ends in a
// span, to the minute, with the passes of each stretch within orb, written a
// month of the span at a time as text, CSV, JSON, JSON lines or a calendar.
#include "astro/FastLongitudes.h"
#include "cli/CliCommands.h"

#include "astro/ChartAngles.h"
#include "chart/AspectCalendar.h"
#include "chart/AspectCalendarEvents.h"
#include "dates/DatePr2.h"
#include "platform/Clock.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <QJsonObject>

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

// The lines of one event in the format asked for.
QString EventLines(
    const Options& o, const AspectEvent& e, const CalendarSource& calendar, const QDateTime& stamp, bool& blnFirst)
{
    const int z = ZoneMinutesAt(o, e.dblMoment);
    const AspectStretch& a = *e.aspect;
    switch (o.format) {
    case Format::Csv:
        return CsvLine({ IsoMoment(e.dblMoment, z), QString::number(e.dblMoment, 'f', 6), EventWord(e),
            strBodyName[a.intSecondBody], udtAspectText[a.intKind].Name, PointName(a.intFirstBody),
            a.blnNatal ? QStringLiteral("true") : QStringLiteral("false"),
            IsExact(e) ? QString::number(e.intPass) : QString(), IsExact(e) ? QString::number(Passes(e)) : QString() });
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

QString AspectsHead(const Options& o)
{
    switch (o.format) {
    case Format::Csv:
        return CsvLine({ QStringLiteral("moment"), QStringLiteral("jd_ut"), QStringLiteral("event"),
            QStringLiteral("body"), QStringLiteral("aspect"), QStringLiteral("other"), QStringLiteral("natal"),
            QStringLiteral("pass"), QStringLiteral("passes") });
    case Format::Json:
        return JsonListOpening({ { QStringLiteral("command"), QStringLiteral("aspects") },
                                   { QStringLiteral("from"),
                                       IsoMoment(o.udtMoment.dblJD, ZoneMinutesAt(o, o.udtMoment.dblJD)) },
                                   { QStringLiteral("to"), IsoMoment(o.udtUntil->dblJD, ZoneMinutesAt(o, o.udtUntil->dblJD)) } },
            QStringLiteral("events"));
    case Format::Ics: return platform::CalendarBegin(GetText(TextId::AppTitle));
    default: return {};
    }
}

QString AspectsTail(const Options& o)
{
    if (o.format == Format::Json)
        return JsonListClosing();
    return o.format == Format::Ics ? platform::CalendarEnd() : QString();
}

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
    const double dblYears = (query.dblUntil - query.dblFrom) / 365.25;
    long long intEvents = 0;
    bool blnFirst = true;
    if (!out.Write(AspectsHead(o)))
        return intExitOk;
    AspectCalendarPiece piece;
    while (search.NextPiece(piece)) {
        QString strLines;
        if (o.format == Format::Ics && o.blnIcsStretches) {
            for (const auto& aspect : piece.stretches)
                strLines += platform::CalendarEventText(StretchEvent(*aspect, calendar), stamp);
        }
        for (const AspectEvent& e : piece.events)
            strLines += EventLines(o, e, calendar, stamp, blnFirst);
        intEvents += static_cast<long long>(piece.events.size());
        if (!out.Write(strLines))
            return intExitOk; // nobody reads on
        if (out.StopRequested())
            return intExitStopped;
        if (!o.blnQuiet)
            out.Progress((search.SearchedUntil() - query.dblFrom) / 365.25, dblYears, intEvents, "events");
    }
    return out.Write(AspectsTail(o)), intExitOk;
}

} // namespace qal::cli
