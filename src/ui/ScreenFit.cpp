// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ui/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>

namespace qal::ui {

void FitOnScreen(QWidget* window)
{
    const QScreen* display = QGuiApplication::screenAt(window->geometry().center());
    if (!display)
        display = window->screen();
    if (!display)
        return;
    const QRect area = display->availableGeometry();
    // The frame around the window, as far as it is known (none before the first show).
    const QSize frame = window->frameGeometry().size() - window->size();
    const QSize most(std::max(1, area.width() - frame.width()), std::max(1, area.height() - frame.height()));
    if (window->width() > most.width() || window->height() > most.height())
        window->resize(window->size().boundedTo(most));
    const QRect outer = window->frameGeometry();
    const int x = std::clamp(outer.left(), area.left(), std::max(area.left(), area.right() + 1 - outer.width()));
    const int y = std::clamp(outer.top(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()));
    if (x != outer.left() || y != outer.top())
        window->move(x, y);
}

QSize WholeContentScrollArea::sizeHint() const
{
    if (!widget())
        return QScrollArea::sizeHint();
    // Room for the vertical scroll bar too, so that the content keeps its
    // width when the scroll area is lower than the content.
    const int intFrame = 2 * frameWidth();
    return widget()->sizeHint() + QSize(intFrame + verticalScrollBar()->sizeHint().width(), intFrame);
}

} // namespace qal::ui
