// qal-cli aspects: every aspect that begins, becomes exact or ends in a
// span, to the minute, with the passes of each stretch within orb.
#include "cli/CliCommands.h"
#include "cli/CliOutput.h"

#include "aspects/AspectMoments.h"
#include "astro/AstroTables.h"
#include "chart/ChartModes.h"
#include "dates/DatePr2.h"
#include "dates/TimeZones.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>

namespace qal::cli {
namespace {

enum class EventKind { Begins, Exact, Ends };

struct AspectEvent {
    double dblMoment = 0;
    EventKind kind = EventKind::Exact;
    int intBody1 = 0, intBody2 = 0, intAspect = 0;
    int intPass = 0, intPasses = 0; // exact: which pass of the stretch
};

const char* const kEventWords[3] = { "begins", "exact", "ends" };

// The events of one stretch within orb; its passes are its exact moments.
void AddStretchEvents(const OrbStretch& stretch, int a, int b, int k, std::vector<AspectEvent>& events)
{
    if (stretch.blnBeginFound)
        events.push_back({ stretch.dblBegin, EventKind::Begins, a, b, k, 0, 0 });
    const int n = static_cast<int>(stretch.exact.size());
    for (int i = 0; i < n; ++i)
        events.push_back({ stretch.exact[static_cast<size_t>(i)], EventKind::Exact, a, b, k, i + 1, n });
    if (stretch.blnEndFound)
        events.push_back({ stretch.dblEnd, EventKind::Ends, a, b, k, 0, 0 });
}

// Every event of every pair in the span. With a birth chart the first body
// is natal and stands still, and the orbs for personal transits judge. The
// span is searched a year at a time, so that the remembered longitudes stay
// few; a stretch still within orb at the end of a year goes on in the next.
std::vector<AspectEvent> Events(const Options& o)
{
    constexpr double kPieceDays = 366;
    const ConfigurationSettings config = ConfigurationOf(o);
    const OrbTable orbs = OrbTableFor(config);
    const double t0 = o.udtMoment.dblJD, t1 = o.udtUntil->dblJD;
    std::map<std::tuple<int, int, int>, OrbStretch> running; // pair and kind → stretch not yet ended
    std::vector<AspectEvent> events;
    for (double p0 = t0; p0 < t1;) {
        const double p1 = std::min(t1, p0 + kPieceDays);
        // Pairs sample their bodies at the same moments: each is computed once.
        const LongitudeSource source = MemoizedSource(EphemerisSource(config.blnSidereal));
        for (int a = 1; a <= intMaxBodies; ++a) {
            for (int b = o.udtNatal ? 1 : a + 1; b <= intMaxBodies; ++b) {
                AspectCourseQuery query;
                query.intFirstBody = a;
                query.intSecondBody = b;
                if (o.udtNatal) {
                    const double L = source(a, o.udtNatal->dblJD);
                    if (L < 0)
                        continue;
                    query.dblFixedFirstLongitude = L;
                }
                for (int k = 1; k <= intNumAspectKinds; ++k) {
                    query.intKind = k;
                    query.dblOrb = orbs.dblOrb[k][o.udtNatal ? 1 : 0];
                    if (!(query.dblOrb > 0))
                        continue;
                    const auto key = std::make_tuple(a, b, k);
                    const auto before = running.find(key);
                    std::optional<OrbStretch> carried;
                    if (before != running.end()) {
                        carried = before->second;
                        running.erase(before);
                    }
                    for (OrbStretch stretch : OrbStretches(source, query, p0, p1)) {
                        if (carried && !stretch.blnBeginFound) { // the stretch of the year before goes on
                            carried->exact.insert(carried->exact.end(), stretch.exact.begin(), stretch.exact.end());
                            carried->dblEnd = stretch.dblEnd;
                            carried->blnEndFound = stretch.blnEndFound;
                            stretch = *carried;
                            carried.reset();
                        }
                        if (!stretch.blnEndFound && p1 < t1)
                            running[key] = stretch;
                        else
                            AddStretchEvents(stretch, a, b, k, events);
                    }
                    if (carried) { // it ended exactly where the year did
                        carried->blnEndFound = true;
                        AddStretchEvents(*carried, a, b, k, events);
                    }
                }
            }
        }
        p0 = p1;
    }
    std::stable_sort(events.begin(), events.end(),
        [](const AspectEvent& x, const AspectEvent& y) { return x.dblMoment < y.dblMoment; });
    return events;
}

QString FirstName(const Options& o, int b)
{
    return o.udtNatal ? GetText(TextId::NatalLower) + QLatin1Char(' ') + strBodyName[b] : strBodyName[b];
}

} // namespace

void RunAspects(const Options& o, QString& out)
{
    const std::vector<AspectEvent> events = Events(o);
    const int z = o.intZoneMinutes;
    if (o.format == Format::Csv) {
        out += CsvLine({ QStringLiteral("moment"), QStringLiteral("event"), QStringLiteral("body"),
            QStringLiteral("aspect"), QStringLiteral("other"), QStringLiteral("pass"), QStringLiteral("passes") });
        for (const AspectEvent& e : events) {
            const bool blnExact = e.kind == EventKind::Exact;
            out += CsvLine({ IsoMoment(e.dblMoment, z), QString::fromLatin1(kEventWords[static_cast<int>(e.kind)]),
                strBodyName[e.intBody2], udtAspectText[e.intAspect].Name, strBodyName[e.intBody1],
                blnExact ? QString::number(e.intPass) : QString(),
                blnExact ? QString::number(e.intPasses) : QString() });
        }
        return;
    }
    if (o.format == Format::Json) {
        QJsonArray list;
        for (const AspectEvent& e : events) {
            QJsonObject event { { QStringLiteral("moment"), IsoMoment(e.dblMoment, z) },
                { QStringLiteral("jd_ut"), e.dblMoment },
                { QStringLiteral("event"), QString::fromLatin1(kEventWords[static_cast<int>(e.kind)]) },
                { QStringLiteral("body"), strBodyName[e.intBody2] },
                { QStringLiteral("aspect"), udtAspectText[e.intAspect].Name },
                { QStringLiteral("other"), strBodyName[e.intBody1] },
                { QStringLiteral("natal"), o.udtNatal.has_value() } };
            if (e.kind == EventKind::Exact) {
                event[QStringLiteral("pass")] = e.intPass;
                event[QStringLiteral("passes")] = e.intPasses;
            }
            list.append(event);
        }
        const QJsonObject root { { QStringLiteral("command"), QStringLiteral("aspects") },
            { QStringLiteral("from"), IsoMoment(o.udtMoment.dblJD, z) },
            { QStringLiteral("to"), IsoMoment(o.udtUntil->dblJD, z) }, { QStringLiteral("events"), list } };
        out += QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
        return;
    }
    static const TextId kWords[3] = { TextId::EventBegins, TextId::EventExact, TextId::EventEnds };
    for (const AspectEvent& e : events) {
        QString strLine = LocalMomentText(e.dblMoment, z) + QStringLiteral("  ")
            + GetText(kWords[static_cast<int>(e.kind)]).leftJustified(8) + strBodyName[e.intBody2] + QLatin1Char(' ')
            + udtAspectText[e.intAspect].Phrase + QLatin1Char(' ') + FirstName(o, e.intBody1);
        if (e.kind == EventKind::Exact)
            strLine += QStringLiteral("  (")
                + GetText(TextId::PassOf)
                      .replace(QStringLiteral("[n]"), QString::number(e.intPass))
                      .replace(QStringLiteral("[m]"), QString::number(e.intPasses))
                + QLatin1Char(')');
        out += strLine + QLatin1Char('\n');
    }
}

} // namespace qal::cli
