// qal-cli as a process in a shell: a reader that stops early and Ctrl-C end
// it quietly, with complete lines, and no progress line when standard error
// is not a terminal.
#include "TestSupport.h"

#include <QProcess>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/types.h>
#endif

namespace {

#ifdef Q_OS_UNIX
TEST(CliProcess, AReaderThatStopsEarlyOrCtrlCEndItQuietly)
{
    const QString strCli = qal::test::DataFolder() + QStringLiteral("/qal-cli");
    const QStringList century { QStringLiteral("aspects"), QStringLiteral("1900-01-01"), QStringLiteral("2000-01-01"),
        QStringLiteral("--orbs"), QStringLiteral("0,0,6,0,0,0,0") };

    // qal-cli aspects … | head -n 1: status 0, nothing on standard error.
    QProcess shell;
    shell.start(QStringLiteral("bash"),
        QStringList {
            QStringLiteral("-c"), QStringLiteral("set -o pipefail; \"$0\" \"$@\" | head -n 1 >/dev/null"), strCli }
            + century);
    ASSERT_TRUE(shell.waitForFinished(120000));
    EXPECT_EQ(shell.exitCode(), 0);
    EXPECT_EQ(shell.readAllStandardError(), QByteArray());

    // Ctrl-C once the first lines are out: status 130, only whole lines.
    QProcess cli;
    cli.start(strCli, century);
    ASSERT_TRUE(cli.waitForReadyRead(120000));
    ::kill(static_cast<pid_t>(cli.processId()), SIGINT);
    ASSERT_TRUE(cli.waitForFinished(120000));
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli.exitCode(), 130);
    const QByteArray output = cli.readAllStandardOutput();
    EXPECT_TRUE(output.endsWith('\n'));
    EXPECT_EQ(cli.readAllStandardError(), QByteArray());
}
#endif

} // namespace
