#include "astro/PlutoTable.h"

#include "astro/AstroTables.h"
#include "util/FileLines.h"

#include <QByteArray>
#include <QStringList>

#include <cmath>

namespace qal {
namespace {

// Three Latin-1 characters per entry, entry k at 3k.
QByteArray g_strPlutoTable;

constexpr int kShiftCycle = 55;

bool IsValidEntry(QStringView entry, int k)
{
    if (entry.size() != 3)
        return false;
    const int a = entry[0].unicode() - 58 - k % kShiftCycle;
    const int b = entry[1].unicode() - 59;
    const int c = entry[2].unicode() - 60;
    return a >= 0 && a <= 5 && b >= 0 && b <= 59 && c >= 0 && c <= 59 && 60 * a + b < 360;
}

} // namespace

bool LoadPlutoTable(const QString& strFileName, QString& strError)
{
    QStringList lines;
    qsizetype intCount = 0;
    int intErrorNumber = 0;
    if (!ReadFileLines(strDataFolder + strFileName, lines, true, true, intCount, strError, intErrorNumber))
        return false;
    if (lines.isEmpty()) {
        strError = QStringLiteral("The file holds no entries.");
        return false;
    }
    QByteArray table;
    table.reserve(lines.size() * 3);
    for (int k = 0; k < lines.size(); ++k) {
        if (!IsValidEntry(lines[k], k)) {
            strError = QStringLiteral("Invalid entry %1 (\"%2\").").arg(k + 1).arg(lines[k]);
            return false;
        }
        table.append(lines[k].toLatin1());
    }
    g_strPlutoTable = std::move(table);
    strError.clear();
    return true;
}

QString PlutoLoadFailureTitle()
{
    return QStringLiteral("Read Pluto Data");
}

QString PlutoLoadFailureMessage(const QString& strError)
{
    return QStringLiteral("Error when reading geocentric Pluto data.\r\n") + strError;
}

int PlutoTableSize()
{
    return static_cast<int>(g_strPlutoTable.size() / 3);
}

double PlutoTableValue(int k)
{
    const char* entry = g_strPlutoTable.constData() + 3 * static_cast<qsizetype>(k);
    const int a = static_cast<unsigned char>(entry[0]) - 58 - k % kShiftCycle;
    const int b = static_cast<unsigned char>(entry[1]) - 59;
    const int c = static_cast<unsigned char>(entry[2]) - 60;
    return (60 * a + b) + c / 60.0;
}

double PlutoLongitude(double t)
{
    const double dblDay = std::floor(t + 0.5);
    if (!(dblDay >= intFirstTableDay))
        return -99.0;
    if (dblDay > intLastTableDay)
        return -100.0;
    const int n = static_cast<int>(dblDay);
    const int k = n - intFirstTableDay;
    if (k + 1 >= PlutoTableSize())
        return -100.0;
    double p0 = PlutoTableValue(k);
    double p1 = PlutoTableValue(k + 1);
    if (p1 - p0 > 355)
        p0 += 360;
    else if (p0 - p1 > 355)
        p1 += 360;
    const double f = (t + 0.5) - n;
    double L = p0 + f * (p1 - p0);
    if (L >= 360)
        L -= 360;
    return L / 360.0 * dblTwoPi;
}

QString EncodePlutoEntry(int k, int intDegrees, int intMinutes)
{
    const char chars[3] = {static_cast<char>(intDegrees / 60 + 58 + k % kShiftCycle),
                           static_cast<char>(intDegrees % 60 + 59), static_cast<char>(intMinutes + 60)};
    return QString::fromLatin1(chars, 3);
}

} // namespace qal
