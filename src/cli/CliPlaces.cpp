// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// qal-cli places: the cities of the atlas a query names, as --place finds
// them, with their zones and coordinates.
#include "cli/CliCommands.h"
#include "cli/CliOutput.h"

#include "dates/PlaceSearch.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace qal::cli {
namespace {

QJsonObject CityObject(const platform::AtlasCity& city)
{
    return { { QStringLiteral("name"), city.strName }, { QStringLiteral("region"), city.strRegion },
        { QStringLiteral("country"), city.strCountry }, { QStringLiteral("country_code"), city.strCountryCode },
        { QStringLiteral("zone"), city.strZoneId }, { QStringLiteral("latitude"), std::round(city.dblLatitude * 1e4) / 1e4 },
        { QStringLiteral("longitude"), std::round(city.dblLongitude * 1e4) / 1e4 },
        { QStringLiteral("population"), static_cast<double>(city.intPopulation) } };
}

} // namespace

int RunPlaces(const Options& o, Output& out, QString& err)
{
    const std::vector<platform::AtlasCity> found = SearchPlaces(o.strPlacesQuery, o.intResults);
    QString strText;
    switch (o.format) {
    case Format::Csv:
        strText = CsvLine({ QStringLiteral("name"), QStringLiteral("region"), QStringLiteral("country"),
            QStringLiteral("zone"), QStringLiteral("latitude"), QStringLiteral("longitude"),
            QStringLiteral("population") });
        for (const platform::AtlasCity& c : found) {
            strText += CsvLine({ c.strName, c.strRegion, c.strCountry, c.strZoneId, QString::number(c.dblLatitude, 'f', 4),
                QString::number(c.dblLongitude, 'f', 4), QString::number(c.intPopulation) });
        }
        break;
    case Format::Json: {
        QJsonArray cities;
        for (const platform::AtlasCity& c : found)
            cities.append(CityObject(c));
        const QJsonObject root { { QStringLiteral("command"), QStringLiteral("places") },
            { QStringLiteral("query"), o.strPlacesQuery }, { QStringLiteral("places"), cities } };
        strText = QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
        break;
    }
    case Format::Jsonl:
        for (const platform::AtlasCity& c : found)
            strText += JsonLine(CityObject(c)) + QLatin1Char('\n');
        break;
    default:
        for (const platform::AtlasCity& c : found) {
            strText += c.strName + QStringLiteral(", ") + (c.strRegion.isEmpty() ? QString() : c.strRegion + QStringLiteral(", "))
                + c.strCountry + QStringLiteral("  ") + CoordinatesText(c.dblLatitude, c.dblLongitude)
                + QStringLiteral("  ") + c.strZoneId + QStringLiteral("  ") + QString::number(c.intPopulation)
                + QLatin1Char('\n');
        }
        break;
    }
    out.Write(strText);
    if (!found.empty())
        return intExitOk;
    err += QStringLiteral("qal-cli: places: no city of the atlas matches \"") + o.strPlacesQuery
        + QStringLiteral("\".\n");
    return intExitFailure;
}

} // namespace qal::cli
