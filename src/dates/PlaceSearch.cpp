// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "dates/PlaceSearch.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace qal {
namespace {

// Lower case without accents, with hyphens and apostrophes as blanks, so
// that "Neu-Ulm" is found by "ulm" and "São" by "sao".
QString Folded(const QString& strText)
{
    const QString strDecomposed = strText.normalized(QString::NormalizationForm_KD);
    QString strFolded;
    strFolded.reserve(strDecomposed.size());
    for (const QChar c : strDecomposed) {
        if (c.isMark())
            continue;
        if (c == QLatin1Char('-') || c == QLatin1Char('\'') || c == QChar(0x2019))
            strFolded += QLatin1Char(' ');
        else
            strFolded += c.toCaseFolded();
    }
    return strFolded.simplified();
}

// The atlas' names folded once, in the atlas' order (larger cities first).
struct FoldedCity {
    QString strName, strRegion, strCountry, strCode;
};

const std::vector<FoldedCity>& FoldedAtlas()
{
    static const std::vector<FoldedCity> folded = [] {
        std::vector<FoldedCity> cities;
        for (const platform::AtlasCity& city : platform::AtlasCities())
            cities.push_back({ Folded(city.strName), Folded(city.strRegion), Folded(city.strCountry),
                city.strCountryCode.toCaseFolded() });
        return cities;
    }();
    return folded;
}

// 0 the name is the query, 1 it begins with it, 2 a later word does, −1 no match.
int NameMatch(const QString& strName, const QString& strQuery)
{
    if (strName == strQuery)
        return 0;
    if (strName.startsWith(strQuery))
        return 1;
    for (qsizetype i = strName.indexOf(QLatin1Char(' ')); i >= 0; i = strName.indexOf(QLatin1Char(' '), i + 1)) {
        if (QStringView(strName).mid(i + 1).startsWith(strQuery))
            return 2;
    }
    return -1;
}

bool QualifierMatches(const FoldedCity& city, const QString& strQualifier)
{
    return strQualifier.isEmpty() || city.strCode == strQualifier || city.strCountry.startsWith(strQualifier)
        || city.strRegion.startsWith(strQualifier);
}

double Minutes(const QString& strText)
{
    return strText.isEmpty() ? 0 : strText.toDouble();
}

// One coordinate: its value and the letter that names its axis and sign
// (0 when none was given).
struct Coordinate {
    double dblValue = 0;
    char chrAxis = 0; // 'N', 'S', 'E', 'W' or 0
};

std::optional<Coordinate> ParseCoordinate(const QString& strText)
{
    // "48N24", "9E59", "122W25.5": degrees, the letter, minutes.
    static const QRegularExpression letterBetween(
        QStringLiteral("^(\\d{1,3})\\s*([NSEW])\\s*(\\d{1,2}(?:\\.\\d+)?)?$"), QRegularExpression::CaseInsensitiveOption);
    // "48°24'30\"N", "48.4N", "-33.87", "N48.4": degrees with optional minutes
    // and seconds, a letter before or after.
    static const QRegularExpression symbols(QStringLiteral("^([NSEW])?\\s*([+-]?\\d{1,3}(?:\\.\\d+)?)\\s*°?\\s*"
                                                           "(?:(\\d{1,2}(?:\\.\\d+)?)\\s*['′]\\s*)?"
                                                           "(?:(\\d{1,2}(?:\\.\\d+)?)\\s*[\"″]\\s*)?([NSEW])?$"),
        QRegularExpression::CaseInsensitiveOption);
    Coordinate c;
    QString strLetter;
    if (const auto m = letterBetween.match(strText); m.hasMatch()) {
        c.dblValue = m.captured(1).toDouble() + Minutes(m.captured(3)) / 60;
        strLetter = m.captured(2);
    } else if (const auto s = symbols.match(strText); s.hasMatch() && !(s.hasCaptured(1) && s.hasCaptured(5))) {
        const double dblDegrees = s.captured(2).toDouble();
        const double dblRest = Minutes(s.captured(3)) / 60 + Minutes(s.captured(4)) / 3600;
        if (dblRest > 0 && (s.captured(2).contains(QLatin1Char('.')) || dblDegrees < 0))
            return std::nullopt; // minutes after decimal or signed degrees are not a coordinate
        c.dblValue = dblDegrees + dblRest;
        strLetter = s.hasCaptured(1) ? s.captured(1) : s.captured(5);
        if (!strLetter.isEmpty() && dblDegrees < 0)
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    if (!strLetter.isEmpty()) {
        c.chrAxis = static_cast<char>(strLetter.at(0).toUpper().toLatin1());
        if (c.chrAxis == 'S' || c.chrAxis == 'W')
            c.dblValue = -c.dblValue;
    }
    return c;
}

QString DegreesMinutes(double dblValue, char chrPositive, char chrNegative)
{
    const long long intMinutes = std::llround(std::fabs(dblValue) * 60);
    return QString::number(intMinutes / 60) + QStringLiteral("°") + QString::number(intMinutes % 60)
        + QLatin1Char('\'') + QLatin1Char(dblValue < 0 ? chrNegative : chrPositive);
}

} // namespace

std::vector<platform::AtlasCity> SearchPlaces(const QString& strQuery, int intLimit)
{
    QString strCity = strQuery;
    QString strQualifier;
    if (const qsizetype intComma = strQuery.indexOf(QLatin1Char(',')); intComma >= 0) {
        strCity = strQuery.left(intComma);
        strQualifier = strQuery.mid(intComma + 1);
    } else {
        static const QRegularExpression lastCode(QStringLiteral("^(.+\\S)\\s+([A-Za-z]{2})$"));
        if (const auto m = lastCode.match(strQuery.trimmed()); m.hasMatch()) {
            strCity = m.captured(1);
            strQualifier = m.captured(2);
        }
    }
    strCity = Folded(strCity);
    strQualifier = Folded(strQualifier);
    if (strCity.isEmpty())
        return {};
    const std::vector<platform::AtlasCity>& cities = platform::AtlasCities();
    const std::vector<FoldedCity>& folded = FoldedAtlas();
    std::vector<std::size_t> ranked[3];
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const int intMatch = NameMatch(folded[i].strName, strCity);
        if (intMatch >= 0 && QualifierMatches(folded[i], strQualifier))
            ranked[intMatch].push_back(i);
    }
    std::vector<platform::AtlasCity> found;
    for (const std::vector<std::size_t>& group : ranked) {
        for (const std::size_t i : group) {
            if (static_cast<int>(found.size()) >= intLimit)
                return found;
            found.push_back(cities[i]);
        }
    }
    // A last word of two letters that narrows to nothing is part of the name.
    if (found.empty() && !strQualifier.isEmpty() && strQuery.indexOf(QLatin1Char(',')) < 0)
        return SearchPlaces(strQuery + QLatin1Char(','), intLimit);
    return found;
}

