// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/DurationReport.h"

#include "astro/ChartAngles.h"

#include "astro/AstroTables.h"
#include "dates/DatePr2.h"
#include "text/Texts.h"
#include "util/QuickSort.h"

#include <algorithm>
#include <utility>
#include <vector>
#include <cmath>

namespace qal {

// Lines under an aspect's line start this far in.
constexpr int kCourseIndent = 8;
constexpr int kShortestCourseWidth = 60; // characters a course line may take at least
namespace {

// The first character of each sort index's key in a record.
constexpr int kSortKeyStart[7] = { 1, 7, 9, 3, 18, 26, 34 };

QString Pad(const QString& strText, int intWidth)
{
    return strText.leftJustified(intWidth, QLatin1Char(' '));
}

// A count in words, lower case ("twenty one").
QString CountInWords(int intCount)
{
    return NumberToWords(intCount, IsGerman()).toLower();
}

// The name of a pattern kind as a summary writes it: lower case in English,
// but for the T-square.
QString PatternNameInText(int intKind)
{
    return IsGerman() || intKind == patTSquare ? strPatternName[intKind] : strPatternName[intKind].toLower();
}

} // namespace

QString DateOrUnknown(int intDay, TextId unknown)
{
    return intDay < 0 ? GetText(unknown) : JDNToDateText(intDay, false, intCurrentLanguage);
}

QStringList SortListItems(int intMode)
{
    if (!IsPersonalMode(intMode)) {
        return { GetText(TextId::SortFirstPlanet), GetText(TextId::SortAspect), GetText(TextId::SortOrb),
            GetText(TextId::SortSecondPlanet), GetText(TextId::SortBeginning), GetText(TextId::SortEnd),
            GetText(TextId::SortDuration) };
    }
    const auto lowered = [](TextId id) { return IsGerman() ? GetText(id) : GetText(id).toLower(); };
    return { lowered(TextId::NatalPlanet), GetText(TextId::SortAspect), GetText(TextId::SortOrb),
        lowered(TextId::TransitingPlanet), GetText(TextId::SortBeginning), GetText(TextId::SortEnd),
        GetText(TextId::SortDuration) };
}

void SortDurationRecords(QStringList& records, int intSortIndex)
{
    QuickSortRecords(records, kSortKeyStart[std::clamp(intSortIndex, 0, 6)], true);
}

DurationColumns SetColumnWidths()
{
    DurationColumns c;
    for (int b = 1; b <= 9; ++b)
        c.w1 = std::max(c.w1, static_cast<int>(strBodyName[b].size()));
    c.w3 = c.w1;
    int intAdjective = 0;
    for (int k = 1; k <= intNumAspectKinds; ++k)
        intAdjective = std::max(intAdjective, static_cast<int>(udtAspectText[k].Adjective.size()));
    c.w2 = intAdjective + 10;
    c.w6 = 2 * c.w1 + intAdjective + 4;
    return c;
}

QString DurationText(int intDays)
{
    if (intDays == 1)
        return GetText(TextId::Step1Day);
    if (intDays == 365)
        return GetText(TextId::Step1Year);
    const int intYears = static_cast<int>(intDays / 365.2425);
    const int intRest = static_cast<int>(std::nearbyint(intDays - static_cast<int>(intYears * 365.2425)));
    const auto days = [](int n) {
        return n == 1 ? GetText(TextId::Step1Day) : QString::number(n) + QLatin1Char(' ') + GetText(TextId::Days);
    };
    if (intYears == 0)
        return days(intRest);
    QString strText = intYears == 1 ? GetText(TextId::Step1Year)
                                    : QString::number(intYears) + QLatin1Char(' ') + GetText(TextId::Years);
    if (intRest == 1)
        strText += QStringLiteral(", ") + GetText(TextId::Step1Day);
    else if (intRest > 1)
        strText += QLatin1Char(',') + QString::number(intRest) + QLatin1Char(' ') + GetText(TextId::Days);
    return strText;
}

QString FormatDurationLine(const DurationRecord& r, const DurationColumns& c, const DurationListOptions& o)
{
    const bool blnPersonal = IsPersonalMode(o.intMode);
    const QString strOrb = AngleToDegMinText(r.dblDeviation).trimmed() + QStringLiteral(" (")
        + udtAspectText[r.intKind].Adjective + QLatin1Char(')');
    QString strNames;
    if (blnPersonal) {
        // A natal angle by its abbreviation ("n.AC"), within the bodies' column.
        const QString strFirst = IsAngle(r.intFirstBody) ? PointAbbr(r.intFirstBody) : strBodyName[r.intFirstBody];
        strNames = Pad(GetText(TextId::NatalAbbreviation) + strFirst, c.w3 + 2) + QLatin1Char(' ')
            + Pad(strOrb, c.w2) + QLatin1Char(' ')
            + Pad(QStringLiteral("tr.") + strBodyName[r.intSecondBody], c.w1 + 3);
    } else {
        strNames = Pad(strBodyName[r.intFirstBody], c.w1) + QLatin1Char(' ') + Pad(strOrb, c.w2) + QLatin1Char(' ')
            + Pad(strBodyName[r.intSecondBody], c.w3);
    }
    if (!o.blnShowDuration)
        return strNames;
    if (r.intSecondBody == intMoon && o.intSortIndex != sortBeginning && o.intSortIndex != sortEnd) {
        const int intHours = MoonAspectHours(o.orbs, r.intKind, RuleOfMode(o.intMode).intAspectOrbColumn);
        return strNames + QLatin1Char(' ')
            + GetText(TextId::MoonAspectNote).replace(QStringLiteral("12"), QString::number(intHours));
    }
    QString strBegin = DateOrUnknown(r.intBeginning);
    if (!IsGerman())
        strBegin += QLatin1Char(',');
    QString strLine = strNames + QLatin1Char(' ') + GetText(TextId::DurationFrom) + QLatin1Char(' ')
        + Pad(strBegin, c.w4) + QLatin1Char(' ') + GetText(TextId::DurationTo) + QLatin1Char(' ')
        + Pad(DateOrUnknown(r.intEnd), c.w5);
    if (r.intBeginning >= 0 && r.intEnd >= 0)
        strLine += QStringLiteral(" (") + DurationText(r.intDays) + QLatin1Char(')');
    return strLine;
}

QString WrappedCourseLine(const QString& strCourse, int intWidth)
{
    const QString strIndent(kCourseIndent, QLatin1Char(' ')), strMore(kCourseIndent + 2, QLatin1Char(' '));
    QString strText, strLine = strIndent;
    for (const QString& strWord : strCourse.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool blnLineStart = strLine.trimmed().isEmpty();
        if (!blnLineStart && strLine.size() + 1 + strWord.size() > intWidth) {
            strText += strLine + strCrLf;
            strLine = strMore + strWord;
        } else {
            strLine += (blnLineStart ? QString() : QStringLiteral(" ")) + strWord;
        }
    }
    return strText + strLine + strCrLf;
}

QString ListDurations(const QStringList& records, const DurationColumns& c, const DurationListOptions& o)
{
    const bool blnByDay = o.intSortIndex == sortBeginning || o.intSortIndex == sortEnd;
    std::vector<std::pair<QString, QString>> lines; // each aspect's line, and its course ("" for none)
    int intWidest = kShortestCourseWidth;
    for (const QString& strRecord : records) {
        const DurationRecord r = ParseDurationRecord(strRecord);
        if (r.intSecondBody == intMoon && blnByDay && o.intMode == modePlanetary)
            continue;
        lines.emplace_back(FormatDurationLine(r, c, o).trimmed(), o.courseLine ? o.courseLine(strRecord) : QString());
        intWidest = std::max(intWidest, static_cast<int>(lines.back().first.size()));
    }
    // The courses are broken to the width of the list's own lines, so that
    // nothing needs scrolling sideways.
    QString strText;
    for (const auto& [strLine, strCourse] : lines) {
        strText += strLine + strCrLf;
        if (!strCourse.isEmpty())
            strText += WrappedCourseLine(strCourse, intWidest);
    }
    return strText;
}

QString NumberToWords(int intCount, bool blnGerman)
{
    static const char* const kGerman[]
        = { "Keine", "Eine", "Zwei", "Drei", "Vier", "Fünf", "Sechs", "Sieben", "Ache", "Neun", "Zehn", "Elf", "Zwölf",
              "Dreizehn", "Vierzehn", "Fünfzehn", "Sechszehn", "Siebzehn", "Achtzehn", "Neunzehn" };
    static const char* const kGermanTens[]
        = { "", "", "Zwanzig", "Dreißig", "Vierzig", "Fünfzig", "Sechszig", "Siebzig", "Achtzig", "Neunzig" };
    static const char* const kEnglish[]
        = { "No", "One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten", "Eleven", "Twelve",
              "Thirteen", "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen" };
    static const char* const kEnglishTens[]
        = { "", "", "Twenty", "Thirty", "Forty", "Fifty", "Sixty", "Seventy", "Eighty", "Ninety" };
    if (intCount < 0 || intCount > 99)
        return SeparateThousands(QString::number(intCount), blnGerman ? QStringLiteral(".") : QStringLiteral(","));
    const char* const* units = blnGerman ? kGerman : kEnglish;
    const char* const* tens = blnGerman ? kGermanTens : kEnglishTens;
    if (intCount < 20)
        return QString::fromUtf8(units[intCount]);
    const QString strTens = QString::fromUtf8(tens[intCount / 10]);
    if (intCount % 10 == 0)
        return strTens;
    const QString strUnits = QString::fromUtf8(units[intCount % 10]);
    if (blnGerman)
        return strUnits + QStringLiteral(" und ") + strTens.toLower();
    return strTens + QLatin1Char(' ') + strUnits.toLower();
}

QString WriteSummary(const QStringList& records, int intMode, const ChartPositions& positions, const PatternSky* sky)
{
    const bool blnSynastry = intMode == modeSynastry;
    const qsizetype n = records.size();

    // The opening.
    QString strText = n == 1 ? GetText(TextId::SummaryOneAspect)
                             : GetText(TextId::SummaryManyAspects).replace(QStringLiteral("20"), CountInWords(int(n)));
    QString strChart = blnSynastry ? GetText(TextId::ModeSynastry) : GetText(TextId::NatalChartLower);
    if (blnSynastry && !IsGerman())
        strChart = strChart.toLower();
    strText.replace(QStringLiteral("[natal chart]"), strChart);
    if (blnSynastry && IsGerman())
        strText.replace(QStringLiteral("diesem"), QStringLiteral("dieser"));

    // One clause per aspect, closest first.
    const auto body = [&](int b, int intSlot) {
        QString strName = strBodyName[b];
        if (blnSynastry)
            strName += intSlot == 0 ? QStringLiteral(" (1)") : QStringLiteral(" (2)");
        return strName + QStringLiteral(" (") + LongitudeToSignText(positions.dblLongitude[intSlot][b], true)
            + QStringLiteral(") ");
    };
    for (qsizetype i = 0; i < n; ++i) {
        const DurationRecord r = ParseDurationRecord(records[i]);
        QString strClause = body(r.intFirstBody, 0) + udtAspectText[r.intKind].Adjective + QLatin1Char(' ');
        strClause += body(r.intSecondBody, blnSynastry ? 1 : 0).chopped(1);
        const QString strOrb = AngleToDegMinText(r.dblDeviation);
        strClause += strOrb == QStringLiteral("0°0'")
            ? GetText(TextId::SummaryExact)
            : GetText(TextId::SummaryOrb).replace(QStringLiteral("[5 degrees]"), strOrb);
        if (i == 0)
            strText += QLatin1Char(' ') + GetText(TextId::SummaryInOrder) + QLatin1Char(' ');
        else
            strText += (i == n - 1 ? GetText(TextId::SummaryFinally) : GetText(TextId::SummaryThen)) + QLatin1Char(' ');
        strText += strClause + (i == n - 1 ? QStringLiteral(").") : QStringLiteral("), "));
    }
    if (n > 2)
        strText += strCrLf + strCrLf + GetText(TextId::SummaryCloser);

    // The patterns, in the order and with the stellium rule of the report.
    if (sky) {
        int intTotal = 0;
        QString strGroups;
        const auto group = [&](int intKind, const QString& strLines, int intCount) {
            if (strLines.isEmpty())
                return;
            const QString strName = PatternNameInText(intKind);
            if (intCount == 1) {
                strGroups += strCrLf + GetText(TextId::ThereIsOne) + QLatin1Char(' ') + strName + QStringLiteral(": ");
            } else {
                QString strPlural = strName;
                if (!IsGerman())
                    strPlural += intKind == patGrandCross ? QStringLiteral("es") : QStringLiteral("s");
                strGroups += strCrLf + GetText(TextId::ThereAre) + QLatin1Char(' ') + CountInWords(intCount)
                    + QLatin1Char(' ') + strPlural + QLatin1Char(':') + strCrLf;
            }
            strGroups += strLines;
            intTotal += intCount;
        };
        ForEachPatternGroup(*sky, true, group);
        strText += strCrLf + strGroups;
        if (intTotal == 0)
            strText += strCrLf + QStringLiteral("There are no aspect patterns.") + strCrLf;
    }
    strText += strCrLf + GetText(TextId::SummaryClosing) + strCrLf;
    return strText;
}

} // namespace qal
