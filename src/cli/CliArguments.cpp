#include "cli/CliArguments.h"

#include "aspects/Patterns.h"
#include "dates/DatePr2.h"
#include "dates/TimeZones.h"
#include "platform/Calendar.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

#include <QRegularExpression>

#include <algorithm>
#include <iterator>
#include <utility>

#include <cmath>

namespace qal::cli {
namespace {

// The patterns' names on the command line, in the order of the pattern kinds.
const char* const kPatternSlugs[intNumPatternKinds]
    = { "grand-trine", "kite", "rectangle", "t-square", "grand-cross", "yod", "yod-kite", "trapezium", "stellium-6",
          "stellium-5", "stellium-4", "stellium-3", "grand-sextile", "midpoint" };

QString Normalized(QString strName)
{
    strName = strName.trimmed().toLower();
    strName.replace(QLatin1Char(' '), QLatin1Char('-'));
    strName.replace(QLatin1Char('_'), QLatin1Char('-'));
    return strName;
}

// The moment of a date, an optional time and a zone.
Moment MomentOf(int y, int m, int d, int intMinuteOfDay, int intZoneMinutes)
{
    platform::EuroDate date;
    date.year = y, date.month = m, date.day = d;
    date.calendar = platform::kGregorian;
    const int n = platform::EuroDateToJdn(date);
    return { n - 0.5 + (intMinuteOfDay - intZoneMinutes) / 1440.0, intZoneMinutes };
}

// An argument in a message: its first few dozen characters, quoted.
QString Quoted(const QString& strArgument)
{
    constexpr qsizetype kMost = 40;
    return QLatin1Char('"')
        + (strArgument.size() > kMost ? strArgument.left(kMost - 3) + QStringLiteral("...") : strArgument)
        + QLatin1Char('"');
}

// Reads positional moments and options from a list of arguments.
class Reader {
public:
    explicit Reader(const QStringList& args)
        : m_args(args)
    {
    }
    bool AtEnd() const { return m_i >= m_args.size(); }
    QString Peek() const { return AtEnd() ? QString() : m_args[m_i]; }
    QString Next() { return AtEnd() ? QString() : m_args[m_i++]; }