std::optional<Coordinates> ParseCoordinates(const QString& strText)
{
    // Two parts, split at a comma or, failing that, at blanks between them.
    QStringList parts = strText.split(QLatin1Char(','));
    if (parts.size() != 2) {
        static const QRegularExpression split(
            QStringLiteral("^\\s*(\\S+(?:\\s*['′\"″]?\\s*[NSEW])?)\\s+(\\S.*?)\\s*$"), QRegularExpression::CaseInsensitiveOption);
        const auto m = split.match(strText);
        if (!m.hasMatch())
            return std::nullopt;
        parts = { m.captured(1), m.captured(2) };
    }
    const std::optional<Coordinate> first = ParseCoordinate(parts[0].trimmed());
    const std::optional<Coordinate> second = ParseCoordinate(parts[1].trimmed());
    if (!first || !second)
        return std::nullopt;
    const auto isLongitude = [](char c) { return c == 'E' || c == 'W'; };
    const auto isLatitude = [](char c) { return c == 'N' || c == 'S'; };
    Coordinates result { first->dblValue, second->dblValue };
    if (isLongitude(first->chrAxis) || isLatitude(second->chrAxis)) {
        if (isLatitude(first->chrAxis) || isLongitude(second->chrAxis))
            return std::nullopt; // both of one kind
        std::swap(result.dblLatitude, result.dblLongitude);
    }
    if (!(std::fabs(result.dblLatitude) <= 90) || !(std::fabs(result.dblLongitude) <= 180))
        return std::nullopt;
    return result;
}

QString CoordinatesText(double dblLatitude, double dblLongitude)
{
    return DegreesMinutes(dblLatitude, 'N', 'S') + QLatin1Char(' ') + DegreesMinutes(dblLongitude, 'E', 'W');
}

} // namespace qal
