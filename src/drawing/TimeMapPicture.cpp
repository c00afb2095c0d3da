// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "drawing/TimeMapPicture.h"

#include "astro/AstroTables.h"
#include "astro/ChartAngles.h"
#include "drawing/Colors.h"
#include "drawing/ImageExport.h"
#include "settings/Configuration.h"
#include "util/Twips.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace qal {
namespace {

constexpr double kMapTitlePoints = 9;
constexpr double kMapLabelPoints = 8;
constexpr double kMapPassPoints = 6.5;
constexpr int intMapMargin = 120;
constexpr int intMapRowHeight = 390; // 26 pixels: a glyph box and room for a pass label
constexpr int intMapAxisHeight = 330;
constexpr int intMapNearPixels = 4; // how near a point must be to a bar that it stands for it
constexpr int intMapTitleLineHeight = 240;
// Twips of the map's smaller pieces.
constexpr int intMapLabelGap = 90; // between a row's glyph and its kind, and between date labels
constexpr int intMapTickLength = 60; // an unlabelled date tick above the rows
constexpr int intMapGridOverhang = 90; // a labelled tick and the now line reach this far above the rows
constexpr int intMapDateIndent = 30; // a date label starts this far right of its tick
constexpr int intMapMarkAbove = 45; // a pass mark stands out above its bar
constexpr int intMapMarkBelow = 30; // and below it
constexpr int intMapPassLabelTop = 15; // a pass's day, from the row's top
constexpr int intMapPassLabelGap = 60; // between the days of two passes
constexpr int intStripLanes = 2; // lines of event labels in the strip
constexpr int intStripLaneHeight = intGlyphBoxHeight;
constexpr int intStripGap = 60; // above and below the lanes
constexpr int intEclipseRadius = 75;

struct Palette {
    QColor background, stripe, text, grid, mark, now;
};

Palette PaletteOf(bool blnWhite)
{
    if (blnWhite)
        return { Qt::white, { 236, 236, 236 }, Qt::black, { 200, 200, 200 }, Qt::black, { 220, 0, 0 } };
    return { Qt::black, { 28, 28, 28 }, { 224, 224, 224 }, { 72, 72, 72 }, Qt::white, { 255, 64, 64 } };
}

int LabelWidth(const TimeMapDrawing& drawing)
{
    int intWidest = 0;
    for (const TimeMapRow& row : drawing.rows)
        intWidest = std::max(intWidest, RecordedPicture::TextWidth(udtAspectText[row.intKind].Name, kMapLabelPoints));
    // The moving body's glyph, the kind's name, the other body's glyph.
    return intMapMargin + intGlyphBoxWidth + intMapLabelGap + intWidest + intMapLabelGap + intGlyphBoxWidth + intMapMargin;
}

// The title broken into lines no wider than intWidth: between its parts
// (which two blanks separate), and between the words of a part too wide
// for a line of its own.
QStringList TitleLines(const QString& strTitle, int intWidth)
{
    QStringList lines;
    QString strLine;
    const auto add = [&](const QString& strPiece, const QString& strGap) {
        const QString strLonger = strLine.isEmpty() ? strPiece : strLine + strGap + strPiece;
        if (!strLine.isEmpty() && RecordedPicture::TextWidth(strLonger, kMapTitlePoints) > intWidth) {
            lines << strLine;
            strLine = strPiece;
        } else {
            strLine = strLonger;
        }
    };
    for (const QString& strPart : strTitle.split(QStringLiteral("  "), Qt::SkipEmptyParts)) {
        if (RecordedPicture::TextWidth(strPart, kMapTitlePoints) <= intWidth) {
            add(strPart.trimmed(), QStringLiteral("  "));
            continue;
        }
        bool blnFirst = true;
        for (const QString& strWord : strPart.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            add(strWord, blnFirst ? QStringLiteral("  ") : QStringLiteral(" "));
            blnFirst = false;
        }
    }
    if (!strLine.isEmpty())
        lines << strLine;
    return lines;
}

// What an event's label shows after its glyph box: a station's SR or SD, an
// ingress's sign (as a glyph), an eclipse's sign.
struct StripLabel {
    QString strBodyGlyph; // "" for an eclipse: a disc stands there
    QString strText; // small text after it
    QString strSignGlyph;
    int Width() const
    {
        return intGlyphBoxWidth + (strText.isEmpty() ? 0 : RecordedPicture::TextWidth(strText, kMapPassPoints))
            + (strSignGlyph.isEmpty() ? 0 : intGlyphBoxWidth);
    }
};

StripLabel LabelOf(const SkyEvent& e)
{
    switch (e.kind) {
    case SkyEventKind::Station:
        return { strBodyGlyph[e.intBody], e.blnRetrograde ? QStringLiteral("SR") : QStringLiteral("SD"), {} };
    case SkyEventKind::Ingress:
        return { strBodyGlyph[e.intBody], e.blnRetrograde ? QStringLiteral("\u2190") : QStringLiteral("\u2192"),
            strSignGlyph[e.intSign] };
    default: return { {}, {}, strSignGlyph[e.intSign] };
    }
}

// The strip: a tick at each event, and its label in the first lane that is
// free there (an event where every lane is taken keeps its tick).
void PaintStrip(RecordedPicture& p, const TimeMapDrawing& drawing, const TimeMapLayout& layout, const Palette& c)
{
    if (layout.intStripHeight == 0)
        return;
    const int intBottom = layout.intStripTop + layout.intStripHeight;
    p.Line(layout.intBarsLeft, intBottom - intStripGap / 2, layout.intBarsRight, intBottom - intStripGap / 2, c.grid, 1);
    int intLaneEnd[intStripLanes];
    std::fill(std::begin(intLaneEnd), std::end(intLaneEnd), -1);
    for (const SkyEvent& e : drawing.skyEvents) {
        const int x = layout.X(e.dblMoment);
        if (x < layout.intBarsLeft || x > layout.intBarsRight)
            continue;
        p.Line(x, layout.intStripTop + intStripGap, x, intBottom - intStripGap / 2, c.grid, 1);
        const StripLabel label = LabelOf(e);
        const int intLeft = std::min(x + intMapDateIndent, layout.intBarsRight - label.Width());
        const auto lane = std::find_if(std::begin(intLaneEnd), std::end(intLaneEnd), [&](int intEnd) { return intEnd < intLeft; });
        if (lane == std::end(intLaneEnd))
            continue;
        const int y = layout.intStripTop + intStripGap + static_cast<int>(lane - std::begin(intLaneEnd)) * intStripLaneHeight;
        const QColor color = e.blnRetrograde ? c.now : c.text;
        if (label.strBodyGlyph.isEmpty()) {
            const QColor fill = e.intBody == intSun ? c.background : QColor(170, 60, 40);
            p.Disc(intLeft + intGlyphBoxWidth / 2, y + intGlyphBoxHeight / 2, intEclipseRadius, fill, c.text);
        } else {
            p.PrintGlyph(intLeft, y, label.strBodyGlyph, color);
        }
        int intNext = intLeft + intGlyphBoxWidth;
        if (!label.strText.isEmpty()) {
            p.Print(intNext, y + intMapLabelGap, label.strText, false, kMapPassPoints, color);
            intNext += RecordedPicture::TextWidth(label.strText, kMapPassPoints);
        }
        if (!label.strSignGlyph.isEmpty())
            p.PrintGlyph(intNext, y, label.strSignGlyph, c.text);
        *lane = intLeft + label.Width() + intMapPassLabelGap;
    }
}

} // namespace

