// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The commands of qal-cli on the core library: a chart with its aspect table
// and reports, the aspect calendar of a span, and the moments a pattern
// forms. The interface texts, the tables and the Pluto table must be loaded.
#pragma once

#include "astro/ChartAngles.h"
#include "cli/CliArguments.h"
#include "cli/CliOutput.h"

#include <QString>

#include <functional>

namespace qal {
struct ConfigurationSettings;
struct OrbTable;
}

namespace qal::cli {

// Exit statuses.
constexpr int intExitOk = 0;
constexpr int intExitFailure = 1; // nothing found, a file not written, or the program's own files missing
constexpr int intExitBadInput = 2;
constexpr int intExitStopped = 130; // Ctrl-C, as a shell reports it

// Runs the command line: the results go to out as they are found, messages
// (bad input, notes) to err. Returns the exit status.
int RunCli(const QStringList& args, Output& out, QString& err);

// The same with the results kept in strOut.
int RunCli(const QStringList& args, QString& strOut, QString& err);

// The commands, on parsed options; each returns the exit status.
int RunChart(const Options& o, Output& out);
int RunAspects(const Options& o, Output& out, QString& err);
int RunEvents(const Options& o, Output& out, QString& err);
int RunFind(const Options& o, Output& out, QString& err);
int RunTimeMap(const Options& o, Output& out, QString& err); // needs a QGuiApplication for its fonts
int RunPlaces(const Options& o, Output& out, QString& err);

// A span's results streamed as they are found (aspects, events): the head
// of the format (CSV's column line, a JSON document's opening with the
// command and its span, a calendar's opening), then each piece next gives,
// written whole, with Ctrl-C heard and the progress line shown after each,
// then the tail (closing a JSON document or a calendar). next fills in its
// lines, adds to the number found and says up to where the span is
// searched; it gives false when the span is done. Returns the exit status.
using NextStreamPiece = std::function<bool(QString& strLines, long long& intFound, double& dblSearchedUntil)>;
int StreamSearch(const Options& o, Output& out, const QString& strCommand, const QStringList& csvColumns,
    const QString& strFrom, const QString& strTo, const NextStreamPiece& next);

// The configuration the options ask for: the default one with their orbs
// and zodiac.
ConfigurationSettings ConfigurationOf(const Options& o);

// The orb table of that configuration, as qal-cli's titles name it.
OrbTable OrbTableOf(const ConfigurationSettings& config);

// The angles of the birth chart of --natal when it has a place; none otherwise.
ChartAngles NatalAngles(const Options& o, const ConfigurationSettings& config);

// A note for a span, or a birth chart, that leaves the years the Moon and
// Pluto are known in; "" inside them.
QString RangeNote(const Options& o, double dblFrom, double dblUntil);

} // namespace qal::cli
