// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The texts of the durations window: the list of aspects with the days on
// which they begin and end and how long they last (Planetary and Personal
// modes), and the narrative summary with the aspect patterns (Natal and
// Synastry modes). All texts are in the current language.
#pragma once

#include "aspects/Orbs.h"

#include "aspects/Patterns.h"
#include "chart/Durations.h"
#include "text/TextIds.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace qal {

// The sort keys of the list, by list index.
constexpr int sortFirstBody = 0;
constexpr int sortAspect = 1;
constexpr int sortOrb = 2;
constexpr int sortSecondBody = 3;
constexpr int sortBeginning = 4;
constexpr int sortEnd = 5;
constexpr int sortDuration = 6;

// The sort list's entries of a mode (the Personal modes name the natal and
// the transiting planet).
QStringList SortListItems(int intMode);

// Sorts records ascending by the key of the sort index (the record's text
// from the key's character on).
void SortDurationRecords(QStringList& records, int intSortIndex);

// The widths of the list's columns, from the names of the current language.
struct DurationColumns {
    int w1 = 0; // a body name
    int w2 = 0; // the orb and the aspect adjective
    int w3 = 0; // the second body name
    int w4 = 19; // a beginning date
    int w5 = 19; // an end date
    int w6 = 0; // the whole names part
};
DurationColumns SetColumnWidths();

struct DurationListOptions {
    int intMode = modePlanetary;
    int intSortIndex = sortOrb;
    bool blnShowDuration = true;
    OrbTable orbs; // the orbs of the chart (for the Moon note, in the mode's column)
    // When set: a further line under each record's line (the exact moments),
    // none when it gives "".
    std::function<QString(const QString& strRecord)> courseLine;
};

// A course line (exact moments and stretch) under an aspect, indented and
// broken between words into lines of at most intWidth characters.
QString WrappedCourseLine(const QString& strCourse, int intWidth);

// The date of a day number, or the text unknown for a negative one.
QString DateOrUnknown(int intDay, TextId unknown = TextId::AnUnknownDate);

// "1 day", "1 year, 365 days", "2 years, 1 day", "40 days".
QString DurationText(int intDays);

// One line of the list.
QString FormatDurationLine(const DurationRecord& record, const DurationColumns& columns, const DurationListOptions& o);

// All lines, each ending in "\r\n"; with the list sorted by beginning or end
// the Planetary mode leaves out the Moon's aspects.
QString ListDurations(const QStringList& records, const DurationColumns& columns, const DurationListOptions& o);

// "Two", "Twenty one", "Zwei" ... ; counts above 99 as numerals.
QString NumberToWords(int intCount, bool blnGerman);

// The summary of a fixed chart: an opening, one clause per record (sorted
// by orb), the patterns of sky (not in Synastry, where sky is null) and the
// closing note. positions holds the chart's longitudes.
QString WriteSummary(const QStringList& records, int intMode, const ChartPositions& positions, const PatternSky* sky);

} // namespace qal
