// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Moving the keyboard focus to a button only while the user can use it, so
// that a hidden or disabled control never takes it.
#pragma once

#include <QWidget>

namespace qal::ui {

inline void FocusIfUsable(QWidget* widget)
{
    if (widget->isVisible() && widget->isEnabled())
        widget->setFocus();
}

} // namespace qal::ui
