// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "util/FileLines.h"

namespace qal {

qsizetype ForEachLine(QByteArrayView text, LineOptions options, const std::function<bool(QByteArrayView)>& onLine)
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
        if (options.blnTrim)
            line = line.trimmed();
        if (line.isEmpty() && options.blnSkipEmpty)
            continue;
        ++intCount;
        if (!onLine(line))
            break;
    }
    return intCount;
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
