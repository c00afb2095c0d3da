// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Birth data in the window, as a user gives it: a clock time typed into the
// hour list, a place from the atlas or typed coordinates with a zone, a
// Julian date, a skipped and a repeated clock time, and all of it saved and
// loaded with the state.
#include "TestSupport.h"
#include "WindowSupport.h"
#include "dialogs/frmPlace.h"
#include "platform/Calendar.h"
#include "text/Texts.h"
#include "ui/MessageBoxes.h"
#include "ui/ModalDialogs.h"
#include "ui/UiScript.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace qal;
using qal::test::Control;

namespace {

// The UT moment of a Gregorian date and a UT clock time.
double UtMoment(int y, int m, int d, int h, int mi)
{
    platform::EuroDate date { y, m, d, platform::kGregorian, 0, 0 };
    return platform::EuroDateToJdn(date) - 0.5 + (h * 60 + mi) / 1440.0;
}

class BirthDataWindow : public test::MainWindowTest {
protected:
    QPushButton* cmdPlace(int k) const { return Control<QPushButton>(form.get(), "cmdPlace", k); }
    template <typename T> T* Place(const char* strName) const { return Control<T>(form->PlaceDialog(), strName); }
    // Types a clock time into date set k's hour list, as a user does.
    void TypeHour(int k, const QString& strText)
    {
        QLineEdit* edit = cboHour(k)->lineEdit();
        edit->setText(strText);
        Q_EMIT edit->textEdited(strText);
    }
    // Opens date set k's place dialog and does what work says there.
    void InPlaceDialog(int k, const std::function<void()>& work)
    {
        ui::QueueModalAction(work);
        cmdPlace(k)->click();
    }
    // Searches the atlas and takes the first city listed.
    void ChooseCity(int k, const QString& strQuery)
    {
        InPlaceDialog(k, [&] {
            Place<QLineEdit>("txtSearch")->setText(strQuery);
            form->PlaceDialog()->txtSearch_Change();
            Place<QListWidget>("lstPlaces")->setCurrentRow(0);
            form->PlaceDialog()->cmdOK_Click();
        });
    }
};

TEST_F(BirthDataWindow, AClockTimeTypedIntoTheHourListCountsAndSteps)
{
    FillDateSet(0, "2018", 3, 5, "08:00", "GMT+1:00");
    optPlanetary()->click();
    TypeHour(0, QStringLiteral("8:13"));
    cmdCompute()->click();
    EXPECT_DOUBLE_EQ(dblChartJD[0], UtMoment(2018, 3, 5, 7, 13));
    EXPECT_EQ(cboHour(0)->currentText(), QStringLiteral("08:13")); // written back as read
    EXPECT_EQ(form->ShownDateText(0), QStringLiteral("March 5, 2018, 08:13 (GMT+1:00)"));
    cboForwardBack()->setCurrentIndex(0); // half an hour
    cmdForwardBack(0)->click();
    EXPECT_EQ(cboHour(0)->currentText(), QStringLiteral("08:43"));
    EXPECT_DOUBLE_EQ(dblChartJD[0], UtMoment(2018, 3, 5, 7, 43));
    // An entry of the list chosen again is that entry.
    cboHour(0)->setCurrentIndex(cboHour(0)->findText(QStringLiteral("09:30")));
    cmdCompute()->click();
    EXPECT_DOUBLE_EQ(dblChartJD[0], UtMoment(2018, 3, 5, 8, 30));

    // A text that is no time is refused as a bad date is, and nothing shown changes.
    const double dblBefore = dblChartJD[0];
    TypeHour(0, QStringLiteral("half past eight"));
    ui::TakeMessageLog();
    cmdCompute()->click();
    const auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].strText.endsWith(GetText(TextId::ClockUnreadable))) << log[0].strText.toStdString();
    EXPECT_EQ(form->Grid().cells.empty(), false);
    EXPECT_EQ(form->ShownDurationInputs().dblChartJD[0], dblBefore);
}

