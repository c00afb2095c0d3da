// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's date sets: filling their lists, reading them as moments,
// "now", and the reactions to edits.
#include "mainwindow/frmMain.h"

#include "dialogs/frmPlace.h"
#include "platform/ZoneHistory.h"
#include "settings/Configuration.h"
#include "text/Texts.h"
#include "ui/Focus.h"
#include "ui/MessageBoxes.h"
#include "ui/ModalDialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace qal {

void frmMain::SetUpTimezoneComboBoxes(bool blnPreserveIndices)
{
    const QStringList items = TimezoneListItems(udtConfig.blnDisplayNATZabbr);
    for (int k = 0; k < 3; ++k) {
        QComboBox* list = cboTimezone[k];
        const int intIndex = blnPreserveIndices ? list->currentIndex() : 0;
        list->clear();
        for (int i = 0; i < items.size(); ++i)
            list->addItem(items[i], TimezoneItemValue(i));
        list->setCurrentIndex(intIndex < list->count() ? intIndex : 0);
        if (m_extras[k].place.HasZone())
            ShowDateSetPlace(k); // its own entry after the others
    }
}

void frmMain::SetUpMonthAndStepLists()
{
    const auto refill = [](QComboBox* list, const QStringList& items, int intDefault) {
        const int intIndex = list->currentIndex();
        list->clear();
        list->addItems(items);
        list->setCurrentIndex(intIndex < 0 ? intDefault : intIndex);
    };
    const QStringList months = MonthListItems(intCurrentLanguage);
    for (QComboBox* list : cboMonthCE)
        refill(list, months, 0);
    const QStringList intervals { GetText(TextId::Step30Minutes), GetText(TextId::Step1Day), GetText(TextId::Step7Days),
        GetText(TextId::Step1Month), GetText(TextId::Step1Year) };
    refill(cboForwardBack, intervals, 1);
}

void frmMain::SetUpDateComboBoxes()
{
    SetUpMonthAndStepLists();
    for (int k = 0; k < 3; ++k) {
        cboDayCE[k]->clear();
        cboDayCE[k]->addItems(DayListItems());
        cboDayCE[k]->setCurrentIndex(0);
        txbYearCE[k]->clear();
        cboHour[k]->clear();
        cboHour[k]->addItems(HourListItems());
        cboHour[k]->setCurrentIndex(0);
    }
}

// Every reading of a date set's controls goes through here.
DateSetInput frmMain::ReadDateSet(int k) const
{
    DateSetInput udtInput;
    udtInput.strYear = txbYearCE[k]->text();
    udtInput.intMonth = std::max(0, cboMonthCE[k]->currentIndex());
    udtInput.intDay = std::max(0, cboDayCE[k]->currentIndex());
    udtInput.intHour = std::max(0, cboHour[k]->currentIndex());
    udtInput.intTimezone = std::max(0, cboTimezone[k]->currentIndex());
    // The hour list is also typed into: an entry's text is that entry, any
    // other text a clock time of its own (the half hour before it stays
    // chosen), or no time at all.
    const QString strHour = cboHour[k]->currentText().trimmed();
    if (const int intEntry = cboHour[k]->findText(strHour); intEntry >= 0) {
        udtInput.intHour = intEntry;
    } else {
        udtInput.intClockSeconds = ParseClockText(strHour);
        if (udtInput.intClockSeconds < 0)
            udtInput.intClockSeconds = intClockUnreadable;
        else
            udtInput.intHour = udtInput.intClockSeconds / 1800 + 1;
    }
    // The place's clock counts while its own entry is chosen in the zone list.
    if (m_extras[k].place.HasZone() && udtInput.intTimezone == intPlaceZoneIndex)
        udtInput.place = m_extras[k].place;
    udtInput.blnJulian = m_extras[k].blnJulian;
    udtInput.repeated = m_extras[k].repeated;
    return udtInput;
}

