// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// How much memory the program holds: its resident set, for the benchmarks'
// memory targets.
#pragma once

namespace qal::platform {

// The program's resident memory now, in bytes; 0 where it cannot be read.
long long ResidentMemoryBytes();

} // namespace qal::platform
