// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/CliOutput.h"

#include "astro/Angles.h"
#include "dates/DatePr2.h"
#include "dates/TimeZones.h"

#include <QJsonDocument>

#include <algorithm>
#include <cmath>

namespace qal::cli {

QString CsvLine(const QStringList& fields)
{
    QStringList quoted;
    for (QString field : fields) {
        if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) || field.contains(QLatin1Char('\n'))
            || field.contains(QLatin1Char('\r'))) {
            field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            field = QLatin1Char('"') + field + QLatin1Char('"');
        }
        quoted << field;
    }
    return quoted.join(QLatin1Char(',')) + QLatin1Char('\n');
}

QString IsoMoment(double dblMoment, int intZoneMinutes)
{
    return IsoLocalMomentText(dblMoment, intZoneMinutes).replace(QLatin1Char(' '), QLatin1Char('T'))
        + UtcOffsetText(intZoneMinutes);
}

std::pair<int, int> LocalDayAndClock(double dblMoment, int intOffsetSeconds)
{
    const long long intSeconds = std::llround((dblMoment + 0.5) * 86400) + intOffsetSeconds;
    const long long intDay = intSeconds >= 0 ? intSeconds / 86400 : -((-intSeconds + 86399) / 86400);
    return { static_cast<int>(intDay), static_cast<int>(intSeconds - intDay * 86400) };
}

QString IsoUtcMoment(double dblMoment)
{
    const auto [intDay, intClock] = LocalDayAndClock(dblMoment, 0);
    platform::EuroDate date { 0, 0, 0, platform::kGregorian, intDay, 0 };
    platform::JdnToEuroDate(date);
    return IsoDateText(date) + QLatin1Char('T') + ClockText(intClock - intClock % 60) + QStringLiteral(":")
        + QStringLiteral("%1").arg(intClock % 60, 2, 10, QLatin1Char('0')) + QLatin1Char('Z');
}

QString Degrees(double dblRadians)
{
    return QString::number(RadToDeg(dblRadians), 'f', 4);
}

QString PlainLines(QString strText)
{
    return strText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString JsonLine(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QString JsonListOpening(const QJsonObject& fields, const QString& strList)
{
    // The list comes last, after the fields (an object of fields sorts its keys).
    return JsonLine(fields).chopped(1) + QStringLiteral(",\"") + strList + QStringLiteral("\":[\n");
}

QString JsonListItem(const QJsonObject& item, bool blnFirst)
{
    return (blnFirst ? QString() : QStringLiteral(",\n")) + JsonLine(item);
}

QString JsonListClosing()
{
    return QStringLiteral("\n]}\n");
}

QString ProgressLine(
    double dblYearsDone, double dblYears, long long intFound, const char* strFoundWord, double dblSeconds, int intWidth)
{
    const double dblFraction = dblYears > 0 ? std::clamp(dblYearsDone / dblYears, 0.0, 1.0) : 0.0;
    QString strText = QStringLiteral("  %1 of %2 years  %3 %4")
                          .arg(static_cast<long long>(std::floor(dblYearsDone)))
                          .arg(std::max(1LL, std::llround(dblYears)))
                          .arg(intFound)
                          .arg(QString::fromLatin1(strFoundWord));
    if (dblFraction > 0.001 && dblSeconds >= 1) {
        const long long intLeft = std::llround(dblSeconds * (1 - dblFraction) / dblFraction);
        strText += QStringLiteral("  %1:%2 left").arg(intLeft / 60).arg(intLeft % 60, 2, 10, QLatin1Char('0'));
    }
    // The bar takes what the words leave, between 10 and 40 characters.
    const int intBar = std::clamp(intWidth - 1 - static_cast<int>(strText.size()) - 2, 0, 40);
    if (intBar < 10)
        return strText.trimmed().left(std::max(0, intWidth - 1));
    const int intFilled = static_cast<int>(std::floor(dblFraction * intBar));
    return QLatin1Char('[') + QString(intFilled, QLatin1Char('#')) + QString(intBar - intFilled, QLatin1Char('-'))
        + QLatin1Char(']') + strText;
}

} // namespace qal::cli
