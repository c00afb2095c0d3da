// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The interface text library: reads the numbered interface texts of "qal.dat"
// and hands out one text in one language.
//
// File format (UTF-8, lines end in LF or CR LF):
//   # a comment line            (ignored, as are blank lines)
//   @17                         a record header: the text number (1..32767)
//   EN Help                     the English wording: everything after "EN "
//   DE Hilfe                    the German wording
//   ES Ayuda                    the Spanish wording
// Every record has exactly these three language lines, in this order, right
// after its header. A wording of "~" is a text that is deliberately empty.
// Leading blanks of a wording are kept; only the line end is removed.
#pragma once

#include <QString>

namespace qal::platform {

// Result codes of TextLibraryLoad below 1 (1 and more: the number of texts).
// The faults found at a line carry the line separately, so that a fault at
// any line of any file names its real kind and its real line.
constexpr int kTextNothingRead = 0;
constexpr int kTextCannotOpen = -1;
constexpr int kTextTooMuch = -3;
constexpr int kTextFileEmpty = -6;
constexpr int kTextReadError = -7;
constexpr int kTextMissingString = -500; // a record line is missing or malformed at intLine
constexpr int kTextTooLong = -1000; // a wording longer than the buffer at intLine
constexpr int kTextDuplicate = -1500; // a text number given a second time at intLine

struct TextLoadStatus {
    int intResult = kTextNothingRead; // number of texts, or a code above
    int intLine = 0; // the line of a fault found at a line
};

// Characters one text may hold: the size of the caller's text buffer.
constexpr int kTextBufferLength = 1024;

// Largest number of texts one file may hold, and largest file read.
constexpr int kMaxTexts = 4096;
constexpr qint64 kMaxTextFileBytes = 4 * 1024 * 1024;

// Loads the file, replacing whatever was loaded before. On failure nothing
// stays loaded.
TextLoadStatus TextLibraryLoad(const QString& strPath);

// Puts text number intNumber in language intLanguage (0 English, 1 German,
// 2 Spanish) into strBuffer, cut to intBufferLength characters, and returns
// the number of characters placed; 0 when there is no such text.
int TextLibraryGet(int intNumber, int intLanguage, QString& strBuffer, int intBufferLength);

} // namespace qal::platform
