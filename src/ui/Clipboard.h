// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The clipboard; scripted for tests (ui/UiScript.h), where it is a string of
// its own and the system's clipboard is never touched.
#pragma once

#include <QString>

namespace qal::ui {

// Clears the clipboard and puts strText on it.
void SetClipboardText(const QString& strText);
QString ClipboardText();

} // namespace qal::ui
