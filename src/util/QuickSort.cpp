// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "util/QuickSort.h"

#include <algorithm>

namespace qal {
namespace {

// The part of a line from character intStart (1-based) on; empty for a shorter line.
QStringView Key(const QString& strLine, int intStart)
{
    return intStart - 1 <= strLine.size() ? QStringView(strLine).sliced(intStart - 1) : QStringView();
}

void SortDescending(QStringList& lines, qsizetype intLow, qsizetype intHigh, int intStart)
{
    while (intLow < intHigh) {
        const QString strPivot = Key(lines[(intLow + intHigh) / 2], intStart).toString();
        qsizetype i = intLow, j = intHigh;
        while (i <= j) {
            while (Key(lines[i], intStart) > strPivot)
                ++i;
            while (Key(lines[j], intStart) < strPivot)
                --j;
            if (i <= j) {
                lines.swapItemsAt(i, j);
                ++i;
                --j;
            }
        }
        // The smaller part by recursion, the larger by the loop: the depth stays small.
        if (j - intLow < intHigh - i) {
            SortDescending(lines, intLow, j, intStart);
            intLow = i;
        } else {
            SortDescending(lines, i, intHigh, intStart);
            intHigh = j;
        }
    }
}

} // namespace

void QuickSortRecords(QStringList& lines, int intStart, bool blnAscending)
{
    if (lines.size() > 1)
        SortDescending(lines, 0, lines.size() - 1, std::max(1, intStart));
    if (blnAscending)
        std::reverse(lines.begin(), lines.end());
}

} // namespace qal
