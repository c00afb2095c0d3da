// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The console a command-line program runs in: whether a stream is a
// terminal, Ctrl-C as a request to stop, and a reader that went away (a
// closed pipe) as a failed write instead of a signal that kills.
#pragma once

#include "platform/Files.h"

#include <QByteArray>

#include <cstdio>

namespace qal::platform {

// How a write to a stream went: written, the reader went away (a closed
// pipe: nobody reads on, which is no fault), or failed for another reason
// (a full disk, a file-size limit, an input/output error), which failure
// names.
struct StreamWriteResult {
    bool blnWritten = true;
    bool blnReaderGone = false;
    FileWriteResult failure;
};

// Writes bytes to the stream and flushes it.
StreamWriteResult WriteToStream(std::FILE* stream, const QByteArray& bytes);

// Whether the stream is a terminal (not a file or a pipe).
bool IsTerminal(std::FILE* stream);

// From now on Ctrl-C only sets the flag StopRequested reads; a second Ctrl-C
// ends the program at once. A write to a closed pipe fails instead of
// ending the program.
void CatchStopRequests();

// Whether Ctrl-C was pressed since CatchStopRequests.
bool StopRequested();

// The width of the terminal of the stream in characters (80 when unknown).
int TerminalWidth(std::FILE* stream);

} // namespace qal::platform
