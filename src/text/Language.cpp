// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "text/Language.h"

#include "platform/Registry3.h"
#include "text/Texts.h"

namespace qal {

namespace {

QString g_strRegistryKey; // strRegistryKey's storage

const char* const kLanguageCodes[intLanguageCount] = { "EN", "DE", "ES" };

} // namespace

const QString& strRegistryKey = g_strRegistryKey;

void BuildRegistryKey()
{
    g_strRegistryKey = GetText(TextId::RegistrySoftware) + QLatin1Char('\\') + GetText(TextId::MakerName)
        + QStringLiteral("\\QAL");
}

QString LanguageCode(int intLanguage)
{
    if (intLanguage < 0 || intLanguage >= intLanguageCount)
        return QString::fromLatin1(kLanguageCodes[intLangEnglish]);
    return QString::fromLatin1(kLanguageCodes[intLanguage]);
}

int ReadLanguageFromRegistry()
{
    BuildRegistryKey();
    QString strCode;
    const QString strStatus = platform::ReadRegistryString(
        platform::HkeyCurrentUser, strRegistryKey, QStringLiteral("Language"), strCode);
    if (!strStatus.startsWith(QLatin1Char('0')))
        return intLangEnglish;
    for (int i = 0; i < intLanguageCount; ++i) {
        if (strCode == QLatin1String(kLanguageCodes[i]))
            return i;
    }
    // Something else is stored: English, written back clean at once.
    platform::WriteRegistryString(platform::HkeyCurrentUser, strRegistryKey, QStringLiteral("Language"),
        LanguageCode(intLangEnglish));
    return intLangEnglish;
}

void WriteLanguageToRegistry()
{
    BuildRegistryKey();
    platform::WriteRegistryString(
        platform::HkeyCurrentUser, strRegistryKey, QStringLiteral("Language"), LanguageCode(intCurrentLanguage));
}

} // namespace qal
