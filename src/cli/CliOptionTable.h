// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// qal-cli's commands and options, declared once: the parser reads the
// command line by this table, the help texts list its lines, and tests hold
// the manual page and the bash completion to it.
#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace qal::cli {

enum class Command { Help, Version, Chart, Aspects, Find, TimeMap, Places, Events };

// A set of commands as bits (CommandBit).
using CommandSet = unsigned;
constexpr CommandSet CommandBit(Command command)
{
    return 1u << static_cast<unsigned>(command);
}
// The commands that compute (every command but places).
constexpr CommandSet kEveryCommand
    = CommandBit(Command::Chart) | CommandBit(Command::Aspects) | CommandBit(Command::Find) | CommandBit(Command::TimeMap)
    | CommandBit(Command::Events);

// What follows an option on the command line.
enum class OptionValue {
    None, // a switch
    Word, // one argument
    Moment, // DATE [TIME] ZONE
    MomentInZone, // DATE [TIME], read in the zone of --zone
};

struct OptionSpec {
    const char* strName; // "--natal"
    const char* strValueName; // "DATE [TIME] ZONE" in the help; "" for a switch
    OptionValue value;
    CommandSet commands; // the commands that take it
    bool blnBeforeCommand; // may also stand before the command (--lang, --quiet)
    const char* strHelp; // its line in the help, without the name
};

struct CommandSpec {
    Command command;
    const char* strName; // "chart"
    const char* strPositional; // what it reads besides its options: "DATE [TIME] ZONE"
    const char* strAbout; // what it does, in the help
};

// Every option, in the order the help lists them.
std::span<const OptionSpec> OptionTable();

// The commands that do something (chart, aspects, events, find, timemap, places).
std::span<const CommandSpec> CommandTable();

// The option of that name (also "-h" for "--help"); null when there is none.
const OptionSpec* FindOption(const QString& strName);

// The command of that name; null when there is none.
const CommandSpec* FindCommand(const QString& strName);
const CommandSpec& SpecOf(Command command);

// The names of the options a command takes, in the table's order.
QStringList OptionNamesOf(Command command);

// "-h" for "--help".
QString CanonicalOptionName(const QString& strName);

// The patterns' names on the command line, in the order of the pattern kinds.
std::span<const char* const> PatternSlugs();

// The help of a command ("" or an unknown name: the overview), its options
// listed from the table.
QString HelpText(const QString& strCommand);

} // namespace qal::cli
