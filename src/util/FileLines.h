// Reading a text file as lines.
#pragma once

#include <QString>
#include <QStringList>

namespace qal {

// Reads every line of strPath into lines, replacing their content. Empty lines
// are left out when blnSkipEmpty is set (after trimming, when blnTrim is set);
// intCount receives the number of lines taken. On failure strError describes
// it, intErrorNumber is non-zero and the result is false.
bool ReadFileLines(const QString& strPath, QStringList& lines, bool blnSkipEmpty, bool blnTrim, qsizetype& intCount,
                   QString& strError, int& intErrorNumber);

} // namespace qal
