// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "dialogs/frmConfigure.h"

#include "astro/AstroTables.h"
#include "astro/ChartAngles.h"
#include "platform/Registry3.h"
#include "settings/RegistrySwitches.h"
#include "text/Texts.h"
#include "drawing/Colors.h"
#include "ui/ControlNames.h"
#include "ui/Keys.h"
#include "ui/ScreenFit.h"
#include "ui/Focus.h"
#include "ui/MessageBoxes.h"
#include "util/Twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qal {

void ColourLine::mouseReleaseEvent(QMouseEvent* event)
{
    if (onMouseUp)
        onMouseUp(event->button());
}

namespace {

constexpr int kMinHeightTwips = 4700;
constexpr int kMaxHeightTwips = 9660;
constexpr int kFrameRoom = 40; // pixels of the screen left for a window frame

void FillList(QComboBox* list, const QStringList& items)
{
    list->clear();
    list->addItems(items);
}

void SetChecked(QCheckBox* box, bool blnChecked)
{
    box->setChecked(blnChecked);
}

} // namespace

frmConfigure::frmConfigure(QWidget* owner)
    : QDialog(owner)
{
    setModal(true);
    CreateControls();
    ui::EnterPressesFocusedButton(this);
    Form_Load();
}

void frmConfigure::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // At every activation the focus is Hide's: Enter then hides the dialog
    // and changes nothing.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        cmdHide->setFocus();
}

