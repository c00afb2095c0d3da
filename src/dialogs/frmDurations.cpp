// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "dialogs/frmDurations.h"

#include "chart/AspectCalendarEvents.h"
#include "chart/AspectCourse.h"
#include "chart/CurrentChart.h"
#include "drawing/Fonts.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "text/FileMessages.h"
#include "settings/Configuration.h"
#include "settings/RegistrySwitches.h"
#include "text/Texts.h"
#include "ui/Clipboard.h"
#include "ui/ControlNames.h"
#include "ui/FileDialogs.h"
#include "ui/Focus.h"
#include "ui/JobProgress.h"
#include "ui/Keys.h"
#include "ui/ScreenFit.h"
#include "ui/MessageBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace qal {

bool SameChart(const DurationsContent& a, const DurationsContent& b)
{
    QStringList recordsA = a.strDurationRecord, recordsB = b.strDurationRecord;
    recordsA.sort();
    recordsB.sort();
    return a.inputs == b.inputs && a.orbs == b.orbs && recordsA == recordsB && a.config == b.config
        && a.strOrbTitle == b.strOrbTitle
        && a.dblNatalDayValue == b.dblNatalDayValue
        && std::equal(std::begin(a.strDateText), std::end(a.strDateText), std::begin(b.strDateText));
}

frmDurations::frmDurations(QWidget* owner)
    : QWidget(owner, Qt::Window)
{
    auto* layout = new QVBoxLayout(this);
    lblTitle = ui::Named(new QLabel(this), "lblTitle");
    lblTitle->setWordWrap(true);
    lblTitle->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lblTitle);
    auto* controls = new QHBoxLayout;
    lblSortBy = ui::Named(new QLabel(this), "lblSortBy");
    cboSortBy = ui::Named(new QComboBox(this), "cboSortBy");
    cboSortBy->setSizeAdjustPolicy(QComboBox::AdjustToContents); // its entries change with the mode
    chkShowDuration = ui::Named(new QCheckBox(this), "chkShowDuration");
    controls->addWidget(lblSortBy);
    controls->addWidget(cboSortBy);
    controls->addSpacing(16);
    controls->addWidget(chkShowDuration);
    chkExactMoments = ui::Named(new QCheckBox(this), "chkExactMoments");
    controls->addSpacing(16);
    controls->addWidget(chkExactMoments);
    controls->addStretch(1);
    layout->addLayout(controls);
    txbOutput = ui::Named(new QPlainTextEdit(this), "txbOutput");
    txbOutput->setReadOnly(true);
    txbOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    txbOutput->setFont(FixedWidthFont(9));
    layout->addWidget(txbOutput, 1);
    auto* buttons = new QHBoxLayout;
    cmdCopy = ui::Named(new QPushButton(this), "cmdCopy");
    cmdSaveCalendar = ui::Named(new QPushButton(this), "cmdSaveCalendar");
    cmdClose = ui::Named(new QPushButton(this), "cmdClose");
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdSaveCalendar);
    chkSkyEvents = ui::Named(new QCheckBox(this), "chkSkyEvents");
    buttons->addWidget(chkSkyEvents);
    cmdTimeMap = ui::Named(new QPushButton(this), "cmdTimeMap");
    buttons->addWidget(cmdTimeMap);
    jobProgress = new ui::JobProgress(this);
    buttons->addWidget(jobProgress, 1);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    resize(900, 560);

    connect(cboSortBy, &QComboBox::currentIndexChanged, this, [this] { cboSortBy_Click(); });
    connect(chkShowDuration, &QCheckBox::clicked, this, [this] { chkShowDuration_Click(); });
    connect(chkExactMoments, &QCheckBox::clicked, this, [this] { chkExactMoments_Click(); });
    connect(cmdCopy, &QPushButton::clicked, this, [this] { cmdCopy_Click(); });
    connect(cmdSaveCalendar, &QPushButton::clicked, this, [this] { cmdSaveCalendar_Click(); });
    connect(chkSkyEvents, &QCheckBox::clicked, this, [this] { StoreCalendarSkyEventsSwitch(chkSkyEvents->isChecked()); });
    connect(cmdTimeMap, &QPushButton::clicked, this, [this] { cmdTimeMap_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    connect(jobProgress, &ui::JobProgress::finished, this, [this] { CoursesWorkedOut(); });
    connect(jobProgress, &ui::JobProgress::cancelled, this, [this] { CoursesCancelled(); });
    ui::CloseOnEscape(this, [this] { cmdClose_Click(); });
}

QString frmDurations::Title() const
{
    const int intMode = m_content.inputs.intMode;
    const QString* strDate = m_content.strDateText;
    const QString strEnd = QStringLiteral(".  ") + m_content.strOrbTitle + QStringLiteral("   ") + ZodiacName(false)
        + QLatin1Char(' ') + GetText(TextId::Geocentric);
    if (intMode == modeSynastry) {
        return GetText(TextId::SynastryOf) + QStringLiteral(" (1) ") + strDate[1] + QStringLiteral(" (2) ") + strDate[2]
            + QLatin1Char(' ') + GetText(TextId::TwoBirthCharts) + strEnd;
    }
    if (intMode == modePlanetary) {
        return GetText(TextId::AspectsOfTheMoment) + QLatin1Char(' ') + strDate[0] + QLatin1Char(' ')
            + GetText(TextId::PlanetaryChart) + strEnd;
    }
    if (IsPersonalMode(intMode)) {
        const int intNatal = RuleOfMode(intMode).intSlotDateSet[1];
        return GetText(intMode == modePersonal1 ? TextId::ModePersonal1 : TextId::ModePersonal2) + QStringLiteral(" (")
            + strDate[intNatal] + QStringLiteral("): ") + strDate[0] + strEnd;
    }
    const int k = RuleOfMode(intMode).intSlotDateSet[0];
    return GetText(TextId::AspectsOf) + QLatin1Char(' ')
        + GetText(k == 1 ? TextId::DateSetNatal1 : TextId::DateSetNatal2) + QLatin1Char(' ') + strDate[k]
        + QLatin1Char(' ') + GetText(TextId::BirthChart) + strEnd;
}

void frmDurations::Report(const DurationsContent& content)
{
    jobProgress->StopWatching();
    m_job = {}; // the courses of an earlier chart are not wanted
    m_courses.reset();
    m_strPendingCalendar.clear();
    m_content = content;
    lblTitle->setText(Title());
    setWindowTitle(GetText(TextId::DurationsTitle));
    BringToFront();
    Form_Activate();
}

void frmDurations::BringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    ui::FitOnScreen(this);
    raise();
    activateWindow();
}

