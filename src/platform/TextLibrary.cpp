#include "platform/TextLibrary.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>

#include <array>

namespace qal::platform {
namespace {

using Wordings = std::array<QString, 3>;

// The texts of the last successful load, by number.
QHash<int, Wordings> g_texts;

constexpr const char* kLanguageTags[3] = { "EN ", "DE ", "ES " };
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;
constexpr int kNoRecordOpen = -1;

// Parses the whole file into texts; returns the number of texts or a negative code.
int Parse(const QString& strContent, QHash<int, Wordings>& texts)
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
                return kTextMissingBase - intLine;
            const QString strText = line.mid(3);
            if (strText.size() > kTextBufferLength)
                return kTextTooLongBase - intLine;
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
            return kTextMissingBase - intLine;
        if (texts.contains(intNumber))
            return kTextDuplicateBase - intLine;
        if (texts.size() >= kMaxTexts)
            return kTextTooMuch;
        current = Wordings();
        intNextLanguage = 0;
    }
    if (intNextLanguage != kNoRecordOpen)
        return kTextMissingBase - intLine;
    return static_cast<int>(texts.size());
}

} // namespace

int TextLibraryLoad(const QString& strPath)
{
    g_texts.clear();
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
        return kTextCannotOpen;
    if (file.size() > kMaxFileBytes)
        return kTextTooMuch;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return kTextReadError;
    if (bytes.trimmed().isEmpty())
        return kTextFileEmpty;

    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString strContent = decoder.decode(bytes);
    if (decoder.hasError())
        return kTextReadError;

    QHash<int, Wordings> texts;
    const int intResult = Parse(strContent, texts);
    if (intResult > 0)
        g_texts = std::move(texts);
    return intResult;
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
