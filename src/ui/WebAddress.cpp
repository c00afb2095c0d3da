// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ui/WebAddress.h"

namespace qal::ui {

QString ProductPageAddress(bool blnGerman)
{
    return blnGerman ? QStringLiteral("https://brenvale.example/de/qal")
                     : QStringLiteral("https://brenvale.example/qal");
}

} // namespace qal::ui
