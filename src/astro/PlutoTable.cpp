// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "astro/PlutoTable.h"

#include "astro/AstroTables.h"
#include "platform/Files.h"
#include "util/FileLines.h"

#include <QByteArray>

#include <cmath>

namespace qal {
namespace {

// Three Latin-1 characters per entry, entry k at 3k.
QByteArray g_strPlutoTable;

constexpr int kShiftCycle = 55;

// The sixties, degrees and minutes of entry k from its three characters.
struct PlutoEntry {
    int a, b, c;
};

PlutoEntry DecodeEntry(const char* entry, int k)
{
    return { static_cast<unsigned char>(entry[0]) - 58 - k % kShiftCycle, static_cast<unsigned char>(entry[1]) - 59,
        static_cast<unsigned char>(entry[2]) - 60 };
}

bool IsValidEntry(QByteArrayView line, int k)
{
    if (line.size() != 3)
        return false;
    const PlutoEntry e = DecodeEntry(line.data(), k);
    return e.a >= 0 && e.a <= 5 && e.b >= 0 && e.b <= 59 && e.c >= 0 && e.c <= 59 && 60 * e.a + e.b < 360;
}

} // namespace

bool LoadPlutoTableText(QByteArrayView text, int intEntriesNeeded, QString& strError)
{
    QByteArray table;
    table.reserve(intEntriesNeeded * 3);
    int k = 0;
    strError.clear();
    ForEachLine(text, { .blnTrim = true, .blnSkipEmpty = true }, [&](QByteArrayView line) {
        if (k == intEntriesNeeded) {
            strError = QStringLiteral("The file holds more than %1 entries.").arg(intEntriesNeeded);
            return false;
        }
        if (!IsValidEntry(line, k)) {
            strError = QStringLiteral("Invalid entry %1 (\"%2\").").arg(k + 1).arg(PrintableExcerpt(line, 12));
            return false;
        }
        table.append(line);
        ++k;
        return true;
    });
    if (!strError.isEmpty())
        return false;
    if (k < intEntriesNeeded) {
        strError = QStringLiteral("The file holds %1 of the %2 entries needed; it is incomplete.")
                       .arg(k)
                       .arg(intEntriesNeeded);
        return false;
    }
    g_strPlutoTable = std::move(table);
    return true;
}

bool LoadPlutoTable(const QString& strPath, QString& strError)
{
    const platform::FileContent file = platform::ReadWholeFile(strPath, intMaxPlutoFileBytes);
    if (!file.ok()) {
        strError = file.strError;
        return false;
    }
    return LoadPlutoTableText(file.bytes, intPlutoTableEntries, strError);
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
    const PlutoEntry e = DecodeEntry(g_strPlutoTable.constData() + 3 * static_cast<qsizetype>(k), k);
    return (60 * e.a + e.b) + e.c / 60.0;
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
    return DegToRad(L);
}

QString EncodePlutoEntry(int k, int intDegrees, int intMinutes)
{
    const char chars[3] = { static_cast<char>(intDegrees / 60 + 58 + k % kShiftCycle),
        static_cast<char>(intDegrees % 60 + 59), static_cast<char>(intMinutes + 60) };
    return QString::fromLatin1(chars, 3);
}

} // namespace qal
