// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's date sets: filling their lists, reading them as moments,
// "now", and the reactions to edits.
#include "mainwindow/frmMain.h"

#include "settings/Configuration.h"
#include "text/Texts.h"
#include "ui/Focus.h"
#include "ui/MessageBoxes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace qal {

void frmMain::SetUpTimezoneComboBoxes(bool blnPreserveIndices)
{
    const QStringList items = TimezoneListItems(udtConfig.blnDisplayNATZabbr);
    for (QComboBox* list : cboTimezone) {
        const int intIndex = blnPreserveIndices ? list->currentIndex() : 0;
        list->clear();
        for (int i = 0; i < items.size(); ++i)
            list->addItem(items[i], TimezoneItemValue(i));
        list->setCurrentIndex(intIndex);
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
    return udtInput;
}

void frmMain::WriteDateSet(int k, const DateSetInput& udtInput)
{
    if (txbYearCE[k]->text() != udtInput.strYear)
        txbYearCE[k]->setText(udtInput.strYear);
    cboMonthCE[k]->setCurrentIndex(udtInput.intMonth);
    cboDayCE[k]->setCurrentIndex(udtInput.intDay);
    cboHour[k]->setCurrentIndex(udtInput.intHour);
    if (udtInput.intTimezone < cboTimezone[k]->count())
        cboTimezone[k]->setCurrentIndex(udtInput.intTimezone);
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
    return DateTimeZoneText(v, cboHour[intI]->currentText(), cboTimezone[intI]->currentText(), blnAbbreviated);
}

void frmMain::SetDateToNow()
{
    WriteDateSet(0, DateSetForNow(intComputerTzIndex));
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
    DateListClicked(k, false);
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
