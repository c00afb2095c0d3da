// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Converting a saved picture from one image format to another (the wheel and
// the transit graph are written as a bitmap first, then converted to PNG).
// Every image file is written whole or not at all: a failed write leaves an
// earlier file of the same name as it was.
#pragma once

#include <QString>

class QImage;

namespace qal {

// The message of a conversion that worked.
inline constexpr const char* kConversionSucceeded = "No Error";

// Writes image as strPath in the image format named (for example "BMP" or
// "PNG"); "" on success, else the reason it failed.
QString WriteImageFile(const QImage& image, const QString& strPath, const char* strFormat);

// Reads strSource (a bitmap, or any format the image reader knows) and
// writes strTarget in the format its extension names; a name without a
// known image extension is written as PNG. Returns "No Error" or the reason
// it failed.
QString ConvertGraphics(const QString& strSource, const QString& strTarget);

// Converts strSource to strTarget; on success deletes the source when asked.
// A failed conversion leaves no partial target: strTarget is replaced only
// by a complete image. strMessage receives the conversion's message either way.
bool ConvertGraphicsFile(
    const QString& strSource, const QString& strTarget, bool blnDeleteSourceOnSuccess, QString& strMessage);

} // namespace qal
