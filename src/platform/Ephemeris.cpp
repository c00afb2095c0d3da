// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "platform/Ephemeris.h"

#include <QDir>

#include <swephexp.h>

#include <cmath>
#include <mutex>
#include <vector>

namespace qal::platform {
namespace {

constexpr double kTwoPi = 6.28318530717959;
// Moments further than about 20,000 years from J2000 are not asked for: no
// ephemeris reaches them, and the library's own arithmetic is not meant for them.
constexpr double kMaxDaysFromJ2000 = 7.3e6;
constexpr const char* kSystemDataFolder = "/usr/share/libswe/ephe";

#ifdef Q_OS_WIN
constexpr char kPathSeparator = ';';
#else
constexpr char kPathSeparator = ':';
#endif

// Where the data files reach no further, the library looks for a file in vain
// on every call and then computes with its analytic ephemeris, which takes
// twice as long as asking for the analytic ephemeris at once. A span of days
// whose first and last moments both fell back lies wholly outside the files,
// as they cover centuries without a gap; its moments go to the analytic
// ephemeris directly. Cleared when the data folder changes.
class UncoveredSpans {
public:
    static constexpr double kSpanDays = 1000;

    UncoveredSpans() = default;
    UncoveredSpans(const UncoveredSpans&) = delete;
    UncoveredSpans& operator=(const UncoveredSpans&) = delete;
    // One of these lives in each thread that asks the ephemeris: when the
    // thread ends, so does the library's state for it (its open files and
    // buffers).
    ~UncoveredSpans() { swe_close(); }

    int FlagsFor(int intSweBody, double dblJdUT) const
    {
        const auto& spans = m_blnUncovered[intSweBody];
        const size_t i = SpanIndex(dblJdUT);
        return i < spans.size() && spans[i] ? SEFLG_MOSEPH : SEFLG_SWIEPH;
    }

    // After a call with the data files fell back: remembers the span when it
    // is outside the files (both ends fall back too).
    void NoteFallback(int intSweBody, double dblJdUT)
    {
        const size_t i = SpanIndex(dblJdUT);
        const double dblFirst = kFirstMoment + i * kSpanDays;
        if (!FallsBack(intSweBody, dblFirst) || !FallsBack(intSweBody, dblFirst + kSpanDays))
            return;
        auto& spans = m_blnUncovered[intSweBody];
        if (spans.size() <= i)
            spans.resize(i + 1, false);
        spans[i] = true;
    }

    void Clear()
    {
        for (auto& spans : m_blnUncovered)
            spans.clear();
    }

private:
    static constexpr double kFirstMoment = 2451545.0 - kMaxDaysFromJ2000;

    static size_t SpanIndex(double dblJdUT) { return static_cast<size_t>((dblJdUT - kFirstMoment) / kSpanDays); }

    static bool FallsBack(int intSweBody, double dblJdUT)
    {
        double xx[6] = {};
        char serr[AS_MAXCH] = {};
        const int intFlags = swe_calc_ut(dblJdUT, intSweBody, SEFLG_SWIEPH, xx, serr);
        return intFlags >= 0 && !(intFlags & SEFLG_SWIEPH);
    }

