// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The sky's events in words and as calendar events, in the interface
// language ("Mars enters Taurus", "Full moon in Virgo", "Solar eclipse
// (total) in Aries"), and the fixed English words that name them in data
// files ("ingress", "first-quarter", "annular").
#pragma once

#include "chart/AspectCalendarEvents.h"
#include "chart/SkyEvents.h"

#include <QString>

#include <optional>

namespace qal {

// The event in words, in the interface language.
QString SkyEventName(const SkyEvent& e);

// The words of the data formats.
QString SkyEventWord(SkyEventKind kind); // "ingress", "station", …, "void-begins"
QString PhaseWord(int intPhase); // "new", "first-quarter", "full", "last-quarter"
QString EclipseKindWord(EclipseKind kind); // "total", "annular", "hybrid", "partial", "penumbral"

// The kinds as --kinds names them ("ingress", "station", "lunation",
// "eclipse", "void", "return"), comma-separated; false for a word that
// names none.
bool SkyEventSetFromWords(const QString& strWords, SkyEventSet& kinds);

// The calendar event of a sky event in a calendar of the span from
// dblSpanFrom: a moment, or for an eclipse and the void Moon their whole
// stretch (written once: at the void Moon's beginning, or at its end when
// it began before the span). None for an event the calendar does not list
// by itself.
std::optional<platform::CalendarEvent> SkyCalendarEvent(
    const SkyEvent& e, const CalendarSource& from, double dblSpanFrom);

} // namespace qal
