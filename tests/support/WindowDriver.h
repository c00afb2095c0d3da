// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Driving the program's windows as a user does: their controls are found by
// the names the design gives them (ui/ControlNames.h), control arrays by
// their index, "txbYearCE(k)" as the design writes them. Shared by the window
// tests and the benchmarks.
#pragma once

#include <QObject>
#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;

namespace qal {
class PictureBox;
}

namespace qal::test {

// The child of window named strName (with intIndex appended for a control
// array); the run stops when there is none, for a control renamed or gone.
QObject* FindNamed(const QObject* window, const char* strName, int intIndex = -1);

// A control of window of type T (the type is checked where it is known).
template <typename T> T* Control(const QObject* window, const char* strName, int intIndex = -1)
{
    return dynamic_cast<T*>(FindNamed(window, strName, intIndex));
}

// The main window's controls: X(type, name) for one, A(type, name) for a control array.
#define QAL_MAIN_WINDOW_CONTROLS(X, A)                                                                                 \
    A(QLineEdit, txbYearCE)                                                                                            \
    A(QComboBox, cboMonthCE)                                                                                           \
    A(QComboBox, cboDayCE)                                                                                             \
    A(QComboBox, cboHour)                                                                                              \
    A(QComboBox, cboTimezone)                                                                                          \
    A(QPushButton, cmdClear)                                                                                           \
    A(QLabel, lblDateSet)                                                                                              \
    X(QRadioButton, optPlanetary)                                                                                      \
    A(QRadioButton, optNatal)                                                                                          \
    A(QRadioButton, optPersonal)                                                                                       \
    X(QRadioButton, optSynastry)                                                                                       \
    X(QGroupBox, fraLanguage)                                                                                          \
    X(QRadioButton, optEnglish)                                                                                        \
    X(QRadioButton, optGerman)                                                                                         \
    X(QPushButton, cmdConfigure)                                                                                       \
    X(QPushButton, cmdSave)                                                                                            \
    X(QPushButton, cmdRestore)                                                                                         \
    X(QPushButton, cmdSaveAs)                                                                                          \
    X(QPushButton, cmdLoadState)                                                                                       \
    X(QPushButton, cmdQuit)                                                                                            \
    X(QPushButton, cmdRun)                                                                                             \
    X(QPushButton, cmdReport)                                                                                          \
    X(QPushButton, cmdHelp)                                                                                            \
    X(QLabel, lblNotice)                                                                                               \
    X(QLabel, lblClickonAspect)                                                                                        \
    X(QTimer, Timer1)                                                                                                  \
    X(QTimer, Timer2)                                                                                                  \
    X(QRadioButton, optDegrees)                                                                                        \
    X(QRadioButton, optRadians)                                                                                        \
    X(QPushButton, cmdCompute)                                                                                         \
    X(QPushButton, cmdNow)                                                                                             \
    X(QWidget, picTable)                                                                                               \
    X(PictureBox, picGraphic)                                                                                          \
    X(QPushButton, cmdToggleGraphic)                                                                                   \
    A(QPushButton, cmdForwardBack)                                                                                     \
    X(QComboBox, cboForwardBack)                                                                                       \
    A(QLabel, txbCell)                                                                                                 \
    X(QPlainTextEdit, txbReport)                                                                                       \
    X(QPlainTextEdit, txbReport1)

// The main window's controls.
class MainWindowControls {
public:
    void AttachWindow(const QObject* window) { m_window = window; }

#define QAL_DECLARE_CONTROL(Type, name) Type* name() const;
#define QAL_DECLARE_CONTROL_ARRAY(Type, name) Type* name(int intIndex) const;
    QAL_MAIN_WINDOW_CONTROLS(QAL_DECLARE_CONTROL, QAL_DECLARE_CONTROL_ARRAY)
#undef QAL_DECLARE_CONTROL
#undef QAL_DECLARE_CONTROL_ARRAY

    // Fills date set k: year text, month 1..12, day, "hh:mm" and zone text
    // ("" leaves a list empty).
    void FillDateSet(
        int k, const char* strYear, int intMonth, int intDay, const char* strHour, const char* strZone) const;

private:
    const QObject* m_window = nullptr;
};

} // namespace qal::test
