// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// qal-cli events: the sky's own events in a span, to the minute, written a
// month of the span at a time as text, CSV, JSON, JSON lines or a calendar.
#include "astro/FastLongitudes.h"
#include "cli/CliCommands.h"
#include "cli/CliSkyEvents.h"

#include "astro/AstroTables.h"
#include "chart/SkyEventTexts.h"
#include "dates/DatePr2.h"
#include "platform/Clock.h"
#include "text/Texts.h"

#include <cmath>

namespace qal::cli {
namespace {

const QStringList& EventColumns()
{
    static const QStringList columns = QStringList { QStringLiteral("moment"), QStringLiteral("jd_ut"),
                                           QStringLiteral("event"), QStringLiteral("body") }
        + SkyEventColumns();
    return columns;
}

// The event as a record: strMoment, its Julian day, what happens and the
// fields that event has (sign, direction, phase, eclipse and kind, the
// stretch of an eclipse or of the void Moon, the void Moon's last aspect),
// and the longitude in degrees.
QJsonObject SkyEventRecord(const SkyEvent& e, const QString& strMoment)
{
    QJsonObject record { { QStringLiteral("moment"), strMoment }, { QStringLiteral("jd_ut"), e.dblMoment },
        { QStringLiteral("event"), SkyEventWord(e.kind) }, { QStringLiteral("body"), strBodyName[e.intBody] },
        { QStringLiteral("sign"), udtSign[e.intSign].Name },
        { QStringLiteral("longitude"), std::round(RadToDeg(e.dblLongitude) * 1e4) / 1e4 } };
    if (e.kind == SkyEventKind::Ingress || e.kind == SkyEventKind::Station)
        record[QStringLiteral("direction")] = e.blnRetrograde ? QStringLiteral("retrograde") : QStringLiteral("direct");
    if (e.kind == SkyEventKind::Lunation)
        record[QStringLiteral("phase")] = PhaseWord(e.intPhase);
    if (e.kind == SkyEventKind::Eclipse) {
        record[QStringLiteral("eclipse")] = e.intBody == intSun ? QStringLiteral("solar") : QStringLiteral("lunar");
        record[QStringLiteral("kind")] = EclipseKindWord(e.eclipse);
    }
    if (e.kind == SkyEventKind::Eclipse || e.kind == SkyEventKind::VoidBegins || e.kind == SkyEventKind::VoidEnds) {
        record[QStringLiteral("begins")] = IsoUtcMoment(e.dblSpanBegin);
        record[QStringLiteral("ends")] = IsoUtcMoment(e.dblSpanEnd);
    }
    if (e.kind == SkyEventKind::VoidBegins || e.kind == SkyEventKind::VoidEnds) {
        record[QStringLiteral("last_aspect")] = udtAspectText[e.intAspectKind].Name;
        record[QStringLiteral("last_other")] = strBodyName[e.intAspectBody];
    }
    return record;
}

// "2021-03-20 10:37  Sun enters Aries": the local moment and the event in words.
QString SkyEventTextLine(const SkyEvent& e, int intZoneMinutes)
{
    return IsoLocalMomentText(e.dblMoment, intZoneMinutes) + QStringLiteral("  ") + SkyEventName(e) + QLatin1Char('\n');
}

} // namespace

SkyEventQuery SkyEventQueryOf(const Options& o, SkyEventSet kinds)
{
    SkyEventQuery query;
    query.dblFrom = o.udtMoment.dblJD;
    query.dblUntil = o.udtUntil->dblJD;
    query.kinds = kinds & kAllSkyEvents;
    query.blnSidereal = o.blnSidereal;
    if (o.udtNatal)
        query.dblNatalMoment = o.udtNatal->dblJD;
    return query;
}

QStringList SkyEventColumns()
{
    return { QStringLiteral("sign"), QStringLiteral("direction"), QStringLiteral("phase"), QStringLiteral("eclipse"),
        QStringLiteral("kind"), QStringLiteral("longitude"), QStringLiteral("begins"), QStringLiteral("ends"),
        QStringLiteral("last_aspect"), QStringLiteral("last_other") };
}

QString CsvRecord(const QJsonObject& record, const QStringList& columns)
{
    QStringList fields;
    for (const QString& strColumn : columns) {
        const QJsonValue v = record.value(strColumn);
        if (v.isBool())
            fields << (v.toBool() ? QStringLiteral("true") : QStringLiteral("false"));
        else if (v.isDouble() && strColumn == QLatin1String("jd_ut"))
            fields << QString::number(v.toDouble(), 'f', 6);
        else if (v.isDouble() && strColumn == QLatin1String("longitude"))
            fields << QString::number(v.toDouble(), 'f', 4);
        else if (v.isDouble())
            fields << QString::number(std::llround(v.toDouble()));
        else
            fields << v.toString();
    }
    return CsvLine(fields);
}

QString SkyEventLines(const Options& o, const SkyEvent& e, const QString& strMoment, const QStringList& csvColumns,
    const CalendarSource& calendar, const QDateTime& stamp, bool& blnFirst)
{
    switch (o.format) {
    case Format::Csv: return CsvRecord(SkyEventRecord(e, strMoment), csvColumns);
    case Format::Json: return JsonListItem(SkyEventRecord(e, strMoment), std::exchange(blnFirst, false));
    case Format::Jsonl: return JsonLine(SkyEventRecord(e, strMoment)) + QLatin1Char('\n');
    case Format::Ics: {
        const auto event = SkyCalendarEvent(e, calendar, o.udtMoment.dblJD);
        return event ? platform::CalendarEventText(*event, stamp) : QString();
    }
    case Format::Text: break;
    }
    return SkyEventTextLine(e, ZoneMinutesAt(o, e.dblMoment));
}

int RunEvents(const Options& o, Output& out, QString& err)
{
    SkyEventQuery query = SkyEventQueryOf(o, o.intSkyEvents);
    query.stopRequested = [&out] { return out.StopRequested(); };
    err += RangeNote(o, query.dblFrom, query.dblUntil);
    const CalendarSource calendar { query.dblNatalMoment, query.blnSidereal, ZoneMinutesAt(o, query.dblFrom) };
    const QDateTime stamp = platform::ClockNowUtc(); // when the calendar was made
    SkyEventSearch search(query, FastSource(query.blnSidereal));
    bool blnFirst = true;
    std::vector<SkyEvent> piece;
    const auto next = [&](QString& strLines, long long& intFound, double& dblSearched) {
        if (!search.NextPiece(piece))
            return false;
        for (const SkyEvent& e : piece)
            strLines += SkyEventLines(o, e, IsoUtcMoment(e.dblMoment), EventColumns(), calendar, stamp, blnFirst);
        intFound += static_cast<long long>(piece.size());
        dblSearched = search.SearchedUntil();
        return true;
    };
    return StreamSearch(o, out, QStringLiteral("events"), EventColumns(), IsoUtcMoment(query.dblFrom),
        IsoUtcMoment(query.dblUntil), next);
}

} // namespace qal::cli
