// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ui/Clipboard.h"

#include "ui/UiScript.h"

#include <QClipboard>
#include <QGuiApplication>

namespace qal::ui {

void SetClipboardText(const QString& strText)
{
    if (Scripted()) {
        script::Clipboard() = strText;
        return;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(strText);
}

QString ClipboardText()
{
    if (Scripted())
        return script::Clipboard();
    return QGuiApplication::clipboard()->text();
}

} // namespace qal::ui
