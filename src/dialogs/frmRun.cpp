// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "dialogs/frmRun.h"

#include "astro/AstroTables.h"
#include "text/Texts.h"
#include "ui/ControlNames.h"
#include "ui/ScreenFit.h"
#include "ui/Focus.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qal {

frmRun::frmRun(QWidget* owner)
    : QDialog(owner)
{
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize); // always as large as its texts need
    optRunUntilStopped = ui::Named(new QRadioButton(this), "optRunUntilStopped");
    optRunUntilFinding = ui::Named(new QRadioButton(this), "optRunUntilFinding");
    auto* choice = new QButtonGroup(this);
    choice->addButton(optRunUntilStopped);
    choice->addButton(optRunUntilFinding);
    cboAspectPattern = ui::Named(new QComboBox(this), "cboAspectPattern");
    cboAspectPattern->setSizeAdjustPolicy(QComboBox::AdjustToContents); // the longest pattern name fits
    chkTwoOrMore = ui::Named(new QCheckBox(this), "chkTwoOrMore");
    cboNumToFind = ui::Named(new QComboBox(this), "cboNumToFind");
    lblGefunden = ui::Named(new QLabel(QStringLiteral("gefunden"), this), "lblGefunden");
    chkRunQuickly = ui::Named(new QCheckBox(this), "chkRunQuickly");
    cmdRun = ui::Named(new QPushButton(this), "cmdRun");
    cmdCancel = ui::Named(new QPushButton(this), "cmdCancel");

    layout->addWidget(optRunUntilStopped);
    auto* finding = new QHBoxLayout;
    finding->addWidget(optRunUntilFinding);
    finding->addWidget(cboAspectPattern);
    finding->addStretch(1);
    layout->addLayout(finding);
    auto* atLeast = new QHBoxLayout;
    atLeast->addSpacing(24);
    atLeast->addWidget(chkTwoOrMore);
    atLeast->addWidget(cboNumToFind);
    atLeast->addWidget(lblGefunden);
    atLeast->addStretch(1);
    layout->addLayout(atLeast);
    layout->addWidget(chkRunQuickly);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdRun);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);

    connect(optRunUntilStopped, &QRadioButton::clicked, this, [this] { optRunUntilStopped_Click(); });
    connect(optRunUntilFinding, &QRadioButton::clicked, this, [this] { optRunUntilFinding_Click(); });
    connect(cboAspectPattern, &QComboBox::activated, this, [this] { cboAspectPattern_Click(); });
    connect(chkTwoOrMore, &QCheckBox::clicked, this, [this] { chkTwoOrMore_Click(); });
    connect(cmdRun, &QPushButton::clicked, this, [this] { cmdRun_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

    // Form_Load: the number list, a run until stopped, nothing quick.
    for (int n = 2; n <= 9; ++n)
        cboNumToFind->addItem(QString::number(n));
    cboNumToFind->setCurrentIndex(0);
    optRunUntilStopped->setChecked(true);
    chkRunQuickly->setChecked(false);
    chkTwoOrMore->setChecked(false);
    cboNumToFind->setEnabled(false);
    m_intLastPatternIndex = -1;
}

void frmRun::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmRun::Form_Activate()
{
    m_request.blnCancelled = false;
    move(m_place);
    ui::FitOnScreen(this);
    setWindowTitle(GetText(TextId::Run));
    optRunUntilStopped->setText(GetText(TextId::RunUntilStopped));
    optRunUntilFinding->setText(GetText(TextId::RunUntilFinding));
    chkTwoOrMore->setText(GetText(TextId::FindAtLeast));
    chkRunQuickly->setText(GetText(TextId::RunQuickly));
    cmdRun->setText(GetText(TextId::Run));
    cmdCancel->setText(GetText(TextId::Cancel));
    lblGefunden->setVisible(IsGerman());
    m_blnSettingPattern = true;
    cboAspectPattern->clear();
    for (int p = 0; p < intNumPatternKinds; ++p)
        cboAspectPattern->addItem(strPatternName[p]);
    cboAspectPattern->setCurrentIndex(m_intLastPatternIndex);
    m_blnSettingPattern = false;
    adjustSize();
    FocusRun();
}

void frmRun::FocusRun()
{
    ui::FocusIfUsable(cmdRun);
}

void frmRun::optRunUntilStopped_Click()
{
    chkTwoOrMore->setEnabled(cboAspectPattern->isEnabled());
}

void frmRun::optRunUntilFinding_Click()
{
    chkTwoOrMore->setEnabled(true);
    chkRunQuickly->setEnabled(true);
    chkTwoOrMore->setEnabled(cboAspectPattern->isEnabled());
}

void frmRun::cboAspectPattern_Click()
{
    if (m_blnSettingPattern)
        return;
    optRunUntilFinding->setChecked(true);
    FocusRun();
    m_intLastPatternIndex = cboAspectPattern->currentIndex();
}

void frmRun::chkTwoOrMore_Click()
{
    const bool blnNoPattern = cboAspectPattern->currentIndex() < 0;
    if (blnNoPattern && chkTwoOrMore->isChecked())
        chkTwoOrMore->setChecked(false);
    cboNumToFind->setEnabled(chkTwoOrMore->isChecked());
    if (blnNoPattern)
        cmdCancel->setFocus();
    else
        FocusRun();
}

void frmRun::cmdRun_Click()
{
    if (optRunUntilFinding->isChecked() && cboAspectPattern->currentIndex() < 0)
        optRunUntilStopped->setChecked(true);
    if (optRunUntilStopped->isChecked())
        cboAspectPattern->setCurrentIndex(-1);
    TakeRequest(false);
    hide();
}

void frmRun::cmdCancel_Click()
{
    TakeRequest(true);
    hide();
}

void frmRun::TakeRequest(bool blnCancelled)
{
    m_request.blnCancelled = blnCancelled;
    m_request.intPattern = cboAspectPattern->currentIndex();
    m_request.strPatternName = cboAspectPattern->currentText();
    m_request.blnAtLeast = chkTwoOrMore->isChecked();
    m_request.intNumberToFind = cboNumToFind->currentIndex() + 2;
    m_request.blnQuickly = chkRunQuickly->isChecked();
}

void frmRun::reject()
{
    cmdCancel_Click();
}

void frmRun::closeEvent(QCloseEvent* event)
{
    cmdCancel_Click();
    event->accept();
}

} // namespace qal
