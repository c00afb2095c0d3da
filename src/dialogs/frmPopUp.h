// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The notice window: a short confirmation that disappears by itself after
// the interval its caller gives, or when clicked. There is one; each notice
// replaces the text, size, place and timer of the one before. It never takes
// the keyboard focus. Sizes and places are twips, intervals milliseconds.
#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace qal {

class frmPopUp : public QWidget {
    Q_OBJECT
public:
    explicit frmPopUp(QWidget* owner);

    // At a place of the screen.
    void PopUp(const QString& strMessage, int intWidth, int intHeight, int intInterval, int intTop, int intLeft);
    // In the middle of the screen.
    void PopUpCenterScreen(const QString& strMessage, int intWidth, int intHeight, int intInterval);
    // At a place relative to the owner window's top-left corner.
    void PopUpInForm(const QWidget* owner, const QString& strMessage, int intWidth, int intHeight, int intInterval,
        int intTop, int intLeft);

    // The timer's tick and a click on the label close the notice.
    void Timer1_Timer();
    void lblMessage_MouseUp();

    QLabel* lblMessage = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace qal
