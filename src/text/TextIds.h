// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Names of the numbered interface texts of "qal.dat".
//
// The numbers are those of the text file; the code names every text it uses
// here and never computes a text number. kAllTextIds lists them all, so a
// test can check that the file holds each one.
#pragma once

#include <array>
#include <cstddef>

namespace qal {

#define QAL_TEXT_IDS(X)                                                                                                \
    X(AppTitle, 1)                                                                                                     \
    X(PlutoMissingMessage, 2)                                                                                          \
    X(PlutoMissingTitle, 3)                                                                                            \
    X(DateSetCurrent, 4)                                                                                               \
    X(DateSetNatal1, 5)                                                                                                \
    X(DateSetNatal2, 6)                                                                                                \
    X(Found, 7)                                                                                                        \
    X(Clear, 8)                                                                                                        \
    X(ModePlanetary, 9)                                                                                                \
    X(ModeNatal1, 10)                                                                                                  \
    X(ModeNatal2, 11)                                                                                                  \
    X(ModePersonal1, 12)                                                                                               \
    X(ModePersonal2, 13)                                                                                               \
    X(ModeSynastry, 14)                                                                                                \
    X(Save, 15)                                                                                                        \
    X(Quit, 16)                                                                                                        \
    X(Help, 17)                                                                                                        \
    X(Now, 18)                                                                                                         \
    X(Compute, 19)                                                                                                     \
    X(Configure, 20)                                                                                                   \
    X(Forward, 21)                                                                                                     \
    X(Back, 22)                                                                                                        \
    X(DoubleClickHint, 32)                                                                                             \
    X(Orb, 33)                                                                                                         \
    X(Orbs, 34)                                                                                                        \
    X(OrbsTo, 35)                                                                                                      \
    X(Run, 36)                                                                                                         \
    X(ShowWheel, 37)                                                                                                   \
    X(Report, 38)                                                                                                      \
    X(SaveAs, 39)                                                                                                      \
    X(LoadState, 40)                                                                                                   \
    X(ShowTable, 41)                                                                                                   \
    X(SaveImage, 42)                                                                                                   \
    X(Stop, 43)                                                                                                        \
    X(SiderealLower, 44)                                                                                               \
    X(TropicalLower, 45)                                                                                               \
    X(SiderealZodiac, 46)                                                                                              \
    X(TropicalZodiac, 47)                                                                                              \
    X(ConfigurationTitle, 50)                                                                                          \
    X(Geocentric, 51)                                                                                                  \
    X(ShowDuration, 52)                                                                                                \
    X(MoonAspectNote, 53)                                                                                              \
    X(NatalAbbreviation, 56)                                                                                           \
    X(TwoBirthCharts, 57)                                                                                              \
    X(BirthChart, 58)                                                                                                  \
    X(SortBy, 59)                                                                                                      \
    X(SortFirstPlanet, 60)                                                                                             \
    X(SortAspect, 61)                                                                                                  \
    X(SortOrb, 62)                                                                                                     \
    X(SortSecondPlanet, 63)                                                                                            \
    X(SortBeginning, 64)                                                                                               \
    X(SortEnd, 65)                                                                                                     \
    X(SortDuration, 66)                                                                                                \
    X(NatalPlanet, 67)                                                                                                 \
    X(TransitingPlanet, 68)                                                                                            \
    X(TransitsToChart1, 69)                                                                                            \
    X(TransitsToChart2, 70)                                                                                            \
    X(Natal, 71)                                                                                                       \
    X(SummaryOneAspect, 72)                                                                                            \
    X(SummaryManyAspects, 73)                                                                                          \
    X(SummaryInOrder, 74)                                                                                              \
    X(Chart1, 75)                                                                                                      \
    X(Chart2, 76)                                                                                                      \
    X(NatalChartLower, 77)                                                                                             \
    X(SummaryThen, 78)                                                                                                 \
    X(SummaryFinally, 79)                                                                                              \
    X(SummaryOrb, 80)                                                                                                  \
    X(SummaryCloser, 81)                                                                                               \
    X(ThereIsOne, 82)                                                                                                  \
    X(NoPatterns, 83)                                                                                                  \
    X(ThereAre, 84)                                                                                                    \
    X(PlanetaryChart, 85)                                                                                              \
    X(SummaryExact, 86)                                                                                                \
    X(SummaryClosing, 87)                                                                                              \
    X(GraphIn, 89)                                                                                                     \
    X(GraphWith, 90)                                                                                                   \
    X(GraphOrb, 91)                                                                                                    \
    X(CreditCreated, 92)                                                                                               \
    X(CreditMaker, 93)                                                                                                 \
    X(CreditMoreInformation, 94)                                                                                       \
    X(Transits, 97)                                                                                                    \
    X(Birth, 100)                                                                                                      \
    X(Zodiac, 101)                                                                                                     \
    X(LegendChart, 104)                                                                                                \
    X(LegendDate, 105)                                                                                                 \
    X(LegendZodiac, 106)                                                                                               \
    X(LegendRetrograde, 107)                                                                                           \
    X(LegendRightClick, 108)                                                                                           \
    X(LegendTransitGlyphs, 109)                                                                                        \
    X(LegendNatalGlyphs, 110)                                                                                          \
    X(LegendNatalRetrograde, 111)                                                                                      \
    X(LegendTransitRetrograde, 112)                                                                                    \
    X(LegendChart1Glyphs, 113)                                                                                         \
    X(LegendChart2Glyphs, 114)                                                                                         \
    X(LegendChart2Retrograde, 115)                                                                                     \
    X(LegendChart1Retrograde, 116)                                                                                     \
    X(Cancel, 117)                                                                                                     \
    X(RunUntilStopped, 118)                                                                                            \
    X(RunUntilFinding, 119)                                                                                            \
    X(RunQuickly, 120)                                                                                                 \
    X(FindAtLeast, 121)                                                                                                \
    X(PatternFound, 122)                                                                                               \
    X(NoAspects, 126)                                                                                                  \
    X(AspectsInTotal, 127)                                                                                             \
    X(StateSaved, 128)                                                                                                 \
    X(SaveStateAs, 130)                                                                                                \
    X(StateFiles, 131)                                                                                                 \
    X(SaveImageAs, 132)                                                                                                \
    X(PngImages, 133)                                                                                                  \
    X(ImageSaved, 134)                                                                                                 \
    X(ImageNotConverted, 135)                                                                                          \
    X(DateIncomplete, 145)                                                                                             \
    X(DateImpossible, 146)                                                                                             \
    X(DateTooEarly, 147)                                                                                               \
    X(DateTooLate, 148)                                                                                                \
    X(SaveBeforeQuitting, 149)                                                                                         \
    X(InvalidDate, 153)                                                                                                \
    X(AverageOrb, 154)                                                                                                 \
    X(TransitingCapital, 155)                                                                                          \
    X(NatalLower, 156)                                                                                                 \
    X(MoonMovesQuickly, 157)                                                                                           \
    X(AspectBeginsEnds, 158)                                                                                           \
    X(AspectsOfTheMoment, 159)                                                                                         \
    X(PersonalTransitsLower, 161)                                                                                      \
    X(SeeDurations, 162)                                                                                               \
    X(DurationFrom, 165)                                                                                               \
    X(DurationTo, 166)                                                                                                 \
    X(Unknown, 167)                                                                                                    \
    X(AnUnknownDate, 168)                                                                                              \
    X(AspectsOf, 169)                                                                                                  \
    X(Step30Minutes, 170)                                                                                              \
    X(Step1Day, 171)                                                                                                   \
    X(Step7Days, 172)                                                                                                  \
    X(Step1Month, 173)                                                                                                 \
    X(Step1Year, 174)                                                                                                  \
    X(Days, 175)                                                                                                       \
    X(Years, 176)                                                                                                      \
    X(SynastryOf, 179)                                                                                                 \
    X(Close, 184)                                                                                                      \
    X(CopyToClipboard, 185)                                                                                            \
    X(Language, 187)                                                                                                   \
    X(English, 200)                                                                                                    \
    X(German, 201)                                                                                                     \
    X(RegistrySoftware, 273)                                                                                           \
    X(MakerName, 310)                                                                                                  \
    X(ClearQuestion, 342)                                                                                              \
    X(ClearCurrentDate, 343)                                                                                           \
    X(ClearNatal1, 344)                                                                                                \
    X(ClearNatal2, 345)                                                                                                \
    X(ChartWheel, 346)                                                                                                 \
    X(WheelNoRoom, 347)                                                                                                \
    X(GraphReading, 348)                                                                                               \
    X(GraphReadingTitle, 349)                                                                                          \
    X(TransitGraph, 350)                                                                                               \
    X(GraphTooltip, 351)                                                                                               \
    X(ConfigSetOrbs, 352)                                                                                              \
    X(ConfigSetAll, 353)                                                                                               \
    X(ConfigBoldface, 354)                                                                                             \
    X(ConfigOneDegree, 355)                                                                                            \
    X(ConfigOfOrb, 356)                                                                                                \
    X(ConfigProportion, 357)                                                                                           \
    X(ConfigMidpointOrb, 358)                                                                                          \
    X(ConfigZodiac, 359)                                                                                               \
    X(ConfigTropical, 360)                                                                                             \
    X(ConfigSidereal, 361)                                                                                             \
    X(ConfigKeepZodiac, 362)                                                                                           \
    X(ConfigIncludeMoon, 363)                                                                                          \
    X(ConfigSuppressInner, 364)                                                                                        \
    X(ConfigWhiteBackground, 365)                                                                                      \
    X(ConfigNorthAmerican, 366)                                                                                        \
    X(ConfigUseSettings, 367)                                                                                          \
    X(ConfigReset, 368)                                                                                                \
    X(ConfigHide, 369)                                                                                                 \
    X(ConfigColourHint, 370)                                                                                           \
    X(ConfigOptions, 372)                                                                                              \
    X(NoTransitsToReport, 382)                                                                                         \
    X(NoAspectsToReport, 383)                                                                                          \
    X(LoadStateTitle, 384)                                                                                             \
    X(LoadingFailed, 385)                                                                                              \
    X(StateNotLoaded, 386)                                                                                             \
    X(Loaded, 387)                                                                                                     \
    X(Retrograde, 389)                                                                                                 \
    X(SetAllOrbsTitle, 390)                                                                                            \
    X(SetAllOrbsQuestion, 391)                                                                                         \
    X(ResetNextTime, 392)                                                                                              \
    X(ResetDone, 393)                                                                                                  \
    X(ResetClosedWithBox, 394)                                                                                         \
    X(ResetContinue, 395)                                                                                              \
    X(ResetWarning, 396)                                                                                               \
    X(Restore, 398)                                                                                                    \
    X(StateRestored, 399)                                                                                              \
    X(Degrees, 400)                                                                                                    \
    X(Radians, 401)                                                                                                    \
    X(YearPlaceholder, 402)                                                                                            \
    X(ZoneNotInList, 403)                                                                                              \
    X(ZoneNotInListTitle, 404)                                                                                         \
    X(PngImagesForPrint, 405)                                                                                          \
    X(ImageNotSaved, 406)                                                                                              \
    X(ExactMoments, 407)                                                                                               \
    X(ExactLabel, 408)                                                                                                 \
    X(Pass, 409)                                                                                                       \
    X(Passes, 410)                                                                                                     \
    X(NotExactInSpan, 411)                                                                                             \
    X(WithinOrbFromTo, 412)                                                                                            \
    X(PatternFormed, 413)                                                                                              \
    X(PatternDissolves, 414)                                                                                           \
    X(AspectPatternsHeader, 415)                                                                                       \
    X(EventBegins, 416)                                                                                                \
    X(EventExact, 417)                                                                                                 \
    X(EventEnds, 418)                                                                                                  \
    X(PassOf, 419)                                                                                                     \
    X(SvgDrawings, 420)                                                                                                \
    X(PdfDocuments, 421)                                                                                               \
    X(StateNotSavedIn, 422)                                                                                            \
    X(UserStateUnreadable, 423)                                                                                        \
    X(UserStateUnreadableTitle, 424)                                                                                   \
    X(ReplaceUnreadableUserState, 425)                                                                                 \
    X(SettingsSetAside, 426)                                                                                           \
    X(SettingsUnusable, 427)                                                                                           \
    X(SettingsNotReadTitle, 428)                                                                                       \
    X(StateFaultWholeNumber, 429)                                                                                      \
    X(StateFaultBoolean, 430)                                                                                          \
    X(StateFaultOutsideList, 431)                                                                                      \
    X(StateFaultCheckBox, 432)                                                                                         \
    X(StateFaultOrb, 433)                                                                                              \
    X(StateFaultColour, 434)                                                                                           \
    X(StateFaultEnds, 435)                                                                                             \
    X(NothingChanged, 436)                                                                                             \
    X(SwitchesNotKept, 437)                                                                                            \
    X(DurationsTitle, 438)                                                                                             \
    X(SaveAsCalendar, 439)                                                                                             \
    X(CalendarFiles, 440)                                                                                              \
    X(CalendarNotSavedIn, 441)                                                                                         \
    X(CalendarSaved, 442)                                                                                              \
    X(WithinOrb, 443)                                                                                                  \
    X(TimesIn, 444)                                                                                                    \
    X(NoFormation, 445)                                                                                                \
    X(TimeMap, 446)                                                                                                    \
    X(TimeMapSpan, 447)                                                                                                \
    X(SpanOneMonth, 448)                                                                                               \
    X(SpanMonths, 449)                                                                                                 \
    X(SpanYears, 450)                                                                                                  \
    X(OrderFirstBeginning, 451)                                                                                        \
    X(OrderMovingBody, 452)                                                                                            \
    X(OrderKind, 453)                                                                                                  \
    X(ShowTheMoon, 454)                                                                                                \
    X(SlowBodiesOnly, 455)                                                                                             \
    X(FromTo, 456)                                                                                                     \
    X(TimeMapHintTransits, 457)                                                                                        \
    X(TimeMapHintSky, 458)                                                                                             \
    X(WriteNoSpace, 459)                                                                                               \
    X(WriteTooLarge, 460)                                                                                              \
    X(WriteNoPermission, 461)                                                                                          \
    X(WriteNotAFile, 462)                                                                                              \
    X(WriteNoFolder, 463)                                                                                              \
    X(WriteFailed, 464)                                                                                                \
    X(OutputNotWritten, 465)                                                                                           \
    X(CopySelectionToClipboard, 466)                                                                                   \
    X(AboutQal, 467)                                                                                                   \
    X(AboutQalText, 468)                                                                                               \
    X(JulianCalendarMark, 469)                                                                                         \
    X(ClockUnreadable, 470)                                                                                            \
    X(ClockSkipped, 471)                                                                                               \
    X(ClockTwiceQuestion, 472)                                                                                         \
    X(ZoneUnknown, 473)                                                                                                \
    X(PlaceButton, 474)                                                                                                \
    X(PlaceTitle, 475)                                                                                                 \
    X(PlaceSearch, 476)                                                                                                \
    X(PlaceCoordinates, 477)                                                                                           \
    X(PlaceZone, 478)                                                                                                  \
    X(PlaceName, 479)                                                                                                  \
    X(PlaceJulian, 480)                                                                                                \
    X(PlaceNone, 481)                                                                                                  \
    X(PlaceNoMatch, 482)                                                                                               \
    X(PlaceCoordinatesBad, 483)                                                                                        \
    X(PlaceZoneMissing, 484)                                                                                           \
    X(PlaceCredit, 485)                                                                                                \
    X(StateFaultBirthItem, 486)                                                                                        \
    X(StateFaultBirthValue, 487)                                                                                       \
    X(Ascendant, 488)                                                                                                  \
    X(Midheaven, 489)                                                                                                  \
    X(AnglesHeader, 490)                                                                                               \
    X(AspectsToAngles, 491)                                                                                            \
    X(HouseSystemLabel, 492)                                                                                           \
    X(HousePlacidus, 493)                                                                                              \
    X(HouseKoch, 494)                                                                                                  \
    X(HouseEqual, 495)                                                                                                 \
    X(HouseWholeSign, 496)                                                                                             \
    X(HousePorphyry, 497)                                                                                              \
    X(HouseRegiomontanus, 498)                                                                                         \
    X(HouseCampanus, 499)                                                                                              \
    X(ShowHouseCusps, 500)                                                                                             \
    X(HousesPolarFallback, 501)                                                                                        \
    X(Enters, 502)                                                                                                     \
    X(RetrogradeWord, 503)                                                                                             \
    X(StationsRetrograde, 504)                                                                                         \
    X(StationsDirect, 505)                                                                                             \
    X(NewMoon, 506)                                                                                                    \
    X(FirstQuarter, 507)                                                                                               \
    X(FullMoon, 508)                                                                                                   \
    X(LastQuarter, 509)                                                                                                \
    X(SolarEclipse, 510)                                                                                               \
    X(LunarEclipse, 511)                                                                                               \
    X(EclipseTotal, 512)                                                                                               \
    X(EclipseAnnular, 513)                                                                                             \
    X(EclipseHybrid, 514)                                                                                              \
    X(EclipsePartial, 515)                                                                                             \
    X(EclipsePenumbral, 516)                                                                                           \
    X(VoidMoon, 517)                                                                                                   \
    X(VoidMoonBegins, 518)                                                                                             \
    X(VoidMoonEnds, 519)                                                                                               \
    X(SolarReturn, 520)                                                                                                \
    X(LunarReturn, 521)                                                                                                \
    X(WithSkyEvents, 522)                                                                                              \
    X(EventInSign, 523)                                                                                                \
    X(GreatestEclipse, 524)                                                                                            \
    X(Returns, 525)                                                                                                    \
    X(NextSolarReturn, 526)                                                                                            \
    X(PreviousSolarReturn, 527)                                                                                        \
    X(NextLunarReturn, 528)                                                                                            \
    X(PreviousLunarReturn, 529)                                                                                        \
    X(NoReturnFound, 530)

enum class TextId : int {
#define QAL_TEXT_ID_ENUM(name, number) name = number,
    QAL_TEXT_IDS(QAL_TEXT_ID_ENUM)
#undef QAL_TEXT_ID_ENUM
};

// The array's size is given, not deduced: a deduction over hundreds of
// elements exceeds some compilers' nesting limit.
inline constexpr std::size_t intTextIdCount = 0
#define QAL_TEXT_ID_COUNT(name, number) +1
    QAL_TEXT_IDS(QAL_TEXT_ID_COUNT)
#undef QAL_TEXT_ID_COUNT
    ;

inline constexpr std::array<TextId, intTextIdCount> kAllTextIds = {
#define QAL_TEXT_ID_ENTRY(name, number) TextId::name,
    QAL_TEXT_IDS(QAL_TEXT_ID_ENTRY)
#undef QAL_TEXT_ID_ENTRY
};

constexpr int TextNumber(TextId id)
{
    return static_cast<int>(id);
}

} // namespace qal
