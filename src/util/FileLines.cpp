#include "util/FileLines.h"

#include <QFile>

namespace qal {

bool ForEachFileLine(const QString& strPath, bool blnSkipEmpty, bool blnTrim,
    const std::function<bool(QByteArrayView)>& onLine, qsizetype& intCount, QString& strError, int& intErrorNumber)
{
    strError.clear();
    intCount = 0;
    intErrorNumber = 0;

    QFile file(strPath);
    QByteArray content;
    if (file.open(QIODevice::ReadOnly))
        content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        strError = file.errorString();
        intErrorNumber = static_cast<int>(file.error());
        return false;
    }

    QByteArrayView rest(content);
    while (!rest.isEmpty()) {
        const qsizetype intEnd = rest.indexOf('\n');
        QByteArrayView line = intEnd < 0 ? rest : rest.first(intEnd);
        rest = intEnd < 0 ? QByteArrayView() : rest.sliced(intEnd + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (blnTrim)
            line = line.trimmed();
        if (line.isEmpty() && blnSkipEmpty)
            continue;
        ++intCount;
        if (!onLine(line))
            break;
    }
    return true;
}

bool ReadFileLines(const QString& strPath, QStringList& lines, bool blnSkipEmpty, bool blnTrim, qsizetype& intCount,
    QString& strError, int& intErrorNumber)
{
    lines.clear();
    return ForEachFileLine(
        strPath, blnSkipEmpty, blnTrim,
        [&lines](QByteArrayView line) {
            lines.append(QString::fromUtf8(line));
            return true;
        },
        intCount, strError, intErrorNumber);
}

} // namespace qal
