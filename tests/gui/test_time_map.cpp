// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The time map window, opened from the durations window: its bars where the
// stretches are, what pointing and double-clicking show, its choices, and
// saving it as a drawing.
#include "TestSupport.h"
#include "WindowSupport.h"
#include "chart/AspectCalendarEvents.h"
#include "chart/AspectCourse.h"
#include "chart/SkyEventTexts.h"
#include "dates/DatePr2.h"
#include "dialogs/frmDurations.h"
#include "dialogs/frmTimeMap.h"
#include "drawing/Colors.h"
#include "drawing/ImageExport.h"
#include "drawing/TimeMapPicture.h"
#include "settings/Configuration.h"
#include "ui/JobProgress.h"
#include "ui/PictureBox.h"
#include "ui/UiScript.h"
#include "util/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QPainter>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace qal;

namespace {

class TimeMapWindow : public test::MainWindowTest {
protected:
    frmTimeMap* Open(QRadioButton* mode)
    {
        mode->click();
        cmdReport()->click();
        return OpenTimeMap();
    }
    template <typename T> T* Map(const char* strName) { return test::Control<T>(form->TimeMapWindow(), strName); }
};

TEST_F(TimeMapWindow, BarsWhereTheStretchesArePointingDoubleClickingAndSaving)
{
    FillDateSet(0, "2021", 3, 1, "12:00", "GMT");
    FillDateSet(1, "1970", 6, 1, "08:00", "GMT+1:00");
    frmTimeMap* window = Open(optPersonal(0));
    ASSERT_TRUE(window->isVisible());
    const TimeMapDrawing& drawing = window->Drawing();
    const TimeMapLayout& layout = window->Layout();
    EXPECT_NEAR(drawing.dblUntil, MomentMonthsLater(drawing.dblFrom, 13, 0), 1e-9); // calendar months
    ASSERT_FALSE(drawing.rows.empty());
    for (const TimeMapRow& row : drawing.rows)
        EXPECT_TRUE(row.blnNatal && row.intSecondBody != intMoon);
    EXPECT_FALSE(drawing.skyEvents.empty()); // the strip's, computed with the rows
    EXPECT_EQ(layout.intRowsTop, layout.intStripTop + layout.intStripHeight);

    // A stretch wholly inside the span: its bar's pixels begin and end where its moments fall.
    int intRow = -1;
    const OrbStretch* inside = nullptr;
    for (size_t i = 0; i < drawing.rows.size() && !inside; ++i) {
        for (const OrbStretch& s : drawing.rows[i].stretches) {
            if (s.dblBegin > drawing.dblFrom && s.dblEnd < drawing.dblUntil && s.dblEnd - s.dblBegin > 20) {
                inside = &s, intRow = static_cast<int>(i);
                break;
            }
        }
    }
    ASSERT_NE(inside, nullptr);
    const QImage image = window->Map()->Picture()->Render(1, true);
    const int y = (layout.intRowsTop + intRow * layout.intRowHeight + layout.intRowHeight * 2 / 3) / intTwipsPerPixel;
    const QRgb barColor = ToQColor(udtConfig.dblAspectColor[drawing.rows[intRow].intKind]).rgb();
    const int x0 = layout.X(inside->dblBegin) / intTwipsPerPixel, x1 = layout.X(inside->dblEnd) / intTwipsPerPixel;
    EXPECT_EQ(image.pixel(x0 + 2, y), barColor);
    EXPECT_EQ(image.pixel(x1 - 2, y), barColor);
    EXPECT_NE(image.pixel(x0 - 3, y), barColor);
    EXPECT_NE(image.pixel(x1 + 3, y), barColor);

    // Pointing names the transit and its moments; a double click shows its graph.
    const int xMiddle = (layout.X(inside->dblBegin) + layout.X(inside->dblEnd)) / 2;
    const int yRow = layout.intRowsTop + intRow * layout.intRowHeight + layout.intRowHeight / 2;
    const QString strPointed = window->PointedText(xMiddle, yRow);
    EXPECT_TRUE(strPointed.startsWith(AspectName(StretchOfRow(drawing.rows[intRow], *inside))));
    EXPECT_TRUE(strPointed.contains(QStringLiteral("within orb from"))) << strPointed.toStdString();
    EXPECT_TRUE(window->PointedText(xMiddle, layout.intStripTop - 30).isEmpty());
    // Pointing at a tick of the strip names the sky's event there, with its moment.
    const SkyEvent& station = *std::find_if(drawing.skyEvents.begin(), drawing.skyEvents.end(),
        [](const SkyEvent& e) { return e.kind == SkyEventKind::Station; });
    const QString strEvent
        = window->PointedText(layout.X(station.dblMoment), layout.intStripTop + layout.intStripHeight / 2);
    EXPECT_TRUE(strEvent.contains(SkyEventName(station))) << strEvent.toStdString();
    EXPECT_TRUE(strEvent.contains(LocalMomentText(station.dblMoment, drawing.intZoneMinutes))) << strEvent.toStdString();
    window->picMap_DblClick(xMiddle, yRow);
    EXPECT_TRUE(form->GraphShown());

    // Another span, the Moon shown: the map is computed again.
    Map<QComboBox>("cboSpan")->setCurrentIndex(0);
    test::WaitForTimeMap(window);
    EXPECT_NEAR(drawing.dblUntil, MomentMonthsLater(drawing.dblFrom, 1, 0), 1e-9);
    Map<QCheckBox>("chkMovingMoon")->click();
    test::WaitForTimeMap(window);
    EXPECT_TRUE(std::any_of(
        drawing.rows.begin(), drawing.rows.end(), [](const TimeMapRow& row) { return row.intSecondBody == intMoon; }));

    // Saved as PDF; on the sky a double click gives an aspect's details.
    QTemporaryDir dir;
    ui::QueueFileName(dir.filePath(QStringLiteral("map.pdf")));
    Map<QPushButton>("cmdSaveImage")->click();
    EXPECT_TRUE(ui::TakeMessageLog().value(0).strText.startsWith(GetText(TextId::ImageSaved)));
    QFile pdf(dir.filePath(QStringLiteral("map.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    window->hide();
    form->DurationsWindow()->hide();
    Open(optPlanetary());
    const TimeMapRow& sky = window->Drawing().rows.front();
    const OrbStretch& first = sky.stretches.front();
    window->picMap_DblClick(window->Layout().X(std::max(first.dblBegin, window->Drawing().dblFrom)) + 30,
        window->Layout().intRowsTop + window->Layout().intRowHeight / 2);
    EXPECT_EQ(ui::TakeMessageLog().value(0).strTitle, AspectName(StretchOfRow(sky, first)));

    // A natal chart has no time map.
    form->DurationsWindow()->hide();
    optNatal(0)->click();
    cmdReport()->click();
    EXPECT_FALSE(test::Control<QPushButton>(form->DurationsWindow(), "cmdTimeMap")->isVisible());
}

// Ten years with the Moon are computed on the work pool while the window
// answers; Cancel half-way leaves the map and its choices as they were.
TEST_F(TimeMapWindow, ATenYearMapCancelledHalfWayChangesNothing)
{
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    frmTimeMap* window = Open(optPlanetary());
    const TimeMapDrawing before = window->Drawing();
    auto* progress = Map<QProgressBar>("prgCompute");
    auto* cancel = Map<QPushButton>("cmdCancel");
    EXPECT_FALSE(cancel->isVisible());

    Map<QCheckBox>("chkMovingMoon")->click();
    Map<QComboBox>("cboSpan")->setCurrentIndex(std::size(kTimeMapSpanMonths) - 1); // ten years
    ASSERT_TRUE(window->Computing());
    EXPECT_TRUE(cancel->isVisible());
    int intAnswered = 0; // events the window handled while the map was computed
    while (window->Computing() && progress->value() < 40) {
        QTimer::singleShot(0, window, [&] { ++intAnswered; });
        QApplication::processEvents();
        window->findChild<ui::JobProgress*>()->Tick();
    }
    ASSERT_TRUE(window->Computing()) << "the map was done before it could be cancelled";
    EXPECT_GT(intAnswered, 0);
    cancel->click();

    EXPECT_FALSE(window->Computing());
    EXPECT_FALSE(cancel->isVisible());
    EXPECT_FALSE(progress->isVisible());
    EXPECT_FALSE(Map<QCheckBox>("chkMovingMoon")->isChecked());
    EXPECT_EQ(Map<QComboBox>("cboSpan")->currentIndex(), intDefaultTimeMapSpan);
    const TimeMapDrawing& after = window->Drawing();
    EXPECT_EQ(after.dblFrom, before.dblFrom);
    EXPECT_EQ(after.dblUntil, before.dblUntil);
    ASSERT_EQ(after.rows.size(), before.rows.size());
    for (std::size_t i = 0; i < after.rows.size(); ++i)
        EXPECT_EQ(after.rows[i].stretches.size(), before.rows[i].stretches.size());

    // Asked again, the map is made whole.
    Map<QComboBox>("cboSpan")->setCurrentIndex(4);
    test::WaitForTimeMap(window);
    EXPECT_NEAR(window->Drawing().dblUntil, MomentMonthsLater(window->Drawing().dblFrom, 24, 60), 1e-9);
}

} // namespace

namespace {

// Everything of a narrow map stands whole in its place: the title broken into
// lines of the picture's width (the span's end kept), the date labels inside
// the picture, the days of the passes inside the bars' area, never over the
// rows' glyphs.
TEST(TimeMapFiles, TitleDatesAndDaysStandWholeInTheirPlaces)
{
    TimeMapRequest request;
    request.chart.intMode = modePersonal1;
    request.chart.dblChartJD[0] = 2461381.0;
    request.chart.dblChartJD[1] = 2440753.79; // 15 June 1970, 07:00 UT
    TimeMapSpan(request.chart.dblChartJD[0], 13, 60, request.dblFrom, request.dblUntil);
    request.chart.intTimezoneMinutes = 60;
    const ConfigurationSettings config;
    const TimeMapDrawing drawing = MakeTimeMapDrawing(request, { ComputeTimeMap(request, config, OrbTableFor(config)), {} },
        config, 0,
        QStringLiteral("QAL - Quick Aspect Lookup - Personal transits to natal chart 1  Orbs: 1°20' to 3°20'  Birth: "
                       "1970-06-15 08:00+01:00  Tropical zodiac"),
        false);
    const TimeMapLayout layout = LayOutTimeMap(drawing, 700 * intTwipsPerPixel);
    const auto picture = PaintTimeMap(drawing, layout);
    ASSERT_GE(layout.titleLines.size(), 2);
    EXPECT_TRUE(layout.titleLines.last().endsWith(QStringLiteral("December 6, 2027")));
    EXPECT_EQ(layout.titleLines.join(QStringLiteral("  ")).remove(QLatin1Char(' ')),
        QString(drawing.strTitle).remove(QLatin1Char(' ')));
    int intDays = 0;
    for (const PictureOp& op : picture->Ops()) {
        if (op.kind != PictureOp::Kind::Text)
            continue;
        const int intRight = op.x1 + RecordedPicture::TextWidth(op.strText, op.dblPointSize);
        EXPECT_LE(intRight, layout.intWidth - 120) << op.strText.toStdString();
        if (op.y1 >= layout.intRowsTop && op.dblPointSize < 7) { // the day of a pass
            EXPECT_GE(op.x1, layout.intBarsLeft) << op.strText.toStdString();
            EXPECT_LE(intRight, layout.intBarsRight) << op.strText.toStdString();
            ++intDays;
        }
    }
    EXPECT_GT(intDays, 5);
    EXPECT_EQ(ExactMomentsText(OrbStretch {}, 0), QStringLiteral("never exact during this stretch within orb"));
}

// The strip of the sky's events between the dates and the rows: a tick at
// each station, slow ingress and eclipse, labels (SR, SD, the signs) within
// the bars' area, and the rows moved down below it.
TEST(TimeMapFiles, TheSkysEventsStandInTheirStripAboveTheRows)
{
    TimeMapRequest request;
    request.chart.intMode = modePlanetary;
    request.dblFrom = 2460310.5; // 1 January 2024
    request.dblUntil = 2460676.5; // 1 January 2025
    const ConfigurationSettings config;
    const TimeMapDrawing drawing = MakeTimeMapDrawing(request, { {}, ComputeTimeMapEvents(request) }, config, 0, {}, false);
    TimeMapDrawing without = drawing;
    without.skyEvents.clear();
    const TimeMapLayout plain = LayOutTimeMap(without, 1400 * intTwipsPerPixel);
    const TimeMapLayout layout = LayOutTimeMap(drawing, 1400 * intTwipsPerPixel);
    EXPECT_EQ(plain.intStripHeight, 0);
    ASSERT_GT(layout.intStripHeight, 0);
    EXPECT_EQ(layout.intRowsTop, plain.intRowsTop + layout.intStripHeight);

    int intStations = 0, intEclipses = 0, intSlowIngresses = 0;
    for (const SkyEvent& e : drawing.skyEvents) {
        intStations += e.kind == SkyEventKind::Station;
        intEclipses += e.kind == SkyEventKind::Eclipse;
        intSlowIngresses += e.kind == SkyEventKind::Ingress;
        if (e.kind == SkyEventKind::Ingress) {
            EXPECT_GE(e.intBody, intJupiter);
        }
    }
    EXPECT_EQ(intEclipses, 4); // 2024: two solar, two lunar
    EXPECT_GE(intStations, 15);
    // Pluto into Aquarius, Jupiter into Gemini, Pluto back into Capricorn and into Aquarius again.
    EXPECT_EQ(intSlowIngresses, 4);
    const auto picture = PaintTimeMap(drawing, layout);
    int intTicks = 0, intMarks = 0;
    for (const PictureOp& op : picture->Ops()) {
        const bool blnInStrip = op.y1 >= layout.intStripTop && op.y1 < layout.intRowsTop;
        if (op.kind == PictureOp::Kind::Line && blnInStrip && op.x1 == op.x2 && op.y1 > layout.intStripTop)
            ++intTicks;
        if (op.kind == PictureOp::Kind::Text && blnInStrip && (op.strText == QLatin1String("SR") || op.strText == QLatin1String("SD")))
            ++intMarks;
        if (blnInStrip && op.kind != PictureOp::Kind::Line) {
            EXPECT_GE(op.x1, layout.intBarsLeft);
            EXPECT_LE(op.x1, layout.intBarsRight);
        }
    }
    EXPECT_EQ(intTicks, static_cast<int>(drawing.skyEvents.size()));
    EXPECT_GT(intMarks, intStations / 2); // most stations labelled; where the lanes are full only their ticks
}

// Ten years of the sky with the Moon's rows: thousands of stretches shorter
// than a pixel. Drawn as a person sees them at the window's width (stretches
// within a pixel one mark, each kind of drawing in one group), the drawing
// stays small enough to open and to mail.
TEST(TimeMapFiles, TenYearsWithTheMoonStayUnderFiveMegabytesAsSvg)
{
    TimeMapRequest request;
    request.chart.intMode = modePlanetary;
    request.chart.dblChartJD[0] = 2461381.0; // 6 December 2026, 12:00 UT
    request.dblFrom = 2461041.5; // 1 January 2026
    request.dblUntil = request.dblFrom + 3652;
    request.blnMovingMoon = true;
    const ConfigurationSettings config;
    const TimeMapDrawing drawing = MakeTimeMapDrawing(
        request, { ComputeTimeMap(request, config, OrbTableFor(config)), {} }, config, 0, QStringLiteral("map"), false);
    const TimeMapLayout layout = LayOutTimeMap(drawing, 1400 * intTwipsPerPixel);
    const auto picture = PaintTimeMap(drawing, layout);
    size_t intStretches = 0;
    for (const TimeMapRow& row : drawing.rows)
        intStretches += row.stretches.size();
    ASSERT_GT(intStretches, 15000u); // the Moon's stretches are there

    QTemporaryDir dir;
    const QString strFile = dir.filePath(QStringLiteral("map.svg"));
    ASSERT_EQ(WriteVectorFile(strFile, VectorFormat::Svg, layout.intWidth, layout.intHeight, QStringLiteral("map"),
                  [&](QPainter& painter) { picture->Replay(painter); }),
        QString());
    EXPECT_LT(QFileInfo(strFile).size(), 5 * 1000 * 1000);
    EXPECT_GT(QFileInfo(strFile).size(), 100 * 1000);
}

} // namespace
