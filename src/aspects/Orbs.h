// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The orb table: how far from exact each aspect kind may be.
//
// Orbs are radians by aspect kind 1..7 and column: 0 the base orbs (single
// charts and the pattern search), 1 personal transits, 2 synastry. Columns 1
// and 2 are column 0 divided by the configured proportions.
#pragma once

namespace qal {

struct OrbTable {
    double dblOrb[8][3] = {}; // kind 1..7, column 0..2
    // Extremes of the non-zero orbs, derived by ComputeOrbExtremes.
    double dblMaxOrb = 0;
    double dblMinOrb = 0;
    bool blnAllOrbsEqual = false;
    double dblMaxOrbCol[2] = {}; // index 0 for column 1, 1 for column 2
    double dblMinOrbCol[2] = {};
    bool operator==(const OrbTable&) const = default;
};

// The table for the given base orbs (whole degrees of kinds 1..7, index 0
// for kind 1) and the two divisors (personal transits, synastry), with its
// extremes.
OrbTable MakeOrbTable(const int intOrbDegrees[7], int intPersonalDivisor, int intSynastryDivisor);

// About how many hours an aspect of the Moon of that kind lasts with the
// orbs of a column (0 base, 1 personal transits, 2 synastry): the Moon
// crosses a degree of orb in about two hours, both sides of exact counted,
// so four hours a degree of the column's orb.
int MoonAspectHours(const OrbTable& udtTable, int intKind, int intColumn);

// Derives the extremes of a table from its orbs.
void ComputeOrbExtremes(OrbTable& udtTable);


// --- The accepted orbs the computation reads ---
// Read anywhere on the window's thread (work on the pool is handed a copy);
// written only through SetOrbTable, which the main window calls when it
// computes and when a state file is loaded.
extern const OrbTable& udtOrbTable;
void SetOrbTable(const OrbTable& udtTable);

} // namespace qal
