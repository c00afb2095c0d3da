// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The sky's own events in a span, to a fraction of a second: the bodies
// entering signs (also back into a sign by retrograde motion), the planets
// standing still to turn retrograde or direct, the lunations and the
// eclipses, the Moon's void-of-course stretches, and with a birth chart the
// solar and lunar returns.
//
// Each is a moment at which a longitude passes a fixed point (a sign's
// first degree, the natal Sun), an angle passes one (the Sun–Moon angle at
// 0°, 90°, 180°, 270°) or a speed passes zero: the course is sampled, and
// every passage between two samples is narrowed down by bisection. A
// station is the zero of the ephemeris' own speed in longitude; an eclipse
// is the ephemeris' own moment of greatest eclipse. Searched a piece of the
// span at a time, so that a century can be written as it is found.
#pragma once

#include "astro/ChartState.h"
#include "astro/Longitudes.h"

#include <functional>
#include <optional>
#include <vector>

namespace qal {

enum class SkyEventKind { Ingress, Station, Lunation, Eclipse, VoidBegins, VoidEnds, Return };
enum class EclipseKind { Total, Annular, Hybrid, Partial, Penumbral };

// The kinds a search looks for, as bits.
using SkyEventSet = unsigned;
constexpr SkyEventSet kIngresses = 1;
constexpr SkyEventSet kStations = 2;
constexpr SkyEventSet kLunations = 4;
constexpr SkyEventSet kEclipses = 8;
constexpr SkyEventSet kVoidMoon = 16;
constexpr SkyEventSet kReturns = 32;
constexpr SkyEventSet kAllSkyEvents = 63;

// The lunations by phase.
constexpr int intNewMoon = 0;
constexpr int intFirstQuarter = 1;
constexpr int intFullMoon = 2;
constexpr int intLastQuarter = 3;

struct SkyEvent {
    double dblMoment = 0; // UT
    SkyEventKind kind = SkyEventKind::Ingress;
    // The body that enters, turns or returns; the Moon for the lunations and
    // the void Moon; the Sun for a solar eclipse, the Moon for a lunar one.
    int intBody = 0;
    // Where it stands then (radians, in the search's zodiac): a sign's first
    // degree for an ingress, the natal longitude for a return.
    double dblLongitude = 0;
    int intSign = 0; // 0 Aries .. 11 Pisces: the sign entered, or the one the void Moon stands in
    bool blnRetrograde = false; // a station turning retrograde; an ingress by retrograde motion
    int intPhase = 0; // a lunation's
    EclipseKind eclipse = EclipseKind::Partial;
    // An eclipse's whole course; the void Moon's stretch, from its last
    // aspect to its ingress.
    double dblSpanBegin = 0;
    double dblSpanEnd = 0;
    // The void Moon's last aspect: the body and the kind (1..5); the sign it
    // enters at its end.
    int intAspectBody = 0;
    int intAspectKind = 0;
    int intSignEntered = 0;
};

struct SkyEventQuery {
    double dblFrom = 0; // UT
    double dblUntil = 0;
    SkyEventSet kinds = kAllSkyEvents;
    unsigned intIngressBodies = ~0u; // bit b: the ingresses of body b
    bool blnSidereal = false; // the signs of the sidereal zodiac
    std::optional<double> dblNatalMoment; // the returns to this birth chart
    // Asked between the kinds of a piece: once it says stop, the piece
    // under way is dropped and the search ends.
    std::function<bool()> stopRequested;
};

class SkyEventSearch {
public:
    // The longitudes come from source (the fast source with Pluto from the
    // ephemeris, for moments to the second).
    SkyEventSearch(const SkyEventQuery& query, LongitudeSource source);

    // The events of the next piece of the span, in time order; false when
    // the span is done or the search was stopped.
    bool NextPiece(std::vector<SkyEvent>& events);

    double SearchedUntil() const { return m_dblDone; }
    bool Stopped() const { return m_blnStopped; }

private:
    void AddIngresses(double p0, double p1, std::vector<SkyEvent>& events);
    void AddStations(double p0, double p1, std::vector<SkyEvent>& events);
    void AddLunations(double p0, double p1, std::vector<SkyEvent>& events);
    void AddEclipses(double p0, double p1, std::vector<SkyEvent>& events);
    void AddVoidMoon(double p0, double p1, std::vector<SkyEvent>& events);
    void AddReturns(double p0, double p1, std::vector<SkyEvent>& events);

    // The stations of body b about the piece (a day beyond either end),
    // found once a piece for the stations and the ingresses.
    const std::vector<SkyEvent>& StationsAbout(int b, double p0, double p1);

    SkyEventQuery m_query;
    LongitudeSource m_source;
    double m_dblDone = 0;
    bool m_blnStopped = false;
    struct NextEclipse {
        bool blnSearched = false;
        bool blnFound = false;
        SkyEvent event;
    } m_nextEclipse[2]; // solar, lunar: the next one not yet given
    std::optional<std::vector<SkyEvent>> m_stations[intMaxBodies + 1]; // of the piece under way
};

// Every event of the query's span at once.
std::vector<SkyEvent> SkyEventsBetween(const SkyEventQuery& query, const LongitudeSource& source);

// The stations of body b (Mercury to Pluto) in [t0, t1), at the zero of the
// ephemeris' speed in longitude, in time order.
std::vector<SkyEvent> StationsOf(const LongitudeSource& source, int b, double t0, double t1);

// The first moment after t (or the last before it) at which body b (the
// Sun or the Moon) stands at dblLongitude, a minute or more from t and
// searched up to a year and a half away; none when its longitude is not
// known there.
std::optional<double> ReturnMoment(
    const LongitudeSource& source, int b, double dblLongitude, double t, bool blnForward);

} // namespace qal
