// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/CliArguments.h"

#include "chart/SkyEventTexts.h"

#include "aspects/Patterns.h"
#include "dates/DatePr2.h"
#include "astro/ChartAngles.h"
#include "dates/PlaceSearch.h"
#include "dates/TimeZones.h"
#include "platform/ZoneHistory.h"
#include "platform/Calendar.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <iterator>
#include <utility>

#include <cmath>

namespace qal::cli {
namespace {

QString Normalized(QString strName)
{
    strName = strName.trimmed().toLower();
    strName.replace(QLatin1Char(' '), QLatin1Char('-'));
    strName.replace(QLatin1Char('_'), QLatin1Char('-'));
    return strName;
}

// An argument in a message: its first few dozen characters, quoted.
QString Quoted(const QString& strArgument)
{
    constexpr qsizetype kMost = 40;
    return QLatin1Char('"')
        + (strArgument.size() > kMost ? strArgument.left(kMost - 3) + QStringLiteral("...") : strArgument)
        + QLatin1Char('"');
}

// Where a moment's zone comes from: a ZONE argument after it, or an option.
struct MomentZone {
    bool blnFromOption = false; // --zone, --place: no ZONE argument follows
    int intFixedMinutes = 0; // an offset, while place has no zone
    QString strGiven; // the offset as given ("+01:00"), for the moment's texts
    DateSetPlace place; // a zone of the database, and the place when one was given
    std::optional<Coordinates> at; // --at: the place's coordinates, with a zone of the database
};

// How moments are read besides their zone.
struct MomentRules {
    bool blnJulian = false;
    RepeatedTime which = RepeatedTime::Ask;
    int intDefaultSeconds = 12 * 3600; // a date without a time: noon for a chart, midnight for a span
};

// A ZONE argument: an offset or a zone of the database.
bool ReadZone(const QString& strZone, MomentZone& zone)
{
    if (ParseZone(strZone, zone.intFixedMinutes)) {
        zone.strGiven = strZone.trimmed();
        zone.place = DateSetPlace();
        return true;
    }
    if (!platform::IsKnownZone(strZone.trimmed()))
        return false;
    zone.place = DateSetPlace();
    zone.place.strZoneId = strZone.trimmed();
    return true;
}

QString DateTimeGiven(int y, int m, int d, int intSeconds)
{
    platform::EuroDate date { y, m, d, platform::kGregorian, 0, 0 };
    return IsoDateText(date) + QLatin1Char(' ') + ClockText(intSeconds);
}

// The moment of a local date and clock time in a zone; "" or why not.
QString MomentAt(const QString& strWhat, int y, int m, int d, int intSeconds, const MomentZone& zone,
    const MomentRules& rules, Moment& moment)
{
    moment = Moment();
    moment.blnJulian = rules.blnJulian;
    DateSetPlace place = zone.place;
    if (zone.at) {
        if (!place.HasZone())
            return strWhat + QStringLiteral(": a place given by its coordinates needs a zone of the database "
                                            "(for example Europe/Berlin) as its ZONE or with --zone.");
        place.blnHasCoordinates = true;
        place.dblLatitude = zone.at->dblLatitude;
        place.dblLongitude = zone.at->dblLongitude;
        if (place.strName.isEmpty())
            place.strName = CoordinatesText(place.dblLatitude, place.dblLongitude);
    }
    if (!place.HasZone()) {
        platform::EuroDate date { y, m, d, rules.blnJulian ? platform::kJulian : platform::kGregorian, 0, 0 };
        const int n = platform::EuroDateToJdn(date);
        moment.dblJD = n - 0.5 + (intSeconds - zone.intFixedMinutes * 60) / 86400.0;
        moment.intZoneMinutes = zone.intFixedMinutes;
        moment.intOffsetSeconds = zone.intFixedMinutes * 60;
        moment.strZoneName = zone.strGiven.isEmpty() ? QStringLiteral("UTC") : zone.strGiven;
        return {};
    }
    DateSetInput set;
    set.strYear = QString::number(y);
    set.intMonth = m, set.intDay = d;
    set.intClockSeconds = intSeconds;
    set.blnJulian = rules.blnJulian;
    set.place = place;
    set.repeated = rules.which;
    const DateSetReading reading = ReadDateSet(set, 0);
    const PlaceClock& clock = reading.clock;
    const QString strAt = DateTimeGiven(y, m, d, intSeconds) + QStringLiteral(" in ") + place.strZoneId;
    if (reading.dblMoment == dblClockSkipped)
        return strWhat + QStringLiteral(": ") + strAt + QStringLiteral(" never happened: the clocks were put forward from ")
            + ZoneEntryText(clock.intOffsets[0], clock.strAbbreviations[0]) + QStringLiteral(" to ")
            + ZoneEntryText(clock.intOffsets[1], clock.strAbbreviations[1]) + QLatin1Char('.');
    if (reading.dblMoment == dblClockTwice)
        return strWhat + QStringLiteral(": ") + strAt + QStringLiteral(" happened twice: first at ")
            + ZoneEntryText(clock.intOffsets[0], clock.strAbbreviations[0]) + QStringLiteral(", then at ")
            + ZoneEntryText(clock.intOffsets[1], clock.strAbbreviations[1])
            + QStringLiteral(". Say which with --earlier or --later.");
    if (reading.dblMoment < 0)
        return strWhat + QStringLiteral(": ") + DateTimeGiven(y, m, d, intSeconds)
            + QStringLiteral(" is not a date of that calendar from 0001-01-01 to 2799-12-31.");
    moment.dblJD = reading.dblMoment;
    moment.intOffsetSeconds = reading.intOffsetSeconds;
    moment.intZoneMinutes = static_cast<int>(std::lround(reading.intOffsetSeconds / 60.0));
    moment.strZoneName = place.strZoneId;
    moment.strAbbreviation = clock.strAbbreviation;
    moment.place = place;
    return {};
}

// Reads moments from a list of arguments, one after the other.
class MomentReader {
public:
    explicit MomentReader(const QStringList& args)
        : m_args(args)
    {
    }
    bool AtEnd() const { return m_i >= m_args.size(); }
    QString Peek() const { return AtEnd() ? QString() : m_args[m_i]; }
    QString Next() { return AtEnd() ? QString() : m_args[m_i++]; }

