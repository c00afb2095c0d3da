// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The angles and the houses in the window: the wheel's axes and cusps (one
// ring and two, the cusps switched off), and a natal Midheaven that Pluto
// crosses three times followed through the durations window, its exact
// moments, the time map and the calendar file; the house system chosen in
// the configuration and kept.
#include "TestSupport.h"
#include "WindowSupport.h"
#include "astro/ChartAngles.h"
#include "astro/Longitudes.h"
#include "dialogs/frmConfigure.h"
#include "dialogs/frmDurations.h"
#include "dialogs/frmPlace.h"
#include "dialogs/frmTimeMap.h"
#include "settings/Configuration.h"
#include "settings/RegistrySwitches.h"
#include "text/Texts.h"
#include "ui/ModalDialogs.h"
#include "ui/PictureBox.h"
#include "ui/UiScript.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cmath>

using namespace qal;
using qal::test::Control;

namespace {

class AnglesWindow : public test::MainWindowTest {
protected:
    // Gives date set k a place by its coordinates, in a zone of the database.
    void SetPlace(int k, const char* strCoordinates, const char* strZone)
    {
        ui::QueueModalAction([&] {
            Control<QLineEdit>(form->PlaceDialog(), "txtCoordinates")->setText(QString::fromLatin1(strCoordinates));
            Control<QComboBox>(form->PlaceDialog(), "cboZone")->setEditText(QString::fromLatin1(strZone));
            form->PlaceDialog()->cmdOK_Click();
        });
        Control<QPushButton>(form.get(), "cmdPlace", k)->click();
    }
    // The texts of the wheel shown, with their colours.
    QStringList WheelTexts(const QColor& color) const
    {
        QStringList texts;
        for (const PictureOp& op : picGraphic()->Picture()->Ops()) {
            if (op.kind == PictureOp::Kind::Text && op.color == color)
                texts << op.strText;
        }
        return texts;
    }
};

TEST_F(AnglesWindow, TheWheelDrawsTheAxesAndTheCuspsOfTheChartWithAPlace)
{
    FillDateSet(1, "1879", 3, 14, "11:30", "GMT+1:00");
    optNatal(0)->click();
    cmdToggleGraphic()->click();
    EXPECT_TRUE(WheelTexts(CuspColor()).isEmpty()); // no place: no houses
    cmdToggleGraphic()->click();

    SetPlace(1, "48N24 9E59", "Europe/Berlin");
    optNatal(0)->click();
    cmdToggleGraphic()->click();
    QStringList numbers = WheelTexts(CuspColor());
    numbers.sort();
    EXPECT_EQ(numbers.size(), 12);
    EXPECT_TRUE(numbers.contains(QStringLiteral("1")) && numbers.contains(QStringLiteral("12")));
    const QStringList labels = WheelTexts(QColor(224, 224, 224));
    EXPECT_TRUE(labels.contains(QStringLiteral("AC")) && labels.contains(QStringLiteral("MC")));
    EXPECT_TRUE(txbReport()->toPlainText().contains(GetText(TextId::AnglesHeader) + QLatin1Char(':')));

    // The cusps switched off: the axes stay.
    test::ChangeConfig([](ConfigurationSettings& c) { c.blnShowHouseCusps = false; });
    cmdCompute()->click();
    EXPECT_TRUE(WheelTexts(CuspColor()).isEmpty());
    EXPECT_TRUE(WheelTexts(QColor(224, 224, 224)).contains(QStringLiteral("AC")));
    test::ChangeConfig([](ConfigurationSettings& c) { c.blnShowHouseCusps = true; });

    // Two rings: the natal chart's angles, not the transits' (which have no place here).
    FillDateSet(0, "2021", 7, 1, "12:00", "GMT");
    optPersonal(0)->click();
    EXPECT_EQ(WheelTexts(CuspColor()).size(), 12);
}

// Pluto stood still twice in 2021: a natal Midheaven in the middle of its
// loop is crossed three times, and the window says so everywhere.
TEST_F(AnglesWindow, TransitsToTheNatalMidheavenAreTimedListedMappedAndExported)
{
    const LongitudeSource source = PreciseSource(false);
    double dblLow = 7, dblHigh = 0;
    for (double t = 2459215.5; t < 2459580.5; t += 1) {
        dblLow = std::min(dblLow, source(intPluto, t));
        dblHigh = std::max(dblHigh, source(intPluto, t));
    }
    const double dblTarget = (dblLow + dblHigh) / 2;
    // A birth in London on 15 June 1970 (British Standard Time, GMT+1) at the minute whose Midheaven is nearest.
    int intBest = 0;
    double dblBest = 10;
    for (int m = 0; m < 1440; ++m) {
        const double t = 2440752.5 + (m - 60) / 1440.0; // 1970-06-15 00:00 local
        const double d = std::fabs(std::remainder(AnglesAt(t, 51.5, -0.1333, 0, false).dblMidheaven - dblTarget, dblTwoPi));
        if (d < dblBest)
            dblBest = d, intBest = m;
    }
    ASSERT_LT(RadToDeg(dblBest), 0.3);
    const QByteArray clock = QStringLiteral("%1:%2").arg(intBest / 60, 2, 10, QLatin1Char('0')).arg(intBest % 60, 2, 10, QLatin1Char('0')).toLatin1();
    FillDateSet(1, "1970", 6, 15, "", "");
    cboHour(1)->setEditText(QString::fromLatin1(clock));
    SetPlace(1, "51N30 0W8", "Europe/London");
    FillDateSet(0, "2021", 7, 1, "12:00", "GMT");
    StoreExactMomentsSwitch(true);
    optPersonal(0)->click();
    ASSERT_GT(dblChartJD[1], 0);

    // The durations window: the transit with its days, and its three passes.
    cmdReport()->click();
    test::WaitForJobs(form->DurationsWindow());
    const QString strText = Control<QPlainTextEdit>(form->DurationsWindow(), "txbOutput")->toPlainText();
    const qsizetype intAt = strText.indexOf(QStringLiteral("n.MC"));
    ASSERT_GE(intAt, 0) << strText.toStdString();
    const QString strLines = strText.mid(intAt, strText.indexOf(QStringLiteral("\n"), strText.indexOf(QLatin1Char('\n'), intAt) + 1) - intAt);
    EXPECT_TRUE(strLines.contains(QStringLiteral("tr.Pluto"))) << strLines.toStdString();
    EXPECT_TRUE(strText.contains(QStringLiteral("(3 passes)"))) << strText.toStdString();

    // The time map: a row for it, labelled MC, with three marks.
    frmTimeMap* map = OpenTimeMap();
    const auto& rows = map->Drawing().rows;
    const auto row = std::find_if(rows.begin(), rows.end(),
        [](const TimeMapRow& r) { return r.intFirstBody == intMidheaven && r.intSecondBody == intPluto && r.intKind == 1; });
    ASSERT_NE(row, rows.end());
    std::size_t intPasses = 0;
    for (const OrbStretch& stretch : row->stretches)
        intPasses += stretch.exact.size();
    EXPECT_EQ(intPasses, 3u);
    map->hide();

    // The calendar file: the stretch and its three passes.
    QTemporaryDir dir;
    ui::QueueFileName(dir.filePath(QStringLiteral("transits.ics")));
    Control<QPushButton>(form->DurationsWindow(), "cmdSaveCalendar")->click();
    test::WaitForJobs(form->DurationsWindow());
    ui::TakeMessageLog();
    QFile calendar(dir.filePath(QStringLiteral("transits.ics")));
    ASSERT_TRUE(calendar.open(QIODevice::ReadOnly));
    const QString strCalendar = QString::fromUtf8(calendar.readAll());
    EXPECT_EQ(strCalendar.count(QStringLiteral("SUMMARY:Pluto conjunct natal Midheaven (exact\\, pass")), 3);
    EXPECT_EQ(strCalendar.count(QStringLiteral("SUMMARY:Pluto conjunct natal Midheaven (within orb)")), 1);
}

TEST_F(AnglesWindow, TheHouseSystemIsChosenInTheConfigurationAndKept)
{
    ui::QueueModalAction([&] {
        auto* houses = Control<QComboBox>(form->ConfigureDialog(), "cboHouseSystem");
        houses->setCurrentIndex(1);
        Q_EMIT houses->activated(1);
        Control<QPushButton>(form->ConfigureDialog(), "cmdAccept")->click();
        Control<QPushButton>(form->ConfigureDialog(), "cmdHide")->click();
    });
    cmdConfigure()->click();
    EXPECT_EQ(udtConfig.intHouseSystem, 1);
    EXPECT_EQ(HouseSystemName(udtConfig.intHouseSystem), QStringLiteral("Koch"));
    // Kept for the next start, and in a state file.
    ConfigurationSettings read;
    ApplyHouseSettings(read);
    EXPECT_EQ(read.intHouseSystem, 1);
    QTemporaryDir dir;
    const QString strFile = dir.filePath(QStringLiteral("koch.qal"));
    ASSERT_EQ(form->SaveState(strFile), QString());
    QFile file(strFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("c houses=K"));
    test::ChangeConfig([](ConfigurationSettings& c) { c.intHouseSystem = 0; });
    ASSERT_EQ(form->LoadState(strFile), QString());
    EXPECT_EQ(udtConfig.intHouseSystem, 1);
    // In German the list names them in German.
    optGerman()->click();
    EXPECT_EQ(Control<QComboBox>(form->ConfigureDialog(), "cboHouseSystem")->itemText(3), QStringLiteral("Ganzzeichen"));
}

} // namespace