PatternSky frmDurations::ContentPatternSky() const
{
    return MakePatternSky(m_content.positions.dblLongitude[0], m_content.positions.intNumBodies, m_content.orbs,
        MidpointOrbRadians(m_content.config));
}

void frmDurations::FillSortList()
{
    m_blnFillingSortList = true;
    cboSortBy->clear();
    cboSortBy->addItems(SortListItems(m_content.inputs.intMode));
    cboSortBy->setCurrentIndex(-1);
    m_blnFillingSortList = false;
}

void frmDurations::Form_Activate()
{
    m_columns = SetColumnWidths();
    FillSortList();
    lblSortBy->setText(GetText(TextId::SortBy));
    chkShowDuration->setText(GetText(TextId::ShowDuration));
    chkExactMoments->setText(GetText(TextId::ExactMoments));
    cmdCopy->setText(GetText(TextId::CopyToClipboard));
    cmdSaveCalendar->setText(GetText(TextId::SaveAsCalendar));
    cmdSaveCalendar->setVisible(RuleOfMode(m_content.inputs.intMode).blnMoving);
    chkSkyEvents->setText(GetText(TextId::WithSkyEvents));
    chkSkyEvents->setChecked(ReadCalendarSkyEventsSwitch());
    chkSkyEvents->setVisible(RuleOfMode(m_content.inputs.intMode).blnMoving);
    cmdTimeMap->setText(GetText(TextId::TimeMap));
    cmdTimeMap->setVisible(RuleOfMode(m_content.inputs.intMode).blnMoving);
    cmdClose->setText(GetText(TextId::Close));
    jobProgress->SetLanguageDependentText();
    const int intMode = m_content.inputs.intMode;
    // The list keeps its columns; a summary is prose and wraps at the window's width.
    txbOutput->setLineWrapMode(RuleOfMode(intMode).blnMoving ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    if (RuleOfMode(intMode).blnMoving) {
        chkShowDuration->setChecked(true);
        chkShowDuration->show();
        chkExactMoments->setChecked(ReadExactMomentsSwitch());
        chkExactMoments->show();
        lblSortBy->show();
        cboSortBy->show();
        cboSortBy->setCurrentIndex(sortOrb); // sorts and lists, closest first
    } else {
        chkShowDuration->hide();
        chkExactMoments->hide();
        lblSortBy->hide();
        cboSortBy->hide();
        SortDurationRecords(m_content.strDurationRecord, sortOrb);
        const ChartPositions& positions = m_content.positions;
        const PatternSky sky = ContentPatternSky();
        QString strSummary
            = WriteSummary(m_content.strDurationRecord, intMode, positions, intMode == modeSynastry ? nullptr : &sky);
        txbOutput->setPlainText(strSummary.replace(strCrLf, QStringLiteral("\n")));
    }
}

DurationListOptions frmDurations::ListOptions()
{
    DurationListOptions o;
    o.intMode = m_content.inputs.intMode;
    o.intSortIndex = cboSortBy->currentIndex();
    o.blnShowDuration = chkShowDuration->isChecked();
    o.orbs = m_content.orbs;
    if (chkExactMoments->isChecked() && m_courses) {
        o.courseLine = [this](const QString& strRecord) {
            const auto it = m_courses->aspects.constFind(strRecord);
            return it == m_courses->aspects.constEnd()
                ? QString()
                : CourseText(it->stretch, m_content.inputs.intTimezoneMinutes, QStringLiteral("; "));
        };
    }
    return o;
}

void frmDurations::WorkOutCourses()
{
    if (m_courses || m_job.Valid())
        return;
    // The patterns of the sky are listed by the chart in the Planetary mode only.
    const PatternSky sky = ContentPatternSky();
    std::vector<PatternOccurrence> patterns;
    if (m_content.inputs.intMode == modePlanetary)
        patterns = PatternOccurrences(sky, false);
    m_job = StartJob<DurationCourses>([records = m_content.strDurationRecord, in = m_content.inputs,
                                          orbs = m_content.orbs, patterns, dblMidpointOrb = sky.dblMidpointOrb](
                                          JobControl& control) {
        return qal::WorkOutCourses(records, in, orbs, patterns, dblMidpointOrb, WatchOf(control));
    });
    jobProgress->Watch(m_job);
}

void frmDurations::CoursesWorkedOut()
{
    m_courses = m_job.Take();
    if (chkExactMoments->isChecked())
        ListDurations();
    if (!m_strPendingCalendar.isEmpty())
        WriteCalendar(std::exchange(m_strPendingCalendar, QString()));
}

void frmDurations::CoursesCancelled()
{
    m_job = {};
    m_strPendingCalendar.clear();
    // The list stays as it is, without the moments, and the switch says so
    // (for this report only: the remembered choice is kept).
    chkExactMoments->setChecked(false);
}

void frmDurations::ListDurations()
{
    if (chkExactMoments->isChecked())
        WorkOutCourses(); // listed with the moments once they are known
    QString strText = qal::ListDurations(m_content.strDurationRecord, m_columns, ListOptions());
    if (chkExactMoments->isChecked() && m_courses && !m_courses->patterns.empty()) {
        strText += strCrLf + GetText(TextId::AspectPatternsHeader) + strCrLf
            + PatternSpansText(m_courses->patterns, m_content.inputs.intTimezoneMinutes);
    }
    txbOutput->setPlainText(strText.replace(strCrLf, QStringLiteral("\n")));
}

void frmDurations::cboSortBy_Click()
{
    const int intIndex = cboSortBy->currentIndex();
    if (intIndex < 0 || m_blnFillingSortList)
        return;
    SortDurationRecords(m_content.strDurationRecord, intIndex);
    if (intIndex >= sortBeginning && !chkShowDuration->isChecked())
        chkShowDuration->setChecked(true);
    ListDurations();
    ui::FocusIfUsable(cmdClose);
}

void frmDurations::chkShowDuration_Click()
{
    ListDurations();
}

void frmDurations::chkExactMoments_Click()
{
    StoreExactMomentsSwitch(chkExactMoments->isChecked());
    ListDurations();
}

void frmDurations::cmdCopy_Click()
{
    QString strText = txbOutput->toPlainText();
    strText.replace(QLatin1Char('\n'), strCrLf);
    ui::SetClipboardText(lblTitle->text() + strCrLf + strCrLf + strText);
}

void frmDurations::cmdSaveCalendar_Click()
{
    const QString strTitle = GetText(TextId::SaveAsCalendar).remove(QStringLiteral("..."));
    QString strFile
        = ui::GetSaveFileName(this, FileKind::Calendar, strTitle, GetText(TextId::CalendarFiles) + QStringLiteral(" (*.ics) | *.ics"));
    if (strFile.isEmpty())
        return;
    if (QFileInfo(strFile).suffix().isEmpty())
        strFile += QStringLiteral(".ics");
    if (m_courses) {
        WriteCalendar(strFile);
    } else {
        m_strPendingCalendar = strFile; // written once the courses are known
        WorkOutCourses();
    }
}

void frmDurations::WriteCalendar(const QString& strFile)
{
    const QString strTitle = GetText(TextId::SaveAsCalendar).remove(QStringLiteral("..."));
    // The aspects in the order listed.
    std::vector<AspectStretch> aspects;
    for (const QString& strRecord : Records()) {
        const auto it = m_courses->aspects.constFind(strRecord);
        if (it != m_courses->aspects.constEnd())
            aspects.push_back(*it);
    }
    const QString strText
        = DurationsCalendarText(aspects, m_content.inputs, platform::ClockNowUtc(), chkSkyEvents->isChecked());
    const QString strError = WriteFailureText(platform::ReplaceFile(strFile, strText.toUtf8()));
    if (strError.isEmpty()) {
        ui::MsgBox(GetText(TextId::CalendarSaved) + strCrLf + strFile, ui::MsgIcon::Information, ui::MsgButtons::Ok,
            strTitle, 1, this);
        return;
    }
    ui::MsgBox(GetTextWithMarkers(TextId::CalendarNotSavedIn, QDir::toNativeSeparators(strFile)) + strCrLf + strCrLf
            + strError,
        ui::MsgIcon::Exclamation, ui::MsgButtons::Ok, strTitle, 1, this);
}

void frmDurations::cmdTimeMap_Click()
{
    Q_EMIT timeMapRequested(m_content, lblTitle->text());
}

void frmDurations::cmdClose_Click()
{
    hide();
}

} // namespace qal
