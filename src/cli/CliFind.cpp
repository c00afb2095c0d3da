// qal-cli find: the next moments at which the sky holds a pattern, each with
// the moments its occurrences formed and dissolve.
#include "cli/CliCommands.h"
#include "cli/CliOutput.h"

#include "aspects/PatternSpans.h"
#include "aspects/Patterns.h"
#include "astro/AstroTables.h"
#include "chart/AspectCourse.h"
#include "chart/PatternSearch.h"
#include "dates/DatePr2.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace qal::cli {
namespace {

constexpr double kSearchYears = 1000;
constexpr double kSpanReachDays = 3660;
const double kLastMoment = 2743738.5; // the end of 2799

struct Occurrence {
    PatternOccurrence pattern;
    std::optional<PatternSpan> span;
};

struct Finding {
    double dblMoment = 0;
    int intCount = 0;
    std::vector<Occurrence> occurrences;
};

std::vector<Finding> Findings(const Options& o)
{
    const ConfigurationSettings config = ConfigurationOf(o);
    const OrbTable orbs = OrbTableFor(config);
    const LongitudeSource source = EphemerisSource(config.blnSidereal);
    PatternSearchQuery query;
    query.intKind = o.intPattern;
    query.intAtLeast = o.intAtLeast;
    query.dblFrom = o.udtMoment.dblJD;
    query.dblUntil = o.udtUntil ? o.udtUntil->dblJD : std::min(kLastMoment, query.dblFrom + kSearchYears * 365.25);
    query.dblStep = o.dblStepDays;
    query.dblMidpointOrb = MidpointOrbRadians(config);
    std::vector<Finding> findings;
    long long intCharts = 0;
    while (static_cast<int>(findings.size()) < o.intResults) {
        const std::optional<double> t = FindPatternMoment(source, orbs, query, intCharts);
        if (!t)
            break;
        double L[intMaxBodies + 1] = {};
        for (int b = 1; b <= intMaxBodies; ++b)
            L[b] = source(b, *t);
        Finding finding;
        finding.dblMoment = *t;
        double dblNext = *t + query.dblStep;
        for (const PatternOccurrence& p :
            PatternOccurrences(MakePatternSky(L, intMaxBodies, orbs, query.dblMidpointOrb), false)) {
            if (p.intKind != o.intPattern)
                continue;
            Occurrence occurrence { p, PatternSpanAround(source, p, orbs, query.dblMidpointOrb, *t, kSpanReachDays) };
            // The next finding is a new formation: search on after this one dissolves.
            if (occurrence.span && occurrence.span->blnDissolvesFound)
                dblNext = std::max(dblNext, occurrence.span->dblDissolves + query.dblStep);
            finding.occurrences.push_back(occurrence);
        }
        finding.intCount = static_cast<int>(finding.occurrences.size());
        findings.push_back(finding);
        query.dblFrom = dblNext;
    }
    return findings;
}

QString SpanEdge(const std::optional<PatternSpan>& span, bool blnFormed, int z)
{
    if (!span || !(blnFormed ? span->blnFormedFound : span->blnDissolvesFound))
        return {};
    return IsoMoment(blnFormed ? span->dblFormed : span->dblDissolves, z);
}

} // namespace

void RunFind(const Options& o, QString& out)
{
    const std::vector<Finding> findings = Findings(o);
    const int z = o.intZoneMinutes;
    if (o.format == Format::Csv) {
        out += CsvLine({ QStringLiteral("moment"), QStringLiteral("pattern"), QStringLiteral("count"),
            QStringLiteral("text"), QStringLiteral("formed"), QStringLiteral("dissolves") });
        for (const Finding& f : findings) {
            for (const Occurrence& occurrence : f.occurrences) {
                out += CsvLine({ IsoMoment(f.dblMoment, z), strPatternName[o.intPattern], QString::number(f.intCount),
                    occurrence.pattern.strLine, SpanEdge(occurrence.span, true, z),
                    SpanEdge(occurrence.span, false, z) });
            }
        }
        return;
    }
    if (o.format == Format::Json) {
        QJsonArray list;
        for (const Finding& f : findings) {
            QJsonArray occurrences;
            for (const Occurrence& occurrence : f.occurrences) {
                QJsonArray bodies;
                for (int b : occurrence.pattern.bodies)
                    bodies.append(strBodyName[b]);
                occurrences.append(QJsonObject { { QStringLiteral("text"), occurrence.pattern.strLine },
                    { QStringLiteral("bodies"), bodies },
                    { QStringLiteral("formed"), SpanEdge(occurrence.span, true, z) },
                    { QStringLiteral("dissolves"), SpanEdge(occurrence.span, false, z) } });
            }
            list.append(QJsonObject { { QStringLiteral("moment"), IsoMoment(f.dblMoment, z) },
                { QStringLiteral("jd_ut"), f.dblMoment }, { QStringLiteral("count"), f.intCount },
                { QStringLiteral("occurrences"), occurrences } });
        }
        const QJsonObject root { { QStringLiteral("command"), QStringLiteral("find") },
            { QStringLiteral("pattern"), strPatternName[o.intPattern] }, { QStringLiteral("findings"), list } };
        out += QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
        return;
    }
    if (findings.empty()) {
        out += strPatternName[o.intPattern] + QStringLiteral(": -\n");
        return;
    }
    for (const Finding& f : findings) {
        out += LocalMomentText(f.dblMoment, z) + QLatin1Char('\n');
        for (const Occurrence& occurrence : f.occurrences) {
            out += QStringLiteral("  ")
                + (occurrence.span ? PatternSpanLine(occurrence.pattern.strLine, *occurrence.span, z)
                                   : occurrence.pattern.strLine)
                + QLatin1Char('\n');
        }
    }
}

} // namespace qal::cli
