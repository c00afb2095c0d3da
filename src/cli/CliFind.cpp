// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// qal-cli find: the moments at which a pattern forms, to the minute, each
// with the moments its occurrences formed and dissolve, written as found.
#include "astro/FastLongitudes.h"
#include "cli/CliCommands.h"

#include "astro/AstroTables.h"
#include "chart/AspectCourse.h"
#include "chart/PatternSearch.h"
#include "dates/DatePr2.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>

namespace qal::cli {
namespace {

constexpr double kSearchYears = 1000;
const double kLastMoment = 2743738.5; // the end of 2799

QString SpanEdge(const std::optional<PatternSpan>& span, bool blnFormed, int z)
{
    if (!span || !(blnFormed ? span->blnFormedFound : span->blnDissolvesFound))
        return {};
    return IsoMoment(blnFormed ? span->dblFormed : span->dblDissolves, z);
}

QJsonObject FindingObject(const PatternFormation& f, int z)
{
    QJsonArray occurrences;
    for (const SpannedOccurrence& o : f.occurrences) {
        QJsonArray bodies;
        for (int b : o.occurrence.bodies)
            bodies.append(strBodyName[b]);
        occurrences.append(QJsonObject { { QStringLiteral("text"), o.occurrence.strLine },
            { QStringLiteral("bodies"), bodies }, { QStringLiteral("formed"), SpanEdge(o.span, true, z) },
            { QStringLiteral("dissolves"), SpanEdge(o.span, false, z) } });
    }
    return QJsonObject { { QStringLiteral("moment"), IsoMoment(f.dblMoment, z) },
        { QStringLiteral("jd_ut"), f.dblMoment }, { QStringLiteral("count"), f.intCount },
        { QStringLiteral("occurrences"), occurrences } };
}

// The lines of one finding in the format asked for.
QString FindingLines(const Options& o, const PatternFormation& f, bool blnFirst)
{
    const int z = ZoneMinutesAt(o, f.dblMoment);
    QString strLines;
    switch (o.format) {
    case Format::Csv:
        for (const SpannedOccurrence& occurrence : f.occurrences) {
            strLines += CsvLine({ IsoMoment(f.dblMoment, z), strPatternName[o.intPattern], QString::number(f.intCount),
                occurrence.occurrence.strLine, SpanEdge(occurrence.span, true, z),
                SpanEdge(occurrence.span, false, z) });
        }
        return strLines;
    case Format::Json: return JsonListItem(FindingObject(f, z), blnFirst);
    case Format::Jsonl: return JsonLine(FindingObject(f, z)) + QLatin1Char('\n');
    default: break;
    }
    strLines = IsoLocalMomentText(f.dblMoment, z) + QLatin1Char('\n');
    for (const SpannedOccurrence& occurrence : f.occurrences) {
        strLines += QStringLiteral("  ")
            + (occurrence.span ? PatternSpanLine(occurrence.occurrence.strLine, *occurrence.span, z)
                               : occurrence.occurrence.strLine)
            + QLatin1Char('\n');
    }
    return strLines;
}

QString FindHead(const Options& o)
{
    if (o.format == Format::Csv)
        return CsvLine({ QStringLiteral("moment"), QStringLiteral("pattern"), QStringLiteral("count"),
            QStringLiteral("text"), QStringLiteral("formed"), QStringLiteral("dissolves") });
    if (o.format != Format::Json)
        return {};
    return JsonListOpening({ { QStringLiteral("command"), QStringLiteral("find") },
                               { QStringLiteral("pattern"), strPatternName[o.intPattern] } },
        QStringLiteral("findings"));
}

} // namespace

int RunFind(const Options& o, Output& out, QString& err)
{
    const ConfigurationSettings config = ConfigurationOf(o);
    const OrbTable orbs = OrbTableOf(config);
    PatternSearchQuery query;
    query.intKind = o.intPattern;
    query.intAtLeast = o.intAtLeast;
    query.dblFrom = o.udtMoment.dblJD;
    query.dblUntil = o.udtUntil ? o.udtUntil->dblJD : std::min(kLastMoment, query.dblFrom + kSearchYears * 365.25);
    query.dblStep = o.dblStepDays;
    query.dblMidpointOrb = MidpointOrbRadians(config);
    if (!out.Write(FindHead(o)))
        return intExitOk;

    const double dblYears = (query.dblUntil - query.dblFrom) / 365.25;
    int intFindings = 0;
    bool blnReaderGone = false, blnStopped = false;
    long long intCharts = 0;
    const auto keepGoing = [&](double t) {
        blnStopped = out.StopRequested();
        if (!blnStopped && !o.blnQuiet)
            out.Progress((t - query.dblFrom) / 365.25, dblYears, intFindings, "findings");
        return !blnStopped;
    };
    const double dblReached = FindPatternFormations(FastSource(config.blnSidereal), orbs, query,
        [&](const PatternFormation& f) {
            blnReaderGone = !out.Write(FindingLines(o, f, intFindings == 0));
            ++intFindings;
            return !blnReaderGone && keepGoing(f.dblMoment) && intFindings < o.intResults;
        },
        intCharts, { keepGoing });
    err += RangeNote(o, query.dblFrom, dblReached);
    if (blnReaderGone)
        return intExitOk;
    if (blnStopped)
        return intExitStopped;
    if (o.format == Format::Json && !out.Write(JsonListClosing()))
        return intExitOk;
    if (intFindings > 0)
        return intExitOk;
    const QString strNone = GetText(TextId::NoFormation)
                                .replace(QStringLiteral("[pattern]"), strPatternName[o.intPattern])
                                .replace(QStringLiteral("[from]"), IsoLocalMomentText(query.dblFrom, ZoneMinutesAt(o, query.dblFrom)))
                                .replace(QStringLiteral("[to]"), IsoLocalMomentText(query.dblUntil, ZoneMinutesAt(o, query.dblUntil)))
        + QLatin1Char('\n');
    if (o.format == Format::Text)
        out.Write(strNone);
    else
        err += QStringLiteral("qal-cli: ") + strNone;
    return intExitFailure;
}

} // namespace qal::cli