    // DATE [TIME] ZONE, or DATE [TIME] when the zone comes from an option.
    QString ReadMoment(const QString& strWhat, Moment& moment, const MomentZone& given, const MomentRules& rules)
    {
        const qsizetype intFirst = m_i;
        const QString strDate = Next();
        int y = 0, m = 0, d = 0;
        std::optional<int> intSeconds;
        if (strDate.isEmpty() || strDate.startsWith(QStringLiteral("--")))
            return strWhat + QStringLiteral(": a date is missing (for example 1990-06-15).");
        if (!ParseDate(strDate, y, m, d, intSeconds, rules.blnJulian ? platform::kJulian : platform::kGregorian))
            return strWhat + QStringLiteral(": ") + Quoted(strDate)
                + QStringLiteral(" is not a date from 0001-01-01 to 2799-12-31 (YYYY-MM-DD, optionally THH:MM).");
        int intTime = 0;
        static const QRegularExpression timeLike(QStringLiteral("^\\d{1,2}:\\d{2}(:\\d{2})?$"));
        if (!intSeconds && !AtEnd() && timeLike.match(Peek()).hasMatch()) {
            if (!ParseTime(Peek(), intTime))
                return strWhat + QStringLiteral(": ") + Quoted(Peek())
                    + QStringLiteral(" is not a time from 00:00 to 23:59:59.");
            intSeconds = intTime, Next();
        }
        MomentZone zone = given;
        if (!given.blnFromOption) {
            const QString strZone = Next();
            if (strZone.isEmpty() || strZone.startsWith(QStringLiteral("--")))
                return strWhat
                    + QStringLiteral(": a time zone is missing (for example +01:00, UTC or Europe/Berlin).");
            if (!ReadZone(strZone, zone))
                return strWhat + QStringLiteral(": ") + Quoted(strZone) + QStringLiteral(" is not a time zone.");
        }
        const QString strError
            = MomentAt(strWhat, y, m, d, intSeconds.value_or(rules.intDefaultSeconds), zone, rules, moment);
        if (!strError.isEmpty())
            return strError;
        m_strLastMoment = m_args.mid(intFirst, m_i - intFirst).join(QLatin1Char(' '));
        m_strLastForm = QStringLiteral("DATE")
            + (intSeconds && !strDate.contains(QLatin1Char('T')) ? QStringLiteral(" TIME") : QString())
            + (given.blnFromOption ? QString() : QStringLiteral(" ZONE"));
        return {};
    }

