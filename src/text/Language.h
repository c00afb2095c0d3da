// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The interface language: English or German, stored per user as "EN",
// "DE" (or "ES") under the value "Language" of the program's key.
#pragma once

#include <QString>

namespace qal {

// The codes stored for the languages 0, 1 and 2.
QString LanguageCode(int intLanguage);

// The program's key path, "Software\Brenvale\QAL": texts 273 and 310 and
// the application title. Built by BuildRegistryKey (which
// ReadLanguageFromRegistry calls) from the texts loaded, and held for the
// per-user store.
extern const QString& strRegistryKey;
void BuildRegistryKey();

// The stored language: 0 English (also for a missing or unknown code),
// 1 German, 2 Spanish.
int ReadLanguageFromRegistry();

// Stores the code of the current language.
void WriteLanguageToRegistry();

} // namespace qal
