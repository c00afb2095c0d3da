// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ui/WebAddress.h"

#include "ui/UiScript.h"

#include <QDesktopServices>
#include <QUrl>

namespace qal::ui {

bool OpenWebAddress(const QString& strAddress)
{
    if (Scripted()) {
        script::LogAddress(strAddress);
        return true;
    }
    return QDesktopServices::openUrl(QUrl(strAddress));
}

QString ProductPageAddress(bool blnGerman)
{
    return blnGerman ? QStringLiteral("https://brenvale.example/de/qal")
                     : QStringLiteral("https://brenvale.example/qal");
}

} // namespace qal::ui
