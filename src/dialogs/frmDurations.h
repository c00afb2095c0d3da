// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The durations window: every aspect of the table with the day it began,
// the day it ends and how long it lasts, sorted as the user chooses
// (Planetary and Personal modes); or a narrative summary of the aspects and
// the aspect patterns (Natal and Synastry modes). Its text can be copied,
// its aspects saved as a calendar file (their passes and stretches) or shown
// on a time map.
//
// The window is handed what it shows as a value (DurationsContent) and
// keeps its own copy of the records to sort. The exact moments under the
// aspects are worked out on the work pool (with a progress bar and Cancel)
// from that value, and the calendar is saved from the same courses.
#pragma once

#include "aspects/Orbs.h"
#include "astro/ChartState.h"
#include "chart/AspectCourse.h"
#include "chart/DurationReport.h"
#include "chart/Durations.h"
#include "settings/Configuration.h"
#include "util/WorkPool.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qal {

struct PatternSky;
namespace ui {
class JobProgress;
}

// What the durations window shows, as values taken when it is filled: the
// chart shown (its moments, positions and duration records, chart/Durations.h),
// the date texts of its date sets, and the orbs and settings it was computed
// with. The window reads nothing else, so a chart stepped or orbs changed
// after it was filled leave it as it is.
struct DurationsContent {
    QStringList strDurationRecord;
    DurationInputs inputs;
    ChartPositions positions; // of the chart shown
    OrbTable orbs;
    ConfigurationSettings config; // for the "Orb" column, the pattern spans and the time map
    QString strDateText[3]; // "March 5, 2018, 14:30 (GMT+1:00)"; "" for a date set the chart does not use
    QString strOrbTitle; // "Orbs: 4° to 10°"
    double dblNatalDayValue = -1; // the natal date set's local day, in the Personal modes
};

// Whether two contents show the same chart with the same orbs (the records
// may be sorted differently).
bool SameChart(const DurationsContent& a, const DurationsContent& b);

class frmDurations : public QWidget {
    Q_OBJECT
public:
    explicit frmDurations(QWidget* owner);

    // Shows the window with the list or summary of content.
    void Report(const DurationsContent& content);
    // What the window shows.
    const DurationsContent& Content() const { return m_content; }
    // The window to the front as it is, also from minimised.
    void BringToFront();

    void Form_Activate();
    void cboSortBy_Click();
    void chkShowDuration_Click();
    void chkExactMoments_Click();
    void cmdCopy_Click();
    void cmdSaveCalendar_Click();
    void cmdTimeMap_Click();
    void cmdClose_Click();

    // The records as listed now (sorted as the list is).
    const QStringList& Records() const { return m_content.strDurationRecord; }

Q_SIGNALS:
    // The time map of the chart shown is wanted; strTitle names the chart,
    // its orbs and its zodiac.
    void timeMapRequested(const qal::DurationsContent& content, const QString& strTitle);

private:
    QLabel* lblTitle = nullptr;
    QLabel* lblSortBy = nullptr;
    QComboBox* cboSortBy = nullptr;
    QCheckBox* chkShowDuration = nullptr;
    QCheckBox* chkExactMoments = nullptr; // the exact moments under each aspect (remembered)
    QPlainTextEdit* txbOutput = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdSaveCalendar = nullptr; // Planetary and Personal modes
    QCheckBox* chkSkyEvents = nullptr; // the calendar with the sky's events
    QPushButton* cmdTimeMap = nullptr; // the same
    QPushButton* cmdClose = nullptr;

    ui::JobProgress* jobProgress = nullptr; // while the courses are worked out

    DurationsContent m_content;
    DurationColumns m_columns;
    bool m_blnFillingSortList = false;
    // The exact moments and stretches of the aspects and the patterns' spans
    // of the content, worked out on the work pool when first wanted.
    std::optional<DurationCourses> m_courses;
    Job<DurationCourses> m_job;
    QString m_strPendingCalendar; // the calendar file to write once the courses are known

    void FillSortList();
    void ListDurations();
    DurationListOptions ListOptions();
    QString Title() const;
    PatternSky ContentPatternSky() const;
    // Starts working out the courses unless they are known or under way.
    void WorkOutCourses();
    void CoursesWorkedOut();
    void CoursesCancelled();
    void WriteCalendar(const QString& strFile);
};

} // namespace qal