TEST_F(BirthDataWindow, APlaceFromTheAtlasGivesTheClockOfThatPlaceThatDay)
{
    // Ulm, 14 March 1879, 11:30: its own mean time, 39 min 58 s ahead of Greenwich.
    FillDateSet(1, "1879", 3, 14, "11:30", "GMT+1:00");
    ChooseCity(1, QStringLiteral("Ulm, Germany"));
    EXPECT_EQ(cmdPlace(1)->text(), QStringLiteral("Ulm"));
    EXPECT_TRUE(cmdPlace(1)->toolTip().contains(QStringLiteral("48°24'N 9°59'E")));
    EXPECT_EQ(cboTimezone(1)->currentText(), QStringLiteral("GMT+0:39:58 LMT"));
    optNatal(0)->click();
    EXPECT_NEAR(dblChartJD[1], UtMoment(1879, 3, 14, 11, 30) - 2398 / 86400.0, 1e-9);
    EXPECT_EQ(form->ShownDateText(1), QStringLiteral("March 14, 1879, 11:30 (GMT+0:39:58 LMT)"));
    // The same place in summer 1945: Berlin's double summer time.
    FillDateSet(1, "1945", 6, 15, "12:00", "");
    cboTimezone(1)->setCurrentIndex(intPlaceZoneIndex);
    cmdCompute()->click();
    EXPECT_EQ(cboTimezone(1)->currentText(), QStringLiteral("GMT+3:00 CEMT"));
    EXPECT_NEAR(dblChartJD[1], UtMoment(1945, 6, 15, 9, 0), 1e-9);

    // Another zone chosen from the list: its offset counts, the place goes.
    cboTimezone(1)->setCurrentIndex(cboTimezone(1)->findText(QStringLiteral("GMT")));
    form->cboTimezone_Click(1);
    EXPECT_EQ(cmdPlace(1)->text(), GetText(TextId::PlaceButton));
    EXPECT_EQ(cboTimezone(1)->count(), intTimezoneListCount);
    cmdCompute()->click();
    EXPECT_NEAR(dblChartJD[1], UtMoment(1945, 6, 15, 12, 0), 1e-9);
}

TEST_F(BirthDataWindow, TypedCoordinatesAZoneANameAndTheJulianCalendar)
{
    FillDateSet(1, "1752", 9, 2, "06:00", "GMT");
    // Coordinates the user types; a zone that is no zone is refused, the dialog stays.
    InPlaceDialog(1, [&] {
        Place<QLineEdit>("txtCoordinates")->setText(QStringLiteral("51N30 0W8"));
        Place<QComboBox>("cboZone")->setEditText(QStringLiteral("Europe/Londres"));
        form->PlaceDialog()->cmdOK_Click();
        EXPECT_EQ(ui::TakeMessageLog().value(0).strText, GetText(TextId::PlaceZoneMissing));
        Place<QComboBox>("cboZone")->setEditText(QStringLiteral("Europe/London"));
        Place<QLineEdit>("txtCoordinates")->setText(QStringLiteral("51 north"));
        form->PlaceDialog()->cmdOK_Click();
        EXPECT_EQ(ui::TakeMessageLog().value(0).strText, GetText(TextId::PlaceCoordinatesBad));
        Place<QLineEdit>("txtCoordinates")->setText(QStringLiteral("51N30 0W8"));
        Place<QCheckBox>("chkJulian")->setChecked(true);
        form->PlaceDialog()->cmdOK_Click();
    });
    EXPECT_EQ(cmdPlace(1)->text(), QStringLiteral("51°30'N 0°8'W")); // no name: the coordinates name it
    optNatal(0)->click();
    // Julian 2 September 1752 is Gregorian 13 September; London kept its mean time (−0:00:32 by its longitude).
    EXPECT_NEAR(dblChartJD[1], UtMoment(1752, 9, 13, 6, 0) + 32 / 86400.0, 1e-9);
    EXPECT_EQ(form->ShownDateText(1), QStringLiteral("September 2, 1752 (Julian), 06:00 (GMT-0:00:32 LMT)"));

    // "No place": the list's zones again; the Julian mark stays until unticked.
    InPlaceDialog(1, [&] { form->PlaceDialog()->cmdNoPlace_Click(); });
    EXPECT_EQ(cmdPlace(1)->text(), GetText(TextId::PlaceButton));
    cboTimezone(1)->setCurrentIndex(cboTimezone(1)->findText(QStringLiteral("GMT")));
    cmdCompute()->click();
    EXPECT_NEAR(dblChartJD[1], UtMoment(1752, 9, 13, 6, 0), 1e-9);
    // Cancel changes nothing.
    InPlaceDialog(1, [&] {
        Place<QCheckBox>("chkJulian")->setChecked(false);
        form->PlaceDialog()->reject();
    });
    cmdCompute()->click();
    EXPECT_NEAR(dblChartJD[1], UtMoment(1752, 9, 13, 6, 0), 1e-9);
}

