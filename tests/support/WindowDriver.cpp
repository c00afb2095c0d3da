// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "WindowDriver.h"

#include "ui/PictureBox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

namespace qal::test {

QObject* FindNamed(const QObject* window, const char* strName, int intIndex)
{
    const QString strFull = QString::fromLatin1(strName) + (intIndex < 0 ? QString() : QString::number(intIndex));
    QObject* found = window ? window->findChild<QObject*>(strFull) : nullptr;
    if (!found)
        qFatal("no control named %s", qPrintable(strFull));
    return found;
}

#define QAL_DEFINE_CONTROL(Type, name)                                                                                 \
    Type* MainWindowControls::name() const                                                                             \
    {                                                                                                                  \
        return Control<Type>(m_window, #name);                                                                         \
    }
#define QAL_DEFINE_CONTROL_ARRAY(Type, name)                                                                           \
    Type* MainWindowControls::name(int intIndex) const                                                                 \
    {                                                                                                                  \
        return Control<Type>(m_window, #name, intIndex);                                                               \
    }
QAL_MAIN_WINDOW_CONTROLS(QAL_DEFINE_CONTROL, QAL_DEFINE_CONTROL_ARRAY)
#undef QAL_DEFINE_CONTROL
#undef QAL_DEFINE_CONTROL_ARRAY

void MainWindowControls::FillDateSet(
    int k, const char* strYear, int intMonth, int intDay, const char* strHour, const char* strZone) const
{
    txbYearCE(k)->setText(QString::fromUtf8(strYear));
    cboMonthCE(k)->setCurrentIndex(intMonth);
    cboDayCE(k)->setCurrentIndex(intDay);
    cboHour(k)->setCurrentIndex(std::max(0, cboHour(k)->findText(QString::fromUtf8(strHour))));
    cboTimezone(k)->setCurrentIndex(std::max(0, cboTimezone(k)->findText(QString::fromUtf8(strZone))));
}

} // namespace qal::test
