// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "util/SearchThreads.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace qal {
namespace {

std::atomic<int> g_intThreads { 0 };

} // namespace

int SearchThreads()
{
    // The cores are counted once: the count reads a system file each time.
    static const int intCores = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    const int intSet = g_intThreads.load();
    return intSet > 0 ? intSet : intCores;
}

void SetSearchThreads(int intThreads)
{
    g_intThreads = std::max(0, intThreads);
}

} // namespace qal
