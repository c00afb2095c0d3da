// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Starting the core: every program (the window, qal-cli, the tools, the
// benchmarks and the tests) readies the engine through this one function,
// so the order of its steps lives in one place.
#pragma once

#include <QString>

namespace qal {

enum class CoreStartStep { Done, InterfaceTexts, PlutoTable };

struct CoreStartResult {
    CoreStartStep failedStep = CoreStartStep::Done; // the first step that failed
    QString strMessage; // what the user is told about it
    QString strDetail; // the reason alone (for the Pluto table: without the table's heading)
    bool ok() const { return failedStep == CoreStartStep::Done; }
};

// 1. The interface texts "qal.dat" of strDataFiles (without them nothing
//    can be said: the start ends here when they fail);
// 2. the astronomical tables, with strDataFiles handed to the ephemeris, and
//    English as the interface language;
// 3. the Pluto table "pluto.slx" of strDataFiles.
CoreStartResult StartCore(const QString& strDataFiles);

} // namespace qal
