// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Numbered interface texts in the current language.
//
// Every caption, message and label the user reads is fetched by number from
// "qal.dat", loaded once at start-up. The current language is module-wide
// state: start-up and the language switch write it, everything else reads it.
#pragma once

#include "text/TextIds.h"

#include <QString>

namespace qal {

constexpr int intLangEnglish = 0;
constexpr int intLangGerman = 1;
constexpr int intLangSpanish = 2;
constexpr int intLanguageCount = 3;

// The language every text is fetched in (0 English, 1 German, 2 Spanish).
// Written only by SetInterfaceLanguage (astro/AstroTables.h), through
// StoreInterfaceLanguage, on the window's thread; texts are made there only.
extern const int& intCurrentLanguage;
void StoreInterfaceLanguage(int intLanguage);

inline bool IsGerman()
{
    return intCurrentLanguage == intLangGerman;
}

// Outcome of loading the interface texts: intResult >= 1 is the number of
// texts read; below 1, strMessage says what went wrong in the program's words
// and intLine where, for a fault found at a line.
struct TextLoadResult {
    int intResult = 0;
    int intLine = 0;
    QString strMessage;
    bool ok() const { return intResult >= 1; }
};

// Loads strFileName from strFolder (a "/" is put between them unless the
// folder already ends with one).
TextLoadResult LoadProgramTexts(const QString& strFolder, const QString& strFileName);

// The message for a load result below 1 (the codes of the text library,
// the line of a fault found at a line); strPath is named when the file
// cannot be opened.
QString TextLoadFailureMessage(int intResult, int intLine, const QString& strPath);

// Text number n in the current language; "" when it is missing or is "~".
QString GetText(int n);
QString GetText(TextId id);

// Fills the markers "[r1]" to "[r5]" and turns "^" into a line break. "[r1]"
// is always replaced; each later marker only while every earlier replacement
// was made and its own replacement is not empty.
QString ExpandTextMarkers(const QString& strText, const QString& r1 = {}, const QString& r2 = {},
    const QString& r3 = {}, const QString& r4 = {}, const QString& r5 = {});

QString GetTextWithMarkers(int n, const QString& r1 = {}, const QString& r2 = {}, const QString& r3 = {},
    const QString& r4 = {}, const QString& r5 = {});
QString GetTextWithMarkers(TextId id, const QString& r1 = {}, const QString& r2 = {}, const QString& r3 = {},
    const QString& r4 = {}, const QString& r5 = {});

// Line break used inside texts and reports.
inline const QString strCrLf = QStringLiteral("\r\n");

} // namespace qal
