// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/CliCommands.h"

#include "astro/AstroTables.h"
#include "astro/PlutoTable.h"
#include "platform/CalendarFile.h"
#include "settings/Configuration.h"
#include "text/Texts.h"
#include "util/Version.h"

#include <utility>

namespace qal::cli {

ConfigurationSettings ConfigurationOf(const Options& o)
{
    ConfigurationSettings config;
    if (o.orbs) {
        for (int k = 0; k < 7; ++k)
            config.cboOrb[k] = config.intOrbIndex[k] = (*o.orbs)[static_cast<size_t>(k)];
    }
    config.blnSidereal = config.optVedicAstrology = o.blnSidereal;
    config.intHouseSystem = o.intHouseSystem;
    return config;
}

OrbTable OrbTableOf(const ConfigurationSettings& config)
{
    OrbTable orbs = OrbTableFor(config);
    // Every kind switched off: the titles name one orb of 0°, not the
    // window's start value of the smallest orb.
    if (orbs.dblMaxOrb == 0) {
        orbs.dblMinOrb = orbs.dblMinOrbCol[0] = orbs.dblMinOrbCol[1] = 0;
        orbs.blnAllOrbsEqual = true;
    }
    return orbs;
}

ChartAngles NatalAngles(const Options& o, const ConfigurationSettings& config)
{
    if (!o.udtNatal || !o.udtNatal->place.blnHasCoordinates)
        return {};
    return AnglesAt(o.udtNatal->dblJD, o.udtNatal->place.dblLatitude, o.udtNatal->place.dblLongitude,
        config.intHouseSystem, config.blnSidereal);
}

QString RangeNote(const Options& o, double dblFrom, double dblUntil)
{
    const auto known = [](double t) { return t >= intFirstTableDay - 0.5 && t < intLastTableDay + 0.5; };
    QString strNote;
    if (!known(dblFrom) || !known(dblUntil))
        strNote = QStringLiteral("qal-cli: note: the Moon and Pluto are known from 1600-01-01 to 2099-12-31 only; "
                                 "outside these years %1 missing.\n")
                      .arg(o.command == Command::Events
                              ? QStringLiteral("the Moon's events (its ingresses, the lunations, the eclipses, the "
                                               "void Moon, the lunar returns) and Pluto's are")
                              : QStringLiteral("their aspects and patterns are"));
    if (o.udtNatal && !known(o.udtNatal->dblJD))
        strNote += QStringLiteral("qal-cli: note: the birth chart lies outside 1600-01-01 to 2099-12-31, where the "
                                  "Moon and Pluto are known; %1 missing.\n")
                       .arg(o.command == Command::Events ? QStringLiteral("its lunar returns are")
                                                         : QStringLiteral("the transits to its Moon and Pluto are"));
    return strNote;
}

int StreamSearch(const Options& o, Output& out, const QString& strCommand, const QStringList& csvColumns,
    const QString& strFrom, const QString& strTo, const NextStreamPiece& next)
{
    QString strHead;
    if (o.format == Format::Csv)
        strHead = CsvLine(csvColumns);
    else if (o.format == Format::Json)
        strHead = JsonListOpening({ { QStringLiteral("command"), strCommand }, { QStringLiteral("from"), strFrom },
                                      { QStringLiteral("to"), strTo } },
            QStringLiteral("events"));
    else if (o.format == Format::Ics)
        strHead = platform::CalendarBegin(GetText(TextId::AppTitle));
    if (!out.Write(strHead))
        return intExitOk; // nobody reads
    const double dblFrom = o.udtMoment.dblJD, dblYears = (o.udtUntil->dblJD - dblFrom) / 365.25;
    long long intFound = 0;
    double dblSearched = dblFrom;
    QString strLines;
    while (next(strLines, intFound, dblSearched)) {
        if (!out.Write(std::exchange(strLines, QString())))
            return intExitOk; // nobody reads on
        if (out.StopRequested())
            return intExitStopped;
        if (!o.blnQuiet)
            out.Progress((dblSearched - dblFrom) / 365.25, dblYears, intFound, "events");
    }
    if (out.StopRequested())
        return intExitStopped;
    if (o.format == Format::Json)
        out.Write(JsonListClosing());
    else if (o.format == Format::Ics)
        out.Write(platform::CalendarEnd());
    return intExitOk;
}

namespace {

int RunCommand(const Options& o, Output& out, QString& err)
{
    if (o.command == Command::Help)
        return out.Write(HelpText(o.strHelpTopic)), intExitOk;
    if (o.command == Command::Version)
        return out.Write(QStringLiteral("qal-cli %1\n").arg(QLatin1String(kQalVersion)) + QLatin1String(kQalLicenceLines)),
               intExitOk;
    if (o.command == Command::Chart)
        return RunChart(o, out);
    if (o.command == Command::Aspects)
        return RunAspects(o, out, err);
    if (o.command == Command::Events)
        return RunEvents(o, out, err);
    if (o.command == Command::TimeMap)
        return RunTimeMap(o, out, err);
    if (o.command == Command::Places)
        return RunPlaces(o, out, err);
    return RunFind(o, out, err);
}

} // namespace

int RunCli(const QStringList& args, Output& out, QString& err)
{
    Options o;
    const QString strError = ParseCommandLine(args, o);
    if (!strError.isEmpty()) {
        err = QStringLiteral("qal-cli: ") + strError + QLatin1Char('\n');
        return intExitBadInput;
    }
    if (intCurrentLanguage != o.intLanguage)
        SetInterfaceLanguage(o.intLanguage);
    const int intStatus = RunCommand(o, out, err);
    // Results that did not reach their file are a failure, whatever the
    // command found; a reader that went away is not.
    if (!out.WriteFailure().isEmpty()) {
        err += QStringLiteral("qal-cli: ") + GetTextWithMarkers(TextId::OutputNotWritten, out.WriteFailure())
            + QLatin1Char('\n');
        return intExitFailure;
    }
    return intStatus;
}

int RunCli(const QStringList& args, QString& strOut, QString& err)
{
    TextOutput out;
    const int intStatus = RunCli(args, out, err);
    strOut = out.strText;
    return intStatus;
}

} // namespace qal::cli
