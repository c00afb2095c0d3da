#include "util/FileLines.h"

#include <QFile>

namespace qal {

bool ReadFileLines(const QString& strPath, QStringList& lines, bool blnSkipEmpty, bool blnTrim, qsizetype& intCount,
                   QString& strError, int& intErrorNumber)
{
    strError.clear();
    intCount = 0;
    intErrorNumber = 0;
    lines.clear();

    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly)) {
        strError = file.errorString();
        intErrorNumber = static_cast<int>(file.error());
        return false;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        strError = file.errorString();
        intErrorNumber = static_cast<int>(file.error());
        return false;
    }

    const QString strContent = QString::fromUtf8(content);
    lines.reserve(strContent.size() / 4);
    for (QStringView line : QStringView(strContent).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (blnTrim)
            line = line.trimmed();
        if (line.isEmpty() && blnSkipEmpty)
            continue;
        lines.append(line.toString());
    }
    // A final line end does not start another line.
    if (!blnSkipEmpty && !lines.isEmpty() && lines.last().isEmpty() && content.endsWith('\n'))
        lines.removeLast();
    intCount = lines.size();
    return true;
}

} // namespace qal
