// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The run dialog: run time forward until stopped, or until a chosen aspect
// pattern is present (at least a chosen number of times), optionally
// quickly. Loaded once and kept, so its choices stay between runs; only the
// pattern list is refilled at each showing, in the current language.
#pragma once

#include <QDialog>
#include <QPoint>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace qal {

// What the user asked for when the dialog closed.
struct RunRequest {
    bool blnCancelled = false; // closed with Cancel or the close box
    int intPattern = -1; // the pattern kind to find, or −1 for a run until stopped
    QString strPatternName; // its name as the list showed it
    bool blnAtLeast = false; // at least intNumberToFind of them
    int intNumberToFind = 2; // 2 to 9
    bool blnQuickly = false; // no pause between the steps
};

class frmRun : public QDialog {
    Q_OBJECT
public:
    explicit frmRun(QWidget* owner);

    // The dialog shows itself with its top-left corner at this point of the screen.
    void SetPlace(const QPoint& place) { m_place = place; }
    // What the user chose, as the dialog closed last.
    const RunRequest& Request() const { return m_request; }

    void Form_Activate();
    void optRunUntilStopped_Click();
    void optRunUntilFinding_Click();
    void cboAspectPattern_Click();
    void chkTwoOrMore_Click();
    void cmdRun_Click();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Escape cancels, as Cancel and the close box do.
    void reject() override;

private:
    QRadioButton* optRunUntilStopped = nullptr;
    QRadioButton* optRunUntilFinding = nullptr;
    QComboBox* cboAspectPattern = nullptr;
    QCheckBox* chkTwoOrMore = nullptr;
    QComboBox* cboNumToFind = nullptr;
    QLabel* lblGefunden = nullptr;
    QCheckBox* chkRunQuickly = nullptr;
    QPushButton* cmdRun = nullptr;
    QPushButton* cmdCancel = nullptr;

    RunRequest m_request;
    QPoint m_place;
    int m_intLastPatternIndex = -1;
    bool m_blnSettingPattern = false;

    void FocusRun();
    void TakeRequest(bool blnCancelled);
};

} // namespace qal
