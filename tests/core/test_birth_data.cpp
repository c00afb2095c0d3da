// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Birth data as astrologers cite it: the Julian calendar, the clock a place
// kept on a day (local mean time, war and double summer time, a skipped and
// a repeated hour), minutes off the half hour and stepping with them, the
// atlas searched as one types, coordinates as birth records give them, and
// all of it in the state file.
#include "TestSupport.h"
#include "chart/TimeStep.h"
#include "dates/DatePr2.h"
#include "dates/PlaceSearch.h"
#include "platform/Calendar.h"
#include "settings/Configuration.h"
#include "settings/StateFile.h"
#include "text/Texts.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace qal;

namespace {

int Jdn(int y, int m, int d, int intCalendar)
{
    platform::EuroDate date { y, m, d, intCalendar, 0, 0 };
    return platform::EuroDateToJdn(date);
}

// A date set at a place (none: zone "" ) with a typed clock time.
DateSetInput BirthSet(const char* strYear, int m, int d, const char* strClock, const DateSetPlace& place)
{
    DateSetInput set = test::DateSet(QString::fromLatin1(strYear), m, d, 0, 0);
    set.intClockSeconds = ParseClockText(QString::fromLatin1(strClock));
    set.place = place;
    return set;
}

DateSetPlace Zone(const char* strZone)
{
    DateSetPlace place;
    place.strZoneId = QString::fromLatin1(strZone);
    return place;
}

DateSetPlace At(const char* strZone, double dblLatitude, double dblLongitude)
{
    DateSetPlace place = Zone(strZone);
    place.blnHasCoordinates = true;
    place.dblLatitude = dblLatitude;
    place.dblLongitude = dblLongitude;
    return place;
}

// The UT moment of a Gregorian date and a UT clock time.
double Ut(int y, int m, int d, int h, int mi, int s = 0)
{
    return Jdn(y, m, d, platform::kGregorian) - 0.5 + (h * 3600 + mi * 60 + s) / 86400.0;
}

TEST(BirthData, TheJulianCalendar)
{
    // Britain's reform: Wednesday 2 September (Julian) was followed by Thursday 14 September 1752.
    EXPECT_EQ(Jdn(1752, 9, 2, platform::kJulian) + 1, Jdn(1752, 9, 14, platform::kGregorian));
    EXPECT_EQ(Jdn(1752, 9, 2, platform::kJulian), Jdn(1752, 9, 13, platform::kGregorian));
    platform::EuroDate leap { 1700, 2, 29, platform::kJulian, 0, 0 };
    platform::EuroDateToJdn(leap);
    EXPECT_NE(leap.valid, 0); // every fourth year in the Julian calendar
    platform::EuroDate notLeap { 1700, 2, 29, platform::kGregorian, 0, 0 };
    platform::EuroDateToJdn(notLeap);
    EXPECT_EQ(notLeap.valid, 0);
    for (int n = 1721424; n < 2743738; n += 997) {
        platform::EuroDate back { 0, 0, 0, platform::kJulian, n, 0 };
        platform::JdnToEuroDate(back);
        EXPECT_EQ(Jdn(back.year, back.month, back.day, platform::kJulian), n);
    }

    // A date set marked Julian: its day, and its texts say so.
    DateSetInput set = test::DateSet(QStringLiteral("1752"), 9, 2, intNoonHourIndex, intGmtIndex);
    set.blnJulian = true;
    const DateSetReading reading = ReadDateSet(set, 0);
    EXPECT_DOUBLE_EQ(reading.dblMoment, Ut(1752, 9, 13, 12, 0));
    EXPECT_EQ(DateSetDateText(reading, set, false), QStringLiteral("September 2, 1752 (Julian)"));
    SetInterfaceLanguage(intLangGerman);
    EXPECT_EQ(DateSetDateText(reading, set, false), QStringLiteral("2.September 1752 (julianisch)"));
    SetInterfaceLanguage(intLangEnglish);
    set.intDay = 31;
    set.intMonth = 9;
    EXPECT_EQ(DateSetToMoment(set, 0), dblDateImpossible);
}

TEST(BirthData, ClockTimesOffTheHalfHourAndSteppingWithThem)
{
    EXPECT_EQ(ParseClockText(QStringLiteral("08:13")), 8 * 3600 + 13 * 60);
    EXPECT_EQ(ParseClockText(QStringLiteral("8:13")), 8 * 3600 + 13 * 60);
    EXPECT_EQ(ParseClockText(QStringLiteral("0813")), 8 * 3600 + 13 * 60);
    EXPECT_EQ(ParseClockText(QStringLiteral("11:30:20")), 11 * 3600 + 30 * 60 + 20);
    for (const char* strBad : { "24:00", "8:3", "08:60", "abc", "", "8:13 pm", "123456" })
        EXPECT_EQ(ParseClockText(QString::fromLatin1(strBad)), -1) << strBad;
    EXPECT_EQ(ClockText(8 * 3600 + 13 * 60), QStringLiteral("08:13"));
    EXPECT_EQ(ClockText(11 * 3600 + 30 * 60 + 20), QStringLiteral("11:30:20"));

    DateSetInput set = BirthSet("2018", 3, 5, "08:13", {});
    set.intTimezone = TimezoneIndexOfMinutes(60);
    EXPECT_DOUBLE_EQ(DateSetToMoment(set, 0), Ut(2018, 3, 5, 7, 13));
    EXPECT_DOUBLE_EQ(DateSetToDayValue(set), Jdn(2018, 3, 5, platform::kGregorian) + (8 * 60 + 13) / 1440.0);
    set.intClockSeconds = intClockUnreadable;
    EXPECT_EQ(DateSetToMoment(set, 0), dblClockUnreadable);

    // Stepping keeps the minutes, and carries over midnight both ways.
    set.intClockSeconds = ParseClockText(QStringLiteral("08:13"));
    ASSERT_EQ(StepDateSet(set, stepHalfHour, true, 0), 0);
    EXPECT_EQ(DateSetClockText(set), QStringLiteral("08:43"));
    set.intClockSeconds = ParseClockText(QStringLiteral("23:50"));
    set.intDay = 31;
    set.intMonth = 12;
    StepDateSet(set, stepHalfHour, true, 0);
    EXPECT_EQ(QStringLiteral("%1-%2-%3 %4").arg(set.strYear).arg(set.intMonth).arg(set.intDay).arg(DateSetClockText(set)),
        QStringLiteral("2019-1-1 00:20"));
    StepDateSet(set, stepHalfHour, false, 0);
    EXPECT_EQ(QStringLiteral("%1-%2-%3 %4").arg(set.strYear).arg(set.intMonth).arg(set.intDay).arg(DateSetClockText(set)),
        QStringLiteral("2018-12-31 23:50"));
    // A Julian February has its 29th in 1700.
    DateSetInput julian = test::DateSet(QStringLiteral("1700"), 2, 28, intNoonHourIndex, intGmtIndex);
    julian.blnJulian = true;
    StepDateSet(julian, stepDay, true, 0);
    EXPECT_EQ(julian.intDay, 29);
    StepDateSet(julian, stepDay, true, 0);
    EXPECT_EQ(julian.intMonth, 3);
    StepDateSet(julian, stepDay, false, 0);
    EXPECT_EQ(julian.intDay, 29);
}

// The clock of the place that day: local mean time by its own longitude
// before standard time, a named mean time as the database has it, war and
// double summer time, and a skipped and a repeated hour.
TEST(BirthData, TheClockOfThePlaceThatDay)
{
    // Ulm before 1893 kept its own mean time, 39 min 58 s ahead of Greenwich (not Berlin's 53:28).
    DateSetInput ulm = BirthSet("1879", 3, 14, "11:30", At("Europe/Berlin", 48.3984, 9.9916));
    DateSetReading reading = ReadDateSet(ulm, 0);
    EXPECT_EQ(reading.intOffsetSeconds, 2398);
    EXPECT_TRUE(reading.clock.blnLocalMeanTime);
    EXPECT_EQ(reading.strZoneText, QStringLiteral("GMT+0:39:58 LMT"));
    EXPECT_DOUBLE_EQ(reading.dblMoment, Ut(1879, 3, 14, 11, 30) - 2398 / 86400.0);
    EXPECT_EQ(ulm.intTimezone, intPlaceZoneIndex);
    // The zone alone knows only its reference city's mean time.
    DateSetInput berlin = BirthSet("1879", 3, 14, "11:30", Zone("Europe/Berlin"));
    EXPECT_EQ(ReadDateSet(berlin, 0).intOffsetSeconds, 3208);
    // Boston in 1850 kept Boston's clock, not New York's.
    DateSetInput boston = BirthSet("1850", 6, 1, "12:00", At("America/New_York", 42.3584, -71.0598));
    EXPECT_EQ(ReadDateSet(boston, 0).intOffsetSeconds, -17054);
    // Milan before 1893 kept Rome's mean time by law: as the database says.
    DateSetInput milan = BirthSet("1880", 6, 15, "12:00", At("Europe/Rome", 45.4643, 9.1895));
    reading = ReadDateSet(milan, 0);
    EXPECT_EQ(reading.intOffsetSeconds, 2996);
    EXPECT_FALSE(reading.clock.blnLocalMeanTime);

    // War and double summer time.
    DateSetInput berlin1945 = BirthSet("1945", 6, 15, "12:00", Zone("Europe/Berlin"));
    reading = ReadDateSet(berlin1945, 0);
    EXPECT_EQ(reading.intOffsetSeconds, 3 * 3600);
    EXPECT_EQ(reading.strZoneText, QStringLiteral("GMT+3:00 CEMT"));
    DateSetInput london1941 = BirthSet("1941", 6, 15, "12:00", Zone("Europe/London"));
    reading = ReadDateSet(london1941, 0);
    EXPECT_EQ(reading.intOffsetSeconds, 2 * 3600);
    EXPECT_EQ(reading.strZoneText, QStringLiteral("GMT+2:00 BDST"));
    DateSetInput kolkata1943 = BirthSet("1943", 6, 15, "12:00", Zone("Asia/Kolkata"));
    reading = ReadDateSet(kolkata1943, 0);
    EXPECT_EQ(reading.intOffsetSeconds, 6 * 3600 + 30 * 60);
    EXPECT_EQ(reading.strZoneText, QStringLiteral("GMT+6:30"));
    EXPECT_DOUBLE_EQ(reading.dblMoment, Ut(1943, 6, 15, 5, 30));

    // Summer time began: 02:30 never happened; it ended: 02:30 happened twice.
    DateSetInput skipped = BirthSet("2021", 3, 28, "02:30", Zone("Europe/Berlin"));
    reading = ReadDateSet(skipped, 0);
    EXPECT_EQ(reading.dblMoment, dblClockSkipped);
    EXPECT_EQ(reading.clock.intOffsets[0], 3600);
    EXPECT_EQ(reading.clock.intOffsets[1], 7200);
    DateSetInput twice = BirthSet("2021", 10, 31, "02:30", Zone("Europe/Berlin"));
    reading = ReadDateSet(twice, 0);
    EXPECT_EQ(reading.dblMoment, dblClockTwice);
    EXPECT_EQ(reading.clock.strAbbreviations[0], QStringLiteral("CEST"));
    EXPECT_EQ(reading.clock.strAbbreviations[1], QStringLiteral("CET"));
    twice.repeated = RepeatedTime::Earlier;
    EXPECT_DOUBLE_EQ(DateSetToMoment(twice, 0), Ut(2021, 10, 31, 0, 30));
    twice.repeated = RepeatedTime::Later;
    EXPECT_DOUBLE_EQ(DateSetToMoment(twice, 0), Ut(2021, 10, 31, 1, 30));

    DateSetInput unknown = BirthSet("2021", 1, 1, "12:00", Zone("Mars/Olympus_Mons"));
    EXPECT_EQ(DateSetToMoment(unknown, 0), dblZoneUnknown);
    EXPECT_EQ(ZoneEntryText(0, QStringLiteral("GMT")), QStringLiteral("GMT"));
    EXPECT_EQ(ZoneEntryText(-17762, QStringLiteral("LMT")), QStringLiteral("GMT-4:56:02 LMT"));
}

TEST(BirthData, TheAtlasAsOneTypesAndCoordinatesAsRecordsGiveThem)
{
    const auto first = [](const QString& strQuery) {
        const auto found = SearchPlaces(strQuery);
        return found.empty() ? QString()
                             : found.front().strName + QStringLiteral(", ") + found.front().strRegion
                + QStringLiteral(", ") + found.front().strCountryCode;
    };
    EXPECT_EQ(first(QStringLiteral("Ulm")), QStringLiteral("Ulm, Baden-Württemberg, DE"));
    EXPECT_EQ(first(QStringLiteral("ulm")), first(QStringLiteral("Ulm")));
    EXPECT_EQ(first(QStringLiteral("sao paulo")).left(9), QStringLiteral("São Paulo"));
    EXPECT_EQ(first(QStringLiteral("Springfield, Illinois")), QStringLiteral("Springfield, Illinois, US"));
    const auto paris = SearchPlaces(QStringLiteral("Paris"));
    ASSERT_GE(paris.size(), 2u);
    EXPECT_EQ(paris[0].strCountryCode, QStringLiteral("FR")); // the larger city first
    EXPECT_TRUE(std::any_of(paris.begin(), paris.end(), [](const auto& c) { return c.strRegion == QLatin1String("Texas"); }));
    for (const char* strNarrowed : { "Paris, France", "Paris FR", "paris, fr" }) {
        const auto found = SearchPlaces(QString::fromLatin1(strNarrowed));
        ASSERT_FALSE(found.empty()) << strNarrowed;
        EXPECT_TRUE(std::all_of(found.begin(), found.end(), [](const auto& c) { return c.strCountryCode == QLatin1String("FR"); }))
            << strNarrowed;
    }
    // A word inside a name, a name that is the query before longer ones, nothing for nonsense.
    const auto ulms = SearchPlaces(QStringLiteral("ulm"));
    EXPECT_TRUE(std::any_of(ulms.begin(), ulms.end(), [](const auto& c) { return c.strName == QLatin1String("Neu-Ulm"); }));
    EXPECT_TRUE(SearchPlaces(QStringLiteral("Xqzzyv")).empty());
    EXPECT_TRUE(SearchPlaces(QStringLiteral("  ")).empty());
    EXPECT_LE(SearchPlaces(QStringLiteral("s"), 20).size(), 20u);

    const auto near = [](const std::optional<Coordinates>& c, double dblLat, double dblLon) {
        return c && std::fabs(c->dblLatitude - dblLat) < 1e-9 && std::fabs(c->dblLongitude - dblLon) < 1e-9;
    };
    EXPECT_TRUE(near(ParseCoordinates(QStringLiteral("48N24 9E59")), 48.4, 9 + 59 / 60.0));
    EXPECT_TRUE(near(ParseCoordinates(QStringLiteral("9E59 48N24")), 48.4, 9 + 59 / 60.0));
    EXPECT_TRUE(near(ParseCoordinates(QStringLiteral("48.40, 9.99")), 48.40, 9.99));
    EXPECT_TRUE(near(ParseCoordinates(QStringLiteral("48°24'N 9°59'E")), 48.4, 9 + 59 / 60.0));
    EXPECT_TRUE(near(ParseCoordinates(QStringLiteral("33S52 151E13")), -(33 + 52 / 60.0), 151 + 13 / 60.0));
    EXPECT_TRUE(near(ParseCoordinates(QStringLiteral("-33.87 -70.5")), -33.87, -70.5));
    EXPECT_TRUE(near(ParseCoordinates(QStringLiteral("42°21'30\"N, 71°3'W")), 42 + 21 / 60.0 + 30 / 3600.0, -(71 + 3 / 60.0)));
    for (const char* strBad : { "91N00 9E00", "48N24 49N00", "48.4", "abc def", "48N24 181E00", "", "-48N24 9E59" })
        EXPECT_FALSE(ParseCoordinates(QString::fromLatin1(strBad))) << strBad;
    EXPECT_EQ(CoordinatesText(48.3984, 9.9916), QStringLiteral("48°24'N 9°59'E"));
    EXPECT_EQ(CoordinatesText(-33.8667, -70.5), QStringLiteral("33°52'S 70°30'W"));
}

// A state without birth data is the 51 lines as before; with it, line 52 and
// a block after it come back as they were written, and a broken block names
// its line and changes nothing.
TEST(BirthData, TheStateFileCarriesTheBirthDataInABlockOfItsOwn)
{
    ConfigurationSettings config;
    WindowInputs inputs;
    inputs.udtDateSet[0] = test::DateSet(QStringLiteral("2018"), 3, 5, 30, 26);
    const QByteArray plain = StateFileText(inputs, config);
    EXPECT_EQ(plain.count("\r\n"), 51);

    inputs.udtDateSet[1] = BirthSet("1879", 3, 14, "11:30:20", At("Europe/Berlin", 48.3984, 9.9916));
    inputs.udtDateSet[1].place.strName = QStringLiteral("Ulm");
    inputs.udtDateSet[1].place.strRegion = QStringLiteral("Baden-Württemberg");
    inputs.udtDateSet[1].place.strCountry = QStringLiteral("Germany");
    inputs.udtDateSet[2] = BirthSet("1752", 9, 2, "06:00", Zone("Europe/London"));
    inputs.udtDateSet[2].blnJulian = true;
    inputs.udtDateSet[2].repeated = RepeatedTime::Later;
    config.cboPersonalOrbsProportion[1] = 3;
    const QByteArray full = StateFileText(inputs, config);
    EXPECT_TRUE(full.startsWith(plain.left(plain.indexOf("\r\n", 0) + 2)));
    const QList<QByteArray> lines = full.split('\n');
    EXPECT_EQ(lines[8], " 24 \r"); // line 9: 11:30, for a reader of the 51 lines
    EXPECT_EQ(lines[9], " 0 \r"); // line 10: no list entry has Ulm's mean time
    EXPECT_EQ(lines[51], " 3 \r"); // line 52: the synastry proportion a reader of 51 lines takes and stops
    EXPECT_EQ(lines[52], "#BIRTH DATA#\r");

    WindowInputs read;
    ConfigurationSettings readConfig;
    OrbTable orbs;
    ASSERT_EQ(ReadStateText(full, read, readConfig, orbs), QString());
    for (int k = 0; k < 3; ++k) {
        DateSetInput expected = inputs.udtDateSet[k];
        DateSetInput got = read.udtDateSet[k];
        expected.intHour = got.intHour;
        expected.intTimezone = got.intTimezone;
        EXPECT_TRUE(got == expected) << k;
    }
    EXPECT_EQ(readConfig.cboPersonalOrbsProportion[1], 3);
    EXPECT_EQ(StateFileText(read, readConfig), full);

    // A broken item: its line named, nothing read.
    QByteArray broken = full;
    broken.replace("1 latitude=48.398400", "1 latitude=north");
    WindowInputs untouched;
    const QString strError = ReadStateText(broken, untouched, readConfig, orbs);
    EXPECT_TRUE(strError.startsWith(QStringLiteral("Line "))) << strError.toStdString();
    EXPECT_TRUE(untouched.udtDateSet[1] == WindowInputs().udtDateSet[1]);
    broken = full;
    broken.replace("#BIRTH DATA#", "#SOMETHING#");
    EXPECT_EQ(ReadStateText(broken, untouched, readConfig, orbs), GetTextWithMarkers(TextId::StateFaultBirthItem, QStringLiteral("53")));
}

} // namespace
