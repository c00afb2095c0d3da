// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Reading a text as lines.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

namespace qal {

// How ForEachLine hands the lines over.
struct LineOptions {
    bool blnTrim = false; // blanks around a line removed
    bool blnSkipEmpty = false; // empty lines (after trimming, when asked) left out
};

// Calls onLine for every line of text (UTF-8 bytes, line end removed, a
// byte-order mark at the start skipped); onLine returns false to stop early.
// Returns the number of lines handed over.
qsizetype ForEachLine(QByteArrayView text, LineOptions options, const std::function<bool(QByteArrayView)>& onLine);

// A short, printable quotation of bytes for a message: at most intMaxChars
// characters of their UTF-8 reading, control and undecodable characters
// shown as "?", and "…" when cut.
QString PrintableExcerpt(QByteArrayView bytes, int intMaxChars = 24);

} // namespace qal
