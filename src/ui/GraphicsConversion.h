// Converting a saved picture from one image format to another (the wheel and
// the transit graph are written as a bitmap first, then converted to PNG).
#pragma once

#include <QString>

namespace qal::ui {

// The message of a conversion that worked.
inline constexpr const char* kConversionSucceeded = "No Error";

// Reads strSource (a bitmap, or any format the image reader knows) and
// writes strTarget in the format its extension names; a name without a
// known image extension is written as PNG. Returns "No Error" or the reason
// it failed.
QString ConvertGraphics(const QString& strSource, const QString& strTarget);

// Converts strSource to strTarget. On success deletes the source when asked;
// on failure deletes the (partial) target when asked, ignoring a failure to
// delete. strMessage receives the conversion's message either way.
bool ConvertGraphicsFile(const QString& strSource, const QString& strTarget, bool blnDeleteSourceOnSuccess,
    bool blnDeleteTargetOnFailure, QString& strMessage);

} // namespace qal::ui
