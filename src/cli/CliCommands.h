// The commands of qal-cli on the core library: a chart with its aspect table
// and reports, the aspect calendar of a span, and the next moments of a
// pattern. The interface texts, the tables and the Pluto table must be loaded.
#pragma once

#include "cli/CliArguments.h"

#include <QString>

namespace qal {
struct ConfigurationSettings;
}

namespace qal::cli {

// Exit statuses.
constexpr int intExitOk = 0;
constexpr int intExitFailure = 1; // the program's own files are missing
constexpr int intExitBadInput = 2;

// Runs the command line: the output goes to out, a message about bad input
// to err. Returns the exit status.
int RunCli(const QStringList& args, QString& out, QString& err);

// The commands, on parsed options.
void RunChart(const Options& o, QString& out);
void RunAspects(const Options& o, QString& out);
void RunFind(const Options& o, QString& out);

// The configuration the options ask for: the default one with their orbs
// and zodiac.
ConfigurationSettings ConfigurationOf(const Options& o);

} // namespace qal::cli
