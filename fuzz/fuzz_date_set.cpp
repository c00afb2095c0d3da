// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Fuzzes reading a date set and stepping it: any year text, list indices,
// typed clock time, calendar and place give a moment or a documented code,
// and a step either moves the date set to another readable one (or one the
// computation will refuse) or refuses.
#include "FuzzSupport.h"
#include "chart/TimeStep.h"
#include "dates/DatePr2.h"

#include <cmath>
#include <cstdlib>

namespace {

bool IsCode(double v)
{
    return v == qal::dblDateIncomplete || v == qal::dblDateImpossible || v == qal::dblDateTooEarly
        || v == qal::dblDateTooLate || v == qal::dblClockUnreadable;
}

bool IsClockCode(double v)
{
    return v == qal::dblClockSkipped || v == qal::dblClockTwice || v == qal::dblZoneUnknown;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    qal::fuzz::InputReader in(data, size);
    qal::DateSetInput udtSet;
    udtSet.strYear = in.Text(24);
    udtSet.intMonth = in.Int(0, 12);
    udtSet.intDay = in.Int(0, 31);
    udtSet.intHour = in.Int(0, qal::intHourListCount - 1);
    udtSet.intTimezone = in.Int(0, qal::intTimezoneListCount - 1);
    const int intTzIndex = in.Int(0, qal::intTimezoneListCount - 1);
    // Beyond the lists: a typed clock time, the Julian calendar, a zone of
    // the database (or none, or one it lacks) with or without coordinates.
    udtSet.intClockSeconds = in.Int(qal::intClockUnreadable, 86399);
    udtSet.blnJulian = in.Int(0, 1) == 1;
    static const char* const kZones[] = { "", "Europe/Berlin", "America/New_York", "Asia/Kathmandu",
        "Australia/Lord_Howe", "Mars/Olympus" };
    udtSet.place.strZoneId = QString::fromLatin1(kZones[in.Int(0, 5)]);
    udtSet.place.blnHasCoordinates = in.Int(0, 1) == 1;
    udtSet.place.dblLatitude = in.Double();
    udtSet.place.dblLongitude = in.Double();
    udtSet.repeated = static_cast<qal::RepeatedTime>(in.Int(0, 2));

    qal::DateSetInput udtRead = udtSet;
    const double t = qal::DateSetToMoment(udtRead, intTzIndex);
    if (!std::isfinite(t) || (t < 0 && !IsCode(t) && !IsClockCode(t)))
        std::abort();
    if (t >= 0 && (t < qal::intFirstDayNumber - 2 || t > qal::intLastDayNumber + 2))
        std::abort();
    qal::DateSetInput udtDay = udtSet;
    const double v = qal::DateSetToDayValue(udtDay);
    if ((v < 0) != (t < 0 && !IsClockCode(t)))
        std::abort();
    (void)qal::TextsOfDateSet(udtSet, intTzIndex, true, false);

    for (int intInterval = qal::stepHalfHour; intInterval <= qal::stepYear; ++intInterval) {
        for (bool blnForward : { true, false }) {
            qal::DateSetInput udtStep = udtSet;
            const double dblCode = qal::StepDateSet(udtStep, intInterval, blnForward, intTzIndex);
            if (dblCode < 0 && !IsCode(dblCode) && !IsClockCode(dblCode))
                std::abort();
            if (udtStep.intMonth < 0 || udtStep.intMonth > 12 || udtStep.intDay < 0 || udtStep.intDay > 31
                || udtStep.intHour < 0 || udtStep.intHour > 48)
                std::abort();
        }
    }
    (void)qal::CleanIntegerText(udtSet.strYear, true, true);
    return 0;
}
