// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Sorting lines of text by the part that starts at a given character.
#pragma once

#include <QStringList>

namespace qal {

// Sorts lines by their text from character intStart (1-based) to the end:
// a quicksort about the middle line's key (Hoare's scheme, both parts
// sorted) into descending order, reversed afterwards for ascending order.
// Lines with equal keys keep no defined order.
void QuickSortRecords(QStringList& lines, int intStart, bool blnAscending);

} // namespace qal