// Summer time began at 02:00 on 28 March 2021 in Berlin; it ended at 03:00
// on 31 October, and 02:30 came twice.
TEST_F(BirthDataWindow, ASkippedClockTimeIsRefusedAndARepeatedOneAsksWhichWasMeant)
{
    FillDateSet(1, "2021", 3, 28, "02:30", "GMT+1:00");
    ChooseCity(1, QStringLiteral("Berlin"));
    ui::TakeMessageLog();
    optNatal(0)->click();
    auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].strText.contains(GetTextWithMarkers(TextId::ClockSkipped, QStringLiteral("GMT+1:00 CET"),
        QStringLiteral("GMT+2:00 CEST"))))
        << log[0].strText.toStdString();
    EXPECT_LT(dblChartJD[1], 0);

    FillDateSet(1, "2021", 10, 31, "02:30", "");
    cboTimezone(1)->setCurrentIndex(intPlaceZoneIndex);
    ui::QueueMsgAnswer(ui::MsgAnswer::No); // the second time
    optNatal(0)->click();
    log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].strText.contains(QStringLiteral("GMT+2:00 CEST")) && log[0].strText.contains(QStringLiteral("GMT+1:00 CET")));
    EXPECT_NEAR(dblChartJD[1], UtMoment(2021, 10, 31, 1, 30), 1e-9);
    cmdCompute()->click(); // answered once for this clock time
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());
    TypeHour(1, QStringLiteral("02:45")); // another clock time: asked again
    ui::QueueMsgAnswer(ui::MsgAnswer::Yes);
    cmdCompute()->click();
    EXPECT_EQ(ui::TakeMessageLog().size(), 1);
    EXPECT_NEAR(dblChartJD[1], UtMoment(2021, 10, 31, 0, 45), 1e-9);
    TypeHour(1, QStringLiteral("02:50"));
    ui::QueueMsgAnswer(ui::MsgAnswer::Cancel); // no answer: nothing computed
    const double dblShown = form->ShownDurationInputs().dblChartJD[1];
    cmdCompute()->click();
    EXPECT_EQ(ui::TakeMessageLog().size(), 1);
    EXPECT_EQ(form->ShownDurationInputs().dblChartJD[1], dblShown);
}

// Saved and loaded again: the minutes, the place, its clock and the Julian
// mark come back, in the user's state and in a file of the user's choice.
TEST_F(BirthDataWindow, TheStateKeepsTheBirthData)
{
    FillDateSet(1, "1879", 3, 14, "11:30", "GMT+1:00");
    TypeHour(1, QStringLiteral("11:47"));
    ChooseCity(1, QStringLiteral("Ulm"));
    FillDateSet(2, "1700", 2, 29, "06:00", "GMT");
    InPlaceDialog(2, [&] {
        Place<QCheckBox>("chkJulian")->setChecked(true);
        form->PlaceDialog()->cmdOK_Click();
    });
    optSynastry()->click();
    const double dblMoments[2] = { dblChartJD[1], dblChartJD[2] };
    ASSERT_GT(dblMoments[1], 0);
    QTemporaryDir dir;
    const QString strFile = dir.filePath(QStringLiteral("births.qal"));
    ASSERT_EQ(form->SaveState(strFile), QString());

    StartWindow();
    ui::TakeMessageLog();
    ASSERT_EQ(form->LoadState(strFile), QString());
    EXPECT_EQ(cmdPlace(1)->text(), QStringLiteral("Ulm"));
    EXPECT_EQ(cboHour(1)->currentText(), QStringLiteral("11:47"));
    EXPECT_EQ(cboTimezone(1)->currentText(), QStringLiteral("GMT+0:39:58 LMT"));
    cmdCompute()->click();
    EXPECT_DOUBLE_EQ(dblChartJD[1], dblMoments[0]);
    EXPECT_DOUBLE_EQ(dblChartJD[2], dblMoments[1]);
    EXPECT_TRUE(form->ShownDateText(2).contains(GetText(TextId::JulianCalendarMark)));
}

} // namespace
