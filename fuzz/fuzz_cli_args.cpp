// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Fuzzes qal-cli's command line: any arguments are read into options or
// refused with a message, never both and never neither; good options hold
// moments inside the calendar's range and sane steps and counts.
#include "cli/CliArguments.h"

#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Arguments are separated by NUL bytes, as the system hands them over.
    const QStringList args
        = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split(QChar(u'\0'));
    qal::cli::Options o;
    const QString strError = qal::cli::ParseCommandLine(args, o);
    if (!strError.isEmpty())
        return strError.size() > 2000 ? (std::abort(), 0) : 0; // arguments are quoted by their beginning only
    if (o.command == qal::cli::Command::Version)
        return 0;
    if (o.command == qal::cli::Command::Help)
        return qal::cli::HelpText(o.strHelpTopic).isEmpty() ? (std::abort(), 0) : 0;
    const auto inRange = [](const qal::cli::Moment& m) {
        return std::isfinite(m.dblJD) && m.dblJD > 1721000 && m.dblJD < 2744000
            && std::abs(m.intZoneMinutes) <= 14 * 60;
    };
    if (!inRange(o.udtMoment) || (o.udtNatal && !inRange(*o.udtNatal)) || (o.udtUntil && !inRange(*o.udtUntil)))
        std::abort();
    if (o.udtUntil && !(o.udtUntil->dblJD > o.udtMoment.dblJD))
        std::abort();
    if (!(o.dblStepDays > 0) || o.intAtLeast < 1 || o.intResults < 1)
        std::abort();
    if (o.command == qal::cli::Command::Find && (o.intPattern < 0 || o.intPattern > 13))
        std::abort();
    using qal::cli::Format;
    if ((o.format == Format::Ics && o.command != qal::cli::Command::Aspects)
        || (o.blnIcsStretches && o.format != Format::Ics))
        std::abort();
    return 0;
}
