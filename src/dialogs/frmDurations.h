// The durations window: every aspect of the table with the day it began,
// the day it ends and how long it lasts, sorted as the user chooses
// (Planetary and Personal modes); or a narrative summary of the aspects and
// the aspect patterns (Natal and Synastry modes). Its text can be copied.
#pragma once

#include "chart/DurationReport.h"

#include <QHash>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qal {

class frmMain;

class frmDurations : public QWidget {
    Q_OBJECT
public:
    explicit frmDurations(frmMain* main);

    // Builds the title, gathers the durations of the current aspects and
    // shows the window with its list or summary.
    void Report();

    void Form_Activate();
    void cboSortBy_Click();
    void chkShowDuration_Click();
    void chkExactMoments_Click();
    void cmdCopy_Click();
    void cmdClose_Click();

    QLabel* lblTitle = nullptr;
    QLabel* lblSortBy = nullptr;
    QComboBox* cboSortBy = nullptr;
    QCheckBox* chkShowDuration = nullptr;
    QCheckBox* chkExactMoments = nullptr; // the exact moments under each aspect (remembered)
    QPlainTextEdit* txbOutput = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdClose = nullptr;

private:
    frmMain* m_main;
    DurationColumns m_columns;
    bool m_blnFillingSortList = false;
    QHash<QString, QString> m_courseLines; // record → its exact-moments line, worked out once per report
    QString m_strPatternSpans; // null until worked out for the report

    void FillSortList();
    void ListDurations();
    DurationListOptions ListOptions();
    QString Title() const;
    QString CourseLine(const QString& strRecord);
};

} // namespace qal
