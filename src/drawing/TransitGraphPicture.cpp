// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "drawing/TransitGraphPicture.h"

#include "astro/AstroTables.h"
#include "util/Twips.h"

namespace qal {
namespace {

constexpr double kLabelPoints = 8;

int Tw(int intPixels)
{
    return intPixels * intTwipsPerPixel;
}

// A point of a curve: two pixels wide.
void Point(RecordedPicture& picture, int x, int y, const QColor& color)
{
    picture.FillRect(Tw(x) - intTwipsPerPixel, Tw(y), Tw(2), intTwipsPerPixel, color);
}

} // namespace

QColor MotionCurveColor()
{
    return { 128, 128, 128 };
}

std::unique_ptr<RecordedPicture> PaintTransitGraph(const TransitGraphInputs& in)
{
    auto picture = std::make_unique<RecordedPicture>(intGraphWidthTwips, intGraphHeightTwips, Qt::black);
    RecordedPicture& p = *picture;
    const QColor grid(64, 64, 64);
    const int intBottom = intGraphTop + intGraphRows;

    // The time grid, labelled with its moments; the current moment's row white.
    const int intNowRow = NowGridRow(in.scale, in.dblNow);
    for (int i = 1; i <= intGraphGridRows; ++i) {
        const int y = intGraphTop + intGraphGridRowHeight * i;
        p.Line(Tw(intGraphLeft), Tw(y), Tw(intGraphRight), Tw(y), i == intNowRow ? QColor(Qt::white) : grid, 1);
        const QString strLabel = GraphMomentText(in.scale, RowMoment(in.scale, intGraphGridRowHeight * i));
        p.PrintMonospace(
            0, Tw(y - 6), strLabel, kLabelPoints, i == intNowRow ? QColor(Qt::white) : QColor(160, 160, 160));
    }

    // The distance grid: seven columns each side, labelled with their part of the orb.
    p.PrintMonospace(Tw(intGraphExactX - 4), 30, AngleToDegMinText(0), kLabelPoints, QColor(160, 160, 160));
    for (int i = 1; i <= intGraphGridColumns; ++i) {
        const QString strLabel = AngleToDegMinText(i * in.scale.dblOrb / 7.5);
        for (int intSide : { -1, 1 }) {
            const int x = intGraphExactX + intSide * intGraphGridColumnWidth * i;
            p.Line(Tw(x), Tw(intGraphTop), Tw(x), Tw(intBottom), grid, 1);
            p.PrintMonospace(Tw(x - 10), 30, strLabel, kLabelPoints - 1, QColor(160, 160, 160));
        }
    }
    // Exact: a white line of dots, one every pixel row.
    for (int y = intGraphTop; y <= intBottom; ++y)
        p.FillRect(Tw(intGraphExactX), Tw(y), intTwipsPerPixel, intTwipsPerPixel, Qt::white);

    // The motion first, so that the distance curve stands on top.
    for (int j = 0; j <= intGraphRows; ++j) {
        if (in.curves.motion[j] >= 0)
            Point(p, in.curves.motion[j], intGraphTop + j, MotionCurveColor());
    }
    for (int j = 0; j <= intGraphRows; ++j) {
        if (in.curves.distance[j] >= 0)
            Point(p, in.curves.distance[j], intGraphTop + j, in.aspectColor);
    }

    // The title under the graph.
    p.PrintMonospace(Tw(intGraphLeft), Tw(intBottom + 8), in.strTitle, kLabelPoints, Qt::white);
    return picture;
}

} // namespace qal