void frmMain::WriteDateSet(int k, const DateSetInput& udtInput)
{
    if (txbYearCE[k]->text() != udtInput.strYear)
        txbYearCE[k]->setText(udtInput.strYear);
    cboMonthCE[k]->setCurrentIndex(udtInput.intMonth);
    cboDayCE[k]->setCurrentIndex(udtInput.intDay);
    cboHour[k]->setCurrentIndex(udtInput.intHour);
    if (udtInput.intClockSeconds >= 0)
        cboHour[k]->setEditText(ClockText(udtInput.intClockSeconds));
    m_extras[k] = { udtInput.place, udtInput.blnJulian, udtInput.repeated };
    ShowDateSetPlace(k);
    if (!udtInput.place.HasZone() && udtInput.intTimezone < cboTimezone[k]->count())
        cboTimezone[k]->setCurrentIndex(udtInput.intTimezone);
}

void frmMain::ShowDateSetPlace(int k)
{
    const DateSetPlace& place = m_extras[k].place;
    QString strCaption = place.strName.isEmpty() ? place.strZoneId.section(QLatin1Char('/'), -1) : place.strName;
    strCaption.replace(QLatin1Char('_'), QLatin1Char(' '));
    cmdPlace[k]->setText(strCaption.isEmpty() ? GetText(TextId::PlaceButton) : strCaption);
    QString strTip = PlaceDescription(place);
    if (m_extras[k].blnJulian)
        strTip += (strTip.isEmpty() ? QString() : QStringLiteral(" · ")) + GetText(TextId::JulianCalendarMark);
    cmdPlace[k]->setToolTip(strTip.isEmpty() ? GetText(TextId::PlaceTitle) : strTip);
    // The zone list's own entry: the place's clock as the date set reads it.
    QComboBox* zones = cboTimezone[k];
    if (!place.HasZone()) {
        if (zones->count() > intPlaceZoneIndex) {
            if (zones->currentIndex() == intPlaceZoneIndex)
                zones->setCurrentIndex(0);
            zones->removeItem(intPlaceZoneIndex);
        }
        return;
    }
    DateSetInput udtInput = ReadDateSet(k);
    udtInput.place = place; // read with the place's clock, whichever entry the list shows now
    const DateSetReading reading = qal::ReadDateSet(udtInput, intComputerTzIndex, udtConfig.blnDisplayNATZabbr);
    const QString strEntry = reading.dblMoment >= 0 ? reading.strZoneText : place.strZoneId;
    if (zones->count() <= intPlaceZoneIndex)
        zones->addItem(strEntry, 0);
    zones->setItemText(intPlaceZoneIndex, strEntry);
    zones->setCurrentIndex(intPlaceZoneIndex);
}

double frmMain::InputDateToDayNumber(int k)
{
    DateSetInput udtInput = ReadDateSet(k);
    const double dblResult = DateSetToDayValue(udtInput);
    WriteDateSet(k, udtInput);
    return dblResult;
}

double frmMain::InputDateToAJDate(int k)
{
    DateSetInput udtInput = ReadDateSet(k);
    const double dblResult = DateSetToMoment(udtInput, intComputerTzIndex);
    WriteDateSet(k, udtInput);
    return dblResult;
}

QString frmMain::InputDateToString(int intI, bool blnAbbreviated)
{
    const double v = InputDateToDayNumber(intI);
    if (v < 0)
        return {};
    const DateSetTexts texts
        = TextsOfDateSet(ReadDateSet(intI), intComputerTzIndex, udtConfig.blnDisplayNATZabbr, blnAbbreviated);
    return texts.strDate + QStringLiteral(", ") + texts.strClock + QStringLiteral(" (")
        + (texts.strZone.isEmpty() ? cboTimezone[intI]->currentText() : texts.strZone) + QLatin1Char(')');
}

void frmMain::SetDateToNow()
{
    // In the computer's zone as the zone database names it, with its offset
    // now; the nearest half hour of a zone that has no name there.
    const QString strZone = platform::ComputerZoneId();
    WriteDateSet(0, strZone.isEmpty() ? DateSetForNow(intComputerTzIndex) : DateSetForNowIn(strZone));
}

void frmMain::ShowWeekdayTip(int k)
{
    const double v = InputDateToDayNumber(k);
    cboDayCE[k]->setToolTip(v <= 0 ? QString() : DayOfWeekText(static_cast<int>(std::floor(v)), intCurrentLanguage));
}

