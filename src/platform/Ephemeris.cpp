#include "platform/Ephemeris.h"

#include <QDir>

#include <swephexp.h>

#include <cmath>

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

double LongitudeOf(int intSweBody, double dblJdUT)
{
    if (!(std::fabs(dblJdUT - 2451545.0) < kMaxDaysFromJ2000))
        return -1.0;
    double xx[6] = {};
    char serr[AS_MAXCH] = {};
    if (swe_calc_ut(dblJdUT, intSweBody, SEFLG_SWIEPH, xx, serr) < 0)
        return -1.0;
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
    const QByteArray path = (strPath + QLatin1Char(kPathSeparator) + QLatin1String(kSystemDataFolder)).toLocal8Bit();
    swe_set_ephe_path(const_cast<char*>(path.constData()));
}

double PlanetApparentLongitude(int intPlanet, double dblJdUT, int /*intYear*/)
{
    static const int kSweBody[10]
        = { -1, SE_MERCURY, SE_VENUS, SE_SUN, SE_MARS, SE_JUPITER, SE_SATURN, SE_URANUS, SE_NEPTUNE, SE_PLUTO };
    if (intPlanet < 1 || intPlanet > 9)
        return -1.0;
    return LongitudeOf(kSweBody[intPlanet], dblJdUT);
}

double MoonPosition(double dblDaysSinceJ2000)
{
    return LongitudeOf(SE_MOON, 2451545.0 + dblDaysSinceJ2000);
}

double DeltaT(double dblJdUT)
{
    return swe_deltat(dblJdUT);
}

} // namespace qal::platform
