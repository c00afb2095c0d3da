// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/SkyEventTexts.h"

#include "astro/AstroTables.h"
#include "dates/DatePr2.h"
#include "dates/TimeZones.h"
#include "text/Texts.h"

#include <algorithm>
#include <cmath>

namespace qal {
namespace {

const char* const kEventWords[] = { "ingress", "station", "lunation", "eclipse", "void-begins", "void-ends", "return" };
const char* const kPhaseWords[] = { "new", "first-quarter", "full", "last-quarter" };
const char* const kEclipseWords[] = { "total", "annular", "hybrid", "partial", "penumbral" };
const TextId kPhaseTexts[] = { TextId::NewMoon, TextId::FirstQuarter, TextId::FullMoon, TextId::LastQuarter };
const TextId kEclipseTexts[]
    = { TextId::EclipseTotal, TextId::EclipseAnnular, TextId::EclipseHybrid, TextId::EclipsePartial, TextId::EclipsePenumbral };

// The --kinds words and what each stands for.
struct KindWord {
    const char* strWord;
    SkyEventSet kind;
};
constexpr KindWord kKindWords[] = { { "ingress", kIngresses }, { "station", kStations }, { "lunation", kLunations },
    { "eclipse", kEclipses }, { "void", kVoidMoon }, { "return", kReturns } };

QString InSign(const QString& strWhat, int intSign)
{
    return GetTextWithMarkers(TextId::EventInSign, strWhat, udtSign[intSign].Name);
}

QString EclipseName(const SkyEvent& e)
{
    return GetText(e.intBody == intSun ? TextId::SolarEclipse : TextId::LunarEclipse) + QStringLiteral(" (")
        + GetText(kEclipseTexts[static_cast<int>(e.eclipse)]) + QLatin1Char(')');
}

QString LastAspectName(const SkyEvent& e)
{
    return strBodyName[intMoon] + QLatin1Char(' ') + udtAspectText[e.intAspectKind].Phrase + QLatin1Char(' ')
        + strBodyName[e.intAspectBody];
}

QString MomentLine(double t, int z)
{
    return LocalMomentText(t, z) + QStringLiteral(" (UTC") + UtcOffsetText(z) + QLatin1Char(')');
}

} // namespace

QString SkyEventName(const SkyEvent& e)
{
    switch (e.kind) {
    case SkyEventKind::Ingress: {
        const QString strName = GetTextWithMarkers(TextId::Enters, strBodyName[e.intBody], udtSign[e.intSign].Name);
        return e.blnRetrograde ? strName + QStringLiteral(" (") + GetText(TextId::RetrogradeWord) + QLatin1Char(')')
                               : strName;
    }
    case SkyEventKind::Station:
        return GetTextWithMarkers(e.blnRetrograde ? TextId::StationsRetrograde : TextId::StationsDirect,
                   strBodyName[e.intBody])
            + QStringLiteral(" (") + LongitudeToSignText(e.dblLongitude, false) + QLatin1Char(')');
    case SkyEventKind::Lunation: return InSign(GetText(kPhaseTexts[e.intPhase]), e.intSign);
    case SkyEventKind::Eclipse: return InSign(EclipseName(e), e.intSign);
    case SkyEventKind::VoidBegins: return GetTextWithMarkers(TextId::VoidMoonBegins, LastAspectName(e));
    case SkyEventKind::VoidEnds: return GetText(TextId::VoidMoonEnds);
    case SkyEventKind::Return: return GetText(e.intBody == intSun ? TextId::SolarReturn : TextId::LunarReturn);
    }
    return {};
}

QString SkyEventWord(SkyEventKind kind)
{
    return QString::fromLatin1(kEventWords[static_cast<int>(kind)]);
}

QString PhaseWord(int intPhase)
{
    return QString::fromLatin1(kPhaseWords[intPhase & 3]);
}

QString EclipseKindWord(EclipseKind kind)
{
    return QString::fromLatin1(kEclipseWords[static_cast<int>(kind)]);
}

bool SkyEventSetFromWords(const QString& strWords, SkyEventSet& kinds)
{
    kinds = 0;
    for (const QString& strWord : strWords.split(QLatin1Char(','))) {
        const QString w = strWord.trimmed().toLower();
        const auto* found = std::find_if(std::begin(kKindWords), std::end(kKindWords),
            [&](const KindWord& k) { return w == QLatin1String(k.strWord); });
        if (found == std::end(kKindWords))
            return false;
        kinds |= found->kind;
    }
    return kinds != 0;
}

std::optional<platform::CalendarEvent> SkyCalendarEvent(
    const SkyEvent& e, const CalendarSource& from, double dblSpanFrom)
{
    const bool blnStretch = e.kind == SkyEventKind::VoidBegins || e.kind == SkyEventKind::VoidEnds;
    if (e.kind == SkyEventKind::VoidEnds && e.dblSpanBegin >= dblSpanFrom)
        return std::nullopt; // written with its beginning
    CalendarSource source = from;
    if (e.kind != SkyEventKind::Return)
        source.dblNatalMoment.reset(); // the sky's events are the same for every birth chart
    const double dblKeyMoment = blnStretch ? e.dblSpanEnd : e.dblMoment;
    const QString strWhat = QStringLiteral("sky-%1-%2-%3-%4-%5-%6")
                                .arg(blnStretch ? QStringLiteral("void") : SkyEventWord(e.kind))
                                .arg(e.intBody)
                                .arg(e.kind == SkyEventKind::Lunation ? e.intPhase : e.intSign)
                                .arg(e.blnRetrograde ? 1 : 0)
                                .arg(static_cast<int>(e.eclipse))
                                .arg(std::llround(dblKeyMoment * 1440));
    const int z = from.intZoneMinutes;
    platform::CalendarEvent event;
    event.strUid = CalendarUid(strWhat, source);
    event.dblStart = e.dblMoment;
    event.strSummary = SkyEventName(e);
    event.strDescription = MomentLine(e.dblMoment, z);
    if (e.kind == SkyEventKind::Eclipse) {
        event.dblStart = e.dblSpanBegin;
        event.dblEnd = e.dblSpanEnd;
        event.strDescription = GetText(TextId::GreatestEclipse) + QStringLiteral(": ") + MomentLine(e.dblMoment, z);
    } else if (blnStretch) {
        SkyEvent begins = e;
        begins.kind = SkyEventKind::VoidBegins;
        event.strSummary = GetText(TextId::VoidMoon);
        event.dblStart = e.dblSpanBegin;
        event.dblEnd = e.dblSpanEnd;
        event.strDescription = SkyEventName(begins) + QStringLiteral(": ") + MomentLine(e.dblSpanBegin, z)
            + QLatin1Char('\n') + GetTextWithMarkers(TextId::Enters, strBodyName[intMoon], udtSign[e.intSignEntered].Name)
            + QStringLiteral(": ") + MomentLine(e.dblSpanEnd, z);
    }
    return event;
}

} // namespace qal
