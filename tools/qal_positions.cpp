// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// qal-positions: the longitudes QAL computes, for comparison with another
// ephemeris. Reads Julian days (UT), one per line, from standard input and
// prints "jd,body,lon_deg" for bodies 1 (Sun) to 10 (Moon) in tropical
// degrees with 6 decimals, as the program computes them. A body without a
// position prints its negative code.
#include "astro/AstroTables.h"
#include "astro/Longitudes.h"
#include "chart/CoreStart.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const qal::CoreStartResult start = qal::StartCore(QCoreApplication::applicationDirPath());
    if (!start.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(start.strMessage));
        return 1;
    }
    std::printf("jd,body,lon_deg\n");
    std::string line;
    while (std::getline(std::cin, line)) {
        const QString strJd = QString::fromStdString(line).trimmed();
        if (strJd.isEmpty())
            continue;
        bool blnOk = false;
        const double t = strJd.toDouble(&blnOk);
        if (!blnOk) {
            std::fprintf(stderr, "not a Julian day: %s\n", line.c_str());
            continue;
        }
        for (int b = 1; b <= qal::intMaxBodies; ++b) {
            const double L = qal::LongitudeAt(b, t, false);
            if (L < 0)
                std::printf("%s,%d,%g\n", qPrintable(strJd), b, L);
            else
                std::printf("%s,%d,%.6f\n", qPrintable(strJd), b, qal::RadToDeg(L));
        }
    }
    return 0;
}
