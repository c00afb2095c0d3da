// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The scales and curves of the transit graph, on constructed motions whose
// answers are known.
#include "TestSupport.h"
#include "astro/Angles.h"
#include "chart/TransitGraph.h"
#include "util/Twips.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace qal;
using test::Rad;

namespace {

constexpr double kDay0 = 2458000.0; // 3 September 2017 (a day number: noon)

TEST(TransitGraph, ScalesRunFromLocalMidnightToTheDayAfterTheEnd)
{
    // A transit from day 0 to day 13 in GMT+1:00: 14 days in 392 rows.
    const TransitGraphScale scale = MakeTransitGraphScale(kDay0 + 0.3, kDay0 + 13.9, Rad(8), 60);
    EXPECT_DOUBLE_EQ(scale.dblStart, kDay0 - 0.5 - 60 / 1440.0);
    EXPECT_NEAR(scale.dblTimePerRow * intGraphRows, 14.0, 1e-9);
    EXPECT_EQ(GraphMomentText(scale, RowMoment(scale, 0)), QStringLiteral("2017-09-03 00:00"));
    EXPECT_EQ(GraphMomentText(scale, RowMoment(scale, intGraphRows)), QStringLiteral("2017-09-17 00:00"));
    // A clock's reading: 15:25:42 is 15:25, not rounded up.
    EXPECT_EQ(GraphMomentText(scale, kDay0 - 0.5 + (15 * 3600 + 25 * 60 + 42 - 3600) / 86400.0),
        QStringLiteral("2017-09-03 15:25"));

    // Read-offs: the row under the pointer, and the distance across.
    EXPECT_DOUBLE_EQ(MomentAtY(scale, intGraphTop * intTwipsPerPixel), scale.dblStart);
    EXPECT_DOUBLE_EQ(MomentAtY(scale, (intGraphTop + 28) * intTwipsPerPixel + 7), RowMoment(scale, 28));
    EXPECT_DOUBLE_EQ(DistanceAtX(scale, intGraphExactX * intTwipsPerPixel), 0);
    EXPECT_NEAR(DistanceAtX(scale, (intGraphExactX + intGraphOrbWidth) * intTwipsPerPixel), Rad(8), 1e-12);
    EXPECT_NEAR(DistanceAtX(scale, (intGraphExactX - 150) * intTwipsPerPixel), -Rad(4), 1e-12);

    // The current moment's grid row: the first later than now less half a row.
    const double dblGridRow = intGraphGridRowHeight * scale.dblTimePerRow; // half a day
    EXPECT_EQ(NowGridRow(scale, scale.dblStart), 1);
    EXPECT_EQ(NowGridRow(scale, scale.dblStart + 3 * dblGridRow), 3);
    EXPECT_EQ(NowGridRow(scale, scale.dblStart + 3.6 * dblGridRow), 4);
    EXPECT_EQ(NowGridRow(scale, scale.dblStart + 40 * dblGridRow), 0);
}

TEST(TransitGraph, ExactPointLiesOnTheSideOfTheTransitingBody)
{
    EXPECT_NEAR(ExactPoint(Rad(10), 1, Rad(200)), Rad(10), 1e-12); // conjunction
    EXPECT_NEAR(ExactPoint(Rad(10), 2, Rad(15)), Rad(190), 1e-12); // opposition
    EXPECT_NEAR(ExactPoint(Rad(10), 3, Rad(95)), Rad(100), 1e-12); // square ahead
    EXPECT_NEAR(ExactPoint(Rad(10), 3, Rad(285)), Rad(280), 1e-12); // square behind, across 0°
    EXPECT_NEAR(ExactPoint(Rad(350), 4, Rad(105)), Rad(110), 1e-12); // trine ahead, across 0°
}

TEST(TransitGraph, CurvesFollowDistanceAndMotion)
{
    // Body 5 moves forward to 100° (exact), stands still there at day 7 and
    // moves back afterwards: a parabola in longitude.
    const LongitudeSource source = [](int, double t) {
        const double d = t - (kDay0 + 7);
        return NormalizeAngle(Rad(100 - d * d / 20.0));
    };
    const TransitGraphScale scale = MakeTransitGraphScale(kDay0, kDay0 + 13, Rad(3), 0);
    const TransitCurves curves = MakeTransitCurves(source, 5, Rad(100), scale);
    ASSERT_EQ(curves.distance.size(), size_t(intGraphRows + 1));
    for (int j = 0; j <= intGraphRows; ++j) {
        const double d = RowMoment(scale, j) - (kDay0 + 7);
        const double dblDistance = -d * d / 20.0; // degrees from exact
        if (std::fabs(dblDistance) < 3) {
            EXPECT_NEAR(curves.distance[j], intGraphExactX + intGraphOrbWidth * dblDistance / 3, 1) << j;
        } else {
            EXPECT_EQ(curves.distance[j], -1) << j;
        }
        // Motion: right of the centre while the body moves forward, left
        // afterwards, at the centre where it stands still.
        if (d < -0.6) {
            EXPECT_GT(curves.motion[j], intGraphExactX) << j;
        } else if (d > 0.6) {
            EXPECT_LT(curves.motion[j], intGraphExactX) << j;
        }
        EXPECT_LE(std::abs(curves.motion[j] - intGraphExactX), intGraphGridColumns * intGraphGridColumnWidth) << j;
    }
    // A body the source cannot give leaves both curves empty.
    const TransitCurves none = MakeTransitCurves([](int, double) { return -99.0; }, 5, Rad(100), scale);
    EXPECT_EQ(std::count(none.distance.begin(), none.distance.end(), -1), intGraphRows + 1);
    EXPECT_EQ(std::count(none.motion.begin(), none.motion.end(), -1), intGraphRows + 1);
}

} // namespace