int TimeMapLayout::X(double dblMoment) const
{
    const double f = (dblMoment - dblFrom) / (dblUntil - dblFrom);
    return intBarsLeft + static_cast<int>(std::lround(f * (intBarsRight - intBarsLeft)));
}

double TimeMapLayout::MomentAt(int x) const
{
    return dblFrom + (x - intBarsLeft) * (dblUntil - dblFrom) / std::max(1, intBarsRight - intBarsLeft);
}

int TimeMapLayout::RowAt(int y) const
{
    if (y < intRowsTop || y >= intHeight - intMapMargin)
        return -1;
    return (y - intRowsTop) / intRowHeight;
}

TimeMapDrawing MakeTimeMapDrawing(const TimeMapRequest& request, TimeMapComputed computed,
    const ConfigurationSettings& config, double dblNow, const QString& strChartTitle, bool blnWhiteBackground)
{
    const int intZone = request.chart.intTimezoneMinutes;
    TimeMapDrawing drawing;
    drawing.rows = std::move(computed.rows);
    drawing.skyEvents = std::move(computed.skyEvents);
    drawing.ticks = TimeMapTicks(request.dblFrom, request.dblUntil, intZone);
    drawing.dblFrom = request.dblFrom;
    drawing.dblUntil = request.dblUntil;
    drawing.dblNow = dblNow;
    drawing.intZoneMinutes = intZone;
    drawing.blnWhiteBackground = blnWhiteBackground;
    drawing.strTitle = strChartTitle + QStringLiteral("  ") + TimeMapSpanText(request.dblFrom, request.dblUntil, intZone);
    for (int k = 1; k <= intNumAspectKinds; ++k)
        drawing.aspectColor[k] = ToQColor(config.dblAspectColor[k]);
    return drawing;
}

