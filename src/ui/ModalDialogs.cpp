// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ui/ModalDialogs.h"

#include "ui/UiScript.h"

#include <QDialog>

namespace qal::ui {

void ShowModal(QDialog* dialog)
{
    if (!Scripted()) {
        dialog->exec();
        return;
    }
    dialog->show();
    if (std::function<void()> action = script::NextModalAction())
        action();
    dialog->hide();
}

void QueueModalAction(std::function<void()> action)
{
    script::QueueModalAction(std::move(action));
}

} // namespace qal::ui