void frmMain::DateSetChanged(int k)
{
    // The wheel is redrawn by the next computation; the table no longer
    // matches inputs the mode uses, so its wheel cannot be asked for.
    if (WheelShown())
        return;
    if (ModeUsesDateSet(SelectedChartMode(), k))
        cmdToggleGraphic->hide();
}

void frmMain::DateListClicked(int k, bool blnDayList)
{
    if (!isVisible())
        return;
    DateSetChanged(k);
    // A choice from the opened list hands the focus on to Compute; a key
    // leaves it in the list for the next key (typing "15", three Up presses).
    if (!blnStepping && !DateListKeyChange())
        ui::FocusIfUsable(cmdCompute);
    if (blnDayList)
        ShowWeekdayTip(k);
}

void frmMain::cboMonthCE_Click(int k)
{
    DateListClicked(k, false);
}

void frmMain::cboDayCE_Click(int k)
{
    DateListClicked(k, true);
}

void frmMain::cboHour_Click(int k)
{
    DateListClicked(k, false);
}

void frmMain::cboTimezone_Click(int k)
{
    // Another zone chosen from the list: its offset counts, not the place's clock.
    if (m_extras[k].place.HasZone() && cboTimezone[k]->currentIndex() != intPlaceZoneIndex) {
        const int intChosen = cboTimezone[k]->currentIndex();
        m_extras[k].place = DateSetPlace();
        m_extras[k].repeated = RepeatedTime::Ask;
        ShowDateSetPlace(k);
        cboTimezone[k]->setCurrentIndex(intChosen);
    }
    DateListClicked(k, false);
}

void frmMain::HourTextEdited(int k)
{
    m_extras[k].repeated = RepeatedTime::Ask; // another clock time: the question is asked anew
    DateSetChanged(k);
}

frmPlace* frmMain::PlaceDialog()
{
    if (!m_frmPlace)
        m_frmPlace = new frmPlace(this);
    return m_frmPlace;
}

void frmMain::cmdPlace_Click(int k)
{
    frmPlace* dialog = PlaceDialog();
    dialog->Show({ m_extras[k].place, m_extras[k].blnJulian }, lblDateSet[k]->text());
    ui::ShowModal(dialog);
    if (!dialog->Accepted())
        return;
    const PlaceChoice& choice = dialog->Choice();
    m_extras[k] = { choice.place, choice.blnJulian, RepeatedTime::Ask };
    ShowDateSetPlace(k);
    DateSetChanged(k);
    ui::FocusIfUsable(cmdCompute);
}

void frmMain::txbYearCE_LostFocus(int k)
{
    // Leaving the year field after Enter has computed it changes nothing shown.
    if (CleanIntegerText(txbYearCE[k]->text(), false, false) != m_shown.strComputedYear[k])
        DateSetChanged(k);
}

void frmMain::txbYearCE_KeyUp(int k, int intKeyCode)
{
    if (intKeyCode == 13 && ModeUsesDateSet(SelectedChartMode(), k))
        cmdCompute_Click();
}

void frmMain::cmdClear_Click(int k)
{
    static const TextId kWhich[3] = { TextId::ClearCurrentDate, TextId::ClearNatal1, TextId::ClearNatal2 };
    const QString strQuestion = GetText(TextId::ClearQuestion) + QLatin1Char(' ') + GetText(kWhich[k]);
    if (ui::MsgBox(strQuestion, ui::MsgIcon::Question, ui::MsgButtons::YesNoCancel, cmdClear[k]->text(), 1, this)
        != ui::MsgAnswer::Yes)
        return;
    for (QComboBox* list : { cboMonthCE[k], cboDayCE[k], cboHour[k], cboTimezone[k] })
        list->setCurrentIndex(0);
    m_extras[k] = DateSetExtras();
    ShowDateSetPlace(k);
    txbYearCE[k]->clear();
    cboDayCE[k]->setToolTip(QString());
}

void frmMain::cmdNow_Click()
{
    SetDateToNow();
    ShowWeekdayTip(0);
    if (ModeUsesDateSet(SelectedChartMode(), 0))
        cmdCompute_Click();
}

} // namespace qal
