// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Opening a web address in the default browser; scripted for tests
// (ui/UiScript.h).
#pragma once

#include <QString>

namespace qal::ui {

// Opens strAddress; false when the system could not open it.
bool OpenWebAddress(const QString& strAddress);

// The web page of QAL, in German when asked.
QString ProductPageAddress(bool blnGerman);

} // namespace qal::ui
