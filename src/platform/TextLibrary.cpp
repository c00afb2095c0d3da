// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "platform/TextLibrary.h"

#include "platform/Files.h"

#include <QHash>
#include <QStringDecoder>

#include <array>

namespace qal::platform {
namespace {

using Wordings = std::array<QString, 3>;

// The texts of the last successful load, by number.
QHash<int, Wordings> g_texts;

constexpr const char* kLanguageTags[3] = { "EN ", "DE ", "ES " };
constexpr int kNoRecordOpen = -1;

TextLoadStatus FaultAt(int intCode, int intLine)
{
    return { intCode, intLine };
}

// Parses the whole file into texts.
TextLoadStatus Parse(const QString& strContent, QHash<int, Wordings>& texts)
{
    const QStringList lines = strContent.split(QLatin1Char('\n'));
    int intLine = 0;
    int intNextLanguage = kNoRecordOpen; // the language line due next in the open record
    int intNumber = 0;
    Wordings current;

    for (QString line : lines) {
        ++intLine;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const bool blnBlankOrComment = line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'));

        if (intNextLanguage != kNoRecordOpen) {
            if (blnBlankOrComment || !line.startsWith(QLatin1String(kLanguageTags[intNextLanguage])))
                return FaultAt(kTextMissingString, intLine);
            const QString strText = line.mid(3);
            if (strText.size() > kTextBufferLength)
                return FaultAt(kTextTooLong, intLine);
            current[intNextLanguage] = strText;
            if (++intNextLanguage == 3) {
                texts.insert(intNumber, current);
                intNextLanguage = kNoRecordOpen;
            }
            continue;
        }

        if (blnBlankOrComment)
            continue;
        bool blnOk = false;
        intNumber = line.startsWith(QLatin1Char('@')) ? line.mid(1).trimmed().toInt(&blnOk) : 0;
        if (!blnOk || intNumber < 1 || intNumber > 32767)
            return FaultAt(kTextMissingString, intLine);
        if (texts.contains(intNumber))
            return FaultAt(kTextDuplicate, intLine);
        if (texts.size() >= kMaxTexts)
            return FaultAt(kTextTooMuch, 0);
        current = Wordings();
        intNextLanguage = 0;
    }
    if (intNextLanguage != kNoRecordOpen)
        return FaultAt(kTextMissingString, intLine);
    return { static_cast<int>(texts.size()), 0 };
}

} // namespace

TextLoadStatus TextLibraryLoad(const QString& strPath)
{
    g_texts.clear();
    const FileContent file = ReadWholeFile(strPath, kMaxTextFileBytes);
    switch (file.status) {
    case FileReadStatus::Ok: break;
    case FileReadStatus::TooLarge: return FaultAt(kTextTooMuch, 0);
    case FileReadStatus::ReadError: return FaultAt(kTextReadError, 0);
    case FileReadStatus::NotAFile:
    case FileReadStatus::CannotOpen: return FaultAt(kTextCannotOpen, 0);
    }
    if (file.bytes.trimmed().isEmpty())
        return FaultAt(kTextFileEmpty, 0);

    QStringDecoder decoder(QStringDecoder::Utf8); // a byte-order mark at the start is skipped
    const QString strContent = decoder.decode(file.bytes);
    if (decoder.hasError())
        return FaultAt(kTextReadError, 0);

    QHash<int, Wordings> texts;
    const TextLoadStatus status = Parse(strContent, texts);
    if (status.intResult > 0)
        g_texts = std::move(texts);
    return status;
}

int TextLibraryGet(int intNumber, int intLanguage, QString& strBuffer, int intBufferLength)
{
    const auto it = g_texts.constFind(intNumber);
    if (it == g_texts.constEnd() || intLanguage < 0 || intLanguage > 2 || intBufferLength <= 0)
        return 0;
    strBuffer = it->at(intLanguage).left(intBufferLength);
    return static_cast<int>(strBuffer.size());
}

} // namespace qal::platform
