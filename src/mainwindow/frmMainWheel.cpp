// The main window's chart wheel: switching between table and wheel, the
// side texts and drawing the wheel of the current chart.
#include "mainwindow/frmMain.h"

#include "astro/AstroTables.h"
#include "dates/DatePr2.h"
#include "mainwindow/PictureBox.h"
#include "mainwindow/Twips.h"
#include "platform/MessageBoxes.h"
#include "text/Texts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace qal {

bool frmMain::WheelShown() const
{
    return picGraphic->isVisible();
}

void frmMain::ResetWheel()
{
    udtWheel = WheelDrawing();
    picGraphic->Clear();
}

void frmMain::PrepareTextBlocks()
{
    // Date and time of a date set, short enough for a corner of the wheel.
    const auto dateLines = [this](int k) {
        DateSetInput udtInput;
        udtInput.strYear = txbYearCE[k]->text();
        udtInput.intMonth = cboMonthCE[k]->currentIndex();
        udtInput.intDay = cboDayCE[k]->currentIndex();
        udtInput.intHour = cboHour[k]->currentIndex();
        const double v = qal::InputDateToDayNumber(udtInput);
        if (v < 0)
            return QStringList { QString(), QString() };
        return QStringList { JDNToDateText(static_cast<int>(std::floor(v)), true, intCurrentLanguage),
            cboHour[k]->currentText() + QLatin1Char(' ') + cboTimezone[k]->currentText() };
    };
    const int intMode = intChartMode;
    udtTextBlocks = WheelTextBlocks();
    const int intFirstSet = intMode == modeNatal1 || intMode == modeSynastry ? 1 : (intMode == modeNatal2 ? 2 : 0);
    udtTextBlocks.block[0] = QStringList { GetText(8 + intMode) } + dateLines(intFirstSet);
    if (IsSingleChartMode(intMode)) {
        udtTextBlocks.block[3] = { ZodiacName(false), AddOrbToTitle(QString(), false, false).trimmed() };
        return;
    }
    const int intSecondSet = intMode == modePersonal1 ? 1 : 2;
    const QStringList second = QStringList { GetText(4 + intSecondSet) } + dateLines(intSecondSet);
    const QStringList lines { second[0], second[1] + QStringLiteral(", ") + second[2], ZodiacName(false),
        AddOrbToTitle(QString(), true, intMode == modeSynastry).trimmed() };
    udtTextBlocks.block[intMode == modeSynastry ? 2 : 1] = lines;
}

void frmMain::DrawWheel()
{
    PrepareTextBlocks();
    const bool blnOneRing = IsSingleChartMode(intChartMode);
    udtWheel = blnOneRing ? DrawOneRingWheel(udtGrid, udtTextBlocks)
                          : DrawTwoRingWheel(udtGrid, intChartMode, udtTextBlocks);
    const WheelGeometry g = blnOneRing ? OneRingGeometry() : TwoRingGeometry();
    picGraphic->setGeometry(Px(1200), picTable->y(), Px(g.intWidth), Px(g.intHeight));
    picGraphic->SetPicture(std::move(udtWheel.picture));
    cmdToggleGraphic->setText(GetText(41));
    picGraphic->show();
    picTable->hide();
    PlaceReports(picGraphic);
    if (!udtWheel.blnComplete)
        platform::MsgBox(GetText(347), platform::MsgIcon::Exclamation, platform::MsgButtons::Ok, GetText(346), 1, this);
}

void frmMain::cmdToggleGraphic_Click()
{
    picGraphic->setToolTip(QString());
    if (WheelShown()) {
        cmdToggleGraphic->setText(GetText(37));
        picGraphic->hide();
        picTable->show();
        PlaceReports(picTable);
    } else if (intChartMode != modeNone) {
        DrawWheel();
    }
}

} // namespace qal