    // The last moment read, as given, and how it was read ("DATE ZONE").
    QString LastMoment() const { return m_strLastMoment; }
    QString LastForm() const { return m_strLastForm; }

private:
    const QStringList m_args;
    qsizetype m_i = 0;
    QString m_strLastMoment, m_strLastForm;
};

// Why a positional argument cannot stand where it does.
QString MisplacedArgument(const Options& o, const QString& strArgument, const MomentReader& in)
{
    const QString strCommand = QLatin1String(SpecOf(o.command).strName);
    const QString strExpected = o.command == Command::Chart
        ? QStringLiteral(
            "A moment is DATE [TIME] ZONE, the time as HH:MM before the zone (for example 2018-03-05 14:30 +01:00).")
        : QStringLiteral("Moments here are DATE [TIME]; their zone comes with --zone.");
    if (in.LastMoment().isEmpty())
        return strCommand + QStringLiteral(": ") + Quoted(strArgument) + QStringLiteral(" was not expected. ")
            + strExpected;
    return strCommand + QStringLiteral(": ") + Quoted(strArgument) + QStringLiteral(" was not expected after ")
        + Quoted(in.LastMoment()) + QStringLiteral(", which was read as ") + in.LastForm() + QStringLiteral(". ")
        + strExpected;
}

QString MoreHelp(Command command)
{
    return QStringLiteral(" qal-cli ") + QLatin1String(SpecOf(command).strName) + QStringLiteral(" --help tells more.");
}

bool IsOptionLike(const QString& strArgument)
{
    return strArgument.startsWith(QStringLiteral("--")) || strArgument == QLatin1String("-h");
}

// An option as given, with the arguments that follow it.
struct GivenOption {
    const OptionSpec* spec = nullptr;
    QStringList values;
    QString Name() const { return QLatin1String(spec->strName); }
};

// The arguments an option of that kind takes from args, starting at i: a
// word, or a moment's date, its time when one follows, and its zone unless
// another option follows.
QStringList ValuesOf(const OptionSpec& spec, const QStringList& args, qsizetype i)
{
    static const QRegularExpression timeLike(QStringLiteral("^\\d{1,2}:\\d{2}(:\\d{2})?$"));
    QStringList values;
    if (spec.value == OptionValue::None || i >= args.size())
        return values;
    if (spec.value == OptionValue::Word)
        return { args[i] };
    if (IsOptionLike(args[i]))
        return values;
    values << args[i++];
    if (i < args.size() && !values[0].contains(QLatin1Char('T')) && timeLike.match(args[i]).hasMatch())
        values << args[i++];
    if (spec.value == OptionValue::Moment && i < args.size() && !IsOptionLike(args[i]))
        values << args[i];
    return values;
}

// The arguments after the command: its options, each once, and the rest in order.
QString SplitArguments(
    Command command, const QStringList& args, std::vector<GivenOption>& options, QStringList& positional)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (!IsOptionLike(args[i])) {
            positional << args[i];
            continue;
        }
        GivenOption given;
        given.spec = FindOption(args[i]);
        if (!given.spec)
            return QStringLiteral("Unknown option ") + Quoted(args[i]) + QLatin1Char('.') + MoreHelp(command);
        if (!(given.spec->commands & CommandBit(command)))
            return given.Name() + QStringLiteral(" is not an option of ") + QLatin1String(SpecOf(command).strName)
                + QLatin1Char('.') + MoreHelp(command);
        if (std::any_of(options.begin(), options.end(), [&](const GivenOption& o) { return o.spec == given.spec; }))
            return given.Name() + QStringLiteral(": given twice; give it once.");
        given.values = ValuesOf(*given.spec, args, i + 1);
        if (given.spec->value == OptionValue::Word && given.values.isEmpty())
            return given.Name() + QStringLiteral(": ") + QLatin1String(given.spec->strValueName)
                + QStringLiteral(" is missing after it.");
        i += given.values.size();
        options.push_back(given);
    }
    return {};
}

