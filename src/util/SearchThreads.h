// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// How many threads the long searches use (the aspect calendar, the pattern
// search): the computer's cores unless set. Their findings are the same
// whatever the number; tests set 1 and 2 to hold that.
#pragma once

namespace qal {

int SearchThreads();
void SetSearchThreads(int intThreads); // 0: the computer's cores

} // namespace qal