    std::vector<bool> m_blnUncovered[SE_PLUTO + 1]; // by body, span by span
};

// The library keeps its state (the data folder, open files, caches) for each
// thread apart: every thread sets the data folder before its first call, and
// keeps its own record of uncovered spans.
struct DataFolder {
    std::mutex mutex;
    QByteArray path; // as the library takes it
    int intGeneration = 0; // raised by every SetDataFilesFolder
};

DataFolder& TheDataFolder()
{
    static DataFolder folder;
    return folder;
}

UncoveredSpans& Uncovered()
{
    thread_local UncoveredSpans spans;
    thread_local int intGeneration = -1;
    DataFolder& folder = TheDataFolder();
    const std::lock_guard<std::mutex> lock(folder.mutex);
    if (intGeneration != folder.intGeneration) {
        if (!folder.path.isEmpty())
            swe_set_ephe_path(const_cast<char*>(folder.path.constData()));
        spans.Clear();
        intGeneration = folder.intGeneration;
    }
    return spans;
}

double LongitudeOf(int intSweBody, double dblJdUT, int intExtraFlags = 0, double* dblSpeed = nullptr)
{
    if (!(std::fabs(dblJdUT - 2451545.0) < kMaxDaysFromJ2000))
        return -1.0;
    double xx[6] = {};
    char serr[AS_MAXCH] = {};
    const int intAsked = Uncovered().FlagsFor(intSweBody, dblJdUT);
    const int intFlags = swe_calc_ut(dblJdUT, intSweBody, intAsked | intExtraFlags, xx, serr);
    if (intFlags < 0)
        return -1.0;
    if (intAsked == SEFLG_SWIEPH && !(intFlags & SEFLG_SWIEPH)) {
        // Outside the files: the analytic ephemeris asked directly, as for
        // every other such moment (what the library falls back to varies a
        // little with what it was asked before).
        Uncovered().NoteFallback(intSweBody, dblJdUT);
        if (swe_calc_ut(dblJdUT, intSweBody, SEFLG_MOSEPH | intExtraFlags, xx, serr) < 0)
            return -1.0;
    }
    if (dblSpeed)
        *dblSpeed = xx[3] / 360.0 * kTwoPi;
    double dblRad = xx[0] / 360.0 * kTwoPi;
    while (dblRad < 0)
        dblRad += kTwoPi;
    while (dblRad >= kTwoPi)
        dblRad -= kTwoPi;
    return dblRad;
}

} // namespace

void SetDataFilesFolder(QString& strFolder)
{
    QString strPath = QDir::toNativeSeparators(strFolder);
    while (strPath.size() > 1 && (strPath.endsWith(QLatin1Char('/')) || strPath.endsWith(QLatin1Char('\\'))))
        strPath.chop(1);
    DataFolder& folder = TheDataFolder();
    {
        const std::lock_guard<std::mutex> lock(folder.mutex);
        folder.path = (strPath + QLatin1Char(kPathSeparator) + QLatin1String(kSystemDataFolder)).toLocal8Bit();
        ++folder.intGeneration;
    }
    Uncovered(); // sets this thread's folder now
}

namespace {

// The library's body of our planet numbers 1..9, and the Moon as 10.
const int kSweBody[11]
    = { -1, SE_MERCURY, SE_VENUS, SE_SUN, SE_MARS, SE_JUPITER, SE_SATURN, SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_MOON };

} // namespace

double PlanetApparentLongitude(int intPlanet, double dblJdUT, int /*intYear*/)
{
    if (intPlanet < 1 || intPlanet > 9)
        return -1.0;
    return LongitudeOf(kSweBody[intPlanet], dblJdUT);
}

double LongitudeWithoutNutation(int intPlanet, double dblJdUT)
{
    if (intPlanet < 1 || intPlanet > 10)
        return -1.0;
    return LongitudeOf(kSweBody[intPlanet], dblJdUT, SEFLG_NONUT);
}

double NutationInLongitude(double dblJdUT)
{
    double xx[6] = {};
    char serr[AS_MAXCH] = {};
    if (!(std::fabs(dblJdUT - 2451545.0) < kMaxDaysFromJ2000))
        return 0;
    Uncovered(); // this thread's state, ended with the thread
    if (swe_calc_ut(dblJdUT, SE_ECL_NUT, 0, xx, serr) < 0)
        return 0;
    return xx[2] / 360.0 * kTwoPi;
}

bool FromDataFiles(int intPlanet, double dblJdUT)
{
    if (intPlanet < 1 || intPlanet > 10 || !(std::fabs(dblJdUT - 2451545.0) < kMaxDaysFromJ2000))
        return false;
    if (Uncovered().FlagsFor(kSweBody[intPlanet], dblJdUT) == SEFLG_MOSEPH)
        return false;
    double xx[6] = {};
    char serr[AS_MAXCH] = {};
    const int intFlags = swe_calc_ut(dblJdUT, kSweBody[intPlanet], SEFLG_SWIEPH, xx, serr);
    return intFlags >= 0 && (intFlags & SEFLG_SWIEPH);
}

double LongitudeSpeed(int intPlanet, double dblJdUT)
{
    double dblSpeed = std::nan("");
    if (intPlanet < 1 || intPlanet > 10 || LongitudeOf(kSweBody[intPlanet], dblJdUT, SEFLG_SPEED, &dblSpeed) < 0)
        return std::nan("");
    return dblSpeed;
}

Eclipse NextEclipse(bool blnSolar, double dblJdUT)
{
    Eclipse eclipse;
    if (!(std::fabs(dblJdUT - 2451545.0) < kMaxDaysFromJ2000 - 1000))
        return eclipse;
    Uncovered(); // this thread's state, ended with the thread
    double tret[10] = {};
    char serr[AS_MAXCH] = {};
    const int intType = blnSolar ? swe_sol_eclipse_when_glob(dblJdUT, SEFLG_SWIEPH, 0, tret, 0, serr)
                                 : swe_lun_eclipse_when(dblJdUT, SEFLG_SWIEPH, 0, tret, 0, serr);
    if (intType <= 0 || !(tret[0] > dblJdUT))
        return eclipse;
    eclipse.blnFound = true;
    eclipse.dblMaximum = tret[0];
    // The whole eclipse: the Moon's shadow on the Earth from its first touch to
    // its last, or the Moon in the Earth's penumbra.
    eclipse.dblBegin = blnSolar ? tret[2] : tret[6];
    eclipse.dblEnd = blnSolar ? tret[3] : tret[7];
    if (!(eclipse.dblBegin > 0 && eclipse.dblBegin <= eclipse.dblMaximum))
        eclipse.dblBegin = eclipse.dblMaximum;
    if (!(eclipse.dblEnd >= eclipse.dblMaximum))
        eclipse.dblEnd = eclipse.dblMaximum;
    if (intType & SE_ECL_ANNULAR_TOTAL)
        eclipse.type = EclipseType::Hybrid;
    else if (intType & SE_ECL_TOTAL)
        eclipse.type = EclipseType::Total;
    else if (intType & SE_ECL_ANNULAR)
        eclipse.type = EclipseType::Annular;
    else if (intType & SE_ECL_PARTIAL)
        eclipse.type = EclipseType::Partial;
    else
        eclipse.type = EclipseType::Penumbral;
    return eclipse;
}

double MoonPosition(double dblDaysSinceJ2000)
{
    return LongitudeOf(SE_MOON, 2451545.0 + dblDaysSinceJ2000);
}

double DeltaT(double dblJdUT)
{
    return swe_deltat(dblJdUT);
}

HouseCusps HousesAt(double dblJdUT, double dblLatitude, double dblLongitude, char chrSystem)
{
    HouseCusps houses;
    if (!(std::fabs(dblJdUT - 2451545.0) < kMaxDaysFromJ2000) || !(std::fabs(dblLatitude) <= 90)
        || !(std::fabs(dblLongitude) <= 180))
        return houses;
    Uncovered(); // this thread's state, ended with the thread
    double cusps[13] = {}, ascmc[10] = {};
    const int intResult = swe_houses_ex(dblJdUT, 0, dblLatitude, dblLongitude, chrSystem, cusps, ascmc);
    // Within the polar circles Placidus and Koch say so and give Porphyry's houses.
    houses.blnSystemHeld = intResult >= 0;
    const auto radians = [](double dblDegrees) {
        double dblRad = dblDegrees / 360.0 * kTwoPi;
        while (dblRad < 0)
            dblRad += kTwoPi;
        while (dblRad >= kTwoPi)
            dblRad -= kTwoPi;
        return dblRad;
    };
    for (int i = 1; i <= 12; ++i)
        houses.dblCusp[i] = radians(cusps[i]);
    houses.dblAscendant = radians(ascmc[0]);
    houses.dblMidheaven = radians(ascmc[1]);
    houses.blnKnown = std::isfinite(ascmc[0]) && std::isfinite(ascmc[1]);
    return houses;
}

} // namespace qal::platform