    // DATE [TIME] ZONE, or DATE [TIME] when the zone comes from elsewhere
    // (intZone not null).
    QString ReadMoment(const QString& strWhat, Moment& moment, const int* intZone = nullptr)
    {
        const qsizetype intFirst = m_i;
        const QString strDate = Next();
        int y = 0, m = 0, d = 0;
        std::optional<int> intMinute;
        if (strDate.isEmpty() || strDate.startsWith(QStringLiteral("--")))
            return strWhat + QStringLiteral(": a date is missing (for example 1990-06-15).");
        if (!ParseDate(strDate, y, m, d, intMinute))
            return strWhat + QStringLiteral(": ") + Quoted(strDate)
                + QStringLiteral(" is not a date from 0001-01-01 to 2799-12-31 (YYYY-MM-DD, optionally THH:MM).");
        int intTime = 0;
        static const QRegularExpression timeLike(QStringLiteral("^\\d{1,2}:\\d{2}$"));
        if (!intMinute && !AtEnd() && timeLike.match(Peek()).hasMatch()) {
            if (!ParseTime(Peek(), intTime))
                return strWhat + QStringLiteral(": ") + Quoted(Peek())
                    + QStringLiteral(" is not a time from 00:00 to 23:59.");
            intMinute = intTime, Next();
        }
        int intZoneMinutes = intZone ? *intZone : 0;
        if (!intZone) {
            const QString strZone = Next();
            if (strZone.isEmpty() || strZone.startsWith(QStringLiteral("--")))
                return strWhat + QStringLiteral(": a time zone is missing (for example +01:00 or UTC).");
            if (!ParseZone(strZone, intZoneMinutes))
                return strWhat + QStringLiteral(": ") + Quoted(strZone) + QStringLiteral(" is not a time zone.");
        }
        moment = MomentOf(y, m, d, intMinute.value_or(intZone ? 0 : 12 * 60), intZoneMinutes);
        m_strLastMoment = m_args.mid(intFirst, m_i - intFirst).join(QLatin1Char(' '));
        m_strLastForm = QStringLiteral("DATE")
            + (intMinute && !strDate.contains(QLatin1Char('T')) ? QStringLiteral(" TIME") : QString())
            + (intZone ? QString() : QStringLiteral(" ZONE"));
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

// The options only one command has.
bool OptionOf(Command command, const QString& strOption)
{
    static const QStringList find { QStringLiteral("--until"), QStringLiteral("--at-least"),
        QStringLiteral("--results"), QStringLiteral("--step") };
    static const QStringList timemap { QStringLiteral("--output"), QStringLiteral("--width"), QStringLiteral("--moon"),
        QStringLiteral("--slow-only"), QStringLiteral("--white") };
    if (find.contains(strOption))
        return command == Command::Find;
    if (timemap.contains(strOption))
        return command == Command::TimeMap;
    if (strOption == QLatin1String("--ics-stretches"))
        return command == Command::Aspects;
    if (strOption == QLatin1String("--format"))
        return command != Command::TimeMap;
    return true;
}

QString CommandName(Command command)
{
    switch (command) {
    case Command::Chart: return QStringLiteral("chart");
    case Command::Aspects: return QStringLiteral("aspects");
    case Command::TimeMap: return QStringLiteral("timemap");
    default: return QStringLiteral("find");
    }
}

// Why an argument cannot stand where it does.
QString MisplacedArgument(const Options& o, const QString& strArgument, const Reader& in)
{
    const QString strCommand = CommandName(o.command);
    const QString strHelp = QStringLiteral(" qal-cli ") + strCommand + QStringLiteral(" --help tells more.");
    if (strArgument.startsWith(QStringLiteral("--"))) {
        static const QStringList known { QStringLiteral("--sidereal"), QStringLiteral("--zone"),
            QStringLiteral("--natal"), QStringLiteral("--orbs"), QStringLiteral("--format"), QStringLiteral("--lang"),
            QStringLiteral("--quiet"), QStringLiteral("--until"), QStringLiteral("--at-least"),
            QStringLiteral("--results"), QStringLiteral("--step"), QStringLiteral("--ics-stretches"),
            QStringLiteral("--output"), QStringLiteral("--width"), QStringLiteral("--moon"),
            QStringLiteral("--slow-only"), QStringLiteral("--white") };
        if (known.contains(strArgument))
            return strArgument + QStringLiteral(" is not an option of ") + strCommand + QLatin1Char('.') + strHelp;
        return QStringLiteral("Unknown option ") + Quoted(strArgument) + QLatin1Char('.') + strHelp;
    }
    const QString strExpected = o.command == Command::Chart
        ? QStringLiteral(
            "A moment is DATE [TIME] ZONE, the time as HH:MM before the zone (for example 2018-03-05 14:30 +01:00).")
        : QStringLiteral("Moments here are DATE [TIME]; their zone comes with --zone.");
    return strCommand + QStringLiteral(": ") + Quoted(strArgument) + QStringLiteral(" was not expected after ")
        + Quoted(in.LastMoment()) + QStringLiteral(", which was read as ") + in.LastForm() + QStringLiteral(". ")
        + strExpected;
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

bool ParseDate(const QString& strDate, int& y, int& m, int& d, std::optional<int>& intMinuteOfDay)
{
    static const QRegularExpression date(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})(?:T(\\d{1,2}:\\d{2}))?$"));
    const QRegularExpressionMatch match = date.match(strDate.trimmed());
    if (!match.hasMatch())
        return false;
    y = match.captured(1).toInt(), m = match.captured(2).toInt(), d = match.captured(3).toInt();
    if (y < 1 || y > intMaxYear || m < 1 || m > 12 || d < 1 || d > platform::GregorianMonthLength(m, y))
        return false;
    intMinuteOfDay.reset();
    if (!match.captured(4).isEmpty()) {
        int intMinute = 0;
        if (!ParseTime(match.captured(4), intMinute))
            return false;
        intMinuteOfDay = intMinute;
    }
    return true;
}

bool ParseTime(const QString& strTime, int& intMinuteOfDay)
{
    static const QRegularExpression time(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch m = time.match(strTime.trimmed());
    if (!m.hasMatch())
        return false;
    const int h = m.captured(1).toInt(), mm = m.captured(2).toInt();
    if (h > 23 || mm > 59)
        return false;
    intMinuteOfDay = h * 60 + mm;
    return true;
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
        if (strWanted == QLatin1String(kPatternSlugs[k]) || strWanted == Normalized(strPatternName[k]))
            return k;
    }
    return -1;
}

QString ParseCommandLine(const QStringList& args, Options& o)
{
    o = Options();
    if (args.isEmpty())
        return QStringLiteral("a command is missing.\n\n") + HelpText(QString());
    if (args[0] == QLatin1String("--version")) {
        o.command = Command::Version;
        return args.size() == 1 ? QString() : QStringLiteral("--version takes nothing after it.");
    }
    if (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h") || args[0] == QLatin1String("help")) {
        o.command = Command::Help;
        o.strHelpTopic = args.value(1);
        return {};
    }
    const QString strCommand = args[0];
    if (strCommand == QLatin1String("chart"))
        o.command = Command::Chart;
    else if (strCommand == QLatin1String("aspects"))
        o.command = Command::Aspects;
    else if (strCommand == QLatin1String("find"))
        o.command = Command::Find;
    else if (strCommand == QLatin1String("timemap"))
        o.command = Command::TimeMap;
    else
        return QStringLiteral("Unknown command ") + Quoted(strCommand)
            + QStringLiteral(". The commands are chart, aspects, find and timemap; qal-cli --help tells more.");
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        o.command = Command::Help;
        o.strHelpTopic = strCommand;
        return {};
    }

    // The zone that moments without one are read in comes first.
    const qsizetype intZoneAt = args.indexOf(QStringLiteral("--zone"));
    if (intZoneAt > 0) {
        if (o.command == Command::Chart)
            return QStringLiteral("--zone: chart takes the zone after its date and time.");
        if (!ParseZone(args.value(intZoneAt + 1), o.intZoneMinutes))
            return QStringLiteral("--zone: ") + Quoted(args.value(intZoneAt + 1))
                + QStringLiteral(" is not a time zone.");
    }

    Reader in(args.mid(1));
    QString strError;
    if (o.command == Command::Chart) {
        strError = in.ReadMoment(QStringLiteral("chart"), o.udtMoment);
        o.intZoneMinutes = o.udtMoment.intZoneMinutes;
    } else if (o.command == Command::Aspects || o.command == Command::TimeMap) {
        strError = in.ReadMoment(strCommand + QStringLiteral(" FROM"), o.udtMoment, &o.intZoneMinutes);
        Moment until;
        if (strError.isEmpty())
            strError = in.ReadMoment(strCommand + QStringLiteral(" TO"), until, &o.intZoneMinutes);
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
        strError = in.ReadMoment(QStringLiteral("find FROM"), o.udtMoment, &o.intZoneMinutes);
    }
    if (!strError.isEmpty())
        return strError;

    QStringList given; // each option once
    while (!in.AtEnd()) {
        const QString strOption = in.Next();
        if (!strOption.startsWith(QStringLiteral("--")) || !OptionOf(o.command, strOption))
            return MisplacedArgument(o, strOption, in);
        if (given.contains(strOption))
            return strOption + QStringLiteral(": given twice; give it once.");
        given << strOption;
        const auto value = [&]() { return in.Next(); };
        const auto count = [&](int intLow, int intHigh, int& intValue) {
            bool blnNumber = false;
            intValue = value().toInt(&blnNumber);
            return blnNumber && intValue >= intLow && intValue <= intHigh;
        };
        if (strOption == QLatin1String("--sidereal")) {
            o.blnSidereal = true;
        } else if (strOption == QLatin1String("--quiet")) {
            o.blnQuiet = true;
        } else if (strOption == QLatin1String("--ics-stretches")) {
            o.blnIcsStretches = true;
        } else if (strOption == QLatin1String("--moon")) {
            o.blnMovingMoon = true;
        } else if (strOption == QLatin1String("--slow-only")) {
            o.blnSlowOnly = true;
        } else if (strOption == QLatin1String("--white")) {
            o.blnWhite = true;
        } else if (strOption == QLatin1String("--width")) {
            if (!count(400, 10000, o.intWidth))
                return QStringLiteral("--width: give a number of pixels from 400 to 10000.");
        } else if (strOption == QLatin1String("--output")) {
            o.strOutput = value();
            const QString strType = o.strOutput.section(QLatin1Char('.'), -1).toLower();
            if (!o.strOutput.contains(QLatin1Char('.'))
                || !QStringList { QStringLiteral("svg"), QStringLiteral("pdf"), QStringLiteral("png") }.contains(
                    strType))
                return QStringLiteral("--output: ") + Quoted(o.strOutput)
                    + QStringLiteral(" is not a file name ending in .svg, .pdf or .png.");
        } else if (strOption == QLatin1String("--zone")) {
            value(); // read above
        } else if (strOption == QLatin1String("--natal")) {
            if (o.command == Command::Find)
                return QStringLiteral("--natal: find looks for patterns of the sky, which no birth chart changes.");
            Moment natal;
            strError = in.ReadMoment(QStringLiteral("--natal"), natal);
            if (!strError.isEmpty())
                return strError;
            o.udtNatal = natal;
        } else if (strOption == QLatin1String("--orbs")) {
            const QStringList parts = value().split(QLatin1Char(','));
            std::array<int, 7> orbs {};
            bool blnGood = parts.size() == 7 || parts.size() == 1;
            for (int k = 0; k < 7 && blnGood; ++k) {
                bool blnNumber = false;
                orbs[static_cast<size_t>(k)] = parts.value(parts.size() == 1 ? 0 : k).trimmed().toInt(&blnNumber);
                blnGood = blnNumber && orbs[static_cast<size_t>(k)] >= 0
                    && orbs[static_cast<size_t>(k)] <= intMaxOrbDegrees;
            }
            if (!blnGood)
                return QStringLiteral(
                    "--orbs: give seven whole degrees from 0 to 15, separated by commas (conjunction, "
                    "opposition, square, trine, sextile, semisextile, quincunx), or one for all.");
            o.orbs = orbs;
        } else if (strOption == QLatin1String("--format")) {
            static const std::pair<const char*, Format> formats[] = { { "text", Format::Text }, { "csv", Format::Csv },
                { "json", Format::Json }, { "jsonl", Format::Jsonl }, { "ics", Format::Ics } };
            const QString f = value();
            const auto known = std::find_if(std::begin(formats), std::end(formats),
                [&](const auto& entry) { return f == QLatin1String(entry.first); });
            if (known == std::end(formats))
                return QStringLiteral("--format: ") + Quoted(f)
                    + QStringLiteral(" is not text, csv, json, jsonl or ics.");
            o.format = known->second;
            if (o.format == Format::Ics && o.command != Command::Aspects)
                return QStringLiteral("--format ics: calendar files come from qal-cli aspects.");
        } else if (strOption == QLatin1String("--lang")) {
            const QString l = value();
            if (l == QLatin1String("en"))
                o.intLanguage = intLangEnglish;
            else if (l == QLatin1String("de"))
                o.intLanguage = intLangGerman;
            else
                return QStringLiteral("--lang: ") + Quoted(l) + QStringLiteral(" is not en or de.");
        } else if (strOption == QLatin1String("--until")) {
            Moment until;
            strError = in.ReadMoment(QStringLiteral("--until"), until, &o.intZoneMinutes);
            if (!strError.isEmpty())
                return strError;
            if (!(until.dblJD > o.udtMoment.dblJD))
                return QStringLiteral("--until must come after FROM.");
            o.udtUntil = until;
        } else if (strOption == QLatin1String("--at-least")) {
            if (!count(1, 99, o.intAtLeast))
                return QStringLiteral("--at-least: give a number from 1 to 99.");
        } else if (strOption == QLatin1String("--results")) {
            if (!count(1, 10000, o.intResults))
                return QStringLiteral("--results: give a number from 1 to 10000.");
        } else if (strOption == QLatin1String("--step")) {
            const QString strStep = value();
            if (!ParseStep(strStep, o.dblStepDays))
                return QStringLiteral("--step: ") + Quoted(strStep)
                    + QStringLiteral(" is not a step such as 30m, 6h, 1d or 7d.");
        }
    }
    if (o.blnIcsStretches && o.format != Format::Ics)
        return QStringLiteral("--ics-stretches: only with --format ics.");
    if (o.command == Command::TimeMap && o.strOutput.isEmpty())
        return QStringLiteral("timemap: --output FILE.svg, .pdf or .png is missing.");
    return {};
}

QString HelpText(const QString& strCommand)
{
    const QString strCommon
        = QStringLiteral("Options of every command:\n"
                         "  --sidereal          the sidereal zodiac (default: tropical)\n"
                         "  --orbs LIST         seven whole degrees 0..15 for conjunction, opposition,\n"
                         "                      square, trine, sextile, semisextile, quincunx (0 switches\n"
                         "                      a kind off), or one number for all; default 10,9,6,7,5,4,5\n"
                         "  --format FORMAT     text (default), csv, json (one document) or jsonl (one\n"
                         "                      object a line, for streams); timemap draws instead\n"
                         "  --lang LANG         en (default) or de: names and words of the output\n"
                         "  --quiet             no progress line on a terminal during a long search\n"
                         "Dates are YYYY-MM-DD, optionally with THH:MM; times HH:MM; zones Z, UTC,\n"
                         "offsets such as +05:45 or -3, or the zone list's texts such as GMT+1:00.\n"
                         "Results are written as they are found; Ctrl-C stops after complete lines\n"
                         "(status 130). The Moon and Pluto are known from 1600 to 2099.\n"
                         "Exit status: 0 done, 1 nothing found (find) or a file not written\n"
                         "(timemap), 2 bad input, 130 stopped by Ctrl-C.\n");
    if (strCommand == QLatin1String("chart"))
        return QStringLiteral("qal-cli chart DATE [TIME] ZONE [--natal DATE [TIME] ZONE] [options]\n\n"
                              "The positions, the aspect table, the aspect counts and the patterns of the\n"
                              "sky at a moment (Planetary), or with --natal the personal transits of that\n"
                              "moment to a birth chart, as QAL's window computes them. A date without a\n"
                              "time is taken at 12:00.\n\n")
            + strCommon;
    if (strCommand == QLatin1String("aspects"))
        return QStringLiteral("qal-cli aspects FROM TO [--zone ZONE] [--natal DATE [TIME] ZONE] [options]\n\n"
                              "Every aspect that begins, becomes exact or ends between FROM and TO (dates,\n"
                              "optionally with THH:MM, read in --zone, default UTC), to the minute. Each\n"
                              "stretch within orb is followed to its real beginning and end, also beyond\n"
                              "the span: \"pass 2 of 3\" is its second of three exact passes. With --natal:\n"
                              "the transits to that birth chart, with the orbs for personal transits (a\n"
                              "third).\n\n"
                              "  --format ics      an iCalendar file: one event for each exact pass, with a\n"
                              "                    UID that stays the same, so that a calendar importing a\n"
                              "                    newer file updates its events\n"
                              "  --ics-stretches   with --format ics: one event for each stretch within orb\n"
                              "                    as well, from its beginning to its end\n\n")
            + strCommon;
    if (strCommand == QLatin1String("timemap"))
        return QStringLiteral("qal-cli timemap FROM TO [--zone ZONE] [--natal DATE [TIME] ZONE] [--moon]\n"
                              "              [--slow-only] [--white] [--width PIXELS] --output FILE [options]\n\n"
                              "The time map of the span (at most twenty years) as a picture: one row for each\n"
                              "aspect of the sky, or with --natal for each transit to that birth chart, a bar\n"
                              "for each stretch within orb and a mark with its day at each exact pass, as the\n"
                              "durations window's time map draws it. FILE ends in .svg or .pdf (a drawing) or\n"
                              ".png (an image, --width pixels wide, default 1400).\n\n"
                              "  --moon        the moving Moon's rows too\n"
                              "  --slow-only   only Jupiter to Pluto moving\n"
                              "  --white       dark marks on white, for print\n\n")
            + strCommon;
    if (strCommand == QLatin1String("find")) {
        QString strPatterns;
        for (const char* slug : kPatternSlugs)
            strPatterns += QStringLiteral("  ") + QString::fromLatin1(slug) + QLatin1Char('\n');
        return QStringLiteral("qal-cli find PATTERN FROM [--until DATE] [--at-least N] [--step 1d]\n"
                              "              [--results N] [--zone ZONE] [options]\n\n"
                              "The moments after FROM at which PATTERN forms: a pattern of that kind that\n"
                              "was not there before comes into being (with --at-least N: the number of\n"
                              "them rises to N), to the minute, with the moments it formed and dissolves.\n"
                              "A pattern already there at FROM formed before it. The sky is looked at\n"
                              "every --step (30m, 6h, 1d, 7d; default 1d) like the run dialog but without\n"
                              "waiting; a pattern that comes and goes between two looks is not seen.\n"
                              "--results N: that many findings (default 1); --until: where to stop\n"
                              "(default: 1000 years on, at the latest 2799-12-31).\n\nPatterns:\n")
            + strPatterns + QLatin1Char('\n') + strCommon;
    }
    return QStringLiteral("qal-cli: QAL's aspect engine on the command line.\n\n"
                          "  qal-cli chart DATE [TIME] ZONE [--natal DATE [TIME] ZONE] [options]\n"
                          "  qal-cli aspects FROM TO [--zone ZONE] [--natal DATE [TIME] ZONE] [options]\n"
                          "          [--format ics [--ics-stretches]]\n"
                          "  qal-cli find PATTERN FROM [--until DATE] [--at-least N] [--step 1d] [options]\n"
                          "  qal-cli timemap FROM TO [--natal DATE [TIME] ZONE] --output FILE [options]\n\n"
                          "qal-cli COMMAND --help tells more about each command; qal-cli --version\n"
                          "gives the version.\n\n"
                          "Example: qal-cli chart 2018-03-05 14:30 +01:00 --format json\n");
}

} // namespace qal::cli