const GivenOption* Given(const std::vector<GivenOption>& options, const char* strName)
{
    const auto found = std::find_if(options.begin(), options.end(),
        [&](const GivenOption& o) { return o.Name() == QLatin1String(strName); });
    return found == options.end() ? nullptr : &*found;
}

QString ReadLanguage(const QString& l, int& intLanguage)
{
    if (l == QLatin1String("en"))
        intLanguage = intLangEnglish;
    else if (l == QLatin1String("de"))
        intLanguage = intLangGerman;
    else
        return QStringLiteral("--lang: ") + Quoted(l) + QStringLiteral(" is not en or de.");
    return {};
}

// How the command's moments and the birth chart's are read, as the options say.
struct MomentSetup {
    MomentZone zone; // the command's own moments
    MomentRules rules;
    MomentZone natalZone;
    MomentRules natalRules;
};

// The positional arguments of the command: its moments, find's pattern, places' query.
QString ReadPositional(const QStringList& positional, Options& o, const MomentSetup& setup)
{
    MomentReader in(positional);
    const QString strCommand = QLatin1String(SpecOf(o.command).strName);
    QString strError;
    if (o.command == Command::Places) {
        o.strPlacesQuery = positional.join(QLatin1Char(' ')).trimmed();
        return o.strPlacesQuery.isEmpty() ? QStringLiteral("places: QUERY is missing (for example Ulm or \"Paris, France\").")
                                          : QString();
    }
    if (o.command == Command::Chart) {
        strError = in.ReadMoment(QStringLiteral("chart"), o.udtMoment, setup.zone, setup.rules);
        o.intZoneMinutes = o.udtMoment.intZoneMinutes;
    } else if (o.command == Command::Aspects || o.command == Command::Events || o.command == Command::TimeMap) {
        strError = in.ReadMoment(strCommand + QStringLiteral(" FROM"), o.udtMoment, setup.zone, setup.rules);
        Moment until;
        if (strError.isEmpty())
            strError = in.ReadMoment(strCommand + QStringLiteral(" TO"), until, setup.zone, setup.rules);
        if (strError.isEmpty() && !(until.dblJD > o.udtMoment.dblJD))
            strError = strCommand + QStringLiteral(": TO must come after FROM.");
        if (strError.isEmpty() && o.command == Command::TimeMap && until.dblJD - o.udtMoment.dblJD > 20 * 365.25)
            strError = QStringLiteral("timemap: a span of at most twenty years.");
        o.udtUntil = until;
    } else {
        const QString strPattern = in.Next();
        o.intPattern = PatternKindFromName(strPattern);
        if (o.intPattern < 0)
            return QStringLiteral("find: ") + Quoted(strPattern)
                + QStringLiteral(" is not a pattern; qal-cli find --help lists them.");
        strError = in.ReadMoment(QStringLiteral("find FROM"), o.udtMoment, setup.zone, setup.rules);
    }
    if (!strError.isEmpty())
        return strError;
    if (!in.AtEnd())
        return MisplacedArgument(o, in.Peek(), in);
    return {};
}

// A place from the atlas for an option; "" or why not.
QString PlaceFromAtlas(const QString& strOption, const QString& strQuery, MomentZone& zone)
{
    const std::vector<platform::AtlasCity> found = SearchPlaces(strQuery, 1);
    if (found.empty())
        return strOption + QStringLiteral(": no city of the atlas matches ") + Quoted(strQuery)
            + QStringLiteral("; qal-cli places lists what it holds, and --at LAT,LON --zone ZONE gives any place.");
    zone.blnFromOption = true;
    zone.place = PlaceOfCity(found.front());
    return {};
}

QString CoordinatesFor(const QString& strOption, const QString& strValue, MomentZone& zone)
{
    zone.at = ParseCoordinates(strValue);
    return zone.at ? QString()
                   : strOption + QStringLiteral(": ") + Quoted(strValue)
            + QStringLiteral(" is not a latitude and a longitude (for example 48.40,9.99 or 48N24,9E59).");
}

