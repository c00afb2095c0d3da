// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Asking where to save a picture: the file dialog with the picture types (a
// PNG image, one twice the size for print, an SVG or a PDF drawing); the
// name's own extension chooses the type, otherwise the chosen type adds one.
#pragma once

#include <QString>

class QWidget;

namespace qal::ui {

enum class PictureFileType { Png, PngForPrint, Svg, Pdf };

// The file name chosen, "" when the dialog was cancelled.
QString AskPictureFileName(QWidget* parent, PictureFileType& type);

// Tells how saving strFile went: where it was saved, or (strError not "")
// that it was not, why, and strAfter.
void ReportPictureSaved(QWidget* parent, const QString& strTitle, const QString& strFile, const QString& strError,
    const QString& strAfter = QString());

} // namespace qal::ui
