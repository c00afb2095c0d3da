// The run dialog: run time forward until stopped, or until a chosen aspect
// pattern is present (at least a chosen number of times), optionally
// quickly. Loaded once and kept, so its choices stay between runs; only the
// pattern list is refilled at each showing, in the current language.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace qal {

class frmMain;

class frmRun : public QDialog {
    Q_OBJECT
public:
    explicit frmRun(frmMain* main);

    bool blnRunCancelled = false; // closed with Cancel or the close box
    int intRunPattern = -1; // the pattern kind to find, or −1 for a run until stopped

    void Form_Activate();
    void optRunUntilStopped_Click();
    void optRunUntilFinding_Click();
    void cboAspectPattern_Click();
    void chkTwoOrMore_Click();
    void cmdRun_Click();
    void cmdCancel_Click();

    // The number to find: 2 to 9.
    int NumberToFind() const;

    QRadioButton* optRunUntilStopped = nullptr;
    QRadioButton* optRunUntilFinding = nullptr;
    QComboBox* cboAspectPattern = nullptr;
    QCheckBox* chkTwoOrMore = nullptr;
    QComboBox* cboNumToFind = nullptr;
    QLabel* lblGefunden = nullptr;
    QCheckBox* chkRunQuickly = nullptr;
    QPushButton* cmdRun = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    frmMain* m_main;
    int m_intLastPatternIndex = -1;
    bool m_blnSettingPattern = false;

    void FocusRun();
};

} // namespace qal
