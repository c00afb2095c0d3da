// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Showing a window modally; tests answer it in advance (ui/UiScript.h).
#pragma once

#include <functional>

class QDialog;

namespace qal::ui {

// Shows dialog and returns when it is hidden again. Scripted, the dialog is
// shown, the next queued action (if any) is run on it as the user's work,
// and the dialog is hidden if the action left it open; nothing waits.
void ShowModal(QDialog* dialog);

// For tests: what the user does in the next modal window.
void QueueModalAction(std::function<void()> action);

} // namespace qal::ui