// The options that say how moments are read, before the moments are.
QString ReadMomentOptions(const std::vector<GivenOption>& options, Options& o, MomentSetup& setup)
{
    const auto given = [&](const char* strName) -> const GivenOption* { return Given(options, strName); };
    if (given("--earlier") && given("--later"))
        return QStringLiteral("--earlier and --later: give one of them.");
    o.repeated = given("--earlier") ? RepeatedTime::Earlier : (given("--later") ? RepeatedTime::Later : RepeatedTime::Ask);
    setup.rules.which = setup.natalRules.which = o.repeated;
    setup.rules.blnJulian = given("--julian") != nullptr;
    setup.natalRules.blnJulian = given("--natal-julian") != nullptr;
    if (o.command != Command::Chart)
        setup.rules.intDefaultSeconds = 0; // spans and searches start at midnight
    if (const GivenOption* zone = given("--zone")) {
        const QString strZone = zone->values.value(0);
        if (given("--place"))
            return QStringLiteral("--place gives the zone of its place; leave out --zone.");
        if (!ReadZone(strZone, setup.zone))
            return QStringLiteral("--zone: ") + Quoted(strZone) + QStringLiteral(" is not a time zone.");
        setup.zone.blnFromOption = true;
        o.intZoneMinutes = setup.zone.intFixedMinutes;
        o.strZoneId = setup.zone.place.strZoneId;
    } else if (o.command != Command::Chart) {
        setup.zone.blnFromOption = true; // UTC
    }
    QString strError;
    if (const GivenOption* place = given("--place"))
        strError = PlaceFromAtlas(place->Name(), place->values.value(0), setup.zone);
    if (const GivenOption* at = given("--at"); at && strError.isEmpty()) {
        if (given("--place"))
            return QStringLiteral("--place and --at: give one of them.");
        strError = CoordinatesFor(at->Name(), at->values.value(0), setup.zone);
    }
    if (const GivenOption* place = given("--natal-place"); place && strError.isEmpty())
        strError = PlaceFromAtlas(place->Name(), place->values.value(0), setup.natalZone);
    if (const GivenOption* at = given("--natal-at"); at && strError.isEmpty()) {
        if (given("--natal-place"))
            return QStringLiteral("--natal-place and --natal-at: give one of them.");
        strError = CoordinatesFor(at->Name(), at->values.value(0), setup.natalZone);
    }
    if (strError.isEmpty() && !given("--natal")
        && (given("--natal-place") || given("--natal-at") || given("--natal-julian")))
        return QStringLiteral("--natal-place, --natal-at and --natal-julian belong to --natal, which is missing.");
    return strError;
}

