// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Starting the core: every program (the window, qal-cli, the tools, the
// benchmarks and the tests) readies the engine through this one function,
// so the order of its steps lives in one place.
#pragma once

#include <QString>

#include <memory>

namespace qal {

enum class CoreStartStep { Done, InterfaceTexts, PlutoTable };

// What the core runs while a program runs: the work pool (util/WorkPool.h)
// and the fast source's cache (astro/FastLongitudes.h). StartCore makes it;
// the program keeps it until it ends, and its end stops the pool's work
// first and then drops the cache, in that order. There is one at a time: a
// later StartCore shares the running one.
class CoreRuntime {
public:
    CoreRuntime();
    ~CoreRuntime();
    CoreRuntime(const CoreRuntime&) = delete;
    CoreRuntime& operator=(const CoreRuntime&) = delete;
};

struct CoreStartResult {
    CoreStartStep failedStep = CoreStartStep::Done; // the first step that failed
    QString strMessage; // what the user is told about it
    QString strDetail; // the reason alone (for the Pluto table: without the table's heading)
    std::shared_ptr<CoreRuntime> runtime; // kept by the program until it ends
    bool ok() const { return failedStep == CoreStartStep::Done; }
};

// 1. The interface texts "qal.dat" of strDataFiles (without them nothing
//    can be said: the start ends here when they fail);
// 2. the astronomical tables, with strDataFiles handed to the ephemeris, and
//    English as the interface language;
// 3. the Pluto table "pluto.slx" of strDataFiles;
// 4. the runtime (the work pool and the fast source's cache), emptied of
//    what other ephemeris files gave.
CoreStartResult StartCore(const QString& strDataFiles);

} // namespace qal
