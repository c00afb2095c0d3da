// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The file-save and file-open dialogs; tests answer them in advance
// (ui/UiScript.h).
#pragma once

#include "settings/RecentFolders.h"

#include <QString>

class QWidget;

namespace qal::ui {

// The chosen file name, or "" when the dialog was cancelled. strFilter is a
// description followed by " (*.ext) | *.ext", as the program's texts give it;
// several such pairs are joined by " | ". intFilterIndex, when given, receives
// which of them was chosen (from 0). The dialog starts in the folder last
// used for files of that kind, and a chosen file's folder is remembered.
QString GetSaveFileName(QWidget* parent, FileKind kind, const QString& strTitle, const QString& strFilter,
    int* intFilterIndex = nullptr);
QString GetOpenFileName(QWidget* parent, FileKind kind, const QString& strTitle, const QString& strFilter);

// The filter in the dialog's own notation: "Images (*.png) | *.png" → "Images (*.png)".
QString DialogFilter(const QString& strFilter);

} // namespace qal::ui
