// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "platform/ProcessMemory.h"

#ifdef _WIN32
#include <psapi.h>
#include <windows.h>
#else
#include <cstdio>
#include <unistd.h>
#endif

namespace qal::platform {

long long ResidentMemoryBytes()
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters {};
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return static_cast<long long>(counters.WorkingSetSize);
    return 0;
#else
    // The second field of /proc/self/statm: resident pages.
    long long intPages = 0, intResident = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm)
        return 0;
    const bool blnRead = std::fscanf(statm, "%lld %lld", &intPages, &intResident) == 2;
    std::fclose(statm);
    return blnRead ? intResident * sysconf(_SC_PAGESIZE) : 0;
#endif
}

} // namespace qal::platform
