// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// qal-cli timemap: the time map of a span drawn without a window, as an SVG
// or PDF drawing or a PNG image.
#include "cli/CliCommands.h"

#include "astro/AstroTables.h"
#include "chart/ChartCompute.h"
#include "chart/ChartModes.h"
#include "chart/TimeMap.h"
#include "util/WorkPool.h"
#include "drawing/GraphicsConversion.h"
#include "drawing/ImageExport.h"
#include "drawing/TimeMapPicture.h"
#include "platform/Clock.h"
#include "settings/Configuration.h"
#include "text/Texts.h"
#include "util/Twips.h"

#include <QPainter>

#include <cmath>

namespace qal::cli {
namespace {

constexpr double kUnixEpoch = 2440587.5; // 1970-01-01 00:00 UT

// "QAL - Quick Aspect Lookup - Personal transits to natal chart 1  Orbs: …",
// the birth and the zodiac.
QString MapTitle(const Options& o, int intMode, const OrbTable& orbs, bool blnSidereal)
{
    QString strTitle = ChartTitle(intMode, orbs);
    if (o.udtNatal)
        strTitle += QStringLiteral("  ") + GetText(TextId::Birth) + QStringLiteral(": ")
            + IsoMoment(o.udtNatal->dblJD, o.udtNatal->intZoneMinutes).replace(QLatin1Char('T'), QLatin1Char(' '));
    return strTitle + QStringLiteral("  ") + ZodiacText(blnSidereal, false);
}

} // namespace

int RunTimeMap(const Options& o, Output& out, QString& err)
{
    const ConfigurationSettings config = ConfigurationOf(o);
    const OrbTable orbs = OrbTableOf(config);
    TimeMapRequest request;
    request.chart.intMode = o.udtNatal ? modePersonal1 : modePlanetary;
    request.chart.dblChartJD[0] = o.udtMoment.dblJD;
    if (o.udtNatal) {
        request.chart.dblChartJD[1] = o.udtNatal->dblJD;
        const ChartAngles angles = NatalAngles(o, config); // with a place, rows for its angles too
        if (angles.blnKnown) {
            request.chart.dblNatalAngle[0] = angles.dblAscendant;
            request.chart.dblNatalAngle[1] = angles.dblMidheaven;
        }
    }
    request.chart.intTimezoneMinutes = ZoneMinutesAt(o, o.udtMoment.dblJD);
    request.chart.blnSidereal = config.blnSidereal;
    request.dblFrom = o.udtMoment.dblJD;
    request.dblUntil = o.udtUntil->dblJD;
    request.blnMovingMoon = o.blnMovingMoon;
    request.blnSlowOnly = o.blnSlowOnly;
    err += RangeNote(o, request.dblFrom, request.dblUntil);

    // Ctrl-C is heard within a pair of bodies; the progress line shows the years searched.
    const double dblYears = (request.dblUntil - request.dblFrom) / 365.25;
    WorkWatch watch;
    watch.stopRequested = [&out] { return out.StopRequested(); };
    watch.progress = [&](double dblDone) {
        if (!o.blnQuiet)
            out.Progress(dblDone * dblYears, dblYears, 0, "rows");
    };
    TimeMapComputed map = ComputeTimeMapWithEvents(request, config, orbs, watch);
    if (out.StopRequested())
        return intExitStopped;
    const double dblNow = kUnixEpoch + platform::ClockNowUtc().toMSecsSinceEpoch() / 86400000.0;
    const TimeMapDrawing drawing = MakeTimeMapDrawing(
        request, std::move(map), config, dblNow, MapTitle(o, request.chart.intMode, orbs, config.blnSidereal), o.blnWhite);
    const TimeMapLayout layout = LayOutTimeMap(drawing, o.intWidth * intTwipsPerPixel);
    const std::unique_ptr<RecordedPicture> picture = PaintTimeMap(drawing, layout);

    const QString strType = o.strOutput.section(QLatin1Char('.'), -1).toLower();
    QString strError;
    if (strType == QLatin1String("png")) {
        strError = WriteImageFile(picture->Render(1, true), o.strOutput, "PNG");
    } else {
        strError = WriteVectorFile(o.strOutput, strType == QLatin1String("svg") ? VectorFormat::Svg : VectorFormat::Pdf,
            layout.intWidth, layout.intHeight, drawing.strTitle, [&](QPainter& painter) { picture->Replay(painter); });
    }
    if (!strError.isEmpty()) {
        err += QStringLiteral("qal-cli: timemap: ") + o.strOutput + QStringLiteral(" was not written: ") + strError
            + QLatin1Char('\n');
        return intExitFailure;
    }
    return intExitOk;
}

} // namespace qal::cli
