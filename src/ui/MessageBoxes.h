// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Message boxes. Every question and notice the program shows goes through
// here; tests answer them in advance (ui/UiScript.h).
#pragma once

#include "ui/UiScript.h"

class QWidget;

namespace qal::ui {

// Shows a modal box and returns the answer. intDefaultButton (1-based) is the
// button that Enter presses.
MsgAnswer MsgBox(const QString& strText, MsgIcon icon, MsgButtons buttons, const QString& strTitle,
    int intDefaultButton = 1, QWidget* parent = nullptr);

} // namespace qal::ui