// One option after the command, with its values, into the options.
QString ApplyOption(const GivenOption& given, Options& o, const MomentSetup& setup)
{
    const QString strName = given.Name();
    const QString strValue = given.values.value(0);
    const auto count = [&](int intLow, int intHigh, int& intValue) {
        bool blnNumber = false;
        intValue = strValue.toInt(&blnNumber);
        return blnNumber && intValue >= intLow && intValue <= intHigh;
    };
    if (strName == QLatin1String("--sidereal")) {
        o.blnSidereal = true;
    } else if (strName == QLatin1String("--quiet")) {
        o.blnQuiet = true;
    } else if (strName == QLatin1String("--ics-stretches")) {
        o.blnIcsStretches = true;
    } else if (strName == QLatin1String("--with-events")) {
        o.blnWithEvents = true;
    } else if (strName == QLatin1String("--kinds")) {
        if (!SkyEventSetFromWords(strValue, o.intSkyEvents))
            return QStringLiteral("--kinds: ") + Quoted(strValue)
                + QStringLiteral(" is not a list of ingress, station, lunation, eclipse, void and return.");
    } else if (strName == QLatin1String("--moon")) {
        o.blnMovingMoon = true;
    } else if (strName == QLatin1String("--slow-only")) {
        o.blnSlowOnly = true;
    } else if (strName == QLatin1String("--white")) {
        o.blnWhite = true;
    } else if (strName == QLatin1String("--lang")) {
        return ReadLanguage(strValue, o.intLanguage);
    } else if (strName == QLatin1String("--width")) {
        if (!count(400, 10000, o.intWidth))
            return QStringLiteral("--width: give a number of pixels from 400 to 10000.");
    } else if (strName == QLatin1String("--output")) {
        o.strOutput = strValue;
        const QString strType = o.strOutput.section(QLatin1Char('.'), -1).toLower();
        if (!o.strOutput.contains(QLatin1Char('.'))
            || !QStringList { QStringLiteral("svg"), QStringLiteral("pdf"), QStringLiteral("png") }.contains(strType))
            return QStringLiteral("--output: ") + Quoted(o.strOutput)
                + QStringLiteral(" is not a file name ending in .svg, .pdf or .png.");
    } else if (strName == QLatin1String("--natal")) {
        Moment natal;
        MomentReader in(given.values);
        QString strError = in.ReadMoment(QStringLiteral("--natal"), natal, setup.natalZone, setup.natalRules);
        if (strError.isEmpty() && !in.AtEnd())
            strError = QStringLiteral("--natal: ") + Quoted(in.Peek())
                + QStringLiteral(" was not expected; --natal-place gives the zone of its place.");
        if (!strError.isEmpty())
            return strError;
        o.udtNatal = natal;
    } else if (strName == QLatin1String("--orbs")) {
        const QStringList parts = strValue.split(QLatin1Char(','));
        std::array<int, 7> orbs {};
        bool blnGood = parts.size() == 7 || parts.size() == 1;
        for (int k = 0; k < 7 && blnGood; ++k) {
            bool blnNumber = false;
            orbs[static_cast<size_t>(k)] = parts.value(parts.size() == 1 ? 0 : k).trimmed().toInt(&blnNumber);
            blnGood
                = blnNumber && orbs[static_cast<size_t>(k)] >= 0 && orbs[static_cast<size_t>(k)] <= intMaxOrbDegrees;
        }
        if (!blnGood)
            return QStringLiteral("--orbs: give seven whole degrees from 0 to 15, separated by commas (conjunction, "
                                  "opposition, square, trine, sextile, semisextile, quincunx), or one for all.");
        o.orbs = orbs;
    } else if (strName == QLatin1String("--format")) {
        static const std::pair<const char*, Format> formats[] = { { "text", Format::Text }, { "csv", Format::Csv },
            { "json", Format::Json }, { "jsonl", Format::Jsonl }, { "ics", Format::Ics } };
        const auto known = std::find_if(std::begin(formats), std::end(formats),
            [&](const auto& entry) { return strValue == QLatin1String(entry.first); });
        if (known == std::end(formats))
            return QStringLiteral("--format: ") + Quoted(strValue)
                + QStringLiteral(" is not text, csv, json, jsonl or ics.");
        o.format = known->second;
        if (o.format == Format::Ics && o.command != Command::Aspects && o.command != Command::Events)
            return QStringLiteral("--format ics: calendar files come from qal-cli aspects and qal-cli events.");
    } else if (strName == QLatin1String("--until")) {
        Moment until;
        MomentReader in(given.values);
        const QString strError = in.ReadMoment(QStringLiteral("--until"), until, setup.zone, setup.rules);
        if (!strError.isEmpty())
            return strError;
        if (!(until.dblJD > o.udtMoment.dblJD))
            return QStringLiteral("--until must come after FROM.");
        o.udtUntil = until;
    } else if (strName == QLatin1String("--houses")) {
        o.intHouseSystem = strValue.size() == 1 ? HouseSystemOfLetter(strValue.at(0)) : -1;
        if (o.intHouseSystem < 0)
            return QStringLiteral("--houses: ") + Quoted(strValue)
                + QStringLiteral(" is not P, K, E, W, O, R or C (Placidus, Koch, equal, whole sign, Porphyry, "
                                 "Regiomontanus, Campanus).");
    } else if (strName == QLatin1String("--at-least")) {
        if (!count(1, 99, o.intAtLeast))
            return QStringLiteral("--at-least: give a number from 1 to 99.");
    } else if (strName == QLatin1String("--results")) {
        if (!count(1, 10000, o.intResults))
            return QStringLiteral("--results: give a number from 1 to 10000.");
    } else if (strName == QLatin1String("--step")) {
        if (!ParseStep(strValue, o.dblStepDays))
            return QStringLiteral("--step: ") + Quoted(strValue)
                + QStringLiteral(" is not a step such as 30m, 6h, 1d or 7d.");
    }
    return {};
}

} // namespace

