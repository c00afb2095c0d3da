// The file-save and file-open dialogs; tests answer them in advance
// (ui/UiScript.h).
#pragma once

#include <QString>

class QWidget;

namespace qal::ui {

// The chosen file name, or "" when the dialog was cancelled. strFilter is a
// description followed by " (*.ext) | *.ext", as the program's texts give it.
QString GetSaveFileName(QWidget* parent, const QString& strTitle, const QString& strFilter);
QString GetOpenFileName(QWidget* parent, const QString& strTitle, const QString& strFilter);

// The filter in the dialog's own notation: "Images (*.png) | *.png" → "Images (*.png)".
QString DialogFilter(const QString& strFilter);

} // namespace qal::ui
