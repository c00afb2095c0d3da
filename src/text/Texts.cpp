// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "text/Texts.h"

#include "platform/TextLibrary.h"

namespace qal {

namespace {
int g_intLanguage = intLangEnglish; // intCurrentLanguage's storage
} // namespace

const int& intCurrentLanguage = g_intLanguage;

void StoreInterfaceLanguage(int intLanguage)
{
    g_intLanguage = intLanguage;
}

TextLoadResult LoadProgramTexts(const QString& strFolder, const QString& strFileName)
{
    QString strPath = strFolder;
    if (!strPath.endsWith(QLatin1Char('/')) && !strPath.endsWith(QLatin1Char('\\')))
        strPath += QLatin1Char('/');
    strPath += strFileName;
    const platform::TextLoadStatus status = platform::TextLibraryLoad(strPath);
    TextLoadResult result;
    result.intResult = status.intResult;
    result.intLine = status.intLine;
    if (!result.ok())
        result.strMessage = TextLoadFailureMessage(result.intResult, result.intLine, strPath);
    return result;
}

QString TextLoadFailureMessage(int intResult, int intLine, const QString& strPath)
{
    const auto atLine = [intLine](const char* strWhat) {
        return QString::fromLatin1(strWhat) + QLatin1Char(' ') + QString::number(intLine) + QLatin1Char('.');
    };
    switch (intResult) {
    case platform::kTextDuplicate: return atLine("Duplicate in program text at line");
    case platform::kTextTooLong: return atLine("String too long at line");
    case platform::kTextMissingString: return atLine("Missing string at line");
    case 0: return QStringLiteral("No program text was read.");
    case -1: return QStringLiteral("Cannot open file containing program text.") + strCrLf + strPath;
    case -2: return QStringLiteral("Particular memory allocation error.");
    case -3: return QStringLiteral("Too much program text.");
    case -4: return QStringLiteral("Text not recovered.");
    case -6: return QStringLiteral("File is empty.");
    case -7: return QStringLiteral("Error reading file.");
    case -8: return QStringLiteral("General memory allocation error.");
    default: return QStringLiteral("Error ") + QString::number(intResult);
    }
}

QString GetText(TextId id)
{
    return GetText(TextNumber(id));
}

QString GetText(int n)
{
    QString strBuffer;
    const int intLength = platform::TextLibraryGet(n, intCurrentLanguage, strBuffer, platform::kTextBufferLength);
    if (intLength <= 0)
        return {};
    const QString strText = strBuffer.left(intLength);
    return strText == QLatin1String("~") ? QString() : strText;
}

QString ExpandTextMarkers(const QString& strText, const QString& r1, const QString& r2, const QString& r3,
    const QString& r4, const QString& r5)
{
    if (!strText.contains(QLatin1Char('^')) && !strText.contains(QLatin1String("[r")))
        return strText;
    QString strResult = strText;
    strResult.replace(QLatin1String("[r1]"), r1);
    const QString* later[] = { &r2, &r3, &r4, &r5 };
    for (int i = 0; i < 4; ++i) {
        if (later[i]->isEmpty())
            break;
        strResult.replace(QStringLiteral("[r%1]").arg(i + 2), *later[i]);
    }
    strResult.replace(QLatin1Char('^'), strCrLf);
    return strResult;
}

QString GetTextWithMarkers(
    int n, const QString& r1, const QString& r2, const QString& r3, const QString& r4, const QString& r5)
{
    return ExpandTextMarkers(GetText(n), r1, r2, r3, r4, r5);
}

QString GetTextWithMarkers(
    TextId id, const QString& r1, const QString& r2, const QString& r3, const QString& r4, const QString& r5)
{
    return GetTextWithMarkers(TextNumber(id), r1, r2, r3, r4, r5);
}

} // namespace qal
