// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Pluto's longitude from the day table "pluto.slx".
//
// One line per day from 1600-01-01 (day number 2305448): Pluto's geocentric
// apparent longitude at 0h UT to the arc minute, in three characters. For
// entry k with character codes C1, C2, C3:
//   sixties of degrees a = C1 − 58 − (k mod 55), degrees b = C2 − 59,
//   minutes c = C3 − 60, longitude = 60·a + b + c/60 degrees.
// The whole table is held in memory, so a request costs two look-ups.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace qal {

constexpr int intFirstTableDay = 2305448; // 1600-01-01
constexpr int intLastTableDay = 2488069; // 2099-12-31
constexpr int intPlutoTableEntries = 182623; // through 2100-01-01
constexpr qint64 intMaxPlutoFileBytes = 4 * 1024 * 1024; // generous for 182,623 short lines

// Reads the table file strPath. A table is accepted only when it is an
// ordinary file holding every entry the range needs, each well formed; on
// failure returns false with the reason in strError (quoting at most a short,
// printable excerpt of a bad line), and the table loaded before stays in use.
bool LoadPlutoTable(const QString& strPath, QString& strError);

// Takes the table from the text of a table file when it holds exactly
// intEntriesNeeded entries from 1600-01-01 on (the program needs
// intPlutoTableEntries), each well formed; otherwise as LoadPlutoTable.
bool LoadPlutoTableText(QByteArrayView text, int intEntriesNeeded, QString& strError);

// The message the user is shown when the table cannot be read.
QString PlutoLoadFailureTitle();
QString PlutoLoadFailureMessage(const QString& strError);

// Number of entries loaded.
int PlutoTableSize();

// Entry k decoded, degrees in [0, 360).
double PlutoTableValue(int k);

// Pluto at moment t (UT), radians, interpolated between the two days around
// it; −99 before 1600-01-01, −100 after 2099-12-31 or beyond the loaded table.
double PlutoLongitude(double t);

// The three characters that encode dblDegrees (already rounded to the arc
// minute) as entry k; the writer's half of the format.
QString EncodePlutoEntry(int k, int intDegrees, int intMinutes);

} // namespace qal
