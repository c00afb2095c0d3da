// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// qal-cli chart: the chart of a moment (or the transits of a moment to a
// birth chart) with its aspect table, counts and patterns, computed by the
// same function as the window's table and reports.
#include "cli/CliCommands.h"
#include "cli/CliOutput.h"

#include "aspects/Aspects.h"
#include "aspects/Patterns.h"
#include "astro/AstroTables.h"
#include "chart/ChartCompute.h"
#include "dates/DatePr2.h"
#include "dates/TimeZones.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <utility>

namespace qal::cli {
namespace {

struct ComputedChart {
    ConfigurationSettings config;
    OrbTable orbs;
    ChartRequest request;
    ChartResult result;
    Moment moments[2];
    int intSlots = 1;
    QString strRole[2];
};

ComputedChart Compute(const Options& o)
{
    ComputedChart c;
    c.config = ConfigurationOf(o);
    c.orbs = OrbTableOf(c.config);
    c.request.intMode = o.udtNatal ? modePersonal1 : modePlanetary;
    c.request.dblChartJD[0] = o.udtMoment.dblJD;
    c.moments[0] = o.udtMoment;
    // A moment with a place has its angles and houses.
    const auto placeOf = [](const Moment& m) -> std::optional<ChartPlace> {
        if (!m.place.blnHasCoordinates)
            return std::nullopt;
        return ChartPlace { m.place.dblLatitude, m.place.dblLongitude };
    };
    c.request.place[0] = placeOf(o.udtMoment);
    c.strRole[0] = QStringLiteral("sky");
    if (o.udtNatal) {
        c.request.dblChartJD[1] = o.udtNatal->dblJD;
        c.moments[1] = *o.udtNatal;
        c.request.place[1] = placeOf(*o.udtNatal);
        c.intSlots = 2;
        c.strRole[0] = QStringLiteral("transits");
        c.strRole[1] = QStringLiteral("natal");
    }
    ComputeChart(c.request, c.config, c.orbs, c.result);
    return c;
}

QString PositionText(double L)
{
    return L < 0 ? LongitudeErrorText(static_cast<int>(std::lround(L))) : LongitudeToSignText(L, false);
}

QString TrendWord(int intTrend)
{
    return intTrend > 0 ? QStringLiteral("separating") : (intTrend < 0 ? QStringLiteral("applying") : QString());
}

// "March 5, 2018, 14:30 (UTC+01:00)"; with a zone of the database its name,
// its clock and the place: "March 14, 1879, 11:30 (Europe/Berlin, GMT+0:39:58
// LMT, Ulm, Baden-Württemberg, Germany)"; a Julian date says so.
QString MomentText(const Moment& m)
{
    if (!m.place.HasZone() && !m.blnJulian) {
        return DateTimeZoneText(m.dblJD + 0.5 + m.intZoneMinutes / 1440.0,
            IsoLocalMomentText(m.dblJD, m.intZoneMinutes).mid(11),
            QStringLiteral("UTC") + UtcOffsetText(m.intZoneMinutes), false);
    }
    const auto [intDay, intClock] = LocalDayAndClock(m.dblJD, m.intOffsetSeconds);
    QString strDate = JDNToDateText(intDay, false, intCurrentLanguage, m.blnJulian ? platform::kJulian : platform::kGregorian);
    if (m.blnJulian)
        strDate += QStringLiteral(" (") + GetText(TextId::JulianCalendarMark) + QLatin1Char(')');
    QStringList zone;
    if (m.place.HasZone()) {
        zone << m.place.strZoneId << ZoneEntryText(m.intOffsetSeconds, m.strAbbreviation);
        for (const QString& strPart : { m.place.strName, m.place.strRegion, m.place.strCountry }) {
            if (!strPart.isEmpty() && !zone.contains(strPart))
                zone << strPart;
        }
    } else {
        zone << QStringLiteral("UTC") + UtcOffsetText(m.intZoneMinutes);
    }
    return strDate + QStringLiteral(", ") + ClockText(intClock) + QStringLiteral(" (") + zone.join(QStringLiteral(", "))
        + QLatin1Char(')');
}

// The date set of a chart as JSON: its moment in UT, its zone, its place and its calendar.
void AddMomentFields(const Moment& m, QJsonObject& chart)
{
    chart[QStringLiteral("moment_ut")] = IsoUtcMoment(m.dblJD);
    chart[QStringLiteral("zone")] = QJsonObject { { QStringLiteral("name"), m.strZoneName },
        { QStringLiteral("abbreviation"), m.strAbbreviation }, { QStringLiteral("offset_seconds"), m.intOffsetSeconds } };
    const DateSetPlace& place = m.place;
    if (place.blnHasCoordinates || !place.strName.isEmpty()) {
        QJsonObject at { { QStringLiteral("name"), place.strName }, { QStringLiteral("region"), place.strRegion },
            { QStringLiteral("country"), place.strCountry } };
        if (place.blnHasCoordinates) {
            at[QStringLiteral("latitude")] = std::round(place.dblLatitude * 1e4) / 1e4;
            at[QStringLiteral("longitude")] = std::round(place.dblLongitude * 1e4) / 1e4;
        }
        chart[QStringLiteral("place")] = at;
    }
    chart[QStringLiteral("calendar")] = m.blnJulian ? QStringLiteral("julian") : QStringLiteral("gregorian");
}

QString ReportText(const ComputedChart& c)
{
    const ChartReports& r = c.result.udtReports;
    return PlainLines(c.intSlots == 1 ? r.strReport : r.strReport1).trimmed();
}

void WriteText(const ComputedChart& c, QString& out)
{
    const ChartPositions& p = c.result.udtPositions;
    const QStringList roles { GetText(c.intSlots == 1 ? TextId::DateSetCurrent : TextId::Transits),
        GetText(TextId::Birth) };
    out += ChartTitle(c.request.intMode, c.orbs) + QLatin1Char('\n');
    for (int s = 0; s < c.intSlots; ++s)
        out += roles[s] + QStringLiteral(": ") + MomentText(c.moments[s]) + QLatin1Char('\n');
    out += ZodiacText(c.config.blnSidereal, false) + QStringLiteral("\n\n");
    for (int b = 1; b <= intMaxBodies; ++b) {
        QString strLine = strBodyName[b].leftJustified(10);
        for (int s = 0; s < c.intSlots; ++s) {
            const double L = p.dblLongitude[s][b];
            const QString strDegrees = L < 0 ? QString() : AngleToDegMinText(L);
            strLine += strDegrees.rightJustified(9) + QLatin1Char(' ') + PositionText(L).leftJustified(8)
                + (p.intRetrograde[s][b] ? QStringLiteral("R   ") : QStringLiteral("    "));
        }
        out += strLine.trimmed() + QLatin1Char('\n');
    }
    for (int s = 0; s < c.intSlots; ++s) {
        const ChartAngles& angles = c.result.angles[s];
        if (!angles.blnKnown)
            continue;
        QStringList cusps;
        for (int i = 1; i <= 12; ++i)
            cusps << QString::number(i) + QLatin1Char(' ') + LongitudeToSignText(angles.dblCusp[i], false);
        out += QLatin1Char('\n') + (c.intSlots == 1 ? QString() : roles[s] + QStringLiteral(": ")) + GetText(TextId::HouseSystemLabel)
            + QStringLiteral(" (") + HouseSystemName(angles.intSystem) + QStringLiteral("): ") + cusps.join(QStringLiteral(", "))
            + QLatin1Char('\n');
    }
    out += QLatin1Char('\n');
    for (const ChartAspect& a : c.result.aspects) {
        const QString strFirst = c.intSlots == 1
            ? strBodyName[a.intBody1]
            : GetText(TextId::TransitingCapital) + QLatin1Char(' ') + strBodyName[a.intBody1];
        const QString strSecond = c.intSlots == 1
            ? strBodyName[a.intBody2]
            : GetText(TextId::NatalLower) + QLatin1Char(' ') + strBodyName[a.intBody2];
        out += (strFirst + QLatin1Char(' ') + udtAspectText[a.intKind].Phrase + QLatin1Char(' ') + strSecond)
                   .leftJustified(44)
            + DeviationText(a.dblDeviation, false).rightJustified(7)
            + (a.intTrend > 0 ? QStringLiteral(" +") : (a.intTrend < 0 ? QStringLiteral(" -") : QString()))
            + QLatin1Char('\n');
    }
    out += QLatin1Char('\n') + ReportText(c) + QLatin1Char('\n');
}

void WriteCsv(const ComputedChart& c, QString& out)
{
    const ChartPositions& p = c.result.udtPositions;
    out += CsvLine({ QStringLiteral("record"), QStringLiteral("chart"), QStringLiteral("body"),
        QStringLiteral("longitude"), QStringLiteral("position"), QStringLiteral("retrograde"),
        QStringLiteral("other_chart"), QStringLiteral("other_body"), QStringLiteral("aspect"),
        QStringLiteral("deviation"), QStringLiteral("trend"), QStringLiteral("text") });
    for (int s = 0; s < c.intSlots; ++s) {
        for (int b = 1; b <= intMaxBodies; ++b) {
            const double L = p.dblLongitude[s][b];
            out += CsvLine({ QStringLiteral("position"), c.strRole[s], strBodyName[b], L < 0 ? QString() : Degrees(L),
                PositionText(L), p.intRetrograde[s][b] ? QStringLiteral("true") : QStringLiteral("false"), QString(),
                QString(), QString(), QString(), QString(),
                IsoMoment(c.moments[s].dblJD, c.moments[s].intZoneMinutes) });
        }
    }
    for (int s = 0; s < c.intSlots; ++s) {
        const ChartAngles& angles = c.result.angles[s];
        if (!angles.blnKnown)
            continue;
        for (const int intPoint : { intAscendant, intMidheaven }) {
            const double L = angles.PointLongitude(intPoint);
            out += CsvLine({ QStringLiteral("angle"), c.strRole[s], PointName(intPoint), Degrees(L),
                LongitudeToSignText(L, false), QString(), QString(), QString(), QString(), QString(), QString(),
                QString() });
        }
        for (int i = 1; i <= 12; ++i) {
            out += CsvLine({ QStringLiteral("cusp"), c.strRole[s], QString::number(i), Degrees(angles.dblCusp[i]),
                LongitudeToSignText(angles.dblCusp[i], false), QString(), QString(), QString(), QString(), QString(),
                QString(), HouseSystemName(angles.intSystem) });
        }
    }
    for (const std::vector<ChartAspect>* list : { &c.result.aspects, &c.result.angleAspects }) {
        for (const ChartAspect& a : *list) {
            out += CsvLine({ QStringLiteral("aspect"), c.strRole[a.intSlot1], strBodyName[a.intBody1], QString(),
                QString(), QString(), c.strRole[a.intSlot2], PointName(a.intBody2), udtAspectText[a.intKind].Name,
                Degrees(a.dblDeviation), TrendWord(a.intTrend), DeviationText(a.dblDeviation, false) });
        }
    }
    for (int k = 1; k <= intNumAspectKinds; ++k) {
        out += CsvLine({ QStringLiteral("count"), QString(), QString(), QString(), QString(), QString(), QString(),
            QString(), udtAspectText[k].Name, QString(), QString(), QString::number(c.result.intAspectCount[k]) });
    }
    if (c.intSlots == 1) {
        const PatternSky sky = MakePatternSky(p.dblLongitude[0], p.intNumBodies, c.orbs, MidpointOrbRadians(c.config));
        for (const PatternOccurrence& occurrence : PatternOccurrences(sky, false)) {
            out += CsvLine({ QStringLiteral("pattern"), c.strRole[0], QString(), QString(), QString(), QString(),
                QString(), QString(), strPatternName[occurrence.intKind], QString(), QString(), occurrence.strLine });
        }
    }
}

void WriteJson(const ComputedChart& c, bool blnOneLine, QString& out)
{
    const ChartPositions& p = c.result.udtPositions;
    QJsonObject root;
    root[QStringLiteral("command")] = QStringLiteral("chart");
    root[QStringLiteral("mode")] = c.intSlots == 1 ? QStringLiteral("planetary") : QStringLiteral("personal transits");
    root[QStringLiteral("title")] = ChartTitle(c.request.intMode, c.orbs);
    root[QStringLiteral("zodiac")] = c.config.blnSidereal ? QStringLiteral("sidereal") : QStringLiteral("tropical");
    QJsonArray charts;
    for (int s = 0; s < c.intSlots; ++s) {
        QJsonArray positions;
        for (int b = 1; b <= intMaxBodies; ++b) {
            const double L = p.dblLongitude[s][b];
            QJsonObject position;
            position[QStringLiteral("body")] = strBodyName[b];
            position[QStringLiteral("longitude")]
                = L < 0 ? QJsonValue() : QJsonValue(std::round(RadToDeg(L) * 1e4) / 1e4);
            position[QStringLiteral("position")] = PositionText(L);
            position[QStringLiteral("retrograde")] = p.intRetrograde[s][b] != 0;
            positions.append(position);
        }
        QJsonObject chart;
        chart[QStringLiteral("role")] = c.strRole[s];
        chart[QStringLiteral("moment")] = IsoMoment(c.moments[s].dblJD, c.moments[s].intZoneMinutes);
        chart[QStringLiteral("jd_ut")] = c.moments[s].dblJD;
        AddMomentFields(c.moments[s], chart);
        const ChartAngles& angles = c.result.angles[s];
        if (angles.blnKnown) {
            const auto degrees = [](double L) { return std::round(RadToDeg(L) * 1e4) / 1e4; };
            chart[QStringLiteral("angles")] = QJsonObject { { QStringLiteral("ascendant"), degrees(angles.dblAscendant) },
                { QStringLiteral("midheaven"), degrees(angles.dblMidheaven) } };
            QJsonArray cusps;
            for (int i = 1; i <= 12; ++i)
                cusps.append(degrees(angles.dblCusp[i]));
            chart[QStringLiteral("houses")] = QJsonObject { { QStringLiteral("system"), HouseSystemName(angles.intSystem) },
                { QStringLiteral("system_held"), angles.blnSystemHeld }, { QStringLiteral("cusps"), cusps } };
        }
        chart[QStringLiteral("positions")] = positions;
        charts.append(chart);
    }
    root[QStringLiteral("charts")] = charts;
    QJsonArray aspects;
    for (const ChartAspect& a : c.result.aspects) {
        QJsonObject aspect;
        aspect[QStringLiteral("chart")] = c.strRole[a.intSlot1];
        aspect[QStringLiteral("body")] = strBodyName[a.intBody1];
        aspect[QStringLiteral("other_chart")] = c.strRole[a.intSlot2];
        aspect[QStringLiteral("other")] = strBodyName[a.intBody2];
        aspect[QStringLiteral("aspect")] = udtAspectText[a.intKind].Name;
        aspect[QStringLiteral("abbreviation")] = udtAspectText[a.intKind].Abbr;
        aspect[QStringLiteral("deviation")] = std::round(RadToDeg(a.dblDeviation) * 1e4) / 1e4;
        aspect[QStringLiteral("deviation_text")] = DeviationText(a.dblDeviation, false);
        aspect[QStringLiteral("trend")] = TrendWord(a.intTrend);
        aspects.append(aspect);
    }
    root[QStringLiteral("aspects")] = aspects;
    QJsonArray angleAspects;
    for (const ChartAspect& a : c.result.angleAspects) {
        angleAspects.append(QJsonObject { { QStringLiteral("chart"), c.strRole[a.intSlot1] },
            { QStringLiteral("body"), strBodyName[a.intBody1] }, { QStringLiteral("angle_chart"), c.strRole[a.intSlot2] },
            { QStringLiteral("angle"), PointName(a.intBody2) }, { QStringLiteral("aspect"), udtAspectText[a.intKind].Name },
            { QStringLiteral("deviation"), std::round(RadToDeg(a.dblDeviation) * 1e4) / 1e4 },
            { QStringLiteral("deviation_text"), DeviationText(a.dblDeviation, false) } });
    }
    root[QStringLiteral("angle_aspects")] = angleAspects;
    QJsonObject counts;
    int intTotal = 0;
    for (int k = 1; k <= intNumAspectKinds; ++k) {
        counts[udtAspectText[k].Name] = c.result.intAspectCount[k];
        intTotal += c.result.intAspectCount[k];
    }
    root[QStringLiteral("counts")] = counts;
    root[QStringLiteral("total")] = intTotal;
    QJsonArray patterns;
    if (c.intSlots == 1) {
        const PatternSky sky = MakePatternSky(p.dblLongitude[0], p.intNumBodies, c.orbs, MidpointOrbRadians(c.config));
        for (const PatternOccurrence& occurrence : PatternOccurrences(sky, false)) {
            QJsonArray bodies;
            for (int b : occurrence.bodies)
                bodies.append(strBodyName[b]);
            patterns.append(QJsonObject { { QStringLiteral("kind"), strPatternName[occurrence.intKind] },
                { QStringLiteral("bodies"), bodies }, { QStringLiteral("text"), occurrence.strLine } });
        }
    }
    root[QStringLiteral("patterns")] = patterns;
    root[QStringLiteral("report")] = ReportText(c);
    out += QString::fromUtf8(QJsonDocument(root).toJson(blnOneLine ? QJsonDocument::Compact : QJsonDocument::Indented));
    if (blnOneLine)
        out += QLatin1Char('\n');
}

} // namespace

int RunChart(const Options& o, Output& out)
{
    const ComputedChart c = Compute(o);
    QString strText;
    if (o.format == Format::Csv)
        WriteCsv(c, strText);
    else if (o.format == Format::Json || o.format == Format::Jsonl)
        WriteJson(c, o.format == Format::Jsonl, strText);
    else
        WriteText(c, strText);
    out.Write(strText);
    return intExitOk;
}

} // namespace qal::cli