TimeMapLayout LayOutTimeMap(const TimeMapDrawing& drawing, int intWidthTwips)
{
    TimeMapLayout layout;
    layout.dblFrom = drawing.dblFrom;
    layout.dblUntil = drawing.dblUntil;
    layout.intBarsLeft = LabelWidth(drawing);
    layout.intWidth = std::max(intWidthTwips, layout.intBarsLeft + 3000);
    layout.intBarsRight = layout.intWidth - 2 * intMapMargin;
    // The title whole, on as many lines as it needs; the dates below it.
    layout.titleLines = TitleLines(drawing.strTitle, layout.intWidth - 2 * intMapMargin);
    const int intExtraTitleLines = std::max<int>(0, static_cast<int>(layout.titleLines.size()) - 1);
    layout.intStripTop = intMapMargin + 2 * intMapAxisHeight + intExtraTitleLines * intMapTitleLineHeight;
    layout.intStripHeight = drawing.skyEvents.empty() ? 0 : intStripLanes * intStripLaneHeight + 2 * intStripGap;
    layout.intRowsTop = layout.intStripTop + layout.intStripHeight;
    layout.intRowHeight = intMapRowHeight;
    layout.intHeight
        = layout.intRowsTop + std::max<int>(1, static_cast<int>(drawing.rows.size())) * intMapRowHeight + intMapMargin;
    return layout;
}

std::unique_ptr<RecordedPicture> PaintTimeMap(const TimeMapDrawing& drawing, const TimeMapLayout& layout)
{
    const Palette c = PaletteOf(drawing.blnWhiteBackground);
    auto picture = std::make_unique<RecordedPicture>(layout.intWidth, layout.intHeight, c.background, false);
    RecordedPicture& p = *picture;
    const int intRowsBottom = layout.intRowsTop + static_cast<int>(drawing.rows.size()) * intMapRowHeight;

    for (int i = 0; i < static_cast<int>(layout.titleLines.size()); ++i)
        p.Print(intMapMargin, intMapMargin / 2 + i * intMapTitleLineHeight, layout.titleLines[i], false, kMapTitlePoints,
            c.text);
    const int intAxisTop = layout.intStripTop - 2 * intMapAxisHeight; // the dates' line, below the title

    // Stripes on every other row, under everything else.
    for (size_t i = 1; i < drawing.rows.size(); i += 2)
        p.FillRect(
            0, layout.intRowsTop + static_cast<int>(i) * intMapRowHeight, layout.intWidth, intMapRowHeight, c.stripe);

    // The dates: a grid line at each tick, labels that do not run into the one before.
    int intLabelEnd = -1;
    for (const TimeTick& tick : drawing.ticks) {
        const int x = layout.X(tick.dblMoment);
        // A labelled tick runs down through the rows, the others only mark the axis.
        if (tick.strLabel.isEmpty()) {
            p.Line(x, layout.intStripTop - intMapTickLength, x, layout.intStripTop, c.grid, 1);
            continue;
        }
        p.Line(x, layout.intStripTop - intMapGridOverhang, x, intRowsBottom, c.grid, 1);
        const int intWidth = RecordedPicture::TextWidth(tick.strLabel, kMapLabelPoints);
        const int intLeft = x + intMapDateIndent;
        // Only a whole label: the last one must end inside the picture's margin.
        if (intLeft <= intLabelEnd || intLeft + intWidth > layout.intWidth - intMapMargin)
            continue;
        p.Print(intLeft, intAxisTop + intMapAxisHeight, tick.strLabel, false, kMapLabelPoints, c.text);
        intLabelEnd = intLeft + intWidth + intMapLabelGap;
    }

    PaintStrip(p, drawing, layout, c);

    for (size_t i = 0; i < drawing.rows.size(); ++i) {
        const TimeMapRow& row = drawing.rows[i];
        const int y = layout.intRowsTop + static_cast<int>(i) * intMapRowHeight;
        // The label: moving body, kind, other body.
        const QString strKind = udtAspectText[row.intKind].Name;
        const int intGlyphY = y + (intMapRowHeight - intGlyphBoxHeight) / 2;
        p.PrintGlyph(intMapMargin, intGlyphY, strBodyGlyph[row.intSecondBody], c.text);
        const int intKindX = intMapMargin + intGlyphBoxWidth + intMapLabelGap;
        p.Print(intKindX, y + intMapLabelGap, strKind, false, kMapLabelPoints, c.text);
        const int intFirstX = layout.intBarsLeft - intMapMargin - intGlyphBoxWidth;
        if (IsAngle(row.intFirstBody)) // a natal angle by its abbreviation, in the glyph's box
            p.Print(intFirstX, y + intMapLabelGap, PointAbbr(row.intFirstBody), false, kMapLabelPoints, c.text);
        else
            p.PrintGlyph(intFirstX, intGlyphY, strBodyGlyph[row.intFirstBody], c.text);

        // The stretches, cut to the span, as a person sees them at this
        // width: stretches that meet or fall within one pixel make one bar.
        // Then a mark and its day at each pass, a pass in the pixel of the
        // one before adding nothing. Bars first and marks after keep each
        // kind of drawing together (one group each in a drawing file).
        QColor color = drawing.aspectColor[row.intKind];
        if (drawing.blnWhiteBackground)
            color = QColor::fromRgb(WhiteBackgroundColor(color.rgb()));
        const int intBarTop = y + intMapRowHeight / 2;
        const int intBarHeight = intMapRowHeight / 3;
        int intBarStart = 0, intBarEnd = -1; // the bar being drawn, in twips
        const auto drawBar = [&] {
            if (intBarEnd >= intBarStart)
                p.FillRect(intBarStart, intBarTop, std::max(intTwipsPerPixel, intBarEnd - intBarStart), intBarHeight,
                    color);
        };
        for (const OrbStretch& stretch : row.stretches) {
            const int x0 = std::max(layout.intBarsLeft, layout.X(stretch.dblBegin));
            const int x1 = std::min(layout.intBarsRight, layout.X(stretch.dblEnd));
            if (x1 < x0)
                continue;
            if (intBarEnd >= intBarStart && x0 <= std::max(intBarEnd, intBarStart + intTwipsPerPixel)) {
                intBarEnd = std::max(intBarEnd, x1);
                continue;
            }
            drawBar();
            intBarStart = x0, intBarEnd = x1;
        }
        drawBar();
        std::vector<double> marks; // the passes drawn, for their days
        for (const OrbStretch& stretch : row.stretches) {
            for (const double t : stretch.exact) {
                const int x = layout.X(t);
                if (x < layout.intBarsLeft || x > layout.intBarsRight
                    || (!marks.empty() && x - layout.X(marks.back()) < intTwipsPerPixel))
                    continue;
                marks.push_back(t);
                p.Line(x, intBarTop - intMapMarkAbove, x, intBarTop + intBarHeight + intMapMarkBelow, c.mark, 2);
            }
        }
        int intPassLabelEnd = -1;
        for (const double t : marks) {
            const int x = layout.X(t);
            const QString strDay = TimeMapDayLabel(t, drawing.intZoneMinutes);
            const int intWidth = RecordedPicture::TextWidth(strDay, kMapPassPoints);
            // Centred on its mark, but within the bars' area: never over the
            // row's glyphs on the left nor past the right edge.
            const int intLeft = std::clamp(x - intWidth / 2, layout.intBarsLeft, layout.intBarsRight - intWidth);
            if (intLeft > intPassLabelEnd) {
                p.Print(intLeft, y + intMapPassLabelTop, strDay, false, kMapPassPoints, c.text);
                intPassLabelEnd = intLeft + intWidth + intMapPassLabelGap;
            }
        }
    }

    // The current moment, across the rows.
    if (drawing.dblNow >= drawing.dblFrom && drawing.dblNow <= drawing.dblUntil) {
        const int x = layout.X(drawing.dblNow);
        p.Line(x, layout.intStripTop - intMapGridOverhang, x, intRowsBottom, c.now, 2);
    }
    return picture;
}