bool ParseZone(const QString& strZone, int& intMinutes)
{
    const QString s = strZone.trimmed();
    if (s.compare(QStringLiteral("Z"), Qt::CaseInsensitive) == 0
        || s.compare(QStringLiteral("UTC"), Qt::CaseInsensitive) == 0
        || s.compare(QStringLiteral("GMT"), Qt::CaseInsensitive) == 0) {
        intMinutes = 0;
        return true;
    }
    static const QRegularExpression offset(QStringLiteral("^(?:UTC|GMT)?([+-])(\\d{1,2})(?::?(\\d{2}))?$"));
    const QRegularExpressionMatch m = offset.match(s);
    if (m.hasMatch()) {
        const int h = m.captured(2).toInt(), mm = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
        if (h > 14 || mm > 59 || (h == 14 && mm > 0))
            return false;
        intMinutes = (m.captured(1) == QLatin1String("-") ? -1 : 1) * (h * 60 + mm);
        return true;
    }
    // The zone list's texts, with either set of names.
    for (const bool blnNorthAmerican : { false, true }) {
        const QStringList items = TimezoneListItems(blnNorthAmerican);
        for (int i = 1; i < items.size(); ++i) {
            // "EST/CDT" names two zones of the same offset.
            const QStringList names = QStringList { items[i] } + items[i].split(QLatin1Char('/'));
            if (names.contains(s, Qt::CaseInsensitive)) {
                intMinutes = TimezoneItemValue(i);
                return true;
            }
        }
    }
    return false;
}

bool ParseDate(const QString& strDate, int& y, int& m, int& d, std::optional<int>& intSecondOfDay, int intCalendar)
{
    static const QRegularExpression date(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})(?:T(\\d{1,2}:\\d{2}(?::\\d{2})?))?$"));
    const QRegularExpressionMatch match = date.match(strDate.trimmed());
    if (!match.hasMatch())
        return false;
    y = match.captured(1).toInt(), m = match.captured(2).toInt(), d = match.captured(3).toInt();
    if (y < 1 || y > intMaxYear || m < 1 || m > 12 || d < 1 || d > platform::MonthLength(m, y, intCalendar))
        return false;
    intSecondOfDay.reset();
    if (!match.captured(4).isEmpty()) {
        int intSeconds = 0;
        if (!ParseTime(match.captured(4), intSeconds))
            return false;
        intSecondOfDay = intSeconds;
    }
    return true;
}

bool ParseTime(const QString& strTime, int& intSecondOfDay)
{
    static const QRegularExpression time(QStringLiteral("^\\d{1,2}:\\d{2}(:\\d{2})?$"));
    if (!time.match(strTime.trimmed()).hasMatch())
        return false;
    intSecondOfDay = ParseClockText(strTime);
    return intSecondOfDay >= 0;
}

int ZoneMinutesAt(const Options& o, double t)
{
    if (o.strZoneId.isEmpty())
        return o.intZoneMinutes;
    const long long intUtcSeconds = std::llround((t - 2440587.5) * 86400);
    return static_cast<int>(std::lround(platform::ZoneOffsetAt(o.strZoneId, intUtcSeconds).intSeconds / 60.0));
}

bool ParseStep(const QString& strStep, double& dblDays)
{
    static const QRegularExpression step(QStringLiteral("^(\\d{1,4})([mhd])$"));
    const QRegularExpressionMatch m = step.match(strStep.trimmed().toLower());
    if (!m.hasMatch())
        return false;
    const int n = m.captured(1).toInt();
    const QChar unit = m.captured(2).at(0);
    dblDays = unit == QLatin1Char('m') ? n / 1440.0 : (unit == QLatin1Char('h') ? n / 24.0 : n);
    return n > 0;
}

