// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Stepping the current moment by one interval on the list indices of a date
// set, with the carries of the calendar.
#pragma once

#include "dates/DatePr2.h"

namespace qal {

// The intervals of the step list, by list index.
constexpr int stepHalfHour = 0;
constexpr int stepDay = 1;
constexpr int stepWeek = 2;
constexpr int stepMonth = 3;
constexpr int stepYear = 4;

// Moves the date set one interval forward or back: the hour, day and month
// list indices and the year text, with the year cleaned as a computation
// cleans it. A date that does not exist (31 November) steps from its
// indices as they are. When the year, the month or the day is missing (or
// the year is no 16-bit number), nothing changes and the result is a
// negative code (see dates/DatePr2.h), else 0.
// After a month or a year the day is lowered (not below 28) until the date
// exists; a step beyond the calendar's range is left for the computation to
// find and undo.
double StepDateSet(DateSetInput& udtSet, int intInterval, bool blnForward, int intComputerTzIndex);

} // namespace qal
