// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "platform/Console.h"

#include <cerrno>
#include <csignal>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace qal::platform {
namespace {

volatile std::sig_atomic_t g_intStopRequested = 0;

extern "C" void OnInterrupt(int)
{
    g_intStopRequested = 1;
    std::signal(SIGINT, SIG_DFL); // a second Ctrl-C ends the program
}

} // namespace

StreamWriteResult WriteToStream(std::FILE* stream, const QByteArray& bytes)
{
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream)
            == static_cast<size_t>(bytes.size())
        && std::fflush(stream) == 0)
        return {};
    const int intError = errno;
    StreamWriteResult result;
    result.blnWritten = false;
    result.blnReaderGone = intError == EPIPE;
    if (!result.blnReaderGone)
        result.failure = WriteFailureOfSystemError(intError == 0 ? EIO : intError);
    return result;
}

bool IsTerminal(std::FILE* stream)
{
#ifdef _WIN32
    return _isatty(_fileno(stream)) != 0;
#else
    return isatty(fileno(stream)) != 0;
#endif
}

void CatchStopRequests()
{
    g_intStopRequested = 0;
    std::signal(SIGINT, OnInterrupt);
#ifndef _WIN32
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

bool StopRequested()
{
    return g_intStopRequested != 0;
}

int TerminalWidth(std::FILE* stream)
{
#ifdef _WIN32
    CONSOLE_SCREEN_BUFFER_INFO info;
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    if (GetConsoleScreenBufferInfo(handle, &info))
        return info.srWindow.Right - info.srWindow.Left + 1;
#else
    winsize size {};
    if (ioctl(fileno(stream), TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
#endif
    return 80;
}

} // namespace qal::platform
