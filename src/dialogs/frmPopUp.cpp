// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "dialogs/frmPopUp.h"

#include "util/Twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace qal {

frmPopUp::frmPopUp(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    lblMessage = new QLabel(this);
    lblMessage->setAlignment(Qt::AlignCenter);
    lblMessage->setWordWrap(true);
    lblMessage->setAutoFillBackground(true);
    lblMessage->setStyleSheet(
        QStringLiteral("QLabel { background: #fffbe0; color: black; border: 1px solid #8a7a30; padding: 2px; }"));
    lblMessage->installEventFilter(this);
    Timer1 = new QTimer(this);
    Timer1->setSingleShot(false);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void frmPopUp::PopUp(const QString& strMessage, int intWidth, int intHeight, int intInterval, int intTop, int intLeft)
{
    lblMessage->setText(strMessage);
    // The size asked for, or larger where the text needs it (a longer
    // language): on one line, and growing to the left, so that a notice
    // placed to end beside a button still ends there.
    const QSize needed = lblMessage->sizeHint();
    const int intShownWidth = std::max(Px(intWidth), needed.width());
    const int intShownHeight = std::max(Px(intHeight), needed.height());
    resize(intShownWidth, intShownHeight);
    lblMessage->setGeometry(rect());
    move(Px(intLeft) - (intShownWidth - Px(intWidth)), Px(intTop));
    Timer1->setInterval(intInterval);
    Timer1->start();
    show();
}

void frmPopUp::PopUpCenterScreen(const QString& strMessage, int intWidth, int intHeight, int intInterval)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize(1024, 768);
    const int intTop = static_cast<int>(std::nearbyint((screenSize.height() * intTwipsPerPixel - intHeight) / 2.0));
    const int intLeft = static_cast<int>(std::nearbyint((screenSize.width() * intTwipsPerPixel - intWidth) / 2.0));
    PopUp(strMessage, intWidth, intHeight, intInterval, intTop, intLeft);
}

void frmPopUp::PopUpInForm(const QWidget* owner, const QString& strMessage, int intWidth, int intHeight,
    int intInterval, int intTop, int intLeft)
{
    const QPoint corner = owner->frameGeometry().topLeft();
    PopUp(strMessage, intWidth, intHeight, intInterval, corner.y() * intTwipsPerPixel + intTop,
        corner.x() * intTwipsPerPixel + intLeft);
}

void frmPopUp::Timer1_Timer()
{
    Timer1->stop();
    hide();
}

void frmPopUp::lblMessage_MouseUp()
{
    Timer1->stop();
    hide();
}

bool frmPopUp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblMessage && event->type() == QEvent::MouseButtonRelease)
        lblMessage_MouseUp();
    return QWidget::eventFilter(watched, event);
}

} // namespace qal
