// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// qal-cli: QAL's aspect engine on the command line (see cli/CliArguments.h).
#include "chart/CoreStart.h"
#include "cli/CliCommands.h"
#include "platform/Console.h"
#include "platform/DataPaths.h"
#include "platform/Files.h"
#include "text/FileMessages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Standard output, written as the results come; the progress line on a
// terminal's standard error, cleared when the command ends and, on the same
// terminal, before results are written.
class ConsoleOutput : public qal::cli::Output {
public:
    ConsoleOutput()
        : m_blnProgress(qal::platform::IsTerminal(stderr))
        , m_blnSameTerminal(m_blnProgress && qal::platform::IsTerminal(stdout))
    {
        m_clock.start();
    }
    ~ConsoleOutput() override { ClearProgress(); }

    bool Write(const QString& strLines) override
    {
        if (strLines.isEmpty())
            return true;
        if (m_blnSameTerminal)
            ClearProgress(); // the results take the line the progress stood on
        const qal::platform::StreamWriteResult result = qal::platform::WriteToStream(stdout, strLines.toUtf8());
        if (!result.blnWritten && !result.blnReaderGone && m_strFailure.isEmpty())
            m_strFailure = qal::WriteFailureText(result.failure);
        return result.blnWritten;
    }
    QString WriteFailure() const override { return m_strFailure; }
    bool StopRequested() const override { return qal::platform::StopRequested(); }
    void Progress(double dblYearsDone, double dblYears, long long intFound, const char* strFoundWord) override
    {
        // At most ten times a second, after the first second.
        if (!m_blnProgress || m_clock.elapsed() < 1000 || m_clock.elapsed() - m_intShownAt < 100)
            return;
        m_intShownAt = m_clock.elapsed();
        const QString strLine = qal::cli::ProgressLine(dblYearsDone, dblYears, intFound, strFoundWord,
            m_clock.elapsed() / 1000.0, qal::platform::TerminalWidth(stderr));
        std::fprintf(stderr, "\r%s\x1b[K", qPrintable(strLine));
        std::fflush(stderr);
        m_blnShown = true;
    }

private:
    void ClearProgress()
    {
        if (!m_blnShown)
            return;
        std::fputs("\r\x1b[K", stderr);
        std::fflush(stderr);
        m_blnShown = false;
    }
    bool m_blnProgress = false;
    bool m_blnSameTerminal = false; // results and progress share the screen
    bool m_blnShown = false;
    QString m_strFailure;
    QElapsedTimer m_clock;
    qint64 m_intShownAt = 0;
};

QtMessageHandler g_qtMessages = nullptr;

// Qt's note that a shell without a runtime folder (root, a container) gets a
// temporary one is not for the user of a command-line tool.
void QtMessage(QtMsgType type, const QMessageLogContext& context, const QString& strMessage)
{
    if (type == QtWarningMsg && strMessage.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    g_qtMessages(type, context, strMessage);
}

} // namespace

int main(int argc, char* argv[])
{
    g_qtMessages = qInstallMessageHandler(QtMessage);
    // Drawing a time map needs fonts, which need a GUI application: on the
    // offscreen platform unless another is asked for, so that no display is needed.
    std::unique_ptr<QCoreApplication> app;
    if (std::any_of(argv + 1, argv + argc, [](const char* strArgument) { return std::strcmp(strArgument, "timemap") == 0; })) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    qal::platform::CatchStopRequests();
    qal::platform::ReportFileSizeLimitAsWriteError();
    const qal::CoreStartResult start
        = qal::StartCore(qal::platform::FindDataFolder(QCoreApplication::applicationDirPath()));
    if (!start.ok()) {
        std::fprintf(stderr, "qal-cli: %s\n", qPrintable(start.strMessage));
        return qal::cli::intExitFailure;
    }
    QStringList args;
    QString strErr = qal::cli::ArgumentsFromSystem(argc, argv, args);
    if (!strErr.isEmpty()) {
        std::fprintf(stderr, "qal-cli: %s\n", strErr.toUtf8().constData());
        return qal::cli::intExitBadInput;
    }
    int intStatus = 0;
    {
        ConsoleOutput out;
        intStatus = qal::cli::RunCli(args, out, strErr);
    }
    std::fputs(strErr.toUtf8().constData(), stderr);
    return intStatus;
}
