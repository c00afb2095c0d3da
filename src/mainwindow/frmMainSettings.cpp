// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's language switch, its captions, and the configuration
// dialog and notice window it owns.
#include "mainwindow/frmMain.h"

#include "chart/CurrentChart.h"
#include "dialogs/frmConfigure.h"
#include "dialogs/frmPlace.h"
#include "dialogs/frmPopUp.h"
#include "dialogs/frmTimeMap.h"
#include "text/Language.h"
#include "text/Texts.h"
#include "ui/Focus.h"
#include "ui/ModalDialogs.h"
#include "ui/QtTranslations.h"
#include "ui/ScreenFit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

namespace qal {

frmConfigure* frmMain::ConfigureDialog()
{
    if (!m_frmConfigure) {
        m_frmConfigure = new frmConfigure(this); // holds the defaults and the stored switches
        SetConfiguration(m_frmConfigure->Configuration());
        connect(m_frmConfigure, &frmConfigure::configurationChanged, this,
            [](const ConfigurationSettings& config) { SetConfiguration(config); });
        connect(m_frmConfigure, &frmConfigure::settingsUsed, this, [this] { SettingsUsed(); });
        connect(m_frmConfigure, &frmConfigure::settingsCancelled, this, [this] {
            if (m_frmConfigure->blnAccept) // used, then put back: the chart follows again
                cmdCompute_Click();
        });
    }
    return m_frmConfigure;
}

frmPopUp* frmMain::PopUpWindow()
{
    if (!m_frmPopUp)
        m_frmPopUp = new frmPopUp(this);
    return m_frmPopUp;
}

void frmMain::SetLanguageDependentText()
{
    static const TextId kDateSets[3] = { TextId::DateSetCurrent, TextId::DateSetNatal1, TextId::DateSetNatal2 };
    fraLanguage->setTitle(GetText(TextId::Language));
    optEnglish->setText(GetText(TextId::English));
    optGerman->setText(GetText(TextId::German));
    for (int k = 0; k < 3; ++k) {
        lblDateSet[k]->setText(GetText(kDateSets[k]));
        cmdClear[k]->setText(GetText(TextId::Clear));
        ShowDateSetPlace(k);
    }
    optPlanetary->setText(GetText(TextId::ModePlanetary));
    optNatal[0]->setText(GetText(TextId::ModeNatal1));
    optNatal[1]->setText(GetText(TextId::ModeNatal2));
    optPersonal[0]->setText(GetText(TextId::ModePersonal1));
    optPersonal[1]->setText(GetText(TextId::ModePersonal2));
    optSynastry->setText(GetText(TextId::ModeSynastry));
    cmdNow->setText(GetText(TextId::Now));
    cmdCompute->setText(GetText(TextId::Compute));
    cmdConfigure->setText(GetText(TextId::Configure));
    cmdSave->setText(GetText(TextId::Save));
    cmdQuit->setText(GetText(TextId::Quit));
    cmdRestore->setText(GetText(TextId::Restore));
    cmdRun->setText(GetText(blnRunning ? TextId::Stop : TextId::Run));
    cmdReport->setText(GetText(TextId::Report));
    cmdHelp->setText(GetText(TextId::Help));
    cmdSaveAs->setText(GetText(WheelShown() ? TextId::SaveImage : TextId::SaveAs));
    cmdLoadState->setText(GetText(TextId::LoadState));
    cmdForwardBack[0]->setText(GetText(TextId::Forward) + QStringLiteral(" \u25B6"));
    cmdForwardBack[1]->setText(QStringLiteral("\u25C0 ") + GetText(TextId::Back));
    SetReturnsText();
    cmdToggleGraphic->setText(GetText(WheelShown() ? TextId::ShowTable : TextId::ShowWheel));
    optDegrees->setText(GetText(TextId::Degrees));
    optRadians->setText(GetText(TextId::Radians));
    for (QLineEdit* year : txbYearCE)
        year->setPlaceholderText(GetText(TextId::YearPlaceholder));
    // Month names and step intervals, keeping what is chosen.
    SetUpMonthAndStepLists();
    if (!m_strLoadedFile.isEmpty())
        lblNotice->setText(GetText(TextId::Loaded) + QLatin1Char(' ') + m_strLoadedFile);

    m_legend.strChart[0] = GetText(TextId::LegendChart);
    m_legend.strChart[1] = GetText(TextId::LegendDate);
    m_legend.strChart[2] = GetText(TextId::LegendZodiac);
    m_legend.strOneRing[0] = GetText(TextId::LegendRetrograde);
    m_legend.strOneRing[1] = GetText(TextId::LegendRightClick);
    const TextId transits[4] = { TextId::LegendTransitGlyphs, TextId::LegendNatalGlyphs, TextId::LegendNatalRetrograde,
        TextId::LegendTransitRetrograde };
    const TextId synastry[4] = { TextId::LegendChart1Glyphs, TextId::LegendChart2Glyphs, TextId::LegendChart2Retrograde,
        TextId::LegendChart1Retrograde };
    for (int i = 0; i < 4; ++i) {
        m_legend.strTransits[i] = GetText(transits[i]);
        m_legend.strSynastry[i] = GetText(synastry[i]);
    }
    ConfigureDialog()->SetLanguageDependentText();
    if (m_frmPlace)
        m_frmPlace->SetLanguageDependentText();
    if (m_frmTimeMap)
        m_frmTimeMap->SetLanguageDependentText();
}

void frmMain::SwitchLanguage(int intLanguage)
{
    SetInterfaceLanguage(intLanguage);
    ui::UseQtTranslations(intLanguage == intLangGerman);
    SetLanguageDependentText();
    setWindowTitle(intChartMode == modeNone ? GetText(TextId::AppTitle) : ChartTitle(intChartMode, udtOrbTable));
    WriteLanguageToRegistry();
    if (!m_flags.blnLoaded)
        return;
    for (int k = 0; k < 3; ++k)
        ShowWeekdayTip(k);
    m_flags.blnLanguageChange = true;
    cmdCompute_Click();
    m_flags.blnLanguageChange = false;
    ui::FocusIfUsable(cmdCompute);
}

void frmMain::optEnglish_Click()
{
    SwitchLanguage(intLangEnglish);
}

void frmMain::optGerman_Click()
{
    SwitchLanguage(intLangGerman);
}

void frmMain::SettingsUsed()
{
    const QString strNotice = lblNotice->text();
    SetUpTimezoneComboBoxes(true); // North American names show at once
    if (isMinimized())
        showNormal();
    cmdCompute_Click();
    lblNotice->setText(strNotice);
}

void frmMain::PlaceConfigureDialog()
{
    if (windowState() != Qt::WindowNoState)
        return;
    // Beside the main window, and the main window moved so that they meet.
    frmConfigure* dialog = ConfigureDialog();
    const QRect mainFrame = frameGeometry();
    const QScreen* display = screen();
    const int intScreenRight
        = display ? display->availableGeometry().right() + 1 : mainFrame.right() + 1 + dialog->width();
    const int intDialogWidth = dialog->frameGeometry().width();
    const int intLeft = std::min(mainFrame.right() + 1, intScreenRight - intDialogWidth);
    dialog->move(intLeft, mainFrame.top());
    move(std::max(0, intLeft - mainFrame.width()), mainFrame.top());
    ui::FitOnScreen(dialog); // on a small screen it scrolls, its buttons in sight
}

void frmMain::cmdConfigure_Click()
{
    frmConfigure* dialog = ConfigureDialog();
    PlaceConfigureDialog();
    Timer1->stop();
    ui::ShowModal(dialog);
    Timer1->start();
}

} // namespace qal
