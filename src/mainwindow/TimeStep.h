// Stepping the current moment by one interval on the list indices of a date
// set, with the carries of the calendar.
#pragma once

#include "dates/DatePr2.h"

namespace qal {

// The intervals of the step list, in list order.
enum StepInterval { stepHalfHour, stepDay, stepWeek, stepMonth, stepYear };

// Moves the date set one interval forward or back: the hour, day and month
// list indices and the year text. After a month or a year the day is lowered
// (not below 28) until the date exists. Returns false, changing nothing, when
// the year text holds no whole number.
bool StepDateSet(DateSetInput& udtSet, int intInterval, bool blnForward, int intComputerTzIndex);

} // namespace qal
