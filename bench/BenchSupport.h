// The main window the window benchmarks share: made on first use, closed by
// the benchmark main before the application object goes.
#pragma once

namespace qal {
class frmMain;
}

namespace qal::bench {

frmMain& Window();
void CloseWindow();

} // namespace qal::bench
