// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "aspects/Orbs.h"

#include <cmath>

#include "astro/Angles.h"
#include "astro/AstroTables.h"

namespace qal {

namespace {

OrbTable g_orbTable; // udtOrbTable's storage

// Largest and smallest non-zero orb of one column; the smallest starts above any orb.
void Extremes(const OrbTable& udtTable, int intColumn, double& dblMax, double& dblMin)
{
    dblMax = 0;
    dblMin = 20;
    for (int k = 1; k <= intNumAspectKinds; ++k) {
        const double dblValue = udtTable.dblOrb[k][intColumn];
        if (dblValue > dblMax)
            dblMax = dblValue;
        if (dblValue > 0 && dblValue < dblMin)
            dblMin = dblValue;
    }
}

} // namespace

OrbTable MakeOrbTable(const int intOrbDegrees[7], int intPersonalDivisor, int intSynastryDivisor)
{
    OrbTable udtTable;
    const int intDivisor[3] = { 1, intPersonalDivisor, intSynastryDivisor };
    for (int k = 1; k <= intNumAspectKinds; ++k) {
        udtTable.dblOrb[k][0] = DegToRad(intOrbDegrees[k - 1]);
        for (int c = 1; c <= 2; ++c)
            udtTable.dblOrb[k][c] = udtTable.dblOrb[k][0] / intDivisor[c];
    }
    ComputeOrbExtremes(udtTable);
    return udtTable;
}

int MoonAspectHours(const OrbTable& udtTable, int intKind, int intColumn)
{
    return static_cast<int>(std::lround(RadToDeg(udtTable.dblOrb[intKind][intColumn]) * 4));
}

void ComputeOrbExtremes(OrbTable& udtTable)
{
    Extremes(udtTable, 0, udtTable.dblMaxOrb, udtTable.dblMinOrb);
    udtTable.blnAllOrbsEqual = udtTable.dblMinOrb == udtTable.dblMaxOrb;
    for (int c = 1; c <= 2; ++c)
        Extremes(udtTable, c, udtTable.dblMaxOrbCol[c - 1], udtTable.dblMinOrbCol[c - 1]);
}

const OrbTable& udtOrbTable = g_orbTable;

void SetOrbTable(const OrbTable& udtTable)
{
    g_orbTable = udtTable;
}

} // namespace qal
