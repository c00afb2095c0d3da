// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// How a long computation is watched, wherever it runs (a job on the work
// pool, qal-cli's console): whether it is to stop, asked often and possibly
// from several threads at once, and how far it has come (0..1). Either may
// be empty.
#pragma once

#include <functional>

namespace qal {

struct WorkWatch {
    std::function<bool()> stopRequested;
    std::function<void(double dblDone)> progress;
    bool StopRequested() const { return stopRequested && stopRequested(); }
    void Progress(double dblDone) const
    {
        if (progress)
            progress(dblDone);
    }
};

} // namespace qal
