// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// QAL's web address, as the wheel's credit names it.
#pragma once

#include <QString>

namespace qal::ui {

// The web page of QAL, in German when asked.
QString ProductPageAddress(bool blnGerman);

} // namespace qal::ui
