#include "util/FileLines.h"

#include "platform/Files.h"

namespace qal {

qsizetype ForEachLine(QByteArrayView text, bool blnSkipEmpty, bool blnTrim,
    const std::function<bool(QByteArrayView)>& onLine)
{
    qsizetype intCount = 0;
    QByteArrayView rest(text);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
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
    return intCount;
}

bool ForEachFileLine(const QString& strPath, qint64 intMaxBytes, bool blnSkipEmpty, bool blnTrim,
    const std::function<bool(QByteArrayView)>& onLine, qsizetype& intCount, QString& strError, int& intErrorNumber)
{
    strError.clear();
    intCount = 0;
    intErrorNumber = 0;

    const platform::FileContent file = platform::ReadWholeFile(strPath, intMaxBytes);
    if (!file.ok()) {
        strError = file.strError;
        intErrorNumber = static_cast<int>(file.status);
        return false;
    }

    intCount = ForEachLine(file.bytes, blnSkipEmpty, blnTrim, onLine);
    return true;
}

bool ReadFileLines(const QString& strPath, qint64 intMaxBytes, QStringList& lines, bool blnSkipEmpty, bool blnTrim,
    qsizetype& intCount, QString& strError, int& intErrorNumber)
{
    lines.clear();
    return ForEachFileLine(
        strPath, intMaxBytes, blnSkipEmpty, blnTrim,
        [&lines](QByteArrayView line) {
            lines.append(QString::fromUtf8(line));
            return true;
        },
        intCount, strError, intErrorNumber);
}

QString PrintableExcerpt(QByteArrayView bytes, int intMaxChars)
{
    // Decode no more than the excerpt can show (four bytes per character at most).
    const QByteArrayView head = bytes.first(std::min<qsizetype>(bytes.size(), 4LL * (intMaxChars + 1)));
    const QString strDecoded = QString::fromUtf8(head);
    QString strExcerpt;
    for (const QChar c : strDecoded) {
        if (strExcerpt.size() == intMaxChars) {
            strExcerpt += QChar(0x2026);
            return strExcerpt;
        }
        const bool blnShown = c.isPrint() && c != QChar::ReplacementCharacter;
        strExcerpt += blnShown ? c : QLatin1Char('?');
    }
    if (head.size() < bytes.size())
        strExcerpt += QChar(0x2026);
    return strExcerpt;
}

} // namespace qal
