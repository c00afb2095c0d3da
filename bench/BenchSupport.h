// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window the window benchmarks share: made on first use, closed by
// the benchmark main before the application object goes; and the tables the
// core benchmarks need.
#pragma once

namespace qal {
class frmMain;
}

namespace qal::test {
class MainWindowControls;
}

namespace qal::bench {

frmMain& Window();
// The controls of that window, by their names.
const test::MainWindowControls& Controls();
void CloseWindow();

// The ephemeris' data folder and the Pluto table, for the core benchmarks.
void EnsureTables();
// Ends the core's runtime the benchmarks started (before the program ends).
void StopRuntime();

} // namespace qal::bench
