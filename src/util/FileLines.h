// Reading a text file as lines.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

namespace qal {

// Calls onLine for every line of text (line end removed, a byte-order mark
// at the start skipped), with the switches of ForEachFileLine below; returns
// the number of lines handed over.
qsizetype ForEachLine(QByteArrayView text, bool blnSkipEmpty, bool blnTrim,
    const std::function<bool(QByteArrayView)>& onLine);

// Calls onLine for every line of strPath (UTF-8 bytes, line end removed, a
// byte-order mark at the start of the file skipped). Empty lines are left out
// when blnSkipEmpty is set (after trimming, when blnTrim is set); onLine
// returns false to stop early. intCount receives the number of lines handed
// over. Only an ordinary file of at most intMaxBytes is read. On failure
// strError describes it, intErrorNumber is non-zero and the result is false.
bool ForEachFileLine(const QString& strPath, qint64 intMaxBytes, bool blnSkipEmpty, bool blnTrim,
    const std::function<bool(QByteArrayView)>& onLine, qsizetype& intCount, QString& strError, int& intErrorNumber);

// Reads every line of strPath into lines, replacing their content; the
// switches and results are those of ForEachFileLine.
bool ReadFileLines(const QString& strPath, qint64 intMaxBytes, QStringList& lines, bool blnSkipEmpty, bool blnTrim,
    qsizetype& intCount, QString& strError, int& intErrorNumber);

// A short, printable quotation of bytes for a message: at most intMaxChars
// characters of their UTF-8 reading, control and undecodable characters
// shown as "?", and "…" when cut.
QString PrintableExcerpt(QByteArrayView bytes, int intMaxChars = 24);

} // namespace qal
