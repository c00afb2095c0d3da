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
// list indices and the year text. The date set is read first as a
// computation reads it (the year cleaned); when it cannot be read, nothing
// changes and the result is its negative code (see dates/DatePr2.h), else 0.
// After a month or a year the day is lowered (not below 28) until the date
// exists; a step beyond the calendar's range is left for the computation to
// find and undo.
double StepDateSet(DateSetInput& udtSet, int intInterval, bool blnForward, int intComputerTzIndex);

} // namespace qal