int PatternKindFromName(const QString& strName)
{
    const QString strWanted = Normalized(strName);
    if (strWanted.isEmpty())
        return -1;
    for (int k = 0; k < intNumPatternKinds; ++k) {
        if (strWanted == QLatin1String(PatternSlugs()[static_cast<size_t>(k)]) || strWanted == Normalized(strPatternName[k]))
            return k;
    }
    return -1;
}

QString ParseCommandLine(const QStringList& args, Options& o)
{
    o = Options();
    if (args.isEmpty())
        return QStringLiteral("a command is missing.\n\n") + HelpText(QString());
    // Before the command: the options every command takes there.
    qsizetype i = 0;
    for (; i < args.size() && IsOptionLike(args[i]); ++i) {
        const QString strOption = CanonicalOptionName(args[i]);
        if (strOption == QLatin1String("--version")) {
            o.command = Command::Version;
            return args.size() == i + 1 ? QString() : QStringLiteral("--version takes nothing after it.");
        }
        if (strOption == QLatin1String("--help")) {
            o.command = Command::Help;
            o.strHelpTopic = args.value(i + 1);
            return {};
        }
        if (strOption == QLatin1String("--quiet")) {
            o.blnQuiet = true;
        } else if (strOption == QLatin1String("--lang")) {
            const QString strError = ReadLanguage(args.value(++i), o.intLanguage);
            if (!strError.isEmpty())
                return strError;
        } else {
            const OptionSpec* spec = FindOption(strOption);
            return spec ? strOption + QStringLiteral(" comes after the command (chart, aspects, events, find, timemap or places).")
                        : QStringLiteral("Unknown option ") + Quoted(args[i]) + QStringLiteral(".");
        }
    }
    if (i >= args.size())
        return QStringLiteral("a command is missing.\n\n") + HelpText(QString());
    if (args[i] == QLatin1String("help")) {
        o.command = Command::Help;
        o.strHelpTopic = args.value(i + 1);
        return {};
    }
    const CommandSpec* command = FindCommand(args[i]);
    if (!command)
        return QStringLiteral("Unknown command ") + Quoted(args[i])
            + QStringLiteral(". The commands are chart, aspects, events, find, timemap and places; qal-cli --help tells more.");
    const QStringList rest = args.mid(i + 1);
    if (rest.contains(QStringLiteral("--help")) || rest.contains(QStringLiteral("-h"))) {
        o.command = Command::Help;
        o.strHelpTopic = QLatin1String(command->strName);
        return {};
    }
    o.command = command->command;

    std::vector<GivenOption> options;
    QStringList positional;
    QString strError = SplitArguments(o.command, rest, options, positional);
    if (!strError.isEmpty())
        return strError;
    // How moments are read comes first (their zone, place and calendar),
    // then the command's own moments, then the options in the order given.
    MomentSetup setup;
    strError = ReadMomentOptions(options, o, setup);
    if (!strError.isEmpty())
        return strError;
    if (o.command == Command::Places)
        o.intResults = 20;
    strError = ReadPositional(positional, o, setup);
    if (!strError.isEmpty())
        return strError;
    for (const GivenOption& given : options) {
        strError = ApplyOption(given, o, setup);
        if (!strError.isEmpty())
            return strError;
    }
    if (o.command == Command::Events && (o.intSkyEvents & kReturns) && !o.udtNatal && Given(options, "--kinds"))
        return QStringLiteral("--kinds return: the returns are those to a birth chart; give it with --natal.");
    if (o.blnIcsStretches && o.format != Format::Ics)
        return QStringLiteral("--ics-stretches: only with --format ics.");
    if (o.command == Command::TimeMap && o.strOutput.isEmpty())
        return QStringLiteral("timemap: --output FILE.svg, .pdf or .png is missing.");
    return {};
}

QString ArgumentsFromSystem(int argc, const char* const argv[], QStringList& args)
{
    args.clear();
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        const QString strArgument = QFile::decodeName(bytes);
        if (QFile::encodeName(strArgument) != bytes)
            return QStringLiteral("argument %1 is not text in this system's encoding (UTF-8); a file name of such "
                                  "bytes cannot be named here.")
                .arg(i);
        args << strArgument;
    }
    return {};
}

} // namespace qal::cli
