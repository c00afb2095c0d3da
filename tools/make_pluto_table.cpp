// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Writes the Pluto day table "pluto.slx": for every day from 1600-01-01 to
// 2100-01-01, Pluto's geocentric apparent longitude at 0h UT from the
// ephemeris, rounded to the nearest arc minute (a minute that rounds to 60
// carries into the degrees; 360° becomes 0°). The output is deterministic.
//
//   qal-make-pluto-table OUTPUT
#include "astro/AstroTables.h"
#include "astro/PlutoTable.h"
#include "platform/Ephemeris.h"
#include "platform/Files.h"

#include <QFile>

#include <cmath>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    QString strFolder = QStringLiteral("/usr/share/libswe/ephe/");
    qal::platform::SetDataFilesFolder(strFolder);

    constexpr int kPluto = 9;
    QByteArray content;
    content.reserve(qal::intPlutoTableEntries * 5);
    for (int k = 0; k < qal::intPlutoTableEntries; ++k) {
        const double dblMoment = 2305447.5 + k; // 0h UT of day number 2305448 + k
        const double dblRad = qal::platform::PlanetApparentLongitude(kPluto, dblMoment);
        if (dblRad < 0) {
            std::fprintf(stderr, "no Pluto position for Julian day %.1f\n", dblMoment);
            return 1;
        }
        int intMinutes = static_cast<int>(std::lround(qal::RadToDeg(dblRad) * 60.0)) % (360 * 60);
        content += qal::EncodePlutoEntry(k, intMinutes / 60, intMinutes % 60).toLatin1();
        content += "\r\n";
    }

    const qal::platform::FileWriteResult written = qal::platform::ReplaceFile(QFile::decodeName(argv[1]), content);
    if (!written.ok()) {
        std::fprintf(stderr, "cannot write %s: %s\n", argv[1], qPrintable(written.strSystemText));
        return 1;
    }
    return 0;
}