void frmConfigure::CreateControls()
{
    // The settings scroll where the screen is too low for them; the buttons
    // below them always stay in sight.
    auto* outer = new QVBoxLayout(this);
    scrSettings = ui::Named(new ui::WholeContentScrollArea(this), "scrSettings");
    QScrollArea* scroll = scrSettings;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    Label3 = ui::Named(new QLabel(this), "Label3");
    Label3->setWordWrap(true);
    layout->addWidget(Label3);

    // The orb rows: name, orb list and colour line, aligned in a grid.
    auto* orbs = new QGridLayout;
    orbs->setHorizontalSpacing(8);
    orbs->setVerticalSpacing(3);
    for (int i = 0; i < 7; ++i) {
        lblAspectName[i] = ui::Named(new QLabel(this), "lblAspectName", i);
        cboOrb[i] = ui::Named(new QComboBox(this), "cboOrb", i);
        lblAspectColor[i] = ui::Named(new ColourLine(this), "lblAspectColor", i);
        lblAspectColor[i]->setAutoFillBackground(true);
        lblAspectColor[i]->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 10, QFont::Bold));
        lblAspectColor[i]->setText(QStringLiteral("------------------------------"));
        lblAspectColor[i]->setCursor(Qt::PointingHandCursor);
        lblAspectColor[i]->onMouseUp = [this, i](Qt::MouseButton button) { lblAspectColor_MouseUp(i, button); };
        orbs->addWidget(lblAspectName[i], i, 0);
        orbs->addWidget(cboOrb[i], i, 1);
        orbs->addWidget(lblAspectColor[i], i, 2);
    }
    cmdSetAllNonzeroOrbsToConjunctionOrb = ui::Named(new QPushButton(this), "cmdSetAllNonzeroOrbsToConjunctionOrb");
    cboOrb[intSetAllOrbList] = ui::Named(new QComboBox(this), "cboOrb", intSetAllOrbList);
    orbs->addWidget(cmdSetAllNonzeroOrbsToConjunctionOrb, 7, 0);
    orbs->addWidget(cboOrb[intSetAllOrbList], 7, 1);
    orbs->setColumnStretch(2, 1);
    layout->addLayout(orbs);
    for (int i = 0; i < intNumOrbLists; ++i) {
        QStringList items;
        for (int d = 0; d <= intMaxOrbDegrees; ++d)
            items << OrbListItemText(d);
        FillList(cboOrb[i], items);
        connect(cboOrb[i], &QComboBox::activated, this, [this, i](int intIndex) {
            Edited([i, intIndex](ConfigurationSettings& config) { config.cboOrb[i] = intIndex; });
            cboOrb_Click(i);
        });
    }
    connect(cmdSetAllNonzeroOrbsToConjunctionOrb, &QPushButton::clicked, this,
        [this] { cmdSetAllNonzeroOrbsToConjunctionOrb_Click(); });

    // Bold face.
    chkUseBoldface = ui::Named(new QCheckBox(this), "chkUseBoldface");
    opt1DegOfOrb = ui::Named(new QRadioButton(this), "opt1DegOfOrb");
    optProportionOfOrb = ui::Named(new QRadioButton(this), "optProportionOfOrb");
    cboBoldfaceFactor = ui::Named(new QComboBox(this), "cboBoldfaceFactor");
    lblOfOrb = ui::Named(new QLabel(this), "lblOfOrb");
    FillList(cboBoldfaceFactor, BoldfaceFactorItems());
    auto* boldRule = new QButtonGroup(this);
    boldRule->addButton(opt1DegOfOrb);
    boldRule->addButton(optProportionOfOrb);
    layout->addWidget(chkUseBoldface);
    auto* bold = new QHBoxLayout;
    bold->addSpacing(20);
    bold->addWidget(opt1DegOfOrb);
    bold->addSpacing(12);
    bold->addWidget(optProportionOfOrb);
    bold->addWidget(cboBoldfaceFactor);
    bold->addWidget(lblOfOrb);
    bold->addStretch(1);
    layout->addLayout(bold);
    connect(chkUseBoldface, &QCheckBox::clicked, this, [this](bool blnChecked) {
        Edited([blnChecked](ConfigurationSettings& config) { config.chkUseBoldface = blnChecked; });
        chkUseBoldface_Click();
    });
    connect(opt1DegOfOrb, &QRadioButton::clicked, this, [this] { Edited([](ConfigurationSettings& config) { config.opt1DegOfOrb = true; }); });
    connect(
        optProportionOfOrb, &QRadioButton::clicked, this, [this] { Edited([](ConfigurationSettings& config) { config.opt1DegOfOrb = false; }); });
    connect(cboBoldfaceFactor, &QComboBox::activated, this,
        [this](int intIndex) { Edited([intIndex](ConfigurationSettings& config) { config.cboBoldfaceFactor = intIndex; }); });

    // Orb proportions for personal transits and synastry.
    Label1 = ui::Named(new QLabel(this), "Label1");
    layout->addWidget(Label1);
    auto* proportions = new QHBoxLayout;
    proportions->addSpacing(20);
    lblPersonalTransits = ui::Named(new QLabel(this), "lblPersonalTransits");
    lblSynastry = ui::Named(new QLabel(this), "lblSynastry");
    for (int c = 0; c < 2; ++c) {
        cboPersonalOrbsProportion[c] = ui::Named(new QComboBox(this), "cboPersonalOrbsProportion", c);
        FillList(cboPersonalOrbsProportion[c], OrbProportionItems());
        connect(cboPersonalOrbsProportion[c], &QComboBox::activated, this,
            [this, c](int intIndex) { Edited([c, intIndex](ConfigurationSettings& config) { config.cboPersonalOrbsProportion[c] = intIndex; }); });
    }
    proportions->addWidget(cboPersonalOrbsProportion[0]);
    proportions->addWidget(lblPersonalTransits);
    proportions->addSpacing(16);
    proportions->addWidget(cboPersonalOrbsProportion[1]);
    proportions->addWidget(lblSynastry);
    proportions->addStretch(1);
    layout->addLayout(proportions);

    // Midpoint orb and zodiac.
    auto* grid = new QGridLayout;
    lblOrbForMidpoints = ui::Named(new QLabel(this), "lblOrbForMidpoints");
    cboOrbForMidpoints = ui::Named(new QComboBox(this), "cboOrbForMidpoints");
    FillList(cboOrbForMidpoints, MidpointOrbItems());
    connect(cboOrbForMidpoints, &QComboBox::activated, this, [this](int intIndex) {
        m_config.cboOrbForMidpoints = intIndex;
        Publish();
        if (m_blnOwnerStarted && isVisible())
            FocusAccept();
    });
    grid->addWidget(lblOrbForMidpoints, 0, 0);
    grid->addWidget(cboOrbForMidpoints, 0, 1, Qt::AlignLeft);
    lblZodiac = ui::Named(new QLabel(this), "lblZodiac");
    optWesternAstrology = ui::Named(new QRadioButton(this), "optWesternAstrology");
    optVedicAstrology = ui::Named(new QRadioButton(this), "optVedicAstrology");
    chkKeepZodiac = ui::Named(new QCheckBox(this), "chkKeepZodiac");
    auto* zodiacChoice = new QButtonGroup(this);
    zodiacChoice->addButton(optWesternAstrology);
    zodiacChoice->addButton(optVedicAstrology);
    auto* zodiac = new QHBoxLayout;
    zodiac->addWidget(optWesternAstrology);
    zodiac->addWidget(optVedicAstrology);
    zodiac->addStretch(1);
    grid->addWidget(lblZodiac, 1, 0);
    grid->addLayout(zodiac, 1, 1);
    grid->addWidget(chkKeepZodiac, 2, 1);
    // The houses of a chart with a place.
    lblHouseSystem = ui::Named(new QLabel(this), "lblHouseSystem");
    cboHouseSystem = ui::Named(new QComboBox(this), "cboHouseSystem");
    chkShowHouseCusps = ui::Named(new QCheckBox(this), "chkShowHouseCusps");
    auto* houses = new QHBoxLayout; // one row, so the dialog keeps its height
    houses->addWidget(cboHouseSystem);
    houses->addWidget(chkShowHouseCusps);
    houses->addStretch(1);
    grid->addWidget(lblHouseSystem, 3, 0);
    grid->addLayout(houses, 3, 1);
    connect(cboHouseSystem, &QComboBox::activated, this,
        [this](int intIndex) { Edited([intIndex](ConfigurationSettings& config) { config.intHouseSystem = intIndex; }); });
    connect(chkShowHouseCusps, &QCheckBox::clicked, this,
        [this](bool blnChecked) { Edited([blnChecked](ConfigurationSettings& config) { config.blnShowHouseCusps = blnChecked; }); });
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    connect(optWesternAstrology, &QRadioButton::clicked, this,
        [this] { Edited([](ConfigurationSettings& config) { config.optVedicAstrology = false; }); });
    connect(optVedicAstrology, &QRadioButton::clicked, this,
        [this] { Edited([](ConfigurationSettings& config) { config.optVedicAstrology = true; }); });
    connect(chkKeepZodiac, &QCheckBox::clicked, this,
        [this](bool blnChecked) { Edited([blnChecked](ConfigurationSettings& config) { config.chkKeepZodiac = blnChecked; }); });

    // The switches.
    fraOptions = ui::Named(new QGroupBox(this), "fraOptions");
    auto* options = new QVBoxLayout(fraOptions);
    options->setSpacing(2);
    chkIncludeTransitingMoon = ui::Named(new QCheckBox(fraOptions), "chkIncludeTransitingMoon");
    chkSuppressInnerPlanetAspectDisplay = ui::Named(new QCheckBox(fraOptions), "chkSuppressInnerPlanetAspectDisplay");
    chkSaveGraphicWithWhiteBackground = ui::Named(new QCheckBox(fraOptions), "chkSaveGraphicWithWhiteBackground");
    chkDisplayNATZabbr = ui::Named(new QCheckBox(fraOptions), "chkDisplayNATZabbr");
    const struct {
        QCheckBox* box;
        bool ConfigurationSettings::*field;
    } switches[] = {
        { chkIncludeTransitingMoon, &ConfigurationSettings::chkIncludeTransitingMoon },
        { chkSuppressInnerPlanetAspectDisplay, &ConfigurationSettings::chkSuppressInnerPlanetAspectDisplay },
        { chkSaveGraphicWithWhiteBackground, &ConfigurationSettings::chkSaveGraphicWithWhiteBackground },
        { chkDisplayNATZabbr, &ConfigurationSettings::chkDisplayNATZabbr },
    };
    for (const auto& s : switches) {
        options->addWidget(s.box);
        connect(s.box, &QCheckBox::clicked, this, [this, field = s.field](bool blnChecked) {
            Edited([field, blnChecked](ConfigurationSettings& config) { config.*field = blnChecked; });
        });
    }
    layout->addWidget(fraOptions);

    // The buttons.
    auto* buttons = new QGridLayout;
    cmdAccept = ui::Named(new QPushButton(this), "cmdAccept");
    cmdCancel = ui::Named(new QPushButton(this), "cmdCancel");
    cmdReset = ui::Named(new QPushButton(this), "cmdReset");
    cmdHide = ui::Named(new QPushButton(this), "cmdHide");
    buttons->addWidget(cmdAccept, 0, 0);
    buttons->addWidget(cmdReset, 0, 1);
    buttons->addWidget(cmdCancel, 1, 0);
    buttons->addWidget(cmdHide, 1, 1);
    layout->addStretch(1);
    scroll->setWidget(content);
    outer->addWidget(scroll, 1);
    outer->addLayout(buttons);
    connect(cmdAccept, &QPushButton::clicked, this, [this] { cmdAccept_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdReset, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
    connect(cmdHide, &QPushButton::clicked, this, [this] { cmdHide_Click(); });
}

void frmConfigure::Form_Load()
{
    setWindowIcon(parentWidget()->windowIcon());
    // Tropical, keeping the zodiac; then the defaults (no question before
    // the main window has started); then the stored switches override four
    // of them.
    m_config.optVedicAstrology = false;
    m_config.chkKeepZodiac = true;
    cmdReset_Click();
    ApplyTZDispSwitch(m_config);
    ApplyIncludeTransitingMoonSwitch(m_config);
    ApplyInnerPlanetAspectSwitch(m_config);
    ApplyWhiteBackgroundSwitch(m_config);
    ApplyHouseSettings(m_config);
    m_state = DialogState();
    SetLanguageDependentText();
    ShowSettings();
}

void frmConfigure::SetLanguageDependentText()
{
    setWindowTitle(GetText(TextId::ConfigurationTitle));
    Label3->setText(GetText(TextId::ConfigSetOrbs));
    for (int i = 0; i < 7; ++i) {
        lblAspectName[i]->setText(udtAspectText[i + 1].Name);
        lblAspectColor[i]->setToolTip(GetText(TextId::ConfigColourHint));
    }
    cmdSetAllNonzeroOrbsToConjunctionOrb->setText(GetText(TextId::ConfigSetAll));
    chkUseBoldface->setText(GetText(TextId::ConfigBoldface));
    opt1DegOfOrb->setText(GetText(TextId::ConfigOneDegree));
    lblOfOrb->setText(GetText(TextId::ConfigOfOrb));
    Label1->setText(GetText(TextId::ConfigProportion));
    lblPersonalTransits->setText(GetText(TextId::PersonalTransitsLower));
    lblSynastry->setText(GetText(TextId::ModeSynastry));
    lblOrbForMidpoints->setText(GetText(TextId::ConfigMidpointOrb));
    lblZodiac->setText(GetText(TextId::ConfigZodiac));
    optWesternAstrology->setText(GetText(TextId::ConfigTropical));
    optVedicAstrology->setText(GetText(TextId::ConfigSidereal));
    chkKeepZodiac->setText(GetText(TextId::ConfigKeepZodiac));
    lblHouseSystem->setText(GetText(TextId::HouseSystemLabel));
    chkShowHouseCusps->setText(GetText(TextId::ShowHouseCusps));
    QStringList houses;
    for (int i = 0; i < intNumHouseSystems; ++i)
        houses << HouseSystemName(i);
    FillList(cboHouseSystem, houses);
    cboHouseSystem->setCurrentIndex(m_config.intHouseSystem);
    fraOptions->setTitle(GetText(TextId::ConfigOptions));
    chkIncludeTransitingMoon->setText(GetText(TextId::ConfigIncludeMoon));
    chkSuppressInnerPlanetAspectDisplay->setText(GetText(TextId::ConfigSuppressInner));
    chkSaveGraphicWithWhiteBackground->setText(GetText(TextId::ConfigWhiteBackground));
    chkDisplayNATZabbr->setText(GetText(TextId::ConfigNorthAmerican));
    cmdAccept->setText(GetText(TextId::ConfigUseSettings));
    cmdCancel->setText(GetText(TextId::Cancel));
    cmdReset->setText(GetText(TextId::ConfigReset));
    cmdHide->setText(GetText(TextId::ConfigHide));
    FitToContent();
}

void frmConfigure::FitToContent()
{
    // The width follows the captions; the height may change within limits.
    // The dialog stays within its screen (less room for a frame): where the
    // screen is lower than the settings, they scroll.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    ensurePolished(); // the captions measured in the fonts they are shown in
    scrSettings->updateGeometry(); // its hint follows the new captions
    layout()->activate();
    const QSize hint = sizeHint();
    QSize room(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (const QScreen* display = screen())
        room = display->availableGeometry().size() - QSize(kFrameRoom, kFrameRoom);
    setFixedWidth(std::min(hint.width(), room.width()));
    setMinimumHeight(std::min(std::max(Px(kMinHeightTwips), hint.height()), room.height()));
    setMaximumHeight(std::max(Px(kMaxHeightTwips), hint.height()));
    resize(width(), std::min(hint.height(), room.height()));
}

void frmConfigure::ShowSettings()
{
    const ConfigurationSettings& c = m_config;
    for (int i = 0; i < intNumOrbLists; ++i)
        cboOrb[i]->setCurrentIndex(c.cboOrb[i]);
    chkUseBoldface->setChecked(c.chkUseBoldface);
    opt1DegOfOrb->setChecked(c.opt1DegOfOrb);
    optProportionOfOrb->setChecked(!c.opt1DegOfOrb);
    cboBoldfaceFactor->setCurrentIndex(c.cboBoldfaceFactor);
    for (QWidget* w : { static_cast<QWidget*>(opt1DegOfOrb), static_cast<QWidget*>(optProportionOfOrb),
             static_cast<QWidget*>(cboBoldfaceFactor), static_cast<QWidget*>(lblOfOrb) })
        w->setEnabled(c.chkUseBoldface);
    for (int k = 0; k < 2; ++k)
        cboPersonalOrbsProportion[k]->setCurrentIndex(c.cboPersonalOrbsProportion[k]);
    cboOrbForMidpoints->setCurrentIndex(c.cboOrbForMidpoints);
    optWesternAstrology->setChecked(!c.optVedicAstrology);
    optVedicAstrology->setChecked(c.optVedicAstrology);
    SetChecked(chkKeepZodiac, c.chkKeepZodiac);
    cboHouseSystem->setCurrentIndex(c.intHouseSystem);
    SetChecked(chkShowHouseCusps, c.blnShowHouseCusps);
    SetChecked(chkIncludeTransitingMoon, c.chkIncludeTransitingMoon);
    SetChecked(chkSuppressInnerPlanetAspectDisplay, c.chkSuppressInnerPlanetAspectDisplay);
    SetChecked(chkSaveGraphicWithWhiteBackground, c.chkSaveGraphicWithWhiteBackground);
    SetChecked(chkDisplayNATZabbr, c.chkDisplayNATZabbr);
    ShowPendingColors();
}

void frmConfigure::ShowPendingColors()
{
    for (int i = 0; i < 7; ++i) {
        QPalette palette = lblAspectColor[i]->palette();
        palette.setColor(QPalette::Window, Qt::black);
        palette.setColor(QPalette::WindowText, ToQColor(m_config.dblPendingColor[i + 1]));
        lblAspectColor[i]->setPalette(palette);
    }
}

void frmConfigure::Edited(const std::function<void(ConfigurationSettings&)>& apply)
{
    apply(m_config);
    Publish();
    FocusAccept();
}

void frmConfigure::Publish()
{
    Q_EMIT configurationChanged(m_config);
}

void frmConfigure::ShowConfiguration(const ConfigurationSettings& config)
{
    m_config = config;
    ShowSettings();
}

void frmConfigure::FocusAccept()
{
    ui::FocusIfUsable(cmdAccept);
}

void frmConfigure::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
    FitToContent(); // with every control it shows now
    ui::FitOnScreen(this);
}

void frmConfigure::Form_Activate()
{
    if (isMinimized())
        showNormal();
    for (int i = 0; i < intNumOrbLists; ++i)
        m_config.cboOrb[i] = m_config.intOrbIndex[i];
    ShowSwitchesInForce(m_config); // a box ticked but never used shows what applies
    m_state.snapshot = TakeSnapshot(m_config);
    m_config.optVedicAstrology = m_config.blnSidereal;
    for (int k = 1; k <= 7; ++k)
        m_config.dblPendingColor[k] = m_config.dblAspectColor[k];
    Publish();
    ShowSettings();
    blnAccept = false;
    cmdHide->setFocus();
}

void frmConfigure::lblAspectColor_MouseUp(int intIndex, Qt::MouseButton button)
{
    const int k = intIndex + 1;
    double& dblPending = m_config.dblPendingColor[k];
    if (button == Qt::LeftButton) {
        dblPending = NextPaletteColor(dblPending);
    } else if (dblPending != 0) {
        // Black on black: the kind's lines are not drawn.
        m_state.dblLastColor[k] = dblPending;
        dblPending = 0;
    } else {
        dblPending = m_state.dblLastColor[k];
    }
    Publish();
    ShowPendingColors();
}

void frmConfigure::cboOrb_Click(int intIndex)
{
    if (m_blnOwnerStarted && intIndex == intSetAllOrbList && m_config.cboOrb[intSetAllOrbList] == 0) {
        ui::MsgBox(QStringLiteral("Cannot set all non-zero orbs to zero."), ui::MsgIcon::None, ui::MsgButtons::Ok,
            QStringLiteral("Set all"), 1, this);
        m_config.cboOrb[intSetAllOrbList] = 1;
        Publish();
        ShowSettings();
        return;
    }
    FocusAccept();
}

void frmConfigure::cmdSetAllNonzeroOrbsToConjunctionOrb_Click()
{
    const QString strOrb = OrbListItemText(m_config.cboOrb[intSetAllOrbList]);
    const QString strQuestion = GetText(TextId::SetAllOrbsQuestion).replace(QStringLiteral("NEW_ORB"), strOrb);
    if (ui::MsgBox(strQuestion, ui::MsgIcon::Question, ui::MsgButtons::YesNo, GetText(TextId::SetAllOrbsTitle), 1, this)
        != ui::MsgAnswer::Yes)
        return;
    SetAllNonzeroOrbs(m_config);
    Publish();
    ShowSettings();
    cboPersonalOrbsProportion[0]->setFocus();
}

void frmConfigure::chkUseBoldface_Click()
{
    for (QWidget* w : { static_cast<QWidget*>(opt1DegOfOrb), static_cast<QWidget*>(optProportionOfOrb),
             static_cast<QWidget*>(cboBoldfaceFactor), static_cast<QWidget*>(lblOfOrb) })
        w->setEnabled(m_config.chkUseBoldface);
    FocusAccept();
}

void frmConfigure::cmdAccept_Click()
{
    AcceptShownSettings(m_config); // colours, orbs and the four accepted switches
    Publish();
    blnAccept = true;
    Q_EMIT settingsUsed();
    // The switches are kept for the next start; if the settings file cannot
    // be written they still apply now, and the user is told.
    if (!StoreSwitches(m_config)) {
        ui::MsgBox(GetTextWithMarkers(TextId::SwitchesNotKept,
                       QDir::toNativeSeparators(platform::UserStoreFile(strSwitchesKeyPath))),
            ui::MsgIcon::Exclamation, ui::MsgButtons::Ok, cmdAccept->text(), 1, this);
    }
}

void frmConfigure::cmdCancel_Click()
{
    RestoreSnapshot(m_config, m_state.snapshot);
    Publish();
    ShowSettings();
    hide();
    Q_EMIT settingsCancelled();
}

void frmConfigure::cmdHide_Click()
{
    hide();
}

void frmConfigure::cmdReset_Click()
{
    if (m_state.blnSilentReset) {
        ui::MsgBox(GetText(TextId::ResetClosedWithBox) + strCrLf + GetText(TextId::ResetDone) + strCrLf
                + GetText(TextId::ResetNextTime),
            ui::MsgIcon::Information, ui::MsgButtons::Ok, QStringLiteral("X"), 1, this);
    } else if (m_blnOwnerStarted && isVisible()) {
        const QString strTitle = IsGerman() ? QStringLiteral("Auf Grundeinstellung zurücksetzen") : cmdReset->text();
        if (ui::MsgBox(GetText(TextId::ResetWarning) + strCrLf + GetText(TextId::ResetContinue), ui::MsgIcon::Question,
                ui::MsgButtons::YesNo, strTitle, 1, this)
            != ui::MsgAnswer::Yes)
            return;
    }
    ResetToDefaults(m_config, intCurrentLanguage == intLangEnglish);
    Publish();
    ShowSettings();
    if (m_blnOwnerStarted)
        cmdAccept_Click();
}

void frmConfigure::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept(); // the dialog is hidden, not destroyed
}

void frmConfigure::Form_Unload()
{
    m_state.blnSilentReset = true;
    cmdReset_Click();
    m_state.blnSilentReset = false;
    cmdCancel_Click();
}

} // namespace qal
