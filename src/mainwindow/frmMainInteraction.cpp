// Asking the chart about one aspect: a double click on a table cell tells
// when the aspect began and ends (and draws the course of a personal
// transit); a right click names a line of the wheel or reads off a point of
// the transit graph.
#include "mainwindow/frmMain.h"

#include "aspects/Aspects.h"
#include "chart/AspectCourse.h"
#include "chart/CurrentChart.h"
#include "chart/DurationReport.h"
#include "dialogs/frmConfigure.h"
#include "dialogs/frmDurations.h"
#include "drawing/PictureBox.h"
#include "drawing/TransitGraphPicture.h"
#include "settings/Configuration.h"
#include "settings/RegistrySwitches.h"
#include "text/Texts.h"
#include "ui/Colors.h"
#include "ui/Focus.h"
#include "ui/MessageBoxes.h"
#include "util/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cmath>

namespace qal {
namespace {

// "natal Sun" — in German one word, "Radixsonne".
QString NatalBodyName(int b)
{
    if (IsGerman())
        return GetText(TextId::NatalLower) + strBodyName[b].toLower();
    return GetText(TextId::NatalLower) + QLatin1Char(' ') + strBodyName[b];
}

} // namespace

QString frmMain::ExactMomentsOfAspect(int intP1, int intP2, int intAspect, double dblStart, double dblEnd) const
{
    if (!ReadExactMomentsSwitch())
        return {};
    DurationRecord record;
    record.intFirstBody = intP1;
    record.intSecondBody = intP2;
    record.intKind = intAspect;
    record.intBeginning = static_cast<int>(dblStart);
    record.intEnd = static_cast<int>(dblEnd);
    const QString strCourse = CourseOfRecordText(record, ShownDurationInputs(), udtOrbTable, strCrLf);
    return strCourse.isEmpty() ? QString() : strCrLf + strCrLf + strCourse;
}

void frmMain::RefreshHint()
{
    if (WheelShown() && !blnGraphShown)
        lblClickonAspect->setText(ZodiacName(false));
    else if (!WheelShown() && (optPlanetary->isChecked() || optPersonal[0]->isChecked() || optPersonal[1]->isChecked()))
        lblClickonAspect->setText(GetText(TextId::DoubleClickHint));
    else
        lblClickonAspect->clear();
}

void frmMain::txbCell_DblClick(int Index)
{
    blnGraphShown = false;
    m_flags.blnGraphHidDialog = false;
    const int intMode = intChartMode;
    if (!RuleOfMode(intMode).blnMoving) {
        // Fixed charts have no beginning and no end.
        ui::FocusIfUsable(cmdCompute);
        return;
    }
    const int intTimeZone = cboTimezone[0]->currentData().toInt();
    const int intPersonal = IsPersonalMode(intMode) ? 1 : 0;
    if (Index < 0 || Index >= m_shown.udtGrid.CellCount())
        return;
    const GridCell& cell = m_shown.udtGrid.cells[static_cast<size_t>(Index)];
    int k = 1;
    while (k <= intNumAspectKinds && !CellHasAspect(cell, k))
        ++k;
    if (k > intNumAspectKinds)
        return;
    if (udtConfig.dblAspectColor[k] == 0) {
        txbCell[Index]->setSelection(0, 0);
        return;
    }
    GetRowCol(Index, m_shown.udtGrid.intCols);
    const int intP1 = intRow - 1;
    const int intP2 = intPersonal ? intCol - 1 : intCol + 1;

    // The aspect in words: "Mars square to Sun", "Transiting Saturn square to natal Sun".
    const AspectText& aspect = udtAspectText[k];
    const QString strTitle = intPersonal
        ? GetText(TextId::TransitingCapital) + QLatin1Char(' ') + strBodyName[intP2] + QLatin1Char(' ') + aspect.Phrase
            + QLatin1Char(' ') + NatalBodyName(intP1)
        : strBodyName[intP1] + QLatin1Char(' ') + aspect.Phrase + QLatin1Char(' ') + strBodyName[intP2];

    if (intP2 == intMoon) {
        const QString strNote = GetText(TextId::MoonMovesQuickly)
                                    .replace(QStringLiteral("12"), QString::number(udtConfig.intOrbIndex[k - 1] * 4))
            + ExactMomentsOfAspect(intP1, intP2, k, -1, -1);
        ui::MsgBox(strNote, ui::MsgIcon::Information, ui::MsgButtons::Ok, strTitle, 1, this);
        return;
    }

    const double dblStart = BeginningOfAspect(intP1, intP2, k, intPersonal, intTimeZone);
    const double dblEnd = EndOfAspect(intP1, intP2, k, intPersonal, intTimeZone);
    const QString strOrb = AngleToDegMinText(dblOrb[k][intPersonal]);
    QString strMessage;
    if (intCurrentLanguage == intLangEnglish) {
        strMessage = QStringLiteral("With an orb of ") + strOrb + QStringLiteral(" this ") + aspect.Name.toLower()
            + strCrLf + QStringLiteral("begins on ") + DateOrUnknown(static_cast<int>(dblStart)) + strCrLf
            + QStringLiteral("and ends on ") + DateOrUnknown(static_cast<int>(dblEnd)) + QLatin1Char('.');
    } else {
        strMessage
            = GetTextWithMarkers(TextId::AspectBeginsEnds)
                  .replace(QStringLiteral("[8 degrees]"), strOrb)
                  .replace(QStringLiteral("[start date]"), DateOrUnknown(static_cast<int>(dblStart), TextId::Unknown))
                  .replace(QStringLiteral("[end date]"), DateOrUnknown(static_cast<int>(dblEnd), TextId::Unknown));
    }

    if (intPersonal && dblStart >= 0 && dblEnd >= 0) {
        // The course of the transit.
        const QString strName = IsGerman() ? aspect.Name : aspect.Name.toLower();
        const QString strZodiac = IsGerman()
            ? (udtConfig.blnSidereal ? QStringLiteral("siderischer Tk") : QStringLiteral("tropischer Tk"))
            : GetText(udtConfig.blnSidereal ? TextId::SiderealLower : TextId::TropicalLower);
        const QString strGraphTitle = GetText(TextId::TransitingCapital) + QLatin1Char(' ') + strBodyName[intP2]
            + QLatin1Char(' ') + GetText(TextId::GraphIn) + QLatin1Char(' ') + strName + QLatin1Char(' ')
            + GetText(TextId::GraphWith) + QLatin1Char(' ') + NatalBodyName(intP1) + QStringLiteral("X, ")
            + GetText(TextId::GraphOrb) + QLatin1Char(' ') + AngleToDegMinText(dblOrb[k][1]) + QStringLiteral(", ")
            + strZodiac;
        DrawTransitGraph(intP1, intP2, k, intTimeZone, dblStart, dblEnd, strGraphTitle);
        blnGraphShown = true;
        picGraphic->setToolTip(GetText(TextId::GraphTooltip));
        lblNotice->hide();
        cmdSaveAs->setText(GetText(TextId::SaveImage));
        cmdSaveAs->setEnabled(true);
        if (m_frmConfigure && m_frmConfigure->isVisible()) {
            m_frmConfigure->hide();
            m_flags.blnGraphHidDialog = true;
        }
        cmdToggleGraphic->setEnabled(true);
        cmdQuit->setEnabled(true);
        RefreshHint();
        return;
    }

    QString strQuestion = strMessage + ExactMomentsOfAspect(intP1, intP2, k, dblStart, dblEnd) + strCrLf + strCrLf
        + GetText(TextId::SeeDurations);
    if (IsGerman())
        strQuestion += QStringLiteral(" sehen");
    strQuestion += QLatin1Char('?');
    if (ui::MsgBox(strQuestion, ui::MsgIcon::Question, ui::MsgButtons::YesNo, strTitle, 2, this)
        == ui::MsgAnswer::Yes) {
        Timer1->stop();
        DurationsWindow()->Report();
        Timer1->start();
    }
    ui::FocusIfUsable(cmdCompute);
    txbCell[Index]->setSelection(txbCell[Index]->text().size(), 0);
}

void frmMain::DrawTransitGraph(
    int intP1, int intP2, int intAspect, int intTimeZone, double dblStart, double dblEnd, const QString& strTitle)
{
    const LongitudeSource source = EphemerisSource(udtConfig.blnSidereal);
    const int intNatalSet = RuleOfMode(intChartMode).intSlotDateSet[1];
    const double dblNatal = source(intP1, dblChartJD[intNatalSet]);
    const double dblExact = ExactPoint(dblNatal, intAspect, source(intP2, dblChartJD[0]));

    TransitGraphInputs in;
    in.scale = MakeTransitGraphScale(dblStart, dblEnd, dblOrb[intAspect][1], intTimeZone);
    in.curves = MakeTransitCurves(source, intP2, dblExact, in.scale);
    in.aspectColor = ui::ToQColor(udtConfig.dblAspectColor[intAspect]);
    in.dblNow = dblChartJD[0];
    EuroDate birth;
    birth.calendar = platform::kGregorian;
    birth.dayNumber = static_cast<int>(std::floor(DateSetToDayValue(m_shown.udtSet[intNatalSet])));
    platform::JdnToEuroDate(birth);
    in.strTitle
        = QString(strTitle).replace(QLatin1Char('X'), QStringLiteral(" (") + EuroDateToText(birth) + QLatin1Char(')'));
    m_graphScale = in.scale;

    picGraphic->setGeometry(Px(750), picTable->y(), Px(intGraphWidthTwips), Px(intGraphHeightTwips));
    picGraphic->SetPicture(PaintTransitGraph(in));
    picGraphic->show();
    picTable->hide();
    PlaceReports(picGraphic);
    cmdToggleGraphic->setText(GetText(TextId::ShowTable));
}

void frmMain::picGraphic_MouseUp(int Button, int /*Shift*/, int X, int Y)
{
    if (Button != 2 || !picGraphic->Picture())
        return;
    const QColor color = picGraphic->Picture()->PointColor(X, Y);
    if (!color.isValid())
        return;
    if (!blnGraphShown) {
        // A line of the wheel: the aspect kinds of its colour.
        if (color == QColor(Qt::black) || color == QColor(Qt::white) || color == QColor(224, 224, 224)
            || color == QColor(32, 32, 255))
            return;
        QStringList kinds;
        for (int k = 1; k <= intNumAspectKinds; ++k) {
            if (ui::ToQColor(udtConfig.dblAspectColor[k]) == color)
                kinds << udtAspectText[k].Label;
        }
        if (kinds.isEmpty())
            return;
        QString strText = kinds.join(QStringLiteral(" or ")).toLower();
        strText[0] = strText[0].toUpper();
        ui::MsgBox(strText, ui::MsgIcon::None, ui::MsgButtons::Ok, QStringLiteral("This line is a"), 1, this);
        return;
    }
    // A point of the transit graph: its moment and its distance from exact.
    picGraphic->setToolTip(QString());
    if (color == QColor(Qt::black))
        return;
    if (Y < 315 || Y > 6195 || X <= 1800 || X >= 18875)
        return;
    const double dblMoment = MomentAtY(m_graphScale, Y);
    const double dblDistance = DistanceAtX(m_graphScale, X);
    const QString strMoment = GraphMomentText(m_graphScale, dblMoment);
    QString strReading = GetText(TextId::GraphReading)
                             .replace(QStringLiteral("[time]"), strMoment.section(QLatin1Char(' '), 1))
                             .replace(QStringLiteral("[date]"), strMoment.section(QLatin1Char(' '), 0, 0))
                             .replace(QStringLiteral("[exactness]"), AngleToDegMinText(std::fabs(dblDistance)));
    ui::MsgBox(GetText(TextId::GraphReadingTitle) + strCrLf + strReading, ui::MsgIcon::None, ui::MsgButtons::Ok,
        GetText(TextId::TransitGraph), 1, this);
}

} // namespace qal