const OrbStretch* StretchAt(const TimeMapDrawing& drawing, const TimeMapLayout& layout, int x, int y, int& intRow)
{
    intRow = layout.RowAt(y);
    if (intRow < 0 || intRow >= static_cast<int>(drawing.rows.size()))
        return nullptr;
    const OrbStretch* nearest = nullptr;
    int intDistance = intMapNearPixels * intTwipsPerPixel + 1;
    for (const OrbStretch& stretch : drawing.rows[static_cast<size_t>(intRow)].stretches) {
        const int x0 = layout.X(stretch.dblBegin), x1 = layout.X(stretch.dblEnd);
        const int d = x < x0 ? x0 - x : (x > x1 ? x - x1 : 0);
        if (d < intDistance) {
            intDistance = d;
            nearest = &stretch;
        }
    }
    return nearest;
}

std::vector<const SkyEvent*> SkyEventsAt(const TimeMapDrawing& drawing, const TimeMapLayout& layout, int x, int y)
{
    std::vector<const SkyEvent*> found;
    if (y < layout.intStripTop || y >= layout.intStripTop + layout.intStripHeight)
        return found;
    for (const SkyEvent& e : drawing.skyEvents) {
        if (std::abs(layout.X(e.dblMoment) - x) <= intMapNearPixels * intTwipsPerPixel)
            found.push_back(&e);
    }
    return found;
}

} // namespace qal
