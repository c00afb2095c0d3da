// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/CliOptionTable.h"

#include "util/Version.h"

#include <algorithm>
#include <array>

namespace qal::cli {
namespace {

constexpr CommandSet kChart = CommandBit(Command::Chart);
constexpr CommandSet kAspects = CommandBit(Command::Aspects);
constexpr CommandSet kFind = CommandBit(Command::Find);
constexpr CommandSet kTimeMap = CommandBit(Command::TimeMap);
constexpr CommandSet kPlaces = CommandBit(Command::Places);
constexpr CommandSet kEvents = CommandBit(Command::Events);

constexpr std::array kOptions = {
    OptionSpec { "--natal", "DATE [TIME] ZONE", OptionValue::Moment, kChart | kAspects | kEvents | kTimeMap, false,
        "a birth chart: the personal transits to it, judged with the orbs for personal transits (a third), and "
        "for events its solar and lunar returns; its ZONE may be left out when --natal-place gives it" },
    OptionSpec { "--natal-place", "QUERY", OptionValue::Word, kChart | kAspects | kEvents | kTimeMap, false,
        "the birth chart's place from the atlas, as --place" },
    OptionSpec { "--natal-at", "LAT,LON", OptionValue::Word, kChart | kAspects | kEvents | kTimeMap, false,
        "the birth chart's place by its coordinates, as --at, its ZONE a zone of the database" },
    OptionSpec { "--natal-julian", "", OptionValue::None, kChart | kAspects | kEvents | kTimeMap, false,
        "the birth chart's date is in the Julian calendar" },
    OptionSpec { "--zone", "ZONE", OptionValue::Word, kChart | kAspects | kEvents | kFind | kTimeMap, false,
        "the zone FROM, TO and --until are read in and moments are written in (default UTC); for chart, the "
        "zone of DATE [TIME] in place of its ZONE" },
    OptionSpec { "--place", "QUERY", OptionValue::Word, kChart, false,
        "the place of the moment from the atlas (the largest city of that name; \"Paris, France\" or \"Paris FR\" "
        "narrow it), in place of ZONE: the clock of that place that day, summer and war time included, and its own "
        "mean time before standard time" },
    OptionSpec { "--at", "LAT,LON", OptionValue::Word, kChart, false,
        "a place the atlas lacks, by its latitude and longitude (48.40,9.99 or 48N24,9E59), its zone a zone of the "
        "database given as ZONE or with --zone (Europe/Berlin)" },
    OptionSpec { "--julian", "", OptionValue::None, kChart, false, "DATE is in the Julian calendar" },
    OptionSpec { "--houses", "SYSTEM", OptionValue::Word, kChart | kAspects | kTimeMap, false,
        "the house system of a chart with a place: P Placidus (default), K Koch, E equal, W whole sign, O "
        "Porphyry, R Regiomontanus, C Campanus; within the polar circles Porphyry's houses stand in for Placidus' "
        "and Koch's" },
    OptionSpec { "--earlier", "", OptionValue::None, kEveryCommand, false,
        "a clock time that happened twice in a zone (the hour repeated when summer time ended) is the first" },
    OptionSpec { "--later", "", OptionValue::None, kEveryCommand, false,
        "a clock time that happened twice in a zone is the second" },
    OptionSpec { "--until", "DATE", OptionValue::MomentInZone, kFind, false,
        "where to stop (default: 1000 years on, at the latest 2799-12-31)" },
    OptionSpec { "--at-least", "N", OptionValue::Word, kFind, false,
        "the moment the number of patterns of the kind rises to N (1 to 99; default 1)" },
    OptionSpec { "--step", "STEP", OptionValue::Word, kFind, false,
        "the time between two looks at the sky: 30m, 6h, 1d or 7d (default 1d)" },
    OptionSpec { "--results", "N", OptionValue::Word, kFind | kPlaces, false,
        "that many findings or cities (1 to 10000; default 1 for find, 20 for places)" },
    OptionSpec { "--output", "FILE", OptionValue::Word, kTimeMap, false,
        "the picture: a name ending in .svg or .pdf (a drawing) or .png (an image)" },
    OptionSpec { "--width", "PIXELS", OptionValue::Word, kTimeMap, false,
        "the picture's width, 400 to 10000 pixels (default 1400)" },
    OptionSpec { "--moon", "", OptionValue::None, kTimeMap, false, "the moving Moon's rows too" },
    OptionSpec { "--slow-only", "", OptionValue::None, kTimeMap, false, "only Jupiter to Pluto moving" },
    OptionSpec { "--white", "", OptionValue::None, kTimeMap, false, "dark marks on white, for print" },
    OptionSpec { "--format", "FORMAT", OptionValue::Word, kChart | kAspects | kEvents | kFind | kPlaces, false,
        "text (default), csv, json (one document), jsonl (one object a line, for streams) or, for aspects and "
        "events, ics (an iCalendar file: one event for each exact pass, eclipse, void Moon and the other events, "
        "with a UID that stays the same, so that a calendar importing a newer file updates its events)" },
    OptionSpec { "--ics-stretches", "", OptionValue::None, kAspects, false,
        "with --format ics: one event for each stretch within orb as well, from its beginning to its end" },
    OptionSpec { "--with-events", "", OptionValue::None, kAspects, false,
        "the sky's events among the aspects, in time order: ingresses, stations, lunations, eclipses, the void "
        "Moon, and with --natal the returns" },
    OptionSpec { "--kinds", "LIST", OptionValue::Word, kEvents, false,
        "which events, separated by commas: ingress, station, lunation, eclipse, void, return (default: all; "
        "return needs --natal)" },
    OptionSpec { "--sidereal", "", OptionValue::None, kEveryCommand, false,
        "the sidereal zodiac (default: tropical)" },
    OptionSpec { "--orbs", "LIST", OptionValue::Word, kEveryCommand & ~kEvents, false,
        "seven whole degrees 0..15 for conjunction, opposition, square, trine, sextile, semisextile, quincunx "
        "(0 switches a kind off), or one number for all; default 10,9,6,7,5,4,5" },
    OptionSpec { "--lang", "LANG", OptionValue::Word, kEveryCommand | kPlaces, true,
        "en (default) or de: the names and words of the output and the messages about it" },
    OptionSpec { "--quiet", "", OptionValue::None, kEveryCommand, true,
        "no progress line on a terminal during a long search" },
    OptionSpec { "--help", "", OptionValue::None, kEveryCommand | kPlaces, true, "this help; -h is the same" },
};

constexpr std::array kCommands = {
    CommandSpec { Command::Chart, "chart", "DATE [TIME] ZONE",
        "The positions, the aspect table, the aspect counts and the patterns of the sky at a moment (Planetary), "
        "or with --natal the personal transits of that moment to a birth chart, as QAL's window computes them. A "
        "date without a time is taken at 12:00; a time may have seconds (11:30:20). ZONE is an offset (+01:00, "
        "UTC) or a zone of the database (Europe/Berlin: its clock at that local moment); --place or --at with "
        "--zone stand in its place." },
    CommandSpec { Command::Aspects, "aspects", "FROM TO",
        "Every aspect that begins, becomes exact or ends between FROM and TO (dates, optionally with a time, read "
        "in --zone), to the minute. Each stretch within orb is followed to its real beginning and end, also "
        "beyond the span: \"pass 2 of 3\" is its second of three exact passes. With --natal: the transits to that "
        "birth chart." },
    CommandSpec { Command::Events, "events", "FROM TO",
        "The sky's own events between FROM and TO, to the minute: each body entering a sign (also back into one by "
        "retrograde motion), Mercury to Pluto standing still to turn retrograde (SR) or direct (SD), the new and "
        "full moons and the quarters, the solar and lunar eclipses at greatest eclipse with their kind, the Moon "
        "void of course from its last major aspect to the Sun .. Pluto until it leaves its sign, and with --natal "
        "the solar and lunar returns. The signs are those of the zodiac asked for." },
    CommandSpec { Command::Find, "find", "PATTERN FROM",
        "The moments after FROM at which PATTERN forms: a pattern of that kind that was not there before comes "
        "into being (with --at-least N: the number of them rises to N), to the minute, with the moments it formed "
        "and dissolves. A pattern already there at FROM formed before it. The sky is looked at every --step like "
        "the run dialog but without waiting; a pattern that comes and goes between two looks is not seen." },
    CommandSpec { Command::TimeMap, "timemap", "FROM TO",
        "The time map of the span (at most twenty years) as a picture: one row for each aspect of the sky, or "
        "with --natal for each transit to that birth chart, a bar for each stretch within orb and a mark with its "
        "day at each exact pass, and above the rows a strip of the sky's events (the stations of Mercury to Pluto, "
        "the ingresses of Jupiter to Pluto, the eclipses), as the durations window's time map draws it." },
    CommandSpec { Command::Places, "places", "QUERY",
        "The cities of the atlas that QUERY names, the larger first, as --place finds them: name, region, country, "
        "zone of the database, latitude, longitude and population. The atlas: GeoNames (geonames.org), CC BY 4.0." },
};

// The patterns' names on the command line, in the order of the pattern kinds.
constexpr std::array<const char*, 14> kPatternSlugs = { "grand-trine", "kite", "rectangle", "t-square",
    "grand-cross", "yod", "yod-kite", "trapezium", "stellium-6", "stellium-5", "stellium-4", "stellium-3",
    "grand-sextile", "midpoint" };

} // namespace

std::span<const OptionSpec> OptionTable()
{
    return kOptions;
}

std::span<const CommandSpec> CommandTable()
{
    return kCommands;
}

QString CanonicalOptionName(const QString& strName)
{
    return strName == QLatin1String("-h") ? QStringLiteral("--help") : strName;
}

const OptionSpec* FindOption(const QString& strName)
{
    const QString strCanonical = CanonicalOptionName(strName);
    const auto found = std::find_if(kOptions.begin(), kOptions.end(),
        [&](const OptionSpec& spec) { return strCanonical == QLatin1String(spec.strName); });
    return found == kOptions.end() ? nullptr : &*found;
}

const CommandSpec* FindCommand(const QString& strName)
{
    const auto found = std::find_if(kCommands.begin(), kCommands.end(),
        [&](const CommandSpec& spec) { return strName == QLatin1String(spec.strName); });
    return found == kCommands.end() ? nullptr : &*found;
}

const CommandSpec& SpecOf(Command command)
{
    const auto found = std::find_if(
        kCommands.begin(), kCommands.end(), [&](const CommandSpec& spec) { return spec.command == command; });
    return found == kCommands.end() ? kCommands.front() : *found;
}

QStringList OptionNamesOf(Command command)
{
    QStringList names;
    for (const OptionSpec& spec : kOptions) {
        if (spec.commands & CommandBit(command))
            names << QString::fromLatin1(spec.strName);
    }
    return names;
}

std::span<const char* const> PatternSlugs()
{
    return kPatternSlugs;
}

namespace {

constexpr qsizetype kHelpWidth = 79;
constexpr qsizetype kOptionColumn = 22;

// strText broken into lines of at most kHelpWidth characters, each begun with
// intIndent blanks; the first line continues what stands before it, which is
// intFirstColumn characters long.
QString Wrapped(const QString& strText, qsizetype intIndent, qsizetype intFirstColumn)
{
    QString strOut;
    qsizetype intColumn = intFirstColumn;
    for (const QString& strWord : strText.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool blnLineStart = intColumn <= intIndent;
        if (!blnLineStart && intColumn + 1 + strWord.size() > kHelpWidth) {
            strOut += QLatin1Char('\n') + QString(intIndent, QLatin1Char(' '));
            intColumn = intIndent;
        } else if (!blnLineStart) {
            strOut += QLatin1Char(' ');
            ++intColumn;
        }
        strOut += strWord;
        intColumn += strWord.size();
    }
    return strOut + QLatin1Char('\n');
}

QString Usage(const CommandSpec& spec)
{
    return QStringLiteral("qal-cli %1 %2%3 [options]")
        .arg(QLatin1String(spec.strName), QLatin1String(spec.strPositional),
            spec.command == Command::TimeMap ? QStringLiteral(" --output FILE") : QString());
}

QString OptionLines(Command command)
{
    QString strLines = QStringLiteral("Options:\n");
    for (const OptionSpec& spec : OptionTable()) {
        if (!(spec.commands & CommandBit(command)))
            continue;
        QString strHead = QStringLiteral("  ") + QLatin1String(spec.strName);
        if (*spec.strValueName)
            strHead += QLatin1Char(' ') + QLatin1String(spec.strValueName);
        if (strHead.size() + 2 > kOptionColumn)
            strLines += strHead + QLatin1Char('\n') + QString(kOptionColumn, QLatin1Char(' '));
        else
            strLines += strHead.leftJustified(kOptionColumn);
        strLines += Wrapped(QString::fromLatin1(spec.strHelp), kOptionColumn, kOptionColumn);
    }
    return strLines;
}

const char* const kNotes
    = "Options may stand anywhere after the command; --lang and --quiet also before it. Dates are YYYY-MM-DD, "
      "optionally with THH:MM; times HH:MM or HH:MM:SS; zones Z, UTC, offsets such as +05:45 or -3, the zone "
      "list's texts such as GMT+1:00, or zones of the database such as Europe/Berlin (their offset at that local "
      "moment: a time the clocks skipped is refused, one they showed twice too unless --earlier or --later says "
      "which). Results are written as they are found; Ctrl-C stops after complete lines (status 130). The Moon "
      "and Pluto are known from 1600 to 2099. Exit status: 0 done (also when a reader such as head stops early), "
      "1 nothing found (find, places), or the results or a picture not written, 2 bad input, 130 stopped by "
      "Ctrl-C.";

} // namespace

QString HelpText(const QString& strCommand)
{
    const CommandSpec* spec = FindCommand(strCommand);
    if (!spec) {
        QString strUsages;
        for (const CommandSpec& command : CommandTable())
            strUsages += QStringLiteral("  ") + Usage(command) + QLatin1Char('\n');
        return QStringLiteral("qal-cli: QAL's aspect engine on the command line.\n\n") + strUsages
            + QStringLiteral("\nqal-cli COMMAND --help tells more about each command; qal-cli --version\n"
                             "gives the version.\n\n"
                             "Example: qal-cli chart 2018-03-05 14:30 +01:00 --format json\n");
    }
    QString strHelp = Usage(*spec) + QStringLiteral("\n\n") + Wrapped(QString::fromLatin1(spec->strAbout), 0, 0)
        + QLatin1Char('\n') + OptionLines(spec->command) + QLatin1Char('\n');
    if (spec->command == Command::Find) {
        strHelp += QStringLiteral("Patterns:\n");
        for (const char* strSlug : kPatternSlugs)
            strHelp += QStringLiteral("  ") + QLatin1String(strSlug) + QLatin1Char('\n');
        strHelp += QLatin1Char('\n');
    }
    return strHelp + Wrapped(QString::fromLatin1(kNotes), 0, 0);
}

} // namespace qal::cli
