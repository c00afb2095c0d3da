// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Keys that work alike in every window: Escape closes a window as its close
// button does, and Enter presses the button that has the focus.
#pragma once

#include <functional>

class QDialog;
class QWidget;

namespace qal::ui {

// Escape anywhere in window runs close (the window's own close button).
void CloseOnEscape(QWidget* window, std::function<void()> close);

// In dialog, Enter and Return press only the push button that has the focus;
// with the focus elsewhere they do nothing. No button is a default one, so
// Enter can never press a button the user does not see as chosen.
void EnterPressesFocusedButton(QDialog* dialog);

} // namespace qal::ui
